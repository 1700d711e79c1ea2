#pragma once
// The window system's own window behind a form, for tests that look at it
// on a real display (an X server) rather than through the controls.

#include "platform/controls/Forms.h"

// The native id of the window that shows Form now (an X window id under
// xcb); 0 while it has none. The id changes when the host makes the window
// anew.
unsigned long NativeWindowId(TCustomForm* Form);
