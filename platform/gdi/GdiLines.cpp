// Lines of the device context: the pen in effect, one-pixel and wide
// figures, MoveToEx, LineTo, Polyline and PolyBezier.
#include <algorithm>
#include <cmath>
#include <cstdlib>

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

// A one-pixel segment along a row or a column within a one-rectangle clip,
// without its last pixel, its style running on from Base: the pixels
// WalkLine would give, visited as a run. False for any other segment.
bool PlotStraight(TPixelPainter& painter, const TPenSetup& pen, const TPenStyler& styler, long long base, TPoint a,
                  TPoint b) {
    if (a.x != b.x && a.y != b.y) return false;
    if (a == b) return true;
    const TPixelBox& box = painter.Bounds();
    const bool row = a.y == b.y;
    if (row ? a.y < box.y0 || a.y > box.y1 : a.x < box.x0 || a.x > box.x1) return true;
    const int from = row ? a.x : a.y, to = row ? b.x : b.y, step = to > from ? 1 : -1;
    const int lo = row ? box.x0 : box.y0, hi = row ? box.x1 : box.y1;
    const int n = std::abs(to - from);
    // The indexes along the segment whose pixels lie within the clip.
    const int i0 = std::max(0, step > 0 ? lo - from : from - hi), i1 = std::min(n - 1, step > 0 ? hi - from : from - lo);
    // A dash or a gap at a time (a solid pen's segment is one dash).
    for (int i = i0; i <= i1;) {
        const int run = static_cast<int>(std::min<long long>(styler.Run(base + i), i1 - i + 1));
        if (const bool on = styler.On(base + i); on || pen.gaps) {
            const int first = from + step * i, last = from + step * (i + run - 1);
            const int low = std::min(first, last), high = std::max(first, last);
            TBrushPaint paint;
            paint.kind = TBrushPaint::Solid;
            paint.color = on ? pen.ink : pen.gap;
            if (row)
                painter.Span(a.y, low, high, paint, pen.rop);
            else if (pen.rop == R2_COPYPEN)
                for (int y = low; y <= high; ++y) painter.Row(y)[a.x] = paint.color | 0xFF000000u;
            else
                for (int y = low; y <= high; ++y) painter.PlotVisible(a.x, y, paint.color, pen.rop);
        }
        i += run;
    }
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
    // With a one-rectangle clip every pixel the walk gives is visible; the
    // segments along a row or a column run their pixels directly.
    if (painter.Single()) {
        const TPenStyler styler(pen.style, PatternScale(dc));
        const std::size_t count = pts.size(), segments = closed && count > 1 ? count : count - 1;
        long long base = 0;
        for (std::size_t i = 0; i < segments; ++i) {
            const TPoint a = pts[i], b = pts[(i + 1) % count];
            const bool straight = PlotStraight(painter, pen, styler, base, a, b);
            if (!straight && !styler.Styled())
                WalkLine(a, b, painter.Bounds(), [&](int x, int y, int) { painter.PlotVisible(x, y, pen.ink, pen.rop); });
            else if (!straight)
                WalkLine(a, b, painter.Bounds(), [&](int x, int y, int index) {
                    if (styler.On(base + index)) painter.PlotVisible(x, y, pen.ink, pen.rop);
                    else if (pen.gaps) painter.PlotVisible(x, y, pen.gap, pen.rop);
                });
            base += std::max(std::llabs(static_cast<long long>(b.x) - a.x), std::llabs(static_cast<long long>(b.y) - a.y));
        }
        return;
    }
    // Several clip rectangles: each pixel is checked.
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
