// Value lists: ordered inserts, statistics on demand, and the sort that moves
// whole points through the owning series.
#include "chart/series/TeEngineValueList.h"

#include <algorithm>
#include <cmath>

#include "chart/series/TeEngineSeries.h"
#include "chart/utils/TeeProcs.h"

int TeeDefaultCapacity = 0;

namespace {

[[noreturn]] void IndexError(int Index) {
    throw EListError("List index out of bounds (" + AnsiString(Index) + ")");
}

}  // namespace

TChartValueList::TChartValueList(TChartSeries* AOwner, const AnsiString& AName) : owner_(AOwner), name_(AName) {
    owner_->GetValuesLists()->Add(this);
    ClearValues();
}

TChartValueList::~TChartValueList() { owner_->GetValuesLists()->Remove(this); }

void TChartValueList::Assign(TPersistent* Source) {
    auto* list = dynamic_cast<TChartValueList*>(Source);
    if (!list) {
        TPersistent::Assign(Source);
        return;
    }
    order_ = list->order_;
    dateTime_ = list->dateTime_;
    multiplier_ = list->multiplier_;
    valueSource_ = list->valueSource_;
    statsDirty_ = true;
}

void TChartValueList::CheckIndex(int Index) const {
    if (Index < 0 || Index >= Count()) IndexError(Index);
}

bool TChartValueList::ExtendRun(double Value) {
    if (!values_.empty() || !std::isfinite(Value)) return false;
    if (runCount_ == 0) {
        runFirst_ = Value;
        runStep_ = 0;
    } else if (runCount_ == 1) {
        const double step = Value - runFirst_;
        if (!(runFirst_ + 1 * step == Value)) return false;
        runStep_ = step;
    } else if (!(RunValue(runCount_) == Value)) {
        return false;
    }
    ++runCount_;
    return true;
}

void TChartValueList::Append(double Value) {
    if (ExtendRun(Value)) return;
    StoreRun();
    values_.push_back(Value);
}

void TChartValueList::StoreRun() {
    if (!runCount_) return;
    std::vector<double> values(static_cast<std::size_t>(runCount_));
    for (int i = 0; i < runCount_; ++i) values[static_cast<std::size_t>(i)] = RunValue(i);
    runCount_ = 0;
    values_.swap(values);
}

void TChartValueList::SetValue(int Index, double Value) {
    CheckIndex(Index);
    StoreRun();
    values_[static_cast<std::size_t>(Index)] = Value;
    statsDirty_ = true;
    owner_->NotifyValue(veModify, Index);
}

int TChartValueList::AddChartValue(double Value) {
    statsDirty_ = true;
    int t = Count() - 1;
    const bool inOrder = order_ == loNone || t < 0 || (order_ == loAscending && Raw(t) <= Value) ||
                         (order_ == loDescending && Raw(t) >= Value);
    if (inOrder) {
        Append(Value);
        return t + 1;
    }
    StoreRun();
    // Backwards from the end: a value equal to others goes after them all.
    if (order_ == loAscending)
        while (t >= 0 && values_[static_cast<std::size_t>(t)] > Value) --t;
    else
        while (t >= 0 && values_[static_cast<std::size_t>(t)] < Value) --t;
    values_.insert(values_.begin() + (t + 1), Value);
    return t + 1;
}

void TChartValueList::InsertChartValue(int Index, double Value) {
    if (Index < 0 || Index > Count()) IndexError(Index);
    statsDirty_ = true;
    if (Index == Count()) {
        Append(Value);
        return;
    }
    StoreRun();
    values_.insert(values_.begin() + Index, Value);
}

void TChartValueList::Delete(int Index) {
    CheckIndex(Index);
    statsDirty_ = true;
    // The run loses its last value and stays a run.
    if (runCount_ && Index == runCount_ - 1) {
        --runCount_;
        return;
    }
    StoreRun();
    values_.erase(values_.begin() + Index);
}

void TChartValueList::ClearValues() {
    // A cleared list gives its memory back, as a freshly made one holds none.
    runCount_ = 0;
    std::vector<double>().swap(values_);
    values_.reserve(static_cast<std::size_t>(std::max(0, TeeDefaultCapacity)));
    statsDirty_ = true;
}

int TChartValueList::Locate(double Value) const {
    for (int i = 0; i < Count(); ++i)
        if (GetValue(i) == Value) return i;
    return -1;
}

void TChartValueList::Exchange(int Index1, int Index2) {
    CheckIndex(Index1);
    CheckIndex(Index2);
    StoreRun();
    std::swap(values_[static_cast<std::size_t>(Index1)], values_[static_cast<std::size_t>(Index2)]);
}

void TChartValueList::Scroll() {
    StoreRun();
    if (values_.empty()) return;
    std::rotate(values_.begin(), values_.begin() + 1, values_.end());
}

void TChartValueList::FillSequence() {
    for (int i = 0; i < Count(); ++i) SetValue(i, i);
}

// ---- Statistics -------------------------------------------------------------------

void TChartValueList::RecalcStats() const {
    const int count = Count();
    if (count == 0) {
        maxValue_ = minValue_ = total_ = totalAbs_ = 0;
    } else {
        const double first = Raw(0) * multiplier_;
        minValue_ = maxValue_ = total_ = first;
        totalAbs_ = std::fabs(first);
        for (int i = 1; i < count; ++i) {
            const double v = Raw(i) * multiplier_;
            if (v < minValue_)
                minValue_ = v;
            else if (v > maxValue_)
                maxValue_ = v;
            total_ += v;
            totalAbs_ += std::fabs(v);
        }
    }
    statsDirty_ = false;
}

double TChartValueList::GetMaxValue() const {
    if (statsDirty_) RecalcStats();
    return maxValue_;
}

double TChartValueList::GetMinValue() const {
    if (statsDirty_) RecalcStats();
    return minValue_;
}

double TChartValueList::GetTotal() const {
    if (statsDirty_) RecalcStats();
    return total_;
}

double TChartValueList::GetTotalABS() const {
    if (statsDirty_) RecalcStats();
    return totalAbs_;
}

// ---- Properties -------------------------------------------------------------------

void TChartValueList::SetDateTime(bool Value) { owner_->SetBooleanProperty(dateTime_, Value); }

void TChartValueList::SetMultiplier(double Value) {
    if (Value == multiplier_) return;
    multiplier_ = Value;
    statsDirty_ = true;
    owner_->NotifyValue(veRefresh, 0);
    owner_->Repaint();
}

void TChartValueList::SetValueSource(const AnsiString& Value) {
    if (TeeStoreChanged(valueSource_, Value)) owner_->CheckDataSource();
}

// ---- Sort ---------------------------------------------------------------------------

int TChartValueList::CompareValues(int a, int b) const {
    const double va = GetValue(a), vb = GetValue(b);
    const int result = va < vb ? -1 : (va > vb ? 1 : 0);
    return order_ == loDescending ? -result : result;
}

void TChartValueList::Sort() {
    if (order_ != loNone) SortRange(0, Count() - 1);
}

// Quicksort whose exchanges are the owner's, so that every list, label and
// colour of a point moves with it. The pivot is followed by index, so each
// comparison reads its live value. Only the smaller part is sorted by
// recursion and the larger one by the loop, which keeps the depth
// logarithmic whatever the data.
void TChartValueList::SortRange(int l, int r) {
    while (l < r) {
        int i = l, j = r, m = (l + r) >> 1;
        do {
            while (CompareValues(i, m) < 0) ++i;
            while (CompareValues(m, j) < 0) --j;
            if (i < j) {
                owner_->SwapValueIndex(i, j);
                if (i == m)
                    m = j;
                else if (j == m)
                    m = i;
            }
            if (i <= j) {
                ++i;
                --j;
            }
        } while (i < j);
        if (j - l < r - i) {
            if (l < j) SortRange(l, j);
            l = i;
        } else {
            if (i < r) SortRange(i, r);
            r = j;
        }
    }
}

// ---- The collection -------------------------------------------------------------

TChartValueList* TChartValueLists::GetValueList(int Index) const {
    if (Index < 0 || Index >= GetCount()) IndexError(Index);
    return lists_[static_cast<std::size_t>(Index)];
}

void TChartValueLists::Insert(int Index, TChartValueList* List) {
    if (Index < 0 || Index > GetCount()) IndexError(Index);
    lists_.insert(lists_.begin() + Index, List);
}

int TChartValueLists::Remove(TChartValueList* List) {
    const int index = IndexOf(List);
    if (index >= 0) lists_.erase(lists_.begin() + index);
    return index;
}

int TChartValueLists::IndexOf(const TChartValueList* List) const {
    auto it = std::find(lists_.begin(), lists_.end(), List);
    return it == lists_.end() ? -1 : static_cast<int>(it - lists_.begin());
}

void TChartValueLists::Put(int Index, TChartValueList* List) {
    if (Index < 0 || Index >= GetCount()) IndexError(Index);
    lists_[static_cast<std::size_t>(Index)] = List;
}

void TChartValueList::ReleaseSlack() {
    if (Count() == countAtLastRelease_ && values_.capacity() > values_.size()) values_.shrink_to_fit();
    countAtLastRelease_ = Count();
}
