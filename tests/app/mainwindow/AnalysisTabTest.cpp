// The open command of the Analysis tab, driven through its dialog: the quote
// series, the quotes grid and the date choices.
#include "app/mainwindow/MainWindowFixture.h"

#include "app/mainwindow/quotes.h"
#include "platform/host/Dialogs.h"
#include "platform/runtime/SysUtils.h"
#include "platform/testing/TestInput.h"
#include "skin/engine/KsSkinButtons.h"
#include "skin/engine/KsSkinComboBox.h"
#include "skin/engine/KsSkinGrids.h"
#include "skin/controls/SePopupWindow.h"
#include "skin/engine/KsSkinMenus.h"
#include "skin/engine/KsSkinPages.h"
#include "skin/engine/KsSkinSpeedButton.h"
#include "support/HostileFiles.h"

#include <cstdlib>
#include <filesystem>
#include <span>

namespace {

class AnalysisTabTest : public MainWindowTest {
protected:
    // Runs the open command from the tool bar with the file chosen in its dialog.
    void OpenThroughDialog(const std::string& Path) {
        AnswerNextFileDialog(Path.c_str());
        MouseClick(form_->ToolbAnalysisOpenBt, 5, 5);
    }

    std::vector<std::string> GridRow(int Row) const {
        std::vector<std::string> cells;
        for (int column = 0; column < 7; ++column) cells.push_back(form_->StringGrid2->GetCells(column, Row).str());
        return cells;
    }

    // What the user sees of an open file; equal before and after a refused one.
    struct Shown {
        std::vector<std::vector<std::string>> Rows;
        std::vector<std::string> StartDates, EndDates;
        int StartIndex, EndIndex;
        AnsiString Path;
        bool CreateEnabled;
        TSeCustomTabSheet* Page;
        std::size_t Quotes;
        bool operator==(const Shown&) const = default;
    };
    Shown Snapshot() const {
        Shown shown{{}, ComboItems(form_->StartDateCombo), ComboItems(form_->EndDateCombo),
                    form_->StartDateCombo->GetItemIndex(), form_->EndDateCombo->GetItemIndex(), form_->QuoteFilePath,
                    form_->BtCreateAnalysis->GetEnabled(), form_->PageControl1->GetActivePage(),
                    static_cast<std::size_t>(std::distance(form_->Quotes.begin(), form_->Quotes.end()))};
        for (int row = 0; row < form_->StringGrid2->GetRowCount(); ++row) shown.Rows.push_back(GridRow(row));
        return shown;
    }
};

TEST_F(AnalysisTabTest, OpensAFileIntoTheGridTheSeriesAndTheDateChoices) {
    const std::string path = WriteFile("xyz.zrq", XyzFile("\r\n"));
    Start();
    OpenThroughDialog(path);
    const TAutomationRequest& dialog = AutomationLog().front();
    EXPECT_EQ(dialog.Kind, "FileDialog");
    EXPECT_EQ(form_->OpenDialog1->GetTitle(), "Open Stock Quote File");
    EXPECT_EQ(form_->OpenDialog1->GetFilter().Pos("Stock Quote Files (*.zrq)|*.ZRQ"), 1);

    EXPECT_EQ(form_->QuoteFilePath, path.c_str());
    EXPECT_EQ(form_->PageControl1->GetActivePage(), form_->TabSheet5);
    EXPECT_TRUE(form_->BtCreateAnalysis->GetEnabled());
    EXPECT_EQ(form_->StringGrid2->GetRowCount(), 4);
    EXPECT_EQ(GridRow(0), (std::vector<std::string>{"XYZ", "Date", "Open", "High", "Low", "Close", "Volume"}));
    EXPECT_EQ(GridRow(1), (std::vector<std::string>{"", "30-May-03", "12.50", "12.80", "12.40", "12.75", "1520000"}));
    EXPECT_EQ(GridRow(2), (std::vector<std::string>{"", "29-May-03", "12.10", "12.60", "12.00", "12.50", "980000"}));
    EXPECT_EQ(GridRow(3),
              (std::vector<std::string>{"", "28-May-03", "1,234.50", "1,300.00", "1,200.25", "1,250.00", "3000000"}));
    const std::vector<std::string> oldestFirst = {"28-May-03", "29-May-03", "30-May-03"};
    EXPECT_EQ(ComboItems(form_->StartDateCombo), oldestFirst);
    EXPECT_EQ(ComboItems(form_->EndDateCombo), oldestFirst);
    EXPECT_EQ(form_->StartDateCombo->GetItemIndex(), 0);
    EXPECT_EQ(form_->EndDateCombo->GetItemIndex(), 0);
    EXPECT_EQ(form_->Quotes.Records().front().Date, "30-May-03");
    EXPECT_EQ(form_->Quotes.Records().back().Date, "28-May-03");

    // The window Create Analysis works on follows the date choices.
    form_->EndDateCombo->SetItemIndex(2);
    findChosenDates(*form_);
    EXPECT_EQ(form_->Quotes.WindowCount, 3);
    form_->StartDateCombo->SetItemIndex(1);
    form_->EndDateCombo->SetItemIndex(1);
    findChosenDates(*form_);
    EXPECT_EQ(form_->Quotes.WindowCount, 1);
    EXPECT_EQ(form_->Quotes.Records()[form_->Quotes.StartMark].Date, "29-May-03");
}

TEST_F(AnalysisTabTest, EveryCellOfASampleFileShowsItsQuoteFormatted) {
    const char* source = std::getenv("VELMORA_SOURCE_DIR");
    ASSERT_NE(source, nullptr);
    Start();
    OpenThroughDialog(std::string(source) + "/data/samples/NRDQ.zrq");
    const std::span<const QuoteRecord> records = form_->Quotes.Records();
    ASSERT_EQ(records.size(), 2520u);
    ASSERT_EQ(form_->StringGrid2->GetRowCount(), 2521);
    std::vector<std::string> dates;
    for (std::size_t i = 0; i < records.size(); ++i) {
        const QuoteRecord& quote = records[i];
        const std::vector<std::string> expected = {"",
                                                   quote.Date.Text().str(),
                                                   FormatQuotePrice(quote.Open).str(),
                                                   FormatQuotePrice(quote.High).str(),
                                                   FormatQuotePrice(quote.Low).str(),
                                                   FormatQuotePrice(quote.Close).str(),
                                                   IntToStr(quote.Volume).str()};
        ASSERT_EQ(GridRow(static_cast<int>(i) + 1), expected) << "row " << i + 1;
        dates.insert(dates.begin(), quote.Date.Text().str());
    }
    EXPECT_EQ(GridRow(1)[2], "137.13") << "a price as the file has it";
    EXPECT_EQ(ComboItems(form_->StartDateCombo), dates);
    EXPECT_EQ(ComboItems(form_->EndDateCombo), dates);
    EXPECT_EQ(form_->StartDateCombo->GetText(), dates.front());
}

TEST_F(AnalysisTabTest, EveryLineEndReadsAlike) {
    Start();
    OpenThroughDialog(WriteFile("crlf.zrq", XyzFile("\r\n")));
    const Shown crlf = Snapshot();
    for (const auto& [name, text] : {std::pair{"lf.zrq", XyzFile("\n")}, std::pair{"open.zrq", XyzFile("\n", false)},
                                     std::pair{"open-crlf.zrq", XyzFile("\r\n", false)}}) {
        const std::string path = WriteFile(name, text);
        OpenThroughDialog(path);
        Shown shown = Snapshot();
        EXPECT_EQ(shown.Path, path.c_str());
        shown.Path = crlf.Path;
        EXPECT_TRUE(shown == crlf) << name;
    }
}

TEST_F(AnalysisTabTest, ASecondFileReplacesTheFirstEverywhere) {
    Start();
    OpenThroughDialog(WriteFile("xyz.zrq", XyzFile("\n")));
    OpenThroughDialog(WriteFile("abc.zrq", "0,2,2001,4,30,2003,abc\n5-Jun-03,1,2,0.5,1.5,10\n"));
    EXPECT_EQ(form_->StringGrid2->GetRowCount(), 2);
    EXPECT_EQ(GridRow(0)[0], "abc");
    EXPECT_EQ(GridRow(1)[1], "5-Jun-03");
    EXPECT_EQ(ComboItems(form_->StartDateCombo), std::vector<std::string>{"5-Jun-03"});
    EXPECT_EQ(ComboItems(form_->EndDateCombo), std::vector<std::string>{"5-Jun-03"});
    EXPECT_EQ(form_->Quotes.First(), form_->Quotes.Last());
}

TEST_F(AnalysisTabTest, TheMenuAndThePageButtonRunTheSameCommand) {
    Start();
    AnswerNextFileDialog(WriteFile("xyz.zrq", XyzFile("\n")).c_str());
    form_->FindMenuItem("File", "Open Stock Quote File")->Click();
    EXPECT_EQ(GridRow(0)[0], "XYZ");
    form_->PageControl1->SetActivePage(form_->TabSheet4);
    AnswerNextFileDialog(WriteFile("abc.zrq", "0,2,2001,4,30,2003,abc\n5-Jun-03,1,2,0.5,1.5,10\n").c_str());
    form_->BtAnalysisOpen->Click();
    EXPECT_EQ(GridRow(0)[0], "abc");
    EXPECT_EQ(form_->PageControl1->GetActivePage(), form_->TabSheet5);
}

TEST_F(AnalysisTabTest, TheFileMenuOpensAFileByMouse) {
    Start();
    TSeSkinMenuBar* bar = form_->SeSkinMenuBar1;
    const TRect file = bar->ItemRect(0);
    MouseClick(bar, file.Left + 5, file.Top + 5);
    TSePopupWindow* popup = bar->GetPopup(0);
    ASSERT_NE(popup, nullptr);
    const TRect open = popup->ItemRect(2);
    AnswerNextFileDialog(WriteFile("xyz.zrq", XyzFile("\n")).c_str());
    MouseMove(popup, open.Left + 10, open.Top + 4);
    MouseClick(popup, open.Left + 10, open.Top + 4);
    ASSERT_TRUE(ProcessMessagesUntil([this] { return !form_->QuoteFilePath.IsEmpty(); }, 30000));
    EXPECT_EQ(GridRow(0)[0], "XYZ");
    EXPECT_EQ(form_->PageControl1->GetActivePage(), form_->TabSheet5);
}

TEST_F(AnalysisTabTest, ACancelledDialogChangesNothing) {
    Start();
    CancelNextFileDialog();
    MouseClick(form_->ToolbAnalysisOpenBt, 5, 5);
    EXPECT_TRUE(form_->QuoteFilePath.IsEmpty());
    EXPECT_FALSE(form_->BtCreateAnalysis->GetEnabled());
    EXPECT_EQ(form_->PageControl1->GetActivePage(), form_->TabSheet4);
    EXPECT_EQ(MessagesShown(), 0);
}

TEST_F(AnalysisTabTest, AFileThatCannotBeReadIsReportedAndTheOpenFileStays) {
    const std::string good = WriteFile("xyz.zrq", XyzFile("\r\n"));
    const struct {
        const char* Name;
        std::string Text;
        const char* Says;
    } bad[] = {
        {"empty.zrq", "", "the file is empty"},
        {"header.zrq", "0,2,2001,4,30,2003,XYZ\r\n", "holds no quotes"},
        {"blank.zrq", "0,2,2001,4,30,2003,XYZ\r\n\r\n\r\n", "holds no quotes"},
        {"price.zrq", "0,2,2001,4,30,2003,XYZ\r\n30-May-03,12.50,12.80,12.40,12.75,1520000\r\n29-May-03,abc,1,1,1,5\r\n",
         "(line 3)"},
        {"short.zrq", "0,2,2001,4,30,2003,XYZ\n30-May-03,12.50,12.80\n", "(line 2)"},
        {"noheader.zrq", "30-May-03,12.50,12.80,12.40,12.75,1520000\n", "(line 1)"},
    };
    Start();
    OpenThroughDialog(good);
    form_->StartDateCombo->SetItemIndex(1);
    const Shown before = Snapshot();
    for (const auto& file : bad) {
        const std::string path = WriteFile(file.Name, file.Text);
        AnswerMessage(mrOk);
        OpenThroughDialog(path);
        EXPECT_EQ(MessageCaption(), "Error") << file.Name;
        EXPECT_NE(MessageText().Pos(file.Says), 0) << MessageText().str();
        EXPECT_NE(MessageText().Pos(path.c_str()), 0) << MessageText().str();
        EXPECT_TRUE(Snapshot() == before) << file.Name;
    }
    // Paths that are no stock quote file: refused unread, saying what they are.
    std::filesystem::permissions(dir_.Path(), std::filesystem::perms(0755));
    for (const HostilePath& file : MakeHostilePaths(dir_.Path().string(), ".zrq", XyzFile("\n"))) {
        AnswerMessage(mrOk);
        {
            UnprivilegedUser nobody;
            OpenThroughDialog(file.Path);
        }
        EXPECT_EQ(MessageText(), ("Cannot read the stock quote file \"" + file.Path + "\": " + file.Reason + ".").c_str());
        EXPECT_TRUE(Snapshot() == before) << file.Path;
    }
}

TEST_F(AnalysisTabTest, ARefusedFirstFileLeavesCreateAnalysisDisabled) {
    Start();
    AnswerMessage(mrOk);
    OpenThroughDialog(WriteFile("header.zrq", "0,2,2001,4,30,2003,XYZ\n"));
    EXPECT_FALSE(form_->BtCreateAnalysis->GetEnabled());
    EXPECT_TRUE(form_->QuoteFilePath.IsEmpty());
    EXPECT_EQ(form_->StartDateCombo->GetItems()->GetCount(), 0);
    EXPECT_EQ(form_->StringGrid2->GetCells(0, 0), "");
    EXPECT_EQ(form_->PageControl1->GetActivePage(), form_->TabSheet4);
}

}  // namespace
