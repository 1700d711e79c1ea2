#pragma once
// Free functions, tables and switches shared by the whole chart library:
// date-time steps for axis labels, the series palette, the default font,
// angle checks, hit tests, multi-line texts, field lists and unique names.

#include <initializer_list>

#include "platform/runtime/Components.h"
#include "platform/runtime/DateUtils.h"
#include "platform/gdi/Graphics.h"

// Stores Value when it differs; whether it did. The property setters of
// panels and series repaint on true.
template <class T, class V>
bool TeeStoreChanged(T& Variable, const V& Value) {
    if (Variable == Value) return false;
    Variable = Value;
    return true;
}

// ---- Switches ------------------------------------------------------------
extern char TeeLineSeparator;      // separates the lines of multi-line texts (13)
extern bool TeeClipWhenPrinting;   // clipping allowed while printing (true)
extern bool TeeClipWhenMetafiling; // clipping allowed while drawing a metafile (true)
extern bool TeeEraseBack;          // panels let the window erase their background (false)
extern bool PrintTeePanel;         // background and bevels are printed too (false)

// ---- Date-time steps -----------------------------------------------------
enum TDateTimeStep {
    dtOneSecond, dtFiveSeconds, dtTenSeconds, dtFifteenSeconds, dtThirtySeconds,
    dtOneMinute, dtFiveMinutes, dtTenMinutes, dtFifteenMinutes, dtThirtyMinutes,
    dtOneHour, dtTwoHours, dtSixHours, dtTwelveHours,
    dtOneDay, dtTwoDays, dtThreeDays, dtOneWeek,
    dtHalfMonth, dtOneMonth, dtTwoMonths, dtThreeMonths, dtFourMonths, dtSixMonths, dtOneYear,
    dtNone
};

// Length of each step in days (dtNone has none).
inline constexpr double DateTimeStep[dtNone] = {
    1.0 / 86400, 5.0 / 86400, 10.0 / 86400, 15.0 / 86400, 30.0 / 86400,
    1.0 / 1440, 5.0 / 1440, 10.0 / 1440, 15.0 / 1440, 30.0 / 1440,
    1.0 / 24, 2.0 / 24, 0.25, 0.5,
    1, 2, 3, 7,
    15, 30, 60, 90, 120, 182, 365,
};

// 0 for a month outside 1..12.
Word DaysInMonth(Word Year, Word Month);
// The short date format for steps above one day, else the short time format.
AnsiString DateTimeDefaultFormat(double AStep);
// The table step after the largest one not above AStep; one year when AStep
// is below one second.
double NextDateTimeStep(double AStep);
// The step whose length is within one second of AStep, else dtNone.
TDateTimeStep FindDateTimeStep(double AStep);
// Date rounded down to the step's calendar start (the 1st or 15th, the 1st
// of the month, 1 January); the time of day is dropped. Dates up to
// 1 January 1900, and dates outside the calendar, come back unchanged.
TDateTime TeeRoundDate(TDateTime ADate, TDateTimeStep AStep);
// Moves Value one step up (Increment) or down. Date-time steps from half a
// month up walk the calendar: half months between the 1st and the 15th,
// months to the 1st, years keeping month and day (29 February is cut to
// 28). Otherwise, or when the calendar cannot hold the result, AnIncrement
// is added or subtracted.
void TeeDateTimeIncrement(bool IsDateTime, bool Increment, double& Value, double AnIncrement,
                          TDateTimeStep tmpWhichDateTime);
// The next number of 1, 2, 5, 10, 20, 50 ... (and 0.5, 0.2, 0.1 ... below 1)
// above Old. Zero, negatives and NaN give 1; +infinity comes back unchanged.
double TeeNextStep(double Old);

// ---- Colours, angles, fonts ------------------------------------------------
extern const TColor ColorPalette[16];
// The palette colour of Index, counted round the palette (negative ones too).
TColor GetDefaultColor(int Index);
// Raises ChartException "<Description> Angle must be between 0 and 359
// degrees" for any angle outside 0..359.
void TeeCheckAngle(int Angle, const AnsiString& Description);

// The chart's default font, from the message table.
AnsiString GetDefaultFontName();
// The size text of the message table; 8 when it is not a number.
int GetDefaultFontSize();
// Vertical pixels per inch of the screen.
int GetScreenLogPixels();
// A new font (the caller's) with the default name and size, black, no
// style, and OnChange as its change notification.
TFont* CreateDefaultFont(TNotifyEvent OnChange);
// The font has the default name and size, is black and has no style.
bool IsDefaultFont(TFont* AFont);

// ---- Hit tests (pixels) ----------------------------------------------------
// P lies within about a pixel of the line through p and q and no further
// than Tolerance beyond either end along x or along y.
bool PointInLineTolerance(const TPoint& P, int px, int py, int qx, int qy, int Tolerance);
bool PointInLine(const TPoint& P, int px, int py, int qx, int qy);
// Even-odd rule over Points[0..High]: the left and top edges are inside, the
// right and bottom edges outside. High < 0 is an empty polygon.
bool PointInPolygon(const TPoint& P, const TPoint* Points, int High);
// Triangle on the base (X0, Y0)-(X1, Y0) with its apex at the middle of Y1.
bool PointInTriangle(const TPoint& P, int X0, int X1, int Y0, int Y1);
// Triangle on the base (X0, Y0)-(X0, Y1) with its apex at the middle of X1.
bool PointInHorizTriangle(const TPoint& P, int Y0, int Y1, int X0, int X1);
// Ellipse inscribed in R; one without half-width or half-height (a rectangle
// less than two pixels wide or high) holds nothing.
bool PointInEllipse(const TPoint& P, const TRect& R);

// ---- Texts -------------------------------------------------------------------
// Every occurrence of Separator ends a line: its first character becomes
// TeeLineSeparator.
void TeeSplitInLines(AnsiString& St, const AnsiString& Separator);
// Lines of St split by TeeLineSeparator; "" has none, "a" and "a\r" one.
int TeeNumTextLines(const AnsiString& St);
// Number formats between the standard "," "." and the locale's separators.
AnsiString StandardToLocalFormat(const AnsiString& AFormat);
AnsiString LocalToStandardFormat(const AnsiString& AFormat);
// ";"-separated fields: their count (0 for ""), and field Index counted from
// 1, the last field for an index out of range.
int TeeNumFields(const AnsiString& St);
AnsiString TeeExtractField(const AnsiString& St, int Index);

// StartName followed by the first number from 1 that AOwner has no
// component named by.
AnsiString TeeGetUniqueName(TComponent* AOwner, const AnsiString& StartName);

class TControl;
// Enables or disables every control of the list.
void EnableControls(bool Enable, std::initializer_list<TControl*> Controls);

// The chart's hand cursor and its identifier in streamed forms. The other
// identifiers are the standard cursors'.
inline constexpr int crTeeHand = 2020;
bool TeeIdentToCursor(const AnsiString& Ident, int& Cursor);
bool TeeCursorToIdent(int Cursor, AnsiString& Ident);
// Puts the hand cursor into the screen's cursor list under crTeeHand, once;
// the first panel does so, and the entry goes again when the program ends.
void TeeRegisterHandCursor();
void TeeUnregisterHandCursor();

// Extension of the chart's image kinds: 0 "BMP", 1 "WMF", 2 "EMF", 3 "TEE",
// 4 "JPG"; empty for any other index.
AnsiString TeeGetImageExtension(int Index);
