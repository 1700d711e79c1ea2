#pragma once
// The Vazod Erurid: a document listing stock quote files, and for each stock
// a short-term advice (the newest close against a 14-quote exponential
// moving average) and a long-term one (against a 200-quote average), "Buy"
// in green or "Sell" in red. One stock is held in four places in the order
// of addition: the hidden list (the path), the visible list (the base name),
// the grid row (symbol, newest date, close, volume, advice) and the colour
// tables.

#include <cstdint>
#include <span>
#include <string>

#include "app/quotes/llist.h"

class TOriginalForm1;

// The colour tables hold 250 rows, row 0 being the headings.
constexpr int MaxWizardStocks = 249;
constexpr int LongAdvicePeriod = 200;
constexpr int ShortAdvicePeriod = 14;

// The stock last read for an advice or the diagram.
extern linkedList WizardQuotes;

// Reads the stock quote file into WizardQuotes, its symbol into
// HeaderSymbol and its newest date into NewestDate. A file that cannot be
// read is reported through the form's message box and leaves WizardQuotes
// empty; false then.
bool loadWizardQuotes(TOriginalForm1& Form, const AnsiString& Path);

// Fills grid row Row from WizardQuotes and adds the grid's row below it:
// the advice that the number of quotes allows (a message for each one it
// does not) and the newest quote. With no quotes the row shows the file's
// base name (FileName) alone.
void computeAdvice(TOriginalForm1& Form, int Row, const AnsiString& FileName);

// Whether the newest close is above the average of the closes of Quotes
// (newest first: the average's span ends on the newest).
bool smaAdvice(std::span<const QuoteRecord> Quotes);
// Whether the newest close is above the exponential moving average over
// Quotes (newest first) seeded with the average of its N oldest closes and
// stepped over every newer one.
bool emaAdvice(std::span<const QuoteRecord> Quotes, int N);

// Adds the stock of the quote file Path as the last row, its advice
// computed at once. False, with nothing added, when the document is full or
// the file cannot be read (reported).
bool addWizardStock(TOriginalForm1& Form, const AnsiString& Path);
// Moves rows Row + 1 .. WizardCount up by one, cells and colours, and drops
// the last; the buttons that need a stock are disabled with the last stock.
void removeWizardRow(TOriginalForm1& Form, int Row);
// Removes the stock at Index of the lists (nothing when there is none) and
// marks the document modified.
void removeWizardStock(TOriginalForm1& Form, int Index);
// Every row gone, the lists and the document's name and path as new.
void resetWizard(TOriginalForm1& Form);
// The largest document read: 249 paths of the longest a path may be (4,096
// bytes) take 1 MB; a document may list more stocks than it can hold, so
// there is room for many times that. A bigger file is refused unread.
constexpr std::uint64_t MaxWizardDocumentBytes = 16ull << 20;
// The document at Path into Text; false, after an error message saying why
// (missing, a folder or device, not readable, too large), when it cannot be
// read.
bool readWizardDocument(TOriginalForm1& Form, const AnsiString& Path, std::string& Text);
// Adds the stocks of a document's text: every line ending in ".zrq" in any
// case is one, up to MaxWizardStocks (further ones are left out, and the
// user is told).
void fillWizardDocument(TOriginalForm1& Form, const std::string& Text);
// Reads the document at WizardPath and adds its stocks, as the command line
// asks.
void openWizardFile(TOriginalForm1& Form);
// The advice of every stock computed again from its file.
void recalculateWizard(TOriginalForm1& Form);
// The document's text: one path per line, in row order.
AnsiString wizardDocumentText(const TOriginalForm1& Form);
