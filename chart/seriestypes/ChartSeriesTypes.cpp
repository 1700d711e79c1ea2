// The registry of series and function types, and making, copying and
// retyping series through it.
#include "chart/seriestypes/ChartSeriesTypes.h"

#include <algorithm>
#include <utility>

#include "chart/functions/TeeFunci.h"
#include "chart/messages/TeeConst.h"
#include "chart/panel/TeEngineAxisPanel.h"
#include "chart/seriestypes/CandleCh.h"
#include "chart/seriestypes/Series.h"
#include "chart/series/TeEngineSeries.h"
#include "chart/utils/TeeProcs.h"

namespace {

// Units linked in before the registry was first used, in link order. Plain
// pointers, set before any static object is made.
TTeeSeriesRegistration* pendingFirst = nullptr;
TTeeSeriesRegistration** pendingLast = &pendingFirst;

// At most 20 bytes, cut before a character of several bytes rather than
// through it.
AnsiString GalleryText(const AnsiString& Text) {
    constexpr std::size_t limit = 20;
    const std::string& s = Text.str();
    if (s.size() <= limit) return Text;
    std::size_t n = limit;
    while (n > 0 && (static_cast<unsigned char>(s[n]) & 0xC0) == 0x80) --n;
    return AnsiString(s.substr(0, n));
}

template <class TClass>
void Remember(std::vector<TClass>& Classes, TClass AClass) {
    if (AClass && std::find(Classes.begin(), Classes.end(), AClass) == Classes.end()) Classes.push_back(AClass);
}

template <class TClass, class T>
TClass ClassOfInstance(const std::vector<TClass>& Classes, const T& Instance) {
    for (TClass c : Classes)
        if (*c->Type == typeid(Instance)) return c;
    throw EInvalidOperation("Class " + Instance.ClassName() + " is not registered");
}

void RegisterBasicFunctions() {
    RegisterTeeBasicFunction(TeeFunctionClassOf<TAddTeeFunction>(), TeeMsgText(TeeMsg_FunctionAdd));
    RegisterTeeBasicFunction(TeeFunctionClassOf<TSubtractTeeFunction>(), TeeMsgText(TeeMsg_FunctionSubtract));
    RegisterTeeBasicFunction(TeeFunctionClassOf<TMultiplyTeeFunction>(), TeeMsgText(TeeMsg_FunctionMultiply));
    RegisterTeeBasicFunction(TeeFunctionClassOf<TDivideTeeFunction>(), TeeMsgText(TeeMsg_FunctionDivide));
    RegisterTeeBasicFunction(TeeFunctionClassOf<THighTeeFunction>(), TeeMsgText(TeeMsg_FunctionHigh));
    RegisterTeeBasicFunction(TeeFunctionClassOf<TLowTeeFunction>(), TeeMsgText(TeeMsg_FunctionLow));
    RegisterTeeBasicFunction(TeeFunctionClassOf<TAverageTeeFunction>(), TeeMsgText(TeeMsg_FunctionAverage));
}

}  // namespace

// ---- The registry ------------------------------------------------------------------------

class TTeeSeriesTypesEditor {
public:
    static std::unique_ptr<TTeeSeriesTypes>& Registry() {
        // Made on the first call, which may come while static objects are made.
        static std::unique_ptr<TTeeSeriesTypes> registry;
        return registry;
    }

    static void RunPendingUnits() {
        while (TTeeSeriesRegistration* unit = pendingFirst) {
            pendingFirst = unit->next_;
            if (!pendingFirst) pendingLast = &pendingFirst;
            unit->register_();
        }
    }

    static void Queue(TTeeSeriesRegistration* Unit) {
        *pendingLast = Unit;
        pendingLast = &Unit->next_;
    }

    static void Add(TChartSeriesClass ASeriesClass, TTeeFunctionClass AFunctionClass, const AnsiString& Description,
                    const AnsiString& GalleryPage, int NumGallerySeries) {
        TTeeSeriesTypes& types = TeeSeriesTypes();
        Remember(types.seriesClasses_, ASeriesClass);
        Remember(types.functionClasses_, AFunctionClass);
        for (const auto& entry : types.items_)
            if (entry->SeriesClass == ASeriesClass && entry->FunctionClass == AFunctionClass) return;
        auto entry = std::make_unique<TTeeSeriesType>();
        entry->SeriesClass = ASeriesClass;
        entry->FunctionClass = AFunctionClass;
        entry->Description = GalleryText(Description);
        entry->GalleryPage = GalleryText(GalleryPage);
        entry->NumGallerySeries = NumGallerySeries;
        types.items_.push_back(std::move(entry));
    }

    template <class Match>
    static void RemoveIf(Match M) {
        std::erase_if(TeeSeriesTypes().items_, [&](const auto& entry) { return M(*entry); });
    }

    static TChartSeriesClass SeriesClassOf(const TChartSeries* ASeries) {
        return ClassOfInstance(TeeSeriesTypes().seriesClasses_, *ASeries);
    }
    static TTeeFunctionClass FunctionClassOf(const TTeeFunction* AFunction) {
        return ClassOfInstance(TeeSeriesTypes().functionClasses_, *AFunction);
    }
};

TTeeSeriesTypes& TeeSeriesTypes() {
    auto& registry = TTeeSeriesTypesEditor::Registry();
    if (!registry) {
        registry = std::make_unique<TTeeSeriesTypes>();
        // The library's own types in a fixed order, whatever the linker
        // keeps or drops; then the program's own units.
        RegisterBasicFunctions();
        RegisterStandardSeries();
        RegisterFinancialSeries();
        TTeeSeriesTypesEditor::RunPendingUnits();
    }
    return *registry;
}

TTeeSeriesRegistration::TTeeSeriesRegistration(void (*Register)()) : register_(Register) {
    if (TTeeSeriesTypesEditor::Registry())
        register_();
    else
        TTeeSeriesTypesEditor::Queue(this);
}

TTeeSeriesType* TTeeSeriesTypes::GetSeriesType(int Index) const {
    if (Index < 0 || Index >= Count()) throw EListError("List index out of bounds (" + AnsiString(Index) + ")");
    return items_[static_cast<std::size_t>(Index)].get();
}

TTeeSeriesType* TTeeSeriesTypes::FindSeriesClass(TChartSeriesClass AClass) const {
    for (const auto& entry : items_)
        if (entry->SeriesClass == AClass && !entry->FunctionClass) return entry.get();
    return nullptr;
}

void RegisterTeeSeriesFunction(TChartSeriesClass ASeriesClass, TTeeFunctionClass AFunctionClass,
                               const AnsiString& Description, const AnsiString& GalleryPage, int NumGallerySeries) {
    TTeeSeriesTypesEditor::Add(ASeriesClass, AFunctionClass, Description, GalleryPage, NumGallerySeries);
}

void RegisterTeeSeries(TChartSeriesClass ASeriesClass, const AnsiString& Description, const AnsiString& GalleryPage,
                       int NumGallerySeries) {
    RegisterTeeSeriesFunction(ASeriesClass, nullptr, Description, GalleryPage, NumGallerySeries);
}

void RegisterTeeFunction(TTeeFunctionClass AFunctionClass, const AnsiString& Description,
                         const AnsiString& GalleryPage, int NumGallerySeries) {
    RegisterTeeSeriesFunction(nullptr, AFunctionClass, Description, GalleryPage, NumGallerySeries);
}

void RegisterTeeBasicFunction(TTeeFunctionClass AFunctionClass, const AnsiString& Description) {
    RegisterTeeFunction(AFunctionClass, Description, TeeMsgText(TeeMsg_GalleryFunctions), 2);
}

AnsiString GetTeeFunctionDescription(TTeeFunctionClass AFunctionClass) {
    TTeeSeriesTypes& types = TeeSeriesTypes();
    for (int i = 0; i < types.Count(); ++i)
        if (types.GetSeriesType(i)->FunctionClass == AFunctionClass) return types.GetSeriesType(i)->Description;
    return AnsiString();
}

void UnRegisterTeeSeries(std::initializer_list<TChartSeriesClass> SeriesList) {
    for (TChartSeriesClass c : SeriesList)
        TTeeSeriesTypesEditor::RemoveIf([c](const TTeeSeriesType& entry) { return entry.SeriesClass == c; });
}

void UnRegisterTeeFunctions(std::initializer_list<TTeeFunctionClass> FunctionList) {
    for (TTeeFunctionClass c : FunctionList)
        TTeeSeriesTypesEditor::RemoveIf([c](const TTeeSeriesType& entry) { return entry.FunctionClass == c; });
}

// ---- Making and copying --------------------------------------------------------------------

TChartSeries* CreateNewSeries(TComponent* AOwner, TCustomAxisPanel* AChart, TChartSeriesClass AClass,
                              TTeeFunctionClass AFunctionClass) {
    TComponent* owner = AOwner ? AOwner : AChart;
    TChartSeries* series = AClass->Create(owner);
    series->SetParentChart(AChart);
    series->SetName(TeeGetUniqueName(owner, "Series"));
    if (AFunctionClass) CreateNewTeeFunction(series, AFunctionClass);
    return series;
}

TTeeFunction* CreateNewTeeFunction(TChartSeries* ASeries, TTeeFunctionClass AClass) {
    TComponent* owner = ASeries->GetOwner();
    TTeeFunction* function = AClass->Create(owner);
    function->SetName(TeeGetUniqueName(owner, "TeeFunction"));
    function->SetParentSeries(ASeries);
    return function;
}

TChartSeries* CloneChartSeries(TChartSeries* ASeries) {
    TTeeFunction* function = ASeries->GetFunction();
    TTeeFunctionClass functionClass = function ? TTeeSeriesTypesEditor::FunctionClassOf(function) : nullptr;
    TChartSeries* copy = CreateNewSeries(ASeries->GetOwner(), ASeries->GetParentChart(),
                                         TTeeSeriesTypesEditor::SeriesClassOf(ASeries), functionClass);
    // Before the sources arrive, so that the copy calculates as the original.
    if (function) copy->GetFunction()->Assign(function);
    copy->Assign(ASeries);
    if (!copy->GetDataSource()) copy->AddValues(ASeries);
    return copy;
}

// ---- Changing the type -----------------------------------------------------------------------

namespace {

void AssignSeries(TChartSeries*& OldSeries, TChartSeries*& NewSeries) {
    TChartSeries* oldSeries = OldSeries;
    TChartSeries* newSeries = NewSeries;
    // Settings, the function (which moves), and the sources or the points.
    newSeries->Assign(oldSeries);
    newSeries->AfterDrawValues = oldSeries->AfterDrawValues;
    newSeries->BeforeDrawValues = oldSeries->BeforeDrawValues;
    newSeries->OnAfterAdd = oldSeries->OnAfterAdd;
    newSeries->OnBeforeAdd = oldSeries->OnBeforeAdd;
    newSeries->OnClearValues = oldSeries->OnClearValues;
    newSeries->OnClick = oldSeries->OnClick;
    newSeries->OnDblClick = oldSeries->OnDblClick;
    newSeries->OnGetMarkText = oldSeries->OnGetMarkText;
    const AnsiString name = oldSeries->GetName();
    // In a form editor a series without data shows sample points.
    const bool designing = oldSeries->GetComponentState().Contains(csDesigning);
    // The series fed by the old one are fed by the new one, in its place
    // among their sources.
    while (!oldSeries->GetLinkedSeries().empty())
        oldSeries->GetLinkedSeries().front()->ReplaceDataSource(oldSeries, newSeries);
    TCustomAxisPanel* chart = newSeries->GetParentChart();
    if (chart && oldSeries->GetParentChart() == chart) {
        const TChartSeriesList* list = chart->GetSeriesList();
        chart->ExchangeSeries(list->IndexOf(oldSeries), list->IndexOf(newSeries));
    }
    delete oldSeries;
    OldSeries = nullptr;
    newSeries->SetName(name);
    if (designing && !newSeries->GetDataSource()) newSeries->FillSampleValues(newSeries->NumSampleValues());
    newSeries->RefreshSeries();
}

}  // namespace

void ChangeSeriesType(TChartSeries*& ASeries, TChartSeriesClass AClass) {
    if (typeid(*ASeries) == *AClass->Type) return;
    TChartSeries* created = CreateNewSeries(ASeries->GetOwner(), ASeries->GetParentChart(), AClass);
    AssignSeries(ASeries, created);
    ASeries = created;
}

void ChangeAllSeriesType(TCustomAxisPanel* AChart, TChartSeriesClass AClass) {
    for (int i = 0; i < AChart->SeriesCount(); ++i) {
        TChartSeries* series = AChart->GetSeries(i);
        ChangeSeriesType(series, AClass);
    }
}
