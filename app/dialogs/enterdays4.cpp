#include "app/dialogs/enterdays4.h"

#include "app/dialogs/dayentry.h"
#include "app/mainwindow/zrmain.h"

TfEnterDays4* fEnterDays4 = nullptr;

TfEnterDays4::TfEnterDays4(TComponent* AOwner)
    : TFramedDialog(AOwner, "fEnterDays4", "Period", 279, 135, poDesigned) {
    SetBounds(254, 216, GetWidth(), GetHeight());
    Label1 = PutLabel("Label1", "Enter the period (i.e. the number of days) for the", 8, 8);
    SeSkinLabel1 = PutLabel("SeSkinLabel1", "Historical Volatility:", 8, 32);
    SeSkinEdit1 = PutEdit("SeSkinEdit1", 128, 28, 65);
    SeSkinLabel2 = PutLabel("SeSkinLabel2", "Chart Type:", 8, 62);
    Daily = PutRadio("Daily", 8, 82, 56, TNotifyEvent(this, &TfEnterDays4::DailyClick));
    Weekly = PutRadio("Weekly", 68, 82, 64, TNotifyEvent(this, &TfEnterDays4::WeeklyClick));
    Monthly = PutRadio("Monthly", 136, 82, 70, TNotifyEvent(this, &TfEnterDays4::MonthlyClick));
    SeSkinButton1 = PutButton("SeSkinButton1", "OK", 196, 102, TNotifyEvent(this, &TfEnterDays4::SeSkinButton1Click));
    SetActiveControl(SeSkinEdit1);
    OnCreate = TNotifyEvent(this, &TfEnterDays4::FormCreate);
}

void TfEnterDays4::Choose(TSeSkinRadioButton* Chosen) {
    for (TSeSkinRadioButton* b : {Daily, Weekly, Monthly})
        if (b != Chosen) b->SetChecked(false);
    Chosen->SetChecked(true);
}

void TfEnterDays4::FormCreate(TObject*) { Choose(Daily); }
void TfEnterDays4::DailyClick(TObject*) { Choose(Daily); }
void TfEnterDays4::WeeklyClick(TObject*) { Choose(Weekly); }
void TfEnterDays4::MonthlyClick(TObject*) { Choose(Monthly); }

void TfEnterDays4::SeSkinButton1Click(TObject*) {
    int days[1];
    if (!ReadDayEntries({SeSkinEdit1}, days)) return;
    OriginalForm1->Days1 = days[0];
    OriginalForm1->VolatilityPeriod = Daily->GetChecked() ? "Daily" : Weekly->GetChecked() ? "Weekly" : "Monthly";
    CloseWith(mrOk);
}
