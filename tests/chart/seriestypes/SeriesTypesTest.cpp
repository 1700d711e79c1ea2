// The registry of series and function types, making series and functions
// by type with unique names, copying a series, and changing a series' type
// in place.
#include <gtest/gtest.h>

#include <typeinfo>
#include <utility>
#include <vector>

#include "chart/series/ChartTestSupport.h"
#include "chart/series/TestSeriesTypes.h"
#include "chart/functions/TeeFunci.h"
#include "chart/seriestypes/CandleCh.h"
#include "chart/seriestypes/ChartSeriesTypes.h"
#include "chart/seriestypes/Series.h"
#include "chart/seriestypes/SeriesBar.h"
#include "chart/seriestypes/SeriesFastLine.h"
#include "chart/seriestypes/SeriesPie.h"

namespace {

// Registers itself the way a series unit does.
class TSelfRegisteredSeries : public TChartSeries {
public:
    using TChartSeries::TChartSeries;
};
const TTeeSeriesRegistration selfRegistration(
    [] { RegisterTeeSeries(TeeSeriesClassOf<TSelfRegisteredSeries>(), "Self", "Tests", 1); });

// Registered by a test while the registry is in use.
class TLateSeries : public TChartSeries {
public:
    using TChartSeries::TChartSeries;
};

// Registered nowhere: the registry keeps every class it was ever given.
class TUnregisteredSeries : public TChartSeries {
public:
    using TChartSeries::TChartSeries;
};

class TSpareFunction : public TAddTeeFunction {
public:
    using TAddTeeFunction::TAddTeeFunction;
};

// A series being edited in a form editor.
class TDesignedSeries : public TChartSeries {
public:
    using TChartSeries::TChartSeries;
    void Design() { SetDesigning(true); }
};

std::vector<double> Ys(const TChartSeries* s) {
    std::vector<double> result;
    for (int i = 0; i < s->Count(); ++i) result.push_back(s->GetyValue(i));
    return result;
}

std::vector<AnsiString> Names(const TCustomAxisPanel* Chart) {
    std::vector<AnsiString> result;
    for (TChartSeries* s : *Chart->GetSeriesList()) result.push_back(s->GetName());
    return result;
}

const TChartSeriesClass baseClass = TeeSeriesClassOf<TChartSeries>();
const TChartSeriesClass levelClass = TeeSeriesClassOf<TLevelTestSeries>();
const TChartSeriesClass horizClass = TeeSeriesClassOf<THorizTestSeries>();

struct SeriesTypes : ::testing::Test, TChartOnForm {
    SeriesTypes() {
        RegisterTeeSeries(baseClass, "Base", "Tests", 2);
        RegisterTeeSeries(levelClass, "Level", "Tests", 2);
        RegisterTeeSeries(horizClass, "Horizontal", "Tests", 2);
    }
    ~SeriesTypes() override { UnRegisterTeeSeries({baseClass, levelClass, horizClass}); }
};

TEST_F(SeriesTypes, TheLibrarysTypesComeInTheirOrderThenTheProgramsUnits) {
    const TTeeSeriesTypes& types = TeeSeriesTypes();
    const TTeeFunctionClass functions[] = {
        TeeFunctionClassOf<TAddTeeFunction>(),      TeeFunctionClassOf<TSubtractTeeFunction>(),
        TeeFunctionClassOf<TMultiplyTeeFunction>(), TeeFunctionClassOf<TDivideTeeFunction>(),
        TeeFunctionClassOf<THighTeeFunction>(),     TeeFunctionClassOf<TLowTeeFunction>(),
        TeeFunctionClassOf<TAverageTeeFunction>(),
    };
    const char* const descriptions[] = {"Add", "Subtract", "Multiply", "Divide", "High", "Low", "Average"};
    for (int i = 0; i < 7; ++i) {
        const TTeeSeriesType* entry = types.GetSeriesType(i);
        EXPECT_EQ(entry->FunctionClass, functions[i]) << i;
        EXPECT_EQ(entry->SeriesClass, nullptr) << i;
        EXPECT_EQ(entry->Description, descriptions[i]);
        EXPECT_EQ(entry->GalleryPage, "Functions");
        EXPECT_EQ(entry->NumGallerySeries, 2);
        EXPECT_EQ(GetTeeFunctionDescription(functions[i]), descriptions[i]);
    }
    struct Series {
        TChartSeriesClass type;
        const char* description;
        const char* page;
        int gallerySeries;
    };
    const Series series[] = {
        {TeeSeriesClassOf<TLineSeries>(), "Line", "Standard", 2},
        {TeeSeriesClassOf<TBarSeries>(), "Bar", "Standard", 2},
        {TeeSeriesClassOf<THorizBarSeries>(), "Horiz. Bar", "Standard", 2},
        {TeeSeriesClassOf<TAreaSeries>(), "Area", "Standard", 2},
        {TeeSeriesClassOf<TPointSeries>(), "Point", "Standard", 2},
        {TeeSeriesClassOf<TPieSeries>(), "Pie", "Standard", 1},
        {TeeSeriesClassOf<TFastLineSeries>(), "Fast Line", "Standard", 2},
        {TeeSeriesClassOf<TCandleSeries>(), "Candle", "Extended", 1},
        {TeeSeriesClassOf<TVolumeSeries>(), "Volume", "Extended", 1},
    };
    for (int i = 0; i < 9; ++i) {
        const TTeeSeriesType* entry = types.GetSeriesType(7 + i);
        EXPECT_EQ(entry->SeriesClass, series[i].type) << i;
        EXPECT_EQ(entry->FunctionClass, nullptr) << i;
        EXPECT_EQ(entry->Description, series[i].description);
        EXPECT_EQ(entry->GalleryPage, series[i].page);
        EXPECT_EQ(entry->NumGallerySeries, series[i].gallerySeries) << series[i].description;
    }
    const TTeeSeriesType* self = types.FindSeriesClass(TeeSeriesClassOf<TSelfRegisteredSeries>());
    ASSERT_NE(self, nullptr);
    EXPECT_EQ(self->Description, "Self");
    EXPECT_EQ(types.GetSeriesType(16), self);
    EXPECT_EQ(GetTeeFunctionDescription(TeeFunctionClassOf<TSpareFunction>()), "");
    EXPECT_THROW(types.GetSeriesType(types.Count()), EListError);
}

TEST_F(SeriesTypes, EveryTypeNamesTheEditorThatEditsIt) {
    const std::pair<TChartSeriesClass, const char*> cases[] = {
        {baseClass, ""},
        {TeeSeriesClassOf<TLineSeries>(), "TCustomSeriesEditor"},
        {TeeSeriesClassOf<TPointSeries>(), "TSeriesPointerEditor"},
        {TeeSeriesClassOf<TAreaSeries>(), "TAreaSeriesEditor"},
        {TeeSeriesClassOf<TBarSeries>(), "TBarSeriesEditor"},
        {TeeSeriesClassOf<THorizBarSeries>(), "TBarSeriesEditor"},
        {TeeSeriesClassOf<TPieSeries>(), "TPieSeriesEditor"},
        {TeeSeriesClassOf<TFastLineSeries>(), "TFastLineSeriesEditor"},
        {TeeSeriesClassOf<TCandleSeries>(), "TCandleEditor"},
        {TeeSeriesClassOf<TVolumeSeries>(), "TVolumeSeriesEditor"},
    };
    for (const auto& [type, editor] : cases) {
        TChartSeries* s = type->Create(form);
        EXPECT_EQ(s->GetEditorClass(), editor);
        delete s;
    }
}

TEST_F(SeriesTypes, APairIsRegisteredOnceAndUnregisteredWithEveryEntryOfItsClass) {
    TTeeSeriesTypes& types = TeeSeriesTypes();
    const int count = types.Count();
    RegisterTeeSeries(baseClass, "Again", "Tests", 2);
    EXPECT_EQ(types.Count(), count);
    EXPECT_EQ(types.FindSeriesClass(baseClass)->Description, "Base");
    RegisterTeeSeriesFunction(baseClass, TeeFunctionClassOf<TAverageTeeFunction>(), "Base with Average", "Tests", 2);
    EXPECT_EQ(types.Count(), count + 1);
    EXPECT_EQ(types.FindSeriesClass(baseClass)->Description, "Base");

    // Texts are cut to 20 bytes, never inside a character.
    RegisterTeeSeries(TeeSeriesClassOf<TDesignedSeries>(), "A description far too long", "a\xC3\x84\xC3\x84\xC3\x84\xC3\x84\xC3\x84\xC3\x84\xC3\x84\xC3\x84\xC3\x84\xC3\x84", 2);
    const TTeeSeriesType* cut = types.FindSeriesClass(TeeSeriesClassOf<TDesignedSeries>());
    EXPECT_EQ(cut->Description, "A description far to");
    EXPECT_EQ(cut->GalleryPage, "a\xC3\x84\xC3\x84\xC3\x84\xC3\x84\xC3\x84\xC3\x84\xC3\x84\xC3\x84\xC3\x84");

    UnRegisterTeeSeries({TeeSeriesClassOf<TUnregisteredSeries>()});
    EXPECT_EQ(types.Count(), count + 2);
    UnRegisterTeeSeries({baseClass, TeeSeriesClassOf<TDesignedSeries>()});
    EXPECT_EQ(types.Count(), count - 1);
    EXPECT_EQ(types.FindSeriesClass(baseClass), nullptr);
    const TTeeFunctionClass spare = TeeFunctionClassOf<TSpareFunction>();
    RegisterTeeBasicFunction(spare, "Spare");
    EXPECT_EQ(types.GetSeriesType(types.Count() - 1)->GalleryPage, "Functions");
    EXPECT_EQ(GetTeeFunctionDescription(spare), "Spare");
    UnRegisterTeeFunctions({spare});
    EXPECT_EQ(GetTeeFunctionDescription(spare), "");
    EXPECT_EQ(types.Count(), count - 1);

    // A unit linked in while the registry is in use registers at once.
    const TTeeSeriesRegistration late([] { RegisterTeeSeries(TeeSeriesClassOf<TLateSeries>(), "Late", "", 1); });
    EXPECT_NE(types.FindSeriesClass(TeeSeriesClassOf<TLateSeries>()), nullptr);
    UnRegisterTeeSeries({TeeSeriesClassOf<TLateSeries>()});
}

TEST_F(SeriesTypes, NewSeriesAndFunctionsTakeTheFirstFreeNumber) {
    TChartSeries* first = CreateNewSeries(form, chart, levelClass);
    TChartSeries* second = CreateNewSeries(form, chart, baseClass, TeeFunctionClassOf<THighTeeFunction>());
    EXPECT_EQ(typeid(*first), typeid(TLevelTestSeries));
    EXPECT_EQ(first->GetName(), "Series1");
    EXPECT_EQ(second->GetName(), "Series2");
    EXPECT_EQ(first->GetParentChart(), chart);
    EXPECT_EQ(Names(chart), (std::vector<AnsiString>{"Series1", "Series2"}));
    ASSERT_NE(second->GetFunction(), nullptr);
    EXPECT_EQ(typeid(*second->GetFunction()), typeid(THighTeeFunction));
    EXPECT_EQ(second->GetFunction()->GetName(), "TeeFunction1");
    EXPECT_EQ(second->GetFunction()->GetOwner(), form);

    // Without an owner the chart owns it, and numbers within the chart.
    TChartSeries* chartOwned = CreateNewSeries(nullptr, chart, baseClass);
    EXPECT_EQ(chartOwned->GetOwner(), chart);
    EXPECT_EQ(chartOwned->GetName(), "Series1");

    (new TAddTeeFunction(form))->SetName("TeeFunction2");
    TTeeFunction* third = CreateNewTeeFunction(first, TeeFunctionClassOf<TLowTeeFunction>());
    EXPECT_EQ(third->GetName(), "TeeFunction3");
    EXPECT_EQ(first->GetFunction(), third);
}

TEST_F(SeriesTypes, AClonePointsAndCalculatesAsTheOriginal) {
    TChartSeries* prices = CreateNewSeries(form, chart, levelClass);
    prices->SetTitle("Prices");
    prices->SetSeriesColor(clRed);
    for (double v : {4, 8, 6, 2}) prices->Add(v, "p");
    TChartSeries* copy = CloneChartSeries(prices);
    EXPECT_EQ(typeid(*copy), typeid(TLevelTestSeries));
    EXPECT_EQ(copy->GetOwner(), form);
    EXPECT_EQ(copy->GetParentChart(), chart);
    EXPECT_EQ(copy->GetName(), "Series2");
    EXPECT_EQ(copy->GetTitle(), "Prices");
    EXPECT_EQ(copy->GetSeriesColor(), clRed);
    EXPECT_EQ(Ys(copy), Ys(prices));
    EXPECT_EQ(copy->GetXLabel(3), "p");

    TChartSeries* averages = CreateNewSeries(form, chart, baseClass, TeeFunctionClassOf<TAverageTeeFunction>());
    averages->GetFunction()->SetPeriod(2);
    averages->GetFunction()->SetPeriodAlign(paLast);
    averages->SetDataSource(prices);
    TChartSeries* averagesCopy = CloneChartSeries(averages);
    ASSERT_NE(averagesCopy->GetFunction(), nullptr);
    EXPECT_NE(averagesCopy->GetFunction(), averages->GetFunction());
    EXPECT_EQ(typeid(*averagesCopy->GetFunction()), typeid(TAverageTeeFunction));
    EXPECT_EQ(averagesCopy->GetFunction()->GetPeriodAlign(), paLast);
    EXPECT_EQ(averagesCopy->GetDataSource(), prices);
    EXPECT_EQ(Ys(averagesCopy), (std::vector<double>{6, 4}));
    EXPECT_EQ(averagesCopy->GetxValue(0), 1);
    // Both follow the source.
    prices->SetYValue(0, 0);
    EXPECT_EQ(Ys(averagesCopy), (std::vector<double>{4, 4}));

    auto* stranger = new TUnregisteredSeries(form);
    EXPECT_THROW(CloneChartSeries(stranger), EInvalidOperation);
}

TEST_F(SeriesTypes, ANewTypeTakesTheOldSeriesPlaceNameLinksAndEvents) {
    TChartSeries* before = CreateNewSeries(form, chart, baseClass);
    TChartSeries* prices = CreateNewSeries(form, chart, baseClass);
    TChartSeries* after = CreateNewSeries(form, chart, baseClass);
    prices->SetName("Prices");
    prices->SetTitle("Close");
    for (double v : {4, 8, 6, 2}) prices->Add(v);
    int added = 0;
    prices->OnAfterAdd = [&](TChartSeries*, int) { ++added; };
    // A difference reads its sources in order: prices minus after.
    TChartSeries* difference = CreateNewSeries(form, chart, baseClass, TeeFunctionClassOf<TSubtractTeeFunction>());
    for (double v : {1, 1, 1, 1}) after->Add(v);
    difference->SetDataSource(prices);
    difference->AddDataSource(after);
    TChartSeries* copy = NewSeries();
    copy->SetDataSource(prices);
    EXPECT_EQ(Ys(difference), (std::vector<double>{3, 7, 5, 1}));

    TChartSeries* changed = prices;
    ChangeSeriesType(changed, levelClass);
    ASSERT_NE(changed, prices);
    EXPECT_EQ(typeid(*changed), typeid(TLevelTestSeries));
    EXPECT_EQ(chart->SeriesCount(), 5);
    EXPECT_EQ(chart->GetSeries(1), changed);
    EXPECT_EQ(Names(chart)[0], before->GetName());
    EXPECT_EQ(chart->GetSeries(2), after);
    EXPECT_EQ(changed->GetName(), "Prices");
    EXPECT_EQ(changed->GetTitle(), "Close");
    EXPECT_EQ(Ys(changed), (std::vector<double>{4, 8, 6, 2}));
    EXPECT_EQ(difference->GetDataSources(), (std::vector<TComponent*>{changed, after}));
    EXPECT_EQ(copy->GetDataSource(), changed);
    EXPECT_EQ(changed->GetLinkedSeries(), (std::vector<TChartSeries*>{difference, copy}));
    changed->Add(3);
    EXPECT_EQ(added, 1);
    EXPECT_EQ(Ys(copy), (std::vector<double>{4, 8, 6, 2, 3}));
    changed->RefreshSeries();
    EXPECT_EQ(Ys(difference), (std::vector<double>{3, 7, 5, 1, 3}));

    // Its own class already: nothing happens.
    TChartSeries* same = changed;
    ChangeSeriesType(same, levelClass);
    EXPECT_EQ(same, changed);
    EXPECT_EQ(chart->SeriesCount(), 5);

    // A calculated series keeps its very function.
    TTeeFunction* function = difference->GetFunction();
    ChangeSeriesType(difference, horizClass);
    EXPECT_EQ(difference->GetFunction(), function);
    EXPECT_EQ(function->GetParentSeries(), difference);
    EXPECT_EQ(difference->GetDataSources(), (std::vector<TComponent*>{changed, after}));
}

TEST_F(SeriesTypes, EverySeriesOfAChartChangesInOrder) {
    for (int i = 0; i < 3; ++i) CreateNewSeries(form, chart, i == 1 ? levelClass : baseClass)->Add(i);
    const std::vector<AnsiString> names = Names(chart);
    ChangeAllSeriesType(chart, levelClass);
    EXPECT_EQ(Names(chart), names);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(typeid(*chart->GetSeries(i)), typeid(TLevelTestSeries));
        EXPECT_EQ(Ys(chart->GetSeries(i)), std::vector<double>{static_cast<double>(i)});
    }
}

TEST_F(SeriesTypes, InAFormEditorASeriesWithoutDataShowsSamplePoints) {
    auto* designed = new TDesignedSeries(form);
    designed->Design();
    designed->SetParentChart(chart);
    EXPECT_EQ(designed->Count(), designed->NumSampleValues());
    TChartSeries* series = designed;
    series->Clear();
    ChangeSeriesType(series, baseClass);
    EXPECT_EQ(series->Count(), series->NumSampleValues());
}

}  // namespace
