#include "net/HostLookup.h"

#include <atomic>
#include <cctype>
#include <mutex>
#include <thread>

#include "net/Powersock.h"

struct THostLookup::State {
    std::mutex lock;
    std::atomic<bool> done{false};
    bool abandoned = false;
    int error = 0;
    addrinfo* result = nullptr;
};

namespace {

int Resolve(const std::string& host, const std::string& service, int flags, addrinfo** result) {
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_flags = flags | AI_NUMERICSERV;
    return getaddrinfo(host.c_str(), service.c_str(), &hints, result);
}

// A name that no resolver can answer: not a host name (RFC 1123 letters,
// digits, hyphens and dots), or under the reserved top-level domain
// "invalid", which never resolves. Such names fail at once, without a query.
bool Unresolvable(const std::string& host) {
    if (host.empty() || host.size() > 253) return true;
    for (char c : host)
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '-' && c != '.') return true;
    std::string lower = host;
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (!lower.empty() && lower.back() == '.') lower.pop_back();
    const std::string reserved = "invalid";
    return lower == reserved ||
           (lower.size() > reserved.size() && lower.compare(lower.size() - reserved.size() - 1, std::string::npos,
                                                          "." + reserved) == 0);
}

}  // namespace

THostLookup::THostLookup(const std::string& Host, int Port) : state_(std::make_shared<State>()), host_(Host) {
    std::string service = std::to_string(Port);
    // A numeric address needs no resolver and no thread.
    if (Resolve(Host, service, AI_NUMERICHOST, &state_->result) == 0) {
        state_->done = true;
        return;
    }
    state_->result = nullptr;
    if (Unresolvable(Host)) {
        state_->error = EAI_NONAME;
        state_->done = true;
        return;
    }
    std::thread([state = state_, Host, service] {
        addrinfo* result = nullptr;
        int error = Resolve(Host, service, 0, &result);
        std::lock_guard<std::mutex> guard(state->lock);
        if (state->abandoned) {
            if (result) freeaddrinfo(result);
            return;
        }
        state->error = error;
        state->result = result;
        state->done = true;
    }).detach();
}

THostLookup::~THostLookup() {
    std::lock_guard<std::mutex> guard(state_->lock);
    if (state_->result) freeaddrinfo(state_->result);
    state_->result = nullptr;
    state_->abandoned = true;
}

bool THostLookup::Done() const { return state_->done; }

TAddressList THostLookup::Take() {
    std::lock_guard<std::mutex> guard(state_->lock);
    if (!state_->done) throw ESockError("Host lookup has not finished: " + AnsiString(host_));
    if (state_->error != 0 || !state_->result) {
        int code = state_->error;
        if (code == EAI_NONAME || code == EAI_NODATA || code == EAI_FAIL || code == 0 || code == EAI_ADDRFAMILY)
            throw ESockError("Host not found: " + AnsiString(host_), code);
        throw ESockError("Host lookup of " + AnsiString(host_) + " failed: " + gai_strerror(code), code);
    }
    TAddressList list(state_->result);
    state_->result = nullptr;
    return list;
}
