// The string grid's input: the mouse selects cells (and sizes columns by
// the lines of the heading row), the wheel and the scroll bars scroll, the
// keyboard moves the current cell and keeps it in view.
#include <algorithm>
#include <cstdlib>

#include "skin/controls/SeGrids.h"
#include "skin/controls/SeScrollBar.h"

namespace {
constexpr int WheelRows = 3;   // rows scrolled per wheel notch
constexpr int SizingSlack = 3;  // how near a column's edge the mouse grabs it
}  // namespace

void TSeCustomStringGrid::FocusCell(int ACol, int ARow, bool Extend) {
    if (cols_.Count <= cols_.Fixed || rows_.Count <= rows_.Fixed) return;  // nothing but headings
    int lastCol = std::max(cols_.Fixed, cols_.Count - 1), lastRow = std::max(rows_.Fixed, rows_.Count - 1);
    ACol = std::clamp(ACol, cols_.Fixed, lastCol);
    ARow = std::clamp(ARow, rows_.Fixed, lastRow);
    bool extend = Extend && options_.Contains(goRangeSelect);
    if (ACol != current_.X || ARow != current_.Y) {
        bool canSelect = true;
        std::weak_ptr<char> alive = AliveToken();
        if (OnSelectCell) OnSelectCell(this, ACol, ARow, canSelect);
        if (alive.expired() || !canSelect) return;
    }
    Select(extend ? anchor_ : TGridCoord{ACol, ARow}, {ACol, ARow});
    ScrollInView(ACol, ARow);
}

void TSeCustomStringGrid::ScrollInView(int ACol, int ARow) {
    TRect area = CellArea();
    auto bring = [](TSeGridAxis& axis, int index, int room) {
        if (index < axis.Fixed) return;
        if (index < axis.First) axis.First = index;
        else if (index >= axis.First + axis.WhollyVisible(room)) axis.First = axis.FirstEndingAt(index, room);
    };
    int top = rows_.First, left = cols_.First;
    bring(rows_, ARow, area.Height());
    bring(cols_, ACol, area.Width());
    if (top == rows_.First && left == cols_.First) return;
    UpdateLayout();
    Invalidate();
}

void TSeCustomStringGrid::ScrollBarScroll(TObject* Sender, TScrollCode, int& Position) {
    if (Sender == vert_) SetTopRow(rows_.Fixed + Position);
    else SetLeftCol(cols_.Fixed + Position);
}

void TSeCustomStringGrid::KeyDown(Word& Key, TShiftState Shift) {
    TSeCustomControl::KeyDown(Key, Shift);
    int col = current_.X, row = current_.Y;
    int page = GetVisibleRowCount();
    bool ctrl = Shift.Contains(ssCtrl), rowSelect = options_.Contains(goRowSelect);
    switch (Key) {
    case VK_UP: --row; break;
    case VK_DOWN: ++row; break;
    case VK_LEFT: rowSelect ? SetLeftCol(cols_.First - 1) : void(--col); break;
    case VK_RIGHT: rowSelect ? SetLeftCol(cols_.First + 1) : void(++col); break;
    case VK_PRIOR:
        SetTopRow(rows_.First - page);
        row -= page;
        break;
    case VK_NEXT:
        SetTopRow(rows_.First + page);
        row += page;
        break;
    case VK_HOME:
        if (ctrl || rowSelect) row = rows_.Fixed;
        col = cols_.Fixed;
        break;
    case VK_END:
        if (ctrl || rowSelect) row = rows_.Count - 1;
        col = cols_.Count - 1;
        break;
    default: return;
    }
    FocusCell(col, row, Shift.Contains(ssShift));
}

void TSeCustomStringGrid::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button == mbLeft && CanFocus() && !Focused()) SetFocus();
    TSeCustomControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft) return;
    sizingCol_ = SizingColumnAt(X, Y);
    if (sizingCol_ >= 0) {
        sizingStart_ = CellRect(sizingCol_, 0).Left;
        return;
    }
    TGridCoord cell = MouseToCell(X, Y);
    if (cell.X < cols_.Fixed || cell.Y < rows_.Fixed) return;
    selecting_ = true;
    FocusCell(cell.X, cell.Y, Shift.Contains(ssShift));
}

void TSeCustomStringGrid::MouseMove(TShiftState Shift, int X, int Y) {
    TSeCustomControl::MouseMove(Shift, X, Y);
    if (sizingCol_ >= 0) {
        SetColWidths(sizingCol_, std::max(0, X - sizingStart_));
        return;
    }
    if (options_.Contains(goColSizing)) SetCursor(SizingColumnAt(X, Y) >= 0 ? crHSplit : crDefault);
    if (!selecting_ || !options_.Contains(goRangeSelect)) return;
    TGridCoord cell = MouseToCell(X, Y);
    if (cell.X >= cols_.Fixed && cell.Y >= rows_.Fixed) FocusCell(cell.X, cell.Y, true);
}

void TSeCustomStringGrid::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button == mbLeft) selecting_ = false, sizingCol_ = -1;
    TSeCustomControl::MouseUp(Button, Shift, X, Y);
}

int TSeCustomStringGrid::SizingColumnAt(int X, int Y) const {
    if (!options_.Contains(goColSizing) || rows_.Fixed == 0) return -1;
    TRect area = CellArea();
    if (Y < area.Top || Y >= area.Top + rows_.FixedExtent()) return -1;
    int colEnd = cols_.VisibleEnd(area.Width());
    auto near = [&](int col) {
        TRect r = CellRect(col, 0);
        return !r.IsEmpty() && std::abs(X - r.Right) <= SizingSlack;
    };
    for (int col = 0; col < std::min(cols_.Fixed, cols_.Count); ++col)
        if (near(col)) return col;
    for (int col = cols_.First; col < colEnd; ++col)
        if (near(col)) return col;
    return -1;
}

bool TSeCustomStringGrid::DoMouseWheelDown(TShiftState Shift, TPoint MousePos) {
    if (TSeCustomControl::DoMouseWheelDown(Shift, MousePos)) return true;
    SetTopRow(rows_.First + WheelRows);
    return true;
}

bool TSeCustomStringGrid::DoMouseWheelUp(TShiftState Shift, TPoint MousePos) {
    if (TSeCustomControl::DoMouseWheelUp(Shift, MousePos)) return true;
    SetTopRow(rows_.First - WheelRows);
    return true;
}

void TSeCustomStringGrid::DoEnter() {
    Invalidate();
    TSeCustomControl::DoEnter();
}

void TSeCustomStringGrid::DoExit() {
    Invalidate();
    TSeCustomControl::DoExit();
}
