// The placeable Windows metafile: 16-bit records after a header that gives
// the picture's size in units per inch.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "platform/gdi/MetafileRecordWriter.h"

namespace {

enum : unsigned {
    META_EOF = 0x0000, META_SAVEDC = 0x001E, META_SETBKMODE = 0x0102, META_SETROP2 = 0x0104,
    META_SETPOLYFILLMODE = 0x0106, META_RESTOREDC = 0x0127, META_SELECTOBJECT = 0x012D, META_SETTEXTALIGN = 0x012E,
    META_DELETEOBJECT = 0x01F0, META_SETBKCOLOR = 0x0201, META_SETTEXTCOLOR = 0x0209, META_SETWINDOWORG = 0x020B,
    META_SETWINDOWEXT = 0x020C, META_LINETO = 0x0213, META_MOVETO = 0x0214, META_CREATEPENINDIRECT = 0x02FA,
    META_CREATEFONTINDIRECT = 0x02FB, META_CREATEBRUSHINDIRECT = 0x02FC, META_POLYGON = 0x0324,
    META_POLYLINE = 0x0325, META_INTERSECTCLIPRECT = 0x0416, META_ELLIPSE = 0x0418, META_RECTANGLE = 0x041B,
    META_SETPIXEL = 0x041F, META_ROUNDRECT = 0x061C, META_PATBLT = 0x061D, META_ARC = 0x0817, META_PIE = 0x081A,
    META_CHORD = 0x0830, META_EXTTEXTOUT = 0x0A32, META_STRETCHDIB = 0x0F43
};

class TWmf : public TFormat {
public:
    explicit TWmf(const TMetaRecording& m) : m_(m) {
        Begin(META_SETWINDOWORG);
        b_.I16(0);
        b_.I16(0);
        End();
        Begin(META_SETWINDOWEXT);
        b_.I16(m.height);
        b_.I16(m.width);
        End();
    }

    void CreatePen(int, const LOGPEN& p) override {
        Begin(META_CREATEPENINDIRECT);
        b_.U16(p.lopnStyle);
        b_.I16(p.lopnWidth.x);
        b_.I16(0);
        b_.U32(static_cast<std::uint32_t>(p.lopnColor));
        End();
    }
    void CreateBrush(int, const LOGBRUSH& br) override {
        Begin(META_CREATEBRUSHINDIRECT);
        b_.U16(br.lbStyle);
        b_.U32(static_cast<std::uint32_t>(br.lbColor));
        b_.U16(static_cast<unsigned>(br.lbHatch));
        End();
    }
    void CreateFont(int, const LOGFONT& f) override {
        Begin(META_CREATEFONTINDIRECT);
        b_.I16(f.lfHeight);
        b_.I16(f.lfWidth);
        b_.I16(f.lfEscapement);
        b_.I16(f.lfOrientation);
        b_.I16(f.lfWeight);
        for (Byte v : {f.lfItalic, f.lfUnderline, f.lfStrikeOut, f.lfCharSet, f.lfOutPrecision, f.lfClipPrecision,
                       f.lfQuality, f.lfPitchAndFamily})
            b_.U8(v);
        std::string face = Latin1(std::string(f.lfFaceName, strnlen(f.lfFaceName, LF_FACESIZE)));
        for (int i = 0; i < LF_FACESIZE; ++i)
            b_.U8(i < int(face.size()) && i < LF_FACESIZE - 1 ? static_cast<unsigned char>(face[i]) : 0);
        End();
    }
    void Select(int slot) override { One(META_SELECTOBJECT, static_cast<unsigned>(slot)); }
    void Delete(int slot) override { One(META_DELETEOBJECT, static_cast<unsigned>(slot)); }
    void Value(int what, std::uint32_t v) override {
        static const unsigned types[] = {META_SETTEXTCOLOR, META_SETBKCOLOR, META_SETBKMODE, META_SETROP2,
                                         META_SETTEXTALIGN, META_SETPOLYFILLMODE};
        Begin(types[what]);
        if (what <= vBkColor) b_.U32(v);
        else b_.U16(v);
        End();
    }
    void SaveDC() override {
        Begin(META_SAVEDC);
        End();
    }
    void RestoreDC() override { One(META_RESTOREDC, 0xFFFF); }
    void IntersectClip(const TRect& r) override {
        Begin(META_INTERSECTCLIPRECT);
        Box(r);
        End();
    }

    void Draw(const TMetaRecord& r) override {
        const std::vector<TPoint>& p = r.points;
        switch (r.op) {
        case TMetaOp::Line:
            Begin(META_MOVETO);
            YX(p[0]);
            End();
            Begin(META_LINETO);
            YX(p[1]);
            End();
            break;
        case TMetaOp::Polyline:
        case TMetaOp::Polygon: Poly(r.op == TMetaOp::Polygon ? META_POLYGON : META_POLYLINE, p); break;
        case TMetaOp::PolyBezier: Poly(META_POLYLINE, Flatten(p)); break;
        case TMetaOp::Rectangle:
        case TMetaOp::Ellipse:
            Begin(r.op == TMetaOp::Rectangle ? META_RECTANGLE : META_ELLIPSE);
            Box(TRect(p[0], p[1]));
            End();
            break;
        case TMetaOp::RoundRect:
            Begin(META_ROUNDRECT);
            b_.I16(p[2].y);
            b_.I16(p[2].x);
            Box(TRect(p[0], p[1]));
            End();
            break;
        case TMetaOp::Arc:
        case TMetaOp::Pie:
        case TMetaOp::Chord:
            Begin(r.op == TMetaOp::Arc ? META_ARC : r.op == TMetaOp::Pie ? META_PIE : META_CHORD);
            YX(p[3]);
            YX(p[2]);
            Box(TRect(p[0], p[1]));
            End();
            break;
        case TMetaOp::Pixel:
            Begin(META_SETPIXEL);
            b_.U32(r.options);
            YX(p[0]);
            End();
            break;
        case TMetaOp::PatBlt:
            Begin(META_PATBLT);
            b_.U32(r.rop);
            b_.I16(p[1].y - p[0].y);
            b_.I16(p[1].x - p[0].x);
            YX(p[0]);
            End();
            break;
        case TMetaOp::Text: Text(r); break;
        case TMetaOp::Image: {
            const TPixelImage& image = *r.image;
            Begin(META_STRETCHDIB);
            b_.U32(r.rop);
            b_.U16(0);  // RGB colours
            b_.I16(image.Height());
            b_.I16(image.Width());
            b_.I16(0);
            b_.I16(0);
            b_.I16(p[1].y - p[0].y);
            b_.I16(p[1].x - p[0].x);
            YX(p[0]);
            Dib(b_, image);
            End();
            break;
        }
        }
    }

    std::string Finish(int objects) {
        Begin(META_EOF);
        End();
        TBytes out;
        // The placeable header: the picture's box in 96 units per inch.
        out.U32(0x9AC6CDD7);
        out.U16(0);
        out.I16(0);
        out.I16(0);
        out.I16(m_.width);
        out.I16(m_.height);
        out.U16(96);
        out.U32(0);
        const std::string& h = out.Str();
        unsigned sum = 0;
        for (int i = 0; i < 20; i += 2)
            sum ^= static_cast<unsigned char>(h[static_cast<std::size_t>(i)]) |
                   (static_cast<unsigned char>(h[static_cast<std::size_t>(i + 1)]) << 8);
        out.U16(sum);
        out.U16(1);  // the metafile type
        out.U16(9);
        out.U16(0x0300);
        out.U32(static_cast<std::uint32_t>((18 + b_.Size()) / 2));
        out.U16(static_cast<unsigned>(std::max(objects, 1)));
        out.U32(static_cast<std::uint32_t>(maxRecord_));
        out.U16(0);
        out.Raw(b_.Str());
        return out.Str();
    }

private:
    static std::string Latin1(const std::string& utf8) {
        std::string out;
        for (std::uint32_t cp : CodePoints(utf8)) out.push_back(static_cast<char>(cp < 256 ? cp : '?'));
        return out;
    }
    static std::vector<TPoint> Flatten(const std::vector<TPoint>& c) {
        std::vector<TPoint> out{c[0]};
        for (std::size_t i = 0; i + 3 < c.size(); i += 3)
            for (int s = 1; s <= 16; ++s) {
                double t = s / 16.0, u = 1 - t;
                double b0 = u * u * u, b1 = 3 * u * u * t, b2 = 3 * u * t * t, b3 = t * t * t;
                out.emplace_back(int(std::lround(b0 * c[i].x + b1 * c[i + 1].x + b2 * c[i + 2].x + b3 * c[i + 3].x)),
                                 int(std::lround(b0 * c[i].y + b1 * c[i + 1].y + b2 * c[i + 2].y + b3 * c[i + 3].y)));
            }
        return out;
    }
    void Begin(unsigned function) {
        start_ = b_.Size();
        b_.U32(0);
        b_.U16(function);
    }
    void End() {
        b_.PadTo(2);
        std::size_t words = (b_.Size() - start_) / 2;
        b_.Put32(start_, static_cast<std::uint32_t>(words));
        maxRecord_ = std::max(maxRecord_, words);
    }
    void One(unsigned function, unsigned v) {
        Begin(function);
        b_.U16(v);
        End();
    }
    void YX(TPoint p) {
        b_.I16(p.y);
        b_.I16(p.x);
    }
    void Box(const TRect& r) {
        b_.I16(r.Bottom);
        b_.I16(r.Right);
        b_.I16(r.Top);
        b_.I16(r.Left);
    }
    void Poly(unsigned function, const std::vector<TPoint>& p) {
        Begin(function);
        b_.U16(static_cast<unsigned>(p.size()));
        for (const TPoint& q : p) {
            b_.I16(q.x);
            b_.I16(q.y);
        }
        End();
    }
    void Text(const TMetaRecord& r) {
        std::string text = Latin1(r.text);
        Begin(META_EXTTEXTOUT);
        YX(r.points[0]);
        b_.U16(static_cast<unsigned>(text.size()));
        b_.U16(r.options);
        if (r.options) {
            b_.I16(r.rect.Left);
            b_.I16(r.rect.Top);
            b_.I16(r.rect.Right);
            b_.I16(r.rect.Bottom);
        }
        b_.Raw(text);
        b_.PadTo(2);
        for (std::size_t i = 0; i < text.size(); ++i) b_.I16(i < r.dx.size() ? r.dx[i] : 0);
        End();
    }

    const TMetaRecording& m_;
    TBytes b_;
    std::size_t start_ = 0, maxRecord_ = 3;
};

}  // namespace

std::string WriteWindowsMetafile(const TMetaRecording& Recording) {
    TWmf wmf(Recording);
    TRecordWriter writer(wmf);
    for (const TMetaRecord& r : Recording.records) writer.Record(r);
    return wmf.Finish(writer.Slots());
}
