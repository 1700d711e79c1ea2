#include "app/download/QuoteDownloadFixture.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/download/dlquotes.h"
#include "app/download/httpprogress.h"
#include "app/mainwindow/websettings.h"
#include "platform/controls/Messages.h"
#include "platform/host/Registry.h"
#include "platform/testing/TestInput.h"
#include "skin/engine/KsSkinComboBox.h"
#include "skin/engine/KsSkinProgressBar.h"

void QuoteDownloadTest::TearDown() {
    MainWindowTest::TearDown();
    FinishAll();
    TRegistry registry;
    registry.SetRootKey(HKEY_LOCAL_MACHINE);
    registry.DeleteKey(AnsiString("\\") + kWebSettingsKey);
}

void QuoteDownloadTest::FinishAll() {
    Finish();
    if (fDlQuotes) fDlQuotes->Free();
    if (fHttpProgress) fHttpProgress->Free();
    fDlQuotes = nullptr;
    fHttpProgress = nullptr;
}

void QuoteDownloadTest::StartWith(const std::string& Address) {
    TRegistry registry;
    registry.SetRootKey(HKEY_LOCAL_MACHINE);
    ASSERT_TRUE(registry.OpenKey(kWebSettingsKey, true));
    registry.WriteString("quoteServiceUrl", Address.c_str());
    Start();
    fDlQuotes = TForm::Create<TfDlQuotes>(Application);
    fHttpProgress = TForm::Create<TfHttpProgress>(Application);
}

void QuoteDownloadTest::FillDownload(const std::string& Symbol, CalendarDay From, CalendarDay To) {
    fDlQuotes->SymbEdit->SetText(Symbol.c_str());
    fDlQuotes->FromYear->SetItemIndex(From.Year - 1970);
    fDlQuotes->FromMonth->SetItemIndex(From.Month0);
    fDlQuotes->FromDay->SetItemIndex(From.Day - 1);
    fDlQuotes->ToYear->SetItemIndex(To.Year - 1970);
    fDlQuotes->ToMonth->SetItemIndex(To.Month0);
    fDlQuotes->ToDay->SetItemIndex(To.Day - 1);
    MouseClick(fDlQuotes->DlBtn, 5, 5);
}

void QuoteDownloadTest::AnswerProgress(ProgressLook& Look) {
    AnswerNextModalForm([&Look](TCustomForm*) {
        TfHttpProgress* dialog = fHttpProgress;
        ProcessMessagesUntil([dialog] { return dialog->SeSkinButton1->GetEnabled(); }, 30000);
        Look.caption = dialog->GetCaption().str();
        Look.status = dialog->SeSkinLabel1->GetCaption().str();
        Look.done = dialog->SeSkinLabel2->GetVisible();
        const bool third = dialog->SeSkinLabel3->GetVisible();
        if (Look.done && third) Look.arrived = dialog->SeSkinLabel3->GetCaption().str();
        Look.hint = !Look.done && third;
        if (Look.hint) Look.hintText = dialog->SeSkinLabel3->GetCaption().str();
        Look.okEnabled = dialog->SeSkinButton1->GetEnabled();
        if (Look.done) {
            EXPECT_EQ(dialog->SeSkinProgressBar1->GetPosition(), 99);
        }
        MouseClick(dialog->SeSkinButton1, 5, 5);  // the OK button, as a person does
    });
}

ProgressLook QuoteDownloadTest::Download(const std::string& Path, const std::string& Symbol, CalendarDay From,
                                         CalendarDay To) {
    ProgressLook look;
    AnswerNextFileDialog(Path.c_str());
    // A file already there is replaced: the question is answered Yes.
    std::error_code unknown;
    if (std::filesystem::exists(std::filesystem::symlink_status(Path, unknown))) AnswerMessage(IDYES);
    AnswerNextModalForm([=](TCustomForm*) { FillDownload(Symbol, From, To); });
    AnswerProgress(look);
    form_->FindMenuItem("Quotes", "Download Quotes")->Click();
    return look;
}

ProgressLook QuoteDownloadTest::Update(const std::string& Path) {
    ProgressLook look;
    AnswerNextFileDialog(Path.c_str());
    AnswerProgress(look);
    form_->FindMenuItem("Quotes", "Update Quotes")->Click();
    return look;
}

std::string QuoteDownloadTest::ReadFile(const std::string& Path) {
    std::ifstream in(Path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::vector<int> QuoteDownloadTest::Offsets(const LocalQuoteServer& Server) {
    std::vector<int> offsets;
    for (const quote_server::Served& served : Server.Log()) {
        const size_t at = served.target.find("&y=");
        offsets.push_back(at == std::string::npos ? -1 : std::stoi(served.target.substr(at + 3)));
    }
    return offsets;
}

void QuoteDownloadTest::ExpectIdleProgress() {
    EXPECT_FALSE(fHttpProgress->GetVisible());
    EXPECT_EQ(fHttpProgress->GetCaption(), "Transfer...");
    EXPECT_EQ(fHttpProgress->SeSkinLabel1->GetCaption(), "Download in progress, please wait...");
    EXPECT_FALSE(fHttpProgress->SeSkinLabel2->GetVisible());
    EXPECT_FALSE(fHttpProgress->SeSkinLabel3->GetVisible());
    EXPECT_EQ(fHttpProgress->SeSkinProgressBar1->GetPosition(), 0);
}

std::string QuoteLines(const std::vector<std::string>& Rows, size_t From, size_t To) {
    std::string text;
    for (size_t i = From; i < std::min(To, Rows.size()); ++i) text += Rows[i] + "\n";
    return text;
}

int DaysAgo(int Days) {
    using namespace std::chrono;
    const CalendarDay today = TodayDate();
    const sys_days day = sys_days{year_month_day{year{today.Year}, month{static_cast<unsigned>(today.Month0 + 1)},
                                                 std::chrono::day{static_cast<unsigned>(today.Day)}}} -
                         days{Days};
    const year_month_day date{day};
    return static_cast<int>(date.year()) * 10000 + static_cast<int>(static_cast<unsigned>(date.month())) * 100 +
           static_cast<int>(static_cast<unsigned>(date.day()));
}

CalendarDay CalendarDayOf(int Yyyymmdd) { return {Yyyymmdd / 10000, Yyyymmdd / 100 % 100 - 1, Yyyymmdd % 100}; }

std::string ShippedQuoteService() {
    const char* source = std::getenv("VELMORA_SOURCE_DIR");
    EXPECT_NE(source, nullptr);
    return std::string(source ? source : ".") + "/data/quote_service";
}

std::string ShippedRows(const std::string& Symbol) {
    std::ifstream in(ShippedQuoteService() + "/" + Symbol + ".csv", std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    const std::string table = text.str();
    EXPECT_EQ(table.substr(0, table.find('\n')), "Date,Open,High,Low,Close,Volume") << Symbol;
    return table.substr(table.find('\n') + 1);
}
