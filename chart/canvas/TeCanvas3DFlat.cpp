// The flat operations of the 3-D canvas: the device context's state and its
// lines and shapes in screen coordinates, with the canvas's pen and brush.
#include "chart/canvas/TeCanvas.h"

HDC TTeeCanvas3D::GetHandle() { return GetCanvas()->GetHandle(); }

TColor TTeeCanvas3D::GetBackColor() { return GetBkColor(GetHandle()); }

TCanvasBackMode TTeeCanvas3D::GetBackMode() {
    switch (GetBkMode(GetHandle())) {
    case TRANSPARENT: return cbmTransparent;
    case OPAQUE: return cbmOpaque;
    default: return cbmNone;
    }
}

int TTeeCanvas3D::GetTextAlign() { return static_cast<int>(::GetTextAlign(GetHandle())); }

// A system colour is resolved: the device context knows RGB values only.
void TTeeCanvas3D::SetBackColor(TColor Color) { SetBkColor(GetHandle(), ColorToRGB(Color)); }

void TTeeCanvas3D::SetBackMode(TCanvasBackMode Mode) { SetBkMode(GetHandle(), static_cast<int>(Mode)); }

void TTeeCanvas3D::SetTextAlign(int Align) { ::SetTextAlign(GetHandle(), static_cast<unsigned>(Align)); }

void TTeeCanvas3D::SetPixel(int X, int Y, TColor Value) { ::SetPixel(GetHandle(), X, Y, ColorToRGB(Value)); }

void TTeeCanvas3D::Arc(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4) {
    ::Arc(GetHandle(), X1, Y1, X2, Y2, X3, Y3, X4, Y4);
}

void TTeeCanvas3D::Pie(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4) {
    ::Pie(GetHandle(), X1, Y1, X2, Y2, X3, Y3, X4, Y4);
}

void TTeeCanvas3D::Ellipse(int X1, int Y1, int X2, int Y2) { ::Ellipse(GetHandle(), X1, Y1, X2, Y2); }

void TTeeCanvas3D::FillRect(const TRect& Rect) {
    HDC dc = GetHandle();
    ::FillRect(dc, &Rect, GetBrush()->GetHandle());
}

void TTeeCanvas3D::EraseBackground(const TRect& Rect) { FillRect(Rect); }

void TTeeCanvas3D::MoveTo(int X, int Y) { MoveToEx(GetHandle(), X, Y, nullptr); }

void TTeeCanvas3D::LineTo(int X, int Y) { ::LineTo(GetHandle(), X, Y); }

void TTeeCanvas3D::Line(int X0, int Y0, int X1, int Y1) {
    HDC dc = GetHandle();
    MoveToEx(dc, X0, Y0, nullptr);
    ::LineTo(dc, X1, Y1);
}

void TTeeCanvas3D::DoHorizLine(int X0, int X1, int Y) { Line(X0, Y, X1, Y); }

void TTeeCanvas3D::DoVertLine(int X, int Y0, int Y1) { Line(X, Y0, X, Y1); }

void TTeeCanvas3D::Rectangle(int X0, int Y0, int X1, int Y1) { ::Rectangle(GetHandle(), X0, Y0, X1, Y1); }

void TTeeCanvas3D::DoRectangle(const TRect& Rect) { Rectangle(Rect.Left, Rect.Top, Rect.Right, Rect.Bottom); }

void TTeeCanvas3D::RoundRect(int X1, int Y1, int X2, int Y2, int X3, int Y3) {
    ::RoundRect(GetHandle(), X1, Y1, X2, Y2, X3, Y3);
}

void TTeeCanvas3D::Polygon(const TPoint* Points, int LastIndex) { ::Polygon(GetHandle(), Points, LastIndex + 1); }

void TTeeCanvas3D::Polyline(const TPoint* Points, int Count) { ::Polyline(GetHandle(), Points, Count); }

// Each round draws the top and left edges in TopColor and the right and
// bottom ones in BottomColor, then steps one pixel inwards.
void TTeeCanvas3D::Frame3D(TRect& Rect, TColor TopColor, TColor BottomColor, int Width) {
    GetPen()->SetWidth(1);
    --Rect.Right;
    --Rect.Bottom;
    for (int round = 0; round < Width; ++round) {
        GetPen()->SetColor(TopColor);
        TPoint topLeft[3] = {{Rect.Left, Rect.Bottom}, {Rect.Left, Rect.Top}, {Rect.Right, Rect.Top}};
        Polyline(topLeft, 3);
        GetPen()->SetColor(BottomColor);
        TPoint bottomRight[3] = {{Rect.Right, Rect.Top}, {Rect.Right, Rect.Bottom}, {Rect.Left - 1, Rect.Bottom}};
        Polyline(bottomRight, 3);
        InflateRect(Rect, -1, -1);
    }
    ++Rect.Right;
    ++Rect.Bottom;
}
