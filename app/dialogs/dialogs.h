#pragma once
// The frame every modal dialog of the application starts from; the dialogs
// themselves (dlquotes.h, httpprogress.h, enterdays*.h, about.h) are
// created once at start-up and shown when needed.

#include "platform/controls/Forms.h"

// A dialog's frame: caption, client size and placement.
class TAppDialog : public TForm {
public:
    TAppDialog(TComponent* AOwner, const char* Name, const char* Caption, int ClientWidth, int ClientHeight,
               TPosition Position);
};
