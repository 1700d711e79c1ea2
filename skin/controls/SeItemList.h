#pragma once
// The item list of the list and combo boxes: a string list that keeps its
// control's selected index on the same item while items are inserted or
// deleted (-1 once that item is gone) and tells the control of every change.

#include <functional>

#include "platform/runtime/Strings.h"

class TSeItemList : public TStringList {
public:
    TSeItemList(int& Selected, std::function<void()> Changed)
        : selected_(Selected), changed_(std::move(Changed)) {}

    int AddObject(const AnsiString& S, TObject* AObject) override;
    void InsertObject(int Index, const AnsiString& S, TObject* AObject) override;
    void Delete(int Index) override;
    void Clear() override;

protected:
    void Changed() override;

private:
    int& selected_;
    std::function<void()> changed_;
};
