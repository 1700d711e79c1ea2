// The round series' circle: where it sits in the chart rectangle, its
// rotation, angles to pixels and back, and the chart settings a round
// series switches off while it is shown.
#include "chart/seriestypes/TeEngineCircledSeries.h"

#include <cmath>
#include <numbers>

#include "chart/control/Chart.h"
#include "chart/messages/TeeConst.h"
#include "chart/messages/TeeExceptions.h"
#include "chart/panel/TeEngineAxisPanel.h"
#include "platform/gdi/Gdi.h"
#include "platform/runtime/SysUtils.h"

namespace {

constexpr double TwoPi = 2 * std::numbers::pi;

[[noreturn]] void AngleError() {
    throw PieException(TeeMsgFormat(TeeMsg_Angle, TeeMsgText(TeeMsg_Rotation)));
}

}  // namespace

TCircledSeries::TCircledSeries(TComponent* AOwner) : TChartSeries(AOwner) {
    GetXValues()->SetName(TeeMsgText(TeeMsg_ValuesAngle));
    // A slice is drawn whatever range the axes show.
    calcVisiblePoints_ = false;
}

TCircledSeries::~TCircledSeries() { SetParentProperties(true); }

void TCircledSeries::Assign(TPersistent* Source) {
    if (auto* source = dynamic_cast<TCircledSeries*>(Source)) {
        circled_ = source->circled_;
        rotationAngle_ = source->rotationAngle_;
        rotationRadians_ = source->rotationRadians_;
        customXRadius_ = source->customXRadius_;
        customYRadius_ = source->customYRadius_;
        circleBackColor_ = source->circleBackColor_;
    }
    TChartSeries::Assign(Source);
}

void TCircledSeries::SetCircled(bool Value) {
    SetBooleanProperty(circled_, Value);
    if (TCustomAxisPanel* chart = GetParentChart())
        for (TChartSeries* s : *chart->GetSeriesList())
            if (auto* circled = dynamic_cast<TCircledSeries*>(s); circled && IsSameOrDescendant(s))
                circled->SetBooleanProperty(circled->circled_, Value);
}

void TCircledSeries::SetCustomXRadius(int Value) {
    SetIntegerProperty(customXRadius_, Value);
    if (TCustomAxisPanel* chart = GetParentChart())
        for (TChartSeries* s : *chart->GetSeriesList())
            if (auto* circled = dynamic_cast<TCircledSeries*>(s); circled && IsSameOrDescendant(s))
                circled->customXRadius_ = Value;
}

void TCircledSeries::SetCustomYRadius(int Value) {
    SetIntegerProperty(customYRadius_, Value);
    if (TCustomAxisPanel* chart = GetParentChart())
        for (TChartSeries* s : *chart->GetSeriesList())
            if (auto* circled = dynamic_cast<TCircledSeries*>(s); circled && IsSameOrDescendant(s))
                circled->customYRadius_ = Value;
}

void TCircledSeries::SetRotationAngle(int Value) {
    if (Value < 0) AngleError();
    SetIntegerProperty(rotationAngle_, Value % 360);
    rotationRadians_ = rotationAngle_ * std::numbers::pi / 180;
}

void TCircledSeries::Rotate(int Angle) {
    if (Angle < 0 || Angle > 360) AngleError();
    SetRotationAngle((rotationAngle_ + Angle) % 360);
}

TColor TCircledSeries::CalcCircleBackColor() const {
    if (circleBackColor_ != DefaultPointColor) return circleBackColor_;
    TCustomAxisPanel* chart = GetParentChart();
    if (!chart) return circleBackColor_;
    if (auto* full = dynamic_cast<TCustomChart*>(chart); full && full->GetBackColor() != DefaultPointColor &&
                                                        full->GetBackColor() != clNone)
        return full->GetBackColor();
    return chart->GetColor();
}

void TCircledSeries::PrepareLegendCanvas(int, TColor& BackColor, TBrushStyle&) {
    BackColor = CalcCircleBackColor();
}

void TCircledSeries::SetActive(bool Value) {
    TChartSeries::SetActive(Value);
    SetParentProperties(!GetActive());
}

void TCircledSeries::SetParentChart(TCustomAxisPanel* Value) {
    if (!Value) SetParentProperties(true);
    if (Value == GetParentChart()) return;
    TChartSeries::SetParentChart(Value);
    if (GetParentChart()) SetParentProperties(false);
}

void TCircledSeries::SetParentProperties(bool EnableParentProps) {
    TCustomAxisPanel* chart = GetParentChart();
    if (!chart || chart->GetComponentState().Contains(csDestroying)) return;
    if (EnableParentProps) {
        bool anyCircled = false;
        for (TChartSeries* s : *chart->GetSeriesList())
            if (dynamic_cast<TCircledSeries*>(s)) anyCircled = true;
        if (!anyCircled) return;
    }
    chart->SetAxisVisible(EnableParentProps);
    chart->SetClipPoints(EnableParentProps);
    chart->SetView3DWalls(EnableParentProps);
    // A chart being taken apart is no longer a full chart here, and its
    // walls may be gone already.
    if (auto* full = dynamic_cast<TCustomChart*>(chart)) {
        full->GetFrame()->SetVisible(EnableParentProps);
        // The back wall gets back the brush it had, not a solid one the
        // chart never asked for.
        TBrush* wall = full->GetBackWall()->GetBrush();
        if (!EnableParentProps && !wallSaved_) {
            savedWallStyle_ = wall->GetStyle();
            wallSaved_ = true;
        }
        wall->SetStyle(EnableParentProps ? (wallSaved_ ? savedWallStyle_ : bsSolid) : bsClear);
        if (EnableParentProps) wallSaved_ = false;
        full->SetAllowZoom(EnableParentProps);
        full->SetAllowPanning(EnableParentProps ? pmBoth : pmNone);
    }
    if (!chart->GetCanvas()->GetSupportsFullRotation()) {
        TView3DOptions* view = chart->GetView3DOptions();
        view->SetOrthogonal(false);
        view->SetRotation(360);
        view->SetElevation(315);
        view->SetPerspective(0);
        view->SetTilt(0);
    }
}

// ---- Geometry ------------------------------------------------------------------------

void TCircledSeries::AdjustCircleRect() {
    TRect& r = circleRect_;
    if ((r.Right - r.Left) % 2 != 0) --r.Right;
    if ((r.Bottom - r.Top) % 2 != 0) --r.Bottom;
    if (r.Right - r.Left < 4) r.Right = r.Left + 4;
    if (r.Bottom - r.Top < 4) r.Bottom = r.Top + 4;
    circleWidth_ = r.Right - r.Left;
    circleHeight_ = r.Bottom - r.Top;
    circleXCenter_ = (r.Left + r.Right) / 2;
    circleYCenter_ = (r.Top + r.Bottom) / 2;
}

void TCircledSeries::CalcRadius() {
    if (customXRadius_ != 0) {
        xRadius_ = customXRadius_;
        circleWidth_ = 2 * xRadius_;
    } else {
        xRadius_ = circleWidth_ / 2;
    }
    if (customYRadius_ != 0) {
        yRadius_ = customYRadius_;
        circleHeight_ = 2 * yRadius_;
    } else {
        yRadius_ = circleHeight_ / 2;
    }
    circleRect_ = TRect(circleXCenter_ - xRadius_, circleYCenter_ - yRadius_, circleXCenter_ + xRadius_,
                        circleYCenter_ + yRadius_);
}

void TCircledSeries::DoBeforeDrawValues() {
    TChartSeries::DoBeforeDrawValues();
    TCustomAxisPanel* chart = GetParentChart();
    TCanvas3D* canvas = chart->GetCanvas();
    circleRect_ = chart->GetChartRect();
    AdjustCircleRect();
    TSeriesMarks* marks = GetMarks();
    if (marks->GetVisible()) {
        int room = marks->GetArrowLength();
        if (marks->GetFrame()->GetVisible()) room += 2 * marks->GetFrame()->GetWidth();
        chart->FontCanvas(marks->GetFont());
        const int vertical = canvas->FontHeight() + room;
        const int horizontal = canvas->TextWidth("W") + chart->MaxMarkWidth() + room;
        circleRect_ = TRect(circleRect_.Left + horizontal, circleRect_.Top + vertical, circleRect_.Right - horizontal,
                            circleRect_.Bottom - vertical);
        AdjustCircleRect();
    }
    if (circled_) {
        // The device's pixels may not be square: a circle on the screen
        // needs radii in the ratio of its pixel sizes.
        HDC dc = canvas->GetHandle();
        double ratio = 1;
        const int horzSize = GetDeviceCaps(dc, HORZSIZE), vertSize = GetDeviceCaps(dc, VERTSIZE);
        const int horzRes = GetDeviceCaps(dc, HORZRES), vertRes = GetDeviceCaps(dc, VERTRES);
        if (vertSize != 0 && vertRes != 0 && horzSize != 0) {
            const double pixels = static_cast<double>(horzRes) / vertRes;
            const double millimetres = static_cast<double>(horzSize) / vertSize;
            ratio = pixels / millimetres;
        }
        CalcRadius();
        const int wanted = static_cast<int>(std::lround(yRadius_ * ratio));
        if (xRadius_ > wanted) {
            circleRect_.Left += xRadius_ - wanted;
            circleRect_.Right -= xRadius_ - wanted;
        } else {
            const int tall = yRadius_ - static_cast<int>(std::lround(xRadius_ / ratio));
            circleRect_.Top += tall;
            circleRect_.Bottom -= tall;
        }
        AdjustCircleRect();
    }
    CalcRadius();
}

void TCircledSeries::AngleToPos(double Angle, int AXRadius, int AYRadius, int& X, int& Y) const {
    const double a = rotationRadians_ + Angle;
    X = circleXCenter_ + Round(std::cos(a) * AXRadius);
    Y = circleYCenter_ - Round(std::sin(a) * AYRadius);
}

double TCircledSeries::PointToAngle(int X, int Y) const {
    double result;
    if (X == circleXCenter_)
        result = Y <= circleYCenter_ ? std::numbers::pi / 2 : -std::numbers::pi / 2;
    else if (yRadius_ == 0 || xRadius_ == 0)
        result = 0;
    else
        result = std::atan2(static_cast<double>(circleYCenter_ - Y) / yRadius_,
                            static_cast<double>(X - circleXCenter_) / xRadius_);
    if (result < 0) result += TwoPi;
    result -= rotationRadians_;
    if (result < 0) result += TwoPi;
    return result;
}
