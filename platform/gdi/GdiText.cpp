// Text of the device context: output at a reference point placed by the
// text alignment (also for text turned by the font's escapement), the
// opaque background cell, clipping to a rectangle, text extents, and the
// current position past a canvas's text, measured when it is read.
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "platform/gdi/GdiRaster.h"
#include "platform/gdi/MetafileRecords.h"

namespace {

TGdiFont* RealisedFont(TDeviceContext* dc, const THostFont*& font) {
    TGdiFont* f = dc->Font();
    if (!f) f = static_cast<TGdiFont*>(GetStockObject(SYSTEM_FONT));
    font = &f->Realise(dc->DeviceFontHeight(f->lf.lfHeight));
    return f;
}

// Turned glyphs have blended edges: on a monochrome surface every pixel
// the line may have touched is put back to black or white. The box holds
// the line's cell turned any way about its reference point.
void KeepMonochrome(TDeviceContext* dc, const THostFont& font, const THostTextLine& line) {
    int width = line.width > 0 ? line.width : font.TextWidth(line.text, line.length);
    int reach = std::abs(line.baseX) + width + std::abs(line.baseY) + font.Ascent() + font.Descent() + 2;
    TPixelBox box(line.refX - reach, line.refY - reach, line.refX + reach, line.refY + reach);
    box = box.Intersected(dc->ClipBounds());
    TPixelImage& image = dc->Image();
    for (int y = box.y0; y <= box.y1; ++y) {
        std::uint32_t* row = image.Row(y);
        for (int x = box.x0; x <= box.x1; ++x) row[x] = NearestMonoPixel(row[x]);
    }
}

TPixelBox DeviceBox(TDeviceContext* dc, const TRect& r) {
    TPoint a = dc->ToDevice(r.Left, r.Top), b = dc->ToDevice(r.Right, r.Bottom);
    return TPixelBox(std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x) - 1, std::max(a.y, b.y) - 1);
}

}  // namespace

bool ExtTextOut(HDC DC, int X, int Y, unsigned Options, const TRect* Rect, const char* Text, int Length, const int* Dx) {
    if (!DC) return false;
    if (DC->recording) MetaRecordText(DC, X, Y, Options, Rect, Text, Length, Dx);
    if (DC->surface->Null()) return true;
    const TDcState& st = DC->st;
    const THostFont* font = nullptr;
    TGdiFont* gdiFont = RealisedFont(DC, font);
    THostTextLine line;
    line.text = Text;
    line.length = Length;
    std::vector<int> advances;
    if (Dx) {
        // The line ends within what a device takes, however far the
        // advances would carry it.
        constexpr long long limit = 1 << 28;
        int count = CharacterCount(line.text, line.length);
        long long width = 0;
        for (int i = 0; i < count; ++i) {
            const long long next = std::clamp<long long>(width + DC->DeviceLengthX(Dx[i]), -limit, limit);
            advances.push_back(static_cast<int>(next - width));
            width = next;
        }
        line.width = static_cast<int>(width);
        line.advances = advances.data();
    } else if ((st.textAlign & (TA_CENTER | TA_UPDATECP)) || st.bkMode == OPAQUE) {
        // Only the alignment, the cell and the current position need the width.
        line.width = font->TextWidth(line.text, line.length);
    }
    int ascent = font->Ascent(), descent = font->Descent();

    TPoint logical = (st.textAlign & TA_UPDATECP) ? DC->Position() : TPoint(X, Y);
    TPoint ref = DC->ToDevice(logical.x, logical.y);
    // Where the text's baseline starts, in the text's own turned frame.
    if ((st.textAlign & TA_CENTER) == TA_CENTER) line.baseX = -line.width / 2;
    else if (st.textAlign & TA_RIGHT) line.baseX = -line.width;
    line.baseY = ascent;
    if ((st.textAlign & TA_BASELINE) == TA_BASELINE) line.baseY = 0;
    else if (st.textAlign & TA_BOTTOM) line.baseY = -descent;
    line.angle = gdiFont->lf.lfEscapement / 10.0;
    line.cell = st.bkMode == OPAQUE && line.width > 0;

    if (Rect && (Options & ETO_OPAQUE)) {
        TPixelPainter painter(DC);
        TBrushPaint back;
        back.kind = TBrushPaint::Solid;
        back.color = DC->ColorPixel(st.bkColor);
        TPixelBox r = DeviceBox(DC, *Rect);
        for (int y = std::max(r.y0, painter.Bounds().y0); y <= std::min(r.y1, painter.Bounds().y1); ++y)
            painter.Span(y, r.x0, r.x1, back, R2_COPYPEN);
    }
    // The host draws the cell and the glyphs through the clip region, and
    // through the rectangle as well when it clips.
    line.refX = ref.x;
    line.refY = ref.y;
    const std::vector<TPixelBox>* clip = st.hasClip ? &DC->ClipRects() : nullptr;
    std::vector<TPixelBox> clipInRect;
    if (Rect && (Options & ETO_CLIPPED)) {
        TPixelRegion inRect(DeviceBox(DC, *Rect));
        clipInRect = (st.hasClip ? st.clip.Combined(inRect, TPixelRegion::And) : inRect).Boxes();
        clip = &clipInRect;
    }
    DC->surface->TextPainter().DrawLine(*font, line, clip, DC->ColorPixel(st.textColor), DC->ColorPixel(st.bkColor));
    if (DC->surface->monochrome && line.angle != 0) KeepMonochrome(DC, *font, line);

    if (st.textAlign & TA_UPDATECP) {
        // The current position moves along the baseline past the text.
        int width = line.width;
        int advance = (st.textAlign & TA_CENTER) == TA_CENTER ? 0 : (st.textAlign & TA_RIGHT) ? -width : width;
        double radians = line.angle * M_PI / 180;
        int dx = static_cast<int>(std::lround(advance * std::cos(radians)));
        int dy = static_cast<int>(std::lround(-advance * std::sin(radians)));
        DC->SetPosition(DC->ToLogical(ref.x + dx, ref.y + dy));
    }
    return true;
}

bool TextOut(HDC DC, int X, int Y, const char* Text, int Length) {
    return ExtTextOut(DC, X, Y, 0, nullptr, Text, Length, nullptr);
}

void MoveToTextEnd(HDC DC, int X, int Y, const char* Text, int Length) {
    if (!DC) return;
    TGdiFont* font = DC->Font();
    if (!font) font = static_cast<TGdiFont*>(GetStockObject(SYSTEM_FONT));
    DC->SetPosition(TPoint(X, Y));
    TDcState::TTextEnd& end = DC->st.textEnd;
    end.font = TGdiRef(font);
    end.deviceHeight = DC->DeviceFontHeight(font->lf.lfHeight);
    end.scaleX = DC->ScaleX();
    if (Length < 0) end.text.assign(Text ? Text : "");
    else end.text.assign(Text, static_cast<std::size_t>(Length));
}

TPoint TDeviceContext::Position() {
    if (TGdiObject* font = st.textEnd.font.Get()) {
        const std::string& text = st.textEnd.text;
        int width = static_cast<TGdiFont*>(font)->Realise(st.textEnd.deviceHeight)
                        .TextWidth(text.data(), static_cast<int>(text.size()));
        st.position.x += static_cast<int>(std::lround(width / std::fabs(st.textEnd.scaleX)));
        st.textEnd = TDcState::TTextEnd();
    }
    return st.position;
}

void TDeviceContext::SetPosition(TPoint Logical) {
    st.position = Logical;
    if (st.textEnd.font.Get()) st.textEnd = TDcState::TTextEnd();
}

bool GetTextExtentPoint32(HDC DC, const char* Text, int Length, TSize* Size) {
    if (!DC || !Size) return false;
    const THostFont* font = nullptr;
    RealisedFont(DC, font);
    int width = font->TextWidth(Text, Length);
    Size->cx = static_cast<int>(std::lround(width / std::fabs(DC->ScaleX())));
    Size->cy = static_cast<int>(std::lround((font->Ascent() + font->Descent()) / std::fabs(DC->ScaleY())));
    return true;
}
