// Format: "%" [index ":"] ["-"] [width] ["." precision] type, with the types
// d u e f g n m p s x; width, precision and index may be "*" (taken from the
// arguments). An argument of the wrong kind, a missing one or a broken
// directive raises EConvertError.
#include <cctype>
#include <cstdint>
#include <string>

#include "platform/runtime/SysUtils.h"

namespace {

constexpr int kDefaultGeneralPrecision = 15;
constexpr int kDefaultDecimals = 2;  // %f %n %m without a precision
constexpr int kMaxDecimals = 18;
constexpr long long kMaxNumber = 1000000;  // width, precision or index

class Formatter {
public:
    Formatter(const AnsiString& fmt, std::initializer_list<TVarRec> args) : fmt_(fmt), args_(args) {}

    std::string Run() {
        const std::string& f = fmt_.str();
        std::string out;
        std::size_t i = 0;
        while (i < f.size()) {
            char c = f[i++];
            if (c != '%') {
                out += c;
                continue;
            }
            if (i < f.size() && f[i] == '%') {
                out += '%';
                ++i;
                continue;
            }
            out += Directive(f, i);
        }
        return out;
    }

private:
    [[noreturn]] void Fail() const {
        throw EConvertError("Format '" + fmt_ + "' invalid or incompatible with argument");
    }

    const TVarRec& NextArg() {
        if (next_ >= args_.size()) Fail();
        return args_.begin()[next_++];
    }

    // A run of digits or "*"; -1 when neither is there. A negative "*"
    // value counts as absent; one beyond any sensible text size is refused.
    int Number(const std::string& f, std::size_t& i) {
        long long n = 0;
        if (i < f.size() && f[i] == '*') {
            ++i;
            const TVarRec& a = NextArg();
            if (a.GetKind() != TVarRec::vtInteger && a.GetKind() != TVarRec::vtInt64) Fail();
            n = a.AsInteger() < 0 ? -1 : a.AsInteger();
        } else {
            if (i >= f.size() || !std::isdigit(static_cast<unsigned char>(f[i]))) return -1;
            while (i < f.size() && std::isdigit(static_cast<unsigned char>(f[i])) && n <= kMaxNumber)
                n = n * 10 + (f[i++] - '0');
        }
        if (n > kMaxNumber) Fail();
        return static_cast<int>(n);
    }

    std::string Directive(const std::string& f, std::size_t& i) {
        std::size_t start = i;
        std::size_t argBefore = next_;
        int n = Number(f, i);
        if (n >= 0 && i < f.size() && f[i] == ':') {
            next_ = static_cast<std::size_t>(n);
            ++i;
        } else {
            // Not an index: read again below as the width.
            i = start;
            next_ = argBefore;
        }
        bool left = false;
        if (i < f.size() && f[i] == '-') {
            left = true;
            ++i;
        }
        int width = Number(f, i);
        int precision = -1;
        if (i < f.size() && f[i] == '.') {
            ++i;
            precision = Number(f, i);
            if (precision < 0) precision = 0;
        }
        if (i >= f.size()) Fail();
        char type = static_cast<char>(std::tolower(static_cast<unsigned char>(f[i++])));
        std::string text = Convert(type, precision, NextArg());
        if (width > static_cast<int>(text.size())) {
            std::string pad(static_cast<std::size_t>(width) - text.size(), ' ');
            text = left ? text + pad : pad + text;
        }
        return text;
    }

    std::string Convert(char type, int precision, const TVarRec& a) {
        TVarRec::Kind k = a.GetKind();
        bool integer = k == TVarRec::vtInteger || k == TVarRec::vtInt64;
        switch (type) {
        case 'd':
            if (!integer) Fail();
            return ZeroPad(std::to_string(a.AsInteger()), precision);
        case 'u':
            if (!integer) Fail();
            return ZeroPad(std::to_string(Unsigned(a)), precision);
        case 'x':
            if (!integer) Fail();
            return IntToHex(static_cast<long long>(Unsigned(a)), precision < 0 ? 0 : precision).str();
        case 'e': case 'f': case 'g': case 'n': case 'm':
            if (k != TVarRec::vtExtended) Fail();
            return Float(type, precision, a.AsFloat());
        case 's':
            if (k == TVarRec::vtString || k == TVarRec::vtChar) {
                std::string s = a.AsString().str();
                if (precision >= 0 && precision < static_cast<int>(s.size())) s.resize(static_cast<std::size_t>(precision));
                return s;
            }
            Fail();
        case 'p':
            if (k != TVarRec::vtPointer) Fail();
            return IntToHex(static_cast<long long>(reinterpret_cast<std::uintptr_t>(a.AsPointer())),
                            static_cast<int>(sizeof(void*) * 2)).str();
        default:
            Fail();
        }
    }

    // A negative int argument reads as its 32-bit pattern, a 64-bit one as 64.
    static unsigned long long Unsigned(const TVarRec& a) {
        if (a.GetKind() == TVarRec::vtInteger) return static_cast<std::uint32_t>(a.AsInteger());
        return static_cast<unsigned long long>(a.AsInteger());
    }

    static std::string ZeroPad(std::string digits, int precision) {
        bool negative = !digits.empty() && digits[0] == '-';
        if (negative) digits.erase(0, 1);
        if (precision > static_cast<int>(digits.size()))
            digits.insert(0, static_cast<std::size_t>(precision) - digits.size(), '0');
        if (negative) digits.insert(0, 1, '-');
        return digits;
    }

    static std::string Float(char type, int precision, double v) {
        switch (type) {
        case 'e':
            return FloatToStrF(v, ffExponent, precision < 0 ? kDefaultGeneralPrecision : precision, 3).str();
        case 'g':
            return FloatToStrF(v, ffGeneral, precision < 0 ? kDefaultGeneralPrecision : precision, 0).str();
        default: {
            int digits = precision < 0 ? kDefaultDecimals : std::min(precision, kMaxDecimals);
            TFloatFormat f = type == 'f' ? ffFixed : (type == 'n' ? ffNumber : ffCurrency);
            return FloatToStrF(v, f, kDefaultGeneralPrecision, digits).str();
        }
        }
    }

    const AnsiString& fmt_;
    std::initializer_list<TVarRec> args_;
    std::size_t next_ = 0;
};

}  // namespace

AnsiString FormatArgs(const AnsiString& Fmt, std::initializer_list<TVarRec> Args) {
    return AnsiString(Formatter(Fmt, Args).Run());
}
