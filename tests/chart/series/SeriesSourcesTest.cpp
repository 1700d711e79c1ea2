// Series fed by other series: what a linked series follows by its recalc
// options, the checks of a new data source, copying a series, and freeing
// sources, linked series and charts in every order.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "ChartTestSupport.h"
#include "chart/messages/TeeExceptions.h"

namespace {

std::vector<double> Ys(const TChartSeries* s) {
    std::vector<double> result;
    for (int i = 0; i < s->Count(); ++i) result.push_back(s->GetyValue(i));
    return result;
}

struct SeriesSources : ::testing::Test, TChartOnForm {
    SeriesSources() {
        source = NewSeries();
        linked = NewSeries();
        for (double v : {10.0, 20.0, 30.0}) source->Add(v, "s" + AnsiString(v), clRed);
        linked->SetDataSource(source);
    }
    TChartSeries* source;
    TChartSeries* linked;
};

TEST_F(SeriesSources, ALinkedSeriesCopiesAndFollowsItsSource) {
    EXPECT_EQ(linked->GetDataSource(), source);
    EXPECT_EQ(source->GetLinkedSeries(), std::vector<TChartSeries*>{linked});
    EXPECT_EQ(Ys(linked), (std::vector<double>{10, 20, 30}));
    EXPECT_EQ(linked->GetXLabel(1), "s20");
    EXPECT_EQ(linked->GetValueColor(2), clRed);

    source->Add(40);
    EXPECT_EQ(Ys(linked), (std::vector<double>{10, 20, 30, 40}));
    source->Delete(0);
    EXPECT_EQ(Ys(linked), (std::vector<double>{20, 30, 40}));
    source->SetYValue(0, 25);
    EXPECT_EQ(Ys(linked), (std::vector<double>{25, 30, 40}));
    source->GetYValues()->SetMultiplier(2);
    EXPECT_EQ(Ys(linked), (std::vector<double>{50, 60, 80}));
    source->Clear();
    EXPECT_EQ(linked->Count(), 0);
}

TEST_F(SeriesSources, RecalcOptionsFilterSingleChangesButNotARefresh) {
    linked->SetRecalcOptions({rOnDelete, rOnModify, rOnClear});
    source->Add(40);
    EXPECT_EQ(Ys(linked), (std::vector<double>{10, 20, 30}));
    // The source's last point is one the linked series never got.
    source->Delete(3);
    EXPECT_EQ(Ys(linked), (std::vector<double>{10, 20, 30}));
    source->RefreshSeries();
    EXPECT_EQ(Ys(linked), (std::vector<double>{10, 20, 30}));
    source->Add(50);
    source->RefreshSeries();
    EXPECT_EQ(Ys(linked), (std::vector<double>{10, 20, 30, 50}));

    linked->SetRecalcOptions({});
    source->Delete(0);
    source->SetYValue(0, 1);
    source->Clear();
    EXPECT_EQ(Ys(linked), (std::vector<double>{10, 20, 30, 50}));
}

TEST_F(SeriesSources, ASourceDeletingAPointTheLinkedSeriesLacksChangesNothing) {
    linked->SetRecalcOptions({rOnDelete});
    source->Add(40);
    source->Add(50);
    source->Delete(4);
    EXPECT_EQ(Ys(linked), (std::vector<double>{10, 20, 30}));
}

TEST_F(SeriesSources, SettingADataSourceIsChecked) {
    auto* loose = new TChartSeries(form);
    try {
        loose->SetDataSource(source);
        FAIL();
    } catch (const ChartException& e) {
        EXPECT_EQ(e.GetMessage(), "No ParentChart to validate DataSource");
    }
    TChartSeries* other = NewSeries();
    other->SetName("Other");
    for (TComponent* invalid : {static_cast<TComponent*>(other), static_cast<TComponent*>(form)}) {
        try {
            other->SetDataSource(invalid);
            FAIL();
        } catch (const ChartException& e) {
            EXPECT_EQ(e.GetMessage(), "No valid DataSource: " + invalid->GetName());
        }
    }
    EXPECT_EQ(other->GetDataSource(), nullptr);

    // Feeding a series from one it feeds, directly or further along.
    EXPECT_THROW(source->SetDataSource(linked), ChartException);
    TChartSeries* third = NewSeries();
    third->SetDataSource(linked);
    try {
        source->SetDataSource(third);
        FAIL();
    } catch (const ChartException& e) {
        EXPECT_EQ(e.GetMessage(), "Circular Series dependences are not allowed");
    }
    EXPECT_EQ(source->GetDataSource(), nullptr);
}

TEST_F(SeriesSources, SettingTheSameSourceAgainChangesNothing) {
    linked->Add(99);  // a point of its own, kept while nothing refills
    linked->SetDataSource(source);
    EXPECT_EQ(Ys(linked), (std::vector<double>{10, 20, 30, 99}));
    linked->SetDataSource(nullptr);
    EXPECT_EQ(linked->Count(), 0);
    EXPECT_TRUE(source->GetLinkedSeries().empty());
    source->Add(1);
    EXPECT_EQ(linked->Count(), 0);
}

TEST_F(SeriesSources, AssignCopiesPointsOrSources) {
    source->SetTitle("Prices");
    source->SetColorEachPoint(true);
    auto* copy = NewSeries();
    copy->Assign(source);
    EXPECT_EQ(Ys(copy), (std::vector<double>{10, 20, 30}));
    EXPECT_EQ(copy->GetXLabel(0), "s10");
    EXPECT_EQ(copy->GetTitle(), "Prices");
    EXPECT_TRUE(copy->GetColorEachPoint());
    EXPECT_EQ(copy->GetSeriesColor(), source->GetSeriesColor());
    EXPECT_EQ(copy->GetDataSource(), nullptr);

    auto* follower = NewSeries();
    follower->Assign(linked);
    EXPECT_EQ(follower->GetDataSource(), source);
    EXPECT_EQ(Ys(follower), (std::vector<double>{10, 20, 30}));
    source->Add(40);
    EXPECT_EQ(follower->Count(), 4);
}

// Every order of freeing a source, its linked series and the chart (which
// frees the series it still holds).
TEST(SeriesFreeing, AnyOrderLeavesNothingBehind) {
    const int orders[][3] = {{0, 1, 2}, {0, 2, 1}, {1, 0, 2}, {1, 2, 0}, {2, 0, 1}, {2, 1, 0}};
    for (const auto& order : orders) {
        TChartOnForm f;
        TChartSeries* source = f.NewSeries();
        TChartSeries* linked = f.NewSeries();
        source->Add(1);
        linked->SetDataSource(source);
        for (int what : order) {
            if (what == 2) {
                delete f.chart;
                f.chart = nullptr;
                source = linked = nullptr;
                continue;
            }
            TChartSeries*& victim = what == 0 ? source : linked;
            if (!victim) continue;
            delete victim;
            victim = nullptr;
            if (source) {
                EXPECT_TRUE(source->GetLinkedSeries().empty());
            }
            if (linked) {
                EXPECT_EQ(linked->GetDataSource(), nullptr);
            }
        }
        EXPECT_EQ(f.form->GetComponentCount(), 0);
    }
}

TEST(SeriesFreeing, ASeriesOffItsChartKeepsFollowingAndLetsGoOfAFreedSource) {
    TChartOnForm f;
    TChartSeries* source = f.NewSeries();
    // Owned elsewhere, so the form's notice of a freed sibling does not reach it.
    auto* otherForm = new TForm(nullptr);
    auto* linked = new TChartSeries(otherForm);
    linked->SetParentChart(f.chart);
    linked->SetDataSource(source);
    linked->SetParentChart(nullptr);
    source->Add(5);
    EXPECT_EQ(Ys(linked), std::vector<double>{5});
    delete source;
    EXPECT_EQ(linked->GetDataSource(), nullptr);
    delete otherForm;
}

}  // namespace
