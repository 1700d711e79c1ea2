#pragma once
// Conversions and formatting of the class library's run-time: Format,
// FormatFloat, FloatToStrF, integer parsing, Round, Trunc, MulDiv, the random
// generator and the string table.

#include <cstdint>
#include <initializer_list>

#include "AnsiString.h"
#include "Exceptions.h"

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

AnsiString FormatArgs(const AnsiString& Fmt, std::initializer_list<TVarRec> Args);
template <class... T>
AnsiString Format(const AnsiString& Fmt, const T&... args) {
    return FormatArgs(Fmt, {TVarRec(args)...});
}

enum TFloatFormat { ffGeneral, ffExponent, ffFixed, ffNumber, ffCurrency };
AnsiString FormatFloat(const AnsiString& Format, double Value);
AnsiString FloatToStrF(double Value, TFloatFormat Format, int Precision, int Digits);
AnsiString FloatToStr(double Value);
AnsiString IntToStr(long long Value);
AnsiString IntToHex(long long Value, int Digits);
int StrToInt(const AnsiString& S);                 // EConvertError "'x' is not a valid integer value"
int StrToIntDef(const AnsiString& S, int Default);
double StrToFloat(const AnsiString& S);            // EConvertError "'x' is not a valid floating point value"
AnsiString UpperCase(const AnsiString& S);
AnsiString LowerCase(const AnsiString& S);
AnsiString Trim(const AnsiString& S);
int CompareText(const AnsiString& A, const AnsiString& B);

// Decimal separator and other locale settings; '.' unless a test changes it.
extern char DecimalSeparator;
extern char ThousandSeparator;

int Round(double X);              // halves to even
long long Round64(double X);
int Trunc(double X);              // toward zero
int MulDiv(int Number, int Numerator, int Denominator);  // -1 on a zero divisor

extern std::uint32_t RandSeed;
void Randomize();
int Random(int Range);            // 0 <= result < Range; 0 for Range <= 0
double Random();                  // 0 <= result < 1

// The program's string table: texts looked up by number on every use.
AnsiString LoadStr(int Ident);    // empty when the number is unknown
void SetResourceString(int Ident, const AnsiString& Text);
void RemoveResourceString(int Ident);
