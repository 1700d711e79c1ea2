#pragma once
// Helpers for the programs that test the web browser.

#include <cstddef>
#include <string>
#include <vector>

// The web engine's profile and cache go to the test program's own folder.
void KeepWebEngineDataApart();

// Whether a library whose file name contains Name is mapped into this
// process (read from /proc/self/maps).
bool LibraryMapped(const std::string& Name);
// The web engine's library is in this process's memory.
bool WebEngineMapped();

// Waits (up to 20 s, a test failure past that) for an entry of Events after
// Seen that starts with "complete"; returns the entries after Seen and moves
// Seen past them.
std::vector<std::string> EventsUntilComplete(const std::vector<std::string>& Events, std::size_t& Seen);
