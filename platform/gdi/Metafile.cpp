// The metafile: its recording context, its files and its playback.
#include "platform/gdi/Metafile.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "platform/gdi/MetafileRecords.h"
#include "platform/runtime/FileRead.h"
#include "platform/runtime/FileReplace.h"

bool SamePen(const LOGPEN& a, const LOGPEN& b) {
    return a.lopnStyle == b.lopnStyle && a.lopnWidth.x == b.lopnWidth.x && a.lopnColor == b.lopnColor;
}

bool SameBrush(const LOGBRUSH& a, const LOGBRUSH& b) {
    return a.lbStyle == b.lbStyle && a.lbColor == b.lbColor && a.lbHatch == b.lbHatch;
}

bool SameFont(const LOGFONT& a, const LOGFONT& b) {
    return a.lfHeight == b.lfHeight && a.lfWidth == b.lfWidth && a.lfEscapement == b.lfEscapement &&
           a.lfOrientation == b.lfOrientation && a.lfWeight == b.lfWeight && a.lfItalic == b.lfItalic &&
           a.lfUnderline == b.lfUnderline && a.lfStrikeOut == b.lfStrikeOut && a.lfCharSet == b.lfCharSet &&
           a.lfPitchAndFamily == b.lfPitchAndFamily && std::strncmp(a.lfFaceName, b.lfFaceName, LF_FACESIZE) == 0;
}

namespace {

LOGBRUSH BrushRecord(const TGdiBrush* brush) {
    LOGBRUSH b;
    if (!brush) return b;
    // Pattern brushes go down as their colour: the file formats' pattern
    // records are left out.
    b.lbStyle = brush->style == BS_PATTERN ? BS_SOLID : brush->style;
    b.lbColor = brush->color;
    b.lbHatch = brush->style == BS_HATCHED ? brush->hatch : 0;
    return b;
}

bool OnDevicePage(HDC DC) { return DC->recording->devicePage; }

// Where a logical point goes in a record: itself, or its device pixel on a printer's page.
TPoint Placed(HDC DC, TPoint p) { return OnDevicePage(DC) ? DC->ToDevice(p.x, p.y) : p; }

TMetaState CaptureState(HDC DC) {
    TMetaState s;
    const bool device = OnDevicePage(DC);
    if (const TGdiPen* pen = DC->Pen()) {
        unsigned style = pen->Style();
        s.pen.lopnStyle = style == PS_ALTERNATE ? PS_DOT : style;
        s.pen.lopnWidth.x = pen->Cosmetic() ? 0 : pen->width;
        // On the page the width is the one the raster draws: at least a pixel.
        if (device) s.pen.lopnWidth.x = s.pen.lopnWidth.x == 0 ? 1 : std::max(1, DC->DeviceLengthX(pen->width));
        s.pen.lopnColor = pen->color;
    }
    s.brush = BrushRecord(DC->Brush());
    if (const TGdiFont* font = DC->Font()) s.font = font->lf;
    if (device) {
        s.font.lfHeight = DC->DeviceFontHeight(s.font.lfHeight);
        s.font.lfWidth = DC->DeviceLengthX(s.font.lfWidth);
    }
    const TDcState& st = DC->st;
    s.textColor = st.textColor;
    s.bkColor = st.bkColor;
    s.bkMode = st.bkMode;
    s.rop2 = st.rop2;
    s.textAlign = st.textAlign & ~TA_UPDATECP;
    s.polyFillMode = st.polyFillMode;
    s.brushOrg = st.brushOrg;
    if (st.hasClip) {
        s.hasClip = true;
        TPixelBox b = st.clip.Bounds();
        TPoint a = DC->ToLogical(b.x0, b.y0), c = DC->ToLogical(b.x1 + 1, b.y1 + 1);
        if (device) {
            a = TPoint(b.x0, b.y0);
            c = TPoint(b.x1 + 1, b.y1 + 1);
        }
        s.clip = TRect(std::min(a.x, c.x), std::min(a.y, c.y), std::max(a.x, c.x), std::max(a.y, c.y));
    }
    return s;
}

TMetaRecord& Append(HDC DC, TMetaOp op) {
    DC->recording->records.push_back(TMetaRecord{op, CaptureState(DC), {}, 0, TRect(), {}, {}, nullptr, 0, false, 0});
    return DC->recording->records.back();
}

int Utf8Length(unsigned char lead) { return lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1; }

}  // namespace

void MetaRecordShape(HDC DC, TMetaOp Op, std::vector<TPoint> Points) {
    if (OnDevicePage(DC)) {
        // A rounded rectangle's third point is its corner's size.
        const std::size_t corners = Op == TMetaOp::RoundRect ? 2 : Points.size();
        for (std::size_t i = 0; i < Points.size(); ++i)
            Points[i] = i < corners ? Placed(DC, Points[i])
                                    : TPoint(DC->DeviceLengthX(Points[i].x), DC->DeviceLengthY(Points[i].y));
    }
    Append(DC, Op).points = std::move(Points);
}

void MetaRecordFill(HDC DC, const TRect& Rect, HBRUSH Brush) {
    if (Rect.IsEmpty()) return;
    // A fill is a rectangle in the brush without an outline, which leaves
    // out its right and bottom edges as the fill does.
    TMetaRecord& r = Append(DC, TMetaOp::Rectangle);
    r.state.brush = BrushRecord(static_cast<const TGdiBrush*>(Brush));
    r.state.pen = LOGPEN();
    r.state.pen.lopnStyle = PS_NULL;
    r.state.rop2 = R2_COPYPEN;
    TPoint a = Placed(DC, TPoint(Rect.Left, Rect.Top)), b = Placed(DC, TPoint(Rect.Right, Rect.Bottom));
    r.points = {TPoint(std::min(a.x, b.x), std::min(a.y, b.y)), TPoint(std::max(a.x, b.x) + 1, std::max(a.y, b.y) + 1)};
}

void MetaRecordText(HDC DC, int X, int Y, unsigned Options, const TRect* Rect, const char* Text, int Length,
                    const int* Dx) {
    std::string text = Length < 0 ? std::string(Text ? Text : "") : std::string(Text, static_cast<std::size_t>(Length));
    TMetaRecord& r = Append(DC, TMetaOp::Text);
    r.points = {Placed(DC, (DC->st.textAlign & TA_UPDATECP) ? DC->Position() : TPoint(X, Y))};
    r.options = Rect ? Options & (ETO_OPAQUE | ETO_CLIPPED) : 0;
    if (Rect) r.rect = TRect(Placed(DC, TPoint(Rect->Left, Rect->Top)), Placed(DC, TPoint(Rect->Right, Rect->Bottom)));
    if (OnDevicePage(DC)) {
        if (Dx)
            for (int i = 0, n = CharacterCount(text.data(), static_cast<int>(text.size())); i < n; ++i)
                r.dx.push_back(DC->DeviceLengthX(Dx[i]));
        r.text = std::move(text);
        return;
    }
    // Each character's advance, so that readers with other fonts keep the
    // text's width.
    int previous = 0, index = 0;
    for (std::size_t i = 0; i < text.size(); ++index) {
        i += static_cast<std::size_t>(Utf8Length(static_cast<unsigned char>(text[i])));
        i = std::min(i, text.size());
        if (Dx) {
            r.dx.push_back(Dx[index]);
            continue;
        }
        TSize size;
        GetTextExtentPoint32(DC, text.data(), static_cast<int>(i), &size);
        r.dx.push_back(size.cx - previous);
        previous = size.cx;
    }
    r.text = std::move(text);
}

void MetaRecordPixel(HDC DC, int X, int Y, COLORREF Color) {
    TMetaRecord& r = Append(DC, TMetaOp::Pixel);
    r.points = {Placed(DC, TPoint(X, Y))};
    r.options = static_cast<unsigned>(Color);
}

void MetaRecordImage(HDC DC, const TRect& Dest, HDC Source, const TPixelBox& SourceBox, unsigned Rop,
                     const COLORREF* Key) {
    if (SourceBox.Empty() || Source->surface->Null()) return;
    TMetaRecord& r = Append(DC, TMetaOp::Image);
    r.points = {Placed(DC, TPoint(Dest.Left, Dest.Top)), Placed(DC, TPoint(Dest.Right, Dest.Bottom))};
    r.image = std::make_shared<TPixelImage>(Source->Image().Copy(SourceBox));
    r.rop = Rop;
    r.keyed = Key != nullptr;
    r.key = Key ? *Key : 0;
}

void MetaRecordPatBlt(HDC DC, const TRect& Dest, unsigned Rop) {
    TMetaRecord& r = Append(DC, TMetaOp::PatBlt);
    r.points = {Placed(DC, TPoint(Dest.Left, Dest.Top)), Placed(DC, TPoint(Dest.Right, Dest.Bottom))};
    r.rop = Rop;
}

// ---- TMetafile -------------------------------------------------------------

TMetafile::TMetafile() = default;
TMetafile::~TMetafile() = default;

void TMetafile::Assign(TPersistent* Source) {
    if (auto* other = dynamic_cast<TMetafile*>(Source)) {
        width_ = other->width_;
        height_ = other->height_;
        enhanced_ = other->enhanced_;
        recording_ = other->recording_;  // recordings never change once made
        if (OnChange) OnChange(this);
        return;
    }
    TGraphic::Assign(Source);
}

void TMetafile::SetWidth(int Value) { width_ = std::max(0, Value); }
void TMetafile::SetHeight(int Value) { height_ = std::max(0, Value); }
int TMetafile::GetMMWidth() const { return static_cast<int>(std::lround(width_ * 2540.0 / 96)); }
int TMetafile::GetMMHeight() const { return static_cast<int>(std::lround(height_ * 2540.0 / 96)); }
bool TMetafile::GetEmpty() const { return !recording_; }

void TMetafile::Clear() {
    recording_.reset();
    width_ = height_ = 0;
}

std::string TMetafile::SaveToBytes() const {
    TMetaRecording empty;
    const TMetaRecording& recording = recording_ ? *recording_ : empty;
    TMetaRecording sized = recording;
    sized.width = std::max(1, width_);
    sized.height = std::max(1, height_);
    return enhanced_ ? WriteEnhancedMetafile(sized) : WriteWindowsMetafile(sized);
}

void TMetafile::SaveToFile(const AnsiString& FileName) {
    ReplaceFile(FileName, SaveToBytes());
}

void TMetafile::LoadFromFile(const AnsiString& FileName) {
    const std::string bytes = ReadRegularFile(FileName, MaxPictureFileBytes);
    auto recording = std::make_shared<TMetaRecording>();
    if (!ReadEnhancedMetafile(bytes, *recording))
        throw EInvalidGraphic("\"" + FileName + "\" is not an enhanced metafile of the kind this program writes");
    recording_ = recording;
    width_ = recording->width;
    height_ = recording->height;
    enhanced_ = true;
    if (OnChange) OnChange(this);
}

namespace {

// Plays records onto a context, scaled from the picture into a rectangle.
class TPlayer {
public:
    TPlayer(HDC dc, const TRect& r, int w, int h)
        : dc_(dc), rect_(r), sx_(double(r.Right - r.Left) / std::max(1, w)), sy_(double(r.Bottom - r.Top) / std::max(1, h)) {}
    ~TPlayer() {
        for (HGDIOBJ o : objects_) DeleteObject(o);
    }
    TPlayer(const TPlayer&) = delete;
    TPlayer& operator=(const TPlayer&) = delete;

    void Play(const TMetaRecord& r) {
        Apply(r.state);
        std::vector<TPoint> p;
        for (const TPoint& q : r.points) p.push_back(Map(q));
        auto length = [&](TPoint q) { return TPoint(Scale(q.x, sx_), Scale(q.y, sy_)); };
        switch (r.op) {
        case TMetaOp::Line:
            MoveToEx(dc_, p[0].x, p[0].y, nullptr);
            LineTo(dc_, p[1].x, p[1].y);
            break;
        case TMetaOp::Polyline: Polyline(dc_, p.data(), int(p.size())); break;
        case TMetaOp::PolyBezier: PolyBezier(dc_, p.data(), int(p.size())); break;
        case TMetaOp::Polygon: Polygon(dc_, p.data(), int(p.size())); break;
        case TMetaOp::Rectangle: Rectangle(dc_, p[0].x, p[0].y, p[1].x, p[1].y); break;
        case TMetaOp::Ellipse: Ellipse(dc_, p[0].x, p[0].y, p[1].x, p[1].y); break;
        case TMetaOp::RoundRect: {
            TPoint corner = length(r.points[2]);
            RoundRect(dc_, p[0].x, p[0].y, p[1].x, p[1].y, corner.x, corner.y);
            break;
        }
        case TMetaOp::Arc: Arc(dc_, p[0].x, p[0].y, p[1].x, p[1].y, p[2].x, p[2].y, p[3].x, p[3].y); break;
        case TMetaOp::Pie: Pie(dc_, p[0].x, p[0].y, p[1].x, p[1].y, p[2].x, p[2].y, p[3].x, p[3].y); break;
        case TMetaOp::Chord: Chord(dc_, p[0].x, p[0].y, p[1].x, p[1].y, p[2].x, p[2].y, p[3].x, p[3].y); break;
        case TMetaOp::Text: {
            std::vector<int> dx;
            for (int d : r.dx) dx.push_back(Scale(d, sx_));
            TRect box(Map(TPoint(r.rect.Left, r.rect.Top)), Map(TPoint(r.rect.Right, r.rect.Bottom)));
            ExtTextOut(dc_, p[0].x, p[0].y, r.options, r.options ? &box : nullptr, r.text.data(),
                       int(r.text.size()), dx.data());
            break;
        }
        case TMetaOp::Pixel: SetPixel(dc_, p[0].x, p[0].y, static_cast<COLORREF>(r.options)); break;
        case TMetaOp::PatBlt: PatBlt(dc_, p[0].x, p[0].y, p[1].x - p[0].x, p[1].y - p[0].y, r.rop); break;
        case TMetaOp::Image: {
            HDC source = CreateImageDC(r.image->Width(), r.image->Height(), 96, DT_RASDISPLAY);
            source->Image() = *r.image;
            if (r.keyed)
                DrawImage(dc_, TRect(p[0].x, p[0].y, p[1].x, p[1].y), source, r.rop, &r.key);
            else
                StretchBlt(dc_, p[0].x, p[0].y, p[1].x - p[0].x, p[1].y - p[0].y, source, 0, 0, r.image->Width(),
                           r.image->Height(), r.rop);
            DeleteImageDC(source);
            break;
        }
        }
    }

private:
    // Held within what a device context takes, however a picture is
    // stretched: a coordinate of the file scaled, and the sums of them.
    static constexpr double kLimit = 1 << 28;
    static int Scale(int v, double s) { return static_cast<int>(std::lround(std::clamp(v * s, -kLimit, kLimit))); }
    static int Offset(int a, int b) { return static_cast<int>(std::clamp<double>(double(a) + b, -kLimit, kLimit)); }
    TPoint Map(TPoint q) const { return TPoint(Offset(rect_.Left, Scale(q.x, sx_)), Offset(rect_.Top, Scale(q.y, sy_))); }

    void Select(HGDIOBJ o) {
        objects_.push_back(o);
        SelectObject(dc_, o);
    }

    void Apply(const TMetaState& s) {
        if (selected_ && s.hasClip != cur_.hasClip) ClipChange(s);
        else if (selected_ && s.hasClip && !(s.clip == cur_.clip)) ClipChange(s);
        if (!selected_ || !SamePen(s.pen, cur_.pen)) {
            int width = s.pen.lopnWidth.x ? std::max(1, Scale(s.pen.lopnWidth.x, sx_)) : 0;
            Select(CreatePen(int(s.pen.lopnStyle), width, s.pen.lopnColor));
        }
        if (!selected_ || !SameBrush(s.brush, cur_.brush)) Select(CreateBrushIndirect(&s.brush));
        if (!selected_ || !SameFont(s.font, cur_.font)) {
            LOGFONT lf = s.font;
            lf.lfHeight = Scale(lf.lfHeight, sy_);
            lf.lfWidth = Scale(lf.lfWidth, sx_);
            Select(CreateFontIndirect(&lf));
        }
        SetTextColor(dc_, s.textColor);
        SetBkColor(dc_, s.bkColor);
        SetBkMode(dc_, s.bkMode);
        SetROP2(dc_, s.rop2);
        SetTextAlign(dc_, s.textAlign);
        SetPolyFillMode(dc_, s.polyFillMode);
        if (!selected_ && s.hasClip) {
            SaveDC(dc_);
            clipped_ = true;
            TPoint a = Map(TPoint(s.clip.Left, s.clip.Top)), b = Map(TPoint(s.clip.Right, s.clip.Bottom));
            IntersectClipRect(dc_, a.x, a.y, b.x, b.y);
        }
        selected_ = true;
        cur_ = s;
    }

    // Back to the context's own clip, then the new one; the restore drops
    // the selections, so everything is selected again.
    void ClipChange(const TMetaState&) {
        if (clipped_) RestoreDC(dc_, -1);
        clipped_ = false;
        selected_ = false;
    }

    HDC dc_;
    TRect rect_;
    double sx_, sy_;
    TMetaState cur_;
    bool selected_ = false, clipped_ = false;
    std::vector<HGDIOBJ> objects_;
};

}  // namespace

void TMetafile::Draw(TCanvas* ACanvas, const TRect& Rect) {
    if (!recording_) return;
    HDC dc = ACanvas->GetHandle();
    int saved = SaveDC(dc);
    {
        TPlayer player(dc, Rect, width_, height_);
        for (const TMetaRecord& r : recording_->records) player.Play(r);
        RestoreDC(dc, saved);
    }
}

// ---- TMetafileCanvas --------------------------------------------------------

TMetafileCanvas::TMetafileCanvas(TMetafile* AMetafile, HDC ReferenceDevice)
    : metafile_(AMetafile), recording_(std::make_shared<TMetaRecording>()) {
    int dpi = ReferenceDevice ? GetDeviceCaps(ReferenceDevice, LOGPIXELSX) : 96;
    recording_->width = std::max(1, AMetafile->GetWidth());
    recording_->height = std::max(1, AMetafile->GetHeight());
    // The context draws as well as records: text is measured and the clip
    // worked out as on any other surface.
    HDC dc = CreateImageDC(recording_->width, recording_->height, dpi, DT_RASDISPLAY);
    dc->recording = recording_.get();
    SetHandle(dc);
}

TMetafileCanvas::~TMetafileCanvas() {
    HDC dc = dc_;
    SetHandle(nullptr);
    DeleteImageDC(dc);
    metafile_->recording_ = recording_;
    if (metafile_->OnChange) metafile_->OnChange(metafile_);
}
