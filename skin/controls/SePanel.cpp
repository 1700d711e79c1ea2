#include "skin/controls/SePanel.h"

#include "skin/controls/SeShared.h"

TSeCustomPanel::TSeCustomPanel(TComponent* AOwner) : TPanelFrame(AOwner) {
    SetColor(clBtnFace);
    SetParentColor(false);
    SetBounds(GetLeft(), GetTop(), 185, 41);
}

void TSeCustomPanel::SetCaption(const AnsiString& Value) {
    if (Value == GetCaption()) return;
    SetText(Value);
    Invalidate();
}

void TSeCustomPanel::PaintControl(TCanvas* Canvas, const TRect& R) {
    if (GetCaption().IsEmpty()) return;
    Canvas->SetFont(GetFont());
    Canvas->GetBrush()->SetStyle(bsClear);
    TSize text = Canvas->TextExtent(GetCaption());
    int x = AlignedTextX(R, text.cx, GetAlignment());
    int y = R.Top + (R.Height() - text.cy) / 2;
    if (GetEnabled()) Canvas->TextOut(x, y, GetCaption());
    else DrawGrayText(Canvas, x, y, GetCaption());
}

