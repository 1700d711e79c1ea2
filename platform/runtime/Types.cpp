#include "platform/runtime/Types.h"

#include <algorithm>

bool PtInRect(const TRect& r, const TPoint& p) { return r.Contains(p); }

bool IntersectRect(TRect& Dest, const TRect& a, const TRect& b) {
    TRect r(std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right), std::min(a.Bottom, b.Bottom));
    if (r.IsEmpty()) r = TRect();
    Dest = r;
    return !r.IsEmpty();
}


void OffsetRect(TRect& r, int dx, int dy) {
    r.Left += dx; r.Right += dx; r.Top += dy; r.Bottom += dy;
}

void InflateRect(TRect& r, int dx, int dy) {
    r.Left -= dx; r.Right += dx; r.Top -= dy; r.Bottom += dy;
}
