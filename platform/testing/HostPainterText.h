#pragma once
// Text drawn straight through one host painter on a bitmap's pixels, as a
// program written against the host alone would draw it: the yardstick the
// canvas's text output is measured against.

#include <vector>

#include "platform/gdi/Graphics.h"

// Draws Texts[i] at Places[i] (the top left of its cell, as TCanvas::TextOut
// places it) in Font's colour and in the host font Font realises on a
// bitmap, without a background. Bitmap is at 96 pixels per inch, unmapped.
void DrawTextsWithHostPainter(TBitmap* Bitmap, TFont* Font, const std::vector<TPoint>& Places,
                              const std::vector<AnsiString>& Texts);
