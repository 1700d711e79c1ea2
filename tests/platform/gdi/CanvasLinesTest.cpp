// One-pixel and wide lines: end pixels, the diamond tie rules, pen styles,
// raster modes, clipping and mapping.
#include <gtest/gtest.h>

#include <random>

#include "CanvasTestSupport.h"

namespace {

using Rows = std::vector<std::string>;

TEST(CanvasLines, LineLeavesOutItsLastPixelInEitherDirection) {
    auto b = WhiteBitmap(12, 3);
    TCanvas* c = b->GetCanvas();
    c->MoveTo(2, 0);
    c->LineTo(8, 0);
    c->MoveTo(8, 2);
    c->LineTo(2, 2);
    EXPECT_EQ(Art(b.get(), TRect(0, 0, 12, 3)), (Rows{"..######....", "............", "...######..."}));
    EXPECT_EQ(c->GetPenPos(), TPoint(2, 2));
    EXPECT_EQ(DevicePixel(b.get(), 2, 0), clBlack);
}

TEST(CanvasLines, DiagonalAndTiesLightTheUpperOrLeftPixel) {
    auto b = WhiteBitmap(6, 6);
    TCanvas* c = b->GetCanvas();
    c->MoveTo(0, 0);
    c->LineTo(5, 5);
    EXPECT_EQ(Art(b.get(), TRect(0, 0, 6, 6)), (Rows{"#.....", ".#....", "..#...", "...#..", "....#.", "......"}));

    // x-major: at x = 2 the ideal line is at y = 0.5; the upper pixel wins,
    // whichever way the line is drawn.
    auto f = WhiteBitmap(5, 2);
    f->GetCanvas()->MoveTo(0, 0);
    f->GetCanvas()->LineTo(4, 1);
    EXPECT_EQ(Art(f.get(), TRect(0, 0, 5, 2)), (Rows{"###..", "...#."}));
    auto r = WhiteBitmap(5, 2);
    r->GetCanvas()->MoveTo(4, 1);
    r->GetCanvas()->LineTo(0, 0);
    EXPECT_EQ(Art(r.get(), TRect(0, 0, 5, 2)), (Rows{".##..", "...##"}));

    // y-major: at y = 2 the line is at x = 0.5; the left pixel wins.
    auto v = WhiteBitmap(2, 5);
    v->GetCanvas()->MoveTo(0, 0);
    v->GetCanvas()->LineTo(1, 4);
    EXPECT_EQ(Art(v.get(), TRect(0, 0, 2, 5)), (Rows{"#.", "#.", "#.", ".#", ".."}));
}

TEST(CanvasLines, ShallowAndSteepLinesHaveOnePixelPerColumnOrRow) {
    auto b = WhiteBitmap(40, 40);
    TCanvas* c = b->GetCanvas();
    c->MoveTo(1, 3);
    c->LineTo(38, 14);
    TInk ink = InkOf(b.get());
    EXPECT_EQ(ink.count, 37);
    EXPECT_EQ(ink.box, TRect(1, 3, 38, 15));

    auto s = WhiteBitmap(40, 40);
    s->GetCanvas()->MoveTo(30, 38);
    s->GetCanvas()->LineTo(20, 1);
    TInk steep = InkOf(s.get());
    EXPECT_EQ(steep.count, 37);
    EXPECT_EQ(steep.box, TRect(20, 2, 31, 39));
}

TEST(CanvasLines, PolylineDrawsSharedCornersOnceAndLeavesOutTheLastPoint) {
    auto b = WhiteBitmap(8, 8);
    TCanvas* c = b->GetCanvas();
    c->GetPen()->SetMode(pmNot);
    TPoint pts[] = {{1, 1}, {6, 1}, {6, 6}, {1, 6}, {1, 1}};
    c->Polyline(pts, 5);
    // Each corner changed once (a corner drawn twice would be white again).
    EXPECT_EQ(Art(b.get(), TRect(0, 0, 8, 8)),
              (Rows{"........", ".######.", ".#....#.", ".#....#.", ".#....#.", ".#....#.", ".######.", "........"}));
    c->Polyline(pts, 5);
    EXPECT_EQ(InkOf(b.get()).count, 0);
}

TEST(CanvasLines, StyledPensRunTheirDashesAndPaintGapsOnlyWhenOpaque) {
    auto b = WhiteBitmap(40, 6);
    HDC dc = b->GetDC();
    HPEN dot = CreatePen(PS_DOT, 1, clBlack);
    HGDIOBJ old = SelectObject(dc, dot);
    SetBkColor(dc, clRed);
    SetBkMode(dc, TRANSPARENT);
    MoveToEx(dc, 0, 0, nullptr);
    LineTo(dc, 12, 0);
    SetBkMode(dc, OPAQUE);
    MoveToEx(dc, 0, 1, nullptr);
    LineTo(dc, 12, 1);
    EXPECT_EQ(Art(b.get(), TRect(0, 0, 13, 1)), (Rows{"###...###...."}));
    std::string row1;
    for (int x = 0; x < 13; ++x) {
        TColor p = DevicePixel(b.get(), x, 1);
        row1 += p == clBlack ? 'k' : p == clRed ? 'r' : '.';
    }
    EXPECT_EQ(row1, "kkkrrrkkkrrr.");

    HPEN dash = CreatePen(PS_DASH, 1, clBlack);
    SelectObject(dc, dash);
    SetBkMode(dc, TRANSPARENT);
    MoveToEx(dc, 0, 3, nullptr);
    LineTo(dc, 40, 3);
    EXPECT_EQ(Art(b.get(), TRect(0, 3, 40, 4))[0], std::string(18, '#') + std::string(6, '.') + std::string(16, '#'));
    HPEN dashDot = CreatePen(PS_DASHDOT, 1, clBlack);
    SelectObject(dc, dashDot);
    MoveToEx(dc, 0, 4, nullptr);
    LineTo(dc, 30, 4);
    EXPECT_EQ(Art(b.get(), TRect(0, 4, 30, 5))[0], "#########......###......######");
    HPEN dashDotDot = CreatePen(PS_DASHDOTDOT, 1, clBlack);
    SelectObject(dc, dashDotDot);
    MoveToEx(dc, 0, 5, nullptr);
    LineTo(dc, 30, 5);
    EXPECT_EQ(Art(b.get(), TRect(0, 5, 30, 6))[0], "#########...###...###...######");
    SelectObject(dc, old);
    for (HPEN p : {dot, dash, dashDot, dashDotDot}) EXPECT_TRUE(DeleteObject(p));
}

TEST(CanvasLines, StyleRunsOnAcrossTheSegmentsOfAPolyline) {
    auto b = WhiteBitmap(12, 12);
    TCanvas* c = b->GetCanvas();
    c->GetBrush()->SetStyle(bsClear);
    c->GetPen()->SetStyle(psDot);
    TPoint pts[] = {{0, 0}, {4, 0}, {4, 6}, {0, 6}};
    c->Polyline(pts, 4);
    // Four pixels along x (on, on, on, off), then the pattern continues down
    // and, past the second corner, back along the bottom.
    EXPECT_EQ(Art(b.get(), TRect(0, 0, 5, 7)),
              (Rows{"###..", ".....", "....#", "....#", "....#", ".....", ".##.."}));
}

TEST(CanvasLines, AlternatePenLightsEveryOtherPixelThroughTheCanvasPen) {
    auto b = WhiteBitmap(12, 2);
    TCanvas* c = b->GetCanvas();
    c->GetBrush()->SetStyle(bsClear);
    LOGBRUSH lb;
    lb.lbColor = clBlue;
    c->GetPen()->SetHandle(ExtCreatePen(PS_COSMETIC | PS_ALTERNATE, 1, &lb, 0, nullptr));
    c->MoveTo(0, 0);
    c->LineTo(10, 0);
    EXPECT_EQ(Art(b.get(), TRect(0, 0, 12, 1))[0], "#.#.#.#.#...");
    EXPECT_EQ(DevicePixel(b.get(), 2, 0), clBlue);
    // A change of the pen's values drops the adopted handle.
    c->GetPen()->SetColor(clRed);
    c->MoveTo(0, 1);
    c->LineTo(10, 1);
    EXPECT_EQ(Art(b.get(), TRect(0, 1, 12, 2))[0], "##########..");
    EXPECT_EQ(ExtCreatePen(PS_COSMETIC | PS_ALTERNATE, 3, &lb, 0, nullptr), nullptr);
}

TEST(CanvasLines, WidePenCoversItsWidthWithRoundEnds) {
    auto b = WhiteBitmap(30, 15);
    TCanvas* c = b->GetCanvas();
    c->GetPen()->SetWidth(5);
    c->MoveTo(5, 7);
    c->LineTo(20, 7);
    TInk ink = InkOf(b.get());
    EXPECT_EQ(ink.box, TRect(3, 5, 23, 10));
    EXPECT_EQ(DevicePixel(b.get(), 3, 5), clWhite);  // rounded corner
    EXPECT_EQ(DevicePixel(b.get(), 12, 5), clBlack);
    EXPECT_EQ(DevicePixel(b.get(), 12, 9), clBlack);
    // The same stroke again, elsewhere and in the same place, covers the same pixels.
    auto again = WhiteBitmap(30, 15);
    for (int dy : {-5, 0}) {
        again->GetCanvas()->GetPen()->SetWidth(5);
        again->GetCanvas()->MoveTo(5, 7 + dy);
        again->GetCanvas()->LineTo(20, 7 + dy);
    }
    EXPECT_EQ(Art(again.get(), TRect(0, 5, 30, 10)), Art(b.get(), TRect(0, 5, 30, 10)));
    EXPECT_EQ(Art(again.get(), TRect(0, 0, 30, 5)), Art(b.get(), TRect(0, 5, 30, 10)));

    // A wide line of no length leaves a dot of the pen's width.
    auto d = WhiteBitmap(10, 10);
    d->GetCanvas()->GetPen()->SetWidth(3);
    d->GetCanvas()->MoveTo(5, 5);
    d->GetCanvas()->LineTo(5, 5);
    EXPECT_EQ(InkOf(d.get()).box, TRect(4, 4, 7, 7));

    // Dashes belong to one-pixel pens; a wide dashed pen draws solid.
    auto w = WhiteBitmap(40, 6);
    w->GetCanvas()->GetPen()->SetStyle(psDash);
    w->GetCanvas()->GetPen()->SetWidth(2);
    w->GetCanvas()->MoveTo(2, 3);
    w->GetCanvas()->LineTo(38, 3);
    EXPECT_EQ(CountColor(w.get(), clBlack, TRect(2, 0, 38, 6)), 72);
}

TEST(CanvasLines, ClearPenDrawsNothingButMoves) {
    auto b = WhiteBitmap(10, 10);
    TCanvas* c = b->GetCanvas();
    c->GetPen()->SetStyle(psClear);
    c->MoveTo(0, 0);
    c->LineTo(9, 9);
    EXPECT_EQ(InkOf(b.get()).count, 0);
    EXPECT_EQ(c->GetPenPos(), TPoint(9, 9));
}

TEST(CanvasLines, RasterModesCombinePenAndPicture) {
    struct Case { TPenMode mode; TColor dst, pen, expected; };
    const Case cases[] = {
        {pmBlack, 0x123456, 0xFFFFFF, 0x000000},        {pmWhite, 0x123456, 0x000000, 0xFFFFFF},
        {pmNop, 0x123456, 0xFFFFFF, 0x123456},          {pmNot, 0x123456, 0x000000, 0xEDCBA9},
        {pmCopy, 0x123456, 0x00FF00, 0x00FF00},         {pmNotCopy, 0x123456, 0x00FF00, 0xFF00FF},
        {pmXor, 0x0F0F0F, 0x00FFFF, 0x0FF0F0},          {pmNotXor, 0x0F0F0F, 0x00FFFF, 0xF00F0F},
        {pmMask, 0x0F0F0F, 0x00FFFF, 0x000F0F},         {pmMerge, 0x0F0F0F, 0x00FFFF, 0x0FFFFF},
        {pmNotMask, 0x0F0F0F, 0x00FFFF, 0xFFF0F0},      {pmNotMerge, 0x0F0F0F, 0x00FFFF, 0xF00000},
        {pmMaskPenNot, 0x0F0F0F, 0x00FFFF, 0x00F0F0},   {pmMaskNotPen, 0x0F0F0F, 0x00FFFF, 0x0F0000},
        {pmMergePenNot, 0x0F0F0F, 0x00FFFF, 0xF0FFFF},  {pmMergeNotPen, 0x0F0F0F, 0x00FFFF, 0xFF0F0F},
    };
    for (const Case& k : cases) {
        auto b = WhiteBitmap(4, 1);
        TCanvas* c = b->GetCanvas();
        c->SetPixels(1, 0, k.dst);
        c->GetPen()->SetColor(k.pen);
        c->GetPen()->SetMode(k.mode);
        c->MoveTo(1, 0);
        c->LineTo(2, 0);
        EXPECT_EQ(DevicePixel(b.get(), 1, 0), k.expected) << "mode " << k.mode;
    }
}

TEST(CanvasLines, XorAndNotLinesDrawnTwiceLeaveThePictureAsItWas) {
    for (TPenMode mode : {pmXor, pmNot, pmNotXor}) {
        auto b = WhiteBitmap(50, 50);
        TCanvas* c = b->GetCanvas();
        c->GetBrush()->SetColor(clTeal);
        c->FillRect(TRect(10, 10, 30, 40));
        std::vector<TColor> before = Snapshot(b.get());
        c->GetPen()->SetColor(clRed);
        c->GetPen()->SetMode(mode);
        for (int pass = 0; pass < 2; ++pass) {
            c->MoveTo(2, 3);
            c->LineTo(47, 44);
            c->MoveTo(40, 2);
            c->LineTo(5, 30);
        }
        EXPECT_EQ(Snapshot(b.get()), before) << "mode " << mode;
    }
}

// Segments along a row or a column run their pixels directly under a
// one-rectangle clip; under a region of several rectangles every pixel is
// walked and checked. Both must give the same pixels for every style,
// background mode, direction and clipping.
TEST(CanvasLines, StraightRunsGiveTheWalkedPixels) {
    std::mt19937 random(26);
    std::uniform_int_distribution<int> coordinate(-10, 50), straight(0, 2);
    const int styles[] = {PS_SOLID, PS_DOT, PS_DASH, PS_DASHDOT, PS_DASHDOTDOT, PS_ALTERNATE};
    for (int figure = 0; figure < 300; ++figure) {
        std::vector<TPoint> pts{{coordinate(random), coordinate(random)}};
        for (int i = 0; i < 4; ++i) {
            TPoint next(coordinate(random), coordinate(random));
            if (const int along = straight(random); along == 1) next.y = pts.back().y;
            else if (along == 2) next.x = pts.back().x;
            pts.push_back(next);
        }
        const int style = styles[figure % 6];
        const bool opaque = figure % 4 < 2, closed = figure % 3 == 0;
        auto draw = [&](bool severalRectangles) {
            auto b = WhiteBitmap(40, 40);
            HDC dc = b->GetDC();
            HRGN clip = CreateRectRgn(3, 4, 35, 37);
            SelectClipRgn(dc, clip);
            DeleteObject(clip);
            // The pixel taken out is left out of the comparison.
            if (severalRectangles) ExcludeClipRect(dc, 34, 36, 35, 37);
            LOGBRUSH brush{BS_SOLID, clBlack, 0};
            HPEN pen = style == PS_ALTERNATE ? ExtCreatePen(PS_COSMETIC | PS_ALTERNATE, 1, &brush, 0, nullptr)
                                             : CreatePen(style, 1, clBlack);
            HGDIOBJ old = SelectObject(dc, pen);
            SetBkColor(dc, clRed);
            SetBkMode(dc, opaque ? OPAQUE : TRANSPARENT);
            if (closed) {
                HGDIOBJ hollow = SelectObject(dc, GetStockObject(NULL_BRUSH));
                Polygon(dc, pts.data(), static_cast<int>(pts.size()));
                SelectObject(dc, hollow);
            } else
                Polyline(dc, pts.data(), static_cast<int>(pts.size()));
            SelectObject(dc, old);
            DeleteObject(pen);
            SetPixel(dc, 34, 36, clWhite);
            std::vector<TColor> pixels;
            for (int y = 0; y < 40; ++y)
                for (int x = 0; x < 40; ++x) pixels.push_back(x == 34 && y == 36 ? clWhite : DevicePixel(b.get(), x, y));
            return pixels;
        };
        EXPECT_EQ(draw(false), draw(true)) << "figure " << figure << ", style " << style;
    }
}

TEST(CanvasLines, ClipRegionsCutLinesAtTheirEdges) {
    auto b = WhiteBitmap(20, 5);
    HDC dc = b->GetDC();
    HRGN clip = CreateRectRgn(5, 0, 10, 5);
    SelectClipRgn(dc, clip);
    DeleteObject(clip);
    TCanvas* c = b->GetCanvas();
    c->MoveTo(0, 1);
    c->LineTo(20, 1);
    ExcludeClipRect(dc, 7, 0, 8, 5);
    c->MoveTo(0, 3);
    c->LineTo(20, 3);
    EXPECT_EQ(Art(b.get(), TRect(0, 0, 20, 5)),
              (Rows{"....................", ".....#####..........", "....................",
                    ".....##.##..........", "...................."}));
    TRect box;
    EXPECT_EQ(GetClipBox(dc, &box), COMPLEXREGION);
    EXPECT_EQ(box, TRect(5, 0, 10, 5));
    SelectClipRgn(dc, nullptr);
    c->MoveTo(0, 4);
    c->LineTo(20, 4);
    EXPECT_EQ(InkOf(b.get(), clWhite).box, TRect(0, 1, 20, 5));
}

TEST(CanvasLines, MappingScalesCoordinatesAndPenWidths) {
    auto b = WhiteBitmap(100, 100);
    HDC dc = b->GetDC();
    TCanvas* c = b->GetCanvas();
    SetMapMode(dc, MM_ANISOTROPIC);
    SetWindowExtEx(dc, 10, 10, nullptr);
    SetViewportExtEx(dc, 40, 20, nullptr);
    SetViewportOrgEx(dc, 10, 5, nullptr);
    c->GetPen()->SetWidth(0);  // always one pixel
    c->MoveTo(0, 0);
    c->LineTo(10, 0);
    EXPECT_EQ(InkOf(b.get()).box, TRect(10, 5, 50, 6));
    c->GetPen()->SetWidth(1);  // one logical unit: 4 pixels across
    c->MoveTo(0, 10);
    c->LineTo(0, 20);
    TRect band(0, 20, 100, 50);
    TInk ink = InkOf(b.get(), clWhite, &band);
    EXPECT_EQ(ink.box.Width(), 4);
    EXPECT_GE(ink.box.Top, 23);  // the round cap reaches half the width beyond the end
    EXPECT_LE(ink.box.Top, 24);

    TPoint p(5, 5);
    LPtoDP(dc, &p, 1);
    EXPECT_EQ(p, TPoint(30, 15));
    DPtoLP(dc, &p, 1);
    EXPECT_EQ(p, TPoint(5, 5));

    // Isotropic: the viewport gives way so that units stay square.
    SetMapMode(dc, MM_ISOTROPIC);
    SetWindowExtEx(dc, 10, 10, nullptr);
    SetViewportExtEx(dc, 40, 20, nullptr);
    TSize extent;
    GetViewportExtEx(dc, &extent);
    EXPECT_EQ(extent.cx, 20);
    EXPECT_EQ(extent.cy, 20);
    SetMapMode(dc, MM_TEXT);
    SetViewportOrgEx(dc, 0, 0, nullptr);
    p = TPoint(5, 5);
    LPtoDP(dc, &p, 1);
    EXPECT_EQ(p, TPoint(5, 5));
}

TEST(CanvasLines, BezierRunsThroughItsEndsAndBendsTowardsItsControls) {
    auto b = WhiteBitmap(60, 40);
    TCanvas* c = b->GetCanvas();
    TPoint straight[] = {{5, 5}, {20, 5}, {35, 5}, {50, 5}};
    c->PolyBezier(straight, 4);
    EXPECT_EQ(InkOf(b.get()).box, TRect(5, 5, 50, 6));
    TPoint bow[] = {{5, 35}, {5, 10}, {50, 10}, {50, 35}};
    c->PolyBezier(bow, 4);
    TRect lower(0, 8, 60, 40);
    TInk ink = InkOf(b.get(), clWhite, &lower);
    EXPECT_EQ(ink.box.Left, 5);
    EXPECT_EQ(ink.box.Right, 51);
    EXPECT_EQ(ink.box.Top, 16);  // three quarters of the way to the controls
    EXPECT_EQ(ink.box.Bottom, 36);
    EXPECT_FALSE(PolyBezier(c->GetHandle(), bow, 3));
}

}  // namespace
