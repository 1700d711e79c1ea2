#pragma once
// The application's modal dialogs, created once at start-up and shown when
// needed: download dates and symbol, download progress, the four indicator
// parameter dialogs and the about box.

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

class TfEnterDays : public TAppDialog {
public:
    explicit TfEnterDays(TComponent* AOwner);
};

class TfEnterDays2 : public TAppDialog {
public:
    explicit TfEnterDays2(TComponent* AOwner);
};

class TfEnterDays3 : public TAppDialog {
public:
    explicit TfEnterDays3(TComponent* AOwner);
};

class TfEnterDays4 : public TAppDialog {
public:
    explicit TfEnterDays4(TComponent* AOwner);
};

class TfAbout : public TAppDialog {
public:
    explicit TfAbout(TComponent* AOwner);
};

extern TfDlQuotes* fDlQuotes;
extern TfEnterDays* fEnterDays;
extern TfHttpProgress* fHttpProgress;
extern TfEnterDays2* fEnterDays2;
extern TfEnterDays3* fEnterDays3;
extern TfEnterDays4* fEnterDays4;
extern TfAbout* fAbout;
