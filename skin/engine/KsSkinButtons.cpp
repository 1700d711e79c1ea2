#include "skin/engine/KsSkinButtons.h"

#include "skin/controls/SeShared.h"

void TSeSkinButton::PaintControl(TCanvas* Canvas, const TRect& Rect) {
    TSeSkinObject* object = FindSkinObject();
    if (!object) return TSeSkinControl::PaintControl(Canvas, Rect);
    TSeState state = GetDrawState();
    // Pressed, hot and disabled show as they are; at rest the focus or the
    // default flag picks the look.
    if (state == kssNormal && Focused()) state = kssFocused;
    else if (state == kssNormal && GetDefault()) state = kssDefault;
    object->Draw(Canvas, Rect, state);
    object->DrawText(Canvas, Rect, GetCaption(), state);
    if (Focused()) {
        TRect focus = Rect;
        InflateRect(focus, -3, -3);
        DrawFocusRect(Canvas, focus);
    }
}
