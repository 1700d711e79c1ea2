#pragma once
// The printer set-up dialog: chooses the printer, the orientation and, for
// the PDF printer, the file the document goes to. Tests answer it through
// the automation kind "PrinterSetup" (the answer changes Printer() and sets
// Result to IDOK, or IDCANCEL).

#include "platform/runtime/Components.h"

class TPrinterSetupDialog : public TComponent {
public:
    explicit TPrinterSetupDialog(TComponent* AOwner) : TComponent(AOwner) {}
    // False when cancelled; the printer is then left as it was.
    bool Execute();
};
