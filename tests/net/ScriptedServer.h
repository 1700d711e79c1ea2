#pragma once
// A server on 127.0.0.1 that reads each request's head and answers with fixed
// bytes, then closes: for replies the quote server never sends (bare LF line
// ends, bodies cut short, replies that are not HTTP, silence).

#include <mutex>
#include <string>
#include <thread>
#include <vector>

class ScriptedServer {
public:
    // One reply per connection, in order; connections beyond them wait unserved.
    explicit ScriptedServer(std::vector<std::string> Replies);
    ~ScriptedServer();
    ScriptedServer(const ScriptedServer&) = delete;
    ScriptedServer& operator=(const ScriptedServer&) = delete;

    int Port() const { return port_; }
    std::string Url(const std::string& Target = "/") const;
    std::vector<std::string> Requests() const;

private:
    void Serve();

    std::vector<std::string> replies_;
    int listenFd_ = -1;
    int stopPipe_[2] = {-1, -1};
    int port_ = 0;
    mutable std::mutex lock_;
    std::vector<std::string> requests_;
    std::thread thread_;
};

// A socket bound to 127.0.0.1 on a free port, listening unless Backlog is 0;
// raises std::runtime_error.
int ListenOnLoopback(int& Port, int Backlog);

// A port on 127.0.0.1 where nothing listens: bound, read and closed again.
int UnusedPort();

// Open file descriptors of this process.
int OpenDescriptorCount();
