// TStringList: strings and objects held in order, optionally sorted.
#include <algorithm>
#include <numeric>

#include "platform/runtime/Strings.h"
#include "platform/runtime/SysUtils.h"

void TStringList::CheckIndex(int Index) const {
    if (Index < 0 || Index >= GetCount()) Error("List index out of bounds", Index);
}

void TStringList::CheckNotSorted() const {
    if (sorted_) throw EStringListError("Operation not allowed on sorted list");
}

void TStringList::Changed() {
    if (GetUpdateCount() == 0 && OnChange) OnChange(this);
}

void TStringList::Changing() {
    if (GetUpdateCount() == 0 && OnChanging) OnChanging(this);
}

void TStringList::SetUpdateState(bool Updating) {
    // Runs with the count still above zero on BeginUpdate and already at
    // zero on EndUpdate, so call the events directly.
    if (Updating) {
        if (OnChanging) OnChanging(this);
    } else {
        Changed();
    }
}

int TStringList::CompareStrings(const AnsiString& S1, const AnsiString& S2) const {
    if (caseSensitive_) return S1.AnsiCompare(S2);
    return CompareText(S1, S2);
}

void TStringList::InsertItem(int Index, const AnsiString& S, TObject* AObject) {
    Changing();
    items_.insert(items_.begin() + Index, Item{S, AObject});
    Changed();
}

int TStringList::AddObject(const AnsiString& S, TObject* AObject) {
    int index = GetCount();
    if (sorted_ && Find(S, index)) {
        if (duplicates_ == dupIgnore) return index;
        if (duplicates_ == dupError) throw EStringListError("String list does not allow duplicates");
    }
    InsertItem(index, S, AObject);
    return index;
}

void TStringList::InsertObject(int Index, const AnsiString& S, TObject* AObject) {
    CheckNotSorted();
    if (Index < 0 || Index > GetCount()) Error("List index out of bounds", Index);
    InsertItem(Index, S, AObject);
}

void TStringList::Delete(int Index) {
    CheckIndex(Index);
    Changing();
    items_.erase(items_.begin() + Index);
    Changed();
}

void TStringList::Clear() {
    if (items_.empty()) return;
    Changing();
    items_.clear();
    Changed();
}

void TStringList::Exchange(int Index1, int Index2) {
    CheckNotSorted();
    CheckIndex(Index1);
    CheckIndex(Index2);
    Changing();
    std::swap(items_[static_cast<std::size_t>(Index1)], items_[static_cast<std::size_t>(Index2)]);
    Changed();
}

void TStringList::Move(int CurIndex, int NewIndex) {
    if (CurIndex == NewIndex) return;
    // Checked before anything moves, so a refused move loses nothing.
    CheckNotSorted();
    CheckIndex(CurIndex);
    CheckIndex(NewIndex);
    Changing();
    Item item = items_[static_cast<std::size_t>(CurIndex)];
    items_.erase(items_.begin() + CurIndex);
    items_.insert(items_.begin() + NewIndex, std::move(item));
    Changed();
}

int TStringList::IndexOf(const AnsiString& S) const {
    if (!sorted_) return TStrings::IndexOf(S);
    int index = 0;
    return Find(S, index) ? index : -1;
}

bool TStringList::Find(const AnsiString& S, int& Index) const {
    if (!sorted_) {
        Index = TStrings::IndexOf(S);
        if (Index >= 0) return true;
        Index = GetCount();
        return false;
    }
    // Lower bound: the first item not before S.
    int low = 0, high = GetCount();
    while (low < high) {
        int mid = low + (high - low) / 2;
        if (CompareStrings(items_[static_cast<std::size_t>(mid)].string, S) < 0) low = mid + 1;
        else high = mid;
    }
    Index = low;
    return low < GetCount() && CompareStrings(items_[static_cast<std::size_t>(low)].string, S) == 0;
}

void TStringList::CustomSort(TStringListSortCompare Compare) {
    if (sorted_ || GetCount() < 2) return;
    Changing();
    // Sort a permutation so the compare function sees the list unchanged.
    std::vector<int> order(items_.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return Compare(this, a, b) < 0; });
    std::vector<Item> sorted;
    sorted.reserve(items_.size());
    for (int i : order) sorted.push_back(items_[static_cast<std::size_t>(i)]);
    items_.swap(sorted);
    Changed();
}

void TStringList::Sort() {
    CustomSort([](TStringList* list, int a, int b) {
        return list->CompareStrings(list->items_[static_cast<std::size_t>(a)].string,
                                    list->items_[static_cast<std::size_t>(b)].string);
    });
}

void TStringList::SetSorted(bool Value) {
    if (Value == sorted_) return;
    if (Value) Sort();
    sorted_ = Value;
}

void TStringList::SetCaseSensitive(bool Value) {
    if (Value == caseSensitive_) return;
    caseSensitive_ = Value;
    if (sorted_) {
        sorted_ = false;
        Sort();
        sorted_ = true;
    }
}

AnsiString TStringList::Get(int Index) const {
    CheckIndex(Index);
    return items_[static_cast<std::size_t>(Index)].string;
}

void TStringList::Put(int Index, const AnsiString& S) {
    CheckNotSorted();
    CheckIndex(Index);
    Changing();
    items_[static_cast<std::size_t>(Index)].string = S;
    Changed();
}

TObject* TStringList::GetObject(int Index) const {
    CheckIndex(Index);
    return items_[static_cast<std::size_t>(Index)].object;
}

void TStringList::PutObject(int Index, TObject* AObject) {
    CheckIndex(Index);
    Changing();
    items_[static_cast<std::size_t>(Index)].object = AObject;
    Changed();
}
