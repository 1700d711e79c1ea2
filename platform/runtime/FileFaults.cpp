#include "platform/runtime/FileFaults.h"

#include <cctype>
#include <cerrno>
#include <cstring>

#include <sys/stat.h>

AnsiString OpenFaultText(int Error) {
    switch (Error) {
    case ENOENT:
    case ENOTDIR: return "it does not exist";
    case EACCES:
    case EPERM: return "you do not have permission to read it";
    case ELOOP: return "its links go round in a circle";
    case ENAMETOOLONG: return "its name is too long";
    default: return SystemFaultText(Error);
    }
}

AnsiString SystemFaultText(int Error) {
    switch (Error) {
    case ENOSPC:
    case EDQUOT: return "the disk is full";
    case EROFS: return "the disk is read-only";
    default: {
        // "Input/output error" reads as part of a sentence in lower case.
        std::string text = std::strerror(Error);
        if (!text.empty()) text[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(text[0])));
        return AnsiString(text);
    }
    }
}

AnsiString KindFaultText(mode_t Mode) {
    if (S_ISDIR(Mode)) return "it is a folder";
    if (S_ISFIFO(Mode)) return "it is a pipe, not a file";
    if (S_ISSOCK(Mode)) return "it is a socket, not a file";
    if (S_ISCHR(Mode) || S_ISBLK(Mode)) return "it is a device, not a file";
    return "it is not a regular file";
}
