#pragma once
// The system clipboard: text, bitmaps assigned to it or taken from it
// (TBitmap::Assign(Clipboard())), and metafiles assigned to it.

#include "platform/gdi/Metafile.h"

enum : Word { CF_TEXT = 1, CF_BITMAP = 2, CF_METAFILEPICT = 3, CF_ENHMETAFILE = 14 };

class TClipboard : public TPersistent {
public:
    // Puts a bitmap or a metafile (with its picture) on the clipboard;
    // EAssignError for anything else.
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
