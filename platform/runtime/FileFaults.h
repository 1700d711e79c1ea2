#pragma once
// Why a file could not be read or written, in the words that follow
// "Cannot read <file>:" or "Cannot write <file>:", shared by the safe file
// reader and writer.

#include <sys/types.h>

#include "platform/runtime/AnsiString.h"

// A failed open of the file itself: "it does not exist", "you do not have
// permission to read it", ...
AnsiString OpenFaultText(int Error);
// Any other failure: the system's own text, with a full disk named so.
AnsiString SystemFaultText(int Error);
// What a path that is not a regular file is: "it is a folder", "it is a
// device, not a file", ...
AnsiString KindFaultText(mode_t Mode);
