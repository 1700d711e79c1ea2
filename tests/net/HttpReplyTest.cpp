#include <gtest/gtest.h>

#include <string>

#include "HttpProbe.h"
#include "ScriptedServer.h"

namespace {

// The exception text of a Get that must fail, or "" when it succeeded.
std::string FailureOf(HttpProbe& probe, const std::string& url) {
    try {
        probe.http->Get(AnsiString(url));
    } catch (const Exception& e) {
        return e.what();
    }
    return "";
}

}  // namespace

TEST(HttpReply, BareLineFeedsAndABodyEndedByTheClose) {
    ScriptedServer server({"HTTP/1.0 200 OK\nContent-Type: text/csv\n\nDate,Open\r\n5-Dec-03,1\n"});
    HttpProbe probe;
    probe.http->Get(AnsiString(server.Url("/table.csv")));
    EXPECT_EQ(probe.http->GetBody(), "Date,Open\r\n5-Dec-03,1\n");
    EXPECT_EQ(probe.http->GetHeader(), "HTTP/1.0 200 OK\nContent-Type: text/csv");
    EXPECT_EQ(probe.successes.size(), 1u);
}

TEST(HttpReply, ContentLengthEndsTheBodyAndAShortBodyRaises) {
    ScriptedServer server({"HTTP/1.1 200 OK\r\nContent-Length: 4\r\n\r\nabcdEXTRA",
                           "HTTP/1.0 200 OK\r\ncontent-length: 0\r\n\r\n",
                           "HTTP/1.0 200 OK\r\nContent-Length: 10\r\n\r\nabc",
                           "HTTP/1.0 200 OK\r\nContent-Length: ten\r\n\r\nabc"});
    HttpProbe probe;
    probe.http->Get(AnsiString(server.Url()));
    EXPECT_EQ(probe.http->GetBody(), "abcd");
    probe.http->Get(AnsiString(server.Url()));
    EXPECT_TRUE(probe.http->GetBody().IsEmpty());
    EXPECT_EQ(probe.successes.size(), 2u);

    EXPECT_EQ(FailureOf(probe, server.Url()), "The reply ended after 3 of 10 bytes");
    EXPECT_EQ(FailureOf(probe, server.Url()), "The reply's Content-Length is not a number: 'ten'");
    EXPECT_EQ(probe.successes.size(), 2u);
    EXPECT_FALSE(probe.http->GetConnected());
}

TEST(HttpReply, RepliesThatAreNotHttpRaise) {
    ScriptedServer server({"", "HTTP/1.0 200 OK\r\nContent-", "<html><body>quotes</body></html>",
                           "HTTP/1.0 OK\r\n\r\nbody", "HTTP/1.0 20x Fine\r\n\r\n", "HTTP/1.0 2000 OK\r\n\r\nbody"});
    HttpProbe probe;
    EXPECT_EQ(FailureOf(probe, server.Url()), "The server closed the connection without a reply");
    EXPECT_EQ(FailureOf(probe, server.Url()), "The server closed the connection inside the reply's header");
    EXPECT_EQ(FailureOf(probe, server.Url()), "The server's reply is not HTTP");
    EXPECT_EQ(FailureOf(probe, server.Url()), "The server's reply is not HTTP: 'HTTP/1.0 OK'");
    EXPECT_EQ(FailureOf(probe, server.Url()), "The server's reply is not HTTP: 'HTTP/1.0 20x Fine'");
    EXPECT_EQ(FailureOf(probe, server.Url()), "The server's reply is not HTTP: 'HTTP/1.0 2000 OK'");
    EXPECT_TRUE(probe.successes.empty());
    EXPECT_TRUE(probe.failures.empty());
    EXPECT_EQ(probe.packets, 0);
}

TEST(HttpReply, RelativeLocationsAndTheStatusRangeOfRedirects) {
    ScriptedServer server({"HTTP/1.0 301 Moved\r\nLocation: next.csv?y=1\r\n\r\n",
                           "HTTP/1.0 307 Temporary\r\nlocation:   /dir/last.csv \r\n\r\n",
                           "HTTP/1.0 200 OK\r\n\r\nthere", "HTTP/1.0 305 Use Proxy\r\nLocation: /x\r\n\r\n"});
    HttpProbe probe;
    probe.http->Get(AnsiString(server.Url("/dir/first.csv")));
    EXPECT_EQ(probe.http->GetBody(), "there");
    auto requests = server.Requests();
    ASSERT_EQ(requests.size(), 3u);
    EXPECT_EQ(requests[1].rfind("GET /dir/next.csv?y=1 HTTP/1.0\r\n", 0), 0u);
    EXPECT_EQ(requests[2].rfind("GET /dir/last.csv HTTP/1.0\r\n", 0), 0u);

    EXPECT_EQ(FailureOf(probe, server.Url()), "HTTP error 305: Use Proxy");
    EXPECT_EQ(probe.failures.size(), 1u);
}

// An interim reply ("100 Continue") is skipped, however many come; the real
// reply's length is known from its first packet on. Interim heads count
// against the head's limit, so a server sending them without end is refused.
TEST(HttpReply, InterimRepliesAreSkipped) {
    const std::string interim = "HTTP/1.1 100 Continue\r\n\r\n";
    std::string flood;
    while (flood.size() <= 65536) flood += "HTTP/1.1 102 Processing\r\nX-Wait: " + std::string(100, 'w') + "\r\n\r\n";
    ScriptedServer server({interim + "HTTP/1.0 200 OK\r\nContent-Length: 5\r\n\r\nhello",
                           interim + interim + "HTTP/1.0 404 Not Found\r\n\r\n", flood + "HTTP/1.0 200 OK\r\n\r\nx"});
    HttpProbe probe;
    std::vector<long long> lengths;
    probe.http->OnPacketRecvd = [&](TObject*) { lengths.push_back(probe.http->GetContentLength()); };
    probe.http->Get(AnsiString(server.Url()));
    EXPECT_EQ(probe.http->GetBody(), "hello");
    EXPECT_EQ(probe.http->GetReplyNumber(), 200);
    EXPECT_EQ(probe.http->GetHeader(), "HTTP/1.0 200 OK\r\nContent-Length: 5");
    EXPECT_EQ(lengths, std::vector<long long>{5});
    EXPECT_EQ(FailureOf(probe, server.Url()), "HTTP error 404: Not Found");
    EXPECT_EQ(probe.http->GetContentLength(), -1);
    EXPECT_EQ(FailureOf(probe, server.Url()), "The reply's header is too long");
    EXPECT_EQ(probe.successes.size(), 1u);
}
