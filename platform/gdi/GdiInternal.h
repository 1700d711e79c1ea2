#pragma once
// Platform-internal: the GDI objects and the device context behind the
// handles of Gdi.h. Never included outside platform/.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/gdi/Gdi.h"
#include "platform/gdi/PixelImage.h"
#include "platform/gdi/PixelRegion.h"
#include "platform/host/HostFont.h"

struct TMetaRecording;

enum class TGdiKind { Pen, Brush, Font, Region, Bitmap };

struct TGdiObject {
    explicit TGdiObject(TGdiKind k) : kind(k) {}
    virtual ~TGdiObject() = default;
    TGdiObject(const TGdiObject&) = delete;
    TGdiObject& operator=(const TGdiObject&) = delete;
    const TGdiKind kind;
    int refs = 1;        // the creator's reference, plus one per selection
    bool stock = false;  // never freed
    bool deleted = false;
};

void GdiAddRef(TGdiObject* Object);
void GdiRelease(TGdiObject* Object);

// A pen, brush or font of these values, shared with every other asker of
// the same values (GdiObjectCache.cpp); the caller gets a reference of its
// own to release, as from the Create functions.
HPEN SharedPen(int Style, int Width, COLORREF Color);
HBRUSH SharedBrush(const LOGBRUSH& Brush);
HFONT SharedFont(const LOGFONT& Font);

struct TGdiPen : TGdiObject {
    TGdiPen() : TGdiObject(TGdiKind::Pen) {}
    unsigned style = PS_SOLID;  // with type, end cap and join bits
    int width = 1;              // logical units for geometric pens
    COLORREF color = 0;
    unsigned Style() const { return style & PS_STYLE_MASK; }
    bool Cosmetic() const { return (style & PS_TYPE_MASK) == PS_COSMETIC && extended; }
    bool extended = false;  // made by ExtCreatePen
};

struct TGdiBrush : TGdiObject {
    TGdiBrush() : TGdiObject(TGdiKind::Brush) {}
    unsigned style = BS_SOLID;
    COLORREF color = 0;
    int hatch = 0;
    TPixelImage pattern;        // BS_PATTERN
    bool patternMono = false;   // made from a monochrome bitmap: coloured by the context it paints on
};

struct TGdiFont : TGdiObject {
    TGdiFont() : TGdiObject(TGdiKind::Font) {}
    LOGFONT lf;
    // The host font realised for one device height, kept for the next call.
    int cachedHeight = 0;
    std::unique_ptr<THostFont> cached;
    const THostFont& Realise(int deviceHeight);
};

struct TGdiRegion : TGdiObject {
    TGdiRegion() : TGdiObject(TGdiKind::Region) {}
    TPixelRegion region;
};

// Text output leaves its host painter open on the pixels from one text to
// the next. Everything else reaches the pixels through Pixels(), which ends
// that painter first: so no one sees the pixels while a painter may still
// hold them, and a painter never outlives the pixels it was opened on.
struct TGdiBitmap : TGdiObject {
    TGdiBitmap() : TGdiObject(TGdiKind::Bitmap) {}
    bool Null() const { return image_.Null(); }
    int Width() const { return image_.Width(); }
    int Height() const { return image_.Height(); }
    // The pixels, to read, write or replace.
    TPixelImage& Pixels() {
        text_.reset();
        return image_;
    }
    // The painter of text output, opened when none is (on pixels that are not Null).
    THostTextPainter& TextPainter() {
        if (!text_) text_ = std::make_unique<THostTextPainter>(image_);
        return *text_;
    }
    // The host's view of the pixels, made and used by the host alone (QtBridge.h).
    std::shared_ptr<void> hostView;
    // One bit per pixel: every pixel is black or white. The pixels stay
    // 32-bit words, so drawing on either kind runs the same code; the
    // context turns each colour it puts down into black or white.
    bool monochrome = false;

private:
    TPixelImage image_;
    std::unique_ptr<THostTextPainter> text_;  // after image_: ends before the pixels go
};

// A counted reference to a selected object.
class TGdiRef {
public:
    TGdiRef() = default;
    explicit TGdiRef(TGdiObject* o) : o_(o) { if (o_) GdiAddRef(o_); }
    TGdiRef(const TGdiRef& r) : TGdiRef(r.o_) {}
    TGdiRef& operator=(const TGdiRef& r) {
        TGdiRef copy(r);
        std::swap(o_, copy.o_);
        return *this;
    }
    ~TGdiRef() { if (o_) GdiRelease(o_); }
    TGdiObject* Get() const { return o_; }

private:
    TGdiObject* o_ = nullptr;
};

struct TDcState {
    TGdiRef pen, brush, font;
    COLORREF textColor = 0, bkColor = 0xFFFFFF;
    int bkMode = OPAQUE;
    int rop2 = R2_COPYPEN;
    unsigned textAlign = 0;
    int polyFillMode = ALTERNATE;
    // The current position, logical: read and set through the context's
    // Position and SetPosition. After a canvas's text output it lies past the
    // end of that text, which is measured only when the position is read.
    TPoint position;
    struct TTextEnd {
        TGdiRef font;  // none when position needs nothing added
        int deviceHeight = 0;
        double scaleX = 1;
        std::string text;
    } textEnd;
    TPoint brushOrg;  // device
    int mapMode = MM_TEXT;
    TPoint windowOrg, viewportOrg;
    TSize windowExt{1, 1}, viewportExt{1, 1};
    bool hasClip = false;
    TPixelRegion clip;  // device
};

struct TDeviceContext {
    TDeviceContext(TGdiBitmap* Surface, int DpiX, int DpiY, int Technology);
    ~TDeviceContext();
    TDeviceContext(const TDeviceContext&) = delete;
    TDeviceContext& operator=(const TDeviceContext&) = delete;

    TPixelImage& Image() { return surface->Pixels(); }
    int Width() const { return surface->Width(); }
    int Height() const { return surface->Height(); }
    // Back to the state of a new context (after the surface changed size).
    void Reset();

    // Logical to device and back, rounding to the nearest pixel.
    TPoint ToDevice(int x, int y) const;
    TPoint ToLogical(int x, int y) const;
    double ScaleX() const;  // device pixels per logical unit, signed
    double ScaleY() const;
    // A logical length along x or y in device pixels (at least Minimum).
    int DeviceLengthX(int logical) const;
    int DeviceLengthY(int logical) const;
    // A font's logical height in device pixels, its sign kept (negative for
    // the character height), at least one pixel unless it is 0.
    int DeviceFontHeight(int logical) const;
    // The device pixels drawing may reach: the surface's picture, or a
    // printer's page, whose drawing is recorded rather than put on pixels.
    TPixelBox PageBox() const;

    TPoint Position();
    void SetPosition(TPoint Logical);

    // The clip area within the picture, as y-x banded rectangles.
    const std::vector<TPixelBox>& ClipRects();
    TPixelBox ClipBounds();
    bool InClip(int x, int y);
    void ClipChanged() { clipValid = false; }

    // The pixel a colour of the state (pen, brush, text, background) puts
    // on this surface: the colour itself, or its nearest of black and white
    // on a monochrome one.
    std::uint32_t ColorPixel(COLORREF c) const;

    TGdiPen* Pen() const { return static_cast<TGdiPen*>(st.pen.Get()); }
    TGdiBrush* Brush() const { return static_cast<TGdiBrush*>(st.brush.Get()); }
    TGdiFont* Font() const { return static_cast<TGdiFont*>(st.font.Get()); }

    TGdiBitmap* surface;  // counted
    int dpiX, dpiY, technology;
    // Printer page: the full sheet and where the printable area starts.
    TSize physicalSize;
    TPoint physicalOffset;
    // A printer page: the size reported as HORZRES/VERTRES (bitmaps report their picture's).
    TSize deviceSize;
    TDcState st;
    std::vector<TDcState> saved;
    // A metafile's context: every drawing call is recorded here as well
    // (MetafileRecords.h). A printer's context records only: its surface
    // has no pixels.
    TMetaRecording* recording = nullptr;

private:
    void BuildClip();
    bool clipValid = false;
    std::vector<TPixelBox> clipRects;
    TPixelBox clipBounds;
};

// Moves the current position to (X + the logical width of Text in the
// current font, Y), as a canvas's text output leaves it.
void MoveToTextEnd(HDC DC, int X, int Y, const char* Text, int Length);

// A context drawing on a new surface (owned by the context) of the given size.
HDC CreateImageDC(int Width, int Height, int Dpi, int Technology);
void DeleteImageDC(HDC DC);

// Draws the whole picture of Source stretched into a logical rectangle of
// DC, through a raster operation, converting between monochrome and colour
// as BitBlt does; source pixels of the Key colour are left out when it is given.
void DrawImage(HDC DC, const TRect& Rect, HDC Source, unsigned Rop, const COLORREF* Key);

// Colour conversions between COLORREF (0x00BBGGRR) and RGB32 pixels.
inline std::uint32_t PixelOf(COLORREF c) {
    auto v = static_cast<std::uint32_t>(c);
    return 0xFF000000u | ((v & 0xFF) << 16) | (v & 0xFF00) | ((v >> 16) & 0xFF);
}
inline COLORREF ColorOfPixel(std::uint32_t p) {
    return static_cast<COLORREF>(((p & 0xFF) << 16) | (p & 0xFF00) | ((p >> 16) & 0xFF));
}

// The pixels of a monochrome surface: 0 bits are black, 1 bits white.
constexpr std::uint32_t kMonoBlack = 0xFF000000u, kMonoWhite = 0xFFFFFFFFu;
// A pen, brush or text colour on a monochrome surface: black or white,
// whichever is nearer in brightness (a red pen on a black-and-white device
// draws black), with the weights of the usual luma sum.
inline std::uint32_t NearestMonoPixel(std::uint32_t p) {
    std::uint32_t luma = ((p >> 16) & 0xFF) * 299 + ((p >> 8) & 0xFF) * 587 + (p & 0xFF) * 114;
    return luma >= 127500 ? kMonoWhite : kMonoBlack;
}

inline std::uint32_t TDeviceContext::ColorPixel(COLORREF c) const {
    return surface->monochrome ? NearestMonoPixel(PixelOf(c)) : PixelOf(c);
}
