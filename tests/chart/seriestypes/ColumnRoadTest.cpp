// The column road gives the picture drawing every point gives: random
// series of every type that takes it (lines, fast lines, areas, bars,
// candles, volume) with nulls, runs of equal values and points beyond the
// chart's edges, flat and in 3-D, drawn both ways and compared pixel by pixel.
#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>

#include "chart/seriestypes/CandleCh.h"
#include "chart/seriestypes/Series.h"
#include "chart/seriestypes/SeriesBar.h"
#include "chart/seriestypes/SeriesFastLine.h"
#include "tests/chart/control/ChartControlTestSupport.h"

namespace {

constexpr int kWidth = 400, kHeight = 300;

// The same series type drawn point by point.
template <class T>
class TEveryPoint : public T {
public:
    using T::T;
    TChartSeries::TColumnRoad ColumnRoad() const override { return TChartSeries::crNone; }
};

// A random walk with runs of equal values, nulls, spikes far beyond the
// vertical range and X reaching past both ends of the horizontal range.
struct TRandomData {
    struct TPoint4 {
        double x, open, high, low, close;
        bool null;
    };
    std::vector<TPoint4> points;
    double xMin = 0, xMax = 0, yMin = 0, yMax = 0;

    TRandomData(int Count, unsigned Seed) {
        std::mt19937 random(Seed);
        std::uniform_real_distribution<double> step(-1, 1), unit(0, 1);
        double y = 100;
        for (int i = 0; i < Count; ++i) {
            const double u = unit(random);
            if (u > 0.3) y += step(random);  // else a run of equal values
            double v = y;
            if (u < 0.003) v = y + (u < 0.0015 ? 1e6 : -1e6);  // beyond the range
            const double close = v + step(random), high = std::max(v, close) + unit(random);
            points.push_back({static_cast<double>(i), v, high, std::min(v, close) - unit(random), close, u > 0.99});
            yMin = i == 0 ? y : std::min(yMin, y);
            yMax = i == 0 ? y : std::max(yMax, y);
        }
        // Beyond the edges on both sides, and a little room above and below.
        xMin = Count * 0.05;
        xMax = Count * 0.95;
        yMin -= 3;
        yMax += 3;
    }
};

using TFill = std::function<void(TChartSeries*, const TRandomData&)>;

void FillXY(TChartSeries* Series, const TRandomData& Data) {
    for (const auto& p : Data.points) Series->AddXY(p.x, p.open, "", p.null ? clNone : DefaultPointColor);
}

void FillCandles(TChartSeries* Series, const TRandomData& Data) {
    auto* candles = static_cast<TCandleSeries*>(Series);
    for (const auto& p : Data.points) {
        const int i = candles->AddCandle(p.x, p.open, p.high, p.low, p.close);
        if (p.null) candles->SetValueColor(i, clNone);
    }
}

void FillVolumes(TChartSeries* Series, const TRandomData& Data) {
    for (const auto& p : Data.points)
        Series->AddXY(p.x, p.open - Data.yMin, "", p.null ? clNone : p.close > p.open ? clGreen : clRed);
}

// Draws one series of the type on a fixed range and returns the picture's pixels.
std::vector<std::uint32_t> Picture(TChartSeries* Series, const TFill& Fill, const TRandomData& Data, bool View3D,
                                   TChartControlOnForm& On) {
    On.chart->SetView3D(View3D);
    Series->SetParentChart(On.chart);
    Series->GetMarks()->SetVisible(false);
    Fill(Series, Data);
    On.chart->GetBottomAxis()->SetMinMax(Data.xMin, Data.xMax);
    const bool volume = dynamic_cast<TVolumeSeries*>(Series) != nullptr;
    On.chart->GetLeftAxis()->SetMinMax(volume ? 0 : Data.yMin, volume ? Data.yMax - Data.yMin : Data.yMax);
    return On.Pixels(kWidth, kHeight);
}

struct TRoadCase {
    std::string name;
    std::function<TChartSeries*(TComponent*, bool EveryPoint)> make;
    TFill fill;
};

template <class T>
std::function<TChartSeries*(TComponent*, bool)> Maker(std::function<void(T*)> Setup = nullptr) {
    return [Setup](TComponent* Owner, bool EveryPoint) -> TChartSeries* {
        T* series = EveryPoint ? new TEveryPoint<T>(Owner) : new T(Owner);
        if (Setup) Setup(series);
        return series;
    };
}

std::vector<TRoadCase> RoadCases() {
    return {
        {"line", Maker<TLineSeries>(), FillXY},
        {"fast line", Maker<TFastLineSeries>(), FillXY},
        {"area", Maker<TAreaSeries>(), FillXY},
        {"area, hidden outline", Maker<TAreaSeries>([](TAreaSeries* s) { s->GetAreaLinesPen()->SetVisible(false); }),
         FillXY},
        {"bar", Maker<TBarSeries>(), FillVolumes},
        {"candle", Maker<TCandleSeries>(), FillCandles},
        {"candle, width 0", Maker<TCandleSeries>([](TCandleSeries* s) { s->SetCandleWidth(0); }), FillCandles},
        {"volume", Maker<TVolumeSeries>(), FillVolumes},
    };
}

TEST(ColumnRoadTest, GivesThePixelsOfEveryPointDrawn) {
    for (const TRoadCase& c : RoadCases())
        for (int count : {100, 1000, 30000, 100000})
            for (bool view3D : {false, true}) {
                if (view3D && count > 1000) continue;  // the road is flat only: 3-D draws every point anyway
                SCOPED_TRACE(c.name + ", " + std::to_string(count) + (view3D ? " points, 3-D" : " points"));
                const TRandomData data(count, static_cast<unsigned>(count) * 7 + (view3D ? 1 : 0));
                TChartControlOnForm road(kWidth, kHeight), every(kWidth, kHeight);
                const auto expected = Picture(c.make(every.form, true), c.fill, data, view3D, every);
                TChartSeries* series = c.make(road.form, false);
                const auto actual = Picture(series, c.fill, data, view3D, road);
                EXPECT_EQ(series->ColumnRoad() == TChartSeries::crNone, view3D) << "the road is flat only";
                int differing = 0, first = -1;
                for (std::size_t i = 0; i < actual.size(); ++i)
                    if (actual[i] != expected[i] && differing++ == 0) first = static_cast<int>(i);
                EXPECT_EQ(differing, 0) << "first at x " << first % kWidth << ", y " << first / kWidth;
            }
}

// The road leaves points out: a column of many points draws a few.
TEST(ColumnRoadTest, DrawsAFewPointsPerColumn) {
    struct TCountingLine : TLineSeries {
        using TLineSeries::TLineSeries;
        void DrawValue(int ValueIndex) override {
            ++drawn;
            TLineSeries::DrawValue(ValueIndex);
        }
        int drawn = 0;
    };
    TChartControlOnForm on(kWidth, kHeight);
    auto* line = new TCountingLine(on.form);
    line->SetParentChart(on.chart);
    for (int i = 0; i < 100000; ++i) line->AddXY(i, i % 97);
    TBitmap picture;
    picture.SetSize(kWidth, kHeight);
    on.chart->Draw(picture.GetCanvas(), TRect(0, 0, kWidth, kHeight));
    EXPECT_GT(line->drawn, 0);
    EXPECT_LE(line->drawn, 4 * kWidth);
}

}  // namespace
