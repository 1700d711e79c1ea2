#include "CanvasTestSupport.h"

#include <algorithm>
#include <cstdio>

namespace {

// The area's device pixels row by row, read with the context's mapping and
// clip set aside for the moment.
std::vector<TColor> ReadArea(TBitmap* bitmap, const TRect& area) {
    HDC dc = bitmap->GetDC();
    SaveDC(dc);
    SetMapMode(dc, MM_TEXT);
    SetWindowOrgEx(dc, 0, 0, nullptr);
    SetViewportOrgEx(dc, 0, 0, nullptr);
    SelectClipRgn(dc, nullptr);
    std::vector<TColor> pixels;
    for (int y = area.Top; y < area.Bottom; ++y)
        for (int x = area.Left; x < area.Right; ++x) pixels.push_back(GetPixel(dc, x, y));
    RestoreDC(dc, -1);
    return pixels;
}

TRect Whole(TBitmap* bitmap) { return TRect(0, 0, bitmap->GetWidth(), bitmap->GetHeight()); }

}  // namespace

std::unique_ptr<TBitmap> WhiteBitmap(int width, int height) {
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->SetSize(width, height);
    return bitmap;
}

TColor DevicePixel(TBitmap* bitmap, int x, int y) { return ReadArea(bitmap, TRect(x, y, x + 1, y + 1))[0]; }

std::vector<TColor> Snapshot(TBitmap* bitmap) { return ReadArea(bitmap, Whole(bitmap)); }

std::vector<std::string> Art(TBitmap* bitmap, const TRect& area, TColor background) {
    std::vector<TColor> pixels = ReadArea(bitmap, area);
    std::vector<std::string> rows;
    std::size_t i = 0;
    for (int y = area.Top; y < area.Bottom; ++y) {
        std::string row;
        for (int x = area.Left; x < area.Right; ++x) row += pixels[i++] == background ? '.' : '#';
        rows.push_back(row);
    }
    return rows;
}

TInk InkOf(TBitmap* bitmap, TColor background, const TRect* area) {
    TRect a = area ? *area : Whole(bitmap);
    std::vector<TColor> pixels = ReadArea(bitmap, a);
    TInk ink;
    std::size_t i = 0;
    for (int y = a.Top; y < a.Bottom; ++y)
        for (int x = a.Left; x < a.Right; ++x) {
            if (pixels[i++] == background) continue;
            if (ink.count++ == 0) ink.box = TRect(x, y, x + 1, y + 1);
            ink.box.Left = std::min(ink.box.Left, x);
            ink.box.Top = std::min(ink.box.Top, y);
            ink.box.Right = std::max(ink.box.Right, x + 1);
            ink.box.Bottom = std::max(ink.box.Bottom, y + 1);
        }
    return ink;
}

int CountColor(TBitmap* bitmap, TColor color, const TRect& area) {
    std::vector<TColor> pixels = ReadArea(bitmap, area);
    return static_cast<int>(std::count(pixels.begin(), pixels.end(), color));
}

std::string Shell(const std::string& command) {
    std::string output;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return output;
    char buffer[4096];
    std::size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) output.append(buffer, n);
    pclose(pipe);
    return output;
}
