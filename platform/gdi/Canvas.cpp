// The canvas: pen, brush and font selected into the device context before
// each drawing call, then the GDI function of the same name.
#include "platform/gdi/GdiInternal.h"

namespace {

enum : unsigned { PenValid = 1, BrushValid = 2, FontValid = 4, AllValid = 7 };

int Rop2Of(TPenMode mode) {
    static const int modes[] = {R2_BLACK,      R2_WHITE,       R2_NOP,         R2_NOT,
                                R2_COPYPEN,    R2_NOTCOPYPEN,  R2_MERGEPENNOT, R2_MASKPENNOT,
                                R2_MERGENOTPEN, R2_MASKNOTPEN, R2_MERGEPEN,    R2_NOTMERGEPEN,
                                R2_MASKPEN,    R2_NOTMASKPEN,  R2_XORPEN,      R2_NOTXORPEN};
    return modes[mode];
}

}  // namespace

TCanvas::TCanvas() : pen_(new TPen), brush_(new TBrush), font_(new TFont) {
    pen_->OnChange = [this](TObject*) { valid_ &= ~PenValid; };
    brush_->OnChange = [this](TObject*) { valid_ &= ~BrushValid; };
    font_->OnChange = [this](TObject*) { valid_ &= ~FontValid; };
}

TCanvas::~TCanvas() {
    delete font_;
    delete brush_;
    delete pen_;
}

HDC TCanvas::GetHandle() {
    RequiredState();
    return dc_;
}

void TCanvas::SetHandle(HDC Value) {
    dc_ = Value;
    valid_ = 0;
}

void TCanvas::RequiredState() {
    if (!dc_) CreateHandle();
    if (!dc_) throw EInvalidOperation("Canvas does not allow drawing");
    if (!(valid_ & PenValid)) {
        SelectObject(dc_, pen_->GetHandle());
        SetROP2(dc_, Rop2Of(pen_->GetMode()));
    }
    if (!(valid_ & BrushValid)) {
        // Text and hatches draw their background in a solid brush's colour;
        // other brushes leave the background showing.
        SelectObject(dc_, brush_->GetHandle());
        TColor color = ColorToRGB(brush_->GetColor());
        bool solid = brush_->GetStyle() == bsSolid;
        SetBkColor(dc_, solid ? color : ~color & 0xFFFFFF);
        SetBkMode(dc_, solid ? OPAQUE : TRANSPARENT);
    }
    if (!(valid_ & FontValid)) {
        SelectObject(dc_, font_->GetHandle());
        SetTextColor(dc_, ColorToRGB(font_->GetColor()));
    }
    valid_ = AllValid;
}

void TCanvas::Changed() {
    if (OnChange) OnChange(this);
}

TPoint TCanvas::GetPenPos() {
    TPoint p;
    GetCurrentPositionEx(GetHandle(), &p);
    return p;
}

void TCanvas::SetPenPos(TPoint Value) { MoveTo(Value.x, Value.y); }

TRect TCanvas::GetClipRect() {
    TRect r;
    GetClipBox(GetHandle(), &r);
    return r;
}

TColor TCanvas::GetPixels(int X, int Y) { return GetPixel(GetHandle(), X, Y); }

void TCanvas::SetPixels(int X, int Y, TColor Value) {
    SetPixel(GetHandle(), X, Y, ColorToRGB(Value));
    Changed();
}

void TCanvas::MoveTo(int X, int Y) { MoveToEx(GetHandle(), X, Y, nullptr); }

void TCanvas::LineTo(int X, int Y) {
    ::LineTo(GetHandle(), X, Y);
    Changed();
}

void TCanvas::Polyline(const TPoint* Points, int Count) {
    ::Polyline(GetHandle(), Points, Count);
    Changed();
}

void TCanvas::Polygon(const TPoint* Points, int Count) {
    ::Polygon(GetHandle(), Points, Count);
    Changed();
}

void TCanvas::PolyBezier(const TPoint* Points, int Count) {
    ::PolyBezier(GetHandle(), Points, Count);
    Changed();
}

void TCanvas::Rectangle(int X1, int Y1, int X2, int Y2) {
    ::Rectangle(GetHandle(), X1, Y1, X2, Y2);
    Changed();
}

void TCanvas::RoundRect(int X1, int Y1, int X2, int Y2, int X3, int Y3) {
    ::RoundRect(GetHandle(), X1, Y1, X2, Y2, X3, Y3);
    Changed();
}

void TCanvas::Ellipse(int X1, int Y1, int X2, int Y2) {
    ::Ellipse(GetHandle(), X1, Y1, X2, Y2);
    Changed();
}

void TCanvas::Arc(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4) {
    ::Arc(GetHandle(), X1, Y1, X2, Y2, X3, Y3, X4, Y4);
    Changed();
}

void TCanvas::Pie(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4) {
    ::Pie(GetHandle(), X1, Y1, X2, Y2, X3, Y3, X4, Y4);
    Changed();
}

void TCanvas::Chord(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4) {
    ::Chord(GetHandle(), X1, Y1, X2, Y2, X3, Y3, X4, Y4);
    Changed();
}

void TCanvas::FillRect(const TRect& Rect) {
    ::FillRect(GetHandle(), &Rect, brush_->GetHandle());
    Changed();
}

void TCanvas::FrameRect(const TRect& Rect) {
    ::FrameRect(GetHandle(), &Rect, brush_->GetHandle());
    Changed();
}

// The pen moves to the end of the text, as after a line (measured only
// when the pen position is read).
void TCanvas::TextOut(int X, int Y, const AnsiString& Text) {
    HDC dc = GetHandle();
    ::TextOut(dc, X, Y, Text.c_str(), Text.Length());
    MoveToTextEnd(dc, X, Y, Text.c_str(), Text.Length());
    Changed();
}

void TCanvas::TextRect(const TRect& Rect, int X, int Y, const AnsiString& Text) {
    unsigned options = ETO_CLIPPED | (brush_->GetStyle() != bsClear ? ETO_OPAQUE : 0u);
    ExtTextOut(GetHandle(), X, Y, options, &Rect, Text.c_str(), Text.Length(), nullptr);
    Changed();
}

TSize TCanvas::TextExtent(const AnsiString& Text) {
    TSize size;
    GetTextExtentPoint32(GetHandle(), Text.c_str(), Text.Length(), &size);
    return size;
}

int TCanvas::TextWidth(const AnsiString& Text) { return TextExtent(Text).cx; }

int TCanvas::TextHeight(const AnsiString& Text) { return TextExtent(Text).cy; }

void TCanvas::Draw(int X, int Y, TGraphic* Graphic) {
    if (!Graphic || Graphic->GetEmpty()) return;
    Graphic->Draw(this, Rect(X, Y, X + Graphic->GetWidth(), Y + Graphic->GetHeight()));
    Changed();
}

void TCanvas::StretchDraw(const TRect& Rect, TGraphic* Graphic) {
    if (!Graphic || Graphic->GetEmpty()) return;
    Graphic->Draw(this, Rect);
    Changed();
}

void TCanvas::CopyRect(const TRect& Dest, TCanvas* Canvas, const TRect& Source) {
    if (!Canvas) return;
    StretchBlt(GetHandle(), Dest.Left, Dest.Top, Dest.Width(), Dest.Height(), Canvas->GetHandle(), Source.Left,
               Source.Top, Source.Width(), Source.Height(), copyMode_);
    Changed();
}
