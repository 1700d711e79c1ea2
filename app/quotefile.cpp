#include "app/quotefile.h"

#include <array>
#include <charconv>
#include <cmath>
#include <fstream>
#include <string>

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

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    return text;
}

bool isBlank(std::string_view line) { return trimBlanks(line).empty(); }

template <class Number>
bool parseWhole(std::string_view text, Number& value) {
    text = trimBlanks(text);
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() && !text.empty();
}

// Always "." as decimal point, whatever the user's settings say.
bool parsePrice(std::string_view text, double& value) {
    text = trimBlanks(text);
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
    return error == std::errc() && end == text.data() + text.size() && std::isfinite(value);
}

// The volume's digits; a blank or "," may follow with anything after it.
bool parseVolume(std::string_view text, std::int64_t& value) {
    text = trimBlanks(text);
    std::size_t stop = text.find_first_of(" \t,");
    return parseWhole(text.substr(0, stop), value);
}

class QuoteFileReader {
public:
    QuoteFileReader(const AnsiString& path, linkedList& quotes) : path_(path), quotes_(quotes) {}

    QuoteFileContents Read() {
        std::ifstream in(path_.str(), std::ios::binary);
        if (!in) Fail("the file cannot be opened", 0);
        std::string line;
        int number = 0;
        bool sawHeader = false;
        while (std::getline(in, line)) {
            ++number;
            if (!line.empty() && line.back() == '\r') line.pop_back();
            if (!sawHeader) {
                ReadHeader(line, number);
                sawHeader = true;
            } else if (!isBlank(line)) {
                ReadRow(line, number);
            }
        }
        if (in.bad()) Fail("the file could not be read to its end", 0);
        if (!sawHeader) Fail("the file is empty", 0);
        if (contents_.QuoteCount == 0) Fail("the file holds no quotes", 0);
        return contents_;
    }

private:
    [[noreturn]] void Fail(const AnsiString& reason, int line) {
        AnsiString where = line > 0 ? AnsiString(" (line ") + IntText(line) + ")" : AnsiString();
        throw EQuoteFileError("Cannot read the stock quote file \"" + path_ + "\": " + reason + where + ".", line);
    }

    static AnsiString IntText(int value) { return AnsiString(std::to_string(value)); }

    void ReadHeader(std::string_view line, int number) {
        std::optional<QuoteFileHeader> header = parseQuoteHeader(line);
        if (!header) Fail("the header line with the dates and the symbol is missing or malformed", number);
        contents_.Header = *header;
    }

    void ReadRow(std::string_view line, int number) {
        Fields split = splitFields(line, 6);
        std::array<std::string_view, 7>& fields = split.Text;
        if (split.Count < 6) Fail("the quote has fewer than six fields", number);
        // The volume field ends at the next ","; what follows it is ignored.
        fields[5] = fields[5].substr(0, fields[5].find(','));
        for (std::size_t i = 0; i < 6; ++i)
            if (fields[i].size() > MaxQuoteFieldLength)
                Fail("a field is longer than " + IntText(MaxQuoteFieldLength) + " characters", number);
        QuoteValues& quote = quotes_.Current;
        if (fields[0].empty()) Fail("the quote has no date", number);
        double* prices[] = {&quote.Open, &quote.High, &quote.Low, &quote.Close};
        static const char* const names[] = {"open", "high", "low", "close"};
        for (int i = 0; i < 4; ++i)
            if (!parsePrice(fields[i + 1], *prices[i]))
                Fail(AnsiString("the ") + names[i] + " price \"" + AnsiString(fields[i + 1]) + "\" is not a number",
                     number);
        if (!parseVolume(fields[5], quote.Volume))
            Fail("the volume \"" + AnsiString(fields[5]) + "\" is not a whole number", number);
        quote.Date = fields[0];
        quotes_.appendRecord();
        ++contents_.QuoteCount;
    }

    AnsiString path_;
    linkedList& quotes_;
    QuoteFileContents contents_;
};

}  // namespace

std::optional<QuoteFileHeader> parseQuoteHeader(std::string_view line) {
    Fields split = splitFields(line, 7);
    const std::array<std::string_view, 7>& fields = split.Text;
    if (split.Count < 7) return std::nullopt;
    QuoteFileHeader header;
    int* numbers[] = {&header.StartMonth0, &header.StartDay, &header.StartYear,
                      &header.EndMonth0,   &header.EndDay,   &header.EndYear};
    for (int i = 0; i < 6; ++i) {
        std::string_view field = fields[i];
        if (field.empty() || field.size() > MaxQuoteFieldLength) return std::nullopt;
        for (char c : field)
            if (c < '0' || c > '9') return std::nullopt;
        if (!parseWhole(field, *numbers[i])) return std::nullopt;
    }
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
