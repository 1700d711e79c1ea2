// Area series on a chart of fixed pixels: the filled slices down to the
// axis, the first slice from the point before the view, stacking in values
// and in percent (an empty stack rests on the origin), the shared depth of
// stacked areas, clicks inside a slice and the settings taken over.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "chart/series/SeriesDrawSupport.h"

namespace {

using ::testing::ElementsAre;

struct AreaDraw : ::testing::Test, TSeriesChart {
    AreaDraw() {
        a = New<TAreaSeries>();
        a->SetSeriesColor(clRed);
    }
    TAreaSeries* a;
};

TEST_F(AreaDraw, SlicesDownToTheAxis) {
    a->AddXY(1, 10);
    a->AddXY(2, 20);
    a->AddXY(3, 5);
    EXPECT_THAT(Only(Paint(), "PlaneZ"), ElementsAre("PlaneZ 120,250 120,230 140,210 140,250 z0",
                                                     "PlaneZ 140,250 140,210 160,240 160,250 z0"));
    EXPECT_EQ(PixelAt(130, 240), clRed);
    EXPECT_EQ(PixelAt(130, 215), clWhite);
    a->SetAreaColor(clBlue);
    Paint();
    EXPECT_EQ(PixelAt(130, 240), clBlue);
}

TEST_F(AreaDraw, FirstSliceStartsAtThePointBeforeTheView) {
    chart->GetBottomAxis()->SetMinMax(2, 10);
    a->AddXY(0, 0);
    a->AddXY(4, 40);
    EXPECT_THAT(Only(Paint(), "PlaneZ"), ElementsAre("PlaneZ 50,250 50,250 150,170 150,250 z0"));
}

TEST_F(AreaDraw, NullPointLeavesAGap) {
    a->AddXY(1, 10);
    a->AddNullXY(2, 20);
    a->AddXY(3, 10);
    a->AddXY(4, 10);
    EXPECT_THAT(Only(Paint(), "PlaneZ"), ElementsAre("PlaneZ 160,250 160,230 180,230 180,250 z0"));
}

struct StackedAreas : AreaDraw {
    StackedAreas() {
        b = New<TAreaSeries>();
        a->AddXY(0, 10);
        a->AddXY(1, 20);
        b->AddXY(0, 30);
        b->AddXY(1, 40);
    }
    TAreaSeries* b;
};

TEST_F(StackedAreas, StackedInValues) {
    b->SetMultiArea(maStacked);
    EXPECT_EQ(a->GetMultiArea(), maStacked);  // every area of the chart follows
    Paint();
    EXPECT_EQ(a->CalcYPos(0), 230);
    EXPECT_EQ(b->CalcYPos(0), 250 - 2 * 40);
    EXPECT_EQ(b->GetOriginPos(0), 230);
    EXPECT_EQ(a->GetOriginPos(0), 250);
    EXPECT_DOUBLE_EQ(b->MaxYValue(), 60);
    EXPECT_DOUBLE_EQ(a->MaxYValue(), 20);
    EXPECT_DOUBLE_EQ(b->MinYValue(), 30);
}

TEST_F(StackedAreas, StackedToAHundredPercent) {
    a->SetMultiArea(maStacked100);
    Paint();
    EXPECT_EQ(a->CalcYPos(0), 250 - 2 * 25);
    EXPECT_EQ(b->CalcYPos(0), 50);
    EXPECT_EQ(b->GetOriginPos(0), 200);
    EXPECT_DOUBLE_EQ(b->MaxYValue(), 100);
    EXPECT_DOUBLE_EQ(b->MinYValue(), 0);
}

TEST_F(StackedAreas, EmptyStackRestsOnTheOrigin) {
    a->SetMultiArea(maStacked100);
    a->SetYValue(0, 0);
    b->SetYValue(0, 0);
    Paint();
    for (TAreaSeries* s : {a, b}) {
        EXPECT_EQ(s->CalcYPos(0), 250);
        EXPECT_EQ(s->GetOriginPos(0), 250);
    }
}

TEST_F(StackedAreas, StackedAreasShareOneDepth) {
    chart->SetView3D(true);
    auto* line = New<TLineSeries>();
    line->Add(1);
    Paint();
    EXPECT_NE(a->StartZ, b->StartZ);
    a->SetMultiArea(maStacked);
    Paint();
    EXPECT_EQ(a->StartZ, b->StartZ);
    EXPECT_NE(a->StartZ, line->StartZ);
}

TEST_F(StackedAreas, ClickInsideASlice) {
    Paint();
    EXPECT_EQ(a->Clicked(110, 245), 0);
    EXPECT_EQ(a->Clicked(110, 200), -1);
    a->SetClickableLine(false);
    EXPECT_EQ(a->Clicked(110, 245), -1);
}

TEST_F(StackedAreas, SettingsTakenOver) {
    b->SetMultiArea(maStacked);
    b->SetStairs(true);
    auto* copy = new TAreaSeries(form);
    copy->Assign(b);
    EXPECT_EQ(copy->GetMultiArea(), maStacked);
    EXPECT_TRUE(copy->GetStairs());
    auto* asLine = new TLineSeries(form);
    asLine->Assign(b);
    EXPECT_FALSE(asLine->GetDrawArea());
    EXPECT_TRUE(asLine->GetDrawLine());
    EXPECT_EQ(asLine->Count(), 2);
}

}  // namespace

namespace {

// Stacked areas in 3-D share a slot and are drawn together from the latest
// first index of them; one whose own first index comes earlier must not
// join its first drawn point to where the last paint ended.
TEST(AreaSeriesGroup, SharedSlotStartsEachPaintAfresh) {
    TSeriesChart c;
    c.chart->SetView3D(true);
    c.chart->GetBottomAxis()->SetMinMax(3, 10);
    auto* a = c.New<TAreaSeries>();
    auto* b = c.New<TAreaSeries>();
    for (int x = 0; x < 10; ++x) a->AddXY(x, 10);
    for (int x = 5; x < 10; ++x) b->AddXY(x, 10);
    a->SetMultiArea(maStacked);
    const TSeriesLog first = c.Paint();
    EXPECT_EQ(a->GetFirstValueIndex(), 3);
    EXPECT_EQ(b->GetFirstValueIndex(), 0);
    EXPECT_EQ(c.Paint(), first);
}

}  // namespace
