// Wide strokes through the host's path stroker, rasterised without
// antialiasing so that a pixel is covered when its centre is.
#include "platform/host/WideStroke.h"

#include <algorithm>
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

}  // namespace

void StrokeToMask(const TStrokePath& Path, double PenWidth, TStrokeCap Cap, TStrokeJoin Join, int Left, int Top,
                  int Width, int Height, std::uint8_t* Mask, std::uint8_t Value) {
    if (Width <= 0 || Height <= 0 || Path.Empty()) return;
    Qt::PenCapStyle cap = Cap == TStrokeCap::Square ? Qt::SquareCap : Cap == TStrokeCap::Flat ? Qt::FlatCap : Qt::RoundCap;
    Qt::PenJoinStyle join =
        Join == TStrokeJoin::Bevel ? Qt::BevelJoin : Join == TStrokeJoin::Miter ? Qt::MiterJoin : Qt::RoundJoin;
    QPainterPath path = HostPath(Path);
    QPainterPath outline;
    QRectF extent = path.boundingRect();
    if (extent.width() == 0 && extent.height() == 0) {
        if (cap == Qt::FlatCap) return;
        QRectF dot(extent.center().x() - PenWidth / 2, extent.center().y() - PenWidth / 2, PenWidth, PenWidth);
        if (cap == Qt::RoundCap) outline.addEllipse(dot);
        else outline.addRect(dot);
    } else {
        QPainterPathStroker stroker;
        stroker.setWidth(PenWidth);
        stroker.setCapStyle(cap);
        stroker.setJoinStyle(join);
        outline = stroker.createStroke(path);
    }
    // The host hands a fill of more than about a hundred rows to its thread
    // pool, whose wake-ups cost more than a stroke: the outline is filled in
    // bands, each clipped to its rows, which leaves the same pixels.
    constexpr int kBandRows = 48;
    std::vector<std::uint8_t> band(static_cast<std::size_t>(Width) * kBandRows);
    for (int top = 0; top < Height; top += kBandRows) {
        const int rows = std::min(kBandRows, Height - top);
        std::fill(band.begin(), band.end(), std::uint8_t{0});
        QImage coverage(band.data(), Width, rows, Width, QImage::Format_Grayscale8);
        {
            QPainter painter(&coverage);
            painter.setRenderHint(QPainter::Antialiasing, false);
            painter.translate(-Left, -(Top + top));
            painter.fillPath(outline, Qt::white);
        }
        for (int y = 0; y < rows; ++y) {
            const std::uint8_t* row = band.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(Width);
            std::uint8_t* out = Mask + static_cast<std::size_t>(top + y) * static_cast<std::size_t>(Width);
            for (int x = 0; x < Width; ++x)
                if (row[x]) out[x] = Value;
        }
    }
}
