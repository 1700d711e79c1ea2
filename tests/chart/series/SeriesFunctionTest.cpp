// A series with a function: what changes of its sources refill it, who
// frees the function, moving a function between series, and adding
// further data sources.
#include <gtest/gtest.h>

#include <vector>

#include "ChartTestSupport.h"
#include "chart/functions/TeeFunci.h"
#include "chart/messages/TeeExceptions.h"

namespace {

std::vector<double> Ys(const TChartSeries* s) {
    std::vector<double> result;
    for (int i = 0; i < s->Count(); ++i) result.push_back(s->GetyValue(i));
    return result;
}

// Tells when it is freed.
class TWatchedFunction : public TAddTeeFunction {
public:
    TWatchedFunction(TComponent* AOwner, bool& Freed) : TAddTeeFunction(AOwner), freed_(Freed) { freed_ = false; }
    ~TWatchedFunction() override { freed_ = true; }

private:
    bool& freed_;
};

struct SeriesFunction : ::testing::Test, TChartOnForm {
    SeriesFunction() {
        for (double v : {1, 2, 3, 4}) source->Add(v);
        function->SetPeriod(2);
        sums->SetFunction(function);
        sums->SetDataSource(source);
    }
    TChartSeries* source = NewSeries();
    TChartSeries* sums = NewSeries();
    bool freed = false;
    TWatchedFunction* function = new TWatchedFunction(form, freed);
};

TEST_F(SeriesFunction, ItIsRefilledAsAWholeNeverPointByPoint) {
    EXPECT_EQ(function->GetParentSeries(), sums);
    EXPECT_EQ(Ys(sums), (std::vector<double>{3, 7}));
    source->Add(5);
    source->Add(6);
    source->Delete(0);
    EXPECT_EQ(Ys(sums), (std::vector<double>{3, 7}));
    source->RefreshSeries();
    EXPECT_EQ(Ys(sums), (std::vector<double>{5, 9}));
    source->SetYValue(0, 10);
    EXPECT_EQ(Ys(sums), (std::vector<double>{13, 9}));
    // Without rOnModify only a refresh refills it.
    sums->SetRecalcOptions({rOnInsert, rOnDelete, rOnClear});
    source->SetYValue(0, 20);
    EXPECT_EQ(Ys(sums), (std::vector<double>{13, 9}));
    source->RefreshSeries();
    EXPECT_EQ(Ys(sums), (std::vector<double>{23, 9}));
    source->Clear();
    EXPECT_EQ(sums->Count(), 0);
}

TEST_F(SeriesFunction, ANewFunctionFreesTheOldOneAndNoneCopiesTheSource) {
    auto* high = new THighTeeFunction(form);
    sums->SetFunction(high);
    EXPECT_TRUE(freed);
    EXPECT_EQ(sums->GetFunction(), high);
    EXPECT_EQ(Ys(sums), (std::vector<double>{4}));
    const int components = form->GetComponentCount();
    sums->SetFunction(nullptr);
    EXPECT_EQ(form->GetComponentCount(), components - 1);
    EXPECT_EQ(Ys(sums), (std::vector<double>{1, 2, 3, 4}));
    // Point by point again.
    source->Add(5);
    EXPECT_EQ(sums->Count(), 5);
}

TEST_F(SeriesFunction, AFunctionMovesToAnotherSeriesWhichItThenFills) {
    TChartSeries* other = NewSeries();
    other->SetDataSource(source);
    function->SetParentSeries(other);
    EXPECT_FALSE(freed);
    EXPECT_EQ(sums->GetFunction(), nullptr);
    EXPECT_EQ(other->GetFunction(), function);
    EXPECT_EQ(Ys(other), (std::vector<double>{3, 7}));
    // The series it left keeps what it showed until its source changes.
    EXPECT_EQ(Ys(sums), (std::vector<double>{3, 7}));
    source->Add(5);
    EXPECT_EQ(Ys(sums), (std::vector<double>{3, 7, 5}));

    // Taking a function from another series through SetFunction.
    sums->SetFunction(function);
    EXPECT_EQ(other->GetFunction(), nullptr);
    EXPECT_EQ(function->GetParentSeries(), sums);
    EXPECT_EQ(Ys(sums), (std::vector<double>{3, 7}));
    function->SetParentSeries(nullptr);
    EXPECT_EQ(sums->GetFunction(), nullptr);
    delete function;
}

TEST_F(SeriesFunction, AssignMovesTheFunctionWithTheSources) {
    TChartSeries* copy = NewSeries();
    copy->Assign(sums);
    EXPECT_EQ(copy->GetFunction(), function);
    EXPECT_EQ(sums->GetFunction(), nullptr);
    EXPECT_EQ(copy->GetDataSource(), source);
    EXPECT_EQ(Ys(copy), (std::vector<double>{3, 7}));
}

TEST_F(SeriesFunction, EitherMayBeFreedFirst) {
    // The function first: the series keeps its points and copies its
    // source from then on.
    delete function;
    EXPECT_TRUE(freed);
    EXPECT_EQ(sums->GetFunction(), nullptr);
    EXPECT_EQ(Ys(sums), (std::vector<double>{3, 7}));
    source->RefreshSeries();
    EXPECT_EQ(Ys(sums), (std::vector<double>{1, 2, 3, 4}));

    // The series first: it frees its function, which leaves its owner.
    bool otherFreed = false;
    auto* other = new TWatchedFunction(form, otherFreed);
    sums->SetFunction(other);
    const int components = form->GetComponentCount();
    delete sums;
    EXPECT_TRUE(otherFreed);
    EXPECT_EQ(form->GetComponentCount(), components - 2);

    // The owner frees a function made before its series: the series goes
    // first and takes the function along.
    bool ownedFreed = false;
    auto* owned = new TWatchedFunction(form, ownedFreed);
    TChartSeries* late = NewSeries();
    late->SetFunction(owned);
    late->SetDataSource(source);
    delete form;
    form = nullptr;
    EXPECT_TRUE(ownedFreed);
}

TEST_F(SeriesFunction, FurtherSourcesAreCheckedAndAppended) {
    TChartSeries* second = NewSeries();
    second->Add(10);
    sums->AddDataSource(second);
    EXPECT_EQ(sums->GetDataSources(), (std::vector<TComponent*>{source, second}));
    // Over several sources the function adds index by index.
    EXPECT_EQ(Ys(sums), (std::vector<double>{11, 2, 3, 4}));
    sums->AddDataSource(second);
    sums->AddDataSource(nullptr);
    EXPECT_EQ(sums->GetDataSources().size(), 2u);

    EXPECT_THROW(second->AddDataSource(sums), ChartException);  // a circle
    EXPECT_THROW(sums->AddDataSource(sums), ChartException);
    auto* detached = new TChartSeries(form);
    EXPECT_THROW(detached->AddDataSource(source), ChartException);
    EXPECT_TRUE(second->GetDataSources().empty());

    // A freed source leaves the function with the others.
    delete second;
    EXPECT_EQ(Ys(sums), (std::vector<double>{3, 7}));
}

}  // namespace
