// Filled shapes: excluded right and bottom edges, the null pen's shrink,
// one change per pixel in the inverting modes, polygons, arcs and wide pens.
#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "CanvasTestSupport.h"

namespace {

using Rows = std::vector<std::string>;

TEST(CanvasShapes, RectangleKeepsWithinItsRightAndBottomEdges) {
    auto b = WhiteBitmap(10, 8);
    TCanvas* c = b->GetCanvas();
    c->GetBrush()->SetColor(clRed);
    c->Rectangle(2, 2, 8, 6);
    EXPECT_EQ(InkOf(b.get()).box, TRect(2, 2, 8, 6));
    EXPECT_EQ(CountColor(b.get(), clRed, TRect(0, 0, 10, 8)), 8);
    EXPECT_EQ(CountColor(b.get(), clRed, TRect(3, 3, 7, 5)), 8);
    EXPECT_EQ(CountColor(b.get(), clBlack, TRect(0, 0, 10, 8)), 16);

    // Reversed corners draw the same rectangle.
    auto r = WhiteBitmap(10, 8);
    r->GetCanvas()->GetBrush()->SetColor(clRed);
    r->GetCanvas()->Rectangle(8, 6, 2, 2);
    EXPECT_EQ(Snapshot(r.get()), Snapshot(b.get()));
}

TEST(CanvasShapes, NullPenShrinksFilledShapesByOnePixelRightAndBottom) {
    auto b = WhiteBitmap(12, 12);
    TCanvas* c = b->GetCanvas();
    c->GetPen()->SetStyle(psClear);
    c->GetBrush()->SetColor(clBlue);
    c->Rectangle(2, 2, 8, 6);
    EXPECT_EQ(InkOf(b.get()).box, TRect(2, 2, 7, 5));

    auto e = WhiteBitmap(12, 12);
    e->GetCanvas()->Ellipse(1, 1, 11, 9);
    EXPECT_EQ(InkOf(e.get()).box, TRect(1, 1, 11, 9));
    auto n = WhiteBitmap(12, 12);
    n->GetCanvas()->GetPen()->SetStyle(psClear);
    n->GetCanvas()->GetBrush()->SetColor(clBlack);
    n->GetCanvas()->Ellipse(1, 1, 11, 9);
    EXPECT_EQ(InkOf(n.get()).box, TRect(1, 1, 10, 8));

    auto p = WhiteBitmap(14, 14);
    p->GetCanvas()->GetBrush()->SetColor(clBlack);
    TPoint square[] = {{1, 1}, {11, 1}, {11, 11}, {1, 11}};
    p->GetCanvas()->Polygon(square, 4);
    EXPECT_EQ(InkOf(p.get()).box, TRect(1, 1, 12, 12));
    auto q = WhiteBitmap(14, 14);
    q->GetCanvas()->GetPen()->SetStyle(psClear);
    q->GetCanvas()->GetBrush()->SetColor(clBlack);
    q->GetCanvas()->Polygon(square, 4);
    EXPECT_EQ(InkOf(q.get()).box, TRect(1, 1, 11, 11));
    EXPECT_EQ(InkOf(q.get()).count, 100);
}

TEST(CanvasShapes, SmallEllipseOutline) {
    auto b = WhiteBitmap(6, 6);
    b->GetCanvas()->GetBrush()->SetStyle(bsClear);
    b->GetCanvas()->Ellipse(0, 0, 6, 6);
    EXPECT_EQ(Art(b.get(), TRect(0, 0, 6, 6)), (Rows{".####.", "#....#", "#....#", "#....#", "#....#", ".####."}));
}

TEST(CanvasShapes, EllipseTouchesEachSideOfItsBoxAndIsSymmetric) {
    for (TRect box : {TRect(3, 4, 40, 25), TRect(0, 0, 31, 31), TRect(5, 5, 9, 30), TRect(2, 2, 50, 5)}) {
        auto b = WhiteBitmap(60, 40);
        TCanvas* c = b->GetCanvas();
        c->GetBrush()->SetColor(clRed);
        c->Ellipse(box);
        EXPECT_EQ(InkOf(b.get()).box, box);
        std::vector<std::string> art = Art(b.get(), box);
        for (std::size_t y = 0; y < art.size(); ++y) {
            std::string mirrored(art[y].rbegin(), art[y].rend());
            EXPECT_EQ(art[y], mirrored);
            EXPECT_EQ(art[y], art[art.size() - 1 - y]);
        }
        // The outline closes: every row's ink runs from outline to outline.
        for (int y = box.Top; y < box.Bottom; ++y) {
            TRect row(box.Left, y, box.Right, y + 1);
            TInk ink = InkOf(b.get(), clWhite, &row);
            EXPECT_EQ(ink.count, ink.box.Width()) << "row " << y;
            if (ink.box.Width() > 2) {
                EXPECT_EQ(DevicePixel(b.get(), ink.box.Left, y), clBlack);
                EXPECT_EQ(DevicePixel(b.get(), ink.box.Right - 1, y), clBlack);
            }
        }
    }
}

// Draws in copy mode with black pen and brush, then in the inverting mode:
// the inverted pixels must be exactly those covered (each changed once),
// and a second inverting draw must restore the picture.
void ExpectEachPixelChangedOnce(const std::function<void(TCanvas*)>& setUp, const std::function<void(TCanvas*)>& draw) {
    auto covered = WhiteBitmap(70, 60);
    TCanvas* c = covered->GetCanvas();
    setUp(c);
    c->GetPen()->SetColor(clBlack);
    c->GetBrush()->SetColor(clBlack);
    draw(c);
    ASSERT_GT(InkOf(covered.get()).count, 0);
    for (TPenMode mode : {pmNot, pmNotXor}) {
        auto b = WhiteBitmap(70, 60);
        TCanvas* i = b->GetCanvas();
        setUp(i);
        i->GetPen()->SetColor(clBlack);  // not-xor with black inverts as not does
        i->GetBrush()->SetColor(clBlack);
        i->GetPen()->SetMode(mode);
        draw(i);
        EXPECT_EQ(Snapshot(b.get()), Snapshot(covered.get())) << "mode " << mode;
        draw(i);
        EXPECT_EQ(InkOf(b.get()).count, 0) << "mode " << mode;
    }
}

TEST(CanvasShapes, InvertingModesChangeEveryPixelOfAShapeOnce) {
    auto none = [](TCanvas*) {};
    auto dotted = [](TCanvas* c) { c->GetPen()->SetStyle(psDot); };
    auto wide = [](TCanvas* c) { c->GetPen()->SetWidth(5); };
    auto clear = [](TCanvas* c) { c->GetPen()->SetStyle(psClear); };
    auto rect = [](TCanvas* c) { c->Rectangle(5, 6, 50, 40); };
    auto ellipse = [](TCanvas* c) { c->Ellipse(4, 3, 61, 47); };
    auto round = [](TCanvas* c) { c->RoundRect(6, 5, 60, 50, 20, 14); };
    auto star = [](TCanvas* c) {
        TPoint pts[] = {{35, 3}, {55, 55}, {5, 22}, {65, 22}, {15, 55}};
        c->Polygon(pts, 5);
    };
    auto pie = [](TCanvas* c) { c->Pie(5, 5, 60, 50, 60, 20, 10, 5); };
    auto chord = [](TCanvas* c) { c->Chord(5, 5, 60, 50, 60, 40, 5, 5); };
    auto arc = [](TCanvas* c) { c->Arc(5, 5, 60, 50, 60, 40, 5, 5); };
    using Step = std::function<void(TCanvas*)>;
    const std::vector<Step> pens{none, dotted, wide, clear};
    const std::vector<Step> shapes{rect, ellipse, round, star, pie, chord, arc};
    for (std::size_t p = 0; p < pens.size(); ++p)
        for (std::size_t s = 0; s < shapes.size(); ++s) {
            if (p == 3 && s == 6) continue;  // an arc without a pen draws nothing
            SCOPED_TRACE("pen " + std::to_string(p) + ", shape " + std::to_string(s));
            ExpectEachPixelChangedOnce(pens[p], shapes[s]);
        }
}

// A plain rectangle has a road of its own; a rounded one with no corners
// takes the general one: both give the same pixels, whatever the size,
// pen, brush, raster mode and clip.
TEST(CanvasShapes, PlainRectanglesGiveTheGeneralShapesPixels) {
    std::mt19937 random(28);
    std::uniform_int_distribution<int> corner(-4, 30), size(-2, 12);
    for (int i = 0; i < 400; ++i) {
        const int l = corner(random), t = corner(random), r = l + size(random), b = t + size(random);
        auto draw = [&](bool rounded) {
            auto bitmap = WhiteBitmap(32, 32);
            TCanvas* c = bitmap->GetCanvas();
            c->GetPen()->SetStyle(i % 4 == 0 ? psClear : psSolid);
            c->GetPen()->SetMode(i % 3 == 0 ? pmXor : i % 3 == 1 ? pmNot : pmCopy);
            c->GetPen()->SetColor(clBlue);
            c->GetBrush()->SetColor(clRed);
            c->GetBrush()->SetStyle(i % 5 == 0 ? bsDiagCross : i % 5 == 1 ? bsClear : bsSolid);
            if (i % 2) {
                HRGN clip = CreateRectRgn(3, 2, 25, 27);
                SelectClipRgn(c->GetHandle(), clip);
                DeleteObject(clip);
            }
            if (rounded) c->RoundRect(l, t, r, b, 0, 0);
            else c->Rectangle(l, t, r, b);
            std::vector<TColor> pixels;
            for (int y = 0; y < 32; ++y)
                for (int x = 0; x < 32; ++x) pixels.push_back(DevicePixel(bitmap.get(), x, y));
            return pixels;
        };
        EXPECT_EQ(draw(false), draw(true)) << "rectangle " << i << ": " << l << ", " << t << ", " << r << ", " << b;
    }
}

TEST(CanvasShapes, PolygonsFillAlternateByDefaultAndWindingOnRequest) {
    TPoint star[] = {{50, 5}, {79, 95}, {2, 39}, {98, 39}, {21, 95}};
    auto b = WhiteBitmap(100, 100);
    TCanvas* c = b->GetCanvas();
    c->GetPen()->SetStyle(psClear);
    c->GetBrush()->SetColor(clBlack);
    c->Polygon(star, 5);
    EXPECT_EQ(DevicePixel(b.get(), 50, 55), clWhite);  // the middle is crossed twice
    EXPECT_EQ(DevicePixel(b.get(), 50, 20), clBlack);
    SetPolyFillMode(c->GetHandle(), WINDING);
    c->Polygon(star, 5);
    EXPECT_EQ(DevicePixel(b.get(), 50, 55), clBlack);
}

TEST(CanvasShapes, PieChordAndArcKeepToTheirAngles) {
    // Counter-clockwise from the ray to the right to the ray upwards: the top-right quarter.
    auto p = WhiteBitmap(22, 22);
    p->GetCanvas()->GetBrush()->SetColor(clBlack);
    p->GetCanvas()->Pie(0, 0, 21, 21, 20, 10, 10, 0);
    EXPECT_EQ(DevicePixel(p.get(), 15, 5), clBlack);
    EXPECT_EQ(DevicePixel(p.get(), 5, 5), clWhite);
    EXPECT_EQ(DevicePixel(p.get(), 5, 15), clWhite);
    EXPECT_EQ(DevicePixel(p.get(), 15, 15), clWhite);
    EXPECT_EQ(DevicePixel(p.get(), 18, 10), clBlack);  // the radius to the start point
    EXPECT_EQ(DevicePixel(p.get(), 10, 2), clBlack);   // the radius to the end point
    EXPECT_EQ(InkOf(p.get()).box, TRect(10, 0, 21, 11));

    auto c = WhiteBitmap(22, 22);
    c->GetCanvas()->GetBrush()->SetColor(clBlack);
    c->GetCanvas()->Chord(0, 0, 21, 21, 20, 10, 10, 0);
    EXPECT_EQ(DevicePixel(c.get(), 17, 3), clBlack);   // between the arc and the chord
    EXPECT_EQ(DevicePixel(c.get(), 12, 8), clWhite);   // between the chord and the centre
    EXPECT_EQ(DevicePixel(c.get(), 15, 5), clBlack);   // on the chord

    auto a = WhiteBitmap(22, 22);
    a->GetCanvas()->GetBrush()->SetColor(clBlack);
    a->GetCanvas()->Arc(0, 0, 21, 21, 20, 10, 10, 0);
    EXPECT_EQ(DevicePixel(a.get(), 15, 5), clWhite);
    EXPECT_EQ(DevicePixel(a.get(), 20, 10), clBlack);
    EXPECT_EQ(DevicePixel(a.get(), 10, 0), clBlack);
    EXPECT_EQ(InkOf(a.get()).box, TRect(10, 0, 21, 11));

    // Start and end on the same ray: the whole ellipse.
    auto f = WhiteBitmap(22, 22);
    f->GetCanvas()->Arc(0, 0, 21, 21, 20, 10, 20, 10);
    EXPECT_EQ(InkOf(f.get()).box, TRect(0, 0, 21, 21));
}

TEST(CanvasShapes, RoundRectRoundsOnlyItsCorners) {
    auto b = WhiteBitmap(24, 14);
    b->GetCanvas()->RoundRect(0, 0, 20, 12, 8, 6);
    EXPECT_EQ(InkOf(b.get()).box, TRect(0, 0, 20, 12));
    EXPECT_EQ(DevicePixel(b.get(), 0, 0), clWhite);
    EXPECT_EQ(DevicePixel(b.get(), 19, 11), clWhite);
    EXPECT_EQ(DevicePixel(b.get(), 10, 0), clBlack);
    EXPECT_EQ(DevicePixel(b.get(), 0, 6), clBlack);
    EXPECT_EQ(DevicePixel(b.get(), 19, 6), clBlack);
    EXPECT_EQ(DevicePixel(b.get(), 10, 11), clBlack);
    EXPECT_EQ(DevicePixel(b.get(), 1, 1), clBlack);
}

TEST(CanvasShapes, WidePensCentreOnTheOutlineOrStayInsideTheFrame) {
    auto b = WhiteBitmap(40, 40);
    TCanvas* c = b->GetCanvas();
    c->GetPen()->SetWidth(5);
    c->GetBrush()->SetColor(clRed);
    c->Rectangle(10, 10, 30, 30);
    EXPECT_EQ(InkOf(b.get()).box, TRect(8, 8, 32, 32));
    EXPECT_EQ(DevicePixel(b.get(), 20, 20), clRed);
    EXPECT_EQ(DevicePixel(b.get(), 20, 12), clBlack);
    EXPECT_EQ(DevicePixel(b.get(), 20, 13), clRed);

    auto f = WhiteBitmap(40, 40);
    TCanvas* i = f->GetCanvas();
    i->GetPen()->SetWidth(5);
    i->GetPen()->SetStyle(psInsideFrame);
    i->GetBrush()->SetColor(clRed);
    i->Rectangle(10, 10, 30, 30);
    EXPECT_EQ(InkOf(f.get()).box, TRect(10, 10, 30, 30));
    EXPECT_EQ(DevicePixel(f.get(), 10, 10), clBlack);  // square corners
    EXPECT_EQ(CountColor(f.get(), clRed, TRect(0, 0, 40, 40)), 100);
    auto e = WhiteBitmap(40, 40);
    e->GetCanvas()->GetPen()->SetWidth(5);
    e->GetCanvas()->GetPen()->SetStyle(psInsideFrame);
    e->GetCanvas()->Ellipse(10, 10, 30, 30);
    EXPECT_EQ(InkOf(e.get()).box, TRect(10, 10, 30, 30));
}

TEST(CanvasShapes, HatchesAreAnchoredAtTheBrushOrigin) {
    auto b = WhiteBitmap(16, 16);
    TCanvas* c = b->GetCanvas();
    c->GetBrush()->SetColor(clRed);
    c->GetBrush()->SetStyle(bsHorizontal);
    c->FillRect(TRect(0, 0, 16, 16));
    EXPECT_EQ(CountColor(b.get(), clRed, TRect(0, 0, 16, 16)), 32);
    EXPECT_EQ(CountColor(b.get(), clRed, TRect(0, 3, 16, 4)), 16);
    EXPECT_EQ(CountColor(b.get(), clRed, TRect(0, 11, 16, 12)), 16);

    // The pattern follows the device, not the shape: a shape moved by a few
    // pixels shows the same lines; moving the origin moves them.
    auto s = WhiteBitmap(16, 16);
    s->GetCanvas()->GetBrush()->SetColor(clRed);
    s->GetCanvas()->GetBrush()->SetStyle(bsFDiagonal);
    s->GetCanvas()->FillRect(TRect(3, 2, 16, 16));
    EXPECT_EQ(DevicePixel(s.get(), 5, 5), clRed);
    EXPECT_EQ(DevicePixel(s.get(), 13, 5), clRed);
    EXPECT_EQ(DevicePixel(s.get(), 6, 5), clWhite);
    SetBrushOrgEx(s->GetDC(), 1, 0, nullptr);
    s->GetCanvas()->GetBrush()->SetStyle(bsVertical);
    s->GetCanvas()->GetBrush()->SetColor(clBlue);
    s->GetCanvas()->FillRect(TRect(0, 0, 16, 1));
    EXPECT_EQ(Art(s.get(), TRect(0, 0, 16, 1), clWhite)[0], ".....#.......#..");

    auto d = WhiteBitmap(8, 8);
    d->GetCanvas()->GetBrush()->SetStyle(bsDiagCross);
    d->GetCanvas()->GetBrush()->SetColor(clBlack);
    d->GetCanvas()->FillRect(TRect(0, 0, 8, 8));
    EXPECT_EQ(Art(d.get(), TRect(0, 0, 8, 8)),
              (Rows{"#......#", ".#....#.", "..#..#..", "...##...", "...##...", "..#..#..", ".#....#.", "#......#"}));
}

TEST(CanvasShapes, HatchBackgroundShowsOnlyInOpaqueMode) {
    auto b = WhiteBitmap(8, 8);
    TCanvas* c = b->GetCanvas();
    c->GetBrush()->SetStyle(bsCross);
    c->GetBrush()->SetColor(clBlack);
    HDC dc = c->GetHandle();
    EXPECT_EQ(GetBkMode(dc), TRANSPARENT);
    SetBkMode(dc, OPAQUE);
    SetBkColor(dc, clYellow);
    c->Rectangle(0, 0, 8, 8);
    EXPECT_EQ(CountColor(b.get(), clYellow, TRect(1, 1, 7, 7)), 36 - 11);
    EXPECT_EQ(CountColor(b.get(), clBlack, TRect(1, 1, 7, 7)), 11);
}

TEST(CanvasShapes, FillRectAndFrameRectUseTheBrushInsideTheRectangle) {
    auto b = WhiteBitmap(10, 8);
    TCanvas* c = b->GetCanvas();
    c->GetBrush()->SetColor(clGreen);
    c->FillRect(TRect(2, 2, 6, 5));
    EXPECT_EQ(InkOf(b.get()).box, TRect(2, 2, 6, 5));
    EXPECT_EQ(InkOf(b.get()).count, 12);
    c->FillRect(TRect(8, 2, 7, 5));  // reversed: nothing
    EXPECT_EQ(InkOf(b.get()).count, 12);
    // A colour given to a clear brush makes it solid again.
    c->GetBrush()->SetStyle(bsClear);
    c->GetBrush()->SetColor(clMaroon);
    EXPECT_EQ(c->GetBrush()->GetStyle(), bsSolid);

    auto f = WhiteBitmap(8, 7);
    f->GetCanvas()->GetBrush()->SetColor(clNavy);
    f->GetCanvas()->FrameRect(TRect(1, 1, 7, 6));
    EXPECT_EQ(Art(f.get(), TRect(0, 0, 8, 7)),
              (Rows{"........", ".######.", ".#....#.", ".#....#.", ".#....#.", ".######.", "........"}));
}

TEST(CanvasShapes, PolygonRegionsClipLikeThePolygonFills) {
    TPoint triangle[] = {{2, 2}, {30, 5}, {6, 28}};
    auto filled = WhiteBitmap(32, 32);
    filled->GetCanvas()->GetPen()->SetStyle(psClear);
    filled->GetCanvas()->GetBrush()->SetColor(clBlack);
    filled->GetCanvas()->Polygon(triangle, 3);

    auto clipped = WhiteBitmap(32, 32);
    HRGN region = CreatePolygonRgn(triangle, 3, ALTERNATE);
    EXPECT_TRUE(PtInRegion(region, 10, 10));
    EXPECT_FALSE(PtInRegion(region, 30, 30));
    TRect box;
    EXPECT_EQ(GetRgnBox(region, &box), COMPLEXREGION);
    EXPECT_EQ(box, InkOf(filled.get()).box);
    SelectClipRgn(clipped->GetDC(), region);
    DeleteObject(region);
    clipped->GetCanvas()->GetBrush()->SetColor(clBlack);
    clipped->GetCanvas()->FillRect(TRect(0, 0, 32, 32));
    EXPECT_EQ(Snapshot(clipped.get()), Snapshot(filled.get()));

    HRGN a = CreateRectRgn(0, 0, 10, 10), d = CreateRectRgn(5, 0, 10, 10), r = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(CombineRgn(r, a, d, RGN_DIFF), SIMPLEREGION);
    EXPECT_EQ(GetRgnBox(r, &box), SIMPLEREGION);
    EXPECT_EQ(box, TRect(0, 0, 5, 10));
    EXPECT_EQ(CombineRgn(r, a, d, RGN_AND), SIMPLEREGION);
    EXPECT_EQ(CombineRgn(r, d, a, RGN_DIFF), NULLREGION);
    EXPECT_EQ(OffsetRgn(a, 3, 4), SIMPLEREGION);
    EXPECT_TRUE(PtInRegion(a, 12, 13));
    for (HRGN g : {a, d, r}) DeleteObject(g);
}

TEST(CanvasShapes, RegionsThatMakeARectangleAreOneSimpleRegion) {
    TRect box;
    TPoint square[] = {{10, 10}, {40, 10}, {40, 40}, {10, 40}};
    HRGN polygon = CreatePolygonRgn(square, 4, WINDING);
    EXPECT_EQ(GetRgnBox(polygon, &box), SIMPLEREGION);
    EXPECT_EQ(box, TRect(10, 10, 40, 40));

    HRGN left = CreateRectRgn(0, 0, 5, 10), right = CreateRectRgn(5, 0, 10, 10), r = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(CombineRgn(r, left, right, RGN_OR), SIMPLEREGION);
    EXPECT_EQ(GetRgnBox(r, &box), SIMPLEREGION);
    EXPECT_EQ(box, TRect(0, 0, 10, 10));

    // A hole in the middle, then the overlap of two squares left out.
    HRGN hole = CreateRectRgn(3, 3, 6, 6);
    EXPECT_EQ(CombineRgn(r, r, hole, RGN_DIFF), COMPLEXREGION);
    EXPECT_TRUE(PtInRegion(r, 2, 4));
    EXPECT_FALSE(PtInRegion(r, 4, 4));
    EXPECT_TRUE(PtInRegion(r, 6, 4));
    EXPECT_EQ(CombineRgn(r, r, hole, RGN_OR), SIMPLEREGION);
    HRGN a = CreateRectRgn(0, 0, 6, 6), b = CreateRectRgn(3, 3, 9, 9);
    EXPECT_EQ(CombineRgn(r, a, b, RGN_XOR), COMPLEXREGION);
    EXPECT_TRUE(PtInRegion(r, 1, 1));
    EXPECT_FALSE(PtInRegion(r, 4, 4));
    EXPECT_TRUE(PtInRegion(r, 7, 7));
    EXPECT_FALSE(PtInRegion(r, 7, 1));
    EXPECT_EQ(GetRgnBox(r, &box), COMPLEXREGION);
    EXPECT_EQ(box, TRect(0, 0, 9, 9));
    for (HRGN g : {polygon, left, right, r, hole, a, b}) DeleteObject(g);
}

TEST(CanvasShapes, SavedContextRestoresClipColoursModesAndMapping) {
    auto b = WhiteBitmap(20, 20);
    HDC dc = b->GetDC();
    int level = SaveDC(dc);
    EXPECT_EQ(level, 1);
    IntersectClipRect(dc, 0, 0, 5, 5);
    SetBkColor(dc, clRed);
    SetROP2(dc, R2_XORPEN);
    SetMapMode(dc, MM_ANISOTROPIC);
    SetViewportExtEx(dc, 2, 2, nullptr);
    EXPECT_EQ(SaveDC(dc), 2);
    EXPECT_TRUE(RestoreDC(dc, 1));
    EXPECT_FALSE(RestoreDC(dc, 1));
    EXPECT_EQ(GetBkColor(dc), clWhite);
    EXPECT_EQ(GetROP2(dc), R2_COPYPEN);
    EXPECT_EQ(GetMapMode(dc), MM_TEXT);
    TRect box;
    EXPECT_EQ(GetClipBox(dc, &box), SIMPLEREGION);
    EXPECT_EQ(box, TRect(0, 0, 20, 20));
}

TEST(CanvasShapes, ObjectsReportTheirRecordsAndOutliveTheirSelection) {
    auto b = WhiteBitmap(10, 10);
    HDC dc = b->GetDC();
    HPEN pen = CreatePen(PS_DASH, 3, clRed);
    LOGPEN lp;
    EXPECT_EQ(GetObject(pen, sizeof lp, &lp), static_cast<int>(sizeof lp));
    EXPECT_EQ(lp.lopnStyle, PS_DASH);
    EXPECT_EQ(lp.lopnWidth.x, 3);
    EXPECT_EQ(lp.lopnColor, clRed);
    HBRUSH hatch = CreateHatchBrush(HS_CROSS, clBlue);
    LOGBRUSH lb;
    GetObject(hatch, sizeof lb, &lb);
    EXPECT_EQ(lb.lbStyle, BS_HATCHED);
    EXPECT_EQ(lb.lbHatch, HS_CROSS);
    EXPECT_EQ(GetObject(hatch, 2, &lb), 0);

    HGDIOBJ oldPen = SelectObject(dc, pen);
    EXPECT_EQ(oldPen, GetStockObject(BLACK_PEN));
    EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), pen);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), GetStockObject(WHITE_BRUSH));
    EXPECT_TRUE(DeleteObject(pen));  // still selected: lives until deselected
    MoveToEx(dc, 0, 5, nullptr);
    LineTo(dc, 10, 5);
    EXPECT_EQ(DevicePixel(b.get(), 5, 5), clRed);
    EXPECT_EQ(SelectObject(dc, oldPen), pen);
    EXPECT_TRUE(DeleteObject(hatch));
    EXPECT_TRUE(DeleteObject(GetStockObject(WHITE_BRUSH)));
    EXPECT_EQ(CreateHatchBrush(9, clBlue), nullptr);
}

TEST(CanvasShapes, EnormousShapesDrawOnlyWhatShows) {
    auto b = WhiteBitmap(100, 100);
    TCanvas* c = b->GetCanvas();
    c->GetBrush()->SetColor(clRed);
    // A circle of two million pixels whose top edge crosses the picture at row 10.
    c->Ellipse(-1000000, 10, 1000001, 2000011);
    EXPECT_EQ(CountColor(b.get(), clWhite, TRect(0, 0, 100, 10)), 1000);
    EXPECT_EQ(CountColor(b.get(), clBlack, TRect(0, 10, 100, 11)), 100);
    EXPECT_EQ(CountColor(b.get(), clRed, TRect(0, 11, 100, 100)), 8900);
    c->GetBrush()->SetColor(clBlue);
    c->Pie(-3000000, -3000000, 3000000, 3000000, 3000000, 0, 0, -3000000);
    EXPECT_EQ(CountColor(b.get(), clBlue, TRect(0, 0, 100, 100)), 0);  // the top-right quarter lies elsewhere
    c->Pie(-3000000, -3000000, 3000000, 3000000, 0, 3000000, 3000000, 0);
    EXPECT_EQ(CountColor(b.get(), clBlue, TRect(1, 1, 100, 100)), 99 * 99);
    c->RoundRect(-5000000, -5000000, 5000000, 5000000, 100000, 100000);
    EXPECT_EQ(CountColor(b.get(), clBlue, TRect(0, 0, 100, 100)), 10000);
}

}  // namespace
