// The string grid at quote-file sizes: one repaint of a 640 x 480 grid
// (which must not depend on the row count), a page of scrolling, filling a
// million rows of seven short texts, and the bytes each such row keeps.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <cstdlib>
#include <cstdio>
#include <vector>

#include "platform/controls/Forms.h"
#include "skin/engine/KsSkinGrids.h"

namespace {

constexpr int kColumns = 7;
constexpr int kTextRows = 4096;

AnsiString CellText(int Col, int Row) {
    char text[32];
    switch (Col) {
    case 0: std::snprintf(text, sizeof text, "%d", Row); break;
    case 1: std::snprintf(text, sizeof text, "2024-%02d-%02d", 1 + Row % 12, 1 + Row % 28); break;
    case 6: std::snprintf(text, sizeof text, "%d", 1000000 + Row % 7777777); break;
    default: std::snprintf(text, sizeof text, "%d.%02d", 100 + (Row * Col) % 900, Row % 100); break;
    }
    return text;
}

// The texts are made once, so that filling times the grid, not the formatting.
const std::vector<AnsiString>& Texts() {
    static const std::vector<AnsiString> texts = [] {
        std::vector<AnsiString> made;
        for (int row = 0; row < kTextRows; ++row)
            for (int col = 0; col < kColumns; ++col) made.push_back(CellText(col, row));
        return made;
    }();
    return texts;
}

void Fill(TSeCustomStringGrid* Grid) {
    const std::vector<AnsiString>& texts = Texts();
    for (int row = 0; row < Grid->GetRowCount(); ++row)
        for (int col = 0; col < kColumns; ++col) Grid->SetCells(col, row, texts[(row % kTextRows) * kColumns + col]);
}

// A shown form holding a 640 x 480 skinned grid of Rows filled rows.
struct ShownGrid {
    explicit ShownGrid(int Rows) : form(new TForm(Application)) {
        form->SetBounds(0, 0, 660, 500);
        grid = new TSeSkinStringGrid(form);
        grid->SetParent(form);
        grid->SetBounds(0, 0, 640, 480);
        grid->SetColCount(kColumns);
        grid->SetRowCount(Rows);
        Fill(grid);
        form->Show();
        Application->ProcessMessages();
    }
    ~ShownGrid() { delete form; }
    TForm* form;
    TSeSkinStringGrid* grid;
};

void RepaintVisibleCells(benchmark::State& state) {
    TSeSkinEngine engine(nullptr);
    ShownGrid shown(static_cast<int>(state.range(0)));
    shown.grid->SetTopRow(shown.grid->GetRowCount() / 2);
    for (auto _ : state) shown.grid->Repaint();
}
BENCHMARK(RepaintVisibleCells)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

void ScrollByAPage(benchmark::State& state) {
    TSeSkinEngine engine(nullptr);
    ShownGrid shown(static_cast<int>(state.range(0)));
    TSeCustomStringGrid* grid = shown.grid;
    int page = grid->GetVisibleRowCount();
    for (auto _ : state) {
        int top = grid->GetTopRow() + page;
        grid->SetTopRow(top + page >= grid->GetRowCount() ? 1 : top);
        grid->Repaint();
    }
}
BENCHMARK(ScrollByAPage)->Arg(1000000)->Unit(benchmark::kMillisecond);

void SetRowCountToAMillion(benchmark::State& state) {
    TForm form(nullptr);
    auto* grid = new TSeCustomStringGrid(&form);
    for (auto _ : state) {
        grid->SetRowCount(1);
        grid->SetRowCount(1000000);
    }
}
BENCHMARK(SetRowCountToAMillion)->Unit(benchmark::kMillisecond);

void FillAMillionRows(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        TForm form(nullptr);
        auto* grid = new TSeCustomStringGrid(&form);
        grid->SetColCount(kColumns);
        grid->SetRowCount(1000000);
        Texts();
        std::size_t before = mallinfo2().uordblks;
        state.ResumeTiming();
        Fill(grid);
        state.PauseTiming();
        state.counters["bytes_per_row"] =
            static_cast<double>(mallinfo2().uordblks - before) / grid->GetRowCount() +
            static_cast<double>(sizeof(void*));  // the row's pointer, allocated with the row count
        state.ResumeTiming();
    }
}
BENCHMARK(FillAMillionRows)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

