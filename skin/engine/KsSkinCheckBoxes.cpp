#include "skin/engine/KsSkinCheckBoxes.h"

#include <algorithm>

#include "skin/controls/SeShared.h"
#include "skin/engine/KsSkinTextArea.h"

void DrawSkinnedCheckControl(TSeCustomCheckControl* Control, TSeSkinObject* Object, TCanvas* Canvas,
                             const TRect& R, bool Checked, bool Grayed, bool Round) {
    TSeState state = Control->GetDrawState();
    bool lit = state == kssHot || state == kssPressed;
    TSeState boxState = state;
    if (state != kssDisabled && Checked) boxState = lit ? kssCheckedHot : kssChecked;
    else if (state == kssNormal && Control->Focused()) boxState = kssFocused;
    TRect box = Control->BoxRect(R);
    Object->Draw(Canvas, box, boxState);
    if (Checked || Grayed) {
        // The mark takes the checked state's text colour on the checked face.
        TColor mark = Object->GetLook(boxState).Text;
        if (mark == clNone) mark = clWindowText;
        Canvas->GetBrush()->SetStyle(bsSolid);
        Canvas->GetBrush()->SetColor(mark);
        Canvas->GetPen()->SetColor(mark);
        Canvas->GetPen()->SetStyle(psSolid);
        Canvas->GetPen()->SetWidth(1);
        TRect inner = box;
        InflateRect(inner, -4, -4);
        if (Grayed) {
            InflateRect(inner, 0, -(inner.Height() - 2) / 2);
            Canvas->FillRect(inner);
        } else if (Round) {
            Canvas->Ellipse(inner);
        } else {
            for (int dy = 0; dy < 2; ++dy) {
                Canvas->MoveTo(inner.Left, inner.Top + 2 + dy);
                Canvas->LineTo(inner.Left + 2, inner.Top + 4 + dy);
                Canvas->LineTo(inner.Right, inner.Top - 1 + dy);
            }
        }
    }
    // The caption in the plain (or disabled) text colour: the checked colour belongs to the box.
    TSeState textState = state == kssDisabled ? kssDisabled : kssNormal;
    TRect area = Control->CaptionRect(R);
    DrawSkinTextIn(Object, Canvas, area, Control->GetCaption(), textState, ksaLeft | ksaVCenter);
    if (Control->Focused() && !Control->GetCaption().IsEmpty()) {
        TSize text = Canvas->TextExtent(Control->GetCaption());
        int y = area.Top + (area.Height() - text.cy) / 2;
        DrawFocusRect(Canvas, Bounds(area.Left - 1, y, std::min(text.cx + 2, area.Width()), text.cy));
    }
}

void TSeSkinCheckBox::PaintControl(TCanvas* Canvas, const TRect& Rect) {
    TSeSkinObject* object = FindSkinObject();
    if (!object) return TSeSkinControl::PaintControl(Canvas, Rect);
    DrawSkinnedCheckControl(this, object, Canvas, Rect, GetState() == cbChecked, GetState() == cbGrayed, false);
}

void TSeSkinRadioButton::PaintControl(TCanvas* Canvas, const TRect& Rect) {
    TSeSkinObject* object = FindSkinObject();
    if (!object) return TSeSkinControl::PaintControl(Canvas, Rect);
    DrawSkinnedCheckControl(this, object, Canvas, Rect, GetChecked(), false, true);
}
