// The texts a series gives its marks and legend lines, percentages, the
// stacking origin and clicks; the marks drawn through a recording canvas:
// their box, lines of text, arrow colour, pinned positions and hit tests.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "chart/series/SeriesDrawSupport.h"
#include "chart/utils/TeeProcs.h"

namespace {

struct SeriesTexts : ::testing::Test, TSeriesChart {
    SeriesTexts() {
        s = New<TChartSeries>();
        s->AddXY(2, 1, "one");
        s->AddXY(4, 3);
    }
    TChartSeries* s;
};

TEST_F(SeriesTexts, MarkTextInEveryStyle) {
    struct Case {
        TSeriesMarksStyle style;
        int index;
        const char* text;
    };
    const Case cases[] = {
        {smsValue, 0, "1"},
        {smsPercent, 0, "25 %"},
        {smsLabel, 0, "one"},
        {smsLabel, 1, "3"},  // no label: the value
        {smsLabelPercent, 1, "3 75 %"},
        {smsLabelValue, 0, "one 1"},
        {smsLegend, 0, "1 one"},
        {smsPercentTotal, 0, "25 % of 4"},
        {smsLabelPercentTotal, 0, "one 25 % of 4"},
        {smsXValue, 1, "4"},
    };
    for (const Case& c : cases) {
        s->GetMarks()->SetStyle(c.style);
        EXPECT_EQ(s->GetMarkText(c.index).str(), c.text) << c.style;
    }
}

TEST_F(SeriesTexts, XValueWithoutAChartIsFormatted) {
    auto* loose = new TChartSeries(form);
    loose->AddXY(1.5, 2);
    loose->GetMarks()->SetStyle(smsXValue);
    EXPECT_EQ(loose->GetMarkText(0).str(), "1.5");
}

TEST_F(SeriesTexts, OnGetMarkTextHasTheLastWord) {
    s->OnGetMarkText = [](TChartSeries*, int ValueIndex, AnsiString& Text) {
        Text = Text + "#" + AnsiString(ValueIndex);
    };
    EXPECT_EQ(s->GetMarkText(1).str(), "3#1");
}

TEST_F(SeriesTexts, PercentOfNothingIsAHundred) {
    auto* zero = New<TChartSeries>();
    zero->Add(0);
    zero->Add(0);
    EXPECT_EQ(zero->MarkPercent(0, false).str(), "100 %");
    EXPECT_EQ(zero->MarkPercent(1, true).str(), "100 % of 0");
}

TEST_F(SeriesTexts, PercentCountsMagnitudes) {
    auto* mixed = New<TChartSeries>();
    mixed->Add(-1);
    mixed->Add(3);
    EXPECT_EQ(mixed->MarkPercent(0, false).str(), "25 %");
    // The legend keeps the sign.
    EXPECT_EQ(mixed->LegendString(0, ltsLeftPercent).str(), "-25 % ");
}

TEST_F(SeriesTexts, LegendStringInEveryStyle) {
    struct Case {
        TLegendTextStyle style;
        const char* text;
    };
    const Case cases[] = {
        {ltsPlain, "one"},         {ltsLeftValue, "1 one"},     {ltsRightValue, "one 1"},
        {ltsLeftPercent, "25 % one"}, {ltsRightPercent, "one 25 %"}, {ltsXValue, "2"},
    };
    for (const Case& c : cases) EXPECT_EQ(s->LegendString(0, c.style).str(), c.text) << c.style;
}

TEST_F(SeriesTexts, PointOriginAddsThePositiveValuesBefore) {
    auto* second = New<TChartSeries>();
    second->Add(-5);
    second->Add(2);
    auto* third = New<TChartSeries>();
    third->Add(7);
    third->Add(0);
    EXPECT_DOUBLE_EQ(third->PointOrigin(0, false), 1);      // 1, not -5
    EXPECT_DOUBLE_EQ(third->PointOrigin(1, false), 3 + 2);
    EXPECT_DOUBLE_EQ(second->PointOrigin(0, true), 1 + 7);  // all of them
    third->SetActive(false);
    EXPECT_DOUBLE_EQ(second->PointOrigin(0, true), 1);
    auto* loose = new TChartSeries(form);
    loose->Add(4);
    EXPECT_DOUBLE_EQ(loose->PointOrigin(0, true), 0);
}

TEST_F(SeriesTexts, PointOriginTakesOnlyRelatedClasses) {
    auto* line = New<TLineSeries>();
    line->Add(5);
    auto* area = New<TAreaSeries>();
    area->Add(1);
    auto* other = New<TLineSeries>();
    other->Add(1);
    // Every type descends from the plain series; an area is no line.
    EXPECT_DOUBLE_EQ(other->PointOrigin(0, false), 1 + 5);
    EXPECT_DOUBLE_EQ(area->PointOrigin(0, false), 1);
    // The plain series is an ancestor of every type.
    EXPECT_DOUBLE_EQ(s->PointOrigin(0, true), 1 + 5 + 1 + 1);
}

TEST_F(SeriesTexts, ClickHandlers) {
    std::vector<std::string> fired;
    EXPECT_FALSE(s->DoSeriesClick(s, 0, mbLeft, TShiftState(), 1, 2));
    s->OnClick = [&](TChartSeries*, int i, TMouseButton, TShiftState, int, int) {
        fired.push_back("click " + std::to_string(i));
    };
    EXPECT_TRUE(s->DoSeriesClick(s, 1, mbLeft, TShiftState() << ssDouble, 1, 2));
    s->OnDblClick = [&](TChartSeries*, int i, TMouseButton, TShiftState, int, int) {
        fired.push_back("double " + std::to_string(i));
    };
    EXPECT_TRUE(s->DoSeriesClick(s, 0, mbLeft, TShiftState() << ssDouble, 1, 2));
    EXPECT_TRUE(s->DoSeriesClick(s, 0, mbLeft, TShiftState(), 1, 2));
    EXPECT_THAT(fired, ::testing::ElementsAre("click 1", "double 0", "click 0"));
}

// ---- Drawing marks ---------------------------------------------------------------

struct MarksDraw : ::testing::Test, TSeriesChart {
    MarksDraw() {
        s = New<TChartSeries>();
        s->GetMarks()->SetVisible(true);
        s->AddXY(5, 50, "a");
    }
    TChartSeries* s;
};

TEST_F(MarksDraw, BoxStandsOnThePointWithTextCentred) {
    const TSeriesLog log = Paint();
    const TSeriesMarkPosition* p = s->GetMarks()->GetPositions()->GetPosition(0);
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->ArrowTo, TPoint(200, 150));
    EXPECT_EQ(p->LeftTop.x, 200 - p->Width / 2);
    EXPECT_EQ(p->LeftTop.y, 150 - p->Height + 1);
    EXPECT_THAT(Only(log, "Box"), ::testing::ElementsAre("Box " + Pt(p->LeftTop.x, p->LeftTop.y) + " " +
                                                         Pt(p->LeftTop.x + p->Width, p->LeftTop.y + p->Height) +
                                                         " brush80FFFF"));
    // The frame is one pixel: the text starts one lower.
    EXPECT_THAT(Only(log, "Text"), ::testing::ElementsAre("Text " + Pt(200, p->LeftTop.y + 1) + " a6 a"));
    EXPECT_EQ(s->GetMarks()->Clicked(200, 150 - 2), 0);
    EXPECT_EQ(s->GetMarks()->Clicked(200, 152), -1);
}

TEST_F(MarksDraw, TwoLinesOneFontHeightApart) {
    s->SetXLabel(0, AnsiString("top") + AnsiString(TeeLineSeparator) + "bottom");
    const TSeriesLog texts = Only(Paint(), "Text");
    ASSERT_EQ(texts.size(), 2u);
    chart->FontCanvas(s->GetMarks()->GetFont());
    const int h = chart->GetCanvas()->FontHeight();
    const TSeriesMarkPosition* p = s->GetMarks()->GetPositions()->GetPosition(0);
    EXPECT_EQ(p->Height, 2 * h + 2);
    EXPECT_EQ(texts[0], "Text " + Pt(200, p->LeftTop.y + 1) + " a6 top");
    EXPECT_EQ(texts[1], "Text " + Pt(200, p->LeftTop.y + 1 + h) + " a6 bottom");
}

TEST_F(MarksDraw, TransparentWithoutFrameDrawsNoBox) {
    s->GetMarks()->SetTransparent(true);
    s->GetMarks()->GetFrame()->SetVisible(false);
    const TSeriesLog log = Paint();
    EXPECT_TRUE(Only(log, "Box").empty());
    EXPECT_EQ(Only(log, "Text").size(), 1u);
    EXPECT_EQ(Only(log, "Line").size(), 1u);  // the arrow
}

TEST_F(MarksDraw, ArrowInThePointsColourTurnsBlackOrWhite) {
    struct Case {
        TColor chartColor;
        bool check;
        const char* pen;
    };
    const Case cases[] = {{clWhite, true, " pen000000"}, {clBlack, true, " penFFFFFF"}, {clWhite, false, " pen0000FF"}};
    s->SetValueColor(0, clRed);
    s->GetMarks()->GetArrow()->SetColor(clRed);
    for (const Case& c : cases) {
        chart->SetColor(c.chartColor);
        TeeCheckMarkArrowColor = c.check;
        const TSeriesLog arrows = Only(Paint(), "Line");
        ASSERT_EQ(arrows.size(), 1u);
        EXPECT_EQ(arrows[0], "Line 200,150 200,150" + std::string(c.pen));
    }
    TeeCheckMarkArrowColor = true;
}

TEST_F(MarksDraw, PinnedMarkStaysUntilAutomatic) {
    EXPECT_EQ(s->GetMarks()->Clicked(200, 140), -1);  // nothing drawn yet
    TSeriesMarkPosition pin;
    pin.LeftTop = TPoint(10, 20);
    pin.Width = 30;
    pin.Height = 12;
    s->GetMarks()->GetPositions()->SetPosition(0, &pin);
    s->SetYValue(0, 60);
    Paint();
    EXPECT_EQ(s->GetMarks()->Clicked(15, 25), 0);
    EXPECT_EQ(s->GetMarks()->GetPositions()->GetPosition(0)->LeftTop, TPoint(10, 20));
    s->GetMarks()->GetPositions()->Automatic(0);
    Paint();
    EXPECT_EQ(s->GetMarks()->GetPositions()->GetPosition(0)->ArrowTo, TPoint(200, 130));
    EXPECT_EQ(s->GetMarks()->Clicked(15, 25), -1);
}

TEST_F(MarksDraw, NullPointsAndEmptyTextsHaveNoMark) {
    s->AddNullXY(6, 10, "n");
    s->AddXY(7, 70);
    s->OnGetMarkText = [](TChartSeries*, int i, AnsiString& Text) {
        if (i == 2) Text = "";
    };
    Paint();
    EXPECT_NE(s->GetMarks()->GetPositions()->GetPosition(0), nullptr);
    EXPECT_EQ(s->GetMarks()->GetPositions()->GetPosition(1), nullptr);
    EXPECT_EQ(s->GetMarks()->GetPositions()->GetPosition(2), nullptr);
}

TEST_F(MarksDraw, AssignCopiesSettingsNotPositions) {
    Paint();
    auto* other = New<TChartSeries>();
    s->GetMarks()->SetStyle(smsValue);
    s->GetMarks()->SetArrowLength(3);
    other->GetMarks()->Assign(s->GetMarks());
    EXPECT_TRUE(other->GetMarks()->GetVisible());
    EXPECT_EQ(other->GetMarks()->GetStyle(), smsValue);
    EXPECT_EQ(other->GetMarks()->GetArrowLength(), 3);
    EXPECT_EQ(other->GetMarks()->GetPositions()->GetCount(), 0);
    s->Clear();
    EXPECT_EQ(s->GetMarks()->GetPositions()->GetCount(), 0);
}

// ---- Legend symbols ---------------------------------------------------------------

TEST_F(MarksDraw, LegendSymbols) {
    const TRect r(10, 10, 26, 20);
    Paint();
    log.clear();
    s->SetColorEachPoint(true);
    s->DrawLegend(-1, r);
    EXPECT_TRUE(log.empty());
    s->SetColorEachPoint(false);
    s->SetSeriesColor(clRed);
    s->DrawLegend(-1, r);
    EXPECT_THAT(log, ::testing::ElementsAre("Box 10,10 26,20 brush0000FF"));
    log.clear();
    s->SetSeriesColor(clWhite);  // the legend's own colour: outlined
    s->DrawLegend(-1, r);
    EXPECT_THAT(log, ::testing::ElementsAre("Box 10,10 26,20 brushFFFFFF", "Box 10,10 26,20 clear"));
    log.clear();
    s->AddNullXY(1, 1);  // goes first, by its X
    s->DrawLegend(0, r);
    EXPECT_TRUE(log.empty());
}

}  // namespace
