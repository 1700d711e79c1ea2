#pragma once
// The picture of a windowed control as it is shown (its own paint and every
// child window on it), for samples and pictures of the program's windows.

#include "platform/controls/Controls.h"

// Bitmap takes the control's size and its picture; pending paints run first.
void GrabWindowPicture(TWinControl* Control, TBitmap* Bitmap);
