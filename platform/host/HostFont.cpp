// Fonts realised by the host: a metric-compatible family for each face name
// the program's layouts use, crisp glyphs of whole-pixel advances, and lines
// of text drawn into masks.
#include "platform/host/HostFont.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QRegion>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "platform/gdi/GdiInternal.h"
#include "platform/host/Host.h"
#include "platform/host/QtBridge.h"

namespace {

// The host font family standing in for a Windows face name.
QString HostFontFamily(const char* FaceName) {
    // Windows face names the program's layouts use, and the metric-compatible
    // families that stand in for them here.
    static const struct { const char* windows; const char* host; } map[] = {
        {"MS Sans Serif", "Liberation Sans"}, {"Microsoft Sans Serif", "Liberation Sans"},
        {"Tahoma", "Liberation Sans"},        {"Arial", "Liberation Sans"},
        {"Verdana", "Liberation Sans"},       {"Segoe UI", "Liberation Sans"},
        {"System", "Liberation Sans"},        {"MS Shell Dlg", "Liberation Sans"},
        {"MS Shell Dlg 2", "Liberation Sans"}, {"Small Fonts", "Liberation Sans"},
        {"Arial Narrow", "Liberation Sans Narrow"}, {"Times New Roman", "Liberation Serif"},
        {"MS Serif", "Liberation Serif"},     {"Georgia", "Liberation Serif"},
        {"Courier New", "Liberation Mono"},   {"Courier", "Liberation Mono"},
        {"Fixedsys", "Liberation Mono"},      {"Terminal", "Liberation Mono"},
        {"Lucida Console", "Liberation Mono"}, {"Consolas", "Liberation Mono"},
    };
    QString name = QString::fromUtf8(FaceName ? FaceName : "");
    for (const auto& entry : map)
        if (name.compare(QLatin1String(entry.windows), Qt::CaseInsensitive) == 0) return QString::fromLatin1(entry.host);
    if (name.isEmpty()) return QStringLiteral("Liberation Sans");
    return name;
}

QFont MakeFont(const LOGFONT& lf, int deviceHeight) {
    EnsureHost();
    QFont font(HostFontFamily(lf.lfFaceName));
    // Crisp glyphs of whole-pixel advances, as the classic display drew them.
    font.setStyleStrategy(QFont::NoAntialias);
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setKerning(false);
    if ((lf.lfPitchAndFamily & 3) == FIXED_PITCH) {
        font.setFixedPitch(true);
        font.setStyleHint(QFont::TypeWriter);
    }
    int weight = lf.lfWeight == FW_DONTCARE ? FW_NORMAL : std::clamp(lf.lfWeight, 100, 900);
    font.setWeight(static_cast<QFont::Weight>(weight));
    font.setItalic(lf.lfItalic != 0);
    font.setUnderline(lf.lfUnderline != 0);
    font.setStrikeOut(lf.lfStrikeOut != 0);
    int height = deviceHeight == 0 ? 16 : deviceHeight;
    if (height > 0) {
        // A cell height: find the character size whose ascent and descent fill it.
        font.setPixelSize(height);
        QFontMetrics probe(font);
        int cell = probe.ascent() + probe.descent();
        if (cell > 0) font.setPixelSize(std::max(1, static_cast<int>(std::lround(double(height) * height / cell))));
    } else {
        font.setPixelSize(std::max(1, -height));
    }
    return font;
}

QString Decode(const char* text, int length) {
    if (!text) return QString();
    if (length < 0) length = static_cast<int>(std::strlen(text));
    return QString::fromUtf8(text, length);
}

// Code points of text, each as its own string (for per-character advances).
std::vector<QString> Characters(const QString& text) {
    std::vector<QString> chars;
    for (int i = 0; i < text.size(); ++i) {
        int n = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        chars.push_back(text.mid(i, n));
        i += n - 1;
    }
    return chars;
}

}  // namespace

struct THostFont::TImpl {
    explicit TImpl(const QFont& f) : font(f), metrics(f) {}
    QFont font;
    QFontMetrics metrics;
};

THostFont::THostFont(const LOGFONT& Font, int DeviceHeight) : impl_(new TImpl(MakeFont(Font, DeviceHeight))) {}

THostFont::~THostFont() = default;

int THostFont::Ascent() const { return impl_->metrics.ascent(); }
int THostFont::Descent() const { return impl_->metrics.descent(); }

int THostFont::TextWidth(const char* Text, int Length) const {
    return impl_->metrics.horizontalAdvance(Decode(Text, Length));
}

void THostFont::DrawLine(const THostTextLine& Line, TPixelImage& Image, const std::vector<TPixelBox>* Clip,
                         std::uint32_t Ink, std::uint32_t Cell) const {
    if (Image.Null() || (Clip && Clip->empty())) return;
    QImage view(reinterpret_cast<uchar*>(Image.Bits()), Image.Width(), Image.Height(),
                static_cast<qsizetype>(Image.Width()) * 4, QImage::Format_RGB32);
    QPainter painter(&view);
    if (Clip) {
        std::vector<QRect> rects;
        rects.reserve(Clip->size());
        for (const TPixelBox& b : *Clip) rects.emplace_back(QPoint(b.x0, b.y0), QPoint(b.x1, b.y1));
        QRegion region;
        region.setRects(rects.data(), static_cast<int>(rects.size()));
        painter.setClipRegion(region);
    }
    painter.translate(Line.refX, Line.refY);
    if (Line.angle != 0) painter.rotate(-Line.angle);
    if (Line.cell)
        painter.fillRect(QRect(Line.baseX, Line.baseY - Ascent(), Line.width, Ascent() + Descent()),
                         QColor::fromRgb(Cell));
    painter.setFont(impl_->font);
    painter.setPen(QColor::fromRgb(Ink));
    QString text = Decode(Line.text, Line.length);
    if (Line.advances) {
        std::vector<QString> chars = Characters(text);
        int x = Line.baseX;
        for (std::size_t i = 0; i < chars.size(); ++i) {
            painter.drawText(QPoint(x, Line.baseY), chars[i]);
            x += Line.advances[i];
        }
    } else {
        painter.drawText(QPoint(Line.baseX, Line.baseY), text);
    }
}

int CharacterCount(const char* Text, int Length) { return static_cast<int>(Characters(Decode(Text, Length)).size()); }

QFont HostFontOf(TFont* Font) {
    const LOGFONT& lf = static_cast<TGdiFont*>(Font->GetHandle())->lf;
    return MakeFont(lf, lf.lfHeight);
}
