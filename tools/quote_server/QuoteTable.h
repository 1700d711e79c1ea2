#pragma once
// The quote table behind the test quote server: one CSV file per symbol
// (SYMBOL.csv, a heading line, then rows "d-Mon-yy,open,high,low,close,volume"
// newest first), cut to a date range and, for the symbols the service pages,
// to pages of 200 rows.

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "app/quotes/quotepaging.h"

namespace quote_server {

// Which symbols a reply cuts to pages of kQuotePageRows.
enum class Paging {
    Service,      // the symbols the program pages, as the service does
    EverySymbol,  // misbehaving: every symbol, so a plain one loses rows
    Never,        // misbehaving: no symbol, whatever the offset asks
};

bool PagesSymbol(Paging Mode, const std::string& Symbol);

struct QuoteFile {
    std::string heading;
    std::vector<std::string> rows;  // without line ends
};

// The file of Symbol in Folder; nothing when there is none or the symbol
// could name a file elsewhere (a path separator, a leading dot).
std::optional<QuoteFile> LoadQuoteFile(const std::filesystem::path& Folder, const std::string& Symbol);

// The symbols of Folder's SYMBOL.csv files, sorted; those LoadQuoteFile
// would refuse are left out.
std::vector<std::string> ListSymbols(const std::filesystem::path& Folder);

// A row's date as yyyymmdd; nothing when the row does not begin with one.
// Two-digit years from 70 are 19yy, below 70 20yy.
std::optional<int> RowDate(const std::string& Row);

// The query keys of a request for the table: a, b, c (from month counted from
// 0, day, year), d, e, f (to), y (row offset). A missing bound is open.
struct QuoteQuery {
    int from = 0;         // yyyymmdd
    int to = 99991231;    // yyyymmdd
    int offset = 0;
};

// Nothing when a number is not a number or the offset is negative.
std::optional<QuoteQuery> ReadQuoteQuery(const std::map<std::string, std::string>& Keys);

// The reply body: the heading line, then the rows inside the range; when
// Paged, only the 200 at most from the offset on. Every line ends in "\n".
// Rows whose date cannot be read are always inside the range.
std::string AnswerCsv(const QuoteFile& File, const QuoteQuery& Query, bool Paged);

// "a=1&s=%5EGSPC" as keys and decoded values; nothing on a bad %-escape.
std::optional<std::map<std::string, std::string>> SplitQuery(const std::string& Query);

}  // namespace quote_server
