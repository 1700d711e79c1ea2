#pragma once
// Bytes of a form stream written by hand, for tests that compare a stream
// with what the format says.

#include <cstdint>
#include <string>
#include <vector>

// A short string as the stream holds it: its length in one byte, then its
// bytes. Made from the bytes of one string: GCC 12 at -O3 warns of overflows
// inside the standard library when a vector is filled after its first byte.
inline std::vector<std::uint8_t> ShortStringBytes(const std::string& s) {
    const std::string bytes = static_cast<char>(s.size()) + s;
    return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
}
