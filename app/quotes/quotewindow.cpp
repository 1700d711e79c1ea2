#include "app/quotes/quotewindow.h"

AnsiString quoteDateOldestFirst(const linkedList& quotes, int Index) {
    return quotes.Records()[static_cast<std::size_t>(quotes.Last() - Index)].Date.Text();
}

void findChosenDates(linkedList& quotes, const AnsiString& startDate, const AnsiString& endDate) {
    std::span<const QuoteRecord> records = quotes.Records();
    // Indexes count from the newest quote, so toward the newer ones is down.
    int start = quotes.Last();
    while (start >= 0 && !(records[start].Date == startDate)) --start;
    if (start < 0) throw EQuoteWindowError("The start date \"" + startDate + "\" is not among the quotes.");
    int end = start;
    while (end >= 0 && !(records[end].Date == endDate)) --end;
    if (end < 0)
        throw EQuoteWindowError("The end date \"" + endDate + "\" is not among the quotes from \"" + startDate +
                                "\" on.");
    quotes.Cursor = end;
    quotes.loadCurrent();
    quotes.StartMark = start;
    quotes.EndMark = end;
    quotes.WindowCount = start - end + 1;
}
