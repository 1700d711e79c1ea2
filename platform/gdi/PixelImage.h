#pragma once
// Platform-internal: the pixels of a device-context surface, a bitmap, a
// pattern brush or a bitmap file, held as 32-bit words.

#include <cstdint>
#include <vector>

#include "platform/gdi/PixelBox.h"

// Width x Height pixels, rows top-down and back to back (a row is Width
// words), each 0xffRRGGBB: the layout the host shows without converting.
class TPixelImage {
public:
    TPixelImage() = default;
    // A picture of the given size, every pixel Fill; no pixels when a side is not positive.
    TPixelImage(int Width, int Height, std::uint32_t Fill);

    bool Null() const { return pixels_.empty(); }
    int Width() const { return width_; }
    int Height() const { return height_; }
    std::uint32_t* Bits() { return pixels_.data(); }
    const std::uint32_t* Bits() const { return pixels_.data(); }
    std::uint32_t* Row(int y) { return pixels_.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width_); }
    const std::uint32_t* Row(int y) const {
        return pixels_.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width_);
    }
    std::uint32_t Pixel(int x, int y) const { return Row(y)[x]; }
    void Fill(std::uint32_t Value);
    // The pixels of a box, black where it leaves the picture.
    TPixelImage Copy(const TPixelBox& Box) const;

private:
    int width_ = 0, height_ = 0;
    std::vector<std::uint32_t> pixels_;
};
