#include "HostileFiles.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>
#include <vector>

#include <fcntl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

[[noreturn]] void Fail(const std::string& What) {
    throw std::runtime_error(What + ": " + std::strerror(errno));
}

constexpr uid_t kNobody = 65534;

}  // namespace

void MakeFifo(const std::string& Path) {
    if (::mkfifo(Path.c_str(), 0644) != 0) Fail("mkfifo " + Path);
}

void MakeLink(const std::string& Path, const std::string& Target) {
    if (::symlink(Target.c_str(), Path.c_str()) != 0) Fail("symlink " + Path);
}

std::vector<HostilePath> MakeHostilePaths(const std::string& Folder, const std::string& Extension,
                                          const std::string& SecretText) {
    const auto path = [&](const char* Stem) { return Folder + "/" + Stem + Extension; };
    MakeFifo(path("pipe"));
    MakeLink(path("zero"), "/dev/zero");
    std::filesystem::create_directory(path("folder"));
    {
        std::ofstream secret(path("secret"), std::ios::binary);
        secret << SecretText;
    }
    std::filesystem::permissions(path("secret"), std::filesystem::perms(0600));
    return {{path("gone"), "it does not exist"},
            {path("pipe"), "it is a pipe, not a file"},
            {path("zero"), "it is a device, not a file"},
            {path("folder"), "it is a folder"},
            {path("secret"), "you do not have permission to read it"}};
}

std::string FolderListing(const std::string& Folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(Folder)) {
        const std::string name = entry.path().lexically_relative(Folder).string();
        if (entry.is_symlink()) {
            files[name] = "-> " + std::filesystem::read_symlink(entry.path()).string();
        } else if (entry.is_regular_file()) {
            std::ifstream in(entry.path(), std::ios::binary);
            std::ostringstream bytes;
            bytes << in.rdbuf();
            files[name] = bytes.str();
        }
    }
    std::string listing;
    for (const auto& [name, bytes] : files) listing += name + " (" + std::to_string(bytes.size()) + "): " + bytes + "\n";
    return listing;
}

UnprivilegedUser::UnprivilegedUser() {
    if (::geteuid() != 0) return;  // an ordinary user is bound by permissions already
    if (::setegid(kNobody) != 0 || ::seteuid(kNobody) != 0) Fail("seteuid nobody");
    switched_ = true;
}

UnprivilegedUser::~UnprivilegedUser() {
    if (!switched_) return;
    if (::seteuid(0) != 0 || ::setegid(0) != 0) std::abort();  // later tests would run crippled
}

SmallDisk::SmallDisk() {
    static int counter = 0;
    folder_ = (std::filesystem::temp_directory_path() /
               ("velmora-disk-" + std::to_string(::getpid()) + "-" + std::to_string(counter++)))
                  .string();
    std::filesystem::create_directories(folder_);
    if (::mount("tmpfs", folder_.c_str(), "tmpfs", 0, "size=64k,mode=0755") != 0) {
        why_ = std::string("a small disk could not be mounted (") + std::strerror(errno) + "), so the full disk is not tried";
        std::filesystem::remove(folder_);
        return;
    }
    mounted_ = true;
}

SmallDisk::~SmallDisk() {
    if (!mounted_) return;
    ::umount2(folder_.c_str(), MNT_DETACH);
    std::error_code ignored;
    std::filesystem::remove(folder_, ignored);
}

void SmallDisk::Fill() const {
    const std::string path = folder_ + "/filler";
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) Fail("open " + path);
    const std::vector<char> block(4096, 'x');
    while (::write(fd, block.data(), block.size()) > 0) {
    }
    // A last partial page, so that not one byte is left.
    while (::write(fd, block.data(), 1) > 0) {
    }
    ::close(fd);
}
