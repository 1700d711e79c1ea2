// Round, Trunc, MulDiv and the class library's random generator.
#include <climits>
#include <cmath>
#include <cstdint>

#include "platform/runtime/SysUtils.h"

namespace {

[[noreturn]] void RangeError() { throw ERangeError("Range check error"); }

// nearbyint follows the FPU's round-to-nearest: halves go to the even side.
double RoundHalfEven(double X) { return std::nearbyint(X); }

}  // namespace

int Round(double X) {
    double r = RoundHalfEven(X);
    if (!(r >= INT_MIN && r <= INT_MAX)) RangeError();
    return static_cast<int>(r);
}

long long Round64(double X) {
    double r = RoundHalfEven(X);
    // 2^63 itself is out of range; -2^63 is not.
    if (!(r >= -9223372036854775808.0 && r < 9223372036854775808.0)) RangeError();
    return static_cast<long long>(r);
}

int Trunc(double X) {
    double t = std::trunc(X);
    if (!(t >= INT_MIN && t <= INT_MAX)) RangeError();
    return static_cast<int>(t);
}

int MulDiv(int Number, int Numerator, int Denominator) {
    if (Denominator == 0) return -1;
    long long product = static_cast<long long>(Number) * Numerator;
    long long quotient = product / Denominator;
    long long remainder = product % Denominator;
    // Half away from zero: compare twice the remainder with the divisor.
    if (2 * std::llabs(remainder) >= std::llabs(static_cast<long long>(Denominator)))
        quotient += (product < 0) == (Denominator < 0) ? 1 : -1;
    if (quotient < INT_MIN || quotient > INT_MAX) return -1;
    return static_cast<int>(quotient);
}

std::uint32_t RandSeed = 0;

static std::uint32_t NextSeed() {
    RandSeed = RandSeed * 134775813u + 1u;
    return RandSeed;
}

int Random(int Range) {
    std::uint64_t seed = NextSeed();
    if (Range <= 0) return 0;
    return static_cast<int>((seed * static_cast<std::uint64_t>(Range)) >> 32);
}

double Random() { return NextSeed() / 4294967296.0; }
