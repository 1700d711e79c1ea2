#include "platform/runtime/Utf8.h"

void AppendUtf8(std::string& Text, char32_t Cp) {
    if (Cp < 0x80) {
        Text += static_cast<char>(Cp);
    } else if (Cp < 0x800) {
        Text += static_cast<char>(0xC0 | (Cp >> 6));
        Text += static_cast<char>(0x80 | (Cp & 0x3F));
    } else if (Cp < 0x10000) {
        Text += static_cast<char>(0xE0 | (Cp >> 12));
        Text += static_cast<char>(0x80 | ((Cp >> 6) & 0x3F));
        Text += static_cast<char>(0x80 | (Cp & 0x3F));
    } else {
        Text += static_cast<char>(0xF0 | (Cp >> 18));
        Text += static_cast<char>(0x80 | ((Cp >> 12) & 0x3F));
        Text += static_cast<char>(0x80 | ((Cp >> 6) & 0x3F));
        Text += static_cast<char>(0x80 | (Cp & 0x3F));
    }
}

char32_t TakeUtf16(std::span<const std::uint16_t> Units, std::size_t& I) {
    const char32_t c = Units[I++];
    if (c < 0xD800 || c > 0xDFFF) return c;
    if (c <= 0xDBFF && I < Units.size() && Units[I] >= 0xDC00 && Units[I] <= 0xDFFF)
        return 0x10000 + ((c - 0xD800) << 10) + (Units[I++] - 0xDC00);
    return 0xFFFD;
}
