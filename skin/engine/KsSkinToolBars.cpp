#include "skin/engine/KsSkinToolBars.h"

void TSeSkinToolBar::PaintControl(TCanvas* Canvas, const TRect& Rect) {
    TSeSkinObject* object = FindSkinObject();
    if (!object) return TSeSkinControl::PaintControl(Canvas, Rect);
    object->Draw(Canvas, Rect, GetEnabled() ? kssNormal : kssDisabled);
}

void TSeSkinControlBar::PaintBorder(TCanvas* Canvas, TRect& Rect) {
    TSeSkinObject* object = FindSkinObject();
    if (!object) return TSeSkinControl::PaintBorder(Canvas, Rect);
    object->Draw(Canvas, Rect, GetEnabled() ? kssNormal : kssDisabled);
    // The same inset as the classic frame: the bands do not move with the look.
    InflateRect(Rect, -1, -1);
}
