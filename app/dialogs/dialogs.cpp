#include "app/dialogs/dialogs.h"

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
