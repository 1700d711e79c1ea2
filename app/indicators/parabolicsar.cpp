#include "app/indicators/parabolicsar.h"

#include <algorithm>

namespace {

constexpr double StepFactor = 0.02;
constexpr double MaxFactor = 0.2;

// What one quote hands to the next.
struct SarState {
    double Sar;
    bool Rising = true;
    double Factor = StepFactor;
    double ExtremeHigh;
    double ExtremeLow;
    double PreviousHigh;
    double PreviousLow;
    double HighBefore = 0;  // the quote before the previous one; read from the third quote on
    double LowBefore = 0;
};

// The point of a quote after the window's second. The reversal test sees the
// value before the clamp, and a new extreme raises the factor for the next
// quote only; comparisons are strict.
double nextSar(SarState& s, double high, double low, bool second) {
    double v = ((s.Rising ? s.ExtremeHigh : s.ExtremeLow) - s.Sar) * s.Factor + s.Sar;
    if (s.Rising && low < v) {
        s.Rising = false;
        v = s.ExtremeHigh;
        s.ExtremeLow = low;
        s.Factor = StepFactor;
    } else if (!s.Rising && high > v) {
        s.Rising = true;
        v = s.ExtremeLow;
        s.ExtremeHigh = high;
        s.Factor = StepFactor;
    } else if (!second) {
        if (s.Rising) {
            if (high > s.ExtremeHigh) {
                s.ExtremeHigh = high;
                s.Factor = std::min(s.Factor + StepFactor, MaxFactor);
            }
            v = std::min({v, s.PreviousLow, s.LowBefore});
        } else {
            if (low < s.ExtremeLow) {
                s.ExtremeLow = low;
                s.Factor = std::min(s.Factor + StepFactor, MaxFactor);
            }
            v = std::max({v, s.PreviousHigh, s.HighBefore});
        }
    }
    s.LowBefore = s.PreviousLow;
    s.HighBefore = s.PreviousHigh;
    s.PreviousLow = low;
    s.PreviousHigh = high;
    s.Sar = v;
    return v;
}

}  // namespace

IndicatorLine computeParabolicSar(std::span<const QuoteRecord> quotes, std::size_t windowCount) {
    const IndicatorWalk walk(quotes.first(std::min(windowCount, quotes.size())), windowCount);
    IndicatorLine line(walk.WindowCount());
    if (walk.Steps() == 0) return line;
    const QuoteRecord& first = walk.Quote(0);
    SarState state{.Sar = first.Close,
                   .ExtremeHigh = first.High,
                   .ExtremeLow = first.Low,
                   .PreviousHigh = first.High,
                   .PreviousLow = first.Low};
    line.Set(0, first.Close);
    for (std::size_t j = 1; j < walk.Steps(); ++j) {
        const QuoteRecord& quote = walk.Quote(j);
        line.Set(j, nextSar(state, quote.High, quote.Low, j == 1));
    }
    return line;
}
