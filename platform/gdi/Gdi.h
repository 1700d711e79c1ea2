#pragma once
// The device context and the GDI-style functions the canvas and the chart
// code call on a handle. Coordinates are logical units, mapped to device
// pixels by the context's window and viewport. The pixel rules are those of
// the Windows GDI: a one-pixel line leaves out its last pixel, shapes and
// fills leave out their right and bottom edges, a shape drawn with the null
// pen shrinks by one pixel on the right and bottom.
//
// Objects (pens, brushes, fonts, regions) are reference counted: an object
// deleted while it is selected into a context lives on until it is
// deselected, so the canvas may drop its handles at any time.

#include <cstdint>

#include "platform/gdi/Graphics.h"

using COLORREF = TColor;  // 0x00BBGGRR
constexpr COLORREF CLR_INVALID = -1;

// ---- Object styles ---------------------------------------------------------
enum : unsigned {
    PS_SOLID = 0, PS_DASH = 1, PS_DOT = 2, PS_DASHDOT = 3, PS_DASHDOTDOT = 4, PS_NULL = 5, PS_INSIDEFRAME = 6,
    PS_ALTERNATE = 8, PS_STYLE_MASK = 0xF,
    PS_ENDCAP_ROUND = 0, PS_ENDCAP_SQUARE = 0x100, PS_ENDCAP_FLAT = 0x200, PS_ENDCAP_MASK = 0xF00,
    PS_JOIN_ROUND = 0, PS_JOIN_BEVEL = 0x1000, PS_JOIN_MITER = 0x2000, PS_JOIN_MASK = 0xF000,
    PS_COSMETIC = 0, PS_GEOMETRIC = 0x10000, PS_TYPE_MASK = 0xF0000
};
enum : unsigned { BS_SOLID = 0, BS_NULL = 1, BS_HOLLOW = 1, BS_HATCHED = 2, BS_PATTERN = 3 };
enum : int { HS_HORIZONTAL = 0, HS_VERTICAL = 1, HS_FDIAGONAL = 2, HS_BDIAGONAL = 3, HS_CROSS = 4, HS_DIAGCROSS = 5 };
enum : int { WHITE_BRUSH = 0, LTGRAY_BRUSH = 1, GRAY_BRUSH = 2, DKGRAY_BRUSH = 3, BLACK_BRUSH = 4, NULL_BRUSH = 5,
             WHITE_PEN = 6, BLACK_PEN = 7, NULL_PEN = 8, SYSTEM_FONT = 13, DEFAULT_GUI_FONT = 17 };
// Kinds for GetCurrentObject.
enum : int { OBJ_PEN = 1, OBJ_BRUSH = 2, OBJ_FONT = 6, OBJ_BITMAP = 7, OBJ_REGION = 8 };

// ---- Modes -----------------------------------------------------------------
enum : int { TRANSPARENT = 1, OPAQUE = 2 };
enum : int { R2_BLACK = 1, R2_NOTMERGEPEN = 2, R2_MASKNOTPEN = 3, R2_NOTCOPYPEN = 4, R2_MASKPENNOT = 5, R2_NOT = 6,
             R2_XORPEN = 7, R2_NOTMASKPEN = 8, R2_MASKPEN = 9, R2_NOTXORPEN = 10, R2_NOP = 11, R2_MERGENOTPEN = 12,
             R2_COPYPEN = 13, R2_MERGEPENNOT = 14, R2_MERGEPEN = 15, R2_WHITE = 16 };
// Raster operations of the blits: the third byte is the truth table over
// pattern, source and destination.
enum : unsigned { SRCCOPY = 0x00CC0020, SRCPAINT = 0x00EE0086, SRCAND = 0x008800C6, SRCINVERT = 0x00660046,
                  SRCERASE = 0x00440328, NOTSRCCOPY = 0x00330008, NOTSRCERASE = 0x001100A6, MERGECOPY = 0x00C000CA,
                  MERGEPAINT = 0x00BB0226, PATCOPY = 0x00F00021, PATPAINT = 0x00FB0A09, PATINVERT = 0x005A0049,
                  DSTINVERT = 0x00550009, BLACKNESS = 0x00000042, WHITENESS = 0x00FF0062 };
enum : int { MM_TEXT = 1, MM_ISOTROPIC = 7, MM_ANISOTROPIC = 8 };
enum : int { ALTERNATE = 1, WINDING = 2 };
enum : unsigned { ETO_OPAQUE = 2, ETO_CLIPPED = 4 };

// ---- Regions ---------------------------------------------------------------
enum : int { RGN_AND = 1, RGN_OR = 2, RGN_XOR = 3, RGN_DIFF = 4, RGN_COPY = 5 };
// Region kinds returned by the region and clipping functions.
enum : int { REGION_ERROR = 0, NULLREGION = 1, SIMPLEREGION = 2, COMPLEXREGION = 3 };

// ---- Device capabilities ---------------------------------------------------
enum : int { TECHNOLOGY = 2, HORZSIZE = 4, VERTSIZE = 6, HORZRES = 8, VERTRES = 10, BITSPIXEL = 12, PLANES = 14,
             NUMCOLORS = 24, LOGPIXELSX = 88, LOGPIXELSY = 90, PHYSICALWIDTH = 110, PHYSICALHEIGHT = 111,
             PHYSICALOFFSETX = 112, PHYSICALOFFSETY = 113 };
// A context that records a metafile answers DT_METAFILE, whatever it draws on.
enum : int { DT_RASDISPLAY = 1, DT_RASPRINTER = 2, DT_METAFILE = 5 };

// ---- Records ---------------------------------------------------------------
enum : int { FW_DONTCARE = 0, FW_NORMAL = 400, FW_BOLD = 700 };
enum : Byte { DEFAULT_CHARSET = 1, OUT_DEFAULT_PRECIS = 0, OUT_TT_ONLY_PRECIS = 7, DEFAULT_QUALITY = 0,
              DEFAULT_PITCH = 0, FIXED_PITCH = 1, VARIABLE_PITCH = 2 };
constexpr int LF_FACESIZE = 32;

struct LOGPEN {
    unsigned lopnStyle = PS_SOLID;
    TPoint lopnWidth;  // x is the width
    COLORREF lopnColor = 0;
};

struct LOGBRUSH {
    unsigned lbStyle = BS_SOLID;
    COLORREF lbColor = 0;
    std::intptr_t lbHatch = 0;
};

// Height in logical units: negative for the character height, positive for
// the cell height, 0 for the default. Angles in tenths of a degree,
// counter-clockwise.
struct LOGFONT {
    int lfHeight = 0;
    int lfWidth = 0;
    int lfEscapement = 0;
    int lfOrientation = 0;
    int lfWeight = FW_NORMAL;
    Byte lfItalic = 0;
    Byte lfUnderline = 0;
    Byte lfStrikeOut = 0;
    Byte lfCharSet = DEFAULT_CHARSET;
    Byte lfOutPrecision = OUT_DEFAULT_PRECIS;
    Byte lfClipPrecision = 0;
    Byte lfQuality = DEFAULT_QUALITY;
    Byte lfPitchAndFamily = DEFAULT_PITCH;
    char lfFaceName[LF_FACESIZE] = {};
};

struct BITMAP {
    int bmType = 0;
    int bmWidth = 0;
    int bmHeight = 0;
    int bmWidthBytes = 0;
    Word bmPlanes = 1;
    Word bmBitsPixel = 32;
    void* bmBits = nullptr;
};

// ---- Objects ---------------------------------------------------------------
HPEN CreatePen(int Style, int Width, COLORREF Color);
// Cosmetic pens are one pixel wide whatever the mapping; PS_COSMETIC |
// PS_ALTERNATE lights every other pixel.
HPEN ExtCreatePen(unsigned Style, unsigned Width, const LOGBRUSH* Brush, unsigned StyleCount,
                  const unsigned* StyleEntries);
HBRUSH CreateSolidBrush(COLORREF Color);
HBRUSH CreateHatchBrush(int Hatch, COLORREF Color);
HBRUSH CreatePatternBrush(HBITMAP Bitmap);  // copies the bitmap's pixels
HBRUSH CreateBrushIndirect(const LOGBRUSH* Brush);
HFONT CreateFontIndirect(const LOGFONT* Font);
HGDIOBJ GetStockObject(int Index);
HGDIOBJ SelectObject(HDC DC, HGDIOBJ Object);  // a region selects a copy as the clip region
HGDIOBJ GetCurrentObject(HDC DC, int Kind);
bool DeleteObject(HGDIOBJ Object);
// Copies the object's record (LOGPEN, LOGBRUSH, LOGFONT or BITMAP) into
// Buffer; the size of the record, or 0 when Size is too small.
int GetObject(HGDIOBJ Object, int Size, void* Buffer);

// ---- Regions (device coordinates) -------------------------------------------
HRGN CreateRectRgn(int Left, int Top, int Right, int Bottom);
HRGN CreatePolygonRgn(const TPoint* Points, int Count, int FillMode);
int CombineRgn(HRGN Dest, HRGN Source1, HRGN Source2, int Mode);
int GetRgnBox(HRGN Region, TRect* Box);
bool PtInRegion(HRGN Region, int X, int Y);
int OffsetRgn(HRGN Region, int DX, int DY);
int SelectClipRgn(HDC DC, HRGN Region);  // nullptr removes the clip region
int IntersectClipRect(HDC DC, int Left, int Top, int Right, int Bottom);  // logical
int ExcludeClipRect(HDC DC, int Left, int Top, int Right, int Bottom);    // logical
int GetClipBox(HDC DC, TRect* Box);                                        // logical

// ---- State -------------------------------------------------------------------
int SetBkMode(HDC DC, int Mode);
int GetBkMode(HDC DC);
COLORREF SetBkColor(HDC DC, COLORREF Color);
COLORREF GetBkColor(HDC DC);
COLORREF SetTextColor(HDC DC, COLORREF Color);
COLORREF GetTextColor(HDC DC);
int SetROP2(HDC DC, int Mode);
int GetROP2(HDC DC);
unsigned SetTextAlign(HDC DC, unsigned Align);
unsigned GetTextAlign(HDC DC);
int SetPolyFillMode(HDC DC, int Mode);
int GetPolyFillMode(HDC DC);
bool SetBrushOrgEx(HDC DC, int X, int Y, TPoint* Old);  // device pixels
bool GetCurrentPositionEx(HDC DC, TPoint* Position);
int SaveDC(HDC DC);                  // the new save level, from 1
bool RestoreDC(HDC DC, int SavedDC);  // negative: relative to the current level

// ---- Mapping -----------------------------------------------------------------
int SetMapMode(HDC DC, int Mode);
int GetMapMode(HDC DC);
bool SetWindowOrgEx(HDC DC, int X, int Y, TPoint* Old);
bool SetWindowExtEx(HDC DC, int X, int Y, TSize* Old);
bool SetViewportOrgEx(HDC DC, int X, int Y, TPoint* Old);
bool SetViewportExtEx(HDC DC, int X, int Y, TSize* Old);
bool GetWindowExtEx(HDC DC, TSize* Extent);
bool GetViewportExtEx(HDC DC, TSize* Extent);
bool LPtoDP(HDC DC, TPoint* Points, int Count);
bool DPtoLP(HDC DC, TPoint* Points, int Count);
int GetDeviceCaps(HDC DC, int Index);

// ---- Drawing -----------------------------------------------------------------
bool MoveToEx(HDC DC, int X, int Y, TPoint* Old);
bool LineTo(HDC DC, int X, int Y);
bool Polyline(HDC DC, const TPoint* Points, int Count);
bool PolyBezier(HDC DC, const TPoint* Points, int Count);  // Count = 1 + 3 * curves
bool Polygon(HDC DC, const TPoint* Points, int Count);
bool Rectangle(HDC DC, int Left, int Top, int Right, int Bottom);
bool RoundRect(HDC DC, int Left, int Top, int Right, int Bottom, int Width, int Height);
bool Ellipse(HDC DC, int Left, int Top, int Right, int Bottom);
// Counter-clockwise from the ray through (X3, Y3) to the ray through (X4, Y4).
bool Arc(HDC DC, int Left, int Top, int Right, int Bottom, int X3, int Y3, int X4, int Y4);
bool Pie(HDC DC, int Left, int Top, int Right, int Bottom, int X3, int Y3, int X4, int Y4);
bool Chord(HDC DC, int Left, int Top, int Right, int Bottom, int X3, int Y3, int X4, int Y4);
int FillRect(HDC DC, const TRect* Rect, HBRUSH Brush);
int FrameRect(HDC DC, const TRect* Rect, HBRUSH Brush);
bool PatBlt(HDC DC, int X, int Y, int Width, int Height, unsigned Rop);
bool BitBlt(HDC Dest, int X, int Y, int Width, int Height, HDC Source, int SX, int SY, unsigned Rop);
// Negative widths or heights mirror; pixels are picked, not blended.
bool StretchBlt(HDC Dest, int X, int Y, int Width, int Height, HDC Source, int SX, int SY, int SWidth,
                int SHeight, unsigned Rop);
COLORREF SetPixel(HDC DC, int X, int Y, COLORREF Color);
COLORREF GetPixel(HDC DC, int X, int Y);  // CLR_INVALID outside the picture or the clip region

// ---- Text (UTF-8; Length in bytes, -1 up to the terminating zero) -----------
bool TextOut(HDC DC, int X, int Y, const char* Text, int Length);
// Dx, when given, holds the logical advance of each character.
bool ExtTextOut(HDC DC, int X, int Y, unsigned Options, const TRect* Rect, const char* Text, int Length,
                const int* Dx);
bool GetTextExtentPoint32(HDC DC, const char* Text, int Length, TSize* Size);
