#pragma once
// The texts of a string grid's cells, kept compact enough for a million
// rows: each row is one heap block (nullptr while every cell of it is
// empty) holding the number of cells kept, their byte lengths as variable
// length integers, then the texts back to back. Trailing empty cells are
// not kept. Reading a cell walks the lengths of its row; writing one
// rebuilds its row's block.

#include <cstdint>
#include <vector>

#include "platform/runtime/AnsiString.h"

class TSeGridCells {
public:
    TSeGridCells() = default;
    TSeGridCells(const TSeGridCells&) = delete;
    TSeGridCells& operator=(const TSeGridCells&) = delete;
    ~TSeGridCells();

    int GetRowCount() const { return static_cast<int>(rows_.size()); }
    // Rows past the new count are dropped; new rows are empty.
    void SetRowCount(int Value);
    // Drops every cell at or after column Value.
    void DropColumnsFrom(int Value);
    // "" for an empty cell or one outside the rows kept.
    AnsiString Get(int ACol, int ARow) const;
    // ARow must be below the row count.
    void Set(int ACol, int ARow, const AnsiString& Value);
    // Replaces the whole row by Count cells at once (one block built, where
    // setting them one by one rebuilds it each time).
    void SetRow(int ARow, const AnsiString* Values, int Count);
    // Whether any row from FirstRow on holds text; costs FirstRow steps, not the row count.
    bool AnyTextFrom(int FirstRow) const;

private:
    // Puts a row's new block in place of its old one, keeping the count of rows with text.
    void Replace(std::uint8_t*& Block, std::uint8_t* Fresh);

    std::vector<std::uint8_t*> rows_;
    std::vector<std::uint32_t> lengths_;  // scratch of Set, kept to spare allocations
    int filledRows_ = 0;                  // rows whose block is not nullptr
};
