#include "app/enterdays3.h"

#include "app/dayentry.h"
#include "app/zrmain.h"

TfEnterDays3* fEnterDays3 = nullptr;

TfEnterDays3::TfEnterDays3(TComponent* AOwner)
    : TFramedDialog(AOwner, "fEnterDays3", "Period", 251, 117, poMainFormCenter) {
    SeSkinLabel1 = Put(new TSeSkinLabel(this), 8, 12, 0, 0);
    SeSkinLabel1->SetName("SeSkinLabel1");
    SeSkinLabel1->SetCaption("MA 1:");
    SeSkinEdit1 = Put(new TSeSkinEdit(this), 56, 8, 65, 21);
    SeSkinEdit1->SetName("SeSkinEdit1");
    SeSkinEdit1->SetText("");
    SeSkinLabel2 = Put(new TSeSkinLabel(this), 8, 42, 0, 0);
    SeSkinLabel2->SetName("SeSkinLabel2");
    SeSkinLabel2->SetCaption("MA 2:");
    SeSkinEdit2 = Put(new TSeSkinEdit(this), 56, 38, 65, 21);
    SeSkinEdit2->SetName("SeSkinEdit2");
    SeSkinEdit2->SetText("");
    SeSkinLabel3 = Put(new TSeSkinLabel(this), 8, 70, 0, 0);
    SeSkinLabel3->SetName("SeSkinLabel3");
    SeSkinLabel3->SetCaption("Display analysis as:");
    Points = Put(new TSeSkinRadioButton(this), 8, 90, 64, 17);
    Points->SetName("Points");
    Points->SetCaption("Points");
    Points->OnClick = TNotifyEvent(this, &TfEnterDays3::PointsClick);
    Percentages = Put(new TSeSkinRadioButton(this), 76, 90, 88, 17);
    Percentages->SetName("Percentages");
    Percentages->SetCaption("Percentages");
    Percentages->OnClick = TNotifyEvent(this, &TfEnterDays3::PercentagesClick);
    SeSkinButton1 = Put(new TSeSkinButton(this), 168, 84, 75, 25);
    SeSkinButton1->SetName("SeSkinButton1");
    SeSkinButton1->SetCaption("OK");
    SeSkinButton1->SetDefault(true);
    SeSkinButton1->OnClick = TNotifyEvent(this, &TfEnterDays3::SeSkinButton1Click);
    SetActiveControl(SeSkinEdit1);
    OnCreate = TNotifyEvent(this, &TfEnterDays3::FormCreate);
}

void TfEnterDays3::FormCreate(TObject*) {
    Points->SetChecked(true);
    Percentages->SetChecked(false);
}

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
