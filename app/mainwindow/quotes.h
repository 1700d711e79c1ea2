#pragma once
// The Analysis tab's side of a stock quote file: reading it into the main
// window's quote series, the quotes grid and the date choices.

#include "app/quotes/llist.h"

class TOriginalForm1;
class TSeCustomStringGrid;
class TSeCustomComboBox;

// Shows the quotes in the grid from row 1 on, newest first: date, open,
// high, low, close, volume in columns 1 to 6. Row count and headings are the
// caller's. The grid formats a quote's cells when it shows or is asked for
// them, so Quotes must stay until the grid is filled again.
void fillQuoteGrid(const linkedList& Quotes, TSeCustomStringGrid* Grid);

// Both combos list every date of the series, oldest first, and start on the
// oldest. The combos read the dates from Quotes when they show or are asked
// for them, so Quotes must stay until they are filled again.
void fillDateCombos(const linkedList& Quotes, TSeCustomComboBox* StartCombo, TSeCustomComboBox* EndCombo);

// Opens the stock quote file into the form's quote series, grid and date
// combos, enables Create Analysis and shows the Analysis page. A file that
// cannot be read is reported through the form's message box and changes
// nothing; false then.
bool openQuoteFile(TOriginalForm1& Form, const AnsiString& Path);

// The chart made ready for Create Analysis: its title the open file's
// symbol, every series empty and out of the legend.
void resetQuoteChart(TOriginalForm1& Form);

// Sets the quote series' window from the two date combos, as Create
// Analysis does before it fills the chart.
void findChosenDates(TOriginalForm1& Form);
