// What a series does during a paint: finding the points inside the range
// shown, and the steps around drawing them.
#include "chart/series/TeEngineSeries.h"

#include <algorithm>

#include "chart/axis/TeEngineAxis.h"
#include "chart/panel/TeEngineAxisPanel.h"

namespace {

// The first index from From whose value is not below Value, in an ascending
// list; Count when there is none.
int FirstNotBelow(const TChartValueList* List, int From, double Value) {
    int lo = From, hi = List->Count();
    while (lo < hi) {
        const int mid = lo + (hi - lo) / 2;
        if (List->GetValue(mid) < Value)
            lo = mid + 1;
        else
            hi = mid;
    }
    return lo;
}

// The same over a list of any order, one value after the other.
int FirstNotBelowScanning(const TChartValueList* List, int From, double Value) {
    int i = From;
    while (i < List->Count() && List->GetValue(i) < Value) ++i;
    return i;
}

}  // namespace

void TChartSeries::CalcFirstLastVisibleIndex() {
    firstValueIndex_ = lastValueIndex_ = -1;
    const int last = Count() - 1;
    if (last < 0) return;
    const bool alongX = YMandatory();
    TChartValueList* positions = alongX ? xValues_ : yValues_;
    TCustomChartAxis* axis = alongX ? horizontalAxis_ : verticalAxis_;
    if (!calcVisiblePoints_ || positions->GetOrder() == loNone || !axis) {
        firstValueIndex_ = 0;
        lastValueIndex_ = last;
        return;
    }
    const TRect& r = parentChart_->GetChartRect();
    const bool inverted = axis->GetInverted();
    const int nearEdge = axis->GetHorizontal() ? (inverted ? r.Right : r.Left) : (inverted ? r.Top : r.Bottom);
    const int farEdge = axis->GetHorizontal() ? (inverted ? r.Left : r.Right) : (inverted ? r.Bottom : r.Top);
    const double lo = axis->CalcPosPoint(nearEdge), hi = axis->CalcPosPoint(farEdge);
    // Ascending positions are searched by halves, so a paint costs what is
    // shown, not the length of the history. Descending ones get the same
    // tests one point at a time.
    const bool ascending = positions->GetOrder() == loAscending && positions->GetMultiplier() >= 0;
    auto firstNotBelow = ascending ? FirstNotBelow : FirstNotBelowScanning;
    const int first = firstNotBelow(positions, 0, lo);
    if (first > last) return;
    firstValueIndex_ = first;
    if (positions->GetValue(last) <= hi) {
        lastValueIndex_ = last;
        return;
    }
    lastValueIndex_ = std::min(firstNotBelow(positions, first, hi), last);
    if (!drawBetweenPoints_ && positions->GetValue(lastValueIndex_) > hi) --lastValueIndex_;
}

void TChartSeries::DoBeforeDrawValues() {
    if (BeforeDrawValues) BeforeDrawValues(this);
}

void TChartSeries::DoAfterDrawValues() {
    if (AfterDrawValues) AfterDrawValues(this);
}

void TChartSeries::DrawAllValues() {
    if (DrawValuesForward())
        for (int i = firstValueIndex_; i <= lastValueIndex_; ++i) DrawValue(i);
    else
        for (int i = lastValueIndex_; i >= firstValueIndex_; --i) DrawValue(i);
}
