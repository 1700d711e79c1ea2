#include "skin/engine/KsSkinPages.h"

#include "skin/controls/SeShared.h"

void TSeSkinPageControl::PaintBody(TCanvas* Canvas, const TRect& Rect) {
    TSeSkinObject* object = FindSkinObject();
    if (!object) return TSeSkinControl::PaintBody(Canvas, Rect);
    object->Draw(Canvas, Rect, kssNormal);
}

void TSeSkinPageControl::PaintTab(TCanvas* Canvas, const TRect& Rect, const AnsiString& Caption, bool Selected,
                                  bool Hot) {
    TSeSkinObject* tab = FindSkinObject("Tab");
    if (!tab) return TSeSkinControl::PaintTab(Canvas, Rect, Caption, Selected, Hot);
    TSeState state = Selected ? kssChecked : Hot ? kssHot : kssNormal;
    if (!GetEnabled()) state = kssDisabled;
    tab->Draw(Canvas, Rect, state);
    tab->DrawText(Canvas, Rect, Caption, state, ksaCenter | ksaVCenter);
}

void TSeSkinPageControl::PaintScrollButton(TCanvas* Canvas, const TRect& Rect, bool Right, bool Enabled,
                                           bool Pressed) {
    TSeSkinObject* tab = FindSkinObject("Tab");
    if (!tab) return TSeSkinControl::PaintScrollButton(Canvas, Rect, Right, Enabled, Pressed);
    const TSeState state = !Enabled ? kssDisabled : Pressed ? kssChecked : kssNormal;
    tab->Draw(Canvas, Rect, state);
    DrawArrow(Canvas, Rect, Right ? kakRight : kakLeft, tab->GetLook(state).Text);
}

void TSeSkinPageControl::PaintPage(TSeCustomTabSheet* Page, TCanvas* Canvas, const TRect& Rect) {
    TSeSkinEngine* engine = GetSkinEngine();
    TSeSkinObject* sheet = engine ? engine->FindObject("TabSheet") : nullptr;
    if (!sheet) return TSeSkinControl::PaintPage(Page, Canvas, Rect);
    sheet->Draw(Canvas, Rect, kssNormal);
}

void TSeSkinPageControl::WndProc(TMessage& Message) {
    // The pages draw through this control's skin: they follow its changes.
    if (Message.Msg == WMSkinChange)
        for (int i = 0; i < GetPageCount(); ++i) GetPages(i)->Invalidate();
    TSeSkinControl::WndProc(Message);
}
