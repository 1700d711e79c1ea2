#pragma once
// The window of quotes that Create Analysis works on, chosen by its start
// and end dates, and the dates the user chooses from.

#include <vector>

#include "app/llist.h"
#include "platform/runtime/Exceptions.h"

VELMORA_EXCEPTION(EQuoteWindowError, Exception)

// The dates of the series, oldest first, as the date choices list them.
std::vector<AnsiString> quoteDatesOldestFirst(const linkedList& quotes);

// Sets StartMark, EndMark and WindowCount: the start is the oldest quote
// dated startDate, the end the first quote dated endDate from the start on
// toward the newer quotes. Dates compare exactly. Raises EQuoteWindowError,
// leaving the window as it was, when either is not found.
void findChosenDates(linkedList& quotes, const AnsiString& startDate, const AnsiString& endDate);
