#pragma once
// Bytes of a form stream written by hand, for tests that compare a stream
// with what the format says.

#include <cstdint>
#include <string>
#include <vector>

// A short string as the stream holds it: its length in one byte, then its
// bytes. Made in one step from a whole string: GCC 12 warns at -O3 inside
// the standard library on an insert into a one-byte vector (-Warray-bounds)
// and on a copy behind one (-Wstringop-overflow).
inline std::vector<std::uint8_t> ShortStringBytes(const std::string& s) {
    std::string bytes(1, static_cast<char>(s.size()));
    bytes.append(s);
    return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
}
