// The axis panel's series and axes: joining and leaving series, free
// colours, automatic axis ranges and paging.
#include "chart/panel/TeEngineAxisPanel.h"

#include <algorithm>

#include "chart/axis/TeEngineAxis.h"
#include "chart/messages/TeeConst.h"
#include "chart/messages/TeeExceptions.h"
#include "chart/series/TeEngineSeries.h"

bool TeeDrawAxisBeforeSeries = true;

TChartSeries* TChartSeriesList::GetSeries(int Index) const {
    if (Index < 0 || Index >= GetCount())
        throw EListError("List index out of bounds (" + AnsiString(Index) + ")");
    return items_[static_cast<std::size_t>(Index)];
}

int TChartSeriesList::IndexOf(const TChartSeries* ASeries) const {
    auto it = std::find(items_.begin(), items_.end(), ASeries);
    return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

int TChartSeriesList::CountActive() const {
    return static_cast<int>(std::count_if(items_.begin(), items_.end(), [](TChartSeries* s) { return s->GetActive(); }));
}

TCustomAxisPanel::TCustomAxisPanel(TComponent* AOwner)
    : TCustomTeePanelExtended(AOwner), seriesList_(new TChartSeriesList(this)) {
    // Each axis appends itself to the list: bottom, top, left, right, depth.
    bottomAxis_ = new TChartAxis(this);
    bottomAxis_->SetHorizontal(true);
    topAxis_ = new TChartAxis(this);
    topAxis_->SetHorizontal(true);
    topAxis_->SetOtherSide(true);
    leftAxis_ = new TChartAxis(this);
    leftAxis_->SetDefaultTitleAngle(90);
    leftAxis_->GetTitle()->SetAngle(90);
    rightAxis_ = new TChartAxis(this);
    rightAxis_->SetDefaultTitleAngle(270);
    rightAxis_->GetTitle()->SetAngle(270);
    rightAxis_->SetOtherSide(true);
    depthAxis_ = new TChartDepthAxis(this);
    depthAxis_->SetIsDepthAxis(true);
    depthAxis_->SetOtherSide(true);
    SetAutoRepaint(false);
    depthAxis_->SetVisible(false);
    SetAutoRepaint(true);
}

TCustomAxisPanel::~TCustomAxisPanel() {
    SetAutoRepaint(false);
    FreeAllSeries();
    // Each axis takes itself out of the list as it goes.
    while (!axesList_.empty()) delete axesList_.back();
    delete seriesList_;
}

void TCustomAxisPanel::Assign(TPersistent* Source) {
    auto* panel = dynamic_cast<TCustomAxisPanel*>(Source);
    if (panel) {
        SetAxisVisible(panel->axisVisible_);
        bottomAxis_->Assign(panel->bottomAxis_);
        SetClipPoints(panel->clipPoints_);
        leftAxis_->Assign(panel->leftAxis_);
        depthAxis_->Assign(panel->depthAxis_);
        SetMaxPointsPerPage(panel->maxPointsPerPage_);
        SetPage(panel->page_);
        rightAxis_->Assign(panel->rightAxis_);
        SetScaleLastPage(panel->scaleLastPage_);
        topAxis_->Assign(panel->topAxis_);
        SetView3DWalls(panel->view3DWalls_);
    }
    TCustomTeePanelExtended::Assign(Source);
}

// ---- Series -------------------------------------------------------------------------

void TCustomAxisPanel::AddSeries(TChartSeries* ASeries) { ASeries->SetParentChart(this); }

void TCustomAxisPanel::InternalAddSeries(TChartSeries* ASeries) {
    if (seriesList_->IndexOf(ASeries) != -1) return;
    ASeries->parentChart_ = this;
    // Through the setter: a series type may keep other colours in step.
    if (ASeries->GetSeriesColor() == DefaultPointColor) ASeries->SetSeriesColor(GetFreeSeriesColor(true));
    ASeries->RecalcGetAxis();
    seriesList_->items_.push_back(ASeries);
    // A series placed in a form editor shows sample points until it has data.
    if (ASeries->GetComponentState().Contains(csDesigning) && !ASeries->GetDataSource())
        ASeries->FillSampleValues(ASeries->NumSampleValues());
    else
        CheckDatasource(ASeries);
    Invalidate();
}

void TCustomAxisPanel::RemoveSeries(TChartSeries* ASeries) {
    const int index = seriesList_->IndexOf(ASeries);
    if (index == -1) return;
    // The series keeps following its sources: were only one side of the
    // link cut, a source freed later could not tell it to let go.
    ASeries->parentChart_ = nullptr;
    ASeries->RecalcGetAxis();
    if (GetCursor() == ASeries->GetCursor()) SetCursor(GetSavedCursor());
    seriesList_->items_.erase(seriesList_->items_.begin() + index);
    Invalidate();
}

void TCustomAxisPanel::FreeAllSeries() {
    while (SeriesCount() > 0) {
        TChartSeries* series = GetSeries(0);
        series->SetParentChart(nullptr);
        delete series;
    }
}

void TCustomAxisPanel::ExchangeSeries(int A, int B) {
    // Both checked first: a bad index must leave the list as it was.
    TChartSeries* a = GetSeries(A);
    TChartSeries* b = GetSeries(B);
    seriesList_->items_[static_cast<std::size_t>(A)] = b;
    seriesList_->items_[static_cast<std::size_t>(B)] = a;
    Invalidate();
}

int TCustomAxisPanel::GetMaxValuesCount() const {
    int result = 0;
    for (TChartSeries* s : *seriesList_)
        if (s->GetActive()) result = std::max(result, s->Count());
    return result;
}

TChartSeries* TCustomAxisPanel::ActiveSeriesLegend(int Index) const {
    for (TChartSeries* s : *seriesList_)
        if (s->GetActive() && s->GetShowInLegend() && Index-- == 0) return s;
    return nullptr;
}

AnsiString TCustomAxisPanel::SeriesTitleLegend(int Index) const {
    TChartSeries* s = ActiveSeriesLegend(Index);
    if (!s) return AnsiString();
    if (!s->GetTitle().IsEmpty()) return s->GetTitle();
    if (!s->GetName().IsEmpty()) return s->GetName();
    return "Series " + AnsiString(Index);
}

int TCustomAxisPanel::MaxTextWidth() {
    int widest = 0;
    for (TChartSeries* s : *seriesList_) {
        if (!s->HasLabels()) continue;
        for (int i = 0; i < s->Count(); ++i) {
            int lines = 0;
            widest = std::max(widest, MultiLineTextWidth(s->GetXLabel(i), lines));
        }
    }
    return widest;
}

int TCustomAxisPanel::MaxMarkWidth() {
    int widest = 0;
    for (TChartSeries* s : *seriesList_)
        if (s->GetActive()) widest = std::max(widest, s->MaxMarkWidth());
    return widest;
}

AnsiString TCustomAxisPanel::FormattedValueLegend(TChartSeries* ASeries, int ValueIndex) {
    return ASeries->LegendString(ValueIndex, ltsLeftValue);
}

TColor TCustomAxisPanel::GetFreeSeriesColor(bool CheckBackground) {
    constexpr int paletteTries = 16;
    for (int t = 0; t < paletteTries; ++t)
        if (IsFreeSeriesColor(GetDefaultColor(t), CheckBackground)) return GetDefaultColor(t);
    return GetDefaultColor(0);
}

// ---- Axes ---------------------------------------------------------------------------

void TCustomAxisPanel::ForgetAxis(TCustomChartAxis* Axis) {
    std::erase(axesList_, Axis);
    for (TChartSeries* s : *seriesList_) {
        if (s->GetCustomHorizAxis() == Axis) s->SetCustomHorizAxis(nullptr);
        if (s->GetCustomVertAxis() == Axis) s->SetCustomVertAxis(nullptr);
    }
}

TChartSeries* TCustomAxisPanel::GetAxisSeries(const TCustomChartAxis* Axis) const {
    for (TChartSeries* s : *seriesList_)
        if (s->GetActive() && s->AssociatedToAxis(Axis)) return s;
    for (TChartSeries* s : *seriesList_)
        if (s->AssociatedToAxis(Axis)) return s;
    return nullptr;
}

bool TCustomAxisPanel::NoActiveSeries(const TCustomChartAxis* Axis) const {
    return std::none_of(seriesList_->begin(), seriesList_->end(),
                        [Axis](TChartSeries* s) { return s->GetActive() && s->AssociatedToAxis(Axis); });
}

bool TCustomAxisPanel::IsAxisVisible(const TCustomChartAxis* Axis) const {
    if (!axisVisible_ || !Axis->GetVisible()) return false;
    if (Axis->GetIsDepthAxis()) return GetView3D();
    bool anyUsesAxes = false;
    for (TChartSeries* s : *seriesList_) {
        if (!s->GetActive() || !s->UseAxis()) continue;
        anyUsesAxes = true;
        if (s->AssociatedToAxis(Axis)) return true;
    }
    return !anyUsesAxes;
}

// The end of the page of points ASeries shows: values first..last of the
// page, the last page stretched to a full page's spacing unless it is
// scaled on its own.
double TCustomAxisPanel::PagedMinMax(const TChartSeries* ASeries, bool IsMin, bool IsX) const {
    const int n = ASeries->Count(), m = maxPointsPerPage_;
    int first = (page_ - 1) * m;
    if (n <= first) first = std::max(0, n / m - 1) * m;
    int last = first + m - 1;
    if (n <= last) last = first + n % m - 1;
    const double vFirst = ASeries->GetValue(IsX, first);
    if (IsMin) return vFirst;
    const double vLast = ASeries->GetValue(IsX, last);
    const int k = last - first + 1;
    if (!scaleLastPage_ && k < m) return vFirst + (vLast - vFirst) * m / k;
    return vLast;
}

double TCustomAxisPanel::InternalMinMax(const TCustomChartAxis* AAxis, bool IsMin, bool IsX) const {
    if (AAxis->GetIsDepthAxis()) {
        // Series with depths of their own give the range; else one slot per series.
        if (AAxis->CalcLabelStyle() == talValue) {
            for (TChartSeries* s : *seriesList_)
                if (s->GetActive()) return IsMin ? s->MinZValue() : s->MaxZValue();
            return 0;
        }
        return IsMin ? -0.5 : maxZOrder_ + 0.5;
    }
    if (maxPointsPerPage_ > 0) {
        TChartSeries* a = GetAxisSeries(AAxis);
        const bool isIndexAxis = ((!a || a->YMandatory()) && IsX) || (a && !a->YMandatory() && !IsX);
        if (isIndexAxis) return a && a->Count() > 0 ? PagedMinMax(a, IsMin, IsX) : 0;
    }
    const bool anyActive = !NoActiveSeries(AAxis);
    bool found = false;
    double result = 0;
    for (TChartSeries* s : *seriesList_) {
        if (s->Count() == 0 || (anyActive && !s->GetActive())) continue;
        // Null points only: placeholders, nothing for a value axis to show.
        if (!IsX && s->AllPointsNull()) continue;
        const bool onAxis = IsX ? s->GetHorizAxis() == aBothHorizAxis || s->GetHorizontalAxis() == AAxis
                                : s->GetVertAxis() == aBothVertAxis || s->GetVerticalAxis() == AAxis;
        if (!onAxis) continue;
        const double v = IsX ? (IsMin ? s->MinXValue() : s->MaxXValue()) : (IsMin ? s->MinYValue() : s->MaxYValue());
        if (!found || (IsMin ? v < result : v > result)) result = v;
        found = true;
    }
    return result;
}

// ---- Paging ---------------------------------------------------------------------------

int TCustomAxisPanel::PageCountAlong(const TCustomChartAxis* Axis) const {
    int n = 0;
    for (TChartSeries* s : *seriesList_)
        if (s->GetActive() && s->AssociatedToAxis(Axis)) n = std::max(n, s->Count());
    if (n < 1) return 1;
    return n / maxPointsPerPage_ + (n % maxPointsPerPage_ > 0 ? 1 : 0);
}

int TCustomAxisPanel::NumPages() const {
    if (maxPointsPerPage_ <= 0 || SeriesCount() == 0) return 1;
    if (GetSeries(0)->YMandatory()) return std::max(PageCountAlong(topAxis_), PageCountAlong(bottomAxis_));
    return std::max(PageCountAlong(rightAxis_), PageCountAlong(leftAxis_));
}

void TCustomAxisPanel::SetPage(int Value) {
    const int pages = NumPages();
    if (Value > pages) Value = pages;
    if (Value < 1) Value = 1;
    if (page_ == Value) return;
    page_ = Value;
    Invalidate();
    if (OnPageChange) OnPageChange(this);
}

void TCustomAxisPanel::SetMaxPointsPerPage(int Value) {
    if (Value < 0) throw ChartException(TeeMsgText(TeeMsg_MaxPointsPerPage));
    SetIntegerProperty(maxPointsPerPage_, Value);
    if (page_ > NumPages()) SetPage(NumPages());
}

// ---- Data sources --------------------------------------------------------------------------

void TCustomAxisPanel::CheckDatasource(TChartSeries* ASeries) {
    if (GetComponentState().Contains(csLoading) || ASeries->GetComponentState().Contains(csLoading)) return;
    if (auto* source = dynamic_cast<TChartSeries*>(ASeries->GetDataSource())) ASeries->AddValues(source);
}

bool TCustomAxisPanel::IsValidDataSource(TChartSeries* ASeries, TComponent* AComponent) {
    auto* source = dynamic_cast<TChartSeries*>(AComponent);
    return source && source != ASeries && ASeries->IsValidSeriesSource(source);
}

void TCustomAxisPanel::CheckOtherSeries(TChartSeries* Dest, TChartSeries* Source) {
    // Every source at every depth is looked at, not only the first of each:
    // a loop through a second source would pass changes round for ever.
    std::vector<TChartSeries*> pending{Source}, seen;
    while (!pending.empty()) {
        TChartSeries* s = pending.back();
        pending.pop_back();
        if (std::find(seen.begin(), seen.end(), s) != seen.end()) continue;
        seen.push_back(s);
        for (TComponent* c : s->GetDataSources()) {
            if (c == Dest) throw ChartException(TeeMsgText(TeeMsg_CircularSeries));
            if (auto* sourceSeries = dynamic_cast<TChartSeries*>(c)) pending.push_back(sourceSeries);
        }
    }
}
