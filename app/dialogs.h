#pragma once
// The application's modal dialogs, created once at start-up and shown when
// needed: download dates and symbol, and download progress here; the four
// indicator parameter dialogs (enterdays*.h) and the about box (about.h)
// in modules of their own.

#include "platform/Forms.h"

// A dialog's frame: caption, client size and placement.
class TAppDialog : public TForm {
public:
    TAppDialog(TComponent* AOwner, const char* Name, const char* Caption, int ClientWidth, int ClientHeight,
               TPosition Position);
};

class TfDlQuotes : public TAppDialog {
public:
    explicit TfDlQuotes(TComponent* AOwner);
};

class TfHttpProgress : public TAppDialog {
public:
    explicit TfHttpProgress(TComponent* AOwner);
};

extern TfDlQuotes* fDlQuotes;
extern TfHttpProgress* fHttpProgress;
