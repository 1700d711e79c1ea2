#include <gtest/gtest.h>

#include <cmath>

#include "platform/runtime/DateUtils.h"

namespace {

struct Ymd {
    Word y, m, d;
};

Ymd Decode(TDateTime t) {
    Ymd r{};
    DecodeDate(t, r.y, r.m, r.d);
    return r;
}

TEST(Dates, SerialNumbersOfKnownDays) {
    EXPECT_EQ(EncodeDate(1899, 12, 30), 0.0);
    EXPECT_EQ(EncodeDate(1899, 12, 31), 1.0);
    EXPECT_EQ(EncodeDate(1900, 1, 1), 2.0);
    EXPECT_EQ(EncodeDate(1900, 3, 1), 61.0);  // 1900 has no 29 February
    EXPECT_EQ(EncodeDate(2000, 1, 1), 36526.0);
    EXPECT_EQ(EncodeDate(2003, 3, 20), 37700.0);
    EXPECT_EQ(EncodeDate(1, 1, 1), -693593.0);
    EXPECT_EQ(EncodeDate(9999, 12, 31), 2958465.0);
}

TEST(Dates, DecodeIsTheInverseOfEncodeOverTheWholeRange) {
    // Every day of a few centuries, and a sparse walk over the rest.
    for (long day = -693593; day <= 2958465; day += (day > -1000 && day < 80000) ? 1 : 997) {
        Ymd d = Decode(day);
        ASSERT_EQ(EncodeDate(d.y, d.m, d.d), static_cast<double>(day)) << day;
    }
    Ymd last = Decode(2958465);
    EXPECT_EQ(last.y, 9999);
    EXPECT_EQ(last.m, 12);
    EXPECT_EQ(last.d, 31);
}

TEST(Dates, NegativeValuesCountTheDayTowardZeroAndTheTimeForward) {
    Ymd d = Decode(-1.25);
    EXPECT_EQ(d.y, 1899);
    EXPECT_EQ(d.m, 12);
    EXPECT_EQ(d.d, 29);
    Word h, n, s, ms;
    DecodeTime(-1.25, h, n, s, ms);
    EXPECT_EQ(h, 6);
    EXPECT_EQ(n, 0);
    d = Decode(-0.5);
    EXPECT_EQ(d.d, 30);  // still the day of serial 0
    d = Decode(-36522.0);
    EXPECT_EQ(d.y, 1800);
    EXPECT_EQ(d.m, 1);
    EXPECT_EQ(d.d, 1);
    EXPECT_EQ(DayOfWeek(-1.25), 6);  // Friday
}

TEST(Dates, InvalidDatesRaise) {
    const Ymd bad[] = {{1900, 2, 29}, {2001, 2, 29}, {2000, 13, 1}, {2000, 0, 1},
                       {2000, 4, 31}, {2000, 1, 0}, {0, 1, 1},     {10000, 1, 1}};
    for (const Ymd& b : bad) {
        TDateTime out = 123;
        EXPECT_FALSE(TryEncodeDate(b.y, b.m, b.d, out));
        EXPECT_EQ(out, 123);
        try {
            EncodeDate(b.y, b.m, b.d);
            ADD_FAILURE() << b.y << "-" << b.m << "-" << b.d << " was encoded";
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.GetMessage(), "Invalid argument to date encode");
        }
    }
    EXPECT_NO_THROW(EncodeDate(2000, 2, 29));
    EXPECT_THROW(EncodeTime(24, 0, 0, 0), EConvertError);
    EXPECT_THROW(EncodeTime(0, 60, 0, 0), EConvertError);
    EXPECT_THROW(EncodeTime(0, 0, 0, 1000), EConvertError);
}

TEST(Dates, LeapYearsAndMonthLengths) {
    EXPECT_FALSE(IsLeapYear(1900));
    EXPECT_TRUE(IsLeapYear(2000));
    EXPECT_TRUE(IsLeapYear(2004));
    EXPECT_FALSE(IsLeapYear(2003));
    EXPECT_EQ(DaysInAMonth(1900, 2), 28);
    EXPECT_EQ(DaysInAMonth(2000, 2), 29);
    EXPECT_EQ(DaysInAMonth(2003, 4), 30);
    EXPECT_EQ(DaysInAMonth(2003, 13), 0);
    EXPECT_EQ(MonthDays[1][1], 29);
    EXPECT_EQ(MonthDays[0][11], 31);
}

TEST(Dates, DayOfWeekStartsOnSunday) {
    EXPECT_EQ(DayOfWeek(EncodeDate(1899, 12, 30)), 7);  // Saturday
    EXPECT_EQ(DayOfWeek(EncodeDate(1899, 12, 31)), 1);
    EXPECT_EQ(DayOfWeek(EncodeDate(2000, 1, 1) + 0.99), 7);
    EXPECT_EQ(DayOfWeek(EncodeDate(2003, 3, 20)), 5);  // Thursday
}

TEST(Dates, IncMonthKeepsTheTimeAndCutsTheDay) {
    TDateTime t = EncodeDate(2003, 1, 31) + 0.75;
    EXPECT_EQ(IncMonth(t, 1), EncodeDate(2003, 2, 28) + 0.75);
    EXPECT_EQ(IncMonth(t, 13), EncodeDate(2004, 2, 29) + 0.75);
    EXPECT_EQ(IncMonth(t, -2), EncodeDate(2002, 11, 30) + 0.75);
    EXPECT_EQ(IncMonth(EncodeDate(2003, 12, 15)), EncodeDate(2004, 1, 15));
    EXPECT_EQ(IncMonth(EncodeDate(2003, 3, 15), -15), EncodeDate(2001, 12, 15));
    EXPECT_THROW(IncMonth(EncodeDate(1, 1, 1), -1), EConvertError);
}

TEST(Times, EncodeDecodeAndRoundingToTheMillisecond) {
    TDateTime t = EncodeTime(13, 45, 30, 250);
    EXPECT_DOUBLE_EQ(t, (13 * 3600 + 45 * 60 + 30.25) / 86400.0);
    Word h, n, s, ms;
    DecodeTime(t, h, n, s, ms);
    EXPECT_EQ(h, 13);
    EXPECT_EQ(n, 45);
    EXPECT_EQ(s, 30);
    EXPECT_EQ(ms, 250);
    // Just short of midnight rounds into the next day, not to 24:00.
    TDateTime late = EncodeDate(2003, 3, 20) + 0.9999999999;
    DecodeTime(late, h, n, s, ms);
    EXPECT_EQ(h, 0);
    Ymd d = Decode(late);
    EXPECT_EQ(d.d, 21);
}

TEST(Clock, TestsCanSetIt) {
    TDateTime fixed = EncodeDate(2003, 3, 20) + EncodeTime(14, 0, 0, 0);
    SetClockForTests(fixed);
    EXPECT_EQ(Now(), fixed);
    EXPECT_EQ(Date(), EncodeDate(2003, 3, 20));
    EXPECT_NEAR(Time(), 14.0 / 24.0, 1e-9);
    ResetClockForTests();
    TDateTime now = Now();
    EXPECT_GT(now, EncodeDate(2020, 1, 1));
    EXPECT_LT(now, EncodeDate(2200, 1, 1));
    EXPECT_EQ(Date(), std::trunc(Now()));
}

TEST(FormatDateTime, Specifiers) {
    TDateTime t = EncodeDate(2003, 3, 7) + EncodeTime(14, 5, 9, 42);
    const std::pair<const char*, const char*> cases[] = {
        {"d/m/yy", "7/3/03"},
        {"dd.mm.yyyy", "07.03.2003"},
        {"ddd dddd", "Fri Friday"},
        {"mmm mmmm", "Mar March"},
        {"yyyy-mm-dd hh:nn:ss.zzz", "2003-03-07 14:05:09.042"},
        {"h:n:s z", "14:5:9 42"},
        {"hh:mm", "14:05"},  // minutes after an hour
        {"h:mm am/pm", "2:05 pm"},
        {"h:mm AM/PM", "2:05 PM"},
        {"h a/p", "2 p"},
        {"h:nn ampm", "2:05 PM"},
        {"'Day' d \"of\" mmmm", "Day 7 of March"},
        {"yy/mm", "03/03"},
        {"c", "3/7/2003 2:05:09 PM"},
        {"x-q!", "x-q!"},
    };
    for (const auto& [format, expected] : cases) EXPECT_EQ(FormatDateTime(format, t), expected) << format;
    EXPECT_EQ(FormatDateTime("hh am/pm", EncodeTime(0, 30, 0, 0)), "12 am");
    EXPECT_EQ(FormatDateTime("hh am/pm", EncodeTime(12, 30, 0, 0)), "12 pm");
    EXPECT_EQ(FormatDateTime("yyyy", EncodeDate(5, 1, 1)), "0005");
}

TEST(FormatDateTime, SeparatorsAndTheStandardTexts) {
    TDateTime day = EncodeDate(2003, 3, 20);
    EXPECT_EQ(DateToStr(day), "3/20/2003");
    EXPECT_EQ(DateTimeToStr(day), "3/20/2003");  // midnight: no time
    EXPECT_EQ(TimeToStr(EncodeTime(9, 7, 3, 0)), "9:07:03 AM");
    EXPECT_EQ(DateTimeToStr(day + 0.5), "3/20/2003 12:00:00 PM");

    char oldDate = DateSeparator, oldTime = TimeSeparator;
    AnsiString oldShort = ShortDateFormat;
    DateSeparator = '.';
    TimeSeparator = '-';
    ShortDateFormat = "dd/mm/yyyy";
    EXPECT_EQ(DateToStr(day), "20.03.2003");
    EXPECT_EQ(FormatDateTime("hh:nn", day + 0.25), "06-00");
    ShortDateFormat = "c";  // must not recurse for ever
    EXPECT_NO_THROW(DateToStr(day));
    DateSeparator = oldDate;
    TimeSeparator = oldTime;
    ShortDateFormat = oldShort;
}

TEST(FormatDateTime, NegativeValues) {
    EXPECT_EQ(FormatDateTime("yyyy-mm-dd hh:nn", -1.25), "1899-12-29 06:00");
    EXPECT_EQ(FormatDateTime("yyyy-mm-dd hh:nn", -700000.0), "0000-01-00 00:00");  // before year 1
}

}  // namespace
