#pragma once
// Platform-internal: how the platform's own files reach the Qt objects behind
// the class library's types. Never included outside platform/.

#include <QFont>
#include <QImage>

#include "platform/gdi/Gdi.h"
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
// The host font that draws Font at its height in device pixels (negative for
// the character height), as the device context's text output draws it.
QFont HostFontFor(const LOGFONT& Font);
