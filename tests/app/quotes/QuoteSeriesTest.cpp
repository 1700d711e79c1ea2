#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/quotes/llist.h"

namespace {

void appendQuote(linkedList& quotes, const char* date, double close, std::int64_t volume = 100) {
    quotes.Current.Date = date;
    quotes.Current.Open = close - 1;
    quotes.Current.High = close + 1;
    quotes.Current.Low = close - 2;
    quotes.Current.Close = close;
    quotes.Current.Volume = volume;
    quotes.appendRecord();
}

// The quote at a position of the series.
const QuoteRecord& at(const linkedList& quotes, int index) { return quotes.Records()[index]; }

std::vector<std::string> datesInChainOrder(const linkedList& quotes) {
    std::vector<std::string> dates;
    for (const QuoteRecord& quote : quotes) dates.emplace_back(quote.Date.View());
    return dates;
}

TEST(QuoteSeries, OneQuoteIsFirstLastAndCursor) {
    linkedList quotes;
    EXPECT_EQ(quotes.First(), linkedList::NoQuote);
    EXPECT_EQ(quotes.Last(), linkedList::NoQuote);
    EXPECT_TRUE(quotes.HeaderSymbol.IsEmpty());
    appendQuote(quotes, "4-Oct-23", 137.13, 2400700);
    ASSERT_NE(quotes.First(), linkedList::NoQuote);
    EXPECT_EQ(quotes.First(), quotes.Last());
    EXPECT_EQ(quotes.Cursor, quotes.First());
    EXPECT_EQ(quotes.Records().size(), 1u);

    quotes.Current = QuoteRecord();
    quotes.moveToLast();
    quotes.loadCurrent();
    EXPECT_EQ(quotes.Current.Date, "4-Oct-23");
    EXPECT_DOUBLE_EQ(quotes.Current.Open, 136.13);
    EXPECT_DOUBLE_EQ(quotes.Current.High, 138.13);
    EXPECT_DOUBLE_EQ(quotes.Current.Low, 135.13);
    EXPECT_DOUBLE_EQ(quotes.Current.Close, 137.13);
    EXPECT_EQ(quotes.Current.Volume, 2400700);

    quotes.clearList();
    EXPECT_EQ(quotes.First(), linkedList::NoQuote);
    EXPECT_EQ(quotes.Last(), linkedList::NoQuote);
    EXPECT_EQ(quotes.Cursor, linkedList::NoQuote);
}

TEST(QuoteSeries, WalksThreeQuotesBothWays) {
    linkedList quotes;
    appendQuote(quotes, "A", 1);
    appendQuote(quotes, "B", 2);
    appendQuote(quotes, "C", 3);
    EXPECT_EQ(at(quotes, quotes.First()).Date, "A");
    EXPECT_EQ(at(quotes, quotes.Last()).Date, "C");
    EXPECT_EQ(quotes.Cursor, quotes.Last());

    quotes.moveToLast();
    quotes.movePrev();
    quotes.loadCurrent();
    EXPECT_EQ(quotes.Current.Date, "B");

    quotes.moveToFirst();
    quotes.moveNext();
    quotes.moveNext();
    quotes.loadCurrent();
    EXPECT_EQ(quotes.Current.Date, "C");
    EXPECT_DOUBLE_EQ(quotes.Current.Close, 3);

    quotes.moveNext();
    EXPECT_EQ(quotes.Cursor, linkedList::NoQuote);  // past the oldest quote
    quotes.moveNext();
    EXPECT_EQ(quotes.Cursor, linkedList::NoQuote);  // and it stays off the series
    EXPECT_EQ(datesInChainOrder(quotes), (std::vector<std::string>{"A", "B", "C"}));
}

TEST(QuoteSeries, AppendsAtTheEndWhereverTheCursorIs) {
    linkedList quotes;
    appendQuote(quotes, "A", 1);
    appendQuote(quotes, "B", 2);
    quotes.moveToFirst();
    appendQuote(quotes, "C", 3);
    EXPECT_EQ(datesInChainOrder(quotes), (std::vector<std::string>{"A", "B", "C"}));
    EXPECT_EQ(at(quotes, quotes.Last() - 1).Date, "B");
    EXPECT_EQ(quotes.Cursor, quotes.Last());
}

TEST(QuoteSeries, IsReusedAfterClearList) {
    linkedList quotes;
    for (int i = 0; i < 5; ++i) appendQuote(quotes, "old", i);
    quotes.clearList();
    EXPECT_TRUE(datesInChainOrder(quotes).empty());
    appendQuote(quotes, "X", 10);
    appendQuote(quotes, "Y", 20);
    EXPECT_EQ(datesInChainOrder(quotes), (std::vector<std::string>{"X", "Y"}));
    quotes.moveToLast();
    quotes.movePrev();
    quotes.loadCurrent();
    EXPECT_EQ(quotes.Current.Date, "X");
    quotes.movePrev();
    EXPECT_EQ(quotes.Cursor, linkedList::NoQuote);  // past the newest quote
}

TEST(QuoteSeries, KeepsEveryDateWhileItsArrayGrows) {
    linkedList quotes;
    std::vector<std::string> expected;
    for (int i = 0; i < 300; ++i) {
        // Every third date is too long to live inside its record.
        expected.push_back(std::to_string(i) + (i % 3 == 0 ? std::string(QuoteDate::InlineCapacity, '-') : ""));
        appendQuote(quotes, expected.back().c_str(), i);
    }
    EXPECT_EQ(datesInChainOrder(quotes), expected);
    EXPECT_DOUBLE_EQ(at(quotes, 299).Close, 299);

    linkedList other;
    appendQuote(other, "other", 1);
    quotes.swap(other);
    EXPECT_EQ(datesInChainOrder(quotes), std::vector<std::string>{"other"});
    EXPECT_EQ(datesInChainOrder(other), expected);
    EXPECT_EQ(other.Cursor, other.Last());
}

TEST(QuoteSeries, WalksTheWindowFromItsStartOldestFirst) {
    linkedList quotes;
    const char* newestFirst[] = {"5", "4", "3", "2", "1"};
    for (int i = 0; i < 5; ++i) appendQuote(quotes, newestFirst[i], 5 - i);
    quotes.StartMark = quotes.Last() - 1;  // "2"
    quotes.WindowCount = 3;
    std::vector<std::string> visited;
    quotes.moveToMark();
    quotes.loadCurrent();
    visited.emplace_back(quotes.Current.Date.View());
    for (int i = 1; i < quotes.WindowCount; ++i) {
        quotes.movePrev();
        quotes.loadCurrent();
        visited.emplace_back(quotes.Current.Date.View());
    }
    EXPECT_EQ(visited, (std::vector<std::string>{"2", "3", "4"}));
}

TEST(QuoteDate, KeepsShortAndLongTextsExactly) {
    std::string longText(149, 'd');
    longText[0] = 'L';
    QuoteDate shortDate("29-May-24");
    QuoteDate longDate(longText);
    EXPECT_EQ(shortDate.View(), "29-May-24");
    EXPECT_EQ(std::string(shortDate.c_str()), "29-May-24");
    EXPECT_EQ(longDate.View(), longText);
    EXPECT_EQ(std::string(longDate.c_str()), longText);

    std::string edge(QuoteDate::InlineCapacity, 'e');
    std::string beyond(QuoteDate::InlineCapacity + 1, 'b');
    EXPECT_EQ(QuoteDate(edge).View(), edge);
    EXPECT_EQ(QuoteDate(beyond).View(), beyond);
    EXPECT_EQ(QuoteDate("").Length(), 0);

    // Copies and reassignments between the two kinds keep their own text.
    QuoteDate copy = longDate;
    copy = shortDate;
    EXPECT_EQ(copy, shortDate);
    copy = longDate;
    EXPECT_EQ(copy.View(), longText);
    QuoteDate& same = copy;
    copy = same;
    EXPECT_EQ(copy.View(), longText);
    QuoteDate moved = std::move(copy);
    EXPECT_EQ(moved.View(), longText);
    moved = std::string_view(moved.View()).substr(1, 40);
    EXPECT_EQ(moved.View(), longText.substr(1, 40));
    moved = std::string_view(moved.View()).substr(0, 3);
    EXPECT_EQ(moved.View(), "ddd");
    EXPECT_EQ(moved.Text(), AnsiString("ddd"));
}

TEST(QuotePriceText, HasSevenSignificantDigitsAndTwoDecimals) {
    EXPECT_EQ(FormatQuotePrice(2.5), "2.50");
    EXPECT_EQ(FormatQuotePrice(1234567.891), "1,234,568.00");
    EXPECT_EQ(FormatQuotePrice(1234.5), "1,234.50");
    EXPECT_EQ(FormatQuotePrice(0), "0.00");
}

}  // namespace
