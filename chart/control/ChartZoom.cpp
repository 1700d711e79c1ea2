// Zoom, its undo and the wheel. Every axis but the depth one takes part,
// the application's own axes too, each over its own pixel span, so that
// undoing brings every axis back to where it was.
#include <algorithm>

#include "chart/axis/TeEngineAxis.h"
#include "chart/control/Chart.h"

TAllAxisSavedScales TCustomChart::SaveScales() const {
    TAllAxisSavedScales result;
    for (TCustomChartAxis* axis : GetAxesList()) {
        if (axis->GetIsDepthAxis()) continue;
        result.push_back({axis, axis->GetAutomatic(), axis->GetAutomaticMinimum(), axis->GetAutomaticMaximum(),
                          axis->GetMinimum(), axis->GetMaximum()});
    }
    return result;
}

// The range first: fixing it clears the automatic flags, which are then
// put back as they were.
void TCustomChart::RestoreScales(const TAllAxisSavedScales& Saved) {
    const auto& axes = GetAxesList();
    for (const TAxisSavedScales& s : Saved) {
        if (std::find(axes.begin(), axes.end(), s.Axis) == axes.end()) continue;
        s.Axis->SetMinMax(s.Min, s.Max);
        s.Axis->SetAutomatic(s.Auto);
        s.Axis->SetAutomaticMinimum(s.AutoMin);
        s.Axis->SetAutomaticMaximum(s.AutoMax);
    }
}

void TCustomChart::KeepHomeScales() {
    if (scalesSaved_) return;
    homeScales_ = SaveScales();
    scalesSaved_ = true;
}

void TCustomChart::DoZoom(const std::vector<TAxisZoomRange>& Targets) {
    KeepHomeScales();
    if (GetAnimatedZoom() && GetAnimatedZoomSteps() > 1) {
        for (int step = 1; step < GetAnimatedZoomSteps(); ++step) {
            for (const TAxisZoomRange& t : Targets) {
                const double aMin = t.Axis->GetMinimum(), aMax = t.Axis->GetMaximum();
                t.Axis->SetMinMax(aMin + (t.Min - aMin) / AnimatedZoomFactor,
                                  aMax - (aMax - t.Max) / AnimatedZoomFactor);
            }
            Refresh();
        }
    }
    for (const TAxisZoomRange& t : Targets) t.Axis->SetMinMax(t.Min, t.Max);
    SetZoomed(true);
    if (OnZoom) OnZoom(this);
}

// Upright axes take the lower screen edge first, so that each range
// starts with its smaller value.
void TCustomChart::CalcZoomPoints() {
    TZoomPanningRecord* zoom = GetZoom();
    zoom->Check();
    std::vector<TAxisZoomRange> targets;
    for (TCustomChartAxis* axis : GetAxesList()) {
        if (axis->GetIsDepthAxis()) continue;
        if (axis->GetHorizontal())
            targets.push_back({axis, axis->CalcPosPoint(zoom->X0), axis->CalcPosPoint(zoom->X1)});
        else
            targets.push_back({axis, axis->CalcPosPoint(zoom->Y1), axis->CalcPosPoint(zoom->Y0)});
    }
    DoZoom(targets);
}

void TCustomChart::ZoomRect(const TRect& Rect) {
    TZoomPanningRecord* zoom = GetZoom();
    zoom->X0 = Rect.Left;
    zoom->Y0 = Rect.Top;
    zoom->X1 = Rect.Right;
    zoom->Y1 = Rect.Bottom;
    CalcZoomPoints();
}

void TCustomChart::ZoomPercent(double PercentZoom) {
    std::vector<TAxisZoomRange> targets;
    for (TCustomChartAxis* axis : GetAxesList()) {
        if (axis->GetIsDepthAxis()) continue;
        double aMin = axis->GetMinimum(), aMax = axis->GetMaximum();
        axis->CalcMinMax(aMin, aMax);
        const double delta = (aMax - aMin) * (PercentZoom - 100) * 0.01;
        targets.push_back({axis, aMin + delta, aMax - delta});
    }
    DoZoom(targets);
    Repaint();
}

void TCustomChart::UndoZoom() {
    if (scalesSaved_) RestoreScales(homeScales_);
    scalesSaved_ = false;
    homeScales_.clear();
    TCustomAxisPanel::UndoZoom();
}

// A wheel step is a scroll too: undo brings the axes back from it.
void TCustomChart::ScrollVerticalAxes(bool Up) {
    KeepHomeScales();
    for (TCustomChartAxis* axis : GetAxesList()) {
        if (axis->GetHorizontal() || axis->GetIsDepthAxis()) continue;
        const double delta = (axis->GetMaximum() - axis->GetMinimum()) * 3 * 0.01;
        axis->Scroll(Up ? delta : -delta, false);
    }
}

bool TCustomChart::DoMouseWheelDown(TShiftState Shift, TPoint MousePos) {
    const bool result = TCustomAxisPanel::DoMouseWheelDown(Shift, MousePos);
    ScrollVerticalAxes(true);
    return result;
}

bool TCustomChart::DoMouseWheelUp(TShiftState Shift, TPoint MousePos) {
    const bool result = TCustomAxisPanel::DoMouseWheelUp(Shift, MousePos);
    ScrollVerticalAxes(false);
    return result;
}
