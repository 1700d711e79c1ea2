// A long random run of adds, null points, deletes, sorts and clears,
// checked after every step against a plain list of points.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>
#include <tuple>
#include <vector>

#include "chart/series/TeEngineSeries.h"

namespace {

struct TPoint5 {
    double x, y;
    AnsiString label;
    TColor color;
    friend bool operator==(const TPoint5&, const TPoint5&) = default;
    friend bool operator<(const TPoint5& a, const TPoint5& b) {
        return std::tie(a.x, a.y, a.label, a.color) < std::tie(b.x, b.y, b.label, b.color);
    }
};

// The series as a list of points, a point's colour as it was given.
std::vector<TPoint5> Read(const TChartSeries& s) {
    std::vector<TPoint5> result;
    for (int i = 0; i < s.Count(); ++i)
        result.push_back({s.GetxValue(i), s.GetyValue(i), s.GetXLabel(i), s.GetValueColor(i)});
    return result;
}

// Where an ordered X list puts x: after every point whose X is not greater.
int InsertAt(const std::vector<TPoint5>& Model, double x) {
    auto it = std::upper_bound(Model.begin(), Model.end(), x, [](double v, const TPoint5& p) { return v < p.x; });
    return static_cast<int>(it - Model.begin());
}

// After a sort the order of equal keys is the sort's own: the result must
// be a reordering of the same points, ordered by the key.
void ExpectSortedReordering(std::vector<TPoint5> Before, const std::vector<TPoint5>& After, bool ByX) {
    ASSERT_EQ(Before.size(), After.size());
    for (std::size_t i = 1; i < After.size(); ++i)
        ASSERT_LE(ByX ? After[i - 1].x : After[i - 1].y, ByX ? After[i].x : After[i].y) << i;
    auto sortedAfter = After;
    std::sort(Before.begin(), Before.end());
    std::sort(sortedAfter.begin(), sortedAfter.end());
    ASSERT_EQ(Before, sortedAfter);
}

TEST(SeriesRandom, MatchesAPlainListOfPoints) {
    TChartSeries series(nullptr);
    constexpr TColor seriesColor = clPurple;
    series.SetSeriesColor(seriesColor);
    std::vector<TPoint5> model;
    std::mt19937 random(20261207);
    auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    const TColor colors[] = {DefaultPointColor, clRed, clBlue, clNone};

    for (int step = 0; step < 4000; ++step) {
        const int what = pick(100);
        if (what < 35) {
            const double y = pick(1000) - 500;
            const AnsiString label = pick(3) == 0 ? "L" + AnsiString(step) : AnsiString();
            const TColor color = colors[pick(4)];
            const double x = model.size();
            const int at = InsertAt(model, x);
            ASSERT_EQ(series.Add(y, label, color), at);
            model.insert(model.begin() + at, {x, y, label, color == DefaultPointColor ? seriesColor : color});
        } else if (what < 70) {
            const double x = pick(40), y = pick(100);
            const int at = InsertAt(model, x);
            ASSERT_EQ(series.AddXY(x, y, "", clRed), at);
            model.insert(model.begin() + at, {x, y, "", clRed});
        } else if (what < 78) {
            const double x = model.size();
            const int at = InsertAt(model, x);
            ASSERT_EQ(series.AddNull("n"), at);
            model.insert(model.begin() + at, {x, 0, "n", clNone});
        } else if (what < 95) {
            if (model.empty()) continue;
            const int at = pick(static_cast<int>(model.size()));
            series.Delete(at);
            model.erase(model.begin() + at);
        } else if (what < 99) {
            // By Y, then back into X order, as a chart re-sorting its points.
            TChartValueList* y = series.GetYValues();
            y->SetOrder(loAscending);
            y->Sort();
            y->SetOrder(loNone);
            auto sorted = Read(series);
            ExpectSortedReordering(model, sorted, false);
            series.GetXValues()->Sort();
            model = sorted;
            sorted = Read(series);
            ExpectSortedReordering(model, sorted, true);
            model = sorted;
        } else {
            series.Clear();
            model.clear();
        }
        ASSERT_EQ(Read(series), model) << "step " << step;
        if (!model.empty()) {
            double lo = model[0].y, hi = model[0].y, total = 0;
            for (const TPoint5& p : model) {
                lo = std::min(lo, p.y);
                hi = std::max(hi, p.y);
                total += p.y;
            }
            ASSERT_EQ(series.GetYValues()->GetMinValue(), lo);
            ASSERT_EQ(series.GetYValues()->GetMaxValue(), hi);
            ASSERT_EQ(series.GetYValues()->GetTotal(), total);
            ASSERT_EQ(series.MinXValue(), model.front().x);
            ASSERT_EQ(series.MaxXValue(), model.back().x);
        }
    }
}

}  // namespace
