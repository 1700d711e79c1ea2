#include <gtest/gtest.h>

#include <string>

#include "HttpProbe.h"
#include "support/PacedServer.h"
#include "ScriptedServer.h"
#include "platform/controls/ExtCtrls.h"
#include "support/LocalQuoteServer.h"
#include "TimeAfterSending.h"

namespace {

// Long enough to count as for ever: the server's destructor ends it.
constexpr int kForeverMs = 600000;

const std::string kReplyHead = "HTTP/1.0 200 OK\r\nContent-Type: text/csv\r\n\r\n";

template <class E>
E CaughtFrom(HttpProbe& probe, const std::string& url) {
    try {
        probe.http->Get(AnsiString(url));
    } catch (const E& e) {
        return e;
    }
    ADD_FAILURE() << "no exception from " << url;
    return E("none");
}

}  // namespace

// An unbound OnFailure must not turn an error reply into silence: Get raises
// either way, and OnSuccess never runs.
TEST(HttpFailure, ErrorRepliesFireOnFailureAndRaise) {
    LocalQuoteServer server;
    HttpProbe probe;
    HTTPException notFound = CaughtFrom<HTTPException>(probe, server.PageUrl("NOSUCH", 0));
    EXPECT_EQ(notFound.GetMessage(), "HTTP error 404: Not Found");
    EXPECT_EQ(notFound.GetReplyNumber(), 404);
    EXPECT_EQ(probe.http->GetReplyNumber(), 404);
    EXPECT_EQ(probe.failures, std::vector<TCmdType>{cmdGET});
    EXPECT_TRUE(probe.successes.empty());
    EXPECT_FALSE(probe.http->GetConnected());

    quote_server::Options options;
    options.status = 500;
    LocalQuoteServer failing(options);
    probe.http->OnFailure = nullptr;
    HTTPException serverError = CaughtFrom<HTTPException>(probe, failing.PageUrl("ABC", 0));
    EXPECT_EQ(serverError.GetMessage(), "HTTP error 500: Internal Server Error");
    EXPECT_EQ(probe.http->GetBody(), "500 Internal Server Error\n");
    EXPECT_TRUE(probe.successes.empty());
}

TEST(HttpFailure, RedirectsWithoutLocationAndNotModifiedAreFailures) {
    for (int status : {302, 304}) {
        quote_server::Options options;
        options.status = status;
        LocalQuoteServer server(options);
        HttpProbe probe;
        HTTPException e = CaughtFrom<HTTPException>(probe, server.PageUrl("ABC", 0));
        EXPECT_EQ(e.GetReplyNumber(), status);
        EXPECT_EQ(probe.failures.size(), 1u);
        EXPECT_EQ(server.Log().size(), 1u);
    }
}

TEST(HttpFailure, RedirectLoopStopsAfterTenRedirects) {
    quote_server::Options options;
    options.redirectLoop = true;
    LocalQuoteServer server(options);
    HttpProbe probe;

    HTTPException e = CaughtFrom<HTTPException>(probe, server.PageUrl("ABC", 0));

    EXPECT_EQ(e.GetMessage(), "Too many redirects");
    auto log = server.Log();
    ASSERT_EQ(log.size(), 11u);
    EXPECT_EQ(log[1].target, "/loop?hop=1");
    EXPECT_EQ(log[10].target, "/loop?hop=10");
    EXPECT_TRUE(probe.successes.empty());
    EXPECT_FALSE(probe.http->GetConnected());
}

TEST(HttpFailure, RefusedConnectionRaisesTheSystemReason) {
    HttpProbe probe;
    int port = UnusedPort();
    ESockError e = CaughtFrom<ESockError>(probe, "http://127.0.0.1:" + std::to_string(port) + "/table.csv");
    EXPECT_EQ(e.GetMessage(), "Cannot connect to 127.0.0.1:" + std::to_string(port) + ": Connection refused");
    EXPECT_FALSE(probe.http->GetConnected());
}

// Names that cannot resolve fail at once, without asking any name server, so
// this test sends nothing off the machine.
TEST(HttpFailure, UnknownHostRaisesHostNotFound) {
    HttpProbe probe(3000);
    ESockError reserved = CaughtFrom<ESockError>(probe, "http://no-such-host.INVALID/table.csv?s=ABC");
    EXPECT_EQ(reserved.GetMessage(), "Host not found: no-such-host.INVALID");
    ESockError malformed = CaughtFrom<ESockError>(probe, "http://bad_host/table.csv");
    EXPECT_EQ(malformed.GetMessage(), "Host not found: bad_host");
    EXPECT_FALSE(probe.http->GetConnected());
}

TEST(HttpFailure, MalformedUrlRaisesWithoutConnecting) {
    HttpProbe probe;
    HTTPException e = CaughtFrom<HTTPException>(probe, "https://127.0.0.1/table.csv");
    EXPECT_NE(e.GetMessage().Pos("Unsupported URL scheme 'https'"), 0);
    EXPECT_THROW(probe.http->Get("http://127.0.0.1:1/a\r\nHost: x"), HTTPException);
    EXPECT_FALSE(probe.http->GetConnected());
    EXPECT_TRUE(probe.failures.empty());
}

TEST(HttpFailure, StalledServerTimesOut) {
    quote_server::Options options;
    options.stallMs = kForeverMs;
    LocalQuoteServer server(options);
    server.WriteSymbol("ABC", MakeQuoteRows(3));
    HttpProbe probe(200);
    TimeAfterSending time(*probe.http, 10);

    ESockError e = CaughtFrom<ESockError>(probe, server.PageUrl("ABC", 0));

    EXPECT_EQ(e.GetMessage(), "Timed out waiting for data from 127.0.0.1:" + std::to_string(server.Port()));
    const long long waited = TickCount() - time.SentAt();
    EXPECT_GE(waited, 200) << "not before the time-out";
    EXPECT_LT(waited, 300) << "but soon after it";
    EXPECT_FALSE(probe.http->GetConnected());
    EXPECT_TRUE(probe.successes.empty());
}

// The time-out counts from the last packet, so a slow but steady server
// finishes even when the whole reply takes longer than TimeOut. Each packet
// is followed by 200 ms, and the next part is let go only from inside the
// client's wait, once it has found nothing to read: a time-out counted from
// anything earlier than the last packet would pass there.
TEST(HttpFailure, TimeOutIsRearmedByEveryPacket) {
    PacedServer server({kReplyHead + "Date,Open\n", "1-Dec-03,1\n", "2-Dec-03,2\n"});
    HttpProbe probe(300);
    TTimer letGo(nullptr);
    letGo.SetEnabled(false);
    letGo.SetInterval(1);
    letGo.OnTimer = [&](TObject*) {
        letGo.SetEnabled(false);
        server.SendNext();
    };
    probe.http->OnPacketRecvd = [&](TObject*) {
        ++probe.packets;
        letGo.SetEnabled(true);
        AdvanceTickClockForTests(200);
    };
    server.SendNext();
    const long long start = TickCount();

    probe.http->Get(AnsiString(server.Url("/table.csv")));

    EXPECT_GE(probe.packets, 3);
    EXPECT_GT(TickCount() - start, 300);
    EXPECT_EQ(probe.successes.size(), 1u);
    EXPECT_EQ(probe.http->GetBody(), "Date,Open\n1-Dec-03,1\n2-Dec-03,2\n");
}

// Timers fire while Get waits: the server answers only after the fifth beat.
TEST(HttpFailure, GuiStaysLiveWhileGetWaits) {
    PacedServer server({kReplyHead + "Date,Open\n"});
    HttpProbe probe;
    TimeAfterSending time(*probe.http, 10);
    TTimer timer(nullptr);
    int ticks = 0;
    timer.SetInterval(10);
    timer.OnTimer = [&](TObject*) {
        if (++ticks < 5) return;
        time.Stop();
        server.SendNext();
    };

    probe.http->Get(AnsiString(server.Url("/table.csv")));

    EXPECT_EQ(probe.successes.size(), 1u);
    EXPECT_EQ(ticks, 5);
}

TEST(HttpFailure, CancelFromATimerOrAPacketHandlerRaisesEAbortError) {
    quote_server::Options options;
    options.stallMs = kForeverMs;
    LocalQuoteServer stalled(options);
    HttpProbe probe;
    {
        TimeAfterSending time(*probe.http, 10);
        TTimer timer(nullptr);
        timer.SetInterval(50);
        timer.OnTimer = [&](TObject*) { probe.http->Cancel(); };
        EXPECT_THROW(probe.http->Get(AnsiString(stalled.PageUrl("ABC", 0))), EAbortError) << "not the time-out";
        EXPECT_LT(TickCount() - time.SentAt(), probe.http->GetTimeOut());
        EXPECT_FALSE(probe.http->GetConnected());
    }

    quote_server::Options dripping;
    dripping.drip = true;
    LocalQuoteServer slow(dripping);
    slow.WriteSymbol("ABC", MakeQuoteRows(20));
    probe.http->OnPacketRecvd = [&](TObject*) {
        if (probe.http->GetBody().Length() >= 10) probe.http->Cancel();
    };
    EXPECT_THROW(probe.http->Get(AnsiString(slow.PageUrl("ABC", 0))), EAbortError);
    EXPECT_FALSE(probe.http->GetConnected());
    EXPECT_TRUE(probe.http->GetBody().IsEmpty()) << "the cut body is dropped";
    EXPECT_TRUE(probe.successes.empty());

    // A cancel is forgotten once its request is over.
    probe.http->OnPacketRecvd = nullptr;
    slow.WriteSymbol("ONE", MakeQuoteRows(1));
    probe.http->Get(AnsiString(slow.PageUrl("ONE", 0)));
    EXPECT_EQ(probe.successes.size(), 1u);
}

// The servers run in this process, so the count is taken without them.
TEST(HttpFailure, NoDescriptorOutlivesAFailedRequest) {
    HttpProbe probe(100);
    probe.http->OnFailure = [](TObject*, TCmdType) { throw Exception("handler failed"); };
    // The first wait starts whatever the host opens on first use.
    EXPECT_THROW(probe.http->Get("http://127.0.0.1:" + AnsiString(std::to_string(UnusedPort())) + "/"), ESockError);
    int before = OpenDescriptorCount();
    {
        quote_server::Options options;
        options.stallMs = kForeverMs;
        LocalQuoteServer stalled(options);
        LocalQuoteServer plain;
        int refusedPort = UnusedPort();
        for (int round = 0; round < 3; ++round) {
            {
                TimeAfterSending time(*probe.http, 10);
                EXPECT_THROW(probe.http->Get(AnsiString(stalled.PageUrl("ABC", 0))), ESockError);
            }
            EXPECT_THROW(probe.http->Get(AnsiString(plain.PageUrl("NOSUCH", 0))), Exception);
            EXPECT_THROW(probe.http->Get("http://127.0.0.1:" + AnsiString(std::to_string(refusedPort)) + "/"),
                         ESockError);
        }
    }
    EXPECT_EQ(OpenDescriptorCount(), before);
}
