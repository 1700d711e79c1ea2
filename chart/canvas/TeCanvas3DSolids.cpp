// The shaded solids of the 3-D canvas: cubes, pyramids and cones,
// cylinders and pie slices. Only the faces that can be seen are drawn, and
// the side faces are darker than the front.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>
#include <vector>

#include "chart/canvas/TeCanvasPixels.h"
#include "chart/canvas/TeCanvas.h"

namespace {

// A solid brush takes the darker colour itself; a hatched or clear one keeps
// its colour and its background darkens instead.
class TShading {
public:
    explicit TShading(TTeeCanvas3D& Canvas) : canvas_(Canvas) {
        solid_ = Canvas.GetBrush()->GetStyle() == bsSolid;
        base_ = solid_ ? Canvas.GetBrush()->GetColor() : Canvas.GetBackColor();
    }
    void Darken(int HowMuch) {
        TColor color = ApplyDark(base_, static_cast<Byte>(HowMuch));
        if (solid_) canvas_.GetBrush()->SetColor(color);
        else canvas_.SetBackColor(color);
    }
    void Restore() {
        if (solid_) canvas_.GetBrush()->SetColor(base_);
        else canvas_.SetBackColor(base_);
    }

private:
    TTeeCanvas3D& canvas_;
    bool solid_;
    TColor base_;
};

constexpr int kPieShade = 32;
constexpr int kCylinderBandShade = 16;

}  // namespace

// Front face, then the side and the top when the view shows them.
void TTeeCanvas3D::Cube(int Left, int Right, int Top, int Bottom, int Z0, int Z1, bool DarkSides) {
    TShading shading(*this);
    Polygon3D({{Left, Top, Z0}, {Right, Top, Z0}, {Right, Bottom, Z0}, {Left, Bottom, Z0}});

    TPoint frontBottomRight = Calculate3DPosition(Right, Bottom, Z0);
    int sideX = Calculate3DPosition(Right, Bottom, Z1).x > frontBottomRight.x ? Right : Left;
    if (DarkSides) shading.Darken(DarkerColorQuantity);
    RectangleZ(sideX, Top, Bottom, Z0, Z1);

    if (Calculate3DPosition(Right, Top, Z0).y > Calculate3DPosition(Left, Top, Z1).y) {
        if (DarkSides) shading.Darken(DarkColorQuantity);
        RectangleY(Left, Top, Right, Z0, Z1);
    }
}

void TTeeCanvas3D::Cone(bool Vertical, int Left, int Top, int Right, int Bottom, int Z0, int Z1, int ConePercent) {
    (void)ConePercent;
    Pyramid(Vertical, Left, Top, Right, Bottom, Z0, Z1, true);
}

void TTeeCanvas3D::Pyramid(bool Vertical, int Left, int Top, int Right, int Bottom, int Z0, int Z1,
                           bool DarkSides) {
    TShading shading(*this);
    int zm = (Z0 + Z1) / 2;
    auto triangle = [this](const TPoint& a, const TPoint& b, const TPoint& c) {
        TPoint p[3] = {a, b, c};
        Polygon(p, 2);
    };
    TPoint p0, p1, apex, back0, back1;
    if (Vertical) {
        if (Top != Bottom) {
            Calc3DPoint(p0, Left, Bottom, Z0);
            Calc3DPoint(p1, Right, Bottom, Z0);
            Calc3DPoint(apex, (Left + Right) / 2, Top, zm);
            Calc3DPoint(back0, Left, Bottom, Z1);
            Calc3DPoint(back1, Right, Bottom, Z1);
            triangle(p0, apex, p1);
            bool backSeen = Top < Bottom && back0.y < apex.y;
            if (backSeen) triangle(p0, apex, back0);
            if (DarkSides) shading.Darken(DarkerColorQuantity);
            triangle(p1, apex, back1);
            if (backSeen) triangle(apex, back0, back1);
        }
        if (Top >= Bottom) {
            if (DarkSides) shading.Darken(DarkColorQuantity);
            RectangleY(Left, Bottom, Right, Z0, Z1);
        }
        return;
    }
    if (Left != Right) {
        Calc3DPoint(p0, Left, Top, Z0);
        Calc3DPoint(p1, Left, Bottom, Z0);
        Calc3DPoint(apex, Right, (Top + Bottom) / 2, zm);
        Calc3DPoint(back0, Left, Top, Z1);
        triangle(p0, apex, p1);
        if (DarkSides) shading.Darken(DarkColorQuantity);
        triangle(p0, apex, back0);
    }
    if (Left >= Right) {
        if (DarkSides) shading.Darken(DarkerColorQuantity);
        RectangleZ(Left, Top, Bottom, Z0, Z1);
    }
}

// The round side is drawn in bands between neighbouring points of the
// cross-section, those facing the viewer only, then the end cap.
void TTeeCanvas3D::Cylinder(bool Vertical, int Left, int Top, int Right, int Bottom, int Z0, int Z1, bool Dark3D) {
    constexpr int kPoints = 16;
    constexpr double kStep = std::numbers::pi / 8;
    TShading shading(*this);
    int zr = (Z1 - Z0) / 2, zc = (Z0 + Z1) / 2;
    TPoint3D outline[kPoints + 1];
    int length;
    if (Vertical) {
        int xr = (Right - Left) / 2, xc = (Left + Right) / 2;
        for (int i = 1; i <= kPoints; ++i) {
            double a = (i - 4) * kStep;
            outline[i] = Point3D(RoundPixel(xr * std::sin(a)) + xc, std::min(Top, Bottom),
                                 zc - RoundPixel(zr * std::cos(a)));
        }
        length = std::abs(Bottom - Top);
    } else {
        int yr = (Bottom - Top) / 2, yc = (Top + Bottom) / 2;
        for (int i = 1; i <= kPoints; ++i) {
            double a = (i + 5) * kStep;
            outline[i] = Point3D(std::max(Left, Right), RoundPixel(yr * std::sin(a)) + yc,
                                 zc - RoundPixel(zr * std::cos(a)));
        }
        length = std::abs(Right - Left);
    }
    TPoint near[kPoints + 1], far[kPoints + 1];
    for (int i = 1; i <= kPoints; ++i) {
        near[i] = Calc3DTPoint3D(outline[i]);
        TPoint3D partner = outline[i];
        if (Vertical) partner.y += length;
        else partner.x -= length;
        far[i] = Calc3DTPoint3D(partner);
    }
    int lastBand = Vertical ? kPoints : kPoints - 2;
    int drawn = 0;
    for (int i = 2; i <= lastBand; ++i) {
        bool facing = Vertical ? near[i].x > near[i - 1].x : near[i].y > near[i - 1].y;
        if (!facing) continue;
        if (Dark3D) shading.Darken(kCylinderBandShade * drawn);
        TPoint band[4] = {near[i - 1], far[i - 1], far[i], near[i]};
        Polygon(band, 3);
        ++drawn;
    }
    if (Dark3D) shading.Darken(DarkColorQuantity);
    Polygon(near + 1, kPoints - 1);
}

// A slice of an elliptic cylinder between two depths: its flat face at Z1,
// the cut sides when asked for, and the curved rim where it faces the viewer.
void TTeeCanvas3D::Pie3D(int XCenter, int YCenter, int XRadius, int YRadius, int Z0, int Z1, double StartAngle,
                         double EndAngle, bool DarkSides, bool DrawSides) {
    constexpr int kArc = 32;
    TPoint front[kArc + 1], back[kArc + 1];  // arc points at Z1 and at Z0, from 1
    TPoint centerFront, centerBack;
    Calc3DPoint(centerFront, XCenter, YCenter, Z1);
    double step = (EndAngle - StartAngle) / (kArc - 1);
    for (int i = 1; i <= kArc; ++i) {
        double a = StartAngle + (i - 1) * step;
        int x = RoundPixel(XRadius * std::cos(a)) + XCenter, y = YCenter - RoundPixel(YRadius * std::sin(a));
        Calc3DPoint(front[i], x, y, Z1);
        Calc3DPoint(back[i], x, y, Z0);
    }
    Calc3DPoint(centerBack, XCenter, YCenter, Z0);
    TShading shading(*this);

    auto side = [&](int i) {
        if (DarkSides) shading.Darken(kPieShade);
        TPoint p[4] = {centerFront, front[i], back[i], centerBack};
        Polygon(p, 3);
    };
    if (DrawSides) {
        if (front[kArc].x < XCenter) side(kArc);
        if (front[1].x > XCenter) side(1);
    }
    shading.Restore();
    TPoint face[kArc + 1];
    face[0] = centerFront;
    std::copy(front + 1, front + kArc + 1, face + 1);
    Polygon(face, kArc);

    // The rim runs from the first point where the arc moves right on the
    // screen to the last one before it turns left again.
    auto band = [&](int first, int last) {
        std::vector<TPoint> p;
        for (int i = first; i <= last; ++i) p.push_back(front[i]);
        for (int i = last; i >= first; --i) p.push_back(back[i]);
        if (DarkSides) shading.Darken(kPieShade);
        Polygon(p.data(), static_cast<int>(p.size()) - 1);
    };
    int i = 2;
    while (i <= kArc && front[i].x <= front[i - 1].x) ++i;
    if (i > kArc) return;
    int first = i - 1, last = -1;
    for (int j = i + 1; j <= kArc - 1 && last < 0; ++j)
        if (front[j + 1].x < front[j].x) last = j;
    if (last < 0 && front[kArc].x >= front[kArc - 1].x) last = kArc;
    if (last >= 0) band(first, last);
    if (last != kArc && front[kArc].x > front[kArc - 1].x) {
        int start = kArc - 1;
        while (start > 1 && front[start].x > front[start - 1].x) --start;
        if (start > 1) band(start, kArc);
    }
}
