#pragma once
// Platform-internal: a box of whole device pixels, the unit of the device
// context's clipping, masks and regions.

#include <algorithm>

// The pixels x0..x1 by y0..y1, both edges included, as scan conversion
// thinks of spans; empty when an edge comes before its opposite.
struct TPixelBox {
    int x0 = 0, y0 = 0, x1 = -1, y1 = -1;

    constexpr TPixelBox() = default;
    constexpr TPixelBox(int X0, int Y0, int X1, int Y1) : x0(X0), y0(Y0), x1(X1), y1(Y1) {}
    constexpr bool Empty() const { return x1 < x0 || y1 < y0; }
    constexpr int Width() const { return x1 - x0 + 1; }
    constexpr int Height() const { return y1 - y0 + 1; }
    constexpr bool Contains(int x, int y) const { return x >= x0 && x <= x1 && y >= y0 && y <= y1; }
    constexpr bool operator==(const TPixelBox&) const = default;
    // The common pixels; an empty box when there are none.
    TPixelBox Intersected(const TPixelBox& o) const {
        TPixelBox r(std::max(x0, o.x0), std::max(y0, o.y0), std::min(x1, o.x1), std::min(y1, o.y1));
        return r.Empty() ? TPixelBox() : r;
    }
    // The smallest box holding both; an empty box adds nothing.
    TPixelBox United(const TPixelBox& o) const {
        if (o.Empty()) return *this;
        if (Empty()) return o;
        return TPixelBox(std::min(x0, o.x0), std::min(y0, o.y0), std::max(x1, o.x1), std::max(y1, o.y1));
    }
};
