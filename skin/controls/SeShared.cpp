#include "skin/controls/SeShared.h"

#include <algorithm>

#include "platform/controls/ExtCtrls.h"

namespace {

void Fill(TCanvas* Canvas, const TRect& R, TColor Color) {
    Canvas->GetBrush()->SetStyle(bsSolid);
    Canvas->GetBrush()->SetColor(Color);
    Canvas->FillRect(R);
}

TRect CentredSquare(const TRect& R, int Size) {
    return Bounds(R.Left + (R.Width() - Size) / 2, R.Top + (R.Height() - Size) / 2, Size, Size);
}

}  // namespace

void DrawButtonFace(TCanvas* Canvas, TRect& R, TSeState State, bool Default, bool Focused) {
    if (Default || Focused) {
        Canvas->GetBrush()->SetColor(cl3DDkShadow);
        Canvas->FrameRect(R);
        InflateRect(R, -1, -1);
    }
    if (State == kssPressed) {
        Frame3D(Canvas, R, clBtnShadow, clBtnShadow, 1);
        Fill(Canvas, R, clBtnFace);
        OffsetRect(R, 1, 1);
    } else {
        Frame3D(Canvas, R, State == kssHot ? clWhite : clBtnHighlight, cl3DDkShadow, 1);
        Frame3D(Canvas, R, cl3DLight, clBtnShadow, 1);
        Fill(Canvas, R, clBtnFace);
    }
    if (Focused) {
        TRect focus = R;
        InflateRect(focus, -2, -2);
        DrawFocusRect(Canvas, focus);
    }
}

void DrawFlatButtonFace(TCanvas* Canvas, TRect& R, TSeState State, bool Down) {
    Fill(Canvas, R, clBtnFace);
    if (Down || State == kssPressed) {
        Frame3D(Canvas, R, clBtnShadow, clBtnHighlight, 1);
        OffsetRect(R, 1, 1);
    } else if (State == kssHot) {
        Frame3D(Canvas, R, clBtnHighlight, clBtnShadow, 1);
    }
}

void DrawSunkenFrame(TCanvas* Canvas, TRect& R) {
    Frame3D(Canvas, R, clBtnShadow, clBtnHighlight, 1);
    Frame3D(Canvas, R, cl3DDkShadow, cl3DLight, 1);
}

void DrawCheckGlyph(TCanvas* Canvas, const TRect& R, bool Checked, bool Enabled) {
    TRect box = CentredSquare(R, 13);
    DrawSunkenFrame(Canvas, box);
    Fill(Canvas, box, Enabled ? clWindow : clBtnFace);
    if (!Checked) return;
    // A tick of three-pixel-high strokes.
    Canvas->GetPen()->SetColor(Enabled ? clWindowText : clGrayText);
    Canvas->GetPen()->SetStyle(psSolid);
    Canvas->GetPen()->SetWidth(1);
    for (int dy = 0; dy < 3; ++dy) {
        Canvas->MoveTo(box.Left + 1, box.Top + 3 + dy);
        Canvas->LineTo(box.Left + 3, box.Top + 5 + dy);
        Canvas->LineTo(box.Left + 8, box.Top + dy);
    }
}

void DrawRadioGlyph(TCanvas* Canvas, const TRect& R, bool Checked, bool Enabled) {
    TRect box = CentredSquare(R, 12);
    Canvas->GetPen()->SetStyle(psSolid);
    Canvas->GetPen()->SetWidth(1);
    Canvas->GetPen()->SetColor(clBtnShadow);
    Canvas->GetBrush()->SetStyle(bsSolid);
    Canvas->GetBrush()->SetColor(Enabled ? clWindow : clBtnFace);
    Canvas->Ellipse(box);
    if (!Checked) return;
    TRect dot = CentredSquare(box, 4);
    Canvas->GetPen()->SetColor(Enabled ? clWindowText : clGrayText);
    Canvas->GetBrush()->SetColor(Enabled ? clWindowText : clGrayText);
    Canvas->Ellipse(dot);
}

void DrawArrow(TCanvas* Canvas, const TRect& R, TSeArrowKind Kind, TColor Color) {
    // Size by the smaller side: a triangle of half that width.
    int size = std::max(1, std::min(R.Width(), R.Height()) / 4);
    int cx = (R.Left + R.Right) / 2, cy = (R.Top + R.Bottom) / 2;
    Canvas->GetPen()->SetColor(Color);
    Canvas->GetPen()->SetStyle(psSolid);
    Canvas->GetPen()->SetWidth(1);
    // Line i from the tip ies i pixels to either side.
    for (int i = 0; i < size; ++i) {
        switch (Kind) {
        case kakUp:
            Canvas->MoveTo(cx - i, cy - size / 2 + i);
            Canvas->LineTo(cx + i + 1, cy - size / 2 + i);
            break;
        case kakDown:
            Canvas->MoveTo(cx - i, cy + size / 2 - i);
            Canvas->LineTo(cx + i + 1, cy + size / 2 - i);
            break;
        case kakLeft:
            Canvas->MoveTo(cx - size / 2 + i, cy - i);
            Canvas->LineTo(cx - size / 2 + i, cy + i + 1);
            break;
        case kakRight:
            Canvas->MoveTo(cx + size / 2 - i, cy - i);
            Canvas->LineTo(cx + size / 2 - i, cy + i + 1);
            break;
        }
    }
}

void DrawGroupFrame(TCanvas* Canvas, const TRect& R, const AnsiString& Caption) {
    int textHeight = Canvas->TextHeight("0");
    TRect frame(R.Left, R.Top + textHeight / 2, R.Right, R.Bottom);
    TRect inner = Rect(frame.Left + 1, frame.Top + 1, frame.Right, frame.Bottom);
    Canvas->GetBrush()->SetColor(clBtnShadow);
    Canvas->FrameRect(Rect(frame.Left, frame.Top, frame.Right - 1, frame.Bottom - 1));
    Canvas->GetBrush()->SetColor(clBtnHighlight);
    Canvas->FrameRect(inner);
    if (Caption.IsEmpty()) return;
    TRect label = Bounds(R.Left + 8, R.Top, Canvas->TextWidth(Caption) + 4, textHeight);
    Fill(Canvas, label, clBtnFace);
    Canvas->GetBrush()->SetStyle(bsClear);
    Canvas->TextOut(label.Left + 2, label.Top, Caption);
}

void DrawGrayText(TCanvas* Canvas, int X, int Y, const AnsiString& Text) {
    Canvas->GetBrush()->SetStyle(bsClear);
    TColor old = Canvas->GetFont()->GetColor();
    Canvas->GetFont()->SetColor(clBtnHighlight);
    Canvas->TextOut(X + 1, Y + 1, Text);
    Canvas->GetFont()->SetColor(clGrayText);
    Canvas->TextOut(X, Y, Text);
    Canvas->GetFont()->SetColor(old);
}

void DrawGlyph(TCanvas* Canvas, int X, int Y, TBitmap* Glyph, bool Enabled) {
    if (!Glyph || Glyph->GetEmpty()) return;
    int w = Glyph->GetWidth(), h = Glyph->GetHeight();
    TCanvas* src = Glyph->GetCanvas();
    TColor transparent = src->GetPixels(0, h - 1);
    // Disabled: every opaque pixel as a grey silhouette over a white one, one pixel down and right.
    for (int pass = Enabled ? 1 : 0; pass < 2; ++pass)
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                TColor c = src->GetPixels(x, y);
                if (c == transparent) continue;
                if (Enabled) Canvas->SetPixels(X + x, Y + y, c);
                else if (pass == 0) Canvas->SetPixels(X + x + 1, Y + y + 1, ColorToRGB(clBtnHighlight));
                else Canvas->SetPixels(X + x, Y + y, ColorToRGB(clBtnShadow));
            }
}

void DrawFocusRect(TCanvas* Canvas, const TRect& R) {
    if (R.IsEmpty()) return;
    auto invert = [Canvas](int x, int y) { Canvas->SetPixels(x, y, Canvas->GetPixels(x, y) ^ 0xFFFFFF); };
    int step = 0;
    // Walk the edge once, clockwise, inverting every other pixel.
    for (int x = R.Left; x < R.Right; ++x) if (step++ % 2 == 0) invert(x, R.Top);
    for (int y = R.Top + 1; y < R.Bottom; ++y) if (step++ % 2 == 0) invert(R.Right - 1, y);
    if (R.Height() > 1)
        for (int x = R.Right - 2; x >= R.Left; --x) if (step++ % 2 == 0) invert(x, R.Bottom - 1);
    if (R.Width() > 1)
        for (int y = R.Bottom - 2; y > R.Top; --y) if (step++ % 2 == 0) invert(R.Left, y);
}

