#pragma once
// Platform-internal: how the platform's own files reach the Qt objects behind
// the class library's types. Never included outside platform/.

#include <QFont>
#include <QImage>
#include <QPointF>
#include <QString>

#include <functional>

#include "platform/gdi/Graphics.h"

class TPixelImage;

// The pixels of a bitmap as a QImage::Format_RGB32 over the same memory: what
// is drawn on either shows in the other. Valid until the bitmap changes size.
QImage& BitmapImage(TBitmap* Bitmap);
// A read-only QImage over the same pixels, made afresh for each use.
QImage ImageView(const TPixelImage& Image);
// Gives Bitmap the size and pixels of Image.
void SetBitmapImage(TBitmap* Bitmap, const QImage& Image);
// The host font a TFont is drawn in on a bitmap (96 pixels per inch, unmapped).
QFont HostFontOf(TFont* Font);
// Lines of text drawn onto Image are told to Listener as well: the font, the
// reference point, the turn about it (degrees, counter-clockwise) and the
// baseline's start from there in the turned frame. One image at a time; an
// empty Listener stops. The PDF printer lays a page's text under its picture
// with it, so that printed text can be searched and copied.
using THostTextListener =
    std::function<void(const QFont& Font, QPointF Reference, double Angle, QPointF Start, const QString& Text)>;
void ListenToHostText(const TPixelImage* Image, THostTextListener Listener);
