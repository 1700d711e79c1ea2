#pragma once
// The mean and the spread of the last N values of a series, kept up to date
// in constant time as each new value pushes the oldest out: the Bollinger
// bands' closes and the historical volatility's returns. N equal values have
// no spread at all, not a trace of rounding left by the values before them.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <vector>

class SlidingSpread {
public:
    explicit SlidingSpread(std::size_t count);

    // Takes the next value; once N are held it replaces the oldest. A missing
    // value holds its place as 0 and leaves the window incomplete until it
    // has left. Inline: it runs once per quote.
    void Push(double value, bool missing = false) {
        if (missing) value = 0;
        sameRun_ = held_ > 0 && value == newest_ && missing == newestMissing_ ? sameRun_ + 1 : 1;
        newest_ = value;
        newestMissing_ = missing;
        if (held_ < ring_.size()) {
            ++held_;
            sum_ += value;
        } else {
            // Moving one value changes the squared deviations by
            // (new - old)(new - new mean + old - old mean), whatever the other
            // values are; the two means differ by (new - old) / N.
            const double old = ring_[next_];
            const double oldMean = Mean();
            sum_ -= old;
            sum_ += value;
            const double change = value - old;
            squares_ += change * (change + 2 * (old - oldMean) - change * inverseCount_);
            if (squares_ < 0) squares_ = 0;
            missingHeld_ -= missing_[next_];
        }
        ring_[next_] = value;
        missing_[next_] = missing;
        missingHeld_ += missing;
        if (++next_ == ring_.size()) TurnComplete();
        if (sameRun_ >= ring_.size()) squares_ = 0;
        if (!std::isfinite(sum_) || !std::isfinite(squares_)) SumAfresh();
    }
    bool Full() const { return held_ == ring_.size(); }
    bool Complete() const { return Full() && missingHeld_ == 0; }
    // The mean over N of the running sum of the values held.
    double Mean() const { return sum_ / static_cast<double>(ring_.size()); }
    // The sum of the squared deviations of the values held from their mean;
    // never below 0.
    double SquaredDeviations() const { return squares_; }

private:
    void TurnComplete();
    void SumAfresh();
    void SumSquaresAfresh();

    std::vector<double> ring_;
    std::vector<std::uint8_t> missing_;
    double inverseCount_;
    std::size_t next_ = 0;
    std::size_t held_ = 0;
    std::size_t missingHeld_ = 0;
    std::size_t sameRun_ = 0;  // how many of the latest values equal the newest
    double newest_ = 0;
    bool newestMissing_ = false;
    double sum_ = 0;
    double squares_ = 0;
};
