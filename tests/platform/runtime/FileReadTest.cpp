// Reading a file the user chose: a regular file is read whole; anything
// else is refused before a byte is read, with the reason.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/runtime/Exceptions.h"
#include "platform/runtime/FileRead.h"
#include "support/HostileFiles.h"
#include "support/TempDir.h"

namespace {

namespace fs = std::filesystem;

TEST(FileRead, ReadsARegularFileAndRefusesEverythingElseSayingWhy) {
    TempDir dir;
    fs::permissions(dir.Path(), fs::perms(0755));
    dir.Write("quotes.zrq", "0,2,2001,4,30,2003,XYZ\n");
    dir.Write("limit.zrq", std::string(1024, 'x'));
    dir.Write("big.zrq", std::string(1025, 'x'));
    MakeLink(dir.File("loop1.zrq"), dir.File("loop2.zrq"));
    MakeLink(dir.File("loop2.zrq"), dir.File("loop1.zrq"));
    const struct {
        const char* Name;
        const char* Fault;
        std::size_t Bytes;
    } cases[] = {
        {"quotes.zrq", "", 23},
        {"limit.zrq", "", 1024},
        {"big.zrq", "it is larger than 1 kB", 0},
        {"loop1.zrq", "its links go round in a circle", 0},
    };
    for (const auto& c : cases) {
        std::string bytes = "left over";
        EXPECT_EQ(TryReadRegularFile(dir.File(c.Name).c_str(), 1024, bytes), c.Fault) << c.Name;
        EXPECT_EQ(bytes.size(), c.Bytes) << c.Name;
    }
    // A pipe's reader that waited for a writer would never come back here.
    for (const HostilePath& path : MakeHostilePaths(dir.Path().string(), ".zrq", "x")) {
        std::string bytes = "left over";
        UnprivilegedUser nobody;
        EXPECT_EQ(TryReadRegularFile(path.Path.c_str(), 1024, bytes), path.Reason.c_str());
        EXPECT_EQ(bytes, "");
    }

    try {
        ReadRegularFile(dir.File("folder.zrq").c_str(), 1024);
        ADD_FAILURE() << "a folder was read";
    } catch (const EFOpenError& e) {
        EXPECT_EQ(e.GetMessage(), ("Cannot read \"" + dir.File("folder.zrq") + "\": it is a folder.").c_str());
    }
}

// A file whose size the system does not know ahead (as in /proc) is read to
// its end all the same.
TEST(FileRead, AFileOfUnknownSizeIsReadToItsEnd) {
    std::string bytes;
    EXPECT_EQ(TryReadRegularFile("/proc/self/status", 1 << 20, bytes), "");
    EXPECT_NE(bytes.find("Name:"), std::string::npos);
    EXPECT_EQ(TryReadRegularFile("/proc/self/status", 16, bytes), "it is larger than 16 bytes");
}

TEST(FileRead, SizesAreToldInTheirUnit) {
    EXPECT_EQ(ByteSizeText(100), "100 bytes");
    EXPECT_EQ(ByteSizeText(1536), "1.5 kB");
    EXPECT_EQ(ByteSizeText(256ull << 20), "256 MB");
    EXPECT_EQ(ByteSizeText(16ull << 30), "16 GB");
}

}  // namespace
