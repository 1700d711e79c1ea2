#pragma once
// Plain pixel copies and fills on bitmaps, with none of a device context's
// state (origin, clipping, raster operation) in the way. The controls move
// their graphic children's pixels with these.

#include "platform/gdi/Graphics.h"

// Copies a Width x Height block of pixels, clipped to both bitmaps; colour
// pixels reach a monochrome bitmap as the nearer of black and white.
void CopyBitmapPixels(TBitmap* Source, int SourceX, int SourceY, TBitmap* Dest, int DestX, int DestY, int Width,
                      int Height);
// Sets every pixel to Color, an RGB value (ColorToRGB of a system colour),
// or to the nearer of black and white on a monochrome bitmap.
void FillBitmapPixels(TBitmap* Bitmap, TColor Color);
