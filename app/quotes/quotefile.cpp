#include "app/quotes/quotefile.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string>

#include "platform/runtime/FileRead.h"

namespace {

// Up to seven fields separated by ","; the last one takes the rest of the line.
struct Fields {
    std::array<std::string_view, 7> Text;
    std::size_t Count = 0;
};

Fields splitFields(std::string_view line, std::size_t max) {
    Fields fields;
    while (fields.Count + 1 < max) {
        std::size_t comma = line.find(',');
        if (comma == std::string_view::npos) break;
        fields.Text[fields.Count++] = line.substr(0, comma);
        line.remove_prefix(comma + 1);
    }
    fields.Text[fields.Count++] = line;
    return fields;
}

// The header's date numbers: a month counted from 0, a day of the month, a
// year of four digits. The update asks for the day after the end date, so a
// number outside the calendar is refused here rather than stepped from.
enum class HeaderNumber { Month0, Day, Year };

bool parseHeaderNumber(std::string_view text, HeaderNumber kind, int& value) {
    const bool year = kind == HeaderNumber::Year;
    if (year ? text.size() != 4 || text[0] == '0' : text.empty() || text.size() > 2) return false;
    value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        value = value * 10 + (c - '0');
    }
    return kind == HeaderNumber::Month0 ? value <= 11 : kind == HeaderNumber::Day ? value >= 1 && value <= 31 : true;
}

bool isBlank(std::string_view line) { return line.find_first_not_of(" \t") == std::string_view::npos; }

// The next line of text without its line end ("\n", or "\r\n"); text moves
// past it.
std::string_view takeLine(std::string_view& text) {
    std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return line;
}

// The number the digits write; -1 when the text is empty or holds anything
// else. For short texts only.
int digitsValue(std::string_view text) {
    if (text.empty()) return -1;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}

// 1 to 12 for an English month's first three letters in any case, else 0.
int monthNumber(std::string_view name) {
    static constexpr std::string_view names = "janfebmaraprmayjunjulaugsepoctnovdec";
    const char lower[] = {static_cast<char>(name[0] | 0x20), static_cast<char>(name[1] | 0x20),
                          static_cast<char>(name[2] | 0x20)};
    for (std::size_t month = 0; month < 12; ++month)
        if (names.substr(month * 3, 3) == std::string_view(lower, 3)) return static_cast<int>(month) + 1;
    return 0;
}

// Dates as the quote service writes them, "4-Oct-23" (or with four year
// digits), as TDateTime numbers. Two-digit years fall in the hundred years up
// to the file's end year: no quote comes after the dates that were asked for.
// The quotes of a month come together, so the month last seen is kept and
// only the day is read while it lasts.
class QuoteDays {
public:
    explicit QuoteDays(int endYear = 0) : endYear_(endYear) {}

    // 0 when the text is not such a date.
    TDateTime Of(std::string_view text) {
        std::size_t dash = text.size() > 1 && text[1] == '-' ? 1 : text.size() > 2 && text[2] == '-' ? 2 : 0;
        int day = dash > 0 ? digitsValue(text.substr(0, dash)) : -1;
        std::string_view month = text.substr(dash);  // "-Oct-23"
        if (day < 1 || month.size() > sizeof month_) return 0;
        if (month != std::string_view(month_, monthTextLength_)) StartMonth(month);
        return day <= monthLength_ ? dayZero_ + day : 0;
    }

private:
    void StartMonth(std::string_view text) {
        std::memcpy(month_, text.data(), text.size());
        monthTextLength_ = text.size();
        monthLength_ = 0;
        std::string_view yearText = text.substr(std::min<std::size_t>(5, text.size()));
        if (text.size() < 5 || text[4] != '-' || (yearText.size() != 2 && yearText.size() != 4)) return;
        long long year = digitsValue(yearText);
        int month = monthNumber(text.substr(1, 3));
        if (year < 0 || month == 0) return;
        if (yearText.size() == 2) {
            year += endYear_ - endYear_ % 100;
            if (year > endYear_) year -= 100;
        }
        TDateTime first = 0;
        if (year < 1 || year > 9999 || !TryEncodeDate(static_cast<Word>(year), static_cast<Word>(month), 1, first))
            return;
        dayZero_ = first - 1;
        monthLength_ = DaysInAMonth(static_cast<Word>(year), static_cast<Word>(month));
    }

    long long endYear_;
    char month_[9] = {};  // the text from the first "-" on
    std::size_t monthTextLength_ = 0;
    int monthLength_ = 0;     // 0 when the text is no month
    TDateTime dayZero_ = 0;  // the day before the month's first
};

class QuoteFileReader {
public:
    QuoteFileReader(const AnsiString& path, linkedList& quotes) : path_(path), quotes_(quotes) {}

    QuoteFileContents Read() {
        std::string text;
        if (const AnsiString fault = TryReadRegularFile(path_, MaxQuoteFileBytes, text); !fault.IsEmpty())
            Fail(fault, 0);
        std::string_view rest = text;
        int number = 0;
        if (!rest.empty()) {
            ReadHeader(takeLine(rest), ++number);
            quotes_.reserveRecords(CountRows(rest));
        }
        while (!rest.empty()) {
            std::string_view line = takeLine(rest);
            ++number;
            if (!isBlank(line)) ReadRow(line, number);
        }
        if (number == 0) Fail("the file is empty", 0);
        if (contents_.QuoteCount == 0) Fail("the file holds no quotes", 0);
        return contents_;
    }

private:
    [[noreturn]] void Fail(const AnsiString& reason, int line) {
        AnsiString where = line > 0 ? AnsiString(" (line ") + IntText(line) + ")" : AnsiString();
        throw EQuoteFileError("Cannot read the stock quote file \"" + path_ + "\": " + reason + where + ".", line);
    }

    static AnsiString IntText(int value) { return AnsiString(std::to_string(value)); }

    static int CountRows(std::string_view rows) {
        int count = 0;
        while (!rows.empty())
            if (!isBlank(takeLine(rows))) ++count;
        return count;
    }

    void ReadHeader(std::string_view line, int number) {
        std::optional<QuoteFileHeader> header = parseQuoteHeader(line);
        if (!header) Fail("the header line with the dates and the symbol is missing or malformed", number);
        contents_.Header = *header;
        days_ = QuoteDays(header->EndYear);
    }

    void ReadRow(std::string_view line, int number) {
        const QuoteRow row = parseQuoteRow(line);
        switch (row.Fault) {
        case QuoteRowFault::None: break;
        case QuoteRowFault::FewerThanSixFields: Fail("the quote has fewer than six fields", number);
        case QuoteRowFault::FieldTooLong:
            Fail("a field is longer than " + IntText(MaxQuoteFieldLength) + " characters", number);
        case QuoteRowFault::NoDate: Fail("the quote has no date", number);
        case QuoteRowFault::BadOpen: FailPrice("open", row.Field, number);
        case QuoteRowFault::BadHigh: FailPrice("high", row.Field, number);
        case QuoteRowFault::BadLow: FailPrice("low", row.Field, number);
        case QuoteRowFault::BadClose: FailPrice("close", row.Field, number);
        case QuoteRowFault::BadVolume:
            Fail("the volume \"" + AnsiString(row.Field) + "\" is not a whole number", number);
        }
        QuoteRecord& quote = quotes_.Current;
        quote.Open = row.Open;
        quote.High = row.High;
        quote.Low = row.Low;
        quote.Close = row.Close;
        quote.Volume = row.Volume;
        quote.Date = row.Date;
        quote.Day = days_.Of(row.Date);
        quotes_.appendRecord();
        ++contents_.QuoteCount;
    }

    [[noreturn]] void FailPrice(const char* name, std::string_view field, int number) {
        Fail(AnsiString("the ") + name + " price \"" + AnsiString(field) + "\" is not a number", number);
    }

    AnsiString path_;
    linkedList& quotes_;
    QuoteFileContents contents_;
    QuoteDays days_;
};

}  // namespace

std::optional<QuoteFileHeader> parseQuoteHeader(std::string_view line) {
    Fields split = splitFields(line, 7);
    const std::array<std::string_view, 7>& fields = split.Text;
    if (split.Count < 7) return std::nullopt;
    QuoteFileHeader header;
    int* numbers[] = {&header.StartMonth0, &header.StartDay, &header.StartYear,
                      &header.EndMonth0,   &header.EndDay,   &header.EndYear};
    static constexpr HeaderNumber kinds[] = {HeaderNumber::Month0, HeaderNumber::Day, HeaderNumber::Year};
    for (int i = 0; i < 6; ++i)
        if (!parseHeaderNumber(fields[i], kinds[i % 3], *numbers[i])) return std::nullopt;
    if (fields[6].empty() || fields[6].size() > MaxQuoteFieldLength) return std::nullopt;
    header.Symbol = AnsiString(fields[6]);
    std::size_t prefixLength = fields[0].size() + fields[1].size() + fields[2].size() + 3;
    header.HeaderPrefix = AnsiString(line.substr(0, prefixLength));
    return header;
}

QuoteFileContents loadQuoteFile(const AnsiString& path, linkedList& quotes) {
    linkedList fresh;
    QuoteFileContents contents = QuoteFileReader(path, fresh).Read();
    quotes.swap(fresh);
    return contents;
}
