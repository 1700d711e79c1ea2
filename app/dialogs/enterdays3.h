#pragma once
// The two moving averages of the price oscillator and whether it shows
// points or percentages; OK stores OriginalForm1->Days1, Days2 and
// AsPercentages. The choice of display stays for the next showing.

#include "app/dialogs/framedialog.h"

class TfEnterDays3 : public TFramedDialog {
public:
    explicit TfEnterDays3(TComponent* AOwner);

    TSeSkinLabel* SeSkinLabel1;
    TSeSkinEdit* SeSkinEdit1;
    TSeSkinLabel* SeSkinLabel2;
    TSeSkinEdit* SeSkinEdit2;
    TSeSkinLabel* SeSkinLabel3;
    TSeSkinRadioButton* Points;
    TSeSkinRadioButton* Percentages;
    TSeSkinButton* SeSkinButton1;

    void FormCreate(TObject* Sender);
    void PointsClick(TObject* Sender);
    void PercentagesClick(TObject* Sender);
    void SeSkinButton1Click(TObject* Sender);
};

extern TfEnterDays3* fEnterDays3;
