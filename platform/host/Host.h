#pragma once
// The process-wide host of windows, events and fonts. Started once, by the
// application object or by the test main, before any window is made.

#include <string>

#include "platform/runtime/Types.h"

// Starts the host when it is not running yet; argc/argv must outlive it.
void StartHost(int& argc, char** argv);
bool HostStarted();
// Starts the host with no arguments when nothing started it yet.
void EnsureHost();

// What the host calls the program: the name it was started under. Needs a
// started host.
std::string HostApplicationName();
// The primary screen's size in pixels and its logical resolution (rounded);
// both need a started host.
TSize HostScreenSize();
int HostScreenPixelsPerInch();
