#include "app/llist.h"

#include <cstring>
#include <ostream>
#include <utility>

#include "platform/runtime/SysUtils.h"

// Each node is one allocation; keep it within a 96-byte heap chunk.
static_assert(sizeof(QuoteRecord) <= 88, "a quote node has grown");

void QuoteDate::Init(std::string_view text) {
    if (text.size() <= InlineCapacity) {
        std::memcpy(bytes_, text.data(), text.size());
        SetLocal(text.size());
        return;
    }
    char* heap = new char[text.size() + 1];
    std::memcpy(heap, text.data(), text.size());
    heap[text.size()] = '\0';
    std::size_t length = text.size();
    std::memcpy(bytes_, &heap, sizeof heap);
    std::memcpy(bytes_ + sizeof heap, &length, sizeof length);
    bytes_[sizeof(bytes_) - 1] = static_cast<char>(OnHeap);
}

void QuoteDate::SetLocal(std::size_t length) {
    bytes_[length] = '\0';
    bytes_[sizeof(bytes_) - 1] = static_cast<char>(length);
}

void QuoteDate::Release() {
    if (IsOnHeap()) delete[] HeapText();
}

char* QuoteDate::HeapText() const {
    char* heap;
    std::memcpy(&heap, bytes_, sizeof heap);
    return heap;
}

std::size_t QuoteDate::HeapLength() const {
    std::size_t length;
    std::memcpy(&length, bytes_ + sizeof(char*), sizeof length);
    return length;
}

std::string_view QuoteDate::View() const {
    if (IsOnHeap()) return {HeapText(), HeapLength()};
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

linkedList::~linkedList() { clearList(); }

void linkedList::appendRecord() {
    QuoteRecord* node = new QuoteRecord;
    static_cast<QuoteValues&>(*node) = Current;
    if (!First) {
        First = node;
    } else {
        node->Prev = Last;
        Last->Next = node;
    }
    Cursor = node;
    Last = node;
}

void linkedList::clearList() {
    while (Last) {
        QuoteRecord* older = Last;
        Last = older->Prev;
        delete older;
    }
    First = nullptr;
    Cursor = StartMark = EndMark = nullptr;
    WindowCount = 0;
}

void linkedList::swap(linkedList& other) noexcept {
    std::swap(Current, other.Current);
    std::swap(Cursor, other.Cursor);
    std::swap(StartMark, other.StartMark);
    std::swap(EndMark, other.EndMark);
    std::swap(Last, other.Last);
    std::swap(WindowCount, other.WindowCount);
    std::swap(HeaderSymbol, other.HeaderSymbol);
    std::swap(NewestDate, other.NewestDate);
    std::swap(First, other.First);
}

AnsiString FormatQuotePrice(double price) { return FloatToStrF(price, ffNumber, 7, 2); }
