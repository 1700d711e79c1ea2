#pragma once
// TSeBitmap: the 32-bit top-down off-screen image of the custom-drawn
// controls and of the skin images.
//
// Pixels are TKColor, 0xAARRGGBB. The alpha byte is kept as written through
// ScanLine, SetPixel, Clear, FillRect and GradientFill; drawing through the
// canvas (GDI-style lines, text, blits) leaves 0xFF in every pixel it
// touches. A pixel whose RGB equals ckTransparent's is never drawn by Draw,
// AlphaDraw, StretchDraw or Tile. AlphaDraw weighs each source pixel by its
// own alpha times the master alpha; the destination keeps its alpha byte.
// Drawing onto a TCanvas always leaves opaque (0xFF) pixels there.

#include "platform/gdi/Graphics.h"
#include "skin/controls/SeConst.h"

class TSeBitmap {
public:
    TSeBitmap();
    TSeBitmap(int AWidth, int AHeight);
    ~TSeBitmap();
    TSeBitmap(const TSeBitmap&) = delete;
    TSeBitmap& operator=(const TSeBitmap&) = delete;

    int GetWidth() const { return bitmap_->GetWidth(); }
    int GetHeight() const { return bitmap_->GetHeight(); }
    // New contents are opaque white; old pixels are not kept.
    void SetSize(int AWidth, int AHeight);
    bool GetEmpty() const { return GetWidth() <= 0 || GetHeight() <= 0; }

    // A canvas on the image, for GDI-style drawing.
    TCanvas* GetCanvas() { return bitmap_->GetCanvas(); }
    HDC GetDC() { return bitmap_->GetDC(); }
    // Row of pixels, nullptr outside the image.
    TKColor* ScanLine(int Row) { return bitmap_->ScanLine(Row); }
    // ckTransparent outside the image.
    TKColor GetPixel(int X, int Y);
    void SetPixel(int X, int Y, TKColor Color);

    void Clear(TKColor Color);
    void FillRect(const TRect& Rect, TKColor Color);
    // From From at the first row (column) to To at the last, every channel.
    void GradientFill(const TRect& Rect, TKColor From, TKColor To, bool Vertical);

    // Draws the whole image with its top left corner at (X, Y).
    void Draw(TCanvas* Dest, int X, int Y);
    void Draw(TSeBitmap* Dest, int X, int Y);
    // Draws the Source part of the image at (X, Y).
    void Draw(TSeBitmap* Dest, int X, int Y, const TRect& Source);
    // Alpha 0 draws nothing, 255 draws each pixel with its own alpha.
    void AlphaDraw(TCanvas* Dest, int X, int Y, int Alpha);
    void AlphaDraw(TSeBitmap* Dest, int X, int Y, int Alpha);
    // Scaled to DestRect, each target pixel picked from its nearest source pixel.
    void StretchDraw(TCanvas* Dest, const TRect& DestRect);
    void StretchDraw(TSeBitmap* Dest, const TRect& DestRect);
    // Repeats the image over DestRect from its top left corner.
    void Tile(TCanvas* Dest, const TRect& DestRect);
    void Tile(TSeBitmap* Dest, const TRect& DestRect);

    // Copies the Source part of a canvas into the image at (X, Y).
    void CopyFrom(TCanvas* Source, const TRect& SourceRect, int X, int Y);

private:
    // Runs Compose on an image of the canvas' pixels under Rect, then puts
    // the result back, opaque.
    template <class Compose>
    void OnCanvas(TCanvas* Dest, const TRect& Rect, Compose compose);

    TBitmap* bitmap_;
};

constexpr bool IsTransparentPixel(TKColor Color) { return (Color & 0x00FFFFFF) == (ckTransparent & 0x00FFFFFF); }
