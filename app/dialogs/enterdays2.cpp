#include "app/dialogs/enterdays2.h"

#include "app/dialogs/dayentry.h"
#include "app/mainwindow/zrmain.h"

TfEnterDays2* fEnterDays2 = nullptr;

TfEnterDays2::TfEnterDays2(TComponent* AOwner)
    : TFramedDialog(AOwner, "fEnterDays2", "Period", 251, 104, poMainFormCenter) {
    PutDaysRow(0, "Period:", SeSkinLabel1, SeSkinEdit1);
    PutDaysRow(1, "%K:", SeSkinLabel2, SeSkinEdit2);
    PutDaysRow(2, "%D:", SeSkinLabel3, SeSkinEdit3);
    SeSkinButton1 = PutButton("SeSkinButton1", "OK", 168, 70, TNotifyEvent(this, &TfEnterDays2::SeSkinButton1Click));
    SetActiveControl(SeSkinEdit1);
}

void TfEnterDays2::SeSkinButton1Click(TObject*) {
    int days[3];
    if (!ReadDayEntries({SeSkinEdit1, SeSkinEdit2, SeSkinEdit3}, days)) return;
    OriginalForm1->Days1 = days[0];
    OriginalForm1->Days2 = days[1];
    OriginalForm1->Days3 = days[2];
    CloseWith(mrOk);
}
