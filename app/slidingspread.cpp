#include "app/slidingspread.h"

#include <cmath>

SlidingSpread::SlidingSpread(std::size_t count) : ring_(count), missing_(count) {}

void SlidingSpread::Push(double value, bool missing) {
    const std::size_t count = ring_.size();
    if (missing) value = 0;
    const std::size_t newest = next_ == 0 ? count - 1 : next_ - 1;
    sameRun_ = held_ > 0 && ring_[newest] == value && missing_[newest] == missing ? sameRun_ + 1 : 1;
    if (held_ < count) {
        ring_[next_] = value;
        missing_[next_] = missing;
        missingHeld_ += missing;
        sum_ += value;
        ++held_;
    } else {
        // Moving one value changes the squared deviations by
        // (new - old)(new - new mean + old - old mean), exactly, whatever the
        // other values are; so an update costs the same for any N.
        const double old = ring_[next_];
        const double oldMean = Mean();
        sum_ -= old;
        sum_ += value;
        squares_ += (value - old) * (value - Mean() + old - oldMean);
        if (squares_ < 0) squares_ = 0;
        missingHeld_ -= missing_[next_];
        ring_[next_] = value;
        missing_[next_] = missing;
        missingHeld_ += missing;
    }
    if (++next_ == count) {
        next_ = 0;
        // Once per turn of the ring the spread is summed afresh, so the
        // rounding of the updates never builds up beyond one turn's worth.
        SumSquaresAfresh();
    }
    if (sameRun_ >= count) squares_ = 0;
    // Values beyond the range of doubles' sums would spoil the running sums
    // for good; summed afresh they recover once those values have left.
    if (!std::isfinite(sum_) || !std::isfinite(squares_)) {
        sum_ = 0;
        for (std::size_t i = 0; i < held_; ++i) sum_ += ring_[i];
        if (Full()) SumSquaresAfresh();
    }
}

void SlidingSpread::SumSquaresAfresh() {
    const double mean = Mean();
    double squares = 0;
    for (double value : ring_) squares += (value - mean) * (value - mean);
    squares_ = squares;
}
