// The device context: its state, the logical-to-device mapping, the clip
// area and the state functions of Gdi.h.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

#include "platform/gdi/GdiInternal.h"
#include "platform/gdi/MetafileRecords.h"

namespace {

// n / d rounded to the nearest integer, halves away from zero.
long long RoundDiv(long long n, long long d) {
    if (d < 0) { n = -n; d = -d; }
    return n >= 0 ? (2 * n + d) / (2 * d) : -((-2 * n + d) / (2 * d));
}

int ClampCoord(long long v) { return static_cast<int>(std::clamp<long long>(v, -(1LL << 26), 1LL << 26)); }

void SelectDefaults(TDcState& st) {
    st.pen = TGdiRef(GetStockObject(BLACK_PEN));
    st.brush = TGdiRef(GetStockObject(WHITE_BRUSH));
    st.font = TGdiRef(GetStockObject(SYSTEM_FONT));
}

}  // namespace

TDeviceContext::TDeviceContext(TGdiBitmap* Surface, int DpiX, int DpiY, int Technology)
    : surface(Surface), dpiX(DpiX), dpiY(DpiY), technology(Technology) {
    SelectDefaults(st);
}

TDeviceContext::~TDeviceContext() { GdiRelease(surface); }

void TDeviceContext::Reset() {
    saved.clear();
    st = TDcState();
    SelectDefaults(st);
    clipValid = false;
}

TPoint TDeviceContext::ToDevice(int x, int y) const {
    long long lx = static_cast<long long>(x) - st.windowOrg.x, ly = static_cast<long long>(y) - st.windowOrg.y;
    if (st.mapMode != MM_TEXT) {
        lx = RoundDiv(lx * st.viewportExt.cx, st.windowExt.cx);
        ly = RoundDiv(ly * st.viewportExt.cy, st.windowExt.cy);
    }
    return TPoint(ClampCoord(lx + st.viewportOrg.x), ClampCoord(ly + st.viewportOrg.y));
}

TPoint TDeviceContext::ToLogical(int x, int y) const {
    long long dx = static_cast<long long>(x) - st.viewportOrg.x, dy = static_cast<long long>(y) - st.viewportOrg.y;
    if (st.mapMode != MM_TEXT) {
        dx = RoundDiv(dx * st.windowExt.cx, st.viewportExt.cx);
        dy = RoundDiv(dy * st.windowExt.cy, st.viewportExt.cy);
    }
    return TPoint(ClampCoord(dx + st.windowOrg.x), ClampCoord(dy + st.windowOrg.y));
}

double TDeviceContext::ScaleX() const {
    return st.mapMode == MM_TEXT ? 1.0 : double(st.viewportExt.cx) / st.windowExt.cx;
}

double TDeviceContext::ScaleY() const {
    return st.mapMode == MM_TEXT ? 1.0 : double(st.viewportExt.cy) / st.windowExt.cy;
}

int TDeviceContext::DeviceLengthX(int logical) const {
    return static_cast<int>(std::lround(std::fabs(logical * ScaleX())));
}

int TDeviceContext::DeviceLengthY(int logical) const {
    return static_cast<int>(std::lround(std::fabs(logical * ScaleY())));
}

int TDeviceContext::DeviceFontHeight(int logical) const {
    if (logical == 0) return 0;
    int h = static_cast<int>(std::lround(std::fabs(logical * ScaleY())));
    return (logical < 0 ? -1 : 1) * std::max(1, h);
}

TPixelBox TDeviceContext::PageBox() const {
    if (technology == DT_RASPRINTER) return TPixelBox(0, 0, deviceSize.cx - 1, deviceSize.cy - 1);
    return TPixelBox(0, 0, Width() - 1, Height() - 1);
}

void TDeviceContext::BuildClip() {
    TPixelBox device = PageBox();
    clipRects.clear();
    if (!st.hasClip) {
        if (!device.Empty()) clipRects.push_back(device);
    } else {
        clipRects = st.clip.Combined(TPixelRegion(device), TPixelRegion::And).Boxes();
    }
    clipBounds = TPixelBox();
    for (const TPixelBox& r : clipRects) clipBounds = clipBounds.United(r);
    clipValid = true;
}

const std::vector<TPixelBox>& TDeviceContext::ClipRects() {
    if (!clipValid) BuildClip();
    return clipRects;
}

TPixelBox TDeviceContext::ClipBounds() {
    if (!clipValid) BuildClip();
    return clipBounds;
}

bool TDeviceContext::InClip(int x, int y) {
    if (!clipValid) BuildClip();
    if (!clipBounds.Contains(x, y)) return false;
    if (clipRects.size() == 1) return true;
    auto it = std::lower_bound(clipRects.begin(), clipRects.end(), y,
                               [](const TPixelBox& r, int yy) { return r.y1 < yy; });
    for (; it != clipRects.end() && it->y0 <= y; ++it)
        if (it->Contains(x, y)) return true;
    return false;
}

HDC CreateImageDC(int Width, int Height, int Dpi, int Technology) {
    auto* surface = new TGdiBitmap;
    surface->Pixels() = TPixelImage(Width, Height, 0xFFFFFFFFu);
    auto* dc = new TDeviceContext(surface, Dpi, Dpi, Technology);
    dc->deviceSize = TSize{std::max(0, Width), std::max(0, Height)};
    dc->physicalSize = dc->deviceSize;
    return dc;
}

void DeleteImageDC(HDC DC) { delete DC; }

// ---- State ---------------------------------------------------------------
int SetBkMode(HDC DC, int Mode) {
    if (!DC || (Mode != TRANSPARENT && Mode != OPAQUE)) return 0;
    return std::exchange(DC->st.bkMode, Mode);
}
int GetBkMode(HDC DC) { return DC ? DC->st.bkMode : 0; }

COLORREF SetBkColor(HDC DC, COLORREF Color) {
    return DC ? std::exchange(DC->st.bkColor, Color & 0xFFFFFF) : CLR_INVALID;
}
COLORREF GetBkColor(HDC DC) { return DC ? DC->st.bkColor : CLR_INVALID; }
COLORREF SetTextColor(HDC DC, COLORREF Color) {
    return DC ? std::exchange(DC->st.textColor, Color & 0xFFFFFF) : CLR_INVALID;
}
COLORREF GetTextColor(HDC DC) { return DC ? DC->st.textColor : CLR_INVALID; }

int SetROP2(HDC DC, int Mode) {
    if (!DC || Mode < R2_BLACK || Mode > R2_WHITE) return 0;
    return std::exchange(DC->st.rop2, Mode);
}
int GetROP2(HDC DC) { return DC ? DC->st.rop2 : 0; }

unsigned SetTextAlign(HDC DC, unsigned Align) { return DC ? std::exchange(DC->st.textAlign, Align & 31u) : 0; }
unsigned GetTextAlign(HDC DC) { return DC ? DC->st.textAlign : 0; }

int SetPolyFillMode(HDC DC, int Mode) {
    if (!DC || (Mode != ALTERNATE && Mode != WINDING)) return 0;
    return std::exchange(DC->st.polyFillMode, Mode);
}
int GetPolyFillMode(HDC DC) { return DC ? DC->st.polyFillMode : 0; }

bool SetBrushOrgEx(HDC DC, int X, int Y, TPoint* Old) {
    if (!DC) return false;
    if (Old) *Old = DC->st.brushOrg;
    DC->st.brushOrg = TPoint(X, Y);
    return true;
}

bool GetCurrentPositionEx(HDC DC, TPoint* Position) {
    if (!DC || !Position) return false;
    *Position = DC->Position();
    return true;
}

int SaveDC(HDC DC) {
    if (!DC) return 0;
    DC->saved.push_back(DC->st);
    return static_cast<int>(DC->saved.size());
}

bool RestoreDC(HDC DC, int SavedDC) {
    if (!DC) return false;
    int level = SavedDC < 0 ? static_cast<int>(DC->saved.size()) + 1 + SavedDC : SavedDC;
    if (level < 1 || level > static_cast<int>(DC->saved.size())) return false;
    DC->st = DC->saved[static_cast<std::size_t>(level - 1)];
    DC->saved.resize(static_cast<std::size_t>(level - 1));
    DC->ClipChanged();
    return true;
}

// ---- Mapping ---------------------------------------------------------------
namespace {

// In the isotropic mode one logical unit has the same physical size along
// both axes: the viewport extent shrinks along the axis that would stretch more.
void AdjustIsotropic(TDeviceContext* dc) {
    TDcState& st = dc->st;
    if (st.mapMode != MM_ISOTROPIC) return;
    double sx = std::fabs(double(st.viewportExt.cx) / st.windowExt.cx) / dc->dpiX;
    double sy = std::fabs(double(st.viewportExt.cy) / st.windowExt.cy) / dc->dpiY;
    if (sx < sy) {
        long long cy = std::llround(sx * dc->dpiY * std::abs(st.windowExt.cy));
        st.viewportExt.cy = static_cast<int>(std::max(1LL, cy)) * (st.viewportExt.cy < 0 ? -1 : 1);
    } else if (sy < sx) {
        long long cx = std::llround(sy * dc->dpiX * std::abs(st.windowExt.cx));
        st.viewportExt.cx = static_cast<int>(std::max(1LL, cx)) * (st.viewportExt.cx < 0 ? -1 : 1);
    }
}

}  // namespace

int SetMapMode(HDC DC, int Mode) {
    if (!DC || (Mode != MM_TEXT && Mode != MM_ISOTROPIC && Mode != MM_ANISOTROPIC)) return 0;
    int old = std::exchange(DC->st.mapMode, Mode);
    if (Mode == MM_TEXT) {
        DC->st.windowExt = TSize{1, 1};
        DC->st.viewportExt = TSize{1, 1};
    }
    AdjustIsotropic(DC);
    return old;
}
int GetMapMode(HDC DC) { return DC ? DC->st.mapMode : 0; }

bool SetWindowOrgEx(HDC DC, int X, int Y, TPoint* Old) {
    if (!DC) return false;
    if (Old) *Old = DC->st.windowOrg;
    DC->st.windowOrg = TPoint(X, Y);
    return true;
}

bool SetViewportOrgEx(HDC DC, int X, int Y, TPoint* Old) {
    if (!DC) return false;
    if (Old) *Old = DC->st.viewportOrg;
    DC->st.viewportOrg = TPoint(X, Y);
    return true;
}

// The extents only count in the isotropic and anisotropic modes.
bool SetWindowExtEx(HDC DC, int X, int Y, TSize* Old) {
    if (!DC) return false;
    if (Old) *Old = DC->st.windowExt;
    if (DC->st.mapMode == MM_TEXT) return true;
    if (X == 0 || Y == 0) return false;
    DC->st.windowExt = TSize{X, Y};
    AdjustIsotropic(DC);
    return true;
}

bool SetViewportExtEx(HDC DC, int X, int Y, TSize* Old) {
    if (!DC) return false;
    if (Old) *Old = DC->st.viewportExt;
    if (DC->st.mapMode == MM_TEXT) return true;
    if (X == 0 || Y == 0) return false;
    DC->st.viewportExt = TSize{X, Y};
    AdjustIsotropic(DC);
    return true;
}

bool GetWindowExtEx(HDC DC, TSize* Extent) {
    if (!DC || !Extent) return false;
    *Extent = DC->st.windowExt;
    return true;
}

bool GetViewportExtEx(HDC DC, TSize* Extent) {
    if (!DC || !Extent) return false;
    *Extent = DC->st.viewportExt;
    return true;
}

bool LPtoDP(HDC DC, TPoint* Points, int Count) {
    if (!DC || (!Points && Count > 0)) return false;
    for (int i = 0; i < Count; ++i) Points[i] = DC->ToDevice(Points[i].x, Points[i].y);
    return true;
}

bool DPtoLP(HDC DC, TPoint* Points, int Count) {
    if (!DC || (!Points && Count > 0)) return false;
    for (int i = 0; i < Count; ++i) Points[i] = DC->ToLogical(Points[i].x, Points[i].y);
    return true;
}

int GetDeviceCaps(HDC DC, int Index) {
    if (!DC) return 0;
    // A printer's page keeps its size between documents; a bitmap's is its picture's.
    bool printer = DC->technology == DT_RASPRINTER;
    TSize size = printer ? DC->deviceSize : TSize{DC->Width(), DC->Height()};
    TSize physical = printer ? DC->physicalSize : size;
    switch (Index) {
    // A printer records its pages but stays a printer.
    case TECHNOLOGY: return DC->recording && !DC->recording->devicePage ? DT_METAFILE : DC->technology;
    case HORZRES: return size.cx;
    case VERTRES: return size.cy;
    case HORZSIZE: return static_cast<int>(std::lround(size.cx * 25.4 / DC->dpiX));
    case VERTSIZE: return static_cast<int>(std::lround(size.cy * 25.4 / DC->dpiY));
    case BITSPIXEL: return DC->surface->monochrome ? 1 : 32;
    case PLANES: return 1;
    case NUMCOLORS: return DC->surface->monochrome ? 2 : -1;  // -1: more than 256 colours
    case LOGPIXELSX: return DC->dpiX;
    case LOGPIXELSY: return DC->dpiY;
    case PHYSICALWIDTH: return physical.cx;
    case PHYSICALHEIGHT: return physical.cy;
    case PHYSICALOFFSETX: return DC->physicalOffset.x;
    case PHYSICALOFFSETY: return DC->physicalOffset.y;
    default: return 0;
    }
}
