#include "ScriptedServer.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <filesystem>
#include <netinet/in.h>
#include <poll.h>
#include <stdexcept>
#include <sys/socket.h>
#include <unistd.h>

int ListenOnLoopback(int& port, int backlog) {
    int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (fd < 0 || ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) < 0 ||
        (backlog > 0 && ::listen(fd, backlog) < 0)) {
        if (fd >= 0) ::close(fd);
        throw std::runtime_error("cannot bind 127.0.0.1");
    }
    socklen_t length = sizeof address;
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
    port = ntohs(address.sin_port);
    return fd;
}

ScriptedServer::ScriptedServer(std::vector<std::string> Replies) : replies_(std::move(Replies)) {
    if (::pipe2(stopPipe_, O_CLOEXEC) < 0) throw std::runtime_error("pipe");
    listenFd_ = ListenOnLoopback(port_, 8);
    thread_ = std::thread([this] { Serve(); });
}

ScriptedServer::~ScriptedServer() {
    char byte = 0;
    if (::write(stopPipe_[1], &byte, 1) < 0) { /* the thread is gone already */ }
    thread_.join();
    ::close(listenFd_);
    ::close(stopPipe_[0]);
    ::close(stopPipe_[1]);
}

std::string ScriptedServer::Url(const std::string& Target) const {
    return "http://127.0.0.1:" + std::to_string(port_) + Target;
}

std::vector<std::string> ScriptedServer::Requests() const {
    std::lock_guard<std::mutex> guard(lock_);
    return requests_;
}

void ScriptedServer::Serve() {
    for (const std::string& reply : replies_) {
        pollfd waits[2] = {{listenFd_, POLLIN, 0}, {stopPipe_[0], POLLIN, 0}};
        if (::poll(waits, 2, -1) <= 0 || waits[1].revents) return;
        int client = ::accept4(listenFd_, nullptr, nullptr, SOCK_CLOEXEC);
        if (client < 0) return;
        std::string head;
        char buffer[2048];
        while (head.find("\r\n\r\n") == std::string::npos) {
            pollfd reads[2] = {{client, POLLIN, 0}, {stopPipe_[0], POLLIN, 0}};
            if (::poll(reads, 2, 5000) <= 0 || reads[1].revents) break;
            ssize_t n = ::recv(client, buffer, sizeof buffer, 0);
            if (n <= 0) break;
            head.append(buffer, static_cast<std::size_t>(n));
        }
        {
            std::lock_guard<std::mutex> guard(lock_);
            requests_.push_back(head);
        }
        if (!reply.empty() && ::send(client, reply.data(), reply.size(), MSG_NOSIGNAL) < 0) { /* client gone */ }
        ::close(client);
    }
}

int UnusedPort() {
    int port = 0;
    ::close(ListenOnLoopback(port, 0));
    return port;
}

int OpenDescriptorCount() {
    int count = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator("/proc/self/fd")) ++count;
    return count;
}
