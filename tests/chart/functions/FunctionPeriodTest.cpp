// How a function walks its source: one result over all points, groups of
// points, x ranges (calendar months for dates), where each result is placed,
// which settings recalculate, and the periods that are refused.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <utility>
#include <vector>

#include "../series/ChartTestSupport.h"
#include "../series/TestSeriesTypes.h"
#include "chart/functions/TeeFunci.h"
#include "chart/messages/TeeExceptions.h"
#include "platform/controls/Automation.h"
#include "platform/controls/Forms.h"
#include "platform/runtime/DateUtils.h"

namespace {

using TPoints = std::vector<std::pair<double, double>>;

TPoints Points(const TChartSeries* s) {
    TPoints result;
    for (int i = 0; i < s->Count(); ++i) result.emplace_back(s->GetxValue(i), s->GetyValue(i));
    return result;
}

struct FunctionPeriods : ::testing::Test, TChartOnForm {
    FunctionPeriods() {
        // x 0..6, y 1..7
        for (int i = 0; i < 7; ++i) source->AddXY(i, i + 1);
    }
    // A series on the chart that shows Function over the source.
    template <class TFunction, class TSeries = TChartSeries>
    TFunction* Calculated(double Period = 0) {
        auto* series = new TSeries(form);
        series->SetParentChart(chart);
        auto* function = new TFunction(form);
        function->SetPeriod(Period);
        series->SetFunction(function);
        series->SetDataSource(source);
        result = series;
        return function;
    }
    TChartSeries* source = NewSeries();
    TChartSeries* result = nullptr;
};

TEST_F(FunctionPeriods, PeriodZeroGivesOnePointInTheMiddleOrALevelLine) {
    Calculated<TAddTeeFunction>();
    EXPECT_EQ(Points(result), (TPoints{{3, 28}}));
    // A series that draws lines shows the total across the source's range.
    Calculated<TAddTeeFunction, TLevelTestSeries>();
    EXPECT_EQ(Points(result), (TPoints{{0, 28}, {6, 28}}));
    Calculated<TAverageTeeFunction, TLevelTestSeries>();
    EXPECT_EQ(Points(result), (TPoints{{0, 4}, {6, 4}}));
}

TEST_F(FunctionPeriods, GroupsOfPointsLeaveAShortTrailingGroupOut) {
    struct Case {
        TFunctionPeriodAlign align;
        TPoints expected;
    };
    // Points 0-2 and 3-5; point 6 makes no group of three.
    const Case cases[] = {
        {paCenter, {{1, 6}, {4, 15}}},
        {paFirst, {{0, 6}, {3, 15}}},
        {paLast, {{2, 6}, {5, 15}}},
    };
    TAddTeeFunction* function = Calculated<TAddTeeFunction>(3);
    for (const Case& c : cases) {
        function->SetPeriodAlign(c.align);
        EXPECT_EQ(Points(result), c.expected) << c.align;
    }
    // A count is rounded to whole points, halves to even.
    function->SetPeriod(2.5);
    EXPECT_EQ(result->Count(), 3);
    function->SetPeriod(7);
    EXPECT_EQ(Points(result), (TPoints{{6, 28}}));
    function->SetPeriod(8);
    EXPECT_EQ(result->Count(), 0);
    // Far beyond any count: no group, and no overflow on the way.
    function->SetPeriod(1e300);
    EXPECT_EQ(result->Count(), 0);
}

TEST_F(FunctionPeriods, RangesInsideAGapOfTheDataShowAsZero) {
    source->Clear();
    source->GetXValues()->SetDateTime(true);
    const double monday = EncodeDate(2023, 1, 2);
    for (int d = 0; d < 5; ++d) source->AddXY(monday + d, 10 + d);  // 2 to 6 January
    source->AddXY(monday + 28, 1);                                   // 30 and 31 January
    source->AddXY(monday + 29, 3);
    THighTeeFunction* function = Calculated<THighTeeFunction>(7);
    function->SetPeriodStyle(psRange);
    function->SetPeriodAlign(paFirst);
    EXPECT_EQ(Points(result), (TPoints{{monday, 14}, {monday + 7, 0}, {monday + 14, 0}, {monday + 21, 0},
                                       {monday + 28, 3}}));
    EXPECT_TRUE(result->GetXValues()->GetDateTime());
    // Centred between the range's start and just below the next one.
    function->SetPeriodAlign(paCenter);
    EXPECT_DOUBLE_EQ(result->GetxValue(0), (monday + monday + 7 - 0.007) * 0.5);
    function->SetPeriodAlign(paLast);
    EXPECT_DOUBLE_EQ(result->GetxValue(4), monday + 35 - 0.007);
}

TEST_F(FunctionPeriods, AMonthOfDatesFollowsTheCalendar) {
    source->Clear();
    const double first = EncodeDate(2023, 1, 17), last = EncodeDate(2023, 3, 10);
    for (double d = first; d <= last; ++d) source->AddXY(d, 1);
    TAddTeeFunction* function = Calculated<TAddTeeFunction>(30);
    function->SetPeriodStyle(psRange);
    function->SetPeriodAlign(paFirst);
    // Numbers: thirty days each.
    EXPECT_EQ(Points(result), (TPoints{{first, 30}, {first + 30, 23}}));
    // Dates: the rest of January, then whole months.
    source->GetXValues()->SetDateTime(true);
    source->RefreshSeries();
    EXPECT_EQ(Points(result), (TPoints{{first, 15}, {EncodeDate(2023, 2, 1), 28}, {EncodeDate(2023, 3, 1), 10}}));
}

TEST_F(FunctionPeriods, EverySettingRecalculatesAndAnUpdateDoesSoOnce) {
    TAddTeeFunction* function = Calculated<TAddTeeFunction>();
    int refills = 0;
    result->OnClearValues = [&](TChartSeries*) { ++refills; };
    function->SetPeriod(2);
    function->SetPeriodStyle(psRange);
    function->SetPeriodAlign(paFirst);
    EXPECT_EQ(refills, 3);
    EXPECT_EQ(Points(result), (TPoints{{0, 3}, {2, 7}, {4, 11}, {6, 7}}));
    // Equal values change nothing.
    function->SetPeriod(2);
    function->SetPeriodAlign(paFirst);
    EXPECT_EQ(refills, 3);

    function->BeginUpdate();
    function->SetPeriod(3);
    function->SetPeriodStyle(psNumPoints);
    EXPECT_EQ(refills, 3);
    function->EndUpdate();
    EXPECT_EQ(refills, 4);
    EXPECT_EQ(Points(result), (TPoints{{0, 6}, {3, 15}}));
    function->EndUpdate();
    EXPECT_EQ(refills, 4);

    auto* copy = new TAverageTeeFunction(form);
    copy->Assign(function);
    EXPECT_EQ(copy->GetPeriod(), 3);
    EXPECT_EQ(copy->GetPeriodStyle(), psNumPoints);
    EXPECT_EQ(copy->GetPeriodAlign(), paFirst);
}

TEST_F(FunctionPeriods, APeriodThatCannotAdvanceIsRefusedAndTheOldOneStays) {
    TAddTeeFunction* function = Calculated<TAddTeeFunction>(3);
    const TPoints before = Points(result);
    const auto expectRefused = [&](auto change, const char* text) {
        try {
            change();
            ADD_FAILURE() << "not refused: " << text;
        } catch (const ChartException& e) {
            EXPECT_EQ(e.GetMessage(), text);
        }
    };
    const char* const negative = "Function Period should be >= 0";
    const char* const stuck = "Function Period cannot advance over the source values";
    expectRefused([&] { function->SetPeriod(-1); }, negative);
    expectRefused([&] { function->SetPeriod(std::numeric_limits<double>::quiet_NaN()); }, negative);
    expectRefused([&] { function->SetPeriod(std::numeric_limits<double>::infinity()); }, negative);
    // A count that rounds to no point at all (0.5 rounds to 0).
    expectRefused([&] { function->SetPeriod(0.3); }, stuck);
    expectRefused([&] { function->SetPeriod(0.5); }, stuck);
    EXPECT_EQ(function->GetPeriod(), 3);
    EXPECT_EQ(Points(result), before);

    // As a range a quarter moves; as a count it does not.
    function->SetPeriodStyle(psRange);
    function->SetPeriod(0.25);
    EXPECT_EQ(result->Count(), 25);
    expectRefused([&] { function->SetPeriodStyle(psNumPoints); }, stuck);
    EXPECT_EQ(function->GetPeriodStyle(), psRange);

    // A range lost in the rounding of the positions: the old range stays
    // and so do its results.
    source->Clear();
    for (int i = 0; i < 4; ++i) source->AddXY(1e17 + i * 1024, 1);
    function->SetPeriod(1024);
    const TPoints ranges = Points(result);
    ASSERT_EQ(ranges.size(), 4u);
    expectRefused([&] { function->SetPeriod(1); }, stuck);
    EXPECT_EQ(function->GetPeriod(), 1024);
    EXPECT_EQ(Points(result), ranges);

    // Positions that are no numbers can never be reached by a range: the
    // period is refused where it is set.
    for (double x : {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity()}) {
        source->Clear();
        source->AddXY(0, 1);
        source->AddXY(x, 1);
        expectRefused([&] { function->SetPeriod(2048); }, stuck);
        EXPECT_EQ(function->GetPeriod(), 1024);
    }
}

// The messages the application showed so far.
int BoxesSaying(const char* Text) {
    int n = 0;
    for (const TAutomationRequest& r : AutomationLog()) n += r.Kind == "MessageBox" && r.Text == Text;
    return n;
}

TEST_F(FunctionPeriods, ASourceThatLeavesARangeNowhereToGoEmptiesTheSeriesAndIsToldOnce) {
    TAddTeeFunction* function = Calculated<TAddTeeFunction>(2);
    function->SetPeriodStyle(psRange);
    const TPoints walked = Points(result);
    ASSERT_EQ(walked.size(), 4u);
    ClearAutomation();
    const char* const told = "Function Period cannot advance over the source values.";
    AnswerNextMessageBox(IDOK);
    // Edits of the source are sound: none of them raises.
    EXPECT_NO_THROW(source->SetXValue(3, std::numeric_limits<double>::quiet_NaN()));
    EXPECT_EQ(result->Count(), 0);
    EXPECT_EQ(function->GetParentSeries(), result);
    EXPECT_NO_THROW(source->SetYValue(1, 2));
    EXPECT_NO_THROW(source->RefreshSeries());
    EXPECT_EQ(result->Count(), 0);
    EXPECT_EQ(BoxesSaying(told), 1);
    // Walkable again, the points come back; a later refusal is told again.
    source->SetXValue(3, 3);
    EXPECT_EQ(Points(result), walked);
    AnswerNextMessageBox(IDOK);
    // A calculated series follows added points at the next refresh.
    source->AddXY(std::numeric_limits<double>::infinity(), 1);
    EXPECT_NO_THROW(source->RefreshSeries());
    EXPECT_EQ(result->Count(), 0);
    EXPECT_EQ(BoxesSaying(told), 2);
}

TEST_F(FunctionPeriods, AFunctionThatCannotWalkTheSourceIsRefusedAndTheSeriesStaysAsItWas) {
    source->Clear();
    for (int i = 0; i < 4; ++i) source->AddXY(1e17 + i * 1024, i);
    TAddTeeFunction* function = Calculated<TAddTeeFunction>(2);
    const TPoints before = Points(result);
    ASSERT_EQ(before.size(), 2u);
    // Free of a series, a range of 1 is a sound setting.
    auto* stuck = new THighTeeFunction(form);
    stuck->SetPeriodStyle(psRange);
    stuck->SetPeriod(1);
    EXPECT_THROW(function->Assign(stuck), ChartException);
    EXPECT_EQ(function->GetPeriodStyle(), psNumPoints);
    EXPECT_EQ(function->GetPeriod(), 2);
    EXPECT_THROW(result->SetFunction(stuck), ChartException);
    EXPECT_THROW(stuck->SetParentSeries(result), ChartException);
    EXPECT_EQ(result->GetFunction(), function);
    EXPECT_EQ(function->GetParentSeries(), result);
    EXPECT_EQ(stuck->GetParentSeries(), nullptr);
    EXPECT_EQ(Points(result), before);
}

TEST_F(FunctionPeriods, AHorizontalSourceIsWalkedAlongItsY) {
    auto* horizontal = new THorizTestSeries(form);
    horizontal->SetParentChart(chart);
    for (int i = 0; i < 6; ++i) horizontal->AddXY(10 * i, i);
    TLowTeeFunction* function = Calculated<TLowTeeFunction, THorizTestSeries>(2);
    result->SetDataSource(horizontal);
    EXPECT_EQ(Points(result), (TPoints{{0, 0.5}, {20, 2.5}, {40, 4.5}}));
    function->SetPeriod(0);
    EXPECT_EQ(Points(result), (TPoints{{0, 2.5}}));
    // The results follow the source's orientation, whatever the series.
    Calculated<TLowTeeFunction>(2);
    result->SetDataSource(horizontal);
    EXPECT_EQ(Points(result), (TPoints{{0, 0.5}, {20, 2.5}, {40, 4.5}}));
}

}  // namespace
