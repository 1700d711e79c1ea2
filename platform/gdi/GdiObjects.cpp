// Pens, brushes, fonts and bitmaps of the device context, their stock
// instances, selection and reference counting.
#include <algorithm>
#include <cstring>

#include "platform/gdi/GdiInternal.h"

void GdiAddRef(TGdiObject* Object) {
    if (Object) ++Object->refs;
}

void GdiRelease(TGdiObject* Object) {
    if (!Object || Object->stock) return;
    if (--Object->refs == 0) delete Object;
}

bool DeleteObject(HGDIOBJ Object) {
    if (!Object) return false;
    if (Object->stock) return true;
    if (Object->deleted) return false;
    Object->deleted = true;
    GdiRelease(Object);
    return true;
}

namespace {

TGdiPen* NewPen(unsigned style, int width, COLORREF color, bool extended) {
    auto* pen = new TGdiPen;
    pen->style = style;
    pen->width = std::max(0, width);
    pen->color = color & 0xFFFFFF;
    pen->extended = extended;
    return pen;
}

TGdiBrush* NewBrush(unsigned style, COLORREF color, int hatch) {
    auto* brush = new TGdiBrush;
    brush->style = style;
    brush->color = color & 0xFFFFFF;
    brush->hatch = hatch;
    return brush;
}

template <class T>
T* MakeStock(T* object) {
    object->stock = true;
    return object;
}

}  // namespace

HPEN CreatePen(int Style, int Width, COLORREF Color) {
    unsigned style = static_cast<unsigned>(Style) & PS_STYLE_MASK;
    if (style > PS_INSIDEFRAME) style = PS_SOLID;
    return NewPen(style, Width, Color, false);
}

HPEN ExtCreatePen(unsigned Style, unsigned Width, const LOGBRUSH* Brush, unsigned StyleCount,
                  const unsigned* StyleEntries) {
    (void)StyleEntries;
    if (!Brush || StyleCount != 0) return nullptr;  // user-defined dash arrays are not supported
    unsigned kind = Style & PS_TYPE_MASK;
    if (kind == PS_COSMETIC && Width != 1) return nullptr;
    if (Brush->lbStyle == BS_NULL) return NewPen(PS_NULL, 0, 0, true);
    return NewPen(Style, static_cast<int>(std::min(Width, 1u << 20)), Brush->lbColor, true);
}

HBRUSH CreateSolidBrush(COLORREF Color) { return NewBrush(BS_SOLID, Color, 0); }

HBRUSH CreateHatchBrush(int Hatch, COLORREF Color) {
    if (Hatch < HS_HORIZONTAL || Hatch > HS_DIAGCROSS) return nullptr;
    return NewBrush(BS_HATCHED, Color, Hatch);
}

HBRUSH CreatePatternBrush(HBITMAP Bitmap) {
    if (!Bitmap || Bitmap->kind != TGdiKind::Bitmap) return nullptr;
    auto* bitmap = static_cast<TGdiBitmap*>(Bitmap);
    const TPixelImage& image = bitmap->Pixels();
    if (image.Null()) return nullptr;
    auto* brush = NewBrush(BS_PATTERN, 0, 0);
    brush->pattern = image;
    brush->patternMono = bitmap->monochrome;
    return brush;
}

HBRUSH CreateBrushIndirect(const LOGBRUSH* Brush) {
    if (!Brush) return nullptr;
    switch (Brush->lbStyle) {
    case BS_SOLID: return CreateSolidBrush(Brush->lbColor);
    case BS_NULL: return NewBrush(BS_NULL, 0, 0);
    case BS_HATCHED: return CreateHatchBrush(static_cast<int>(Brush->lbHatch), Brush->lbColor);
    default: return nullptr;
    }
}

HFONT CreateFontIndirect(const LOGFONT* Font) {
    if (!Font) return nullptr;
    auto* font = new TGdiFont;
    font->lf = *Font;
    font->lf.lfFaceName[LF_FACESIZE - 1] = 0;
    return font;
}

HGDIOBJ GetStockObject(int Index) {
    static TGdiObject* const stock[] = {
        MakeStock(NewBrush(BS_SOLID, 0xFFFFFF, 0)),
        MakeStock(NewBrush(BS_SOLID, 0xC0C0C0, 0)),
        MakeStock(NewBrush(BS_SOLID, 0x808080, 0)),
        MakeStock(NewBrush(BS_SOLID, 0x404040, 0)),
        MakeStock(NewBrush(BS_SOLID, 0x000000, 0)),
        MakeStock(NewBrush(BS_NULL, 0, 0)),
        MakeStock(NewPen(PS_SOLID, 0, 0xFFFFFF, false)),
        MakeStock(NewPen(PS_SOLID, 0, 0x000000, false)),
        MakeStock(NewPen(PS_NULL, 0, 0, false)),
    };
    static TGdiFont* const systemFont = [] {
        LOGFONT lf;
        lf.lfHeight = 16;
        lf.lfWeight = FW_BOLD;
        std::strcpy(lf.lfFaceName, "System");
        return MakeStock(static_cast<TGdiFont*>(CreateFontIndirect(&lf)));
    }();
    static TGdiFont* const guiFont = [] {
        LOGFONT lf;
        lf.lfHeight = -11;
        std::strcpy(lf.lfFaceName, "MS Sans Serif");
        return MakeStock(static_cast<TGdiFont*>(CreateFontIndirect(&lf)));
    }();
    if (Index >= 0 && Index <= NULL_PEN) return stock[Index];
    if (Index == SYSTEM_FONT) return systemFont;
    if (Index == DEFAULT_GUI_FONT) return guiFont;
    return nullptr;
}

HGDIOBJ SelectObject(HDC DC, HGDIOBJ Object) {
    if (!DC || !Object) return nullptr;
    TGdiRef* slot = nullptr;
    switch (Object->kind) {
    case TGdiKind::Pen: slot = &DC->st.pen; break;
    case TGdiKind::Brush: slot = &DC->st.brush; break;
    case TGdiKind::Font: slot = &DC->st.font; break;
    case TGdiKind::Region: SelectClipRgn(DC, Object); return nullptr;
    case TGdiKind::Bitmap: return nullptr;
    }
    TGdiObject* previous = slot->Get();
    *slot = TGdiRef(Object);
    return previous;
}

HGDIOBJ GetCurrentObject(HDC DC, int Kind) {
    if (!DC) return nullptr;
    switch (Kind) {
    case OBJ_PEN: return DC->st.pen.Get();
    case OBJ_BRUSH: return DC->st.brush.Get();
    case OBJ_FONT: return DC->st.font.Get();
    case OBJ_BITMAP: return DC->surface;
    default: return nullptr;
    }
}

int GetObject(HGDIOBJ Object, int Size, void* Buffer) {
    if (!Object) return 0;
    auto copy = [&](const auto& record) {
        int need = static_cast<int>(sizeof(record));
        if (!Buffer) return need;
        if (Size < need) return 0;
        std::memcpy(Buffer, &record, sizeof(record));
        return need;
    };
    switch (Object->kind) {
    case TGdiKind::Pen: {
        auto* pen = static_cast<TGdiPen*>(Object);
        LOGPEN lp;
        lp.lopnStyle = pen->style;
        lp.lopnWidth = TPoint(pen->width, 0);
        lp.lopnColor = pen->color;
        return copy(lp);
    }
    case TGdiKind::Brush: {
        auto* brush = static_cast<TGdiBrush*>(Object);
        LOGBRUSH lb;
        lb.lbStyle = brush->style;
        lb.lbColor = brush->color;
        lb.lbHatch = brush->hatch;
        return copy(lb);
    }
    case TGdiKind::Font: return copy(static_cast<TGdiFont*>(Object)->lf);
    case TGdiKind::Bitmap: {
        const auto* bitmap = static_cast<TGdiBitmap*>(Object);
        BITMAP bm;
        bm.bmWidth = bitmap->Width();
        bm.bmHeight = bitmap->Height();
        // A monochrome bitmap's rows are bits padded to whole 16-bit words.
        bm.bmBitsPixel = bitmap->monochrome ? 1 : 32;
        bm.bmWidthBytes = bitmap->monochrome ? (bitmap->Width() + 15) / 16 * 2 : bitmap->Width() * 4;
        return copy(bm);
    }
    case TGdiKind::Region: return 0;
    }
    return 0;
}

// ---- Fonts ---------------------------------------------------------------
const THostFont& TGdiFont::Realise(int deviceHeight) {
    if (!cached || cachedHeight != deviceHeight) {
        cached = std::make_unique<THostFont>(lf, deviceHeight);
        cachedHeight = deviceHeight;
    }
    return *cached;
}
