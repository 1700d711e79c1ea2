// Projection of chart points onto the screen, checked against the formulas
// of the oblique and the rotated view worked out here.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>

#include "Canvas3DTestSupport.h"
#include "platform/runtime/SysUtils.h"

namespace {

struct TViewAngles {
    int rotation, elevation, tilt, zoom, perspective;
};

// The rotated view of (X, Y, Z) about the centre (xc, yc, zc), shown at
// (xo, yo): the sines and cosines of the three angles, the perspective
// factor from the depth along the viewing axis.
TPoint RotatedView(const TViewAngles& v, int X, int Y, int Z, int xc, int yc, int zc, int xo, int yo) {
    const long double degree = std::acos(-1.0L) / 180;
    long double sr = std::sin(v.rotation * degree), cr = std::cos(v.rotation * degree);
    long double se = std::sin(v.elevation * degree), ce = std::cos(v.elevation * degree);
    long double st = std::sin(v.tilt * degree), ct = std::cos(v.tilt * degree);
    double a = std::max(static_cast<double>(sr * se * st + cr * ct), 0.00001);
    double b = static_cast<double>(ce * st);
    double c = static_cast<double>(cr * se * st - ct * sr);
    double d = static_cast<double>(ct * sr * se - cr * st);
    double e = std::max(static_cast<double>(ce * ct), 0.00001);
    double g = static_cast<double>(cr * ct * se + sr * st);
    long double m1 = ce * sr;
    double m3 = static_cast<double>(cr * ce);
    double x = X - xc, y = Y - yc, z = Z - zc;
    double zoom = v.zoom * 0.01;
    long double f = zoom;
    if (v.perspective > 0) f = (1 - (x * m1 - y * se + z * m3) * (v.perspective / 35000.0)) * zoom;
    return TPoint(Round(static_cast<double>((x * a + y * b + z * c) * f)) + xo,
                  Round(static_cast<double>((x * d + y * e + z * g) * f)) + yo);
}

class Canvas3DProjection : public ::testing::Test {
protected:
    void View(bool orthogonal, int zoom, int horizOffset = 0, int vertOffset = 0) {
        view.options.SetOrthogonal(orthogonal);
        view.options.SetZoom(zoom);
        view.options.SetHorizOffset(horizOffset);
        view.options.SetVertOffset(vertOffset);
    }
    TPoint At(int X, int Y, int Z) { return view.canvas.Calculate3DPosition(X, Y, Z); }
    TCanvasOnBitmap view;  // 200 x 150: the centre is (100, 75)
};

TEST_F(Canvas3DProjection, ObliqueViewShiftsDepthRightAndUp) {
    View(true, 100, 7, -4);
    view.Begin(true, 40);
    for (TPoint3D p : {TPoint3D{0, 0, 0}, TPoint3D{100, 75, 10}, TPoint3D{-30, 500, 40}, TPoint3D{12, -8, -5}})
        EXPECT_EQ(At(p.x, p.y, p.z), TPoint(p.x + p.z + 7, p.y - p.z - 4)) << p.x << "," << p.y << "," << p.z;
}

TEST_F(Canvas3DProjection, ObliqueZoomRoundsHalvesToEven) {
    View(true, 50);
    view.Begin(true, 40);
    EXPECT_EQ(At(105, 75, 0), TPoint(102, 75));  // 2.5 -> 2
    EXPECT_EQ(At(103, 75, 0), TPoint(102, 75));  // 1.5 -> 2
    EXPECT_EQ(At(100, 78, 2), TPoint(101, 75));  // (1, 0.5 -> 0)
    EXPECT_EQ(At(20, 10, 6), TPoint(Round((20 - 100 + 6) * 0.5) + 100, Round((10 - 75 - 6) * 0.5) + 75));
}

TEST_F(Canvas3DProjection, RotationWithoutAnglesOnlyZoomsAndShifts) {
    View(false, 100, 3, 9);
    view.options.SetRotation(0);
    view.options.SetElevation(0);
    view.options.SetTilt(0);
    view.options.SetPerspective(0);
    view.Begin(true, 60);
    EXPECT_EQ(At(10, 20, 0), TPoint(13, 29));
    EXPECT_EQ(At(10, 20, 55), TPoint(13, 29));  // depth has no part without rotation
    View(false, 200, 3, 9);
    view.Begin(true, 60);
    EXPECT_EQ(At(110, 70, 5), TPoint(100 + 20 + 3, 75 - 10 + 9));
}

TEST_F(Canvas3DProjection, RotatedViewsFollowTheRotationFormulas) {
    const TViewAngles views[] = {{345, 345, 0, 100, 0}, {345, 345, 0, 100, 15}, {30, 320, 20, 120, 0},
                                 {300, 10, 350, 80, 40}};
    for (const TViewAngles& v : views) {
        View(false, v.zoom, -6, 4);
        view.options.SetRotation(v.rotation);
        view.options.SetElevation(v.elevation);
        view.options.SetTilt(v.tilt);
        view.options.SetPerspective(v.perspective);
        view.Begin(true, 50);
        for (int x = -20; x <= 220; x += 37)
            for (int y = -10; y <= 160; y += 29)
                for (int z : {0, 17, 50})
                    ASSERT_EQ(At(x, y, z), RotatedView(v, x, y, z, 100, 75, 25, 94, 79))
                        << v.rotation << "/" << v.elevation << "/" << v.tilt << " at " << x << "," << y << "," << z;
    }
}

TEST_F(Canvas3DProjection, FlatChartsAndTheFrontPlaneIgnoreDepthAndZoom) {
    View(true, 150, 20, 20);
    view.Begin(false, 40);
    EXPECT_EQ(At(10, 20, 30), TPoint(10, 20));
    view.Begin(true, 40);
    TPoint deep = At(10, 20, 30);
    view.canvas.FrontPlaneBegin();
    EXPECT_EQ(At(10, 20, 30), TPoint(10, 20));
    view.canvas.FrontPlaneEnd();
    EXPECT_EQ(At(10, 20, 30), deep);
    EXPECT_EQ(deep, TPoint(Round((10 - 100 + 30) * 1.5) + 120, Round((20 - 75 - 30) * 1.5) + 95));
}

TEST_F(Canvas3DProjection, ScreenPointsGoBackToTheChartPlane) {
    View(true, 100, 5, -5);
    view.Begin(true, 40);
    for (TPoint3D p : {TPoint3D{10, 20, 0}, TPoint3D{150, 3, 25}, TPoint3D{-40, 90, 40}}) {
        TPoint s = At(p.x, p.y, p.z);
        view.canvas.Calculate2DPosition(s.x, s.y, p.z);
        EXPECT_EQ(s, TPoint(p.x, p.y));
    }
    View(false, 110, 5, -5);
    view.options.SetPerspective(0);
    view.Begin(true, 40);
    for (TPoint3D p : {TPoint3D{100, 75, 20}, TPoint3D{120, 60, 10}, TPoint3D{90, 85, 30}}) {
        TPoint s = At(p.x, p.y, p.z);
        view.canvas.Calculate2DPosition(s.x, s.y, p.z);
        EXPECT_NEAR(s.x, p.x, 1);
        EXPECT_NEAR(s.y, p.y, 1);
    }
    View(true, 0);
    view.Begin(true, 40);
    int x = 33, y = 44;
    view.canvas.Calculate2DPosition(x, y, 10);  // no inverse of a zero zoom
    EXPECT_EQ(TPoint(x, y), TPoint(33, 44));
}

TEST_F(Canvas3DProjection, ExtremeZoomStopsAtTheIntegerRange) {
    View(true, 2000000000, 1000);
    view.Begin(true, 40);
    EXPECT_EQ(At(300, 75, 0), TPoint(INT_MAX, 75));
    EXPECT_EQ(At(-300, 75, 0), TPoint(INT_MIN + 1100, 75));  // the centre 100 and the offset 1000
}

TEST_F(Canvas3DProjection, ThinFormsAgreeWithTheFullProjection) {
    View(true, 100);
    view.Begin(true, 40);
    TPoint p(5, 6);
    view.canvas.Calc3DTPoint(p, 7);
    EXPECT_EQ(p, TPoint(12, -1));
    view.canvas.Calc3DPoint(p, 1, 2, 3);
    EXPECT_EQ(p, TPoint(4, -1));
    EXPECT_EQ(view.canvas.Calc3DTPoint3D(Point3D(1, 2, 3)), TPoint(4, -1));
}

TEST_F(Canvas3DProjection, InitWindowTakesTheViewSettingsOnlyIn3D) {
    View(true, 300);
    view.options.SetZoomText(false);
    view.Begin(false, 40);
    EXPECT_FALSE(view.canvas.GetIsOrthogonal());
    EXPECT_EQ(view.canvas.GetZoomFactor(), 1.0);
    EXPECT_TRUE(view.canvas.GetFontZoom());
    view.Begin(true, 41);
    EXPECT_TRUE(view.canvas.GetIsOrthogonal());
    EXPECT_EQ(view.canvas.GetZoomFactor(), 3.0);
    EXPECT_FALSE(view.canvas.GetFontZoom());
    EXPECT_EQ(view.canvas.GetZCenter(), 20);
    // Without settings a 3-D paint is the rotated view with no angles.
    view.canvas.InitWindow(view.bitmap->GetCanvas(), nullptr, clWhite, true, view.Whole());
    view.canvas.Projection(40, view.Whole(), TRect(0, 0, 50, 50));
    EXPECT_EQ(view.canvas.Calculate3DPosition(7, 8, 9), TPoint(7, 8));
}

}  // namespace
