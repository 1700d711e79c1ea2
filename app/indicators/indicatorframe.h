#pragma once
// What every indicator shares: the quotes it reads (the window and the older
// quotes its warm-up needs), the count of quotes it needs at least, the
// check of its day counts, and its points, one per window quote.

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "app/quotes/llist.h"
#include "platform/runtime/Exceptions.h"

// A day count outside what an indicator accepts.
VELMORA_EXCEPTION(EIndicatorDays, Exception)

constexpr int MaxIndicatorDays = 4000;
inline constexpr std::string_view IndicatorDaysMessage = "The number of days have to be between 1 and 4000.";

// 1 to 4000: the ring buffers of the indicators hold at most 4000 values.
constexpr bool indicatorDaysInRange(int days) { return days >= 1 && days <= MaxIndicatorDays; }
// Raises EIndicatorDays with IndicatorDaysMessage unless valid.
void requireIndicatorDays(bool valid);

// How many quotes older than the window an indicator reads at most (W), and
// how many quotes, window and older ones together, it needs at least (Q).
// Counted in 64 bits, so no day count overflows them; an indicator's needs
// raise EIndicatorDays, as its computation does, for days it does not take.
struct IndicatorNeeds {
    std::size_t WarmUp = 0;
    std::size_t Quotes = 0;
    bool MetBy(std::span<const QuoteRecord> quotes) const { return quotes.size() >= Quotes; }
};

// The quotes an indicator reads: the window of the series (EndMark to
// StartMark) and up to warmUp quotes older than it, as many as the series
// holds; newest first, as the series keeps them. The window must be set.
std::span<const QuoteRecord> indicatorQuotes(const linkedList& series, std::size_t warmUp);

// One line of an indicator: a point per window quote, oldest first, in two
// arrays a chart fill loop walks side by side. A null point holds 0 in Values
// and 1 in Null; no value is ever NaN or infinite.
struct IndicatorLine {
    std::vector<double> Values;
    std::vector<std::uint8_t> Null;

    IndicatorLine() = default;
    // count null points.
    explicit IndicatorLine(std::size_t count) : Values(count, 0.0), Null(count, 1) {}
    std::size_t Size() const { return Values.size(); }
    bool IsNull(std::size_t i) const { return Null[i] != 0; }
    // A value that left the range of doubles stays a null point.
    void Set(std::size_t i, double value) {
        if (!std::isfinite(value)) return;
        Values[i] = value;
        Null[i] = 0;
    }
};

// The quotes of one computation walked oldest first: step j = 0 is the
// oldest quote read, and steps from Skipped() on are window quotes, whose
// points are Line(j). A window count beyond the quotes is cut to them.
class IndicatorWalk {
public:
    IndicatorWalk(std::span<const QuoteRecord> quotes, std::size_t windowCount)
        : oldest_(quotes.empty() ? nullptr : &quotes.back()),
          steps_(quotes.size()),
          skipped_(quotes.size() - std::min(windowCount, quotes.size())) {}

    std::size_t Steps() const { return steps_; }
    std::size_t Skipped() const { return skipped_; }
    std::size_t WindowCount() const { return steps_ - skipped_; }
    const QuoteRecord& Quote(std::size_t j) const { return *(oldest_ - j); }
    double Close(std::size_t j) const { return (oldest_ - j)->Close; }
    // The closes of steps from to before to, added oldest first.
    double SumOfCloses(std::size_t from, std::size_t to) const {
        double sum = 0;
        for (std::size_t j = from; j < to; ++j) sum += Close(j);
        return sum;
    }
    // Sets the point of step j when it is a window quote.
    void Put(IndicatorLine& line, std::size_t j, double value) const {
        if (j >= skipped_) line.Set(j - skipped_, value);
    }

private:
    const QuoteRecord* oldest_;
    std::size_t steps_;
    std::size_t skipped_;
};
