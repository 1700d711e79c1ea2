#include <set>
#include <tuple>

#include "SkinTest.h"
#include "skin/controls/SeGrids.h"

namespace {

class SeStringGrid : public SkinTest {
protected:
    // 300 x 200 with a 2-pixel frame: 4 columns of 60 fit, 100 rows of 20 do not.
    TSeCustomStringGrid* MakeGrid(TForm* Form) {
        auto* grid = Place(new TSeCustomStringGrid(Form), Form, 0, 0, 300, 200);
        grid->SetColCount(4);
        grid->SetRowCount(100);
        grid->SetDefaultColWidth(60);
        grid->SetDefaultRowHeight(20);
        Application->ProcessMessages();
        return grid;
    }
    using Call = std::tuple<int, int, TRect, TGridDrawState>;
    std::vector<Call> PaintCalls(TSeCustomStringGrid* grid) {
        std::vector<Call> calls;
        grid->OnDrawCell = TDrawCellEvent([&](TObject*, int c, int r, const TRect& R, TGridDrawState s) {
            calls.emplace_back(c, r, R, s);
        });
        grid->Repaint();
        grid->OnDrawCell = nullptr;
        return calls;
    }
};

TEST_F(SeStringGrid, CellsSurviveCountChangesAndOutsideWritesAreRefused) {
    TForm* form = ShownForm();
    auto* grid = MakeGrid(form);
    grid->SetCells(3, 99, "last");
    grid->SetCells(1, 5, "kept");
    grid->SetRowCount(1000000);
    EXPECT_EQ(grid->GetCells(3, 99), "last");
    grid->SetCells(2, 999999, "far");
    EXPECT_EQ(grid->GetCells(2, 999999), "far");
    grid->SetRowCount(50);
    grid->SetColCount(2);
    EXPECT_EQ(grid->GetCells(1, 5), "kept");
    grid->SetRowCount(100);
    grid->SetColCount(4);
    EXPECT_EQ(grid->GetCells(3, 99), "") << "shrinking dropped the cell";
    EXPECT_EQ(grid->GetCells(1, 5), "kept");
    EXPECT_THROW(grid->SetCells(4, 0, "x"), EInvalidOperation);
    EXPECT_THROW(grid->SetCells(0, 100, "x"), EInvalidOperation);
    EXPECT_THROW(grid->SetFixedRows(100), EInvalidOperation);
    grid->SetRowCount(1);
    EXPECT_EQ(grid->GetFixedRows(), 0) << "fixed rows give way to a smaller count";
}

TEST_F(SeStringGrid, RowsAndColsAreListsOfTheCells) {
    TForm* form = ShownForm();
    auto* grid = MakeGrid(form);
    TStrings* row = grid->GetRows(2);
    EXPECT_EQ(row->GetCount(), 4);
    row->SetCommaText("a,b,c");
    EXPECT_EQ(grid->GetCells(0, 2), "a");
    EXPECT_EQ(grid->GetCells(2, 2), "c");
    EXPECT_EQ(row->Add("d"), 3);
    EXPECT_EQ(row->Add("e"), -1) << "no empty cell left";
    row->SetStrings(1, "B");
    EXPECT_EQ(grid->GetCells(1, 2), "B");
    grid->SetCells(0, 2, "A");
    EXPECT_EQ(row->GetStrings(0), "A");
    EXPECT_EQ(grid->GetCols(1)->GetStrings(2), "B");
    EXPECT_EQ(grid->GetCols(1)->GetCount(), 100);
    EXPECT_THROW(row->GetStrings(4), EStringListError);
    EXPECT_EQ(grid->GetRows(2), row) << "one list per row, owned by the grid";
    row->Clear();
    EXPECT_EQ(grid->GetCells(3, 2), "");
    EXPECT_THROW(grid->GetRows(100), EInvalidOperation);
}

TEST_F(SeStringGrid, DrawCellCoversExactlyTheVisibleCells) {
    TForm* form = ShownForm(320, 240);
    auto* grid = MakeGrid(form);
    grid->SetFixedCols(1);
    grid->SetCells(3, 99, "x");  // a grid with rows, so a selection to show
    std::vector<Call> calls = PaintCalls(grid);
    // Rows 0..9 start above the area's bottom (9 * 21 < 196); all 4 columns fit.
    ASSERT_EQ(calls.size(), 40u);
    std::set<std::pair<int, int>> cells;
    for (auto& [c, r, R, s] : calls) {
        cells.insert({c, r});
        EXPECT_EQ(R, Bounds(2 + 61 * c, 2 + 21 * r, 60, 20));
        EXPECT_EQ(s.Contains(gdFixed), c == 0 || r == 0);
        EXPECT_EQ(s.Contains(gdSelected), c == 1 && r == 1);
        EXPECT_FALSE(s.Contains(gdFocused)) << "the grid has no focus";
    }
    EXPECT_EQ(cells.size(), 40u);

    grid->SetFocus();
    grid->SetTopRow(50);
    calls = PaintCalls(grid);
    ASSERT_EQ(calls.size(), 40u);
    for (auto& [c, r, R, s] : calls) {
        EXPECT_TRUE(r == 0 || (r >= 50 && r <= 58)) << r;
        if (r >= 50) {
            EXPECT_EQ(R.Top, 2 + 21 * (r - 49));
        }
    }
    EXPECT_EQ(grid->CellRect(1, 10), TRect()) << "scrolled away";
    grid->SetRow(52);
    calls = PaintCalls(grid);
    int focused = 0;
    for (auto& [c, r, R, s] : calls) focused += s.Contains(gdFocused) && c == 1 && r == 52;
    EXPECT_EQ(focused, 1);
    EXPECT_EQ(grid->MouseToCell(2 + 61 + 5, 2 + 21 * 3 + 5).Y, 52);
    EXPECT_EQ(grid->MouseToCell(2 + 61 * 4 + 5, 50).X, -1) << "past the last column";
}

TEST_F(SeStringGrid, ASourcedGridDrawsAsAFilledOneAndAsksOnlyForWhatItDraws) {
    auto text = [](int col, int row) { return AnsiString("r" + std::to_string(row) + "c" + std::to_string(col)); };
    std::set<int> askedRows;
    std::vector<TSeCustomStringGrid*> grids;
    for (bool sourced : {false, true}) {
        auto* grid = MakeGrid(ShownForm(320, 240));
        grid->SetRowCount(1000);
        grid->SetFixedRows(1);
        grid->SetCells(1, 0, "Date");
        if (sourced) {
            grid->SetCellSource(1, 999, [&](int col, int row) {
                askedRows.insert(row);
                return text(col, row);
            });
        } else {
            for (int row = 1; row < 1000; ++row)
                for (int col = 0; col < 4; ++col) grid->SetCells(col, row, text(col, row));
        }
        grid->SetTopRow(500);
        grid->SetRow(505);
        grid->Repaint();
        grids.push_back(grid);
    }
    for (int y = 0; y < 200; y += 3)
        for (int x = 0; x < 300; ++x)
            ASSERT_EQ(SurfacePixel(grids[0], x, y), SurfacePixel(grids[1], x, y)) << x << "," << y;
    EXPECT_EQ(askedRows, (std::set<int>{500, 501, 502, 503, 504, 505, 506, 507, 508}));

    TSeCustomStringGrid* grid = grids[1];
    EXPECT_EQ(grid->GetCells(3, 999), "r999c3");
    EXPECT_EQ(grid->GetRows(7)->GetCommaText(), "r7c0,r7c1,r7c2,r7c3");
    grid->SetCells(2, 600, "x");
    EXPECT_EQ(grid->GetRows(600)->GetCommaText(), "r600c0,r600c1,x,r600c3");
    EXPECT_THROW(grid->SetCellSource(1, 1000, text), EInvalidOperation) << "more rows than the grid has";
}

TEST_F(SeStringGrid, ScrollBarsShowOnlyWhenTheCellsDoNotFit) {
    TForm* form = ShownForm(320, 240);
    auto* grid = MakeGrid(form);
    grid->SetRowCount(9);  // 9 * 21 fits in 196
    EXPECT_FALSE(grid->GetVertScrollBar()->GetVisible());
    EXPECT_FALSE(grid->GetHorzScrollBar()->GetVisible());
    grid->SetRowCount(10);
    EXPECT_TRUE(grid->GetVertScrollBar()->GetVisible());
    EXPECT_FALSE(grid->GetHorzScrollBar()->GetVisible()) << "4 * 61 still fits beside the bar";
    grid->SetColCount(5);  // 5 * 61 > 280
    EXPECT_TRUE(grid->GetHorzScrollBar()->GetVisible());
    grid->SetRowCount(1000000);
    auto* vert = grid->GetVertScrollBar();
    grid->SetTopRow(2000000);
    EXPECT_EQ(grid->GetTopRow(), 1000000 - 7) << "7 rows fill the area above the horizontal bar";
    EXPECT_EQ(vert->GetPosition(), grid->GetTopRow() - 1);
    MouseClick(vert, 8, 8);  // the up arrow
    EXPECT_EQ(grid->GetTopRow(), 1000000 - 8);
    grid->SetBounds(0, 0, 2000, 2000);
    grid->SetRowCount(20);
    EXPECT_FALSE(vert->GetVisible());
    EXPECT_EQ(grid->GetTopRow(), 1);
}

TEST_F(SeStringGrid, HeadingsAndSelectionDrawInTheirColours) {
    TForm* form = ShownForm(320, 240);
    auto* grid = MakeGrid(form);
    grid->SetCells(3, 99, "x");  // a grid with rows, so a selection to show
    grid->Repaint();
    TRect fixed = grid->CellRect(1, 0), plain = grid->CellRect(2, 2), selected = grid->CellRect(1, 1);
    EXPECT_EQ(SurfacePixel(grid, fixed.Left + 30, fixed.Top + 10), ColorToRGB(clBtnFace));
    EXPECT_EQ(SurfacePixel(grid, fixed.Left, fixed.Top + 10), ColorToRGB(clBtnHighlight)) << "raised edge";
    EXPECT_EQ(SurfacePixel(grid, fixed.Right - 1, fixed.Top + 10), ColorToRGB(clBtnShadow));
    EXPECT_EQ(SurfacePixel(grid, plain.Left + 30, plain.Top + 10), ColorToRGB(clWindow));
    EXPECT_EQ(SurfacePixel(grid, plain.Right, plain.Top + 10), ColorToRGB(clSilver)) << "grid line";
    EXPECT_EQ(SurfacePixel(grid, selected.Left + 30, selected.Top + 10), ColorToRGB(clHighlight));
    auto centre = [&](int c, int r) {
        grid->Repaint();
        TRect cell = grid->CellRect(c, r);
        return SurfacePixel(grid, cell.Left + 30, cell.Top + 10);
    };
    grid->SetFocus();
    EXPECT_EQ(centre(1, 1), ColorToRGB(clWindow)) << "the focused cell shows plain, with its focus frame";
    grid->SetOptions(grid->GetOptions() << goDrawFocusSelected);
    EXPECT_EQ(centre(1, 1), ColorToRGB(clHighlight));
    EXPECT_EQ(centre(3, 1), ColorToRGB(clWindow));
    grid->SetOptions(grid->GetOptions() << goRowSelect);
    EXPECT_EQ(centre(3, 1), ColorToRGB(clHighlight)) << "the whole row";
    grid->SetOptions(grid->GetOptions() >> goVertLine);
    grid->Repaint();
    EXPECT_EQ(grid->CellRect(3, 2).Left, grid->CellRect(2, 2).Right) << "no line, no gap";
    EXPECT_EQ(grid->CellRect(1, 2).Left, grid->CellRect(0, 2).Right + 1) << "the heading keeps its line";
}

TEST_F(SeStringGrid, AGridWithoutRowsShowsNoSelection) {
    TForm* form = ShownForm(320, 240);
    auto* grid = MakeGrid(form);
    grid->SetCells(1, 0, "Date");  // headings alone are no rows
    auto centre = [&](int c, int r) {
        grid->Repaint();
        TRect cell = grid->CellRect(c, r);
        return SurfacePixel(grid, cell.Left + 30, cell.Top + 10);
    };
    auto selectedCalls = [&] {
        int selected = 0;
        for (auto& [c, r, R, s] : PaintCalls(grid)) selected += s.Contains(gdSelected);
        return selected;
    };
    EXPECT_EQ(centre(1, 1), ColorToRGB(clWindow));
    EXPECT_EQ(selectedCalls(), 0);
    grid->SetOptions(grid->GetOptions() << goRowSelect);
    EXPECT_EQ(centre(2, 1), ColorToRGB(clWindow));
    EXPECT_EQ(selectedCalls(), 0);

    // Text anywhere in the rows: the selection shows again, and goes with the text.
    grid->SetCells(2, 60, "12.5");
    EXPECT_EQ(centre(2, 1), ColorToRGB(clHighlight));
    EXPECT_EQ(selectedCalls(), 3);
    grid->SetCells(2, 60, "");
    EXPECT_EQ(centre(2, 1), ColorToRGB(clWindow));
    grid->GetRows(7)->SetCommaText("a,b");
    EXPECT_EQ(centre(2, 1), ColorToRGB(clHighlight));
    grid->SetRowCount(7);
    EXPECT_EQ(centre(2, 1), ColorToRGB(clWindow)) << "the row with text cut off";
}

TEST_F(SeStringGrid, DefaultDrawingPutsTheTextWhereTheHandlerWould) {
    TForm* form = ShownForm(320, 240);
    auto* grid = MakeGrid(form);
    grid->SetCells(2, 3, "Wg");
    TRect r = grid->CellRect(2, 3);
    auto cell = [&] {
        grid->Repaint();
        std::vector<TColor> pixels;
        for (int y = r.Top; y < r.Bottom; ++y)
            for (int x = r.Left; x < r.Right; ++x) pixels.push_back(SurfacePixel(grid, x, y));
        return pixels;
    };
    const std::vector<TColor> byDefault = cell();
    EXPECT_NE(std::count(byDefault.begin(), byDefault.end(), ColorToRGB(clWindow)),
              static_cast<long>(byDefault.size())) << "the text shows";
    int dx = 2;
    grid->SetDefaultDrawing(false);
    grid->OnDrawCell = TDrawCellEvent([&](TObject*, int c, int row, const TRect& R, TGridDrawState) {
        // Canvas comes prepared with the cell's brush and the grid's font.
        grid->GetCanvas()->TextRect(R, R.Left + dx, R.Top + 2, grid->GetCells(c, row));
    });
    EXPECT_EQ(cell(), byDefault);
    dx = 3;
    EXPECT_NE(cell(), byDefault);
    // The canvas is clipped to the cell: a handler cannot draw into its neighbour.
    grid->OnDrawCell = TDrawCellEvent([&](TObject*, int, int, const TRect& R, TGridDrawState) {
        grid->GetCanvas()->GetBrush()->SetColor(clRed);
        grid->GetCanvas()->FillRect(Rect(R.Left - 10, R.Top - 10, R.Right + 10, R.Bottom + 10));
    });
    grid->Repaint();
    EXPECT_EQ(SurfacePixel(grid, r.Left + 5, r.Top + 5), clRed);
    EXPECT_EQ(SurfacePixel(grid, r.Right, r.Top + 5), ColorToRGB(clSilver)) << "the line stays";
    EXPECT_EQ(SurfacePixel(grid, 1, 1), ColorToRGB(cl3DDkShadow)) << "the frame stays";
}

}  // namespace
