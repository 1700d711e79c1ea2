// Fuzzing the stock quote file reader: any bytes on disk either load into
// quotes or raise EQuoteFileError, and a refused file leaves the quotes the
// reader was given as they were.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

#include "app/quotes/llist.h"
#include "app/quotes/quotefile.h"
#include "fuzz/Check.h"
#include "fuzz/ScratchFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
    static const TScratchFile file;
    file.Write(std::string(reinterpret_cast<const char*>(Data), Size));

    // One quote already held, as when a file replaces the one on screen.
    linkedList quotes;
    quotes.Current.Date = "1-Jan-99";
    quotes.Current.Close = 7;
    quotes.appendRecord();

    QuoteFileContents contents;
    try {
        contents = loadQuoteFile(AnsiString(file.Path()), quotes);
    } catch (const EQuoteFileError& e) {
        FuzzCheck(!e.GetMessage().IsEmpty() && e.Line >= 0, "a refusal without a reason");
        FuzzCheck(quotes.Records().size() == 1 && quotes.Records()[0].Date == "1-Jan-99" &&
                      quotes.Records()[0].Close == 7,
                  "a refused file changed the quotes");
        return 0;
    }
    FuzzCheck(contents.QuoteCount > 0 && static_cast<std::size_t>(contents.QuoteCount) == quotes.Records().size(),
              "the quote count is not the number of quotes read");
    FuzzCheck(quotes.Cursor == quotes.Last(), "the cursor is not on the oldest quote");
    FuzzCheck(!contents.Header.Symbol.IsEmpty() && contents.Header.Symbol.Length() <= MaxQuoteFieldLength,
              "a header without a proper symbol was taken");
    for (const QuoteRecord& quote : quotes) {
        FuzzCheck(!quote.Date.IsEmpty() && quote.Date.Length() <= MaxQuoteFieldLength, "a quote's date text is out of bounds");
        FuzzCheck(std::isfinite(quote.Open) && std::isfinite(quote.High) && std::isfinite(quote.Low) &&
                      std::isfinite(quote.Close),
                  "a price is not a finite number");
    }
    return 0;
}
