// Pens, brushes and fonts shared by value: a chart that switches between a
// few colours per point gets the same few objects back instead of making
// (and a font realising its host font) anew at every switch.
#include <array>
#include <cstring>

#include "platform/gdi/GdiInternal.h"

namespace {

// The last few objects made of one kind, each holding the cache's own
// reference; the oldest gives way to a new one.
template <class TKey, std::size_t Size = 32>
class TSharedObjects {
public:
    template <class TMake>
    TGdiObject* Find(const TKey& Key, TMake&& Make) {
        for (TEntry& e : entries_)
            if (e.object && e.key == Key) {
                GdiAddRef(e.object);
                return e.object;
            }
        TGdiObject* made = Make();
        if (!made) return nullptr;
        TEntry& slot = entries_[next_];
        next_ = (next_ + 1) % Size;
        if (slot.object) GdiRelease(slot.object);
        slot = TEntry{Key, made};
        GdiAddRef(made);
        return made;
    }

private:
    struct TEntry {
        TKey key{};
        TGdiObject* object = nullptr;
    };
    std::array<TEntry, Size> entries_{};
    std::size_t next_ = 0;
};

struct TPenKey {
    int style = 0, width = 0;
    COLORREF color = 0;
    bool operator==(const TPenKey&) const = default;
};

struct TBrushKey {
    unsigned style = 0;
    COLORREF color = 0;
    std::intptr_t hatch = 0;
    bool operator==(const TBrushKey&) const = default;
};

struct TFontKey {
    LOGFONT lf;
    bool operator==(const TFontKey& o) const {
        const LOGFONT &a = lf, &b = o.lf;
        return a.lfHeight == b.lfHeight && a.lfWidth == b.lfWidth && a.lfEscapement == b.lfEscapement &&
               a.lfOrientation == b.lfOrientation && a.lfWeight == b.lfWeight && a.lfItalic == b.lfItalic &&
               a.lfUnderline == b.lfUnderline && a.lfStrikeOut == b.lfStrikeOut && a.lfCharSet == b.lfCharSet &&
               a.lfOutPrecision == b.lfOutPrecision && a.lfClipPrecision == b.lfClipPrecision &&
               a.lfQuality == b.lfQuality && a.lfPitchAndFamily == b.lfPitchAndFamily &&
               std::strncmp(a.lfFaceName, b.lfFaceName, LF_FACESIZE) == 0;
    }
};

}  // namespace

HPEN SharedPen(int Style, int Width, COLORREF Color) {
    static TSharedObjects<TPenKey> pens;
    return pens.Find(TPenKey{Style, Width, Color & 0xFFFFFF}, [&] { return CreatePen(Style, Width, Color); });
}

HBRUSH SharedBrush(const LOGBRUSH& Brush) {
    static TSharedObjects<TBrushKey> brushes;
    return brushes.Find(TBrushKey{Brush.lbStyle, Brush.lbColor & 0xFFFFFF, Brush.lbHatch},
                        [&] { return CreateBrushIndirect(&Brush); });
}

HFONT SharedFont(const LOGFONT& Font) {
    static TSharedObjects<TFontKey, 16> fonts;
    return fonts.Find(TFontKey{Font}, [&] { return CreateFontIndirect(&Font); });
}
