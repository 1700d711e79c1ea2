#include "skin/controls/SeGrids.h"

#include <algorithm>

#include "skin/controls/SeScrollBar.h"

namespace {
constexpr int ScrollBarSize = 16;

[[noreturn]] void OutOfRange() { throw EInvalidOperation("Grid index out of range"); }
}  // namespace

// One row or column of the grid seen as a list of strings.
class TSeCustomStringGrid::TLineStrings : public TStrings {
public:
    TLineStrings(TSeCustomStringGrid* Grid, int Index, bool IsRow) : grid_(Grid), index_(Index), isRow_(IsRow) {}

    int GetCount() const override {
        if (isRow_) return index_ < grid_->GetRowCount() ? grid_->GetColCount() : 0;
        return index_ < grid_->GetColCount() ? grid_->GetRowCount() : 0;
    }
    // Fills the first empty cell; -1 when every cell holds text.
    int AddObject(const AnsiString& S, TObject*) override {
        for (int i = 0; i < GetCount(); ++i)
            if (Get(i).IsEmpty()) {
                Put(i, S);
                return i;
            }
        return -1;
    }
    void InsertObject(int, const AnsiString&, TObject*) override {
        throw EInvalidOperation("Grid rows and columns cannot take inserted cells");
    }
    void Delete(int) override { throw EInvalidOperation("Grid rows and columns cannot lose cells"); }
    void Clear() override {
        for (int i = 0; i < GetCount(); ++i) Put(i, AnsiString());
    }

protected:
    AnsiString Get(int Index) const override {
        Check(Index);
        return isRow_ ? grid_->GetCells(Index, index_) : grid_->GetCells(index_, Index);
    }
    void Put(int Index, const AnsiString& S) override {
        Check(Index);
        if (isRow_) grid_->SetCells(Index, index_, S);
        else grid_->SetCells(index_, Index, S);
    }

private:
    void Check(int Index) const {
        if (Index < 0 || Index >= GetCount()) Error("List index out of bounds", Index);
    }
    TSeCustomStringGrid* grid_;
    int index_;
    bool isRow_;
};

TSeCustomStringGrid::TSeCustomStringGrid(TComponent* AOwner)
    : TSeCustomControl(AOwner), horz_(new TSeCustomScrollBar(this)), vert_(new TSeCustomScrollBar(this)) {
    options_ = TGridOptions{goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect};
    rows_.DefaultSize = 24;
    cells_.SetRowCount(rows_.Count);
    // OnDrawCell draws on Canvas: a buffer would paint over it.
    SetPerformance(kspNoBuffer);
    SetTabStop(true);
    SetColor(clWindow);
    SetParentColor(false);
    vert_->SetKind(sbVertical);
    for (TSeCustomScrollBar* bar : {horz_, vert_}) {
        bar->SetVisible(false);
        bar->SetParent(this);
        bar->OnScroll = TScrollEvent(this, &TSeCustomStringGrid::ScrollBarScroll);
    }
    SetBounds(GetLeft(), GetTop(), 320, 120);
}

TSeCustomStringGrid::~TSeCustomStringGrid() = default;

void TSeCustomStringGrid::SetCells(int ACol, int ARow, const AnsiString& Value) {
    if (ACol < 0 || ACol >= cols_.Count || ARow < 0 || ARow >= rows_.Count) OutOfRange();
    cells_.Set(ACol, ARow, Value);
    // Requests coalesce into one paint: cheaper than finding out whether the cell shows.
    Invalidate();
}

void TSeCustomStringGrid::SetCellSource(int FirstRow, int Count, TCellTextSource Source) {
    if (FirstRow < 0 || Count < 0 || Count > rows_.Count - FirstRow) OutOfRange();
    cells_.SetSource(FirstRow, Count, cols_.Count, std::move(Source));
    Invalidate();
}

TStrings* TSeCustomStringGrid::GetRows(int ARow) {
    if (ARow < 0 || ARow >= rows_.Count) OutOfRange();
    auto& list = rowLists_[ARow];
    if (!list) list = std::make_unique<TLineStrings>(this, ARow, true);
    return list.get();
}

TStrings* TSeCustomStringGrid::GetCols(int ACol) {
    if (ACol < 0 || ACol >= cols_.Count) OutOfRange();
    auto& list = colLists_[ACol];
    if (!list) list = std::make_unique<TLineStrings>(this, ACol, false);
    return list.get();
}

void TSeCustomStringGrid::Relayout() {
    Select(anchor_, current_);
    UpdateLayout();
    Invalidate();
}

void TSeCustomStringGrid::SetCount(TSeGridAxis& Axis, int Value) {
    Axis.Count = Value;
    Axis.Fixed = std::min(Axis.Fixed, std::max(Value - 1, 0));
    Axis.ForgetSizesFrom(Value);
    Relayout();
}

void TSeCustomStringGrid::SetRowCount(int Value) {
    if (Value < 0) throw EInvalidOperation("Grid row count cannot be negative");
    if (Value == rows_.Count) return;
    cells_.SetRowCount(Value);
    SetCount(rows_, Value);
}

void TSeCustomStringGrid::SetColCount(int Value) {
    if (Value < 0) throw EInvalidOperation("Grid column count cannot be negative");
    if (Value == cols_.Count) return;
    if (Value < cols_.Count) cells_.DropColumnsFrom(Value);
    SetCount(cols_, Value);
}

void TSeCustomStringGrid::SetFixed(TSeGridAxis& Axis, int Value, const char* Refusal) {
    if (Value < 0 || (Value > 0 && Value >= Axis.Count)) throw EInvalidOperation(Refusal);
    if (Value == Axis.Fixed) return;
    Axis.Fixed = Axis.First = Value;
    Relayout();
}

void TSeCustomStringGrid::SetFixedRows(int Value) {
    SetFixed(rows_, Value, "Fixed row count must be less than row count");
}

void TSeCustomStringGrid::SetFixedCols(int Value) {
    SetFixed(cols_, Value, "Fixed column count must be less than column count");
}

void TSeCustomStringGrid::SetSize(TSeGridAxis& Axis, int Index, int Value) {
    if (Index < 0 || Index >= Axis.Count) OutOfRange();
    if (Value < 0 || Value == Axis.Size(Index)) return;
    Axis.SetSize(Index, Value);
    Relayout();
}

void TSeCustomStringGrid::SetDefaultSize(TSeGridAxis& Axis, int Value) {
    if (Value < 0 || Value == Axis.DefaultSize) return;
    Axis.DefaultSize = Value;
    Relayout();
}

void TSeCustomStringGrid::SetGridLineWidth(int Value) {
    if (Value < 0 || Value == cols_.LineWidth) return;
    cols_.LineWidth = rows_.LineWidth = Value;
    Relayout();
}

void TSeCustomStringGrid::SetOptions(TGridOptions Value) {
    if (Value == options_) return;
    options_ = Value;
    cols_.FixedLines = options_.Contains(goFixedVertLine);
    cols_.Lines = options_.Contains(goVertLine);
    rows_.FixedLines = options_.Contains(goFixedHorzLine);
    rows_.Lines = options_.Contains(goHorzLine);
    Relayout();
}

void TSeCustomStringGrid::SetDefaultDrawing(bool Value) {
    if (Value == defaultDrawing_) return;
    defaultDrawing_ = Value;
    Invalidate();
}

void TSeCustomStringGrid::SetFixedColor(TColor Value) {
    if (Value == fixedColor_) return;
    fixedColor_ = Value;
    Invalidate();
}

void TSeCustomStringGrid::SetSelection(const TGridRect& Value) {
    // The current cell goes to the top left corner, the anchor to the opposite one.
    Select({std::max(Value.Left, Value.Right), std::max(Value.Top, Value.Bottom)},
           {std::min(Value.Left, Value.Right), std::min(Value.Top, Value.Bottom)});
}

void TSeCustomStringGrid::Select(TGridCoord Anchor, TGridCoord Current) {
    int lastCol = std::max(cols_.Fixed, cols_.Count - 1), lastRow = std::max(rows_.Fixed, rows_.Count - 1);
    auto clamp = [&](TGridCoord c) {
        return TGridCoord{std::clamp(c.X, cols_.Fixed, lastCol), std::clamp(c.Y, rows_.Fixed, lastRow)};
    };
    anchor_ = clamp(Anchor);
    current_ = clamp(Current);
    TGridRect s{std::min(anchor_.X, current_.X), std::min(anchor_.Y, current_.Y), std::max(anchor_.X, current_.X),
                std::max(anchor_.Y, current_.Y)};
    if (options_.Contains(goRowSelect)) s.Left = cols_.Fixed, s.Right = lastCol;
    selection_ = s;
    Invalidate();
}

void TSeCustomStringGrid::SetFirst(TSeGridAxis& Axis, int Value, int Room) {
    Value = std::clamp(Value, Axis.Fixed, Axis.MaxFirst(Room));
    if (Value == Axis.First) return;
    Axis.First = Value;
    UpdateLayout();
    Invalidate();
}

void TSeCustomStringGrid::SetTopRow(int Value) { SetFirst(rows_, Value, CellArea().Height()); }
void TSeCustomStringGrid::SetLeftCol(int Value) { SetFirst(cols_, Value, CellArea().Width()); }

int TSeCustomStringGrid::GetVisibleRowCount() const { return rows_.WhollyVisible(CellArea().Height()); }
int TSeCustomStringGrid::GetVisibleColCount() const { return cols_.WhollyVisible(CellArea().Width()); }

TRect TSeCustomStringGrid::CellArea() const {
    int b = BorderWidth();
    TRect area = Rect(b, b, std::max(b, GetWidth() - b), std::max(b, GetHeight() - b));
    if (vert_->GetVisible()) area.Right = std::max(area.Left, area.Right - ScrollBarSize);
    if (horz_->GetVisible()) area.Bottom = std::max(area.Top, area.Bottom - ScrollBarSize);
    return area;
}

TRect TSeCustomStringGrid::CellRect(int ACol, int ARow) const {
    TRect area = CellArea();
    int x = cols_.Offset(ACol, area.Width()), y = rows_.Offset(ARow, area.Height());
    if (x < 0 || y < 0) return TRect();
    return Bounds(area.Left + x, area.Top + y, cols_.Size(ACol), rows_.Size(ARow));
}

TGridCoord TSeCustomStringGrid::MouseToCell(int X, int Y) const {
    TRect area = CellArea();
    int col = cols_.ItemAt(X - area.Left, area.Width()), row = rows_.ItemAt(Y - area.Top, area.Height());
    if (col < 0 || row < 0) return {-1, -1};
    return {col, row};
}

void TSeCustomStringGrid::MouseToCell(int X, int Y, int& ACol, int& ARow) const {
    TGridCoord cell = MouseToCell(X, Y);
    ACol = cell.X;
    ARow = cell.Y;
}

void TSeCustomStringGrid::UpdateLayout() {
    if (layingOut_) return;
    layingOut_ = true;
    int b = BorderWidth();
    TRect face = Rect(b, b, std::max(b, GetWidth() - b), std::max(b, GetHeight() - b));
    // Each bar narrows the room of the other direction: decide twice.
    bool needVert = false, needHorz = false;
    for (int pass = 0; pass < 2; ++pass) {
        needVert = !rows_.Fits(face.Height() - (needHorz ? ScrollBarSize : 0));
        needHorz = !cols_.Fits(face.Width() - (needVert ? ScrollBarSize : 0));
    }
    TRect area = face;
    if (needVert) area.Right = std::max(area.Left, area.Right - ScrollBarSize);
    if (needHorz) area.Bottom = std::max(area.Top, area.Bottom - ScrollBarSize);

    auto place = [](TSeCustomScrollBar* bar, TSeGridAxis& axis, bool shown, int room, const TRect& bounds) {
        int maxFirst = axis.MaxFirst(room);
        axis.First = std::clamp(axis.First, axis.Fixed, maxFirst);
        if (shown) {
            int page = std::max(1, axis.Count - maxFirst);
            bar->SetPageSize(0);
            bar->SetParams(axis.First - axis.Fixed, 0, maxFirst - axis.Fixed + page - 1);
            bar->SetPageSize(page);
            bar->SetLargeChange(std::max(1, axis.WhollyVisible(room)));
            bar->SetBoundsRect(bounds);
        }
        bar->SetVisible(shown);
    };
    place(vert_, rows_, needVert, area.Height(), Rect(area.Right, face.Top, face.Right, area.Bottom));
    place(horz_, cols_, needHorz, area.Width(), Rect(face.Left, area.Bottom, area.Right, face.Bottom));
    layingOut_ = false;
}

void TSeCustomStringGrid::BoundsChanged() {
    TSeCustomControl::BoundsChanged();
    UpdateLayout();
}

void TSeCustomStringGrid::WndProc(TMessage& Message) {
    if (Message.Msg == WM_GETDLGCODE) {
        Message.Result = DLGC_WANTARROWS;
        return;
    }
    TSeCustomControl::WndProc(Message);
    // The skinned frame may be thinner than the classic one.
    if (Message.Msg == WMSkinChange) UpdateLayout();
}
