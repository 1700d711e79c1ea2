// Reading and writing Windows bitmap files. Every length read from the file
// is checked against the bytes present before it is used.
#include "platform/gdi/BmpFile.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <new>
#include <vector>

#include "platform/runtime/Exceptions.h"

namespace {

constexpr std::uint32_t kRgb = 0, kBitfields = 3;
constexpr long long kMaxPixels = 1LL << 28;

std::uint32_t Rgb(std::uint32_t r, std::uint32_t g, std::uint32_t b) { return 0xFF000000u | r << 16 | g << 8 | b; }

[[noreturn]] void Invalid(const char* why) { throw EInvalidGraphic(AnsiString("Bitmap image is not valid: ") + why); }

class TReader {
public:
    explicit TReader(const std::string& bytes) : b_(bytes) {}
    std::size_t Size() const { return b_.size(); }
    std::uint32_t U8(std::size_t at) const { return static_cast<std::uint8_t>(b_[at]); }
    std::uint32_t U16(std::size_t at) const { return U8(at) | U8(at + 1) << 8; }
    std::uint32_t U32(std::size_t at) const { return U16(at) | U16(at + 2) << 16; }
    std::int32_t I32(std::size_t at) const { return static_cast<std::int32_t>(U32(at)); }

private:
    const std::string& b_;
};

// A colour channel described by a bit mask, scaled to 8 bits.
struct TChannel {
    std::uint32_t mask = 0;
    int shift = 0, bits = 0;
    explicit TChannel(std::uint32_t m) : mask(m) {
        if (!m) return;
        shift = std::countr_zero(m);
        bits = std::popcount(m);
        // One run of set bits: shifted down, it is all ones, and adding one
        // carries through every bit of it.
        const std::uint32_t run = m >> shift;
        if ((run & (run + 1)) != 0) Invalid("its colour masks are not contiguous");
    }
    std::uint32_t Of(std::uint32_t pixel) const {
        if (!mask) return 0;
        std::uint32_t v = (pixel & mask) >> shift;
        if (bits >= 8) return v >> (bits - 8);
        return v * 255 / ((1u << bits) - 1);
    }
};

}  // namespace

TPixelImage DecodeBmp(const std::string& Bytes, int* BitsPerPixel, bool* Monochrome) {
    TReader in(Bytes);
    if (in.Size() < 18) Invalid("the file is too short");
    if (Bytes[0] != 'B' || Bytes[1] != 'M') Invalid("it does not start with a bitmap file header");
    std::size_t offBits = in.U32(10);
    std::size_t headerSize = in.U32(14);
    bool core = headerSize == 12;
    if (!core && headerSize != 40 && headerSize != 52 && headerSize != 56 && headerSize != 108 && headerSize != 124)
        Invalid("its information header has an unknown size");
    if (14 + headerSize > in.Size()) Invalid("the file ends inside its information header");

    long long width, height;
    std::uint32_t planes, bpp, compression = kRgb, colorsUsed = 0;
    if (core) {
        width = in.U16(18);
        height = in.U16(20);
        planes = in.U16(22);
        bpp = in.U16(24);
    } else {
        width = in.I32(18);
        height = in.I32(22);
        planes = in.U16(26);
        bpp = in.U16(28);
        compression = in.U32(30);
        colorsUsed = in.U32(46);
    }
    bool topDown = height < 0;
    if (topDown) height = -height;
    if (width <= 0 || height <= 0) Invalid("its width or height is not positive");
    if (width * height > kMaxPixels) Invalid("it is too large");
    if (planes != 1) Invalid("it has more than one plane");
    if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 16 && bpp != 24 && bpp != 32)
        Invalid("its number of bits per pixel is not supported");
    if (compression != kRgb && !(compression == kBitfields && (bpp == 16 || bpp == 32)))
        Invalid("compressed bitmaps are not supported");
    if (BitsPerPixel) *BitsPerPixel = static_cast<int>(bpp);

    // Colour masks: in the header from version 3 on, after it in version 1.
    std::size_t tableAt = 14 + headerSize;
    std::uint32_t masks[3] = {0, 0, 0};
    if (compression == kBitfields) {
        std::size_t at = headerSize >= 52 ? 54 : tableAt;
        if (at + 12 > in.Size()) Invalid("the file ends inside its colour masks");
        for (int i = 0; i < 3; ++i) masks[i] = in.U32(at + 4 * static_cast<std::size_t>(i));
        if (headerSize == 40) tableAt += 12;
    } else if (bpp == 16) {
        masks[0] = 0x7C00; masks[1] = 0x03E0; masks[2] = 0x001F;
    } else {
        masks[0] = 0xFF0000; masks[1] = 0xFF00; masks[2] = 0xFF;
    }
    TChannel red(masks[0]), green(masks[1]), blue(masks[2]);

    std::vector<std::uint32_t> palette;
    if (bpp <= 8) {
        std::size_t count = colorsUsed ? colorsUsed : (1u << bpp);
        if (count > (1u << bpp)) Invalid("its colour table is too long");
        std::size_t entry = core ? 3 : 4;
        if (tableAt + count * entry > in.Size()) Invalid("the file ends inside its colour table");
        if (tableAt + count * entry > offBits) Invalid("its colour table runs into its pixels");
        for (std::size_t i = 0; i < count; ++i) {
            std::size_t at = tableAt + i * entry;
            palette.push_back(Rgb(in.U8(at + 2), in.U8(at + 1), in.U8(at)));
        }
    }
    if (Monochrome) {
        *Monochrome = bpp == 1;
        for (std::uint32_t c : palette) *Monochrome = *Monochrome && (c == Rgb(0, 0, 0) || c == Rgb(255, 255, 255));
    }

    std::size_t stride = static_cast<std::size_t>((width * bpp + 31) / 32 * 4);
    std::size_t rowBytes = static_cast<std::size_t>((width * bpp + 7) / 8);
    if (offBits < tableAt || offBits > in.Size()) Invalid("its pixel data offset is outside the file");
    if (offBits + stride * static_cast<std::size_t>(height - 1) + rowBytes > in.Size())
        Invalid("the file ends inside its pixel data");

    TPixelImage image;
    try {
        image = TPixelImage(static_cast<int>(width), static_cast<int>(height), 0);
    } catch (const std::bad_alloc&) {
        Invalid("there is not enough memory for it");
    }
    for (long long row = 0; row < height; ++row) {
        std::size_t at = offBits + stride * static_cast<std::size_t>(row);
        std::uint32_t* out = image.Row(static_cast<int>(topDown ? row : height - 1 - row));
        for (long long x = 0; x < width; ++x) {
            std::uint32_t c;
            if (bpp <= 8) {
                std::size_t bit = static_cast<std::size_t>(x) * bpp;
                std::uint32_t index = (in.U8(at + bit / 8) >> (8 - bpp - bit % 8)) & ((1u << bpp) - 1);
                c = index < palette.size() ? palette[index] : Rgb(0, 0, 0);
            } else if (bpp == 24) {
                std::size_t p = at + static_cast<std::size_t>(x) * 3;
                c = Rgb(in.U8(p + 2), in.U8(p + 1), in.U8(p));
            } else {
                std::uint32_t v = bpp == 16 ? in.U16(at + static_cast<std::size_t>(x) * 2)
                                            : in.U32(at + static_cast<std::size_t>(x) * 4);
                c = Rgb(red.Of(v), green.Of(v), blue.Of(v));
            }
            out[x] = c;
        }
    }
    return image;
}

namespace {

// The file's headers: the file header, the 40-byte information header and
// the colour table, for rows of stride bytes.
std::string BmpHeaders(std::uint32_t width, std::uint32_t height, std::uint32_t bpp, std::uint32_t stride,
                       const std::vector<std::uint32_t>& palette) {
    const std::uint32_t headers = 54 + 4 * static_cast<std::uint32_t>(palette.size());
    const std::uint32_t imageSize = stride * height;
    std::string out;
    out.reserve(headers + imageSize);
    auto u16 = [&](std::uint32_t v) { out.push_back(static_cast<char>(v & 0xFF)); out.push_back(static_cast<char>((v >> 8) & 0xFF)); };
    auto u32 = [&](std::uint32_t v) { u16(v & 0xFFFF); u16(v >> 16); };
    out += "BM";
    u32(headers + imageSize);
    u32(0);
    u32(headers);
    u32(40);
    u32(width);
    u32(height);  // positive: bottom-up
    u16(1);
    u16(bpp);
    u32(kRgb);
    u32(imageSize);
    u32(3780);  // 96 pixels per inch
    u32(3780);
    u32(static_cast<std::uint32_t>(palette.size()));
    u32(0);
    for (std::uint32_t c : palette) u32(c & 0xFFFFFF);  // blue, green, red, reserved
    return out;
}

// Rows of bits, most significant first, padded to whole 32-bit words.
std::string EncodeMonochrome(const TPixelImage& Image) {
    const std::uint32_t width = static_cast<std::uint32_t>(Image.Width()), height = static_cast<std::uint32_t>(Image.Height());
    const std::uint32_t stride = (width + 31) / 32 * 4;
    std::string out = BmpHeaders(width, height, 1, stride, {0x000000, 0xFFFFFF});
    std::string row(stride, '\0');
    for (std::uint32_t y = height; y-- > 0;) {
        const std::uint32_t* in = Image.Row(static_cast<int>(y));
        std::fill(row.begin(), row.end(), '\0');
        for (std::uint32_t x = 0; x < width; ++x)
            if ((in[x] & 0xFFFFFF) == 0xFFFFFF) row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
        out += row;
    }
    return out;
}

}  // namespace

std::string EncodeBmp(const TPixelImage& Image, bool Monochrome) {
    if (Monochrome) return EncodeMonochrome(Image);
    const std::uint32_t width = static_cast<std::uint32_t>(Image.Width()), height = static_cast<std::uint32_t>(Image.Height());
    const std::uint32_t stride = (width * 3 + 3) & ~3u;
    std::string out = BmpHeaders(width, height, 24, stride, {});
    for (std::uint32_t row = height; row-- > 0;) {
        const std::uint32_t* in = Image.Row(static_cast<int>(row));
        for (std::uint32_t x = 0; x < width; ++x) {
            out.push_back(static_cast<char>(in[x] & 0xFF));
            out.push_back(static_cast<char>((in[x] >> 8) & 0xFF));
            out.push_back(static_cast<char>((in[x] >> 16) & 0xFF));
        }
        out.append(stride - width * 3, '\0');
    }
    return out;
}
