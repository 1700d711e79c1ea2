#pragma once
// Opening documents, web addresses and mail links with the system's handler.

#include <cstdint>

#include "platform/runtime/AnsiString.h"
#include "platform/controls/Controls.h"

using HINSTANCE = std::intptr_t;

enum : int { SW_HIDE = 0, SW_SHOWNORMAL = 1, SW_SHOW = 5 };
// Failure results; success is any value above 32.
enum : int { ERROR_FILE_NOT_FOUND = 2, ERROR_PATH_NOT_FOUND = 3, SE_ERR_NOASSOC = 31 };

// Operation "open" (or empty) opens File: an address with a scheme
// ("http:", "mailto:"...) or a file, relative names taken from Directory. A
// missing file gives ERROR_FILE_NOT_FOUND, an address or file no program can
// be started for SE_ERR_NOASSOC. Programs are not started, so Parameters
// must be empty (else SE_ERR_NOASSOC), as must any other operation.
// Headless, RecordShellExecute (Automation.h) must be on; nothing is launched.
HINSTANCE ShellExecute(HWND ParentWindow, const AnsiString& Operation, const AnsiString& File,
                       const AnsiString& Parameters, const AnsiString& Directory, int ShowCmd);
