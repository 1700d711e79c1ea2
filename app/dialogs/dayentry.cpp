#include "app/dialogs/dayentry.h"

#include <vector>

#include "platform/controls/Forms.h"
#include "platform/runtime/SysUtils.h"
#include "skin/controls/SeEdits.h"

const char* const kInvalidEntryCaption = "Invalid Entry";
const char* const kInvalidEntryText = "You must enter a valid number using the numeric keys (0-9).";

bool ReadDayEntries(std::initializer_list<TSeCustomEdit*> Edits, int* Values) {
    std::vector<int> read;
    for (TSeCustomEdit* edit : Edits) {
        const int value = StrToIntDef(edit->GetText(), -1);
        if (value == -1) {
            Application->MessageBox(kInvalidEntryText, kInvalidEntryCaption, MB_OK);
            return false;
        }
        read.push_back(value);
    }
    for (std::size_t i = 0; i < read.size(); ++i) Values[i] = read[i];
    return true;
}
