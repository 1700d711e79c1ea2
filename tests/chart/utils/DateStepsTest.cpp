#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "chart/utils/TeeProcs.h"

namespace {

TDateTime Day(Word y, Word m, Word d) { return EncodeDate(y, m, d); }

// One TeeDateTimeIncrement on a date-time axis.
TDateTime Step(TDateTime from, TDateTimeStep step, bool up) {
    double value = from;
    TeeDateTimeIncrement(true, up, value, DateTimeStep[step], step);
    return value;
}

TEST(DateSteps, TableRisesStepByStep) {
    // The searches below rely on the table's order.
    for (int i = dtOneSecond; i < dtOneYear; ++i) EXPECT_LT(DateTimeStep[i], DateTimeStep[i + 1]) << i;
    EXPECT_EQ(DaysInMonth(2004, 2), 29);
    EXPECT_EQ(DaysInMonth(1900, 2), 28);
}

TEST(DateSteps, NextAndFoundSteps) {
    EXPECT_EQ(NextDateTimeStep(1), 2);
    EXPECT_EQ(NextDateTimeStep(1.5), 2);
    EXPECT_EQ(NextDateTimeStep(0.5 / 86400), 365);
    EXPECT_EQ(NextDateTimeStep(400), 365);
    EXPECT_EQ(NextDateTimeStep(182), 365);
    EXPECT_DOUBLE_EQ(NextDateTimeStep(1.0 / 86400), 5.0 / 86400);

    EXPECT_EQ(FindDateTimeStep(30), dtOneMonth);
    EXPECT_EQ(FindDateTimeStep(29.5), dtNone);
    EXPECT_EQ(FindDateTimeStep(1 + 0.5 / 86400), dtOneDay);
    EXPECT_EQ(FindDateTimeStep(5.0 / 86400), dtFiveSeconds);
    EXPECT_EQ(FindDateTimeStep(365), dtOneYear);
    EXPECT_EQ(FindDateTimeStep(std::nan("")), dtNone);
}

TEST(DateSteps, DefaultFormatSwitchesToDatesAboveOneDay) {
    EXPECT_EQ(DateTimeDefaultFormat(1), ShortTimeFormat);
    EXPECT_EQ(DateTimeDefaultFormat(0.25), ShortTimeFormat);
    EXPECT_EQ(DateTimeDefaultFormat(2), ShortDateFormat);
    EXPECT_NE(ShortDateFormat, ShortTimeFormat);
}

TEST(DateSteps, RoundDateDropsTheTimeAndGoesToTheStepsStart) {
    TDateTime march20 = Day(2003, 3, 20) + 14.0 / 24;
    EXPECT_EQ(TeeRoundDate(march20, dtHalfMonth), Day(2003, 3, 15));
    EXPECT_EQ(TeeRoundDate(Day(2003, 3, 14) + 0.5, dtHalfMonth), Day(2003, 3, 1));
    EXPECT_EQ(TeeRoundDate(march20, dtOneYear), Day(2003, 1, 1));
    EXPECT_EQ(TeeRoundDate(march20, dtThreeMonths), Day(2003, 3, 1));
    EXPECT_EQ(TeeRoundDate(march20, dtOneHour), Day(2003, 3, 20));
    EXPECT_EQ(TeeRoundDate(march20, dtNone), Day(2003, 3, 20));
    // Early and unrepresentable dates come back as they are.
    EXPECT_EQ(TeeRoundDate(Day(1900, 1, 1), dtOneYear), Day(1900, 1, 1));
    EXPECT_EQ(TeeRoundDate(1.75, dtOneMonth), 1.75);
    EXPECT_EQ(TeeRoundDate(1e9, dtOneMonth), 1e9);
}

TEST(DateSteps, MonthsAndYearsWalkTheCalendar) {
    EXPECT_EQ(Step(Day(2003, 1, 15), dtTwoMonths, false), Day(2002, 11, 1));
    EXPECT_EQ(Step(Day(2003, 12, 1), dtOneMonth, true), Day(2004, 1, 1));
    EXPECT_EQ(Step(Day(2003, 3, 31), dtOneMonth, true), Day(2003, 4, 1));
    EXPECT_EQ(Step(Day(2003, 8, 10), dtSixMonths, true), Day(2004, 2, 1));
    EXPECT_EQ(Step(Day(2003, 6, 10), dtSixMonths, false), Day(2002, 12, 1));
    EXPECT_EQ(Step(Day(2003, 7, 10), dtSixMonths, false), Day(2003, 1, 1));
    EXPECT_EQ(Step(Day(2003, 4, 2), dtFourMonths, false), Day(2002, 12, 1));
    EXPECT_EQ(Step(Day(2003, 10, 2), dtThreeMonths, true), Day(2004, 1, 1));
    EXPECT_EQ(Step(Day(2003, 5, 7) + 0.5, dtOneYear, true), Day(2004, 5, 7));
    EXPECT_EQ(Step(Day(2003, 5, 7), dtOneYear, false), Day(2002, 5, 7));
    // 29 February has no twin a year away.
    EXPECT_EQ(Step(Day(2004, 2, 29), dtOneYear, true), Day(2005, 2, 28));
    EXPECT_EQ(Step(Day(2004, 2, 29), dtOneYear, false), Day(2003, 2, 28));
}

TEST(DateSteps, HalfMonthsMoveInTheDirectionAsked) {
    EXPECT_EQ(Step(Day(2003, 1, 1), dtHalfMonth, true), Day(2003, 1, 15));
    EXPECT_EQ(Step(Day(2003, 1, 10), dtHalfMonth, true), Day(2003, 1, 15));
    EXPECT_EQ(Step(Day(2003, 1, 15), dtHalfMonth, true), Day(2003, 2, 1));
    EXPECT_EQ(Step(Day(2003, 12, 20), dtHalfMonth, true), Day(2004, 1, 1));

    EXPECT_EQ(Step(Day(2003, 1, 20), dtHalfMonth, false), Day(2003, 1, 15));
    EXPECT_EQ(Step(Day(2003, 1, 15), dtHalfMonth, false), Day(2003, 1, 1));
    EXPECT_EQ(Step(Day(2003, 1, 10), dtHalfMonth, false), Day(2003, 1, 1));
    EXPECT_EQ(Step(Day(2003, 1, 1), dtHalfMonth, false), Day(2002, 12, 15));

    // A walk up from any day only ever rises, and down only ever falls.
    for (TDateTime d = Day(2003, 1, 1); d < Day(2004, 1, 1); d += 1) {
        ASSERT_GT(Step(d, dtHalfMonth, true), d);
        ASSERT_LT(Step(d, dtHalfMonth, false), d);
    }
}

TEST(DateSteps, OtherStepsAddOrSubtractTheIncrement) {
    double value = 100.5;
    TeeDateTimeIncrement(true, true, value, 0.25, dtSixHours);
    EXPECT_EQ(value, 100.75);
    TeeDateTimeIncrement(false, false, value, 30, dtOneMonth);  // not a date axis
    EXPECT_EQ(value, 70.75);
    TeeDateTimeIncrement(true, true, value, 7, dtNone);
    EXPECT_EQ(value, 77.75);
    // Beyond the calendar's last day the step is plain arithmetic.
    value = Day(9999, 12, 5);
    TeeDateTimeIncrement(true, true, value, 30, dtOneMonth);
    EXPECT_EQ(value, Day(9999, 12, 5) + 30);
    value = 1e12;
    TeeDateTimeIncrement(true, false, value, 365, dtOneYear);
    EXPECT_EQ(value, 1e12 - 365);
}

TEST(DateSteps, NextStepWalksOneTwoFive) {
    EXPECT_EQ(TeeNextStep(3), 5);
    EXPECT_DOUBLE_EQ(TeeNextStep(0.3), 0.5);
    EXPECT_DOUBLE_EQ(TeeNextStep(30), 50);
    EXPECT_EQ(TeeNextStep(1), 2);
    EXPECT_EQ(TeeNextStep(2), 5);
    EXPECT_EQ(TeeNextStep(5), 10);
    EXPECT_EQ(TeeNextStep(9.99), 10);
    EXPECT_DOUBLE_EQ(TeeNextStep(10), 20);
    EXPECT_DOUBLE_EQ(TeeNextStep(0.1), 0.2);
    EXPECT_DOUBLE_EQ(TeeNextStep(1234), 2000);
    EXPECT_DOUBLE_EQ(TeeNextStep(0.0007), 0.001);
    EXPECT_DOUBLE_EQ(TeeNextStep(1e300), 2e300);
    EXPECT_GT(TeeNextStep(1e-300), 1e-300);
}

TEST(DateSteps, NextStepOfNothingSensibleIsOneOrInfinity) {
    constexpr double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(TeeNextStep(0), 1);
    EXPECT_EQ(TeeNextStep(-3), 1);
    EXPECT_EQ(TeeNextStep(-inf), 1);
    EXPECT_EQ(TeeNextStep(std::nan("")), 1);
    EXPECT_EQ(TeeNextStep(inf), inf);
}

}  // namespace
