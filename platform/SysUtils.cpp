#include "SysUtils.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>

// Placeholder conversions until the full run-time lands.
int StrToInt(const AnsiString& S) {
    char* end = nullptr;
    errno = 0;
    long v = std::strtol(S.c_str(), &end, 10);
    if (S.IsEmpty() || *end || errno) throw EConvertError("'" + S + "' is not a valid integer value");
    return static_cast<int>(v);
}
int StrToIntDef(const AnsiString& S, int Default) {
    try { return StrToInt(S); } catch (const EConvertError&) { return Default; }
}
double StrToFloat(const AnsiString& S) {
    char* end = nullptr;
    double v = std::strtod(S.c_str(), &end);
    if (S.IsEmpty() || *end) throw EConvertError("'" + S + "' is not a valid floating point value");
    return v;
}
AnsiString FloatToStr(double Value) { return AnsiString(std::to_string(Value)); }
