// The chart control's parts, its series list operations and the layout of
// titles, legend and axes around the plot.
#include "chart/control/Chart.h"

#include <algorithm>
#include <cstdlib>

#include "chart/axis/TeEngineAxis.h"
#include "chart/series/TeEngineSeries.h"

TMouseButton TeeZoomMouseButton = mbLeft;
TMouseButton TeeScrollMouseButton = mbRight;
TShiftState TeeZoomKeyShift;
TShiftState TeeScrollKeyShift;
double AnimatedZoomFactor = 3.0;

TCustomChart::TCustomChart(TComponent* AOwner) : TCustomAxisPanel(AOwner) {
    title_ = new TChartTitle(this);
    foot_ = new TChartTitle(this);
    backWall_ = new TChartWall(this, DefaultPointColor);
    backWall_->GetBrush()->SetStyle(bsClear);
    leftWall_ = new TChartWall(this, static_cast<TColor>(0x80FFFF));
    legend_ = new TChartLegend(this);
    bottomWall_ = new TChartWall(this, clWhite);
}

TCustomChart::~TCustomChart() {
    SetAutoRepaint(false);
    delete title_;
    delete foot_;
    delete backWall_;
    delete leftWall_;
    delete bottomWall_;
    delete legend_;
}

void TCustomChart::Assign(TPersistent* Source) {
    if (auto* chart = dynamic_cast<TCustomChart*>(Source)) {
        backImageInside_ = chart->backImageInside_;
        backWall_->Assign(chart->backWall_);
        bottomWall_->Assign(chart->bottomWall_);
        leftWall_->Assign(chart->leftWall_);
        legend_->Assign(chart->legend_);
        foot_->Assign(chart->foot_);
        title_->Assign(chart->title_);
    }
    TCustomAxisPanel::Assign(Source);
}

void TCustomChart::SetBackColor(TColor Value) {
    backWall_->SetColor(Value);
    if (GetParent() && !GetComponentState().Contains(csLoading)) backWall_->GetBrush()->SetStyle(bsSolid);
}

// ---- Series list -------------------------------------------------------------------

void TCustomChart::SeriesUp(TChartSeries* S) {
    const int i = GetSeriesList()->IndexOf(S);
    if (i > 0) ExchangeSeries(i, i - 1);
}

void TCustomChart::SeriesDown(TChartSeries* S) {
    const int i = GetSeriesList()->IndexOf(S);
    if (i != -1 && i < SeriesCount() - 1) ExchangeSeries(i, i + 1);
}

void TCustomChart::RemoveAllSeries() {
    while (SeriesCount() > 0) RemoveSeries(GetSeries(0));
}

TChartSeries* TCustomChart::GetASeries() const {
    for (TChartSeries* s : *GetSeriesList())
        if (s->GetActive()) return s;
    return nullptr;
}

void TCustomChart::NextPage() {
    if (GetMaxPointsPerPage() > 0 && NumPages() > GetPage()) SetPage(GetPage() + 1);
}

void TCustomChart::PreviousPage() {
    if (GetMaxPointsPerPage() > 0 && GetPage() > 1) SetPage(GetPage() - 1);
}

// ---- Legend texts and colours -------------------------------------------------------

AnsiString TCustomChart::FormattedValueLegend(TChartSeries* Series, int ValueIndex) {
    return Series ? legend_->FormattedValue(Series, ValueIndex) : AnsiString();
}

AnsiString TCustomChart::FormattedLegend(int Index) {
    AnsiString text = legend_->FormattedLegend(Index);
    if (OnGetLegendText) OnGetLegendText(this, legend_->GetResolvedStyle(), Index, text);
    return text;
}

bool TCustomChart::IsFreeSeriesColor(TColor AColor, bool CheckBackground) {
    for (TChartSeries* s : *GetSeriesList())
        if (s->GetSeriesColor() == AColor) return false;
    return !CheckBackground || (AColor != GetColor() && AColor != GetBackColor());
}

int TCustomChart::CalcWallSize(const TCustomChartAxis* Axis) {
    if (!GetView3D() || !GetView3DWalls()) return 0;
    if (Axis == GetLeftAxis()) return leftWall_->GetSize();
    if (Axis == GetBottomAxis()) return bottomWall_->GetSize();
    return 0;
}

void TCustomChart::DrawImage(const TRect& Rect) {
    if (!backImageInside_) TCustomAxisPanel::DrawImage(Rect);
}

// ---- Layout --------------------------------------------------------------------------

void TCustomChart::DrawTitles() {
    if (title_->GetVisible()) title_->Draw(true);
    if (foot_->GetVisible()) foot_->Draw(false);
}

// The block drawn first spans the whole side: a left or right legend the
// full height, else the title and foot the full width.
void TCustomChart::DrawTitlesAndLegend() {
    GetCanvas()->FrontPlaneBegin();
    if (!legend_->GetVisible() || GetSeriesList()->CountActive() == 0) {
        DrawTitles();
    } else if (legend_->GetVertical()) {
        legend_->Draw();
        DrawTitles();
    } else {
        DrawTitles();
        legend_->Draw();
    }
    GetCanvas()->FrontPlaneEnd();
}

// Every axis takes its range; the standard ones cut their title, labels
// and ticks from the chart rectangle; then every axis is placed along
// what is left.
void TCustomChart::CalcAxisRect() {
    const auto& axes = GetAxesList();
    for (TCustomChartAxis* axis : axes) axis->AdjustMaxMin();
    CalcSize3DWalls();
    if (GetView3D() && GetView3DOptions()->GetOrthogonal()) {
        const int wall = GetView3DWalls() ? backWall_->GetSize() : 0;
        TRect r = GetChartRect();
        r.Right -= std::abs(GetWidth3D()) + wall;
        r.Top += std::abs(GetHeight3D()) + wall;
        SetChartRect(r);
    }
    ReCalcWidthHeight();
    TRect r = GetChartRect();
    constexpr std::size_t standardAxes = 5;
    for (std::size_t i = 0; i < axes.size() && i < standardAxes; ++i) {
        if (!IsAxisVisible(axes[i])) continue;
        TRect t = r;
        axes[i]->CalcRect(t, true);
        TRect both;
        if (IntersectRect(both, t, r)) r = both;
    }
    SetChartRect(r);
    ReCalcWidthHeight();
    for (TCustomChartAxis* axis : axes) {
        axis->InternalCalcPositions();
        TRect t = GetChartRect();
        axis->CalcRect(t, false);
    }
}

// Each axis widens its range so that the pixel margins the series on it
// ask for stay free at the ends it chooses automatically.
void TCustomChart::CalcSeriesRect() {
    for (TCustomChartAxis* axis : GetAxesList()) {
        if (axis->GetIsDepthAxis()) continue;
        TRect margins(0, 0, 0, 0);
        bool any = false;
        for (TChartSeries* s : *GetSeriesList()) {
            if (!s->GetActive() || !s->AssociatedToAxis(axis)) continue;
            any = true;
            int a = 0, b = 0;
            if (axis->GetHorizontal()) {
                s->CalcHorizMargins(a, b);
                if (axis->GetAutomaticMinimum()) margins.Left = std::max(margins.Left, a);
                if (axis->GetAutomaticMaximum()) margins.Right = std::max(margins.Right, b);
            } else {
                s->CalcVerticalMargins(a, b);
                if (axis->GetAutomaticMaximum()) margins.Top = std::max(margins.Top, a);
                if (axis->GetAutomaticMinimum()) margins.Bottom = std::max(margins.Bottom, b);
            }
        }
        if (any) axis->AdjustMaxMinRect(margins);
    }
}
