#pragma once
// The item list of the list and combo boxes: a string list that keeps its
// control's selected index on the same item while items are inserted or
// deleted (-1 once that item is gone) and tells the control of every change.
// Its items may instead come from a source asked for an item's text when it
// is read, so that a million items cost nothing until shown.

#include <functional>

#include "platform/runtime/Strings.h"

// The text of item Index.
using TItemTextSource = std::function<AnsiString(int Index)>;

class TSeItemList : public TStringList {
public:
    TSeItemList(int& Selected, std::function<void()> Changed)
        : selected_(Selected), changed_(std::move(Changed)) {}

    // Replaces the items by Count items whose texts Source gives (without
    // objects), asked on every read; any change of the list first stores
    // them all. Source must give the same text for an item while it is set.
    void SetSource(int Count, TItemTextSource Source);

    int GetCount() const override { return source_ ? sourceCount_ : TStringList::GetCount(); }
    int AddObject(const AnsiString& S, TObject* AObject) override;
    void InsertObject(int Index, const AnsiString& S, TObject* AObject) override;
    void Delete(int Index) override;
    void Clear() override;
    void Exchange(int Index1, int Index2) override;
    void Move(int CurIndex, int NewIndex) override;
    int IndexOf(const AnsiString& S) const override;
    // Another sourced list hands over its source rather than its texts.
    void Assign(TPersistent* Source) override;
    void Sort();
    void SetSorted(bool Value);

protected:
    AnsiString Get(int Index) const override;
    void Put(int Index, const AnsiString& S) override;
    TObject* GetObject(int Index) const override;
    void PutObject(int Index, TObject* AObject) override;
    void Changed() override;

private:
    // Stores the source's texts as the list's own items.
    void StoreSource();

    int& selected_;
    std::function<void()> changed_;
    TItemTextSource source_;
    int sourceCount_ = 0;
    bool quiet_ = false;  // while the stored items change without changing what the list shows
};
