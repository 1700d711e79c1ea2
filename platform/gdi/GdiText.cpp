// Text of the device context: output at a reference point placed by the
// text alignment (also for text turned by the font's escapement), the
// opaque background cell, clipping to a rectangle, and text extents.
#include <QFontMetrics>
#include <QPainter>

#include <cmath>
#include <cstring>

#include "platform/gdi/GdiRaster.h"

namespace {

QString Decode(const char* text, int length) {
    if (!text) return QString();
    if (length < 0) length = static_cast<int>(std::strlen(text));
    return QString::fromUtf8(text, length);
}

// The font's height in device pixels, its sign kept (negative for the character height).
int DeviceFontHeight(const TDeviceContext* dc, int logical) {
    if (logical == 0) return 0;
    int h = static_cast<int>(std::lround(std::fabs(logical * dc->ScaleY())));
    return (logical < 0 ? -1 : 1) * std::max(1, h);
}

TGdiFont* RealisedFont(TDeviceContext* dc, const QFont*& font) {
    TGdiFont* f = dc->Font();
    if (!f) f = static_cast<TGdiFont*>(GetStockObject(SYSTEM_FONT));
    font = &f->Realise(DeviceFontHeight(dc, f->lf.lfHeight));
    return f;
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

QRect DeviceRect(TDeviceContext* dc, const TRect& r) {
    TPoint a = dc->ToDevice(r.Left, r.Top), b = dc->ToDevice(r.Right, r.Bottom);
    return QRect(QPoint(std::min(a.x, b.x), std::min(a.y, b.y)), QPoint(std::max(a.x, b.x) - 1, std::max(a.y, b.y) - 1));
}

}  // namespace

bool ExtTextOut(HDC DC, int X, int Y, unsigned Options, const TRect* Rect, const char* Text, int Length, const int* Dx) {
    if (!DC || DC->Image().isNull()) return DC != nullptr;
    const TDcState& st = DC->st;
    const QFont* font = nullptr;
    TGdiFont* gdiFont = RealisedFont(DC, font);
    QString text = Decode(Text, Length);
    QFontMetrics metrics(*font);
    std::vector<QString> chars;
    std::vector<int> advances;
    int width = 0;
    if (Dx) {
        chars = Characters(text);
        for (std::size_t i = 0; i < chars.size(); ++i) advances.push_back(DC->DeviceLengthX(Dx[i]));
        for (int a : advances) width += a;
    } else {
        width = metrics.horizontalAdvance(text);
    }
    int ascent = gdiFont->ascent, descent = gdiFont->descent;

    TPoint logical = (st.textAlign & TA_UPDATECP) ? st.position : TPoint(X, Y);
    TPoint ref = DC->ToDevice(logical.x, logical.y);
    // Where the text's baseline starts, in the text's own turned frame.
    int ox = 0;
    if ((st.textAlign & TA_CENTER) == TA_CENTER) ox = -width / 2;
    else if (st.textAlign & TA_RIGHT) ox = -width;
    int oy = ascent;
    if ((st.textAlign & TA_BASELINE) == TA_BASELINE) oy = 0;
    else if (st.textAlign & TA_BOTTOM) oy = -descent;
    double angle = gdiFont->lf.lfEscapement / 10.0;

    QPainter painter(&DC->Image());
    if (st.hasClip) {
        const std::vector<QRect>& rects = DC->ClipRects();
        QRegion clip;
        clip.setRects(rects.data(), static_cast<int>(rects.size()));
        painter.setClipRegion(clip);
    }
    if (Rect && (Options & ETO_OPAQUE)) painter.fillRect(DeviceRect(DC, *Rect), QColor::fromRgb(PixelOf(st.bkColor)));
    if (Rect && (Options & ETO_CLIPPED)) painter.setClipRect(DeviceRect(DC, *Rect), st.hasClip ? Qt::IntersectClip : Qt::ReplaceClip);
    painter.translate(ref.x, ref.y);
    if (angle != 0) painter.rotate(-angle);
    if (st.bkMode == OPAQUE && width > 0)
        painter.fillRect(QRect(ox, oy - ascent, width, ascent + descent), QColor::fromRgb(PixelOf(st.bkColor)));
    painter.setFont(*font);
    painter.setPen(QColor::fromRgb(PixelOf(st.textColor)));
    if (Dx) {
        int x = ox;
        for (std::size_t i = 0; i < chars.size(); ++i) {
            painter.drawText(QPoint(x, oy), chars[i]);
            x += advances[i];
        }
    } else {
        painter.drawText(QPoint(ox, oy), text);
    }
    painter.end();

    if (st.textAlign & TA_UPDATECP) {
        // The current position moves along the baseline past the text.
        int advance = (st.textAlign & TA_CENTER) == TA_CENTER ? 0 : (st.textAlign & TA_RIGHT) ? -width : width;
        double radians = angle * M_PI / 180;
        int dx = static_cast<int>(std::lround(advance * std::cos(radians)));
        int dy = static_cast<int>(std::lround(-advance * std::sin(radians)));
        DC->st.position = DC->ToLogical(ref.x + dx, ref.y + dy);
    }
    return true;
}

bool TextOut(HDC DC, int X, int Y, const char* Text, int Length) {
    return ExtTextOut(DC, X, Y, 0, nullptr, Text, Length, nullptr);
}

bool GetTextExtentPoint32(HDC DC, const char* Text, int Length, TSize* Size) {
    if (!DC || !Size) return false;
    const QFont* font = nullptr;
    TGdiFont* gdiFont = RealisedFont(DC, font);
    int width = QFontMetrics(*font).horizontalAdvance(Decode(Text, Length));
    Size->cx = static_cast<int>(std::lround(width / std::fabs(DC->ScaleX())));
    Size->cy = static_cast<int>(std::lround((gdiFont->ascent + gdiFont->descent) / std::fabs(DC->ScaleY())));
    return true;
}
