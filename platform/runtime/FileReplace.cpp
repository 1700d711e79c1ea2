#include "platform/runtime/FileReplace.h"

#include <cerrno>
#include <filesystem>
#include <random>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/runtime/Exceptions.h"
#include "platform/runtime/FileDescriptor.h"
#include "platform/runtime/FileFaults.h"

namespace {

namespace fs = std::filesystem;

// The file that writing Path changes: the end of the symbolic links Path
// leads through, or Path itself; empty when the links go round in a circle.
std::string WriteTarget(const std::string& Path) {
    fs::path at = Path;
    // As many links as the system itself follows before it gives up.
    for (int hops = 0; hops < 40; ++hops) {
        std::error_code error;
        if (!fs::is_symlink(fs::symlink_status(at, error))) return at.string();
        const fs::path next = fs::read_symlink(at, error);
        if (error) return std::string();
        at = next.is_absolute() ? next : at.parent_path() / next;
    }
    return std::string();
}

bool HasNoWriteBits(mode_t Mode) { return (Mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0; }

// Why the folder cannot take a new file, before one is made there; empty
// when it may.
AnsiString FolderFault(const std::string& Folder) {
    struct stat status {};
    if (::stat(Folder.c_str(), &status) != 0 || !S_ISDIR(status.st_mode))
        return AnsiString("the folder " + Folder + " does not exist");
    if (HasNoWriteBits(status.st_mode)) return AnsiString("the folder " + Folder + " is read-only");
    return AnsiString();
}

AnsiString CreateFaultText(int Error, const std::string& Folder) {
    switch (Error) {
    case EACCES:
    case EPERM: return AnsiString("you do not have permission to write in the folder " + Folder);
    case EROFS: return AnsiString("the folder " + Folder + " is on a read-only disk");
    case ENOENT:
    case ENOTDIR: return AnsiString("the folder " + Folder + " does not exist");
    default: return SystemFaultText(Error);
    }
}

// ".quotes.zrq.k3Xq9w": hidden, unique, in the target's folder so that the
// rename stays on one disk.
std::string TemporaryName(const std::string& Folder, const std::string& Name) {
    static const char letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    thread_local std::mt19937_64 random{std::random_device{}()};
    // Appended: GCC 12 warns (-Wrestrict) on "." + string at -O3.
    std::string name = ".";
    name.append(Name, 0, 200).append(".");
    for (int i = 0; i < 6; ++i) name += letters[random() % (sizeof letters - 1)];
    return Folder + "/" + name;
}

mode_t CurrentUmask() {
    const mode_t mask = ::umask(022);
    ::umask(mask);
    return mask;
}

bool WriteAll(int Fd, std::string_view Bytes) {
    while (!Bytes.empty()) {
        const ssize_t wrote = ::write(Fd, Bytes.data(), Bytes.size());
        if (wrote < 0 && errno == EINTR) continue;
        if (wrote <= 0) {
            if (wrote == 0) errno = EIO;
            return false;
        }
        Bytes.remove_prefix(static_cast<std::size_t>(wrote));
    }
    return true;
}

// The temporary file's life: removed unless it was renamed into place.
class TemporaryFile {
public:
    explicit TemporaryFile(const std::string& Folder, const std::string& Name) {
        for (int attempt = 0; attempt < 100; ++attempt) {
            path_ = TemporaryName(Folder, Name);
            fd_.Reset(::open(path_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600));
            if (fd_.IsOpen() || errno != EEXIST) break;
        }
        error_ = fd_.IsOpen() ? 0 : errno;
        if (!fd_.IsOpen()) path_.clear();
    }
    ~TemporaryFile() {
        fd_.Close();
        if (!path_.empty()) ::unlink(path_.c_str());
    }
    int Fd() const { return fd_.Get(); }
    bool IsOpen() const { return fd_.IsOpen(); }
    int CreateError() const { return error_; }
    int Close() { return fd_.Close(); }
    // 0, or the errno of a rename that failed.
    int RenameTo(const std::string& Target) {
        if (::rename(path_.c_str(), Target.c_str()) != 0) return errno;
        path_.clear();
        return 0;
    }

private:
    std::string path_;
    TFileDescriptor fd_;
    int error_ = 0;
};

void FlushFolder(const std::string& Folder) {
    TFileDescriptor folder(::open(Folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    // The rename has happened; a folder that cannot be flushed still holds it.
    if (folder.IsOpen()) ::fsync(folder.Get());
}

}  // namespace

bool IsReadOnlyFile(const AnsiString& FileName) {
    struct stat status {};
    if (::stat(FileName.c_str(), &status) != 0) return false;  // not there: nothing to keep
    return HasNoWriteBits(status.st_mode) || ::faccessat(AT_FDCWD, FileName.c_str(), W_OK, AT_EACCESS) != 0;
}

AnsiString TryReplaceFile(const AnsiString& FileName, std::string_view Bytes) {
    const std::string target = WriteTarget(FileName.str());
    if (target.empty()) return "its links go round in a circle";
    struct stat old {};
    const bool existed = ::lstat(target.c_str(), &old) == 0;
    if (existed && !S_ISREG(old.st_mode)) return KindFaultText(old.st_mode);
    if (existed && IsReadOnlyFile(AnsiString(target))) return "it is read-only";
    const fs::path where = fs::path(target).parent_path();
    const std::string folder = where.empty() ? std::string(".") : where.string();
    if (AnsiString fault = FolderFault(folder); !fault.IsEmpty()) return fault;

    TemporaryFile temporary(folder, fs::path(target).filename().string());
    if (!temporary.IsOpen()) return CreateFaultText(temporary.CreateError(), folder);
    if (!WriteAll(temporary.Fd(), Bytes)) return SystemFaultText(errno);
    if (existed) {
        // Only root gives files away; anyone else's copy stays theirs, as an editor's would.
        if (::fchown(temporary.Fd(), old.st_uid, old.st_gid) != 0) {
        }
        if (::fchmod(temporary.Fd(), old.st_mode & 0777) != 0) return SystemFaultText(errno);
    } else if (::fchmod(temporary.Fd(), 0666 & ~CurrentUmask()) != 0) {
        return SystemFaultText(errno);
    }
    if (::fsync(temporary.Fd()) != 0 || temporary.Close() != 0) return SystemFaultText(errno);
    if (const int error = temporary.RenameTo(target); error != 0) return SystemFaultText(error);
    FlushFolder(folder);
    return AnsiString();
}

void ReplaceFile(const AnsiString& FileName, std::string_view Bytes) {
    const AnsiString fault = TryReplaceFile(FileName, Bytes);
    if (!fault.IsEmpty()) throw EFCreateError("Cannot write \"" + FileName + "\": " + fault + ".");
}
