// Series fed by other series: data sources, the linked series that follow a
// source's changes, and copying a series.
#include "chart/series/TeEngineSeries.h"

#include <algorithm>
#include <utility>

#include "chart/functions/TeEngineFunction.h"
#include "chart/messages/TeeConst.h"
#include "chart/messages/TeeExceptions.h"
#include "chart/panel/TeEngineAxisPanel.h"

// ---- Data sources ---------------------------------------------------------------------------

void TChartSeries::AddLinkedSeries(TChartSeries* Value) {
    if (std::find(linkedSeries_.begin(), linkedSeries_.end(), Value) == linkedSeries_.end())
        linkedSeries_.push_back(Value);
}

void TChartSeries::RemoveLinkedSeries(TChartSeries* Value) { std::erase(linkedSeries_, Value); }

void TChartSeries::InternalAddDataSource(TComponent* Value) {
    if (!Value) return;
    dataSources_.push_back(Value);
    if (auto* s = dynamic_cast<TChartSeries*>(Value))
        s->AddLinkedSeries(this);
    else
        Value->FreeNotification(this);
}

void TChartSeries::DropDataSources() {
    auto sources = std::move(dataSources_);
    dataSources_.clear();
    for (TComponent* c : sources) {
        if (auto* s = dynamic_cast<TChartSeries*>(c))
            s->RemoveLinkedSeries(this);
        else
            c->RemoveFreeNotification(this);
    }
}

void TChartSeries::RemoveDataSource(TComponent* Value) {
    std::erase(dataSources_, Value);
    CheckDataSource();
}

void TChartSeries::CheckDataSource() {
    if (parentChart_) parentChart_->CheckDatasource(this);
}

bool TChartSeries::IsNewDataSource(TComponent* Value) {
    if (!parentChart_) throw ChartException(TeeMsgText(TeeMsg_SeriesSetDataSource));
    if (!parentChart_->IsValidDataSource(this, Value))
        throw ChartException(TeeMsgFormat(TeeMsg_SeriesInvDataSource, Value->GetName()));
    if (std::find(dataSources_.begin(), dataSources_.end(), Value) != dataSources_.end()) return false;
    if (auto* s = dynamic_cast<TChartSeries*>(Value)) parentChart_->CheckOtherSeries(this, s);
    return true;
}

void TChartSeries::AddDataSource(TComponent* Value) {
    if (!Value || !IsNewDataSource(Value)) return;
    InternalAddDataSource(Value);
    CheckDataSource();
}

void TChartSeries::SetDataSource(TComponent* Value) {
    if (!Value) {
        DropDataSources();
        if (parentChart_ && parentChart_->GetComponentState().Contains(csDesigning))
            FillSampleValues(NumSampleValues());
        else
            Clear();
        Repaint();
        return;
    }
    if (!IsNewDataSource(Value)) return;
    const bool loading = GetComponentState().Contains(csLoading);
    if (!loading) DropDataSources();
    InternalAddDataSource(Value);
    if (!loading) parentChart_->CheckDatasource(this);
}

void TChartSeries::ReplaceDataSource(TChartSeries* Old, TChartSeries* New) {
    auto old = std::find(dataSources_.begin(), dataSources_.end(), Old);
    const bool hasNew = std::find(dataSources_.begin(), dataSources_.end(), New) != dataSources_.end();
    // In Old's place: the order of the sources is the order a function
    // folds them in (a difference is first minus second).
    if (old != dataSources_.end()) {
        if (hasNew)
            dataSources_.erase(old);
        else
            *old = New;
        New->AddLinkedSeries(this);
    }
    Old->RemoveLinkedSeries(this);
}

void TChartSeries::SetFunction(TTeeFunction* Value) {
    if (Value == function_) return;
    // Refused before anything changes: the series keeps its function and points.
    if (Value) Value->CheckSettings(Value->GetPeriod(), Value->GetPeriodStyle(), this);
    delete std::exchange(function_, Value);
    // Takes the function from the series it belonged to.
    if (Value) Value->SetParentSeries(this);
    CheckDataSource();
}

void TChartSeries::Notification(TComponent* AComponent, TOperation Operation) {
    TComponent::Notification(AComponent, Operation);
    if (Operation != opRemove) return;
    auto it = std::find(dataSources_.begin(), dataSources_.end(), AComponent);
    if (it == dataSources_.end()) return;
    if (it == dataSources_.begin()) {
        SetDataSource(nullptr);
    } else {
        // A further source is forgotten too: nothing may point at it now.
        dataSources_.erase(it);
    }
}

// ---- Passing changes on --------------------------------------------------------------

void TChartSeries::NotifyValue(TValueEvent ValueEvent, int ValueIndex) {
    // A copy: a linked series may leave the list while it is told.
    const auto linked = linkedSeries_;
    for (TChartSeries* s : linked) {
        const TSeriesRecalcOptions options = s->recalcOptions_;
        switch (ValueEvent) {
        case veClear:
            if (options.Contains(rOnClear)) s->Clear();
            break;
        // A calculated series is refilled as a whole, never point by point.
        case veAdd:
            if (options.Contains(rOnInsert) && !s->function_) s->AddedValue(this, ValueIndex);
            break;
        case veDelete:
            if (options.Contains(rOnDelete) && !s->function_) s->DeletedValue(this, ValueIndex);
            break;
        case veRefresh:
            s->AddValues(this);
            break;
        case veModify:
            if (options.Contains(rOnModify)) s->AddValues(this);
            break;
        }
    }
}

int TChartSeries::AddChartValue(TChartSeries* Source, int ValueIndex) {
    double x = Source->GetxValue(ValueIndex), y = Source->GetyValue(ValueIndex);
    // A horizontal series and a vertical one share their points crosswise.
    if (YMandatory() != Source->YMandatory()) std::swap(x, y);
    const int pos = xValues_->AddChartValue(x);
    yValues_->InsertChartValue(pos, y);
    const int sourceLists = Source->valuesLists_.GetCount();
    for (int i = 2; i < valuesLists_.GetCount(); ++i) {
        const double v = i < sourceLists ? Source->valuesLists_.GetValueList(i)->GetValue(ValueIndex) : 0;
        valuesLists_.GetValueList(i)->InsertChartValue(pos, v);
    }
    return pos;
}

void TChartSeries::AddedValue(TChartSeries* Source, int ValueIndex) {
    const int pos = AddChartValue(Source, ValueIndex);
    // Colour and label go in even when the source has none, or every later
    // point's colour and label would belong to its neighbour.
    InsertPoint(pos, Source->GetXLabel(ValueIndex), Source->OwnColor(ValueIndex));
    NotifyNewValue(this, pos);
}

void TChartSeries::DeletedValue(TChartSeries*, int ValueIndex) {
    // A point this series never had (it was refused or filtered) is no error.
    if (ValueIndex >= 0 && ValueIndex < Count()) Delete(ValueIndex);
}

void TChartSeries::AddValues(TChartSeries* Source) {
    if (!IsValidSourceOf(Source)) return;
    Clear();
    if (function_) {
        xValues_->SetDateTime(Source->xValues_->GetDateTime());
        yValues_->SetDateTime(Source->yValues_->GetDateTime());
        function_->AddPoints(Source);
    } else {
        for (int i = 0; i < Source->Count(); ++i) AddedValue(Source, i);
    }
    RefreshSeries();
}

// ---- Copying ----------------------------------------------------------------------------

void TChartSeries::Assign(TPersistent* Source) {
    auto* source = dynamic_cast<TChartSeries*>(Source);
    if (!source) {
        TComponent::Assign(Source);
        return;
    }
    if (source == this) return;
    SetTag(source->GetTag());
    DropDataSources();
    const bool crosswise = YMandatory() != source->YMandatory();
    xValues_->Assign(crosswise ? source->yValues_ : source->xValues_);
    yValues_->Assign(crosswise ? source->xValues_ : source->yValues_);
    labelsSource_ = source->labelsSource_;
    colorSource_ = source->colorSource_;
    const int further = std::min(valuesLists_.GetCount(), source->valuesLists_.GetCount());
    for (int i = 2; i < further; ++i) valuesLists_.GetValueList(i)->Assign(source->valuesLists_.GetValueList(i));
    // The function itself moves over, leaving the source without one.
    if (source->function_ && !function_) source->function_->SetParentSeries(this);
    if (!source->dataSources_.empty()) {
        for (TComponent* c : source->dataSources_)
            if (c != this) InternalAddDataSource(c);
        CheckDataSource();
    } else if (!source->GetComponentState().Contains(csDesigning)) {
        AddValues(source);
    }
    marks_->Assign(source->marks_);
    SetSeriesColor(source->seriesColor_);
    colorEachPoint_ = source->colorEachPoint_;
    title_ = source->title_;
    valueFormat_ = source->valueFormat_;
    percentFormat_ = source->percentFormat_;
    active_ = source->active_;
    showInLegend_ = source->showInLegend_;
    cursor_ = source->cursor_;
    horizAxis_ = source->horizAxis_;
    vertAxis_ = source->vertAxis_;
    recalcOptions_ = source->recalcOptions_;
    SetZOrder(source->zOrder_);
    RecalcGetAxis();
    Repaint();
}
