// Reading and underlining the '&' marks of a caption.
#include "platform/controls/AccessKeys.h"

#include <cctype>

namespace {

// Where the access key's character starts in the shown text, -1 when none.
int AccessKeyPos(const std::string& Caption) {
    int shown = 0;
    for (std::size_t i = 0; i + 1 < Caption.size(); ++i, ++shown) {
        if (Caption[i] != '&') continue;
        if (Caption[i + 1] != '&') return shown;
        ++i;  // "&&" shows one ampersand
    }
    return -1;
}

}  // namespace

AnsiString CaptionText(const AnsiString& Caption) {
    std::string shown;
    const std::string& s = Caption.str();
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '&' && i + 1 < s.size()) ++i;
        else if (s[i] == '&') continue;
        shown += s[i];
    }
    return AnsiString(shown);
}

char CaptionAccessKey(const AnsiString& Caption) {
    const std::string& s = Caption.str();
    for (std::size_t i = 0; i + 1 < s.size(); ++i) {
        if (s[i] != '&') continue;
        if (s[i + 1] != '&') return s[i + 1];
        ++i;
    }
    return 0;
}

bool IsAccessKey(Word Key, const AnsiString& Caption) {
    const char key = CaptionAccessKey(Caption);
    return key != 0 && std::toupper(static_cast<unsigned char>(key)) == Key;
}

void UnderlineAccessKey(TCanvas* Canvas, int X, int Y, const AnsiString& Caption, TColor Color) {
    const int key = AccessKeyPos(Caption.str());
    if (key < 0) return;
    const AnsiString text = CaptionText(Caption);
    const int left = X + Canvas->TextWidth(text.SubString(1, key));
    const int width = Canvas->TextWidth(text.SubString(key + 1, 1));
    const int under = Y + Canvas->TextHeight("Wg") - 1;
    TPen* pen = Canvas->GetPen();
    pen->SetStyle(psSolid);
    pen->SetWidth(1);
    pen->SetMode(pmCopy);
    pen->SetColor(Color);
    Canvas->MoveTo(left, under);
    Canvas->LineTo(left + width, under);
}
