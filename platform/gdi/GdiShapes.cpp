// Filled shapes of the device context: rectangles, rounded rectangles,
// ellipses, arcs, pies, chords, polygons, FillRect and FrameRect. Each
// shape changes every pixel once: the brush fills what the pen leaves.
#include <cmath>

#include "platform/gdi/GdiRaster.h"
#include "platform/gdi/MetafileRecords.h"

namespace {

// A device rectangle, right and bottom exclusive, normalised.
struct TBox {
    int l = 0, t = 0, r = 0, b = 0;
};

bool DeviceBox(TDeviceContext* dc, int l, int t, int r, int b, TBox& box) {
    TPoint a = dc->ToDevice(l, t), c = dc->ToDevice(r, b);
    box = {std::min(a.x, c.x), std::min(a.y, c.y), std::max(a.x, c.x), std::max(a.y, c.y)};
    return box.r > box.l && box.b > box.t;
}

// Fills x0..x1 of row y with the brush where the pen mask leaves the pixel free.
void FillAroundMask(TPixelPainter& painter, const TPenMask* mask, int y, int x0, int x1, const TBrushPaint& brush,
                    int rop) {
    x0 = std::max(x0, painter.Bounds().x0);
    x1 = std::min(x1, painter.Bounds().x1);
    if (!mask) {
        painter.Span(y, x0, x1, brush, rop);
        return;
    }
    int run = x0;
    for (int x = x0; x <= x1 + 1; ++x) {
        if (x <= x1 && mask->Get(x, y) == TPenMask::Empty) continue;
        if (x > run) painter.Span(y, run, x - 1, brush, rop);
        run = x + 1;
    }
}

struct TShapeSpec {
    enum Kind { Rect, Round, Ellipse } kind = Rect;
    int cw = 0, ch = 0;  // corner ellipse of a rounded rectangle

    TSymShape Make(int x0, int y0, int x1, int y1, const TPixelBox& visible) const {
        switch (kind) {
        case Round: return RoundRectShape(x0, y0, x1, y1, cw, ch, visible);
        case Ellipse: return EllipseShape(x0, y0, x1, y1, visible);
        default: return RectShape(x0, y0, x1, y1, visible);
        }
    }
    // The outline through the pixel centres of the inclusive box, inset for inside-frame pens.
    TStrokePath Path(const TBox& box, double inset) const {
        double x0 = box.l + 0.5 + inset, y0 = box.t + 0.5 + inset, x1 = box.r - 0.5 - inset, y1 = box.b - 0.5 - inset;
        TStrokePath path;
        if (kind == Ellipse) path.AddEllipse(x0, y0, x1, y1);
        else if (kind == Round)
            path.AddRoundedRect(x0, y0, x1, y1, std::max(0.0, cw / 2.0 - inset), std::max(0.0, ch / 2.0 - inset));
        else path.AddRect(x0, y0, x1, y1);
        return path;
    }
};

// A rectangle with no pen or a solid one-pixel pen, row by row as the
// general road below would draw it, without building its shape.
void DrawPlainRect(TPixelPainter& painter, const TPenSetup& pen, const TBrushPaint& brush, const TBox& box) {
    const TPixelBox& visible = painter.Bounds();
    // Without a pen the rectangle loses its right column and bottom row.
    const int inset = pen.visible ? 1 : 2;
    const int x0 = box.l, y0 = box.t, x1 = box.r - inset, y1 = box.b - inset;
    if (x1 < x0 || y1 < y0) return;
    TBrushPaint ink;
    ink.kind = TBrushPaint::Solid;
    ink.color = pen.ink;
    for (int y = std::max(y0, visible.y0); y <= std::min(y1, visible.y1); ++y) {
        if (!pen.visible) {
            painter.Span(y, x0, x1, brush, pen.rop);
        } else if (y == y0 || y == y1 || x1 == x0) {
            painter.Span(y, x0, x1, ink, pen.rop);
        } else {
            painter.Span(y, x0, x0, ink, pen.rop);
            painter.Span(y, x1, x1, ink, pen.rop);
            painter.Span(y, x0 + 1, x1 - 1, brush, pen.rop);
        }
    }
}

// A pen a rectangle may be drawn with by DrawPlainRect: none, or a solid one-pixel pen.
bool PlainRectPen(const TPenSetup& pen) { return !pen.visible || (!pen.wide && (pen.style & PS_STYLE_MASK) == PS_SOLID); }

void DrawSymShape(TDeviceContext* dc, const TShapeSpec& spec, const TBox& box) {
    TPenSetup pen = PenSetup(dc);
    TBrushPaint brush = MakeBrushPaint(dc, dc->Brush());
    TPixelPainter painter(dc);
    const TPixelBox& visible = painter.Bounds();
    if (spec.kind == TShapeSpec::Rect && PlainRectPen(pen)) {
        DrawPlainRect(painter, pen, brush, box);
        return;
    }
    if (!pen.visible) {
        // Without a pen the shape loses its right column and bottom row.
        TSymShape s = spec.Make(box.l, box.t, box.r - 2, box.b - 2, visible);
        if (s.Empty()) return;
        for (int y = std::max(s.y0, visible.y0); y <= std::min(s.y1, visible.y1); ++y)
            painter.Span(y, s.Left(y), s.Right(y), brush, pen.rop);
        return;
    }
    TSymShape s = spec.Make(box.l, box.t, box.r - 1, box.b - 1, visible);
    int rowFrom = std::max(s.y0, visible.y0), rowTo = std::min(s.y1, visible.y1);
    int mirror = s.x0 + s.x1;
    if (pen.wide) {
        double inset = pen.insideFrame ? (pen.width - 1) / 2.0 : 0.0;
        unsigned style = pen.style;
        if (pen.insideFrame && spec.kind == TShapeSpec::Rect) style |= PS_JOIN_MITER;
        int w = pen.width;
        TPenMask mask(TPixelBox(box.l - w, box.t - w, box.r + w, box.b + w).Intersected(visible));
        StrokeMask(spec.Path(box, inset), w, style, mask);
        for (int y = rowFrom; y <= rowTo; ++y) FillAroundMask(painter, &mask, y, s.Left(y), s.Right(y), brush, pen.rop);
        mask.Paint(painter, pen.ink, pen.gap, pen.rop);
        return;
    }
    TPenStyler styler(pen.style, PatternScale(dc));
    TBrushPaint ink;
    ink.kind = TBrushPaint::Solid;
    ink.color = pen.ink;
    for (int y = rowFrom; y <= rowTo; ++y) {
        int l, e;
        s.OutlineRun(y, l, e);
        int r = s.Right(y);
        if (e >= r) {
            if (!styler.Styled()) painter.Span(y, l, r, ink, pen.rop);
            continue;
        }
        if (!styler.Styled()) {
            painter.Span(y, l, e, ink, pen.rop);
            painter.Span(y, mirror - e, r, ink, pen.rop);
        }
        painter.Span(y, e + 1, mirror - e - 1, brush, pen.rop);
    }
    if (styler.Styled()) {
        TPenMask mask(TPixelBox(box.l, box.t, box.r - 1, box.b - 1).Intersected(visible));
        std::vector<TPoint> outline = ShapeOutline(s);
        for (std::size_t i = 0; i < outline.size(); ++i) {
            if (styler.On(static_cast<long long>(i))) mask.Set(outline[i].x, outline[i].y, TPenMask::Ink);
            else if (pen.gaps) mask.Set(outline[i].x, outline[i].y, TPenMask::Gap);
        }
        mask.Paint(painter, pen.ink, pen.gap, pen.rop);
    }
}

// ---- Arcs --------------------------------------------------------------------
double NormAngle(double a) {
    a = std::fmod(a, 2 * M_PI);
    return a < 0 ? a + 2 * M_PI : a;
}

// The ellipse of an inclusive box and the counter-clockwise angle range
// between the rays through two points.
struct TArcGeometry {
    double cx, cy, a, b, start, span;

    TArcGeometry(const TSymShape& s, TPoint from, TPoint to) {
        cx = (double(s.x0) + s.x1) / 2;
        cy = (double(s.y0) + s.y1) / 2;
        a = (double(s.x1) - s.x0) / 2;
        b = (double(s.y1) - s.y0) / 2;
        start = AngleOf(from.x, from.y);
        span = NormAngle(AngleOf(to.x, to.y) - start);
        if (span < 1e-12) span = 2 * M_PI;  // the same ray twice: the whole ellipse
        startCos = std::cos(start), startSin = std::sin(start);
        endCos = std::cos(start + span), endSin = std::sin(start + span);
    }
    double startCos, startSin, endCos, endSin;
    double AngleOf(double x, double y) const { return NormAngle(std::atan2(-(y - cy), x - cx)); }
    double Offset(double x, double y) const { return NormAngle(AngleOf(x, y) - start); }
    bool InSector(int x, int y) const { return (x == cx && y == cy) || Offset(x, y) <= span + 1e-9; }
    // False for a pixel more than two pixels outside a sector of less than
    // half a turn, told without an arc tangent.
    bool NearSector(int x, int y) const {
        const double u = x - cx, v = cy - y;
        return span >= M_PI || (startCos * v - startSin * u >= -2 && endSin * u - endCos * v >= -2);
    }
    // Narrows From..To on row y to the pixels that may lie in a sector of
    // at most half a turn, so that a thin slice tests the pixels near it
    // only: between the two rays' half-planes, with two pixels to spare.
    void NarrowRow(int y, int& From, int& To) const {
        if (span >= M_PI) return;
        const double v = cy - y;  // upwards from the centre
        double lo = -HUGE_VAL, hi = HUGE_VAL;
        // Left of the start ray: cos(s) v - sin(s) u >= 0; right of the end ray: sin(e) u - cos(e) v >= 0.
        auto keep = [&](double a, double b) {  // a u + b >= 0
            if (a > 1e-12) lo = std::max(lo, -b / a);
            else if (a < -1e-12) hi = std::min(hi, -b / a);
        };
        keep(-startSin, startCos * v);
        keep(endSin, -endCos * v);
        if (lo > hi + 4) {
            To = From - 1;
            return;
        }
        if (lo > -HUGE_VAL) From = std::max(From, static_cast<int>(std::floor(cx + lo)) - 2);
        if (hi < HUGE_VAL) To = std::min(To, static_cast<int>(std::ceil(cx + hi)) + 2);
    }
    struct TExact {
        double x, y;
    };
    // Where the ray at angle meets the ellipse, exactly and on the pixel grid.
    TExact ExactAt(double angle) const {
        double dx = std::cos(angle), dy = -std::sin(angle);
        if (a <= 0 || b <= 0) return {cx + std::copysign(a, dx), cy + std::copysign(b, dy)};
        double t = 1 / std::sqrt((dx / a) * (dx / a) + (dy / b) * (dy / b));
        return {cx + t * dx, cy + t * dy};
    }
    TPoint PixelAt(double angle) const {
        TExact p = ExactAt(angle);
        return TPoint(static_cast<int>(std::lround(p.x)), static_cast<int>(std::lround(p.y)));
    }
    TPoint Centre() const { return TPoint(static_cast<int>(std::lround(cx)), static_cast<int>(std::lround(cy))); }
    // True on the arc's side of the chord from the end point to the start point.
    bool InChord(int x, int y) const {
        if (span >= 2 * M_PI) return true;
        TExact s = ExactAt(start), e = ExactAt(start + span);
        double ux = s.x - e.x, uy = -(s.y - e.y), vx = x - e.x, vy = -(y - e.y);
        return ux * vy - uy * vx >= -1e-9;
    }
};

enum class TArcKind { Arc, Pie, Chord };

void ArcOutlineToMask(TDeviceContext* dc, const TPenSetup& pen, const TBox& box, const TSymShape& s,
                      const TArcGeometry& g, TArcKind kind, TPenMask& mask) {
    if (pen.wide) {
        double x0 = box.l + 0.5, y0 = box.t + 0.5, x1 = box.r - 0.5, y1 = box.b - 0.5;
        // The path's angles are parametric: the ray's angle scaled by the axes.
        auto parametric = [&](double angle) {
            return std::atan2(std::sin(angle) / std::max(g.b, 1e-9), std::cos(angle) / std::max(g.a, 1e-9)) * 180 / M_PI;
        };
        double from = parametric(g.start), to = parametric(g.start + g.span);
        double sweep = g.span >= 2 * M_PI ? 360 : std::fmod(to - from + 720, 360.0);
        TStrokePath path;
        if (kind == TArcKind::Pie) {
            path.MoveTo(g.cx + 0.5, g.cy + 0.5);
            path.ArcTo(x0, y0, x1, y1, from, sweep);
            path.Close();
        } else {
            path.ArcMoveTo(x0, y0, x1, y1, from);
            path.ArcTo(x0, y0, x1, y1, from, sweep);
            if (kind == TArcKind::Chord) path.Close();
        }
        StrokeMask(path, pen.width, pen.style, mask);
        return;
    }
    std::vector<std::pair<double, TPoint>> arc;
    for (const TPoint& p : ShapeOutline(s))
        if (g.NearSector(p.x, p.y) && g.InSector(p.x, p.y)) arc.emplace_back(g.Offset(p.x, p.y), p);
    std::stable_sort(arc.begin(), arc.end(), [](const auto& x, const auto& y) { return x.first < y.first; });
    TPenStyler styler(pen.style, PatternScale(dc));
    long long index = 0;
    auto put = [&](int x, int y) {
        if (styler.On(index++)) mask.Set(x, y, TPenMask::Ink);
        else if (pen.gaps) mask.Set(x, y, TPenMask::Gap);
    };
    for (const auto& entry : arc) put(entry.second.x, entry.second.y);
    TPoint ps = g.PixelAt(g.start), pe = g.PixelAt(g.start + g.span);
    std::vector<TPoint> closing;
    if (kind == TArcKind::Pie) closing = {pe, g.Centre(), ps};
    else if (kind == TArcKind::Chord) closing = {pe, ps};
    for (std::size_t i = 0; i + 1 < closing.size(); ++i)
        WalkLine(closing[i], closing[i + 1], mask.Box(), [&](int x, int y, int) { put(x, y); });
}

bool DrawArc(HDC dc, int l, int t, int r, int b, int x3, int y3, int x4, int y4, TArcKind kind) {
    if (!dc) return false;
    TBox box;
    if (!DeviceBox(dc, l, t, r, b, box)) return true;
    TPoint from = dc->ToDevice(x3, y3), to = dc->ToDevice(x4, y4);
    TPenSetup pen = PenSetup(dc);
    TPixelPainter painter(dc);
    const TPixelBox& visible = painter.Bounds();
    int w = pen.width;
    TPenMask mask(TPixelBox(box.l - w, box.t - w, box.r + w, box.b + w).Intersected(visible));
    if (pen.visible) {
        TSymShape s = EllipseShape(box.l, box.t, box.r - 1, box.b - 1, visible);
        ArcOutlineToMask(dc, pen, box, s, TArcGeometry(s, from, to), kind, mask);
    }
    TBrushPaint brush = MakeBrushPaint(dc, dc->Brush());
    if (kind != TArcKind::Arc && brush.kind != TBrushPaint::None) {
        int shrink = pen.visible ? 1 : 2;
        TSymShape s = EllipseShape(box.l, box.t, box.r - shrink, box.b - shrink, visible);
        if (!s.Empty()) {
            TArcGeometry g(s, from, to);
            for (int y = std::max(s.y0, visible.y0); y <= std::min(s.y1, visible.y1); ++y) {
                int from = std::max(s.Left(y), visible.x0), to = std::min(s.Right(y), visible.x1);
                if (kind == TArcKind::Pie) g.NarrowRow(y, from, to);
                int run = from;
                for (int x = from; x <= to + 1; ++x) {
                    bool inside = x <= to && mask.Get(x, y) == TPenMask::Empty &&
                                  (kind == TArcKind::Pie ? g.InSector(x, y) : g.InChord(x, y));
                    if (inside) continue;
                    if (x > run) painter.Span(y, run, x - 1, brush, pen.rop);
                    run = x + 1;
                }
            }
        }
    }
    mask.Paint(painter, pen.ink, pen.gap, pen.rop);
    return true;
}

// A polygon of four corners around an upright rectangle (a candle's body, a
// bar) drawn as the rectangle it is, row by row, when a one-pixel solid pen
// (or none) makes the pixels the same: its outline runs on the corners, its
// fill inside them. False leaves it to the general polygon.
bool DrawUprightRectangle(TDeviceContext* dc, const TPoint* Points) {
    TPoint p[4];
    for (int i = 0; i < 4; ++i) p[i] = dc->ToDevice(Points[i].x, Points[i].y);
    const bool flatFirst = p[0].y == p[1].y && p[1].x == p[2].x && p[2].y == p[3].y && p[3].x == p[0].x;
    const bool uprightFirst = p[0].x == p[1].x && p[1].y == p[2].y && p[2].x == p[3].x && p[3].y == p[0].y;
    if (!flatFirst && !uprightFirst) return false;
    const TBox box{std::min(p[0].x, p[2].x), std::min(p[0].y, p[2].y), std::max(p[0].x, p[2].x) + 1,
                   std::max(p[0].y, p[2].y) + 1};
    // Sides of no length are lines: the general road draws them.
    if (box.r - box.l < 2 || box.b - box.t < 2) return false;
    const TPenSetup pen = PenSetup(dc);
    if (!PlainRectPen(pen)) return false;
    TPixelPainter painter(dc);
    DrawPlainRect(painter, pen, MakeBrushPaint(dc, dc->Brush()), box);
    return true;
}

}  // namespace

bool Rectangle(HDC DC, int Left, int Top, int Right, int Bottom) {
    if (!DC) return false;
    if (DC->recording) MetaRecordShape(DC, TMetaOp::Rectangle, {TPoint(Left, Top), TPoint(Right, Bottom)});
    TBox box;
    if (DeviceBox(DC, Left, Top, Right, Bottom, box)) DrawSymShape(DC, TShapeSpec{TShapeSpec::Rect}, box);
    return true;
}

bool RoundRect(HDC DC, int Left, int Top, int Right, int Bottom, int Width, int Height) {
    if (!DC) return false;
    if (DC->recording)
        MetaRecordShape(DC, TMetaOp::RoundRect, {TPoint(Left, Top), TPoint(Right, Bottom), TPoint(Width, Height)});
    TBox box;
    if (DeviceBox(DC, Left, Top, Right, Bottom, box))
        DrawSymShape(DC, TShapeSpec{TShapeSpec::Round, DC->DeviceLengthX(Width), DC->DeviceLengthY(Height)}, box);
    return true;
}

bool Ellipse(HDC DC, int Left, int Top, int Right, int Bottom) {
    if (!DC) return false;
    if (DC->recording) MetaRecordShape(DC, TMetaOp::Ellipse, {TPoint(Left, Top), TPoint(Right, Bottom)});
    TBox box;
    if (DeviceBox(DC, Left, Top, Right, Bottom, box)) DrawSymShape(DC, TShapeSpec{TShapeSpec::Ellipse}, box);
    return true;
}

bool Arc(HDC DC, int Left, int Top, int Right, int Bottom, int X3, int Y3, int X4, int Y4) {
    if (DC && DC->recording)
        MetaRecordShape(DC, TMetaOp::Arc, {TPoint(Left, Top), TPoint(Right, Bottom), TPoint(X3, Y3), TPoint(X4, Y4)});
    return DrawArc(DC, Left, Top, Right, Bottom, X3, Y3, X4, Y4, TArcKind::Arc);
}

bool Pie(HDC DC, int Left, int Top, int Right, int Bottom, int X3, int Y3, int X4, int Y4) {
    if (DC && DC->recording)
        MetaRecordShape(DC, TMetaOp::Pie, {TPoint(Left, Top), TPoint(Right, Bottom), TPoint(X3, Y3), TPoint(X4, Y4)});
    return DrawArc(DC, Left, Top, Right, Bottom, X3, Y3, X4, Y4, TArcKind::Pie);
}

bool Chord(HDC DC, int Left, int Top, int Right, int Bottom, int X3, int Y3, int X4, int Y4) {
    if (DC && DC->recording)
        MetaRecordShape(DC, TMetaOp::Chord, {TPoint(Left, Top), TPoint(Right, Bottom), TPoint(X3, Y3), TPoint(X4, Y4)});
    return DrawArc(DC, Left, Top, Right, Bottom, X3, Y3, X4, Y4, TArcKind::Chord);
}

bool Polygon(HDC DC, const TPoint* Points, int Count) {
    if (!DC || !Points || Count < 2) return false;
    if (DC->recording) MetaRecordShape(DC, TMetaOp::Polygon, std::vector<TPoint>(Points, Points + Count));
    if (Count == 4 && DrawUprightRectangle(DC, Points)) return true;
    std::vector<TPoint> pts;
    pts.reserve(static_cast<std::size_t>(Count));
    for (int i = 0; i < Count; ++i) pts.push_back(DC->ToDevice(Points[i].x, Points[i].y));
    TPenSetup pen = PenSetup(DC);
    TBrushPaint brush = MakeBrushPaint(DC, DC->Brush());
    TPixelPainter painter(DC);
    const TPixelBox& visible = painter.Bounds();
    TPenMask mask(pen.visible ? PointsBox(pts, pen.width + 2).Intersected(visible) : TPixelBox());
    FigureToMask(DC, pen, pts, true, mask);
    if (brush.kind != TBrushPaint::None)
        PolygonSpans(pts, DC->st.polyFillMode, visible.y0, visible.y1, [&](int y, int x0, int x1) {
            FillAroundMask(painter, pen.visible ? &mask : nullptr, y, x0, x1, brush, pen.rop);
        });
    mask.Paint(painter, pen.ink, pen.gap, pen.rop);
    return true;
}

int FillRect(HDC DC, const TRect* Rect, HBRUSH Brush) {
    if (!DC || !Rect || !Brush || Brush->kind != TGdiKind::Brush) return 0;
    if (DC->recording && !Rect->IsEmpty()) MetaRecordFill(DC, *Rect, Brush);
    TBox box;
    if (Rect->IsEmpty() || !DeviceBox(DC, Rect->Left, Rect->Top, Rect->Right, Rect->Bottom, box)) return 1;
    TBrushPaint paint = MakeBrushPaint(DC, static_cast<TGdiBrush*>(Brush));
    TPixelPainter painter(DC);
    for (int y = std::max(box.t, painter.Bounds().y0); y < box.b && y <= painter.Bounds().y1; ++y)
        painter.Span(y, box.l, box.r - 1, paint, R2_COPYPEN);
    return 1;
}

// A frame one logical unit wide, inside the rectangle, in the brush.
int FrameRect(HDC DC, const TRect* Rect, HBRUSH Brush) {
    if (!DC || !Rect || !Brush || Brush->kind != TGdiKind::Brush) return 0;
    TBox box;
    if (Rect->IsEmpty() || !DeviceBox(DC, Rect->Left, Rect->Top, Rect->Right, Rect->Bottom, box)) return 1;
    int tx = std::max(1, DC->DeviceLengthX(1)), ty = std::max(1, DC->DeviceLengthY(1));
    if (DC->recording) {
        const TRect& r = *Rect;
        MetaRecordFill(DC, TRect(r.Left, r.Top, r.Right, std::min(r.Top + 1, r.Bottom)), Brush);
        MetaRecordFill(DC, TRect(r.Left, std::max(r.Bottom - 1, r.Top), r.Right, r.Bottom), Brush);
        MetaRecordFill(DC, TRect(r.Left, r.Top + 1, std::min(r.Left + 1, r.Right), r.Bottom - 1), Brush);
        MetaRecordFill(DC, TRect(std::max(r.Right - 1, r.Left), r.Top + 1, r.Right, r.Bottom - 1), Brush);
    }
    TBrushPaint paint = MakeBrushPaint(DC, static_cast<TGdiBrush*>(Brush));
    TPixelPainter painter(DC);
    int leftEnd = std::min(box.l + tx, box.r), rightStart = std::max(box.r - tx, leftEnd);
    for (int y = box.t; y < box.b; ++y) {
        if (y < box.t + ty || y >= box.b - ty) {
            painter.Span(y, box.l, box.r - 1, paint, R2_COPYPEN);
        } else {
            painter.Span(y, box.l, leftEnd - 1, paint, R2_COPYPEN);
            painter.Span(y, rightStart, box.r - 1, paint, R2_COPYPEN);
        }
    }
    return 1;
}
