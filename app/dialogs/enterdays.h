#pragma once
// The period of a one-parameter indicator: Create Analysis puts the
// indicator's name in Label2, empties Edit1 and shows the dialog; OK stores
// the entry in OriginalForm1->Days1.

#include "app/dialogs/framedialog.h"

class TfEnterDays : public TFramedDialog {
public:
    explicit TfEnterDays(TComponent* AOwner);

    TSeSkinLabel* Label1;
    TSeSkinLabel* Label2;
    TSeSkinEdit* Edit1;
    TSeSkinButton* Button1;

    void Button1Click(TObject* Sender);
};

extern TfEnterDays* fEnterDays;
