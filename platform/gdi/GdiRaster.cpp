// Scan conversion of the device context: brush patterns, pen styles, the
// pixel painter with its clip, ellipse and polygon coverage, wide strokes.
#include "platform/gdi/GdiRaster.h"

#include <cmath>

namespace {

// 8x8 hatch patterns, most significant bit leftmost.
const std::uint8_t kHatches[6][8] = {
    {0x00, 0x00, 0x00, 0xFF, 0x00, 0x00, 0x00, 0x00},  // horizontal
    {0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08},  // vertical
    {0x80, 0x40, 0x20, 0x10, 0x08, 0x04, 0x02, 0x01},  // downward diagonal
    {0x01, 0x02, 0x04, 0x08, 0x10, 0x20, 0x40, 0x80},  // upward diagonal
    {0x08, 0x08, 0x08, 0xFF, 0x08, 0x08, 0x08, 0x08},  // cross
    {0x81, 0x42, 0x24, 0x18, 0x18, 0x24, 0x42, 0x81},  // diagonal cross
};

constexpr double kTie = 1e-9;

}  // namespace

int PatternScale(const TDeviceContext* dc) { return std::max(1, (dc->dpiY + 48) / 96); }

const std::uint8_t* HatchRows(int hatch) { return kHatches[std::clamp(hatch, 0, 5)]; }

TBrushPaint MakeBrushPaint(TDeviceContext* dc, TGdiBrush* brush) {
    TBrushPaint paint;
    if (!brush) return paint;
    paint.org = dc->st.brushOrg;
    switch (brush->style) {
    case BS_SOLID:
        paint.kind = TBrushPaint::Solid;
        paint.color = dc->ColorPixel(brush->color);
        break;
    case BS_HATCHED:
        paint.kind = TBrushPaint::Hatch;
        paint.color = dc->ColorPixel(brush->color);
        paint.back = dc->ColorPixel(dc->st.bkColor);
        paint.opaque = dc->st.bkMode == OPAQUE;
        paint.rows = HatchRows(brush->hatch);
        paint.scale = PatternScale(dc);
        break;
    case BS_PATTERN:
        if (!brush->pattern.Null()) {
            paint.kind = TBrushPaint::Pattern;
            paint.pattern = &brush->pattern;
            // A monochrome pattern takes the text colour for its 0 bits and
            // the background colour for its 1 bits, as a copy of a
            // monochrome bitmap onto the context would.
            if (brush->patternMono) {
                paint.patternColors = true;
                paint.color = dc->ColorPixel(dc->st.textColor);
                paint.back = dc->ColorPixel(dc->st.bkColor);
            }
            paint.patternToMono = !brush->patternMono && dc->surface->monochrome;
        }
        break;
    default: break;
    }
    return paint;
}

// ---- Pixel painter -----------------------------------------------------------
TPixelPainter::TPixelPainter(TDeviceContext* dc) {
    TPixelImage& image = dc->Image();
    if (!image.Null()) {
        bits_ = image.Bits();
        stride_ = image.Width();
    }
    // A printer's page has a clip but no pixels: nothing is painted there.
    bounds_ = image.Null() ? TPixelBox() : dc->ClipBounds();
    rects_ = &dc->ClipRects();
    single_ = rects_->size() <= 1;
    if (!bounds_.Empty()) {
        left_ = bounds_.x0;
        top_ = bounds_.y0;
        right_ = bounds_.x1;
        bottom_ = bounds_.y1;
    }
}

bool TPixelPainter::VisibleInRegion(int x, int y) const {
    bool inside = false;
    ClipSpan(y, x, x, [&](int, int) { inside = true; });
    return inside;
}

void TPixelPainter::MixedSpan(int y, int x0, int x1, const TBrushPaint& brush, int rop) {
    if (brush.kind == TBrushPaint::None || rop == R2_NOP) return;
    ClipSpan(y, x0, x1, [&](int a, int b) {
        std::uint32_t* row = Row(y);
        if (brush.kind == TBrushPaint::Solid && rop == R2_COPYPEN) {
            std::fill(row + a, row + b + 1, brush.color | 0xFF000000u);
            return;
        }
        for (int x = a; x <= b; ++x) {
            std::uint32_t c;
            if (brush.At(x, y, c)) row[x] = 0xFF000000u | Rop2(rop, c, row[x]);
        }
    });
}

// ---- Pen coverage --------------------------------------------------------------
TPenMask::TPenMask(const TPixelBox& box) : box_(box.Empty() ? TPixelBox() : box) {
    if (box_.Empty()) return;
    cells_.assign(static_cast<std::size_t>(box_.Width()) * static_cast<std::size_t>(box_.Height()), Empty);
    rowFrom_.assign(static_cast<std::size_t>(box_.Height()), box_.x1 + 1);
    rowTo_.assign(static_cast<std::size_t>(box_.Height()), box_.x0 - 1);
}

void TPenMask::Paint(TPixelPainter& painter, std::uint32_t ink, std::uint32_t gap, int rop) const {
    if (box_.Empty() || rop == R2_NOP) return;
    const int width = box_.Width();
    for (int y = box_.y0; y <= box_.y1; ++y) {
        const std::size_t r = static_cast<std::size_t>(y - box_.y0);
        const int from = rowFrom_.empty() ? box_.x0 : rowFrom_[r], to = rowFrom_.empty() ? box_.x1 : rowTo_[r];
        const std::uint8_t* row = cells_.data() + r * static_cast<std::size_t>(width);
        for (int x = from; x <= to; ++x)
            if (const std::uint8_t cell = row[x - box_.x0]) painter.Plot(x, y, cell == Ink ? ink : gap, rop);
    }
}

// Dash lengths in pixels of the styled pens on a screen.
std::vector<int> PenDashes(unsigned style) {
    switch (style & PS_STYLE_MASK) {
    case PS_DASH: return {18, 6};
    case PS_DOT: return {3, 3};
    case PS_DASHDOT: return {9, 6, 3, 6};
    case PS_DASHDOTDOT: return {9, 3, 3, 3, 3, 3};
    case PS_ALTERNATE: return {1, 1};
    default: return {};
    }
}

TPenStyler::TPenStyler(unsigned style, int scale) {
    if ((style & PS_STYLE_MASK) == PS_ALTERNATE) scale = 1;
    const std::vector<int> lengths = PenDashes(style);
    for (std::size_t i = 0; i < lengths.size(); ++i)
        on_.insert(on_.end(), static_cast<std::size_t>(lengths[i] * scale), i % 2 == 0 ? 1 : 0);
    runs_.resize(on_.size());
    for (std::size_t i = on_.size(); i-- > 0;)
        runs_[i] = i + 1 < on_.size() && on_[i + 1] == on_[i] ? runs_[i + 1] + 1 : 1;
}

// ---- Symmetric shapes ------------------------------------------------------------
namespace {

// Shapes up to this many rows (columns) hold them all, so that a styled
// outline keeps its phase however much of it is clipped; larger ones hold
// only what the clip box shows, so that their cost is the clip's.
constexpr int kWholeShapeRows = 1 << 16;

// The shape's box with room for the upper-half rows the visible rows need
// (one more outwards for the outline runs).
TSymShape ShapeFrame(int x0, int y0, int x1, int y1, const TPixelBox& visible) {
    TSymShape s;
    s.x0 = x0; s.y0 = y0; s.x1 = x1; s.y1 = y1;
    if (s.Empty()) return s;
    int mid = s.MidRow();
    s.rowFrom = y0;
    s.rowTo = y1;
    s.colFrom = x0;
    s.colTo = x1;
    if (static_cast<long long>(x1) - x0 > kWholeShapeRows) {
        s.colFrom = std::max(x0, visible.x0);
        s.colTo = std::min(x1, visible.x1);
    }
    int lo = y0, hi = mid;
    if (static_cast<long long>(y1) - y0 > kWholeShapeRows) {
        s.rowFrom = std::max(y0, visible.y0);
        s.rowTo = std::min(y1, visible.y1);
        if (s.rowFrom > s.rowTo) return s;
        int a = s.rowFrom, b = s.rowTo;
        lo = mid;
        hi = y0;
        if (a <= mid) {
            lo = std::min(lo, a);
            hi = std::max(hi, std::min(b, mid));
        }
        if (b > mid) {  // lower rows mirror onto the upper half
            lo = std::min(lo, y0 + y1 - b);
            hi = std::max(hi, y0 + y1 - std::max(a, mid + 1));
        }
        lo = std::max(y0, lo - 1);
    }
    s.from = lo;
    s.left.assign(static_cast<std::size_t>(hi - lo + 1), x0);
    return s;
}

// The left edge of upper-half row y of the ellipse through the centres of
// the outer pixels of the inclusive box: the pixel nearest the curve,
// sampled by row and by column so that steep and flat parts both stay
// unbroken; ties go outwards.
int EllipseLeft(int x0, int y0, int x1, int y1, int y) {
    double a = double(x1) - x0, b = double(y1) - y0;
    if (a == 0 || b == 0) return x0;
    double sx = double(x0) + x1, sy = double(y0) + y1;
    double t = (sy - 2.0 * y) / b;
    double x2 = a * std::sqrt(std::max(0.0, 1.0 - t * t));
    long long byRow = static_cast<long long>(std::floor((sx - x2) / 2.0 + 0.5 - kTie));
    // The columns' rows rise towards the middle: find the first column
    // whose curve point rounds to this row or above.
    auto columnRow = [&](long long x) {
        double u = (sx - 2.0 * double(x)) / a;
        double y2 = b * std::sqrt(std::max(0.0, 1.0 - u * u));
        return static_cast<long long>(std::floor((sy - y2) / 2.0 + 0.5 - kTie));
    };
    long long lo = x0, hi = x0 + static_cast<long long>(a) / 2;
    if (columnRow(hi) > y) return static_cast<int>(std::max<long long>(byRow, x0));
    while (lo < hi) {
        long long m = lo + (hi - lo) / 2;
        if (columnRow(m) <= y) hi = m;
        else lo = m + 1;
    }
    return static_cast<int>(std::max<long long>(std::min(byRow, lo), x0));
}

}  // namespace

void TSymShape::OutlineRun(int y, int& l, int& e) const {
    l = Left(y);
    int r = Right(y);
    if (y == y0 || y == y1) {
        e = r;
        return;
    }
    int outer = y <= MidRow() ? y - 1 : y + 1;
    e = std::max(l, Left(outer) - 1);
    if (e >= x0 + x1 - e - 1) e = r;
}

TSymShape RectShape(int x0, int y0, int x1, int y1, const TPixelBox& visible) {
    return ShapeFrame(x0, y0, x1, y1, visible);
}

TSymShape EllipseShape(int x0, int y0, int x1, int y1, const TPixelBox& visible) {
    TSymShape s = ShapeFrame(x0, y0, x1, y1, visible);
    for (std::size_t k = 0; k < s.left.size(); ++k)
        s.left[k] = EllipseLeft(x0, y0, x1, y1, s.from + static_cast<int>(k));
    return s;
}

TSymShape RoundRectShape(int x0, int y0, int x1, int y1, int cornerWidth, int cornerHeight, const TPixelBox& visible) {
    TSymShape s = ShapeFrame(x0, y0, x1, y1, visible);
    int cw = std::min(cornerWidth, x1 - x0 + 1), ch = std::min(cornerHeight, y1 - y0 + 1);
    if (cw < 2 || ch < 2) return s;
    // The corners are the quarters of an ellipse of the corner size.
    for (std::size_t k = 0; k < s.left.size(); ++k) {
        int row = s.from + static_cast<int>(k) - y0;
        if (row <= (ch - 1) / 2) s.left[k] = x0 + EllipseLeft(0, 0, cw - 1, ch - 1, row);
    }
    return s;
}

std::vector<TPoint> ShapeOutline(const TSymShape& s) {
    std::vector<TPoint> pixels;
    if (s.Empty()) return pixels;
    const long long mirror = static_cast<long long>(s.x0) + s.x1;
    const long long from = s.colFrom, to = s.colTo;
    for (int y = s.rowFrom; y <= s.rowTo; ++y) {
        int l, e;
        s.OutlineRun(y, l, e);
        int r = s.Right(y);
        if (e >= r) {
            for (long long x = std::max<long long>(l, from); x <= std::min<long long>(r, to); ++x)
                pixels.emplace_back(static_cast<int>(x), y);
        } else if (from == s.x0 && to == s.x1) {
            // The right run mirrors the left one.
            for (int x = l; x <= e; ++x) {
                pixels.emplace_back(x, y);
                pixels.emplace_back(static_cast<int>(mirror - x), y);
            }
        } else {
            for (long long x = std::max<long long>(l, from); x <= std::min<long long>(e, to); ++x)
                pixels.emplace_back(static_cast<int>(x), y);
            for (long long x = std::max<long long>(l, mirror - to); x <= std::min<long long>(e, mirror - from); ++x)
                pixels.emplace_back(static_cast<int>(mirror - x), y);
        }
    }
    double cx = (double(s.x0) + s.x1) / 2, cy = (double(s.y0) + s.y1) / 2;
    auto angle = [&](const TPoint& p) {
        double a = std::atan2(-(p.y - cy), p.x - cx);
        return a < 0 ? a + 2 * M_PI : a;
    };
    std::vector<std::pair<double, TPoint>> keyed;
    keyed.reserve(pixels.size());
    for (const TPoint& p : pixels) keyed.emplace_back(angle(p), p);
    std::sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 0; i < keyed.size(); ++i) pixels[i] = keyed[i].second;
    return pixels;
}

// ---- Polygons --------------------------------------------------------------------
std::vector<TPolyEdge> PolygonEdges(std::span<const TPoint> pts, int& yMin, int& yMax) {
    std::vector<TPolyEdge> edges;
    if (pts.size() < 3) return edges;
    yMin = pts[0].y;
    yMax = pts[0].y;
    for (std::size_t i = 0; i < pts.size(); ++i) {
        const TPoint& a = pts[i];
        const TPoint& b = pts[(i + 1) % pts.size()];
        yMin = std::min(yMin, a.y);
        yMax = std::max(yMax, a.y);
        if (a.y == b.y) continue;
        if (a.y < b.y) edges.push_back({a.x, a.y, b.x, b.y, 1});
        else edges.push_back({b.x, b.y, a.x, a.y, -1});
    }
    return edges;
}

// ---- Wide strokes ------------------------------------------------------------------
TStrokePath PixelPath(std::span<const TPoint> pts, bool closed) {
    TStrokePath path;
    if (pts.empty()) return path;
    path.MoveTo(pts[0].x + 0.5, pts[0].y + 0.5);
    for (std::size_t i = 1; i < pts.size(); ++i) path.LineTo(pts[i].x + 0.5, pts[i].y + 0.5);
    if (closed) path.Close();
    return path;
}

void StrokeMask(const TStrokePath& path, double width, unsigned penStyle, TPenMask& mask) {
    const TPixelBox& box = mask.Box();
    if (box.Empty()) return;
    TStrokeCap cap = TStrokeCap::Round;
    if ((penStyle & PS_ENDCAP_MASK) == PS_ENDCAP_SQUARE) cap = TStrokeCap::Square;
    if ((penStyle & PS_ENDCAP_MASK) == PS_ENDCAP_FLAT) cap = TStrokeCap::Flat;
    TStrokeJoin join = TStrokeJoin::Round;
    if ((penStyle & PS_JOIN_MASK) == PS_JOIN_BEVEL) join = TStrokeJoin::Bevel;
    if ((penStyle & PS_JOIN_MASK) == PS_JOIN_MITER) join = TStrokeJoin::Miter;
    StrokeToMask(path, width, cap, join, box.x0, box.y0, box.Width(), box.Height(), mask.Cells(), TPenMask::Ink);
}
