#pragma once
// The texts of a string grid's cells, kept compact enough for a million
// rows: each row is one heap block (nullptr while every cell of it is
// empty) holding the number of cells kept, their byte lengths as variable
// length integers, then the texts back to back. Trailing empty cells are
// not kept. Reading a cell walks the lengths of its row; writing one
// rebuilds its row's block. Rows may instead take their texts from a source
// asked on every read, so that a million rows cost nothing until shown.

#include <cstdint>
#include <functional>
#include <vector>

#include "platform/runtime/AnsiString.h"

// The text of cell (ACol, ARow).
using TCellTextSource = std::function<AnsiString(int ACol, int ARow)>;

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
    // Rows FirstRow .. FirstRow + Count - 1 (below the row count) read their
    // first ColCount cells from Source, the rest as empty, until a cell of
    // the row is written: the row then keeps Source's texts as its own. Rows
    // of an earlier source keep that source's texts. Rows of a source count
    // as rows with text.
    void SetSource(int FirstRow, int Count, int ColCount, TCellTextSource Source);
    // Whether any row from FirstRow on holds text; costs FirstRow steps, not the row count.
    bool AnyTextFrom(int FirstRow) const;

private:
    // Puts a row's new block in place of its old one, keeping the count of rows with text.
    void Replace(std::uint8_t*& Block, std::uint8_t* Fresh);
    // Stores the texts the source gives a row of the source.
    void StoreFromSource(int ARow);
    static std::uint8_t* SourceRow();  // the mark of a row read from source_

    std::vector<std::uint8_t*> rows_;
    std::vector<std::uint32_t> lengths_;  // scratch of Set, kept to spare allocations
    int filledRows_ = 0;                  // rows whose block is not nullptr
    TCellTextSource source_;
    int sourceCols_ = 0;
};
