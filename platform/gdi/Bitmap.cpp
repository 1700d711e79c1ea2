// The off-screen bitmap over its own device context, its files, and the
// picture holder.
#include <algorithm>
#include <new>

#include "platform/gdi/BmpFile.h"
#include "platform/gdi/GdiInternal.h"
#include "platform/runtime/FileRead.h"
#include "platform/runtime/FileReplace.h"

namespace {

TPixelFormat FormatOfDepth(int bits) {
    switch (bits) {
    case 1: return pf1bit;
    case 4: return pf4bit;
    case 8: return pf8bit;
    case 16: return pf16bit;
    case 24: return pf24bit;
    case 32: return pf32bit;
    default: return pfDevice;
    }
}

}  // namespace

std::uint32_t* TBitmap::ScanLine(int Row) {
    TPixelImage& image = surface_->Image();
    if (Row < 0 || Row >= image.Height()) return nullptr;
    return image.Row(Row);
}

TBitmap::TBitmap() : surface_(CreateImageDC(0, 0, 96, DT_RASDISPLAY)) {}

TBitmap::~TBitmap() {
    delete canvas_;
    DeleteImageDC(surface_);
}

HDC TBitmap::GetDC() { return surface_; }

HBITMAP TBitmap::GetHandle() { return surface_->surface; }

TCanvas* TBitmap::GetCanvas() {
    if (!canvas_) {
        canvas_ = new TCanvas;
        canvas_->SetHandle(surface_);
    }
    return canvas_;
}

int TBitmap::GetWidth() const { return surface_->surface->Null() ? emptyWidth_ : surface_->Width(); }
int TBitmap::GetHeight() const { return surface_->surface->Null() ? emptyHeight_ : surface_->Height(); }
bool TBitmap::GetEmpty() const { return GetWidth() == 0 || GetHeight() == 0; }
void TBitmap::SetWidth(int Value) { SetSize(Value, GetHeight()); }
void TBitmap::SetHeight(int Value) { SetSize(GetWidth(), Value); }

// A new size keeps the top-left part of the picture; new area is white.
void TBitmap::SetSize(int AWidth, int AHeight) {
    AWidth = std::max(0, AWidth);
    AHeight = std::max(0, AHeight);
    if (AWidth == GetWidth() && AHeight == GetHeight()) return;
    if (static_cast<long long>(AWidth) * AHeight > (1LL << 28))
        throw EOutOfResources("Not enough memory for a bitmap of " + AnsiString(AWidth) + " x " + AnsiString(AHeight));
    emptyWidth_ = AWidth;
    emptyHeight_ = AHeight;
    TPixelImage next;
    try {
        next = TPixelImage(AWidth, AHeight, 0xFFFFFFFFu);
    } catch (const std::bad_alloc&) {
        throw EOutOfResources("Not enough memory for a bitmap");
    }
    const TPixelImage& old = surface_->Image();
    int w = std::min(AWidth, old.Width()), h = std::min(AHeight, old.Height());
    for (int y = 0; y < h && !next.Null(); ++y) std::copy_n(old.Row(y), w, next.Row(y));
    surface_->Image() = std::move(next);
    SurfaceReplaced();
}

// The context starts afresh on a new picture, as the canvas does.
void TBitmap::SurfaceReplaced() {
    surface_->Reset();
    if (canvas_) canvas_->SetHandle(surface_);
    if (OnChange) OnChange(this);
}

void TBitmap::Assign(TPersistent* Source) {
    if (!Source) {
        SetSize(0, 0);
        return;
    }
    auto* bitmap = dynamic_cast<TBitmap*>(Source);
    if (!bitmap) {
        TGraphic::Assign(Source);
        return;
    }
    if (bitmap == this) return;
    surface_->Image() = bitmap->surface_->Image();
    surface_->surface->monochrome = bitmap->surface_->surface->monochrome;
    pixelFormat_ = bitmap->pixelFormat_;
    transparent_ = bitmap->transparent_;
    SurfaceReplaced();
}

void TBitmap::LoadFromFile(const AnsiString& FileName) {
    std::string bytes = ReadRegularFile(FileName, MaxPictureFileBytes);
    int depth = 0;
    bool monochrome = false;
    surface_->Image() = DecodeBmp(bytes, &depth, &monochrome);
    surface_->surface->monochrome = monochrome;
    pixelFormat_ = FormatOfDepth(depth);
    SurfaceReplaced();
}

void TBitmap::SaveToFile(const AnsiString& FileName) {
    if (GetEmpty()) throw EInvalidGraphic("Cannot save an empty bitmap to \"" + FileName + "\"");
    ReplaceFile(FileName, EncodeBmp(surface_->Image(), GetMonochrome()));
}

bool TBitmap::GetMonochrome() const { return surface_->surface->monochrome; }

void TBitmap::SetMonochrome(bool Value) {
    if (Value == GetMonochrome()) return;
    if (Value) {
        // A colour copied onto a monochrome bitmap becomes white where it
        // has the background colour of the context it comes from.
        const std::uint32_t white = PixelOf(GetBkColor(surface_));
        TPixelImage& image = surface_->Image();
        std::uint32_t* p = image.Bits();
        std::uint32_t* end = p + static_cast<std::size_t>(image.Width()) * static_cast<std::size_t>(image.Height());
        for (; p != end; ++p) *p = (*p | 0xFF000000u) == white ? kMonoWhite : kMonoBlack;
        pixelFormat_ = pf1bit;
    } else if (pixelFormat_ == pf1bit) {
        pixelFormat_ = pfDevice;
    }
    surface_->surface->monochrome = Value;
    if (OnChange) OnChange(this);
}

void TBitmap::SetPixelFormat(TPixelFormat Value) {
    if (Value == pf1bit) {
        SetMonochrome(true);
        return;
    }
    SetMonochrome(false);
    pixelFormat_ = Value;
}

// Drawn through the canvas's copy mode; a transparent bitmap leaves out
// the colour of its bottom-left pixel; a monochrome one shows the canvas's
// text colour for its 0 bits and background colour for its 1 bits.
void TBitmap::Draw(TCanvas* ACanvas, const TRect& Rect) {
    if (!ACanvas || GetEmpty()) return;
    HDC dc = ACanvas->GetHandle();
    const TPixelImage& image = surface_->Image();
    COLORREF key = ColorOfPixel(image.Pixel(0, image.Height() - 1));
    DrawImage(dc, Rect, surface_, ACanvas->GetCopyMode(), transparent_ ? &key : nullptr);
}

// ---- Picture ------------------------------------------------------------------
TPicture::~TPicture() { delete graphic_; }

void TPicture::Assign(TPersistent* Source) {
    if (!Source) {
        SetGraphic(nullptr);
    } else if (auto* picture = dynamic_cast<TPicture*>(Source)) {
        if (picture != this) SetGraphic(picture->graphic_);
    } else if (auto* graphic = dynamic_cast<TGraphic*>(Source)) {
        SetGraphic(graphic);
    } else {
        TPersistent::Assign(Source);
    }
}

void TPicture::SetGraphic(TGraphic* Value) {
    if (Value == graphic_) return;
    TGraphic* copy = nullptr;
    if (Value) {
        if (!dynamic_cast<TBitmap*>(Value)) throw EInvalidGraphic("Unsupported graphic format: " + Value->ClassName());
        copy = new TBitmap;
        copy->Assign(Value);
    }
    delete graphic_;
    graphic_ = copy;
    if (OnChange) OnChange(this);
}

TBitmap* TPicture::GetBitmap() {
    auto* bitmap = dynamic_cast<TBitmap*>(graphic_);
    if (!bitmap) {
        delete graphic_;
        bitmap = new TBitmap;
        graphic_ = bitmap;
        if (OnChange) OnChange(this);
    }
    return bitmap;
}

int TPicture::GetWidth() const { return graphic_ ? graphic_->GetWidth() : 0; }
int TPicture::GetHeight() const { return graphic_ ? graphic_->GetHeight() : 0; }

void TPicture::LoadFromFile(const AnsiString& FileName) {
    int dot = FileName.LastDelimiter(".\\/");
    AnsiString ext = dot > 0 && FileName[dot] == '.' ? FileName.SubString(dot + 1, FileName.Length()).LowerCase() : "";
    if (ext != "bmp") throw EInvalidGraphic("Unknown picture file extension (." + ext + ")");
    auto* bitmap = new TBitmap;
    try {
        bitmap->LoadFromFile(FileName);
    } catch (...) {
        delete bitmap;
        throw;
    }
    delete graphic_;
    graphic_ = bitmap;
    if (OnChange) OnChange(this);
}

void TPicture::SaveToFile(const AnsiString& FileName) {
    if (graphic_) graphic_->SaveToFile(FileName);
}
