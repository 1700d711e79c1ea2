#pragma once
// A 3-D canvas drawing straight onto a white bitmap, with view settings whose
// repaint requests are counted.

#include <memory>
#include <ostream>

#include "chart/canvas/TeCanvas.h"
#include "platform/gdi/CanvasTestSupport.h"

struct TCanvasOnBitmap {
    explicit TCanvasOnBitmap(int Width = 200, int Height = 150);
    // Starts a paint over the whole bitmap, 3-D or flat, the chart rectangle
    // being the whole bitmap and MaxDepth its depth.
    void Begin(bool Is3D, int MaxDepth = 0);
    TColor Pixel(int X, int Y) { return DevicePixel(bitmap.get(), X, Y); }
    TRect Whole() const { return TRect(0, 0, bitmap->GetWidth(), bitmap->GetHeight()); }

    std::unique_ptr<TBitmap> bitmap;
    int repaints = 0;
    TView3DOptions options;
    TTeeCanvas3D canvas;
};

// Points and rectangles as text in test failures.
inline void PrintTo(const TPoint& P, std::ostream* Out) { *Out << "(" << P.x << ", " << P.y << ")"; }
inline void PrintTo(const TRect& R, std::ostream* Out) {
    *Out << "(" << R.Left << ", " << R.Top << ", " << R.Right << ", " << R.Bottom << ")";
}
