// Block transfers of the device context (PatBlt, BitBlt, StretchBlt) and
// single pixels.
#include "platform/gdi/GdiRaster.h"
#include "platform/gdi/MetafileRecords.h"

namespace {

// The ternary operations the program uses, without the general truth-table walk.
std::uint32_t Rop3Fast(unsigned rop, std::uint32_t p, std::uint32_t s, std::uint32_t d) {
    switch (rop) {
    case SRCCOPY: return s;
    case SRCPAINT: return s | d;
    case SRCAND: return s & d;
    case SRCINVERT: return s ^ d;
    case SRCERASE: return s & ~d;
    case NOTSRCCOPY: return ~s;
    case NOTSRCERASE: return ~(s | d);
    case MERGECOPY: return p & s;
    case MERGEPAINT: return ~s | d;
    case PATCOPY: return p;
    case PATPAINT: return p | ~s | d;
    case PATINVERT: return p ^ d;
    case DSTINVERT: return ~d;
    case BLACKNESS: return 0;
    case WHITENESS: return 0xFFFFFFFFu;
    default: return Rop3(rop, p, s, d);
    }
}

// For each of count destination pixels, the source pixel it shows (nearest,
// mirrored when asked), relative to the source's first pixel.
std::vector<int> PickMap(int count, int sourceCount, bool mirror) {
    std::vector<int> map(static_cast<std::size_t>(count));
    for (int j = 0; j < count; ++j) {
        int k = static_cast<int>((2LL * j + 1) * sourceCount / (2LL * count));
        map[static_cast<std::size_t>(j)] = mirror ? sourceCount - 1 - k : k;
    }
    return map;
}

// Where a transfer reads from: a picture and, for converting between
// monochrome and colour, whether it is monochrome and its context's
// background colour.
struct TBlitSource {
    const TPixelImage* image = nullptr;  // nullptr when the operation takes no source
    bool monochrome = false;
    COLORREF bkColor = 0xFFFFFF;
};

TBlitSource SourceOf(HDC Source) {
    return TBlitSource{&Source->Image(), Source->surface->monochrome, Source->st.bkColor};
}

// How source pixels turn into destination pixels when one side is
// monochrome and the other not (the BitBlt rules): from monochrome, 0 bits
// take the destination's text colour and 1 bits its background colour; to
// monochrome, the pixels of the source's background colour become white (1)
// and all others black (0).
struct TSourceConversion {
    enum Kind { None, FromMono, ToMono } kind = None;
    std::uint32_t zero = 0, one = 0;  // FromMono: the pixels of 0 and 1 bits
    std::uint32_t white = 0;          // ToMono: the source colour that becomes white (RGB, no alpha)

    TSourceConversion(const TBlitSource& src, const TDeviceContext* dst) {
        if (!src.image || src.monochrome == dst->surface->monochrome) return;
        if (src.monochrome) {
            kind = FromMono;
            zero = PixelOf(dst->st.textColor);
            one = PixelOf(dst->st.bkColor);
        } else {
            kind = ToMono;
            white = PixelOf(src.bkColor) & 0xFFFFFF;
        }
    }
    std::uint32_t operator()(std::uint32_t s) const {
        if (kind == FromMono) return (s & 0xFFFFFF) ? one : zero;
        return (s & 0xFFFFFF) == white ? kMonoWhite : kMonoBlack;
    }
};

// Transfers the source rectangle s0-s1 of the source onto the device
// rectangle d0-d1 of dst. Corners are in drawing order, so that opposite
// directions mirror.
void BlitImage(TDeviceContext* dst, TPoint d0, TPoint d1, TBlitSource source, TPoint s0, TPoint s1, unsigned rop,
               const std::uint32_t* key) {
    const TPixelImage* src = source.image;
    int dl = std::min(d0.x, d1.x), dt = std::min(d0.y, d1.y);
    int dw = std::abs(d1.x - d0.x), dh = std::abs(d1.y - d0.y);
    if (dw == 0 || dh == 0) return;
    int sl = 0, st = 0, sw = dw, sh = dh;
    bool mirrorX = false, mirrorY = false;
    TPixelImage copy;
    if (src) {
        sl = std::min(s0.x, s1.x);
        st = std::min(s0.y, s1.y);
        sw = std::abs(s1.x - s0.x);
        sh = std::abs(s1.y - s0.y);
        if (sw == 0 || sh == 0 || src->Null()) return;
        mirrorX = (d1.x < d0.x) != (s1.x < s0.x);
        mirrorY = (d1.y < d0.y) != (s1.y < s0.y);
        if (src == &dst->Image()) {
            // Overlapping source and destination: read from a copy.
            copy = src->Copy(TPixelBox(sl, st, sl + sw - 1, st + sh - 1));
            src = &copy;
            sl = 0;
            st = 0;
        }
    }
    TPixelPainter painter(dst);
    const TPixelBox& visible = painter.Bounds();
    int rowFrom = std::max(dt, visible.y0), rowTo = std::min(dt + dh - 1, visible.y1);
    if (rowFrom > rowTo) return;
    std::vector<int> columns = PickMap(dw, sw, mirrorX), rows = PickMap(dh, sh, mirrorY);
    bool usesPattern = RopUsesPattern(rop);
    TBrushPaint brush = MakeBrushPaint(dst, dst->Brush());
    const TSourceConversion convert(source, dst);
    bool straightCopy =
        src && rop == SRCCOPY && !key && sw == dw && sh == dh && !mirrorX && convert.kind == TSourceConversion::None;
    int srcW = src ? src->Width() : 0, srcH = src ? src->Height() : 0;
    for (int y = rowFrom; y <= rowTo; ++y) {
        const std::uint32_t* srcRow = nullptr;
        if (src) {
            int sy = st + rows[static_cast<std::size_t>(y - dt)];
            if (sy < 0 || sy >= srcH) continue;
            srcRow = src->Row(sy);
        }
        std::uint32_t* row = painter.Row(y);
        painter.ClipSpan(y, dl, dl + dw - 1, [&](int a, int b) {
            if (straightCopy) {
                // Clamp to the source picture and copy whole runs.
                int from = std::max(a, dl - sl), to = std::min(b, dl - sl + srcW - 1);
                if (from <= to) std::copy(srcRow + (sl + from - dl), srcRow + (sl + to - dl) + 1, row + from);
                return;
            }
            for (int x = a; x <= b; ++x) {
                std::uint32_t s = 0, p = 0;
                if (srcRow) {
                    int sx = sl + columns[static_cast<std::size_t>(x - dl)];
                    if (sx < 0 || sx >= srcW) continue;
                    s = srcRow[sx];
                    if (key && (s & 0xFFFFFF) == *key) continue;
                    if (convert.kind != TSourceConversion::None) s = convert(s);
                }
                if (usesPattern && !brush.At(x, y, p)) continue;
                row[x] = 0xFF000000u | Rop3Fast(rop, p, s, row[x]);
            }
        });
    }
}

}  // namespace

bool PatBlt(HDC DC, int X, int Y, int Width, int Height, unsigned Rop) {
    if (!DC || RopUsesSource(Rop)) return false;
    if (DC->recording) MetaRecordPatBlt(DC, TRect(X, Y, X + Width, Y + Height), Rop);
    BlitImage(DC, DC->ToDevice(X, Y), DC->ToDevice(X + Width, Y + Height), TBlitSource(), TPoint(), TPoint(), Rop,
              nullptr);
    return true;
}

bool StretchBlt(HDC Dest, int X, int Y, int Width, int Height, HDC Source, int SX, int SY, int SWidth, int SHeight,
                unsigned Rop) {
    if (!Dest) return false;
    TPoint d0 = Dest->ToDevice(X, Y), d1 = Dest->ToDevice(X + Width, Y + Height);
    if (!RopUsesSource(Rop)) {
        if (Dest->recording) MetaRecordPatBlt(Dest, TRect(X, Y, X + Width, Y + Height), Rop);
        BlitImage(Dest, d0, d1, TBlitSource(), TPoint(), TPoint(), Rop, nullptr);
        return true;
    }
    if (!Source) return false;
    if (Dest->recording) {
        TPoint s0 = Source->ToDevice(SX, SY), s1 = Source->ToDevice(SX + SWidth, SY + SHeight);
        MetaRecordImage(Dest, TRect(X, Y, X + Width, Y + Height), Source, TPixelBox(s0.x, s0.y, s1.x - 1, s1.y - 1),
                        Rop, nullptr);
    }
    BlitImage(Dest, d0, d1, SourceOf(Source), Source->ToDevice(SX, SY), Source->ToDevice(SX + SWidth, SY + SHeight),
              Rop, nullptr);
    return true;
}

bool BitBlt(HDC Dest, int X, int Y, int Width, int Height, HDC Source, int SX, int SY, unsigned Rop) {
    return StretchBlt(Dest, X, Y, Width, Height, Source, SX, SY, Width, Height, Rop);
}

void DrawImage(HDC DC, const TRect& Rect, HDC Source, unsigned Rop, const COLORREF* Key) {
    if (!DC || !Source || Source->surface->Null()) return;
    std::uint32_t key = Key ? PixelOf(*Key) & 0xFFFFFF : 0;
    if (DC->recording)
        MetaRecordImage(DC, Rect, Source, TPixelBox(0, 0, Source->Width() - 1, Source->Height() - 1), Rop, Key);
    BlitImage(DC, DC->ToDevice(Rect.Left, Rect.Top), DC->ToDevice(Rect.Right, Rect.Bottom), SourceOf(Source),
              TPoint(0, 0), TPoint(Source->Width(), Source->Height()), Rop, Key ? &key : nullptr);
}

COLORREF SetPixel(HDC DC, int X, int Y, COLORREF Color) {
    if (!DC) return CLR_INVALID;
    if (DC->recording) MetaRecordPixel(DC, X, Y, Color);
    TPoint p = DC->ToDevice(X, Y);
    if (DC->surface->Null() || !DC->InClip(p.x, p.y)) return CLR_INVALID;
    std::uint32_t pixel = DC->ColorPixel(Color);
    DC->Image().Row(p.y)[p.x] = pixel;
    return ColorOfPixel(pixel);
}

COLORREF GetPixel(HDC DC, int X, int Y) {
    if (!DC) return CLR_INVALID;
    TPoint p = DC->ToDevice(X, Y);
    if (DC->surface->Null() || !DC->InClip(p.x, p.y)) return CLR_INVALID;
    return ColorOfPixel(DC->Image().Pixel(p.x, p.y));
}
