#pragma once
// Platform-internal: the host's shapes behind cursor handles, the cursor that
// stands over every window for a while, and where the pointer is.

#include <map>

#include "platform/controls/Forms.h"

// A new handle for each standard cursor number, showing the host's shape for it.
std::map<int, HCURSOR> CreateStandardCursors();
// A new handle showing the plain arrow.
HCURSOR CreateArrowCursor();
void FreeCursor(HCURSOR Cursor);

// The cursor over every window (Screen->Cursor), whatever each one shows:
// set, changed while it stands, and taken away again.
void SetOverrideCursor(HCURSOR Cursor);
void ChangeOverrideCursor(HCURSOR Cursor);
void RestoreOverrideCursor();

// The pointer's position on the screen, as the window system has it.
TPoint HostCursorPos();
