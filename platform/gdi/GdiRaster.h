#pragma once
// Platform-internal: the scan conversion of the device context. Everything
// here works in device pixels; the drawing functions map their logical
// coordinates first.

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <span>
#include <vector>

#include "platform/gdi/GdiInternal.h"
#include "platform/host/WideStroke.h"

// ---- Raster operations -----------------------------------------------------
// Binary raster operation: truth table (Mode - 1) over pen bit * 2 + destination bit.
inline std::uint32_t Rop2(int mode, std::uint32_t pen, std::uint32_t dst) {
    switch (mode) {
    case R2_BLACK: return 0;
    case R2_NOTMERGEPEN: return ~(pen | dst);
    case R2_MASKNOTPEN: return ~pen & dst;
    case R2_NOTCOPYPEN: return ~pen;
    case R2_MASKPENNOT: return pen & ~dst;
    case R2_NOT: return ~dst;
    case R2_XORPEN: return pen ^ dst;
    case R2_NOTMASKPEN: return ~(pen & dst);
    case R2_MASKPEN: return pen & dst;
    case R2_NOTXORPEN: return ~(pen ^ dst);
    case R2_NOP: return dst;
    case R2_MERGENOTPEN: return ~pen | dst;
    case R2_COPYPEN: return pen;
    case R2_MERGEPENNOT: return pen | ~dst;
    case R2_MERGEPEN: return pen | dst;
    case R2_WHITE: return 0xFFFFFFFFu;
    default: return pen;
    }
}

// Ternary raster operation over pattern, source and destination bits: the
// table is the third byte of the code, indexed by P * 4 + S * 2 + D.
inline std::uint32_t Rop3(unsigned rop, std::uint32_t p, std::uint32_t s, std::uint32_t d) {
    unsigned table = (rop >> 16) & 0xFF;
    std::uint32_t result = 0;
    for (unsigned index = 0; index < 8; ++index) {
        if (!(table & (1u << index))) continue;
        result |= ((index & 4) ? p : ~p) & ((index & 2) ? s : ~s) & ((index & 1) ? d : ~d);
    }
    return result;
}
inline bool RopUsesPattern(unsigned rop) {
    unsigned t = (rop >> 16) & 0xFF;
    return ((t >> 4) & 0xF) != (t & 0xF);
}
inline bool RopUsesSource(unsigned rop) {
    unsigned t = (rop >> 16) & 0xFF;
    return ((t >> 2) & 0x33) != (t & 0x33);
}

// ---- Brush colours per pixel -------------------------------------------------
// What a brush puts at a device pixel: hatches are 8x8 patterns anchored at
// the brush origin (scaled up on high-resolution devices), their background
// drawn in the background colour only in OPAQUE mode.
struct TBrushPaint {
    enum Kind { None, Solid, Hatch, Pattern } kind = None;
    std::uint32_t color = 0, back = 0;
    bool opaque = false;
    const std::uint8_t* rows = nullptr;
    int scale = 1;
    TPoint org;
    const TPixelImage* pattern = nullptr;
    bool patternColors = false;  // a monochrome pattern shows color (0 bits) and back (1 bits)
    bool patternToMono = false;  // a colour pattern on a monochrome surface

    // False when the pixel is left alone.
    bool At(int x, int y, std::uint32_t& out) const {
        switch (kind) {
        case Solid: out = color; return true;
        case Hatch: {
            int px = Mod8((x - org.x) / scale - ((x - org.x) % scale < 0 ? 1 : 0));
            int py = Mod8((y - org.y) / scale - ((y - org.y) % scale < 0 ? 1 : 0));
            if (rows[py] & (0x80 >> px)) { out = color; return true; }
            if (!opaque) return false;
            out = back;
            return true;
        }
        case Pattern: {
            int w = pattern->Width(), h = pattern->Height();
            int px = ((x - org.x) % w + w) % w, py = ((y - org.y) % h + h) % h;
            out = pattern->Pixel(px, py);
            if (patternColors) out = (out & 0xFFFFFF) ? back : color;
            else if (patternToMono) out = NearestMonoPixel(out);
            return true;
        }
        default: return false;
        }
    }

private:
    static int Mod8(int v) { return v & 7; }
};
TBrushPaint MakeBrushPaint(TDeviceContext* dc, TGdiBrush* brush);
// Device pixels per hatch or style unit: 1 on screens, more on printers.
int PatternScale(const TDeviceContext* dc);
// The 8 rows of a hatch (HS_...), most significant bit leftmost.
const std::uint8_t* HatchRows(int hatch);
// A styled pen's dash and gap lengths in style units, from a dash; empty
// for a solid pen. The alternate pen's units are always pixels.
std::vector<int> PenDashes(unsigned style);

// ---- Pixel access through the clip -------------------------------------------
class TPixelPainter {
public:
    explicit TPixelPainter(TDeviceContext* dc);
    const TPixelBox& Bounds() const { return bounds_; }  // the clip box within the picture
    bool Visible(int x, int y) const {
        if (x < left_ || x > right_ || y < top_ || y > bottom_) return false;
        return single_ || VisibleInRegion(x, y);
    }
    // The clip is one rectangle: a pixel within Bounds() is visible.
    bool Single() const { return single_; }
    // One pixel with a raster mode (the colour is an RGB32 pixel).
    void Plot(int x, int y, std::uint32_t color, int rop) {
        if (Visible(x, y)) PlotVisible(x, y, color, rop);
    }
    void PlotVisible(int x, int y, std::uint32_t color, int rop) {
        std::uint32_t& p = bits_[static_cast<std::ptrdiff_t>(y) * stride_ + x];
        p = rop == R2_COPYPEN ? color | 0xFF000000u : 0xFF000000u | Rop2(rop, color, p);
    }
    // Pixels x0..x1 of row y, each taking the brush's colour through the
    // raster mode; a solid copy within one clip rectangle, the common case,
    // is filled here.
    void Span(int y, int x0, int x1, const TBrushPaint& brush, int rop) {
        if (single_ && brush.kind == TBrushPaint::Solid && rop == R2_COPYPEN) {
            if (y < bounds_.y0 || y > bounds_.y1) return;
            const int a = std::max(x0, bounds_.x0), b = std::min(x1, bounds_.x1);
            if (a <= b) std::fill(Row(y) + a, Row(y) + b + 1, brush.color | 0xFF000000u);
            return;
        }
        MixedSpan(y, x0, x1, brush, rop);
    }
    // Calls f(a, b) for each visible piece of x0..x1 on row y.
    template <class F>
    void ClipSpan(int y, int x0, int x1, F&& f) const {
        if (y < bounds_.y0 || y > bounds_.y1) return;
        if (single_) {
            int a = std::max(x0, bounds_.x0), b = std::min(x1, bounds_.x1);
            if (a <= b) f(a, b);
            return;
        }
        auto it = std::lower_bound(rects_->begin(), rects_->end(), y,
                                   [](const TPixelBox& r, int yy) { return r.y1 < yy; });
        for (; it != rects_->end() && it->y0 <= y; ++it) {
            int a = std::max(x0, it->x0), b = std::min(x1, it->x1);
            if (a <= b) f(a, b);
        }
    }
    std::uint32_t* Row(int y) { return bits_ + static_cast<std::ptrdiff_t>(y) * stride_; }

private:
    bool VisibleInRegion(int x, int y) const;
    void MixedSpan(int y, int x0, int x1, const TBrushPaint& brush, int rop);
    std::uint32_t* bits_ = nullptr;
    std::ptrdiff_t stride_ = 0;
    TPixelBox bounds_;
    int left_ = 0, top_ = 0, right_ = -1, bottom_ = -1;
    bool single_ = true;
    const std::vector<TPixelBox>* rects_ = nullptr;
};

// ---- Coverage of one primitive -----------------------------------------------
// Which pixels of a box the pen covers, so that a shape changes each pixel
// once even in the inverting raster modes.
class TPenMask {
public:
    enum : std::uint8_t { Empty = 0, Gap = 1, Ink = 2 };
    explicit TPenMask(const TPixelBox& box);
    const TPixelBox& Box() const { return box_; }
    void Set(int x, int y, std::uint8_t v) {
        if (!box_.Contains(x, y)) return;
        std::uint8_t& m = cells_[Index(x, y)];
        if (v > m) m = v;
        TouchRow(y, x);
    }
    std::uint8_t Get(int x, int y) const { return box_.Contains(x, y) ? cells_[Index(x, y)] : std::uint8_t{Empty}; }
    // The cells row by row from the box's top left, for the host to draw
    // into (anywhere: Paint then looks at every cell).
    std::uint8_t* Cells() {
        rowFrom_.clear();
        return cells_.data();
    }
    // Applies the pen: ink in the pen colour, gaps in the background colour.
    void Paint(TPixelPainter& painter, std::uint32_t ink, std::uint32_t gap, int rop) const;

private:
    std::size_t Index(int x, int y) const {
        return static_cast<std::size_t>(y - box_.y0) * static_cast<std::size_t>(box_.Width()) +
               static_cast<std::size_t>(x - box_.x0);
    }
    // The columns of row y that Set reached, so that Paint passes over
    // the rest of a shape's box (a thin slice's outline is a few cells a row).
    void TouchRow(int y, int x) {
        if (rowFrom_.empty()) return;
        const std::size_t r = static_cast<std::size_t>(y - box_.y0);
        rowFrom_[r] = std::min(rowFrom_[r], x);
        rowTo_[r] = std::max(rowTo_[r], x);
    }
    TPixelBox box_;
    std::vector<std::uint8_t> cells_;
    // Per row, the first and last column set; empty once the cells were
    // handed out.
    std::vector<int> rowFrom_, rowTo_;
};

// ---- Lines ---------------------------------------------------------------
inline long long FloorDiv(long long a, long long b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }
inline long long CeilDiv(long long a, long long b) { return -FloorDiv(-a, b); }

// Visits the pixels of the one-pixel line from a to b, b left out, as
// visit(x, y, i) with i the pixel's index counted from a. One pixel per
// column (x-major) or row (y-major); where the ideal line passes midway
// between two pixels the upper or the left one is lit. Only pixels in box
// are visited, but i counts from a so that pen styles keep their phase.
template <class F>
void WalkLine(TPoint a, TPoint b, const TPixelBox& box, F&& visit) {
    long long dx = static_cast<long long>(b.x) - a.x, dy = static_cast<long long>(b.y) - a.y;
    if (dx == 0 && dy == 0) return;
    bool xMajor = std::llabs(dx) >= std::llabs(dy);
    long long n = xMajor ? std::llabs(dx) : std::llabs(dy);
    long long step = (xMajor ? dx : dy) > 0 ? 1 : -1;
    long long d = xMajor ? dy : dx;
    long long maj0 = xMajor ? a.x : a.y, min0 = xMajor ? a.y : a.x;
    long long lo = xMajor ? box.x0 : box.y0, hi = xMajor ? box.x1 : box.y1;
    long long minLo = xMajor ? box.y0 : box.x0, minHi = xMajor ? box.y1 : box.x1;
    long long i0 = step > 0 ? lo - maj0 : maj0 - hi;
    long long i1 = step > 0 ? hi - maj0 : maj0 - lo;
    i0 = std::max(i0, 0LL);
    i1 = std::min(i1, n - 1);
    if (i0 > i1) return;
    long long twoN = 2 * n;
    long long num = 2 * i0 * d - n;
    long long k = CeilDiv(num, twoN);
    long long r = twoN * k - num;
    for (long long i = i0; i <= i1; ++i) {
        long long mn = min0 + k;
        if (mn >= minLo && mn <= minHi) {
            long long mj = maj0 + step * i;
            if (xMajor) visit(static_cast<int>(mj), static_cast<int>(mn), static_cast<int>(i));
            else visit(static_cast<int>(mn), static_cast<int>(mj), static_cast<int>(i));
        }
        r -= 2 * d;
        if (r < 0) { ++k; r += twoN; }
        else if (r >= twoN) { --k; r -= twoN; }
    }
}

// The on/off pattern of a styled one-pixel pen, by pixel position along a
// figure (the position runs on from segment to segment).
class TPenStyler {
public:
    TPenStyler(unsigned style, int scale);
    bool Styled() const { return !on_.empty(); }
    // Positions are asked mostly one after another: the next one steps the
    // phase instead of dividing.
    bool On(long long position) const {
        if (on_.empty()) return true;
        const long long period = static_cast<long long>(on_.size());
        if (position == last_ + 1)
            phase_ = phase_ + 1 == period ? 0 : phase_ + 1;
        else
            phase_ = position % period;
        last_ = position;
        return on_[static_cast<std::size_t>(phase_)] != 0;
    }

    // How many positions from this one on keep its state (at least one).
    int Run(long long position) const {
        return on_.empty() ? std::numeric_limits<int>::max()
                           : runs_[static_cast<std::size_t>(position % static_cast<long long>(on_.size()))];
    }

private:
    std::vector<std::uint8_t> on_;
    std::vector<int> runs_;  // per phase: the positions left in its dash or gap
    mutable long long last_ = -2, phase_ = 0;
};

// ---- Pens ----------------------------------------------------------------
// How the selected pen draws on a context.
struct TPenSetup {
    bool visible = false;       // not the null pen
    bool wide = false;          // wider than one device pixel
    int width = 1;              // device pixels
    unsigned style = PS_SOLID;  // the style in effect, with end cap and join bits
    bool insideFrame = false;
    std::uint32_t ink = 0, gap = 0;
    bool gaps = false;  // the gaps of a styled pen take the background colour
    int rop = R2_COPYPEN;
};
TPenSetup PenSetup(TDeviceContext* dc);

// The bounding box of points, grown by margin pixels on every side.
TPixelBox PointsBox(std::span<const TPoint> pts, int margin);
// Marks a figure's pen pixels in mask (one-pixel segments leave out their
// last pixel; a closed figure returns to its first point).
void FigureToMask(TDeviceContext* dc, const TPenSetup& pen, std::span<const TPoint> pts, bool closed,
                  TPenMask& mask);
// Draws a figure's outline with the selected pen.
void StrokeFigure(TDeviceContext* dc, const TPenSetup& pen, std::span<const TPoint> pts, bool closed);

// ---- Shapes ----------------------------------------------------------------
// A shape symmetric about both middle lines of its inclusive box, given by
// the left edge of each row of its upper half: ellipses, rounded and plain
// rectangles. An enormous shape holds only the rows that can be seen.
struct TSymShape {
    int x0 = 0, y0 = 0, x1 = -1, y1 = -1;
    int from = 0;           // the upper-half row of left[0]
    std::vector<int> left;  // upper-half rows from .. from + left.size() - 1
    int rowFrom = 0, rowTo = -1;  // the rows whose edges and outline runs are held
    int colFrom = 0, colTo = -1;  // the columns whose outline pixels are listed

    bool Empty() const { return x1 < x0 || y1 < y0; }
    int MidRow() const { return y0 + (y1 - y0) / 2; }
    int Left(int y) const {
        return left[static_cast<std::size_t>((y <= MidRow() ? y : y0 + y1 - y) - from)];
    }
    int Right(int y) const { return x0 + x1 - Left(y); }
    // The outline on row y: the left run l..e; the right run mirrors it.
    // When the runs meet, e is at least the row's middle and the row is all outline.
    void OutlineRun(int y, int& l, int& e) const;
};
// Each maker holds the rows of visible (the clip box) at least.
TSymShape EllipseShape(int x0, int y0, int x1, int y1, const TPixelBox& visible);
TSymShape RoundRectShape(int x0, int y0, int x1, int y1, int cornerWidth, int cornerHeight, const TPixelBox& visible);
TSymShape RectShape(int x0, int y0, int x1, int y1, const TPixelBox& visible);
// The outline pixels of the held rows and listed columns in
// counter-clockwise order from the rightmost point (angle 0).
std::vector<TPoint> ShapeOutline(const TSymShape& s);

// Calls span(y, x0, x1) for each row of the polygon's interior between
// rows yFrom and yTo: a pixel is inside when its centre (its integer
// coordinate) is, left and top edges inside, right and bottom edges out.
template <class F>
void PolygonSpans(std::span<const TPoint> pts, int fillMode, int yFrom, int yTo, F&& span);

// The path of a figure through pixel centres, for the wide pens.
TStrokePath PixelPath(std::span<const TPoint> pts, bool closed);
// Marks the pixels whose centres lie inside the stroke of path.
void StrokeMask(const TStrokePath& path, double width, unsigned penStyle, TPenMask& mask);

// ---- Polygon spans (template body) -------------------------------------------
struct TPolyEdge {
    long long x0, y0, x1, y1;  // y0 < y1
    int dir;
};
std::vector<TPolyEdge> PolygonEdges(std::span<const TPoint> pts, int& yMin, int& yMax);

template <class F>
void PolygonSpans(std::span<const TPoint> pts, int fillMode, int yFrom, int yTo, F&& span) {
    int yMin = 0, yMax = 0;
    std::vector<TPolyEdge> edges = PolygonEdges(pts, yMin, yMax);
    if (edges.empty()) return;
    struct Cross { long long x; int dir; };
    std::vector<Cross> xs;
    for (int y = std::max(yMin, yFrom); y < yMax && y <= yTo; ++y) {
        xs.clear();
        for (const TPolyEdge& e : edges) {
            if (y < e.y0 || y >= e.y1) continue;
            long long dyE = e.y1 - e.y0;
            long long num = e.x0 * dyE + (y - e.y0) * (e.x1 - e.x0);
            xs.push_back({CeilDiv(num, dyE), e.dir});
        }
        std::sort(xs.begin(), xs.end(), [](const Cross& a, const Cross& b) { return a.x < b.x; });
        int wind = 0;
        for (std::size_t i = 0; i < xs.size(); ++i) {
            bool inside;
            if (fillMode == WINDING) {
                wind += xs[i].dir;
                inside = wind != 0;
            } else {
                inside = (i % 2) == 0;
            }
            if (inside && i + 1 < xs.size() && xs[i + 1].x - 1 >= xs[i].x)
                span(y, static_cast<int>(xs[i].x), static_cast<int>(xs[i + 1].x - 1));
        }
    }
}
