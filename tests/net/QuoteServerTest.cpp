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
    server.WriteSymbol("ABC.L", MakeQuoteRows(450));
    HttpProbe probe;
    int counts[5];
    for (int page = 0; page < 5; ++page) {
        probe.http->Get(AnsiString(server.PageUrl("ABC.L", page * 200)));
        counts[page] = RowCount(probe.http->GetBody());
    }
    EXPECT_EQ(counts[0], 200);
    EXPECT_EQ(counts[1], 200);
    EXPECT_EQ(counts[2], 50);
    EXPECT_EQ(counts[3], 0);
    EXPECT_EQ(counts[4], 0);
    EXPECT_EQ(probe.http->GetBody(), "Date,Open,High,Low,Close,Volume\n");
    probe.http->Get(AnsiString(server.PageUrl("ABC.L", 449)));
    EXPECT_EQ(probe.http->GetBody().str(), std::string(kQuoteHeading) + "\n" + MakeQuoteRows(450).back() + "\n");
}

// As the service: pages for a one- or two-letter suffix after a dot other
// than ".OB", the whole range in one reply, whatever the offset, for the rest.
TEST(QuoteServer, PagesOnlyTheSymbolsThatTheProgramPages) {
    LocalQuoteServer server;
    const char* paged[] = {"ABC.L", "ABC.TO", "a.b", "VLMR.DE", "x.ob.l"};
    const char* whole[] = {"ABC", "ABC.OB", "abc.ob", "KSTL.Ob", "ABC.TOR", "BRK-B", "AB.", "A.BCD.E1X"};
    for (const char* symbol : paged) server.WriteSymbol(symbol, MakeQuoteRows(250));
    for (const char* symbol : whole) server.WriteSymbol(symbol, MakeQuoteRows(250));
    HttpProbe probe;
    auto rows = [&](const char* symbol, int offset) {
        probe.http->Get(AnsiString(server.PageUrl(symbol, offset)));
        return RowCount(probe.http->GetBody());
    };
    for (const char* symbol : paged) {
        EXPECT_EQ(rows(symbol, 0), 200) << symbol;
        EXPECT_EQ(rows(symbol, 200), 50) << symbol;
    }
    for (const char* symbol : whole) {
        EXPECT_EQ(rows(symbol, 0), 250) << symbol;
        EXPECT_EQ(rows(symbol, 200), 250) << symbol;
    }
    // The rule is counted on the symbol as sent, %-escapes decoded.
    EXPECT_EQ(rows("ABC%2ETO", 0), 200);
    // A plain symbol's whole range: 521 rows, none kept back.
    server.WriteSymbol("NRDQ", MakeQuoteRows(521));
    EXPECT_EQ(rows("NRDQ", 0), 521);
}

TEST(QuoteServer, MisbehavingPagingModes) {
    quote_server::Options every;
    every.paging = quote_server::Paging::EverySymbol;
    LocalQuoteServer everySymbol(every);
    everySymbol.WriteSymbol("ABC", MakeQuoteRows(450));
    HttpProbe probe;
    probe.http->Get(AnsiString(everySymbol.PageUrl("ABC", 0)));
    EXPECT_EQ(RowCount(probe.http->GetBody()), 200);
    probe.http->Get(AnsiString(everySymbol.PageUrl("ABC", 400)));
    EXPECT_EQ(RowCount(probe.http->GetBody()), 50);

    quote_server::Options never;
    never.paging = quote_server::Paging::Never;
    LocalQuoteServer unpaged(never);
    unpaged.WriteSymbol("ABC.L", MakeQuoteRows(450));
    probe.http->Get(AnsiString(unpaged.PageUrl("ABC.L", 200)));
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
        {"/l?s=%ZZ", 400},
        {"/lookup", 404},
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

namespace {

// The body of a page of the server; its header must say HTML.
std::string PageOf(const LocalQuoteServer& Server, const std::string& Target) {
    HttpProbe probe;
    probe.http->Get(AnsiString(Server.Url(Target)));
    EXPECT_NE(probe.http->GetHeader().str().find("Content-Type: text/html"), std::string::npos) << Target;
    return probe.http->GetBody().str();
}

bool Holds(const std::string& Text, const std::string& Part) { return Text.find(Part) != std::string::npos; }

}  // namespace

TEST(QuoteServer, SymbolLookupPageListsTheSymbolsWithTheirDays) {
    LocalQuoteServer server;
    server.WriteSymbol("NRDQ", MakeQuoteRows(30, 20031205));  // 6 Nov to 5 Dec 2003
    server.WriteSymbol("VLMR.DE", MakeQuoteRows(5, 20031205));
    server.WriteSymbol("A&B", MakeQuoteRows(1, 20031205));
    server.WriteSymbol("EMPTY", {});
    server.WriteSymbol(".hidden", MakeQuoteRows(1));  // not a symbol the server serves

    const std::string all = PageOf(server, "/l");
    EXPECT_TRUE(Holds(all, "<title>Symbol Lookup</title>"));
    // Symbol, exchange suffix, days, first and last day.
    const std::size_t nrdq = all.find("<tr><td>NRDQ</td><td></td><td>30</td><td>6-Nov-03</td><td>5-Dec-03</td></tr>");
    const std::size_t vlmr =
        all.find("<tr><td>VLMR.DE</td><td>.DE</td><td>5</td><td>1-Dec-03</td><td>5-Dec-03</td></tr>");
    const std::size_t ab = all.find("<tr><td>A&amp;B</td>");
    ASSERT_NE(nrdq, std::string::npos);
    ASSERT_NE(vlmr, std::string::npos);
    ASSERT_NE(ab, std::string::npos);
    EXPECT_TRUE(ab < nrdq && nrdq < vlmr);  // in the order of their names
    EXPECT_TRUE(Holds(all, "<tr><td>EMPTY</td><td></td><td>0</td><td></td><td></td></tr>"));
    EXPECT_FALSE(Holds(all, "hidden"));
    EXPECT_TRUE(Holds(all, "<a href=\"/sd\">"));

    // Looked up by a part of the name, in any case; the query echoed escaped.
    const std::string de = PageOf(server, "/l?s=De");
    EXPECT_TRUE(Holds(de, "<td>VLMR.DE</td>"));
    EXPECT_FALSE(Holds(de, "<td>NRDQ</td>"));
    EXPECT_TRUE(Holds(de, "name=\"s\" value=\"De\""));
    const std::string none = PageOf(server, "/l?s=%3Cb%3E");
    EXPECT_TRUE(Holds(none, "No symbol found."));
    EXPECT_TRUE(Holds(none, "value=\"&lt;b&gt;\""));
    EXPECT_FALSE(Holds(none, "<b>"));
}

TEST(QuoteServer, ExchangesPageListsTheSuffixesAndHowTheyAreServed) {
    const char* symbols[] = {"NRDQ", "trvx", "VLMR.DE", "ABC.DE", "KSTL.OB", "BRK.TOR"};
    auto exchanges = [&](quote_server::Paging Mode) {
        quote_server::Options options;
        options.paging = Mode;
        LocalQuoteServer server(options);
        for (const char* symbol : symbols) server.WriteSymbol(symbol, MakeQuoteRows(2));
        return PageOf(server, "/sd");
    };
    const std::string page = exchanges(quote_server::Paging::Service);
    EXPECT_TRUE(Holds(page, "<title>Exchanges</title>"));
    EXPECT_TRUE(Holds(page, "<tr><td>(none)</td><td>NRDQ, trvx</td><td>the whole range in one reply</td></tr>"));
    EXPECT_TRUE(Holds(page, "<tr><td>.DE</td><td>ABC.DE, VLMR.DE</td><td>200 rows a page</td></tr>"));
    EXPECT_TRUE(Holds(page, "<tr><td>.OB</td><td>KSTL.OB</td><td>the whole range in one reply</td></tr>"));
    EXPECT_TRUE(Holds(page, "<tr><td>.TOR</td><td>BRK.TOR</td><td>the whole range in one reply</td></tr>"));
    EXPECT_TRUE(Holds(page, "<a href=\"/l\">"));
    // The page tells what this server does, misbehaving or not.
    EXPECT_TRUE(Holds(exchanges(quote_server::Paging::Never),
                      "<tr><td>.DE</td><td>ABC.DE, VLMR.DE</td><td>the whole range in one reply</td></tr>"));
    EXPECT_TRUE(Holds(exchanges(quote_server::Paging::EverySymbol),
                      "<tr><td>(none)</td><td>NRDQ, trvx</td><td>200 rows a page</td></tr>"));
}
