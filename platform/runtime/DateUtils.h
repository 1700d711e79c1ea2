#pragma once
// Dates and times of the class library's run-time. A TDateTime counts days
// since 30 December 1899; its fraction is the time of day. For a negative
// value the whole part (toward zero) is the day and the fraction's magnitude
// the time: -1.25 is 29 December 1899, 06:00.

#include "platform/runtime/AnsiString.h"
#include "platform/runtime/Exceptions.h"
#include "platform/runtime/Types.h"

using TDateTime = double;

bool IsLeapYear(Word Year);
// Days per month, [IsLeapYear(year)][month - 1].
extern const Word MonthDays[2][12];
// 0 for a month outside 1..12.
Word DaysInAMonth(Word Year, Word Month);

// Years 1..9999; anything else raises EConvertError
// "Invalid argument to date encode" (EncodeDate) or
// "Invalid argument to time encode" (EncodeTime: 0..23, 0..59, 0..59, 0..999).
TDateTime EncodeDate(Word Year, Word Month, Word Day);
bool TryEncodeDate(Word Year, Word Month, Word Day, TDateTime& Date);
TDateTime EncodeTime(Word Hour, Word Min, Word Sec, Word MSec);
bool TryEncodeTime(Word Hour, Word Min, Word Sec, Word MSec, TDateTime& Time);
// The time is taken to the nearest millisecond; a time that rounds up to
// midnight moves on to the next day. Values outside years 1..9999 decode as
// all zeros.
void DecodeDate(TDateTime Date, Word& Year, Word& Month, Word& Day);
void DecodeTime(TDateTime Time, Word& Hour, Word& Min, Word& Sec, Word& MSec);
// 1 = Sunday .. 7 = Saturday.
int DayOfWeek(TDateTime Date);
// The same day NumberOfMonths later (or earlier), cut to the end of a
// shorter month; the time of day is kept.
TDateTime IncMonth(TDateTime Date, int NumberOfMonths = 1);

// The local clock, or the one a test set.
TDateTime Now();
TDateTime Date();
TDateTime Time();
void SetClockForTests(TDateTime Value);
void ResetClockForTests();

// Locale settings of the date and time texts (United States defaults).
extern char DateSeparator;           // '/'
extern char TimeSeparator;           // ':'
extern AnsiString ShortDateFormat;   // "m/d/yyyy"
extern AnsiString ShortTimeFormat;   // "h:nn AMPM"
extern AnsiString LongTimeFormat;    // "h:nn:ss AMPM"
extern AnsiString TimeAMString;      // "AM"
extern AnsiString TimePMString;      // "PM"
extern AnsiString ShortMonthNames[12];
extern AnsiString LongMonthNames[12];
extern AnsiString ShortDayNames[7];  // Sunday first
extern AnsiString LongDayNames[7];

// Specifiers (any case): d dd ddd dddd, m mm mmm mmmm (m and mm right after
// an hour are minutes), yy yyyy, h hh, n nn, s ss, z zzz, am/pm a/p ampm
// (which also switch the hours to 1..12), c (ShortDateFormat, then " " and
// LongTimeFormat unless the time is midnight), "/" DateSeparator,
// ":" TimeSeparator, '...' and "..." literals; anything else as it stands.
AnsiString FormatDateTime(const AnsiString& Format, TDateTime DateTime);
AnsiString DateToStr(TDateTime Date);          // ShortDateFormat
AnsiString TimeToStr(TDateTime Time);          // LongTimeFormat
AnsiString DateTimeToStr(TDateTime DateTime);  // "c"
