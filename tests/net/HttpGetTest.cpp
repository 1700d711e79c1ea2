#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "HttpProbe.h"
#include "support/LocalQuoteServer.h"

namespace {

std::string Table(const std::vector<std::string>& Rows) {
    std::string text = std::string(kQuoteHeading) + "\n";
    for (const std::string& row : Rows) text += row + "\n";
    return text;
}

// Rows of a reply body without its heading line.
std::vector<std::string> RowsOf(const AnsiString& Body) {
    std::vector<std::string> rows;
    std::string text = Body.str();
    std::size_t start = text.find('\n') + 1;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        rows.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return rows;
}

}  // namespace

TEST(HttpGet, DeliversTheBodyWithPacketEventsAndOneSuccess) {
    LocalQuoteServer server;
    std::vector<std::string> rows = MakeQuoteRows(3);
    server.WriteSymbol("ABC", rows);
    HttpProbe probe;

    probe.http->Get(AnsiString(server.PageUrl("ABC", 0)));

    EXPECT_EQ(probe.http->GetBody(), Table(rows));
    EXPECT_EQ(probe.http->GetReplyNumber(), 200);
    EXPECT_EQ(probe.http->GetHeader().Pos("HTTP/1.0 200 OK"), 1);
    EXPECT_NE(probe.http->GetHeader().Pos("Content-Type: text/csv"), 0);
    EXPECT_GE(probe.packets, 1);
    EXPECT_EQ(probe.bodyLengths.back(), probe.http->GetBody().Length());
    EXPECT_EQ(probe.successes, std::vector<TCmdType>{cmdGET});
    EXPECT_TRUE(probe.failures.empty());
    EXPECT_FALSE(probe.connectedInSuccess);
    EXPECT_FALSE(probe.http->GetConnected());

    // The request as it went over the wire.
    auto log = server.Log();
    ASSERT_EQ(log.size(), 1u);
    const std::string& head = log[0].head;
    std::string target = server.PageUrl("ABC", 0).substr(server.Url("").size());
    EXPECT_EQ(head.rfind("GET " + target + " HTTP/1.0\r\n", 0), 0u) << head;
    EXPECT_NE(head.find("\r\nHost: 127.0.0.1:" + std::to_string(server.Port()) + "\r\n"), std::string::npos);
    EXPECT_NE(head.find("\r\nUser-Agent: Velmora\r\n"), std::string::npos);
    EXPECT_NE(head.find("\r\nAccept: */*\r\n"), std::string::npos);
}

TEST(HttpGet, HeadDeliversTheReplyHeadOnly) {
    LocalQuoteServer server;
    server.WriteSymbol("ABC", MakeQuoteRows(3));
    HttpProbe probe;

    probe.http->Head(AnsiString(server.PageUrl("ABC", 0)));

    EXPECT_EQ(probe.http->GetReplyNumber(), 200);
    EXPECT_NE(probe.http->GetHeader().Pos("Content-Length:"), 0);
    EXPECT_TRUE(probe.http->GetBody().IsEmpty());
    EXPECT_EQ(probe.packets, 0);
    EXPECT_EQ(probe.successes, std::vector<TCmdType>{cmdHEAD});
    EXPECT_EQ(server.Log().at(0).head.rfind("HEAD /table.csv?", 0), 0u);
}

// The way the quote download pages: each success asks for the next 200 rows
// from inside the handler until a page comes back empty.
TEST(HttpGet, PagesNestedInsideOnSuccessUntilAnEmptyPage) {
    LocalQuoteServer server;
    std::vector<std::string> rows = MakeQuoteRows(450);
    server.WriteSymbol("ABC.L", rows);
    HttpProbe probe;
    std::vector<std::string> received;
    std::vector<int> pageSizes;
    int offset = 0, depth = 0, deepest = 0;
    probe.http->OnSuccess = [&](TObject*, TCmdType) {
        std::vector<std::string> page = RowsOf(probe.http->GetBody());
        pageSizes.push_back(static_cast<int>(page.size()));
        received.insert(received.end(), page.begin(), page.end());
        if (page.empty()) return;
        offset += 200;
        ++depth;
        deepest = std::max(deepest, depth);
        probe.http->Get(AnsiString(server.PageUrl("ABC.L", offset)));
        --depth;
    };

    probe.http->Get(AnsiString(server.PageUrl("ABC.L", 0)));

    EXPECT_EQ(pageSizes, (std::vector<int>{200, 200, 50, 0}));
    EXPECT_EQ(received, rows);
    EXPECT_EQ(deepest, 3);
    auto log = server.Log();
    ASSERT_EQ(log.size(), 4u);
    for (int i = 0; i < 4; ++i)
        EXPECT_NE(log[i].target.find("&y=" + std::to_string(200 * i) + "&"), std::string::npos) << log[i].target;
    EXPECT_EQ(probe.http->GetBody(), std::string(kQuoteHeading) + "\n");
}

TEST(HttpGet, NestedGetRunsWithItsOwnEventsBeforeTheOuterGetReturns) {
    LocalQuoteServer server;
    server.WriteSymbol("ONE", MakeQuoteRows(2, 20031205));
    server.WriteSymbol("TWO", MakeQuoteRows(5, 20030101));
    HttpProbe probe;
    std::vector<std::string> events;
    probe.http->OnPacketRecvd = [&](TObject*) { events.push_back("packet"); };
    probe.http->OnSuccess = [&](TObject*, TCmdType) {
        events.push_back("success " + std::to_string(RowsOf(probe.http->GetBody()).size()));
        if (events.size() > 2) return;
        probe.http->Get(AnsiString(server.PageUrl("TWO", 0)));
        events.push_back("nested returned");
    };

    probe.http->Get(AnsiString(server.PageUrl("ONE", 0)));
    events.push_back("outer returned");

    EXPECT_EQ(events, (std::vector<std::string>{"packet", "success 2", "packet", "success 5", "nested returned",
                                                "outer returned"}));
    EXPECT_EQ(RowsOf(probe.http->GetBody()), MakeQuoteRows(5, 20030101));
}

TEST(HttpGet, RequestWhileOneIsInProgressIsRefused) {
    LocalQuoteServer server;
    server.WriteSymbol("ABC", MakeQuoteRows(3));
    HttpProbe probe;
    bool refused = false;
    probe.http->OnPacketRecvd = [&](TObject*) {
        try {
            probe.http->Get(AnsiString(server.PageUrl("ABC", 0)));
        } catch (const ESockError& e) {
            refused = e.GetMessage().Pos("already in progress") > 0;
        }
    };

    probe.http->Get(AnsiString(server.PageUrl("ABC", 0)));

    EXPECT_TRUE(refused);
    EXPECT_EQ(RowsOf(probe.http->GetBody()), MakeQuoteRows(3));
    EXPECT_EQ(server.Log().size(), 1u);
}

TEST(HttpGet, EmptyBodiesAndHtmlAreDeliveredAsSuccess) {
    {
        quote_server::Options options;
        options.status = 204;
        LocalQuoteServer server(options);
        HttpProbe probe;
        probe.http->Get(AnsiString(server.Url("/table.csv?s=ABC")));
        EXPECT_EQ(probe.http->GetReplyNumber(), 204);
        EXPECT_TRUE(probe.http->GetBody().IsEmpty());
        EXPECT_EQ(probe.packets, 0);
        EXPECT_EQ(probe.successes.size(), 1u);
    }
    {
        // Refusing a page that is not a table is the caller's business.
        quote_server::Options options;
        options.html = true;
        LocalQuoteServer server(options);
        HttpProbe probe;
        probe.http->Get(AnsiString(server.PageUrl("ABC", 0)));
        EXPECT_EQ(probe.http->GetBody().Pos("<html>"), 1);
        EXPECT_NE(probe.http->GetHeader().Pos("text/html"), 0);
        EXPECT_EQ(probe.successes.size(), 1u);
    }
}

TEST(HttpGet, DrippingServerDeliversEveryByte) {
    quote_server::Options options;
    options.drip = true;
    LocalQuoteServer server(options);
    std::vector<std::string> rows = MakeQuoteRows(4);
    server.WriteSymbol("ABC", rows);
    HttpProbe probe;

    probe.http->Get(AnsiString(server.PageUrl("ABC", 0)));

    EXPECT_EQ(probe.http->GetBody(), Table(rows));
    EXPECT_GT(probe.packets, 10);
    EXPECT_EQ(probe.successes.size(), 1u);
    for (std::size_t i = 1; i < probe.bodyLengths.size(); ++i) EXPECT_GT(probe.bodyLengths[i], probe.bodyLengths[i - 1]);
}

TEST(HttpGet, FollowsARedirectToAnotherServer) {
    LocalQuoteServer target;
    std::vector<std::string> rows = MakeQuoteRows(3);
    target.WriteSymbol("ABC", rows);
    quote_server::Options options;
    options.redirectTo = target.Url("");
    LocalQuoteServer redirecting(options);
    HttpProbe probe;

    probe.http->Get(AnsiString(redirecting.PageUrl("ABC", 0)));

    EXPECT_EQ(probe.http->GetBody(), Table(rows));
    EXPECT_EQ(probe.http->GetReplyNumber(), 200);
    EXPECT_EQ(probe.successes.size(), 1u);
    ASSERT_EQ(redirecting.Log().size(), 1u);
    EXPECT_EQ(redirecting.Log()[0].status, 302);
    ASSERT_EQ(target.Log().size(), 1u);
    EXPECT_EQ(target.Log()[0].target, redirecting.Log()[0].target);
}
