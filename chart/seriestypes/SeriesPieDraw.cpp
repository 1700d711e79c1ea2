// How a pie draws: exploded slices kept inside the chart, flat slices one
// after the other round the circle, slices in depth from the back, marks
// round the pie, and which slice a click falls in.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "chart/canvas/TeCanvas.h"
#include "chart/panel/TeEngineAxisPanel.h"
#include "chart/seriestypes/SeriesPie.h"
#include "platform/runtime/SysUtils.h"

namespace {

constexpr double TwoPi = 2 * std::numbers::pi;

// Each slice its own hatch, so a pie reads without colour.
TBrushStyle SlicePattern(int ValueIndex) {
    static constexpr TBrushStyle patterns[] = {bsHorizontal, bsVertical, bsFDiagonal,
                                               bsBDiagonal,  bsCross,    bsDiagCross};
    return patterns[ValueIndex % 6];
}

}  // namespace

void TPieSeries::PrepareLegendCanvas(int ValueIndex, TColor& BackColor, TBrushStyle& BrushStyle) {
    BackColor = CalcCircleBackColor();
    if (usePatterns_) BrushStyle = SlicePattern(std::max(0, ValueIndex));
}

void TPieSeries::CalcExplodedOffset(int ValueIndex, int& OffX, int& OffY) const {
    OffX = OffY = 0;
    const int percent = explodedSlice_.GetValue(ValueIndex);
    if (!isExploded_ || percent <= 0 || ValueIndex >= static_cast<int>(angles_.size())) return;
    double a = GetAngle(ValueIndex).MidAngle;
    TCustomAxisPanel* chart = GetParentChart();
    if (chart && chart->GetCanvas()->GetSupportsFullRotation()) a += std::numbers::pi / 2 + std::numbers::pi;
    a += GetRotationRadians();
    OffX = Round(GetXRadius() * percent * 0.01 * std::cos(a));
    OffY = Round(GetYRadius() * percent * 0.01 * std::sin(a));
}

void TPieSeries::CalcExplodedRadius(int ValueIndex, int& XR, int& YR) const {
    const double f = 1 + explodedSlice_.GetValue(ValueIndex) * 0.01;
    XR = Round(GetXRadius() * f);
    YR = Round(GetYRadius() * f);
}

std::vector<int> TPieSeries::DepthOrder() const {
    // The angular distance of each slice's middle from the back of the pie.
    std::vector<double> distance(angles_.size());
    for (std::size_t i = 0; i < angles_.size(); ++i) {
        const double a = std::fmod(angles_[i].MidAngle + GetRotationRadians(), TwoPi);
        double d = std::fabs(a - std::numbers::pi / 2);
        if (d > std::numbers::pi) d = TwoPi - d;
        distance[i] = d;
    }
    std::vector<int> order(angles_.size());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = static_cast<int>(i);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return distance[static_cast<std::size_t>(a)] < distance[static_cast<std::size_t>(b)];
    });
    return order;
}

void TPieSeries::DrawAllValues() {
    if (explodeBiggest_ > 0) CalcExplodeBiggest();
    int widest = -1, widestPercent = 0;
    for (int i = 0; i < Count(); ++i)
        if (explodedSlice_.GetValue(i) > widestPercent) {
            widestPercent = explodedSlice_.GetValue(i);
            widest = i;
        }
    CalcAngles();
    isExploded_ = widest != -1;
    if (isExploded_) {
        // The pie shrinks so that the slice farthest out stays inside.
        int offX, offY;
        CalcExplodedOffset(widest, offX, offY);
        TRect r = GetCircleRect();
        r = TRect(r.Left + std::abs(offX) / 2, r.Top + std::abs(offY) / 2, r.Right - std::abs(offX) / 2,
                  r.Bottom - std::abs(offY) / 2);
        SetCircleRect(r);
        AdjustCircleRect();
        CalcRadius();
    }
    AngleToPos(0, GetXRadius(), GetYRadius(), iniX_, iniY_);
    TCustomAxisPanel* chart = GetParentChart();
    if (!chart->GetView3D() || !isExploded_ || chart->GetCanvas()->GetSupportsFullRotation()) {
        for (int i = 0; i < Count(); ++i) DrawValue(i);
        return;
    }
    for (int i : DepthOrder()) DrawValue(i);
}

void TPieSeries::DrawValue(int ValueIndex) {
    if (GetCircleWidth() < 5 || GetCircleHeight() < 5 || BelongsToOtherSlice(ValueIndex) || IsNullSlice(ValueIndex))
        return;
    // Most slices of a pie of many are thinner than a pixel at the rim and
    // show nothing: they cost no brush either.
    if (!GetParentChart()->GetView3D() && EndsWhereLastEnded(ValueIndex)) return;
    GetParentChart()->SetBrushCanvas(GetValueColor(ValueIndex), usePatterns_ ? SlicePattern(ValueIndex) : bsSolid,
                                     CalcCircleBackColor());
    DrawPie(ValueIndex);
}

void TPieSeries::DrawPie(int ValueIndex) {
    TCustomAxisPanel* chart = GetParentChart();
    TCanvas3D* canvas = chart->GetCanvas();
    canvas->AssignVisiblePen(piePen_);
    int offX, offY;
    CalcExplodedOffset(ValueIndex, offX, offY);
    const TPieAngle& a = GetAngle(ValueIndex);
    if (chart->GetView3D()) {
        canvas->Pie3D(GetCircleXCenter() + offX, GetCircleYCenter() - offY, GetXRadius(), GetYRadius(), StartZ, EndZ,
                      a.StartAngle + GetRotationRadians(), a.EndAngle + GetRotationRadians(), dark3D_, isExploded_);
        return;
    }
    if (EndsWhereLastEnded(ValueIndex)) return;
    const TRect& r = GetCircleRect();
    canvas->Pie(r.Left + offX, r.Top - offY, r.Right + offX, r.Bottom - offY, iniX_ + offX, iniY_ - offY,
                endX_ + offX, endY_ - offY);
    iniX_ = endX_;
    iniY_ = endY_;
}

bool TPieSeries::EndsWhereLastEnded(int ValueIndex) {
    const TPieAngle& a = GetAngle(ValueIndex);
    AngleToPos(a.EndAngle, GetXRadius(), GetYRadius(), endX_, endY_);
    // Equal ends mean an empty slice or the whole circle; only the whole
    // circle (or a lone point) is drawn.
    return iniX_ == endX_ && iniY_ == endY_ && Count() > 1 && a.EndAngle - a.StartAngle <= 1.0;
}

bool TPieSeries::PlaceMark(int ValueIndex, TSeriesMarkPosition& APosition) {
    if (BelongsToOtherSlice(ValueIndex) || IsNullSlice(ValueIndex) || ValueIndex >= static_cast<int>(angles_.size()))
        return false;
    TCustomAxisPanel* chart = GetParentChart();
    TCanvas3D* canvas = chart->GetCanvas();
    int xr, yr;
    CalcExplodedRadius(ValueIndex, xr, yr);
    double angle = GetAngle(ValueIndex).MidAngle;
    if (canvas->GetSupportsFullRotation()) {
        angle += std::numbers::pi + std::numbers::pi / 2;
        GetMarks()->ZPosition = StartZ;
    } else {
        GetMarks()->ZPosition = EndZ;
    }
    const int arrow = GetMarks()->GetArrowLength();
    AngleToPos(angle, xr + canvas->TextWidth("W") + arrow, yr + canvas->FontHeight() + arrow, APosition.ArrowTo.x,
               APosition.ArrowTo.y);
    AngleToPos(angle, xr, yr, APosition.ArrowFrom.x, APosition.ArrowFrom.y);
    const TPoint& to = APosition.ArrowTo;
    APosition.LeftTop.x = to.x > GetCircleXCenter() ? to.x : to.x - APosition.Width;
    APosition.LeftTop.y = to.y > GetCircleYCenter() ? to.y : to.y - APosition.Height;
    return true;
}

int TPieSeries::Clicked(int X, int Y) {
    const int result = TCircledSeries::Clicked(X, Y);
    return result != -1 ? result : CalcClickedPie(X, Y);
}

int TPieSeries::CalcClickedPie(int X, int Y) {
    if (TCustomAxisPanel* chart = GetParentChart()) chart->GetCanvas()->Calculate2DPosition(X, Y, 0);
    const int xr = GetXRadius(), yr = GetYRadius();
    if (xr <= 0 || yr <= 0 || static_cast<int>(angles_.size()) != Count()) return -1;
    int result = -1;
    for (int t = 0; t < Count(); ++t) {
        if (BelongsToOtherSlice(t)) continue;
        // Inside the slice's own ellipse, moved out with it when exploded.
        int offX, offY;
        CalcExplodedOffset(t, offX, offY);
        const double dx = static_cast<double>(X - (GetCircleXCenter() + offX)) / xr;
        const double dy = static_cast<double>((GetCircleYCenter() - offY) - Y) / yr;
        if (dx * dx + dy * dy > 1) continue;
        double a = std::atan2(dy, dx);
        if (a < 0) a += TwoPi;
        a -= GetRotationRadians();
        if (a < 0) a += TwoPi;
        const TPieAngle& slice = GetAngle(t);
        if (slice.StartAngle <= a && a <= slice.EndAngle) result = t;
    }
    return result;
}
