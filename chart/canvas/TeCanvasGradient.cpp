// Gradient fills of the 3-D canvas: bands from one edge, frames closing in
// on the centre, or layers spreading from a corner, each in one step of the
// way from the start colour to the end colour.
#include <algorithm>
#include <cmath>

#include "chart/canvas/TeCanvasPixels.h"
#include "chart/canvas/TeCanvas.h"
#include "platform/runtime/SysUtils.h"

namespace {

// Paints blocks of the rectangle in colour steps, with a brush made only
// when the colour changes. Nothing reaches beyond the rectangle.
class TGradientPainter {
public:
    TGradientPainter(HDC DC, const TRect& Area, TColor StartColor, TColor EndColor) : dc_(DC), area_(Area) {
        TColor start = ColorToRGB(StartColor), end = ColorToRGB(EndColor);
        start_[0] = GetRValue(start);
        start_[1] = GetGValue(start);
        start_[2] = GetBValue(start);
        delta_[0] = GetRValue(end) - start_[0];
        delta_[1] = GetGValue(end) - start_[1];
        delta_[2] = GetBValue(end) - start_[2];
    }
    TGradientPainter(const TGradientPainter&) = delete;
    TGradientPainter& operator=(const TGradientPainter&) = delete;
    ~TGradientPainter() {
        if (!brush_) return;
        SelectObject(dc_, oldBrush_);
        DeleteObject(brush_);
    }

    // Step Index of Count; with no steps to take (a single band) the start colour.
    void Step(int Index, int Count) {
        int rgb[3];
        for (int k = 0; k < 3; ++k)
            rgb[k] = Count == 0 ? start_[k] : (start_[k] + MulDiv(Index, delta_[k], Count)) & 255;
        TColor color = RGB(rgb[0], rgb[1], rgb[2]);
        if (brush_ && color == color_) return;
        color_ = color;
        HBRUSH brush = CreateSolidBrush(color);
        HGDIOBJ previous = SelectObject(dc_, brush);
        if (brush_) DeleteObject(brush_);
        else oldBrush_ = previous;
        brush_ = brush;
    }

    void Fill(int X, int Y, int Width, int Height) {
        TRect block;
        if (IntersectRect(block, TRect(X, Y, X + Width, Y + Height), area_))
            PatBlt(dc_, block.Left, block.Top, block.Width(), block.Height(), PATCOPY);
    }

private:
    HDC dc_;
    TRect area_;
    int start_[3];
    int delta_[3];
    TColor color_ = 0;
    HBRUSH brush_ = nullptr;
    HGDIOBJ oldBrush_ = nullptr;
};

// Bands of at most 256 colours, the start colour at the bottom (or right) edge.
void FillBands(TGradientPainter& Painter, const TRect& R, bool Horizontal) {
    int size = Horizontal ? R.Height() : R.Width();
    int count = std::min(size, 256);
    for (int i = 0; i < count; ++i) {
        Painter.Step(i, count - 1);
        int nearEdge = MulDiv(i, size, count), farEdge = MulDiv(i + 1, size, count);
        if (Horizontal) Painter.Fill(R.Left, R.Bottom - farEdge, R.Width(), farEdge - nearEdge);
        else Painter.Fill(R.Right - farEdge, R.Top, farEdge - nearEdge, R.Height());
    }
}

// Frames of the strip thickness from the edges inwards. Once an inset has
// passed its half of the rectangle, the strips stay at the middle instead
// of crossing into the other half, and the centre is first given the end
// colour, which it would reach, so that no pixel of an odd-sized rectangle
// stays unpainted where the frames do not meet.
void FillFromCenter(TGradientPainter& Painter, const TRect& R) {
    int width = R.Width(), height = R.Height();
    int halfWidth = width >> 1, halfHeight = height >> 1, count = halfWidth + halfHeight;
    int thickness = std::max(1, TeeGradientPrecision);
    Painter.Step(count, count);
    Painter.Fill(R.Left, R.Top, width, height);
    int dx = 0, dy = 0;
    do {
        Painter.Step(dx + dy, count);
        int x = std::min(dx, halfWidth), y = std::min(dy, halfHeight);
        Painter.Fill(R.Left + x, R.Top + y, thickness, height - 2 * y);
        Painter.Fill(R.Right - x - thickness, R.Top + y, thickness, height - 2 * y);
        Painter.Fill(R.Left + x, R.Top + y, width - 2 * x, thickness);
        Painter.Fill(R.Left + x, R.Bottom - y - thickness, width - 2 * x, thickness);
        if (dy < halfHeight) dy += thickness;
        if (dx < halfWidth) dx += thickness;
    } while (dx < halfWidth || dy < halfHeight);
}

// Layers shaped like an L around the corner, one pixel thick: the row of the
// layer out to its column, and the column back to the corner's row.
void FillFromCorner(TGradientPainter& Painter, const TRect& R, bool FromTop) {
    int width = R.Width(), height = R.Height();
    int count = RoundPixel(std::sqrt(static_cast<double>(width) * width + static_cast<double>(height) * height));
    int startRow = FromTop ? R.Top : R.Bottom - 1;
    int y = startRow, i = 0, j = 0;
    do {
        Painter.Step(j, count);
        Painter.Fill(R.Left, y, j + 1, 1);
        int top = std::min(y, startRow), bottom = std::max(y, startRow);
        Painter.Fill(R.Left + j, top, 1, bottom - top + 1);
        if (i < height) {
            ++i;
            y += FromTop ? 1 : -1;
        }
        if (j < width) ++j;
    } while (i < height || j < width);
}

}  // namespace

void TTeeCanvas3D::GradientFill(const TRect& Rect, TColor StartColor, TColor EndColor, TGradientDirection Direction) {
    TRect r = Rect;
    if (r.Left > r.Right) std::swap(r.Left, r.Right);
    if (r.Top > r.Bottom) std::swap(r.Top, r.Bottom);
    TGradientPainter painter(GetHandle(), r, StartColor, EndColor);
    switch (Direction) {
    case gdTopBottom:
    case gdBottomTop: FillBands(painter, r, true); break;
    case gdLeftRight:
    case gdRightLeft: FillBands(painter, r, false); break;
    case gdFromCenter: FillFromCenter(painter, r); break;
    case gdFromTopLeft: FillFromCorner(painter, r, true); break;
    case gdFromBottomLeft: FillFromCorner(painter, r, false); break;
    }
}
