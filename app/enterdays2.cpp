#include "app/enterdays2.h"

#include "app/dayentry.h"
#include "app/zrmain.h"

TfEnterDays2* fEnterDays2 = nullptr;

TfEnterDays2::TfEnterDays2(TComponent* AOwner)
    : TFramedDialog(AOwner, "fEnterDays2", "Period", 251, 104, poMainFormCenter) {
    const char* captions[] = {"Period:", "%K:", "%D:"};
    TSeSkinLabel** labels[] = {&SeSkinLabel1, &SeSkinLabel2, &SeSkinLabel3};
    TSeSkinEdit** edits[] = {&SeSkinEdit1, &SeSkinEdit2, &SeSkinEdit3};
    for (int i = 0; i < 3; ++i) {
        *labels[i] = Put(new TSeSkinLabel(this), 8, 12 + 30 * i, 0, 0);
        (*labels[i])->SetName(AnsiString("SeSkinLabel") + AnsiString(i + 1));
        (*labels[i])->SetCaption(captions[i]);
        *edits[i] = Put(new TSeSkinEdit(this), 56, 8 + 30 * i, 65, 21);
        (*edits[i])->SetName(AnsiString("SeSkinEdit") + AnsiString(i + 1));
        (*edits[i])->SetText("");
    }
    SeSkinButton1 = Put(new TSeSkinButton(this), 168, 70, 75, 25);
    SeSkinButton1->SetName("SeSkinButton1");
    SeSkinButton1->SetCaption("OK");
    SeSkinButton1->SetDefault(true);
    SeSkinButton1->OnClick = TNotifyEvent(this, &TfEnterDays2::SeSkinButton1Click);
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
