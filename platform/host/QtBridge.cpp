// QImages over the pixels of bitmaps and device-context surfaces, so that
// pictures reach the screen, the printer and the clipboard without a copy.
#include "platform/host/QtBridge.h"

#include <algorithm>
#include <memory>

#include "platform/gdi/GdiInternal.h"

QImage ImageView(const TPixelImage& Image) {
    if (Image.Null()) return QImage();
    return QImage(reinterpret_cast<const uchar*>(Image.Bits()), Image.Width(), Image.Height(),
                  static_cast<qsizetype>(Image.Width()) * 4, QImage::Format_RGB32);
}

// The view lives with the bitmap's surface, so that callers may hold the
// reference, and is made again when the pixels have moved.
QImage& BitmapImage(TBitmap* Bitmap) {
    TGdiBitmap* surface = Bitmap->GetDC()->surface;
    TPixelImage& pixels = surface->Pixels();
    auto* view = static_cast<QImage*>(surface->hostView.get());
    bool current = view && view->width() == pixels.Width() && view->height() == pixels.Height() &&
                   (pixels.Null() || view->constBits() == reinterpret_cast<const uchar*>(pixels.Bits()));
    if (!current) {
        auto made = std::make_shared<QImage>();
        if (!pixels.Null())
            *made = QImage(reinterpret_cast<uchar*>(pixels.Bits()), pixels.Width(), pixels.Height(),
                           static_cast<qsizetype>(pixels.Width()) * 4, QImage::Format_RGB32);
        view = made.get();
        surface->hostView = std::move(made);
    }
    return *view;
}

void SetBitmapImage(TBitmap* Bitmap, const QImage& Image) {
    QImage rgb = Image.convertToFormat(QImage::Format_RGB32);
    Bitmap->SetSize(rgb.width(), rgb.height());
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(rgb.constScanLine(y));
        std::copy(row, row + rgb.width(), Bitmap->ScanLine(y));
    }
}
