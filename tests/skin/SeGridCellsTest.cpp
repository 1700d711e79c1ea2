#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "skin/controls/SeGridAxis.h"
#include "skin/controls/SeGridCells.h"

namespace {

TEST(SeGridCells, KeepsEveryCellThroughRewritesOfItsRow) {
    TSeGridCells cells;
    cells.SetRowCount(3);
    cells.Set(2, 1, "third");
    cells.Set(0, 1, "first");
    cells.Set(5, 1, "sixth");
    const AnsiString longText = AnsiString::StringOfChar('x', 300);  // a length of two bytes
    cells.Set(1, 1, longText);
    EXPECT_EQ(cells.Get(0, 1), "first");
    EXPECT_EQ(cells.Get(1, 1), longText);
    EXPECT_EQ(cells.Get(2, 1), "third");
    EXPECT_EQ(cells.Get(3, 1), "");
    EXPECT_EQ(cells.Get(5, 1), "sixth");
    EXPECT_EQ(cells.Get(6, 1), "") << "past the last cell kept";
    EXPECT_EQ(cells.Get(0, 0), "") << "a row never written";
    EXPECT_EQ(cells.Get(0, 7), "") << "a row outside";
    cells.Set(5, 1, "");
    cells.Set(1, 1, "äöü");
    EXPECT_EQ(cells.Get(1, 1), "äöü");
    EXPECT_EQ(cells.Get(2, 1), "third");
    EXPECT_EQ(cells.Get(5, 1), "");
}

TEST(SeGridCells, AWholeRowAtOnceReplacesTheRowAndReadsLikeSingleCells) {
    TSeGridCells cells;
    cells.SetRowCount(2);
    cells.Set(6, 1, "old tail");
    const AnsiString row[] = {"", "4-Oct-23", AnsiString::StringOfChar('9', 200), "", "134.32", "", ""};
    cells.SetRow(1, row, 7);
    EXPECT_EQ(cells.Get(0, 1), "");
    EXPECT_EQ(cells.Get(1, 1), "4-Oct-23");
    EXPECT_EQ(cells.Get(2, 1), row[2]);
    EXPECT_EQ(cells.Get(4, 1), "134.32");
    EXPECT_EQ(cells.Get(6, 1), "") << "the rest of the row is emptied";
    cells.Set(3, 1, "set after");
    EXPECT_EQ(cells.Get(3, 1), "set after");
    EXPECT_EQ(cells.Get(4, 1), "134.32");
    const AnsiString empty[] = {"", ""};
    cells.SetRow(1, empty, 2);
    EXPECT_EQ(cells.Get(1, 1), "");
    EXPECT_EQ(cells.Get(4, 1), "");
}

TEST(SeGridCells, RowAndColumnCountsDropWhatLiesBeyond) {
    TSeGridCells cells;
    cells.SetRowCount(4);
    for (int row = 0; row < 4; ++row)
        for (int col = 0; col < 4; ++col) cells.Set(col, row, AnsiString(row * 10 + col));
    cells.SetRowCount(2);
    cells.SetRowCount(4);
    EXPECT_EQ(cells.Get(3, 1), "13");
    EXPECT_EQ(cells.Get(0, 2), "") << "rows cut off come back empty";
    cells.DropColumnsFrom(2);
    EXPECT_EQ(cells.Get(1, 1), "11");
    EXPECT_EQ(cells.Get(2, 1), "");
    EXPECT_EQ(cells.Get(3, 0), "");
}

TEST(SeGridCells, KnowWhetherAnyRowFromAGivenOneHoldsText) {
    TSeGridCells cells;
    cells.SetRowCount(5);
    EXPECT_FALSE(cells.AnyTextFrom(0));
    cells.Set(2, 0, "heading");
    EXPECT_TRUE(cells.AnyTextFrom(0));
    EXPECT_FALSE(cells.AnyTextFrom(1)) << "only the first row holds text";
    cells.Set(0, 3, "x");
    cells.Set(0, 3, "y");
    EXPECT_TRUE(cells.AnyTextFrom(1));
    EXPECT_FALSE(cells.AnyTextFrom(4));
    cells.Set(0, 3, "");
    EXPECT_FALSE(cells.AnyTextFrom(1)) << "the row's last text emptied";
    const AnsiString row[] = {"", "a"}, blank[] = {"", ""};
    cells.SetRow(4, row, 2);
    EXPECT_TRUE(cells.AnyTextFrom(4));
    cells.SetRow(4, blank, 2);
    EXPECT_FALSE(cells.AnyTextFrom(1));
    cells.SetRow(4, row, 2);
    cells.SetRowCount(4);
    EXPECT_FALSE(cells.AnyTextFrom(1)) << "the row with text cut off";
    cells.SetRowCount(6);
    cells.Set(3, 5, "z");
    cells.DropColumnsFrom(3);
    EXPECT_FALSE(cells.AnyTextFrom(1)) << "its column dropped";
    EXPECT_TRUE(cells.AnyTextFrom(0));
    EXPECT_FALSE(cells.AnyTextFrom(9)) << "past the last row";
}

// Cells of a source read "c<col>r<row>", and every call is counted.
struct CountingSource {
    int calls = 0;
    TCellTextSource Source() {
        return [this](int ACol, int ARow) {
            ++calls;
            // Appended, not a chain of operator+ from a literal: GCC 12 warns
            // (-Wrestrict) inside the standard library on that at -O3.
            std::string text("c");
            text.append(std::to_string(ACol)).append("r").append(std::to_string(ARow));
            return AnsiString(text);
        };
    }
};

TEST(SeGridCells, SourceRowsReadThroughTheSourceUntilACellIsWritten) {
    TSeGridCells cells;
    cells.SetRowCount(6);
    cells.Set(1, 0, "heading");
    cells.Set(0, 5, "kept");
    CountingSource counting;
    cells.SetSource(1, 4, 3, counting.Source());
    EXPECT_EQ(counting.calls, 0) << "nothing is asked before it is read";
    EXPECT_EQ(cells.Get(1, 0), "heading");
    EXPECT_EQ(cells.Get(0, 5), "kept") << "below the source's rows";
    EXPECT_EQ(cells.Get(2, 3), "c2r3");
    EXPECT_EQ(cells.Get(3, 3), "") << "past the source's columns";
    EXPECT_EQ(counting.calls, 1);
    EXPECT_TRUE(cells.AnyTextFrom(1));
    EXPECT_TRUE(cells.AnyTextFrom(4));

    // A write stores the row's texts; the row asks no more.
    cells.Set(1, 2, "mine");
    const int afterWrite = counting.calls;
    EXPECT_EQ(cells.Get(0, 2), "c0r2");
    EXPECT_EQ(cells.Get(1, 2), "mine");
    EXPECT_EQ(cells.Get(2, 2), "c2r2");
    EXPECT_EQ(counting.calls, afterWrite);
    const AnsiString whole[] = {"w"};
    cells.SetRow(4, whole, 1);
    EXPECT_EQ(cells.Get(0, 4), "w");
    EXPECT_EQ(cells.Get(1, 4), "") << "a whole row replaces the source's";

    // Dropped columns stay empty, also when they come back.
    cells.DropColumnsFrom(2);
    EXPECT_EQ(cells.Get(1, 1), "c1r1");
    EXPECT_EQ(cells.Get(2, 1), "");
    EXPECT_EQ(cells.Get(2, 2), "");

    // Cut off, the rows come back empty.
    cells.SetRowCount(2);
    cells.SetRowCount(6);
    EXPECT_EQ(cells.Get(0, 1), "c0r1");
    EXPECT_EQ(cells.Get(0, 3), "");
    EXPECT_FALSE(cells.AnyTextFrom(2));
    EXPECT_THROW(cells.SetSource(3, 4, 1, counting.Source()), std::out_of_range) << "past the last row";
}

TEST(SeGridCells, ANewSourceLeavesTheOldOnesRowsTheirTexts) {
    TSeGridCells cells;
    cells.SetRowCount(5);
    CountingSource first, second;
    cells.SetSource(0, 5, 2, first.Source());
    cells.SetSource(2, 2, 2, second.Source());
    const int firstCalls = first.calls;
    EXPECT_EQ(cells.Get(1, 0), "c1r0");
    EXPECT_EQ(cells.Get(1, 4), "c1r4");
    EXPECT_EQ(first.calls, firstCalls) << "those rows keep the first source's texts as their own";
    EXPECT_EQ(cells.Get(0, 3), "c0r3");
    EXPECT_EQ(second.calls, 1);
    cells.SetSource(0, 0, 2, nullptr);
    EXPECT_EQ(second.calls, 1 + 4) << "its two rows stored when the second source went";
    EXPECT_EQ(cells.Get(0, 3), "c0r3");
    EXPECT_EQ(cells.Get(1, 2), "c1r2");
    EXPECT_EQ(second.calls, 1 + 4);
}

TEST(SeGridAxis, OffsetsHitsAndScrollLimitsFollowSizesAndLines) {
    TSeGridAxis axis;  // 5 items of 64 plus 1, the first fixed
    axis.Count = 10;
    axis.SetSize(2, 30);
    EXPECT_EQ(axis.Offset(0, 1000), 0);
    EXPECT_EQ(axis.Offset(3, 1000), 65 + 65 + 31);
    EXPECT_EQ(axis.ItemAt(64, 1000), 0) << "the line belongs to the item before it";
    EXPECT_EQ(axis.ItemAt(65, 1000), 1);
    EXPECT_EQ(axis.Offset(3, 150), -1) << "starts after the limit";
    axis.First = 3;
    EXPECT_EQ(axis.Offset(2, 1000), -1) << "scrolled away";
    EXPECT_EQ(axis.Offset(3, 1000), 65);
    EXPECT_EQ(axis.ItemAt(70, 1000), 3);
    EXPECT_EQ(axis.VisibleEnd(200), 6) << "items 3 to 5 start before 200";
    EXPECT_EQ(axis.WhollyVisible(200), 2);
    EXPECT_EQ(axis.MaxFirst(200), 8) << "items 8 and 9 fill the room after the fixed one";
    EXPECT_EQ(axis.FirstEndingAt(5, 200), 4);
    EXPECT_FALSE(axis.Fits(200));
    axis.Count = 3;
    EXPECT_TRUE(axis.Fits(65 + 65 + 30));
    axis.Lines = false;
    EXPECT_EQ(axis.Offset(3, 1000), -1) << "outside the count";
    EXPECT_EQ(axis.Extent(1), 64);
    EXPECT_EQ(axis.Extent(0), 65) << "the fixed item keeps its line";
}

}  // namespace
