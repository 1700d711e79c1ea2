#pragma once
// Host name lookup that never blocks the GUI thread: getaddrinfo blocks, so a
// name (not a numeric address) is looked up on a worker thread of its own
// while the caller keeps dispatching window messages. A lookup given up
// (time-out, cancel) leaves the worker to finish and clean up alone.

#include <memory>
#include <netdb.h>
#include <string>

// The addresses of one host, freed with the list.
class TAddressList {
public:
    TAddressList() = default;
    explicit TAddressList(addrinfo* List) : list_(List, &freeaddrinfo) {}
    const addrinfo* First() const { return list_.get(); }

private:
    std::unique_ptr<addrinfo, void (*)(addrinfo*)> list_{nullptr, &freeaddrinfo};
};

class THostLookup {
public:
    THostLookup(const std::string& Host, int Port);
    ~THostLookup();
    THostLookup(const THostLookup&) = delete;
    THostLookup& operator=(const THostLookup&) = delete;

    bool Done() const;
    // Once Done: the host's stream addresses; raises ESockError
    // "Host not found: name" when there are none.
    TAddressList Take();

private:
    struct State;
    std::shared_ptr<State> state_;
    std::string host_;
};
