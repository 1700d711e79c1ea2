#include <gtest/gtest.h>

#include <string>

#include "HttpProbe.h"
#include "support/LocalQuoteServer.h"
#include "tools/quote_server/QuoteTable.h"

namespace {

// The rows of a reply, heading dropped.
int RowCount(const AnsiString& Body) {
    int lines = 0;
    for (char c : Body.str()) lines += c == '\n';
    return lines - 1;
}

}  // namespace

TEST(QuoteServer, ReadsRowDates) {
    using quote_server::RowDate;
    EXPECT_EQ(RowDate("5-Dec-03,1,2,3,4,5"), 20031205);
    EXPECT_EQ(RowDate("31-Jan-99,1"), 19990131);
    EXPECT_EQ(RowDate("1-Jul-70,1"), 19700701);
    EXPECT_EQ(RowDate("1-Jul-2009,1"), 20090701);
    for (const char* odd : {"", "Date,Open", "x-Dec-03,1", "5-Foo-03,1", "32-Dec-03,1", "5-Dec,03", "5-Dec-0x,1"})
        EXPECT_FALSE(RowDate(odd).has_value()) << odd;
}

TEST(QuoteServer, CutsTheTableToTheDateRange) {
    LocalQuoteServer server;
    server.WriteSymbol("ABC", MakeQuoteRows(40, 20031205));  // 27 Oct to 5 Dec 2003
    HttpProbe probe;
    // Month counted from 0: 1 Nov 2003 to 30 Nov 2003.
    probe.http->Get(AnsiString(server.Url("/table.csv?a=10&b=1&c=2003&d=10&e=30&f=2003&s=ABC&y=0&g=d&ignore=.csv")));
    std::string body = probe.http->GetBody().str();
    EXPECT_EQ(RowCount(probe.http->GetBody()), 30);
    EXPECT_EQ(body.find("Date,Open,High,Low,Close,Volume\n30-Nov-03,"), 0u);
    EXPECT_NE(body.find("\n1-Nov-03,"), std::string::npos);
    EXPECT_EQ(body.find("31-Oct-03"), std::string::npos);
    EXPECT_EQ(body.find("1-Dec-03"), std::string::npos);
}

TEST(QuoteServer, PagesOfTwoHundredRowsAndTheHeadingPastTheEnd) {
    LocalQuoteServer server;
    server.WriteSymbol("ABC", MakeQuoteRows(450));
    HttpProbe probe;
    int counts[5];
    for (int page = 0; page < 5; ++page) {
        probe.http->Get(AnsiString(server.PageUrl("ABC", page * 200)));
        counts[page] = RowCount(probe.http->GetBody());
    }
    EXPECT_EQ(counts[0], 200);
    EXPECT_EQ(counts[1], 200);
    EXPECT_EQ(counts[2], 50);
    EXPECT_EQ(counts[3], 0);
    EXPECT_EQ(counts[4], 0);
    EXPECT_EQ(probe.http->GetBody(), "Date,Open,High,Low,Close,Volume\n");
    probe.http->Get(AnsiString(server.PageUrl("ABC", 449)));
    EXPECT_EQ(probe.http->GetBody().str(), std::string(kQuoteHeading) + "\n" + MakeQuoteRows(450).back() + "\n");

    quote_server::Options options;
    options.ignorePaging = true;
    LocalQuoteServer unpaged(options);
    unpaged.WriteSymbol("ABC", MakeQuoteRows(450));
    probe.http->Get(AnsiString(unpaged.PageUrl("ABC", 200)));
    EXPECT_EQ(RowCount(probe.http->GetBody()), 450);
}

TEST(QuoteServer, DecodesTheSymbolAndRefusesBadRequests) {
    LocalQuoteServer server;
    server.WriteSymbol("^GSPC", MakeQuoteRows(2));
    server.WriteSymbol("BRK.B", MakeQuoteRows(3));
    HttpProbe probe;
    probe.http->Get(AnsiString(server.PageUrl("%5EGSPC", 0)));
    EXPECT_EQ(RowCount(probe.http->GetBody()), 2);
    probe.http->Get(AnsiString(server.PageUrl("BRK.B", 0)));
    EXPECT_EQ(RowCount(probe.http->GetBody()), 3);

    struct Case {
        std::string target;
        int status;
    } cases[] = {
        {"/table.csv?a=0&s=..%2FBRK.B", 404},
        {"/table.csv?s=.hidden", 404},
        {"/table.csv?s=abc", 404},
        {"/other.csv?s=BRK.B", 404},
        {"/table.csv?a=0&b=1", 400},
        {"/table.csv?s=BRK.B&y=-200", 400},
        {"/table.csv?s=BRK.B&a=x", 400},
        {"/table.csv?s=%ZZ", 400},
    };
    for (const Case& c : cases) {
        try {
            probe.http->Get(AnsiString(server.Url(c.target)));
            ADD_FAILURE() << c.target;
        } catch (const HTTPException& e) {
            EXPECT_EQ(e.GetReplyNumber(), c.status) << c.target;
        }
    }
}
