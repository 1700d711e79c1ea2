#include "app/quotes/quotereply.h"

#include <cctype>
#include <sstream>
#include <string_view>

#include "app/quotes/quoterow.h"

namespace {

std::vector<std::string> SplitLines(const std::string& Text) {
    std::vector<std::string> lines;
    std::istringstream in(Text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty()) lines.push_back(line);
    }
    return lines;
}

// The service's own date form, "5-Dec-03" or "5-Dec-2003", which the
// download reads the newest day from.
bool IsServiceDate(std::string_view Field) {
    const size_t first = Field.find('-'), second = Field.find('-', first + 1);
    if (first == std::string_view::npos || second == std::string_view::npos) return false;
    const std::string_view month = Field.substr(first + 1, second - first - 1), year = Field.substr(second + 1);
    if (month.size() != 3 || !std::isalpha(static_cast<unsigned char>(month[0]))) return false;
    if ((year.size() != 2 && year.size() != 4) || year.find_first_not_of("0123456789") != std::string_view::npos)
        return false;
    return RowDay(std::string(Field)) != 0;
}

bool StartsWithDate(const std::string& Line) {
    return Line.size() >= 4 && (Line.compare(0, 4, "Date") == 0 || Line.compare(0, 4, "date") == 0);
}

}  // namespace

int RowDay(const std::string& Row) {
    const size_t dash = Row.find('-');
    if (dash == 0 || dash == std::string::npos || dash > 2) return 0;
    int day = 0;
    for (size_t i = 0; i < dash; ++i) {
        if (!std::isdigit(static_cast<unsigned char>(Row[i]))) return 0;
        day = day * 10 + (Row[i] - '0');
    }
    return day >= 1 && day <= 31 ? day : 0;
}

bool RowDate(const std::string& Row, int& Year, int& Month0, int& Day) {
    static const char* const months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const int day = RowDay(Row);
    const size_t first = Row.find('-'), second = Row.find('-', first + 1), end = Row.find(',');
    if (day == 0 || second == std::string::npos || end == std::string::npos || end < second) return false;
    const std::string month = Row.substr(first + 1, second - first - 1), year = Row.substr(second + 1, end - second - 1);
    int month0 = 0;
    while (month0 < 12 && month != months[month0]) ++month0;
    if (month0 == 12 || (year.size() != 2 && year.size() != 4) ||
        year.find_first_not_of("0123456789") != std::string::npos)
        return false;
    Year = std::stoi(year);
    if (year.size() == 2) Year += Year >= 70 ? 1900 : 2000;
    Month0 = month0;
    Day = day;
    return true;
}

bool IsQuoteRow(const std::string& Row) {
    const QuoteRow row = parseQuoteRow(Row);
    return row && IsServiceDate(row.Date);
}

std::optional<std::vector<std::string>> ParseQuoteReply(const std::string& Body) {
    if (Body.empty()) return std::vector<std::string>{};
    // A reply cut off before its column line ended is no table either.
    const size_t end = Body.find('\n');
    if (end == std::string::npos || !StartsWithDate(Body)) return std::nullopt;
    if (Body.back() != '\n') return std::nullopt;
    std::vector<std::string> rows = SplitLines(Body.substr(end + 1));
    for (const std::string& row : rows)
        if (!IsQuoteRow(row)) return std::nullopt;
    return rows;
}

std::vector<std::string> SplitFileRows(const std::string& Text) {
    std::vector<std::string> rows = SplitLines(Text);
    if (!rows.empty()) rows.erase(rows.begin());
    return rows;
}

std::string QuoteFileText(const std::string& HeaderLine, std::span<const std::string> NewRows,
                          std::span<const std::string> OldRows) {
    std::string text = HeaderLine + "\n";
    for (const std::span<const std::string> rows : {NewRows, OldRows})
        for (const std::string& row : rows) (text += row) += '\n';
    return text;
}
