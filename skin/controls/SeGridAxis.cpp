#include "skin/controls/SeGridAxis.h"

#include <algorithm>

int TSeGridAxis::Size(int Index) const {
    auto it = sizes_.find(Index);
    return it == sizes_.end() ? DefaultSize : it->second;
}

void TSeGridAxis::SetSize(int Index, int Value) {
    if (Value == DefaultSize) sizes_.erase(Index);
    else sizes_[Index] = Value;
}

int TSeGridAxis::FixedExtent() const {
    int extent = 0;
    for (int i = 0; i < std::min(Fixed, Count); ++i) extent += Extent(i);
    return extent;
}

int TSeGridAxis::Offset(int Index, int Limit) const {
    if (Index < 0 || Index >= Count) return -1;
    int offset = 0;
    int from = 0;
    if (Index >= Fixed) {
        if (Index < First) return -1;
        offset = FixedExtent();
        from = First;
    }
    for (int i = from; i < Index && offset < Limit; ++i) offset += Extent(i);
    return offset < Limit ? offset : -1;
}

int TSeGridAxis::ItemAt(int Offset, int Limit) const {
    if (Offset < 0 || Offset >= Limit) return -1;
    int start = 0;
    for (int i = 0; i < std::min(Fixed, Count); ++i) {
        start += Extent(i);
        if (Offset < start) return i;
    }
    for (int i = First; i < Count && start < Limit; ++i) {
        start += Extent(i);
        if (Offset < start) return i;
    }
    return -1;
}

int TSeGridAxis::VisibleEnd(int Limit) const {
    int start = FixedExtent();
    int i = First;
    for (; i < Count && start < Limit; ++i) start += Extent(i);
    return i;
}

int TSeGridAxis::WhollyVisible(int Limit) const {
    int end = FixedExtent(), n = 0;
    for (int i = First; i < Count; ++i, ++n) {
        end += Size(i);
        if (end > Limit) break;
        end += Line(i);
    }
    return std::max(n, 1);
}

int TSeGridAxis::FirstEndingAt(int Last, int Limit) const {
    int room = Limit - FixedExtent();
    int first = Last + 1, used = 0;
    // Back from Last while the items still fit; Last's own line may stick out.
    while (first > Fixed) {
        int need = Size(first - 1) + (first - 1 == Last ? 0 : Line(first - 1));
        if (used + need > room) break;
        used += need;
        --first;
    }
    return std::min(first, Last);
}

int TSeGridAxis::MaxFirst(int Limit) const {
    if (Count <= Fixed) return Fixed;
    return std::max(Fixed, FirstEndingAt(Count - 1, Limit));
}

bool TSeGridAxis::Fits(int Limit) const {
    int end = FixedExtent();
    for (int i = Fixed; i < Count; ++i) {
        end += Size(i);
        if (end > Limit) return false;
        end += Line(i);
    }
    return true;
}
