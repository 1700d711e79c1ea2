#include "skin/engine/KsSkinProgressBar.h"

void TSeSkinProgressBar::PaintBorder(TCanvas* Canvas, TRect& Rect) {
    TSeSkinObject* object = FindSkinObject();
    if (!object) return TSeSkinControl::PaintBorder(Canvas, Rect);
    object->Draw(Canvas, Rect, GetEnabled() ? kssNormal : kssDisabled);
    Rect = object->ContentRect(Rect);
}

void TSeSkinProgressBar::PaintControl(TCanvas* Canvas, const TRect& Rect) {
    TSeSkinObject* object = FindSkinObject();
    if (!object) return TSeSkinControl::PaintControl(Canvas, Rect);
    TSeState state = GetEnabled() ? kssChecked : kssDisabled;
    for (const TRect& part : FilledParts(Rect)) object->Draw(Canvas, part, state);
}
