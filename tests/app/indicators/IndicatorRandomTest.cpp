// The running computations against a naive one that sums every point's own
// span of closes afresh (and the exponential averages as explicit weighted
// sums), on random closes with flat stretches, random windows and counts.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

#include "app/indicators/IndicatorTable.h"
#include "app/indicators/IndicatorTestSupport.h"

namespace {

// Points of every step read, oldest first; the window is the tail.
using Naive = std::vector<std::optional<double>>;

double mean(const std::vector<double>& v, std::size_t end, std::size_t count) {
    double sum = 0;
    for (std::size_t i = end - count; i < end; ++i) sum += v[i];
    return sum / static_cast<double>(count);
}

// Squared deviations from the mean of values [end - count, end).
double squares(const std::vector<double>& v, std::size_t end, std::size_t count) {
    const double m = mean(v, end, count);
    double sum = 0;
    for (std::size_t i = end - count; i < end; ++i) sum += (v[i] - m) * (v[i] - m);
    return sum;
}

Naive movingAverage(const std::vector<double>& c, std::size_t n) {
    Naive out(c.size());
    for (std::size_t j = n - 1; j < c.size(); ++j) out[j] = mean(c, j + 1, n);
    return out;
}

Naive momentum(const std::vector<double>& c, std::size_t n) {
    Naive out(c.size());
    for (std::size_t j = n; j < c.size(); ++j) out[j] = c[j] / c[j - n] * 100;
    return out;
}

// Seeded with the mean of the first n of values[from...], the first value
// one later; written out as a weighted sum of the seed and the later values.
Naive expAverage(const std::vector<double>& values, std::size_t from, std::size_t n, double alpha) {
    Naive out(values.size());
    if (values.size() <= from + n) return out;
    const double seed = mean(values, from + n, n);
    for (std::size_t j = from + n; j < values.size(); ++j) {
        double sum = std::pow(1 - alpha, static_cast<double>(j - from - n + 1)) * seed;
        for (std::size_t i = from + n; i <= j; ++i) sum += alpha * std::pow(1 - alpha, static_cast<double>(j - i)) * values[i];
        out[j] = sum;
    }
    return out;
}

std::pair<Naive, Naive> macd(const std::vector<double>& c) {
    Naive line(c.size()), signal(c.size());
    if (c.size() <= 35) return {line, signal};
    const Naive e12 = expAverage(c, 0, 12, 2.0 / 13);
    const Naive e26 = expAverage(c, 0, 26, 2.0 / 27);
    std::vector<double> m(c.size());
    for (std::size_t j = 26; j < c.size(); ++j) m[j] = *e12[j] - *e26[j];
    const Naive s = expAverage(m, 26, 9, 0.2);
    for (std::size_t j = 35; j < c.size(); ++j) {
        line[j] = m[j];
        signal[j] = s[j];
    }
    return {line, signal};
}

// Wilder's averages as weighted sums of the gains or losses.
Naive rsi(const std::vector<double>& c, std::size_t n) {
    Naive out(c.size());
    const double keep = (n - 1.0) / n;
    for (std::size_t j = n - 1; j < c.size(); ++j) {
        double up = 0, down = 0;
        for (std::size_t i = 1; i < c.size() && i <= j; ++i) {
            const double change = c[i] - c[i - 1];
            const double weight = i < n ? std::pow(keep, static_cast<double>(j - n + 1)) / n
                                        : std::pow(keep, static_cast<double>(j - i)) / n;
            (change > 0 ? up : down) += weight * std::abs(change);
        }
        if (up + down > 0) out[j] = up / (up + down) * 100;
    }
    return out;
}

std::pair<Naive, Naive> stochastic(const std::vector<double>& c, std::size_t p, std::size_t k, std::size_t d) {
    const auto rawAt = [&](std::size_t j) -> std::optional<double> {
        const auto [lo, hi] = std::minmax_element(c.begin() + static_cast<long>(j + 1 - p), c.begin() + static_cast<long>(j + 1));
        if (*hi == *lo) return std::nullopt;
        return (c[j] - *lo) / (*hi - *lo) * 100;
    };
    const auto smoothedAt = [&](std::size_t j) -> std::optional<double> {
        double sum = 0;
        for (std::size_t i = j + 1 - k; i <= j; ++i) {
            const auto raw = rawAt(i);
            if (!raw) return std::nullopt;
            sum += *raw;
        }
        return sum / static_cast<double>(k);
    };
    Naive lineK(c.size()), lineD(c.size());
    for (std::size_t j = p + k + d - 3; j < c.size(); ++j) {
        lineK[j] = smoothedAt(j);
        double sum = 0;
        bool null = false;
        for (std::size_t i = j + 1 - d; i <= j; ++i) {
            const auto s = smoothedAt(i);
            null = null || !s;
            sum += s.value_or(0);
        }
        if (!null) lineD[j] = sum / static_cast<double>(d);
    }
    return {lineK, lineD};
}

Naive priceOscillator(const std::vector<double>& c, std::size_t a, std::size_t b, bool percent) {
    Naive out(c.size());
    for (std::size_t j = a + b - 1; j < c.size(); ++j) {
        const double ma1 = mean(c, j + 1, a), ma2 = mean(c, j + 1, b);
        out[j] = percent ? (ma1 - ma2) / ma1 * 100 : ma1 - ma2;
    }
    return out;
}

std::vector<Naive> bollinger(const std::vector<double>& c, std::size_t n) {
    std::vector<Naive> out(3, Naive(c.size()));
    for (std::size_t j = n - 1; j < c.size(); ++j) {
        const double m = mean(c, j + 1, n);
        const double width = 2 * std::sqrt(squares(c, j + 1, n) / static_cast<double>(n));
        out[0][j] = m + width;
        out[1][j] = m;
        out[2][j] = m - width;
    }
    return out;
}

Naive volatility(const std::vector<double>& c, std::size_t n, int periods) {
    Naive out(c.size());
    std::vector<double> returns(c.size());
    for (std::size_t j = 1; j < c.size(); ++j) returns[j] = std::log(c[j] / c[j - 1]);
    for (std::size_t j = n; j < c.size() && n > 1; ++j)
        out[j] = std::sqrt(squares(returns, j + 1, n) / static_cast<double>(n - 1)) * std::sqrt(periods) * 100;
    return out;
}

// The window's points: the tail of the naive points of every step.
void expectSame(const IndicatorLine& line, const Naive& naive, double scale) {
    ASSERT_LE(line.Size(), naive.size());
    const std::size_t skipped = naive.size() - line.Size();
    for (std::size_t i = 0; i < line.Size(); ++i) {
        const std::optional<double>& expected = naive[skipped + i];
        ASSERT_EQ(line.IsNull(i), !expected) << "point " << i;
        if (expected) {
            EXPECT_NEAR(line.Values[i], *expected, 1e-9 * std::max(scale, std::abs(*expected))) << "point " << i;
        }
    }
}

TEST(IndicatorRandom, RunningComputationsMatchNaiveOnes) {
    std::mt19937 random(20240611);
    const auto uniform = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); };
    for (int trial = 0; trial < 120; ++trial) {
        SCOPED_TRACE("trial " + std::to_string(trial));
        // A random walk of closes between about 5 and 500 that now and then
        // stands still for a while.
        std::vector<double> closes{std::uniform_real_distribution<double>(20, 200)(random)};
        const int count = uniform(1, 160);
        while (static_cast<int>(closes.size()) < count) {
            const double last = closes.back();
            if (uniform(0, 9) == 0) {
                closes.insert(closes.end(), static_cast<std::size_t>(uniform(1, 6)), last);
            } else {
                closes.push_back(std::clamp(last * std::exp(std::normal_distribution<double>(0, 0.03)(random)), 5.0, 500.0));
            }
        }
        closes.resize(static_cast<std::size_t>(count));
        const std::vector<QuoteRecord> quotes = quotesFromCloses(closes);
        const std::size_t window = static_cast<std::size_t>(uniform(1, count));
        const int n = uniform(1, 25), a = uniform(1, 12), b = uniform(1, 12), p = uniform(1, 9), k = uniform(1, 5),
                  d = uniform(1, 5);
        const auto un = static_cast<std::size_t>(n);

        expectSame(computeMovingAverage(quotes, window, n), movingAverage(closes, un), 100);
        expectSame(computeExpMovingAverage(quotes, window, n), expAverage(closes, 0, un, 2.0 / (n + 1)), 100);
        const auto [macdLine, signalLine] = macd(closes);
        const MacdLines m = computeMacd(quotes, window);
        expectSame(m.Macd, macdLine, 100);
        expectSame(m.Signal, signalLine, 100);
        expectSame(computeMomentum(quotes, window, n), momentum(closes, un), 100);
        expectSame(computeRsi(quotes, window, n), rsi(closes, un), 100);
        const auto [lineK, lineD] =
            stochastic(closes, static_cast<std::size_t>(p), static_cast<std::size_t>(k), static_cast<std::size_t>(d));
        const StochasticLines s = computeStochastic(quotes, window, p, k, d);
        expectSame(s.K, lineK, 100);
        expectSame(s.D, lineD, 100);
        const bool percent = uniform(0, 1) == 1;
        expectSame(computePriceOscillator(quotes, window, a, b, percent),
                   priceOscillator(closes, static_cast<std::size_t>(a), static_cast<std::size_t>(b), percent), 100);
        const std::vector<Naive> bands = bollinger(closes, un);
        const BollingerLines bb = computeBollingerBands(quotes, window, n);
        expectSame(bb.Upper, bands[0], 100);
        expectSame(bb.Middle, bands[1], 100);
        expectSame(bb.Lower, bands[2], 100);
        expectSame(computeHistoricalVolatility(quotes, window, n, 52), volatility(closes, un, 52), 100);
    }
}

}  // namespace
