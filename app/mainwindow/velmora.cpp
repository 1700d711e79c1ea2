#include "app/mainwindow/velmora.h"

#include <exception>

#include "app/dialogs/about.h"
#include "app/download/dlquotes.h"
#include "app/download/httpprogress.h"
#include "app/dialogs/enterdays.h"
#include "app/dialogs/enterdays2.h"
#include "app/dialogs/enterdays3.h"
#include "app/dialogs/enterdays4.h"
#include "app/mainwindow/zrmain.h"
#include "platform/runtime/FileUtils.h"
#include "platform/host/Host.h"

void CreateApplicationForms() {
    Application->Initialize();
    Application->SetTitle("Velmora");
    // The main window first: it becomes the main form, and its creation
    // handler (which may open a file named on the command line) runs before
    // the dialogs exist.
    Application->CreateForm(&OriginalForm1);
    Application->CreateForm(&fDlQuotes);
    Application->CreateForm(&fEnterDays);
    Application->CreateForm(&fHttpProgress);
    Application->CreateForm(&fEnterDays2);
    Application->CreateForm(&fEnterDays3);
    Application->CreateForm(&fEnterDays4);
    Application->CreateForm(&fAbout);
}

int VelmoraMain(int argc, char** argv) {
    SetCommandLine(argc, argv);
    StartHost(argc, argv);
    try {
        CreateApplicationForms();
        Application->Run();
    } catch (Exception& e) {
        Application->ShowException(&e);
    } catch (const std::exception& e) {
        Exception wrapped(e.what());
        Application->ShowException(&wrapped);
    }
    return 0;
}
