#pragma once
// Colours, fonts, pens, brushes, the canvas and the graphic classes of the
// class library. A canvas draws through its device context (Gdi.h), which
// follows the Windows drawing rules pixel for pixel.

#include <cstdint>

#include "platform/runtime/Components.h"
#include "platform/runtime/Events.h"
#include "platform/runtime/Types.h"

struct TDeviceContext;
using HDC = TDeviceContext*;
struct TGdiObject;
using HGDIOBJ = TGdiObject*;
using HPEN = TGdiObject*;
using HBRUSH = TGdiObject*;
using HFONT = TGdiObject*;
using HBITMAP = TGdiObject*;
using HRGN = TGdiObject*;

// ---- Colours -------------------------------------------------------------
constexpr TColor clBlack = 0x000000, clMaroon = 0x000080, clGreen = 0x008000, clOlive = 0x008080,
                 clNavy = 0x800000, clPurple = 0x800080, clTeal = 0x808000, clGray = 0x808080,
                 clSilver = 0xC0C0C0, clRed = 0x0000FF, clLime = 0x00FF00, clYellow = 0x00FFFF,
                 clBlue = 0xFF0000, clFuchsia = 0xFF00FF, clAqua = 0xFFFF00, clLtGray = 0xC0C0C0,
                 clDkGray = 0x808080, clWhite = 0xFFFFFF;
constexpr TColor clNone = 0x1FFFFFFF, clDefault = 0x20000000;
constexpr TColor SystemColor(int index) { return static_cast<TColor>(0x80000000u | static_cast<unsigned>(index)); }
constexpr TColor clScrollBar = SystemColor(0), clBackground = SystemColor(1), clActiveCaption = SystemColor(2),
                 clInactiveCaption = SystemColor(3), clMenu = SystemColor(4), clWindow = SystemColor(5),
                 clWindowFrame = SystemColor(6), clMenuText = SystemColor(7), clWindowText = SystemColor(8),
                 clCaptionText = SystemColor(9), clActiveBorder = SystemColor(10),
                 clInactiveBorder = SystemColor(11), clAppWorkSpace = SystemColor(12),
                 clHighlight = SystemColor(13), clHighlightText = SystemColor(14), clBtnFace = SystemColor(15),
                 clBtnShadow = SystemColor(16), clGrayText = SystemColor(17), clBtnText = SystemColor(18),
                 clInactiveCaptionText = SystemColor(19), clBtnHighlight = SystemColor(20),
                 cl3DDkShadow = SystemColor(21), cl3DLight = SystemColor(22), clInfoText = SystemColor(23),
                 clInfoBk = SystemColor(24);
// A system colour's current RGB value; any other colour unchanged.
TColor ColorToRGB(TColor Color);
constexpr TColor RGB(int r, int g, int b) { return (r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16); }
constexpr int GetRValue(TColor c) { return c & 0xFF; }
constexpr int GetGValue(TColor c) { return (c >> 8) & 0xFF; }
constexpr int GetBValue(TColor c) { return (c >> 16) & 0xFF; }

// ---- Pen, brush, font ----------------------------------------------------
enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
enum TPenMode { pmBlack, pmWhite, pmNop, pmNot, pmCopy, pmNotCopy, pmMergePenNot, pmMaskPenNot,
                pmMergeNotPen, pmMaskNotPen, pmMerge, pmNotMerge, pmMask, pmNotMask, pmXor, pmNotXor };
enum TBrushStyle { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross };
enum TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = Set<TFontStyle>;
enum TFontPitch { fpDefault, fpVariable, fpFixed };

class TBitmap;

// Common part of pen, brush and font: a change notification and the GDI
// object that realises the current values (made on demand).
class TGraphicsObject : public TPersistent {
public:
    ~TGraphicsObject() override;
    TNotifyEvent OnChange;

protected:
    void Changed();
    void ReleaseHandle();
    HGDIOBJ handle_ = nullptr;
};

class TPen : public TGraphicsObject {
public:
    TPen();
    void Assign(TPersistent* Source) override;
    TColor GetColor() const { return color_; }
    void SetColor(TColor Value);
    int GetWidth() const { return width_; }
    void SetWidth(int Value);
    TPenStyle GetStyle() const { return style_; }
    void SetStyle(TPenStyle Value);
    TPenMode GetMode() const { return mode_; }
    void SetMode(TPenMode Value);
    // The GDI pen for the current values; assigning a handle (a cosmetic
    // alternate-dot pen, say) makes the pen use it until the next change;
    // the pen takes the handle over and deletes it.
    HPEN GetHandle();
    void SetHandle(HPEN Value);
    // Whether the pen draws with a handle given by SetHandle, not its values.
    bool HandleGiven() const { return adopted_; }

private:
    void ValuesChanged();
    TColor color_ = clBlack;
    int width_ = 1;
    TPenStyle style_ = psSolid;
    TPenMode mode_ = pmCopy;
    bool adopted_ = false;  // the handle came from SetHandle
};

class TBrush : public TGraphicsObject {
public:
    TBrush();
    ~TBrush() override;
    void Assign(TPersistent* Source) override;
    TColor GetColor() const { return color_; }
    void SetColor(TColor Value);
    TBrushStyle GetStyle() const { return style_; }
    void SetStyle(TBrushStyle Value);
    // A pattern brush; the brush keeps its own copy of the bitmap.
    TBitmap* GetBitmap() const { return bitmap_; }
    void SetBitmap(TBitmap* Value);
    HBRUSH GetHandle();

private:
    TColor color_ = clWhite;
    TBrushStyle style_ = bsSolid;
    TBitmap* bitmap_ = nullptr;
};

class TFont : public TGraphicsObject {
public:
    TFont();
    void Assign(TPersistent* Source) override;
    const AnsiString& GetName() const { return name_; }
    void SetName(const AnsiString& Value);
    // Points; Height is pixels, negative for the character height.
    int GetSize() const;
    void SetSize(int Value);
    int GetHeight() const { return height_; }
    void SetHeight(int Value);
    TColor GetColor() const { return color_; }
    void SetColor(TColor Value);
    TFontStyles GetStyle() const { return style_; }
    void SetStyle(TFontStyles Value);
    TFontPitch GetPitch() const { return pitch_; }
    void SetPitch(TFontPitch Value);
    int GetPixelsPerInch() const { return pixelsPerInch_; }
    void SetPixelsPerInch(int Value) { pixelsPerInch_ = Value; }
    HFONT GetHandle();
    // Takes the values of a GDI font (rotation included) as this font's own;
    // the font takes the handle over and deletes it.
    void SetHandle(HFONT Value);
    // Escapement in tenths of a degree, counter-clockwise; 0 unless set
    // through a handle.
    int GetOrientation() const { return orientation_; }

private:
    AnsiString name_ = "MS Sans Serif";
    int height_ = -11;  // 8 points at 96 pixels per inch
    TColor color_ = clWindowText;
    TFontStyles style_;
    TFontPitch pitch_ = fpDefault;
    int pixelsPerInch_ = 96;
    int orientation_ = 0;
};

// ---- Graphics ------------------------------------------------------------
class TCanvas;

// The largest picture file read: a picture of 8,000 by 8,000 pixels at 32
// bits is 244 MB, more than any chart or skin image; a bigger file is refused
// before it is read.
constexpr std::uint64_t MaxPictureFileBytes = 256ull << 20;

class TGraphic : public TPersistent {
public:
    virtual int GetWidth() const = 0;
    virtual int GetHeight() const = 0;
    virtual void SetWidth(int Value) = 0;
    virtual void SetHeight(int Value) = 0;
    virtual bool GetEmpty() const = 0;
    bool GetTransparent() const { return transparent_; }
    void SetTransparent(bool Value) { transparent_ = Value; }
    virtual void LoadFromFile(const AnsiString& FileName) = 0;
    virtual void SaveToFile(const AnsiString& FileName) = 0;
    // Draws the graphic into Rect of ACanvas, stretched to fit.
    virtual void Draw(TCanvas* ACanvas, const TRect& Rect) = 0;
    TNotifyEvent OnChange;

protected:
    bool transparent_ = false;
};

enum TCopyMode : unsigned { cmBlackness = 0x00000042, cmDstInvert = 0x00550009, cmMergeCopy = 0x00C000CA,
                            cmMergePaint = 0x00BB0226, cmNotSrcCopy = 0x00330008, cmNotSrcErase = 0x001100A6,
                            cmPatCopy = 0x00F00021, cmPatInvert = 0x005A0049, cmPatPaint = 0x00FB0A09,
                            cmSrcAnd = 0x008800C6, cmSrcCopy = 0x00CC0020, cmSrcErase = 0x00440328,
                            cmSrcInvert = 0x00660046, cmSrcPaint = 0x00EE0086, cmWhiteness = 0x00FF0062 };

// Text output flags of TextRect's extended form and of the device context.
enum : unsigned { TA_NOUPDATECP = 0, TA_UPDATECP = 1, TA_LEFT = 0, TA_RIGHT = 2, TA_CENTER = 6, TA_TOP = 0,
                  TA_BOTTOM = 8, TA_BASELINE = 24 };

class TCanvas : public TPersistent {
public:
    TCanvas();
    ~TCanvas() override;

    HDC GetHandle();
    // Attaches a device context the canvas does not own (nullptr detaches).
    void SetHandle(HDC Value);
    bool HandleAllocated() const { return dc_ != nullptr; }

    TPen* GetPen() const { return pen_; }
    TBrush* GetBrush() const { return brush_; }
    TFont* GetFont() const { return font_; }
    void SetPen(TPen* Value) { pen_->Assign(Value); }
    void SetBrush(TBrush* Value) { brush_->Assign(Value); }
    void SetFont(TFont* Value) { font_->Assign(Value); }
    TPoint GetPenPos();
    void SetPenPos(TPoint Value);
    TCopyMode GetCopyMode() const { return copyMode_; }
    void SetCopyMode(TCopyMode Value) { copyMode_ = Value; }
    // The clip box of the device context in logical units.
    TRect GetClipRect();
    TColor GetPixels(int X, int Y);
    void SetPixels(int X, int Y, TColor Value);

    void MoveTo(int X, int Y);
    void LineTo(int X, int Y);
    void Polyline(const TPoint* Points, int Count);
    void Polygon(const TPoint* Points, int Count);
    void PolyBezier(const TPoint* Points, int Count);
    void Rectangle(int X1, int Y1, int X2, int Y2);
    void Rectangle(const TRect& R) { Rectangle(R.Left, R.Top, R.Right, R.Bottom); }
    void RoundRect(int X1, int Y1, int X2, int Y2, int X3, int Y3);
    void Ellipse(int X1, int Y1, int X2, int Y2);
    void Ellipse(const TRect& R) { Ellipse(R.Left, R.Top, R.Right, R.Bottom); }
    void Arc(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4);
    void Pie(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4);
    void Chord(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4);
    void FillRect(const TRect& Rect);
    void FrameRect(const TRect& Rect);
    void TextOut(int X, int Y, const AnsiString& Text);
    // Text clipped to Rect, drawn at (X, Y).
    void TextRect(const TRect& Rect, int X, int Y, const AnsiString& Text);
    int TextWidth(const AnsiString& Text);
    int TextHeight(const AnsiString& Text);
    TSize TextExtent(const AnsiString& Text);
    void Draw(int X, int Y, TGraphic* Graphic);
    void StretchDraw(const TRect& Rect, TGraphic* Graphic);
    void CopyRect(const TRect& Dest, TCanvas* Canvas, const TRect& Source);

    TNotifyEvent OnChange;

protected:
    void Changed();
    // Selects pen, brush and font into the device context before drawing.
    void RequiredState();
    virtual void CreateHandle() {}
    HDC dc_ = nullptr;

private:
    TPen* pen_;
    TBrush* brush_;
    TFont* font_;
    TCopyMode copyMode_ = cmSrcCopy;
    unsigned valid_ = 0;  // which of pen, brush and font the context holds
};

enum TPixelFormat { pfDevice, pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit };

// An off-screen picture with its own device context. Saved and loaded as a
// Windows bitmap file (.bmp, bottom-up: 24 bits per pixel, 1 bit when
// monochrome).
//
// A monochrome bitmap holds only black (0 bits) and white (1 bits): its
// canvas draws each colour as the nearer of the two, drawing it on a colour
// canvas shows 0 bits in that canvas's text colour and 1 bits in its
// background colour, and a colour picture copied onto it turns white where
// it has the background colour of the context it comes from, black
// elsewhere (the BitBlt rules).
class TBitmap : public TGraphic {
public:
    TBitmap();
    ~TBitmap() override;
    void Assign(TPersistent* Source) override;
    int GetWidth() const override;
    int GetHeight() const override;
    void SetWidth(int Value) override;
    void SetHeight(int Value) override;
    void SetSize(int AWidth, int AHeight);
    bool GetEmpty() const override;
    // pf1bit is the monochrome picture; leaving it makes the picture colour.
    TPixelFormat GetPixelFormat() const { return pixelFormat_; }
    void SetPixelFormat(TPixelFormat Value);
    // Turning monochrome keeps white the pixels of the background colour of
    // the bitmap's own context (the canvas's brush colour once it has drawn)
    // and makes all others black; turning back to colour keeps the black
    // and white pixels.
    bool GetMonochrome() const;
    void SetMonochrome(bool Value);
    TCanvas* GetCanvas();
    void LoadFromFile(const AnsiString& FileName) override;  // EInvalidGraphic on a bad file
    void SaveToFile(const AnsiString& FileName) override;    // EFCreateError when it cannot write
    void Draw(TCanvas* ACanvas, const TRect& Rect) override;
    // The bitmap's own device context (drawn on through GetCanvas()).
    HDC GetDC();
    // The GDI bitmap behind the picture, e.g. for a pattern brush.
    HBITMAP GetHandle();
    // Row Row of pixels, top-down, 32 bits each (0xffRRGGBB as drawn by the
    // device context; only 0xff000000 and 0xffffffff when monochrome);
    // nullptr outside the picture.
    std::uint32_t* ScanLine(int Row);

private:
    void SurfaceReplaced();
    TDeviceContext* surface_;
    TCanvas* canvas_ = nullptr;
    // The size asked for while the picture is empty (one side 0), so that
    // setting the width and then the height gives that size.
    int emptyWidth_ = 0, emptyHeight_ = 0;
    TPixelFormat pixelFormat_ = pfDevice;
};

// Holds one graphic of any kind; the picture of a TImage.
class TPicture : public TPersistent {
public:
    ~TPicture() override;
    void Assign(TPersistent* Source) override;
    TGraphic* GetGraphic() const { return graphic_; }
    void SetGraphic(TGraphic* Value);  // copies Value
    TBitmap* GetBitmap();              // replaces any other graphic by an empty bitmap
    int GetWidth() const;
    int GetHeight() const;
    void LoadFromFile(const AnsiString& FileName);
    void SaveToFile(const AnsiString& FileName);
    TNotifyEvent OnChange;

private:
    TGraphic* graphic_ = nullptr;
};
