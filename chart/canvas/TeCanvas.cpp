// The flat surface's own operations, the chart pens, the 3-D view settings
// and the geometry and colour helpers.
#include <algorithm>
#include <cmath>
#include <utility>

#include "chart/canvas/TeCanvas.h"
#include "chart/utils/TeeProcs.h"

Byte DarkColorQuantity = 64;
Byte DarkerColorQuantity = 128;
int TeeGradientPrecision = 2;

// ---- Geometry ---------------------------------------------------------------------
void SinCos(long double Angle, long double& Sin, long double& Cos) {
    Sin = std::sin(Angle);
    Cos = std::cos(Angle);
}

double ArcTan2(double Y, double X) { return std::atan2(Y, X); }

TPoint3D Point3D(int x, int y, int z) { return TPoint3D{x, y, z}; }

void RectSize(const TRect& R, int& Width, int& Height) {
    Width = R.Right - R.Left;
    Height = R.Bottom - R.Top;
}

void RectCenter(const TRect& R, int& X, int& Y) {
    X = (R.Left + R.Right) / 2;
    Y = (R.Top + R.Bottom) / 2;
}

// ---- Colours ----------------------------------------------------------------------
namespace {

template <class F>
TColor MapComponents(TColor Color, F&& map) {
    TColor c = ColorToRGB(Color);
    return RGB(map(GetRValue(c)), map(GetGValue(c)), map(GetBValue(c)));
}

}  // namespace

TColor ApplyDark(TColor Color, Byte HowMuch) {
    return MapComponents(Color, [HowMuch](int v) { return v > HowMuch ? v - HowMuch : 0; });
}

// System colours are resolved here too: their index bytes are no colour.
TColor ApplyBright(TColor Color, Byte HowMuch) {
    return MapComponents(Color, [HowMuch](int v) { return std::min(v + HowMuch, 255); });
}

// ---- Clipping ----------------------------------------------------------------------
void ClipCanvas(TCanvas* ACanvas, const TRect& Rect) {
    HDC dc = ACanvas->GetHandle();
    TPoint corners[2] = {Rect.TopLeft(), Rect.BottomRight()};
    LPtoDP(dc, corners, 2);
    HRGN region = CreateRectRgn(corners[0].x, corners[0].y, corners[1].x, corners[1].y);
    SelectClipRgn(dc, region);
    DeleteObject(region);
}

void UnClipCanvas(TCanvas* ACanvas) { SelectClipRgn(ACanvas->GetHandle(), nullptr); }

// ---- Pens -----------------------------------------------------------------------------
TChartBrush::TChartBrush(TNotifyEvent ChangedEvent) {
    SetColor(DefaultPointColor);
    OnChange = std::move(ChangedEvent);
}

TChartPen::TChartPen(TNotifyEvent OnChangeEvent) { OnChange = std::move(OnChangeEvent); }

void TChartPen::Notify() {
    if (OnChange) OnChange(this);
}

void TChartPen::Assign(TPersistent* Source) {
    if (auto* pen = dynamic_cast<TChartPen*>(Source)) {
        visible_ = pen->visible_;
        smallDots_ = pen->smallDots_;
    }
    TPen::Assign(Source);
}

void TChartPen::SetSmallDots(bool Value) {
    if (TeeStoreChanged(smallDots_, Value)) Notify();
}

void TChartPen::SetVisible(bool Value) {
    if (TeeStoreChanged(visible_, Value)) Notify();
}

TChartHiddenPen::TChartHiddenPen(TNotifyEvent OnChangeEvent) : TChartPen(std::move(OnChangeEvent)) {
    SetVisible(false);
}

TDottedGrayPen::TDottedGrayPen(TNotifyEvent OnChangeEvent) : TChartPen(std::move(OnChangeEvent)) {
    SetColor(clGray);
    SetStyle(psDot);
}

TDarkGrayPen::TDarkGrayPen(TNotifyEvent OnChangeEvent) : TChartPen(std::move(OnChangeEvent)) { SetColor(clGray); }

TChartAxisPen::TChartAxisPen(TNotifyEvent OnChangeEvent) : TChartPen(std::move(OnChangeEvent)) { SetWidth(2); }

TChartArrowPen::TChartArrowPen(TNotifyEvent OnChangeEvent) : TChartPen(std::move(OnChangeEvent)) {
    SetColor(clWhite);
}

// ---- 3-D view settings ----------------------------------------------------------
TView3DOptions::TView3DOptions(TPersistent* AParent, TNotifyEvent ARepaint)
    : parent_(AParent), repaint_(std::move(ARepaint)) {}

void TView3DOptions::Assign(TPersistent* Source) {
    auto* options = dynamic_cast<TView3DOptions*>(Source);
    if (!options) {
        TPersistent::Assign(Source);
        return;
    }
    elevation_ = options->elevation_;
    horizOffset_ = options->horizOffset_;
    orthogonal_ = options->orthogonal_;
    perspective_ = options->perspective_;
    rotation_ = options->rotation_;
    tilt_ = options->tilt_;
    vertOffset_ = options->vertOffset_;
    zoom_ = options->zoom_;
    zoomText_ = options->zoomText_;
}

void TView3DOptions::Repaint() {
    if (repaint_) repaint_(this);
}

void TView3DOptions::SetIntegerProperty(int& Field, int Value) {
    if (TeeStoreChanged(Field, Value)) Repaint();
}

void TView3DOptions::SetBooleanProperty(bool& Field, bool Value) {
    if (TeeStoreChanged(Field, Value)) Repaint();
}

void TView3DOptions::SetElevation(int Value) { SetIntegerProperty(elevation_, Value); }
void TView3DOptions::SetOrthogonal(bool Value) { SetBooleanProperty(orthogonal_, Value); }
void TView3DOptions::SetPerspective(int Value) { SetIntegerProperty(perspective_, Value); }
void TView3DOptions::SetRotation(int Value) { SetIntegerProperty(rotation_, Value); }
void TView3DOptions::SetTilt(int Value) { SetIntegerProperty(tilt_, Value); }
void TView3DOptions::SetZoomText(bool Value) { SetBooleanProperty(zoomText_, Value); }

void TView3DOptions::SetHorizOffset(int Value) {
    if (horizOffset_ == Value) return;
    SetIntegerProperty(horizOffset_, Value);
    if (OnScrolled) OnScrolled(true);
}

void TView3DOptions::SetVertOffset(int Value) {
    if (vertOffset_ == Value) return;
    SetIntegerProperty(vertOffset_, Value);
    if (OnScrolled) OnScrolled(false);
}

void TView3DOptions::SetZoom(int Value) {
    if (zoom_ == Value) return;
    if (OnZoomed) OnZoomed(Value);
    SetIntegerProperty(zoom_, Value);
}

// ---- The flat surface ------------------------------------------------------------
void TTeeCanvas::SetCanvas(TCanvas* ACanvas) {
    canvas_ = ACanvas;
    font_ = ACanvas ? ACanvas->GetFont() : nullptr;
    pen_ = ACanvas ? ACanvas->GetPen() : nullptr;
    brush_ = ACanvas ? ACanvas->GetBrush() : nullptr;
}

void TTeeCanvas::ResetState() {
    pen_->SetColor(clBlack);
    pen_->SetWidth(1);
    pen_->SetStyle(psSolid);
    brush_->SetColor(clWhite);
    brush_->SetStyle(bsSolid);
    font_->SetColor(clBlack);
    font_->SetSize(10);
    SetBackColor(clWhite);
    SetBackMode(cbmTransparent);
}

void TTeeCanvas::AssignVisiblePen(TChartPen* APen) {
    if (!APen->GetVisible()) {
        // A style change alone would keep an alternate-dot pen handed over
        // before while the style already is clear.
        pen_->SetHandle(nullptr);
        pen_->SetStyle(psClear);
    } else if (APen->GetSmallDots() && APen->GetWidth() == 1) {
        // This platform draws the alternate dots as the NT platform does.
        LOGBRUSH brush;
        brush.lbStyle = BS_SOLID;
        brush.lbColor = ColorToRGB(APen->GetColor());
        pen_->SetHandle(ExtCreatePen(PS_COSMETIC | PS_ALTERNATE, 1, &brush, 0, nullptr));
    } else {
        pen_->Assign(APen);
    }
}

void TTeeCanvas::AssignVisiblePen(TChartPen* APen, TColor Color) {
    const bool sameButColor = APen->GetVisible() && !APen->GetSmallDots() && !pen_->HandleGiven() &&
                              pen_->GetWidth() == APen->GetWidth() && pen_->GetStyle() == APen->GetStyle() &&
                              pen_->GetMode() == APen->GetMode();
    if (!sameButColor) AssignVisiblePen(APen);
    pen_->SetColor(Color);
}

namespace {

// The extent of Text in the canvas font; nothing when it cannot be measured.
TSize MeasureText(TCanvas* ACanvas, TFont* AFont, const AnsiString& Text) {
    AFont->Assign(AFont);  // the device context takes the font as it is now
    TSize size;
    if (!GetTextExtentPoint32(ACanvas->GetHandle(), Text.c_str(), Text.Length(), &size)) return TSize();
    return size;
}

}  // namespace

int TTeeCanvas::TextWidth(const AnsiString& Text) { return MeasureText(canvas_, font_, Text).cx; }

int TTeeCanvas::TextHeight(const AnsiString& Text) { return MeasureText(canvas_, font_, Text).cy; }

// The extent's height is the font's, whatever the text: nothing to shape.
int TTeeCanvas::FontHeight() { return TextHeight(AnsiString()); }

// ---- The surface with depth ------------------------------------------------------
void TCanvas3D::Assign(TCanvas3D* Source) { SetMonochrome(Source->GetMonochrome()); }
