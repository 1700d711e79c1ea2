// A series' points: adding in X order with their Y, colours and labels,
// null points, colours of points, deleting and clearing, events, sample
// values, and the one repaint a batch of changes asks for.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

#include "ChartTestSupport.h"
#include "chart/messages/TeeExceptions.h"
#include "chart/utils/TeeProcs.h"
#include "platform/runtime/SysUtils.h"

namespace {

struct SeriesData : ::testing::Test {
    std::unique_ptr<TChartSeries> series = std::make_unique<TChartSeries>(nullptr);
};

TEST_F(SeriesData, ConstructionDefaults) {
    EXPECT_TRUE(series->GetActive());
    EXPECT_EQ(series->GetSeriesColor(), DefaultPointColor);
    EXPECT_FALSE(series->GetColorEachPoint());
    EXPECT_TRUE(series->GetShowInLegend());
    EXPECT_EQ(series->GetHorizAxis(), aBottomAxis);
    EXPECT_EQ(series->GetVertAxis(), aLeftAxis);
    EXPECT_EQ(series->GetZOrder(), 0);
    EXPECT_EQ(series->GetValueFormat(), "#,##0.###");
    EXPECT_EQ(series->GetPercentFormat(), "##0.## %");
    EXPECT_EQ(series->GetRecalcOptions(), (TSeriesRecalcOptions{rOnDelete, rOnModify, rOnInsert, rOnClear}));
    EXPECT_TRUE(series->GetStyle().Empty());
    EXPECT_TRUE(series->YMandatory());
    EXPECT_EQ(series->GetHorizontalAxis(), nullptr);
}

TEST_F(SeriesData, AddXYKeepsXOrderAndMovesYColourAndLabelWithIt) {
    EXPECT_EQ(series->AddXY(5, 50, "a", clRed), 0);
    EXPECT_EQ(series->AddXY(3, 30, "b", clBlue), 0);
    EXPECT_EQ(series->AddXY(5, 51, "c"), 2);
    ASSERT_EQ(series->Count(), 3);
    const double xs[] = {3, 5, 5}, ys[] = {30, 50, 51};
    const char* labels[] = {"b", "a", "c"};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(series->GetxValue(i), xs[i]);
        EXPECT_EQ(series->GetyValue(i), ys[i]);
        EXPECT_EQ(series->GetXLabel(i), labels[i]);
    }
    series->SetSeriesColor(clGreen);
    EXPECT_EQ(series->GetValueColor(0), clBlue);
    EXPECT_EQ(series->GetValueColor(1), clRed);
    EXPECT_EQ(series->GetValueColor(2), clGreen);
}

TEST_F(SeriesData, AddAppendsWithTheCountAsTheOtherCoordinate) {
    EXPECT_EQ(series->Add(7), 0);
    EXPECT_EQ(series->Add(-2, "two"), 1);
    EXPECT_EQ(series->AddNull("gap"), 2);
    EXPECT_EQ(series->AddX(9), 3);  // X 9, Y the count before it
    for (int i = 0; i < 3; ++i) EXPECT_EQ(series->GetxValue(i), i);
    EXPECT_EQ(series->GetyValue(3), 3);
    EXPECT_EQ(series->GetyValue(2), 0);
    EXPECT_TRUE(series->IsNull(2));
    EXPECT_FALSE(series->IsNull(1));
    EXPECT_EQ(series->GetXLabel(2), "gap");
    EXPECT_EQ(series->AddNullXY(1.5, 4), 2);
    EXPECT_TRUE(series->IsNull(2));
    EXPECT_TRUE(series->IsNull(3));
    EXPECT_FALSE(series->HasLabels() == false);

    const double values[] = {1, 2, 3};
    EXPECT_EQ(series->AddArray(values), 3);
    EXPECT_EQ(series->Count(), 8);
    EXPECT_EQ(series->GetyValue(7), 3);
}

TEST_F(SeriesData, LabelsAndColoursOutsideTheirListsFallBack) {
    series->Add(1);
    EXPECT_EQ(series->GetXLabel(0), "");
    EXPECT_EQ(series->GetXLabel(5), "");
    EXPECT_FALSE(series->HasLabels());
    series->SetXLabel(0, "one");
    EXPECT_EQ(series->GetXLabel(0), "one");
    series->SetXLabel(0, "");
    EXPECT_FALSE(series->HasLabels());
    EXPECT_THROW(series->SetXLabel(1, "x"), EListError);
    series->SetSeriesColor(clNavy);
    EXPECT_EQ(series->GetValueColor(7), clNavy);
    EXPECT_EQ(series->GetValueColor(-1), clNavy);
    EXPECT_THROW(series->SetValueColor(1, clRed), EListError);
}

TEST_F(SeriesData, ColourEachPointAndNullPoints) {
    series->SetSeriesColor(clTeal);
    series->Add(1);
    series->Add(2, "", clYellow);
    series->AddNull();
    series->Add(4);
    series->SetColorEachPoint(true);
    EXPECT_EQ(series->GetValueColor(0), GetDefaultColor(0));
    EXPECT_EQ(series->GetValueColor(1), clYellow);
    EXPECT_EQ(series->GetValueColor(2), clNone);
    EXPECT_EQ(series->GetValueColor(3), GetDefaultColor(3));

    // Off again: own colours go back to the series colour, null points stay null.
    series->SetColorEachPoint(false);
    EXPECT_EQ(series->GetValueColor(0), clTeal);
    EXPECT_EQ(series->GetValueColor(1), clTeal);
    EXPECT_TRUE(series->IsNull(2));
    EXPECT_EQ(series->GetValueColor(3), clTeal);

    // A series drawn in no colour has only null points.
    series->SetSeriesColor(clNone);
    for (int i = 0; i < 4; ++i) EXPECT_TRUE(series->IsNull(i)) << i;
}

TEST_F(SeriesData, ColorRangeTakesBothEnds) {
    for (double v : {1.0, 2.0, 3.0, 4.0}) series->Add(v);
    series->ColorRange(series->GetYValues(), 2, 3, clLime);
    EXPECT_NE(series->GetValueColor(0), clLime);
    EXPECT_EQ(series->GetValueColor(1), clLime);
    EXPECT_EQ(series->GetValueColor(2), clLime);
    EXPECT_NE(series->GetValueColor(3), clLime);
}

TEST_F(SeriesData, BeforeAddMayChangeOrRefuseThePoint) {
    std::vector<int> added;
    series->OnAfterAdd = [&](TChartSeries*, int index) { added.push_back(index); };
    series->OnBeforeAdd = [](TChartSeries* s) {
        if (s->GetYValues()->TempValue < 0) return false;
        s->GetXValues()->TempValue += 100;
        return true;
    };
    EXPECT_EQ(series->AddXY(1, 10), 0);
    EXPECT_EQ(series->AddXY(2, -1), -1);
    EXPECT_EQ(series->AddXY(0, 20), 0);
    EXPECT_EQ(series->Count(), 2);
    EXPECT_EQ(series->GetxValue(0), 100);
    EXPECT_EQ(series->GetxValue(1), 101);
    EXPECT_EQ(added, (std::vector<int>{0, 0}));
}

TEST_F(SeriesData, FurtherListsTakeTheirPendingValueAfterAdd) {
    auto* open = new TChartValueList(series.get(), "Open");
    EXPECT_EQ(series->GetYValueList("OPEN"), open);
    EXPECT_EQ(series->GetYValueList("Close"), series->GetYValues());
    open->TempValue = 8;
    int pos = series->AddXY(2, 1);
    series->AddValue(pos);
    open->TempValue = 9;
    pos = series->AddXY(1, 1);
    series->AddValue(pos);
    EXPECT_EQ(open->GetValue(0), 9);
    EXPECT_EQ(open->GetValue(1), 8);
    series->ClearTempValue(open);
    EXPECT_EQ(open->TempValue, 0);
    series->Delete(0);
    EXPECT_EQ(open->Count(), 1);
    EXPECT_EQ(open->GetValue(0), 8);
}

TEST_F(SeriesData, DeleteClearAndSwap) {
    series->Add(1, "a", clRed);
    series->Add(2, "b", clBlue);
    series->Add(3, "c", clGreen);
    series->SwapValueIndex(0, 2);
    EXPECT_EQ(series->GetyValue(0), 3);
    EXPECT_EQ(series->GetXLabel(0), "c");
    EXPECT_EQ(series->GetValueColor(0), clGreen);
    EXPECT_EQ(series->GetxValue(0), 2);  // X moves as well

    series->Delete(1);
    EXPECT_EQ(series->Count(), 2);
    EXPECT_EQ(series->GetXLabel(1), "a");
    EXPECT_EQ(series->GetValueColor(1), clRed);
    EXPECT_THROW(series->Delete(2), EListError);

    int clears = 0;
    series->OnClearValues = [&](TChartSeries*) { ++clears; };
    series->Clear();
    EXPECT_EQ(clears, 1);
    EXPECT_EQ(series->Count(), 0);
    EXPECT_EQ(series->GetYValues()->Count(), 0);
    EXPECT_EQ(series->GetXLabel(0), "");
}

TEST_F(SeriesData, ReplaceListTakesTheOldListsPlace) {
    auto* extra = new TChartValueList(series.get(), "Extra");
    TChartValueList* oldY = series->GetYValues();
    series->ReplaceList(oldY, extra);
    EXPECT_EQ(series->GetYValues(), extra);
    EXPECT_EQ(extra->GetName(), "Y");
    ASSERT_EQ(series->GetValuesLists()->GetCount(), 2);
    EXPECT_EQ(series->GetValuesLists()->GetValueList(1), extra);

    // A list in its own place stays.
    series->ReplaceList(extra, extra);
    EXPECT_EQ(series->GetYValues(), extra);
    series->Add(4);
    EXPECT_EQ(series->GetyValue(0), 4);
}

TEST_F(SeriesData, FillSampleValuesOnItsOwn) {
    try {
        series->FillSampleValues(0);
        FAIL();
    } catch (const ChartException& e) {
        EXPECT_EQ(e.GetMessage(), "FillSampleValues NumValues must be > 0");
    }
    RandSeed = 42;
    series->FillSampleValues(26);
    ASSERT_EQ(series->Count(), 26);
    for (int i = 0; i < 26; ++i) {
        EXPECT_EQ(series->GetxValue(i), i);
        EXPECT_GE(series->GetyValue(i), 0);
    }
    series->GetXValues()->SetDateTime(true);
    series->FillSampleValues(3);
    const double today = std::floor(Now());
    EXPECT_EQ(series->GetxValue(0), today);
    EXPECT_EQ(series->GetxValue(2), today + 2);
}

// ---- On a chart ---------------------------------------------------------------------

struct SeriesOnChart : ::testing::Test, TChartOnForm {};

TEST_F(SeriesOnChart, SampleValuesSpanWhatTheChartShowsWhateverItsLimits) {
    struct Case {
        double x, y;  // the one point already on the chart
    };
    for (Case c : {Case{0, 0}, Case{4, 7}, Case{-3, -5}, Case{-2, 0.1}}) {
        TChartSeries* other = NewSeries();
        other->AddXY(c.x, c.y);
        TChartSeries* sample = NewSeries();
        RandSeed = 7;
        sample->FillSampleValues(10);
        ASSERT_EQ(sample->Count(), 10);
        for (int i = 0; i < 10; ++i) {
            EXPECT_TRUE(std::isfinite(sample->GetyValue(i)));
            EXPECT_GE(sample->GetyValue(i), 0);
        }
        // X walks from the chart's X, up, over the range widened by its own size.
        EXPECT_EQ(sample->GetxValue(0), c.x);
        EXPECT_GT(sample->GetxValue(9), sample->GetxValue(0));
        delete sample;
        delete other;
    }
    EXPECT_EQ(chart->SeriesCount(), 0);
}

TEST_F(SeriesOnChart, SeriesJoiningTakeFreePaletteColours) {
    TChartSeries* a = NewSeries();
    TChartSeries* b = NewSeries();
    EXPECT_EQ(a->GetSeriesColor(), GetDefaultColor(0));
    EXPECT_EQ(b->GetSeriesColor(), GetDefaultColor(1));
    auto* own = new TChartSeries(form);
    own->SetSeriesColor(clGray);
    own->SetParentChart(chart);
    EXPECT_EQ(own->GetSeriesColor(), clGray);

    chart->refusedColors = 16;
    EXPECT_EQ(NewSeries()->GetSeriesColor(), clRed);
    EXPECT_EQ(chart->SeriesCount(), 4);
    EXPECT_EQ(chart->GetSeries(2), own);
}

TEST_F(SeriesOnChart, OneRepaintForABatchOfChanges) {
    TChartSeries* s = NewSeries();
    PaintsAfterEvents();
    for (int i = 0; i < 1000; ++i) s->Add(i);
    EXPECT_EQ(PaintsAfterEvents(), 1);
    s->Delete(999);
    EXPECT_EQ(PaintsAfterEvents(), 1);
    s->Delete(s->Count() - 1);
    s->SetValueColor(0, clRed);
    s->SetXLabel(1, "one");
    EXPECT_EQ(PaintsAfterEvents(), 1);
    s->FillSampleValues(50);
    EXPECT_EQ(PaintsAfterEvents(), 1);
    EXPECT_TRUE(chart->GetAutoRepaint());
    s->Clear();
    EXPECT_EQ(PaintsAfterEvents(), 1);

    // An inactive series changes nothing shown; equal settings neither.
    s->SetActive(false);
    EXPECT_EQ(PaintsAfterEvents(), 1);
    s->Add(1);
    s->SetActive(false);
    s->SetTitle("");
    EXPECT_EQ(PaintsAfterEvents(), 0);
}

TEST_F(SeriesOnChart, DeletingTheLastPointEmptiesEveryListAndRepaints) {
    TChartSeries* s = NewSeries();
    s->Add(3, "x", clRed);
    PaintsAfterEvents();
    s->Delete(0);
    EXPECT_EQ(s->Count(), 0);
    EXPECT_EQ(s->GetYValues()->Count(), 0);
    EXPECT_EQ(s->GetXLabel(0), "");
    EXPECT_EQ(PaintsAfterEvents(), 1);
}

TEST_F(SeriesOnChart, AxesResolveFromTheChoices) {
    TChartSeries* s = NewSeries();
    EXPECT_EQ(s->GetHorizontalAxis(), chart->GetBottomAxis());
    EXPECT_EQ(s->GetVerticalAxis(), chart->GetLeftAxis());
    s->SetHorizAxis(aTopAxis);
    s->SetVertAxis(aRightAxis);
    EXPECT_EQ(s->GetHorizontalAxis(), chart->GetTopAxis());
    EXPECT_EQ(s->GetVerticalAxis(), chart->GetRightAxis());
    EXPECT_TRUE(s->AssociatedToAxis(chart->GetTopAxis()));
    EXPECT_FALSE(s->AssociatedToAxis(chart->GetBottomAxis()));
    s->SetHorizAxis(aBothHorizAxis);
    EXPECT_TRUE(s->AssociatedToAxis(chart->GetBottomAxis()));
    EXPECT_TRUE(s->AssociatedToAxis(chart->GetTopAxis()));
    EXPECT_FALSE(s->AssociatedToAxis(chart->GetLeftAxis()));

    // The application's own axis, freed while a series still uses it.
    auto* custom = new TChartAxis(chart);
    ASSERT_EQ(chart->GetAxesList().size(), 6u);
    s->SetCustomVertAxis(custom);
    EXPECT_EQ(s->GetVertAxis(), aCustomVertAxis);
    EXPECT_EQ(s->GetVerticalAxis(), custom);
    delete custom;
    EXPECT_EQ(chart->GetAxesList().size(), 5u);
    EXPECT_EQ(s->GetVertAxis(), aLeftAxis);
    EXPECT_EQ(s->GetVerticalAxis(), chart->GetLeftAxis());

    s->SetParentChart(nullptr);
    EXPECT_EQ(s->GetHorizontalAxis(), nullptr);
    EXPECT_EQ(chart->SeriesCount(), 0);
    delete s;
}

TEST_F(SeriesOnChart, FreeingTheChartFreesItsSeries) {
    TChartSeries* s = NewSeries();
    s->Add(1);
    auto* off = new TChartSeries(form);  // never on the chart: stays
    delete chart;
    chart = nullptr;
    ASSERT_EQ(form->GetComponentCount(), 1);
    EXPECT_EQ(form->GetComponent(0), off);
}

}  // namespace
