// Date-time steps of axis labels and the 1-2-5 sequence of numeric steps.
#include <cmath>

#include "chart/utils/TeeProcs.h"

Word DaysInMonth(Word Year, Word Month) { return DaysInAMonth(Year, Month); }

AnsiString DateTimeDefaultFormat(double AStep) { return AStep <= 1 ? ShortTimeFormat : ShortDateFormat; }

double NextDateTimeStep(double AStep) {
    for (int i = dtSixMonths; i >= dtOneSecond; --i)
        if (DateTimeStep[i] <= AStep) return DateTimeStep[i + 1];
    return DateTimeStep[dtOneYear];
}

TDateTimeStep FindDateTimeStep(double AStep) {
    for (int i = dtOneYear; i >= dtOneSecond; --i)
        if (std::fabs(DateTimeStep[i] - AStep) < DateTimeStep[dtOneSecond]) return static_cast<TDateTimeStep>(i);
    return dtNone;
}

TDateTime TeeRoundDate(TDateTime ADate, TDateTimeStep AStep) {
    if (ADate <= EncodeDate(1900, 1, 1)) return ADate;
    Word year, month, day;
    DecodeDate(ADate, year, month, day);
    switch (AStep) {
    case dtHalfMonth: day = day >= 15 ? 15 : 1; break;
    case dtOneMonth:
    case dtTwoMonths:
    case dtThreeMonths:
    case dtFourMonths:
    case dtSixMonths: day = 1; break;
    case dtOneYear: day = 1; month = 1; break;
    default: break;
    }
    TDateTime result;
    return TryEncodeDate(year, month, day, result) ? result : ADate;
}

namespace {

// Moves the month by Months (1..12) up or down; the day becomes the 1st.
void MoveMonths(Word& Year, Word& Month, Word& Day, int Months, bool Up) {
    int year = Year, month = Month;
    if (Up) {
        month += Months;
        if (month > 12) { month -= 12; ++year; }
    } else if (month <= Months) {
        month = 12 - (Months - month);
        --year;
    } else {
        month -= Months;
    }
    Year = static_cast<Word>(year);
    Month = static_cast<Word>(month);
    Day = 1;
}

// Half months stop on the 1st and the 15th, in the direction of travel.
void MoveHalfMonth(Word& Year, Word& Month, Word& Day, bool Up) {
    if (Up) {
        if (Day < 15)
            Day = 15;
        else
            MoveMonths(Year, Month, Day, 1, true);
    } else if (Day > 15) {
        Day = 15;
    } else if (Day > 1) {
        Day = 1;
    } else {
        MoveMonths(Year, Month, Day, 1, false);
        Day = 15;
    }
}

// Walks the calendar; false when the date or the result lies outside it.
bool IncrementCalendar(bool Increment, double& Value, TDateTimeStep Step) {
    Word year, month, day;
    DecodeDate(Value, year, month, day);
    if (year == 0) return false;
    switch (Step) {
    case dtHalfMonth: MoveHalfMonth(year, month, day, Increment); break;
    case dtOneMonth: MoveMonths(year, month, day, 1, Increment); break;
    case dtTwoMonths: MoveMonths(year, month, day, 2, Increment); break;
    case dtThreeMonths: MoveMonths(year, month, day, 3, Increment); break;
    case dtFourMonths: MoveMonths(year, month, day, 4, Increment); break;
    case dtSixMonths: MoveMonths(year, month, day, 6, Increment); break;
    default:  // dtOneYear
        year = static_cast<Word>(Increment ? year + 1 : year - 1);
        // 29 February has no day in the next or the last year.
        if (day > DaysInMonth(year, month)) day = DaysInMonth(year, month);
        break;
    }
    TDateTime result;
    if (!TryEncodeDate(year, month, day, result)) return false;
    Value = result;
    return true;
}

}  // namespace

void TeeDateTimeIncrement(bool IsDateTime, bool Increment, double& Value, double AnIncrement,
                          TDateTimeStep tmpWhichDateTime) {
    if (IsDateTime && tmpWhichDateTime >= dtHalfMonth && tmpWhichDateTime <= dtOneYear &&
        IncrementCalendar(Increment, Value, tmpWhichDateTime))
        return;
    Value = Increment ? Value + AnIncrement : Value - AnIncrement;
}

double TeeNextStep(double Old) {
    if (std::isnan(Old) || Old <= 0) return 1;
    if (std::isinf(Old)) return Old;
    // Scaled into 1..10 and back by the same factors, one decade at a time.
    int up = 0, down = 0;
    while (Old >= 10) { Old *= 0.1; ++up; }
    while (Old < 1) { Old *= 10; ++down; }
    double step = Old < 2 ? 2 : Old < 5 ? 5 : 10;
    while (down-- > 0) step *= 0.1;
    while (up-- > 0) step *= 10;
    return step;
}
