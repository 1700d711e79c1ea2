#include "chart/utils/TeeProcs.h"

#include "chart/messages/TeeExceptions.h"
#include "chart/messages/TeeConst.h"
#include "platform/controls/Forms.h"

char TeeLineSeparator = '\r';
bool TeeClipWhenPrinting = true;
bool TeeClipWhenMetafiling = true;
bool TeeEraseBack = false;
bool PrintTeePanel = false;

const TColor ColorPalette[16] = {clRed,    clGreen, clYellow, clBlue,   clWhite, clGray,   clFuchsia, clTeal,
                                 clNavy,   clMaroon, clLime,  clOlive,  clPurple, clSilver, clAqua,   clBlack};

TColor GetDefaultColor(int Index) {
    int i = Index % 16;
    return ColorPalette[i < 0 ? i + 16 : i];
}

void TeeCheckAngle(int Angle, const AnsiString& Description) {
    if (Angle < 0 || Angle > 359) throw ChartException(TeeMsgFormat(TeeMsg_Angle, Description));
}

// ---- Default font ------------------------------------------------------------

int GetScreenLogPixels() { return Screen->GetPixelsPerInch(); }

AnsiString GetDefaultFontName() { return TeeMsgText(TeeMsg_DefaultFontName); }

int GetDefaultFontSize() {
    // A translated table with a broken size must not stop every chart.
    return StrToIntDef(TeeMsgText(TeeMsg_DefaultFontSize), 8);
}

TFont* CreateDefaultFont(TNotifyEvent OnChange) {
    auto* font = new TFont;
    font->SetName(GetDefaultFontName());
    font->SetSize(GetDefaultFontSize());
    font->SetColor(clBlack);
    font->SetStyle(TFontStyles());
    font->OnChange = std::move(OnChange);
    return font;
}

// Fonts here have no character set of their own, so none is compared.
bool IsDefaultFont(TFont* AFont) {
    return AFont->GetSize() == GetDefaultFontSize() && AFont->GetName() == GetDefaultFontName() &&
           AFont->GetColor() == clBlack && AFont->GetStyle() == TFontStyles();
}

void EnableControls(bool Enable, std::initializer_list<TControl*> Controls) {
    for (TControl* control : Controls) control->SetEnabled(Enable);
}

// ---- Texts -------------------------------------------------------------------

void TeeSplitInLines(AnsiString& St, const AnsiString& Separator) {
    if (Separator.IsEmpty()) return;
    std::string& s = St.str();
    // Searching on after each hit, so a separator that starts with the line
    // separator itself cannot be found again forever.
    for (auto at = s.find(Separator.str()); at != std::string::npos; at = s.find(Separator.str(), at + 1))
        s[at] = TeeLineSeparator;
}

int TeeNumTextLines(const AnsiString& St) {
    int lines = 0;
    for (char c : St.str())
        if (c == TeeLineSeparator) ++lines;
    if (!St.IsEmpty() && St.str().back() != TeeLineSeparator) ++lines;
    return lines;
}

namespace {

// Swaps both separators in one pass, so locales whose thousands separator is
// the other's decimal one ("." and ",") come out right.
AnsiString MapSeparators(const AnsiString& AFormat, char FromThousand, char FromDecimal, char ToThousand,
                         char ToDecimal) {
    AnsiString result = AFormat;
    for (char& c : result.str()) {
        if (c == FromThousand)
            c = ToThousand;
        else if (c == FromDecimal)
            c = ToDecimal;
    }
    return result;
}

}  // namespace

AnsiString StandardToLocalFormat(const AnsiString& AFormat) {
    return MapSeparators(AFormat, ',', '.', ThousandSeparator, DecimalSeparator);
}

AnsiString LocalToStandardFormat(const AnsiString& AFormat) {
    return MapSeparators(AFormat, ThousandSeparator, DecimalSeparator, ',', '.');
}

int TeeNumFields(const AnsiString& St) {
    if (St.IsEmpty()) return 0;
    int fields = 1;
    for (char c : St.str())
        if (c == ';') ++fields;
    return fields;
}

AnsiString TeeExtractField(const AnsiString& St, int Index) {
    const std::string& s = St.str();
    std::string::size_type start = 0;
    // An index below 1 never matches either, so it too ends on the last field.
    for (int field = 1; field != Index; ++field) {
        auto next = s.find(';', start);
        if (next == std::string::npos) break;
        start = next + 1;
    }
    auto end = s.find(';', start);
    return AnsiString(s.substr(start, end == std::string::npos ? std::string::npos : end - start));
}

AnsiString TeeGetUniqueName(TComponent* AOwner, const AnsiString& StartName) {
    for (int n = 1;; ++n) {
        AnsiString name = StartName + IntToStr(n);
        if (!AOwner || !AOwner->FindComponent(name)) return name;
    }
}

// ---- Cursors and image kinds ---------------------------------------------------

namespace {
const char* const handCursorIdent = "crTeeHand";
}

bool TeeIdentToCursor(const AnsiString& Ident, int& Cursor) {
    if (CompareText(Ident, handCursorIdent) != 0) return IdentToCursor(Ident, Cursor);
    Cursor = crTeeHand;
    return true;
}

bool TeeCursorToIdent(int Cursor, AnsiString& Ident) {
    if (Cursor != crTeeHand) return CursorToIdent(Cursor, Ident);
    Ident = handCursorIdent;
    return true;
}

namespace {

// The screen's pointing hand stands under the chart's number as well; the
// entry is taken out again when the program ends, if it was made.
struct HandCursorEntry {
    bool registered = false;
    void Register() {
        if (registered) return;
        Screen->SetCursors(crTeeHand, Screen->GetCursors(crHandPoint));
        registered = true;
    }
    void Unregister() {
        if (!registered) return;
        registered = false;
        Screen->SetCursors(crTeeHand, nullptr);
    }
    ~HandCursorEntry() { Unregister(); }
};

HandCursorEntry& HandCursor() {
    static HandCursorEntry entry;
    return entry;
}

}  // namespace

void TeeRegisterHandCursor() { HandCursor().Register(); }

void TeeUnregisterHandCursor() { HandCursor().Unregister(); }

AnsiString TeeGetImageExtension(int Index) {
    static const char* const extensions[] = {"BMP", "WMF", "EMF", "TEE", "JPG"};
    if (Index < 0 || Index >= static_cast<int>(std::size(extensions))) return AnsiString();
    return extensions[Index];
}
