#pragma once
// Platform-internal: the Windows bitmap file format (.bmp).

#include <string>

#include "platform/gdi/PixelImage.h"

// The picture of a bitmap file's bytes: uncompressed 1, 4, 8, 16, 24 and
// 32 bits per pixel, bottom-up or top-down. Raises EInvalidGraphic, naming
// the fault, for anything else and never reads past the bytes given.
// BitsPerPixel receives the file's depth; Monochrome whether it is a 1-bit
// file whose two colours are black and white.
TPixelImage DecodeBmp(const std::string& Bytes, int* BitsPerPixel = nullptr, bool* Monochrome = nullptr);
// A file of 24 bits per pixel, bottom-up; of 1 bit per pixel with a black
// (0) and white (1) colour table when Monochrome (any pixel not white is
// written black).
std::string EncodeBmp(const TPixelImage& Image, bool Monochrome = false);
