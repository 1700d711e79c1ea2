// FormatFloat: the class library's picture language for numbers.
//
// A format has up to three sections separated by ";": positive, negative,
// zero. In a section "0" is a digit that is always shown, "#" one shown only
// when significant, the first "." the decimal separator, any "," turns on
// thousands separators, "E+" "E-" "e+" "e-" followed by zeros an exponent;
// text in '' or "" and every other character are copied as they stand.
#include <algorithm>
#include <string>
#include <vector>

#include "platform/runtime/FloatDecimal.h"
#include "platform/runtime/SysUtils.h"

namespace {

bool IsQuote(char c) { return c == '\'' || c == '"'; }

std::vector<std::string> SplitSections(const std::string& format) {
    std::vector<std::string> sections(1);
    char quote = 0;
    for (char c : format) {
        if (quote) {
            if (c == quote) quote = 0;
        } else if (IsQuote(c)) {
            quote = c;
        } else if (c == ';') {
            sections.emplace_back();
            continue;
        }
        sections.back() += c;
    }
    return sections;
}

bool IsExponentAt(const std::string& s, std::size_t i) {
    return (s[i] == 'E' || s[i] == 'e') && i + 1 < s.size() && (s[i + 1] == '+' || s[i + 1] == '-');
}

// What one section asks for, gathered before any digit is written.
struct Picture {
    int intPlaces = 0;         // "0" and "#" before the decimal point
    int firstIntZero = -1;     // index among them of the first "0"
    int decPlaces = 0;         // "0" and "#" after it
    int lastDecZero = -1;      // index among them of the last "0"
    bool thousands = false;
    bool scientific = false;

    explicit Picture(const std::string& s) {
        bool afterPoint = false;
        for (std::size_t i = 0; i < s.size(); ++i) {
            char c = s[i];
            if (IsQuote(c)) {
                auto close = s.find(c, i + 1);
                i = close == std::string::npos ? s.size() : close;
            } else if (c == '0' || c == '#') {
                if (afterPoint) {
                    if (c == '0') lastDecZero = decPlaces;
                    ++decPlaces;
                } else {
                    if (c == '0' && firstIntZero < 0) firstIntZero = intPlaces;
                    ++intPlaces;
                }
            } else if (c == '.') {
                afterPoint = true;
            } else if (c == ',') {
                thousands = true;
            } else if (IsExponentAt(s, i)) {
                scientific = true;
                i += 1;
                while (i + 1 < s.size() && s[i + 1] == '0') ++i;
            }
        }
    }
    bool HasDigits() const { return intPlaces + decPlaces > 0; }
    int ForcedInt() const { return firstIntZero < 0 ? 0 : intPlaces - firstIntZero; }
    int ForcedDec() const { return lastDecZero + 1; }
};

class SectionWriter {
public:
    SectionWriter(const std::string& section, const Picture& picture, const TFloatDecimal& d)
        : s_(section), p_(picture) {
        if (p_.scientific) {
            // The integer part shows as many digits as it has places; the
            // exponent takes up the rest.
            std::string all = d.digits;
            int places = p_.intPlaces + p_.decPlaces;
            if (static_cast<int>(all.size()) < places) all.append(static_cast<std::size_t>(places) - all.size(), '0');
            integer_ = all.substr(0, static_cast<std::size_t>(p_.intPlaces));
            fraction_ = all.substr(static_cast<std::size_t>(p_.intPlaces));
            exponent_ = d.digits.empty() ? 0 : d.exponent - p_.intPlaces;
            // "#" before the first "0" hides a zero integer part.
            std::size_t lead = 0;
            while (lead < integer_.size() && integer_[lead] == '0' && static_cast<int>(lead) < p_.intPlaces - p_.ForcedInt())
                ++lead;
            integer_.erase(0, lead);
        } else {
            for (int i = 0; i < d.exponent; ++i)
                integer_ += i < static_cast<int>(d.digits.size()) ? d.digits[static_cast<std::size_t>(i)] : '0';
            for (int i = std::min(d.exponent, 0); i < 0; ++i) fraction_ += '0';
            if (d.exponent < static_cast<int>(d.digits.size()))
                fraction_ += d.digits.substr(static_cast<std::size_t>(std::max(d.exponent, 0)));
            if (static_cast<int>(integer_.size()) < p_.ForcedInt())
                integer_.insert(0, static_cast<std::size_t>(p_.ForcedInt()) - integer_.size(), '0');
        }
        while (static_cast<int>(fraction_.size()) > p_.ForcedDec() && !fraction_.empty() && fraction_.back() == '0')
            fraction_.pop_back();
        if (static_cast<int>(fraction_.size()) < p_.ForcedDec())
            fraction_.append(static_cast<std::size_t>(p_.ForcedDec()) - fraction_.size(), '0');
    }

    std::string Write() {
        int intSeen = 0;
        int decSeen = 0;
        bool afterPoint = false;
        for (std::size_t i = 0; i < s_.size(); ++i) {
            char c = s_[i];
            if (IsQuote(c)) {
                auto close = s_.find(c, i + 1);
                if (close == std::string::npos) close = s_.size();
                out_.append(s_, i + 1, close - i - 1);
                i = close;
            } else if (c == '0' || c == '#') {
                if (afterPoint) {
                    if (decSeen < static_cast<int>(fraction_.size())) out_ += fraction_[static_cast<std::size_t>(decSeen)];
                    ++decSeen;
                } else {
                    WriteIntegerPlace(intSeen++);
                }
            } else if (c == '.') {
                if (!afterPoint) {
                    afterPoint = true;
                    if (p_.intPlaces == 0) WriteAllInteger();
                    if (!fraction_.empty()) out_ += DecimalSeparator;
                }
            } else if (c == ',') {
                // only switches the separators on
            } else if (IsExponentAt(s_, i)) {
                out_ += c;
                bool plus = s_[i + 1] == '+';
                i += 1;
                int minDigits = 0;
                while (i + 1 < s_.size() && s_[i + 1] == '0') {
                    ++i;
                    ++minDigits;
                }
                WriteExponent(plus, std::min(minDigits, 4));
            } else {
                out_ += c;
            }
        }
        return out_;
    }

private:
    // Integer place k of intPlaces: the places hold the rightmost digits and
    // the first place also takes every digit that has no place of its own.
    void WriteIntegerPlace(int k) {
        int n = static_cast<int>(integer_.size());
        int offset = n - p_.intPlaces;
        int from = k == 0 ? 0 : offset + k;
        int to = offset + k;
        for (int j = std::max(from, 0); j <= to; ++j) WriteIntegerDigit(j);
    }
    void WriteAllInteger() {
        for (int j = 0; j < static_cast<int>(integer_.size()); ++j) WriteIntegerDigit(j);
    }
    void WriteIntegerDigit(int j) {
        int n = static_cast<int>(integer_.size());
        out_ += integer_[static_cast<std::size_t>(j)];
        int remaining = n - j - 1;
        if (p_.thousands && !p_.scientific && remaining > 0 && remaining % 3 == 0 && ThousandSeparator != '\0')
            out_ += ThousandSeparator;
    }
    void WriteExponent(bool plus, int minDigits) {
        if (exponent_ < 0) out_ += '-';
        else if (plus) out_ += '+';
        std::string digits = std::to_string(exponent_ < 0 ? -exponent_ : exponent_);
        if (static_cast<int>(digits.size()) < minDigits) out_.append(static_cast<std::size_t>(minDigits) - digits.size(), '0');
        out_ += digits;
    }

    const std::string& s_;
    const Picture& p_;
    std::string integer_;
    std::string fraction_;
    int exponent_ = 0;
    std::string out_;
};

// Rounds Value as the section asks; a magnitude the section cannot show in
// fixed notation comes back with digits beyond the 18 the rounding keeps.
TFloatDecimal RoundFor(const Picture& p, double Value) {
    if (p.scientific) return FloatToDecimal(Value, std::max(1, p.intPlaces + p.decPlaces), kNoDecimalLimit);
    return FloatToDecimal(Value, 18, p.decPlaces);
}

std::string Pick(const std::vector<std::string>& sections, std::size_t index) {
    if (index < sections.size() && !sections[index].empty()) return sections[index];
    return sections[0];
}

}  // namespace

AnsiString FormatFloat(const AnsiString& Format, double Value) {
    std::vector<std::string> sections = SplitSections(Format.str());
    TFloatDecimal probe = FloatToDecimal(Value, 18, kNoDecimalLimit);
    if (sections[0].empty() || probe.kind != TFloatDecimal::fdNumber) return FloatToStr(Value);

    bool negative = Value < 0;
    std::size_t index = Value == 0 ? 2 : (negative ? 1 : 0);
    std::string section = Pick(sections, index);
    Picture picture(section);
    TFloatDecimal d = RoundFor(picture, Value);
    if (!picture.scientific && d.exponent > 18) return FloatToStr(Value);
    if (d.IsZero() && Value != 0) {
        // Rounded away to nothing: written as a zero, never as "-0.00".
        section = Pick(sections, 2);
        picture = Picture(section);
        d = RoundFor(picture, 0.0);
        negative = false;
    }
    std::string out = SectionWriter(section, picture, d).Write();
    bool ownNegativeSection = sections.size() > 1 && !sections[1].empty();
    if (negative && !ownNegativeSection) out.insert(0, 1, '-');
    return AnsiString(std::move(out));
}
