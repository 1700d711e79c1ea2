// Pixel copies and fills on bitmaps, straight on their rows.
#include "platform/gdi/BitmapPixels.h"

#include <algorithm>
#include <cstring>

#include "platform/gdi/GdiInternal.h"

void CopyBitmapPixels(TBitmap* Source, int SourceX, int SourceY, TBitmap* Dest, int DestX, int DestY, int Width,
                      int Height) {
    int sx = SourceX, sy = SourceY, dx = DestX, dy = DestY, w = Width, h = Height;
    if (sx < 0) { dx -= sx; w += sx; sx = 0; }
    if (sy < 0) { dy -= sy; h += sy; sy = 0; }
    if (dx < 0) { sx -= dx; w += dx; dx = 0; }
    if (dy < 0) { sy -= dy; h += dy; dy = 0; }
    w = std::min({w, Source->GetWidth() - sx, Dest->GetWidth() - dx});
    h = std::min({h, Source->GetHeight() - sy, Dest->GetHeight() - dy});
    if (w <= 0 || h <= 0) return;
    if (Dest->GetMonochrome() && !Source->GetMonochrome()) {
        // With no context to give a background colour, each pixel becomes
        // the nearer of black and white.
        for (int y = 0; y < h; ++y) {
            const std::uint32_t* from = Source->ScanLine(sy + y) + sx;
            std::transform(from, from + w, Dest->ScanLine(dy + y) + dx, NearestMonoPixel);
        }
        return;
    }
    const std::size_t bytes = static_cast<std::size_t>(w) * sizeof(std::uint32_t);
    for (int y = 0; y < h; ++y) std::memmove(Dest->ScanLine(dy + y) + dx, Source->ScanLine(sy + y) + sx, bytes);
}

void FillBitmapPixels(TBitmap* Bitmap, TColor Color) {
    std::uint32_t pixel = PixelOf(Color);
    if (Bitmap->GetMonochrome()) pixel = NearestMonoPixel(pixel);
    for (int y = 0; y < Bitmap->GetHeight(); ++y) std::fill_n(Bitmap->ScanLine(y), Bitmap->GetWidth(), pixel);
}
