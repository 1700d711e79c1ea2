#pragma once
// What the two metafile writers share: the bytes of a file, text as code
// points, pictures as DIBs, and the calls every format takes from the one
// record writer (MetafileRecordWriter.h).

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/gdi/MetafileRecords.h"

// A file's bytes, little-endian as both formats are.
class TBytes {
public:
    void U8(unsigned v) { s_.push_back(static_cast<char>(v & 0xFF)); }
    void U16(unsigned v) {
        U8(v);
        U8(v >> 8);
    }
    void U32(std::uint32_t v) {
        U16(v & 0xFFFF);
        U16(v >> 16);
    }
    void I16(int v) { U16(static_cast<unsigned>(static_cast<std::int16_t>(std::clamp(v, -32768, 32767)))); }
    void I32(int v) { U32(static_cast<std::uint32_t>(v)); }
    void Raw(const std::string& b) { s_ += b; }
    void PadTo(std::size_t multiple) {
        while (s_.size() % multiple) U8(0);
    }
    std::size_t Size() const { return s_.size(); }
    void Put32(std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i) s_[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
    }
    std::string& Str() { return s_; }

private:
    std::string s_;
};

// Code points of UTF-8 text; a broken sequence gives U+FFFD.
std::vector<std::uint32_t> CodePoints(const std::string& s);
// A DIB of the picture: 24 bits per pixel, bottom-up rows padded to four
// bytes; and its size in bytes.
void Dib(TBytes& out, const TPixelImage& image);
std::size_t DibSize(const TPixelImage& image);

enum TKind { kPen, kBrush, kFont };

// What both formats are asked to put down.
class TFormat {
public:
    virtual ~TFormat() = default;
    virtual void CreatePen(int slot, const LOGPEN& p) = 0;
    virtual void CreateBrush(int slot, const LOGBRUSH& b) = 0;
    virtual void CreateFont(int slot, const LOGFONT& f) = 0;
    virtual void Select(int slot) = 0;
    virtual void Delete(int slot) = 0;
    virtual void Value(int what, std::uint32_t v) = 0;  // a Set... record of one value
    virtual void SaveDC() = 0;
    virtual void RestoreDC() = 0;
    virtual void IntersectClip(const TRect& r) = 0;
    virtual void Draw(const TMetaRecord& r) = 0;
};

enum { vTextColor, vBkColor, vBkMode, vRop2, vTextAlign, vPolyFill };

