// How the vertical and horizontal bar series draw: each bar's place in its
// slot and along the value axis, its shape in 2-D and 3-D, its mark, the
// room marks and slots take beside the chart, and which bar a click hits.
#include <algorithm>
#include <cstdlib>

#include "chart/axis/TeEngineAxis.h"
#include "chart/canvas/TeCanvas.h"
#include "chart/messages/TeeConst.h"
#include "chart/messages/TeeExceptions.h"
#include "chart/panel/TeEngineAxisPanel.h"
#include "chart/seriestypes/SeriesBar.h"
#include "chart/utils/TeeProcs.h"
#include "platform/runtime/SysUtils.h"

namespace {

// A slot beyond the 16-bit screen range cannot be drawn.
bool SlotDrawable(int Start, int Width) { return Start > -32767 && Start + Width < 32767; }
// Nor can a mark whose bar ends there (a cut bar end is at its edge).
bool MarkDrawable(const TPoint& P) { return P.x > -32767 && P.x < 32767 && P.y > -32767 && P.y < 32767; }

}  // namespace

// ---- Shared drawing steps ------------------------------------------------------

void TCustomBarSeries::SetPenBrushBar(TColor AColor) {
    TCustomAxisPanel* chart = GetParentChart();
    TCanvas3D* canvas = chart->GetCanvas();
    canvas->AssignVisiblePen(barPen_);
    if (barBrush_->GetBitmap()) {
        canvas->GetBrush()->SetBitmap(barBrush_->GetBitmap());
        return;
    }
    const TColor back = barBrush_->GetColor() == DefaultPointColor ? chart->GetColor() : barBrush_->GetColor();
    chart->SetBrushCanvas(AColor, barBrush_->GetStyle(), back);
}

void TCustomBarSeries::BarRectangle(TColor AColor, int ALeft, int ATop, int ARight, int ABottom) {
    TCanvas3D* canvas = GetParentChart()->GetCanvas();
    if (barBrush_->GetStyle() == bsSolid) {
        auto penInBarColor = [&] {
            canvas->GetPen()->SetColor(AColor);
            if (canvas->GetPen()->GetStyle() == psClear) canvas->GetPen()->SetStyle(psSolid);
        };
        if (ARight == ALeft || ABottom == ATop) {
            // No inside to fill: the bar is its line.
            penInBarColor();
            canvas->Line(ALeft, ATop, ARight, ABottom);
            return;
        }
        const int penWidth = canvas->GetPen()->GetWidth();
        if (penWidth > std::abs(ARight - ALeft) || penWidth > std::abs(ABottom - ATop)) {
            // The outline would cover the fill: draw it in the bar's colour.
            penInBarColor();
            canvas->GetBrush()->SetStyle(bsClear);
        }
    }
    canvas->Rectangle(ALeft, ATop, ARight, ABottom);
}

void TCustomBarSeries::AdjustGradientRectPen(TRect& R) const {
    ++R.Left;
    ++R.Top;
    R.Right -= barPen_->GetWidth() - 1;
    R.Bottom -= barPen_->GetWidth() - 1;
}

bool TCustomBarSeries::GradientFace3D() const {
    TCustomAxisPanel* chart = GetParentChart();
    return chart->GetCanvas()->GetSupportsFullRotation() || chart->GetView3DOptions()->GetOrthogonal();
}

namespace {

// A bar's own coordinates, a slot pixel across the bar and a value pixel
// along it, put on the screen: an upright bar's slot runs along x, a lying
// bar's along y. So each shape is written once for both.
struct TBarFrame {
    bool upright;
    TPoint At(int Slot, int Value) const { return upright ? TPoint(Slot, Value) : TPoint(Value, Slot); }
    // The rectangle between two slot pixels and two value pixels.
    TRect Box(int Slot0, int Slot1, int Value0, int Value1) const {
        const TPoint a = At(Slot0, Value0), b = At(Slot1, Value1);
        return TRect(a.x, a.y, b.x, b.y);
    }
};

}  // namespace

void TCustomBarSeries::DrawValue(int ValueIndex) {
    TChartSeries::DrawValue(ValueIndex);
    normalBarColor_ = GetValueColor(ValueIndex);
    if (normalBarColor_ == clNone) return;
    const bool upright = YMandatory();
    const int slot = upright ? CalcXPos(ValueIndex) : CalcYPos(ValueIndex);
    if (!SlotDrawable(slot, barWidth_)) return;
    const int end = upright ? CalcYPos(ValueIndex) : CalcXPos(ValueIndex), origin = GetOriginPos(ValueIndex);
    // An upright bar's bounds run from its end to its origin, a lying bar's
    // from its origin to its end.
    barBounds_ = upright ? TRect(slot, end, slot + barWidth_, origin) : TRect(origin, slot, end, slot + barWidth_);
    DrawBar(ValueIndex, std::min(end, origin), std::max(end, origin));
}

// StartPos and EndPos are the bar's ends along the value axis, the smaller
// pixel first; the bar grows toward larger values, up or to the right.
void TCustomBarSeries::DrawBar(int BarIndex, int StartPos, int EndPos) {
    TCustomAxisPanel* chart = GetParentChart();
    TCanvas3D* canvas = chart->GetCanvas();
    SetPenBrushBar(normalBarColor_);
    const TBarFrame frame{YMandatory()};
    const TRect& b = barBounds_;
    const int slot0 = frame.upright ? b.Left : b.Top, slot1 = frame.upright ? b.Right : b.Bottom;
    const int mid = (slot0 + slot1) / 2, w = slot1 - slot0;
    // The value pixels at the origin's side and at the far end.
    const int low = frame.upright ? EndPos : StartPos, high = frame.upright ? StartPos : EndPos;
    const TRect span = frame.Box(slot0, slot1, StartPos, EndPos);
    const bool is3D = chart->GetView3D();
    const bool dark = GetDark3D();
    auto pyramid = [&](int Base, int Apex) {
        const TPoint points[] = {frame.At(slot0, Base), frame.At(mid, Apex), frame.At(slot1, Base)};
        canvas->Polygon(points, 2);
    };
    switch (GetBarStyle(BarIndex)) {
        case bsRectangle:
        case bsCilinder:
            // Flat, the bounds as they stand: a bar hangs from its origin.
            if (!is3D)
                BarRectangle(normalBarColor_, b.Left, b.Top, b.Right, b.Bottom);
            else if (GetBarStyle(BarIndex) == bsRectangle)
                canvas->Cube(span.Left, span.Right, span.Top, span.Bottom, StartZ, EndZ, dark);
            else
                canvas->Cylinder(frame.upright, b.Left, b.Top, b.Right, b.Bottom, StartZ, EndZ, dark);
            break;
        case bsPyramid:
            if (is3D)
                canvas->Pyramid(frame.upright, span.Left, span.Top, span.Right, span.Bottom, StartZ, EndZ, dark);
            else
                pyramid(low, high);
            break;
        case bsInvPyramid:
            if (is3D) {
                const TRect turned = frame.Box(slot0, slot1, EndPos, StartPos);
                canvas->Pyramid(frame.upright, turned.Left, turned.Top, turned.Right, turned.Bottom, StartZ, EndZ, dark);
            } else {
                pyramid(high, low);
            }
            break;
        case bsCone:
            // Flat, a cone is seen as its side: the pyramid's triangle.
            if (is3D)
                canvas->Cone(frame.upright, b.Left, b.Top, b.Right, b.Bottom, StartZ, EndZ, 0);
            else
                pyramid(low, high);
            break;
        case bsEllipse:
            if (is3D)
                canvas->EllipseWithZ(b.Left, b.Top, b.Right, b.Bottom, MiddleZ);
            else
                canvas->Ellipse(b.Left, b.Top, b.Right, b.Bottom);
            break;
        case bsArrow:
            canvas->Arrow(true, frame.At(mid, low), frame.At(mid, high), w, w / 2, MiddleZ);
            break;
        case bsRectGradient: {
            const TGradientDirection toward = frame.upright ? gdBottomTop : gdLeftRight;
            if (is3D) {
                canvas->Cube(span.Left, span.Right, span.Top, span.Bottom, StartZ, EndZ, dark);
                if (GradientFace3D()) {
                    const TPoint p0 = frame.At(slot0, StartPos), p1 = frame.At(slot1, EndPos);
                    const TPoint q0 = canvas->Calculate3DPosition(p0.x, p0.y, StartZ);
                    const TPoint q1 = canvas->Calculate3DPosition(p1.x, p1.y, StartZ);
                    TRect face(q0.x, q0.y, q1.x, q1.y);
                    if (GetBarPen()->GetVisible()) AdjustGradientRectPen(face);
                    canvas->GradientFill(face, clWhite, normalBarColor_, toward);
                }
            } else {
                canvas->GradientFill(span, clWhite, normalBarColor_, toward);
                if (GetBarPen()->GetVisible()) {
                    canvas->GetBrush()->SetStyle(bsClear);
                    BarRectangle(normalBarColor_, b.Left, b.Top, b.Right, b.Bottom);
                }
            }
            break;
        }
    }
}

// ---- Vertical bars ----------------------------------------------------------------

int TBarSeries::CalcXPos(int ValueIndex) const {
    int x = TChartSeries::CalcXPos(ValueIndex);
    if (GetMultiBar() == mbSide)
        x += Round((BarOrderPos() - BarSeriesCount() * 0.5 - 1) * barWidth_);
    else
        x -= barWidth_ / 2;
    return ApplyBarOffset(x);
}

int TBarSeries::CalcYPos(int ValueIndex) const { return BarEndPos(ValueIndex, GetyValue(ValueIndex)); }

int TBarSeries::GetOriginPos(int ValueIndex) const {
    return InternalGetOriginPos(ValueIndex, GetVerticalAxis()->GetEndPixel());
}

double TBarSeries::MaxYValue() const { return MaxMandatoryValue(TChartSeries::MaxYValue(), GetYValues()); }
double TBarSeries::MinYValue() const { return MinMandatoryValue(TChartSeries::MinYValue()); }

bool TBarSeries::DrawValuesForward() const { return !GetHorizontalAxis()->GetInverted(); }

TChartSeries::TColumnRoad TBarSeries::ColumnRoad() const {
    const bool rectangles = !OnGetBarStyle && (GetBarStyle() == bsRectangle || GetBarStyle() == bsCilinder);
    const bool solid = GetBarBrush()->GetStyle() == bsSolid && !GetBarBrush()->GetBitmap();
    const bool pen = GetBarPen()->GetVisible() && ThinSolidPen(GetBarPen());
    return !GetParentChart()->GetView3D() && rectangles && solid && pen ? crCover : crNone;
}

// A bar is a rectangle that leaves out its right column and bottom row, or,
// as a line, its last pixel.
bool TBarSeries::ColumnPaint(int ValueIndex, TColumnPaint& Paint) const {
    const int left = CalcXPos(ValueIndex);
    if (GetValueColor(ValueIndex) == clNone || !SlotDrawable(left, barWidth_)) return true;
    const int end = CalcYPos(ValueIndex), origin = GetOriginPos(ValueIndex);
    if (end == origin)
        Paint.Body = barWidth_ > 0 ? TRowSpan{end, end} : TRowSpan{};
    else if (barWidth_ > 0)
        Paint.Body = {std::min(end, origin), std::max(end, origin) - 1};
    else
        Paint.Body = end < origin ? TRowSpan{end, origin - 1} : TRowSpan{origin + 1, end};
    return true;
}

bool TBarSeries::PlaceMark(int ValueIndex, TSeriesMarkPosition& APosition) {
    // The mark of a bar too far out to draw is not drawn either.
    if (!MarkDrawable(APosition.ArrowFrom) || !SlotDrawable(APosition.ArrowFrom.x, barWidth_)) return false;
    GetMarks()->ZPosition = StartZ;
    int d = GetMarks()->GetArrowLength();
    // A bar hanging below its origin has its mark below its end.
    if (GetOriginPos(ValueIndex) < APosition.ArrowFrom.y) d = -APosition.Height - GetMarks()->GetArrowLength();
    const int half = barWidth_ / 2;
    APosition.ArrowFrom.x += half;
    APosition.ArrowTo.x += half;
    APosition.LeftTop.x += half;
    APosition.ArrowTo.y -= d;
    APosition.LeftTop.y -= d;
    return true;
}

void TBarSeries::CalcHorizMargins(int& Left, int& Right) const {
    TChartSeries::CalcHorizMargins(Left, Right);
    CalcBarWidth();
    Left += BarMargin();
    Right += BarMargin();
}

void TBarSeries::CalcVerticalMargins(int& Top, int& Bottom) const {
    TChartSeries::CalcVerticalMargins(Top, Bottom);
    int length = CalcMarkLength(0);
    if (length <= 0) return;
    ++length;
    const bool inverted = GetVerticalAxis()->GetInverted();
    if (GetUseYOrigin() && GetYValues()->GetMinValue() < GetYOrigin()) (inverted ? Top : Bottom) += length;
    if (!(GetUseYOrigin() && GetYValues()->GetMaxValue() <= GetYOrigin())) (inverted ? Bottom : Top) += length;
}

int TBarSeries::InternalCalcMarkLength(int) const { return GetParentChart()->GetCanvas()->FontHeight(); }

bool TBarSeries::InternalClicked(int ValueIndex, const TPoint& P) {
    const int x0 = CalcXPos(ValueIndex);
    if (P.x < x0 || P.x > x0 + barWidth_) return false;
    const int end = CalcYPos(ValueIndex), origin = GetOriginPos(ValueIndex);
    const int y1 = std::min(end, origin), y2 = std::max(end, origin);
    // Each shape is hit where it is drawn: a pyramid stands on its lower
    // edge, an inverted one hangs from its upper edge.
    switch (GetBarStyle(ValueIndex)) {
        case bsPyramid:
        case bsCone:
            return GetParentChart()->GetView3D() && GetBarStyle(ValueIndex) == bsCone
                       ? P.y >= y1 && P.y <= y2
                       : PointInTriangle(P, x0, x0 + barWidth_, y2, y1);
        case bsInvPyramid:
            return PointInTriangle(P, x0, x0 + barWidth_, y1, y2);
        case bsEllipse:
            return PointInEllipse(P, TRect(x0, y1, x0 + barWidth_, y2));
        default:
            return P.y >= y1 && P.y <= y2;
    }
}

// ---- Horizontal bars --------------------------------------------------------------

THorizBarSeries::THorizBarSeries(TComponent* AOwner) : TCustomBarSeries(AOwner) {
    // The values are the lengths along X; the positions keep their order.
    GetXValues()->SetOrder(loNone);
}

int THorizBarSeries::CalcXPos(int ValueIndex) const { return BarEndPos(ValueIndex, GetxValue(ValueIndex)); }

int THorizBarSeries::CalcYPos(int ValueIndex) const {
    int y = TChartSeries::CalcYPos(ValueIndex);
    if (GetMultiBar() == mbSide)
        y += Round((BarSeriesCount() * 0.5 - BarOrderPos()) * barWidth_);
    else
        y -= barWidth_ / 2;
    return ApplyBarOffset(y);
}

int THorizBarSeries::GetOriginPos(int ValueIndex) const {
    return InternalGetOriginPos(ValueIndex, GetHorizontalAxis()->GetStartPixel());
}

double THorizBarSeries::MaxXValue() const { return MaxMandatoryValue(TChartSeries::MaxXValue(), GetXValues()); }
double THorizBarSeries::MinXValue() const { return MinMandatoryValue(TChartSeries::MinXValue()); }

bool THorizBarSeries::DrawValuesForward() const { return !GetVerticalAxis()->GetInverted(); }

bool THorizBarSeries::PlaceMark(int ValueIndex, TSeriesMarkPosition& APosition) {
    if (!MarkDrawable(APosition.ArrowFrom) || !SlotDrawable(APosition.ArrowFrom.y, barWidth_)) return false;
    GetMarks()->ZPosition = StartZ;
    int d = GetMarks()->GetArrowLength();
    // A bar running left of its origin has its mark left of its end.
    if (GetOriginPos(ValueIndex) > APosition.ArrowFrom.x) d = -d - APosition.Width;
    const int half = barWidth_ / 2;
    APosition.LeftTop.x += d + APosition.Width / 2;
    APosition.LeftTop.y += half + APosition.Height / 2;
    APosition.ArrowTo.x += d;
    APosition.ArrowFrom.y += half;
    APosition.ArrowTo.y += half;
    return true;
}

void THorizBarSeries::CalcVerticalMargins(int& Top, int& Bottom) const {
    TChartSeries::CalcVerticalMargins(Top, Bottom);
    CalcBarWidth();
    Top += BarMargin();
    Bottom += BarMargin();
}

void THorizBarSeries::CalcHorizMargins(int& Left, int& Right) const {
    TChartSeries::CalcHorizMargins(Left, Right);
    int length = CalcMarkLength(-1);
    if (length >= 1) ++length;
    const bool inverted = GetHorizontalAxis()->GetInverted();
    if (GetUseYOrigin() && GetXValues()->GetMinValue() < GetYOrigin()) (inverted ? Right : Left) += length;
    if (!(GetUseYOrigin() && GetXValues()->GetMaxValue() <= GetYOrigin())) (inverted ? Left : Right) += length;
}

int THorizBarSeries::InternalCalcMarkLength(int ValueIndex) const {
    if (ValueIndex == -1) return MaxMarkWidth();
    return GetParentChart()->GetCanvas()->TextWidth(GetMarkText(ValueIndex));
}

bool THorizBarSeries::InternalClicked(int ValueIndex, const TPoint& P) {
    const int y0 = CalcYPos(ValueIndex);
    if (P.y < y0 || P.y > y0 + barWidth_) return false;
    const int end = CalcXPos(ValueIndex), origin = GetOriginPos(ValueIndex);
    const int x1 = std::min(end, origin), x2 = std::max(end, origin);
    switch (GetBarStyle(ValueIndex)) {
        case bsPyramid:
        case bsCone:
            return GetParentChart()->GetView3D() && GetBarStyle(ValueIndex) == bsCone
                       ? P.x >= x1 && P.x <= x2
                       : PointInHorizTriangle(P, y0, y0 + barWidth_, x1, x2);
        case bsInvPyramid:
            return PointInHorizTriangle(P, y0, y0 + barWidth_, x2, x1);
        case bsEllipse:
            return PointInEllipse(P, TRect(x1, y0, x2, y0 + barWidth_));
        default:
            return P.x >= x1 && P.x <= x2;
    }
}

void THorizBarSeries::FillSampleValues(int NumValues) {
    if (NumValues < 1) throw BarException(TeeMsgText(TeeMsg_FillSample));
    Clear();
    const double y0 = GetParentChart() ? GetVerticalAxis()->GetMinimum() : 0;
    double x = 1000 + Random(1000);
    for (int t = 0; t < NumValues; ++t) {
        x += Random(500) - 250;
        AddXY(x, y0 + t);
    }
    RefreshSeries();
}
