#pragma once
// A virtual X server (Xvfb) on a free display for the life of the test
// program, with a window manager on it when asked; what the server says
// about its windows (read with the x11-utils programs) and real clicks sent
// through it (xdotool).

#include <string>

// Starts Xvfb and points DISPLAY at it; with WindowManager non-empty, starts
// that window manager too and waits until it manages the screen. Both end
// with the test program. False, with the reason, when a program it needs is
// missing or did not come up in time.
bool StartXServer(const std::string& WindowManager, std::string& Why);

// Why no X server runs for the tests, empty when one does; set by the main.
const std::string& XServerAbsence();
void SetXServerAbsence(const std::string& Why);

// The viewable window highest in the root window's stacking order (a
// top-level window, or the frame a window manager put around one); 0 when
// none is viewable.
unsigned long TopViewableWindow();
// The root window's child that holds Window: itself, or the frame around
// it. 0 when the server does not know Window.
unsigned long TopLevelOf(unsigned long Window);
// The window that Window's WM_TRANSIENT_FOR names, 0 when it names none.
unsigned long TransientFor(unsigned long Window);
// Moves the pointer to a screen point and clicks the first button there.
bool ClickOnScreen(int X, int Y);
