// Text and pictures on the 3-D canvas: text placed at a depth and grown or
// shrunk with the view's zoom, rotated labels, and graphics drawn as they
// are or stretched.
#include <algorithm>

#include "chart/canvas/TeCanvasPixels.h"
#include "chart/canvas/TeCanvas.h"
#include "platform/runtime/SysUtils.h"

void TTeeCanvas3D::TextOut(int X, int Y, const AnsiString& Text) {
    ::TextOut(GetHandle(), X, Y, Text.c_str(), Text.Length());
}

bool TTeeCanvas3D::TextZooms() const { return fontZoom_ && zoomFactor_ != 1; }

int TTeeCanvas3D::ZoomedFontSize() const {
    int size = GetFont()->GetSize();
    return TextZooms() ? std::max(1, RoundPixel(size * zoomFactor_)) : size;
}

LOGFONT TTeeCanvas3D::ZoomedFont() {
    LOGFONT font;
    GetObject(GetFont()->GetHandle(), sizeof(font), &font);
    if (TextZooms()) font.lfHeight = -MulDiv(ZoomedFontSize(), GetFont()->GetPixelsPerInch(), 72);
    return font;
}

namespace {

// Text in a font made for the one call, deleted afterwards.
void TextOutInFont(HDC DC, const LOGFONT& Font, int X, int Y, const AnsiString& Text) {
    HFONT font = CreateFontIndirect(&Font);
    HGDIOBJ old = SelectObject(DC, font);
    TextOut(DC, X, Y, Text.c_str(), Text.Length());
    SelectObject(DC, old);
    DeleteObject(font);
}

}  // namespace

void TTeeCanvas3D::TextOut3D(int X, int Y, int Z, const AnsiString& Text) {
    Calc3DPos(X, Y, Z);
    if (ZoomedFontSize() == GetFont()->GetSize()) {
        TextOut(X, Y, Text);
        return;
    }
    LOGFONT font = ZoomedFont();
    TextOutInFont(GetHandle(), font, X, Y, Text);
}

void TTeeCanvas3D::RotateLabel(int X, int Y, const AnsiString& Text, int Angle) {
    if (Angle > 360) Angle -= 360;
    GetBrush()->SetStyle(bsClear);
    LOGFONT font = ZoomedFont();
    font.lfEscapement = Angle * 10;
    font.lfOrientation = Angle * 10;
    font.lfOutPrecision = OUT_TT_ONLY_PRECIS;
    TextOutInFont(GetHandle(), font, X, Y, Text);
}

void TTeeCanvas3D::RotateLabel3D(int X, int Y, int Z, const AnsiString& Text, int Angle) {
    Calc3DPos(X, Y, Z);
    RotateLabel(X, Y, Text, Angle);
}

// The brush and font colours are the background and ink of a monochrome
// picture.
void TTeeCanvas3D::Draw(int X, int Y, TGraphic* Graphic) {
    if (!Graphic || Graphic->GetEmpty()) return;
    HDC dc = GetHandle();
    SetBkColor(dc, ColorToRGB(GetBrush()->GetColor()));
    SetTextColor(dc, ColorToRGB(GetFont()->GetColor()));
    Graphic->Draw(GetCanvas(), TRect(X, Y, X + Graphic->GetWidth(), Y + Graphic->GetHeight()));
}

void TTeeCanvas3D::StretchDraw(const TRect& Rect, TGraphic* Graphic) {
    if (Graphic) Graphic->Draw(GetCanvas(), Rect);
}
