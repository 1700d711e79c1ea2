#include "app/quotewindow.h"

std::vector<AnsiString> quoteDatesOldestFirst(const linkedList& quotes) {
    std::vector<AnsiString> dates;
    for (const QuoteRecord* node = quotes.Last; node; node = node->Prev) dates.push_back(node->Date.Text());
    return dates;
}

void findChosenDates(linkedList& quotes, const AnsiString& startDate, const AnsiString& endDate) {
    QuoteRecord* start = quotes.Last;
    while (start && !(start->Date == startDate)) start = start->Prev;
    if (!start) throw EQuoteWindowError("The start date \"" + startDate + "\" is not among the quotes.");
    QuoteRecord* end = start;
    int count = 1;
    while (end && !(end->Date == endDate)) {
        end = end->Prev;
        ++count;
    }
    if (!end)
        throw EQuoteWindowError("The end date \"" + endDate + "\" is not among the quotes from \"" + startDate +
                                "\" on.");
    quotes.Cursor = end;
    quotes.loadCurrent();
    quotes.StartMark = start;
    quotes.EndMark = end;
    quotes.WindowCount = count;
}
