#include "skin/controls/SeItemList.h"

int TSeItemList::AddObject(const AnsiString& S, TObject* AObject) {
    int count = GetCount();
    int index = TStringList::AddObject(S, AObject);
    // A sorted list may put it before the selected item.
    if (GetCount() > count && index <= selected_) ++selected_;
    return index;
}

void TSeItemList::InsertObject(int Index, const AnsiString& S, TObject* AObject) {
    TStringList::InsertObject(Index, S, AObject);
    if (Index <= selected_) ++selected_;
}

void TSeItemList::Delete(int Index) {
    // Moved first: the change is announced from inside the deletion.
    if (Index >= 0 && Index < GetCount()) {
        if (Index == selected_) selected_ = -1;
        else if (Index < selected_) --selected_;
    }
    TStringList::Delete(Index);
}

void TSeItemList::Clear() {
    selected_ = -1;
    TStringList::Clear();
}

void TSeItemList::Changed() {
    TStringList::Changed();
    if (selected_ >= GetCount()) selected_ = -1;
    if (changed_) changed_();
}
