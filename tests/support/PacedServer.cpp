#include "PacedServer.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <stdexcept>
#include <sys/socket.h>
#include <unistd.h>

PacedServer::PacedServer(std::vector<std::string> Parts) : parts_(std::move(Parts)) {
    listenFd_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (listenFd_ < 0 || ::bind(listenFd_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(listenFd_, 4) != 0 || ::getsockname(listenFd_, reinterpret_cast<sockaddr*>(&address), &length) != 0 ||
        ::pipe2(stopPipe_, O_CLOEXEC) != 0 || ::pipe2(goPipe_, O_CLOEXEC) != 0)
        throw std::runtime_error("the paced server cannot listen");
    port_ = ntohs(address.sin_port);
    thread_ = std::thread([this] { Serve(); });
}

PacedServer::~PacedServer() {
    char byte = 0;
    if (::write(stopPipe_[1], &byte, 1) < 0) { /* the thread is gone already */ }
    thread_.join();
    for (int fd : {listenFd_, stopPipe_[0], stopPipe_[1], goPipe_[0], goPipe_[1]}) ::close(fd);
}

std::string PacedServer::Url(const std::string& Target) const {
    return "http://127.0.0.1:" + std::to_string(port_) + Target;
}

void PacedServer::SendNext() {
    char byte = 0;
    if (::write(goPipe_[1], &byte, 1) < 0) throw std::runtime_error("cannot let a part go");
}

bool PacedServer::Readable(int Fd) const {
    pollfd waits[2] = {{Fd, POLLIN, 0}, {stopPipe_[0], POLLIN, 0}};
    return ::poll(waits, 2, -1) > 0 && !waits[1].revents;
}

void PacedServer::Serve() {
    if (!Readable(listenFd_)) return;
    int client = ::accept4(listenFd_, nullptr, nullptr, SOCK_CLOEXEC);
    if (client < 0) return;
    std::string head;
    char buffer[2048];
    while (head.find("\r\n\r\n") == std::string::npos) {
        if (!Readable(client)) break;
        ssize_t n = ::recv(client, buffer, sizeof buffer, 0);
        if (n <= 0) break;
        head.append(buffer, static_cast<std::size_t>(n));
    }
    for (const std::string& part : parts_) {
        if (head.find("\r\n\r\n") == std::string::npos) break;
        char go = 0;
        if (!Readable(goPipe_[0]) || ::read(goPipe_[0], &go, 1) != 1) break;
        if (::send(client, part.data(), part.size(), MSG_NOSIGNAL) < 0) break;
    }
    ::close(client);
}
