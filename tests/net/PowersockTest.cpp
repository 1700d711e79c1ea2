#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

#include "ScriptedServer.h"
#include "net/Powersock.h"
#include "platform/runtime/TickClock.h"
#include "platform/testing/TestClock.h"

namespace {

std::unique_ptr<TPowersock> SocketTo(const char* host, int port, int timeOut = 2000) {
    auto sock = std::make_unique<TPowersock>(nullptr);
    sock->SetHost(host);
    sock->SetPort(port);
    sock->SetTimeOut(timeOut);
    return sock;
}

// Everything the peer sends until it closes.
std::string ReceiveAll(TPowersock& sock) {
    std::string all;
    for (AnsiString packet = sock.ReceivePacket(); !packet.IsEmpty(); packet = sock.ReceivePacket()) all += packet.str();
    return all;
}

}  // namespace

TEST(Powersock, SettersRefuseImpossibleValues) {
    TPowersock sock(nullptr);
    EXPECT_THROW(sock.SetPort(0), ESockError);
    EXPECT_THROW(sock.SetPort(65536), ESockError);
    EXPECT_THROW(sock.SetTimeOut(-1), ESockError);
    sock.SetPort(8080);
    sock.SetTimeOut(0);
    EXPECT_EQ(sock.GetPort(), 8080);
    EXPECT_EQ(sock.GetTimeOut(), 0);
    EXPECT_THROW(sock.Connect(), ESockError);  // no host
    EXPECT_THROW(sock.SendText("x"), ESockError);
    EXPECT_THROW(sock.ReceivePacket(), ESockError);
    sock.Disconnect();  // nothing to close: no effect
    EXPECT_FALSE(sock.GetConnected());
}

TEST(Powersock, ConnectsSendsAndReceivesUntilThePeerCloses) {
    ScriptedServer server({"hello, client"});
    auto sock = SocketTo("127.0.0.1", server.Port());

    sock->Connect();
    EXPECT_TRUE(sock->GetConnected());
    EXPECT_THROW(sock->Connect(), ESockError);
    sock->SendText("PING\r\n\r\n");
    EXPECT_EQ(ReceiveAll(*sock), "hello, client");

    EXPECT_FALSE(sock->GetConnected());
    EXPECT_EQ(server.Requests(), std::vector<std::string>{"PING\r\n\r\n"});
}

// "localhost" goes through the resolver; its first address may be ::1,
// where nothing listens, so the next address has to be tried.
TEST(Powersock, LooksUpNamesAndTriesEachAddress) {
    ScriptedServer server({"by name"});
    auto sock = SocketTo("localhost", server.Port());
    sock->Connect();
    sock->SendText("\r\n\r\n");
    EXPECT_EQ(ReceiveAll(*sock), "by name");
}

TEST(Powersock, ReportsStepsAndPacketsUpToItsReportLevel) {
    ScriptedServer server({"abc", "abc", "abc"});
    std::vector<std::vector<std::string>> heard;
    for (int level : {rlNone, rlSteps, rlPackets}) {
        auto sock = SocketTo("127.0.0.1", server.Port());
        std::vector<std::string> statuses;
        sock->SetReportLevel(level);
        sock->OnStatus = [&](TObject*, const AnsiString& status) { statuses.push_back(status.str()); };
        sock->Connect();
        sock->SendText("\r\n\r\n");
        ReceiveAll(*sock);
        heard.push_back(statuses);
        EXPECT_EQ(sock->GetStatus(), "Disconnected from " + sock->GetHost() + ":" + std::to_string(server.Port()));
    }
    std::string peer = "127.0.0.1:" + std::to_string(server.Port());
    EXPECT_TRUE(heard[0].empty());
    EXPECT_EQ(heard[1], (std::vector<std::string>{"Looking up 127.0.0.1", "Connecting to " + peer,
                                                  "Connected to " + peer, "Disconnected from " + peer}));
    EXPECT_EQ(heard[2], (std::vector<std::string>{"Looking up 127.0.0.1", "Connecting to " + peer,
                                                  "Connected to " + peer, "Sent 4 bytes", "Received 3 bytes",
                                                  "Disconnected from " + peer}));
}

// A listener whose queue is full drops further connection attempts, so the
// connect can only end by its time-out. Each pass of the wait is 10 ms of
// the stopped clock, however long it takes.
TEST(Powersock, ConnectTimesOutWhenNobodyAnswers) {
    int port = 0;
    int listener = ListenOnLoopback(port, 1);
    std::vector<std::unique_ptr<TPowersock>> fillers;
    auto sock = SocketTo("127.0.0.1", port, 200);
    TClockStepper stepper(10);
    bool timedOut = false;
    for (int attempt = 0; attempt < 8 && !timedOut; ++attempt) {
        const long long start = TickCount();
        try {
            sock->Connect();
            fillers.push_back(std::move(sock));
            sock = SocketTo("127.0.0.1", port, 200);
        } catch (const ESockError& e) {
            EXPECT_EQ(e.GetMessage(), "Timed out connecting to 127.0.0.1:" + std::to_string(port));
            EXPECT_GE(TickCount() - start, 200) << "not before the time-out";
            timedOut = true;
        }
    }
    EXPECT_TRUE(timedOut);
    EXPECT_FALSE(sock->GetConnected());
    ::close(listener);
}
