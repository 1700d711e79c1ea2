#include "skin/engine/KsSkinMenus.h"

namespace {

TSeSkinObject* MenuObject(const char* Name) {
    TSeSkinEngine* engine = TSeSkinEngine::Current();
    return engine ? engine->FindObject(Name) : nullptr;
}

// The caption in the object's font and the state's text colour, with its
// access key underlined.
void DrawSkinnedCaption(TSeCustomItem* Item, TSeSkinObject* Object, TCanvas* Canvas, int X, const TRect& Rect,
                        TSeState State) {
    Canvas->SetFont(Object->GetFont());
    const int y = Rect.Top + (Rect.Height() - Canvas->TextHeight("Wg")) / 2;
    Item->DrawCaption(Canvas, X, y, Object->GetLook(State).Text);
}

}  // namespace

void TSeSkinMenuBar::PaintBar(TCanvas* Canvas, const TRect& Rect) {
    TSeSkinObject* object = FindSkinObject();
    if (!object) return TSeSkinControl::PaintBar(Canvas, Rect);
    object->Draw(Canvas, Rect, kssNormal);
}

void TSeSkinItem::PaintBarItem(TCanvas* Canvas, const TRect& Rect, TSeState State) {
    TSeSkinObject* object = MenuObject("MenuItem");
    if (!object) return TSeCustomItem::PaintBarItem(Canvas, Rect, State);
    object->Draw(Canvas, Rect, State);
    Canvas->SetFont(object->GetFont());
    const int x = Rect.Left + (Rect.Width() - Canvas->TextWidth(GetDisplayCaption())) / 2;
    DrawSkinnedCaption(this, object, Canvas, x, Rect, State);
}

void TSeSkinItem::PaintPopupItem(TCanvas* Canvas, const TRect& Rect, TSeState State) {
    TSeSkinObject* object = MenuObject("MenuItem");
    if (!object) return TSeCustomItem::PaintPopupItem(Canvas, Rect, State);
    if (IsLine()) {
        TSeSkinObject* popup = MenuObject("PopupMenu");
        const TColor line = popup ? popup->GetLook(kssNormal).Border : object->GetLook(kssDisabled).Text;
        return DrawPopupItemParts(this, Canvas, Rect, line, false);
    }
    object->Draw(Canvas, Rect, State);
    Canvas->SetFont(object->GetFont());
    DrawPopupItemParts(this, Canvas, Rect, object->GetLook(State).Text, false);
}

void TSeSkinItem::PaintPopup(TCanvas* Canvas, TRect& Rect) {
    TSeSkinObject* object = MenuObject("PopupMenu");
    if (!object) return TSeCustomItem::PaintPopup(Canvas, Rect);
    object->Draw(Canvas, Rect, kssNormal);
    Rect = object->ContentRect(Rect);
}
