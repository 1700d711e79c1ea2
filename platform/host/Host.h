#pragma once
// The process-wide host of windows, events and fonts. Started once, by the
// application object or by the test main, before any window is made.

// Starts the host when it is not running yet; argc/argv must outlive it.
void StartHost(int& argc, char** argv);
bool HostStarted();
// Starts the host with no arguments when nothing started it yet.
void EnsureHost();
