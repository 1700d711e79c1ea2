// The seven basic functions point by point over several sources, which
// sources count at an index, and the list a function reads.
#include <gtest/gtest.h>

#include <vector>

#include "../series/ChartTestSupport.h"
#include "chart/functions/TeeFunci.h"

namespace {

std::vector<double> Ys(const TChartSeries* s) {
    std::vector<double> result;
    for (int i = 0; i < s->Count(); ++i) result.push_back(s->GetyValue(i));
    return result;
}

struct BasicFunctions : ::testing::Test, TChartOnForm {
    BasicFunctions() {
        for (double v : {10, 4, 6}) a->Add(v);
        for (double v : {0, 2}) b->Add(v);
        int label = 0;
        for (double v : {5, -3, 2, 9}) c->Add(v, "c" + AnsiString(label++));
    }
    // A series showing Function over a, b and c in that order.
    TChartSeries* Over(TTeeFunction* Function) {
        TChartSeries* series = NewSeries();
        series->SetFunction(Function);
        series->SetDataSource(a);
        series->AddDataSource(b);
        series->AddDataSource(c);
        return series;
    }
    TChartSeries* a = NewSeries();
    TChartSeries* b = NewSeries();
    TChartSeries* c = NewSeries();
};

TEST_F(BasicFunctions, ManySourcesAreCombinedIndexByIndex) {
    struct Case {
        const char* name;
        TTeeFunction* function;
        std::vector<double> expected;  // at indexes 0..3
    };
    // a: 10 4 6, b: 0 2, c: 5 -3 2 9. A source counts where it has a point;
    // High and Low start at 0, which only the first source may replace by
    // a value on the wrong side.
    const Case cases[] = {
        {"Add", new TAddTeeFunction(form), {15, 3, 8, 9}},
        {"High", new THighTeeFunction(form), {10, 4, 6, 9}},
        {"Low", new TLowTeeFunction(form), {0, -3, 2, 0}},
        {"Average", new TAverageTeeFunction(form), {5, 1, 4, 9}},
        {"Subtract", new TSubtractTeeFunction(form), {5, 5, 4, 9}},
        {"Multiply", new TMultiplyTeeFunction(form), {0, -24, 12, 9}},
        // A zero divisor is skipped: 10 / 0 / 5 is 2.
        {"Divide", new TDivideTeeFunction(form), {2, 4.0 / 2 / -3, 3, 9}},
    };
    for (const Case& t : cases) {
        TChartSeries* series = Over(t.function);
        // Filled from its first source: one point per point of a.
        EXPECT_EQ(Ys(series), std::vector<double>(t.expected.begin(), t.expected.begin() + 3)) << t.name;
        // Refreshed by c: one point per point of c, with c's labels.
        c->RefreshSeries();
        EXPECT_EQ(Ys(series), t.expected) << t.name;
        EXPECT_EQ(series->GetXLabel(3), "c3") << t.name;
        EXPECT_EQ(series->GetxValue(3), 3) << t.name;
    }
}

TEST_F(BasicFunctions, HighStartsAtZeroWhenOnlyALaterSourceHasAValue) {
    a->Clear();
    a->Add(1);
    b->Clear();
    b->Add(7);
    b->Add(-3);
    TChartSeries* series = NewSeries();
    series->SetFunction(new THighTeeFunction(form));
    series->SetDataSource(a);
    series->AddDataSource(b);
    b->RefreshSeries();
    EXPECT_EQ(Ys(series), (std::vector<double>{7, 0}));
}

TEST_F(BasicFunctions, AFunctionReadsTheListItsSeriesNamesAsValueSource) {
    auto* volume = new TChartValueList(c, "Volume");
    c->Clear();
    for (int i = 0; i < 4; ++i) {
        volume->TempValue = 100 * (i + 1);
        c->AddValue(c->AddXY(i, i));
    }
    TChartSeries* sums = NewSeries();
    auto* add = new TAddTeeFunction(form);
    add->SetPeriod(2);
    sums->SetFunction(add);
    sums->SetDataSource(c);
    EXPECT_EQ(Ys(sums), (std::vector<double>{1, 5}));
    sums->GetYValues()->SetValueSource("volume");
    EXPECT_EQ(Ys(sums), (std::vector<double>{300, 700}));
    // A name no list has reads the Y values.
    sums->GetYValues()->SetValueSource("Open");
    EXPECT_EQ(Ys(sums), (std::vector<double>{1, 5}));
}

}  // namespace
