// The metafile's two file formats: the enhanced metafile (32-bit records,
// a header with the picture's bounds and frame) and the placeable Windows
// metafile (16-bit records after a header that gives the picture's size
// in units per inch). Both get the same calls from one writer, which keeps
// the objects and the state the file has set so far and puts down only
// what a record's state changes.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <map>

#include "platform/gdi/MetafileRecords.h"

namespace {

class TBytes {
public:
    void U8(unsigned v) { s_.push_back(static_cast<char>(v & 0xFF)); }
    void U16(unsigned v) {
        U8(v);
        U8(v >> 8);
    }
    void U32(std::uint32_t v) {
        U16(v & 0xFFFF);
        U16(v >> 16);
    }
    void I16(int v) { U16(static_cast<unsigned>(static_cast<std::int16_t>(std::clamp(v, -32768, 32767)))); }
    void I32(int v) { U32(static_cast<std::uint32_t>(v)); }
    void Raw(const std::string& b) { s_ += b; }
    void PadTo(std::size_t multiple) {
        while (s_.size() % multiple) U8(0);
    }
    std::size_t Size() const { return s_.size(); }
    void Put32(std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i) s_[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
    }
    std::string& Str() { return s_; }

private:
    std::string s_;
};

// Code points of UTF-8 text; a broken sequence gives U+FFFD.
std::vector<std::uint32_t> CodePoints(const std::string& s) {
    std::vector<std::uint32_t> out;
    for (std::size_t i = 0; i < s.size();) {
        auto c = static_cast<unsigned char>(s[i]);
        std::size_t n = c < 0x80 ? 0 : c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : 4;
        if (n == 4 || i + n >= s.size() + (n == 0)) {
            out.push_back(0xFFFD);
            ++i;
            continue;
        }
        std::uint32_t cp = n == 0 ? c : c & (0x3Fu >> n);
        for (std::size_t k = 1; k <= n; ++k) cp = (cp << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3Fu);
        out.push_back(cp);
        i += n + 1;
    }
    return out;
}

// A DIB of the picture: 24 bits per pixel, bottom-up rows padded to four bytes.
void Dib(TBytes& out, const TPixelImage& image) {
    int w = image.Width(), h = image.Height();
    int stride = (w * 3 + 3) / 4 * 4;
    out.U32(40);
    out.I32(w);
    out.I32(h);
    out.U16(1);
    out.U16(24);
    out.U32(0);  // uncompressed
    out.U32(static_cast<std::uint32_t>(stride * h));
    out.I32(3780);  // 96 pixels per inch, in pixels per metre
    out.I32(3780);
    out.U32(0);
    out.U32(0);
    for (int y = h - 1; y >= 0; --y) {
        const std::uint32_t* row = image.Row(y);
        for (int x = 0; x < w; ++x) {
            out.U8(row[x]);
            out.U8(row[x] >> 8);
            out.U8(row[x] >> 16);
        }
        for (int pad = w * 3; pad < stride; ++pad) out.U8(0);
    }
}

std::size_t DibSize(const TPixelImage& image) {
    return 40 + static_cast<std::size_t>((image.Width() * 3 + 3) / 4 * 4) * static_cast<std::size_t>(image.Height());
}

enum TKind { kPen, kBrush, kFont };

// What both formats are asked to put down.
class TFormat {
public:
    virtual ~TFormat() = default;
    virtual void CreatePen(int slot, const LOGPEN& p) = 0;
    virtual void CreateBrush(int slot, const LOGBRUSH& b) = 0;
    virtual void CreateFont(int slot, const LOGFONT& f) = 0;
    virtual void Select(int slot) = 0;
    virtual void Delete(int slot) = 0;
    virtual void Value(int what, std::uint32_t v) = 0;  // a Set... record of one value
    virtual void SaveDC() = 0;
    virtual void RestoreDC() = 0;
    virtual void IntersectClip(const TRect& r) = 0;
    virtual void Draw(const TMetaRecord& r) = 0;
};

enum { vTextColor, vBkColor, vBkMode, vRop2, vTextAlign, vPolyFill };

// The objects in the file's object table and the state set so far.
class TRecordWriter {
public:
    explicit TRecordWriter(TFormat& f) : f_(f) {}

    void Record(const TMetaRecord& r) {
        const TMetaState& s = r.state;
        if (s.hasClip != state_.hasClip || (s.hasClip && !(s.clip == state_.clip))) {
            if (state_.hasClip) {
                // The restore brings back the objects and values of the save.
                f_.RestoreDC();
                state_ = saved_;
                selected_ = savedSelected_;
                FreePinned();
            }
            if (s.hasClip) {
                f_.SaveDC();
                saved_ = state_;
                savedSelected_ = selected_;
                f_.IntersectClip(s.clip);
                state_.hasClip = true;
                state_.clip = s.clip;
            }
        }
        if (!known_[kPen] || !SamePen(s.pen, state_.pen)) {
            Replace(kPen, [&](int slot) { f_.CreatePen(slot, s.pen); });
            state_.pen = s.pen;
        }
        if (!known_[kBrush] || !SameBrush(s.brush, state_.brush)) {
            Replace(kBrush, [&](int slot) { f_.CreateBrush(slot, s.brush); });
            state_.brush = s.brush;
        }
        if (r.op == TMetaOp::Text && (!known_[kFont] || !SameFont(s.font, state_.font))) {
            Replace(kFont, [&](int slot) { f_.CreateFont(slot, s.font); });
            state_.font = s.font;
        }
        SetValue(vTextColor, s.textColor, state_.textColor);
        SetValue(vBkColor, s.bkColor, state_.bkColor);
        SetValue(vBkMode, s.bkMode, state_.bkMode);
        SetValue(vRop2, s.rop2, state_.rop2);
        SetValue(vTextAlign, s.textAlign, state_.textAlign);
        SetValue(vPolyFill, s.polyFillMode, state_.polyFillMode);
        f_.Draw(r);
    }

    int Slots() const { return static_cast<int>(used_.size()); }

private:
    template <class T>
    void SetValue(int what, T value, T& current) {
        if (valuesKnown_ & (1u << what) && value == current) return;
        f_.Value(what, static_cast<std::uint32_t>(value));
        current = value;
        valuesKnown_ |= 1u << what;
    }

    template <class Create>
    void Replace(int kind, Create create) {
        int slot = Allocate();
        create(slot);
        f_.Select(slot);
        int old = selected_[kind];
        selected_[kind] = slot;
        known_[kind] = true;
        if (old < 0) return;
        // An object the saved state holds stays until the restore.
        if (state_.hasClip && std::find(std::begin(savedSelected_.slot), std::end(savedSelected_.slot), old) !=
                                  std::end(savedSelected_.slot))
            pinned_.push_back(old);
        else
            Free(old);
    }

    void FreePinned() {
        for (int slot : pinned_)
            if (std::find(std::begin(selected_.slot), std::end(selected_.slot), slot) == std::end(selected_.slot))
                Free(slot);
        pinned_.clear();
    }

    // The lowest free index, as players of Windows metafiles expect.
    int Allocate() {
        auto free = std::find(used_.begin(), used_.end(), false);
        if (free != used_.end()) {
            *free = true;
            return static_cast<int>(free - used_.begin());
        }
        used_.push_back(true);
        return static_cast<int>(used_.size()) - 1;
    }

    void Free(int slot) {
        f_.Delete(slot);
        used_[static_cast<std::size_t>(slot)] = false;
    }

    struct TSelected {
        int slot[3] = {-1, -1, -1};
        int& operator[](int k) { return slot[k]; }
    };

    TFormat& f_;
    TMetaState state_, saved_;
    TSelected selected_, savedSelected_;
    bool known_[3] = {false, false, false};
    unsigned valuesKnown_ = 0;
    std::vector<bool> used_;
    std::vector<int> pinned_;
};

// ---- Enhanced metafile ------------------------------------------------------

enum : unsigned {
    EMR_HEADER = 1, EMR_POLYBEZIER = 2, EMR_POLYGON = 3, EMR_POLYLINE = 4, EMR_EOF = 14, EMR_SETPIXELV = 15,
    EMR_SETBKMODE = 18, EMR_SETPOLYFILLMODE = 19, EMR_SETROP2 = 20, EMR_SETTEXTALIGN = 22, EMR_SETTEXTCOLOR = 24,
    EMR_SETBKCOLOR = 25, EMR_MOVETOEX = 27, EMR_INTERSECTCLIPRECT = 30, EMR_SAVEDC = 33, EMR_RESTOREDC = 34,
    EMR_SELECTOBJECT = 37, EMR_CREATEPEN = 38, EMR_CREATEBRUSHINDIRECT = 39, EMR_DELETEOBJECT = 40,
    EMR_ELLIPSE = 42, EMR_RECTANGLE = 43, EMR_ROUNDRECT = 44, EMR_ARC = 45, EMR_CHORD = 46, EMR_PIE = 47,
    EMR_LINETO = 54, EMR_BITBLT = 76, EMR_STRETCHDIBITS = 81, EMR_EXTCREATEFONTINDIRECTW = 82,
    EMR_EXTTEXTOUTW = 84
};

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
    static TRect Bounds(const std::vector<TPoint>& p) {
        TRect r(p[0].x, p[0].y, p[0].x, p[0].y);
        for (const TPoint& q : p) {
            r.Left = std::min(r.Left, q.x);
            r.Top = std::min(r.Top, q.y);
            r.Right = std::max(r.Right, q.x);
            r.Bottom = std::max(r.Bottom, q.y);
        }
        return r;
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

// ---- Windows metafile ---------------------------------------------------------

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

std::string WriteEnhancedMetafile(const TMetaRecording& Recording) {
    TEmf emf(Recording);
    TRecordWriter writer(emf);
    for (const TMetaRecord& r : Recording.records) writer.Record(r);
    return emf.Finish(writer.Slots());
}

std::string WriteWindowsMetafile(const TMetaRecording& Recording) {
    TWmf wmf(Recording);
    TRecordWriter writer(wmf);
    for (const TMetaRecord& r : Recording.records) writer.Record(r);
    return wmf.Finish(writer.Slots());
}

// ---- Reading enhanced metafiles ------------------------------------------------

namespace {

struct TBadFile {};

// Coordinates and sizes a file may hold: the 27 bits a device context
// takes, so that sums and scaled values stay far inside an int.
constexpr std::int64_t kMaxCoordinate = std::int64_t(1) << 27;
// Taller glyphs are no text a chart writes, and cost a window system dearly.
constexpr std::int64_t kMaxFontHeight = 4096;

std::int64_t Checked(std::int64_t v, std::int64_t limit = kMaxCoordinate) {
    if (v < -limit || v > limit) throw TBadFile();
    return v;
}

// Reads the bytes of one record: every offset and count is checked in
// 64 bits against the record's own end before anything is read.
class TRecordReader {
public:
    explicit TRecordReader(const std::string& b) : b_(b), end_(b.size()) {}
    // Reads inside [0, End) from now on.
    void Limit(std::size_t End) { end_ = End; }
    std::uint32_t U32(std::uint64_t at) const {
        Need(at, 4);
        std::uint32_t v = 0;
        for (int i = 3; i >= 0; --i) v = v << 8 | static_cast<unsigned char>(b_[at + static_cast<std::size_t>(i)]);
        return v;
    }
    int I32(std::uint64_t at) const { return static_cast<int>(U32(at)); }
    unsigned U16(std::uint64_t at) const {
        Need(at, 2);
        return static_cast<unsigned char>(b_[at]) | static_cast<unsigned>(static_cast<unsigned char>(b_[at + 1])) << 8;
    }
    Byte U8(std::uint64_t at) const {
        Need(at, 1);
        return static_cast<Byte>(b_[at]);
    }
    // A coordinate or a size, within what a device context takes.
    int Coordinate(std::uint64_t at) const { return static_cast<int>(Checked(I32(at))); }
    TPoint Point(std::uint64_t at) const { return TPoint(Coordinate(at), Coordinate(at + 4)); }
    TRect Rect(std::uint64_t at) const {
        return TRect(Coordinate(at), Coordinate(at + 4), Coordinate(at + 8), Coordinate(at + 12));
    }
    // Count items of Each bytes from At lie inside the limit.
    void Need(std::uint64_t At, std::uint64_t Count, std::uint64_t Each = 1) const {
        if (Each && Count > (end_ - std::min<std::uint64_t>(At, end_)) / Each) throw TBadFile();
    }

private:
    const std::string& b_;
    std::uint64_t end_;
};

// Point plus a size read from the file, computed in 64 bits.
TPoint Corner(TPoint p, std::int64_t cx, std::int64_t cy) {
    return TPoint(static_cast<int>(Checked(p.x + cx)), static_cast<int>(Checked(p.y + cy)));
}

void AppendUtf8(std::string& out, std::uint32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | cp >> 6));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | cp >> 12));
        out.push_back(static_cast<char>(0x80 | (cp >> 6 & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | cp >> 18));
        out.push_back(static_cast<char>(0x80 | (cp >> 12 & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp >> 6 & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

// A 24-bit bottom-up DIB at the offsets of a record.
std::shared_ptr<TPixelImage> ReadDib(const TRecordReader& r, std::uint64_t header, std::uint64_t bits) {
    const std::int64_t w = r.I32(header + 4), h = r.I32(header + 8);
    if (r.U16(header + 14) != 24 || r.U32(header + 16) != 0 || w <= 0 || h <= 0 || w > 1 << 15 || h > 1 << 15)
        throw TBadFile();
    const auto stride = static_cast<std::uint64_t>((w * 3 + 3) / 4 * 4);
    r.Need(bits, static_cast<std::uint64_t>(h), stride);
    auto image = std::make_shared<TPixelImage>(static_cast<int>(w), static_cast<int>(h), 0);
    for (int y = 0; y < h; ++y) {
        const std::uint64_t row = bits + stride * static_cast<std::uint64_t>(h - 1 - y);
        for (int x = 0; x < w; ++x) {
            const std::uint64_t p = row + static_cast<std::uint64_t>(x) * 3;
            image->Row(y)[x] = 0xFF000000u | static_cast<std::uint32_t>(r.U8(p + 2)) << 16 |
                               static_cast<std::uint32_t>(r.U8(p + 1)) << 8 | r.U8(p);
        }
    }
    return image;
}

}  // namespace

bool ReadEnhancedMetafile(const std::string& Bytes, TMetaRecording& Recording) {
    TRecordReader r(Bytes);
    try {
        if (r.U32(0) != EMR_HEADER || r.U32(40) != 0x464D4520) return false;
        const TRect bounds = r.Rect(8);
        if (bounds.Right < 0 || bounds.Bottom < 0) return false;
        Recording = TMetaRecording();
        Recording.width = bounds.Right + 1;
        Recording.height = bounds.Bottom + 1;
        struct TObject {
            int kind = -1;
            LOGPEN pen;
            LOGBRUSH brush;
            LOGFONT font;
        };
        std::map<std::uint32_t, TObject> objects;
        TMetaState state;
        std::vector<TMetaState> saved;
        TPoint position;
        auto add = [&](TMetaOp op, std::vector<TPoint> points) -> TMetaRecord& {
            Recording.records.push_back(TMetaRecord{op, state, std::move(points), 0, TRect(), {}, {}, nullptr, 0, false, 0});
            return Recording.records.back();
        };
        for (std::uint64_t at = r.U32(4); at < Bytes.size();) {
            r.Limit(Bytes.size());
            const std::uint32_t type = r.U32(at), size = r.U32(at + 4);
            if (size < 8 || size % 4 || size > Bytes.size() - at) return false;
            r.Limit(at + size);
            const std::uint64_t d = at + 8;  // the record's data
            switch (type) {
            case EMR_EOF: return true;
            case EMR_CREATEPEN: {
                TObject& o = objects[r.U32(d)];
                o.kind = kPen;
                o.pen.lopnStyle = r.U32(d + 4);
                o.pen.lopnWidth = TPoint(static_cast<int>(Checked(r.I32(d + 8), kMaxFontHeight)), 0);
                o.pen.lopnColor = r.I32(d + 16);
                break;
            }
            case EMR_CREATEBRUSHINDIRECT: {
                TObject& o = objects[r.U32(d)];
                o.kind = kBrush;
                o.brush.lbStyle = r.U32(d + 4);
                o.brush.lbColor = r.I32(d + 8);
                o.brush.lbHatch = r.I32(d + 12);
                break;
            }
            case EMR_EXTCREATEFONTINDIRECTW: {
                TObject& o = objects[r.U32(d)];
                o.kind = kFont;
                LOGFONT& f = o.font;
                f.lfHeight = static_cast<int>(Checked(r.I32(d + 4), kMaxFontHeight));
                f.lfWidth = static_cast<int>(Checked(r.I32(d + 8), kMaxFontHeight));
                f.lfEscapement = r.I32(d + 12);
                f.lfOrientation = r.I32(d + 16);
                f.lfWeight = r.I32(d + 20);
                Byte* bytes[] = {&f.lfItalic, &f.lfUnderline, &f.lfStrikeOut, &f.lfCharSet, &f.lfOutPrecision,
                                 &f.lfClipPrecision, &f.lfQuality, &f.lfPitchAndFamily};
                for (int i = 0; i < 8; ++i) *bytes[i] = r.U8(d + 24 + static_cast<std::uint64_t>(i));
                std::string face;
                for (std::uint64_t i = 0; i < LF_FACESIZE; ++i) {
                    unsigned u = r.U16(d + 32 + 2 * i);
                    if (!u) break;
                    AppendUtf8(face, u);
                }
                std::strncpy(f.lfFaceName, face.c_str(), LF_FACESIZE - 1);
                break;
            }
            case EMR_SELECTOBJECT: {
                auto it = objects.find(r.U32(d));
                if (it == objects.end()) return false;
                if (it->second.kind == kPen) state.pen = it->second.pen;
                if (it->second.kind == kBrush) state.brush = it->second.brush;
                if (it->second.kind == kFont) state.font = it->second.font;
                break;
            }
            case EMR_DELETEOBJECT: objects.erase(r.U32(d)); break;
            case EMR_SETTEXTCOLOR: state.textColor = r.I32(d); break;
            case EMR_SETBKCOLOR: state.bkColor = r.I32(d); break;
            case EMR_SETBKMODE: state.bkMode = r.I32(d); break;
            case EMR_SETROP2: state.rop2 = r.I32(d); break;
            case EMR_SETTEXTALIGN: state.textAlign = r.U32(d); break;
            case EMR_SETPOLYFILLMODE: state.polyFillMode = r.I32(d); break;
            case EMR_SAVEDC: saved.push_back(state); break;
            case EMR_RESTOREDC:
                for (int n = r.I32(d); n < 0 && !saved.empty(); ++n) {
                    state = saved.back();
                    saved.pop_back();
                }
                break;
            case EMR_INTERSECTCLIPRECT: {
                TRect c = r.Rect(d);
                if (state.hasClip)
                    c = TRect(std::max(c.Left, state.clip.Left), std::max(c.Top, state.clip.Top),
                              std::min(c.Right, state.clip.Right), std::min(c.Bottom, state.clip.Bottom));
                state.hasClip = true;
                state.clip = c;
                break;
            }
            case EMR_MOVETOEX: position = r.Point(d); break;
            case EMR_LINETO:
                add(TMetaOp::Line, {position, r.Point(d)});
                position = r.Point(d);
                break;
            case EMR_POLYLINE:
            case EMR_POLYGON:
            case EMR_POLYBEZIER: {
                const std::uint32_t count = r.U32(d + 16);
                // A figure has two points at least, a curve one more per three.
                if (count < 2 || (type == EMR_POLYBEZIER && (count - 1) % 3)) return false;
                r.Need(d + 20, count, 8);
                std::vector<TPoint> points;
                points.reserve(count);
                for (std::uint64_t i = 0; i < count; ++i) points.push_back(r.Point(d + 20 + 8 * i));
                add(type == EMR_POLYLINE ? TMetaOp::Polyline : type == EMR_POLYGON ? TMetaOp::Polygon : TMetaOp::PolyBezier,
                    points);
                break;
            }
            case EMR_RECTANGLE:
            case EMR_ELLIPSE: {
                TRect b = r.Rect(d);
                add(type == EMR_RECTANGLE ? TMetaOp::Rectangle : TMetaOp::Ellipse, {b.TopLeft(), b.BottomRight()});
                break;
            }
            case EMR_ROUNDRECT: {
                TRect b = r.Rect(d);
                add(TMetaOp::RoundRect, {b.TopLeft(), b.BottomRight(), r.Point(d + 16)});
                break;
            }
            case EMR_ARC:
            case EMR_PIE:
            case EMR_CHORD: {
                TRect b = r.Rect(d);
                add(type == EMR_ARC ? TMetaOp::Arc : type == EMR_PIE ? TMetaOp::Pie : TMetaOp::Chord,
                    {b.TopLeft(), b.BottomRight(), r.Point(d + 16), r.Point(d + 24)});
                break;
            }
            case EMR_SETPIXELV: add(TMetaOp::Pixel, {r.Point(d)}).options = r.U32(d + 8); break;
            case EMR_EXTTEXTOUTW: {
                const std::uint32_t count = r.U32(d + 36), offString = r.U32(d + 40), offDx = r.U32(d + 64);
                r.Need(at + offString, count, 2);
                r.Need(at + offDx, count, 4);
                TMetaRecord& t = add(TMetaOp::Text, {r.Point(d + 28)});
                t.options = r.U32(d + 44);
                t.rect = r.Rect(d + 48);
                std::int64_t width = 0;
                for (std::uint64_t i = 0; i < count; ++i) {
                    std::uint32_t u = r.U16(at + offString + 2 * i);
                    const int advance = r.Coordinate(at + offDx + 4 * i);
                    // The whole line is a coordinate too.
                    width = Checked(width + advance);
                    if (u >= 0xD800 && u < 0xDC00 && i + 1 < count) {
                        u = 0x10000 + ((u - 0xD800) << 10) + (r.U16(at + offString + 2 * (i + 1)) - 0xDC00);
                        ++i;
                    }
                    AppendUtf8(t.text, u);
                    t.dx.push_back(advance);
                }
                break;
            }
            case EMR_STRETCHDIBITS: {
                const TPoint p = r.Point(d + 16);
                const TPoint end = Corner(p, r.Coordinate(d + 64), r.Coordinate(d + 68));
                TMetaRecord& image = add(TMetaOp::Image, {p, end});
                image.image = ReadDib(r, at + r.U32(d + 40), at + r.U32(d + 48));
                image.rop = r.U32(d + 60);
                break;
            }
            case EMR_BITBLT: {
                const TPoint p = r.Point(d + 16);
                add(TMetaOp::PatBlt, {p, Corner(p, r.Coordinate(d + 24), r.Coordinate(d + 28))}).rop = r.U32(d + 32);
                break;
            }
            default: return false;
            }
            at += size;
        }
        return false;  // no end record
    } catch (const TBadFile&) {
        return false;
    }
}
