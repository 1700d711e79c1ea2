// FormatDateTime and the date and time texts built on it.
#include <cctype>
#include <string>

#include "platform/runtime/DateParts.h"
#include "platform/runtime/DateUtils.h"

char DateSeparator = '/';
char TimeSeparator = ':';
AnsiString ShortDateFormat = "m/d/yyyy";
AnsiString ShortTimeFormat = "h:nn AMPM";
AnsiString LongTimeFormat = "h:nn:ss AMPM";
AnsiString TimeAMString = "AM";
AnsiString TimePMString = "PM";
AnsiString ShortMonthNames[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                  "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
AnsiString LongMonthNames[12] = {"January", "February", "March",     "April",   "May",      "June",
                                 "July",    "August",   "September", "October", "November", "December"};
AnsiString ShortDayNames[7] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
AnsiString LongDayNames[7] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};

namespace {

// "c" inside ShortDateFormat must not recurse for ever.
constexpr int kMaxNesting = 2;

bool StartsWithNoCase(const std::string& s, std::size_t i, const char* word) {
    for (std::size_t k = 0; word[k]; ++k)
        if (i + k >= s.size() || std::tolower(static_cast<unsigned char>(s[i + k])) != word[k]) return false;
    return true;
}

// Length of the am/pm specifier at i, 0 when there is none.
std::size_t AmPmLength(const std::string& s, std::size_t i) {
    if (StartsWithNoCase(s, i, "am/pm")) return 5;
    if (StartsWithNoCase(s, i, "ampm")) return 4;
    if (StartsWithNoCase(s, i, "a/p")) return 3;
    return 0;
}

bool HasAmPm(const std::string& s) {
    char quote = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (quote) {
            if (s[i] == quote) quote = 0;
        } else if (s[i] == '\'' || s[i] == '"') {
            quote = s[i];
        } else if (AmPmLength(s, i)) {
            return true;
        }
    }
    return false;
}

std::string Padded(int v, std::size_t width) {
    std::string digits = std::to_string(v);
    if (digits.size() < width) digits.insert(0, width - digits.size(), '0');
    return digits;
}

std::string TwoDigits(int v) { return Padded(v, 2); }

class DateTimeWriter {
public:
    explicit DateTimeWriter(const TDateParts& p) : p_(p) {}

    void Write(const std::string& f, int nesting) {
        if (nesting > kMaxNesting) return;
        bool twelveHours = HasAmPm(f);
        char lastToken = 0;
        std::size_t i = 0;
        while (i < f.size()) {
            char c = f[i];
            char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
            std::size_t run = 1;
            while (i + run < f.size() && std::toupper(static_cast<unsigned char>(f[i + run])) == upper) ++run;
            if (c == '\'' || c == '"') {
                std::size_t close = f.find(c, i + 1);
                if (close == std::string::npos) close = f.size();
                out_.append(f, i + 1, close - i - 1);
                i = close + 1;
                continue;
            }
            if (std::size_t n = AmPmLength(f, i)) {
                WriteAmPm(f.substr(i, n));
                i += n;
                continue;
            }
            switch (upper) {
            case 'C':
                Write(ShortDateFormat.str(), nesting + 1);
                if (p_.hour || p_.min || p_.sec || p_.msec) {
                    out_ += ' ';
                    Write(LongTimeFormat.str(), nesting + 1);
                }
                run = 1;
                break;
            case 'Y':
                out_ += run <= 2 ? TwoDigits(p_.year % 100) : Padded(p_.year, 4);
                break;
            case 'M':
                if (lastToken == 'H' && run <= 2) {
                    out_ += run == 1 ? std::to_string(p_.min) : TwoDigits(p_.min);
                } else {
                    WriteMonth(run);
                }
                break;
            case 'D':
                WriteDay(run);
                break;
            case 'H': {
                int hour = p_.hour;
                if (twelveHours) hour = hour % 12 == 0 ? 12 : hour % 12;
                out_ += run == 1 ? std::to_string(hour) : TwoDigits(hour);
                break;
            }
            case 'N':
                out_ += run == 1 ? std::to_string(p_.min) : TwoDigits(p_.min);
                break;
            case 'S':
                out_ += run == 1 ? std::to_string(p_.sec) : TwoDigits(p_.sec);
                break;
            case 'Z':
                out_ += run < 3 ? std::to_string(p_.msec) : Padded(p_.msec, 3);
                run = run < 3 ? 1 : 3;
                break;
            case '/':
                out_ += DateSeparator;
                i += 1;
                continue;
            case ':':
                out_ += TimeSeparator;
                i += 1;
                continue;
            default:
                out_ += c;
                i += 1;
                continue;
            }
            lastToken = upper;
            i += run;
        }
    }

    std::string Result() const { return out_; }

private:
    void WriteMonth(std::size_t run) {
        if (run == 1) out_ += std::to_string(p_.month);
        else if (run == 2) out_ += TwoDigits(p_.month);
        else if (run == 3) out_ += ShortMonthNames[p_.month - 1].str();
        else out_ += LongMonthNames[p_.month - 1].str();
    }
    void WriteDay(std::size_t run) {
        if (run == 1) out_ += std::to_string(p_.day);
        else if (run == 2) out_ += TwoDigits(p_.day);
        else if (run == 3) out_ += ShortDayNames[p_.dayOfWeek - 1].str();
        else out_ += LongDayNames[p_.dayOfWeek - 1].str();
    }
    // "am/pm" and "a/p" keep the case of their first letter; "ampm" writes
    // the locale's texts.
    void WriteAmPm(const std::string& spec) {
        bool pm = p_.hour >= 12;
        if (spec.size() == 4) {
            out_ += (pm ? TimePMString : TimeAMString).str();
            return;
        }
        bool lower = std::islower(static_cast<unsigned char>(spec[0])) != 0;
        std::string text = spec.size() == 5 ? (pm ? "pm" : "am") : (pm ? "p" : "a");
        if (!lower)
            for (char& ch : text) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
        out_ += text;
    }

    const TDateParts& p_;
    std::string out_;
};

}  // namespace

AnsiString FormatDateTime(const AnsiString& Format, TDateTime DateTime) {
    TDateParts parts = SplitDateTime(DateTime);
    if (!parts.valid) {
        // Outside years 1..9999: every field reads as zero.
        parts = TDateParts();
        parts.month = 1;
        parts.dayOfWeek = 1;
    }
    DateTimeWriter writer(parts);
    writer.Write(Format.str(), 0);
    return AnsiString(writer.Result());
}

AnsiString DateToStr(TDateTime Date) { return FormatDateTime(ShortDateFormat, Date); }
AnsiString TimeToStr(TDateTime Time) { return FormatDateTime(LongTimeFormat, Time); }
AnsiString DateTimeToStr(TDateTime DateTime) { return FormatDateTime("c", DateTime); }
