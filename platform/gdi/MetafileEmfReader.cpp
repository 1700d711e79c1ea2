// Reading back enhanced metafiles of the records the writer puts down.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <map>

#include "platform/gdi/MetafileEmfRecords.h"
#include "platform/gdi/MetafileWriting.h"
#include "platform/runtime/Utf8.h"

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

// One file read into a recording: the objects the file has created, the
// state its records have set and the pen's position; a handler per record
// type, each reading its record's data and raising TBadFile on a fault.
class TEmfReading {
public:
    TEmfReading(const std::string& Bytes, TMetaRecording& Recording) : bytes_(Bytes), r_(Bytes), rec_(Recording) {}

    bool Read() {
        if (r_.U32(0) != EMR_HEADER || r_.U32(40) != 0x464D4520) return false;
        const TRect bounds = r_.Rect(8);
        if (bounds.Right < 0 || bounds.Bottom < 0) return false;
        rec_ = TMetaRecording();
        rec_.width = bounds.Right + 1;
        rec_.height = bounds.Bottom + 1;
        for (std::uint64_t at = r_.U32(4); at < bytes_.size();) {
            r_.Limit(bytes_.size());
            const std::uint32_t type = r_.U32(at), size = r_.U32(at + 4);
            if (size < 8 || size % 4 || size > bytes_.size() - at) return false;
            if (type == EMR_EOF) return true;
            const auto handler = Handlers().find(type);
            if (handler == Handlers().end()) return false;
            r_.Limit(at + size);
            (this->*handler->second)(type, at, at + 8);
            at += size;
        }
        return false;  // no end record
    }

private:
    using THandler = void (TEmfReading::*)(std::uint32_t Type, std::uint64_t At, std::uint64_t Data);

    static const std::map<std::uint32_t, THandler>& Handlers() {
        static const std::map<std::uint32_t, THandler> handlers = {
            {EMR_CREATEPEN, &TEmfReading::CreatePen},
            {EMR_CREATEBRUSHINDIRECT, &TEmfReading::CreateBrush},
            {EMR_EXTCREATEFONTINDIRECTW, &TEmfReading::CreateFont},
            {EMR_SELECTOBJECT, &TEmfReading::SelectObject},
            {EMR_DELETEOBJECT, &TEmfReading::DeleteObject},
            {EMR_SETTEXTCOLOR, &TEmfReading::SetValue},
            {EMR_SETBKCOLOR, &TEmfReading::SetValue},
            {EMR_SETBKMODE, &TEmfReading::SetValue},
            {EMR_SETROP2, &TEmfReading::SetValue},
            {EMR_SETTEXTALIGN, &TEmfReading::SetValue},
            {EMR_SETPOLYFILLMODE, &TEmfReading::SetValue},
            {EMR_SAVEDC, &TEmfReading::SaveDC},
            {EMR_RESTOREDC, &TEmfReading::RestoreDC},
            {EMR_INTERSECTCLIPRECT, &TEmfReading::IntersectClip},
            {EMR_MOVETOEX, &TEmfReading::MoveTo},
            {EMR_LINETO, &TEmfReading::LineTo},
            {EMR_POLYLINE, &TEmfReading::Figure},
            {EMR_POLYGON, &TEmfReading::Figure},
            {EMR_POLYBEZIER, &TEmfReading::Figure},
            {EMR_RECTANGLE, &TEmfReading::Box},
            {EMR_ELLIPSE, &TEmfReading::Box},
            {EMR_ROUNDRECT, &TEmfReading::RoundRect},
            {EMR_ARC, &TEmfReading::Curve},
            {EMR_PIE, &TEmfReading::Curve},
            {EMR_CHORD, &TEmfReading::Curve},
            {EMR_SETPIXELV, &TEmfReading::Pixel},
            {EMR_EXTTEXTOUTW, &TEmfReading::Text},
            {EMR_STRETCHDIBITS, &TEmfReading::Image},
            {EMR_BITBLT, &TEmfReading::PatBlt},
        };
        return handlers;
    }

    struct TObject {
        int kind = -1;
        LOGPEN pen;
        LOGBRUSH brush;
        LOGFONT font;
    };

    TMetaRecord& Add(TMetaOp Op, std::vector<TPoint> Points) {
        rec_.records.push_back(TMetaRecord{Op, state_, std::move(Points), 0, TRect(), {}, {}, nullptr, 0, false, 0});
        return rec_.records.back();
    }

    void CreatePen(std::uint32_t, std::uint64_t, std::uint64_t d) {
        TObject& o = objects_[r_.U32(d)];
        o.kind = kPen;
        o.pen.lopnStyle = r_.U32(d + 4);
        o.pen.lopnWidth = TPoint(static_cast<int>(Checked(r_.I32(d + 8), kMaxFontHeight)), 0);
        o.pen.lopnColor = r_.I32(d + 16);
    }
    void CreateBrush(std::uint32_t, std::uint64_t, std::uint64_t d) {
        TObject& o = objects_[r_.U32(d)];
        o.kind = kBrush;
        o.brush.lbStyle = r_.U32(d + 4);
        o.brush.lbColor = r_.I32(d + 8);
        o.brush.lbHatch = r_.I32(d + 12);
    }
    void CreateFont(std::uint32_t, std::uint64_t, std::uint64_t d) {
        TObject& o = objects_[r_.U32(d)];
        o.kind = kFont;
        LOGFONT& f = o.font;
        f.lfHeight = static_cast<int>(Checked(r_.I32(d + 4), kMaxFontHeight));
        f.lfWidth = static_cast<int>(Checked(r_.I32(d + 8), kMaxFontHeight));
        f.lfEscapement = r_.I32(d + 12);
        f.lfOrientation = r_.I32(d + 16);
        f.lfWeight = r_.I32(d + 20);
        Byte* bytes[] = {&f.lfItalic, &f.lfUnderline, &f.lfStrikeOut, &f.lfCharSet, &f.lfOutPrecision,
                         &f.lfClipPrecision, &f.lfQuality, &f.lfPitchAndFamily};
        for (int i = 0; i < 8; ++i) *bytes[i] = r_.U8(d + 24 + static_cast<std::uint64_t>(i));
        std::vector<std::uint16_t> units;
        for (std::uint64_t i = 0; i < LF_FACESIZE; ++i) {
            const unsigned u = r_.U16(d + 32 + 2 * i);
            if (!u) break;
            units.push_back(static_cast<std::uint16_t>(u));
        }
        std::string face;
        for (std::size_t i = 0; i < units.size();) AppendUtf8(face, TakeUtf16(units, i));
        std::strncpy(f.lfFaceName, face.c_str(), LF_FACESIZE - 1);
    }
    void SelectObject(std::uint32_t, std::uint64_t, std::uint64_t d) {
        auto it = objects_.find(r_.U32(d));
        if (it == objects_.end()) throw TBadFile();
        if (it->second.kind == kPen) state_.pen = it->second.pen;
        if (it->second.kind == kBrush) state_.brush = it->second.brush;
        if (it->second.kind == kFont) state_.font = it->second.font;
    }
    void DeleteObject(std::uint32_t, std::uint64_t, std::uint64_t d) { objects_.erase(r_.U32(d)); }
    void SetValue(std::uint32_t type, std::uint64_t, std::uint64_t d) {
        switch (type) {
        case EMR_SETTEXTCOLOR: state_.textColor = r_.I32(d); break;
        case EMR_SETBKCOLOR: state_.bkColor = r_.I32(d); break;
        case EMR_SETBKMODE: state_.bkMode = r_.I32(d); break;
        case EMR_SETROP2: state_.rop2 = r_.I32(d); break;
        case EMR_SETTEXTALIGN: state_.textAlign = r_.U32(d); break;
        default: state_.polyFillMode = r_.I32(d); break;
        }
    }
    void SaveDC(std::uint32_t, std::uint64_t, std::uint64_t) { saved_.push_back(state_); }
    void RestoreDC(std::uint32_t, std::uint64_t, std::uint64_t d) {
        for (int n = r_.I32(d); n < 0 && !saved_.empty(); ++n) {
            state_ = saved_.back();
            saved_.pop_back();
        }
    }
    void IntersectClip(std::uint32_t, std::uint64_t, std::uint64_t d) {
        TRect c = r_.Rect(d);
        if (state_.hasClip)
            c = TRect(std::max(c.Left, state_.clip.Left), std::max(c.Top, state_.clip.Top),
                      std::min(c.Right, state_.clip.Right), std::min(c.Bottom, state_.clip.Bottom));
        state_.hasClip = true;
        state_.clip = c;
    }
    void MoveTo(std::uint32_t, std::uint64_t, std::uint64_t d) { position_ = r_.Point(d); }
    void LineTo(std::uint32_t, std::uint64_t, std::uint64_t d) {
        Add(TMetaOp::Line, {position_, r_.Point(d)});
        position_ = r_.Point(d);
    }
    void Figure(std::uint32_t type, std::uint64_t, std::uint64_t d) {
        const std::uint32_t count = r_.U32(d + 16);
        // A figure has two points at least, a curve one more per three.
        if (count < 2 || (type == EMR_POLYBEZIER && (count - 1) % 3)) throw TBadFile();
        r_.Need(d + 20, count, 8);
        std::vector<TPoint> points;
        points.reserve(count);
        for (std::uint64_t i = 0; i < count; ++i) points.push_back(r_.Point(d + 20 + 8 * i));
        Add(type == EMR_POLYLINE ? TMetaOp::Polyline : type == EMR_POLYGON ? TMetaOp::Polygon : TMetaOp::PolyBezier,
            points);
    }
    void Box(std::uint32_t type, std::uint64_t, std::uint64_t d) {
        const TRect b = r_.Rect(d);
        Add(type == EMR_RECTANGLE ? TMetaOp::Rectangle : TMetaOp::Ellipse, {b.TopLeft(), b.BottomRight()});
    }
    void RoundRect(std::uint32_t, std::uint64_t, std::uint64_t d) {
        const TRect b = r_.Rect(d);
        Add(TMetaOp::RoundRect, {b.TopLeft(), b.BottomRight(), r_.Point(d + 16)});
    }
    void Curve(std::uint32_t type, std::uint64_t, std::uint64_t d) {
        const TRect b = r_.Rect(d);
        Add(type == EMR_ARC ? TMetaOp::Arc : type == EMR_PIE ? TMetaOp::Pie : TMetaOp::Chord,
            {b.TopLeft(), b.BottomRight(), r_.Point(d + 16), r_.Point(d + 24)});
    }
    void Pixel(std::uint32_t, std::uint64_t, std::uint64_t d) { Add(TMetaOp::Pixel, {r_.Point(d)}).options = r_.U32(d + 8); }
    void Text(std::uint32_t, std::uint64_t at, std::uint64_t d) {
        const std::uint32_t count = r_.U32(d + 36), offString = r_.U32(d + 40), offDx = r_.U32(d + 64);
        r_.Need(at + offString, count, 2);
        r_.Need(at + offDx, count, 4);
        TMetaRecord& t = Add(TMetaOp::Text, {r_.Point(d + 28)});
        t.options = r_.U32(d + 44);
        t.rect = r_.Rect(d + 48);
        std::vector<std::uint16_t> units(count);
        for (std::uint64_t i = 0; i < count; ++i) units[i] = static_cast<std::uint16_t>(r_.U16(at + offString + 2 * i));
        std::int64_t width = 0;
        // A surrogate pair takes the advance of its first unit.
        for (std::size_t i = 0; i < units.size();) {
            const int advance = r_.Coordinate(at + offDx + 4 * i);
            // The whole line is a coordinate too.
            width = Checked(width + advance);
            AppendUtf8(t.text, TakeUtf16(units, i));
            t.dx.push_back(advance);
        }
    }
    void Image(std::uint32_t, std::uint64_t at, std::uint64_t d) {
        const TPoint p = r_.Point(d + 16);
        const TPoint end = Corner(p, r_.Coordinate(d + 64), r_.Coordinate(d + 68));
        TMetaRecord& image = Add(TMetaOp::Image, {p, end});
        image.image = ReadDib(r_, at + r_.U32(d + 40), at + r_.U32(d + 48));
        image.rop = r_.U32(d + 60);
    }
    void PatBlt(std::uint32_t, std::uint64_t, std::uint64_t d) {
        const TPoint p = r_.Point(d + 16);
        Add(TMetaOp::PatBlt, {p, Corner(p, r_.Coordinate(d + 24), r_.Coordinate(d + 28))}).rop = r_.U32(d + 32);
    }

    const std::string& bytes_;
    TRecordReader r_;
    TMetaRecording& rec_;
    std::map<std::uint32_t, TObject> objects_;
    TMetaState state_;
    std::vector<TMetaState> saved_;
    TPoint position_;
};

}  // namespace

bool ReadEnhancedMetafile(const std::string& Bytes, TMetaRecording& Recording) {
    try {
        return TEmfReading(Bytes, Recording).Read();
    } catch (const TBadFile&) {
        return false;
    }
}
