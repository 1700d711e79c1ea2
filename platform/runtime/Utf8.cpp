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
