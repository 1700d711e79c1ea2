#pragma once
// A client with its events recorded, for the HTTP tests.

#include <memory>
#include <vector>

#include "net/NmHttp.h"

struct HttpProbe {
    std::unique_ptr<TNMHTTP> http{new TNMHTTP(nullptr)};
    int packets = 0;
    std::vector<int> bodyLengths;  // Body's length at each packet event
    std::vector<TCmdType> successes;
    std::vector<TCmdType> failures;
    bool connectedInSuccess = true;

    explicit HttpProbe(int TimeOut = 5000) {
        http->SetTimeOut(TimeOut);
        http->OnPacketRecvd = [this](TObject*) {
            ++packets;
            bodyLengths.push_back(http->GetBody().Length());
        };
        http->OnSuccess = [this](TObject*, TCmdType Cmd) {
            successes.push_back(Cmd);
            connectedInSuccess = http->GetConnected();
        };
        http->OnFailure = [this](TObject*, TCmdType Cmd) { failures.push_back(Cmd); };
    }
};
