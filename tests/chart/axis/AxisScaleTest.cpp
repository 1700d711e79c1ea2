// An axis' settings and their checks, its range, the step between labels
// (1-2-5 numbers and calendar steps) and the kind and texts of its labels.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <random>

#include "chart/axis/AxisTestSupport.h"
#include "chart/series/TestSeriesTypes.h"
#include "chart/messages/TeeExceptions.h"
#include "platform/runtime/DateUtils.h"

namespace {

struct AxisScale : ::testing::Test, TAxisChart {
    TChartAxis* bottom = chart->GetBottomAxis();
    // The bottom axis over Pixels pixels showing AMin..AMax.
    void Span(int Pixels, double AMin, double AMax) { Place(bottom, TRect(0, 0, Pixels, 100), AMin, AMax); }
    // A series of dates along the bottom axis, so that it becomes a date axis.
    void DateSeries() {
        TChartSeries* s = NewSeries();
        s->GetXValues()->SetDateTime(true);
        s->AddXY(EncodeDate(2020, 1, 1), 1);
        TRect r = chart->GetChartRect();
        bottom->CalcRect(r, false);
    }
};

TEST_F(AxisScale, WorkedExamplesOfTheNumericStep) {
    Span(500, 0, 12.3);
    // 30-pixel labels are 33 apart: 15 fit, and the first step, 1, gives 12.
    EXPECT_DOUBLE_EQ(bottom->CalcXYIncrement(30), 1);
    Span(200, 0, 1000);
    // 40-pixel labels: 44 apart, 5 fit; 1, 2, 5 ... 100 give too many.
    EXPECT_DOUBLE_EQ(bottom->CalcXYIncrement(40), 200);
    // Without separation the start step is the answer, however many labels.
    bottom->SetLabelsSeparation(0);
    EXPECT_DOUBLE_EQ(bottom->CalcXYIncrement(40), 1);
    Span(200, 0, 0.5);
    EXPECT_DOUBLE_EQ(bottom->CalcXYIncrement(40), 1e-12);
}

TEST_F(AxisScale, DesiredIncrementIsRaisedOnlyWhenTooSmall) {
    Span(200, 0, 1000);
    bottom->SetDesiredIncrement(3);
    // 3 gives 333 labels; it goes on along 5, 10, 20 ... to 200.
    EXPECT_DOUBLE_EQ(bottom->CalcXYIncrement(40), 200);
    bottom->SetDesiredIncrement(400);
    EXPECT_DOUBLE_EQ(bottom->CalcXYIncrement(40), 400);
    // No room for one label: the smallest step.
    EXPECT_DOUBLE_EQ(bottom->CalcLabelsIncrement(0), 1e-12);
}

// The step is the first of 1, 2, 5, 10, 20 ... whose label count fits.
TEST_F(AxisScale, StepIsTheSmallestOneTwoFiveStepThatFits) {
    std::mt19937 random(20240611);
    std::uniform_real_distribution<double> exponent(0, 9), mantissa(1, 10);
    std::uniform_int_distribution<int> pixels(50, 2000), label(5, 120);
    for (int trial = 0; trial < 400; ++trial) {
        const double range = mantissa(random) * std::pow(10.0, exponent(random));
        const int pixelCount = pixels(random), labelSize = label(random);
        Span(pixelCount, 0, range);
        const int fit = static_cast<int>(std::nearbyint(pixelCount / (labelSize + std::nearbyint(0.1 * labelSize))));
        double expected = 0;
        for (double decade = 1; expected == 0; decade *= 10)
            for (double m : {1.0, 2.0, 5.0})
                if (expected == 0 && std::nearbyint(range / (m * decade)) <= fit) expected = m * decade;
        const double step = bottom->CalcXYIncrement(labelSize);
        ASSERT_NEAR(step, expected, expected * 1e-9) << "range " << range << " over " << pixelCount << " pixels";
    }
}

TEST_F(AxisScale, DateStepsWalkTheCalendarTableThenDoubleYears) {
    DateSeries();
    ASSERT_TRUE(bottom->GetIsDateTimeAxis());
    Span(300, 0, 30);
    // 60-pixel labels, 66 apart: 5 fit; from one second (beyond a million
    // labels, so cut to 30/1e6 days) up the table to one week.
    EXPECT_DOUBLE_EQ(bottom->CalcXYIncrement(60), 7);
    Span(300, 0, 5000);
    EXPECT_DOUBLE_EQ(bottom->CalcXYIncrement(60), 4 * 365.0);
    EXPECT_DOUBLE_EQ(bottom->CalcLabelsIncrement(0), DateTimeStep[dtOneSecond]);
}

TEST_F(AxisScale, SetMinMaxFixesTheRangeInEitherOrder) {
    bottom->SetMinMax(5, 5);
    EXPECT_EQ(bottom->GetMinimum(), 5);
    EXPECT_EQ(bottom->GetMaximum(), 5 + 1e-10);
    bottom->SetMinMax(10, 2);
    EXPECT_EQ(bottom->GetMinimum(), 2);
    EXPECT_EQ(bottom->GetMaximum(), 10);
    EXPECT_FALSE(bottom->GetAutomatic());
    EXPECT_FALSE(bottom->GetAutomaticMinimum());
    EXPECT_FALSE(bottom->GetAutomaticMaximum());
}

TEST_F(AxisScale, AutomaticRangeComesFromTheSeries) {
    TChartSeries* s = NewSeries();
    s->AddXY(3, 1);
    s->AddXY(8, 2);
    bottom->SetAutomaticMaximum(false);
    bottom->SetMaximum(20);
    bottom->AdjustMaxMin();
    EXPECT_EQ(bottom->GetCurMinimum(), 3);
    EXPECT_EQ(bottom->GetCurMaximum(), 20);
    EXPECT_EQ(bottom->GetCurRange(), 17);
    bottom->SetAutomatic(true);
    EXPECT_TRUE(bottom->GetAutomaticMaximum());
}

TEST_F(AxisScale, ScrollMovesOnlyTowardsSeriesValues) {
    TChartSeries* s = NewSeries();
    s->AddXY(0, 1);
    s->AddXY(10, 1);
    bottom->SetMinMax(0, 10);
    bottom->Scroll(1, true);
    EXPECT_EQ(bottom->GetMaximum(), 10);
    bottom->Scroll(-1, true);
    EXPECT_EQ(bottom->GetMinimum(), 0);
    bottom->SetMinMax(2, 6);
    bottom->Scroll(3, true);
    EXPECT_EQ(bottom->GetMinimum(), 5);
    EXPECT_EQ(bottom->GetMaximum(), 9);
    bottom->Scroll(50, false);
    EXPECT_EQ(bottom->GetMaximum(), 59);
}

TEST_F(AxisScale, RefusedSettingsSayWhyAndKeepTheOldValue) {
    struct Case {
        const char* message;
        std::function<void(TCustomChartAxis*)> set;
        std::function<double(TCustomChartAxis*)> get;
        double kept;
    };
    const Case cases[] = {
        {"Axis Minimum Value must be <= Maximum", [](TCustomChartAxis* a) { a->SetMinimum(11); },
         [](TCustomChartAxis* a) { return a->GetMinimum(); }, 1},
        {"Axis Maximum Value must be >= Minimum", [](TCustomChartAxis* a) { a->SetMaximum(0); },
         [](TCustomChartAxis* a) { return a->GetMaximum(); }, 10},
        {"Axis increment must be >= 0", [](TCustomChartAxis* a) { a->SetDesiredIncrement(-1); },
         [](TCustomChartAxis* a) { return a->GetIncrement(); }, 0},
        {"Axis Logarithmic Base should be >= 2", [](TCustomChartAxis* a) { a->SetLogarithmicBase(1); },
         [](TCustomChartAxis* a) { return a->GetLogarithmicBase(); }, 10},
        {"Labels Separation % must be greater than 0", [](TCustomChartAxis* a) { a->SetLabelsSeparation(-1); },
         [](TCustomChartAxis* a) { return a->GetLabelsSeparation(); }, 10},
        {"Axis Labels Angle must be between 0 and 359 degrees", [](TCustomChartAxis* a) { a->SetLabelsAngle(360); },
         [](TCustomChartAxis* a) { return a->GetLabelsAngle(); }, 0},
        {"Axis Title Angle must be between 0 and 359 degrees", [](TCustomChartAxis* a) { a->GetTitle()->SetAngle(-1); },
         [](TCustomChartAxis* a) { return a->GetTitle()->GetAngle(); }, 0},
    };
    bottom->SetMinMax(1, 10);
    for (const Case& c : cases) {
        try {
            c.set(bottom);
            ADD_FAILURE() << "accepted: " << c.message;
        } catch (const Exception& e) {
            EXPECT_EQ(std::string(e.what()), c.message);
        }
        EXPECT_EQ(c.get(bottom), c.kept) << c.message;
    }
    bottom->SetLabelsSeparation(0);
    EXPECT_EQ(bottom->GetLabelsSeparation(), 0);
}

TEST_F(AxisScale, LogarithmicNeedsNumbersNotBelowZero) {
    TChartSeries* s = NewSeries();
    s->AddXY(-5, 1);
    s->AddXY(5, 1);
    try {
        bottom->SetLogarithmic(true);
        ADD_FAILURE() << "a range below zero was taken";
    } catch (const AxisException& e) {
        EXPECT_EQ(std::string(e.what()), "Logarithmic Axis Min and Max values should be >= 0");
    }
    EXPECT_FALSE(bottom->GetLogarithmic());
    s->GetXValues()->SetDateTime(true);
    EXPECT_THROW(bottom->SetLogarithmic(true), AxisException);
    s->GetXValues()->SetDateTime(false);
    s->Delete(0);
    bottom->SetLogarithmic(true);
    EXPECT_TRUE(bottom->GetLogarithmic());
}

TEST_F(AxisScale, LabelStyleFollowsTheSeriesOnTheAxis) {
    EXPECT_EQ(bottom->CalcLabelStyle(), talNone);
    TChartSeries* s = NewSeries();
    s->AddXY(1, 2);
    EXPECT_EQ(bottom->CalcLabelStyle(), talValue);
    s->SetXLabel(0, "Mon");
    EXPECT_EQ(bottom->CalcLabelStyle(), talText);
    // The left axis shows the Y values, whose texts are not its labels.
    EXPECT_EQ(chart->GetLeftAxis()->CalcLabelStyle(), talValue);
    bottom->SetLabelStyle(talValue);
    EXPECT_EQ(bottom->CalcLabelStyle(), talValue);
    EXPECT_EQ(chart->GetDepthAxis()->CalcLabelStyle(), talText);
}

// The depth axis labels the series' slots with their titles: its widest
// label is the widest title, whatever the points' own labels (which once
// were all measured on every paint, a long history costing more than the
// rest of the chart).
TEST_F(AxisScale, TheDepthAxisIsAsWideAsTheWidestSeriesTitle) {
    TChartSeries* s = NewSeries();
    s->SetTitle("A rather long series title");
    for (int i = 0; i < 3; ++i) s->Add(i, "a much, much longer point label than any title");
    NewSeries()->SetTitle("Short");
    int lines = 0;
    EXPECT_EQ(chart->GetDepthAxis()->MaxLabelsWidth(), chart->MultiLineTextWidth("A rather long series title", lines));
    EXPECT_EQ(bottom->MaxLabelsWidth(), chart->MultiLineTextWidth("a much, much longer point label than any title", lines));
}

TEST_F(AxisScale, TheDepthAxisNamesSlotsUnlessASeriesSpansDepthsOfItsOwn) {
    TChartDepthAxis* depth = chart->GetDepthAxis();
    chart->SetView3D(true);
    TChartSeries* flat = NewSeries();
    flat->AddXY(1, 2);
    EXPECT_EQ(flat->MinZValue(), flat->MaxZValue());
    depth->AdjustMaxMin();
    EXPECT_EQ(depth->CalcLabelStyle(), talText);
    EXPECT_EQ(depth->GetMinimum(), -0.5);
    EXPECT_EQ(depth->GetMaximum(), chart->GetMaxZOrder() + 0.5);

    auto* deep = new TDepthTestSeries(form);
    deep->SetParentChart(chart);
    EXPECT_EQ(depth->CalcLabelStyle(), talValue);
    // The range is the first active series' depths.
    flat->SetActive(false);
    depth->AdjustMaxMin();
    EXPECT_EQ(depth->GetMinimum(), 2);
    EXPECT_EQ(depth->GetMaximum(), 5);
}

TEST_F(AxisScale, LabelTextsByFormatEventAndLines) {
    EXPECT_EQ(bottom->LabelValue(1234.5678).str(), "1,234.568");
    bottom->SetValuesFormat("0.0");
    EXPECT_EQ(bottom->LabelValue(2.25).str(), "2.3");
    bottom->SetLabelsMultiLine(true);
    chart->OnGetAxisLabel = [](TCustomChartAxis*, TChartSeries* Series, int Index, AnsiString& Text) {
        EXPECT_EQ(Series, nullptr);
        EXPECT_EQ(Index, -1);
        Text = Text + " units";
    };
    EXPECT_EQ(bottom->LabelValue(3).str(), "3.0\runits");
    chart->OnGetAxisLabel = nullptr;
    bottom->SetLabelsMultiLine(false);
    DateSeries();
    bottom->SetDateTimeFormat("yyyy-mm-dd");
    EXPECT_EQ(bottom->LabelValue(EncodeDate(2021, 3, 4)).str(), "2021-03-04");
    EXPECT_EQ(bottom->LabelValue(-1).str(), "");
}

TEST_F(AxisScale, AssignCopiesEverySetting) {
    TChartAxis* top = chart->GetTopAxis();
    bottom->SetMinMax(2, 7);
    bottom->SetDesiredIncrement(0.5);
    bottom->SetLabelsAngle(90);
    bottom->GetTitle()->SetCaption("Days");
    bottom->GetGrid()->SetVisible(false);
    bottom->SetMinorTickCount(5);
    bottom->SetInverted(true);
    top->Assign(bottom);
    EXPECT_EQ(top->GetMaximum(), 7);
    EXPECT_EQ(top->GetIncrement(), 0.5);
    EXPECT_EQ(top->GetLabelsAngle(), 90);
    EXPECT_EQ(top->GetTitle()->GetCaption().str(), "Days");
    EXPECT_FALSE(top->GetGrid()->GetVisible());
    EXPECT_EQ(top->GetMinorTickCount(), 5);
    EXPECT_TRUE(top->GetInverted());
    EXPECT_FALSE(top->GetOtherSide());
}

}  // namespace
