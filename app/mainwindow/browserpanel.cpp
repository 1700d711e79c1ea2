#include "app/mainwindow/browserpanel.h"

#include <algorithm>
#include <cstdlib>

int TBrowserPanel::CaptionStrip() const { return std::abs(GetFont()->GetHeight()) + 8; }

void TBrowserPanel::AdjustClientRect(TRect& Rect) {
    TSeSkinPanel::AdjustClientRect(Rect);
    Rect.Top = std::min(Rect.Bottom, Rect.Top + CaptionStrip());
}

void TBrowserPanel::PaintControl(TCanvas* Canvas, const TRect& Rect) {
    TSeSkinPanel::PaintControl(Canvas, TRect(Rect.Left, Rect.Top, Rect.Right, Rect.Top + CaptionStrip()));
}
