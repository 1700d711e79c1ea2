#pragma once
// The three parameters of the stochastic oscillator: period, %K and %D,
// stored in OriginalForm1->Days1, Days2 and Days3 on OK.

#include "app/dialogs/framedialog.h"

class TfEnterDays2 : public TFramedDialog {
public:
    explicit TfEnterDays2(TComponent* AOwner);

    TSeSkinLabel* SeSkinLabel1;
    TSeSkinEdit* SeSkinEdit1;
    TSeSkinLabel* SeSkinLabel2;
    TSeSkinEdit* SeSkinEdit2;
    TSeSkinLabel* SeSkinLabel3;
    TSeSkinEdit* SeSkinEdit3;
    TSeSkinButton* SeSkinButton1;

    void SeSkinButton1Click(TObject* Sender);
};

extern TfEnterDays2* fEnterDays2;
