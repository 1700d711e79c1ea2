// Regions of device pixels: y-x banded boxes and the set operations on them.
#include "platform/gdi/PixelRegion.h"

#include <algorithm>

namespace {

// The spans (boxes, rows ignored) of the band of boxes holding row y; index
// moves past the bands above, so a caller walking rows downwards passes it on.
void BandAt(const std::vector<TPixelBox>& boxes, std::size_t& index, int y, std::vector<TPixelBox>& spans) {
    while (index < boxes.size() && boxes[index].y1 < y) ++index;
    spans.clear();
    for (std::size_t j = index; j < boxes.size() && boxes[j].y0 == boxes[index].y0 && boxes[j].y0 <= y; ++j)
        spans.push_back(boxes[j]);
}

bool Keeps(TPixelRegion::TOperation operation, bool inA, bool inB) {
    switch (operation) {
    case TPixelRegion::And: return inA && inB;
    case TPixelRegion::Or: return inA || inB;
    case TPixelRegion::Xor: return inA != inB;
    case TPixelRegion::Diff: return inA && !inB;
    }
    return false;
}

// Whether the spans hold column x, index moving rightwards as x does.
bool Holds(const std::vector<TPixelBox>& spans, std::size_t& index, long long x) {
    while (index < spans.size() && spans[index].x1 < x) ++index;
    return index < spans.size() && spans[index].x0 <= x;
}

// The spans of one row of the combination, touching pieces joined.
void CombineSpans(const std::vector<TPixelBox>& a, const std::vector<TPixelBox>& b,
                  TPixelRegion::TOperation operation, std::vector<TPixelBox>& out) {
    out.clear();
    std::vector<long long> xs;
    for (const auto* spans : {&a, &b})
        for (const TPixelBox& s : *spans) {
            xs.push_back(s.x0);
            xs.push_back(s.x1 + 1LL);
        }
    std::sort(xs.begin(), xs.end());
    xs.erase(std::unique(xs.begin(), xs.end()), xs.end());
    std::size_t ia = 0, ib = 0;
    for (std::size_t k = 0; k + 1 < xs.size(); ++k) {
        bool inA = Holds(a, ia, xs[k]), inB = Holds(b, ib, xs[k]);
        if (!Keeps(operation, inA, inB)) continue;
        int x0 = static_cast<int>(xs[k]), x1 = static_cast<int>(xs[k + 1] - 1);
        if (!out.empty() && out.back().x1 + 1LL == x0) out.back().x1 = x1;
        else out.emplace_back(x0, 0, x1, 0);
    }
}

}  // namespace

TPixelRegion::TPixelRegion(const TPixelBox& Box) {
    if (!Box.Empty()) boxes_.push_back(Box);
}

TPixelRegion TPixelRegion::FromRows(const std::vector<TPixelBox>& Rows) {
    TPixelRegion region;
    std::vector<TPixelBox> spans;
    for (std::size_t i = 0; i < Rows.size();) {
        int y = Rows[i].y0;
        spans.clear();
        for (; i < Rows.size() && Rows[i].y0 == y; ++i) spans.push_back(Rows[i]);
        region.AppendBand(y, y, spans);
    }
    return region;
}

void TPixelRegion::AppendBand(int y0, int y1, const std::vector<TPixelBox>& spans) {
    if (spans.empty()) return;
    auto sameColumns = [](const TPixelBox& a, const TPixelBox& b) { return a.x0 == b.x0 && a.x1 == b.x1; };
    if (!boxes_.empty() && boxes_.back().y1 + 1LL == y0 && boxes_.size() - lastBand_ == spans.size() &&
        std::equal(spans.begin(), spans.end(), boxes_.begin() + static_cast<std::ptrdiff_t>(lastBand_), sameColumns)) {
        for (std::size_t i = lastBand_; i < boxes_.size(); ++i) boxes_[i].y1 = y1;
        return;
    }
    lastBand_ = boxes_.size();
    for (const TPixelBox& s : spans) boxes_.emplace_back(s.x0, y0, s.x1, y1);
}

TPixelBox TPixelRegion::Bounds() const {
    TPixelBox bounds;
    for (const TPixelBox& b : boxes_) bounds = bounds.United(b);
    return bounds;
}

bool TPixelRegion::Contains(int x, int y) const {
    auto it = std::lower_bound(boxes_.begin(), boxes_.end(), y, [](const TPixelBox& b, int row) { return b.y1 < row; });
    for (; it != boxes_.end() && it->y0 <= y; ++it)
        if (it->Contains(x, y)) return true;
    return false;
}

void TPixelRegion::Offset(int dx, int dy) {
    for (TPixelBox& b : boxes_) {
        b.x0 += dx;
        b.x1 += dx;
        b.y0 += dy;
        b.y1 += dy;
    }
}

// Row by row between the rows where a band of either region starts or ends.
TPixelRegion TPixelRegion::Combined(const TPixelRegion& Other, TOperation Operation) const {
    std::vector<long long> ys;
    for (const auto* region : {this, &Other})
        for (const TPixelBox& b : region->boxes_) {
            ys.push_back(b.y0);
            ys.push_back(b.y1 + 1LL);
        }
    std::sort(ys.begin(), ys.end());
    ys.erase(std::unique(ys.begin(), ys.end()), ys.end());
    TPixelRegion result;
    std::vector<TPixelBox> spansA, spansB, spans;
    std::size_t ia = 0, ib = 0;
    for (std::size_t k = 0; k + 1 < ys.size(); ++k) {
        int y0 = static_cast<int>(ys[k]), y1 = static_cast<int>(ys[k + 1] - 1);
        BandAt(boxes_, ia, y0, spansA);
        BandAt(Other.boxes_, ib, y0, spansB);
        CombineSpans(spansA, spansB, Operation, spans);
        result.AppendBand(y0, y1, spans);
    }
    return result;
}
