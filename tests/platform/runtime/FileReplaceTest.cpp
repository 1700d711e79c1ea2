// Replacing a file the user chose: the bytes arrive whole or not at all, the
// file keeps its mode, owner and links, nothing is left beside it, no link
// planted in its folder is followed, and every refusal says why.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

#include "platform/runtime/Exceptions.h"
#include "platform/runtime/FileReplace.h"
#include "support/HostileFiles.h"
#include "support/TempDir.h"

namespace {

namespace fs = std::filesystem;

struct stat StatusOf(const std::string& Path) {
    struct stat status {};
    EXPECT_EQ(::stat(Path.c_str(), &status), 0) << Path;
    return status;
}

TEST(FileReplace, WritesTheWholeFileKeepingItsModeOwnerAndLinks) {
    TempDir dir;
    dir.Write("old.zrq", "old text");
    fs::permissions(dir.File("old.zrq"), fs::perms(0640));
    const bool root = ::geteuid() == 0;
    if (root) {
        ASSERT_EQ(::chown(dir.File("old.zrq").c_str(), 65534, 65534), 0);
    }
    EXPECT_EQ(TryReplaceFile(dir.File("old.zrq").c_str(), "new text"), "");
    EXPECT_EQ(dir.Read("old.zrq"), "new text");
    EXPECT_EQ(StatusOf(dir.File("old.zrq")).st_mode & 07777, 0640u);
    if (root) {
        EXPECT_EQ(StatusOf(dir.File("old.zrq")).st_uid, 65534u);
    }

    // Through a link, the file it leads to is replaced and the link stays.
    fs::create_directory(dir.File("real"));
    dir.Write("real/target.zrq", "target");
    MakeLink(dir.File("link.zrq"), "real/target.zrq");
    ReplaceFile(dir.File("link.zrq").c_str(), "through the link");
    EXPECT_EQ(dir.Read("real/target.zrq"), "through the link");
    EXPECT_TRUE(fs::is_symlink(dir.File("link.zrq")));

    // A new file gets the mode the user's umask gives.
    const mode_t mask = ::umask(027);
    ReplaceFile(dir.File("new.zrq").c_str(), "");
    ::umask(mask);
    EXPECT_EQ(StatusOf(dir.File("new.zrq")).st_mode & 07777, 0640u);

    EXPECT_EQ(FolderListing(dir.Path().string()),
              "link.zrq (18): -> real/target.zrq\nnew.zrq (0): \nold.zrq (8): new text\nreal/target.zrq (16): through the link\n");
}

// The temporary file once had the fixed name "<file>.part": whoever could
// write the folder planted a link there to a file of theirs to overwrite.
TEST(FileReplace, ALinkPlantedBesideTheFileIsNeverFollowed) {
    TempDir dir;
    TempDir elsewhere;
    elsewhere.Write("victim", "private");
    fs::permissions(elsewhere.File("victim"), fs::perms(0600));
    dir.Write("XYZ.zrq", "old");
    for (const char* planted : {"XYZ.zrq.part", "XYZ.zrq.tmp", ".XYZ.zrq"}) MakeLink(dir.File(planted), elsewhere.File("victim"));
    const std::string before = FolderListing(dir.Path().string());
    for (int round = 0; round < 50; ++round) ReplaceFile(dir.File("XYZ.zrq").c_str(), "new " + std::to_string(round));
    EXPECT_EQ(elsewhere.Read("victim"), "private");
    EXPECT_EQ(StatusOf(elsewhere.File("victim")).st_mode & 07777, 0600u);
    std::string expected = before;
    expected.replace(expected.find("XYZ.zrq (3): old"), 16, "XYZ.zrq (6): new 49");
    EXPECT_EQ(FolderListing(dir.Path().string()), expected);
}

TEST(FileReplace, ARefusalSaysWhyAndLeavesEverythingAsItWas) {
    TempDir dir;
    fs::permissions(dir.Path(), fs::perms(0755));
    dir.Write("readonly.zrq", "kept");
    fs::permissions(dir.File("readonly.zrq"), fs::perms(0444));
    fs::create_directory(dir.File("locked"));
    dir.Write("locked/in.zrq", "kept");
    fs::permissions(dir.File("locked"), fs::perms(0555));
    fs::create_directory(dir.File("folder.zrq"));
    MakeFifo(dir.File("pipe.zrq"));
    MakeLink(dir.File("loop1.zrq"), "loop2.zrq");
    MakeLink(dir.File("loop2.zrq"), "loop1.zrq");
    const std::string before = FolderListing(dir.Path().string());
    const struct {
        std::string Name;
        std::string Fault;
    } cases[] = {
        {"readonly.zrq", "it is read-only"},  // for root too
        {"locked/in.zrq", "the folder " + dir.File("locked") + " is read-only"},
        {"locked/new.zrq", "the folder " + dir.File("locked") + " is read-only"},
        {"missing/new.zrq", "the folder " + dir.File("missing") + " does not exist"},
        {"folder.zrq", "it is a folder"},
        {"pipe.zrq", "it is a pipe, not a file"},
        {"loop1.zrq", "its links go round in a circle"},
    };
    for (const auto& c : cases) EXPECT_EQ(TryReplaceFile(dir.File(c.Name).c_str(), "new"), c.Fault.c_str()) << c.Name;
    {
        UnprivilegedUser nobody;
        EXPECT_EQ(TryReplaceFile(dir.File("new.zrq").c_str(), "new"),
                  ("you do not have permission to write in the folder " + dir.Path().string()).c_str());
    }
    EXPECT_EQ(FolderListing(dir.Path().string()), before);
    fs::permissions(dir.File("locked"), fs::perms(0755));

    try {
        ReplaceFile(dir.File("readonly.zrq").c_str(), "new");
        ADD_FAILURE() << "a read-only file was replaced";
    } catch (const EFCreateError& e) {
        EXPECT_EQ(e.GetMessage(), ("Cannot write \"" + dir.File("readonly.zrq") + "\": it is read-only.").c_str());
    }
}

TEST(FileReplace, AFullDiskKeepsTheOldFileAndLeavesNothingBehind) {
    SmallDisk disk;
    if (!disk.Mounted()) GTEST_SKIP() << disk.Why();
    const std::string path = disk.Folder() + "/quotes.zrq";
    ReplaceFile(path.c_str(), "old quotes");
    disk.Fill();
    const std::string before = FolderListing(disk.Folder());
    EXPECT_EQ(TryReplaceFile(path.c_str(), std::string(8192, 'q')), "the disk is full");
    EXPECT_EQ(FolderListing(disk.Folder()), before);
}

}  // namespace
