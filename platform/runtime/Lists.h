#pragma once
// TList: the class library's list of untyped pointers. Indexes are 0-based;
// a bad index raises EListError "List index out of bounds (n)".

#include <vector>

#include "platform/runtime/Components.h"

// Negative when Item1 sorts before Item2, 0 when equal, positive after.
using TListSortCompare = int (*)(void* Item1, void* Item2);

class TList : public TObject {
public:
    TList() = default;
    ~TList() override = default;

    int Add(void* Item);  // index of the new item
    void Insert(int Index, void* Item);  // 0..Count
    void Delete(int Index);
    // Removes the first occurrence; its former index, or -1.
    int Remove(void* Item);
    // Removes the first occurrence and returns it, or nullptr.
    void* Extract(void* Item);
    int IndexOf(void* Item) const;
    void Exchange(int Index1, int Index2);
    void Move(int CurIndex, int NewIndex);
    // Stable: equal items keep their order.
    void Sort(TListSortCompare Compare);
    void* First() const;  // raises on an empty list
    void* Last() const;
    void Pack();          // drops the nullptr items
    void Clear();

    int GetCount() const { return static_cast<int>(items_.size()); }
    // Growing pads with nullptr.
    void SetCount(int Value);
    int GetCapacity() const { return static_cast<int>(items_.capacity()); }
    // Never below Count: EListError "List capacity out of bounds (n)".
    void SetCapacity(int Value);
    void* GetItems(int Index) const { return Get(Index); }
    void SetItems(int Index, void* Item) { Put(Index, Item); }
    void* Get(int Index) const;
    void Put(int Index, void* Item);

private:
    void CheckIndex(int Index) const;
    std::vector<void*> items_;
};
