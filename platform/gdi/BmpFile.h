#pragma once
// Platform-internal: the Windows bitmap file format (.bmp).

#include <string>

#include "platform/gdi/PixelImage.h"

// The picture of a bitmap file's bytes: uncompressed 1, 4, 8, 16, 24 and
// 32 bits per pixel, bottom-up or top-down. Raises EInvalidGraphic, naming
// the fault, for anything else and never reads past the bytes given.
// BitsPerPixel receives the file's depth.
TPixelImage DecodeBmp(const std::string& Bytes, int* BitsPerPixel = nullptr);
// A file of 24 bits per pixel, bottom-up.
std::string EncodeBmp(const TPixelImage& Image);
