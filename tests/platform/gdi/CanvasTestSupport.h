#pragma once
// Helpers of the drawing tests: white bitmaps, pixels read past any mapping
// or clip, pictures as text rows ('#' ink, '.' background), ink boxes and
// the output of the independent readers.

#include <memory>
#include <string>
#include <vector>

#include "platform/gdi/Gdi.h"
#include "platform/gdi/Graphics.h"

std::unique_ptr<TBitmap> WhiteBitmap(int width, int height);
// The device pixel, whatever mapping mode or clip region the context has.
TColor DevicePixel(TBitmap* bitmap, int x, int y);
std::vector<TColor> Snapshot(TBitmap* bitmap);
// Rows of the area, one character per pixel: '.' where the pixel has the
// background colour, '#' elsewhere.
std::vector<std::string> Art(TBitmap* bitmap, const TRect& area, TColor background = clWhite);
// The bounding box of the pixels that differ from background (empty when none)
// and how many there are.
struct TInk {
    TRect box;
    int count = 0;
};
TInk InkOf(TBitmap* bitmap, TColor background = clWhite, const TRect* area = nullptr);
// What a shell command prints (ImageMagick, poppler).
std::string Shell(const std::string& command);
// Pixels of a colour within an area.
int CountColor(TBitmap* bitmap, TColor color, const TRect& area);
