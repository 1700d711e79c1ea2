#pragma once
// The chart library's numbered texts. Every text a user can read (errors,
// default formats, axis and list names) lives in the program's string table,
// so a translation replaces the table, not the code. A text is looked up on
// every use: a replaced text shows at once.

#include <span>

#include "platform/runtime/SysUtils.h"

// One numbered text of the chart library.
struct TTeeMessage {
    int Id;
};

// A record's name and number, for whole-table checks.
struct TTeeMessageRecord {
    const char* Name;
    int Id;
};

// What a unit's record list (Name, Id) becomes: the records themselves and
// their table.
#define VELMORA_TEE_DECLARE(Name, Id) inline constexpr TTeeMessage Name{Id};
#define VELMORA_TEE_LIST(Name, Id) {#Name, Id},

// The text the chart library starts with for one record.
struct TTeeMessageText {
    TTeeMessage Message;
    const char* Text;
};

// The current text of Message; empty when the table has none.
AnsiString TeeMsgText(TTeeMessage Message);

// The current text of Message with its %s/%d placeholders filled.
template <class... T>
AnsiString TeeMsgFormat(TTeeMessage Message, const T&... Args) {
    return Format(TeeMsgText(Message), Args...);
}

// Puts the chart library's texts into the string table. Runs on its own
// before the first lookup; calling it again restores the texts replaced since.
void RegisterChartMessages();
