// The axis panel's paint road, in the order the application's handlers rely
// on, and the depth the series take in 3-D.
#include "chart/panel/TeEngineAxisPanel.h"

#include <algorithm>

#include "chart/axis/TeEngineAxis.h"
#include "chart/series/TeEngineSeries.h"
#include "platform/runtime/SysUtils.h"

void TCustomAxisPanel::InternalDraw(const TRect& Rect) {
    PanelPaint(Rect);
    // A copy: handlers called below may add or remove series.
    std::vector<TChartSeries*> active;
    for (TChartSeries* s : *seriesList_)
        if (s->GetActive()) active.push_back(s);
    for (TChartSeries* s : active) s->DoBeforeDrawChart();
    DrawTitlesAndLegend();
    CalcDepthPositions(active);
    CalcAxisRect();
    for (TChartSeries* s : active) {
        s->StartZ = seriesWidth3D_ * s->autoZOrder_;
        s->EndZ = s->StartZ + seriesWidth3D_;
        s->MiddleZ = (s->StartZ + s->EndZ) / 2;
        s->GetMarks()->ZPosition = s->MiddleZ;
    }
    CalcSeriesRect();
    TCanvas3D* canvas = GetCanvas();
    canvas->Projection(GetWidth3D(), GetChartBounds(), GetChartRect());
    if (canvas->GetSupportsFullRotation()) {
        const TRect chartRect = GetChartRect();
        SetChartRect(GetChartBounds());
        DrawTitlesAndLegend();
        SetChartRect(chartRect);
    }
    DrawWalls();
    if (axisVisible_ && TeeDrawAxisBeforeSeries) DrawAxes();
    if (OnBeforeDrawSeries) OnBeforeDrawSeries(this);
    for (TChartSeries* s : active)
        if (seriesList_->IndexOf(s) != -1) DrawSeries(s);
    if (axisVisible_ && !TeeDrawAxisBeforeSeries) DrawAxes();
    if (GetZoom()->Active) DrawZoomRectangle();
    canvas->ResetState();
    if (OnAfterDraw) OnAfterDraw(this);
}

// Each series takes a depth slot; the first in the list stands at the back.
// A series without a fixed slot reports its position as its Z order for
// the rest of the paint.
void TCustomAxisPanel::CalcDepthPositions(const std::vector<TChartSeries*>& Active) {
    maxZOrder_ = 0;
    const bool layered = GetApplyZOrder() && GetView3D();
    if (layered) {
        maxZOrder_ = -1;
        for (TChartSeries* s : Active) s->CalcZOrder();
    }
    for (TChartSeries* s : Active) s->autoZOrder_ = layered ? maxZOrder_ - s->GetZOrder() : 0;
}

void TCustomAxisPanel::CalcSize3DWalls() {
    if (!GetView3D()) {
        seriesWidth3D_ = seriesHeight3D_ = 0;
        SetWidth3D(0);
        SetHeight3D(0);
        return;
    }
    double f = GetChart3DPercent() * 0.001;
    if (!GetView3DOptions()->GetOrthogonal()) f *= 2;
    seriesWidth3D_ = Round(GetChartWidth() * f);
    seriesHeight3D_ = seriesWidth3D_;
    const int slots = GetApplyZOrder() ? std::max(1, maxZOrder_ + 1) : 1;
    SetHeight3D(seriesHeight3D_ * slots);
    SetWidth3D(seriesWidth3D_ * slots);
}

void TCustomAxisPanel::DrawAxes() {
    if (OnBeforeDrawAxes) OnBeforeDrawAxes(this);
    const auto axes = axesList_;
    for (TCustomChartAxis* axis : axes)
        if (IsAxisVisible(axis)) axis->Draw(true);
}

bool TCustomAxisPanel::ClipToChart() {
    if (!CanClip()) return false;
    GetCanvas()->ClipCube(GetChartRect(), 0, GetWidth3D());
    return true;
}

void TCustomAxisPanel::DrawSeries(TChartSeries* S) {
    if (GetView3D() && S->MoreSameZOrder()) {
        // Series sharing a slot are drawn together, by the first of them.
        if (S->FirstInZOrder()) DrawSeriesGroup(S);
        return;
    }
    S->ReleaseSlack();
    S->CalcFirstLastVisibleIndex();
    if (S->GetFirstValueIndex() == -1) return;
    S->DoBeforeDrawValues();
    const bool clipped = clipPoints_ && ClipToChart();
    S->DrawAllValues();
    if (clipped) GetCanvas()->UnClipRectangle();
    DrawMarksOf(S);
    S->DoAfterDrawValues();
}

void TCustomAxisPanel::DrawMarksOf(TChartSeries* S) {
    TSeriesMarks* marks = S->GetMarks();
    if (!marks->GetVisible()) return;
    const bool clipped = marks->GetClip() && ClipToChart();
    S->DrawMarks();
    if (clipped) GetCanvas()->UnClipRectangle();
}

// Point by point across the series of S's slot, so that in 3-D the points
// of one index stand together.
void TCustomAxisPanel::DrawSeriesGroup(TChartSeries* S) {
    const int z = S->GetZOrder();
    std::vector<TChartSeries*> group;
    for (int i = seriesList_->IndexOf(S); i < SeriesCount(); ++i) {
        TChartSeries* t = GetSeries(i);
        if (t->GetActive() && t->GetZOrder() == z) group.push_back(t);
    }
    int first = -1, last = -1;
    bool clipped = false;
    for (TChartSeries* t : group) {
        t->ReleaseSlack();
        t->CalcFirstLastVisibleIndex();
        if (t->GetFirstValueIndex() != -1) {
            first = first == -1 ? t->GetFirstValueIndex() : std::max(first, t->GetFirstValueIndex());
            last = std::max(last, t->GetLastValueIndex());
        }
        t->DoBeforeDrawValues();
        if (clipPoints_ && !clipped) clipped = ClipToChart();
    }
    if (first != -1) {
        const bool forward = S->DrawValuesForward();
        for (int j = forward ? first : last; forward ? j <= last : j >= first; j += forward ? 1 : -1) {
            const bool seriesForward = S->Count() > j ? S->DrawSeriesForward(j) : true;
            const int n = static_cast<int>(group.size());
            for (int k = 0; k < n; ++k) {
                TChartSeries* t = group[static_cast<std::size_t>(seriesForward ? k : n - 1 - k)];
                if (t->Count() > j) t->DrawValue(j);
            }
        }
    }
    if (clipped) GetCanvas()->UnClipRectangle();
    for (TChartSeries* t : group)
        if (t->GetFirstValueIndex() != -1) {
            DrawMarksOf(t);
            t->DoAfterDrawValues();
        }
}
