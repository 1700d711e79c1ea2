#include "skin/controls/SeGridCells.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace {

std::uint32_t ReadVarint(const std::uint8_t*& p) {
    std::uint32_t value = 0;
    for (int shift = 0;; shift += 7) {
        std::uint8_t byte = *p++;
        value |= static_cast<std::uint32_t>(byte & 0x7F) << shift;
        if (!(byte & 0x80)) return value;
    }
}

std::uint8_t* WriteVarint(std::uint8_t* p, std::uint32_t value) {
    while (value >= 0x80) {
        *p++ = static_cast<std::uint8_t>(value | 0x80);
        value >>= 7;
    }
    *p++ = static_cast<std::uint8_t>(value);
    return p;
}

std::size_t VarintSize(std::uint32_t value) {
    std::size_t n = 1;
    while (value >= 0x80) value >>= 7, ++n;
    return n;
}

// Reads a block's lengths into Lengths; returns where its texts start.
const std::uint8_t* ReadLengths(const std::uint8_t* block, std::vector<std::uint32_t>& lengths) {
    lengths.clear();
    if (!block) return nullptr;
    const std::uint8_t* p = block;
    std::uint32_t count = ReadVarint(p);
    for (std::uint32_t i = 0; i < count; ++i) lengths.push_back(ReadVarint(p));
    return p;
}

}  // namespace

std::uint8_t* TSeGridCells::SourceRow() {
    static std::uint8_t mark;
    return &mark;
}

TSeGridCells::~TSeGridCells() {
    for (std::uint8_t* row : rows_)
        if (row != SourceRow()) delete[] row;
}

void TSeGridCells::SetRowCount(int Value) {
    if (Value < 0) Value = 0;
    for (std::size_t i = static_cast<std::size_t>(Value); i < rows_.size(); ++i) Replace(rows_[i], nullptr);
    rows_.resize(static_cast<std::size_t>(Value), nullptr);
}

void TSeGridCells::Replace(std::uint8_t*& Block, std::uint8_t* Fresh) {
    filledRows_ += (Fresh != nullptr) - (Block != nullptr);
    if (Block != SourceRow()) delete[] Block;
    Block = Fresh;
}

void TSeGridCells::StoreFromSource(int ARow) {
    std::vector<AnsiString> texts;
    for (int col = 0; col < sourceCols_; ++col) texts.push_back(source_(col, ARow));
    SetRow(ARow, texts.data(), sourceCols_);
}

void TSeGridCells::SetSource(int FirstRow, int Count, int ColCount, TCellTextSource Source) {
    const int end = FirstRow + Count;
    if (FirstRow < 0 || Count < 0 || end > GetRowCount()) throw std::out_of_range("TSeGridCells::SetSource");
    // The rows of the old source outside the new one keep what they showed.
    if (source_)
        for (int row = 0; row < GetRowCount(); ++row)
            if (rows_[row] == SourceRow() && (row < FirstRow || row >= end)) StoreFromSource(row);
    source_ = std::move(Source);
    sourceCols_ = std::max(ColCount, 0);
    for (int row = FirstRow; row < end; ++row) Replace(rows_[row], SourceRow());
}

bool TSeGridCells::AnyTextFrom(int FirstRow) const {
    int before = 0;
    for (int row = 0; row < std::min(FirstRow, GetRowCount()); ++row) before += rows_[row] != nullptr;
    return filledRows_ > before;
}

AnsiString TSeGridCells::Get(int ACol, int ARow) const {
    if (ARow < 0 || ARow >= GetRowCount() || ACol < 0 || !rows_[ARow]) return AnsiString();
    if (rows_[ARow] == SourceRow()) return ACol < sourceCols_ ? source_(ACol, ARow) : AnsiString();
    const std::uint8_t* p = rows_[ARow];
    std::uint32_t count = ReadVarint(p);
    if (static_cast<std::uint32_t>(ACol) >= count) return AnsiString();
    std::size_t offset = 0, length = 0;
    for (std::uint32_t i = 0; i < count; ++i) {
        std::uint32_t n = ReadVarint(p);
        if (i < static_cast<std::uint32_t>(ACol)) offset += n;
        else if (i == static_cast<std::uint32_t>(ACol)) length = n;
    }
    return AnsiString(reinterpret_cast<const char*>(p + offset), static_cast<int>(length));
}

void TSeGridCells::Set(int ACol, int ARow, const AnsiString& Value) {
    if (rows_.at(static_cast<std::size_t>(ARow)) == SourceRow()) StoreFromSource(ARow);
    std::uint8_t*& block = rows_[static_cast<std::size_t>(ARow)];
    const std::uint8_t* from = ReadLengths(block, lengths_);
    const std::size_t col = static_cast<std::size_t>(ACol), oldCount = lengths_.size();
    auto newLength = [&](std::size_t i) -> std::uint32_t {
        if (i == col) return static_cast<std::uint32_t>(Value.Length());
        return i < oldCount ? lengths_[i] : 0;
    };
    std::size_t count = std::max(oldCount, col + 1);
    while (count > 0 && newLength(count - 1) == 0) --count;
    if (count == oldCount && col >= oldCount) return;  // an empty cell stays empty

    std::uint8_t* fresh = nullptr;
    if (count > 0) {
        std::size_t size = VarintSize(static_cast<std::uint32_t>(count));
        for (std::size_t i = 0; i < count; ++i) size += VarintSize(newLength(i)) + newLength(i);
        fresh = new std::uint8_t[size];
        std::uint8_t* p = WriteVarint(fresh, static_cast<std::uint32_t>(count));
        for (std::size_t i = 0; i < count; ++i) p = WriteVarint(p, newLength(i));
        for (std::size_t i = 0; i < count; ++i) {
            std::uint32_t n = newLength(i);
            if (n) std::memcpy(p, i == col ? reinterpret_cast<const std::uint8_t*>(Value.c_str()) : from, n);
            p += n;
            if (i < oldCount) from += lengths_[i];
        }
    }
    Replace(block, fresh);
}

void TSeGridCells::SetRow(int ARow, const AnsiString* Values, int Count) {
    std::uint8_t*& block = rows_.at(static_cast<std::size_t>(ARow));
    while (Count > 0 && Values[Count - 1].IsEmpty()) --Count;
    std::uint8_t* fresh = nullptr;
    if (Count > 0) {
        const auto count = static_cast<std::uint32_t>(Count);
        std::size_t size = VarintSize(count);
        for (int i = 0; i < Count; ++i) {
            const auto n = static_cast<std::uint32_t>(Values[i].Length());
            size += VarintSize(n) + n;
        }
        fresh = new std::uint8_t[size];
        std::uint8_t* p = WriteVarint(fresh, count);
        for (int i = 0; i < Count; ++i) p = WriteVarint(p, static_cast<std::uint32_t>(Values[i].Length()));
        for (int i = 0; i < Count; ++i) {
            std::memcpy(p, Values[i].c_str(), static_cast<std::size_t>(Values[i].Length()));
            p += Values[i].Length();
        }
    }
    Replace(block, fresh);
}

void TSeGridCells::DropColumnsFrom(int Value) {
    if (Value < 0) Value = 0;
    sourceCols_ = std::min(sourceCols_, Value);
    for (int row = 0; row < GetRowCount(); ++row) {
        if (!rows_[row] || rows_[row] == SourceRow()) continue;
        const std::uint8_t* p = rows_[row];
        std::uint32_t count = ReadVarint(p);
        // Emptying the cells from the last one down keeps each rebuild short.
        for (int col = static_cast<int>(count) - 1; col >= Value; --col) Set(col, row, AnsiString());
    }
}
