#pragma once
// Helpers for the programs that test the web browser.

#include <cstddef>
#include <string>
#include <vector>

// The web engine's profile and cache go to the test program's own folder.
void KeepWebEngineDataApart();

// Waits (up to 20 s, a test failure past that) for an entry of Events after
// Seen that starts with "complete"; returns the entries after Seen and moves
// Seen past them.
std::vector<std::string> EventsUntilComplete(const std::vector<std::string>& Events, std::size_t& Seen);
