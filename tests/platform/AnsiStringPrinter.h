#pragma once
// Lets GoogleTest show an AnsiString as its text in failure messages.

#include <ostream>

#include "platform/AnsiString.h"

inline std::ostream& operator<<(std::ostream& os, const AnsiString& s) { return os << '"' << s.str() << '"'; }
