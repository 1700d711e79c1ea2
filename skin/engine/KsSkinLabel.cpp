#include "skin/engine/KsSkinLabel.h"

#include "skin/engine/KsSkinTextArea.h"

void TSeSkinLabel::PaintControl(TCanvas* Canvas, const TRect& Rect) {
    TSeSkinObject* object = FindSkinObject();
    if (!object) return TSeSkinControl::PaintControl(Canvas, Rect);
    Canvas->GetFont()->Assign(object->GetFont());
    int lineHeight = Canvas->TextHeight("Wg");
    unsigned align = GetAlignment() == taCenter ? ksaCenter : GetAlignment() == taRightJustify ? ksaRight : ksaLeft;
    TSeState state = GetEnabled() ? kssNormal : kssDisabled;
    int y = Rect.Top;
    for (const AnsiString& line : WrapLines(Canvas, GetCaption(), Rect.Width(), GetWordWrap())) {
        DrawSkinTextIn(object, Canvas, TRect(Rect.Left, y, Rect.Right, y + lineHeight), line, state, align | ksaTop);
        y += lineHeight;
    }
}
