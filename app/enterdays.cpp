#include "app/enterdays.h"

#include "app/dayentry.h"
#include "app/zrmain.h"

TfEnterDays* fEnterDays = nullptr;

TfEnterDays::TfEnterDays(TComponent* AOwner) : TFramedDialog(AOwner, "fEnterDays", "Period", 251, 85, poDesigned) {
    SetBounds(268, 226, GetWidth(), GetHeight());
    Label1 = Put(new TSeSkinLabel(this), 8, 8, 0, 0);
    Label1->SetName("Label1");
    Label1->SetCaption("Enter the period (i.e. the number of days) for the");
    Label2 = Put(new TSeSkinLabel(this), 8, 26, 0, 0);
    Label2->SetName("Label2");
    Label2->SetCaption("");
    Edit1 = Put(new TSeSkinEdit(this), 8, 52, 121, 21);
    Edit1->SetName("Edit1");
    Edit1->SetText("");
    Button1 = Put(new TSeSkinButton(this), 168, 50, 75, 25);
    Button1->SetName("Button1");
    Button1->SetCaption("OK");
    Button1->SetDefault(true);
    Button1->OnClick = TNotifyEvent(this, &TfEnterDays::Button1Click);
    SetActiveControl(Edit1);
}

void TfEnterDays::Button1Click(TObject*) {
    int days[1];
    if (!ReadDayEntries({Edit1}, days)) return;
    OriginalForm1->Days1 = days[0];
    CloseWith(mrOk);
}
