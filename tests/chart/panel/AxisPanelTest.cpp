// The axis panel: its axes, the automatic range each axis takes from its
// series, which axes are shown, and paging.
#include <gtest/gtest.h>

#include "chart/messages/TeeExceptions.h"
#include "chart/seriestypes/CandleCh.h"
#include "chart/series/ChartTestSupport.h"

namespace {

struct AxisPanel : ::testing::Test, TChartOnForm {
    // A series of N points with X and Y from First by one.
    TChartSeries* Points(int N, double First = 0) {
        TChartSeries* s = NewSeries();
        for (int i = 0; i < N; ++i) s->AddXY(First + i, First + i);
        return s;
    }
    static std::pair<double, double> Range(TCustomChartAxis* Axis) {
        Axis->AdjustMaxMin();
        return {Axis->GetCurMinimum(), Axis->GetCurMaximum()};
    }
};

TEST_F(AxisPanel, FiveAxesInTheirOrder) {
    const auto& axes = chart->GetAxesList();
    ASSERT_EQ(axes.size(), 5u);
    EXPECT_EQ(axes[0], chart->GetBottomAxis());
    EXPECT_EQ(axes[1], chart->GetTopAxis());
    EXPECT_EQ(axes[2], chart->GetLeftAxis());
    EXPECT_EQ(axes[3], chart->GetRightAxis());
    EXPECT_EQ(axes[4], chart->GetDepthAxis());
    struct Expected {
        bool horizontal, otherSide, depth, visible;
        int titleAngle;
    };
    const Expected expected[] = {
        {true, false, false, true, 0}, {true, true, false, true, 0}, {false, false, false, true, 90},
        {false, true, false, true, 270}, {false, true, true, false, 0}};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(axes[i]->GetHorizontal(), expected[i].horizontal) << i;
        EXPECT_EQ(axes[i]->GetOtherSide(), expected[i].otherSide) << i;
        EXPECT_EQ(axes[i]->GetIsDepthAxis(), expected[i].depth) << i;
        EXPECT_EQ(axes[i]->GetVisible(), expected[i].visible) << i;
        EXPECT_EQ(axes[i]->GetDefaultTitleAngle(), expected[i].titleAngle) << i;
        EXPECT_TRUE(axes[i]->GetAutomatic()) << i;
    }
}

TEST_F(AxisPanel, AutomaticRangesComeFromTheSeriesOnEachAxis) {
    EXPECT_EQ(Range(chart->GetLeftAxis()), std::make_pair(0.0, 0.0));
    TChartSeries* a = Points(5, 10);   // 10..14
    TChartSeries* b = Points(3, -2);   // -2..0
    TChartSeries* right = Points(2, 100);
    right->SetVertAxis(aRightAxis);
    EXPECT_EQ(Range(chart->GetLeftAxis()), std::make_pair(-2.0, 14.0));
    EXPECT_EQ(Range(chart->GetRightAxis()), std::make_pair(100.0, 101.0));
    EXPECT_EQ(Range(chart->GetBottomAxis()), std::make_pair(-2.0, 101.0));
    EXPECT_EQ(chart->GetMaxValuesCount(), 5);

    // Inactive series count only while no active one is on the axis.
    b->SetActive(false);
    EXPECT_EQ(Range(chart->GetLeftAxis()), std::make_pair(10.0, 14.0));
    a->SetActive(false);
    EXPECT_EQ(Range(chart->GetLeftAxis()), std::make_pair(-2.0, 14.0));
    EXPECT_EQ(chart->GetAxisSeries(chart->GetLeftAxis()), a);
    a->SetActive(true);
    EXPECT_EQ(chart->GetAxisSeries(chart->GetLeftAxis()), a);
    EXPECT_EQ(chart->GetAxisSeries(chart->GetRightAxis()), right);
    EXPECT_EQ(chart->GetAxisSeries(chart->GetTopAxis()), nullptr);

    // A fixed end stays; the other follows the series.
    TCustomChartAxis* left = chart->GetLeftAxis();
    left->SetAutomaticMaximum(false);
    EXPECT_FALSE(left->GetAutomatic());
    left->SetMaximum(50);
    EXPECT_EQ(Range(left), std::make_pair(10.0, 50.0));
    left->SetAutomaticMaximum(true);
    EXPECT_TRUE(left->GetAutomatic());
    EXPECT_EQ(Range(left), std::make_pair(10.0, 14.0));
}

// A null point's placeholder 0 is no value: it neither widens an axis nor,
// when a series holds nothing else, gives the axis a range at all. Candles
// over a line of labelled null points keep the candles' own range.
TEST_F(AxisPanel, NullPointsLeaveTheRangesAlone) {
    TChartSeries* line = NewSeries();
    line->AddNull("first");
    line->Add(100);
    line->Add(110);
    line->AddNull("last");
    EXPECT_EQ(Range(chart->GetLeftAxis()), std::make_pair(100.0, 110.0));
    EXPECT_EQ(Range(chart->GetBottomAxis()), std::make_pair(0.0, 3.0));  // the nulls' places stay

    auto* candles = new TCandleSeries(form);
    candles->SetParentChart(chart);
    candles->AddCandle(0, 140, 150, 135, 145);
    candles->AddCandle(1, 145, 160, 144, 158);
    line->Clear();
    line->AddNull("1 Jun");
    line->AddNull("2 Jun");
    EXPECT_EQ(Range(chart->GetLeftAxis()), std::make_pair(135.0, 160.0));
    candles->Clear();
    EXPECT_EQ(Range(chart->GetLeftAxis()), std::make_pair(0.0, 0.0));
}

TEST_F(AxisPanel, FixedRangesAreCheckedAndNeverEmpty) {
    TCustomChartAxis* axis = chart->GetBottomAxis();
    axis->SetMinMax(10, 2);
    EXPECT_FALSE(axis->GetAutomatic());
    EXPECT_FALSE(axis->GetAutomaticMinimum());
    EXPECT_EQ(axis->GetMinimum(), 2);
    EXPECT_EQ(axis->GetMaximum(), 10);
    axis->SetMinMax(5, 5);
    EXPECT_EQ(axis->GetMinimum(), 5);
    EXPECT_EQ(axis->GetMaximum(), 5 + 1e-10);
    try {
        axis->SetMinimum(6);
        FAIL();
    } catch (const AxisException& e) {
        EXPECT_EQ(e.GetMessage(), "Axis Minimum Value must be <= Maximum");
    }
    EXPECT_THROW(axis->SetMaximum(4), AxisException);
    EXPECT_EQ(axis->GetMinimum(), 5);
    Points(3);
    EXPECT_EQ(Range(axis).first, 5);  // fixed: the series do not move it
    axis->SetAutomatic(true);
    EXPECT_TRUE(axis->GetAutomaticMinimum());
    EXPECT_EQ(Range(axis), std::make_pair(0.0, 2.0));
}

TEST_F(AxisPanel, WhichAxesAreShown) {
    // No series: every axis but the hidden depth axis.
    EXPECT_TRUE(chart->IsAxisVisible(chart->GetLeftAxis()));
    EXPECT_TRUE(chart->IsAxisVisible(chart->GetTopAxis()));
    EXPECT_FALSE(chart->IsAxisVisible(chart->GetDepthAxis()));
    chart->GetDepthAxis()->SetVisible(true);
    EXPECT_TRUE(chart->IsAxisVisible(chart->GetDepthAxis()));
    chart->SetView3D(false);
    EXPECT_FALSE(chart->IsAxisVisible(chart->GetDepthAxis()));

    // With series, the axes they use.
    TChartSeries* s = Points(2);
    EXPECT_TRUE(chart->IsAxisVisible(chart->GetLeftAxis()));
    EXPECT_TRUE(chart->IsAxisVisible(chart->GetBottomAxis()));
    EXPECT_FALSE(chart->IsAxisVisible(chart->GetTopAxis()));
    EXPECT_TRUE(chart->NoActiveSeries(chart->GetTopAxis()));
    s->SetActive(false);
    EXPECT_TRUE(chart->IsAxisVisible(chart->GetTopAxis()));
    s->SetActive(true);
    chart->GetLeftAxis()->SetVisible(false);
    EXPECT_FALSE(chart->IsAxisVisible(chart->GetLeftAxis()));
    chart->SetAxisVisible(false);
    EXPECT_FALSE(chart->IsAxisVisible(chart->GetBottomAxis()));
}

TEST_F(AxisPanel, PagesOfAHundredPoints) {
    Points(250);
    EXPECT_EQ(chart->NumPages(), 1);
    int pageChanges = 0;
    chart->OnPageChange = [&](TObject*) { ++pageChanges; };
    chart->SetMaxPointsPerPage(100);
    EXPECT_EQ(chart->NumPages(), 3);
    TCustomChartAxis* bottom = chart->GetBottomAxis();
    EXPECT_EQ(Range(bottom), std::make_pair(0.0, 99.0));
    // The value axis shows every point.
    EXPECT_EQ(Range(chart->GetLeftAxis()), std::make_pair(0.0, 249.0));

    chart->SetPage(3);
    EXPECT_EQ(Range(bottom), std::make_pair(200.0, 249.0));
    chart->SetScaleLastPage(false);
    // 50 points stretched to the width of 100.
    EXPECT_EQ(Range(bottom), std::make_pair(200.0, 200.0 + 49.0 * 100 / 50));
    chart->SetScaleLastPage(true);

    chart->SetPage(0);
    EXPECT_EQ(chart->GetPage(), 1);
    chart->SetPage(99);
    EXPECT_EQ(chart->GetPage(), 3);
    chart->SetPage(3);
    EXPECT_EQ(pageChanges, 3);

    try {
        chart->SetMaxPointsPerPage(-1);
        FAIL();
    } catch (const ChartException& e) {
        EXPECT_EQ(e.GetMessage(), "MaxPointsPerPage must be >= 0");
    }
    EXPECT_EQ(chart->GetMaxPointsPerPage(), 100);

    // Fewer pages than the page shown: back to the last one.
    chart->SetMaxPointsPerPage(200);
    EXPECT_EQ(chart->GetPage(), 2);
    EXPECT_EQ(Range(bottom), std::make_pair(200.0, 249.0));
}

TEST_F(AxisPanel, APageBeyondTheDataShowsTheOneBeforeTheLastFullPage) {
    TChartSeries* s = Points(350);
    chart->SetMaxPointsPerPage(100);
    chart->SetPage(4);
    for (int i = 0; i < 100; ++i) s->Delete(s->Count() - 1);
    EXPECT_EQ(chart->GetPage(), 4);
    EXPECT_EQ(Range(chart->GetBottomAxis()), std::make_pair(100.0, 199.0));
}

TEST_F(AxisPanel, PagingOfAnEmptyChart) {
    chart->SetMaxPointsPerPage(10);
    EXPECT_EQ(chart->NumPages(), 1);
    EXPECT_EQ(Range(chart->GetBottomAxis()), std::make_pair(0.0, 0.0));
    NewSeries();
    EXPECT_EQ(chart->NumPages(), 1);
    EXPECT_EQ(Range(chart->GetBottomAxis()), std::make_pair(0.0, 0.0));
}

TEST_F(AxisPanel, LegendSeriesAndTheirTitles) {
    TChartSeries* hidden = NewSeries();
    hidden->SetShowInLegend(false);
    TChartSeries* titled = NewSeries();
    titled->SetTitle("Close");
    TChartSeries* named = NewSeries();
    named->SetName("Volume");
    NewSeries()->SetActive(false);
    TChartSeries* plain = NewSeries();
    EXPECT_EQ(chart->ActiveSeriesLegend(0), titled);
    EXPECT_EQ(chart->ActiveSeriesLegend(2), plain);
    EXPECT_EQ(chart->ActiveSeriesLegend(3), nullptr);
    EXPECT_EQ(chart->SeriesTitleLegend(0), "Close");
    EXPECT_EQ(chart->SeriesTitleLegend(1), "Volume");
    EXPECT_EQ(chart->SeriesTitleLegend(2), "Series 2");
    EXPECT_EQ(chart->SeriesTitleLegend(3), "");
}

TEST_F(AxisPanel, WidestPointLabel) {
    TChartSeries* s = NewSeries();
    s->Add(1);
    EXPECT_EQ(chart->MaxTextWidth(), 0);
    s->Add(2, "1999-12-31");
    s->Add(3, "short");
    const int widest = chart->MaxTextWidth();
    EXPECT_EQ(widest, chart->GetCanvas()->TextWidth("1999-12-31"));
    EXPECT_GT(widest, chart->GetCanvas()->TextWidth("short"));
    // A label of two lines counts its wider line.
    s->Add(4, AnsiString("a\rwwwwwwwwwwwwwwwwwwwwwww"));
    EXPECT_EQ(chart->MaxTextWidth(), chart->GetCanvas()->TextWidth("wwwwwwwwwwwwwwwwwwwwwww"));
}

TEST_F(AxisPanel, AssignCopiesAxesAndPaging) {
    Points(30);
    chart->SetMaxPointsPerPage(10);
    chart->SetPage(2);
    chart->SetClipPoints(false);
    chart->GetLeftAxis()->SetMinMax(-1, 1);
    auto* other = new TTestChart(form);
    Points(30)->SetParentChart(other);
    other->Assign(chart);
    EXPECT_EQ(other->GetMaxPointsPerPage(), 10);
    EXPECT_EQ(other->GetPage(), 2);
    EXPECT_FALSE(other->GetClipPoints());
    EXPECT_FALSE(other->GetLeftAxis()->GetAutomatic());
    EXPECT_EQ(other->GetLeftAxis()->GetMaximum(), 1);
    EXPECT_FALSE(other->GetLeftAxis()->GetHorizontal());
}

}  // namespace
