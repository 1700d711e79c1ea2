// Text through one host painter, in the font the canvas would realise.
#include "platform/testing/HostPainterText.h"

#include <QFontMetrics>
#include <QPainter>

#include "platform/host/QtBridge.h"

void DrawTextsWithHostPainter(TBitmap* Bitmap, TFont* Font, const std::vector<TPoint>& Places,
                              const std::vector<AnsiString>& Texts) {
    QPainter painter(&BitmapImage(Bitmap));
    QFont font = HostFontOf(Font);
    painter.setFont(font);
    TColor color = ColorToRGB(Font->GetColor());
    painter.setPen(QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF));
    int ascent = QFontMetrics(font).ascent();
    for (std::size_t i = 0; i < Places.size() && i < Texts.size(); ++i)
        painter.drawText(QPoint(Places[i].x, Places[i].y + ascent),
                         QString::fromUtf8(Texts[i].c_str(), Texts[i].Length()));
}
