#pragma once
// The program's main routine: the application object, the main window and
// the dialogs, then the message loop.

// Steps before the message loop: initialise, title, the forms in their order.
void CreateApplicationForms();
// The whole routine; an exception escaping it is shown, and it returns 0.
int VelmoraMain(int argc, char** argv);
