#pragma once
// The string grid: a table of text cells with fixed heading rows and
// columns, a current cell and a selection, scrolled by its own scroll bars
// (shown only when the cells do not fit), the wheel and the keyboard.
//
//     auto* grid = new TSeCustomStringGrid(Form);
//     grid->SetParent(Form);
//     grid->SetColCount(7);
//     grid->SetRowCount(Count + 1);          // keeps the cells it has
//     grid->SetCells(1, 0, "Date");
//     grid->GetRows(3)->SetCommaText("a,b,c");
//     grid->SetCellSource(1, Count, Text);   // rows 1.. ask Text(col, row)
//     grid->OnDrawCell = ...;                // draws on grid->GetCanvas()
//
// Each paint draws only the cells on screen. For each it prepares the
// Canvas (font and brush of the cell's kind), clips it to the cell, draws
// the cell when DefaultDrawing (its text at Left + 2, Top + 2), then calls
// OnDrawCell with the cell's rectangle. Rectangles and mouse positions are
// in the control's coordinates, its border included. The grid paints
// straight on its Canvas (no buffer), so what OnDrawCell draws is shown.
// While no scrolling row holds text the grid has no rows to select: no cell
// is drawn (or reported to OnDrawCell) as selected.

#include <map>
#include <memory>

#include "platform/runtime/Strings.h"
#include "skin/controls/SeControl.h"
#include "skin/controls/SeGridAxis.h"
#include "skin/controls/SeGridCells.h"
#include "skin/controls/SeScrollBar.h"

enum TGridOption { goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect,
                   goDrawFocusSelected, goColSizing, goRowSelect };
using TGridOptions = Set<TGridOption>;

// A block of cells, corners included.
struct TGridRect {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
    friend bool operator==(const TGridRect&, const TGridRect&) = default;
};
struct TGridCoord {
    int X = 0, Y = 0;
};

// CanSelect starts true; a handler may refuse the move to (ACol, ARow).
using TSelectCellEvent = TClosure<void(TObject* Sender, int ACol, int ARow, bool& CanSelect)>;

class TSeCustomStringGrid : public TSeCustomControl {
public:
    explicit TSeCustomStringGrid(TComponent* AOwner);
    ~TSeCustomStringGrid() override;

    // Cells outside the grid read as ""; writing one raises EInvalidOperation.
    AnsiString GetCells(int ACol, int ARow) const { return cells_.Get(ACol, ARow); }
    void SetCells(int ACol, int ARow, const AnsiString& Value);
    // Rows FirstRow .. FirstRow + Count - 1 show the texts Source gives for
    // their cells of the current columns, asked whenever a cell is drawn or
    // read, so that filling a million rows formats only what is seen. Writing
    // a cell of such a row first stores the row's texts. Source must give the
    // same text for a cell until it is set again.
    void SetCellSource(int FirstRow, int Count, TCellTextSource Source);
    // One row's (column's) cells as a list of ColCount (RowCount) strings:
    // writing an item writes the cell, Add fills the first empty cell, Clear
    // empties them. The grid owns the list.
    TStrings* GetRows(int ARow);
    TStrings* GetCols(int ACol);

    int GetRowCount() const { return rows_.Count; }
    void SetRowCount(int Value);
    int GetColCount() const { return cols_.Count; }
    void SetColCount(int Value);
    int GetFixedRows() const { return rows_.Fixed; }
    void SetFixedRows(int Value);
    int GetFixedCols() const { return cols_.Fixed; }
    void SetFixedCols(int Value);
    int GetDefaultColWidth() const { return cols_.DefaultSize; }
    void SetDefaultColWidth(int Value) { SetDefaultSize(cols_, Value); }
    int GetDefaultRowHeight() const { return rows_.DefaultSize; }
    void SetDefaultRowHeight(int Value) { SetDefaultSize(rows_, Value); }
    int GetColWidths(int Index) const { return cols_.Size(Index); }
    void SetColWidths(int Index, int Value) { SetSize(cols_, Index, Value); }
    int GetRowHeights(int Index) const { return rows_.Size(Index); }
    void SetRowHeights(int Index, int Value) { SetSize(rows_, Index, Value); }
    int GetGridLineWidth() const { return cols_.LineWidth; }
    void SetGridLineWidth(int Value);
    TGridOptions GetOptions() const { return options_; }
    void SetOptions(TGridOptions Value);
    bool GetDefaultDrawing() const { return defaultDrawing_; }
    void SetDefaultDrawing(bool Value);
    TColor GetFixedColor() const { return fixedColor_; }
    void SetFixedColor(TColor Value);

    // The current cell; setting it asks OnSelectCell and scrolls it into view.
    int GetRow() const { return current_.Y; }
    void SetRow(int Value) { FocusCell(current_.X, Value, false); }
    int GetCol() const { return current_.X; }
    void SetCol(int Value) { FocusCell(Value, current_.Y, false); }
    TGridRect GetSelection() const { return selection_; }
    void SetSelection(const TGridRect& Value);
    int GetTopRow() const { return rows_.First; }
    void SetTopRow(int Value);
    int GetLeftCol() const { return cols_.First; }
    void SetLeftCol(int Value);
    // Scrolling rows (columns) wholly shown from TopRow (LeftCol).
    int GetVisibleRowCount() const;
    int GetVisibleColCount() const;

    // The cell's rectangle; empty when it is not on screen.
    TRect CellRect(int ACol, int ARow) const;
    // The cell under a point; (-1, -1) when none.
    TGridCoord MouseToCell(int X, int Y) const;
    void MouseToCell(int X, int Y, int& ACol, int& ARow) const;

    TSeCustomScrollBar* GetHorzScrollBar() const { return horz_; }
    TSeCustomScrollBar* GetVertScrollBar() const { return vert_; }

    TDrawCellEvent OnDrawCell;
    TSelectCellEvent OnSelectCell;

protected:
    // The cell area: inside the border, less the scroll bars shown.
    TRect CellArea() const;
    // Border thickness; the skinned grid draws a thinner frame.
    virtual int BorderWidth() const { return 2; }
    void PaintBorder(TCanvas* Canvas, TRect& Rect) override;
    void PaintControl(TCanvas* Canvas, const TRect& Rect) override;
    // The font and brush a cell of State is drawn with.
    virtual void PrepareCanvas(TCanvas* Canvas, TGridDrawState State);
    // The cell's face and text, as DefaultDrawing draws them.
    virtual void DrawCellFace(TCanvas* Canvas, int ACol, int ARow, const TRect& Rect, TGridDrawState State);
    virtual TColor LineColor(bool Fixed) const { return Fixed ? clBtnShadow : clSilver; }
    TGridDrawState CellState(int ACol, int ARow) const;
    // Whether a cell of State is drawn in the selection's colours.
    bool Highlighted(TGridDrawState State) const;
    // Places and sets up the scroll bars and keeps TopRow and LeftCol in range.
    void UpdateLayout();

    void BoundsChanged() override;
    void WndProc(TMessage& Message) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
    bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    void DoEnter() override;
    void DoExit() override;

private:
    class TLineStrings;
    // Moves the current cell (when OnSelectCell agrees), extending the
    // selection from the anchor when Extend, and scrolls it into view.
    void FocusCell(int ACol, int ARow, bool Extend);
    void ScrollInView(int ACol, int ARow);
    void ScrollBarScroll(TObject* Sender, TScrollCode Code, int& Position);
    void PaintCell(TCanvas* Canvas, int ACol, int ARow, const TRect& Area);
    // The column whose right edge is under X in the fixed rows, -1 when none.
    int SizingColumnAt(int X, int Y) const;
    // Sets anchor and current cell (kept inside the scrolling cells) and the selection between them.
    void Select(TGridCoord Anchor, TGridCoord Current);
    // After a change of counts, sizes or options: the current cell back inside, the bars, a paint.
    void Relayout();
    void SetCount(TSeGridAxis& Axis, int Value);
    void SetFixed(TSeGridAxis& Axis, int Value, const char* Refusal);
    void SetSize(TSeGridAxis& Axis, int Index, int Value);
    void SetDefaultSize(TSeGridAxis& Axis, int Value);
    // Scrolls the axis to Value, kept where the area stays filled.
    void SetFirst(TSeGridAxis& Axis, int Value, int Room);

    TSeGridAxis cols_, rows_;
    TSeGridCells cells_;
    TGridOptions options_;
    bool defaultDrawing_ = true;
    TColor fixedColor_ = clBtnFace;
    TGridCoord current_{1, 1};
    TGridCoord anchor_{1, 1};
    TGridRect selection_{1, 1, 1, 1};
    TSeCustomScrollBar* horz_;
    TSeCustomScrollBar* vert_;
    std::map<int, std::unique_ptr<TLineStrings>> rowLists_, colLists_;
    bool selecting_ = false;   // the left button went down on a cell
    int sizingCol_ = -1;       // the column being sized with the mouse
    int sizingStart_ = 0;      // its left edge
    bool layingOut_ = false;
};
