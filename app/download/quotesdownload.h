#pragma once
// The quote download and update commands. The rows of every page are
// gathered in memory and checked as they arrive; only when the transfer has
// ended well is the stock quote file written, whole, so that a failure at
// any point leaves the old file as it was.
//
// Paging: a symbol the service pages (app/quotepaging.h) is fetched 200
// rows a page until a page comes back empty, short, longer than a page (the
// service ignored the offset) or the same as the one before, and never
// beyond kMaxQuotePages pages.

#include "app/quotes/quotepaging.h"
#include "platform/runtime/AnsiString.h"

struct CalendarDay {
    int Year = 0;
    int Month0 = 0;  // counted from 0
    int Day = 0;
    friend bool operator<(const CalendarDay& A, const CalendarDay& B) {
        return A.Year != B.Year ? A.Year < B.Year : A.Month0 != B.Month0 ? A.Month0 < B.Month0 : A.Day < B.Day;
    }
    friend bool operator==(const CalendarDay&, const CalendarDay&) = default;
};

constexpr int kMaxQuotePages = 1000;

// The local calendar date.
CalendarDay TodayDate();

// The day after the end of a month becomes the 1st of the next one; leap
// years are those divisible by 4.
void normalizeNextDay(int& Month0, int& Day, int& Year);
// The main window's end date (ToYear/ToMonth0/ToDay) one day back.
void stepPreviousDay();
bool isPagedSymbol(const AnsiString& Symbol);

// The commands of the "Quotes" menu.
void startDownload();
void startUpdate();
// The handlers of a page's success: the first page of a download, and an
// update or a later page.
void finishDownload();
void finishUpdate();
// The failure looks of the progress dialog: a network failure, and any
// other failure with its own text.
void showDownloadTimeout();
void showDownloadFailure(const AnsiString& Text);

// Builds the request from the main window's end date, Symbol and From, and
// runs the transfer in the progress dialog.
void runTransfer(const CalendarDay& From);
// Sends URL and every further page the handlers ask for, one after the
// other; a failure ends in the failure look. The whole transfer may take
// a time scaled to the days asked for (the progress dialog's TransferTimer
// stops it), and its bodies together may not pass a few tens of MB.
void requestPages(const AnsiString& URL);
// Ends the running transfer as cancelled by the user (Escape, the close
// button); the old file stays as it was. Nothing when none runs.
void cancelTransfer();
// The progress dialog's TransferTimer: the transfer took too long.
void transferTimeUp();
