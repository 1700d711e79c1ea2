#include "app/indicators/slidingspread.h"

SlidingSpread::SlidingSpread(std::size_t count)
    : ring_(count), missing_(count), inverseCount_(1 / static_cast<double>(count)) {}

void SlidingSpread::TurnComplete() {
    next_ = 0;
    // Once per turn of the ring the spread is summed afresh, so the rounding
    // of the updates never builds up beyond one turn's worth.
    SumSquaresAfresh();
}

void SlidingSpread::SumAfresh() {
    // Values beyond the range of doubles' sums would spoil the running sums
    // for good; summed afresh they recover once those values have left.
    sum_ = 0;
    for (std::size_t i = 0; i < held_; ++i) sum_ += ring_[i];
    if (Full()) SumSquaresAfresh();
}

void SlidingSpread::SumSquaresAfresh() {
    const double mean = Mean();
    double squares = 0;
    for (double value : ring_) squares += (value - mean) * (value - mean);
    squares_ = squares;
}
