#pragma once
// The main window with the download and progress dialogs, the settings
// pointing the quote download at a local quote server, and the commands
// driven end to end: the save dialog answered, the download dialog filled
// through its controls, the progress dialog's OK clicked once it is enabled.

#include <optional>
#include <string>
#include <vector>

#include "app/mainwindow/MainWindowFixture.h"
#include "app/download/dlquotes.h"
#include "app/download/httpprogress.h"
#include "app/download/quotesdownload.h"
#include "platform/testing/TestInput.h"
#include "skin/engine/KsSkinMenus.h"
#include "support/LocalQuoteServer.h"

// What the progress dialog showed when its OK became enabled.
struct ProgressLook {
    std::string caption;
    std::string status;
    bool done = false;
    std::string arrived;  // what the done look says arrived
    bool hint = false;
    std::string hintText;  // the line under a failure's status
    bool okEnabled = false;
};

class QuoteDownloadTest : public MainWindowTest {
protected:
    void TearDown() override;

    // Starts the window and the dialogs, with the service at Address.
    void StartWith(const std::string& Address);

    // Frees the window and the dialogs, for a test that starts again.
    void FinishAll();

    // Runs Download Quotes into Path for Symbol over the dates (month from 0),
    // answering Yes when asked whether to replace a file already there.
    ProgressLook Download(const std::string& Path, const std::string& Symbol, CalendarDay From, CalendarDay To);
    // Runs Update Quotes on Path.
    ProgressLook Update(const std::string& Path);
    // Queues the answer that waits for the transfer's end, notes the look and clicks OK.
    void AnswerProgress(ProgressLook& Look);
    // Fills the download dialog and clicks Download Quotes.
    static void FillDownload(const std::string& Symbol, CalendarDay From, CalendarDay To);

    static std::string ReadFile(const std::string& Path);
    // The offsets ("y=") of the requests the server saw.
    static std::vector<int> Offsets(const LocalQuoteServer& Server);
    // The dialog is back in its idle look after OK.
    static void ExpectIdleProgress();
};

// Rows From to To, each with its line end, as a file holds them.
std::string QuoteLines(const std::vector<std::string>& Rows, size_t From = 0, size_t To = std::string::npos);
// A yyyymmdd number Days before today.
int DaysAgo(int Days);
CalendarDay CalendarDayOf(int Yyyymmdd);
// The folder of the quote server's shipped tables (data/quote_service).
std::string ShippedQuoteService();
// A shipped table's rows after its column line, each with its line end.
std::string ShippedRows(const std::string& Symbol);
