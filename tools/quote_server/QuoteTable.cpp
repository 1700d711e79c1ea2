#include "tools/quote_server/QuoteTable.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstring>
#include <fstream>

namespace quote_server {

namespace {

std::optional<int> ParseInt(const std::string& text) {
    int value = 0;
    const char* end = text.data() + text.size();
    auto [ptr, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || ptr != end) return std::nullopt;
    return value;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
}

std::optional<std::string> Decode(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            out += text[i] == '+' ? ' ' : text[i];
            continue;
        }
        if (i + 2 >= text.size() || HexDigit(text[i + 1]) < 0 || HexDigit(text[i + 2]) < 0) return std::nullopt;
        out += static_cast<char>(HexDigit(text[i + 1]) * 16 + HexDigit(text[i + 2]));
        i += 2;
    }
    return out;
}

void StripLineEnd(std::string& line) {
    while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) line.pop_back();
}

// A bound from its month (from 0), day and year keys; Fallback fills the
// parts the query leaves out.
std::optional<int> Bound(const std::map<std::string, std::string>& keys, const char* monthKey, const char* dayKey,
                         const char* yearKey, int fallback) {
    int parts[3] = {fallback / 100 % 100 - 1, fallback % 100, fallback / 10000};
    const char* names[3] = {monthKey, dayKey, yearKey};
    for (int i = 0; i < 3; ++i) {
        auto key = keys.find(names[i]);
        if (key == keys.end()) continue;
        auto value = ParseInt(key->second);
        if (!value) return std::nullopt;
        parts[i] = *value;
    }
    return parts[2] * 10000 + (parts[0] + 1) * 100 + parts[1];
}

// A symbol that names a file in the folder and nowhere else.
bool ServableSymbol(const std::string& symbol) {
    return !symbol.empty() && symbol[0] != '.' && symbol.find_first_of(std::string("/\\\0", 3)) == std::string::npos;
}

}  // namespace

bool PagesSymbol(Paging Mode, const std::string& Symbol) {
    return Mode == Paging::EverySymbol || (Mode == Paging::Service && IsPagedQuoteSymbol(Symbol));
}

std::optional<QuoteFile> LoadQuoteFile(const std::filesystem::path& Folder, const std::string& Symbol) {
    if (!ServableSymbol(Symbol)) return std::nullopt;
    std::ifstream in(Folder / (Symbol + ".csv"), std::ios::binary);
    if (!in) return std::nullopt;
    QuoteFile file;
    std::getline(in, file.heading);
    StripLineEnd(file.heading);
    for (std::string line; std::getline(in, line);) {
        StripLineEnd(line);
        if (!line.empty()) file.rows.push_back(line);
    }
    return file;
}

std::vector<std::string> ListSymbols(const std::filesystem::path& Folder) {
    std::vector<std::string> symbols;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(Folder, error)) {
        const std::string name = entry.path().filename().string();
        if (name.size() <= 4 || name.compare(name.size() - 4, 4, ".csv") != 0) continue;
        const std::string symbol = name.substr(0, name.size() - 4);
        if (ServableSymbol(symbol) && entry.is_regular_file(error)) symbols.push_back(symbol);
    }
    std::sort(symbols.begin(), symbols.end());
    return symbols;
}

std::optional<int> RowDate(const std::string& Row) {
    static const char* months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    std::size_t dash1 = Row.find('-');
    std::size_t dash2 = dash1 == std::string::npos ? dash1 : Row.find('-', dash1 + 1);
    std::size_t comma = Row.find(',');
    if (dash2 == std::string::npos || (comma != std::string::npos && comma < dash2)) return std::nullopt;
    auto day = ParseInt(Row.substr(0, dash1));
    auto year = ParseInt(Row.substr(dash2 + 1, comma == std::string::npos ? std::string::npos : comma - dash2 - 1));
    std::string monthName = Row.substr(dash1 + 1, dash2 - dash1 - 1);
    int month = 0;
    while (month < 12 && monthName != months[month]) ++month;
    if (!day || !year || month == 12 || *day < 1 || *day > 31 || *year < 0) return std::nullopt;
    int fullYear = *year >= 100 ? *year : (*year >= 70 ? 1900 + *year : 2000 + *year);
    return fullYear * 10000 + (month + 1) * 100 + *day;
}

std::optional<QuoteQuery> ReadQuoteQuery(const std::map<std::string, std::string>& Keys) {
    QuoteQuery query;
    auto from = Bound(Keys, "a", "b", "c", query.from + 101);  // month 0, day 1 of year 0
    auto to = Bound(Keys, "d", "e", "f", query.to);
    if (!from || !to) return std::nullopt;
    query.from = *from;
    query.to = *to;
    if (auto y = Keys.find("y"); y != Keys.end()) {
        auto offset = ParseInt(y->second);
        if (!offset || *offset < 0) return std::nullopt;
        query.offset = *offset;
    }
    return query;
}

std::string AnswerCsv(const QuoteFile& File, const QuoteQuery& Query, bool Paged) {
    std::string body = File.heading + "\n";
    int index = 0;
    for (const std::string& row : File.rows) {
        auto date = RowDate(row);
        if (date && (*date < Query.from || *date > Query.to)) continue;
        bool onPage = index >= Query.offset && index < Query.offset + kQuotePageRows;
        if (!Paged || onPage) body += row + "\n";
        ++index;
    }
    return body;
}

std::optional<std::map<std::string, std::string>> SplitQuery(const std::string& Query) {
    std::map<std::string, std::string> keys;
    std::size_t start = 0;
    while (start <= Query.size()) {
        std::size_t end = Query.find('&', start);
        if (end == std::string::npos) end = Query.size();
        std::string pair = Query.substr(start, end - start);
        if (!pair.empty()) {
            std::size_t equals = pair.find('=');
            auto key = Decode(pair.substr(0, equals));
            auto value = Decode(equals == std::string::npos ? std::string() : pair.substr(equals + 1));
            if (!key || !value) return std::nullopt;
            keys[*key] = *value;
        }
        start = end + 1;
    }
    return keys;
}

}  // namespace quote_server
