#pragma once
// The window of quotes that Create Analysis works on, chosen by its start
// and end dates, and the dates the user chooses from.

#include "app/quotes/llist.h"
#include "platform/runtime/Exceptions.h"

VELMORA_EXCEPTION(EQuoteWindowError, Exception)

// The date choices list the series' dates oldest first: the text of choice
// Index (0 the oldest quote's date).
AnsiString quoteDateOldestFirst(const linkedList& quotes, int Index);

// Sets StartMark, EndMark and WindowCount: the start is the oldest quote
// dated startDate, the end the first quote dated endDate from the start on
// toward the newer quotes. Dates compare exactly. Raises EQuoteWindowError,
// leaving the window as it was, when either is not found.
void findChosenDates(linkedList& quotes, const AnsiString& startDate, const AnsiString& endDate);
