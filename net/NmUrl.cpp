#include "net/NmUrl.h"

#include "platform/runtime/Exceptions.h"

namespace {

bool IsUnreserved(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '.' ||
           c == '_' || c == '~';
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

}  // namespace

AnsiString UrlEncode(const AnsiString& Value) {
    static const char digits[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(Value.str().size());
    for (unsigned char c : Value.str()) {
        if (IsUnreserved(c)) {
            out += static_cast<char>(c);
        } else {
            out += '%';
            out += digits[c >> 4];
            out += digits[c & 15];
        }
    }
    return AnsiString(std::move(out));
}

AnsiString UrlDecode(const AnsiString& Value) {
    const std::string& in = Value.str();
    std::string out;
    out.reserve(in.size());
    for (std::size_t i = 0; i < in.size(); ++i) {
        if (in[i] != '%') {
            out += in[i];
            continue;
        }
        int high = i + 2 < in.size() ? HexValue(in[i + 1]) : -1;
        int low = high >= 0 ? HexValue(in[i + 2]) : -1;
        if (low < 0) throw EConvertError("Invalid percent-encoding in '" + Value + "'");
        out += static_cast<char>(high * 16 + low);
        i += 2;
    }
    return AnsiString(std::move(out));
}
