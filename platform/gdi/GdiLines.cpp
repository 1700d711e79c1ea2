// Lines of the device context: the pen in effect, one-pixel and wide
// figures, MoveToEx, LineTo, Polyline and PolyBezier.
#include <cmath>

#include "platform/gdi/GdiRaster.h"
#include "platform/gdi/MetafileRecords.h"

TPenSetup PenSetup(TDeviceContext* dc) {
    TPenSetup s;
    s.rop = dc->st.rop2;
    TGdiPen* pen = dc->Pen();
    if (!pen || pen->Style() == PS_NULL) return s;
    s.visible = true;
    bool cosmetic = pen->extended && (pen->style & PS_TYPE_MASK) == PS_COSMETIC;
    // Width 0 is always one pixel; other widths follow the mapping.
    s.width = cosmetic || pen->width == 0 ? 1 : std::max(1, dc->DeviceLengthX(pen->width));
    s.wide = s.width > 1;
    unsigned style = pen->Style();
    s.insideFrame = style == PS_INSIDEFRAME;
    // Styles are drawn by one-pixel pens only; wider ones draw solid.
    if (style == PS_INSIDEFRAME || (s.wide && style != PS_SOLID)) style = PS_SOLID;
    s.style = style | (pen->extended ? pen->style & (PS_ENDCAP_MASK | PS_JOIN_MASK) : 0u);
    s.ink = dc->ColorPixel(pen->color);
    s.gap = dc->ColorPixel(dc->st.bkColor);
    s.gaps = dc->st.bkMode == OPAQUE;
    return s;
}

TPixelBox PointsBox(std::span<const TPoint> pts, int margin) {
    if (pts.empty()) return TPixelBox();
    int x0 = pts[0].x, x1 = pts[0].x, y0 = pts[0].y, y1 = pts[0].y;
    for (const TPoint& p : pts) {
        x0 = std::min(x0, p.x);
        x1 = std::max(x1, p.x);
        y0 = std::min(y0, p.y);
        y1 = std::max(y1, p.y);
    }
    return TPixelBox(x0 - margin, y0 - margin, x1 + margin, y1 + margin);
}

namespace {

// Walks the one-pixel segments of a figure, the style running on from one
// segment to the next: put(x, y, ink) for each drawn pixel.
template <class F>
void WalkFigure(TDeviceContext* dc, const TPenSetup& pen, std::span<const TPoint> pts, bool closed,
                const TPixelBox& box, F&& put) {
    TPenStyler styler(pen.style, PatternScale(dc));
    long long base = 0;
    std::size_t count = pts.size();
    std::size_t segments = closed && count > 1 ? count : count - 1;
    for (std::size_t i = 0; i < segments; ++i) {
        const TPoint& a = pts[i];
        const TPoint& b = pts[(i + 1) % count];
        WalkLine(a, b, box, [&](int x, int y, int index) {
            if (styler.On(base + index)) put(x, y, true);
            else if (pen.gaps) put(x, y, false);
        });
        base += std::max(std::llabs(static_cast<long long>(b.x) - a.x), std::llabs(static_cast<long long>(b.y) - a.y));
    }
}

// A solid one-pixel segment along a row or a column within a one-rectangle
// clip, without its last pixel, as WalkLine would give it: a run of pixels.
// False for any other segment.
bool PlotStraight(TPixelPainter& painter, TPoint a, TPoint b, std::uint32_t ink, int rop) {
    if (a.x != b.x && a.y != b.y) return false;
    if (a == b) return true;
    const TPixelBox& box = painter.Bounds();
    if (a.y == b.y) {
        const int x0 = a.x < b.x ? a.x : b.x + 1, x1 = a.x < b.x ? b.x - 1 : a.x;
        TBrushPaint solid;
        solid.kind = TBrushPaint::Solid;
        solid.color = ink;
        painter.Span(a.y, x0, x1, solid, rop);
        return true;
    }
    if (a.x < box.x0 || a.x > box.x1) return true;
    const int y0 = std::max(a.y < b.y ? a.y : b.y + 1, box.y0), y1 = std::min(a.y < b.y ? b.y - 1 : a.y, box.y1);
    for (int y = y0; y <= y1; ++y) painter.PlotVisible(a.x, y, ink, rop);
    return true;
}

}  // namespace

void FigureToMask(TDeviceContext* dc, const TPenSetup& pen, std::span<const TPoint> pts, bool closed,
                  TPenMask& mask) {
    if (!pen.visible || pts.empty()) return;
    if (pen.wide) {
        StrokeMask(PixelPath(pts, closed), pen.width, pen.style, mask);
        return;
    }
    WalkFigure(dc, pen, pts, closed, mask.Box(),
               [&](int x, int y, bool ink) { mask.Set(x, y, ink ? TPenMask::Ink : TPenMask::Gap); });
}

void StrokeFigure(TDeviceContext* dc, const TPenSetup& pen, std::span<const TPoint> pts, bool closed) {
    if (!pen.visible || pts.empty() || pen.rop == R2_NOP) return;
    TPixelPainter painter(dc);
    if (pen.wide) {
        TPenMask mask(PointsBox(pts, pen.width + 2).Intersected(painter.Bounds()));
        FigureToMask(dc, pen, pts, closed, mask);
        mask.Paint(painter, pen.ink, pen.gap, pen.rop);
        return;
    }
    // An open figure of straight solid segments runs its pixels row by row.
    if (painter.Single() && !closed && (pen.style & PS_STYLE_MASK) == PS_SOLID) {
        for (std::size_t i = 0; i + 1 < pts.size(); ++i)
            if (!PlotStraight(painter, pts[i], pts[i + 1], pen.ink, pen.rop))
                WalkLine(pts[i], pts[i + 1], painter.Bounds(),
                         [&](int x, int y, int) { painter.PlotVisible(x, y, pen.ink, pen.rop); });
        return;
    }
    // The walk stays within the clip box: with a one-rectangle clip every pixel it gives is visible.
    if (painter.Single())
        WalkFigure(dc, pen, pts, closed, painter.Bounds(),
                   [&](int x, int y, bool ink) { painter.PlotVisible(x, y, ink ? pen.ink : pen.gap, pen.rop); });
    else
        WalkFigure(dc, pen, pts, closed, painter.Bounds(),
                   [&](int x, int y, bool ink) { painter.Plot(x, y, ink ? pen.ink : pen.gap, pen.rop); });
}

bool MoveToEx(HDC DC, int X, int Y, TPoint* Old) {
    if (!DC) return false;
    if (Old) *Old = DC->Position();
    DC->SetPosition(TPoint(X, Y));
    return true;
}

bool LineTo(HDC DC, int X, int Y) {
    if (!DC) return false;
    TPoint from = DC->Position();
    if (DC->recording) MetaRecordShape(DC, TMetaOp::Line, {from, TPoint(X, Y)});
    const TPoint ends[2] = {DC->ToDevice(from.x, from.y), DC->ToDevice(X, Y)};
    StrokeFigure(DC, PenSetup(DC), ends, false);
    DC->SetPosition(TPoint(X, Y));
    return true;
}

bool Polyline(HDC DC, const TPoint* Points, int Count) {
    if (!DC || !Points || Count < 2) return false;
    if (DC->recording) MetaRecordShape(DC, TMetaOp::Polyline, std::vector<TPoint>(Points, Points + Count));
    std::vector<TPoint> pts;
    pts.reserve(static_cast<std::size_t>(Count));
    for (int i = 0; i < Count; ++i) pts.push_back(DC->ToDevice(Points[i].x, Points[i].y));
    StrokeFigure(DC, PenSetup(DC), pts, false);
    return true;
}

bool PolyBezier(HDC DC, const TPoint* Points, int Count) {
    if (!DC || !Points || Count < 4 || (Count - 1) % 3 != 0) return false;
    if (DC->recording) MetaRecordShape(DC, TMetaOp::PolyBezier, std::vector<TPoint>(Points, Points + Count));
    std::vector<TPoint> control;
    for (int i = 0; i < Count; ++i) control.push_back(DC->ToDevice(Points[i].x, Points[i].y));
    // Each curve becomes segments of about two pixels.
    std::vector<TPoint> pts{control[0]};
    for (std::size_t c = 0; c + 3 < control.size(); c += 3) {
        const TPoint* p = &control[c];
        double length = 0;
        for (int k = 0; k < 3; ++k) length += std::hypot(double(p[k + 1].x) - p[k].x, double(p[k + 1].y) - p[k].y);
        int steps = std::clamp(static_cast<int>(length / 2), 1, 4096);
        for (int s = 1; s <= steps; ++s) {
            double t = double(s) / steps, u = 1 - t;
            double b0 = u * u * u, b1 = 3 * u * u * t, b2 = 3 * u * t * t, b3 = t * t * t;
            TPoint q(static_cast<int>(std::lround(b0 * p[0].x + b1 * p[1].x + b2 * p[2].x + b3 * p[3].x)),
                     static_cast<int>(std::lround(b0 * p[0].y + b1 * p[1].y + b2 * p[2].y + b3 * p[3].y)));
            if (!(q == pts.back())) pts.push_back(q);
        }
    }
    if (pts.size() > 1) StrokeFigure(DC, PenSetup(DC), pts, false);
    return true;
}
