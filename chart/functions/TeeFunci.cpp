// The basic functions: each reads the list the function is pointed at
// (ValueList), over a period of one source or across its parent's sources.
#include "chart/functions/TeeFunci.h"

#include <algorithm>

#include "chart/series/TeEngineSeries.h"

// ---- Sum ------------------------------------------------------------------------------------

double TAddTeeFunction::Calculate(TChartSeries* Source, int FirstIndex, int LastIndex) {
    TChartValueList* list = ValueList(Source);
    if (FirstIndex == -1) return list->GetTotal();
    double result = 0;
    for (int i = FirstIndex; i <= LastIndex; ++i) result += list->GetValue(i);
    return result;
}

double TAddTeeFunction::CalculateMany(const std::vector<TComponent*>& Sources, int ValueIndex) {
    double result = 0, v = 0;
    for (TComponent* source : Sources)
        if (SourceValue(source, ValueIndex, v)) result += v;
    return result;
}

// ---- Highest and lowest -----------------------------------------------------------------------

double THighTeeFunction::Calculate(TChartSeries* Source, int FirstIndex, int LastIndex) {
    TChartValueList* list = ValueList(Source);
    if (FirstIndex == -1) return list->GetMaxValue();
    double result = list->GetValue(FirstIndex);
    for (int i = FirstIndex + 1; i <= LastIndex; ++i) result = std::max(result, list->GetValue(i));
    return result;
}

double THighTeeFunction::CalculateMany(const std::vector<TComponent*>& Sources, int ValueIndex) {
    // Starts at 0, not at the first value found: only the first source's
    // value may lower it.
    double result = 0, v = 0;
    for (std::size_t i = 0; i < Sources.size(); ++i)
        if (SourceValue(Sources[i], ValueIndex, v) && (i == 0 || v > result)) result = v;
    return result;
}

double TLowTeeFunction::Calculate(TChartSeries* Source, int FirstIndex, int LastIndex) {
    TChartValueList* list = ValueList(Source);
    if (FirstIndex == -1) return list->GetMinValue();
    double result = list->GetValue(FirstIndex);
    for (int i = FirstIndex + 1; i <= LastIndex; ++i) result = std::min(result, list->GetValue(i));
    return result;
}

double TLowTeeFunction::CalculateMany(const std::vector<TComponent*>& Sources, int ValueIndex) {
    double result = 0, v = 0;
    for (std::size_t i = 0; i < Sources.size(); ++i)
        if (SourceValue(Sources[i], ValueIndex, v) && (i == 0 || v < result)) result = v;
    return result;
}

// ---- Average --------------------------------------------------------------------------------

double TAverageTeeFunction::Calculate(TChartSeries* Source, int FirstIndex, int LastIndex) {
    TChartValueList* list = ValueList(Source);
    if (FirstIndex == -1) return Source->Count() > 0 ? list->GetTotal() / Source->Count() : 0;
    double sum = 0;
    for (int i = FirstIndex; i <= LastIndex; ++i) sum += list->GetValue(i);
    return sum / (LastIndex - FirstIndex + 1);
}

double TAverageTeeFunction::CalculateMany(const std::vector<TComponent*>& Sources, int ValueIndex) {
    double sum = 0, v = 0;
    int counted = 0;
    for (TComponent* source : Sources) {
        if (!SourceValue(source, ValueIndex, v)) continue;
        sum += v;
        ++counted;
    }
    return counted > 0 ? sum / counted : 0;
}

// ---- Folds ------------------------------------------------------------------------------------

double TManySeriesTeeFunction::CalculateMany(const std::vector<TComponent*>& Sources, int ValueIndex) {
    double result = 0, v = 0;
    bool first = true;
    for (TComponent* source : Sources) {
        if (!SourceValue(source, ValueIndex, v)) continue;
        result = first ? v : CalculateValue(result, v);
        first = false;
    }
    return result;
}
