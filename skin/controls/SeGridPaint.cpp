// How the string grid paints: only the cells on screen, each clipped to
// itself, then the corner between the scroll bars.
#include "platform/gdi/Gdi.h"
#include "skin/controls/SeGrids.h"
#include "skin/controls/SeScrollBar.h"
#include "skin/controls/SeShared.h"

TGridDrawState TSeCustomStringGrid::CellState(int ACol, int ARow) const {
    TGridDrawState state;
    if (ACol < cols_.Fixed || ARow < rows_.Fixed) return state << gdFixed;
    // Blank scrolling rows are no rows yet: nothing there to be selected.
    if (ACol >= selection_.Left && ACol <= selection_.Right && ARow >= selection_.Top && ARow <= selection_.Bottom &&
        cells_.AnyTextFrom(rows_.Fixed))
        state << gdSelected;
    if (ACol == current_.X && ARow == current_.Y && Focused()) state << gdFocused;
    return state;
}

bool TSeCustomStringGrid::Highlighted(TGridDrawState State) const {
    // The focused cell shows as a plain one with a focus frame, unless it is drawn selected.
    return State.Contains(gdSelected) && (!State.Contains(gdFocused) || options_.Contains(goDrawFocusSelected) ||
                                          options_.Contains(goRowSelect));
}

void TSeCustomStringGrid::PaintBorder(TCanvas* Canvas, TRect& Rect) { DrawSunkenFrame(Canvas, Rect); }

void TSeCustomStringGrid::PrepareCanvas(TCanvas* Canvas, TGridDrawState State) {
    Canvas->SetFont(GetFont());
    Canvas->GetBrush()->SetStyle(bsSolid);
    if (State.Contains(gdFixed)) {
        Canvas->GetBrush()->SetColor(fixedColor_);
    } else if (Highlighted(State)) {
        Canvas->GetBrush()->SetColor(clHighlight);
        Canvas->GetFont()->SetColor(clHighlightText);
    } else {
        Canvas->GetBrush()->SetColor(GetColor());
    }
}

void TSeCustomStringGrid::DrawCellFace(TCanvas* Canvas, int ACol, int ARow, const TRect& Rect,
                                       TGridDrawState State) {
    Canvas->TextRect(Rect, Rect.Left + 2, Rect.Top + 2, GetCells(ACol, ARow));
    if (!State.Contains(gdFixed)) return;
    // Headings stand out as raised buttons.
    TPen* pen = Canvas->GetPen();
    pen->SetStyle(psSolid);
    pen->SetWidth(1);
    pen->SetColor(clBtnHighlight);
    Canvas->MoveTo(Rect.Left, Rect.Bottom - 1);
    Canvas->LineTo(Rect.Left, Rect.Top);
    Canvas->LineTo(Rect.Right - 1, Rect.Top);
    pen->SetColor(clBtnShadow);
    Canvas->LineTo(Rect.Right - 1, Rect.Bottom - 1);
    Canvas->LineTo(Rect.Left - 1, Rect.Bottom - 1);
}

void TSeCustomStringGrid::PaintCell(TCanvas* Canvas, int ACol, int ARow, const TRect& Area) {
    TRect rect = CellRect(ACol, ARow);
    TGridDrawState state = CellState(ACol, ARow);
    // The grid lines after the cell: to its right (down to the next row's start) and below it.
    TBrush* brush = Canvas->GetBrush();
    brush->SetStyle(bsSolid);
    brush->SetColor(LineColor(state.Contains(gdFixed)));
    int lineX = cols_.Line(ACol), lineY = rows_.Line(ARow);
    TRect line;
    if (lineX && IntersectRect(line, Rect(rect.Right, rect.Top, rect.Right + lineX, rect.Bottom + lineY), Area))
        Canvas->FillRect(line);
    if (lineY && IntersectRect(line, Rect(rect.Left, rect.Bottom, rect.Right, rect.Bottom + lineY), Area))
        Canvas->FillRect(line);

    TRect clip;
    if (!IntersectRect(clip, rect, Area)) return;
    // The clip goes, however the cell's drawing ends (a handler may raise).
    struct ClipGuard {
        TCanvas* canvas;
        ~ClipGuard() {
            if (canvas) SelectClipRgn(canvas->GetHandle(), nullptr);
        }
    };
    IntersectClipRect(Canvas->GetHandle(), clip.Left, clip.Top, clip.Right, clip.Bottom);
    ClipGuard guard{Canvas};
    PrepareCanvas(Canvas, state);
    if (defaultDrawing_) DrawCellFace(Canvas, ACol, ARow, rect, state);
    std::weak_ptr<char> alive = AliveToken();
    if (OnDrawCell) {
        // The handler finds the canvas as prepared, whatever the face drawing left.
        if (defaultDrawing_) PrepareCanvas(Canvas, state);
        OnDrawCell(this, ACol, ARow, rect, state);
    }
    if (alive.expired()) {
        guard.canvas = nullptr;
        return;
    }
    if (defaultDrawing_ && state.Contains(gdFocused) && !options_.Contains(goRowSelect)) DrawFocusRect(Canvas, rect);
}

void TSeCustomStringGrid::PaintControl(TCanvas* Canvas, const TRect& Rect) {
    TRect area = CellArea();
    int colEnd = cols_.VisibleEnd(area.Width()), rowEnd = rows_.VisibleEnd(area.Height());
    std::weak_ptr<char> alive = AliveToken();
    auto paintRow = [&](int row) {
        for (int col = 0; col < std::min(cols_.Fixed, cols_.Count) && !alive.expired(); ++col)
            PaintCell(Canvas, col, row, area);
        for (int col = cols_.First; col < colEnd && !alive.expired(); ++col) PaintCell(Canvas, col, row, area);
    };
    for (int row = 0; row < std::min(rows_.Fixed, rows_.Count) && !alive.expired(); ++row) paintRow(row);
    for (int row = rows_.First; row < rowEnd && !alive.expired(); ++row) paintRow(row);
    if (alive.expired()) return;
    if (vert_->GetVisible() && horz_->GetVisible()) {
        Canvas->GetBrush()->SetColor(clBtnFace);
        Canvas->FillRect(::Rect(area.Right, area.Bottom, Rect.Right, Rect.Bottom));
    }
}
