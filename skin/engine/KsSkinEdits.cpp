#include "skin/engine/KsSkinEdits.h"

void TSeSkinEdit::PaintBorder(TCanvas* Canvas, TRect& Rect) {
    TSeSkinObject* object = FindSkinObject();
    if (!object) return TSeSkinControl::PaintBorder(Canvas, Rect);
    object->Draw(Canvas, Rect, BoxState(this));
    Rect = object->ContentRect(Rect);
}

void TSeSkinEdit::PrepareTextFont(TCanvas* Canvas) {
    TSeSkinObject* object = FindSkinObject();
    if (!object) return TSeSkinControl::PrepareTextFont(Canvas);
    Canvas->SetFont(object->GetFont());
    TColor text = object->GetLook(GetEnabled() ? kssNormal : kssDisabled).Text;
    Canvas->GetFont()->SetColor(text == clNone ? clWindowText : text);
}

TColor TSeSkinEdit::SelectionColor() const {
    TSeSkinObject* object = FindSkinObject();
    TColor face = object ? object->GetLook(kssChecked).Face : clNone;
    return face == clNone ? TSeSkinControl::SelectionColor() : face;
}

TColor TSeSkinEdit::SelectionTextColor() const {
    TSeSkinObject* object = FindSkinObject();
    TColor text = object ? object->GetLook(kssChecked).Text : clNone;
    return text == clNone ? TSeSkinControl::SelectionTextColor() : text;
}

TRect TSeSkinEdit::TextArea() const {
    TSeSkinObject* object = FindSkinObject();
    if (!object) return TSeSkinControl::TextArea();
    return object->ContentRect(GetClientRect());
}
