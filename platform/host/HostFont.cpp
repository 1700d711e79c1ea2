// Fonts realised by the host: a metric-compatible family for each face name
// the program's layouts use, crisp glyphs of whole-pixel advances, and lines
// of text drawn into masks.
#include "platform/host/HostFont.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QRegion>
#include <QStaticText>

#include <algorithm>
#include <cmath>
#include <optional>
#include <unordered_map>
#include <cstring>
#include <utility>
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

// Each realised font has a serial of its own, so that a painter never
// mistakes a new font for one freed at the same address.
struct THostFont::TImpl {
    explicit TImpl(const QFont& f) : font(f), metrics(f), ascent(QFontMetricsF(f).ascent()), serial(++lastSerial) {}
    QFont font;
    QFontMetrics metrics;
    qreal ascent;  // unrounded, as the host lays out lines
    // Texts drawn before, and laid out once for good when they come again.
    std::unordered_map<QString, std::optional<QStaticText>> drawn;
    const QStaticText* LaidOut(const QString& text);
    std::uint64_t serial;
    static inline std::uint64_t lastSerial = 0;
    // The advances of the characters numbers are written with, and whether
    // side by side they add up (see NumberWidth).
    bool numbersChecked = false, numbersAdd = false;
    int advance[128] = {};
};

// A text met before is laid out once and kept (a chart repeats its labels on
// every paint); one met for the first time is only remembered, so that texts
// drawn once cost no layout of their own.
const QStaticText* THostFont::TImpl::LaidOut(const QString& text) {
    constexpr std::size_t kKeptTexts = 1024;
    auto found = drawn.find(text);
    if (found == drawn.end()) {
        if (drawn.size() >= kKeptTexts) drawn.clear();
        drawn.emplace(text, std::nullopt);
        return nullptr;
    }
    if (!found->second) {
        QStaticText laidOut(text);
        laidOut.setTextFormat(Qt::PlainText);
        laidOut.prepare(QTransform(), font);
        found->second = std::move(laidOut);
    }
    return &*found->second;
}

THostFont::THostFont(const LOGFONT& Font, int DeviceHeight) : impl_(new TImpl(MakeFont(Font, DeviceHeight))) {}

THostFont::~THostFont() = default;

int THostFont::Ascent() const { return impl_->metrics.ascent(); }
int THostFont::Descent() const { return impl_->metrics.descent(); }

// The characters numbers are written with. Kerning is off, so a line of them
// is as wide as their advances, unless the font substitutes glyphs for some
// of them side by side: each pair is measured once to rule that out.
constexpr char kNumberCharacters[] = "0123456789.,-+ %E";

int THostFont::NumberWidth(const std::string& Text) const {
    if (Text.empty()) return -1;
    for (char c : Text)
        if (!(c >= '0' && c <= '9') && (c == 0 || !std::strchr(kNumberCharacters, c))) return -1;
    TImpl& impl = *impl_;
    if (!impl.numbersChecked) {
        impl.numbersChecked = true;
        const QString characters = QString::fromLatin1(kNumberCharacters);
        for (QChar c : characters)
            impl.advance[static_cast<unsigned char>(c.toLatin1())] = impl.metrics.horizontalAdvance(QString(c));
        impl.numbersAdd = true;
        for (QChar a : characters)
            for (QChar b : characters)
                if (impl.metrics.horizontalAdvance(QString(a) + b) !=
                    impl.advance[static_cast<unsigned char>(a.toLatin1())] +
                        impl.advance[static_cast<unsigned char>(b.toLatin1())])
                    impl.numbersAdd = false;
    }
    if (!impl.numbersAdd) return -1;
    int width = 0;
    for (char c : Text) width += impl.advance[static_cast<unsigned char>(c)];
    return width;
}

int THostFont::LaidOutWidth(const std::string& Text) const {
    return impl_->metrics.horizontalAdvance(QString::fromUtf8(Text.data(), static_cast<qsizetype>(Text.size())));
}

int THostFont::TextWidth(const char* Text, int Length) const {
    // Enough for a chart's labels; a font that meets more texts starts over.
    constexpr std::size_t kKeptWidths = 1024;
    if (!Text) return 0;
    std::string key(Text, Length < 0 ? std::strlen(Text) : static_cast<std::size_t>(Length));
    if (const int number = NumberWidth(key); number >= 0) return number;
    auto found = widths_.find(key);
    if (found != widths_.end()) return found->second;
    const int width = LaidOutWidth(key);
    if (widths_.size() >= kKeptWidths) widths_.clear();
    widths_.emplace(std::move(key), width);
    return width;
}

// The painter keeps what it was last given (font, ink, clip, transform) and
// sets only what changed.
struct THostTextPainter::TImpl {
    explicit TImpl(TPixelImage& image)
        : view(reinterpret_cast<uchar*>(image.Bits()), image.Width(), image.Height(),
               static_cast<qsizetype>(image.Width()) * 4, QImage::Format_RGB32),
          painter(&view) {}
    QImage view;
    QPainter painter;
    std::uint64_t fontSerial = 0;
    std::uint32_t ink = 0;  // never a pixel value (those are opaque)
    bool clipped = false;
    std::vector<TPixelBox> clip;
    bool turned = false;  // the transform is not the identity

    void UseClip(const std::vector<TPixelBox>* Clip) {
        if (!Clip) {
            if (clipped) painter.setClipping(false);
            clipped = false;
            return;
        }
        if (clipped && *Clip == clip) return;
        std::vector<QRect> rects;
        rects.reserve(Clip->size());
        for (const TPixelBox& b : *Clip) rects.emplace_back(QPoint(b.x0, b.y0), QPoint(b.x1, b.y1));
        QRegion region;
        region.setRects(rects.data(), static_cast<int>(rects.size()));
        painter.setClipRegion(region);  // in device pixels: the transform is reset by now
        clip = *Clip;
        clipped = true;
    }
};

THostTextPainter::THostTextPainter(TPixelImage& Image) : impl_(new TImpl(Image)) {}

THostTextPainter::~THostTextPainter() = default;

void THostTextPainter::DrawLine(const THostFont& Font, const THostTextLine& Line, const std::vector<TPixelBox>* Clip,
                                std::uint32_t Ink, std::uint32_t Cell) {
    if (impl_->view.isNull() || (Clip && Clip->empty())) return;
    QPainter& painter = impl_->painter;
    // Upright text is placed by whole pixels without a transform, turned text
    // turns about the reference point; the clip is given in device pixels.
    if (impl_->turned) painter.resetTransform();
    impl_->UseClip(Clip);
    impl_->turned = Line.angle != 0;
    QPoint origin(Line.refX, Line.refY);
    if (impl_->turned) {
        painter.translate(origin);
        painter.rotate(-Line.angle);
        origin = QPoint();
    }
    if (Line.cell)
        painter.fillRect(QRect(origin.x() + Line.baseX, origin.y() + Line.baseY - Font.Ascent(), Line.width,
                               Font.Ascent() + Font.Descent()),
                         QColor::fromRgb(Cell));
    if (impl_->fontSerial != Font.impl_->serial) {
        painter.setFont(Font.impl_->font);
        impl_->fontSerial = Font.impl_->serial;
    }
    if (impl_->ink != Ink) {
        painter.setPen(QColor::fromRgb(Ink));
        impl_->ink = Ink;
    }
    QString text = Decode(Line.text, Line.length);
    if (Line.advances) {
        std::vector<QString> chars = Characters(text);
        int x = Line.baseX;
        for (std::size_t i = 0; i < chars.size(); ++i) {
            painter.drawText(origin + QPoint(x, Line.baseY), chars[i]);
            x += Line.advances[i];
        }
    } else {
        // Turned, the host draws a laid-out line's underline off its glyphs.
        const QStaticText* laidOut = impl_->turned ? nullptr : Font.impl_->LaidOut(text);
        if (laidOut)
            painter.drawStaticText(
                QPointF(origin.x() + Line.baseX, origin.y() + Line.baseY - Font.impl_->ascent), *laidOut);
        else
            painter.drawText(origin + QPoint(Line.baseX, Line.baseY), text);
    }
}

int CharacterCount(const char* Text, int Length) { return static_cast<int>(Characters(Decode(Text, Length)).size()); }

QFont HostFontFor(const LOGFONT& Font) { return MakeFont(Font, Font.lfHeight); }

QFont HostFontOf(TFont* Font) { return HostFontFor(static_cast<TGdiFont*>(Font->GetHandle())->lf); }
