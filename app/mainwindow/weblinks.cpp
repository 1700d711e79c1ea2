#include "app/mainwindow/weblinks.h"

#include "app/mainwindow/zrmain.h"
#include "platform/host/ShellApi.h"
#include "skin/engine/KsSkinMessage.h"

bool openWebAddress(HWND Parent, const AnsiString& Address, int ShowCmd) {
    if (ShellExecute(Parent, "open", Address, "", "", ShowCmd) > 32) return true;
    OriginalForm1->SeSkinMessage1->MessageDlg("The address could not be opened: " + Address, mtError,
                                              TMsgDlgButtons{mbOK}, 0);
    return false;
}
