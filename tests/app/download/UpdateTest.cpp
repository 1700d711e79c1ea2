// Update Quotes end to end against the local quote server.
#include <filesystem>
#include <fstream>

#include <sys/stat.h>
#include <unistd.h>

#include "app/download/QuoteDownloadFixture.h"
#include "app/quotes/quotefile.h"
#include "platform/host/Dialogs.h"

class UpdateTest : public QuoteDownloadTest {};

TEST_F(UpdateTest, AnUpdateAddsTheNewRowsBeforeTheOldOnes) {
    LocalQuoteServer server;
    const std::vector<std::string> rows = MakeQuoteRows(10, 20031205);
    server.WriteSymbol("XYZ", rows);
    StartWith(server.Url("/"));
    // Old rows of any length are kept.
    const std::string longRow = "1-Dec-03,1,2,0.5,1.5," + std::string(300, '7');
    const std::string path = WriteFile("xyz.zrq", "0,1,2003,11,1,2003,XYZ\n" + longRow + "\n" + QuoteLines(rows, 5));

    const ProgressLook look = Update(path);

    EXPECT_TRUE(look.done);
    EXPECT_EQ(look.arrived, "4 quotes, 2-Dec-03 to 5-Dec-03");
    EXPECT_EQ(form_->SaveDialog1->GetTitle(), "Update Stock Quote File");
    const CalendarDay today = TodayDate();
    ASSERT_EQ(server.Log().size(), 1u);
    EXPECT_EQ(server.Log()[0].target, "/table.csv?a=11&b=2&c=2003&d=" + std::to_string(today.Month0) +
                                          "&e=" + std::to_string(today.Day) + "&f=" + std::to_string(today.Year) +
                                          "&s=XYZ&y=0&g=d&ignore=.csv");
    // The end date is the newest row's, so the next update misses no day.
    EXPECT_EQ(ReadFile(path), "0,1,2003,11,5,2003,XYZ\n" + QuoteLines(rows, 0, 4) + longRow + "\n" + QuoteLines(rows, 5));
    ExpectIdleProgress();
}

TEST_F(UpdateTest, APagedUpdatePutsItsPagesBeforeTheOldRows) {
    LocalQuoteServer server;
    const std::vector<std::string> rows = MakeQuoteRows(300, 20031205);
    server.WriteSymbol("ABC.L", rows);
    StartWith(server.Url("/"));
    // The file ends on the day before the 250 newest rows.
    const std::string path =
        WriteFile("abc.zrq", "0,1,2002,2,30,2003,ABC.L\n" + QuoteLines(rows, 250));
    ASSERT_EQ(rows[250].substr(0, 9), "30-Mar-03");

    EXPECT_TRUE(Update(path).done);

    EXPECT_EQ(Offsets(server), (std::vector<int>{0, 200}));
    EXPECT_EQ(ReadFile(path), "0,1,2002,11,5,2003,ABC.L\n" + QuoteLines(rows));
}

// Updating a shipped sample from the shipped quote server brings it up to
// the server's table, which carries the sample's days on.
TEST_F(UpdateTest, TheShippedSamplesUpdateFromTheShippedService) {
    if (TodayDate() < CalendarDay{2025, 11, 8}) GTEST_SKIP() << "the shipped tables reach December 2025";
    quote_server::Options options;
    options.folder = ShippedQuoteService();
    LocalQuoteServer server(options);
    StartWith(server.Url("/"));
    const std::string samples = ShippedQuoteService() + "/../samples/";
    struct Case {
        const char* symbol;
        const char* header;  // the newest shipped day's
    } cases[] = {{"NRDQ", "0,2,2014,11,8,2025,NRDQ\n"}, {"trvx", "2,1,2024,1,25,2025,trvx\n"}};
    for (const Case& c : cases) {
        const std::string sample = ReadFile(samples + c.symbol + ".zrq");
        ASSERT_FALSE(sample.empty()) << c.symbol;
        const std::string path = WriteFile(std::string(c.symbol) + ".zrq", sample);

        EXPECT_TRUE(Update(path).done) << c.symbol;

        EXPECT_EQ(ReadFile(path), c.header + ShippedRows(c.symbol)) << c.symbol;
    }
    EXPECT_EQ(Offsets(server), (std::vector<int>{0, 0}));
}

TEST_F(UpdateTest, NothingNewLeavesTheFileAsItWas) {
    LocalQuoteServer server;
    const std::vector<std::string> rows = MakeQuoteRows(5, 20031205);
    server.WriteSymbol("XYZ", rows);
    StartWith(server.Url("/"));
    const std::string old = "0,1,2003,11,5,2003,XYZ\r\n" + QuoteLines(rows);
    const std::string path = WriteFile("xyz.zrq", old);

    const ProgressLook look = Update(path);

    EXPECT_TRUE(look.done);
    EXPECT_EQ(look.arrived, "No new quotes.");
    EXPECT_EQ(ReadFile(path), old);
    EXPECT_EQ(form_->PageOffset, -1);
}

// A file that opened before an update still opens after it: new rows that
// the file reader would refuse are not written.
TEST_F(UpdateTest, NewRowsTheFileReaderRefusesLeaveTheFileAsItWas) {
    LocalQuoteServer server;
    std::vector<std::string> rows = MakeQuoteRows(10, 20031205);
    rows[1] += ".0";  // a volume "5000001.0"
    server.WriteSymbol("XYZ", rows);
    StartWith(server.Url("/"));
    const std::string old = "0,1,2003,11,1,2003,XYZ\n" + QuoteLines(rows, 5);
    const std::string path = WriteFile("xyz.zrq", old);
    linkedList quotes;
    ASSERT_EQ(loadQuoteFile(path.c_str(), quotes).QuoteCount, 5);

    const ProgressLook look = Update(path);

    EXPECT_FALSE(look.done);
    EXPECT_EQ(look.status, "The reply holds no stock quotes.");
    EXPECT_EQ(ReadFile(path), old);
    EXPECT_EQ(loadQuoteFile(path.c_str(), quotes).QuoteCount, 5);
}

// A header whose numbers are no date is no stock quote file: no request
// is built from it.
TEST_F(UpdateTest, AHeaderWithoutAValidEndDateIsRefused) {
    LocalQuoteServer server;
    StartWith(server.Url("/"));
    for (const char* header : {"0,1,2003,4,2147483647,2003,XYZ", "0,1,2003,12,5,2003,XYZ", "0,1,2003,4,0,2003,XYZ",
                               "0,1,2003,4,32,2003,XYZ", "0,1,2003,4,5,203,XYZ", "0,1,2003,4,5,20030,XYZ",
                               "0,1,2003,4,5,2147483647,XYZ", "12,1,2003,4,5,2003,XYZ", "0,32,2003,4,5,2003,XYZ"}) {
        const std::string text = std::string(header) + "\n5-May-03,1,2,0.5,1.5,100\n";
        const std::string path = WriteFile("odd.zrq", text);
        AnswerNextFileDialog(path.c_str());
        AnswerMessage(IDOK);
        form_->FindMenuItem("Quotes", "Update Quotes")->Click();

        EXPECT_EQ(MessageText(), ("The file " + path + " is not a stock quote file.").c_str()) << header;
        EXPECT_FALSE(form_->Updating) << header;
        EXPECT_EQ(ReadFile(path), text) << header;
    }
    EXPECT_TRUE(server.Log().empty());
}

TEST_F(UpdateTest, AFileWithoutAHeaderIsRefused) {
    LocalQuoteServer server;
    StartWith(server.Url("/"));
    const std::string path = WriteFile("odd.zrq", "not a quote file\n");
    AnswerNextFileDialog(path.c_str());
    AnswerMessage(IDOK);
    form_->FindMenuItem("Quotes", "Update Quotes")->Click();

    EXPECT_EQ(MessageText(), ("The file " + path + " is not a stock quote file.").c_str());
    EXPECT_TRUE(server.Log().empty());
    EXPECT_EQ(ReadFile(path), "not a quote file\n");
}

TEST_F(UpdateTest, AFileThatIsNotThereCannotBeOpened) {
    LocalQuoteServer server;
    StartWith(server.Url("/"));
    const std::string path = dir_.File("missing.zrq");
    AnswerNextFileDialog(path.c_str());
    AnswerMessage(IDOK);
    form_->FindMenuItem("Quotes", "Update Quotes")->Click();

    EXPECT_EQ(MessageText(), ("The file " + path + " cannot be read: it does not exist.").c_str());
    EXPECT_EQ(MessageCaption(), "Error");
    EXPECT_TRUE(server.Log().empty());
    EXPECT_FALSE(form_->Updating);
    EXPECT_FALSE(std::filesystem::exists(path)) << "nothing written";
}

// The updated file stays the user's file: what a link leads to is written and
// the link stays; permission bits and owner are kept.
TEST_F(UpdateTest, AnUpdateThroughALinkWritesTheFileItLeadsTo) {
    LocalQuoteServer server;
    const std::vector<std::string> rows = MakeQuoteRows(10, 20031205);
    server.WriteSymbol("XYZ", rows);
    StartWith(server.Url("/"));
    std::filesystem::create_directory(dir_.File("data"));
    const std::string target = WriteFile("data/xyz.zrq", "0,1,2003,11,1,2003,XYZ\n" + QuoteLines(rows, 4));
    std::filesystem::permissions(target, std::filesystem::perms(0640));
    const std::string link = dir_.File("xyz.zrq");
    std::filesystem::create_symlink("data/xyz.zrq", link);

    EXPECT_TRUE(Update(link).done);

    ASSERT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(std::filesystem::read_symlink(link), "data/xyz.zrq");
    EXPECT_EQ(ReadFile(target), "0,1,2003,11,5,2003,XYZ\n" + QuoteLines(rows));
    EXPECT_EQ(std::filesystem::status(target).permissions(), std::filesystem::perms(0640));
    for (const char* folder : {"", "data"})
        for (const auto& entry : std::filesystem::directory_iterator(dir_.File(folder)))
            EXPECT_NE(entry.path().extension(), ".part") << "left behind: " << entry.path();
}

TEST_F(UpdateTest, AnUpdatedFileKeepsItsPermissionsAndOwner) {
    LocalQuoteServer server;
    const std::vector<std::string> rows = MakeQuoteRows(10, 20031205);
    server.WriteSymbol("XYZ", rows);
    StartWith(server.Url("/"));
    const std::string path = WriteFile("xyz.zrq", "0,1,2003,11,1,2003,XYZ\n" + QuoteLines(rows, 4));
    std::filesystem::permissions(path, std::filesystem::perms(0604));
    // Only root may hand a file to somebody else, so only root's test does.
    const bool root = geteuid() == 0;
    if (root) {
        ASSERT_EQ(chown(path.c_str(), 4321, 4322), 0);
    }
    struct stat before {};
    ASSERT_EQ(stat(path.c_str(), &before), 0);

    EXPECT_TRUE(Update(path).done);

    EXPECT_EQ(ReadFile(path), "0,1,2003,11,5,2003,XYZ\n" + QuoteLines(rows));
    struct stat after {};
    ASSERT_EQ(stat(path.c_str(), &after), 0);
    EXPECT_EQ(after.st_mode & 0777, 0604u);
    EXPECT_EQ(after.st_uid, before.st_uid);
    EXPECT_EQ(after.st_gid, before.st_gid);
    EXPECT_NE(after.st_ino, before.st_ino) << "written beside and renamed into place";
}

// A file without write permission is refused before anything is asked of the
// service, as an editor refuses it: for root too.
TEST_F(UpdateTest, AReadOnlyFileIsRefused) {
    LocalQuoteServer server;
    const std::vector<std::string> rows = MakeQuoteRows(10, 20031205);
    server.WriteSymbol("XYZ", rows);
    StartWith(server.Url("/"));
    const std::string old = "0,1,2003,11,1,2003,XYZ\n" + QuoteLines(rows, 5);
    std::filesystem::create_directory(dir_.File("data"));
    const std::string target = WriteFile("data/xyz.zrq", old);
    std::filesystem::permissions(target, std::filesystem::perms(0444));
    const std::string link = dir_.File("link.zrq");
    std::filesystem::create_symlink(target, link);

    for (const std::string& path : {target, link}) {
        AnswerNextFileDialog(path.c_str());
        AnswerMessage(IDOK);
        form_->FindMenuItem("Quotes", "Update Quotes")->Click();

        EXPECT_EQ(MessageText(), ("The file " + path + " is read-only and cannot be updated.").c_str());
        EXPECT_EQ(MessageCaption(), "Error");
        EXPECT_FALSE(form_->Updating);
    }
    EXPECT_TRUE(server.Log().empty());
    EXPECT_EQ(ReadFile(target), old);
    EXPECT_EQ(std::filesystem::status(target).permissions(), std::filesystem::perms(0444));
    EXPECT_TRUE(std::filesystem::is_symlink(link));
}

// A service address written into the settings file by hand, with a comma and
// a semicolon in it, is asked as it stands.
TEST_F(UpdateTest, AServiceAddressWrittenByHandIsUsedAsWritten) {
    LocalQuoteServer server;
    server.WriteSymbol("XYZ", MakeQuoteRows(10, 20031205));
    {
        const std::filesystem::path folder = std::filesystem::path(std::getenv("XDG_CONFIG_HOME")) / "Velmora";
        std::filesystem::create_directories(folder);
        std::ofstream settings(folder / "Velmora.ini", std::ios::binary | std::ios::trunc);
        settings << "[Software\\Halvorsk\\Velmora\\init]\nquoteServiceUrl=" << server.Url("/quotes,old;v2") << "\n";
    }
    Start();
    fDlQuotes = TForm::Create<TfDlQuotes>(Application);
    fHttpProgress = TForm::Create<TfHttpProgress>(Application);
    const std::string old = "0,1,2003,11,1,2003,XYZ\n1-Dec-03,1,2,0.5,1.5,100\n";
    const std::string path = WriteFile("xyz.zrq", old);

    Update(path);

    ASSERT_EQ(server.Log().size(), 1u) << "the request went elsewhere";
    EXPECT_EQ(server.Log()[0].target.rfind("/quotes,old;v2/table.csv?a=11&b=2&c=2003&", 0), 0u)
        << server.Log()[0].target;
    EXPECT_EQ(ReadFile(path), old);  // the service answers elsewhere: nothing to add
}
