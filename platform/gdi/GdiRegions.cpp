// Regions and the clip region of the device context. Regions hold device
// pixels; a polygon region covers the pixels a polygon fill would.
#include "platform/gdi/GdiRaster.h"

namespace {

TGdiRegion* AsRegion(HGDIOBJ Object) {
    return Object && Object->kind == TGdiKind::Region ? static_cast<TGdiRegion*>(Object) : nullptr;
}

int KindOf(const TPixelRegion& region) {
    if (region.Empty()) return NULLREGION;
    return region.Boxes().size() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

TPixelRegion DeviceRegion(TDeviceContext* dc, int l, int t, int r, int b) {
    TPoint a = dc->ToDevice(l, t), c = dc->ToDevice(r, b);
    return TPixelRegion(TPixelBox(std::min(a.x, c.x), std::min(a.y, c.y), std::max(a.x, c.x) - 1, std::max(a.y, c.y) - 1));
}

int SetClip(TDeviceContext* dc, const TPixelRegion& region) {
    dc->st.hasClip = true;
    dc->st.clip = region;
    dc->ClipChanged();
    return KindOf(region);
}

TPixelRegion CurrentClip(TDeviceContext* dc) {
    return dc->st.hasClip ? dc->st.clip : TPixelRegion(dc->PageBox());
}

}  // namespace

HRGN CreateRectRgn(int Left, int Top, int Right, int Bottom) {
    auto* region = new TGdiRegion;
    region->region = TPixelRegion(
        TPixelBox(std::min(Left, Right), std::min(Top, Bottom), std::max(Left, Right) - 1, std::max(Top, Bottom) - 1));
    return region;
}

HRGN CreatePolygonRgn(const TPoint* Points, int Count, int FillMode) {
    if (!Points || Count < 3 || (FillMode != ALTERNATE && FillMode != WINDING)) return nullptr;
    std::vector<TPoint> pts(Points, Points + Count);
    // One band per row, touching spans joined, as the region wants them.
    std::vector<TPixelBox> rows;
    int row = 0;
    std::size_t rowStart = 0;
    PolygonSpans(pts, FillMode, -(1 << 26), 1 << 26, [&](int y, int x0, int x1) {
        if (rows.empty() || y != row) {
            row = y;
            rowStart = rows.size();
        }
        if (rows.size() > rowStart && rows.back().x1 + 1 >= x0) {
            rows.back().x1 = std::max(rows.back().x1, x1);
            return;
        }
        rows.emplace_back(x0, y, x1, y);
    });
    auto* region = new TGdiRegion;
    region->region = TPixelRegion::FromRows(rows);
    return region;
}

int CombineRgn(HRGN Dest, HRGN Source1, HRGN Source2, int Mode) {
    TGdiRegion *dest = AsRegion(Dest), *a = AsRegion(Source1), *b = AsRegion(Source2);
    if (!dest || !a || (Mode != RGN_COPY && !b)) return REGION_ERROR;
    switch (Mode) {
    case RGN_AND: dest->region = a->region.Combined(b->region, TPixelRegion::And); break;
    case RGN_OR: dest->region = a->region.Combined(b->region, TPixelRegion::Or); break;
    case RGN_XOR: dest->region = a->region.Combined(b->region, TPixelRegion::Xor); break;
    case RGN_DIFF: dest->region = a->region.Combined(b->region, TPixelRegion::Diff); break;
    case RGN_COPY: dest->region = a->region; break;
    default: return REGION_ERROR;
    }
    return KindOf(dest->region);
}

int GetRgnBox(HRGN Region, TRect* Box) {
    TGdiRegion* region = AsRegion(Region);
    if (!region || !Box) return REGION_ERROR;
    TPixelBox r = region->region.Bounds();
    *Box = r.Empty() ? TRect() : TRect(r.x0, r.y0, r.x1 + 1, r.y1 + 1);
    return KindOf(region->region);
}

bool PtInRegion(HRGN Region, int X, int Y) {
    TGdiRegion* region = AsRegion(Region);
    return region && region->region.Contains(X, Y);
}

int OffsetRgn(HRGN Region, int DX, int DY) {
    TGdiRegion* region = AsRegion(Region);
    if (!region) return REGION_ERROR;
    region->region.Offset(DX, DY);
    return KindOf(region->region);
}

int SelectClipRgn(HDC DC, HRGN Region) {
    if (!DC) return REGION_ERROR;
    if (!Region) {
        DC->st.hasClip = false;
        DC->st.clip = TPixelRegion();
        DC->ClipChanged();
        return SIMPLEREGION;
    }
    TGdiRegion* region = AsRegion(Region);
    return region ? SetClip(DC, region->region) : REGION_ERROR;
}

int IntersectClipRect(HDC DC, int Left, int Top, int Right, int Bottom) {
    if (!DC) return REGION_ERROR;
    return SetClip(DC, CurrentClip(DC).Combined(DeviceRegion(DC, Left, Top, Right, Bottom), TPixelRegion::And));
}

int ExcludeClipRect(HDC DC, int Left, int Top, int Right, int Bottom) {
    if (!DC) return REGION_ERROR;
    return SetClip(DC, CurrentClip(DC).Combined(DeviceRegion(DC, Left, Top, Right, Bottom), TPixelRegion::Diff));
}

int GetClipBox(HDC DC, TRect* Box) {
    if (!DC || !Box) return REGION_ERROR;
    TPixelBox bounds = DC->ClipBounds();
    if (bounds.Empty()) {
        *Box = TRect();
        return NULLREGION;
    }
    TPoint a = DC->ToLogical(bounds.x0, bounds.y0), b = DC->ToLogical(bounds.x1 + 1, bounds.y1 + 1);
    *Box = TRect(std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y));
    return DC->ClipRects().size() == 1 ? SIMPLEREGION : COMPLEXREGION;
}
