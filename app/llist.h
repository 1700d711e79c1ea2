#pragma once
// The quote series: the daily quotes of one stock quote file in file order
// (newest first), a current record through which quotes go in and out, a
// cursor, and the window that Create Analysis chooses.

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string_view>

#include "platform/runtime/AnsiString.h"

// A quote's date text, kept exactly. Dates are short, so the text lives
// inside the record; a longer one goes to the heap. Keeps a node small
// enough for a million quotes.
class QuoteDate {
public:
    static constexpr std::size_t InlineCapacity = 22;

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
    char* HeapText() const;
    std::size_t HeapLength() const;

    // Inline: the text, its NUL, and its length in the last byte.
    // On the heap: the pointer and the length, and OnHeap in the last byte.
    alignas(char*) char bytes_[InlineCapacity + 2];
};

void PrintTo(const QuoteDate& date, std::ostream* os);

// The values of one daily quote: what the current record holds.
struct QuoteValues {
    QuoteDate Date;
    double Open = 0;
    double High = 0;
    double Low = 0;
    double Close = 0;
    std::int64_t Volume = 0;
};

// One node of the chain.
struct QuoteRecord : QuoteValues {
    QuoteRecord* Prev = nullptr;  // next newer quote; null at First
    QuoteRecord* Next = nullptr;  // next older quote; null at Last
};

class linkedList {
public:
    QuoteValues Current;
    QuoteRecord* Cursor = nullptr;
    QuoteRecord* StartMark = nullptr;  // the window's oldest quote
    QuoteRecord* EndMark = nullptr;    // the window's newest quote
    QuoteRecord* Last = nullptr;       // the oldest quote
    int WindowCount = 0;
    AnsiString HeaderSymbol;
    QuoteDate NewestDate;
    QuoteRecord* First = nullptr;      // the newest quote

    linkedList() = default;
    ~linkedList();
    linkedList(const linkedList&) = delete;
    linkedList& operator=(const linkedList&) = delete;

    // Copies Current into a new node at the end of the chain; it becomes
    // Cursor and Last. Always at the end, so no node can be cut off.
    void appendRecord();
    void moveToLast() { Cursor = Last; }
    void moveToFirst() { Cursor = First; }
    void moveToMark() { Cursor = StartMark; }
    void moveNext() { Cursor = Cursor->Next; }  // one quote older
    void movePrev() { Cursor = Cursor->Prev; }  // one quote newer
    void loadCurrent() { Current = *Cursor; }
    // Frees every node; the cursor and the window are left unset.
    void clearList();
    // Exchanges the whole contents, so a file can be read aside and taken
    // over only when it was read completely.
    void swap(linkedList& other) noexcept;

    // Walks the nodes in chain order (newest first) without moving the cursor.
    class const_iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = QuoteRecord;
        using difference_type = std::ptrdiff_t;
        using pointer = const QuoteRecord*;
        using reference = const QuoteRecord&;
        const_iterator() = default;
        explicit const_iterator(const QuoteRecord* node) : node_(node) {}
        reference operator*() const { return *node_; }
        pointer operator->() const { return node_; }
        const_iterator& operator++() { node_ = node_->Next; return *this; }
        const_iterator operator++(int) { const_iterator old = *this; node_ = node_->Next; return old; }
        friend bool operator==(const const_iterator&, const const_iterator&) = default;

    private:
        const QuoteRecord* node_ = nullptr;
    };
    const_iterator begin() const { return const_iterator(First); }
    const_iterator end() const { return const_iterator(); }
};

// A price as the quotes grid shows it: thousands separators, two decimals,
// seven significant digits.
AnsiString FormatQuotePrice(double price);
