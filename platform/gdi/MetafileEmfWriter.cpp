// The enhanced metafile: 32-bit records after a header with the picture's
// bounds and frame.
#include <cmath>
#include <cstdint>
#include <cstring>

#include "platform/gdi/GdiRaster.h"
#include "platform/gdi/MetafileEmfRecords.h"
#include "platform/gdi/MetafileRecordWriter.h"

namespace {

class TEmf : public TFormat {
public:
    explicit TEmf(const TMetaRecording& m) : m_(m) {}

    void CreatePen(int slot, const LOGPEN& p) override {
        Begin(EMR_CREATEPEN);
        b_.U32(Handle(slot));
        b_.U32(p.lopnStyle);
        b_.I32(p.lopnWidth.x);
        b_.I32(0);
        b_.U32(static_cast<std::uint32_t>(p.lopnColor));
        End();
    }
    void CreateBrush(int slot, const LOGBRUSH& br) override {
        Begin(EMR_CREATEBRUSHINDIRECT);
        b_.U32(Handle(slot));
        b_.U32(br.lbStyle);
        b_.U32(static_cast<std::uint32_t>(br.lbColor));
        b_.U32(static_cast<std::uint32_t>(br.lbHatch));
        End();
    }
    void CreateFont(int slot, const LOGFONT& f) override {
        Begin(EMR_EXTCREATEFONTINDIRECTW);
        b_.U32(Handle(slot));
        b_.I32(f.lfHeight);
        b_.I32(f.lfWidth);
        b_.I32(f.lfEscapement);
        b_.I32(f.lfOrientation);
        b_.I32(f.lfWeight);
        for (Byte v : {f.lfItalic, f.lfUnderline, f.lfStrikeOut, f.lfCharSet, f.lfOutPrecision, f.lfClipPrecision,
                       f.lfQuality, f.lfPitchAndFamily})
            b_.U8(v);
        std::vector<std::uint32_t> face = CodePoints(std::string(f.lfFaceName, strnlen(f.lfFaceName, LF_FACESIZE)));
        for (int i = 0; i < LF_FACESIZE; ++i) b_.U16(i < int(face.size()) && i < LF_FACESIZE - 1 ? face[i] : 0);
        End();
    }
    void Select(int slot) override { One(EMR_SELECTOBJECT, Handle(slot)); }
    void Delete(int slot) override { One(EMR_DELETEOBJECT, Handle(slot)); }
    void Value(int what, std::uint32_t v) override {
        static const unsigned types[] = {EMR_SETTEXTCOLOR, EMR_SETBKCOLOR, EMR_SETBKMODE, EMR_SETROP2,
                                         EMR_SETTEXTALIGN, EMR_SETPOLYFILLMODE};
        One(types[what], v);
    }
    void SaveDC() override {
        Begin(EMR_SAVEDC);
        End();
    }
    void RestoreDC() override { One(EMR_RESTOREDC, static_cast<std::uint32_t>(-1)); }
    void IntersectClip(const TRect& r) override {
        Begin(EMR_INTERSECTCLIPRECT);
        Rect(r);
        End();
    }

    void Draw(const TMetaRecord& r) override {
        const std::vector<TPoint>& p = r.points;
        switch (r.op) {
        case TMetaOp::Line:
            Begin(EMR_MOVETOEX);
            Point(p[0]);
            End();
            Begin(EMR_LINETO);
            Point(p[1]);
            End();
            break;
        case TMetaOp::Polyline:
        case TMetaOp::PolyBezier:
        case TMetaOp::Polygon:
            Begin(r.op == TMetaOp::Polyline ? EMR_POLYLINE : r.op == TMetaOp::Polygon ? EMR_POLYGON : EMR_POLYBEZIER);
            Rect(Bounds(p));
            b_.U32(static_cast<std::uint32_t>(p.size()));
            for (const TPoint& q : p) Point(q);
            End();
            break;
        case TMetaOp::Rectangle:
        case TMetaOp::Ellipse:
            Begin(r.op == TMetaOp::Rectangle ? EMR_RECTANGLE : EMR_ELLIPSE);
            Rect(TRect(p[0], p[1]));
            End();
            break;
        case TMetaOp::RoundRect:
            Begin(EMR_ROUNDRECT);
            Rect(TRect(p[0], p[1]));
            Point(p[2]);
            End();
            break;
        case TMetaOp::Arc:
        case TMetaOp::Pie:
        case TMetaOp::Chord:
            Begin(r.op == TMetaOp::Arc ? EMR_ARC : r.op == TMetaOp::Pie ? EMR_PIE : EMR_CHORD);
            Rect(TRect(p[0], p[1]));
            Point(p[2]);
            Point(p[3]);
            End();
            break;
        case TMetaOp::Pixel:
            Begin(EMR_SETPIXELV);
            Point(p[0]);
            b_.U32(r.options);
            End();
            break;
        case TMetaOp::Text: Text(r); break;
        case TMetaOp::Image: Image(r); break;
        case TMetaOp::PatBlt:
            Begin(EMR_BITBLT);
            Rect(TRect(p[0], p[1]));
            b_.I32(p[0].x);
            b_.I32(p[0].y);
            b_.I32(p[1].x - p[0].x);
            b_.I32(p[1].y - p[0].y);
            b_.U32(r.rop);
            b_.I32(0);  // no source: its position, transform, colour and bits stay empty
            b_.I32(0);
            for (int i = 0; i < 6; ++i) b_.U32(0);
            for (int i = 0; i < 6; ++i) b_.U32(0);
            End();
            break;
        }
    }

    std::string Finish(int handles) {
        Begin(EMR_EOF);
        b_.U32(0);
        b_.U32(16);
        b_.U32(20);
        End();
        TBytes head;
        int w = m_.width, h = m_.height;
        head.U32(EMR_HEADER);
        head.U32(108);
        head.I32(0);  // bounds, device pixels, inclusive
        head.I32(0);
        head.I32(w - 1);
        head.I32(h - 1);
        head.I32(0);  // frame, hundredths of a millimetre, inclusive
        head.I32(0);
        head.I32(static_cast<int>(std::lround(w * 2540.0 / 96)) - 1);
        head.I32(static_cast<int>(std::lround(h * 2540.0 / 96)) - 1);
        head.U32(0x464D4520);  // " EMF"
        head.U32(0x10000);
        head.U32(static_cast<std::uint32_t>(108 + b_.Size()));
        head.U32(static_cast<std::uint32_t>(records_ + 1));
        head.U16(static_cast<unsigned>(handles + 1));  // index 0 is the metafile itself
        head.U16(0);
        head.U32(0);  // no description
        head.U32(0);
        head.U32(0);  // no palette
        // The reference device: a 96 pixels per inch screen of 1024 x 768.
        head.I32(1024);
        head.I32(768);
        head.I32(271);
        head.I32(203);
        head.U32(0);  // no pixel format, no OpenGL
        head.U32(0);
        head.U32(0);
        head.I32(270933);  // the screen in micrometres
        head.I32(203200);
        head.Raw(b_.Str());
        return head.Str();
    }

private:
    static std::uint32_t Handle(int slot) { return static_cast<std::uint32_t>(slot + 1); }
    void Begin(unsigned type) {
        start_ = b_.Size();
        b_.U32(type);
        b_.U32(0);
    }
    void End() {
        b_.PadTo(4);
        b_.Put32(start_ + 4, static_cast<std::uint32_t>(b_.Size() - start_));
        ++records_;
    }
    void One(unsigned type, std::uint32_t v) {
        Begin(type);
        b_.U32(v);
        End();
    }
    void Point(TPoint p) {
        b_.I32(p.x);
        b_.I32(p.y);
    }
    void Rect(const TRect& r) {
        b_.I32(r.Left);
        b_.I32(r.Top);
        b_.I32(r.Right);
        b_.I32(r.Bottom);
    }
    // The figure's bounds, its outermost points included.
    static TRect Bounds(const std::vector<TPoint>& p) {
        const TPixelBox box = PointsBox(p, 0);
        return TRect(box.x0, box.y0, box.x1, box.y1);
    }

    void Text(const TMetaRecord& r) {
        std::vector<std::uint32_t> cps = CodePoints(r.text);
        std::vector<unsigned> units;
        std::vector<int> dx;
        for (std::size_t i = 0; i < cps.size(); ++i) {
            int advance = i < r.dx.size() ? r.dx[i] : 0;
            if (cps[i] >= 0x10000) {
                std::uint32_t v = cps[i] - 0x10000;
                units.push_back(0xD800 + (v >> 10));
                units.push_back(0xDC00 + (v & 0x3FF));
                dx.push_back(advance);
                dx.push_back(0);
            } else {
                units.push_back(cps[i]);
                dx.push_back(advance);
            }
        }
        int width = 0;
        for (int d : dx) width += d;
        Begin(EMR_EXTTEXTOUTW);
        const TPoint& ref = r.points[0];
        Rect(TRect(ref.x, ref.y, ref.x + width, ref.y));
        b_.U32(1);  // compatible graphics mode
        b_.U32(0);  // scales unused in that mode
        b_.U32(0);
        Point(ref);
        b_.U32(static_cast<std::uint32_t>(units.size()));
        std::size_t stringAt = 76, dxAt = stringAt + (units.size() * 2 + 3) / 4 * 4;
        b_.U32(static_cast<std::uint32_t>(stringAt));
        b_.U32(r.options);
        Rect(r.options ? r.rect : TRect());
        b_.U32(static_cast<std::uint32_t>(dxAt));
        for (unsigned u : units) b_.U16(u);
        b_.PadTo(4);
        for (int d : dx) b_.I32(d);
        End();
    }

    void Image(const TMetaRecord& r) {
        const std::vector<TPoint>& p = r.points;
        const TPixelImage& image = *r.image;
        Begin(EMR_STRETCHDIBITS);
        Rect(TRect(p[0], p[1]));
        b_.I32(p[0].x);
        b_.I32(p[0].y);
        b_.I32(0);
        b_.I32(0);
        b_.I32(image.Width());
        b_.I32(image.Height());
        b_.U32(80);  // the bitmap header follows the fixed part
        b_.U32(40);
        b_.U32(120);
        b_.U32(static_cast<std::uint32_t>(DibSize(image) - 40));
        b_.U32(0);  // RGB colours
        b_.U32(r.rop);
        b_.I32(p[1].x - p[0].x);
        b_.I32(p[1].y - p[0].y);
        Dib(b_, image);
        End();
    }

    const TMetaRecording& m_;
    TBytes b_;
    std::size_t start_ = 0;
    int records_ = 0;
};

}  // namespace

std::string WriteEnhancedMetafile(const TMetaRecording& Recording) {
    TEmf emf(Recording);
    TRecordWriter writer(emf);
    for (const TMetaRecord& r : Recording.records) writer.Record(r);
    return emf.Finish(writer.Slots());
}
