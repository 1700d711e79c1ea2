#include "skin/controls/SeToolBars.h"

#include <algorithm>
#include <vector>

#include "platform/controls/ExtCtrls.h"

namespace {

// The visible children that the bar places itself, in the order they were added.
std::vector<TControl*> PlacedChildren(TWinControl* Bar) {
    std::vector<TControl*> children;
    for (int i = 0; i < Bar->GetControlCount(); ++i) {
        TControl* c = Bar->GetControls(i);
        if (c->GetVisible() && c->GetAlign() == alNone) children.push_back(c);
    }
    return children;
}

// The bar's size that gives its client area (less AdjustClientRect's frame) Width x Height.
TSize OuterSize(TWinControl* Bar, const TRect& Inner, int Width, int Height) {
    return {Bar->GetWidth() - Inner.Width() + Width, Bar->GetHeight() - Inner.Height() + Height};
}

bool StretchedWide(TControl* Control) {
    TAlign a = Control->GetAlign();
    return a == alTop || a == alBottom || a == alClient;
}

}  // namespace

// ---- TSeCustomToolBar ----------------------------------------------------

TSeCustomToolBar::TSeCustomToolBar(TComponent* AOwner) : TSeCustomControl(AOwner) {
    SetColor(clBtnFace);
    SetParentColor(false);
    SetBounds(GetLeft(), GetTop(), 150, 29);
}

void TSeCustomToolBar::SetAutoSize(bool Value) {
    if (Value == autoSize_) return;
    autoSize_ = Value;
    Realign();
}

void TSeCustomToolBar::AdjustClientRect(TRect& Rect) { InflateRect(Rect, -kGap, -kGap); }

void TSeCustomToolBar::AlignControls(TControl* AControl, TRect& Rect) {
    TSeCustomControl::AlignControls(AControl, Rect);
    std::vector<TControl*> children = PlacedChildren(this);
    int rowHeight = 0;
    for (TControl* c : children) rowHeight = std::max(rowHeight, c->GetHeight());
    int height = autoSize_ && !children.empty() ? rowHeight : Rect.Height();
    int x = Rect.Left;
    for (TControl* c : children) {
        c->SetBounds(x, Rect.Top + (height - c->GetHeight()) / 2, c->GetWidth(), c->GetHeight());
        x += c->GetWidth() + kGap;
    }
    if (!autoSize_ || children.empty()) return;
    int width = StretchedWide(this) ? Rect.Width() : x - kGap - Rect.Left;
    TSize outer = OuterSize(this, Rect, width, rowHeight);
    SetBounds(GetLeft(), GetTop(), outer.cx, outer.cy);
}

// ---- TSeCustomControlBar -------------------------------------------------

TSeCustomControlBar::TSeCustomControlBar(TComponent* AOwner) : TSeCustomControl(AOwner) {
    SetColor(clBtnFace);
    SetParentColor(false);
    SetBounds(GetLeft(), GetTop(), 200, 50);
    SetAlign(alTop);
}

void TSeCustomControlBar::SetAutoSize(bool Value) {
    if (Value == autoSize_) return;
    autoSize_ = Value;
    Realign();
}

void TSeCustomControlBar::PaintBorder(TCanvas* Canvas, TRect& Rect) {
    Frame3D(Canvas, Rect, clBtnHighlight, clBtnShadow, 1);
}

void TSeCustomControlBar::AdjustClientRect(TRect& Rect) { InflateRect(Rect, -1 - kGap, -1 - kGap); }

void TSeCustomControlBar::AlignControls(TControl* AControl, TRect& Rect) {
    TSeCustomControl::AlignControls(AControl, Rect);
    int x = Rect.Left, y = Rect.Top, rowHeight = 0;
    for (TControl* band : PlacedChildren(this)) {
        // A band that does not fit starts a new row, unless it is the row's first.
        if (x > Rect.Left && x + band->GetWidth() > Rect.Right) {
            x = Rect.Left;
            y += rowHeight + kGap;
            rowHeight = 0;
        }
        band->SetBounds(x, y, band->GetWidth(), band->GetHeight());
        x += band->GetWidth() + kGap;
        rowHeight = std::max(rowHeight, band->GetHeight());
    }
    if (!autoSize_) return;
    int used = rowHeight ? y + rowHeight - Rect.Top : 0;
    TSize outer = OuterSize(this, Rect, Rect.Width(), used);
    SetBounds(GetLeft(), GetTop(), GetWidth(), outer.cy);
}
