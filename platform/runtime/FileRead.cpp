#include "platform/runtime/FileRead.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/runtime/Exceptions.h"
#include "platform/runtime/FileDescriptor.h"
#include "platform/runtime/FileFaults.h"

AnsiString ByteSizeText(std::uint64_t Bytes) {
    static const char* const units[] = {"bytes", "kB", "MB", "GB", "TB"};
    if (Bytes < 1024) return AnsiString(std::to_string(Bytes) + " bytes");
    double value = static_cast<double>(Bytes);
    int unit = 0;
    while (value >= 1024 && unit < 4) {
        value /= 1024;
        ++unit;
    }
    char text[32];
    std::snprintf(text, sizeof text, value == static_cast<double>(static_cast<std::uint64_t>(value)) ? "%.0f %s" : "%.1f %s",
                  value, units[unit]);
    return AnsiString(text);
}

AnsiString TryReadRegularFile(const AnsiString& FileName, std::uint64_t MaxBytes, std::string& Bytes) {
    Bytes.clear();
    // Without O_NONBLOCK, opening a pipe waits for a writer that may never come.
    TFileDescriptor file(::open(FileName.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!file.IsOpen()) return OpenFaultText(errno);
    struct stat status {};
    if (::fstat(file.Get(), &status) != 0) return SystemFaultText(errno);
    if (!S_ISREG(status.st_mode)) return KindFaultText(status.st_mode);
    if (static_cast<std::uint64_t>(status.st_size) > MaxBytes)
        return "it is larger than " + ByteSizeText(MaxBytes);
    std::string bytes(static_cast<std::size_t>(status.st_size), '\0');
    std::size_t have = 0;
    const std::uint64_t cap = MaxBytes + (MaxBytes < UINT64_MAX);
    // The file may grow while it is read: one byte past the limit is enough to tell.
    for (;;) {
        if (have == bytes.size()) {
            if (have > MaxBytes) return "it is larger than " + ByteSizeText(MaxBytes);
            bytes.resize(std::min<std::uint64_t>(std::max<std::size_t>(have * 2, have + 4096), cap));
        }
        const ssize_t got = ::read(file.Get(), bytes.data() + have, bytes.size() - have);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return "reading it failed: " + SystemFaultText(errno);
        if (got == 0) break;
        have += static_cast<std::size_t>(got);
    }
    if (have > MaxBytes) return "it is larger than " + ByteSizeText(MaxBytes);
    bytes.resize(have);
    Bytes = std::move(bytes);
    return AnsiString();
}

std::string ReadRegularFile(const AnsiString& FileName, std::uint64_t MaxBytes) {
    std::string bytes;
    const AnsiString fault = TryReadRegularFile(FileName, MaxBytes, bytes);
    if (!fault.IsEmpty()) throw EFOpenError("Cannot read \"" + FileName + "\": " + fault + ".");
    return bytes;
}
