// The point marker: every shape flat and in depth, its pen and brush
// colours, its sizes, margins and legend box, read from a recording canvas
// and from the pixels.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "chart/messages/TeeExceptions.h"
#include "chart/series/SeriesDrawSupport.h"

namespace {

using ::testing::ElementsAre;

struct PointerDraw : ::testing::Test, TSeriesChart {
    PointerDraw() {
        s = New<TPointSeries>();
        Paint();
        log.clear();
    }
    // One marker at (50, 40) drawn flat or in depth.
    TSeriesLog Draw(TSeriesPointerStyle Style, int H, int V, bool Is3D = false) {
        log.clear();
        s->GetPointer()->PrepareCanvas(clRed);
        s->GetPointer()->DrawPointer(Is3D, 50, 40, H, V, clRed, Style);
        return log;
    }
    TPointSeries* s;
};

TEST_F(PointerDraw, FlatShapes) {
    struct Case {
        TSeriesPointerStyle style;
        std::vector<std::string> calls;
    };
    const Case cases[] = {
        {psRectangle, {"Rect 48,37 53,44 brush0000FF"}},
        {psCircle, {"Ellipse 48,37 52,43"}},
        {psTriangle, {"Polygon 48,43 52,43 50,37"}},
        {psDownTriangle, {"Polygon 48,37 52,37 50,43"}},
        {psCross, {"VLine x50 37..44", "HLine 48..53 y40"}},
        {psDiagCross, {"Line 48,37 53,44 pen0000FF", "Line 52,37 47,44 pen0000FF"}},
        {psStar,
         {"VLine x50 37..44", "HLine 48..53 y40", "Line 48,37 53,44 pen0000FF", "Line 52,37 47,44 pen0000FF"}},
        {psDiamond, {"Polygon 48,40 50,37 52,40 50,43"}},
        {psSmallDot, {"Pixel 50,40"}},
    };
    for (const Case& c : cases) EXPECT_EQ(Draw(c.style, 2, 3), c.calls) << int(c.style);
    EXPECT_TRUE(Draw(static_cast<TSeriesPointerStyle>(42), 2, 3).empty());
}

TEST_F(PointerDraw, DeepShapes) {
    s->StartZ = 4;
    s->MiddleZ = 6;
    s->EndZ = 8;
    EXPECT_THAT(Draw(psRectangle, 2, 3, true), ElementsAre("Cube 48,37 52,43 z4..8"));
    s->GetPointer()->SetDraw3D(false);
    // No sphere without full rotation, and none when not asked for.
    EXPECT_THAT(Draw(psCircle, 2, 3, true), ElementsAre("EllipseZ 48,37 52,43 z4"));
    s->GetPointer()->SetDraw3D(true);
    EXPECT_THAT(Draw(psCircle, 2, 3, true), ElementsAre("EllipseZ 48,37 52,43 z4"));
}

TEST_F(PointerDraw, SmallestDiagonalCrossCoversFourPixelsEachWay) {
    s->GetPointer()->SetStyle(psDiagCross);
    s->GetPointer()->SetHorizSize(1);
    s->GetPointer()->SetVertSize(1);
    s->GetPointer()->GetPen()->SetColor(clBlue);
    s->AddXY(5, 50, "", clRed);
    const TSeriesLog lines = Only(Paint(), "Line");
    EXPECT_THAT(lines, ElementsAre("Line 199,149 202,152 pen0000FF", "Line 201,149 198,152 pen0000FF"));
    for (int d = -1; d <= 1; ++d) {
        EXPECT_EQ(PixelAt(200 + d, 150 + d), clRed) << d;
        EXPECT_EQ(PixelAt(200 - d, 150 + d), clRed) << d;
    }
    EXPECT_EQ(PixelAt(202, 152), clWhite);
    EXPECT_EQ(PixelAt(200, 149), clWhite);
}

TEST_F(PointerDraw, RectangleCoversNineByNinePixels) {
    s->GetPointer()->GetPen()->SetColor(DefaultPointColor);
    s->AddXY(5, 50, "", clRed);
    Paint();
    int covered = 0;
    for (int y = 140; y <= 160; ++y)
        for (int x = 190; x <= 210; ++x) covered += PixelAt(x, y) == clRed;
    EXPECT_EQ(covered, 81);
    EXPECT_EQ(PixelAt(196, 146), clRed);
    EXPECT_EQ(PixelAt(204, 154), clRed);
    EXPECT_EQ(PixelAt(205, 150), clWhite);
}

TEST_F(PointerDraw, PenAndBrushColours) {
    TChartPen* pen = s->GetPointer()->GetPen();
    TCanvas3D* canvas = chart->GetCanvas();
    pen->SetColor(DefaultPointColor);
    s->GetPointer()->GetBrush()->SetColor(DefaultPointColor);
    s->GetPointer()->PrepareCanvas(clRed);
    EXPECT_EQ(canvas->GetPen()->GetColor(), clRed);
    EXPECT_EQ(canvas->GetBrush()->GetColor(), clRed);
    pen->SetColor(clGreen);
    s->GetPointer()->GetBrush()->SetColor(clBlue);
    s->GetPointer()->PrepareCanvas(clRed);
    EXPECT_EQ(canvas->GetPen()->GetColor(), clGreen);
    EXPECT_EQ(canvas->GetBrush()->GetColor(), clBlue);
    pen->SetVisible(false);
    s->GetPointer()->PrepareCanvas(clRed);
    EXPECT_EQ(canvas->GetPen()->GetStyle(), psClear);
}

TEST_F(PointerDraw, SizesBelowOneAreRefused) {
    TSeriesPointer* p = s->GetPointer();
    EXPECT_THROW(p->SetHorizSize(0), ChartException);
    EXPECT_THROW(p->SetVertSize(-1), ChartException);
    EXPECT_EQ(p->GetHorizSize(), 4);
    EXPECT_EQ(p->GetVertSize(), 4);
}

TEST_F(PointerDraw, ChangesWhileDrawingStoreWithoutChecksOrRepaints) {
    TSeriesPointer* p = s->GetPointer();
    Application->ProcessMessages();
    const int paints = chart->paints;
    p->ChangeHorizSize(0);
    p->ChangeVertSize(-2);
    p->ChangeStyle(psStar);
    p->Change3D(false);
    Application->ProcessMessages();
    EXPECT_EQ(chart->paints, paints);
    EXPECT_EQ(p->GetHorizSize(), 0);
    EXPECT_EQ(p->GetVertSize(), -2);
    EXPECT_EQ(p->GetStyle(), psStar);
    EXPECT_FALSE(p->GetDraw3D());
    // The setters repaint.
    p->SetStyle(psCircle);
    Application->ProcessMessages();
    EXPECT_EQ(chart->paints, paints + 1);
}

TEST_F(PointerDraw, Margins) {
    int l = 0, r = 7, t = 0, b = 0;
    s->GetPointer()->CalcHorizMargins(l, r);
    s->GetPointer()->CalcVerticalMargins(t, b);
    EXPECT_EQ(l, 5);
    EXPECT_EQ(r, 7);
    EXPECT_EQ(t, 5);
    s->GetPointer()->SetInflateMargins(false);
    l = 0;
    s->GetPointer()->CalcHorizMargins(l, r);
    EXPECT_EQ(l, 0);
}

TEST_F(PointerDraw, LegendBoxNeverLargerThanTheMarker) {
    s->GetPointer()->DrawLegendShape(clRed, TRect(0, 0, 16, 10), true);
    // Beside a line: a third of the box, 5 and 3.
    EXPECT_THAT(log, ElementsAre("Rect 4,2 13,9 brush0000FF"));
    log.clear();
    s->GetPointer()->DrawLegendShape(clRed, TRect(0, 0, 4, 40), false);
    // Alone: half the box plus one, 3, and the marker's own 4.
    EXPECT_THAT(log, ElementsAre("Rect -1,16 6,25 brush0000FF"));
}

TEST_F(PointerDraw, AssignCopiesEverything) {
    auto* other = New<TPointSeries>();
    TSeriesPointer* p = s->GetPointer();
    p->SetStyle(psStar);
    p->SetHorizSize(7);
    p->SetDark3D(false);
    p->GetPen()->SetColor(clLime);
    other->GetPointer()->Assign(p);
    EXPECT_EQ(other->GetPointer()->GetStyle(), psStar);
    EXPECT_EQ(other->GetPointer()->GetHorizSize(), 7);
    EXPECT_FALSE(other->GetPointer()->GetDark3D());
    EXPECT_EQ(other->GetPointer()->GetPen()->GetColor(), clLime);
}

}  // namespace
