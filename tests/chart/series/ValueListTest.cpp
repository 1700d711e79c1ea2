// Value lists: ordered inserts, the multiplier, statistics after every kind
// of change, Locate, Scroll, FillSequence and the sort that moves whole
// points.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <tuple>
#include <vector>

#include "chart/series/TeEngineSeries.h"
#include "platform/runtime/SysUtils.h"

namespace {

std::vector<double> Values(const TChartValueList* List) {
    std::vector<double> result;
    for (int i = 0; i < List->Count(); ++i) result.push_back(List->GetValue(i));
    return result;
}

struct ValueList : ::testing::Test {
    std::unique_ptr<TChartSeries> series = std::make_unique<TChartSeries>(nullptr);
    TChartValueList* x = series->GetXValues();
    TChartValueList* y = series->GetYValues();
};

TEST_F(ValueList, SeriesListsAreXThenYInCreationOrder) {
    TChartValueLists* lists = series->GetValuesLists();
    ASSERT_EQ(lists->GetCount(), 2);
    EXPECT_EQ(lists->GetValueList(0), x);
    EXPECT_EQ(lists->GetValueList(1), y);
    EXPECT_EQ(x->GetName(), "X");
    EXPECT_EQ(y->GetName(), "Y");
    EXPECT_EQ(x->GetOrder(), loAscending);
    EXPECT_EQ(y->GetOrder(), loNone);
    EXPECT_DOUBLE_EQ(y->GetMultiplier(), 1.0);
    EXPECT_THROW(lists->GetValueList(2), EListError);

    auto* open = new TChartValueList(series.get(), "Open");
    EXPECT_EQ(lists->GetCount(), 3);
    EXPECT_EQ(lists->IndexOf(open), 2);
}

struct InsertCase {
    TChartListOrder order;
    std::vector<double> start;
    double added;
    int index;
    std::vector<double> after;
};

TEST_F(ValueList, OrderedInsertPutsEqualValuesAfterTheOnesPresent) {
    const InsertCase cases[] = {
        {loAscending, {1, 2, 2, 3}, 2, 3, {1, 2, 2, 2, 3}},
        {loAscending, {1, 2, 2, 3}, 0, 0, {0, 1, 2, 2, 3}},
        {loAscending, {1, 2, 2, 3}, 5, 4, {1, 2, 2, 3, 5}},
        {loAscending, {1, 2, 2, 3}, 3, 4, {1, 2, 2, 3, 3}},
        {loAscending, {}, 7, 0, {7}},
        {loDescending, {5, 3}, 4, 1, {5, 4, 3}},
        {loDescending, {5, 3}, 3, 2, {5, 3, 3}},
        {loDescending, {5, 3}, 9, 0, {9, 5, 3}},
        {loNone, {5, 1}, 3, 2, {5, 1, 3}},
        {loNone, {5, 1}, -8, 2, {5, 1, -8}},
    };
    for (const InsertCase& c : cases) {
        TChartValueList list(series.get(), "T");
        list.SetOrder(c.order);
        for (double v : c.start) list.AddChartValue(v);
        EXPECT_EQ(list.AddChartValue(c.added), c.index) << "adding " << c.added;
        EXPECT_EQ(Values(&list), c.after) << "adding " << c.added;
    }
}

TEST_F(ValueList, InsertDeleteAndIndexErrors) {
    y->InsertChartValue(0, 4);
    y->InsertChartValue(0, 9);
    y->InsertChartValue(2, 1);
    EXPECT_EQ(Values(y), (std::vector<double>{9, 4, 1}));
    y->Delete(1);
    EXPECT_EQ(Values(y), (std::vector<double>{9, 1}));
    EXPECT_DOUBLE_EQ(y->First(), 9);
    EXPECT_DOUBLE_EQ(y->Last(), 1);
    EXPECT_THROW(y->GetValue(2), EListError);
    EXPECT_THROW(y->GetValue(-1), EListError);
    EXPECT_THROW(y->InsertChartValue(4, 0), EListError);
    EXPECT_THROW(y->Delete(2), EListError);
    EXPECT_THROW(y->SetValue(5, 0), EListError);
    y->ClearValues();
    EXPECT_EQ(y->Count(), 0);
}

TEST_F(ValueList, MultiplierScalesReadsNotStoredValues) {
    y->InsertChartValue(0, 1);
    y->SetMultiplier(2);
    y->SetValue(0, 10);
    EXPECT_DOUBLE_EQ(y->GetValue(0), 20);
    EXPECT_DOUBLE_EQ(y->GetMaxValue(), 20);
    y->SetMultiplier(1);
    EXPECT_DOUBLE_EQ(y->GetValue(0), 10);
    EXPECT_DOUBLE_EQ(y->GetMaxValue(), 10);

    // Ordered inserts compare the stored values, not the scaled ones.
    x->SetMultiplier(-1);
    x->AddChartValue(1);
    EXPECT_EQ(x->AddChartValue(2), 1);
    EXPECT_EQ(Values(x), (std::vector<double>{-1, -2}));
}

TEST_F(ValueList, StatisticsFollowEveryKindOfChange) {
    EXPECT_DOUBLE_EQ(y->GetMaxValue(), 0);
    EXPECT_DOUBLE_EQ(y->GetMinValue(), 0);
    EXPECT_DOUBLE_EQ(y->GetTotal(), 0);
    EXPECT_DOUBLE_EQ(y->GetTotalABS(), 0);

    for (double v : {3.0, -4.0, 10.0}) y->AddChartValue(v);
    EXPECT_DOUBLE_EQ(y->GetMaxValue(), 10);
    EXPECT_DOUBLE_EQ(y->GetMinValue(), -4);
    EXPECT_DOUBLE_EQ(y->GetTotal(), 9);
    EXPECT_DOUBLE_EQ(y->GetTotalABS(), 17);

    y->InsertChartValue(0, 20);
    EXPECT_DOUBLE_EQ(y->GetMaxValue(), 20);
    y->SetValue(0, -30);
    EXPECT_DOUBLE_EQ(y->GetMinValue(), -30);
    EXPECT_DOUBLE_EQ(y->GetMaxValue(), 10);
    y->Delete(0);
    EXPECT_DOUBLE_EQ(y->GetMinValue(), -4);
    y->SetMultiplier(-1);
    EXPECT_DOUBLE_EQ(y->GetMinValue(), -10);
    EXPECT_DOUBLE_EQ(y->GetTotal(), -9);
    EXPECT_DOUBLE_EQ(y->GetTotalABS(), 17);
    y->ClearValues();
    EXPECT_DOUBLE_EQ(y->GetMinValue(), 0);
    EXPECT_DOUBLE_EQ(y->GetTotalABS(), 0);
}

TEST_F(ValueList, LocateFindsTheFirstExactScaledValue) {
    for (double v : {1.0, 2.5, 2.5, 4.0}) y->AddChartValue(v);
    EXPECT_EQ(y->Locate(2.5), 1);
    EXPECT_EQ(y->Locate(4), 3);
    EXPECT_EQ(y->Locate(2.5000001), -1);
    y->SetMultiplier(2);
    EXPECT_EQ(y->Locate(5), 1);
    EXPECT_EQ(y->Locate(2.5), -1);
}

TEST_F(ValueList, ScrollRotatesByOnePlace) {
    y->Scroll();
    EXPECT_EQ(y->Count(), 0);
    for (double v : {1.0, 2.0, 3.0}) y->AddChartValue(v);
    y->Scroll();
    EXPECT_EQ(Values(y), (std::vector<double>{2, 3, 1}));
}

TEST_F(ValueList, FillSequenceMakesEachValueItsIndexAndTellsTheLinkedSeries) {
    auto linked = std::make_unique<TChartSeries>(nullptr);
    for (double v : {7.0, 8.0, 9.0}) series->AddY(v * 10);
    // Linked by hand: the chart that checks sources is not needed here.
    series->AddLinkedSeries(linked.get());
    int refills = 0;
    linked->OnClearValues = [&](TChartSeries*) { ++refills; };
    y->FillSequence();
    EXPECT_EQ(Values(y), (std::vector<double>{0, 1, 2}));
    EXPECT_EQ(refills, 3);
    EXPECT_EQ(Values(linked->GetYValues()), (std::vector<double>{0, 1, 2}));
    series->RemoveLinkedSeries(linked.get());
}

TEST_F(ValueList, SortMovesEveryListLabelAndColourOfAPoint) {
    auto* open = new TChartValueList(series.get(), "Open");
    const double xs[] = {4, 1, 3, 1, 2};
    y->SetOrder(loNone);
    x->SetOrder(loNone);
    for (int i = 0; i < 5; ++i) {
        open->TempValue = 100 + i;
        const int pos = series->AddXY(xs[i], 10 * i, "p" + AnsiString(i), static_cast<TColor>(i));
        series->AddValue(pos);
    }
    x->SetOrder(loNone);
    x->Sort();  // loNone: nothing moves
    EXPECT_EQ(Values(x), (std::vector<double>{4, 1, 3, 1, 2}));

    x->SetOrder(loAscending);
    x->Sort();
    EXPECT_EQ(Values(x), (std::vector<double>{1, 1, 2, 3, 4}));
    for (int i = 0; i < 5; ++i) {
        const int original = static_cast<int>(y->GetValue(i)) / 10;
        EXPECT_EQ(xs[original], x->GetValue(i));
        EXPECT_EQ(open->GetValue(i), 100 + original);
        EXPECT_EQ(series->GetXLabel(i), "p" + AnsiString(original));
        EXPECT_EQ(series->GetValueColor(i), original);
    }
    x->SetOrder(loDescending);
    x->Sort();
    EXPECT_EQ(Values(x), (std::vector<double>{4, 3, 2, 1, 1}));
}

// Sorting random, sorted, reversed and nearly constant data keeps every
// point whole and orders it.
TEST_F(ValueList, SortOrdersLargeListsOfEveryShape) {
    const auto shapes = {0, 1, 2, 3};
    for (int shape : shapes) {
        series->Clear();
        x->SetOrder(loNone);
        RandSeed = 1234;
        constexpr int n = 20000;
        for (int i = 0; i < n; ++i) {
            const double v = shape == 0 ? ::Random(1000) : shape == 1 ? i : shape == 2 ? n - i : ::Random(2);
            series->AddXY(v, i);
        }
        x->SetOrder(shape == 2 ? loDescending : loAscending);
        std::vector<std::pair<double, double>> before;
        for (int i = 0; i < n; ++i) before.emplace_back(x->GetValue(i), y->GetValue(i));
        x->Sort();
        std::vector<std::pair<double, double>> after;
        for (int i = 0; i < n; ++i) after.emplace_back(x->GetValue(i), y->GetValue(i));
        const auto xs = Values(x);
        if (shape == 2)
            EXPECT_TRUE(std::is_sorted(xs.rbegin(), xs.rend())) << shape;
        else
            EXPECT_TRUE(std::is_sorted(xs.begin(), xs.end())) << shape;
        std::sort(before.begin(), before.end());
        std::sort(after.begin(), after.end());
        EXPECT_EQ(before, after) << shape;
    }
}

TEST_F(ValueList, AssignCopiesSettingsButKeepsValuesAndName) {
    auto other = std::make_unique<TChartSeries>(nullptr);
    TChartValueList* source = other->GetYValues();
    source->SetOrder(loDescending);
    source->SetDateTime(true);
    source->SetMultiplier(3);
    source->SetValueSource("Close");
    other->AddY(5);
    y->InsertChartValue(0, 2);
    y->Assign(source);
    EXPECT_EQ(y->GetOrder(), loDescending);
    EXPECT_TRUE(y->GetDateTime());
    EXPECT_DOUBLE_EQ(y->GetMultiplier(), 3);
    EXPECT_EQ(y->GetValueSource(), "Close");
    EXPECT_EQ(y->GetName(), "Y");
    ASSERT_EQ(y->Count(), 1);
    EXPECT_DOUBLE_EQ(y->GetValue(0), 6);
}

}  // namespace

namespace {

// Evenly spaced values (dates a day apart) are held as a run; every change
// the run cannot hold keeps the values as they were.
TEST_F(ValueList, EvenlySpacedValuesReadBackExactlyThroughEveryChange) {
    struct TChange {
        const char* name;
        void (*apply)(TChartValueList*, std::vector<double>&);
    };
    const TChange changes[] = {
        {"append on the run",
         [](TChartValueList* l, std::vector<double>& v) {
             v.push_back(36526 + 0.25 * static_cast<double>(v.size()));
             l->InsertChartValue(l->Count(), v.back());
         }},
        {"append off the run",
         [](TChartValueList* l, std::vector<double>& v) {
             l->InsertChartValue(l->Count(), 1e9);
             v.push_back(1e9);
         }},
        {"insert inside",
         [](TChartValueList* l, std::vector<double>& v) {
             l->InsertChartValue(2, -7);
             v.insert(v.begin() + 2, -7);
         }},
        {"set",
         [](TChartValueList* l, std::vector<double>& v) {
             l->SetValue(3, 0.1);
             v[3] = 0.1;
         }},
        {"delete the last",
         [](TChartValueList* l, std::vector<double>& v) {
             l->Delete(l->Count() - 1);
             v.pop_back();
         }},
        {"delete inside",
         [](TChartValueList* l, std::vector<double>& v) {
             l->Delete(1);
             v.erase(v.begin() + 1);
         }},
        {"exchange",
         [](TChartValueList* l, std::vector<double>& v) {
             l->Exchange(0, 4);
             std::swap(v[0], v[4]);
         }},
        {"scroll",
         [](TChartValueList* l, std::vector<double>& v) {
             l->Scroll();
             std::rotate(v.begin(), v.begin() + 1, v.end());
         }},
    };
    for (const TChange& change : changes) {
        SCOPED_TRACE(change.name);
        x->ClearValues();
        std::vector<double> expected;
        for (int i = 0; i < 8; ++i) {
            expected.push_back(36526 + 0.25 * i);
            x->InsertChartValue(i, expected.back());
        }
        EXPECT_EQ(Values(x), expected);
        change.apply(x, expected);
        EXPECT_EQ(Values(x), expected);
        EXPECT_DOUBLE_EQ(x->GetMaxValue(), *std::max_element(expected.begin(), expected.end()));
        // A run that is broken takes further values as they come.
        x->InsertChartValue(x->Count(), 5);
        expected.push_back(5);
        EXPECT_EQ(Values(x), expected);
    }
}

}  // namespace
