#include "app/dialogs/enterdays.h"

#include "app/dialogs/dayentry.h"
#include "app/mainwindow/zrmain.h"

TfEnterDays* fEnterDays = nullptr;

TfEnterDays::TfEnterDays(TComponent* AOwner) : TFramedDialog(AOwner, "fEnterDays", "Period", 251, 85, poDesigned) {
    SetBounds(268, 226, GetWidth(), GetHeight());
    Label1 = PutLabel("Label1", "Enter the period (i.e. the number of days) for the", 8, 8);
    Label2 = PutLabel("Label2", "", 8, 26);
    Edit1 = PutEdit("Edit1", 8, 52, 121);
    Button1 = PutButton("Button1", "OK", 168, 50, TNotifyEvent(this, &TfEnterDays::Button1Click));
    SetActiveControl(Edit1);
}

void TfEnterDays::Button1Click(TObject*) {
    int days[1];
    if (!ReadDayEntries({Edit1}, days)) return;
    OriginalForm1->Days1 = days[0];
    CloseWith(mrOk);
}
