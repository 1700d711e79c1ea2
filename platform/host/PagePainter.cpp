// A printer's recorded page on the host's painter, in device pixels: the
// raster's geometry (outlines through pixel centres, fills that stop where
// the pen begins, text placed by its alignment) drawn as vectors.
#include "platform/host/PagePainter.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <optional>

#include "platform/gdi/GdiRaster.h"
#include "platform/gdi/MetafileRecords.h"
#include "platform/host/QtBridge.h"

namespace {

constexpr std::uint32_t kRgb = 0x00FFFFFFu, kWhite = 0xFFFFFFFFu, kBlack = 0xFF000000u;

// What a raster operation leaves on paper, from what it gives over white and
// over black: nothing where it keeps what lies beneath, else its colour
// over white paper (paper cannot be inverted).
std::optional<QColor> OnPaper(std::uint32_t OverWhite, std::uint32_t OverBlack) {
    if ((OverWhite & kRgb) == kRgb && (OverBlack & kRgb) == 0) return std::nullopt;
    return QColor::fromRgb(OverWhite & kRgb);
}

std::optional<QColor> PenOnPaper(int Mode, COLORREF Color) {
    const std::uint32_t pen = PixelOf(Color);
    return OnPaper(Rop2(Mode, pen, kWhite), Rop2(Mode, pen, kBlack));
}

std::optional<QColor> BlitOnPaper(unsigned Rop, std::uint32_t Pattern, std::uint32_t Source) {
    return OnPaper(Rop3(Rop, Pattern, Source, kWhite), Rop3(Rop, Pattern, Source, kBlack));
}

QPointF Centre(TPoint p) { return QPointF(p.x + 0.5, p.y + 0.5); }

// The device rectangle between two corners, right and bottom exclusive.
QRect Box(TPoint a, TPoint b) {
    return QRect(QPoint(std::min(a.x, b.x), std::min(a.y, b.y)), QPoint(std::max(a.x, b.x) - 1, std::max(a.y, b.y) - 1));
}

// A hatch's 8 x 8 cells grown to the device's pattern scale: its colour
// where the hatch is set, clear elsewhere.
QBrush HatchBrush(const QColor& Ink, int Hatch, int Scale) {
    const std::uint8_t* rows = HatchRows(Hatch);
    QImage cells(8 * Scale, 8 * Scale, QImage::Format_ARGB32);
    for (int y = 0; y < cells.height(); ++y)
        for (int x = 0; x < cells.width(); ++x)
            cells.setPixel(x, y, (rows[y / Scale] & (0x80 >> (x / Scale))) ? Ink.rgb() : 0u);
    return QBrush(cells);
}

class TPagePainter {
public:
    TPagePainter(QPainter& Painter, int PatternScale) : p_(Painter), scale_(PatternScale) {}

    void Paint(const TMetaRecord& r) {
        UseClip(r.state);
        const std::vector<TPoint>& pt = r.points;
        switch (r.op) {
        case TMetaOp::Line:
        case TMetaOp::Polyline:
        case TMetaOp::Polygon: {
            QPainterPath path(Centre(pt[0]));
            for (std::size_t i = 1; i < pt.size(); ++i) path.lineTo(Centre(pt[i]));
            if (r.op != TMetaOp::Polygon) {
                Stroke(path, r.state);
                break;
            }
            path.closeSubpath();
            path.setFillRule(r.state.polyFillMode == WINDING ? Qt::WindingFill : Qt::OddEvenFill);
            Fill(path, r.state, r.state.rop2);
            Stroke(path, r.state);
            break;
        }
        case TMetaOp::PolyBezier: {
            QPainterPath path(Centre(pt[0]));
            for (std::size_t i = 1; i + 2 < pt.size(); i += 3) path.cubicTo(Centre(pt[i]), Centre(pt[i + 1]), Centre(pt[i + 2]));
            Stroke(path, r.state);
            break;
        }
        case TMetaOp::Rectangle:
        case TMetaOp::RoundRect:
        case TMetaOp::Ellipse: Shape(r); break;
        case TMetaOp::Arc:
        case TMetaOp::Pie:
        case TMetaOp::Chord: Arc(r); break;
        case TMetaOp::Text: Text(r); break;
        case TMetaOp::Pixel: p_.fillRect(QRect(pt[0].x, pt[0].y, 1, 1), QColor::fromRgb(PixelOf(r.options))); break;
        case TMetaOp::Image: Image(r); break;
        case TMetaOp::PatBlt: PatBlt(r); break;
        }
    }

private:
    void UseClip(const TMetaState& s) {
        if (s.hasClip == clipped_ && (!s.hasClip || s.clip == clip_)) return;
        clipped_ = s.hasClip;
        clip_ = s.clip;
        if (clipped_) p_.setClipRect(Box(clip_.TopLeft(), clip_.BottomRight()));
        else p_.setClipping(false);
    }

    static bool HasPen(const TMetaState& s) { return s.pen.lopnStyle != PS_NULL; }
    static int PenWidth(const TMetaState& s) { return std::max(1, s.pen.lopnWidth.x); }

    // The pen along a path: a one-pixel pen with its style (the gaps in the
    // background colour when opaque), a wider one solid with round ends.
    void Stroke(const QPainterPath& Path, const TMetaState& s, Qt::PenJoinStyle WideJoin = Qt::RoundJoin) {
        if (!HasPen(s)) return;
        const int width = PenWidth(s);
        std::optional<QColor> ink = PenOnPaper(s.rop2, s.pen.lopnColor);
        QPen pen(ink.value_or(Qt::white), width, Qt::SolidLine, width > 1 ? Qt::RoundCap : Qt::FlatCap,
                 width > 1 ? WideJoin : Qt::MiterJoin);
        const std::vector<int> dashes = width == 1 ? PenDashes(s.pen.lopnStyle) : std::vector<int>{};
        if (!dashes.empty()) {
            std::optional<QColor> gap = s.bkMode == OPAQUE ? PenOnPaper(s.rop2, s.bkColor) : std::nullopt;
            if (gap) {
                QPen gaps = pen;
                gaps.setColor(*gap);
                p_.strokePath(Path, gaps);
            }
            QList<qreal> pattern;
            for (int d : dashes) pattern.append(d * scale_);
            pen.setDashPattern(pattern);
        }
        if (ink) p_.strokePath(Path, pen);
    }

    void Fill(const QPainterPath& Path, const TMetaState& s, int Mode) {
        if (s.brush.lbStyle == BS_SOLID) {
            if (std::optional<QColor> ink = PenOnPaper(Mode, s.brush.lbColor)) p_.fillPath(Path, *ink);
            return;
        }
        if (s.brush.lbStyle != BS_HATCHED) return;
        if (s.bkMode == OPAQUE)
            if (std::optional<QColor> back = PenOnPaper(Mode, s.bkColor)) p_.fillPath(Path, *back);
        if (std::optional<QColor> ink = PenOnPaper(Mode, s.brush.lbColor)) {
            p_.setBrushOrigin(s.brushOrg.x, s.brushOrg.y);
            p_.fillPath(Path, HatchBrush(*ink, static_cast<int>(s.brush.lbHatch), scale_));
        }
    }

    // Rectangles, rounded rectangles and ellipses: the pen's outline through
    // the centres of the box's outer pixels (inset for an inside-frame pen),
    // the brush inside it; without a pen the fill loses its right column and
    // bottom row.
    void Shape(const TMetaRecord& r) {
        const TMetaState& s = r.state;
        const QRect box = Box(r.points[0], r.points[1]);
        if (box.isEmpty()) return;
        double inset = 0;
        QRectF area(box.left(), box.top(), box.width() - 1, box.height() - 1);
        if (HasPen(s)) {
            if (s.pen.lopnStyle == PS_INSIDEFRAME) inset = (PenWidth(s) - 1) / 2.0;
            area = QRectF(box.left() + 0.5 + inset, box.top() + 0.5 + inset, box.width() - 1 - 2 * inset,
                          box.height() - 1 - 2 * inset);
        }
        QPainterPath path;
        if (r.op == TMetaOp::Ellipse) path.addEllipse(area);
        else if (r.op == TMetaOp::RoundRect)
            path.addRoundedRect(area, std::max(0.0, r.points[2].x / 2.0 - inset), std::max(0.0, r.points[2].y / 2.0 - inset));
        else path.addRect(area);
        Fill(path, s, s.rop2);
        const bool mitred = r.op == TMetaOp::Rectangle && s.pen.lopnStyle == PS_INSIDEFRAME;
        Stroke(path, s, mitred ? Qt::MiterJoin : Qt::RoundJoin);
    }

    // Arcs, pies and chords run counter-clockwise between the rays through
    // the start and end points; the same ray twice is the whole ellipse.
    void Arc(const TMetaRecord& r) {
        const QRect box = Box(r.points[0], r.points[1]);
        if (box.isEmpty()) return;
        const QRectF area(box.left() + 0.5, box.top() + 0.5, box.width() - 1, box.height() - 1);
        // A pie's point is the pixel nearest the centre, as the raster puts it.
        const QPointF centre(std::round(area.center().x() - 0.5) + 0.5, std::round(area.center().y() - 0.5) + 0.5);
        const double a = std::max(area.width() / 2, 1e-9), b = std::max(area.height() / 2, 1e-9);
        auto parametric = [&](TPoint p) {
            const QPointF ray = Centre(p) - centre;
            return std::atan2(-ray.y() / b, ray.x() / a) * 180 / M_PI;
        };
        const double from = parametric(r.points[2]), to = parametric(r.points[3]);
        double sweep = std::fmod(to - from + 720, 360.0);
        if (sweep < 1e-9) sweep = 360;
        QPainterPath path;
        if (r.op == TMetaOp::Pie) path.moveTo(centre);
        else path.arcMoveTo(area, from);
        path.arcTo(area, from, sweep);
        if (r.op != TMetaOp::Arc) {
            path.closeSubpath();
            Fill(path, r.state, r.state.rop2);
        }
        Stroke(path, r.state);
    }

    void UseFont(const LOGFONT& lf) {
        if (metrics_ && SameFont(lf, font_)) return;
        font_ = lf;
        hostFont_ = HostFontFor(lf);
        metrics_.emplace(hostFont_);
    }

    // Text at its reference point as the alignment places it, turned by the
    // font's escapement: the opaque rectangle, the background cell, then the
    // glyphs in the text colour (text takes no raster mode).
    void Text(const TMetaRecord& r) {
        const TMetaState& s = r.state;
        UseFont(s.font);
        const QString text = QString::fromUtf8(r.text.data(), static_cast<qsizetype>(r.text.size()));
        int width = 0;
        for (int d : r.dx) width += d;
        if (r.dx.empty() && ((s.textAlign & TA_CENTER) || s.bkMode == OPAQUE)) width = metrics_->horizontalAdvance(text);
        const int ascent = metrics_->ascent(), descent = metrics_->descent();
        const int baseX = (s.textAlign & TA_CENTER) == TA_CENTER ? -width / 2 : (s.textAlign & TA_RIGHT) ? -width : 0;
        const int baseY = (s.textAlign & TA_BASELINE) == TA_BASELINE ? 0 : (s.textAlign & TA_BOTTOM) ? -descent : ascent;
        const double angle = s.font.lfEscapement / 10.0;
        const QColor back = QColor::fromRgb(PixelOf(s.bkColor));
        const QRect rect = Box(r.rect.TopLeft(), r.rect.BottomRight());
        if (r.options & ETO_OPAQUE) p_.fillRect(rect, back);
        const bool framed = angle != 0 || (r.options & ETO_CLIPPED);
        QPoint origin(r.points[0].x, r.points[0].y);
        if (framed) {
            p_.save();
            if (r.options & ETO_CLIPPED) p_.setClipRect(rect, Qt::IntersectClip);
            p_.translate(origin);
            p_.rotate(-angle);
            origin = QPoint();
        }
        if (s.bkMode == OPAQUE && width > 0)
            p_.fillRect(QRect(origin.x() + baseX, origin.y() + baseY - ascent, width, ascent + descent), back);
        p_.setFont(hostFont_);
        p_.setPen(QColor::fromRgb(PixelOf(s.textColor)));
        if (r.dx.empty()) {
            p_.drawText(origin + QPoint(baseX, baseY), text);
        } else {
            // Spaced by hand: each character at its own advance.
            int x = baseX;
            std::size_t i = 0;
            for (int at = 0; at < text.size() && i < r.dx.size(); ++i) {
                const int n = text[at].isHighSurrogate() && at + 1 < text.size() ? 2 : 1;
                p_.drawText(origin + QPoint(x, baseY), text.mid(at, n));
                x += r.dx[i];
                at += n;
            }
        }
        if (framed) p_.restore();
    }

    // A picture stretched into its rectangle, mirrored when the corners are
    // reversed; a key colour or a raster mode other than a copy leaves
    // pixels out where they would keep the paper.
    void Image(const TMetaRecord& r) {
        if (!r.image || r.image->Null()) return;
        const TPoint a = r.points[0], b = r.points[1];
        const QRect target = Box(a, b);
        if (target.isEmpty()) return;
        QImage picture = ImageView(*r.image).mirrored(b.x < a.x, b.y < a.y);
        if (r.rop != SRCCOPY || r.keyed) {
            const std::uint32_t key = PixelOf(r.key) & kRgb, pattern = PixelOf(r.state.brush.lbColor);
            picture = picture.convertToFormat(QImage::Format_ARGB32);
            for (int y = 0; y < picture.height(); ++y) {
                auto* row = reinterpret_cast<QRgb*>(picture.scanLine(y));
                for (int x = 0; x < picture.width(); ++x) {
                    std::optional<QColor> shown;
                    if (!r.keyed || (row[x] & kRgb) != key) shown = BlitOnPaper(r.rop, pattern, row[x]);
                    row[x] = shown ? shown->rgb() : 0;
                }
            }
        }
        p_.drawImage(target, picture);
    }

    void PatBlt(const TMetaRecord& r) {
        const QRect box = Box(r.points[0], r.points[1]);
        if (box.isEmpty()) return;
        if (r.rop == PATCOPY) {
            QPainterPath path;
            path.addRect(box);
            Fill(path, r.state, R2_COPYPEN);
        } else if (std::optional<QColor> colour = BlitOnPaper(r.rop, PixelOf(r.state.brush.lbColor), 0)) {
            p_.fillRect(box, *colour);
        }
    }

    QPainter& p_;
    const int scale_;
    bool clipped_ = false;
    TRect clip_;
    LOGFONT font_;
    QFont hostFont_;
    std::optional<QFontMetrics> metrics_;
};

}  // namespace

void PaintRecordedPage(const TMetaRecording& Page, QPainter& Painter) {
    TPagePainter painter(Painter, Page.patternScale);
    for (const TMetaRecord& r : Page.records) painter.Paint(r);
    Painter.setClipping(false);
}
