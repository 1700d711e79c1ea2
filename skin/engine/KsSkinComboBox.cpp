#include "skin/engine/KsSkinComboBox.h"

#include "skin/controls/SeShared.h"
#include "skin/engine/KsSkinEdits.h"
#include "skin/engine/KsSkinListBox.h"

void TSeSkinComboBox::PaintBorder(TCanvas* Canvas, TRect& Rect) {
    TSeSkinObject* object = FindSkinObject();
    if (!object) return TSeSkinControl::PaintBorder(Canvas, Rect);
    object->Draw(Canvas, Rect, BoxState(this));
    InflateRect(Rect, -1, -1);
}

void TSeSkinComboBox::PaintControl(TCanvas* Canvas, const TRect& Rect) {
    TSeSkinObject* object = FindSkinObject();
    if (!object) return TSeSkinControl::PaintControl(Canvas, Rect);
    TRect button = ButtonRect();
    TSeState buttonState = !GetEnabled()           ? kssDisabled
                           : GetDroppedDown()      ? kssPressed
                           : GetHot()              ? kssHot
                                                   : kssNormal;
    TColor arrow = object->GetLook(GetEnabled() ? kssNormal : kssDisabled).Text;
    if (TSeSkinObject* part = FindSkinObject("Button")) {
        part->Draw(Canvas, button, buttonState);
        arrow = part->GetLook(buttonState).Text;
    } else {
        TRect face = button;
        DrawButtonFace(Canvas, face, buttonState == kssPressed ? kssPressed : kssNormal, false, false);
    }
    DrawArrow(Canvas, button, kakDown, arrow == clNone ? clBtnText : arrow);

    TSeState textState = GetEnabled() ? kssNormal : kssDisabled;
    if (Focused() && !GetDroppedDown()) {
        textState = kssChecked;
        TSeStateLook look = object->GetLook(kssChecked);
        Canvas->GetBrush()->SetStyle(bsSolid);
        Canvas->GetBrush()->SetColor(look.Face == clNone ? clHighlight : look.Face);
        Canvas->FillRect(TextRect());
    }
    object->DrawText(Canvas, ::Rect(0, 0, button.Left, GetHeight()), GetText(), textState);
}

TSeCustomListBox* TSeSkinComboBox::CreateDropDownList(TComponent* AOwner) {
    auto* list = new TSeSkinListBox(AOwner);
    if (GetSkinEngine() != TSeSkinEngine::Current()) list->SetSkinEngine(GetSkinEngine());
    if (FindSkinObject("List")) list->SetSkinObject(GetSkinObject() + ".List");
    return list;
}
