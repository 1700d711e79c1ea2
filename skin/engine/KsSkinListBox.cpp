#include "skin/engine/KsSkinListBox.h"

#include "skin/engine/KsSkinEdits.h"

void TSeSkinListBox::PaintBorder(TCanvas* Canvas, TRect& Rect) {
    TSeSkinObject* object = FindSkinObject();
    if (!object) return TSeSkinControl::PaintBorder(Canvas, Rect);
    object->Draw(Canvas, Rect, BoxState(this));
    InflateRect(Rect, -1, -1);
}

void TSeSkinListBox::DrawItem(TCanvas* Canvas, int Index, const TRect& Rect, bool Selected) {
    TSeSkinObject* item = FindSkinObject("Item");
    if (!item) return TSeSkinControl::DrawItem(Canvas, Index, Rect, Selected);
    TSeState state = !GetEnabled() ? kssDisabled : Selected ? kssChecked : kssNormal;
    item->Draw(Canvas, Rect, state);
    item->DrawText(Canvas, Rect, GetItems()->GetStrings(Index), state);
}
