// Integer and float conversions to and from text, and plain text helpers.
#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <locale.h>
#include <string>

#include "platform/runtime/SysUtils.h"

char DecimalSeparator = '.';
char ThousandSeparator = ',';

AnsiString IntToStr(long long Value) { return AnsiString(std::to_string(Value)); }

AnsiString IntToHexBits(unsigned long long Value, int Digits) {
    static const char hex[] = "0123456789ABCDEF";
    std::string out;
    do {
        out.insert(out.begin(), hex[Value & 15]);
        Value >>= 4;
    } while (Value);
    if (static_cast<int>(out.size()) < Digits) out.insert(0, static_cast<std::size_t>(Digits) - out.size(), '0');
    return AnsiString(std::move(out));
}

AnsiString IntToHex(long long Value, int Digits) {
    return IntToHexBits(static_cast<unsigned long long>(Value), Digits);
}

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Only a-z and A-Z change case, whatever the C locale says.
char AsciiUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }
char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    c = AsciiUpper(c);
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Leading blanks, a sign, then decimal digits or "$"/"0x" and hex digits;
// nothing may follow. Hex spans the full 32 bits ($FFFFFFFF is -1).
bool ParseInt(const std::string& s, int& result) {
    std::size_t i = 0;
    while (i < s.size() && IsBlank(s[i])) ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '-' || s[i] == '+')) negative = s[i++] == '-';
    bool hex = false;
    if (i < s.size() && s[i] == '$') {
        hex = true;
        ++i;
    } else if (i + 1 < s.size() && s[i] == '0' && (s[i + 1] == 'x' || s[i + 1] == 'X')) {
        hex = true;
        i += 2;
    }
    if (i >= s.size()) return false;
    unsigned long long v = 0;
    unsigned long long limit = hex ? 0xFFFFFFFFull : (negative ? 2147483648ull : 2147483647ull);
    for (; i < s.size(); ++i) {
        int digit = hex ? HexValue(s[i]) : (std::isdigit(static_cast<unsigned char>(s[i])) ? s[i] - '0' : -1);
        if (digit < 0) return false;
        v = v * (hex ? 16 : 10) + static_cast<unsigned>(digit);
        if (v > limit) return false;
    }
    auto bits = static_cast<std::uint32_t>(v);
    if (negative) bits = 0u - bits;
    result = static_cast<int>(bits);
    return true;
}

// Optional sign, digits with at most one DecimalSeparator, an optional
// exponent; blanks around it are allowed. Returns the text in C notation.
bool NormaliseFloat(const std::string& s, std::string& c) {
    std::size_t i = 0, end = s.size();
    while (i < end && IsBlank(s[i])) ++i;
    while (end > i && IsBlank(s[end - 1])) --end;
    if (i < end && (s[i] == '-' || s[i] == '+')) c += s[i++];
    int mantissaDigits = 0;
    bool point = false;
    for (; i < end; ++i) {
        if (std::isdigit(static_cast<unsigned char>(s[i]))) {
            c += s[i];
            ++mantissaDigits;
        } else if (s[i] == DecimalSeparator && !point) {
            c += '.';
            point = true;
        } else {
            break;
        }
    }
    if (mantissaDigits == 0) return false;
    if (i < end && (s[i] == 'e' || s[i] == 'E')) {
        c += 'e';
        ++i;
        if (i < end && (s[i] == '-' || s[i] == '+')) c += s[i++];
        int expDigits = 0;
        for (; i < end && std::isdigit(static_cast<unsigned char>(s[i])); ++i, ++expDigits) c += s[i];
        if (expDigits == 0) return false;
    }
    return i == end;
}

}  // namespace

int StrToInt(const AnsiString& S) {
    int v = 0;
    if (!ParseInt(S.str(), v)) throw EConvertError("'" + S + "' is not a valid integer value");
    return v;
}

bool TryStrToInt(const AnsiString& S, int& Value) { return ParseInt(S.str(), Value); }

int StrToIntDef(const AnsiString& S, int Default) {
    int v = 0;
    return ParseInt(S.str(), v) ? v : Default;
}

double StrToFloat(const AnsiString& S) {
    std::string c;
    if (NormaliseFloat(S.str(), c)) {
        // The host may have switched the C locale; parse in the "C" one.
        static locale_t cLocale = newlocale(LC_ALL_MASK, "C", nullptr);
        errno = 0;
        double v = strtod_l(c.c_str(), nullptr, cLocale);
        if (!(errno == ERANGE && (v == HUGE_VAL || v == -HUGE_VAL))) return v;
    }
    throw EConvertError("'" + S + "' is not a valid floating point value");
}

AnsiString UpperCase(const AnsiString& S) {
    std::string r = S.str();
    std::transform(r.begin(), r.end(), r.begin(), AsciiUpper);
    return AnsiString(std::move(r));
}

AnsiString LowerCase(const AnsiString& S) {
    std::string r = S.str();
    std::transform(r.begin(), r.end(), r.begin(), AsciiLower);
    return AnsiString(std::move(r));
}

AnsiString Trim(const AnsiString& S) { return S.Trim(); }

int CompareText(const AnsiString& A, const AnsiString& B) {
    const std::string& a = A.str();
    const std::string& b = B.str();
    std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        int ca = static_cast<unsigned char>(AsciiUpper(a[i]));
        int cb = static_cast<unsigned char>(AsciiUpper(b[i]));
        if (ca != cb) return ca - cb;
    }
    return static_cast<int>(a.size()) - static_cast<int>(b.size());
}
