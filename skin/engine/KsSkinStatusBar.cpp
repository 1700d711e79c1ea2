#include "skin/engine/KsSkinStatusBar.h"

void TSeSkinStatusBar::PaintControl(TCanvas* Canvas, const TRect& Rect) {
    TSeSkinObject* object = FindSkinObject();
    if (!object) return TSeSkinControl::PaintControl(Canvas, Rect);
    object->Draw(Canvas, Rect, kssNormal);
    TRect grip = GripRect();
    TRect text = Rect;
    if (!grip.IsEmpty()) text.Right = grip.Left;
    object->DrawText(Canvas, text, GetSimpleText(), kssNormal, ksaLeft | ksaVCenter);
    if (grip.IsEmpty()) return;
    TColor ink = object->GetLook(kssNormal).Text;
    DrawGrip(Canvas, grip, object->GetLook(kssNormal).Face, ink == clNone ? clBtnShadow : ink);
}
