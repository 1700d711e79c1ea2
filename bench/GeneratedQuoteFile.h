#pragma once
// A stock quote file of a given number of rows in the temp folder, newest
// quote first, CR LF line ends; removed with the object.

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/runtime/AnsiString.h"

class GeneratedQuoteFile {
public:
    explicit GeneratedQuoteFile(int rows) {
        path_ = std::filesystem::temp_directory_path() /
                ("velmora-bench-" + std::to_string(getpid()) + "-" + std::to_string(rows) + ".zrq");
        std::ofstream out(path_, std::ios::binary);
        out << "0,2,1970,11,31,2023,BENCH\r\n";
        static const char* const months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                             "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
        char line[128];
        for (int i = 0; i < rows; ++i) {
            double close = 20 + (i % 977) * 0.13;
            int length = std::snprintf(line, sizeof line, "%d-%s-%02d,%.2f,%.2f,%.2f,%.2f,%d\r\n", 1 + i % 28,
                                       months[(i / 28) % 12], (i / 336) % 100, close - 0.4, close + 0.9,
                                       close - 1.1, close, 100000 + (i * 7919) % 5000000);
            out.write(line, length);
        }
    }
    ~GeneratedQuoteFile() {
        std::error_code ignored;
        std::filesystem::remove(path_, ignored);
    }
    AnsiString Path() const { return AnsiString(path_.string()); }

private:
    std::filesystem::path path_;
};
