#pragma once
// Bytes of a form stream written by hand, for tests that compare a stream
// with what the format says.

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

// A short string as the stream holds it: its length in one byte, then its
// bytes. Built at its size and filled: GCC 12 warns (-Warray-bounds) inside
// the standard library on an insert into a one-byte vector at -O3.
inline std::vector<std::uint8_t> ShortStringBytes(const std::string& s) {
    std::vector<std::uint8_t> b(s.size() + 1);
    b[0] = static_cast<std::uint8_t>(s.size());
    std::copy(s.begin(), s.end(), b.begin() + 1);
    return b;
}
