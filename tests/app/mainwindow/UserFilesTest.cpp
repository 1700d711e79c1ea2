// The files the user's commands write and read, end to end through the main
// window and its dialogs: nothing is replaced without a question, no planted
// link is followed, what is no file is never read, and every refusal names
// the path and the reason.
#include <filesystem>
#include <iostream>

#include "app/download/QuoteDownloadFixture.h"
#include "app/download/httpprogress.h"
#include "platform/host/Dialogs.h"
#include "platform/testing/TestInput.h"
#include "skin/engine/KsSkinListBox.h"
#include "skin/engine/KsSkinSpeedButton.h"
#include "support/HostileFiles.h"

namespace {

namespace fs = std::filesystem;

const char* const kOldFile = "0,1,2003,10,28,2003,XYZ\n28-Nov-03,1,2,0.5,1.5,100\n";
const char* const kNoLongAdvice = "There are not enough quotes to calculate the long term advice.";

class UserFilesTest : public QuoteDownloadTest {
protected:
    void SetUp() override {
        QuoteDownloadTest::SetUp();
        fs::permissions(dir_.Path(), fs::perms(0755));  // passable for the unprivileged user
    }

    // Queues the next message box's answer, keeping what it said.
    void Answer(int Button) {
        QueueAutomationAnswer("MessageBox", [this, Button](TAutomationRequest& Request) {
            said.push_back(Request.Text.str());
            Request.Result = Button;
        });
    }
    // Answers the next file dialog with Chosen (the name it offered when
    // empty), noting the name it offered.
    void AnswerSaveDialog(const std::string& Chosen = "") {
        QueueAutomationAnswer("FileDialog", [this, Chosen](TAutomationRequest& Request) {
            offered = static_cast<TOpenDialog*>(Request.Subject)->GetFileName().str();
            Request.FileName = (Chosen.empty() ? offered : Chosen).c_str();
            Request.Result = IDOK;
        });
    }
    // Save Vazod Erurid Document, the dialog answered so.
    void Save(const std::string& Chosen = "") {
        AnswerSaveDialog(Chosen);
        MouseClick(form_->ToolbWizardSaveBt, 5, 5);
    }
    void AddStock(const std::string& Path) {
        AnswerNextFileDialog(Path.c_str());
        MouseClick(form_->BtWizardAdd, 5, 5);
    }
    // A document listing Stock, opened through the Open command.
    void OpenDocument(const std::string& Stock) {
        const std::string document = WriteFile("open.zrw", Stock + "\n");
        Answer(mrOk);  // too few quotes for either advice
        Answer(mrOk);
        AnswerNextFileDialog(document.c_str());
        MouseClick(form_->ToolbWizardOpenBt, 5, 5);
    }
    std::string QuoteReplace(const std::string& Path) const { return Path + " already exists.\nDo you want to replace it?"; }

    std::vector<std::string> said;
    std::string offered = "(not asked)";
};

// Download into a file, add it to the Vazod Erurid and save: the save dialog
// once offered the quote file's name and Enter wrote the document over it.
TEST_F(UserFilesTest, SavingTheDocumentNeverTakesTheNameAnotherCommandLeft) {
    LocalQuoteServer server;
    server.WriteSymbol("NRDQ", MakeQuoteRows(30, 20031205));
    StartWith(server.Url("/"));
    fs::create_directory(dir_.File("dl"));
    const std::string quotes = dir_.File("dl/NRDQ.zrq");
    ASSERT_TRUE(Download(quotes, "NRDQ", {2003, 10, 1}, {2003, 11, 5}).done);
    const std::string quoteBytes = ReadFile(quotes);
    Answer(mrOk);
    AddStock(quotes);
    EXPECT_EQ(said, std::vector<std::string>{kNoLongAdvice});

    // A new document offers no name: the user types one.
    const std::string document = dir_.File("dl/portfolio.zrw");
    Save(dir_.File("dl/portfolio"));
    EXPECT_EQ(offered, "");
    EXPECT_EQ(ReadFile(document), quotes + "\n");
    EXPECT_EQ(ReadFile(quotes), quoteBytes);

    // From then on it offers its own name; replacing it is asked.
    form_->Modified = true;
    Answer(mrYes);
    Save();
    EXPECT_EQ(offered, document);
    EXPECT_EQ(said.back(), QuoteReplace(document));
    EXPECT_FALSE(form_->Modified);

    // A quote file's name is never taken for a document, even when typed.
    form_->Modified = true;
    Answer(mrOk);
    Save(quotes);
    EXPECT_EQ(said.back(), "\"" + quotes + "\" is the name of a stock quote file.\n"
                           "Please choose another name for the Vazod Erurid document.");
    EXPECT_EQ(ReadFile(quotes), quoteBytes);
    EXPECT_TRUE(form_->Modified);

    // The close prompt's Yes saves through the same dialog, offering the document.
    Answer(mrYes);  // save the changes
    AnswerSaveDialog();
    Answer(mrNo);   // do not replace: the save ends and the program stays
    CloseWindow(form_);
    EXPECT_EQ(offered, document);
    EXPECT_TRUE(form_->Modified);
    EXPECT_TRUE(form_->GetVisible());
    EXPECT_EQ(ReadFile(quotes), quoteBytes);
}

TEST_F(UserFilesTest, DownloadAsksBeforeItReplacesAFile) {
    LocalQuoteServer server;
    server.WriteSymbol("XYZ", MakeQuoteRows(3, 20031205));
    StartWith(server.Url("/"));
    const std::string path = WriteFile("xyz.zrq", kOldFile);

    AnswerNextFileDialog(path.c_str());
    Answer(mrNo);
    form_->FindMenuItem("Quotes", "Download Quotes")->Click();
    EXPECT_EQ(said, std::vector<std::string>{QuoteReplace(path)});
    EXPECT_EQ(ReadFile(path), kOldFile);
    EXPECT_TRUE(server.Log().empty());

    // Download answers Yes to the same question.
    EXPECT_TRUE(Download(path, "XYZ", {2003, 0, 1}, {2003, 11, 5}).done);
    EXPECT_EQ(MessageText(), QuoteReplace(path).c_str());
    EXPECT_EQ(ReadFile(path), "0,1,2003,11,5,2003,XYZ\n" + QuoteLines(MakeQuoteRows(3, 20031205)));

    // A folder of that name is no file to replace.
    fs::create_directory(dir_.File("folder.zrq"));
    AnswerNextFileDialog(dir_.File("folder.zrq").c_str());
    Answer(mrOk);
    form_->FindMenuItem("Quotes", "Download Quotes")->Click();
    EXPECT_EQ(said.back(), "Cannot write \"" + dir_.File("folder.zrq") + "\": it is a folder.");
    EXPECT_EQ(server.Log().size(), 1u);
}

// The update's temporary file once had the fixed name "<file>.part": a link
// planted there made the update overwrite the file it led to.
TEST_F(UserFilesTest, AnUpdateNeverFollowsALinkPlantedBesideTheFile) {
    LocalQuoteServer server;
    server.WriteSymbol("XYZ", MakeQuoteRows(10, 20031205));
    StartWith(server.Url("/"));
    TempDir elsewhere;
    elsewhere.Write("victim", "private");
    fs::permissions(elsewhere.File("victim"), fs::perms(0600));
    const std::string path = WriteFile("XYZ.zrq", kOldFile);
    MakeLink(path + ".part", elsewhere.File("victim"));

    EXPECT_TRUE(Update(path).done);
    EXPECT_EQ(elsewhere.Read("victim"), "private");
    EXPECT_EQ(fs::status(elsewhere.File("victim")).permissions(), fs::perms(0600));
    const std::string updated = ReadFile(path);
    const std::string link = "-> " + elsewhere.File("victim");
    EXPECT_EQ(FolderListing(dir_.Path().string()), "XYZ.zrq (" + std::to_string(updated.size()) + "): " + updated +
                                                       "\nXYZ.zrq.part (" + std::to_string(link.size()) + "): " + link + "\n");
    EXPECT_NE(updated.find("5-Dec-03"), std::string::npos);
}

// A pipe, a device, a folder, a missing file and one the user may not read,
// given to each command that reads a file: refused unread with the reason,
// and the open document as it was.
TEST_F(UserFilesTest, WhatIsNoFileIsRefusedUnreadSayingWhy) {
    LocalQuoteServer server;
    StartWith(server.Url("/"));
    const std::string stock = WriteFile("stock.zrq", kOldFile);
    OpenDocument(stock);
    ASSERT_EQ(form_->WizardCount, 1);
    said.clear();

    const std::vector<HostilePath> quoteFiles = MakeHostilePaths(dir_.Path().string(), ".zrq", kOldFile);
    const std::vector<HostilePath> documents = MakeHostilePaths(dir_.Path().string(), ".zrw", stock + "\n");
    for (std::size_t i = 0; i < quoteFiles.size(); ++i) {
        const std::string& quotes = quoteFiles[i].Path;
        const std::string& document = documents[i].Path;
        said.clear();
        {
            UnprivilegedUser nobody;
            Answer(mrOk);
            AnswerNextFileDialog(document.c_str());
            MouseClick(form_->ToolbWizardOpenBt, 5, 5);
            Answer(mrOk);
            AddStock(quotes);
            Answer(mrOk);
            AnswerNextFileDialog(quotes.c_str());
            form_->FindMenuItem("Quotes", "Update Quotes")->Click();
        }
        const std::string why = quoteFiles[i].Reason + ".";
        EXPECT_EQ(said, (std::vector<std::string>{"Cannot open the Vazod Erurid document \"" + document + "\": " + why,
                                                  "Cannot read the stock quote file \"" + quotes + "\": " + why,
                                                  "The file " + quotes + " cannot be read: " + why}));
        EXPECT_EQ(form_->WizardCount, 1) << quotes;
        EXPECT_EQ(form_->DocumentName, "open.zrw");
        EXPECT_EQ(form_->WizardListBox->GetItems()->GetCount(), 1);
    }
    EXPECT_TRUE(server.Log().empty());
}

// A download or a save that cannot write says why, with the path, and the
// old file stays as it was.
TEST_F(UserFilesTest, AWriteThatFailsSaysWhyAndKeepsTheOldFile) {
    LocalQuoteServer server;
    server.WriteSymbol("XYZ", MakeQuoteRows(3, 20031205));
    StartWith(server.Url("/"));
    SmallDisk disk;
    fs::create_directory(dir_.File("locked"));
    WriteFile("locked/xyz.zrq", kOldFile);
    WriteFile("locked/doc.zrw", "/old.zrq\n");
    WriteFile("readonly.zrq", kOldFile);
    WriteFile("readonly.zrw", "/old.zrq\n");
    fs::permissions(dir_.File("readonly.zrq"), fs::perms(0444));
    fs::permissions(dir_.File("readonly.zrw"), fs::perms(0444));
    struct Case {
        std::string Folder, Reason;
        bool Exists;
    };
    std::vector<Case> cases = {{dir_.File("missing"), "the folder " + dir_.File("missing") + " does not exist", false},
                               {dir_.File("locked"), "the folder " + dir_.File("locked") + " is read-only", true},
                               {dir_.Path().string(), "it is read-only", true}};
    if (disk.Mounted()) {
        WriteFile("old.zrq", kOldFile);
        fs::copy_file(dir_.File("old.zrq"), disk.Folder() + "/xyz.zrq");
        fs::copy_file(dir_.File("old.zrq"), disk.Folder() + "/doc.zrw");
        disk.Fill();
        cases.push_back({disk.Folder(), "the disk is full", true});
    } else {
        std::cout << disk.Why() << "\n";
    }
    fs::permissions(dir_.File("locked"), fs::perms(0555));
    const std::string stock = WriteFile("stock.zrq", kOldFile);
    Answer(mrOk);  // too few quotes for either advice
    Answer(mrOk);
    AddStock(stock);
    for (const Case& c : cases) {
        const bool readOnlyFile = c.Reason == "it is read-only";
        const std::string quotes = c.Folder + (readOnlyFile ? "/readonly.zrq" : "/xyz.zrq");
        const std::string document = c.Folder + (readOnlyFile ? "/readonly.zrw" : "/doc.zrw");
        const std::string oldQuotes = c.Exists ? ReadFile(quotes) : "", oldDocument = c.Exists ? ReadFile(document) : "";
        said.clear();
        ProgressLook look;
        AnswerNextFileDialog(quotes.c_str());
        if (c.Exists) Answer(mrYes);
        AnswerNextModalForm([](TCustomForm*) { FillDownload("XYZ", {2003, 0, 1}, {2003, 11, 5}); });
        AnswerProgress(look);
        Answer(mrOk);
        form_->FindMenuItem("Quotes", "Download Quotes")->Click();
        EXPECT_EQ(look.status, "The stock quote file could not be written.") << c.Folder;
        EXPECT_EQ(said.back(), "Cannot write the stock quote file \"" + quotes + "\": " + c.Reason + ".");

        if (c.Exists) Answer(mrYes);
        Answer(mrOk);
        form_->Modified = true;
        Save(document);
        EXPECT_EQ(said.back(), "Cannot write the Vazod Erurid document \"" + document + "\": " + c.Reason + ".");
        EXPECT_TRUE(form_->Modified);
        if (c.Exists) {
            EXPECT_EQ(ReadFile(quotes), oldQuotes);
            EXPECT_EQ(ReadFile(document), oldDocument);
        }
    }
    fs::permissions(dir_.File("locked"), fs::perms(0755));
}

}  // namespace
