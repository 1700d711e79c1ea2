#include "tools/quote_server/QuoteServer.h"

#include <arpa/inet.h>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <stdexcept>
#include <sys/socket.h>
#include <unistd.h>

#include "tools/quote_server/QuotePages.h"
#include "tools/quote_server/QuoteTable.h"

namespace quote_server {

namespace {

constexpr int kRequestWaitMs = 5000;
constexpr std::size_t kMaxHead = 16384;

[[noreturn]] void Fail(const std::string& what) { throw std::runtime_error(what + ": " + std::strerror(errno)); }

std::size_t HeadEnd(const std::string& s) {
    std::size_t crlf = s.find("\r\n\r\n"), lf = s.find("\n\n");
    if (crlf != std::string::npos && (lf == std::string::npos || crlf < lf)) return crlf + 4;
    return lf == std::string::npos ? 0 : lf + 2;
}

std::string TextBody(int status) {
    return status == 204 || status == 304 ? std::string()
                                          : std::to_string(status) + " " + ReasonPhrase(status) + "\n";
}

}  // namespace

const char* ReasonPhrase(int status) {
    switch (status) {
        case 200: return "OK";
        case 204: return "No Content";
        case 301: return "Moved Permanently";
        case 302: return "Found";
        case 304: return "Not Modified";
        case 400: return "Bad Request";
        case 403: return "Forbidden";
        case 404: return "Not Found";
        case 405: return "Method Not Allowed";
        case 500: return "Internal Server Error";
        case 503: return "Service Unavailable";
        default: return "Status";
    }
}

std::string Reply(int status, const std::string& contentType, const std::string& body, const std::string& extraHeader) {
    return "HTTP/1.0 " + std::to_string(status) + " " + ReasonPhrase(status) + "\r\nServer: quote_server\r\n" +
           "Content-Type: " + contentType + "\r\nContent-Length: " + std::to_string(body.size()) + "\r\n" +
           extraHeader + "\r\n" + body;
}

Server::Server(Options options) : options_(std::move(options)) {
    if (::pipe2(stopPipe_, O_CLOEXEC) < 0) Fail("pipe");
    listenFd_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (listenFd_ < 0) Fail("socket");
    int one = 1;
    ::setsockopt(listenFd_, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(static_cast<uint16_t>(options_.port));
    if (::bind(listenFd_, reinterpret_cast<sockaddr*>(&address), sizeof address) < 0 || ::listen(listenFd_, 16) < 0) {
        int error = errno;
        ::close(listenFd_);
        ::close(stopPipe_[0]);
        ::close(stopPipe_[1]);
        errno = error;
        Fail("listening on 127.0.0.1:" + std::to_string(options_.port));
    }
    socklen_t length = sizeof address;
    ::getsockname(listenFd_, reinterpret_cast<sockaddr*>(&address), &length);
    port_ = ntohs(address.sin_port);
}

Server::~Server() {
    Stop();
    ::close(listenFd_);
    ::close(stopPipe_[0]);
    ::close(stopPipe_[1]);
}

void Server::Start() {
    thread_ = std::thread([this] { Serve(); });
}

void Server::Stop() {
    char byte = 0;
    if (::write(stopPipe_[1], &byte, 1) < 0) { /* the pipe is full: a stop is already pending */ }
    if (thread_.joinable()) thread_.join();
}

std::vector<Served> Server::Log() const {
    std::lock_guard<std::mutex> guard(logLock_);
    return log_;
}

void Server::Serve() {
    for (;;) {
        pollfd entries[2] = {{listenFd_, POLLIN, 0}, {stopPipe_[0], POLLIN, 0}};
        if (::poll(entries, 2, -1) < 0) {
            if (errno == EINTR) continue;
            return;
        }
        if (entries[1].revents) return;
        int client = ::accept4(listenFd_, nullptr, nullptr, SOCK_CLOEXEC);
        if (client < 0) continue;
        HandleClient(client);
        ::close(client);
    }
}

bool Server::Pause(int ms) {
    pollfd entry{stopPipe_[0], POLLIN, 0};
    return ::poll(&entry, 1, ms) == 0;
}

bool Server::ReadHead(int fd, std::string& head) {
    char buffer[4096];
    while (HeadEnd(head) == 0 && head.size() < kMaxHead) {
        pollfd entries[2] = {{fd, POLLIN, 0}, {stopPipe_[0], POLLIN, 0}};
        if (::poll(entries, 2, kRequestWaitMs) <= 0 || entries[1].revents) return false;
        ssize_t n = ::recv(fd, buffer, sizeof buffer, 0);
        if (n <= 0) return false;
        head.append(buffer, static_cast<std::size_t>(n));
    }
    return true;
}

void Server::HandleClient(int fd) {
    std::string head;
    if (!ReadHead(fd, head)) return;
    head.resize(HeadEnd(head));
    std::string line = head.substr(0, head.find_first_of("\r\n"));
    std::size_t first = line.find(' '), second = line.find(' ', first + 1);
    std::string method = line.substr(0, first);
    std::string target = first == std::string::npos ? std::string() : line.substr(first + 1, second - first - 1);

    if (options_.reset) {
        {
            std::lock_guard<std::mutex> guard(logLock_);
            log_.push_back({head, target, 0});
        }
        // Closing with a zero linger time sends a reset instead of the end.
        const linger abort{1, 0};
        ::setsockopt(fd, SOL_SOCKET, SO_LINGER, &abort, sizeof abort);
        return;
    }
    if (options_.endless && method == "GET") {
        {
            std::lock_guard<std::mutex> guard(logLock_);
            log_.push_back({head, target, 200});
        }
        SendEndless(fd);
        return;
    }
    int status = 0;
    std::string reply = method == "GET" || method == "HEAD" ? Answer(target, status)
                                                            : Reply(status = 405, "text/plain", TextBody(405));
    if (method == "HEAD") reply.resize(HeadEnd(reply));
    {
        std::lock_guard<std::mutex> guard(logLock_);
        log_.push_back({head, target, status});
    }
    if (options_.stallMs > 0 && !Pause(options_.stallMs)) return;
    if (Send(fd, reply)) ::shutdown(fd, SHUT_WR);
}

bool Server::Send(int fd, const std::string& reply) {
    if (!options_.drip) {
        for (std::size_t sent = 0; sent < reply.size();) {
            ssize_t n = ::send(fd, reply.data() + sent, reply.size() - sent, MSG_NOSIGNAL);
            if (n <= 0) return false;
            sent += static_cast<std::size_t>(n);
        }
        return Pause(0);
    }
    int one = 1;
    ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
    for (char byte : reply) {
        if (::send(fd, &byte, 1, MSG_NOSIGNAL) != 1 || !Pause(options_.dripDelayMs)) return false;
    }
    return true;
}

// Every row is a valid quote of the same day, its volume counting up, so
// that only the amount of text can stop the client.
void Server::SendEndless(int fd) {
    if (!Send(fd, "HTTP/1.0 200 OK\r\nServer: quote_server\r\nContent-Type: text/csv\r\n\r\n"
                  "Date,Open,High,Low,Close,Volume\n"))
        return;
    for (long long volume = 1;;) {
        std::string rows;
        while (rows.size() < 65536) rows += "5-Dec-03,57.79,58.1,57.2,57.5," + std::to_string(volume++) + "\n";
        if (!Send(fd, rows)) return;
    }
}

std::string Server::Answer(const std::string& target, int& status) {
    if (options_.status != 0) return Reply(status = options_.status, "text/plain", TextBody(options_.status));
    if (options_.redirectLoop) {
        std::size_t hop = target.find("hop=");
        int next = hop == std::string::npos ? 1 : std::atoi(target.c_str() + hop + 4) + 1;
        return Reply(status = 302, "text/plain", TextBody(302), "Location: /loop?hop=" + std::to_string(next) + "\r\n");
    }
    if (!options_.redirectTo.empty())
        return Reply(status = 302, "text/plain", TextBody(302), "Location: " + options_.redirectTo + target + "\r\n");
    if (options_.html)
        return Reply(status = 200, "text/html", "<html><head><title>Quotes</title></head><body><p>No table here.</p></body></html>\n");

    std::size_t question = target.find('?');
    const std::string path = target.substr(0, question);
    auto keys = SplitQuery(question == std::string::npos ? std::string() : target.substr(question + 1));
    if (path == "/l" || path == "/sd") {
        if (!keys) return Reply(status = 400, "text/plain", TextBody(400));
        return Reply(status = 200, "text/html; charset=utf-8",
                     path == "/l" ? SymbolLookupPage(options_.folder, keys->count("s") ? keys->at("s") : std::string())
                                  : ExchangesPage(options_.folder, options_.paging));
    }
    if (path != "/table.csv") return Reply(status = 404, "text/plain", TextBody(404));
    auto query = keys ? ReadQuoteQuery(*keys) : std::nullopt;
    if (!query || !keys->count("s")) return Reply(status = 400, "text/plain", TextBody(400));
    const std::string& symbol = keys->at("s");
    auto file = LoadQuoteFile(options_.folder, symbol);
    if (!file) return Reply(status = 404, "text/plain", TextBody(404));
    return Reply(status = 200, "text/csv", AnswerCsv(*file, *query, PagesSymbol(options_.paging, symbol)));
}

}  // namespace quote_server
