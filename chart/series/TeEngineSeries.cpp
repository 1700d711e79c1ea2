// The series' life, its settings, the axes it is drawn against and its
// depth slot.
#include "chart/series/TeEngineSeries.h"

#include <algorithm>
#include <utility>

#include "chart/axis/TeEngineAxis.h"
#include "chart/functions/TeEngineFunction.h"
#include "chart/messages/TeeConst.h"
#include "chart/panel/TeEngineAxisPanel.h"
#include "chart/utils/TeeProcs.h"

TChartSeries::TChartSeries(TComponent* AOwner) : TComponent(AOwner), marks_(new TSeriesMarks(this)) {
    xValues_ = new TChartValueList(this, TeeMsgText(TeeMsg_ValuesX));
    xValues_->SetOrder(loAscending);
    yValues_ = new TChartValueList(this, TeeMsgText(TeeMsg_ValuesY));
    valueFormat_ = TeeMsgText(TeeMsg_DefValueFormat);
    percentFormat_ = TeeMsgText(TeeMsg_DefPercentFormat);
}

TChartSeries::~TChartSeries() {
    // Off the chart first, so that nothing below makes a chart being
    // destroyed, or one that stays, reach this series again.
    SetParentChart(nullptr);
    delete std::exchange(function_, nullptr);
    DropDataSources();
    // The series fed by this one look for their points elsewhere.
    auto linked = linkedSeries_;
    linkedSeries_.clear();
    for (TChartSeries* s : linked) s->RemoveDataSource(this);
    // Each list leaves the collection as it goes.
    while (valuesLists_.GetCount() > 0) delete valuesLists_.GetValueList(valuesLists_.GetCount() - 1);
    delete marks_;
}

// ---- Repaint requests -----------------------------------------------------------

void TChartSeries::Repaint() {
    if (parentChart_) parentChart_->Invalidate();
}

void TChartSeries::SetBooleanProperty(bool& Variable, bool Value) {
    if (TeeStoreChanged(Variable, Value)) Repaint();
}

void TChartSeries::SetIntegerProperty(int& Variable, int Value) {
    if (TeeStoreChanged(Variable, Value)) Repaint();
}

void TChartSeries::SetColorProperty(TColor& Variable, TColor Value) {
    if (TeeStoreChanged(Variable, Value)) Repaint();
}

void TChartSeries::SetDoubleProperty(double& Variable, double Value) {
    if (TeeStoreChanged(Variable, Value)) Repaint();
}

void TChartSeries::SetStringProperty(AnsiString& Variable, const AnsiString& Value) {
    if (TeeStoreChanged(Variable, Value)) Repaint();
}

// ---- Settings -------------------------------------------------------------------------

void TChartSeries::SetColorEachPoint(bool Value) {
    SetBooleanProperty(colorEachPoint_, Value);
    if (Value) return;
    // Only the null marks stay.
    auto& colors = colors_.Entries();
    colors.erase(std::remove_if(colors.begin(), colors.end(), [](const auto& e) { return e.second != clNone; }),
                 colors.end());
    Repaint();
}

void TChartSeries::SetColorSource(const AnsiString& Value) {
    if (TeeStoreChanged(colorSource_, Value)) CheckDataSource();
}

void TChartSeries::SetLabelsSource(const AnsiString& Value) {
    if (TeeStoreChanged(labelsSource_, Value)) CheckDataSource();
}

void TChartSeries::SetXValues(TChartValueList* Value) {
    xValues_->Assign(Value);
    Repaint();
}

void TChartSeries::SetYValues(TChartValueList* Value) {
    yValues_->Assign(Value);
    Repaint();
}

TChartValueList* TChartSeries::GetYValueList(const AnsiString& AName) const {
    for (int i = 2; i < valuesLists_.GetCount(); ++i) {
        TChartValueList* list = valuesLists_.GetValueList(i);
        if (list->GetName().AnsiCompareIC(AName) == 0) return list;
    }
    return yValues_;
}

void TChartSeries::ReplaceList(TChartValueList* OldList, TChartValueList* NewList) {
    // Replacing a list by itself would free the list it keeps.
    if (OldList == NewList) return;
    valuesLists_.Remove(NewList);
    NewList->SetName(OldList->GetName());
    if (OldList == xValues_)
        xValues_ = NewList;
    else if (OldList == yValues_)
        yValues_ = NewList;
    const int index = valuesLists_.IndexOf(OldList);
    if (index >= 0)
        valuesLists_.Put(index, NewList);
    else
        valuesLists_.Add(NewList);
    delete OldList;
}

// ---- Chart and axes ---------------------------------------------------------------

void TChartSeries::SetParentChart(TCustomAxisPanel* Value) {
    if (parentChart_ == Value) return;
    if (parentChart_) parentChart_->RemoveSeries(this);
    parentChart_ = Value;
    RecalcGetAxis();
    if (parentChart_) parentChart_->InternalAddSeries(this);
}

void TChartSeries::RecalcGetAxis() {
    if (!parentChart_) {
        horizontalAxis_ = verticalAxis_ = nullptr;
        return;
    }
    horizontalAxis_ = parentChart_->GetBottomAxis();
    if (horizAxis_ == aTopAxis)
        horizontalAxis_ = parentChart_->GetTopAxis();
    else if (horizAxis_ == aCustomHorizAxis && customHorizAxis_)
        horizontalAxis_ = customHorizAxis_;
    verticalAxis_ = parentChart_->GetLeftAxis();
    if (vertAxis_ == aRightAxis)
        verticalAxis_ = parentChart_->GetRightAxis();
    else if (vertAxis_ == aCustomVertAxis && customVertAxis_)
        verticalAxis_ = customVertAxis_;
}

void TChartSeries::SetHorizAxis(THorizAxis Value) {
    if (horizAxis_ == Value) return;
    horizAxis_ = Value;
    RecalcGetAxis();
    Repaint();
}

void TChartSeries::SetVertAxis(TVertAxis Value) {
    if (vertAxis_ == Value) return;
    vertAxis_ = Value;
    RecalcGetAxis();
    Repaint();
}

void TChartSeries::SetCustomHorizAxis(TChartAxis* Value) {
    if (customHorizAxis_ == Value) return;
    customHorizAxis_ = Value;
    horizAxis_ = Value ? aCustomHorizAxis : aBottomAxis;
    RecalcGetAxis();
    Repaint();
}

void TChartSeries::SetCustomVertAxis(TChartAxis* Value) {
    if (customVertAxis_ == Value) return;
    customVertAxis_ = Value;
    vertAxis_ = Value ? aCustomVertAxis : aLeftAxis;
    RecalcGetAxis();
    Repaint();
}

bool TChartSeries::AssociatedToAxis(const TCustomChartAxis* Axis) const {
    if (!UseAxis()) return false;
    if (Axis->GetHorizontal()) return horizAxis_ == aBothHorizAxis || horizontalAxis_ == Axis;
    return vertAxis_ == aBothVertAxis || verticalAxis_ == Axis;
}

// ---- Depth ------------------------------------------------------------------------------

void TChartSeries::SetZOrder(int Value) {
    SetIntegerProperty(zOrder_, Value);
    autoZOrder_ = Value == -1 ? 0 : Value;
}

void TChartSeries::CalcZOrder() {
    if (zOrder_ != -1) {
        parentChart_->SetMaxZOrder(std::max(parentChart_->GetMaxZOrder(), zOrder_));
    } else if (!parentChart_->GetView3D()) {
        autoZOrder_ = 0;
    } else {
        parentChart_->SetMaxZOrder(parentChart_->GetMaxZOrder() + 1);
        autoZOrder_ = parentChart_->GetMaxZOrder();
    }
}

bool TChartSeries::MoreSameZOrder() const {
    if (!parentChart_ || !parentChart_->GetApplyZOrder()) return false;
    const int z = GetZOrder();
    for (TChartSeries* s : *parentChart_->GetSeriesList())
        if (s != this && s->GetActive() && s->GetZOrder() == z) return true;
    return false;
}

bool TChartSeries::FirstInZOrder() const {
    if (!active_) return false;
    if (!parentChart_) return true;
    const int z = GetZOrder();
    for (TChartSeries* s : *parentChart_->GetSeriesList()) {
        if (s == this) break;
        if (s->GetActive() && s->GetZOrder() == z) return false;
    }
    return true;
}
