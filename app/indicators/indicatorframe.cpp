#include "app/indicators/indicatorframe.h"

#include <algorithm>

void requireIndicatorDays(bool valid) {
    if (!valid) throw EIndicatorDays(AnsiString(IndicatorDaysMessage));
}

std::span<const QuoteRecord> indicatorQuotes(const linkedList& series, std::size_t warmUp) {
    const std::size_t newest = static_cast<std::size_t>(series.EndMark);
    const std::size_t oldest = static_cast<std::size_t>(series.StartMark);
    const std::size_t older = static_cast<std::size_t>(series.Last()) - oldest;
    return series.Records().subspan(newest, oldest - newest + 1 + std::min(warmUp, older));
}
