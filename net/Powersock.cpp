#include "net/Powersock.h"

#include <cerrno>
#include <cstring>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include "net/HostLookup.h"
#include "platform/controls/Forms.h"
#include "platform/runtime/SysUtils.h"
#include "platform/runtime/TickClock.h"

namespace {

// The first 2 ms of every wait step: a poll with nothing to watch is a sleep.
constexpr int kStepMs = 2;
constexpr int kPacketSize = 16384;

AnsiString SystemText(int error) {
    char buffer[256];
    return AnsiString(strerror_r(error, buffer, sizeof buffer));
}

void CloseDescriptor(int& fd) {
    if (fd >= 0) ::close(fd);
    fd = -1;
}

}  // namespace

TPowersock::TPowersock(TComponent* AOwner) : TComponent(AOwner) {}

TPowersock::~TPowersock() { CloseDescriptor(fd_); }

void TPowersock::SetHost(const AnsiString& Value) { host_ = Value; }

void TPowersock::SetPort(int Value) {
    if (Value < 1 || Value > 65535) throw ESockError("Invalid port number: " + IntToStr(Value));
    port_ = Value;
}

void TPowersock::SetTimeOut(int Value) {
    if (Value < 0) throw ESockError("Invalid time-out: " + IntToStr(Value));
    timeOut_ = Value;
}

void TPowersock::Report(int Level, const AnsiString& Text) {
    status_ = Text;
    if (Level <= reportLevel_ && OnStatus) OnStatus(this, Text);
}

AnsiString TPowersock::Peer() const { return host_ + ":" + IntToStr(port_); }

void TPowersock::CheckCancelled() const {
    if (cancelled_) throw EAbortError("Operation cancelled");
}

template <class ReadyFn>
void TPowersock::WaitUntil(ReadyFn Ready, const AnsiString& TimedOutText) {
    // The tick clock, so that tests decide when a time-out has passed.
    const long long deadline = TickCount() + timeOut_;
    for (;;) {
        CheckCancelled();
        bool ready = Ready();
        Application->ProcessMessages();
        CheckCancelled();
        if (ready) return;
        if (timeOut_ > 0 && TickCount() >= deadline) throw ESockError(TimedOutText, ETIMEDOUT);
    }
}

void TPowersock::WaitForSocket(short Events, const AnsiString& TimedOutText) {
    WaitUntil(
        [&] {
            pollfd entry{fd_, Events, 0};
            int n = ::poll(&entry, 1, kStepMs);
            if (n < 0 && errno != EINTR) throw ESockError("Waiting on " + Peer() + " failed: " + SystemText(errno), errno);
            return n > 0;
        },
        TimedOutText);
}

void TPowersock::Connect() {
    if (GetConnected()) throw ESockError("Already connected to " + Peer());
    if (host_.IsEmpty()) throw ESockError("No host given");
    ClearCancelled();
    Report(rlSteps, "Looking up " + host_);
    THostLookup lookup(host_.str(), port_);
    WaitUntil(
        [&] {
            if (lookup.Done()) return true;
            ::poll(nullptr, 0, kStepMs);
            return lookup.Done();
        },
        "Timed out looking up " + host_);
    TAddressList addresses = lookup.Take();

    Report(rlSteps, "Connecting to " + Peer());
    int error = ECONNREFUSED;
    for (const addrinfo* address = addresses.First(); address; address = address->ai_next) {
        if (ConnectTo(*address, error)) {
            Report(rlSteps, "Connected to " + Peer());
            return;
        }
    }
    throw ESockError("Cannot connect to " + Peer() + ": " + SystemText(error), error);
}

// One address; false with Error set when it refuses. Time-outs, cancels and
// handler exceptions leave with the socket closed.
bool TPowersock::ConnectTo(const addrinfo& Address, int& Error) {
    fd_ = ::socket(Address.ai_family, Address.ai_socktype | SOCK_NONBLOCK | SOCK_CLOEXEC, Address.ai_protocol);
    if (fd_ < 0) {
        Error = errno;
        return false;
    }
    try {
        int one = 1;
        ::setsockopt(fd_, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
        if (::connect(fd_, Address.ai_addr, Address.ai_addrlen) < 0) {
            if (errno != EINPROGRESS) {
                Error = errno;
                CloseDescriptor(fd_);
                return false;
            }
            WaitForSocket(POLLOUT, "Timed out connecting to " + Peer());
            int result = 0;
            socklen_t length = sizeof result;
            if (::getsockopt(fd_, SOL_SOCKET, SO_ERROR, &result, &length) < 0) result = errno;
            if (result != 0) {
                Error = result;
                CloseDescriptor(fd_);
                return false;
            }
        }
    } catch (...) {
        CloseDescriptor(fd_);
        throw;
    }
    return true;
}

void TPowersock::Disconnect() {
    if (!GetConnected()) return;
    CloseDescriptor(fd_);
    Report(rlSteps, "Disconnected from " + Peer());
}

// Any failure of a transfer leaves the connection closed.
template <class Body>
auto TPowersock::Transfer(Body body) {
    if (!GetConnected()) throw ESockError("Not connected");
    try {
        return body();
    } catch (...) {
        Disconnect();
        throw;
    }
}

void TPowersock::SendText(const AnsiString& Data) {
    Transfer([&] {
        const char* bytes = Data.c_str();
        std::size_t left = static_cast<std::size_t>(Data.Length());
        while (left > 0) {
            ssize_t sent = ::send(fd_, bytes, left, MSG_NOSIGNAL);
            if (sent >= 0) {
                bytes += sent;
                left -= static_cast<std::size_t>(sent);
            } else if (errno == EAGAIN || errno == EWOULDBLOCK) {
                WaitForSocket(POLLOUT, "Timed out sending to " + Peer());
            } else if (errno != EINTR) {
                int error = errno;
                throw ESockError("Sending to " + Peer() + " failed: " + SystemText(error), error);
            }
        }
    });
    Report(rlPackets, "Sent " + IntToStr(Data.Length()) + " bytes");
}

AnsiString TPowersock::ReceivePacket() {
    AnsiString packet = Transfer([&] {
        char buffer[kPacketSize];
        for (;;) {
            WaitForSocket(POLLIN, "Timed out waiting for data from " + Peer());
            ssize_t received = ::recv(fd_, buffer, sizeof buffer, 0);
            if (received >= 0) return AnsiString(buffer, static_cast<int>(received));
            if (errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR) {
                int error = errno;
                throw ESockError("Receiving from " + Peer() + " failed: " + SystemText(error), error);
            }
        }
    });
    if (packet.IsEmpty()) Disconnect();
    else Report(rlPackets, "Received " + IntToStr(packet.Length()) + " bytes");
    return packet;
}
