// A pie slice fills the pixels of its ellipse that lie between its two rays,
// thin slices in every direction included, and none beyond them.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "CanvasTestSupport.h"

namespace {

TEST(PieSlice, FillsItsEllipseBetweenItsRays) {
    std::mt19937 random(26);
    std::uniform_real_distribution<double> angle(0, 2 * M_PI), thin(0.0005, 0.05), wide(0.05, 3.0);
    std::uniform_int_distribution<int> size(30, 160);
    for (int i = 0; i < 120; ++i) {
        const int w = size(random), h = size(random);
        const double start = angle(random), span = i % 3 == 0 ? wide(random) : thin(random);
        const double cx = (w - 2) / 2.0, cy = (h - 2) / 2.0;
        auto ray = [&](double a, int& x, int& y) {
            x = static_cast<int>(std::lround(cx + 4000 * std::cos(a)));
            y = static_cast<int>(std::lround(cy - 4000 * std::sin(a)));
        };
        int x3, y3, x4, y4;
        ray(start, x3, y3);
        ray(start + span, x4, y4);
        // The rays as the rounded points give them.
        const double from = std::atan2(cy - y3, x3 - cx), to = from + std::remainder(std::atan2(cy - y4, x4 - cx) - from - M_PI, 2 * M_PI) + M_PI;
        auto slice = WhiteBitmap(w, h), whole = WhiteBitmap(w, h);
        for (auto* b : {slice.get(), whole.get()}) {
            b->GetCanvas()->GetPen()->SetStyle(psClear);
            b->GetCanvas()->GetBrush()->SetColor(clBlack);
        }
        slice->GetCanvas()->Pie(0, 0, w, h, x3, y3, x4, y4);
        whole->GetCanvas()->Ellipse(0, 0, w, h);
        SCOPED_TRACE("slice " + std::to_string(i));
        int wrong = 0;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const double dx = x - cx, dy = cy - y, d = std::hypot(dx, dy);
                if (d < 4) continue;  // the centre's rounding decides there
                const double margin = 1.5 / d;
                const double offset = std::remainder(std::atan2(dy, dx) - from - M_PI, 2 * M_PI) + M_PI;
                const bool filled = DevicePixel(slice.get(), x, y) == clBlack;
                bool deepInside = offset > margin && offset < to - from - margin;
                for (int k = 0; k < 4 && deepInside; ++k)  // and away from the rim
                    deepInside = DevicePixel(whole.get(), std::clamp(x + (k == 0 ? 2 : k == 1 ? -2 : 0), 0, w - 1),
                                             std::clamp(y + (k == 2 ? 2 : k == 3 ? -2 : 0), 0, h - 1)) == clBlack;
                const bool outside = offset > to - from + margin && offset < 2 * M_PI - margin;
                if ((deepInside && !filled) || (outside && filled) ||
                    (filled && DevicePixel(whole.get(), x, y) != clBlack))
                    ++wrong;
            }
        EXPECT_EQ(wrong, 0);
    }
}

}  // namespace
