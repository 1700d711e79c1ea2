// Solids, shapes and lines at a depth, read back from the bitmap. The view is
// the oblique one at zoom 100 unless a test says otherwise: a point at depth
// z shows z pixels right and z pixels up.
#include <gtest/gtest.h>

#include <algorithm>
#include <numbers>
#include <set>

#include "Canvas3DTestSupport.h"

namespace {

const TColor kFace = RGB(200, 160, 120);

class Canvas3DSolids : public ::testing::Test {
protected:
    Canvas3DSolids() {
        view.Begin(true, 40);
        Brush(kFace);
        view.canvas.GetPen()->SetStyle(psClear);
    }
    void Brush(TColor color, TBrushStyle style = bsSolid) {
        view.canvas.GetBrush()->SetColor(color);
        view.canvas.GetBrush()->SetStyle(style);
    }
    std::set<TColor> ColoursIn(const TRect& area) {
        std::set<TColor> colours;
        for (int y = area.Top; y < area.Bottom; ++y)
            for (int x = area.Left; x < area.Right; ++x) colours.insert(view.Pixel(x, y));
        return colours;
    }
    std::set<TColor> Ink() {
        std::set<TColor> colours = ColoursIn(view.Whole());
        colours.erase(clWhite);
        return colours;
    }
    TCanvasOnBitmap view;
};

TEST_F(Canvas3DSolids, CubesShowFrontSideAndTopWithDarkerSides) {
    view.canvas.Cube(40, 80, 60, 100, 0, 20, true);
    EXPECT_EQ(view.Pixel(60, 80), kFace);                      // front
    EXPECT_EQ(view.Pixel(90, 70), ApplyDark(kFace, 128));      // right side
    EXPECT_EQ(view.Pixel(70, 50), ApplyDark(kFace, 64));       // top
    EXPECT_EQ(view.canvas.GetBrush()->GetColor(), ApplyDark(kFace, 64));  // the last shade stays
    EXPECT_EQ(InkOf(view.bitmap.get()).box, TRect(40, 40, 100, 100));

    TCanvasOnBitmap plain;
    plain.Begin(true, 40);
    plain.canvas.GetBrush()->SetColor(kFace);
    plain.canvas.GetPen()->SetStyle(psClear);
    plain.canvas.Cube(40, 80, 60, 100, 0, 20, false);
    EXPECT_EQ(CountColor(plain.bitmap.get(), kFace, plain.Whole()), InkOf(plain.bitmap.get()).count);
}

TEST_F(Canvas3DSolids, HatchedCubesDarkenTheBackgroundOfTheirFaces) {
    Brush(clRed, bsCross);
    view.canvas.SetBackMode(cbmOpaque);
    view.canvas.SetBackColor(clWhite);
    view.canvas.Cube(40, 80, 60, 100, 0, 20, true);
    EXPECT_EQ(ColoursIn(TRect(45, 65, 75, 95)), (std::set<TColor>{clRed, clWhite}));
    EXPECT_EQ(ColoursIn(TRect(85, 60, 95, 80)), (std::set<TColor>{clRed, RGB(127, 127, 127)}));
    EXPECT_EQ(ColoursIn(TRect(60, 47, 80, 53)), (std::set<TColor>{clRed, RGB(191, 191, 191)}));
    EXPECT_EQ(view.canvas.GetBrush()->GetColor(), clRed);
}

TEST_F(Canvas3DSolids, FlatCubesDrawTheirFrontOnly) {
    view.Begin(false);
    view.canvas.Cube(40, 80, 60, 100, 0, 20, true);
    TInk ink = InkOf(view.bitmap.get());
    EXPECT_EQ(ink.box, TRect(40, 60, 80, 100));
    EXPECT_EQ(CountColor(view.bitmap.get(), kFace, view.Whole()), 40 * 40);
}

TEST_F(Canvas3DSolids, PointsAtADepthAreDotsOfAWidePen) {
    view.canvas.SetPixel3D(10, 20, 5, clRed);
    EXPECT_EQ(view.Pixel(15, 15), clRed);
    view.canvas.GetPen()->SetStyle(psSolid);
    view.canvas.GetPen()->SetColor(clBlue);
    view.canvas.GetPen()->SetWidth(3);
    view.canvas.SetPixel3D(50, 50, 0, clRed);
    EXPECT_EQ(view.Pixel(50, 50), clBlue);
    EXPECT_EQ(Ink(), (std::set<TColor>{clRed, clBlue}));
    EXPECT_EQ(CountColor(view.bitmap.get(), clRed, view.Whole()), 1);
}

TEST_F(Canvas3DSolids, LinesAtADepthAreProjectedAtBothEnds) {
    view.canvas.GetPen()->SetStyle(psSolid);
    view.canvas.HorizLine3D(10, 50, 30, 5);
    EXPECT_EQ(InkOf(view.bitmap.get()).box, TRect(15, 25, 55, 26));
    TCanvasOnBitmap other;
    other.Begin(true, 40);
    other.canvas.ZLine3D(20, 60, 0, 10);
    other.canvas.VertLine3D(100, 10, 40, 20);
    other.canvas.LineWithZ(150, 100, 160, 110, 3);
    EXPECT_EQ(other.Pixel(20, 60), clBlack);
    EXPECT_EQ(other.Pixel(25, 55), clBlack);
    EXPECT_EQ(other.Pixel(120, -10 + 15), clBlack);
    EXPECT_EQ(other.Pixel(158, 102), clBlack);
    EXPECT_EQ(InkOf(other.bitmap.get()).count, 10 + 20 + 10);
}

TEST_F(Canvas3DSolids, FlatShapesTakeTheirCornersFromTheProjection) {
    view.canvas.RectangleWithZ(TRect(10, 10, 30, 20), 5);
    EXPECT_EQ(InkOf(view.bitmap.get()).box, TRect(15, 5, 35, 15));

    TFourPoints points = {TPoint(50, 50), TPoint(70, 50), TPoint(70, 60), TPoint(50, 60)};
    view.canvas.PlaneFour3D(points, 0, 10);
    EXPECT_EQ(points, (TFourPoints{TPoint(50, 50), TPoint(70, 50), TPoint(80, 50), TPoint(60, 50)}));

    TCanvasOnBitmap faces;
    faces.Begin(true, 40);
    faces.canvas.GetBrush()->SetColor(kFace);
    faces.canvas.GetPen()->SetStyle(psClear);
    // Slanted edges keep to the fill rule: right and bottom edges stay out.
    faces.canvas.RectangleY(100, 100, 140, 0, 20);  // the top face of a box
    EXPECT_EQ(InkOf(faces.bitmap.get()).box, TRect(101, 80, 160, 100));
    TCanvasOnBitmap side;
    side.Begin(true, 40);
    side.canvas.GetBrush()->SetColor(kFace);
    side.canvas.GetPen()->SetStyle(psClear);
    side.canvas.RectangleZ(100, 60, 100, 0, 20);  // the side face of a box
    side.canvas.Plane3D(TPoint(10, 10), TPoint(10, 30), 0, 10);
    TRect sideArea(90, 30, 130, 110);
    EXPECT_EQ(InkOf(side.bitmap.get(), clWhite, &sideArea).box, TRect(100, 41, 120, 100));
}

TEST_F(Canvas3DSolids, PolygonsWithADepthAreScreenPolygons) {
    const TPoint points[5] = {{10, 10}, {60, 15}, {50, 60}, {30, 40}, {5, 50}};
    view.canvas.Polygon(points, 4);
    std::vector<TColor> flat = Snapshot(view.bitmap.get());
    for (int z : {0, 17, -30}) {
        TCanvasOnBitmap deep;
        deep.Begin(true, 40);
        deep.canvas.GetBrush()->SetColor(kFace);
        deep.canvas.GetPen()->SetStyle(psClear);
        deep.canvas.PolygonWithZ(points, 4, z);
        EXPECT_EQ(Snapshot(deep.bitmap.get()), flat) << z;
    }
}

TEST_F(Canvas3DSolids, TrianglesTakeTheFirstColour) {
    view.canvas.Triangle3D({Point3D(10, 10, 0), Point3D(50, 10, 0), Point3D(10, 50, 10)}, {clRed, clBlue, clLime});
    EXPECT_EQ(Ink(), std::set<TColor>{clRed});
    view.canvas.TriangleWithZ(TPoint(100, 100), TPoint(140, 100), TPoint(100, 140), 10);
    EXPECT_EQ(view.Pixel(115, 100), clRed);  // (105, 110) at depth 10
}

TEST_F(Canvas3DSolids, ArrowsPointFromTailToTip) {
    view.Begin(false);
    view.canvas.Arrow(true, TPoint(50, 50), TPoint(50, 50), 20, 30, 0);
    view.canvas.Arrow(false, TPoint(50, 50), TPoint(50, 50), 20, 30, 0);
    EXPECT_EQ(InkOf(view.bitmap.get()).count, 0);

    view.canvas.Arrow(true, TPoint(20, 100), TPoint(120, 100), 20, 30, 0);
    EXPECT_EQ(view.Pixel(50, 100), kFace);   // shaft, 10 pixels wide
    EXPECT_EQ(view.Pixel(50, 96), kFace);
    EXPECT_EQ(view.Pixel(50, 93), clWhite);
    EXPECT_EQ(view.Pixel(95, 93), kFace);    // head, 20 pixels wide
    EXPECT_EQ(view.Pixel(85, 93), clWhite);
    EXPECT_EQ(view.Pixel(115, 100), kFace);  // near the tip
    EXPECT_EQ(InkOf(view.bitmap.get()).box, TRect(20, 91, 120, 110));  // the head's corner is a single point

    TCanvasOnBitmap lines;
    lines.Begin(true, 40);
    lines.canvas.Arrow(false, TPoint(100, 20), TPoint(100, 120), 20, 30, 10);  // pointing down
    EXPECT_EQ(lines.Pixel(110, 60), clBlack);  // the shaft, 10 right and up
    EXPECT_EQ(lines.Pixel(110, 109), clBlack);
    EXPECT_EQ(lines.Pixel(101, 83), clBlack);  // one side of the head
    EXPECT_EQ(lines.Pixel(119, 83), clBlack);  // the other
    EXPECT_EQ(InkOf(lines.bitmap.get()).box, TRect(100, 10, 121, 111));
}

TEST_F(Canvas3DSolids, PyramidsShadeTheirSidesAndShowABaseOnlyFromAbove) {
    view.canvas.Pyramid(true, 40, 40, 80, 100, 0, 20, true);  // apex up at (70, 30)
    EXPECT_EQ(view.Pixel(60, 90), kFace);
    EXPECT_EQ(view.Pixel(85, 80), ApplyDark(kFace, 128));
    EXPECT_EQ(Ink(), (std::set<TColor>{kFace, ApplyDark(kFace, 128)}));

    TCanvasOnBitmap down;
    down.Begin(true, 40);
    down.canvas.GetBrush()->SetColor(kFace);
    down.canvas.GetPen()->SetStyle(psClear);
    down.canvas.Pyramid(true, 40, 100, 80, 60, 0, 20, true);  // apex down: the base is seen
    EXPECT_EQ(down.Pixel(70, 50), ApplyDark(kFace, 64));

    TCanvasOnBitmap lying;
    lying.Begin(true, 40);
    lying.canvas.GetBrush()->SetColor(kFace);
    lying.canvas.GetPen()->SetStyle(psClear);
    lying.canvas.Pyramid(false, 40, 40, 100, 80, 0, 20, true);  // apex right at (110, 50)
    EXPECT_EQ(lying.Pixel(60, 60), kFace);
    EXPECT_EQ(lying.Pixel(70, 36), ApplyDark(kFace, 64));

    TCanvasOnBitmap cone;
    cone.Begin(true, 40);
    cone.canvas.GetBrush()->SetColor(kFace);
    cone.canvas.GetPen()->SetStyle(psClear);
    cone.canvas.Cone(true, 40, 40, 80, 100, 0, 20, 50);
    EXPECT_EQ(Snapshot(cone.bitmap.get()), Snapshot(view.bitmap.get()));
}

TEST_F(Canvas3DSolids, CylindersDarkenBandByBandAndTheirCap) {
    view.canvas.Cylinder(true, 40, 40, 80, 100, 0, 20, true);
    EXPECT_EQ(view.Pixel(70, 30), ApplyDark(kFace, 64));  // the upper end, centred at depth 10
    std::set<TColor> shades;
    for (int k = 0; k < 16; ++k) shades.insert(ApplyDark(kFace, static_cast<Byte>(16 * k)));
    shades.insert(ApplyDark(kFace, 64));
    std::set<TColor> ink = Ink();
    EXPECT_TRUE(std::includes(shades.begin(), shades.end(), ink.begin(), ink.end()));
    EXPECT_GE(ink.size(), 4u);
    EXPECT_TRUE(ink.count(kFace));  // the first band drawn is not darkened

    TCanvasOnBitmap plain;
    plain.Begin(true, 40);
    plain.canvas.GetBrush()->SetColor(kFace);
    plain.canvas.GetPen()->SetStyle(psClear);
    plain.canvas.Cylinder(false, 40, 40, 100, 80, 0, 20, false);
    EXPECT_EQ(CountColor(plain.bitmap.get(), kFace, plain.Whole()), InkOf(plain.bitmap.get()).count);
    EXPECT_GT(InkOf(plain.bitmap.get()).count, 40 * 40);
}

TEST_F(Canvas3DSolids, PieSlicesShowTheirFaceInTheBrushColour) {
    view.canvas.Pie3D(100, 75, 40, 30, 0, 10, 0, std::numbers::pi / 2, true, true);
    EXPECT_EQ(view.Pixel(124, 55), kFace);  // the face, halfway round, 10 right and up
    EXPECT_EQ(Ink(), (std::set<TColor>{kFace, ApplyDark(kFace, 32)}));
    EXPECT_EQ(view.canvas.GetBrush()->GetColor(), kFace);  // back to the face colour, no rim seen
    TInk ink = InkOf(view.bitmap.get());
    EXPECT_EQ(ink.box, TRect(101, 35, 150, 75));  // the start side from the centre at depth 0 to depth 10

    TCanvasOnBitmap flat;
    flat.Begin(false);
    flat.canvas.GetBrush()->SetColor(kFace);
    flat.canvas.GetPen()->SetStyle(psClear);
    flat.canvas.Pie3D(100, 75, 40, 30, 0, 10, 0, 2 * std::numbers::pi, true, true);
    EXPECT_EQ(InkOf(flat.bitmap.get()).box, TRect(60, 45, 140, 105));
    EXPECT_EQ(flat.Pixel(100, 75), kFace);
}

TEST_F(Canvas3DSolids, EllipsesAndSpheres) {
    view.Begin(false);
    view.canvas.GetPen()->SetStyle(psSolid);
    view.canvas.EllipseWithZ(10, 10, 30, 20, 7);
    EXPECT_EQ(InkOf(view.bitmap.get()).box, TRect(10, 10, 31, 21));
    TCanvasOnBitmap deep;
    deep.Begin(true, 40);
    deep.canvas.GetBrush()->SetColor(kFace);
    deep.canvas.EllipseWithZ(10, 10, 30, 20, 5);
    EXPECT_EQ(InkOf(deep.bitmap.get()).box, TRect(15, 5, 35, 15));
    TCanvasOnBitmap sphere;
    sphere.Begin(false);
    sphere.canvas.Sphere(50, 50, 0, 10.5);  // radius 10, halves to even
    EXPECT_EQ(InkOf(sphere.bitmap.get()).box, TRect(40, 40, 61, 61));

    // A rotated view draws the outline as a polygon around a filled fan.
    TCanvasOnBitmap turned;
    turned.options.SetOrthogonal(false);
    turned.options.SetPerspective(0);
    turned.Begin(true, 40);
    turned.canvas.GetBrush()->SetColor(kFace);
    turned.canvas.GetPen()->SetColor(clBlue);
    turned.canvas.EllipseWithZ(80, 50, 120, 100, 20);
    TPoint centre = turned.canvas.Calculate3DPosition(100, 75, 20);
    EXPECT_EQ(turned.Pixel(centre.x, centre.y), kFace);
    TPoint top = turned.canvas.Calculate3DPosition(100, 100, 20);
    EXPECT_EQ(turned.Pixel(top.x, top.y), clBlue);
    EXPECT_EQ(turned.canvas.GetPen()->GetStyle(), psSolid);
}

}  // namespace
