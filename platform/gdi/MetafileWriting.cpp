#include "platform/gdi/MetafileWriting.h"

std::vector<std::uint32_t> CodePoints(const std::string& s) {
    std::vector<std::uint32_t> out;
    for (std::size_t i = 0; i < s.size();) {
        auto c = static_cast<unsigned char>(s[i]);
        std::size_t n = c < 0x80 ? 0 : c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : 4;
        if (n == 4 || i + n >= s.size() + (n == 0)) {
            out.push_back(0xFFFD);
            ++i;
            continue;
        }
        std::uint32_t cp = n == 0 ? c : c & (0x3Fu >> n);
        for (std::size_t k = 1; k <= n; ++k) cp = (cp << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3Fu);
        out.push_back(cp);
        i += n + 1;
    }
    return out;
}

void Dib(TBytes& out, const TPixelImage& image) {
    int w = image.Width(), h = image.Height();
    int stride = (w * 3 + 3) / 4 * 4;
    out.U32(40);
    out.I32(w);
    out.I32(h);
    out.U16(1);
    out.U16(24);
    out.U32(0);  // uncompressed
    out.U32(static_cast<std::uint32_t>(stride * h));
    out.I32(3780);  // 96 pixels per inch, in pixels per metre
    out.I32(3780);
    out.U32(0);
    out.U32(0);
    for (int y = h - 1; y >= 0; --y) {
        const std::uint32_t* row = image.Row(y);
        for (int x = 0; x < w; ++x) {
            out.U8(row[x]);
            out.U8(row[x] >> 8);
            out.U8(row[x] >> 16);
        }
        for (int pad = w * 3; pad < stride; ++pad) out.U8(0);
    }
}

std::size_t DibSize(const TPixelImage& image) {
    return 40 + static_cast<std::size_t>((image.Width() * 3 + 3) / 4 * 4) * static_cast<std::size_t>(image.Height());
}
