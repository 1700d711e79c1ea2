#pragma once
// TPointValues: a value that only some points of a series have (a colour of
// their own, a label), kept for those points alone, in index order, so a
// series of plain points pays nothing for them and a paint asks in
// O(log n) what a point has.

#include <algorithm>
#include <utility>
#include <vector>

template <class T>
class TPointValues {
public:
    // The point's value, or nullptr when it has none.
    const T* Find(int Index) const {
        const auto at = LowerBound(Index);
        return at != entries_.end() && at->first == Index ? &at->second : nullptr;
    }
    // Gives the point Value; Remove takes its value away.
    void Set(int Index, T Value) {
        const auto at = LowerBound(Index);
        if (at != entries_.end() && at->first == Index)
            at->second = std::move(Value);
        else
            entries_.insert(at, {Index, std::move(Value)});
    }
    void Remove(int Index) {
        const auto at = LowerBound(Index);
        if (at != entries_.end() && at->first == Index) entries_.erase(at);
    }
    // A point comes in at Index: the points from there on move up by one.
    void Insert(int Index) {
        for (auto at = LowerBound(Index); at != entries_.end(); ++at) ++at->first;
    }
    // The point at Index goes, with its value: the later ones move down.
    void Delete(int Index) {
        Remove(Index);
        for (auto at = LowerBound(Index); at != entries_.end(); ++at) --at->first;
    }
    // Two points exchange their values.
    void Swap(int A, int B) {
        const T* a = Find(A);
        const T* b = Find(B);
        if (!a && !b) return;
        std::pair<bool, T> movedA{a != nullptr, a ? *a : T()}, movedB{b != nullptr, b ? *b : T()};
        Remove(A);
        Remove(B);
        if (movedA.first) Set(B, std::move(movedA.second));
        if (movedB.first) Set(A, std::move(movedB.second));
    }
    void Clear() { std::vector<std::pair<int, T>>().swap(entries_); }
    void ReleaseSlack() {
        if (entries_.capacity() > entries_.size()) entries_.shrink_to_fit();
    }
    bool Empty() const { return entries_.empty(); }
    // Whether a point in From..To has a value.
    bool AnyIn(int From, int To) const {
        const auto at = LowerBound(From);
        return at != entries_.end() && at->first <= To;
    }
    // The points that have a value, by index: (index, value) pairs.
    std::vector<std::pair<int, T>>& Entries() { return entries_; }
    const std::vector<std::pair<int, T>>& Entries() const { return entries_; }

private:
    auto LowerBound(int Index) const {
        return std::lower_bound(entries_.begin(), entries_.end(), Index,
                                [](const std::pair<int, T>& e, int i) { return e.first < i; });
    }
    auto LowerBound(int Index) {
        return std::lower_bound(entries_.begin(), entries_.end(), Index,
                                [](const std::pair<int, T>& e, int i) { return e.first < i; });
    }
    std::vector<std::pair<int, T>> entries_;
};
