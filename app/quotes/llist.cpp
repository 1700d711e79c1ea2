#include "app/quotes/llist.h"

#include <cstring>
#include <ostream>
#include <utility>

#include "platform/runtime/SysUtils.h"

// A quote fills one 64-byte line of the series' array.
static_assert(sizeof(QuoteDate) == 16, "a quote date has grown");
static_assert(sizeof(QuoteRecord) == 64, "a quote record has grown");

void QuoteDate::Init(std::string_view text) {
    if (text.size() <= InlineCapacity) {
        std::memcpy(bytes_, text.data(), text.size());
        SetLocal(text.size());
        return;
    }
    std::size_t length = text.size();
    char* block = new char[sizeof length + length + 1];
    std::memcpy(block, &length, sizeof length);
    std::memcpy(block + sizeof length, text.data(), length);
    block[sizeof length + length] = '\0';
    std::memcpy(bytes_, &block, sizeof block);
    bytes_[sizeof(bytes_) - 1] = static_cast<char>(OnHeap);
}

void QuoteDate::SetLocal(std::size_t length) {
    bytes_[length] = '\0';
    bytes_[sizeof(bytes_) - 1] = static_cast<char>(length);
}

void QuoteDate::Release() {
    if (IsOnHeap()) delete[] HeapBlock();
}

char* QuoteDate::HeapBlock() const {
    char* block;
    std::memcpy(&block, bytes_, sizeof block);
    return block;
}

std::string_view QuoteDate::View() const {
    if (IsOnHeap()) {
        const char* block = HeapBlock();
        std::size_t length;
        std::memcpy(&length, block, sizeof length);
        return {block + sizeof length, length};
    }
    return {bytes_, static_cast<unsigned char>(bytes_[sizeof(bytes_) - 1])};
}

QuoteDate& QuoteDate::operator=(std::string_view text) {
    if (!IsOnHeap() && text.size() <= InlineCapacity) {
        std::memmove(bytes_, text.data(), text.size());
        SetLocal(text.size());
        return *this;
    }
    QuoteDate copy(text);  // text may live in this date's own buffer
    Release();
    std::memcpy(bytes_, copy.bytes_, sizeof bytes_);
    copy.SetLocal(0);
    return *this;
}

QuoteDate::QuoteDate(QuoteDate&& other) noexcept {
    std::memcpy(bytes_, other.bytes_, sizeof bytes_);
    other.SetLocal(0);
}

QuoteDate& QuoteDate::operator=(QuoteDate&& other) noexcept {
    if (this != &other) {
        Release();
        std::memcpy(bytes_, other.bytes_, sizeof bytes_);
        other.SetLocal(0);
    }
    return *this;
}

QuoteDate& QuoteDate::operator=(const QuoteDate& other) {
    if (this != &other) *this = other.View();
    return *this;
}

void PrintTo(const QuoteDate& date, std::ostream* os) { *os << '"' << date.View() << '"'; }

void linkedList::appendRecord() {
    records_.push_back(Current);
    Cursor = Last();
}

void linkedList::clearList() {
    std::vector<QuoteRecord>().swap(records_);
    Cursor = StartMark = EndMark = NoQuote;
    WindowCount = 0;
}

void linkedList::swap(linkedList& other) noexcept {
    std::swap(Current, other.Current);
    std::swap(Cursor, other.Cursor);
    std::swap(StartMark, other.StartMark);
    std::swap(EndMark, other.EndMark);
    std::swap(WindowCount, other.WindowCount);
    std::swap(HeaderSymbol, other.HeaderSymbol);
    std::swap(NewestDate, other.NewestDate);
    records_.swap(other.records_);
}

AnsiString FormatQuotePrice(double price) { return FloatToStrF(price, ffNumber, 7, 2); }
