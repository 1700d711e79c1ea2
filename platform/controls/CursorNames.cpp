// The identifiers of the standard cursors, as forms store them.
#include <iterator>

#include "platform/controls/Controls.h"
#include "platform/runtime/SysUtils.h"

namespace {

struct CursorName {
    TCursor cursor;
    const char* ident;
};

constexpr CursorName cursorNames[] = {
    {crDefault, "crDefault"},   {crNone, "crNone"},         {crArrow, "crArrow"},       {crCross, "crCross"},
    {crIBeam, "crIBeam"},       {crSizeNESW, "crSizeNESW"}, {crSizeNS, "crSizeNS"},     {crSizeNWSE, "crSizeNWSE"},
    {crSizeWE, "crSizeWE"},     {crUpArrow, "crUpArrow"},   {crHourGlass, "crHourGlass"}, {crDrag, "crDrag"},
    {crNoDrop, "crNoDrop"},     {crHSplit, "crHSplit"},     {crVSplit, "crVSplit"},     {crMultiDrag, "crMultiDrag"},
    {crSQLWait, "crSQLWait"},   {crNo, "crNo"},             {crAppStart, "crAppStart"}, {crHelp, "crHelp"},
    {crHandPoint, "crHandPoint"}, {crSizeAll, "crSizeAll"}};

}  // namespace

bool IdentToCursor(const AnsiString& Ident, int& Cursor) {
    for (const CursorName& name : cursorNames)
        if (CompareText(Ident, name.ident) == 0) {
            Cursor = name.cursor;
            return true;
        }
    return false;
}

bool CursorToIdent(int Cursor, AnsiString& Ident) {
    for (const CursorName& name : cursorNames)
        if (name.cursor == Cursor) {
            Ident = name.ident;
            return true;
        }
    return false;
}
