#pragma once
// An open POSIX file descriptor that closes itself.

#include <unistd.h>

class TFileDescriptor {
public:
    explicit TFileDescriptor(int Fd = -1) : fd_(Fd) {}
    ~TFileDescriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    TFileDescriptor(const TFileDescriptor&) = delete;
    TFileDescriptor& operator=(const TFileDescriptor&) = delete;

    // Closes the one held and holds Fd.
    void Reset(int Fd) {
        Close();
        fd_ = Fd;
    }
    int Get() const { return fd_; }
    bool IsOpen() const { return fd_ >= 0; }
    // Closes now; the close's own result, 0 or -1 with errno (a delayed
    // write error shows up here).
    int Close() {
        const int fd = fd_;
        fd_ = -1;
        return fd >= 0 ? ::close(fd) : 0;
    }

private:
    int fd_;
};
