#pragma once
// A file of the fuzzer's own in the temporary folder, for the readers that
// take a path: one per process, so that parallel runs do not share it, and
// removed when the process ends normally.

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

class TScratchFile {
public:
    explicit TScratchFile(const std::string& Extension = ".zrq")
        : path_((std::filesystem::temp_directory_path() / ("velmora_fuzz_" + std::to_string(getpid()) + Extension))
                    .string()) {}
    ~TScratchFile() {
        std::error_code ignored;
        std::filesystem::remove(path_, ignored);
    }
    TScratchFile(const TScratchFile&) = delete;
    TScratchFile& operator=(const TScratchFile&) = delete;

    const std::string& Path() const { return path_; }

    // Replaces the file's contents by Bytes.
    void Write(const std::string& Bytes) const {
        std::ofstream out(path_, std::ios::binary | std::ios::trunc);
        out.write(Bytes.data(), static_cast<std::streamsize>(Bytes.size()));
    }

private:
    std::string path_;
};
