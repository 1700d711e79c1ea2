#pragma once
// A small HTTP/1.0 quote server for tests and for trying the program without
// a live service. It listens on 127.0.0.1 only, answers one connection at a
// time and serves GET /table.csv from the CSV files of a folder (see
// QuoteTable.h), paging only the symbols the service pages, and the symbol
// lookup "/l" and exchanges "/sd" pages (QuotePages.h). The fault modes make
// it misbehave on purpose.

#include <filesystem>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "tools/quote_server/QuoteTable.h"

namespace quote_server {

struct Options {
    std::filesystem::path folder;
    int port = 0;                  // 0: the system picks one
    int stallMs = 0;               // wait this long before answering
    bool drip = false;             // send the reply one byte at a time ...
    int dripDelayMs = 1;           // ... with this pause after each byte
    bool html = false;             // answer every request with an HTML page and 200
    Paging paging = Paging::Service;  // which symbols a reply cuts to pages
    std::string redirectTo;        // answer 302 with Location redirectTo + the request's path
    bool redirectLoop = false;     // answer 302 with a relative Location back to itself, forever
    int status = 0;                // answer every request with this status and a short text
    bool endless = false;          // answer 200 without Content-Length and rows that never end
    bool reset = false;            // read the request, then break the connection off (a TCP reset)
};

// The request head and the reply's status, one per connection served.
struct Served {
    std::string head;
    std::string target;
    int status = 0;
};

class Server {
public:
    // Binds 127.0.0.1:port and listens; raises std::runtime_error.
    explicit Server(Options options);
    ~Server();
    Server(const Server&) = delete;
    Server& operator=(const Server&) = delete;

    int Port() const { return port_; }
    // Serves on a thread of its own until Stop (or the destructor).
    void Start();
    // Serves on the calling thread until Stop is called from another one.
    void Serve();
    void Stop();
    std::vector<Served> Log() const;

private:
    void HandleClient(int fd);
    bool ReadHead(int fd, std::string& head);
    // Sleeps up to Ms; false when Stop came first.
    bool Pause(int ms);
    // False once the client has gone or Stop was called.
    bool Send(int fd, const std::string& reply);
    // Quote rows without end, until the client hangs up or Stop.
    void SendEndless(int fd);
    std::string Answer(const std::string& target, int& status);

    Options options_;
    int listenFd_ = -1;
    int stopPipe_[2] = {-1, -1};
    int port_ = 0;
    std::thread thread_;
    mutable std::mutex logLock_;
    std::vector<Served> log_;
};

// The reply of one status: "HTTP/1.0 N Reason", the header lines, the body.
std::string Reply(int status, const std::string& contentType, const std::string& body,
                  const std::string& extraHeader = std::string());
const char* ReasonPhrase(int status);

}  // namespace quote_server
