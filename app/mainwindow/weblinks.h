#pragma once
// Opening a web address or a mail link with the system's own program, and
// saying so in the program's message box when none can be started.

#include "platform/controls/Controls.h"
#include "platform/runtime/AnsiString.h"

// Opens Address (ShellExecute's "open" with ShowCmd, Parent the window it
// is opened from); false, after the message "The address could not be
// opened: " and the address, when it cannot be.
bool openWebAddress(HWND Parent, const AnsiString& Address, int ShowCmd);
