// The main window's settings: the file dialogs' folders and the help file.
#include "app/mainwindow/zrmain.h"
#include "platform/host/Dialogs.h"
#include "platform/host/Registry.h"

namespace {

const char* const SettingsKey = "Software\\Halvorsk\\Velmora\\init";

// The folder of a file name: everything before its last "/" or "\".
AnsiString FolderOf(const AnsiString& FileName) {
    const std::string& text = FileName.str();
    const std::size_t separator = text.find_last_of("/\\");
    return separator == std::string::npos ? AnsiString() : AnsiString(text.substr(0, separator));
}

}  // namespace

void TOriginalForm1::ReadSettings() {
    TRegistry settings;
    settings.SetRootKey(HKEY_LOCAL_MACHINE);
    if (!settings.OpenKey(SettingsKey, true)) return;
    const AnsiString openDir = settings.ReadString("initOpenDir");
    const AnsiString saveDir = settings.ReadString("initSaveDir");
    HelpFilePath = settings.ReadString("helpFileDir");
    if (!openDir.IsEmpty()) OpenDialog1->SetInitialDir(openDir);
    if (!saveDir.IsEmpty()) SaveDialog1->SetInitialDir(saveDir);
}

// A settings store that cannot be written must not keep the program open.
void TOriginalForm1::WriteSettings() {
    try {
        TRegistry settings;
        settings.SetRootKey(HKEY_LOCAL_MACHINE);
        if (!settings.OpenKey(SettingsKey, true)) return;
        if (!OpenDialog1->GetFileName().IsEmpty())
            settings.WriteString("initOpenDir", FolderOf(OpenDialog1->GetFileName()));
        if (!SaveDialog1->GetFileName().IsEmpty())
            settings.WriteString("initSaveDir", FolderOf(SaveDialog1->GetFileName()));
    } catch (const ERegistryException&) {
    }
}
