#include "skin/engine/KsSkinGroupBox.h"

#include "skin/engine/KsSkinTextArea.h"

void TSeSkinGroupBox::PaintControl(TCanvas* Canvas, const TRect& Rect) {
    TSeSkinObject* object = FindSkinObject();
    if (!object) return TSeSkinControl::PaintControl(Canvas, Rect);
    TSeState state = GetEnabled() ? kssNormal : kssDisabled;
    TSize text = SkinTextExtent(object, Canvas, GetCaption().IsEmpty() ? AnsiString("0") : GetCaption());
    object->Draw(Canvas, TRect(Rect.Left, Rect.Top + text.cy / 2, Rect.Right, Rect.Bottom), state);
    if (GetCaption().IsEmpty()) return;
    // The caption stands on the control's colour, breaking the frame.
    TRect label = Bounds(Rect.Left + object->GetMargins().Left, Rect.Top, text.cx + 4, text.cy);
    Canvas->GetBrush()->SetStyle(bsSolid);
    Canvas->GetBrush()->SetColor(GetColor());
    Canvas->FillRect(label);
    DrawSkinTextIn(object, Canvas, label, GetCaption(), state, ksaCenter | ksaTop);
}
