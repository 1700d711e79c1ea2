#pragma once
// Platform-internal: how the platform's own files reach the Qt objects behind
// the class library's types. Never included outside platform/.

#include <QImage>

#include "platform/gdi/Graphics.h"

// The pixels of a bitmap, QImage::Format_RGB32; the bitmap's device context
// draws on this same image.
QImage& BitmapImage(TBitmap* Bitmap);
