#include "app/enterdays4.h"

#include "app/dayentry.h"
#include "app/zrmain.h"

TfEnterDays4* fEnterDays4 = nullptr;

TfEnterDays4::TfEnterDays4(TComponent* AOwner)
    : TFramedDialog(AOwner, "fEnterDays4", "Period", 279, 135, poDesigned) {
    SetBounds(254, 216, GetWidth(), GetHeight());
    Label1 = Put(new TSeSkinLabel(this), 8, 8, 0, 0);
    Label1->SetName("Label1");
    Label1->SetCaption("Enter the period (i.e. the number of days) for the");
    SeSkinLabel1 = Put(new TSeSkinLabel(this), 8, 32, 0, 0);
    SeSkinLabel1->SetName("SeSkinLabel1");
    SeSkinLabel1->SetCaption("Historical Volatility:");
    SeSkinEdit1 = Put(new TSeSkinEdit(this), 128, 28, 65, 21);
    SeSkinEdit1->SetName("SeSkinEdit1");
    SeSkinEdit1->SetText("");
    SeSkinLabel2 = Put(new TSeSkinLabel(this), 8, 62, 0, 0);
    SeSkinLabel2->SetName("SeSkinLabel2");
    SeSkinLabel2->SetCaption("Chart Type:");
    struct Choice {
        TSeSkinRadioButton** Button;
        const char* Name;
        int Left, Width;
        void (TfEnterDays4::*Click)(TObject*);
    };
    const Choice choices[] = {{&Daily, "Daily", 8, 56, &TfEnterDays4::DailyClick},
                              {&Weekly, "Weekly", 68, 64, &TfEnterDays4::WeeklyClick},
                              {&Monthly, "Monthly", 136, 70, &TfEnterDays4::MonthlyClick}};
    for (const Choice& c : choices) {
        *c.Button = Put(new TSeSkinRadioButton(this), c.Left, 82, c.Width, 17);
        (*c.Button)->SetName(c.Name);
        (*c.Button)->SetCaption(c.Name);
        (*c.Button)->OnClick = TNotifyEvent(this, c.Click);
    }
    SeSkinButton1 = Put(new TSeSkinButton(this), 196, 102, 75, 25);
    SeSkinButton1->SetName("SeSkinButton1");
    SeSkinButton1->SetCaption("OK");
    SeSkinButton1->SetDefault(true);
    SeSkinButton1->OnClick = TNotifyEvent(this, &TfEnterDays4::SeSkinButton1Click);
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
