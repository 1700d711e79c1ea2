#pragma once
// Reading a stock quote file: a header line with the requested dates and the
// symbol, then one line per trading day, newest first:
//   0,2,2001,4,30,2003,XYZ
//   30-May-03,12.50,12.80,12.40,12.75,1520000

#include <cstdint>
#include <optional>
#include <string_view>

#include "app/quotes/llist.h"
#include "app/quotes/quoterow.h"
#include "platform/runtime/Exceptions.h"

// A stock quote file that cannot be read. The message names the file and
// the reason; Line is the line at fault, 0 when the fault is not one line's.
class EQuoteFileError : public Exception {
public:
    EQuoteFileError(const AnsiString& message, int line) : Exception(message), Line(line) {}
    int Line;
};

// The largest stock quote file read: a quote line takes about 50 bytes, so
// this is some five million trading days, twenty thousand years of them. A
// bigger file is refused before it is read.
constexpr std::uint64_t MaxQuoteFileBytes = 256ull << 20;

// The header line. Months count from 0, as the quote service's requests do.
struct QuoteFileHeader {
    int StartMonth0 = 0;
    int StartDay = 0;
    int StartYear = 0;
    int EndMonth0 = 0;
    int EndDay = 0;
    int EndYear = 0;
    AnsiString Symbol;        // as the user typed it
    AnsiString HeaderPrefix;  // fields 1 to 3, each with its ",", as text
};

// The header from a line without its line end; nothing when fields 1 to 6
// are not two dates (months 0 to 11, days 1 to 31, four-digit years, in
// decimal digits only) or the symbol is missing or longer than
// MaxQuoteFieldLength. The symbol is the rest of the line.
std::optional<QuoteFileHeader> parseQuoteHeader(std::string_view line);

struct QuoteFileContents {
    QuoteFileHeader Header;
    int QuoteCount = 0;
};

// Reads the file into quotes, replacing what they held, with the cursor on
// the last (oldest) quote. Raises EQuoteFileError when the file cannot be
// read (missing, not a regular file, not readable, too large), is empty, lacks a header or quotes, or holds a row that
// parseQuoteRow refuses (app/quoterow.h); the quotes are then left as they
// were. Blank lines are skipped.
QuoteFileContents loadQuoteFile(const AnsiString& path, linkedList& quotes);
