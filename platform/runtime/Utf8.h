#pragma once
// Text is UTF-8 everywhere here; readers of other encodings build it with this.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

// Appends the code point Cp to Text in UTF-8.
void AppendUtf8(std::string& Text, char32_t Cp);

// The code point of the UTF-16 units from Units[I], and I moved past them
// (a surrogate pair is two); a lone surrogate gives U+FFFD.
char32_t TakeUtf16(std::span<const std::uint16_t> Units, std::size_t& I);
