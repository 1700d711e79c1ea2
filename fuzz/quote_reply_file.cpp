// Fuzzing the reply check against the file reader: every reply body that
// ParseQuoteReply accepts becomes a stock quote file as the download writes
// it (header line, then the rows newest first), and loadQuoteFile must open
// that file with the same quotes: as many, in the same order, each with the
// row's date text, prices and volume.

#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "app/quotes/llist.h"
#include "app/quotes/quotefile.h"
#include "app/quotes/quotereply.h"
#include "fuzz/Check.h"
#include "fuzz/ScratchFile.h"

namespace {

std::vector<std::string> RowFields(const std::string& Row) {
    std::vector<std::string> fields;
    std::istringstream in(Row);
    for (std::string field; std::getline(in, field, ',');) fields.push_back(field);
    return fields;
}

// The numbers as the C library reads decimal text: the reader's own parsing
// is what is under test, so it is not asked for the expected values.
double Decimal(const std::string& Text) { return std::strtod(Text.c_str(), nullptr); }

// A volume is the whole number that starts its field; a blank after it ends
// the row (the rest of the line is no part of the quote).
std::optional<long long> Whole(const std::string& Text) {
    errno = 0;
    char* end = nullptr;
    long long value = std::strtoll(Text.c_str(), &end, 10);
    if (errno != 0 || end == Text.c_str() || (*end != '\0' && *end != ' ' && *end != '\t')) return std::nullopt;
    return value;
}

[[noreturn]] void Mismatch(const std::string& Row, const std::string& What) {
    FuzzFault("the reply check accepted the row \"" + Row + "\" but the file reader " + What);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
    static const TScratchFile file;
    const std::optional<std::vector<std::string>> rows =
        ParseQuoteReply(std::string(reinterpret_cast<const char*>(Data), Size));
    if (!rows || rows->empty()) return 0;  // nothing is written then

    std::string text = "0,2,2001,4,30,2003,XYZ\n";
    for (const std::string& row : *rows) text += row + "\n";
    file.Write(text);

    linkedList quotes;
    try {
        loadQuoteFile(AnsiString(file.Path()), quotes);
    } catch (const EQuoteFileError& e) {
        const std::size_t line = static_cast<std::size_t>(e.Line);
        const std::string row = line >= 2 && line - 2 < rows->size() ? (*rows)[line - 2] : std::string("?");
        Mismatch(row, "refused it: " + e.GetMessage().str());
    }
    FuzzCheck(quotes.Records().size() == rows->size(), "the file holds a different number of quotes than the reply");
    for (std::size_t i = 0; i < rows->size(); ++i) {
        const std::string& row = (*rows)[i];
        const std::vector<std::string> fields = RowFields(row);
        const QuoteRecord& quote = quotes.Records()[i];
        if (quote.Date.View() != fields[0]) Mismatch(row, "read another date text");
        const double prices[] = {quote.Open, quote.High, quote.Low, quote.Close};
        for (std::size_t p = 0; p < 4; ++p)
            if (prices[p] != Decimal(fields[p + 1])) Mismatch(row, "read another price in field " + std::to_string(p + 2));
        const std::optional<long long> volume = Whole(fields[5]);
        if (!volume || quote.Volume != *volume) Mismatch(row, "read another volume");
    }
    return 0;
}
