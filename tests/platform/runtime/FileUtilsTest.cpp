#include <gtest/gtest.h>

#include "platform/runtime/FileUtils.h"
#include "support/TempDir.h"

namespace {

TEST(CommandLine, ParamStrAndParamCount) {
    const char* argv[] = {"/usr/bin/velmora", "C:\\q\\xyz.zrq", "second"};
    SetCommandLine(3, argv);
    EXPECT_EQ(ParamCount(), 2);
    EXPECT_EQ(ParamStr(0), "/usr/bin/velmora");
    EXPECT_EQ(ParamStr(1), "C:\\q\\xyz.zrq");
    EXPECT_EQ(ParamStr(2), "second");
    EXPECT_EQ(ParamStr(3), "");
    EXPECT_EQ(ParamStr(-1), "");
    SetCommandLine(1, argv);
    EXPECT_EQ(ParamCount(), 0);
    EXPECT_EQ(ParamStr(1), "");
    SetCommandLine(0, nullptr);
    EXPECT_EQ(ParamCount(), 0);
    EXPECT_EQ(ParamStr(0), "");
}

TEST(FileNames, BothSeparatorsCount) {
    struct Case {
        const char* name;
        const char* file;
        const char* path;
        const char* dir;
        const char* ext;
    };
    const Case cases[] = {
        {"C:\\q\\xyz.zrq", "xyz.zrq", "C:\\q\\", "C:\\q", ".zrq"},
        {"/home/ann/tech.ZRW", "tech.ZRW", "/home/ann/", "/home/ann", ".ZRW"},
        {"mixed\\dir/file.tar.gz", "file.tar.gz", "mixed\\dir/", "mixed\\dir", ".gz"},
        {"notes.txt", "notes.txt", "", "", ".txt"},
        {"/root.zrq", "root.zrq", "/", "/", ".zrq"},
        {"dir.d/noext", "noext", "dir.d/", "dir.d", ""},
        {"/home/ann/", "", "/home/ann/", "/home/ann", ""},
        {".hidden", ".hidden", "", "", ".hidden"},
        {"", "", "", "", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ExtractFileName(c.name), c.file) << c.name;
        EXPECT_EQ(ExtractFilePath(c.name), c.path) << c.name;
        EXPECT_EQ(ExtractFileDir(c.name), c.dir) << c.name;
        EXPECT_EQ(ExtractFileExt(c.name), c.ext) << c.name;
    }
}

TEST(FileNames, ChangeFileExt) {
    EXPECT_EQ(ChangeFileExt("C:\\q\\xyz.zrq", ".bmp"), "C:\\q\\xyz.bmp");
    EXPECT_EQ(ChangeFileExt("dir.d/noext", ".txt"), "dir.d/noext.txt");
    EXPECT_EQ(ChangeFileExt("a.tar.gz", ""), "a.tar");
    EXPECT_EQ(ChangeFileExt("", ".x"), ".x");
}

TEST(FileNames, ExistenceOfFilesAndFolders) {
    TempDir dir;
    dir.Write("quotes.zrq", "x");
    AnsiString file = dir.File("quotes.zrq").c_str();
    AnsiString folder = dir.Path().string().c_str();
    EXPECT_TRUE(FileExists(file));
    EXPECT_FALSE(FileExists(folder));
    EXPECT_FALSE(FileExists(dir.File("missing").c_str()));
    EXPECT_FALSE(FileExists(""));
    EXPECT_TRUE(DirectoryExists(folder));
    EXPECT_FALSE(DirectoryExists(file));
    EXPECT_FALSE(DirectoryExists(dir.File("missing").c_str()));
    EXPECT_FALSE(DirectoryExists(""));
}

}  // namespace
