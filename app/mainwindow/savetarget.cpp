#include "app/mainwindow/savetarget.h"

#include <sys/stat.h>

#include "platform/runtime/FileFaults.h"
#include "skin/controls/SeMessage.h"

bool mayWriteChosenFile(TSeCustomMessage* Box, const AnsiString& Path) {
    struct stat status {};
    // A link that leads nowhere is there too: writing it makes the file it names.
    if (::stat(Path.c_str(), &status) != 0 && ::lstat(Path.c_str(), &status) != 0) return true;
    if (!S_ISREG(status.st_mode) && !S_ISLNK(status.st_mode)) {
        Box->MessageDlg("Cannot write \"" + Path + "\": " + KindFaultText(status.st_mode) + ".", mtError,
                        TMsgDlgButtons{mbOK}, 0);
        return false;
    }
    return Box->MessageDlg(Path + " already exists.\nDo you want to replace it?", mtConfirmation,
                           TMsgDlgButtons{mbYes, mbNo}, 0) == mrYes;
}
