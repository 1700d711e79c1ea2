// Every basic function against a plain computation over random sources
// (fixed seed): by groups of points, by x ranges with gaps, and point by
// point over several sources of different lengths.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <random>
#include <vector>

#include "../series/ChartTestSupport.h"
#include "chart/functions/TeeFunci.h"

namespace {

using TFold = std::function<double(const std::vector<double>&)>;

double Sum(const std::vector<double>& v) {
    double s = 0;
    for (double x : v) s += x;
    return s;
}

// A fold over one source's period; the many-source functions give 0 there.
struct PeriodCase {
    const char* name;
    TTeeFunction* (*make)(TComponent*);
    TFold expected;
};

template <class T>
TTeeFunction* Make(TComponent* Owner) {
    return new T(Owner);
}

const PeriodCase periodCases[] = {
    {"Add", &Make<TAddTeeFunction>, Sum},
    {"High", &Make<THighTeeFunction>, [](const auto& v) { return *std::max_element(v.begin(), v.end()); }},
    {"Low", &Make<TLowTeeFunction>, [](const auto& v) { return *std::min_element(v.begin(), v.end()); }},
    {"Average", &Make<TAverageTeeFunction>, [](const auto& v) { return Sum(v) / static_cast<double>(v.size()); }},
    {"Subtract", &Make<TSubtractTeeFunction>, [](const auto&) { return 0.0; }},
    {"Multiply", &Make<TMultiplyTeeFunction>, [](const auto&) { return 0.0; }},
    {"Divide", &Make<TDivideTeeFunction>, [](const auto&) { return 0.0; }},
};

struct Point {
    double x, y;
    bool operator==(const Point&) const = default;
};

std::vector<Point> Points(const TChartSeries* s) {
    std::vector<Point> result;
    for (int i = 0; i < s->Count(); ++i) result.push_back({s->GetxValue(i), s->GetyValue(i)});
    return result;
}

double Aligned(TFunctionPeriodAlign Align, double First, double Last) {
    return Align == paFirst ? First : Align == paLast ? Last : (First + Last) * 0.5;
}

// Whole groups of Round(Period) points, halves to even.
std::vector<Point> ByCount(const std::vector<Point>& Source, double Period, TFunctionPeriodAlign Align,
                           const TFold& F) {
    const auto n = static_cast<std::size_t>(std::nearbyint(Period));
    std::vector<Point> result;
    for (std::size_t first = 0; first + n <= Source.size(); first += n) {
        std::vector<double> ys;
        for (std::size_t i = first; i < first + n; ++i) ys.push_back(Source[i].y);
        result.push_back({Aligned(Align, Source[first].x, Source[first + n - 1].x), F(ys)});
    }
    return result;
}

// Ranges [start, start + Period) from the first x on; an empty one gives 0.
std::vector<Point> ByRange(const std::vector<Point>& Source, double Period, TFunctionPeriodAlign Align,
                           const TFold& F) {
    std::vector<Point> result;
    std::size_t placed = 0;
    for (double start = Source.front().x; placed < Source.size(); start += Period) {
        const double next = start + Period;
        std::vector<double> ys;
        for (const Point& p : Source)
            if (p.x >= start && p.x < next) ys.push_back(p.y);
        placed += ys.size();
        result.push_back({Aligned(Align, start, next - 0.001 * Period), ys.empty() ? 0 : F(ys)});
    }
    return result;
}

struct RandomFunctions : ::testing::Test, TChartOnForm {
    std::mt19937 rng{20240613};
    int Below(int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); }

    // Ascending x with equal neighbours and gaps now and then.
    std::vector<Point> RandomSource(int Count) {
        std::vector<Point> points;
        double x = Below(100) - 50;
        for (int i = 0; i < Count; ++i) {
            points.push_back({x, static_cast<double>(Below(2001) - 1000) / 4});
            x += Below(8) == 0 ? Below(20) : Below(3) * 0.5;
        }
        return points;
    }
};

TEST_F(RandomFunctions, ByPeriodEachFunctionMatchesAPlainComputation) {
    const TFunctionPeriodAlign aligns[] = {paFirst, paCenter, paLast};
    TChartSeries* source = NewSeries();
    for (const PeriodCase& c : periodCases) {
        TChartSeries* series = NewSeries();
        TTeeFunction* function = c.make(form);
        series->SetFunction(function);
        series->SetDataSource(source);
        for (int round = 0; round < 60; ++round) {
            const std::vector<Point> points = RandomSource(1 + Below(40));
            source->Clear();
            for (const Point& p : points) source->AddXY(p.x, p.y);
            const TFunctionPeriodAlign align = aligns[Below(3)];
            const bool range = Below(2) == 0;
            const double period = range ? 0.25 * (1 + Below(20)) : 1 + Below(8) + (Below(2) ? 0.5 : 0);
            // A quarter is a range only: the style goes first for a range and
            // last for a count.
            function->BeginUpdate();
            if (range) function->SetPeriodStyle(psRange);
            function->SetPeriod(period);
            function->SetPeriodStyle(range ? psRange : psNumPoints);
            function->SetPeriodAlign(align);
            function->EndUpdate();
            const std::vector<Point> expected = range ? ByRange(points, period, align, c.expected)
                                                      : ByCount(points, period, align, c.expected);
            ASSERT_EQ(Points(series), expected)
                << c.name << " round " << round << (range ? " range " : " count ") << period;
        }
    }
}

TEST_F(RandomFunctions, OverManySourcesEachFunctionMatchesAPlainComputation) {
    struct ManyCase {
        const char* name;
        TTeeFunction* (*make)(TComponent*);
        // The value at one index from the sources' values there (none where a
        // source has no point) in source order.
        std::function<double(const std::vector<const double*>&)> expected;
    };
    const auto fold = [](auto step) {
        return [step](const std::vector<const double*>& values) {
            double result = 0;
            bool first = true;
            for (const double* v : values) {
                if (!v) continue;
                result = first ? *v : step(result, *v);
                first = false;
            }
            return result;
        };
    };
    const auto extreme = [](auto better) {
        return [better](const std::vector<const double*>& values) {
            double result = 0;
            for (std::size_t i = 0; i < values.size(); ++i)
                if (values[i] && (i == 0 || better(*values[i], result))) result = *values[i];
            return result;
        };
    };
    const ManyCase cases[] = {
        {"Add", &Make<TAddTeeFunction>, fold([](double r, double v) { return r + v; })},
        {"High", &Make<THighTeeFunction>, extreme([](double v, double r) { return v > r; })},
        {"Low", &Make<TLowTeeFunction>, extreme([](double v, double r) { return v < r; })},
        {"Average", &Make<TAverageTeeFunction>,
         [](const std::vector<const double*>& values) {
             double sum = 0;
             int n = 0;
             for (const double* v : values) {
                 if (!v) continue;
                 sum += *v;
                 ++n;
             }
             return n ? sum / n : 0;
         }},
        {"Subtract", &Make<TSubtractTeeFunction>, fold([](double r, double v) { return r - v; })},
        {"Multiply", &Make<TMultiplyTeeFunction>, fold([](double r, double v) { return r * v; })},
        {"Divide", &Make<TDivideTeeFunction>, fold([](double r, double v) { return v == 0 ? r : r / v; })},
    };
    for (const ManyCase& c : cases) {
        for (int round = 0; round < 30; ++round) {
            const int sourceCount = 2 + Below(3);
            std::vector<std::vector<double>> values(static_cast<std::size_t>(sourceCount));
            std::vector<TChartSeries*> sources;
            for (auto& list : values) {
                sources.push_back(NewSeries());
                list.resize(static_cast<std::size_t>(Below(12)));
                for (double& v : list) sources.back()->Add(v = Below(11) - 5);
            }
            TChartSeries* series = NewSeries();
            series->SetFunction(c.make(form));
            for (TChartSeries* s : sources) series->AddDataSource(s);
            // Refilled by one of its sources: a point per point of that one.
            const auto trigger = static_cast<std::size_t>(Below(sourceCount));
            sources[trigger]->RefreshSeries();
            ASSERT_EQ(series->Count(), static_cast<int>(values[trigger].size())) << c.name;
            for (std::size_t t = 0; t < values[trigger].size(); ++t) {
                std::vector<const double*> at;
                for (const auto& list : values) at.push_back(t < list.size() ? &list[t] : nullptr);
                ASSERT_DOUBLE_EQ(series->GetyValue(static_cast<int>(t)), c.expected(at))
                    << c.name << " round " << round << " index " << t;
            }
            delete series;
            for (TChartSeries* s : sources) delete s;
        }
    }
}

}  // namespace
