#pragma once
// Text is UTF-8 everywhere here: the steps the text controls take over it
// (the caret moves and deletes whole characters; typed characters arrive
// one byte per key message), and what readers of other encodings build it with.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

inline bool IsUtf8Continuation(char C) { return (static_cast<unsigned char>(C) & 0xC0) == 0x80; }

// The byte index after the character that starts at Pos.
inline int Utf8Next(const std::string& S, int Pos) {
    int n = static_cast<int>(S.size());
    if (Pos >= n) return n;
    ++Pos;
    while (Pos < n && IsUtf8Continuation(S[static_cast<std::size_t>(Pos)])) ++Pos;
    return Pos;
}

// The byte index where the character before Pos starts.
inline int Utf8Prev(const std::string& S, int Pos) {
    if (Pos <= 0) return 0;
    --Pos;
    while (Pos > 0 && IsUtf8Continuation(S[static_cast<std::size_t>(Pos)])) --Pos;
    return Pos;
}

// The number of characters.
inline int Utf8Length(const std::string& S) {
    int n = 0;
    for (char c : S) n += !IsUtf8Continuation(c);
    return n;
}

// Gathers the bytes of typed characters: Take returns true with the whole
// character once its last byte came. Stray continuation bytes are dropped.
class TUtf8Typing {
public:
    bool Take(char Byte, std::string& Character) {
        auto b = static_cast<unsigned char>(Byte);
        if (!IsUtf8Continuation(Byte)) {
            pending_.assign(1, Byte);
            need_ = b < 0x80 ? 1 : b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : 2;
        } else if (pending_.empty()) {
            return false;
        } else {
            pending_ += Byte;
        }
        if (static_cast<int>(pending_.size()) < need_) return false;
        Character.swap(pending_);
        pending_.clear();
        return true;
    }

private:
    std::string pending_;
    int need_ = 0;
};

// Appends the code point Cp to Text in UTF-8.
void AppendUtf8(std::string& Text, char32_t Cp);

// The code point of the UTF-16 units from Units[I], and I moved past them
// (a surrogate pair is two); a lone surrogate gives U+FFFD.
char32_t TakeUtf16(std::span<const std::uint16_t> Units, std::size_t& I);
