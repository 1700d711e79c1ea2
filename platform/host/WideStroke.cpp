// Wide strokes through the host's path stroker, rasterised without
// antialiasing so that a pixel is covered when its centre is.
#include "platform/host/WideStroke.h"

#include <algorithm>
#include <utility>
#include <vector>

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>

namespace {

QPainterPath HostPath(const TStrokePath& Path) {
    QPainterPath path;
    for (const TStrokePath::TElement& e : Path.Elements()) {
        const double* v = e.v;
        QRectF box(QPointF(v[0], v[1]), QPointF(v[2], v[3]));
        switch (e.kind) {
        case TStrokePath::Move: path.moveTo(v[0], v[1]); break;
        case TStrokePath::Line: path.lineTo(v[0], v[1]); break;
        case TStrokePath::CloseFigure: path.closeSubpath(); break;
        case TStrokePath::Rect: path.addRect(box); break;
        case TStrokePath::Ellipse: path.addEllipse(box); break;
        case TStrokePath::RoundedRect: path.addRoundedRect(box, v[4], v[5]); break;
        case TStrokePath::ArcMove: path.arcMoveTo(box, v[4]); break;
        case TStrokePath::Arc: path.arcTo(box, v[4], v[5]); break;
        }
    }
    return path;
}

// The outline a pen of PenWidth draws along Path; empty for a dot with flat ends.
QPainterPath Outline(const TStrokePath& Path, double PenWidth, TStrokeCap Cap, TStrokeJoin Join) {
    Qt::PenCapStyle cap = Cap == TStrokeCap::Square ? Qt::SquareCap : Cap == TStrokeCap::Flat ? Qt::FlatCap : Qt::RoundCap;
    Qt::PenJoinStyle join =
        Join == TStrokeJoin::Bevel ? Qt::BevelJoin : Join == TStrokeJoin::Miter ? Qt::MiterJoin : Qt::RoundJoin;
    QPainterPath path = HostPath(Path);
    QPainterPath outline;
    QRectF extent = path.boundingRect();
    if (extent.width() == 0 && extent.height() == 0) {
        if (cap == Qt::FlatCap) return outline;
        QRectF dot(extent.center().x() - PenWidth / 2, extent.center().y() - PenWidth / 2, PenWidth, PenWidth);
        if (cap == Qt::RoundCap) outline.addEllipse(dot);
        else outline.addRect(dot);
        return outline;
    }
    QPainterPathStroker stroker;
    stroker.setWidth(PenWidth);
    stroker.setCapStyle(cap);
    stroker.setJoinStyle(join);
    return stroker.createStroke(path);
}

// A stroke as the pixels see it: its elements moved to the mask's corner,
// its pen and the mask's size.
std::vector<double> StrokeKey(const TStrokePath& Path, double PenWidth, TStrokeCap Cap, TStrokeJoin Join, int Left,
                              int Top, int Width, int Height) {
    std::vector<double> key{PenWidth, double(Cap), double(Join), double(Width), double(Height)};
    for (const TStrokePath::TElement& e : Path.Elements()) {
        const bool box = e.kind != TStrokePath::Move && e.kind != TStrokePath::Line;
        key.insert(key.end(), {double(e.kind), e.v[0] - Left, e.v[1] - Top, e.v[2] - (box ? Left : 0),
                               e.v[3] - (box ? Top : 0), e.v[4], e.v[5]});
    }
    return key;
}

// The coverage of the last few strokes: a chart strokes its axis lines
// the same on every paint, and the host's stroker costs far more than a
// look-up.
class TStrokeCache {
public:
    const std::vector<std::uint8_t>* Find(const std::vector<double>& Key) const {
        for (const TEntry& e : entries_)
            if (e.key == Key) return &e.coverage;
        return nullptr;
    }
    // Only small strokes are kept: a large one costs more to hold and
    // compare than the stroker saves.
    static bool Holds(std::size_t Cells) { return Cells <= kLargest; }
    void Add(std::vector<double> Key, std::vector<std::uint8_t> Coverage) {
        if (entries_.size() == kEntries) entries_.erase(entries_.begin());
        entries_.push_back({std::move(Key), std::move(Coverage)});
    }

private:
    static constexpr std::size_t kEntries = 16, kLargest = 1 << 16;
    struct TEntry {
        std::vector<double> key;
        std::vector<std::uint8_t> coverage;
    };
    std::vector<TEntry> entries_;
};

// The outline's pixels in a Width x Height mask at Left, Top: nonzero where covered.
std::vector<std::uint8_t> Coverage(const QPainterPath& Outline, int Left, int Top, int Width, int Height) {
    std::vector<std::uint8_t> coverage(static_cast<std::size_t>(Width) * static_cast<std::size_t>(Height));
    // The host hands a fill of more than about a hundred rows to its thread
    // pool, whose wake-ups cost more than a stroke: the outline is filled in
    // bands, each clipped to its rows, which leaves the same pixels.
    constexpr int kBandRows = 48;
    for (int top = 0; top < Height; top += kBandRows) {
        const int rows = std::min(kBandRows, Height - top);
        QImage band(coverage.data() + static_cast<std::size_t>(top) * static_cast<std::size_t>(Width), Width, rows,
                    Width, QImage::Format_Grayscale8);
        QPainter painter(&band);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.translate(-Left, -(Top + top));
        painter.fillPath(Outline, Qt::white);
    }
    return coverage;
}

}  // namespace

void StrokeToMask(const TStrokePath& Path, double PenWidth, TStrokeCap Cap, TStrokeJoin Join, int Left, int Top,
                  int Width, int Height, std::uint8_t* Mask, std::uint8_t Value) {
    if (Width <= 0 || Height <= 0 || Path.Empty()) return;
    static thread_local TStrokeCache cache;
    const std::size_t cells = static_cast<std::size_t>(Width) * static_cast<std::size_t>(Height);
    const bool cacheable = TStrokeCache::Holds(cells);
    std::vector<double> key;
    const std::vector<std::uint8_t>* cached = nullptr;
    if (cacheable) {
        key = StrokeKey(Path, PenWidth, Cap, Join, Left, Top, Width, Height);
        cached = cache.Find(key);
    }
    std::vector<std::uint8_t> fresh;
    if (!cached) fresh = Coverage(Outline(Path, PenWidth, Cap, Join), Left, Top, Width, Height);
    const std::vector<std::uint8_t>& coverage = cached ? *cached : fresh;
    for (std::size_t i = 0; i < cells; ++i)
        if (coverage[i]) Mask[i] = Value;
    if (!cached && cacheable) cache.Add(std::move(key), std::move(fresh));
}
