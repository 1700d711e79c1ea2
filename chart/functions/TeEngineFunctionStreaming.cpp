// Functions in a form stream: stored inside the series they fill, with
// their period, its style and where results are placed.
#include "chart/control/ChartClasses.h"
#include "chart/functions/TeeFunci.h"
#include "chart/series/TeEngineSeries.h"
#include "platform/runtime/PublishedProperties.h"

TComponent* TTeeFunction::GetParentComponent() const { return parentSeries_; }

void TTeeFunction::SetParentComponent(TComponent* Value) {
    if (auto* series = dynamic_cast<TChartSeries*>(Value)) SetParentSeries(series);
}

void RegisterFunctionClasses() {
    TPublishedClassRegistrar<TTeeFunction, TComponent>("TTeeFunction", [](auto& p) {
        p.Float("Period", &TTeeFunction::GetPeriod, &TTeeFunction::SetPeriod)
            .Enumeration("PeriodAlign", &TTeeFunction::GetPeriodAlign, &TTeeFunction::SetPeriodAlign,
                         {"paFirst", "paCenter", "paLast"}, paCenter)
            .Enumeration("PeriodStyle", &TTeeFunction::GetPeriodStyle, &TTeeFunction::SetPeriodStyle,
                         {"psNumPoints", "psRange"}, psNumPoints);
    });
    TPublishedClassRegistrar<TAddTeeFunction, TTeeFunction>("TAddTeeFunction", [](auto&) {});
    TPublishedClassRegistrar<TSubtractTeeFunction, TTeeFunction>("TSubtractTeeFunction", [](auto&) {});
    TPublishedClassRegistrar<TMultiplyTeeFunction, TTeeFunction>("TMultiplyTeeFunction", [](auto&) {});
    TPublishedClassRegistrar<TDivideTeeFunction, TTeeFunction>("TDivideTeeFunction", [](auto&) {});
    TPublishedClassRegistrar<THighTeeFunction, TTeeFunction>("THighTeeFunction", [](auto&) {});
    TPublishedClassRegistrar<TLowTeeFunction, TTeeFunction>("TLowTeeFunction", [](auto&) {});
    TPublishedClassRegistrar<TAverageTeeFunction, TTeeFunction>("TAverageTeeFunction", [](auto&) {});
}
