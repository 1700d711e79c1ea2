// The pixel side of an axis: its ends and place in the chart rectangle, the
// room it takes, values to pixels and back (linear, logarithmic, depth),
// margins at its ends and clicks on it.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

#include "chart/axis/AxisTestSupport.h"

namespace {

struct AxisGeometry : ::testing::Test, TAxisChart {
    TChartAxis* bottom = chart->GetBottomAxis();
    TChartAxis* left = chart->GetLeftAxis();
};

TEST_F(AxisGeometry, LinearMappingBothWays) {
    Place(bottom, TRect(50, 0, 450, 100), 0, 100);
    EXPECT_EQ(bottom->CalcXPosValue(25), 150);
    EXPECT_EQ(bottom->CalcPosValue(100), 450);
    EXPECT_EQ(bottom->CalcSizeValue(25), 100);
    bottom->SetInverted(true);
    EXPECT_EQ(bottom->CalcXPosValue(25), 350);
    EXPECT_NEAR(bottom->CalcPosPoint(350), 25, 0.25);
    Place(left, TRect(0, 20, 100, 220), 0, 10);
    EXPECT_EQ(left->CalcYPosValue(0), 220);
    EXPECT_EQ(left->CalcYPosValue(10), 20);
    EXPECT_DOUBLE_EQ(left->CalcPosPoint(120), 5);
}

TEST_F(AxisGeometry, PixelToValueReturnsTheValueWithinAPixel) {
    Place(bottom, TRect(13, 0, 391, 100), -7.5, 1234.25);
    const double pixelValue = bottom->GetCurRange() / bottom->GetPixelSize();
    for (double v = -7.5; v <= 1234.25; v += 17.3)
        EXPECT_NEAR(bottom->CalcPosPoint(bottom->CalcXPosValue(v)), v, pixelValue) << v;
}

TEST_F(AxisGeometry, EmptyRangeAndValuesFarOutGoToTheCentre) {
    Place(bottom, TRect(50, 0, 450, 100), 0, 100);
    bottom->SetMinMax(5, 5);
    bottom->AdjustMaxMin();
    EXPECT_NE(bottom->CalcXPosValue(5), 250);  // 1e-10 wide, not empty
    chart->GetRightAxis()->InternalCalcPositions();
    TChartAxis* axis = chart->GetRightAxis();
    axis->AdjustMaxMin();  // no series: 0..0
    EXPECT_EQ(axis->CalcYPosValue(123), axis->GetCenterPixel());
    EXPECT_EQ(axis->CalcPosPoint(axis->GetStartPixel() + 7), 0);
    bottom->SetMinMax(0, 1);
    bottom->AdjustMaxMin();
    EXPECT_EQ(bottom->CalcXPosValue(1e12), 250);
    EXPECT_EQ(bottom->CalcXPosValue(-1e12), 250);
    EXPECT_EQ(bottom->CalcXPosValue(std::numeric_limits<double>::quiet_NaN()), 250);
    // Just inside the guard: the offset fits an int, the pixel would not.
    EXPECT_EQ(bottom->CalcXPosValue(2147483640.0 / 400), 250);
    EXPECT_EQ(bottom->CalcSizeValue(1e12), INT_MAX);
}

TEST_F(AxisGeometry, LogarithmicMapping) {
    Place(bottom, TRect(0, 0, 300, 100), 1, 1000);
    bottom->SetLogarithmic(true);
    EXPECT_EQ(bottom->CalcXPosValue(10), 100);
    EXPECT_EQ(bottom->CalcXPosValue(100), 200);
    EXPECT_EQ(bottom->CalcXPosValue(0), 0);
    EXPECT_EQ(bottom->CalcXPosValue(-3), 0);
    EXPECT_EQ(bottom->CalcSizeValue(10), 100);
    EXPECT_DOUBLE_EQ(bottom->CalcPosPoint(0), 1);
    EXPECT_DOUBLE_EQ(bottom->CalcPosPoint(300), 1000);
    EXPECT_NEAR(bottom->CalcPosPoint(200), 100, 1e-9);
    // Far beyond the range: the linear guard, not a wrapped pixel.
    bottom->SetMinMax(1, 1.0000001);
    bottom->AdjustMaxMin();
    EXPECT_EQ(bottom->CalcXPosValue(1e300), bottom->GetCenterPixel());
    Place(left, TRect(0, 0, 100, 300), 1, 1000);
    left->SetLogarithmic(true);
    EXPECT_EQ(left->CalcYPosValue(10), 200);
    EXPECT_EQ(left->CalcYPosValue(0), 300);
    EXPECT_NEAR(left->CalcPosPoint(100), 100, 1e-9);
}

TEST_F(AxisGeometry, DepthMappingGivesADepth) {
    TChartDepthAxis* depth = chart->GetDepthAxis();
    chart->SetWidth3D(40);
    depth->SetMinMax(0, 4);
    depth->AdjustMaxMin();
    EXPECT_EQ(depth->CalcPosValue(1), 10);
    depth->SetInverted(true);
    EXPECT_EQ(depth->CalcPosValue(1), 30);
}

TEST_F(AxisGeometry, PercentPositions) {
    Place(left, TRect(10, 10, 410, 210), 0, 1);
    left->SetStartPosition(50);
    left->InternalCalcPositions();
    EXPECT_EQ(left->GetStartPixel(), 110);
    EXPECT_EQ(left->GetEndPixel(), 210);
    EXPECT_EQ(left->GetCenterPixel(), 160);
    left->SetPositionPercent(50);
    TRect r = chart->GetChartRect();
    left->CalcRect(r, false);
    EXPECT_EQ(left->GetAxisPos(), 210);
    bottom->SetPositionPercent(50);
    bottom->CalcRect(r, false);
    EXPECT_EQ(bottom->GetAxisPos(), 110);
    chart->GetRightAxis()->SetPositionPercent(25);
    EXPECT_EQ(chart->GetRightAxis()->ApplyPosition(410, r), 310);
}

TEST_F(AxisGeometry, RoomOfTitleLabelsAndTicks) {
    Place(bottom, TRect(10, 10, 410, 210), 0, 100);
    bottom->SetLabelsSize(40);
    bottom->GetTitle()->SetCaption("Price");
    bottom->SetTitleSize(25);
    TRect r = chart->GetChartRect();
    bottom->CalcRect(r, true);
    // Title 25, labels 40, then the ticks: line width 2 and length 4.
    EXPECT_EQ(bottom->SizeTickAxis(), 6);
    EXPECT_EQ(r.Bottom, 210 - 25 - 40 - 6);
    EXPECT_EQ(bottom->GetTitlePos(), 185);
    EXPECT_EQ(bottom->GetLabelsPos(), 145);
    bottom->CalcRect(r, false);
    EXPECT_EQ(bottom->GetAxisPos(), 139);
    EXPECT_EQ(bottom->GetLabelsPos(), 145);
    EXPECT_EQ(bottom->GetTitlePos(), 185);
    // The left axis grows to the left, the top one upward.
    TRect l = chart->GetChartRect();
    left->SetLabelsSize(30);
    left->CalcRect(l, true);
    EXPECT_EQ(l.Left, 10 + 30 + 6);
    left->CalcRect(l, false);
    EXPECT_EQ(left->GetLabelsPos(), 46 - 6);
    EXPECT_EQ(left->GetTitlePos(), 40 - 30);
}

TEST_F(AxisGeometry, MarginsWidenTheRange) {
    Place(bottom, TRect(0, 0, 400, 100), 0, 100);
    bottom->AdjustMaxMinRect(TRect(40, 0, 40, 0));
    // 320 pixels show 100: the 40 at each end show 12.5 more.
    EXPECT_DOUBLE_EQ(bottom->GetCurMinimum(), -12.5);
    EXPECT_DOUBLE_EQ(bottom->GetCurMaximum(), 112.5);
    EXPECT_EQ(bottom->CalcXPosValue(0), 40);
    EXPECT_EQ(bottom->GetPixelSize(), 400);
    Place(left, TRect(0, 0, 100, 400), 0, 100);
    left->AdjustMaxMinRect(TRect(0, 40, 0, 0));
    EXPECT_DOUBLE_EQ(left->GetCurMinimum(), 0);
    EXPECT_DOUBLE_EQ(left->GetCurMaximum(), 100 * 400.0 / 360);
    // Margins that fill the axis leave the range alone.
    Place(bottom, TRect(0, 0, 400, 100), 0, 100);
    bottom->AdjustMaxMinRect(TRect(200, 0, 200, 0));
    EXPECT_EQ(bottom->GetCurMinimum(), 0);
    EXPECT_EQ(bottom->GetCurMaximum(), 100);
    bottom->AdjustMaxMinRect(TRect(300, 0, 300, 0));
    EXPECT_EQ(bottom->GetCurRange(), 100);
}

TEST_F(AxisGeometry, ClicksOnTheLineAndItsLabels) {
    NewSeries()->AddXY(1, 1);
    Place(left, TRect(50, 10, 400, 210), 0, 1);
    TRect r = chart->GetChartRect();
    left->CalcRect(r, false);
    const int line = left->GetAxisPos();
    EXPECT_TRUE(left->Clicked(line + 2, 100));
    EXPECT_FALSE(left->Clicked(line + 3, 100));
    EXPECT_TRUE(left->Clicked(left->GetLabelsPos(), 100));
    EXPECT_FALSE(left->Clicked(line, 5));
    left->SetVisible(false);
    EXPECT_FALSE(left->Clicked(line, 100));
}

}  // namespace
