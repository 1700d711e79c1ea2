#include "platform/runtime/Lists.h"

#include <algorithm>

namespace {

[[noreturn]] void ListError(const char* what, int value) {
    throw EListError(AnsiString(what) + " (" + AnsiString(value) + ")");
}

}  // namespace

void TList::CheckIndex(int Index) const {
    if (Index < 0 || Index >= GetCount()) ListError("List index out of bounds", Index);
}

int TList::Add(void* Item) {
    items_.push_back(Item);
    return GetCount() - 1;
}

void TList::Insert(int Index, void* Item) {
    if (Index < 0 || Index > GetCount()) ListError("List index out of bounds", Index);
    items_.insert(items_.begin() + Index, Item);
}

void TList::Delete(int Index) {
    CheckIndex(Index);
    items_.erase(items_.begin() + Index);
}

int TList::Remove(void* Item) {
    int index = IndexOf(Item);
    if (index >= 0) Delete(index);
    return index;
}

void* TList::Extract(void* Item) {
    int index = IndexOf(Item);
    if (index < 0) return nullptr;
    Delete(index);
    return Item;
}

int TList::IndexOf(void* Item) const {
    auto it = std::find(items_.begin(), items_.end(), Item);
    return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

void TList::Exchange(int Index1, int Index2) {
    CheckIndex(Index1);
    CheckIndex(Index2);
    std::swap(items_[static_cast<std::size_t>(Index1)], items_[static_cast<std::size_t>(Index2)]);
}

void TList::Move(int CurIndex, int NewIndex) {
    if (CurIndex == NewIndex) return;
    CheckIndex(CurIndex);
    CheckIndex(NewIndex);
    void* item = items_[static_cast<std::size_t>(CurIndex)];
    items_.erase(items_.begin() + CurIndex);
    items_.insert(items_.begin() + NewIndex, item);
}

void TList::Sort(TListSortCompare Compare) {
    std::stable_sort(items_.begin(), items_.end(), [Compare](void* a, void* b) { return Compare(a, b) < 0; });
}

void* TList::First() const { return Get(0); }
void* TList::Last() const { return Get(GetCount() - 1); }

void TList::Pack() { items_.erase(std::remove(items_.begin(), items_.end(), nullptr), items_.end()); }

void TList::Clear() {
    items_.clear();
    items_.shrink_to_fit();
}

void TList::SetCount(int Value) {
    if (Value < 0) ListError("List count out of bounds", Value);
    items_.resize(static_cast<std::size_t>(Value), nullptr);
}

void TList::SetCapacity(int Value) {
    if (Value < GetCount()) ListError("List capacity out of bounds", Value);
    if (Value > GetCapacity()) {
        items_.reserve(static_cast<std::size_t>(Value));
    } else {
        // Shrink to exactly Value.
        std::vector<void*> copy;
        copy.reserve(static_cast<std::size_t>(Value));
        copy.assign(items_.begin(), items_.end());
        items_.swap(copy);
    }
}

void* TList::Get(int Index) const {
    CheckIndex(Index);
    return items_[static_cast<std::size_t>(Index)];
}

void TList::Put(int Index, void* Item) {
    CheckIndex(Index);
    items_[static_cast<std::size_t>(Index)] = Item;
}
