#pragma once
// The pixels a control shows, row by row, after a repaint: to compare one
// look with another.

#include <vector>

#include "platform/testing/TestInput.h"

inline std::vector<TColor> ShownPixels(TControl* Control) {
    Control->Repaint();
    std::vector<TColor> pixels;
    auto* windowed = dynamic_cast<TWinControl*>(Control);
    for (int y = 0; y < Control->GetHeight(); ++y)
        for (int x = 0; x < Control->GetWidth(); ++x)
            pixels.push_back(windowed ? SurfacePixel(windowed, x, y)
                                      : SurfacePixel(Control->GetParent(), Control->GetLeft() + x,
                                                     Control->GetTop() + y));
    return pixels;
}

// How many of the shown pixels have Color.
inline int CountShown(TControl* Control, TColor Color) {
    int n = 0;
    for (TColor c : ShownPixels(Control)) n += c == ColorToRGB(Color);
    return n;
}
