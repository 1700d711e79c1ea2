#pragma once
// The period of the historical volatility and its chart type (daily,
// weekly or monthly); OK stores OriginalForm1->Days1 and VolatilityPeriod.
// The chart type chosen stays for the next showing.

#include "app/dialogs/framedialog.h"

class TfEnterDays4 : public TFramedDialog {
public:
    explicit TfEnterDays4(TComponent* AOwner);

    TSeSkinLabel* Label1;
    TSeSkinLabel* SeSkinLabel1;
    TSeSkinEdit* SeSkinEdit1;
    TSeSkinLabel* SeSkinLabel2;
    TSeSkinRadioButton* Daily;
    TSeSkinRadioButton* Weekly;
    TSeSkinRadioButton* Monthly;
    TSeSkinButton* SeSkinButton1;

    void FormCreate(TObject* Sender);
    void DailyClick(TObject* Sender);
    void WeeklyClick(TObject* Sender);
    void MonthlyClick(TObject* Sender);
    void SeSkinButton1Click(TObject* Sender);

private:
    // Checks Chosen and unchecks the other two.
    void Choose(TSeSkinRadioButton* Chosen);
};

extern TfEnterDays4* fEnterDays4;
