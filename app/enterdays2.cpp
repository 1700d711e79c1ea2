#include "app/enterdays2.h"

#include "app/dayentry.h"
#include "app/zrmain.h"

TfEnterDays2* fEnterDays2 = nullptr;

TfEnterDays2::TfEnterDays2(TComponent* AOwner)
    : TFramedDialog(AOwner, "fEnterDays2", "Period", 251, 104, poMainFormCenter) {
    SeSkinLabel1 = PutLabel("SeSkinLabel1", "Period:", 8, 12);
    SeSkinEdit1 = PutEdit("SeSkinEdit1", 56, 8, 65);
    SeSkinLabel2 = PutLabel("SeSkinLabel2", "%K:", 8, 42);
    SeSkinEdit2 = PutEdit("SeSkinEdit2", 56, 38, 65);
    SeSkinLabel3 = PutLabel("SeSkinLabel3", "%D:", 8, 72);
    SeSkinEdit3 = PutEdit("SeSkinEdit3", 56, 68, 65);
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
