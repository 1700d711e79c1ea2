#include "app/dialogs/enterdays3.h"

#include "app/dialogs/dayentry.h"
#include "app/mainwindow/zrmain.h"

TfEnterDays3* fEnterDays3 = nullptr;

TfEnterDays3::TfEnterDays3(TComponent* AOwner)
    : TFramedDialog(AOwner, "fEnterDays3", "Period", 251, 117, poMainFormCenter) {
    PutDaysRow(0, "MA 1:", SeSkinLabel1, SeSkinEdit1);
    PutDaysRow(1, "MA 2:", SeSkinLabel2, SeSkinEdit2);
    SeSkinLabel3 = PutLabel("SeSkinLabel3", "Display analysis as:", 8, 70);
    Points = PutRadio("Points", 8, 90, 64, TNotifyEvent(this, &TfEnterDays3::PointsClick));
    Percentages = PutRadio("Percentages", 76, 90, 88, TNotifyEvent(this, &TfEnterDays3::PercentagesClick));
    SeSkinButton1 = PutButton("SeSkinButton1", "OK", 168, 84, TNotifyEvent(this, &TfEnterDays3::SeSkinButton1Click));
    SetActiveControl(SeSkinEdit1);
    OnCreate = TNotifyEvent(this, &TfEnterDays3::FormCreate);
}

void TfEnterDays3::FormCreate(TObject*) { PointsClick(this); }

void TfEnterDays3::PointsClick(TObject*) {
    Points->SetChecked(true);
    Percentages->SetChecked(false);
}

void TfEnterDays3::PercentagesClick(TObject*) {
    Points->SetChecked(false);
    Percentages->SetChecked(true);
}

void TfEnterDays3::SeSkinButton1Click(TObject*) {
    int days[2];
    if (!ReadDayEntries({SeSkinEdit1, SeSkinEdit2}, days)) return;
    OriginalForm1->Days1 = days[0];
    OriginalForm1->Days2 = days[1];
    OriginalForm1->AsPercentages = !Points->GetChecked();
    CloseWith(mrOk);
}
