// The 32-bit pixel store of surfaces, bitmaps and bitmap files.
#include "platform/gdi/PixelImage.h"

#include <algorithm>

TPixelImage::TPixelImage(int Width, int Height, std::uint32_t Fill) {
    if (Width <= 0 || Height <= 0) return;
    pixels_.assign(static_cast<std::size_t>(Width) * static_cast<std::size_t>(Height), Fill);
    width_ = Width;
    height_ = Height;
}

void TPixelImage::Fill(std::uint32_t Value) { std::fill(pixels_.begin(), pixels_.end(), Value); }

// What lies outside the picture comes out black, as the host's copies have it.
TPixelImage TPixelImage::Copy(const TPixelBox& Box) const {
    TPixelImage copy(Box.Width(), Box.Height(), 0xFF000000u);
    TPixelBox inside = Box.Intersected(TPixelBox(0, 0, width_ - 1, height_ - 1));
    for (int y = inside.y0; y <= inside.y1; ++y)
        std::copy(Row(y) + inside.x0, Row(y) + inside.x1 + 1, copy.Row(y - Box.y0) + (inside.x0 - Box.x0));
    return copy;
}
