#include "app/dialogs.h"

TfDlQuotes* fDlQuotes = nullptr;
TfHttpProgress* fHttpProgress = nullptr;

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
