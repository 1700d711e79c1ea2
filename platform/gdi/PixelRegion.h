#pragma once
// Platform-internal: a set of device pixels kept as boxes, the content of a
// region object and of the device context's clip.

#include <cstddef>
#include <vector>

#include "platform/gdi/PixelBox.h"

// The boxes are y-x banded: a band is a run of rows sharing the same spans,
// bands go top-down, a band's boxes left to right, and no two boxes touch
// within a band. Every operation leaves a band joined to the one above when
// their spans match, so a region that is a rectangle is a single box.
class TPixelRegion {
public:
    TPixelRegion() = default;
    explicit TPixelRegion(const TPixelBox& Box);
    // A region from one-row boxes, top-down and left to right, apart within each row.
    static TPixelRegion FromRows(const std::vector<TPixelBox>& Rows);

    bool Empty() const { return boxes_.empty(); }
    const std::vector<TPixelBox>& Boxes() const { return boxes_; }
    TPixelBox Bounds() const;
    bool Contains(int x, int y) const;
    void Offset(int dx, int dy);

    enum TOperation { And, Or, Xor, Diff };
    TPixelRegion Combined(const TPixelRegion& Other, TOperation Operation) const;

private:
    // Appends the spans (boxes on row y0) as the band of rows y0..y1.
    void AppendBand(int y0, int y1, const std::vector<TPixelBox>& spans);
    std::vector<TPixelBox> boxes_;
    std::size_t lastBand_ = 0;  // where the last band's boxes start
};
