// Whether a mouse position hits a line, a polygon, a triangle or an ellipse.
// Products are taken in 64 bits: pixel positions far outside the window must
// not overflow.
#include <algorithm>
#include <cstdlib>

#include "chart/utils/TeeProcs.h"

namespace {

// c lies beyond b, seen from a, by more than Tolerance.
bool Beyond(int a, int b, int c, int Tolerance) {
    return (a < b && static_cast<long long>(b) + Tolerance < c) ||
           (a > b && static_cast<long long>(c) + Tolerance < b);
}

}  // namespace

bool PointInLineTolerance(const TPoint& P, int px, int py, int qx, int qy, int Tolerance) {
    long long dx = static_cast<long long>(qx) - px, dy = static_cast<long long>(qy) - py;
    long long cross = dy * (static_cast<long long>(P.x) - px) - (static_cast<long long>(P.y) - py) * dx;
    if (std::llabs(cross) >= std::max(std::llabs(dx), std::llabs(dy))) return false;
    // Near the line; now refuse points past either end of the segment.
    return !(Beyond(qx, px, P.x, Tolerance) || Beyond(px, qx, P.x, Tolerance) ||
             Beyond(qy, py, P.y, Tolerance) || Beyond(py, qy, P.y, Tolerance));
}

bool PointInLine(const TPoint& P, int px, int py, int qx, int qy) {
    return PointInLineTolerance(P, px, py, qx, qy, 0);
}

bool PointInPolygon(const TPoint& P, const TPoint* Points, int High) {
    bool inside = false;
    for (int i = 0, j = High; i <= High; j = i++) {
        const TPoint& a = Points[i];
        const TPoint& b = Points[j];
        if (((a.y <= P.y && P.y < b.y) || (b.y <= P.y && P.y < a.y)) &&
            P.x < (double(b.x) - a.x) * (double(P.y) - a.y) / (double(b.y) - a.y) + a.x)
            inside = !inside;
    }
    return inside;
}

bool PointInTriangle(const TPoint& P, int X0, int X1, int Y0, int Y1) {
    const TPoint points[] = {{X0, Y0}, {(X0 + X1) / 2, Y1}, {X1, Y0}};
    return PointInPolygon(P, points, 2);
}

bool PointInHorizTriangle(const TPoint& P, int Y0, int Y1, int X0, int X1) {
    const TPoint points[] = {{X0, Y0}, {X1, (Y0 + Y1) / 2}, {X0, Y1}};
    return PointInPolygon(P, points, 2);
}

bool PointInEllipse(const TPoint& P, const TRect& R) {
    long long xc = (static_cast<long long>(R.Left) + R.Right) / 2;
    long long yc = (static_cast<long long>(R.Top) + R.Bottom) / 2;
    double a2 = static_cast<double>(xc - R.Left) * static_cast<double>(xc - R.Left);
    double b2 = static_cast<double>(yc - R.Top) * static_cast<double>(yc - R.Top);
    if (a2 == 0 || b2 == 0) return false;
    double dx = static_cast<double>(P.x - xc), dy = static_cast<double>(P.y - yc);
    return dx * dx / a2 + dy * dy / b2 <= 1;
}
