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

void TBarSeries::DrawValue(int ValueIndex) {
    TChartSeries::DrawValue(ValueIndex);
    normalBarColor_ = GetValueColor(ValueIndex);
    if (normalBarColor_ == clNone) return;
    const int left = CalcXPos(ValueIndex);
    if (!SlotDrawable(left, barWidth_)) return;
    barBounds_ = TRect(left, CalcYPos(ValueIndex), left + barWidth_, GetOriginPos(ValueIndex));
    DrawBar(ValueIndex, std::min(barBounds_.Top, barBounds_.Bottom), std::max(barBounds_.Top, barBounds_.Bottom));
}

void TBarSeries::DrawBar(int BarIndex, int StartPos, int EndPos) {
    TCustomAxisPanel* chart = GetParentChart();
    TCanvas3D* canvas = chart->GetCanvas();
    SetPenBrushBar(normalBarColor_);
    const TRect& b = barBounds_;
    const int mid = (b.Left + b.Right) / 2, w = b.Right - b.Left;
    const bool is3D = chart->GetView3D();
    const bool dark = GetDark3D();
    auto pyramid = [&](int BaseY, int ApexY) {
        const TPoint points[] = {{b.Left, BaseY}, {mid, ApexY}, {b.Right, BaseY}};
        canvas->Polygon(points, 2);
    };
    switch (GetBarStyle(BarIndex)) {
        case bsRectangle:
        case bsCilinder:
            // Flat, the bounds as they stand: a bar hangs from its origin.
            if (!is3D)
                BarRectangle(normalBarColor_, b.Left, b.Top, b.Right, b.Bottom);
            else if (GetBarStyle(BarIndex) == bsRectangle)
                canvas->Cube(b.Left, b.Right, StartPos, EndPos, StartZ, EndZ, dark);
            else
                canvas->Cylinder(true, b.Left, b.Top, b.Right, b.Bottom, StartZ, EndZ, dark);
            break;
        case bsPyramid:
            if (is3D)
                canvas->Pyramid(true, b.Left, StartPos, b.Right, EndPos, StartZ, EndZ, dark);
            else
                pyramid(EndPos, StartPos);
            break;
        case bsInvPyramid:
            if (is3D)
                canvas->Pyramid(true, b.Left, EndPos, b.Right, StartPos, StartZ, EndZ, dark);
            else
                pyramid(StartPos, EndPos);
            break;
        case bsCone:
            if (is3D)
                canvas->Cone(true, b.Left, b.Top, b.Right, b.Bottom, StartZ, EndZ, 0);
            else
                pyramid(EndPos, StartPos);
            break;
        case bsEllipse:
            if (is3D)
                canvas->EllipseWithZ(b.Left, b.Top, b.Right, b.Bottom, MiddleZ);
            else
                canvas->Ellipse(b.Left, b.Top, b.Right, b.Bottom);
            break;
        case bsArrow:
            canvas->Arrow(true, TPoint(mid, EndPos), TPoint(mid, StartPos), w, w / 2, MiddleZ);
            break;
        case bsRectGradient:
            if (is3D) {
                canvas->Cube(b.Left, b.Right, StartPos, EndPos, StartZ, EndZ, dark);
                if (GradientFace3D()) {
                    const TPoint p0 = canvas->Calculate3DPosition(b.Left, StartPos, StartZ);
                    const TPoint p1 = canvas->Calculate3DPosition(b.Right, EndPos, StartZ);
                    TRect face(p0.x, p0.y, p1.x, p1.y);
                    if (GetBarPen()->GetVisible()) AdjustGradientRectPen(face);
                    canvas->GradientFill(face, clWhite, normalBarColor_, gdBottomTop);
                }
            } else {
                canvas->GradientFill(TRect(b.Left, StartPos, b.Right, EndPos), clWhite, normalBarColor_, gdBottomTop);
                if (GetBarPen()->GetVisible()) {
                    canvas->GetBrush()->SetStyle(bsClear);
                    BarRectangle(normalBarColor_, b.Left, b.Top, b.Right, b.Bottom);
                }
            }
            break;
    }
}

void TBarSeries::DrawMark(int ValueIndex, const AnsiString& St, TSeriesMarkPosition& APosition) {
    // The mark of a bar too far out to draw is not drawn either.
    if (!MarkDrawable(APosition.ArrowFrom) || !SlotDrawable(APosition.ArrowFrom.x, barWidth_)) return;
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
    TChartSeries::DrawMark(ValueIndex, St, APosition);
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

void THorizBarSeries::DrawValue(int ValueIndex) {
    TChartSeries::DrawValue(ValueIndex);
    normalBarColor_ = GetValueColor(ValueIndex);
    if (normalBarColor_ == clNone) return;
    const int top = CalcYPos(ValueIndex);
    if (!SlotDrawable(top, barWidth_)) return;
    barBounds_ = TRect(GetOriginPos(ValueIndex), top, CalcXPos(ValueIndex), top + barWidth_);
    DrawBar(ValueIndex, std::min(barBounds_.Left, barBounds_.Right), std::max(barBounds_.Left, barBounds_.Right));
}

void THorizBarSeries::DrawBar(int BarIndex, int StartPos, int EndPos) {
    TCustomAxisPanel* chart = GetParentChart();
    TCanvas3D* canvas = chart->GetCanvas();
    SetPenBrushBar(normalBarColor_);
    const TRect& b = barBounds_;
    const int mid = (b.Top + b.Bottom) / 2, w = b.Bottom - b.Top;
    const bool is3D = chart->GetView3D();
    const bool dark = GetDark3D();
    auto pyramid = [&](int BaseX, int ApexX) {
        const TPoint points[] = {{BaseX, b.Top}, {ApexX, mid}, {BaseX, b.Bottom}};
        canvas->Polygon(points, 2);
    };
    switch (GetBarStyle(BarIndex)) {
        case bsRectangle:
        case bsCilinder:
            if (!is3D)
                BarRectangle(normalBarColor_, b.Left, b.Top, b.Right, b.Bottom);
            else if (GetBarStyle(BarIndex) == bsRectangle)
                canvas->Cube(StartPos, EndPos, b.Top, b.Bottom, StartZ, EndZ, dark);
            else
                canvas->Cylinder(false, b.Left, b.Top, b.Right, b.Bottom, StartZ, EndZ, dark);
            break;
        case bsPyramid:
            if (is3D)
                canvas->Pyramid(false, StartPos, b.Top, EndPos, b.Bottom, StartZ, EndZ, dark);
            else
                pyramid(StartPos, EndPos);
            break;
        case bsInvPyramid:
            if (is3D)
                canvas->Pyramid(false, EndPos, b.Top, StartPos, b.Bottom, StartZ, EndZ, dark);
            else
                pyramid(EndPos, StartPos);
            break;
        case bsCone:
            // Flat, a cone is seen as its side: the pyramid's triangle, as
            // the vertical bars draw it.
            if (is3D)
                canvas->Cone(false, b.Left, b.Top, b.Right, b.Bottom, StartZ, EndZ, 0);
            else
                pyramid(StartPos, EndPos);
            break;
        case bsEllipse:
            if (is3D)
                canvas->EllipseWithZ(b.Left, b.Top, b.Right, b.Bottom, MiddleZ);
            else
                canvas->Ellipse(b.Left, b.Top, b.Right, b.Bottom);
            break;
        case bsArrow:
            canvas->Arrow(true, TPoint(StartPos, mid), TPoint(EndPos, mid), w, w / 2, MiddleZ);
            break;
        case bsRectGradient:
            if (is3D) {
                canvas->Cube(StartPos, EndPos, b.Top, b.Bottom, StartZ, EndZ, dark);
                if (GradientFace3D()) {
                    const TPoint p0 = canvas->Calculate3DPosition(StartPos, b.Top, StartZ);
                    const TPoint p1 = canvas->Calculate3DPosition(EndPos, b.Bottom, StartZ);
                    TRect face(p0.x, p0.y, p1.x, p1.y);
                    if (GetBarPen()->GetVisible()) AdjustGradientRectPen(face);
                    canvas->GradientFill(face, clWhite, normalBarColor_, gdLeftRight);
                }
            } else {
                canvas->GradientFill(TRect(StartPos, b.Top, EndPos, b.Bottom), clWhite, normalBarColor_, gdLeftRight);
                if (GetBarPen()->GetVisible()) {
                    canvas->GetBrush()->SetStyle(bsClear);
                    BarRectangle(normalBarColor_, b.Left, b.Top, b.Right, b.Bottom);
                }
            }
            break;
    }
}

void THorizBarSeries::DrawMark(int ValueIndex, const AnsiString& St, TSeriesMarkPosition& APosition) {
    if (!MarkDrawable(APosition.ArrowFrom) || !SlotDrawable(APosition.ArrowFrom.y, barWidth_)) return;
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
    TChartSeries::DrawMark(ValueIndex, St, APosition);
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
