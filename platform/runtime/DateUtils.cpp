#include "platform/runtime/DateUtils.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <ctime>
#include <optional>

#include "platform/runtime/DateParts.h"

namespace {

// Serial of 1 January 0001 and of 31 December 9999.
constexpr long kFirstDay = -693593;
constexpr long kLastDay = 2958465;
constexpr long long kMSecsPerDay = 86400000;

// Days from 1 January 0001 (day 0) to the given date.
long DaysFromYearOne(long y, long m, long d) {
    long days = d - 1;
    for (long i = 1; i < m; ++i) days += MonthDays[IsLeapYear(static_cast<Word>(y))][i - 1];
    long py = y - 1;
    return days + py * 365 + py / 4 - py / 100 + py / 400;
}

std::optional<TDateTime> testClock;

}  // namespace

const Word MonthDays[2][12] = {{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31},
                               {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31}};

bool IsLeapYear(Word Year) { return Year % 4 == 0 && (Year % 100 != 0 || Year % 400 == 0); }

Word DaysInAMonth(Word Year, Word Month) {
    if (Month < 1 || Month > 12) return 0;
    return MonthDays[IsLeapYear(Year)][Month - 1];
}

bool TryEncodeDate(Word Year, Word Month, Word Day, TDateTime& Date) {
    if (Year < 1 || Year > 9999 || Month < 1 || Month > 12 || Day < 1 || Day > DaysInAMonth(Year, Month)) return false;
    Date = static_cast<double>(DaysFromYearOne(Year, Month, Day) + kFirstDay);
    return true;
}

TDateTime EncodeDate(Word Year, Word Month, Word Day) {
    TDateTime result = 0;
    if (!TryEncodeDate(Year, Month, Day, result)) throw EConvertError("Invalid argument to date encode");
    return result;
}

bool TryEncodeTime(Word Hour, Word Min, Word Sec, Word MSec, TDateTime& Time) {
    if (Hour > 23 || Min > 59 || Sec > 59 || MSec > 999) return false;
    Time = (((Hour * 60.0 + Min) * 60.0 + Sec) * 1000.0 + MSec) / kMSecsPerDay;
    return true;
}

TDateTime EncodeTime(Word Hour, Word Min, Word Sec, Word MSec) {
    TDateTime result = 0;
    if (!TryEncodeTime(Hour, Min, Sec, MSec, result)) throw EConvertError("Invalid argument to time encode");
    return result;
}

TDateParts SplitDateTime(TDateTime Value) {
    TDateParts p;
    if (!std::isfinite(Value) || Value < kFirstDay - 1 || Value > kLastDay + 1) return p;
    double whole = std::trunc(Value);
    long day = static_cast<long>(whole);
    long long ms = std::llround(std::fabs(Value - whole) * kMSecsPerDay);
    if (ms >= kMSecsPerDay) {
        ms -= kMSecsPerDay;
        day += Value < 0 ? -1 : 1;
    }
    if (day < kFirstDay || day > kLastDay) return p;
    p.valid = true;
    p.serialDay = day;
    p.hour = static_cast<Word>(ms / 3600000);
    p.min = static_cast<Word>(ms / 60000 % 60);
    p.sec = static_cast<Word>(ms / 1000 % 60);
    p.msec = static_cast<Word>(ms % 1000);
    // Walk 400-, 100-, 4- and 1-year cycles from 1 January 0001.
    long rest = day - kFirstDay;
    long year = 1 + rest / 146097 * 400;
    rest %= 146097;
    long centuries = std::min(rest / 36524, 3L);
    year += centuries * 100;
    rest -= centuries * 36524;
    year += rest / 1461 * 4;
    rest %= 1461;
    long years = std::min(rest / 365, 3L);
    year += years;
    rest -= years * 365;
    Word month = 1;
    while (rest >= MonthDays[IsLeapYear(static_cast<Word>(year))][month - 1]) {
        rest -= MonthDays[IsLeapYear(static_cast<Word>(year))][month - 1];
        ++month;
    }
    p.year = static_cast<Word>(year);
    p.month = month;
    p.day = static_cast<Word>(rest + 1);
    p.dayOfWeek = static_cast<int>(((day - 1) % 7 + 7) % 7) + 1;
    return p;
}

void DecodeDate(TDateTime Date, Word& Year, Word& Month, Word& Day) {
    TDateParts p = SplitDateTime(Date);
    Year = p.year;
    Month = p.month;
    Day = p.day;
}

void DecodeTime(TDateTime Time, Word& Hour, Word& Min, Word& Sec, Word& MSec) {
    TDateParts p = SplitDateTime(Time);
    Hour = p.hour;
    Min = p.min;
    Sec = p.sec;
    MSec = p.msec;
}

int DayOfWeek(TDateTime Date) {
    long day = static_cast<long>(std::trunc(Date));
    return static_cast<int>(((day - 1) % 7 + 7) % 7) + 1;
}

TDateTime IncMonth(TDateTime Date, int NumberOfMonths) {
    TDateParts p = SplitDateTime(Date);
    if (!p.valid) throw EConvertError("Invalid argument to date encode");
    long months = p.year * 12L + (p.month - 1) + NumberOfMonths;
    if (months < 12) throw EConvertError("Invalid argument to date encode");
    auto year = static_cast<Word>(std::min(months / 12, 65535L));
    auto month = static_cast<Word>(months % 12 + 1);
    Word day = std::min(p.day, DaysInAMonth(year, month));
    TDateTime result = EncodeDate(year, month, day);
    double time = std::fabs(Date - std::trunc(Date));
    return result < 0 ? result - time : result + time;
}

TDateTime Now() {
    if (testClock) return *testClock;
    auto now = std::chrono::system_clock::now();
    std::time_t seconds = std::chrono::system_clock::to_time_t(now);
    auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000;
    std::tm local{};
    localtime_r(&seconds, &local);
    return EncodeDate(static_cast<Word>(local.tm_year + 1900), static_cast<Word>(local.tm_mon + 1),
                      static_cast<Word>(local.tm_mday)) +
           EncodeTime(static_cast<Word>(local.tm_hour), static_cast<Word>(local.tm_min),
                      static_cast<Word>(std::min(local.tm_sec, 59)), static_cast<Word>(ms));
}

TDateTime Date() { return std::trunc(Now()); }

TDateTime Time() {
    TDateTime now = Now();
    return std::fabs(now - std::trunc(now));
}

void SetClockForTests(TDateTime Value) { testClock = Value; }
void ResetClockForTests() { testClock.reset(); }
