#pragma once
// One direction of a grid, the columns or the rows: how many, how many of
// them are fixed (headings, never scrolled), the first scrolling one shown,
// their sizes (a default and the few set one by one) and the grid lines
// after them. Offsets are from the start of the cell area; every walk stops
// at the area's end, so nothing here costs more than the visible items.

#include <map>

class TSeGridAxis {
public:
    int Count = 5;
    int Fixed = 1;
    int First = 1;  // the first scrolling item shown: LeftCol or TopRow
    int DefaultSize = 64;
    int LineWidth = 1;
    bool FixedLines = true;  // lines after the fixed items
    bool Lines = true;       // lines after the scrolling items

    int Size(int Index) const;
    void SetSize(int Index, int Value);
    // Forgets the sizes set for items at or after Index.
    void ForgetSizesFrom(int Index) { sizes_.erase(sizes_.lower_bound(Index), sizes_.end()); }
    int Line(int Index) const { return (Index < Fixed ? FixedLines : Lines) ? LineWidth : 0; }
    int Extent(int Index) const { return Size(Index) + Line(Index); }
    int FixedExtent() const;

    // Where the item starts; -1 when it is scrolled away or starts at or
    // after Limit.
    int Offset(int Index, int Limit) const;
    // The item under Offset (within Limit); -1 over a line's gap is not
    // reported: the line belongs to the item before it. -1 past the last.
    int ItemAt(int Offset, int Limit) const;
    // One past the last item that starts before Limit.
    int VisibleEnd(int Limit) const;
    // How many scrolling items from First fit wholly within Limit (at least 1).
    int WhollyVisible(int Limit) const;
    // The smallest First that shows Last wholly (Last itself when it is too big).
    int FirstEndingAt(int Last, int Limit) const;
    // The largest First that still fills the area: the last item ends inside.
    int MaxFirst(int Limit) const;
    // Whether every item fits within Limit (no scrolling needed).
    bool Fits(int Limit) const;

private:
    std::map<int, int> sizes_;  // the sizes that differ from DefaultSize
};
