#include "SkinTest.h"
#include "skin/controls/SeGrids.h"

namespace {

class SeStringGridInput : public SkinTest {
protected:
    // 300 x 200, a 2-pixel frame: columns of 60 and rows of 20 (plus lines);
    // 8 columns and 1000 rows need both scroll bars, leaving 280 x 180.
    TSeCustomStringGrid* FocusedGrid() {
        form = ShownForm(320, 240);
        auto* grid = Place(new TSeCustomStringGrid(form), form, 0, 0, 300, 200);
        grid->SetColCount(8);
        grid->SetRowCount(1000);
        grid->SetDefaultColWidth(60);
        grid->SetDefaultRowHeight(20);
        grid->SetFocus();
        Application->ProcessMessages();
        return grid;
    }
    void Press(Word Key, TShiftState Shift = TShiftState()) { PressKey(form, Key, Shift); }
    TForm* form = nullptr;
};

TEST_F(SeStringGridInput, KeysMoveTheCurrentCellAndScrollItIntoView) {
    auto* grid = FocusedGrid();
    Press(VK_DOWN);
    Press(VK_RIGHT);
    EXPECT_EQ(grid->GetRow(), 2);
    EXPECT_EQ(grid->GetCol(), 2);
    Press(VK_UP);
    Press(VK_UP);
    Press(VK_LEFT);
    Press(VK_LEFT);
    EXPECT_EQ(grid->GetRow(), 1) << "the fixed row is no destination";
    EXPECT_EQ(grid->GetCol(), 1);
    EXPECT_EQ(grid->GetVisibleRowCount(), 7) << "1 fixed + 7 of 21 in 180";
    Press(VK_NEXT);
    EXPECT_EQ(grid->GetRow(), 8);
    EXPECT_EQ(grid->GetTopRow(), 8);
    for (int i = 0; i < 7; ++i) Press(VK_DOWN);
    EXPECT_EQ(grid->GetRow(), 15);
    EXPECT_EQ(grid->GetTopRow(), 9) << "the current row is the last one wholly shown";
    Press(VK_PRIOR);
    EXPECT_EQ(grid->GetRow(), 8);
    Press(VK_END);
    EXPECT_EQ(grid->GetCol(), 7);
    EXPECT_EQ(grid->GetRow(), 8);
    EXPECT_EQ(grid->GetLeftCol(), 5) << "columns 5 to 7 are wholly shown beside the fixed one";
    EXPECT_FALSE(grid->CellRect(7, 8).IsEmpty());
    Press(VK_END, TShiftState{ssCtrl});
    EXPECT_EQ(grid->GetRow(), 999);
    EXPECT_EQ(grid->GetTopRow(), 993);
    EXPECT_EQ(grid->GetVertScrollBar()->GetPosition(), 992);
    Press(VK_HOME, TShiftState{ssCtrl});
    EXPECT_EQ(grid->GetRow(), 1);
    EXPECT_EQ(grid->GetCol(), 1);
    EXPECT_EQ(grid->GetTopRow(), 1);
    EXPECT_EQ(grid->GetLeftCol(), 1);
    Press(VK_DOWN, TShiftState{ssShift});
    Press(VK_RIGHT, TShiftState{ssShift});
    EXPECT_EQ(grid->GetSelection(), (TGridRect{1, 1, 2, 2})) << "Shift extends the range";
    Press(VK_DOWN);
    EXPECT_EQ(grid->GetSelection(), (TGridRect{2, 3, 2, 3}));
    EXPECT_TRUE(grid->Focused()) << "arrows stay with the grid";
}

TEST_F(SeStringGridInput, MouseSelectsCellsAndRangesAndTheWheelScrolls) {
    auto* grid = FocusedGrid();
    TRect r = grid->CellRect(3, 4);
    MouseClick(grid, r.Left + 5, r.Top + 5);
    EXPECT_EQ(grid->GetCol(), 3);
    EXPECT_EQ(grid->GetRow(), 4);
    TRect heading = grid->CellRect(2, 0);
    MouseClick(grid, heading.Left + 5, heading.Top + 5);
    EXPECT_EQ(grid->GetRow(), 4) << "a heading is not selected";
    TRect to = grid->CellRect(1, 6);
    MouseDown(grid, mbLeft, r.Left + 5, r.Top + 5);
    MouseMove(grid, to.Left + 5, to.Top + 5);
    MouseUp(grid, mbLeft, to.Left + 5, to.Top + 5);
    EXPECT_EQ(grid->GetSelection(), (TGridRect{1, 4, 3, 6}));
    grid->SetOptions(grid->GetOptions() + TGridOptions{goRowSelect});
    EXPECT_EQ(grid->GetSelection(), (TGridRect{1, 4, 7, 6})) << "whole rows";

    MouseWheel(grid, 50, 50, -120);
    EXPECT_EQ(grid->GetTopRow(), 4);
    MouseWheel(grid, 50, 50, 240);
    EXPECT_EQ(grid->GetTopRow(), 1);
}

TEST_F(SeStringGridInput, SelectCellMayRefuseAMove) {
    auto* grid = FocusedGrid();
    std::vector<std::pair<int, int>> asked;
    grid->OnSelectCell = TSelectCellEvent([&](TObject*, int c, int r, bool& can) {
        asked.push_back({c, r});
        can = r != 3;
    });
    Press(VK_DOWN);
    Press(VK_DOWN);
    EXPECT_EQ(grid->GetRow(), 2);
    TRect r = grid->CellRect(2, 3);
    MouseClick(grid, r.Left + 5, r.Top + 5);
    EXPECT_EQ(grid->GetRow(), 2);
    EXPECT_EQ(grid->GetCol(), 1);
    grid->SetRow(5);
    EXPECT_EQ(grid->GetRow(), 5);
    EXPECT_EQ(asked, (std::vector<std::pair<int, int>>{{1, 2}, {1, 3}, {2, 3}, {1, 5}}));
    grid->SetRowCount(0);
    Press(VK_DOWN);
    EXPECT_EQ(asked.size(), 4u) << "an empty grid offers no cell";
    EXPECT_EQ(grid->GetRow(), 0);
}

TEST_F(SeStringGridInput, HeadingLinesSizeColumns) {
    auto* grid = FocusedGrid();
    grid->SetOptions(grid->GetOptions() + TGridOptions{goColSizing});
    TRect heading = grid->CellRect(1, 0);
    MouseDown(grid, mbLeft, heading.Right, heading.Top + 5);
    MouseMove(grid, heading.Right + 25, heading.Top + 5);
    MouseUp(grid, mbLeft, heading.Right + 25, heading.Top + 5);
    EXPECT_EQ(grid->GetColWidths(1), 85);
    EXPECT_EQ(grid->GetRow(), 1) << "sizing selects nothing";
}

}  // namespace
