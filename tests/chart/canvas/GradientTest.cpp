// Gradient fills read back pixel by pixel.
#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "Canvas3DTestSupport.h"
#include "platform/runtime/SysUtils.h"

namespace {

// Step i of n on the way from start to end, per component.
TColor Step(TColor start, TColor end, int i, int n) {
    auto part = [&](int s, int e) { return n == 0 ? s : (s + MulDiv(i, e - s, n)) & 255; };
    return RGB(part(GetRValue(start), GetRValue(end)), part(GetGValue(start), GetGValue(end)),
               part(GetBValue(start), GetBValue(end)));
}

const TColor kStart = RGB(0, 0, 0), kEnd = RGB(90, 180, 45);

TEST(Gradient, TopBottomBandsRunFromTheStartColourAtTheBottom) {
    TCanvasOnBitmap view;
    view.canvas.GradientFill(TRect(5, 5, 15, 15), kStart, kEnd, gdTopBottom);
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(view.Pixel(5, 14 - i), Step(kStart, kEnd, i, 9)) << i;
        EXPECT_EQ(view.Pixel(14, 14 - i), Step(kStart, kEnd, i, 9)) << i;
    }
    EXPECT_EQ(view.Pixel(5, 5), kEnd);
    EXPECT_EQ(InkOf(view.bitmap.get()).box, TRect(5, 5, 15, 15));

    TCanvasOnBitmap reversed;
    reversed.canvas.GradientFill(TRect(5, 5, 15, 15), kStart, kEnd, gdBottomTop);
    EXPECT_EQ(Snapshot(reversed.bitmap.get()), Snapshot(view.bitmap.get()));
}

TEST(Gradient, LeftRightBandsRunFromTheStartColourAtTheRight) {
    TCanvasOnBitmap view, reversed;
    view.canvas.GradientFill(TRect(20, 10, 30, 13), kStart, kEnd, gdLeftRight);
    for (int i = 0; i < 10; ++i) EXPECT_EQ(view.Pixel(29 - i, 11), Step(kStart, kEnd, i, 9)) << i;
    EXPECT_EQ(InkOf(view.bitmap.get()).box, TRect(20, 10, 30, 13));
    reversed.canvas.GradientFill(TRect(20, 10, 30, 13), kStart, kEnd, gdRightLeft);
    EXPECT_EQ(Snapshot(reversed.bitmap.get()), Snapshot(view.bitmap.get()));
}

TEST(Gradient, TallRectanglesUseAtMost256Bands) {
    TCanvasOnBitmap view(4, 1010);
    view.canvas.GradientFill(TRect(0, 5, 4, 1005), clBlack, clWhite, gdTopBottom);
    std::set<TColor> colours;
    int run = 0, shortest = 1000, longest = 0;
    for (int y = 1004; y >= 5; --y) {
        TColor c = view.Pixel(2, y);
        colours.insert(c);
        ++run;
        if (y == 5 || view.Pixel(2, y - 1) != c) {
            shortest = std::min(shortest, run);
            longest = std::max(longest, run);
            run = 0;
        }
    }
    EXPECT_EQ(colours.size(), 256u);
    EXPECT_EQ(shortest, 3);
    EXPECT_EQ(longest, 4);
    EXPECT_EQ(view.Pixel(2, 1004), clBlack);
    EXPECT_EQ(view.Pixel(2, 5), clWhite);
}

// A single band has no way to go: it takes the start colour.
TEST(Gradient, SingleBandsTakeTheStartColour) {
    TCanvasOnBitmap view;
    view.canvas.GradientFill(TRect(3, 3, 40, 4), clRed, clBlue, gdTopBottom);
    view.canvas.GradientFill(TRect(3, 10, 4, 47), clRed, clBlue, gdLeftRight);
    EXPECT_EQ(CountColor(view.bitmap.get(), clRed, view.Whole()), 2 * 37);
    for (int d = gdTopBottom; d <= gdFromBottomLeft; ++d) {
        TCanvasOnBitmap dot;
        dot.canvas.GradientFill(TRect(7, 8, 8, 9), clRed, clBlue, static_cast<TGradientDirection>(d));
        EXPECT_EQ(dot.Pixel(7, 8), clRed) << d;
        EXPECT_EQ(InkOf(dot.bitmap.get()).count, 1) << d;
    }
}

TEST(Gradient, EmptyRectanglesPaintNothing) {
    for (int d = gdTopBottom; d <= gdFromBottomLeft; ++d) {
        TCanvasOnBitmap view;
        view.canvas.GradientFill(TRect(10, 10, 60, 10), clRed, clBlue, static_cast<TGradientDirection>(d));
        view.canvas.GradientFill(TRect(10, 10, 10, 60), clRed, clBlue, static_cast<TGradientDirection>(d));
        EXPECT_EQ(InkOf(view.bitmap.get()).count, 0) << d;
    }
}

TEST(Gradient, ReversedRectanglesAreTurnedRound) {
    for (int d = gdTopBottom; d <= gdFromBottomLeft; ++d) {
        TCanvasOnBitmap view, reversed;
        view.canvas.GradientFill(TRect(5, 8, 37, 29), clRed, clBlue, static_cast<TGradientDirection>(d));
        reversed.canvas.GradientFill(TRect(37, 29, 5, 8), clRed, clBlue, static_cast<TGradientDirection>(d));
        EXPECT_EQ(Snapshot(reversed.bitmap.get()), Snapshot(view.bitmap.get())) << d;
    }
}

// Each pixel takes the step of its distance from the corner along the
// longer of its two offsets.
TEST(Gradient, CornerGradientsSpreadInLayersFromTheirCorner) {
    const TRect r(10, 20, 50, 45);
    const int n = static_cast<int>(std::lround(std::sqrt(40.0 * 40 + 25 * 25)));
    for (bool fromTop : {true, false}) {
        TCanvasOnBitmap view;
        view.canvas.GradientFill(r, kStart, kEnd, fromTop ? gdFromTopLeft : gdFromBottomLeft);
        for (int y = r.Top; y < r.Bottom; ++y)
            for (int x = r.Left; x < r.Right; ++x) {
                int along = fromTop ? y - r.Top : r.Bottom - 1 - y;
                ASSERT_EQ(view.Pixel(x, y), Step(kStart, kEnd, std::max(x - r.Left, along), n))
                    << fromTop << " at " << x << "," << y;
            }
        EXPECT_EQ(InkOf(view.bitmap.get()).box, r) << fromTop;
    }
}

TEST(Gradient, CentreGradientsCloseInFromTheEdgesAndStayInside) {
    for (TRect r : {TRect(10, 10, 50, 40), TRect(10, 10, 21, 19), TRect(60, 5, 63, 100)}) {
        TCanvasOnBitmap view;
        view.canvas.GradientFill(r, clRed, clBlue, gdFromCenter);
        EXPECT_EQ(InkOf(view.bitmap.get()).box, r);
        EXPECT_EQ(CountColor(view.bitmap.get(), clWhite, r), 0);  // odd sizes too
        for (TPoint corner : {r.TopLeft(), TPoint(r.Right - 1, r.Top), TPoint(r.Left, r.Bottom - 1),
                              TPoint(r.Right - 1, r.Bottom - 1)})
            EXPECT_EQ(view.Pixel(corner.x, corner.y), clRed);
        int hw = r.Width() >> 1, hh = r.Height() >> 1;
        TColor centre = view.Pixel(r.Left + hw, r.Top + hh);
        EXPECT_GT(GetBValue(centre), 255 / 2);
    }
    // Between the corner and the centre the colour follows the steps.
    TCanvasOnBitmap view;
    view.canvas.GradientFill(TRect(10, 10, 50, 40), clRed, clBlue, gdFromCenter);
    EXPECT_EQ(view.Pixel(11, 25), Step(clRed, clBlue, 0, 35));
    EXPECT_EQ(view.Pixel(48, 25), Step(clRed, clBlue, 0, 35));  // the frames are alike on both sides
    EXPECT_EQ(view.Pixel(12, 25), Step(clRed, clBlue, 4, 35));  // the second frame, two pixels in
    EXPECT_EQ(view.Pixel(47, 25), Step(clRed, clBlue, 4, 35));
    EXPECT_EQ(view.Pixel(30, 14), Step(clRed, clBlue, 8, 35));
}

TEST(Gradient, SystemColoursAreResolvedAndTheCanvasBrushComesBack) {
    TCanvasOnBitmap view;
    view.canvas.GradientFill(TRect(0, 0, 10, 1), clBtnFace, clBtnShadow, gdTopBottom);
    EXPECT_EQ(view.Pixel(4, 0), RGB(192, 192, 192));
    view.canvas.GetBrush()->SetColor(clLime);
    view.canvas.GradientFill(TRect(0, 10, 10, 20), clRed, clBlue, gdTopBottom);
    view.canvas.GetPen()->SetStyle(psClear);
    view.canvas.Rectangle(20, 20, 30, 30);
    EXPECT_EQ(view.Pixel(24, 24), clLime);
}

}  // namespace
