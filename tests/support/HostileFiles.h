#pragma once
// Paths that are not the plain files a user picks, made for real: a pipe, a
// link to an endless device, a folder; and the conditions a write meets: a
// disk that is full, a user who may not read, a read-only folder.

#include <string>
#include <vector>

// A named pipe at Path with no writer: a reader that opens it without care
// waits for ever.
void MakeFifo(const std::string& Path);
// A symbolic link at Path to Target.
void MakeLink(const std::string& Path, const std::string& Target);
// A path that is no file a user means, and the reason a careful reader
// gives for refusing it.
struct HostilePath {
    std::string Path;
    std::string Reason;
};
// Made in Folder (which anybody may pass through), each name ending in
// Extension: a missing file, a pipe, a link to /dev/zero, a folder, and a
// file holding SecretText that only its owner (root) may read, refused when
// read as an UnprivilegedUser.
std::vector<HostilePath> MakeHostilePaths(const std::string& Folder, const std::string& Extension,
                                          const std::string& SecretText);

// The bytes of every regular file under Folder, by relative name, so that a
// test can see nothing was added, changed or left behind.
std::string FolderListing(const std::string& Folder);

// While it lives, the process acts as an unprivileged user (nobody), so that
// permissions hold for it even where the tests run as root; the files it
// reads must lie in folders anyone may pass through.
class UnprivilegedUser {
public:
    UnprivilegedUser();
    ~UnprivilegedUser();
    UnprivilegedUser(const UnprivilegedUser&) = delete;
    UnprivilegedUser& operator=(const UnprivilegedUser&) = delete;

private:
    bool switched_ = false;
};

// A tmpfs of a few pages mounted on a fresh folder, filled up by Fill; needs
// the right to mount (root in the tests' machine). Mounted() is false where
// it could not be, and Why() says why; unmounted on destruction.
class SmallDisk {
public:
    SmallDisk();
    ~SmallDisk();
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool Mounted() const { return mounted_; }
    const std::string& Why() const { return why_; }
    const std::string& Folder() const { return folder_; }
    // Takes every byte left with a filler file.
    void Fill() const;

private:
    std::string folder_;
    bool mounted_ = false;
    std::string why_;
};
