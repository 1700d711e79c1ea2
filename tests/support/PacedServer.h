#pragma once
// A server on 127.0.0.1 for one connection: it reads the request's head, then
// sends its reply in parts, each only once the test lets it go. A peer as slow
// as the test wants, with no real time in it: a part never let go is a
// server that stalls for good.

#include <string>
#include <thread>
#include <vector>

class PacedServer {
public:
    explicit PacedServer(std::vector<std::string> Parts);
    ~PacedServer();
    PacedServer(const PacedServer&) = delete;
    PacedServer& operator=(const PacedServer&) = delete;

    std::string Url(const std::string& Target = "/") const;
    // Lets the next part go (counted, so it may come before the request);
    // the connection closes after the last part.
    void SendNext();

private:
    void Serve();
    // Waits until Fd is readable; false once the server is stopping.
    bool Readable(int Fd) const;

    std::vector<std::string> parts_;
    int listenFd_ = -1;
    int port_ = 0;
    int stopPipe_[2] = {-1, -1};
    int goPipe_[2] = {-1, -1};
    std::thread thread_;
};
