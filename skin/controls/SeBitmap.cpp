#include "skin/controls/SeBitmap.h"

#include <algorithm>

#include "platform/gdi/Gdi.h"

namespace {

int Channel(TKColor c, int shift) { return static_cast<int>((c >> shift) & 0xFF); }

TKColor Mix(TKColor from, TKColor to, int num, int den) {
    TKColor out = 0;
    for (int shift = 0; shift < 32; shift += 8) {
        int a = Channel(from, shift), b = Channel(to, shift);
        out |= static_cast<TKColor>(a + (b - a) * num / den) << shift;
    }
    return out;
}

// Source over destination with weight Alpha (0..255); the destination keeps its alpha.
TKColor Blend(TKColor src, TKColor dst, int alpha) {
    TKColor out = dst & 0xFF000000u;
    for (int shift = 0; shift < 24; shift += 8) {
        int s = Channel(src, shift), d = Channel(dst, shift);
        out |= static_cast<TKColor>((s * alpha + d * (255 - alpha) + 127) / 255) << shift;
    }
    return out;
}

}  // namespace

TSeBitmap::TSeBitmap() : bitmap_(new TBitmap) { bitmap_->SetPixelFormat(pf32bit); }

TSeBitmap::TSeBitmap(int AWidth, int AHeight) : TSeBitmap() { SetSize(AWidth, AHeight); }

TSeBitmap::~TSeBitmap() { delete bitmap_; }

void TSeBitmap::SetSize(int AWidth, int AHeight) {
    bitmap_->SetSize(std::max(0, AWidth), std::max(0, AHeight));
    Clear(0xFFFFFFFF);
}

TKColor TSeBitmap::GetPixel(int X, int Y) {
    if (X < 0 || X >= GetWidth()) return ckTransparent;
    TKColor* row = ScanLine(Y);
    return row ? row[X] : ckTransparent;
}

void TSeBitmap::SetPixel(int X, int Y, TKColor Color) {
    if (X < 0 || X >= GetWidth()) return;
    if (TKColor* row = ScanLine(Y)) row[X] = Color;
}

void TSeBitmap::Clear(TKColor Color) { FillRect(Rect(0, 0, GetWidth(), GetHeight()), Color); }

void TSeBitmap::FillRect(const TRect& R, TKColor Color) {
    TRect r;
    if (!IntersectRect(r, R, Rect(0, 0, GetWidth(), GetHeight()))) return;
    for (int y = r.Top; y < r.Bottom; ++y) std::fill(ScanLine(y) + r.Left, ScanLine(y) + r.Right, Color);
}

void TSeBitmap::GradientFill(const TRect& R, TKColor From, TKColor To, bool Vertical) {
    TRect r;
    if (!IntersectRect(r, R, Rect(0, 0, GetWidth(), GetHeight()))) return;
    int steps = std::max(1, (Vertical ? R.Height() : R.Width()) - 1);
    for (int y = r.Top; y < r.Bottom; ++y) {
        TKColor* row = ScanLine(y);
        for (int x = r.Left; x < r.Right; ++x) row[x] = Mix(From, To, Vertical ? y - R.Top : x - R.Left, steps);
    }
}

void TSeBitmap::Draw(TSeBitmap* Dest, int X, int Y) { Draw(Dest, X, Y, Rect(0, 0, GetWidth(), GetHeight())); }

void TSeBitmap::Draw(TSeBitmap* Dest, int X, int Y, const TRect& Source) {
    TRect src;
    if (!IntersectRect(src, Source, Rect(0, 0, GetWidth(), GetHeight()))) return;
    X += src.Left - Source.Left;
    Y += src.Top - Source.Top;
    for (int y = src.Top; y < src.Bottom; ++y) {
        TKColor* to = Dest->ScanLine(Y + y - src.Top);
        if (!to) continue;
        const TKColor* from = ScanLine(y);
        for (int x = src.Left; x < src.Right; ++x) {
            int dx = X + x - src.Left;
            if (dx >= 0 && dx < Dest->GetWidth() && !IsTransparentPixel(from[x])) to[dx] = from[x];
        }
    }
}

void TSeBitmap::AlphaDraw(TSeBitmap* Dest, int X, int Y, int Alpha) {
    Alpha = std::clamp(Alpha, 0, 255);
    if (Alpha == 0) return;
    for (int y = 0; y < GetHeight(); ++y) {
        TKColor* to = Dest->ScanLine(Y + y);
        if (!to) continue;
        const TKColor* from = ScanLine(y);
        for (int x = 0; x < GetWidth(); ++x) {
            int dx = X + x;
            if (dx < 0 || dx >= Dest->GetWidth() || IsTransparentPixel(from[x])) continue;
            to[dx] = Blend(from[x], to[dx], Channel(from[x], 24) * Alpha / 255);
        }
    }
}

void TSeBitmap::StretchDraw(TSeBitmap* Dest, const TRect& DestRect) {
    if (GetEmpty() || DestRect.IsEmpty()) return;
    TRect r;
    if (!IntersectRect(r, DestRect, Rect(0, 0, Dest->GetWidth(), Dest->GetHeight()))) return;
    for (int y = r.Top; y < r.Bottom; ++y) {
        const TKColor* from = ScanLine((y - DestRect.Top) * GetHeight() / DestRect.Height());
        TKColor* to = Dest->ScanLine(y);
        for (int x = r.Left; x < r.Right; ++x) {
            TKColor c = from[(x - DestRect.Left) * GetWidth() / DestRect.Width()];
            if (!IsTransparentPixel(c)) to[x] = c;
        }
    }
}

void TSeBitmap::Tile(TSeBitmap* Dest, const TRect& DestRect) {
    if (GetEmpty()) return;
    TRect r;
    if (!IntersectRect(r, DestRect, Rect(0, 0, Dest->GetWidth(), Dest->GetHeight()))) return;
    for (int y = r.Top; y < r.Bottom; ++y) {
        const TKColor* from = ScanLine((y - DestRect.Top) % GetHeight());
        TKColor* to = Dest->ScanLine(y);
        for (int x = r.Left; x < r.Right; ++x) {
            TKColor c = from[(x - DestRect.Left) % GetWidth()];
            if (!IsTransparentPixel(c)) to[x] = c;
        }
    }
}

void TSeBitmap::CopyFrom(TCanvas* Source, const TRect& SourceRect, int X, int Y) {
    BitBlt(GetDC(), X, Y, SourceRect.Width(), SourceRect.Height(), Source->GetHandle(), SourceRect.Left,
           SourceRect.Top, SRCCOPY);
}

template <class Compose>
void TSeBitmap::OnCanvas(TCanvas* Dest, const TRect& R, Compose compose) {
    if (R.IsEmpty()) return;
    TSeBitmap under(R.Width(), R.Height());
    under.CopyFrom(Dest, R, 0, 0);
    compose(&under);
    for (int y = 0; y < under.GetHeight(); ++y)
        for (TKColor* p = under.ScanLine(y); p != under.ScanLine(y) + under.GetWidth(); ++p) *p |= 0xFF000000u;
    BitBlt(Dest->GetHandle(), R.Left, R.Top, R.Width(), R.Height(), under.GetDC(), 0, 0, SRCCOPY);
}

void TSeBitmap::Draw(TCanvas* Dest, int X, int Y) {
    OnCanvas(Dest, Bounds(X, Y, GetWidth(), GetHeight()), [this](TSeBitmap* under) { Draw(under, 0, 0); });
}

void TSeBitmap::AlphaDraw(TCanvas* Dest, int X, int Y, int Alpha) {
    OnCanvas(Dest, Bounds(X, Y, GetWidth(), GetHeight()),
             [this, Alpha](TSeBitmap* under) { AlphaDraw(under, 0, 0, Alpha); });
}

void TSeBitmap::StretchDraw(TCanvas* Dest, const TRect& DestRect) {
    OnCanvas(Dest, DestRect, [this, &DestRect](TSeBitmap* under) {
        StretchDraw(under, Rect(0, 0, DestRect.Width(), DestRect.Height()));
    });
}

void TSeBitmap::Tile(TCanvas* Dest, const TRect& DestRect) {
    OnCanvas(Dest, DestRect, [this, &DestRect](TSeBitmap* under) {
        Tile(under, Rect(0, 0, DestRect.Width(), DestRect.Height()));
    });
}
