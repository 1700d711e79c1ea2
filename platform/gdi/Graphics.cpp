// Colours and the pen, brush and font of the canvas, each realised as a GDI
// object on demand and dropped whenever a value changes.
#include <algorithm>
#include <cstring>

#include "platform/gdi/GdiInternal.h"
#include "platform/runtime/PublishedProperties.h"

namespace {

// The classic grey desktop scheme, index by index of the system colours
// (values in 0x00BBGGRR order).
const TColor kSystemColors[] = {
    0xC0C0C0,  //  0 scroll bar
    0x808000,  //  1 desktop (teal)
    0x800000,  //  2 active caption (navy)
    0x808080,  //  3 inactive caption
    0xC0C0C0,  //  4 menu
    0xFFFFFF,  //  5 window
    0x000000,  //  6 window frame
    0x000000,  //  7 menu text
    0x000000,  //  8 window text
    0xFFFFFF,  //  9 caption text
    0xC0C0C0,  // 10 active border
    0xC0C0C0,  // 11 inactive border
    0x808080,  // 12 application workspace
    0x800000,  // 13 highlight (navy)
    0xFFFFFF,  // 14 highlight text
    0xC0C0C0,  // 15 button face
    0x808080,  // 16 button shadow
    0x808080,  // 17 grey text
    0x000000,  // 18 button text
    0xC0C0C0,  // 19 inactive caption text
    0xFFFFFF,  // 20 button highlight
    0x000000,  // 21 3-D dark shadow
    0xDFDFDF,  // 22 3-D light
    0x000000,  // 23 tooltip text
    0xE1FFFF,  // 24 tooltip background (pale yellow)
    0xB5B5B5,  // 25 unused
    0x800000,  // 26 hot-tracked item
    0xD08410,  // 27 active caption gradient
    0xB5B5B5,  // 28 inactive caption gradient
    0x800000,  // 29 menu highlight
    0xC0C0C0,  // 30 menu bar
};

// Number * Numerator / Denominator rounded, halves away from zero.
int MulDivRound(int number, int numerator, int denominator) {
    if (denominator == 0) return -1;
    long long n = static_cast<long long>(number) * numerator;
    long long d = denominator;
    if (d < 0) { n = -n; d = -d; }
    long long q = n >= 0 ? (2 * n + d) / (2 * d) : -((-2 * n + d) / (2 * d));
    return static_cast<int>(q);
}

}  // namespace

TColor ColorToRGB(TColor Color) {
    if (Color >= 0) return Color;
    unsigned index = static_cast<unsigned>(Color) & 0xFFFFu;
    return index < std::size(kSystemColors) ? kSystemColors[index] : 0;
}

// ---- Graphics objects --------------------------------------------------------
TGraphicsObject::~TGraphicsObject() { ReleaseHandle(); }

void TGraphicsObject::Changed() {
    ReleaseHandle();
    if (OnChange) OnChange(this);
}

void TGraphicsObject::ReleaseHandle() {
    if (handle_) GdiRelease(handle_);
    handle_ = nullptr;
}

// ---- Pen ------------------------------------------------------------------
TPen::TPen() = default;

void TPen::ValuesChanged() {
    adopted_ = false;
    Changed();
}

void TPen::Assign(TPersistent* Source) {
    auto* pen = dynamic_cast<TPen*>(Source);
    if (!pen) {
        TGraphicsObject::Assign(Source);
        return;
    }
    if (pen == this) {
        if (OnChange) OnChange(this);
        return;
    }
    // Charts hand their pens to the canvas for every point: a pen that
    // already draws the same keeps its handle and tells no one.
    if (!adopted_ && !pen->adopted_ && color_ == pen->color_ && width_ == pen->width_ && style_ == pen->style_ &&
        mode_ == pen->mode_)
        return;
    color_ = pen->color_;
    width_ = pen->width_;
    style_ = pen->style_;
    mode_ = pen->mode_;
    ReleaseHandle();
    adopted_ = pen->adopted_ && pen->handle_;
    if (adopted_) {
        // Share the adopted handle: it cannot be made again from the values.
        handle_ = pen->handle_;
        GdiAddRef(handle_);
    }
    if (OnChange) OnChange(this);
}

void TPen::SetColor(TColor Value) {
    if (Value == color_) return;
    color_ = Value;
    ValuesChanged();
}

void TPen::SetWidth(int Value) {
    if (Value < 0 || Value == width_) return;
    width_ = Value;
    ValuesChanged();
}

void TPen::SetStyle(TPenStyle Value) {
    if (Value == style_) return;
    style_ = Value;
    ValuesChanged();
}

void TPen::SetMode(TPenMode Value) {
    if (Value == mode_) return;
    mode_ = Value;
    ValuesChanged();
}

HPEN TPen::GetHandle() {
    static const int styles[] = {PS_SOLID, PS_DASH, PS_DOT, PS_DASHDOT, PS_DASHDOTDOT, PS_NULL, PS_INSIDEFRAME};
    if (!handle_) handle_ = SharedPen(styles[style_], width_, ColorToRGB(color_));
    return handle_;
}

void TPen::SetHandle(HPEN Value) {
    if (Value == handle_) return;
    ReleaseHandle();
    handle_ = Value;
    adopted_ = Value != nullptr;
    if (OnChange) OnChange(this);
}

// ---- Brush ----------------------------------------------------------------
TBrush::TBrush() = default;

TBrush::~TBrush() { delete bitmap_; }

void TBrush::Assign(TPersistent* Source) {
    auto* brush = dynamic_cast<TBrush*>(Source);
    if (!brush) {
        TGraphicsObject::Assign(Source);
        return;
    }
    if (brush != this && !bitmap_ && !brush->bitmap_ && color_ == brush->color_ && style_ == brush->style_) return;
    if (brush != this) {
        color_ = brush->color_;
        style_ = brush->style_;
        delete bitmap_;
        bitmap_ = nullptr;
        if (brush->bitmap_) {
            bitmap_ = new TBitmap;
            bitmap_->Assign(brush->bitmap_);
        }
    }
    Changed();
}

void TBrush::SetColor(TColor Value) {
    if (Value == color_) return;
    color_ = Value;
    if (style_ == bsClear) style_ = bsSolid;  // a colour makes a clear brush visible again
    Changed();
}

void TBrush::SetStyle(TBrushStyle Value) {
    if (Value == style_) return;
    style_ = Value;
    Changed();
}

void TBrush::SetBitmap(TBitmap* Value) {
    if (Value == bitmap_) return;
    delete bitmap_;
    bitmap_ = nullptr;
    if (Value) {
        bitmap_ = new TBitmap;
        bitmap_->Assign(Value);
    }
    Changed();
}

HBRUSH TBrush::GetHandle() {
    if (handle_) return handle_;
    if (bitmap_ && !bitmap_->GetEmpty()) {
        handle_ = CreatePatternBrush(bitmap_->GetHandle());
    } else {
        LOGBRUSH lb;
        lb.lbColor = ColorToRGB(color_);
        if (style_ == bsClear) {
            lb.lbStyle = BS_NULL;
            lb.lbColor = 0;
        } else if (style_ != bsSolid) {
            lb.lbStyle = BS_HATCHED;
            lb.lbHatch = HS_HORIZONTAL + (style_ - bsHorizontal);
        }
        handle_ = SharedBrush(lb);
    }
    return handle_;
}

// ---- Font -----------------------------------------------------------------
TFont::TFont() = default;

void TFont::Assign(TPersistent* Source) {
    auto* font = dynamic_cast<TFont*>(Source);
    if (!font) {
        TGraphicsObject::Assign(Source);
        return;
    }
    // Keep the point size across resolutions (a screen font onto a printer).
    const int height = pixelsPerInch_ == font->pixelsPerInch_ ? font->height_
                                                              : -MulDivRound(font->GetSize(), pixelsPerInch_, 72);
    const bool sameShape = name_ == font->name_ && style_ == font->style_ && pitch_ == font->pitch_ &&
                           orientation_ == font->orientation_ && height_ == height;
    name_ = font->name_;
    color_ = font->color_;
    style_ = font->style_;
    pitch_ = font->pitch_;
    orientation_ = font->orientation_;
    height_ = height;
    // The host font stays while only the colour (no part of it) changed.
    if (sameShape) {
        if (OnChange) OnChange(this);
    } else {
        Changed();
    }
}

void TFont::SetName(const AnsiString& Value) {
    if (Value.IsEmpty() || Value == name_) return;
    name_ = Value;
    Changed();
}

int TFont::GetSize() const { return -MulDivRound(height_, 72, pixelsPerInch_); }

void TFont::SetSize(int Value) { SetHeight(-MulDivRound(Value, pixelsPerInch_, 72)); }

void TFont::SetHeight(int Value) {
    if (Value == height_) return;
    height_ = Value;
    Changed();
}

void TFont::SetColor(TColor Value) {
    if (Value == color_) return;
    color_ = Value;
    // The colour is the canvas's text colour, no part of the font object.
    if (OnChange) OnChange(this);
}

void TFont::SetStyle(TFontStyles Value) {
    if (Value == style_) return;
    style_ = Value;
    Changed();
}

void TFont::SetPitch(TFontPitch Value) {
    if (Value == pitch_) return;
    pitch_ = Value;
    Changed();
}

HFONT TFont::GetHandle() {
    if (handle_) return handle_;
    LOGFONT lf;
    lf.lfHeight = height_;
    lf.lfEscapement = orientation_;
    lf.lfOrientation = orientation_;
    lf.lfWeight = style_.Contains(fsBold) ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = style_.Contains(fsItalic);
    lf.lfUnderline = style_.Contains(fsUnderline);
    lf.lfStrikeOut = style_.Contains(fsStrikeOut);
    lf.lfPitchAndFamily = pitch_ == fpFixed ? FIXED_PITCH : pitch_ == fpVariable ? VARIABLE_PITCH : DEFAULT_PITCH;
    std::strncpy(lf.lfFaceName, name_.c_str(), LF_FACESIZE - 1);
    handle_ = SharedFont(lf);
    return handle_;
}

void TFont::SetHandle(HFONT Value) {
    if (!Value || Value->kind != TGdiKind::Font || Value == handle_) return;
    const LOGFONT& lf = static_cast<TGdiFont*>(Value)->lf;
    name_ = lf.lfFaceName;
    height_ = lf.lfHeight;
    orientation_ = lf.lfEscapement;
    TFontStyles style;
    if (lf.lfWeight >= 600) style << fsBold;
    if (lf.lfItalic) style << fsItalic;
    if (lf.lfUnderline) style << fsUnderline;
    if (lf.lfStrikeOut) style << fsStrikeOut;
    style_ = style;
    int pitch = lf.lfPitchAndFamily & 3;
    pitch_ = pitch == FIXED_PITCH ? fpFixed : pitch == VARIABLE_PITCH ? fpVariable : fpDefault;
    ReleaseHandle();
    handle_ = Value;
    if (OnChange) OnChange(this);
}

// ---- Form streams -------------------------------------------------------------

namespace {

const TPublishedClassRegistrar<TPen, void> penClass("TPen", [](auto& p) {
    p.Integer("Color", &TPen::GetColor, &TPen::SetColor, clBlack)
        .Enumeration("Mode", &TPen::GetMode, &TPen::SetMode,
                     {"pmBlack", "pmWhite", "pmNop", "pmNot", "pmCopy", "pmNotCopy", "pmMergePenNot", "pmMaskPenNot",
                      "pmMergeNotPen", "pmMaskNotPen", "pmMerge", "pmNotMerge", "pmMask", "pmNotMask", "pmXor",
                      "pmNotXor"},
                     pmCopy)
        .Enumeration("Style", &TPen::GetStyle, &TPen::SetStyle,
                     {"psSolid", "psDash", "psDot", "psDashDot", "psDashDotDot", "psClear", "psInsideFrame"}, psSolid)
        .Integer("Width", &TPen::GetWidth, &TPen::SetWidth, 1);
});

const TPublishedClassRegistrar<TBrush, void> brushClass("TBrush", [](auto& p) {
    p.Integer("Color", &TBrush::GetColor, &TBrush::SetColor, clWhite)
        .Enumeration("Style", &TBrush::GetStyle, &TBrush::SetStyle,
                     {"bsSolid", "bsClear", "bsHorizontal", "bsVertical", "bsFDiagonal", "bsBDiagonal", "bsCross",
                      "bsDiagCross"},
                     bsSolid);
});

// Colour, height and name are always written: their holders start fonts
// of their own.
const TPublishedClassRegistrar<TFont, void> fontClass("TFont", [](auto& p) {
    p.Integer("Color", &TFont::GetColor, &TFont::SetColor)
        .Integer("Height", &TFont::GetHeight, &TFont::SetHeight)
        .String("Name", &TFont::GetName, &TFont::SetName)
        .Enumeration("Pitch", &TFont::GetPitch, &TFont::SetPitch, {"fpDefault", "fpVariable", "fpFixed"}, fpDefault)
        .SetOf("Style", &TFont::GetStyle, &TFont::SetStyle, {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"});
});

}  // namespace
