// The flat surface, the chart pens, the 3-D view settings and the helpers.
#include <gtest/gtest.h>

#include <vector>

#include "Canvas3DTestSupport.h"

namespace {

TEST(TeCanvasGeometry, CentresTruncateTowardZeroAndSizesAreSigned) {
    int x = 0, y = 0;
    RectCenter(TRect(-3, -3, 0, 0), x, y);
    EXPECT_EQ(TPoint(x, y), TPoint(-1, -1));
    RectCenter(TRect(1, 2, 4, 7), x, y);
    EXPECT_EQ(TPoint(x, y), TPoint(2, 4));
    int w = 0, h = 0;
    RectSize(TRect(10, 20, 4, 27), w, h);
    EXPECT_EQ(w, -6);
    EXPECT_EQ(h, 7);
}

TEST(TeCanvasColours, DarkAndBrightStopAtTheEndsOfEachComponent) {
    EXPECT_EQ(ApplyDark(clWhite, 64), RGB(191, 191, 191));
    EXPECT_EQ(ApplyDark(RGB(50, 100, 200), 64), RGB(0, 36, 136));
    EXPECT_EQ(ApplyDark(RGB(64, 65, 0), 64), RGB(0, 1, 0));
    EXPECT_EQ(ApplyBright(RGB(200, 10, 255), 64), RGB(255, 74, 255));
    // System colours are resolved first: button face is silver here.
    EXPECT_EQ(ApplyDark(clBtnFace, 64), RGB(128, 128, 128));
    EXPECT_EQ(ApplyBright(clBtnShadow, 16), RGB(144, 144, 144));
}

TEST(TeCanvasPens, ChangesReachTheOwnerOnlyWhenAValueChanges) {
    int changes = 0;
    TChartPen pen([&](TObject*) { ++changes; });
    EXPECT_TRUE(pen.GetVisible());
    EXPECT_FALSE(pen.GetSmallDots());
    pen.SetVisible(true);
    pen.SetSmallDots(false);
    EXPECT_EQ(changes, 0);
    pen.SetVisible(false);
    pen.SetSmallDots(true);
    pen.SetColor(clRed);
    EXPECT_EQ(changes, 3);

    TChartPen copy(nullptr);
    copy.Assign(&pen);
    EXPECT_FALSE(copy.GetVisible());
    EXPECT_TRUE(copy.GetSmallDots());
    EXPECT_EQ(copy.GetColor(), clRed);
}

struct TViewLog {
    std::vector<int> zooms;
    std::vector<bool> scrolls;
    int zoomSeenBeforeStore = 0;
};

TEST(TeCanvasView3DOptions, SettersRepaintAndNotifyOnlyForChangedValues) {
    TCanvasOnBitmap view;
    TView3DOptions& options = view.options;
    TViewLog log;
    int repaintsAtScroll = -1;
    options.OnScrolled = [&](bool horizontal) {
        log.scrolls.push_back(horizontal);
        repaintsAtScroll = view.repaints;
    };
    options.OnZoomed = [&](int value) {
        log.zooms.push_back(value);
        log.zoomSeenBeforeStore = options.GetZoom();
    };
    options.SetElevation(345);
    options.SetRotation(345);
    options.SetPerspective(15);
    options.SetTilt(0);
    options.SetZoom(100);
    options.SetHorizOffset(0);
    options.SetVertOffset(0);
    options.SetOrthogonal(true);
    options.SetZoomText(true);
    EXPECT_EQ(view.repaints, 0);
    EXPECT_TRUE(log.zooms.empty());
    EXPECT_TRUE(log.scrolls.empty());

    options.SetElevation(-7);  // no value is refused
    options.SetOrthogonal(false);
    EXPECT_EQ(options.GetElevation(), -7);
    EXPECT_EQ(view.repaints, 2);

    options.SetHorizOffset(12);
    EXPECT_EQ(repaintsAtScroll, 3);  // the repaint request comes first
    options.SetVertOffset(-5);
    EXPECT_EQ(log.scrolls, (std::vector<bool>{true, false}));

    options.SetZoom(250);
    EXPECT_EQ(log.zooms, std::vector<int>{250});
    EXPECT_EQ(log.zoomSeenBeforeStore, 100);
    EXPECT_EQ(options.GetZoom(), 250);
    EXPECT_EQ(view.repaints, 5);
}

TEST(TeCanvasView3DOptions, AssignCopiesAllValuesWithoutRepainting) {
    int repaints = 0;
    TView3DOptions source(nullptr, nullptr), target(nullptr, [&](TObject*) { ++repaints; });
    source.SetElevation(10);
    source.SetHorizOffset(11);
    source.SetOrthogonal(false);
    source.SetPerspective(12);
    source.SetRotation(13);
    source.SetTilt(14);
    source.SetVertOffset(15);
    source.SetZoom(16);
    source.SetZoomText(false);
    target.Assign(&source);
    EXPECT_EQ(repaints, 0);
    EXPECT_EQ(target.GetElevation(), 10);
    EXPECT_EQ(target.GetHorizOffset(), 11);
    EXPECT_FALSE(target.GetOrthogonal());
    EXPECT_EQ(target.GetPerspective(), 12);
    EXPECT_EQ(target.GetRotation(), 13);
    EXPECT_EQ(target.GetTilt(), 14);
    EXPECT_EQ(target.GetVertOffset(), 15);
    EXPECT_EQ(target.GetZoom(), 16);
    EXPECT_FALSE(target.GetZoomText());
    TChartPen pen(nullptr);
    EXPECT_THROW(target.Assign(&pen), EAssignError);
}

// ---- Pens on the canvas ------------------------------------------------------------
class TeCanvasVisiblePen : public ::testing::Test {
protected:
    // A horizontal line across the bitmap at row y; the pixels of that row.
    std::vector<TColor> LineRow(int y) {
        view.canvas.DoHorizLine(10, 60, y);
        std::vector<TColor> row;
        for (int x = 10; x < 60; ++x) row.push_back(view.Pixel(x, y));
        return row;
    }
    TCanvasOnBitmap view;
};

TEST_F(TeCanvasVisiblePen, HiddenPenDrawsNothingUntilTheNextPen) {
    TChartHiddenPen hidden;
    TChartPen red;
    red.SetColor(clRed);
    view.canvas.AssignVisiblePen(&hidden);
    EXPECT_EQ(view.canvas.GetPen()->GetStyle(), psClear);
    EXPECT_EQ(LineRow(10), std::vector<TColor>(50, clWhite));
    view.canvas.AssignVisiblePen(&red);
    EXPECT_EQ(LineRow(12), std::vector<TColor>(50, clRed));
}

TEST_F(TeCanvasVisiblePen, SmallDotsDrawEveryOtherPixelAtWidthOne) {
    TChartPen dots;
    dots.SetColor(clBlue);
    dots.SetSmallDots(true);
    view.canvas.AssignVisiblePen(&dots);
    std::vector<TColor> row = LineRow(20);
    for (std::size_t i = 0; i < row.size(); ++i) EXPECT_EQ(row[i], i % 2 == 0 ? clBlue : clWhite) << i;

    // A hidden pen after the dots hides the line, even though the canvas
    // pen's style was clear before the dots came.
    TChartHiddenPen hidden;
    view.canvas.AssignVisiblePen(&hidden);
    view.canvas.AssignVisiblePen(&dots);
    view.canvas.AssignVisiblePen(&hidden);
    EXPECT_EQ(LineRow(30), std::vector<TColor>(50, clWhite));
}

TEST_F(TeCanvasVisiblePen, SmallDotsOfAWiderPenDrawThePensOwnStyle) {
    TChartPen wide;
    wide.SetColor(clGreen);
    wide.SetWidth(3);
    wide.SetSmallDots(true);
    view.canvas.AssignVisiblePen(&wide);
    EXPECT_EQ(view.canvas.GetPen()->GetWidth(), 3);
    EXPECT_EQ(LineRow(40), std::vector<TColor>(50, clGreen));
    EXPECT_EQ(view.Pixel(30, 41), clGreen);
}

// ---- Flat drawing ------------------------------------------------------------------
TEST(TeCanvasFlat, PolygonTakesTheIndexOfItsLastPoint) {
    TCanvasOnBitmap four, three;
    const TPoint square[4] = {{10, 10}, {40, 10}, {40, 40}, {10, 40}};
    for (TCanvasOnBitmap* view : {&four, &three}) {
        view->canvas.GetBrush()->SetColor(clRed);
        view->canvas.GetPen()->SetStyle(psClear);
    }
    four.canvas.Polygon(square, 3);
    three.canvas.Polygon(square, 2);
    EXPECT_EQ(four.Pixel(14, 35), clRed);   // below the diagonal: only the fourth point reaches it
    EXPECT_EQ(three.Pixel(14, 35), clWhite);
    EXPECT_EQ(three.Pixel(35, 14), clRed);
}

TEST(TeCanvasFlat, ResetStateLeavesTheCanvasAsEveryPaintEnds) {
    TCanvasOnBitmap view;
    TTeeCanvas3D& canvas = view.canvas;
    canvas.GetPen()->SetColor(clRed);
    canvas.GetPen()->SetWidth(4);
    canvas.GetPen()->SetStyle(psDash);
    canvas.GetBrush()->SetStyle(bsCross);
    canvas.GetFont()->SetColor(clBlue);
    canvas.GetFont()->SetSize(20);
    canvas.SetBackMode(cbmOpaque);
    canvas.SetBackColor(clNavy);
    canvas.ResetState();
    EXPECT_EQ(canvas.GetPen()->GetColor(), clBlack);
    EXPECT_EQ(canvas.GetPen()->GetWidth(), 1);
    EXPECT_EQ(canvas.GetPen()->GetStyle(), psSolid);
    EXPECT_EQ(canvas.GetBrush()->GetColor(), clWhite);
    EXPECT_EQ(canvas.GetBrush()->GetStyle(), bsSolid);
    EXPECT_EQ(canvas.GetFont()->GetColor(), clBlack);
    EXPECT_EQ(canvas.GetFont()->GetSize(), 10);
    EXPECT_EQ(canvas.GetBackColor(), clWhite);
    EXPECT_EQ(canvas.GetBackMode(), cbmTransparent);
}

TEST(TeCanvasFlat, SystemColoursAreResolvedForTheDeviceContext) {
    TCanvasOnBitmap view;
    view.canvas.SetPixel(3, 4, clBtnShadow);
    EXPECT_EQ(view.Pixel(3, 4), RGB(128, 128, 128));
    view.canvas.SetBackColor(clBtnFace);
    EXPECT_EQ(view.canvas.GetBackColor(), RGB(192, 192, 192));
}

TEST(TeCanvasFlat, TextIsMeasuredInTheCurrentFont) {
    TCanvasOnBitmap view;
    TTeeCanvas3D& canvas = view.canvas;
    canvas.GetFont()->SetName("Arial");
    canvas.GetFont()->SetSize(10);
    int width = canvas.TextWidth("Close 123.45"), height = canvas.TextHeight("Close");
    EXPECT_GT(width, 0);
    EXPECT_EQ(canvas.FontHeight(), canvas.TextHeight("W"));
    EXPECT_EQ(canvas.TextWidth(""), 0);
    canvas.GetFont()->SetSize(20);
    EXPECT_GT(canvas.TextWidth("Close 123.45"), width * 3 / 2);
    EXPECT_GT(canvas.TextHeight("Close"), height * 3 / 2);
}

TEST(TeCanvasFlat, Frame3DShadesTheEdgesAndShrinksTheRectangle) {
    TCanvasOnBitmap view;
    TRect r(10, 10, 30, 25);
    view.canvas.Frame3D(r, clWhite - 1, clBlack, 2);
    EXPECT_EQ(r, TRect(12, 12, 28, 23));
    const TColor top = clWhite - 1;
    for (int ring = 0; ring < 2; ++ring) {
        EXPECT_EQ(view.Pixel(10 + ring, 20), top);      // left edge
        EXPECT_EQ(view.Pixel(20, 10 + ring), top);      // top edge
        EXPECT_EQ(view.Pixel(29 - ring, 20), clBlack);  // right edge
        EXPECT_EQ(view.Pixel(20, 24 - ring), clBlack);  // bottom edge
    }
    EXPECT_EQ(view.Pixel(10, 24), clBlack);  // both far corners belong to the bottom colour
    EXPECT_EQ(view.Pixel(29, 10), clBlack);
    EXPECT_EQ(view.Pixel(20, 20), clWhite);
    EXPECT_EQ(InkOf(view.bitmap.get()).box, TRect(10, 10, 30, 25));
}

}  // namespace
