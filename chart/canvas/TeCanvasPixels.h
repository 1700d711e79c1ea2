#pragma once
// Rounding of the drawing surface's computed positions to pixels.

#include <climits>
#include <cmath>

// Nearest integer, halves to even (the default rounding mode). Positions
// beyond the integer range (an extreme zoom, say) stop at its ends instead of
// raising in the middle of a paint, and NaN gives 0.
inline int RoundPixel(long double X) {
    if (!(X == X)) return 0;
    if (X >= static_cast<long double>(INT_MAX)) return INT_MAX;
    if (X <= static_cast<long double>(INT_MIN)) return INT_MIN;
    return static_cast<int>(std::rint(X));
}

inline int RoundPixel(double X) {
    if (!(X == X)) return 0;
    if (X >= static_cast<double>(INT_MAX)) return INT_MAX;
    if (X <= static_cast<double>(INT_MIN)) return INT_MIN;
    return static_cast<int>(std::rint(X));
}

// A rounded position moved by a whole offset, stopping at the integer range.
inline int OffsetPixel(int Position, int Offset) {
    long long p = static_cast<long long>(Position) + Offset;
    return p > INT_MAX ? INT_MAX : p < INT_MIN ? INT_MIN : static_cast<int>(p);
}
