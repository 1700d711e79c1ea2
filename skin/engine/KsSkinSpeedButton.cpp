#include "skin/engine/KsSkinSpeedButton.h"

void TSeSkinSpeedButton::PaintBackground(TCanvas* Canvas, const TRect& Rect) {
    if (!FindSkinObject()) return TSeSkinControl::PaintBackground(Canvas, Rect);
    DrawParentImage(Canvas, Rect);
}

void TSeSkinSpeedButton::PaintControl(TCanvas* Canvas, const TRect& Rect) {
    TSeSkinObject* object = FindSkinObject();
    if (!object) return TSeSkinControl::PaintControl(Canvas, Rect);
    TSeState state = GetDrawState();
    if (GetDown() && state != kssDisabled) state = state == kssHot || state == kssPressed ? kssCheckedHot : kssChecked;
    // A flat button at rest shows only its content; a raised one always its face.
    if (!GetFlat() && state == kssNormal) state = kssDefault;
    object->Draw(Canvas, Rect, state);
    Canvas->GetFont()->Assign(object->GetFont());
    TColor text = object->GetLook(state).Text;
    Canvas->GetFont()->SetColor(text == clNone ? clWindowText : text);
    TRect content = Rect;
    if (state == kssPressed) OffsetRect(content, 1, 1);
    DrawButtonContent(Canvas, content, GetCaption(), GetGlyph(), GetEnabled());
}
