// The fast line series: one pen for the whole line, moves and line-tos
// through the current position, the segment in from before the view,
// clicks, and points added while the chart does not repaint.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "chart/seriestypes/ChartSeriesTypes.h"
#include "chart/series/SeriesDrawSupport.h"
#include "chart/seriestypes/SeriesFastLine.h"

namespace {

using ::testing::ElementsAre;

class TMoveRecordingCanvas : public TSeriesRecordingCanvas {
public:
    explicit TMoveRecordingCanvas(TSeriesLog* ALog) : TSeriesRecordingCanvas(ALog), log_(ALog) {}
    void MoveTo(int X, int Y) override {
        log_->push_back("MoveTo " + Pt(X, Y));
        TSeriesRecordingCanvas::MoveTo(X, Y);
    }

private:
    TSeriesLog* log_;
};

// Bottom axis 0..10 over x 100..300, left axis 0..100 over y 250..50.
struct FastLine : ::testing::Test, TSeriesChart {
    FastLine() {
        chart->SetInternalCanvas(new TMoveRecordingCanvas(&log));
        line = New<TFastLineSeries>();
        line->SetSeriesColor(clRed);
    }
    TSeriesLog Drawn() {
        TSeriesLog result;
        for (const std::string& s : log)
            if (s.rfind("MoveTo", 0) == 0 || s.rfind("LineTo", 0) == 0 || s.rfind("Line ", 0) == 0)
                result.push_back(s);
        return result;
    }
    TFastLineSeries* line;
};

TEST_F(FastLine, OnePolylineThroughEveryPixelItMoves) {
    line->AddXY(0, 0);
    Paint();
    EXPECT_THAT(Drawn(), ElementsAre("MoveTo 100,250"));  // a lone point shows nothing
    line->AddXY(1, 10);
    line->AddXY(1, 10.1);  // the same pixel: nothing more
    line->AddXY(2, 0);
    Paint();
    EXPECT_THAT(Drawn(), ElementsAre("MoveTo 100,250", "LineTo 120,230", "LineTo 140,250"));
    EXPECT_EQ(PixelAt(110, 240), clRed);
}

TEST_F(FastLine, TheFirstSegmentComesInFromBeforeTheView) {
    for (int x = 0; x < 10; ++x) line->AddXY(x, x * 10);
    chart->GetBottomAxis()->SetMinMax(5, 15);
    Paint();
    EXPECT_EQ(line->GetFirstValueIndex(), 5);
    EXPECT_THAT(Drawn(), ElementsAre("Line 80,170 100,150 pen0000FF", "LineTo 120,130", "LineTo 140,110",
                                     "LineTo 160,90", "LineTo 180,70"));
}

TEST_F(FastLine, ThePenAndTheSeriesShareOneColour) {
    TChartPen red;
    red.SetColor(clRed);
    line->SetSeriesColor(clBlue);
    line->SetLinePen(&red);
    EXPECT_EQ(line->GetSeriesColor(), clRed);
    line->SetSeriesColor(clGreen);
    EXPECT_EQ(line->GetLinePen()->GetColor(), clGreen);
    auto* copy = New<TFastLineSeries>();
    line->SetAutoRepaint(false);
    copy->Assign(line);
    EXPECT_FALSE(copy->GetAutoRepaint());
    EXPECT_EQ(copy->GetLinePen()->GetColor(), clGreen);
}

TEST_F(FastLine, AColourGivenByTheChartOrACopyReachesThePen) {
    // The chart gives a new series a free palette colour.
    auto* fresh = New<TFastLineSeries>();
    const TColor colour = fresh->GetSeriesColor();
    EXPECT_NE(colour, clBlack);
    EXPECT_EQ(fresh->GetLinePen()->GetColor(), colour);
    fresh->AddXY(0, 50);
    fresh->AddXY(10, 50);
    Paint();
    EXPECT_EQ(PixelAt(200, 150), colour);
    // A copy of a series of another type takes its colour.
    auto* other = New<TLineSeries>();
    other->SetSeriesColor(clGreen);
    auto* copy = new TFastLineSeries(form);
    copy->Assign(other);
    EXPECT_EQ(copy->GetLinePen()->GetColor(), clGreen);
}

TEST_F(FastLine, ClicksOnPointsAndSegments) {
    line->AddXY(0, 0);
    line->AddXY(5, 50);
    line->AddXY(10, 0);
    Paint();
    struct Case {
        int x, y, index;
    };
    for (const Case& c : {Case{200, 150, 1}, Case{150, 200, 0}, Case{250, 200, 1}, Case{150, 150, -1}})
        EXPECT_EQ(line->Clicked(c.x, c.y), c.index) << c.x << "," << c.y;
}

TEST_F(FastLine, AddedWithoutRepaintDrawsItsSegmentIntoThePicture) {
    // Hidden: its own additions ask for no paint.
    auto* follower = New<TChartSeries>();
    follower->SetDataSource(line);
    follower->SetActive(false);
    int added = 0;
    line->OnAfterAdd = [&](TChartSeries*, int) { ++added; };
    line->AddXY(0, 0);
    line->AddXY(1, 10);
    Paint();
    Application->ProcessMessages();
    const int paints = chart->paints;
    line->SetAutoRepaint(false);
    log.clear();
    line->AddXY(2, 0);
    EXPECT_EQ(added, 3);
    EXPECT_EQ(follower->Count(), 3);
    EXPECT_THAT(Drawn(), ElementsAre("MoveTo 120,230", "LineTo 140,250"));
    Application->ProcessMessages();
    EXPECT_EQ(chart->paints, paints);
    // The stored picture holds the segment, so the window shows it again
    // when it is next exposed.
    auto* surface = dynamic_cast<TTeeCanvas3D*>(chart->GetCanvas());
    ASSERT_NE(surface->GetBitmap(), nullptr);
    EXPECT_EQ(surface->GetBitmap()->GetCanvas()->GetPixels(130, 240), clRed);
    EXPECT_TRUE(surface->ReDrawBitmap());
}

TEST(FastLineRegistry, InTheGallery) {
    const TTeeSeriesType* type = TeeSeriesTypes().FindSeriesClass(TeeSeriesClassOf<TFastLineSeries>());
    ASSERT_NE(type, nullptr);
    EXPECT_EQ(type->Description, "Fast Line");
}

}  // namespace
