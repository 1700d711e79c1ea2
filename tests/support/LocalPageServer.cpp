#include "LocalPageServer.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <stdexcept>

namespace {

// Waits for Fd to be readable; false when Stop is readable first or after TimeoutMs.
bool WaitReadable(int Fd, int Stop, int TimeoutMs) {
    pollfd fds[2] = {{Fd, POLLIN, 0}, {Stop, POLLIN, 0}};
    if (poll(fds, 2, TimeoutMs) <= 0) return false;
    return !(fds[1].revents & POLLIN) && (fds[0].revents & (POLLIN | POLLHUP));
}

void SendAll(int Fd, const std::string& Data) {
    std::size_t sent = 0;
    while (sent < Data.size()) {
        ssize_t n = send(Fd, Data.data() + sent, Data.size() - sent, MSG_NOSIGNAL);
        if (n <= 0) return;
        sent += static_cast<std::size_t>(n);
    }
}

}  // namespace

LocalPageServer::LocalPageServer() {
    listenFd_ = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t len = sizeof addr;
    if (listenFd_ < 0 || bind(listenFd_, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0 ||
        listen(listenFd_, 16) != 0 || getsockname(listenFd_, reinterpret_cast<sockaddr*>(&addr), &len) != 0 ||
        pipe(stopPipe_) != 0)
        throw std::runtime_error("the page server cannot listen");
    port_ = ntohs(addr.sin_port);
    acceptor_ = std::thread([this] { Accept(); });
}

LocalPageServer::~LocalPageServer() {
    (void)!write(stopPipe_[1], "x", 1);
    acceptor_.join();
    for (std::thread& t : clients_) t.join();
    close(listenFd_);
    close(stopPipe_[0]);
    close(stopPipe_[1]);
}

void LocalPageServer::AddPage(const std::string& Path, const std::string& Html) {
    std::lock_guard<std::mutex> guard(lock_);
    pages_[Path] = Html;
}

std::string LocalPageServer::Url(const std::string& Path) const {
    return "http://127.0.0.1:" + std::to_string(port_) + Path;
}

std::vector<std::string> LocalPageServer::Requests() const {
    std::lock_guard<std::mutex> guard(lock_);
    return requests_;
}

void LocalPageServer::Accept() {
    while (WaitReadable(listenFd_, stopPipe_[0], -1)) {
        int fd = accept(listenFd_, nullptr, nullptr);
        if (fd < 0) continue;
        // Only this thread adds clients; the destructor joins them after it.
        clients_.emplace_back([this, fd] { Serve(fd); });
    }
}

// Browsers open connections they may never use: each waits on its own.
void LocalPageServer::Serve(int Fd) {
    std::string head;
    char buffer[4096];
    while (head.find("\r\n\r\n") == std::string::npos && WaitReadable(Fd, stopPipe_[0], 10000)) {
        ssize_t n = recv(Fd, buffer, sizeof buffer, 0);
        if (n <= 0) break;
        head.append(buffer, static_cast<std::size_t>(n));
    }
    const std::size_t start = head.find(' '), end = head.find(' ', start + 1);
    if (start != std::string::npos && end != std::string::npos) {
        std::string path = head.substr(start + 1, end - start - 1);
        std::string body;
        bool found = false;
        {
            std::lock_guard<std::mutex> guard(lock_);
            requests_.push_back(path);
            auto page = pages_.find(path);
            found = page != pages_.end();
            if (found) body = page->second;
        }
        if (!found) body = HtmlPage("Not Found");
        SendAll(Fd, std::string(found ? "HTTP/1.0 200 OK" : "HTTP/1.0 404 Not Found") +
                        "\r\nContent-Type: text/html; charset=utf-8\r\nContent-Length: " +
                        std::to_string(body.size()) + "\r\nConnection: close\r\n\r\n" + body);
    }
    close(Fd);
}

std::string HtmlPage(const std::string& Title, const std::string& Body) {
    return "<!DOCTYPE html><html><head><title>" + Title + "</title></head><body>" + Body + "</body></html>";
}
