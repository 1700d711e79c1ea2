#include "app/download/quotesdownload.h"

#include <algorithm>
#include <cerrno>
#include <ctime>
#include <iterator>
#include <string>
#include <vector>

#include "app/download/dlquotes.h"
#include "app/download/httpprogress.h"
#include "app/quotes/quotefile.h"
#include "app/quotes/quotereply.h"
#include "app/mainwindow/savetarget.h"
#include "app/mainwindow/websettings.h"
#include "app/mainwindow/zrmain.h"
#include "net/NmHttp.h"
#include "net/NmUrl.h"
#include "net/NetErrors.h"
#include "platform/host/Dialogs.h"
#include "platform/controls/ExtCtrls.h"
#include "platform/runtime/DateUtils.h"
#include "platform/runtime/FileRead.h"
#include "platform/runtime/FileReplace.h"
#include "platform/runtime/SysUtils.h"
#include "skin/engine/KsSkinMessage.h"
#include "skin/engine/KsSkinProgressBar.h"

namespace {

// What a transfer may hold: a page is a few kB and fifty years of days about
// 1 MB, so a reply that grows past this is not a quote table.
constexpr long long kMaxTransferBytes = 32LL << 20;
const char* const kMaxTransferText = "32 MB";
// How long a whole transfer may take, however steadily the bytes trickle in:
// two minutes, and 32 ms more for each calendar day asked for (about 1 kB a
// second at the 32 bytes a day that quote rows take).
constexpr long long kTransferBaseMs = 120000, kTransferMsPerDay = 32;

// What the running transfer has gathered so far.
struct Transfer {
    std::vector<std::string> rows;     // the pages' rows, newest first
    std::vector<std::string> oldRows;  // an updated file's rows before the update
    std::vector<std::string> lastPage;
    int pages = 0;
    long long bytesBefore = 0;  // the bodies of the pages taken
    AnsiString nextUrl;         // the page the last handler asked for
    bool running = false;
    AnsiString stopCaption, stopText;  // why the transfer was stopped from outside
    AnsiString writeFault;             // why the file could not be written, for the message after the dialog
    Cardinal limitMs = kTransferBaseMs;
    int expectedPages = 1;  // what the days asked for should take
};
Transfer transfer;

CalendarDay EndDate() {
    return {OriginalForm1->ToYear, OriginalForm1->ToMonth0, OriginalForm1->ToDay};
}

void SetEndDate(const CalendarDay& Date) {
    OriginalForm1->ToYear = static_cast<Word>(Date.Year);
    OriginalForm1->ToMonth0 = static_cast<Word>(Date.Month0);
    OriginalForm1->ToDay = static_cast<Word>(Date.Day);
}

// Whole days from From to To; 0 when To is not later or a date is not one.
long long DaysBetween(const CalendarDay& From, const CalendarDay& To) {
    TDateTime from, to;
    if (!TryEncodeDate(static_cast<Word>(From.Year), static_cast<Word>(From.Month0 + 1), static_cast<Word>(From.Day), from) ||
        !TryEncodeDate(static_cast<Word>(To.Year), static_cast<Word>(To.Month0 + 1), static_cast<Word>(To.Day), to))
        return 0;
    return std::max(0LL, static_cast<long long>(to - from));
}

// Asks for a file as both commands do; false on Cancel. A download asks
// before it replaces a file; an update exists to extend the chosen one.
bool ChooseFile(const char* Title, bool Download) {
    TSaveDialog* dialog = OriginalForm1->SaveDialog1;
    dialog->SetTitle(Title);
    dialog->SetFilter("Stock Quote Files (*.zrq)|*.ZRQ");
    dialog->SetDefaultExt("");
    if (!dialog->Execute()) return false;
    AnsiString path = dialog->GetFileName();
    if (path.Length() < 4 || path.SubString(path.Length() - 3, 4).UpperCase() != ".ZRQ") path += ".zrq";
    if (Download && !mayWriteChosenFile(OriginalForm1->SeSkinMessage1, path)) return false;
    OriginalForm1->DownloadPath = path;
    return true;
}

void BeginCommand(bool Download) {
    OriginalForm1->Downloading = Download;
    OriginalForm1->Updating = !Download;
    OriginalForm1->PageOffset = 0;
    fHttpProgress->SeSkinButton1->SetEnabled(false);
    transfer = Transfer{};
}

// The base address of the quote service, without a closing "/".
AnsiString ServiceAddress() {
    AnsiString address = QuoteServiceUrl();
    while (!address.IsEmpty() && address[address.Length()] == '/') address = address.SubString(1, address.Length() - 1);
    return address;
}

AnsiString PageUrl() {
    return OriginalForm1->UrlHead + IntToStr(OriginalForm1->PageOffset) + OriginalForm1->UrlTail;
}

// The pages a transfer of Days calendar days should take: a paged symbol
// gets 200 rows a page, one for each of the five trading days a week, and
// a last page that ends it.
int ExpectedPages(long long Days) {
    if (!isPagedSymbol(OriginalForm1->Symbol)) return 1;
    return static_cast<int>(std::min<long long>(Days * 5 / 7 / kQuotePageRows + 1, kMaxQuotePages));
}

// The bar shows the share of the transfer done: the pages taken and, of the
// page arriving, the bytes received over those its head announced (none
// when it announced no length), over the pages expected. It never goes back.
void ShowProgress() {
    const TNMHTTP* client = OriginalForm1->HTTPSocket;
    const long long length = client->GetContentLength();
    double page = transfer.pages;
    if (length > 0) page += std::min(1.0, static_cast<double>(client->GetBody().Length()) / static_cast<double>(length));
    const double done = page / std::max(transfer.expectedPages, transfer.pages + 1);
    TSeSkinProgressBar* bar = fHttpProgress->SeSkinProgressBar1;
    const int position = bar->GetMin() + static_cast<int>(done * (bar->GetMax() - bar->GetMin()));
    if (position > bar->GetPosition()) bar->SetPosition(position);
}

// With the end date today, the file's end date becomes the newest row's
// date, so that the next update asks for every day after it.
void EndOnNewestRow(const std::string& Newest) {
    CalendarDay newest;
    if (!(EndDate() == TodayDate()) || !RowDate(Newest, newest.Year, newest.Month0, newest.Day)) return;
    if (newest < EndDate()) SetEndDate(newest);
}

// What arrived, so that a short answer shows: "12 quotes, 24-Nov-03 to
// 5-Dec-03" in the rows' own date text, as the quotes grid shows it.
AnsiString ArrivedText(const std::vector<std::string>& Rows, bool Download) {
    if (Rows.empty()) return Download ? "No quotes arrived." : "No new quotes.";
    auto date = [](const std::string& Row) { return Row.substr(0, Row.find(',')); };
    if (Rows.size() == 1) return "1 quote, " + date(Rows.front());
    return IntToStr(static_cast<int>(Rows.size())) + " quotes, " + date(Rows.back()) + " to " + date(Rows.front());
}

void Finish() {
    const bool download = OriginalForm1->Downloading;
    OriginalForm1->PageOffset = -1;
    OriginalForm1->Downloading = false;
    OriginalForm1->Updating = false;
    const AnsiString arrived = ArrivedText(transfer.rows, download);
    if (transfer.rows.empty()) return fHttpProgress->ShowDone(arrived);  // nothing new: no file touched
    EndOnNewestRow(transfer.rows.front());
    TOriginalForm1& form = *OriginalForm1;
    const std::string header = (form.HeaderPrefix + IntToStr(form.ToMonth0) + "," + IntToStr(form.ToDay) + "," +
                                IntToStr(form.ToYear) + "," + form.Symbol)
                                   .str();
    const AnsiString fault = TryReplaceFile(form.DownloadPath, QuoteFileText(header, transfer.rows, transfer.oldRows));
    if (!fault.IsEmpty()) {
        // The whole story, with the path, is told once the dialog is closed.
        transfer.writeFault = "Cannot write the stock quote file \"" + form.DownloadPath + "\": " + fault + ".";
        return showDownloadFailure("The stock quote file could not be written.");
    }
    fHttpProgress->ShowDone(arrived);
}

// One page's rows: gathered, then either the next page asked for or the
// transfer finished.
void TakePage() {
    const AnsiString& body = OriginalForm1->HTTPSocket->GetBody();
    transfer.bytesBefore += body.Length();
    std::optional<std::vector<std::string>> page = ParseQuoteReply(body.str());
    if (!page) return showDownloadFailure("The reply holds no stock quotes.");
    const bool repeated = transfer.pages > 0 && *page == transfer.lastPage;
    ++transfer.pages;
    const bool more = isPagedSymbol(OriginalForm1->Symbol) && !repeated &&
                      static_cast<int>(page->size()) == kQuotePageRows && transfer.pages < kMaxQuotePages;
    if (more) transfer.lastPage = *page;
    if (!repeated)
        transfer.rows.insert(transfer.rows.end(), std::make_move_iterator(page->begin()),
                             std::make_move_iterator(page->end()));
    if (!more) return Finish();
    OriginalForm1->Downloading = false;
    OriginalForm1->Updating = true;
    OriginalForm1->PageOffset += kQuotePageRows;
    transfer.nextUrl = PageUrl();
}

}  // namespace

CalendarDay TodayDate() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_year + 1900, local.tm_mon, local.tm_mday};
}

void normalizeNextDay(int& Month0, int& Day, int& Year) {
    static const int lastDay[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (Month0 < 0 || Month0 > 11) return;
    const int last = lastDay[Month0] + (Month0 == 1 && Year % 4 == 0);
    const bool past = Month0 == 1 ? Day > last : Day == last + 1;
    if (!past) return;
    Day = 1;
    if (++Month0 == 12) {
        Month0 = 0;
        ++Year;
    }
}

void stepPreviousDay() {
    static const int lastDay[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    TOriginalForm1& form = *OriginalForm1;
    if (form.ToDay > 1) {
        --form.ToDay;
        return;
    }
    if (form.ToMonth0 == 0) {
        form.ToMonth0 = 11;
        --form.ToYear;
    } else {
        --form.ToMonth0;
    }
    form.ToDay = static_cast<Word>(lastDay[form.ToMonth0] + (form.ToMonth0 == 1 && form.ToYear % 4 == 0));
}

bool isPagedSymbol(const AnsiString& Symbol) { return IsPagedQuoteSymbol(Symbol.str()); }

void startDownload() {
    BeginCommand(true);
    if (!ChooseFile("Download Stock Quote File", true)) return;
    fDlQuotes->ShowModal();
}

void startUpdate() {
    BeginCommand(false);
    if (!ChooseFile("Update Stock Quote File", false)) return;
    auto refuse = [](const AnsiString& Why) {
        OriginalForm1->SeSkinMessage1->MessageDlg("The file " + OriginalForm1->DownloadPath + Why, mtError,
                                                  TMsgDlgButtons{mbOK}, 0);
        OriginalForm1->Updating = false;
    };
    std::string contents;
    // A file that cannot be read is not one of the wrong kind: the reason is told.
    if (const AnsiString fault = TryReadRegularFile(OriginalForm1->DownloadPath, MaxQuoteFileBytes, contents);
        !fault.IsEmpty())
        return refuse(" cannot be read: " + fault + ".");
    std::string headerLine = contents.substr(0, contents.find('\n'));
    if (!headerLine.empty() && headerLine.back() == '\r') headerLine.pop_back();
    const std::optional<QuoteFileHeader> header = parseQuoteHeader(headerLine);
    if (!header) return refuse(" is not a stock quote file.");
    // Permission bits say whether the user may change the file, for root too.
    if (IsReadOnlyFile(OriginalForm1->DownloadPath)) return refuse(" is read-only and cannot be updated.");
    transfer.oldRows = SplitFileRows(contents);
    SetEndDate(TodayDate());
    OriginalForm1->Symbol = header->Symbol;
    OriginalForm1->HeaderPrefix = header->HeaderPrefix;
    CalendarDay from{header->EndYear, header->EndMonth0, header->EndDay + 1};
    normalizeNextDay(from.Month0, from.Day, from.Year);
    runTransfer(from);
}

void runTransfer(const CalendarDay& From) {
    TOriginalForm1& form = *OriginalForm1;
    const long long days = DaysBetween(From, EndDate());
    transfer.limitMs = static_cast<Cardinal>(kTransferBaseMs + kTransferMsPerDay * days);
    transfer.expectedPages = ExpectedPages(days);
    form.UrlHead = ServiceAddress() + "/table.csv?a=" + IntToStr(From.Month0) + "&b=" + IntToStr(From.Day) +
                   "&c=" + IntToStr(From.Year) + "&d=" + IntToStr(form.ToMonth0) + "&e=" + IntToStr(form.ToDay) +
                   "&f=" + IntToStr(form.ToYear) + "&s=" + UrlEncode(form.Symbol) + "&y=";
    form.UrlTail = "&g=d&ignore=.csv";
    fHttpProgress->URL = PageUrl();
    fHttpProgress->Start = true;
    fHttpProgress->OnTransfer = [](TObject*) { requestPages(fHttpProgress->URL); };
    fHttpProgress->OnCancelTransfer = [](TObject*) { cancelTransfer(); };
    fHttpProgress->TransferTimer->OnTimer = [](TObject*) { transferTimeUp(); };
    fHttpProgress->ShowModal();
    if (!transfer.writeFault.IsEmpty()) form.SeSkinMessage1->MessageDlg(transfer.writeFault, mtError, TMsgDlgButtons{mbOK}, 0);
}

namespace {

// A time-out keeps its own look; a connection refused or broken off says so
// with the service's address; anything else (a host not found, a failing
// network) in the socket's own words, with the hint to check the connection.
void ShowSocketFailure(const ESockError& Error) {
    OriginalForm1->Downloading = false;
    OriginalForm1->Updating = false;
    const AnsiString service = "Quote service: " + OriginalForm1->HTTPSocket->GetHost() + ":" +
                               IntToStr(OriginalForm1->HTTPSocket->GetPort());
    switch (Error.GetErrorCode()) {
    case ETIMEDOUT: return showDownloadTimeout();
    case ECONNREFUSED: return fHttpProgress->ShowFailure("Download failed", "The connection was refused.", service);
    case ECONNRESET:
    case ECONNABORTED:
    case EPIPE: return fHttpProgress->ShowFailure("Download failed", "The connection was broken off.", service);
    default: fHttpProgress->ShowFailure("Download failed", Error.GetMessage(), TfHttpProgress::ConnectionHint);
    }
}

}  // namespace

void requestPages(const AnsiString& URL) {
    // A transfer starts with no pages; an update's old rows stay.
    transfer.rows.clear();
    transfer.lastPage.clear();
    transfer.pages = 0;
    transfer.bytesBefore = 0;
    transfer.nextUrl = URL;
    transfer.stopCaption = transfer.stopText = "";
    transfer.running = true;
    TTimer* limit = fHttpProgress->TransferTimer;
    limit->SetInterval(transfer.limitMs);
    limit->SetEnabled(true);
    try {
        while (!transfer.nextUrl.IsEmpty()) {
            const AnsiString url = transfer.nextUrl;
            transfer.nextUrl = "";
            OriginalForm1->HTTPSocket->Get(url);
        }
    } catch (EAbortError&) {
        OriginalForm1->Downloading = false;
        OriginalForm1->Updating = false;
        fHttpProgress->ShowFailure(transfer.stopCaption, transfer.stopText, "");
    } catch (ESockError& e) {
        ShowSocketFailure(e);
    } catch (Exception& e) {
        showDownloadFailure(e.GetMessage());
    }
    limit->SetEnabled(false);
    transfer.running = false;
}

namespace {

// The first reason wins; the socket's wait raises EAbortError on it.
void StopTransfer(const AnsiString& Caption, const AnsiString& Text) {
    if (!transfer.running || !transfer.stopText.IsEmpty()) return;
    transfer.stopCaption = Caption;
    transfer.stopText = Text;
    OriginalForm1->HTTPSocket->Cancel();
}

}  // namespace

void cancelTransfer() { StopTransfer("Download cancelled", "The download was cancelled."); }

void transferTimeUp() {
    const int minutes = std::max(1, static_cast<int>((transfer.limitMs + 30000) / 60000));
    StopTransfer("Timeout", "The download took longer than " + IntToStr(minutes) + (minutes == 1 ? " minute" : " minutes") +
                                " and was stopped.");
}

// A first page without rows finishes with nothing written.
void finishDownload() { TakePage(); }

void finishUpdate() { TakePage(); }

void showDownloadTimeout() {
    OriginalForm1->Downloading = false;
    OriginalForm1->Updating = false;
    fHttpProgress->ShowFailure("Timeout", "Download timed out.", TfHttpProgress::ConnectionHint);
}

void showDownloadFailure(const AnsiString& Text) {
    OriginalForm1->Downloading = false;
    OriginalForm1->Updating = false;
    transfer.nextUrl = "";
    fHttpProgress->ShowFailure("Download failed", Text, "");
}

void TOriginalForm1::MenuDlQuotesClick(TObject*) { startDownload(); }

void TOriginalForm1::MenuUpdQuotesClick(TObject*) { startUpdate(); }

void TOriginalForm1::HTTPSocketPacketRecvd(TObject*) {
    ShowProgress();
    // Raised inside the client, which closes the connection on the way out.
    if (transfer.bytesBefore + HTTPSocket->GetBody().Length() > kMaxTransferBytes)
        throw Exception(AnsiString("The reply is larger than ") + kMaxTransferText + " and was stopped.");
}

void TOriginalForm1::HTTPSocketSuccess(TObject*, TCmdType) {
    if (Downloading)
        finishDownload();
    else if (Updating)
        finishUpdate();
}
