// Pixel copies and fills on bitmaps, straight on their rows.
#include "platform/gdi/BitmapPixels.h"

#include <algorithm>
#include <cstring>

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
    const std::size_t bytes = static_cast<std::size_t>(w) * sizeof(std::uint32_t);
    for (int y = 0; y < h; ++y) std::memmove(Dest->ScanLine(dy + y) + dx, Source->ScanLine(sy + y) + sx, bytes);
}

void FillBitmapPixels(TBitmap* Bitmap, TColor Color) {
    const std::uint32_t pixel = 0xFF000000u | (static_cast<std::uint32_t>(GetRValue(Color)) << 16) |
                                (static_cast<std::uint32_t>(GetGValue(Color)) << 8) | GetBValue(Color);
    for (int y = 0; y < Bitmap->GetHeight(); ++y) std::fill_n(Bitmap->ScanLine(y), Bitmap->GetWidth(), pixel);
}
