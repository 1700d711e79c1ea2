#pragma once
// The system clipboard: text, and bitmaps assigned to it or taken from it
// (TBitmap::Assign(Clipboard())).

#include "platform/gdi/Graphics.h"

enum : Word { CF_TEXT = 1, CF_BITMAP = 2 };

class TClipboard : public TPersistent {
public:
    // Puts a bitmap on the clipboard; EAssignError for anything else.
    void Assign(TPersistent* Source) override;
    AnsiString GetAsText();
    void SetAsText(const AnsiString& Value);
    bool HasFormat(Word Format);
    void Clear();

protected:
    // Into a bitmap: the clipboard's picture (EInvalidGraphic when it holds none).
    void AssignTo(TPersistent* Dest) override;
};

TClipboard* Clipboard();
