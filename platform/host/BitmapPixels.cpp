// Pixel copies and fills on bitmaps, straight on their images.
#include "platform/host/BitmapPixels.h"

#include <algorithm>
#include <cstring>

#include "platform/host/QtBridge.h"

void CopyBitmapPixels(TBitmap* Source, int SourceX, int SourceY, TBitmap* Dest, int DestX, int DestY, int Width,
                      int Height) {
    const QImage& src = BitmapImage(Source);
    QImage& dst = BitmapImage(Dest);
    int sx = SourceX, sy = SourceY, dx = DestX, dy = DestY, w = Width, h = Height;
    if (sx < 0) { dx -= sx; w += sx; sx = 0; }
    if (sy < 0) { dy -= sy; h += sy; sy = 0; }
    if (dx < 0) { sx -= dx; w += dx; dx = 0; }
    if (dy < 0) { sy -= dy; h += dy; dy = 0; }
    w = std::min({w, src.width() - sx, dst.width() - dx});
    h = std::min({h, src.height() - sy, dst.height() - dy});
    if (w <= 0 || h <= 0) return;
    const std::size_t bytes = static_cast<std::size_t>(w) * 4;
    for (int y = 0; y < h; ++y)
        std::memcpy(dst.scanLine(dy + y) + dx * 4, src.constScanLine(sy + y) + sx * 4, bytes);
}

void FillBitmapPixels(TBitmap* Bitmap, TColor Color) {
    BitmapImage(Bitmap).fill(QColor(GetRValue(Color), GetGValue(Color), GetBValue(Color)));
}
