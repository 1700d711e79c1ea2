#include "skin/engine/KsSkinPanel.h"

#include "skin/engine/KsSkinTextArea.h"

void TSeSkinPanel::PaintBorder(TCanvas* Canvas, TRect& Rect) {
    TSeSkinObject* object = FindSkinObject();
    if (!object) return TSeSkinControl::PaintBorder(Canvas, Rect);
    object->Draw(Canvas, Rect, GetEnabled() ? kssNormal : kssDisabled);
}

void TSeSkinPanel::PaintControl(TCanvas* Canvas, const TRect& Rect) {
    TSeSkinObject* object = FindSkinObject();
    if (!object) return TSeSkinControl::PaintControl(Canvas, Rect);
    unsigned align = GetAlignment() == taCenter ? ksaCenter : GetAlignment() == taRightJustify ? ksaRight : ksaLeft;
    object->DrawText(Canvas, Rect, GetCaption(), GetEnabled() ? kssNormal : kssDisabled, align | ksaVCenter);
}
