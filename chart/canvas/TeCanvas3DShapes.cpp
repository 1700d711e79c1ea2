// Lines, points and flat shapes placed at a depth, ellipses and arrows: each
// point goes through the projection and the shape is drawn with the canvas's
// pen and brush.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "chart/canvas/TeCanvasPixels.h"
#include "chart/canvas/TeCanvas.h"

// ---- Lines and points ----------------------------------------------------------
void TTeeCanvas3D::MoveTo3D(int X, int Y, int Z) {
    Calc3DPos(X, Y, Z);
    MoveTo(X, Y);
}

void TTeeCanvas3D::LineTo3D(int X, int Y, int Z) {
    Calc3DPos(X, Y, Z);
    LineTo(X, Y);
}

void TTeeCanvas3D::LineWithZ(int X0, int Y0, int X1, int Y1, int Z) {
    MoveTo3D(X0, Y0, Z);
    LineTo3D(X1, Y1, Z);
}

void TTeeCanvas3D::HorizLine3D(int Left, int Right, int Y, int Z) { LineWithZ(Left, Y, Right, Y, Z); }

void TTeeCanvas3D::VertLine3D(int X, int Top, int Bottom, int Z) { LineWithZ(X, Top, X, Bottom, Z); }

void TTeeCanvas3D::ZLine3D(int X, int Y, int Z0, int Z1) {
    MoveTo3D(X, Y, Z0);
    LineTo3D(X, Y, Z1);
}

// A pen wider than a pixel makes a dot of its own width and colour.
void TTeeCanvas3D::SetPixel3D(int X, int Y, int Z, TColor Value) {
    Calc3DPos(X, Y, Z);
    if (GetPen()->GetWidth() != 1) {
        MoveTo(X, Y);
        LineTo(X, Y);
    } else {
        SetPixel(X, Y, Value);
    }
}

// ---- Flat shapes -------------------------------------------------------------------
void TTeeCanvas3D::RectangleWithZ(const TRect& Rect, int Z) {
    PlaneWithZ(Rect.TopLeft(), TPoint(Rect.Right, Rect.Top), Rect.BottomRight(), TPoint(Rect.Left, Rect.Bottom), Z);
}

void TTeeCanvas3D::Polygon3D(std::initializer_list<TPoint3D> Points) {
    TPoint p[8];
    int count = 0;
    for (const TPoint3D& point : Points) p[count++] = Calc3DTPoint3D(point);
    Polygon(p, count - 1);
}

void TTeeCanvas3D::RectangleY(int Left, int Top, int Right, int Z0, int Z1) {
    Polygon3D({{Left, Top, Z0}, {Right, Top, Z0}, {Right, Top, Z1}, {Left, Top, Z1}});
}

void TTeeCanvas3D::RectangleZ(int Left, int Top, int Bottom, int Z0, int Z1) {
    Polygon3D({{Left, Top, Z0}, {Left, Top, Z1}, {Left, Bottom, Z1}, {Left, Bottom, Z0}});
}

void TTeeCanvas3D::PlaneWithZ(const TPoint& P1, const TPoint& P2, const TPoint& P3, const TPoint& P4, int Z) {
    TPoint p[4] = {P1, P2, P3, P4};
    for (TPoint& point : p) Calc3DTPoint(point, Z);
    Polygon(p, 3);
}

void TTeeCanvas3D::PlaneFour3D(TFourPoints& Points, int Z0, int Z1) {
    Calc3DTPoint(Points[0], Z0);
    Calc3DTPoint(Points[1], Z0);
    Calc3DTPoint(Points[2], Z1);
    Calc3DTPoint(Points[3], Z1);
    Polygon(Points.data(), 3);
}

void TTeeCanvas3D::Plane3D(const TPoint& A, const TPoint& B, int Z0, int Z1) {
    Polygon3D({{A.x, A.y, Z0}, {B.x, B.y, Z0}, {B.x, B.y, Z1}, {A.x, A.y, Z1}});
}

void TTeeCanvas3D::TriangleWithZ(const TPoint& P1, const TPoint& P2, const TPoint& P3, int Z) {
    TPoint p[3] = {P1, P2, P3};
    for (TPoint& point : p) Calc3DTPoint(point, Z);
    Polygon(p, 2);
}

// The triangle takes the first colour; this canvas does not blend the others.
void TTeeCanvas3D::Triangle3D(const TTrianglePoints3D& Points, const TTriangleColors3D& Colors) {
    TPoint p[3];
    for (int i = 0; i < 3; ++i) p[i] = Calc3DTPoint3D(Points[i]);
    GetBrush()->SetColor(Colors[0]);
    Polygon(p, 2);
}

// The points are screen points already: the depth plays no part.
void TTeeCanvas3D::PolygonWithZ(const TPoint* Points, int LastIndex, int Z) {
    (void)Z;
    Polygon(Points, LastIndex);
}

// Surfaces are not drawn on this canvas; the call is accepted and ignored.
void TTeeCanvas3D::Surface3D(TTeeCanvasSurfaceStyle Style, bool SameBrush, int NumXValues, int NumZValues,
                             TTeeCanvasCalcPoints CalcPoints, TColor Color) {
    (void)Style, (void)SameBrush, (void)NumXValues, (void)NumZValues, (void)CalcPoints, (void)Color;
}

// ---- Ellipses ------------------------------------------------------------------------
// Rotated views have no GDI ellipse: the outline is a polygon of projected
// points, filled as a fan of triangles from the centre.
void TTeeCanvas3D::EllipseWithZ(int X1, int Y1, int X2, int Y2, int Z) {
    if (!is3D_) {
        Ellipse(X1, Y1, X2 + 1, Y2 + 1);
        return;
    }
    if (isOrthogonal_) {
        Calc3DPos(X1, Y1, Z);
        Calc3DPos(X2, Y2, Z);
        Ellipse(X1, Y1, X2, Y2);
        return;
    }
    constexpr int kPoints = 32;
    constexpr double kStep = std::numbers::pi / 10;
    int xc = (X1 + X2) / 2, yc = (Y1 + Y2) / 2, rx = (X2 - X1) / 2, ry = (Y2 - Y1) / 2;
    TPoint p[kPoints];
    Calc3DPoint(p[0], xc, Y2, Z);
    for (int i = 1; i < kPoints; ++i)
        Calc3DPoint(p[i], static_cast<int>(rx * std::sin(i * kStep)) + xc,
                    static_cast<int>(ry * std::cos(i * kStep)) + yc, Z);
    if (GetBrush()->GetStyle() != bsClear) {
        TPenStyle oldStyle = GetPen()->GetStyle();
        GetPen()->SetStyle(psClear);
        TPoint triangle[3];
        Calc3DPoint(triangle[0], xc, yc, Z);
        for (int i = 1; i < kPoints; ++i) {
            triangle[1] = p[i - 1];
            triangle[2] = p[i];
            Polygon(triangle, 2);
        }
        GetPen()->SetStyle(oldStyle);
    }
    if (GetPen()->GetStyle() != psClear) Polyline(p, kPoints);
}

void TTeeCanvas3D::Sphere(int X, int Y, int Z, double Radius) {
    int r = RoundPixel(Radius);
    EllipseWithZ(X - r, Y - r, X + r, Y + r, Z);
}

// ---- Arrows ---------------------------------------------------------------------------
// The points are laid out along the arrow, u from the tail towards the tip
// and v across, and turned back onto the screen.
void TTeeCanvas3D::Arrow(bool Filled, const TPoint& FromPoint, const TPoint& ToPoint, int ArrowWidth,
                         int ArrowHeight, int Z) {
    double dx = static_cast<double>(ToPoint.x) - FromPoint.x, dy = static_cast<double>(FromPoint.y) - ToPoint.y;
    double length = std::sqrt(dx * dx + dy * dy);
    if (!(length > 0)) return;
    double head = std::min(RoundPixel(length), ArrowHeight);
    double c = dx / length, s = dy / length;
    auto toScreen = [&](double u, double v) {
        TPoint p(RoundPixel(u * c + v * s), RoundPixel(-u * s + v * c));
        Calc3DTPoint(p, Z);
        return p;
    };
    double ut = ToPoint.x * c - ToPoint.y * s, vt = ToPoint.x * s + ToPoint.y * c;
    double uf = FromPoint.x * c - FromPoint.y * s;
    double halfWidth = ArrowWidth / 2.0;
    TPoint head1 = toScreen(ut - head, vt - halfWidth), head2 = toScreen(ut - head, vt + halfWidth);
    TPoint tip = ToPoint;
    Calc3DTPoint(tip, Z);
    if (Filled) {
        double quarter = ArrowWidth / 4.0;
        TPoint p[7] = {toScreen(uf, vt + quarter), toScreen(uf, vt - quarter), toScreen(ut - head, vt - quarter),
                       head1, tip, head2, toScreen(ut - head, vt + quarter)};
        Polygon(p, 6);
        return;
    }
    MoveTo3D(FromPoint.x, FromPoint.y, Z);
    LineTo(tip.x, tip.y);
    LineTo(head2.x, head2.y);
    MoveTo(tip.x, tip.y);
    LineTo(head1.x, head1.y);
}
