// The classic look's drawing routines, shared by the standard controls.
#include "platform/controls/ClassicLook.h"

namespace {

TRect Centred(const TRect& R, int Width, int Height) {
    return Bounds(R.Left + (R.Width() - Width) / 2, R.Top + (R.Height() - Height) / 2, Width, Height);
}

void Line(TCanvas* Canvas, int X0, int Y0, int X1, int Y1, TColor Color) {
    Canvas->GetPen()->SetStyle(psSolid);
    Canvas->GetPen()->SetWidth(1);
    Canvas->GetPen()->SetMode(pmCopy);
    Canvas->GetPen()->SetColor(Color);
    Canvas->MoveTo(X0, Y0);
    Canvas->LineTo(X1, Y1);
}

}  // namespace

void ClassicFill(TCanvas* Canvas, const TRect& R, TColor Color) {
    Canvas->GetBrush()->SetStyle(bsSolid);
    Canvas->GetBrush()->SetColor(Color);
    Canvas->FillRect(R);
}

void ClassicButtonFace(TCanvas* Canvas, TRect& R, bool Pressed) {
    if (Pressed) {
        Frame3D(Canvas, R, cl3DDkShadow, clBtnHighlight, 1);
        Frame3D(Canvas, R, clBtnShadow, cl3DLight, 1);
    } else {
        Frame3D(Canvas, R, clBtnHighlight, cl3DDkShadow, 1);
        Frame3D(Canvas, R, cl3DLight, clBtnShadow, 1);
    }
    ClassicFill(Canvas, R, clBtnFace);
    if (Pressed) OffsetRect(R, 1, 1);
}

void ClassicSunkenEdge(TCanvas* Canvas, TRect& R) {
    Frame3D(Canvas, R, clBtnShadow, clBtnHighlight, 1);
    Frame3D(Canvas, R, cl3DDkShadow, cl3DLight, 1);
}

void ClassicCheckMark(TCanvas* Canvas, const TRect& R, bool Checked, bool Enabled) {
    TRect box = Centred(R, 13, 13);
    ClassicSunkenEdge(Canvas, box);
    ClassicFill(Canvas, box, Enabled ? clWindow : clBtnFace);
    if (!Checked) return;
    // A tick of three pixels' thickness from the left middle down and up to the right.
    const TColor ink = Enabled ? clWindowText : clGrayText;
    const int x = box.Left + 1, y = box.Top + 3;
    for (int t = 0; t < 3; ++t) {
        Line(Canvas, x, y + 2 + t, x + 2, y + 4 + t, ink);
        Line(Canvas, x + 2, y + 4 + t, x + 7, y - 1 + t, ink);
    }
}

void ClassicRadioMark(TCanvas* Canvas, const TRect& R, bool Checked, bool Enabled) {
    TRect box = Centred(R, 12, 12);
    Canvas->GetPen()->SetMode(pmCopy);
    Canvas->GetPen()->SetWidth(1);
    Canvas->GetPen()->SetColor(clBtnShadow);
    Canvas->GetBrush()->SetStyle(bsSolid);
    Canvas->GetBrush()->SetColor(Enabled ? clWindow : clBtnFace);
    Canvas->Ellipse(box);
    Canvas->GetPen()->SetColor(clBtnHighlight);
    Canvas->Arc(box.Left, box.Top, box.Right, box.Bottom, box.Left, box.Bottom, box.Right, box.Top);
    if (!Checked) return;
    const TColor ink = Enabled ? clWindowText : clGrayText;
    Canvas->GetPen()->SetColor(ink);
    Canvas->GetBrush()->SetColor(ink);
    Canvas->Ellipse(Centred(box, 5, 5));
}

void ClassicArrow(TCanvas* Canvas, const TRect& R, TClassicArrow Direction, bool Enabled) {
    // A triangle of four rows (or columns) narrowing to a point.
    const int size = 4;
    const TColor ink = Enabled ? clBtnText : clGrayText;
    const bool vertical = Direction == arUp || Direction == arDown;
    const TRect box = vertical ? Centred(R, 2 * size - 1, size) : Centred(R, size, 2 * size - 1);
    for (int i = 0; i < size; ++i) {
        // Row i from the wide end is 2 * (size - i) - 1 pixels long.
        const int from = i, to = 2 * size - 1 - i;
        switch (Direction) {
        case arDown: Line(Canvas, box.Left + from, box.Top + i, box.Left + to, box.Top + i, ink); break;
        case arUp: Line(Canvas, box.Left + from, box.Bottom - 1 - i, box.Left + to, box.Bottom - 1 - i, ink); break;
        case arRight: Line(Canvas, box.Left + i, box.Top + from, box.Left + i, box.Top + to, ink); break;
        case arLeft: Line(Canvas, box.Right - 1 - i, box.Top + from, box.Right - 1 - i, box.Top + to, ink); break;
        }
    }
}

void ClassicGroupFrame(TCanvas* Canvas, const TRect& R, const AnsiString& Caption, TColor Back, bool Enabled) {
    const TSize text = CaptionExtent(Canvas, Caption);
    TRect frame = R;
    frame.Top += text.cy / 2;
    // Etched: a shadow frame with a highlight frame one pixel down and right.
    TRect outer(frame.Left, frame.Top, frame.Right - 1, frame.Bottom - 1);
    Frame3D(Canvas, outer, clBtnShadow, clBtnShadow, 1);
    TRect inner(frame.Left + 1, frame.Top + 1, frame.Right, frame.Bottom);
    Frame3D(Canvas, inner, clBtnHighlight, clBtnHighlight, 1);
    if (Caption.IsEmpty()) return;
    const TRect gap = Bounds(R.Left + 6, R.Top, text.cx + 4, text.cy);
    ClassicFill(Canvas, gap, Back);
    ClassicCaption(Canvas, gap.Left + 2, gap.Top, Caption, Enabled);
}

void ClassicItemText(TCanvas* Canvas, const TRect& R, const AnsiString& Text, bool Selected, bool Enabled) {
    ClassicFill(Canvas, R, Selected ? clHighlight : Enabled ? clWindow : clBtnFace);
    Canvas->GetFont()->SetColor(!Enabled ? clGrayText : Selected ? clHighlightText : clWindowText);
    Canvas->GetBrush()->SetStyle(bsClear);
    Canvas->TextRect(R, R.Left + 2, R.Top + (R.Height() - Canvas->TextHeight("Wg")) / 2, Text);
}

void ClassicFocusRect(TCanvas* Canvas, const TRect& R) {
    if (R.IsEmpty()) return;
    auto invert = [Canvas](int x, int y) { Canvas->SetPixels(x, y, Canvas->GetPixels(x, y) ^ 0x00FFFFFF); };
    for (int x = R.Left; x < R.Right; x += 2) {
        invert(x, R.Top);
        if (R.Bottom - 1 > R.Top) invert(x, R.Bottom - 1);
    }
    for (int y = R.Top + 2; y < R.Bottom - 1; y += 2) {
        invert(R.Left, y);
        if (R.Right - 1 > R.Left) invert(R.Right - 1, y);
    }
}

TSize CaptionExtent(TCanvas* Canvas, const AnsiString& Caption) {
    const AnsiString text = CaptionText(Caption);
    return text.IsEmpty() ? TSize{0, Canvas->TextHeight("Wg")} : Canvas->TextExtent(text);
}

void ClassicCaption(TCanvas* Canvas, int X, int Y, const AnsiString& Caption, bool Enabled) {
    const AnsiString text = CaptionText(Caption);
    TFont* font = Canvas->GetFont();
    const TColor ink = font->GetColor();
    Canvas->GetBrush()->SetStyle(bsClear);
    auto draw = [&](int x, int y, TColor colour) {
        font->SetColor(colour);
        Canvas->TextOut(x, y, text);
        UnderlineAccessKey(Canvas, x, y, Caption, colour);
    };
    if (!Enabled) {
        draw(X + 1, Y + 1, clBtnHighlight);
        draw(X, Y, clGrayText);
    } else {
        draw(X, Y, ink);
    }
    font->SetColor(ink);
}
