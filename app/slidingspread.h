#pragma once
// The mean and the spread of the last N values of a series, kept up to date
// in constant time as each new value pushes the oldest out: the Bollinger
// bands' closes and the historical volatility's returns. N equal values have
// no spread at all, not a trace of rounding left by the values before them.

#include <cstddef>
#include <cstdint>
#include <vector>

class SlidingSpread {
public:
    explicit SlidingSpread(std::size_t count);

    // Takes the next value; once N are held it replaces the oldest. A missing
    // value holds its place as 0 and leaves the window incomplete until it
    // has left.
    void Push(double value, bool missing = false);
    bool Full() const { return held_ == ring_.size(); }
    bool Complete() const { return Full() && missingHeld_ == 0; }
    // The running sum of the values held, and its mean over N.
    double Sum() const { return sum_; }
    double Mean() const { return sum_ / static_cast<double>(ring_.size()); }
    // The sum of the squared deviations of the values held from their mean;
    // never below 0.
    double SquaredDeviations() const { return squares_; }

private:
    void SumSquaresAfresh();

    std::vector<double> ring_;
    std::vector<std::uint8_t> missing_;
    std::size_t next_ = 0;
    std::size_t held_ = 0;
    std::size_t missingHeld_ = 0;
    std::size_t sameRun_ = 0;  // how many of the latest values equal the newest
    double sum_ = 0;
    double squares_ = 0;
};
