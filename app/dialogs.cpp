#include "app/dialogs.h"

TfDlQuotes* fDlQuotes = nullptr;
TfEnterDays* fEnterDays = nullptr;
TfHttpProgress* fHttpProgress = nullptr;
TfEnterDays2* fEnterDays2 = nullptr;
TfEnterDays3* fEnterDays3 = nullptr;
TfEnterDays4* fEnterDays4 = nullptr;
TfAbout* fAbout = nullptr;

TAppDialog::TAppDialog(TComponent* AOwner, const char* Name, const char* Caption, int ClientWidth,
                       int ClientHeight, TPosition Position)
    : TForm(AOwner) {
    SetName(Name);
    SetCaption(Caption);
    SetBorderStyle(bsDialog);
    SetBorderIcons(TBorderIcons{});
    SetPosition(Position);
    SetClientWidth(ClientWidth);
    SetClientHeight(ClientHeight);
}

TfDlQuotes::TfDlQuotes(TComponent* AOwner)
    : TAppDialog(AOwner, "fDlQuotes", "Download Quotes", 321, 185, poMainFormCenter) {}

TfHttpProgress::TfHttpProgress(TComponent* AOwner)
    : TAppDialog(AOwner, "fHttpProgress", "Transfer...", 257, 121, poMainFormCenter) {}

TfEnterDays::TfEnterDays(TComponent* AOwner) : TAppDialog(AOwner, "fEnterDays", "Period", 251, 85, poMainFormCenter) {}

TfEnterDays2::TfEnterDays2(TComponent* AOwner)
    : TAppDialog(AOwner, "fEnterDays2", "Period", 251, 104, poMainFormCenter) {}

TfEnterDays3::TfEnterDays3(TComponent* AOwner)
    : TAppDialog(AOwner, "fEnterDays3", "Period", 251, 117, poMainFormCenter) {}

TfEnterDays4::TfEnterDays4(TComponent* AOwner)
    : TAppDialog(AOwner, "fEnterDays4", "Period", 279, 135, poMainFormCenter) {}

TfAbout::TfAbout(TComponent* AOwner) : TAppDialog(AOwner, "fAbout", "About Velmora", 329, 229, poMainFormCenter) {}
