// What a series does during a paint: finding the points inside the range
// shown, and the steps around drawing them.
#include "chart/series/TeEngineSeries.h"

#include <algorithm>

#include "chart/axis/TeEngineAxis.h"
#include "chart/panel/TeEngineAxisPanel.h"
#include "platform/runtime/SysUtils.h"

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

void TChartSeries::ReleaseSlack() {
    for (int i = 0; i < valuesLists_.GetCount(); ++i) valuesLists_.GetValueList(i)->ReleaseSlack();
    // Colours and labels follow the value lists' pace.
    if (Count() == slackCount_) {
        colors_.ReleaseSlack();
        labels_.ReleaseSlack();
    }
    slackCount_ = Count();
}

void TChartSeries::DoBeforeDrawValues() {
    if (BeforeDrawValues) BeforeDrawValues(this);
}

void TChartSeries::DoAfterDrawValues() {
    if (AfterDrawValues) AfterDrawValues(this);
}

void TChartSeries::DrawAllValues() {
    if (ColumnsShared()) {
        DrawColumns();
        return;
    }
    if (DrawValuesForward())
        for (int i = firstValueIndex_; i <= lastValueIndex_; ++i) DrawValue(i);
    else
        for (int i = lastValueIndex_; i >= firstValueIndex_; --i) DrawValue(i);
}

void TChartSeries::DrawMarks() {
    if (!parentChart_) return;
    const TSharedPercentTotal total(this);
    if (MarksMayHide()) {
        DrawUncoveredMarks();
        return;
    }
    TSeriesMarkPosition position;
    AnsiString text;
    for (int i = firstValueIndex_; i <= lastValueIndex_ && i >= 0; ++i) {
        if (!MarkText(i, text)) continue;
        UseMarksFont();
        CentreMark(i, text, position);
        DrawMark(i, text, position);
    }
}

void TChartSeries::UseMarksFont() {
    TCanvas3D* canvas = parentChart_->GetCanvas();
    parentChart_->FontCanvas(marks_->GetFont());
    if (parentChart_->GetView3D() && !canvas->GetSupports3DText() && parentChart_->GetView3DOptions()->GetZoomText()) {
        TFont* font = canvas->GetFont();
        font->SetSize(std::max(1, Round(font->GetSize() * parentChart_->GetView3DOptions()->GetZoom() * 0.01)));
    }
}

bool TChartSeries::MarkText(int ValueIndex, AnsiString& Text) const {
    if (IsNull(ValueIndex)) return false;
    Text = GetMarkText(ValueIndex);
    return !Text.IsEmpty();
}

void TChartSeries::CentreMark(int ValueIndex, const AnsiString& Text, TSeriesMarkPosition& APosition) {
    TCanvas3D* canvas = parentChart_->GetCanvas();
    int lines = 0;
    APosition.Width = parentChart_->MultiLineTextWidth(Text, lines) + canvas->TextWidth("W");
    APosition.Height = lines * canvas->FontHeight();
    canvas->AssignVisiblePen(marks_->GetFrame());
    if (marks_->GetFrame()->GetVisible()) {
        APosition.Width += 2 * marks_->GetFrame()->GetWidth();
        APosition.Height += 2 * marks_->GetFrame()->GetWidth();
    }
    APosition.ArrowTo = APosition.ArrowFrom = TPoint(CalcXPos(ValueIndex), CalcYPos(ValueIndex));
    APosition.LeftTop = TPoint(APosition.ArrowTo.x - APosition.Width / 2, APosition.ArrowTo.y - APosition.Height + 1);
}

void TChartSeries::DrawMark(int ValueIndex, const AnsiString& St, TSeriesMarkPosition& APosition) {
    if (PlaceMark(ValueIndex, APosition)) marks_->Draw(ValueIndex, GetValueColor(ValueIndex), St, APosition);
}

// ---- Pixels --------------------------------------------------------------------

int TChartSeries::CalcXPos(int ValueIndex) const { return CalcXPosValue(GetxValue(ValueIndex)); }
int TChartSeries::CalcYPos(int ValueIndex) const { return CalcYPosValue(GetyValue(ValueIndex)); }
int TChartSeries::CalcXPosValue(double Value) const { return horizontalAxis_->CalcXPosValue(Value); }
int TChartSeries::CalcYPosValue(double Value) const { return verticalAxis_->CalcYPosValue(Value); }
int TChartSeries::CalcXSizeValue(double Value) const { return horizontalAxis_->CalcSizeValue(Value); }
int TChartSeries::CalcYSizeValue(double Value) const { return verticalAxis_->CalcSizeValue(Value); }
double TChartSeries::XScreenToValue(int Pixel) const { return horizontalAxis_->CalcPosPoint(Pixel); }
double TChartSeries::YScreenToValue(int Pixel) const { return verticalAxis_->CalcPosPoint(Pixel); }

int TChartSeries::GetCursorValueIndex() const {
    if (!parentChart_) return -1;
    const TPoint p = parentChart_->GetCursorPos();
    return const_cast<TChartSeries*>(this)->Clicked(p.x, p.y);
}

bool TChartSeries::DoSeriesClick(TChartSeries* Sender, int ValueIndex, TMouseButton Button, TShiftState Shift, int X,
                                 int Y) {
    if (Shift.Contains(ssDouble) && OnDblClick) {
        OnDblClick(Sender, ValueIndex, Button, Shift, X, Y);
        return true;
    }
    if (OnClick) {
        OnClick(Sender, ValueIndex, Button, Shift, X, Y);
        return true;
    }
    return false;
}
