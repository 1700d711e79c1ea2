#pragma once
// A static web page server on 127.0.0.1 with a port of its own, for the web
// browser's tests: serves the pages added by path (HTTP/1.0, one thread per
// connection), 404 for anything else; started on construction, stopped on
// destruction.

#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class LocalPageServer {
public:
    LocalPageServer();
    ~LocalPageServer();
    LocalPageServer(const LocalPageServer&) = delete;
    LocalPageServer& operator=(const LocalPageServer&) = delete;

    // Serves Html at Path ("/a.html").
    void AddPage(const std::string& Path, const std::string& Html);
    // "http://127.0.0.1:port" + Path.
    std::string Url(const std::string& Path) const;
    // The paths requested so far, in order.
    std::vector<std::string> Requests() const;

private:
    void Accept();
    void Serve(int Fd);

    int listenFd_ = -1;
    int stopPipe_[2] = {-1, -1};
    int port_ = 0;
    mutable std::mutex lock_;
    std::map<std::string, std::string> pages_;
    std::vector<std::string> requests_;
    std::vector<std::thread> clients_;
    std::thread acceptor_;
};

// A page with Title and Body.
std::string HtmlPage(const std::string& Title, const std::string& Body = "");
