#pragma once
// The file a save dialog chose, before a command writes it: an existing file
// is replaced only when the user says so, and a folder, a device or a pipe
// of that name is never written.

#include "platform/runtime/AnsiString.h"

class TSeCustomMessage;

// True when Path may be written: nothing is there, or the user answered Yes
// to "<Path> already exists.\nDo you want to replace it?". False for No, and
// for a path that is no regular file, after an error message saying what
// it is.
bool mayWriteChosenFile(TSeCustomMessage* Box, const AnsiString& Path);
