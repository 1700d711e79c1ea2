#include "app/indicators/stochastic.h"

#include <cmath>
#include <functional>

IndicatorNeeds stochasticNeeds(int period, int kDays, int dDays) {
    requireIndicatorDays(stochasticDaysValid(period, kDays, dDays));
    const std::size_t all =
        static_cast<std::size_t>(period) + static_cast<std::size_t>(kDays) + static_cast<std::size_t>(dDays);
    return {all, all + 1};
}

namespace {

// The lowest (or highest) of the last N closes in amortised constant time: a
// queue, oldest first, of the closes that may still become the extreme, each
// strictly better than every older one it holds.
template <class Better>
class SlidingExtreme {
public:
    explicit SlidingExtreme(std::size_t count) : steps_(count), values_(count), span_(count) {}

    void Push(std::size_t step, double value) {
        if (held_ > 0 && steps_[head_] + span_ <= step) {
            Advance(head_);
            --held_;
        }
        while (held_ > 0) {
            std::size_t back = head_ + held_ - 1;
            if (back >= span_) back -= span_;
            if (Better()(values_[back], value)) break;
            --held_;
        }
        std::size_t slot = head_ + held_;
        if (slot >= span_) slot -= span_;
        steps_[slot] = step;
        values_[slot] = value;
        ++held_;
    }
    double Extreme() const { return values_[head_]; }

private:
    void Advance(std::size_t& slot) const {
        if (++slot == span_) slot = 0;
    }

    std::vector<std::size_t> steps_;
    std::vector<double> values_;
    std::size_t span_;
    std::size_t head_ = 0;
    std::size_t held_ = 0;
};

// The mean of the last N values, of which some may be null (held as 0); it
// is null while one of them is. Summed afresh once per turn of the ring, so
// rounding does not build up.
class SlidingMean {
public:
    explicit SlidingMean(std::size_t count) : values_(count), nulls_(count) {}

    void Push(double value, bool null) {
        if (null) value = 0;
        if (held_ == values_.size()) {
            sum_ -= values_[next_];
            nullsHeld_ -= nulls_[next_];
        } else {
            ++held_;
        }
        values_[next_] = value;
        nulls_[next_] = null;
        sum_ += value;
        nullsHeld_ += null;
        if (++next_ == values_.size()) {
            next_ = 0;
            sum_ = 0;
            for (double v : values_) sum_ += v;
        }
    }
    bool Full() const { return held_ == values_.size(); }
    bool IsNull() const { return nullsHeld_ > 0; }
    double Mean() const { return sum_ / static_cast<double>(values_.size()); }

private:
    std::vector<double> values_;
    std::vector<std::uint8_t> nulls_;
    std::size_t next_ = 0;
    std::size_t held_ = 0;
    std::size_t nullsHeld_ = 0;
    double sum_ = 0;
};

}  // namespace

StochasticLines computeStochastic(std::span<const QuoteRecord> quotes, std::size_t windowCount, int period,
                                  int kDays, int dDays) {
    requireIndicatorDays(stochasticDaysValid(period, kDays, dDays));
    const IndicatorWalk walk(quotes, windowCount);
    StochasticLines lines{IndicatorLine(walk.WindowCount()), IndicatorLine(walk.WindowCount())};
    const auto p = static_cast<std::size_t>(period);
    SlidingExtreme<std::less<double>> lowest(p);
    SlidingExtreme<std::greater<double>> highest(p);
    SlidingMean raw(static_cast<std::size_t>(kDays));
    SlidingMean smoothed(static_cast<std::size_t>(dDays));
    for (std::size_t j = 0; j < walk.Steps(); ++j) {
        const double close = walk.Close(j);
        lowest.Push(j, close);
        highest.Push(j, close);
        if (j + 1 < p) continue;
        const double lo = lowest.Extreme();
        const double range = highest.Extreme() - lo;
        const double position = range > 0 ? (close - lo) / range * 100 : 0;
        raw.Push(position, !(range > 0 && std::isfinite(position)));
        if (!raw.Full()) continue;
        smoothed.Push(raw.Mean(), raw.IsNull());
        if (!smoothed.Full()) continue;
        if (!raw.IsNull()) walk.Put(lines.K, j, raw.Mean());
        if (!smoothed.IsNull()) walk.Put(lines.D, j, smoothed.Mean());
    }
    return lines;
}
