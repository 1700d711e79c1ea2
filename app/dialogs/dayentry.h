#pragma once
// The entries of the parameter dialogs: whole numbers typed in edits.

#include <initializer_list>

#include "platform/runtime/AnsiString.h"

class TSeCustomEdit;

// An entry is valid when StrToIntDef(text, -1) is not -1: so an empty text,
// text that is not an integer ("7x", " 12 ") and -1 itself are refused,
// while 0, other negatives and large numbers pass (the analysis checks the
// ranges). Checks the edits in order; at the first refused one it shows the
// "Invalid Entry" box and returns false with Values untouched, else fills
// Values[i] from Edits[i].
bool ReadDayEntries(std::initializer_list<TSeCustomEdit*> Edits, int* Values);

extern const char* const kInvalidEntryCaption;
extern const char* const kInvalidEntryText;
