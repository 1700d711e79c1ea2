// Download Quotes end to end against the local quote server.
#include <filesystem>
#include <memory>

#include "app/download/QuoteDownloadFixture.h"
#include "app/download/dlquotes.h"
#include "app/download/httpprogress.h"
#include "app/quotes/quotereply.h"
#include "net/NmHttp.h"
#include "net/NmUrl.h"
#include "platform/host/Dialogs.h"
#include "skin/engine/KsSkinComboBox.h"
#include "skin/engine/KsSkinProgressBar.h"
#include "support/PacedServer.h"

class DownloadTest : public QuoteDownloadTest {};

TEST_F(DownloadTest, ANonPagedDownloadWritesTheHeaderAndTheRows) {
    LocalQuoteServer server;
    const std::vector<std::string> rows = MakeQuoteRows(30, 20031205);
    server.WriteSymbol("XYZ", rows);
    StartWith(server.Url("/"));
    const std::string path = dir_.File("xyz");

    const ProgressLook look = Download(path, "XYZ", {2003, 0, 1}, {2003, 11, 5});

    EXPECT_EQ(form_->SaveDialog1->GetTitle(), "Download Stock Quote File");
    EXPECT_EQ(form_->SaveDialog1->GetFilter(), "Stock Quote Files (*.zrq)|*.ZRQ");
    EXPECT_EQ(look.caption, "Transfer...");
    EXPECT_TRUE(look.done);
    EXPECT_EQ(look.arrived, "30 quotes, 6-Nov-03 to 5-Dec-03");
    EXPECT_FALSE(look.hint);
    EXPECT_EQ(ReadFile(path + ".zrq"), "0,1,2003,11,5,2003,XYZ\n" + QuoteLines(rows));
    ASSERT_EQ(server.Log().size(), 1u);
    EXPECT_EQ(server.Log()[0].target, "/table.csv?a=0&b=1&c=2003&d=11&e=5&f=2003&s=XYZ&y=0&g=d&ignore=.csv");
    EXPECT_EQ(form_->PageOffset, -1);
    EXPECT_FALSE(fDlQuotes->GetVisible());
    ExpectIdleProgress();
}

TEST_F(DownloadTest, APagedDownloadFetchesPagesUntilAShortOne) {
    LocalQuoteServer server;
    const std::vector<std::string> rows = MakeQuoteRows(450, 20031205);
    server.WriteSymbol("ABC.L", rows);
    StartWith(server.Url("/"));
    const std::string path = dir_.File("abc.ZRQ");

    EXPECT_TRUE(Download(path, "ABC.L", {2000, 0, 1}, {2003, 11, 31}).done);

    // The 50 rows at offset 400 are fewer than a page: nothing more to ask.
    EXPECT_EQ(Offsets(server), (std::vector<int>{0, 200, 400}));
    EXPECT_EQ(ReadFile(path), "0,1,2000,11,31,2003,ABC.L\n" + QuoteLines(rows));
    EXPECT_EQ(form_->PageOffset, -1);
}

TEST_F(DownloadTest, APagedDownloadOfWholePagesEndsOnTheEmptyPage) {
    LocalQuoteServer server;
    const std::vector<std::string> rows = MakeQuoteRows(400, 20031205);
    server.WriteSymbol("ABC.TO", rows);
    StartWith(server.Url("/"));
    const std::string path = dir_.File("abc.zrq");

    EXPECT_TRUE(Download(path, "ABC.TO", {2000, 0, 1}, {2003, 11, 31}).done);

    EXPECT_EQ(Offsets(server), (std::vector<int>{0, 200, 400}));
    EXPECT_EQ(ReadFile(path), "0,1,2000,11,31,2003,ABC.TO\n" + QuoteLines(rows));
}

TEST_F(DownloadTest, APlainSymbolsWholeRangeComesInOneReply) {
    LocalQuoteServer server;
    const std::vector<std::string> rows = MakeQuoteRows(521, 20031205);
    server.WriteSymbol("XYZ", rows);
    StartWith(server.Url("/"));
    const std::string path = dir_.File("xyz.zrq");

    EXPECT_TRUE(Download(path, "XYZ", {2000, 0, 1}, {2003, 11, 31}).done);

    EXPECT_EQ(Offsets(server), std::vector<int>{0});
    EXPECT_EQ(ReadFile(path), "0,1,2000,11,31,2003,XYZ\n" + QuoteLines(rows));
}

// The quote server's shipped symbols, as the run script serves them: the
// dotted one in pages, a plain one of many pages' rows whole.
TEST_F(DownloadTest, TheShippedSymbolsDownloadWhole) {
    if (TodayDate() < CalendarDay{2025, 11, 31}) GTEST_SKIP() << "the shipped tables reach December 2025";
    quote_server::Options options;
    options.folder = ShippedQuoteService();
    LocalQuoteServer server(options);
    StartWith(server.Url("/"));
    struct Case {
        const char* symbol;
        std::vector<int> offsets;
    } cases[] = {{"VLMR.DE", {0, 200, 400}}, {"NRDQ", {0}}, {"KSTL.OB", {0}}};
    size_t requests = 0;
    for (const Case& c : cases) {
        const std::string path = dir_.File(std::string(c.symbol) + ".zrq");
        EXPECT_TRUE(Download(path, c.symbol, {2000, 0, 1}, {2025, 11, 31}).done) << c.symbol;
        const std::vector<int> offsets = Offsets(server);
        EXPECT_EQ(std::vector<int>(offsets.begin() + static_cast<long>(requests), offsets.end()), c.offsets)
            << c.symbol;
        requests = offsets.size();
        EXPECT_EQ(ReadFile(path), "0,1,2000,11,31,2025," + std::string(c.symbol) + "\n" + ShippedRows(c.symbol))
            << c.symbol;
    }
}

TEST_F(DownloadTest, TheSymbolIsPercentEncodedAndTheDatesNormalised) {
    LocalQuoteServer server;
    server.WriteSymbol("^G SPC", MakeQuoteRows(3, 20030305));
    StartWith(server.Url("/"));

    // February 30 is March 1.
    EXPECT_TRUE(Download(dir_.File("g.zrq"), "^G SPC", {2003, 1, 30}, {2003, 2, 5}).done);

    ASSERT_EQ(server.Log().size(), 1u);
    EXPECT_EQ(server.Log()[0].target,
              "/table.csv?a=2&b=1&c=2003&d=2&e=5&f=2003&s=%5EG%20SPC&y=0&g=d&ignore=.csv");
    EXPECT_EQ(ReadFile(dir_.File("g.zrq")).substr(0, 24), "2,1,2003,2,5,2003,^G SPC");
}

TEST_F(DownloadTest, AnEndDateOfTodayBecomesTheNewestRowsDate) {
    LocalQuoteServer server;
    const int newest = DaysAgo(3);
    server.WriteSymbol("XYZ", MakeQuoteRows(5, newest));
    StartWith(server.Url("/"));
    const CalendarDay today = TodayDate(), last = CalendarDayOf(newest);

    EXPECT_TRUE(Download(dir_.File("x.zrq"), "XYZ", {2000, 0, 1}, today).done);

    const std::string header = ReadFile(dir_.File("x.zrq")).substr(0, ReadFile(dir_.File("x.zrq")).find('\n'));
    EXPECT_EQ(header, "0,1,2000," + std::to_string(last.Month0) + "," + std::to_string(last.Day) + "," +
                          std::to_string(last.Year) + ",XYZ");
}

TEST_F(DownloadTest, AnEmptyReplyWritesNoFile) {
    LocalQuoteServer server;
    server.WriteSymbol("XYZ", {});
    StartWith(server.Url("/"));
    const std::string path = WriteFile("old.zrq", "old contents\n");

    const ProgressLook look = Download(path, "XYZ", {2003, 0, 1}, {2003, 11, 5});

    EXPECT_TRUE(look.done);
    EXPECT_EQ(look.arrived, "No quotes arrived.");
    EXPECT_EQ(ReadFile(path), "old contents\n");
    EXPECT_EQ(form_->PageOffset, -1);
}

// A reply whose rows the stock quote file reader would refuse writes no
// file: "Done." is never shown for a file that does not open.
TEST_F(DownloadTest, RowsTheFileReaderRefusesWriteNoFile) {
    const std::string longClose = std::string(146, '0') + "1.50";  // 150 characters
    const std::vector<std::string> odds = {"1.25,1.75,1.00,1.50,5000001.0", "57.79.,1.75,1.00,1.50,5000001",
                                           "1.2.3,1.75,1.00,1.50,5000001", "1.25,1.75,1.00,1.50,18446744073709551616",
                                           "1.25,1.75,1.00," + longClose + ",5000001"};
    for (const std::string& odd : odds) {
        LocalQuoteServer server;
        std::vector<std::string> rows = MakeQuoteRows(5, 20031205);
        rows[3] = rows[3].substr(0, rows[3].find(',') + 1) + odd;
        server.WriteSymbol("XYZ", rows);
        StartWith(server.Url("/"));
        const std::string path = dir_.File("x.zrq");

        const ProgressLook look = Download(path, "XYZ", {2003, 0, 1}, {2003, 11, 5});

        EXPECT_FALSE(look.done) << odd;
        EXPECT_EQ(look.status, "The reply holds no stock quotes.") << odd;
        EXPECT_FALSE(std::filesystem::exists(path)) << odd;
        FinishAll();
    }
}

TEST_F(DownloadTest, TheDialogRefusesWrongEntriesAndStaysOpen) {
    LocalQuoteServer server;
    StartWith(server.Url("/"));
    const CalendarDay today = TodayDate();
    // The lists start on today and reach this year.
    EXPECT_EQ(fDlQuotes->ToYear->GetText(), std::to_string(today.Year).c_str());
    EXPECT_EQ(ComboItems(fDlQuotes->FromYear).front(), "1970");
    EXPECT_EQ(ComboItems(fDlQuotes->FromMonth)[5], "June ");
    EXPECT_EQ(ComboItems(fDlQuotes->ToDay).size(), 31u);

    AnswerNextFileDialog(dir_.File("q.txt").c_str());
    AnswerNextModalForm([&](TCustomForm*) {
        AnswerMessage(IDOK);
        FillDownload("", {2003, 0, 1}, {2003, 11, 5});
        EXPECT_EQ(MessageText(), "You must input a symbol name.\nPlease try again.");
        AnswerMessage(IDOK);
        FillDownload("XYZ", {2003, 5, 2}, {2003, 5, 1});
        EXPECT_EQ(MessageText(), "You must choose succesive dates.\nPlease try again.");
        if (!(today.Month0 == 11 && today.Day == 31)) {
            AnswerMessage(IDOK);
            FillDownload("XYZ", {today.Year, 11, 31}, {today.Year, 11, 31});
            EXPECT_EQ(MessageText(), "The time interval you have chosen has\nnot yet occured. Please try again.");
        }
        EXPECT_TRUE(fDlQuotes->GetVisible());
        MouseClick(fDlQuotes->SeSkinButton1, 5, 5);
    });
    form_->FindMenuItem("Quotes", "Download Quotes")->Click();

    EXPECT_EQ(form_->DownloadPath, dir_.File("q.txt.zrq").c_str());
    EXPECT_TRUE(server.Log().empty());
}

TEST_F(DownloadTest, CancelInTheSaveDialogEndsTheCommand) {
    LocalQuoteServer server;
    StartWith(server.Url("/"));
    CancelNextFileDialog();
    form_->FindMenuItem("Quotes", "Download Quotes")->Click();
    EXPECT_TRUE(server.Log().empty());
}

// The bar follows the bytes received over the length the reply announced
// (it once cycled by packets, standing at 70 % with 7 % received), and an
// interim "100 Continue" before the reply is skipped.
TEST_F(DownloadTest, TheBarFollowsTheBytesAndAnInterimReplyIsSkipped) {
    const std::string body = std::string(kQuoteHeading) + "\n" + QuoteLines(MakeQuoteRows(40, 20031205));
    const int tenth = static_cast<int>(body.size()) / 10, half = static_cast<int>(body.size()) / 2;
    PacedServer server({"HTTP/1.1 100 Continue\r\n\r\n",
                        "HTTP/1.0 200 OK\r\nContent-Length: " + std::to_string(body.size()) + "\r\n\r\n" +
                            body.substr(0, tenth),
                        body.substr(tenth, half - tenth), body.substr(half)});
    server.SendNext();
    server.SendNext();
    StartWith(server.Url(""));
    // Each part's end noted as the bar stood then; only then is the next one sent.
    std::vector<int> positions;
    form_->HTTPSocket->OnPacketRecvd = TNotifyEvent([&](TObject* Sender) {
        form_->HTTPSocketPacketRecvd(Sender);
        const int received = form_->HTTPSocket->GetBody().Length();
        if (received != tenth && received != half) return;
        positions.push_back(fHttpProgress->SeSkinProgressBar1->GetPosition());
        server.SendNext();
    });
    EXPECT_TRUE(Download(dir_.File("xyz.zrq"), "XYZ", {2003, 0, 1}, {2003, 11, 5}).done);
    EXPECT_EQ(positions, (std::vector<int>{99 * tenth / static_cast<int>(body.size()),
                                           99 * half / static_cast<int>(body.size())}));
    EXPECT_EQ(ReadFile(dir_.File("xyz.zrq")), "0,1,2003,11,5,2003,XYZ\n" + QuoteLines(MakeQuoteRows(40, 20031205)));
}

TEST_F(DownloadTest, DaysAfterAndBeforeAMonthsEnd) {
    struct Case {
        CalendarDay in, out;
    } cases[] = {{{2003, 1, 30}, {2003, 2, 1}}, {{2003, 1, 29}, {2003, 2, 1}}, {{2004, 1, 29}, {2004, 1, 29}},
                 {{2004, 1, 30}, {2004, 2, 1}}, {{2003, 3, 31}, {2003, 4, 1}}, {{2003, 11, 32}, {2004, 0, 1}},
                 {{2003, 4, 31}, {2003, 4, 31}}};
    for (const Case& c : cases) {
        CalendarDay d = c.in;
        normalizeNextDay(d.Month0, d.Day, d.Year);
        EXPECT_EQ(d, c.out) << c.in.Year << "-" << c.in.Month0 << "-" << c.in.Day;
    }
    TOriginalForm1& form = *Start();
    const CalendarDay steps[][2] = {{{2004, 2, 1}, {2004, 1, 29}}, {{2003, 2, 1}, {2003, 1, 28}},
                                    {{2003, 0, 1}, {2002, 11, 31}}, {{2003, 5, 1}, {2003, 4, 31}},
                                    {{2003, 4, 1}, {2003, 3, 30}},  {{2003, 4, 9}, {2003, 4, 8}}};
    for (const auto& step : steps) {
        form.ToYear = static_cast<Word>(step[0].Year);
        form.ToMonth0 = static_cast<Word>(step[0].Month0);
        form.ToDay = static_cast<Word>(step[0].Day);
        stepPreviousDay();
        EXPECT_EQ((CalendarDay{form.ToYear, form.ToMonth0, form.ToDay}), step[1]);
    }
}

// The program and the quote server agree on which symbols come in pages:
// asked as the program asks (the symbol %-encoded), the server cuts a
// 250-row table to a page exactly for the symbols the program pages.
TEST(QuoteDatesTest, PagedSymbolsAndTheQuoteServerAgree) {
    const std::vector<const char*> paged = {"ABC.L", "ABC.TO", "a.b", "^G SPC.DE", "x&y.l"};
    const std::vector<const char*> plain = {"ABC.OB", "abc.ob", "ABC", "ABC.TOR", "BRK-B", "A B.TOR", "AB."};
    for (const char* symbol : paged) EXPECT_TRUE(isPagedSymbol(symbol)) << symbol;
    for (const char* symbol : plain) EXPECT_FALSE(isPagedSymbol(symbol)) << symbol;
    EXPECT_FALSE(isPagedSymbol(".L"));
    EXPECT_FALSE(isPagedSymbol(""));

    LocalQuoteServer server;
    std::unique_ptr<TNMHTTP> http(new TNMHTTP(nullptr));
    for (const auto* symbols : {&paged, &plain}) {
        for (const char* symbol : *symbols) {
            server.WriteSymbol(symbol, MakeQuoteRows(250));
            http->Get(AnsiString(server.Url("/table.csv?a=0&b=1&c=1970&d=11&e=31&f=2010&s=")) + UrlEncode(symbol) +
                      "&y=0&g=d&ignore=.csv");
            const std::vector<std::string> rows = ParseQuoteReply(http->GetBody().str()).value();
            EXPECT_EQ(rows.size(), isPagedSymbol(symbol) ? 200u : 250u) << symbol;
        }
    }
}
