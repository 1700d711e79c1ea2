#include "skin/controls/SeItemList.h"

#include <algorithm>

void TSeItemList::SetSource(int Count, TItemTextSource Source) {
    Changing();
    quiet_ = true;
    TStringList::Clear();
    quiet_ = false;
    selected_ = -1;
    sourceCount_ = Source ? std::max(Count, 0) : 0;
    source_ = std::move(Source);
    Changed();
}

void TSeItemList::StoreSource() {
    if (!source_) return;
    TItemTextSource source = std::move(source_);
    source_ = nullptr;
    const int count = sourceCount_;
    sourceCount_ = 0;
    // Quietly: the texts and the selection stay, so there is nothing to hear.
    quiet_ = true;
    BeginUpdate();
    for (int i = 0; i < count; ++i) TStringList::AddObject(source(i), nullptr);
    EndUpdate();
    quiet_ = false;
}

AnsiString TSeItemList::Get(int Index) const {
    if (!source_) return TStringList::Get(Index);
    if (Index < 0 || Index >= sourceCount_) Error("List index out of bounds", Index);
    return source_(Index);
}

TObject* TSeItemList::GetObject(int Index) const {
    if (!source_) return TStringList::GetObject(Index);
    if (Index < 0 || Index >= sourceCount_) Error("List index out of bounds", Index);
    return nullptr;
}

void TSeItemList::Put(int Index, const AnsiString& S) {
    StoreSource();
    TStringList::Put(Index, S);
}

void TSeItemList::PutObject(int Index, TObject* AObject) {
    StoreSource();
    TStringList::PutObject(Index, AObject);
}

void TSeItemList::Exchange(int Index1, int Index2) {
    StoreSource();
    TStringList::Exchange(Index1, Index2);
}

void TSeItemList::Move(int CurIndex, int NewIndex) {
    StoreSource();
    TStringList::Move(CurIndex, NewIndex);
}

int TSeItemList::IndexOf(const AnsiString& S) const {
    return source_ ? TStrings::IndexOf(S) : TStringList::IndexOf(S);
}

void TSeItemList::Assign(TPersistent* Source) {
    auto* list = dynamic_cast<TSeItemList*>(Source);
    if (list && list != this && list->source_) {
        SetSource(list->sourceCount_, list->source_);
        return;
    }
    TStringList::Assign(Source);
}

void TSeItemList::Sort() {
    StoreSource();
    TStringList::Sort();
}

void TSeItemList::SetSorted(bool Value) {
    StoreSource();
    TStringList::SetSorted(Value);
}

int TSeItemList::AddObject(const AnsiString& S, TObject* AObject) {
    StoreSource();
    int count = GetCount();
    int index = TStringList::AddObject(S, AObject);
    // A sorted list may put it before the selected item.
    if (GetCount() > count && index <= selected_) ++selected_;
    return index;
}

void TSeItemList::InsertObject(int Index, const AnsiString& S, TObject* AObject) {
    StoreSource();
    // Moved first: the change is announced from inside the insertion, and
    // the control shows the selected item's text then. Back if refused.
    const int selected = selected_;
    if (Index >= 0 && Index <= selected_) ++selected_;
    try {
        TStringList::InsertObject(Index, S, AObject);
    } catch (...) {
        selected_ = selected;
        throw;
    }
}

void TSeItemList::Delete(int Index) {
    StoreSource();
    // Moved first: the change is announced from inside the deletion.
    if (Index >= 0 && Index < GetCount()) {
        if (Index == selected_) selected_ = -1;
        else if (Index < selected_) --selected_;
    }
    TStringList::Delete(Index);
}

void TSeItemList::Clear() {
    selected_ = -1;
    if (source_) {
        // The stored list is empty: announce the change here.
        Changing();
        source_ = nullptr;
        sourceCount_ = 0;
        Changed();
        return;
    }
    TStringList::Clear();
}

void TSeItemList::Changed() {
    if (quiet_) return;
    TStringList::Changed();
    if (selected_ >= GetCount()) selected_ = -1;
    if (changed_) changed_();
}
