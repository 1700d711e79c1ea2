#pragma once
// Text is UTF-8 everywhere here; readers of other encodings build it with this.

#include <string>

// Appends the code point Cp to Text in UTF-8.
void AppendUtf8(std::string& Text, char32_t Cp);
