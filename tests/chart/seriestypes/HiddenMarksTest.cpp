// Leaving out the marks that later marks hide gives the picture drawing
// every mark gives: random series with equal values, zeros, nulls and some
// labels, marks of several looks, flat and in 3-D, drawn both ways (a text
// handler makes every mark draw) and compared pixel by pixel.
#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>

#include "chart/seriestypes/Series.h"
#include "chart/seriestypes/SeriesBar.h"
#include "chart/seriestypes/SeriesPie.h"
#include "tests/chart/control/ChartControlTestSupport.h"

namespace {

constexpr int kWidth = 400, kHeight = 300;

// Counts the marks drawn.
template <class T>
class TCounting : public T {
public:
    using T::T;
    void DrawMark(int ValueIndex, const AnsiString& St, TSeriesMarkPosition& APosition) override {
        ++drawn;
        T::DrawMark(ValueIndex, St, APosition);
    }
    int drawn = 0;
};

void Fill(TChartSeries* Series, int Count, unsigned Seed) {
    std::mt19937 random(Seed);
    std::uniform_int_distribution<int> value(0, 40), kind(0, 99);
    for (int i = 0; i < Count; ++i) {
        const int k = kind(random);
        // Few distinct values, so that equal values abound; a few zeros,
        // nulls and labelled points.
        const double v = k < 3 ? 0 : value(random) * 250.0;
        Series->AddXY(i, v, k == 3 ? AnsiString("Peak") : AnsiString(), k == 4 ? clNone : DefaultPointColor);
    }
}

struct TMarksCase {
    std::string name;
    std::function<TChartSeries*(TComponent*)> make;
    std::function<void(TSeriesMarks*)> style;
};

template <class T>
std::function<TChartSeries*(TComponent*)> Maker() {
    return [](TComponent* Owner) -> TChartSeries* { return new TCounting<T>(Owner); };
}

int Drawn(TChartSeries* S) {
    if (auto* bar = dynamic_cast<TCounting<TBarSeries>*>(S)) return bar->drawn;
    if (auto* line = dynamic_cast<TCounting<TLineSeries>*>(S)) return line->drawn;
    if (auto* pie = dynamic_cast<TCounting<TPieSeries>*>(S)) return pie->drawn;
    return -1;
}

std::vector<std::uint32_t> Picture(const TMarksCase& Case, int Count, bool View3D, bool EveryMark, int* Drawn_) {
    TChartControlOnForm on(kWidth, kHeight);
    on.chart->SetView3D(View3D);
    TChartSeries* series = Case.make(on.form);
    series->SetParentChart(on.chart);
    series->GetMarks()->SetVisible(true);
    if (Case.style) Case.style(series->GetMarks());
    if (EveryMark) series->OnGetMarkText = [](TChartSeries*, int, AnsiString&) {};
    Fill(series, Count, static_cast<unsigned>(Count) * 3 + (View3D ? 1 : 0));
    auto pixels = on.Pixels(kWidth, kHeight);
    *Drawn_ = Drawn(series);
    return pixels;
}

std::vector<TMarksCase> MarksCases() {
    return {
        {"bar", Maker<TBarSeries>(), nullptr},
        {"bar, bold font, no arrow",
         Maker<TBarSeries>(),
         [](TSeriesMarks* m) {
             m->GetFont()->SetStyle(TFontStyles() << fsBold);
             m->GetArrow()->SetVisible(false);
         }},
        {"bar, wide dotted arrow, values",
         Maker<TBarSeries>(),
         [](TSeriesMarks* m) {
             m->GetArrow()->SetWidth(3);
             m->GetArrow()->SetStyle(psDot);
             m->SetStyle(smsValue);
         }},
        {"bar, clipped to the chart", Maker<TBarSeries>(), [](TSeriesMarks* m) { m->SetClip(true); }},
        {"line, two-line marks", Maker<TLineSeries>(), [](TSeriesMarks* m) { m->SetStyle(smsLabelValue); }},
        {"line, large serif font", Maker<TLineSeries>(),
         [](TSeriesMarks* m) {
             m->GetFont()->SetName("Times New Roman");
             m->GetFont()->SetSize(16);
         }},
        {"pie", Maker<TPieSeries>(), nullptr},
        {"pie, percent", Maker<TPieSeries>(), [](TSeriesMarks* m) { m->SetStyle(smsPercent); }},
    };
}

class HiddenMarksTest : public ::testing::TestWithParam<std::size_t> {};

TEST_P(HiddenMarksTest, GiveThePixelsOfEveryMarkDrawn) {
    const TMarksCase c = MarksCases()[GetParam()];
    for (int count : {100, 1000, 10000, 100000})
        for (bool view3D : {false, true}) {
            // The long series once: drawing every mark is slow.
            if ((view3D && count > 1000) || (count > 10000 && c.name != "bar")) continue;
            SCOPED_TRACE(c.name + ", " + std::to_string(count) + (view3D ? " points, 3-D" : " points"));
            int drawnEvery = 0, drawn = 0;
            const auto expected = Picture(c, count, view3D, true, &drawnEvery);
            const auto actual = Picture(c, count, view3D, false, &drawn);
            int differing = 0, first = -1;
            for (std::size_t i = 0; i < actual.size(); ++i)
                if (actual[i] != expected[i] && differing++ == 0) first = static_cast<int>(i);
            EXPECT_EQ(differing, 0) << "first at x " << first % kWidth << ", y " << first / kWidth;
            // Many marks on few pixels: most are hidden and left out.
            if (count >= (c.name.rfind("pie", 0) == 0 ? 10000 : 100000)) {
                EXPECT_LT(drawn * 4, drawnEvery) << drawn << " of " << drawnEvery;
            }
        }
}

INSTANTIATE_TEST_SUITE_P(Looks, HiddenMarksTest, ::testing::Range<std::size_t>(0, MarksCases().size()));

}  // namespace
