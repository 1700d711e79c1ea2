#pragma once
// Conversions and formatting of the class library's run-time: Format,
// FormatFloat, FloatToStrF, integer parsing, Round, Trunc, MulDiv, the random
// generator and the string table.

#include <cstdint>
#include <initializer_list>
#include <type_traits>

#include "platform/runtime/AnsiString.h"
#include "platform/runtime/Exceptions.h"

// One argument of Format: an integer, a float, a character, a string or a pointer.
class TVarRec {
public:
    enum Kind { vtInteger, vtInt64, vtExtended, vtChar, vtString, vtPointer, vtBoolean };
    TVarRec(int v) : kind_(vtInteger), i_(v) {}
    TVarRec(unsigned v) : kind_(vtInt64), i_(v) {}
    TVarRec(long v) : kind_(vtInt64), i_(v) {}
    TVarRec(long long v) : kind_(vtInt64), i_(v) {}
    TVarRec(unsigned long v) : kind_(vtInt64), i_(static_cast<long long>(v)) {}
    TVarRec(double v) : kind_(vtExtended), d_(v) {}
    TVarRec(char v) : kind_(vtChar), s_(v) {}
    TVarRec(bool v) : kind_(vtBoolean), i_(v) {}
    TVarRec(const char* v) : kind_(vtString), s_(v) {}
    TVarRec(const AnsiString& v) : kind_(vtString), s_(v) {}
    TVarRec(const void* v) : kind_(vtPointer), p_(v) {}
    Kind GetKind() const { return kind_; }
    long long AsInteger() const { return i_; }
    double AsFloat() const { return d_; }
    const AnsiString& AsString() const { return s_; }
    const void* AsPointer() const { return p_; }

private:
    Kind kind_;
    long long i_ = 0;
    double d_ = 0;
    AnsiString s_;
    const void* p_ = nullptr;
};

// Directives: %d %u %x (integers; a precision pads with zeros), %e %f %g %n
// %m (floats only), %s (strings and characters; a precision cuts), %p
// (pointers), "%%"; with an optional "index:", "-" (left justify), width and
// ".precision", each of the three numbers may be "*". %e has a three-digit
// exponent ("1.5E+003") and 15 significant digits unless told; %g is
// FloatToStr's general format; %f %n %m show 2 decimals unless told; %m is a
// plain number with thousands separators (no currency symbol). A wrong kind of
// argument, a missing argument or a broken directive raises EConvertError
// "Format '<fmt>' invalid or incompatible with argument".
AnsiString FormatArgs(const AnsiString& Fmt, std::initializer_list<TVarRec> Args);
template <class... T>
AnsiString Format(const AnsiString& Fmt, const T&... args) {
    return FormatArgs(Fmt, {TVarRec(args)...});
}

// Precision counts significant digits and is held to 1..15 (a double carries
// no more than that reliably); Digits is the number of decimals for
// ffFixed/ffNumber/ffCurrency (0..18) and the least number of exponent digits
// for ffGeneral/ffExponent (0..4). ffCurrency is ffNumber (no symbol). A fixed
// value with more integer digits than Precision comes out in general format.
// NaN and infinities read "NAN", "INF", "-INF".
enum TFloatFormat { ffGeneral, ffExponent, ffFixed, ffNumber, ffCurrency };
// Picture formats: sections "positive;negative;zero", "0" "#" "." "," "E+00"
// and quoted literals; an empty format is FloatToStr. Rounding is half away
// from zero on the value's 18-digit decimal expansion, so 2.675 (really
// 2.67499999999999982...) gives "2.67" with "0.00". A value that rounds to
// zero is written as zero: with the zero section if there is one, never "-0".
AnsiString FormatFloat(const AnsiString& Format, double Value);
AnsiString FloatToStrF(double Value, TFloatFormat Format, int Precision, int Digits);
// General format with 15 significant digits: 0.1 -> "0.1", 1e20 -> "1E20",
// 1e-5 -> "1E-5", 0.0001 -> "0.0001".
AnsiString FloatToStr(double Value);
AnsiString IntToStr(long long Value);
// Upper-case hex of at least Digits digits; a negative value shows the bit
// pattern of its own type's width (IntToHex(-1, 2) is "FFFFFFFF" for an int).
AnsiString IntToHex(long long Value, int Digits);
AnsiString IntToHexBits(unsigned long long Value, int Digits);
template <class T>
    requires(std::is_integral_v<T> && !std::is_same_v<T, long long> && !std::is_same_v<T, bool>)
AnsiString IntToHex(T Value, int Digits) {
    return IntToHexBits(static_cast<unsigned long long>(static_cast<std::make_unsigned_t<T>>(Value)), Digits);
}
// Leading blanks, a sign, decimal digits or "$"/"0x" and hex digits; anything
// after the number, an empty text or a value beyond the 32-bit range raises
// EConvertError "'x' is not a valid integer value".
int StrToInt(const AnsiString& S);
int StrToIntDef(const AnsiString& S, int Default);
bool TryStrToInt(const AnsiString& S, int& Value);  // Value untouched on failure
// Blanks around it allowed; the decimal separator is DecimalSeparator; no
// thousands separators. Raises EConvertError "'x' is not a valid floating
// point value", also on overflow.
double StrToFloat(const AnsiString& S);
// Case changes and comparisons touch a-z/A-Z only, as the class library's.
AnsiString UpperCase(const AnsiString& S);
AnsiString LowerCase(const AnsiString& S);
AnsiString Trim(const AnsiString& S);
int CompareText(const AnsiString& A, const AnsiString& B);

// Decimal separator and other locale settings; '.' unless a test changes it.
extern char DecimalSeparator;
extern char ThousandSeparator;

// Round takes halves to the even side of the exact binary value (2.5 -> 2,
// 3.5 -> 4); Trunc goes toward zero. A result outside the integer type (or a
// NaN) raises ERangeError "Range check error".
int Round(double X);
long long Round64(double X);
int Trunc(double X);
// Number * Numerator / Denominator over a 64-bit product, rounded half away
// from zero; -1 on a zero divisor or when the result does not fit an int.
int MulDiv(int Number, int Numerator, int Denominator);

// The class library's generator: each draw first steps
// RandSeed = RandSeed * 134775813 + 1 (mod 2^32); Random(n) is then
// (RandSeed * n) >> 32 (0 for n <= 0) and Random() is RandSeed / 2^32.
extern std::uint32_t RandSeed;
int Random(int Range);
double Random();

// The program's string table: texts looked up by number on every use.
AnsiString LoadStr(int Ident);    // empty when the number is unknown
void SetResourceString(int Ident, const AnsiString& Text);
void RemoveResourceString(int Ident);
