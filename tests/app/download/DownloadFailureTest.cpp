// Transfers that fail: the old file stays byte for byte, the progress
// dialog tells what went wrong and its OK closes it.
#include <filesystem>
#include <random>

#include "app/download/QuoteDownloadFixture.h"
#include "app/download/httpprogress.h"
#include "app/quotes/quotereply.h"
#include "net/NmHttp.h"
#include "platform/controls/ExtCtrls.h"
#include "platform/controls/Messages.h"
#include "platform/runtime/TickClock.h"
#include "support/PacedServer.h"
#include "net/TimeAfterSending.h"

namespace {

const char* const kOldFile = "0,1,2003,10,28,2003,XYZ\n28-Nov-03,1,2,0.5,1.5,100\n";

}  // namespace

class DownloadFailureTest : public QuoteDownloadTest {
protected:
    // Updates the old file from a server with these options; its look.
    ProgressLook UpdateFrom(quote_server::Options Options) {
        LocalQuoteServer server(std::move(Options));
        server.WriteSymbol("XYZ", MakeQuoteRows(10, 20031205));
        StartWith(server.Url("/"));
        path_ = WriteFile("xyz.zrq", kOldFile);
        return Update(path_);
    }
    void ExpectFailure(const ProgressLook& Look, const std::string& Status) {
        EXPECT_EQ(Look.caption, "Download failed");
        EXPECT_EQ(Look.status, Status);
        EXPECT_FALSE(Look.done);
        EXPECT_TRUE(Look.okEnabled);
        EXPECT_EQ(ReadFile(path_), kOldFile);
        EXPECT_FALSE(fHttpProgress->GetVisible());
        ExpectIdleProgress();
    }
    void ExpectTimeout(const ProgressLook& Look) {
        EXPECT_EQ(Look.caption, "Timeout");
        EXPECT_EQ(Look.status, "Download timed out.");
        EXPECT_TRUE(Look.hint);
        EXPECT_FALSE(Look.done);
        EXPECT_EQ(ReadFile(path_), kOldFile);
        ExpectIdleProgress();
    }
    std::string path_;
};

TEST_F(DownloadFailureTest, ErrorRepliesShowTheirStatus) {
    for (int status : {404, 500}) {
        quote_server::Options options;
        options.status = status;
        const ProgressLook look = UpdateFrom(options);
        ExpectFailure(look, status == 404 ? "HTTP error 404: Not Found" : "HTTP error 500: Internal Server Error");
        EXPECT_FALSE(form_->Updating);
        FinishAll();
    }
}

TEST_F(DownloadFailureTest, AnHtmlPageIsNoQuotes) {
    quote_server::Options options;
    options.html = true;
    ExpectFailure(UpdateFrom(options), "The reply holds no stock quotes.");
}

TEST_F(DownloadFailureTest, ARedirectLoopEnds) {
    quote_server::Options options;
    options.redirectLoop = true;
    const ProgressLook look = UpdateFrom(options);
    EXPECT_EQ(look.caption, "Download failed");
    EXPECT_EQ(ReadFile(path_), kOldFile);
    ExpectIdleProgress();
}

// A refused or broken-off connection is no time-out: it says so, with the
// service's address under it.
TEST_F(DownloadFailureTest, ARefusedOrBrokenConnectionSaysSo) {
    int port = 0;
    {
        LocalQuoteServer gone;
        port = gone.Port();
    }
    StartWith("http://127.0.0.1:" + std::to_string(port));
    path_ = WriteFile("xyz.zrq", kOldFile);
    ProgressLook look = Update(path_);
    ExpectFailure(look, "The connection was refused.");
    EXPECT_EQ(look.hintText, "Quote service: 127.0.0.1:" + std::to_string(port));
    FinishAll();

    quote_server::Options options;
    options.reset = true;
    look = UpdateFrom(options);
    ExpectFailure(look, "The connection was broken off.");
    EXPECT_EQ(look.hintText.rfind("Quote service: 127.0.0.1:", 0), 0u) << look.hintText;
}

TEST_F(DownloadFailureTest, AStallingServerTimesOut) {
    quote_server::Options options;
    options.stallMs = 600000;  // for ever: the server's destructor ends it
    LocalQuoteServer server(options);
    StartWith(server.Url("/"));
    form_->HTTPSocket->SetTimeOut(300);
    TimeAfterSending time(*form_->HTTPSocket, 10);
    path_ = WriteFile("xyz.zrq", kOldFile);
    ExpectTimeout(Update(path_));
    EXPECT_GE(TickCount() - time.SentAt(), 300) << "not before the time-out";
}

// A reply without an end is stopped once the transfer holds 32 MB.
TEST_F(DownloadFailureTest, AnEndlessReplyIsStoppedAtTheLimit) {
    quote_server::Options options;
    options.endless = true;
    ExpectFailure(UpdateFrom(options), "The reply is larger than 32 MB and was stopped.");
}

// A server trickling a byte at a time never lets the per-packet time-out
// fire: the whole transfer has a limit of its own, and the user may cancel
// it with Escape or the close button. Time moves 100 ms at every pass of
// message handling.
TEST_F(DownloadFailureTest, ATricklingTransferEndsAtItsLimitOrWhenCancelled) {
    enum Stop { byLimit, byEscape, byClose };
    for (Stop stop : {byLimit, byEscape, byClose}) {
        {
            quote_server::Options options;
            options.endless = true;
            options.drip = true;
            LocalQuoteServer server(options);
            StartWith(server.Url("/"));
            form_->HTTPSocket->SetTimeOut(0);  // only the transfer's own limit
            TimeAfterSending time(*form_->HTTPSocket, 100);
            TTimer user(nullptr);
            user.SetInterval(5000);
            user.OnTimer = TNotifyEvent([&](TObject*) {
                user.SetEnabled(false);
                if (stop == byEscape) PressKey(fHttpProgress, VK_ESCAPE);
                if (stop == byClose) CloseWindow(fHttpProgress);
                EXPECT_TRUE(fHttpProgress->GetVisible()) << "the dialog stays to say why";
            });
            user.SetEnabled(stop != byLimit);
            path_ = WriteFile("xyz.zrq", kOldFile);

            // One day asked for: two minutes and 32 ms.
            const ProgressLook look = Download(path_, "XYZ", {2003, 11, 4}, {2003, 11, 5});

            const long long taken = TickCount() - time.SentAt();
            if (stop == byLimit) {
                EXPECT_EQ(look.caption, "Timeout");
                EXPECT_EQ(look.status, "The download took longer than 2 minutes and was stopped.");
                EXPECT_GE(taken, 120032 - 100);
            } else {
                EXPECT_EQ(look.caption, "Download cancelled");
                EXPECT_EQ(look.status, "The download was cancelled.");
                EXPECT_LT(taken, 120000);
            }
            EXPECT_FALSE(look.done);
            EXPECT_FALSE(look.hint);
            EXPECT_EQ(ReadFile(path_), kOldFile);
            EXPECT_FALSE(fHttpProgress->GetVisible());
            ExpectIdleProgress();
        }
        FinishAll();
    }
}

TEST_F(DownloadFailureTest, ARedirectIsFollowed) {
    LocalQuoteServer target;
    target.WriteSymbol("XYZ", MakeQuoteRows(3, 20031205));
    quote_server::Options options;
    options.redirectTo = target.Url("");
    LocalQuoteServer server(options);
    StartWith(server.Url("/"));
    const ProgressLook look = Download(dir_.File("xyz.zrq"), "XYZ", {2003, 0, 1}, {2003, 11, 5});
    EXPECT_TRUE(look.done);
    EXPECT_EQ(ReadFile(dir_.File("xyz.zrq")), "0,1,2003,11,5,2003,XYZ\n" + QuoteLines(MakeQuoteRows(3, 20031205)));
    EXPECT_EQ(target.Log().size(), 1u);
}

TEST_F(DownloadFailureTest, AServiceIgnoringThePagingKeyIsAskedNoMore) {
    for (int count : {450, 200}) {
        quote_server::Options options;
        options.paging = quote_server::Paging::Never;
        LocalQuoteServer server(options);
        const std::vector<std::string> rows = MakeQuoteRows(count, 20031205);
        server.WriteSymbol("ABC.L", rows);
        StartWith(server.Url("/"));
        const std::string path = dir_.File("abc" + std::to_string(count) + ".zrq");
        const ProgressLook look = Download(path, "ABC.L", {2000, 0, 1}, {2003, 11, 31});
        EXPECT_TRUE(look.done);
        // What arrived is shown, so a short answer is seen as one.
        EXPECT_EQ(look.arrived, std::to_string(count) + " quotes, " + rows.back().substr(0, rows.back().find(',')) +
                                    " to 5-Dec-03");
        // A longer page says the key was ignored; a repeated one too.
        EXPECT_EQ(Offsets(server), (count == 450 ? std::vector<int>{0} : std::vector<int>{0, 200}));
        EXPECT_EQ(ReadFile(path), "0,1,2000,11,31,2003,ABC.L\n" + QuoteLines(rows));
        FinishAll();
    }
}

TEST_F(DownloadFailureTest, AServicePagingAPlainSymbolIsAskedOnce) {
    quote_server::Options options;
    options.paging = quote_server::Paging::EverySymbol;
    LocalQuoteServer server(options);
    const std::vector<std::string> rows = MakeQuoteRows(521, 20031205);
    server.WriteSymbol("XYZ", rows);
    StartWith(server.Url("/"));
    const std::string path = dir_.File("xyz.zrq");

    EXPECT_TRUE(Download(path, "XYZ", {2000, 0, 1}, {2003, 11, 31}).done);

    // A plain symbol's first reply is its whole answer, however it was cut.
    EXPECT_EQ(Offsets(server), std::vector<int>{0});
    EXPECT_EQ(ReadFile(path), "0,1,2000,11,31,2003,XYZ\n" + QuoteLines(rows, 0, 200));
}

// Timers fire between the packets of a transfer: the server sends the rest
// of the reply only once a timer has fired after the first packet.
TEST_F(DownloadFailureTest, TheWindowStaysLiveDuringASlowTransfer) {
    const std::vector<std::string> rows = MakeQuoteRows(3, 20031205);
    // Appended, not a chain of operator+ from a literal: GCC 12 warns
    // (-Wrestrict) inside the standard library on that at -O3.
    std::string body(kQuoteHeading);
    body.append("\n").append(QuoteLines(rows));
    const std::string reply = quote_server::Reply(200, "text/csv", body);
    const std::size_t firstRowEnd = reply.find('\n', reply.find(rows[0])) + 1;
    PacedServer server({reply.substr(0, firstRowEnd), reply.substr(firstRowEnd)});
    server.SendNext();
    StartWith(server.Url("/"));
    TimeAfterSending time(*form_->HTTPSocket, 10);
    int ticks = 0, ticksAtFirstPacket = -1, ticksAtLastPacket = -1;
    TTimer timer(nullptr);
    timer.SetInterval(5);
    bool restSent = false;
    timer.OnTimer = TNotifyEvent([&](TObject*) {
        ++ticks;
        if (ticksAtFirstPacket < 0 || restSent) return;
        restSent = true;
        time.Stop();  // no time-out while the rest comes, however long that takes
        server.SendNext();
    });
    form_->HTTPSocket->OnPacketRecvd = TNotifyEvent([&](TObject* Sender) {
        if (ticksAtFirstPacket < 0) ticksAtFirstPacket = ticks;
        ticksAtLastPacket = ticks;
        form_->HTTPSocketPacketRecvd(Sender);
    });

    EXPECT_TRUE(Download(dir_.File("x.zrq"), "XYZ", {2003, 0, 1}, {2003, 11, 5}).done);

    timer.SetEnabled(false);
    EXPECT_GT(ticksAtLastPacket, ticksAtFirstPacket);
    EXPECT_EQ(ReadFile(dir_.File("x.zrq")).size(), 23 + rows[0].size() + rows[1].size() + rows[2].size() + 3);
}

// Random and cut-short replies never crash the reply check, and a reply it
// takes holds only quote rows, which a cut can only have ended at a line end.
TEST(QuoteReplyTest, RandomAndTruncatedRepliesAreCheckedSafely) {
    std::string whole = "Date,Open,High,Low,Close,Volume\n";
    const std::vector<std::string> rows = MakeQuoteRows(20, 20031205);
    for (const std::string& row : rows) whole += row + "\n";
    ASSERT_EQ(ParseQuoteReply(whole), rows);
    for (size_t cut = 0; cut < whole.size(); ++cut) {
        const auto taken = ParseQuoteReply(whole.substr(0, cut));
        if (!taken) continue;
        EXPECT_TRUE(cut == 0 || whole[cut - 1] == '\n') << cut;
        EXPECT_EQ(*taken, std::vector<std::string>(rows.begin(), rows.begin() + taken->size()));
    }
    std::mt19937 random(7);
    const std::string alphabet = "Date,0123456789.-\n\rJanDec<html>x ";
    for (int round = 0; round < 3000; ++round) {
        std::string body = round % 2 ? "Date,Open\n" : "";
        const int length = static_cast<int>(random() % 80);
        for (int i = 0; i < length; ++i) body += alphabet[random() % alphabet.size()];
        if (const auto taken = ParseQuoteReply(body)) {
            for (const std::string& row : *taken) EXPECT_TRUE(IsQuoteRow(row)) << row;
        }
    }
    EXPECT_FALSE(ParseQuoteReply("<html><body>No such page</body></html>\n"));
    EXPECT_FALSE(ParseQuoteReply("Date,Open\n5-Dec-03,1,2,0.5,1.5\n"));
    EXPECT_FALSE(ParseQuoteReply("Date,Open\n45-Dec-03,1,2,0.5,1.5,10\n"));
    EXPECT_EQ(ParseQuoteReply("Date,Open\n"), std::vector<std::string>{});
}

TEST_F(DownloadFailureTest, EscapeClosesTheProgressDialogOnlyOnceATransferHasEnded) {
    LocalQuoteServer server;
    StartWith(server.Url("/"));
    bool stayed = false;
    AnswerNextModalForm([&](TCustomForm* Dialog) {
        PressKey(Dialog, VK_ESCAPE);
        Application->ProcessMessages();
        stayed = Dialog->GetVisible() && Dialog->GetModalResult() == mrNone;
        showDownloadFailure("The reply holds no stock quotes.");
        PressKey(Dialog, VK_ESCAPE);
    });
    fHttpProgress->SeSkinButton1->SetEnabled(false);
    EXPECT_EQ(fHttpProgress->ShowModal(), mrOk);
    EXPECT_TRUE(stayed);
    ExpectIdleProgress();
}
