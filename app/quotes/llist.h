#pragma once
// The quote series: the daily quotes of one stock quote file in file order
// (newest first) in one array, a current record through which quotes go in
// and out, a cursor, and the window that Create Analysis chooses.

#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <span>
#include <string_view>
#include <vector>

#include "platform/runtime/AnsiString.h"
#include "platform/runtime/DateUtils.h"

// A quote's date text, kept exactly. Dates are short, so the text lives
// inside the record; a longer one goes to the heap. Sixteen bytes, so that a
// quote fills one 64-byte line of the series' array.
class QuoteDate {
public:
    static constexpr std::size_t InlineCapacity = 14;

    QuoteDate() { SetLocal(0); }
    QuoteDate(std::string_view text) { Init(text); }
    QuoteDate(const QuoteDate& other) { Init(other.View()); }
    QuoteDate(QuoteDate&& other) noexcept;
    QuoteDate& operator=(const QuoteDate& other);
    QuoteDate& operator=(QuoteDate&& other) noexcept;
    QuoteDate& operator=(std::string_view text);
    ~QuoteDate() { Release(); }

    std::string_view View() const;
    const char* c_str() const { return View().data(); }
    int Length() const { return static_cast<int>(View().size()); }
    bool IsEmpty() const { return View().empty(); }
    AnsiString Text() const { return AnsiString(View()); }

    friend bool operator==(const QuoteDate& a, const QuoteDate& b) { return a.View() == b.View(); }
    friend bool operator==(const QuoteDate& a, std::string_view b) { return a.View() == b; }
    friend bool operator==(const QuoteDate& a, const char* b) { return a.View() == std::string_view(b); }
    friend bool operator==(const QuoteDate& a, const AnsiString& b) { return a.View() == std::string_view(b.str()); }

private:
    static constexpr unsigned char OnHeap = 0xFF;
    void Init(std::string_view text);
    void Release();
    void SetLocal(std::size_t length);
    bool IsOnHeap() const { return static_cast<unsigned char>(bytes_[sizeof(bytes_) - 1]) == OnHeap; }
    char* HeapBlock() const;

    // Inline: the text, its NUL, and its length in the last byte.
    // On the heap: the pointer to a block holding the length, the text and
    // its NUL; OnHeap in the last byte.
    alignas(char*) char bytes_[InlineCapacity + 2];
};

void PrintTo(const QuoteDate& date, std::ostream* os);

// One daily quote.
struct QuoteRecord {
    QuoteDate Date;
    TDateTime Day = 0;  // the date as a number; 0 when the text is not a date
    double Open = 0;
    double High = 0;
    double Low = 0;
    double Close = 0;
    std::int64_t Volume = 0;
};

// Positions in the series are indexes into Records(): 0 is the newest quote,
// Last() the oldest. A window is the index range [EndMark, StartMark].
class linkedList {
public:
    static constexpr int NoQuote = -1;

    QuoteRecord Current;
    int Cursor = NoQuote;
    int StartMark = NoQuote;  // the window's oldest quote
    int EndMark = NoQuote;    // the window's newest quote
    int WindowCount = 0;
    AnsiString HeaderSymbol;
    QuoteDate NewestDate;

    // A million quotes are not copied by accident; swap() hands them over.
    linkedList() = default;
    linkedList(const linkedList&) = delete;
    linkedList& operator=(const linkedList&) = delete;

    int First() const { return records_.empty() ? NoQuote : 0; }  // the newest quote
    int Last() const { return static_cast<int>(records_.size()) - 1; }  // the oldest quote

    // Copies Current to the end of the series, as its oldest quote; it
    // becomes Cursor and Last().
    void appendRecord();
    // Makes room for count more quotes, so a reader that knows how many
    // follow fills the array without moving it.
    void reserveRecords(int count) { records_.reserve(records_.size() + static_cast<std::size_t>(count)); }
    void moveToLast() { Cursor = Last(); }
    void moveToFirst() { Cursor = First(); }
    void moveToMark() { Cursor = StartMark; }
    // One quote older, or one quote newer; past either end the cursor is NoQuote.
    void moveNext() { Cursor = Cursor != NoQuote && Cursor < Last() ? Cursor + 1 : NoQuote; }
    void movePrev() { Cursor = Cursor > 0 ? Cursor - 1 : NoQuote; }
    void loadCurrent() { Current = records_[Cursor]; }
    // Frees every quote; the cursor and the window are left unset.
    void clearList();
    // Exchanges the whole contents, so a file can be read aside and taken
    // over only when it was read completely.
    void swap(linkedList& other) noexcept;

    // Every quote, newest first.
    std::span<const QuoteRecord> Records() const { return records_; }
    std::vector<QuoteRecord>::const_iterator begin() const { return records_.begin(); }
    std::vector<QuoteRecord>::const_iterator end() const { return records_.end(); }

private:
    std::vector<QuoteRecord> records_;
};

// A price as the quotes grid shows it: thousands separators, two decimals,
// seven significant digits.
AnsiString FormatQuotePrice(double price);
