// Interim stand-in for the graphics layer, only what the controls use:
// bitmaps over QImage, pens, brushes, fonts and a few canvas operations
// through QPainter. The real implementation replaces this file.
#include <QFont>
#include <QFontMetrics>
#include <QPainter>

#include "QtBridge.h"

struct TDeviceContext {
    QImage image;
    TPoint penPos;
};
struct TGdiObject {};

namespace {

QColor ToQColor(TColor c) {
    TColor rgb = ColorToRGB(c);
    return QColor(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
}

QFont ToQFont(TFont* f) {
    QFont font(QString::fromUtf8(f->GetName().c_str()));
    font.setPixelSize(std::max(1, std::abs(f->GetHeight())));
    font.setBold(f->GetStyle().Contains(fsBold));
    font.setItalic(f->GetStyle().Contains(fsItalic));
    font.setUnderline(f->GetStyle().Contains(fsUnderline));
    font.setStrikeOut(f->GetStyle().Contains(fsStrikeOut));
    return font;
}

QPainter::CompositionMode ToMode(TPenMode m) {
    switch (m) {
    case pmNot: return QPainter::RasterOp_NotDestination;
    case pmXor: return QPainter::RasterOp_SourceXorDestination;
    case pmNotXor: return QPainter::RasterOp_NotSourceXorDestination;
    default: return QPainter::CompositionMode_SourceOver;
    }
}

}  // namespace

TColor ColorToRGB(TColor Color) {
    static const TColor system[] = {
        0xC8C8C8, 0x000000, 0xD1B499, 0xDBCDBF, 0xF0F0F0, 0xFFFFFF, 0x646464, 0x000000, 0x000000,
        0x000000, 0xB4B4B4, 0xFCF7F4, 0xABABAB, 0xFF9933, 0xFFFFFF, 0xC0C0C0, 0x808080, 0x808080,
        0x000000, 0x000000, 0xFFFFFF, 0x404040, 0xE3E3E3, 0x000000, 0xE1FFFF};
    if (Color < 0) {
        unsigned index = static_cast<unsigned>(Color) & 0xFF;
        return index < sizeof(system) / sizeof(system[0]) ? system[index] : clBlack;
    }
    return Color & 0xFFFFFF;
}

TGraphicsObject::~TGraphicsObject() = default;
void TGraphicsObject::Changed() {
    if (OnChange) OnChange(this);
}

TPen::TPen() = default;
void TPen::Assign(TPersistent* Source) {
    auto* p = dynamic_cast<TPen*>(Source);
    if (!p) return TPersistent::Assign(Source);
    color_ = p->color_; width_ = p->width_; style_ = p->style_; mode_ = p->mode_;
    Changed();
}
void TPen::SetColor(TColor Value) { if (color_ != Value) { color_ = Value; Changed(); } }
void TPen::SetWidth(int Value) { if (width_ != Value) { width_ = Value; Changed(); } }
void TPen::SetStyle(TPenStyle Value) { if (style_ != Value) { style_ = Value; Changed(); } }
void TPen::SetMode(TPenMode Value) { if (mode_ != Value) { mode_ = Value; Changed(); } }

TBrush::TBrush() = default;
TBrush::~TBrush() { delete bitmap_; }
void TBrush::Assign(TPersistent* Source) {
    auto* b = dynamic_cast<TBrush*>(Source);
    if (!b) return TPersistent::Assign(Source);
    color_ = b->color_; style_ = b->style_;
    Changed();
}
void TBrush::SetColor(TColor Value) {
    if (color_ != Value || style_ == bsClear) { color_ = Value; if (style_ == bsClear) style_ = bsSolid; Changed(); }
}
void TBrush::SetStyle(TBrushStyle Value) { if (style_ != Value) { style_ = Value; Changed(); } }

TFont::TFont() = default;
void TFont::Assign(TPersistent* Source) {
    auto* f = dynamic_cast<TFont*>(Source);
    if (!f) return TPersistent::Assign(Source);
    name_ = f->name_; height_ = f->height_; color_ = f->color_; style_ = f->style_; pitch_ = f->pitch_;
    Changed();
}
void TFont::SetName(const AnsiString& Value) { if (!(name_ == Value)) { name_ = Value; Changed(); } }
int TFont::GetSize() const { return -height_ * 72 / pixelsPerInch_; }
void TFont::SetSize(int Value) { SetHeight(-Value * pixelsPerInch_ / 72); }
void TFont::SetHeight(int Value) { if (height_ != Value) { height_ = Value; Changed(); } }
void TFont::SetColor(TColor Value) { if (color_ != Value) { color_ = Value; Changed(); } }
void TFont::SetStyle(TFontStyles Value) { if (!(style_ == Value)) { style_ = Value; Changed(); } }

TCanvas::TCanvas() : pen_(new TPen), brush_(new TBrush), font_(new TFont) {}
TCanvas::~TCanvas() { delete pen_; delete brush_; delete font_; }

HDC TCanvas::GetHandle() {
    if (!dc_) CreateHandle();
    if (!dc_) throw EInvalidOperation("Canvas does not allow drawing");
    return dc_;
}
void TCanvas::SetHandle(HDC Value) { dc_ = Value; }
void TCanvas::RequiredState() { GetHandle(); }

namespace {
// A painter on the canvas's image with its pen, brush and mode.
struct CanvasPainter : QPainter {
    CanvasPainter(QImage& image, TPen* pen, TBrush* brush) : QPainter(&image) {
        setCompositionMode(ToMode(pen->GetMode()));
        if (pen->GetStyle() == psClear) setPen(Qt::NoPen);
        else setPen(QPen(ToQColor(pen->GetColor()), std::max(1, pen->GetWidth())));
        if (brush->GetStyle() == bsClear) setBrush(Qt::NoBrush);
        else setBrush(ToQColor(brush->GetColor()));
    }
};
}  // namespace

void TCanvas::MoveTo(int X, int Y) { GetHandle()->penPos = {X, Y}; }
void TCanvas::LineTo(int X, int Y) {
    HDC dc = GetHandle();
    {
        CanvasPainter p(dc->image, pen_, brush_);
        p.drawLine(dc->penPos.x, dc->penPos.y, X, Y);
    }
    dc->penPos = {X, Y};
}
void TCanvas::FillRect(const TRect& R) {
    HDC dc = GetHandle();
    if (brush_->GetStyle() == bsClear || R.IsEmpty()) return;
    QPainter p(&dc->image);
    p.fillRect(QRect(R.Left, R.Top, R.Width(), R.Height()), ToQColor(brush_->GetColor()));
}
void TCanvas::FrameRect(const TRect& R) {
    HDC dc = GetHandle();
    if (R.IsEmpty()) return;
    QPainter p(&dc->image);
    QColor c = ToQColor(brush_->GetColor());
    p.fillRect(QRect(R.Left, R.Top, R.Width(), 1), c);
    p.fillRect(QRect(R.Left, R.Bottom - 1, R.Width(), 1), c);
    p.fillRect(QRect(R.Left, R.Top, 1, R.Height()), c);
    p.fillRect(QRect(R.Right - 1, R.Top, 1, R.Height()), c);
}
void TCanvas::Ellipse(int X1, int Y1, int X2, int Y2) {
    CanvasPainter p(GetHandle()->image, pen_, brush_);
    p.drawEllipse(QRect(X1, Y1, X2 - X1 - 1, Y2 - Y1 - 1));
}
void TCanvas::TextOut(int X, int Y, const AnsiString& Text) {
    HDC dc = GetHandle();
    QPainter p(&dc->image);
    QFont font = ToQFont(font_);
    p.setFont(font);
    if (brush_->GetStyle() != bsClear) {
        QSize size = QFontMetrics(font).size(Qt::TextSingleLine, QString::fromUtf8(Text.c_str()));
        p.fillRect(QRect(QPoint(X, Y), size), ToQColor(brush_->GetColor()));
    }
    p.setPen(ToQColor(font_->GetColor()));
    p.drawText(X, Y + QFontMetrics(font).ascent(), QString::fromUtf8(Text.c_str()));
}
TSize TCanvas::TextExtent(const AnsiString& Text) {
    GetHandle();
    QSize size = QFontMetrics(ToQFont(font_)).size(Qt::TextSingleLine, QString::fromUtf8(Text.c_str()));
    return {size.width(), size.height()};
}
int TCanvas::TextWidth(const AnsiString& Text) { return TextExtent(Text).cx; }
int TCanvas::TextHeight(const AnsiString& Text) { return TextExtent(Text).cy; }
TColor TCanvas::GetPixels(int X, int Y) {
    QImage& image = GetHandle()->image;
    if (!image.valid(X, Y)) return clNone;
    QRgb c = image.pixel(X, Y);
    return RGB(qRed(c), qGreen(c), qBlue(c));
}
void TCanvas::SetPixels(int X, int Y, TColor Value) {
    QImage& image = GetHandle()->image;
    if (image.valid(X, Y)) image.setPixel(X, Y, ToQColor(Value).rgb());
}

TBitmap::TBitmap() : surface_(new TDeviceContext) {}
TBitmap::~TBitmap() { delete canvas_; delete surface_; }
void TBitmap::Assign(TPersistent* Source) {
    auto* b = dynamic_cast<TBitmap*>(Source);
    if (!b) return TPersistent::Assign(Source);
    surface_->image = b->surface_->image.copy();
}
int TBitmap::GetWidth() const { return surface_->image.width(); }
int TBitmap::GetHeight() const { return surface_->image.height(); }
void TBitmap::SetWidth(int Value) { SetSize(Value, GetHeight()); }
void TBitmap::SetHeight(int Value) { SetSize(GetWidth(), Value); }
void TBitmap::SetSize(int AWidth, int AHeight) {
    if (AWidth == GetWidth() && AHeight == GetHeight()) return;
    QImage image(std::max(0, AWidth), std::max(0, AHeight), QImage::Format_RGB32);
    image.fill(Qt::white);
    surface_->image = image;
}
bool TBitmap::GetEmpty() const { return surface_->image.isNull(); }
TCanvas* TBitmap::GetCanvas() {
    if (!canvas_) {
        canvas_ = new TCanvas;
        canvas_->SetHandle(surface_);
    }
    return canvas_;
}
void TBitmap::LoadFromFile(const AnsiString& FileName) {
    QImage image;
    if (!image.load(QString::fromUtf8(FileName.c_str()))) throw EInvalidGraphic("Bitmap image is not valid");
    surface_->image = image.convertToFormat(QImage::Format_RGB32);
}
void TBitmap::SaveToFile(const AnsiString& FileName) {
    if (!surface_->image.save(QString::fromUtf8(FileName.c_str()), "BMP"))
        throw EFCreateError("Cannot create file \"" + FileName + "\"");
}
void TBitmap::Draw(TCanvas* ACanvas, const TRect& Rect) {
    QPainter p(&ACanvas->GetHandle()->image);
    p.drawImage(QRect(Rect.Left, Rect.Top, Rect.Width(), Rect.Height()), surface_->image);
}
HDC TBitmap::GetDC() { return surface_; }

QImage& BitmapImage(TBitmap* Bitmap) { return Bitmap->GetDC()->image; }
