// Regions and the clip region of the device context. Regions hold device
// pixels; a polygon region covers the pixels a polygon fill would.
#include "platform/gdi/GdiRaster.h"

namespace {

TGdiRegion* AsRegion(HGDIOBJ Object) {
    return Object && Object->kind == TGdiKind::Region ? static_cast<TGdiRegion*>(Object) : nullptr;
}

int KindOf(const QRegion& region) {
    if (region.isEmpty()) return NULLREGION;
    return region.rectCount() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

QRect DeviceRect(TDeviceContext* dc, int l, int t, int r, int b) {
    TPoint a = dc->ToDevice(l, t), c = dc->ToDevice(r, b);
    return QRect(QPoint(std::min(a.x, c.x), std::min(a.y, c.y)), QPoint(std::max(a.x, c.x) - 1, std::max(a.y, c.y) - 1));
}

int SetClip(TDeviceContext* dc, const QRegion& region) {
    dc->st.hasClip = true;
    dc->st.clip = region;
    dc->ClipChanged();
    return KindOf(region);
}

QRegion CurrentClip(TDeviceContext* dc) {
    return dc->st.hasClip ? dc->st.clip : QRegion(0, 0, dc->Width(), dc->Height());
}

}  // namespace

HRGN CreateRectRgn(int Left, int Top, int Right, int Bottom) {
    auto* region = new TGdiRegion;
    QRect r(QPoint(std::min(Left, Right), std::min(Top, Bottom)), QPoint(std::max(Left, Right) - 1, std::max(Top, Bottom) - 1));
    if (r.isValid()) region->region = QRegion(r);
    return region;
}

HRGN CreatePolygonRgn(const TPoint* Points, int Count, int FillMode) {
    if (!Points || Count < 3 || (FillMode != ALTERNATE && FillMode != WINDING)) return nullptr;
    std::vector<TPoint> pts(Points, Points + Count);
    // One band per row, touching spans joined, as the region wants them.
    std::vector<QRect> rects;
    int row = 0;
    std::size_t rowStart = 0;
    PolygonSpans(pts, FillMode, -(1 << 26), 1 << 26, [&](int y, int x0, int x1) {
        if (rects.empty() || y != row) {
            row = y;
            rowStart = rects.size();
        }
        if (rects.size() > rowStart && rects.back().right() + 1 >= x0) {
            rects.back().setRight(std::max(rects.back().right(), x1));
            return;
        }
        rects.emplace_back(QPoint(x0, y), QPoint(x1, y));
    });
    auto* region = new TGdiRegion;
    region->region.setRects(rects.data(), static_cast<int>(rects.size()));
    return region;
}

int CombineRgn(HRGN Dest, HRGN Source1, HRGN Source2, int Mode) {
    TGdiRegion *dest = AsRegion(Dest), *a = AsRegion(Source1), *b = AsRegion(Source2);
    if (!dest || !a || (Mode != RGN_COPY && !b)) return REGION_ERROR;
    switch (Mode) {
    case RGN_AND: dest->region = a->region.intersected(b->region); break;
    case RGN_OR: dest->region = a->region.united(b->region); break;
    case RGN_XOR: dest->region = a->region.xored(b->region); break;
    case RGN_DIFF: dest->region = a->region.subtracted(b->region); break;
    case RGN_COPY: dest->region = a->region; break;
    default: return REGION_ERROR;
    }
    return KindOf(dest->region);
}

int GetRgnBox(HRGN Region, TRect* Box) {
    TGdiRegion* region = AsRegion(Region);
    if (!region || !Box) return REGION_ERROR;
    QRect r = region->region.boundingRect();
    *Box = region->region.isEmpty() ? TRect() : TRect(r.left(), r.top(), r.right() + 1, r.bottom() + 1);
    return KindOf(region->region);
}

bool PtInRegion(HRGN Region, int X, int Y) {
    TGdiRegion* region = AsRegion(Region);
    return region && region->region.contains(QPoint(X, Y));
}

int OffsetRgn(HRGN Region, int DX, int DY) {
    TGdiRegion* region = AsRegion(Region);
    if (!region) return REGION_ERROR;
    region->region.translate(DX, DY);
    return KindOf(region->region);
}

int SelectClipRgn(HDC DC, HRGN Region) {
    if (!DC) return REGION_ERROR;
    if (!Region) {
        DC->st.hasClip = false;
        DC->st.clip = QRegion();
        DC->ClipChanged();
        return SIMPLEREGION;
    }
    TGdiRegion* region = AsRegion(Region);
    return region ? SetClip(DC, region->region) : REGION_ERROR;
}

int IntersectClipRect(HDC DC, int Left, int Top, int Right, int Bottom) {
    if (!DC) return REGION_ERROR;
    return SetClip(DC, CurrentClip(DC).intersected(DeviceRect(DC, Left, Top, Right, Bottom)));
}

int ExcludeClipRect(HDC DC, int Left, int Top, int Right, int Bottom) {
    if (!DC) return REGION_ERROR;
    return SetClip(DC, CurrentClip(DC).subtracted(DeviceRect(DC, Left, Top, Right, Bottom)));
}

int GetClipBox(HDC DC, TRect* Box) {
    if (!DC || !Box) return REGION_ERROR;
    QRect bounds = DC->ClipBounds();
    if (bounds.isEmpty()) {
        *Box = TRect();
        return NULLREGION;
    }
    TPoint a = DC->ToLogical(bounds.left(), bounds.top()), b = DC->ToLogical(bounds.right() + 1, bounds.bottom() + 1);
    *Box = TRect(std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y));
    return DC->ClipRects().size() == 1 ? SIMPLEREGION : COMPLEXREGION;
}
