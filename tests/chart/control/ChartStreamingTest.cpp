// A chart control in a form stream: its axes, titles, legend, walls,
// gradient, pens and brushes and its series with their function, each
// stored only where it differs from what a new chart has, read back into a
// new form that writes the same bytes and, given the same points, draws
// the same picture.
#include <gtest/gtest.h>

#include <memory>

#include "chart/ChartPicture.h"
#include "chart/FormStreamSupport.h"
#include "chart/control/ChartControlTestSupport.h"
#include "chart/functions/TeeFunci.h"
#include "chart/seriestypes/CandleCh.h"
#include "chart/seriestypes/ChartSeriesTypes.h"
#include "chart/seriestypes/Series.h"
#include "platform/runtime/DateUtils.h"

namespace {

using Bytes = TFormBytes;

// Prices above and volumes below, and a 5-day average of the closes.
std::unique_ptr<TForm> TwoPaneChart() {
    auto form = std::make_unique<TForm>(nullptr);
    form->SetName("Quotes");
    form->SetClientWidth(640);
    form->SetClientHeight(420);
    auto* chart = new TChart(form.get());
    chart->SetName("Diagram");
    chart->SetParent(form.get());
    chart->SetBounds(0, 0, 640, 420);
    chart->SetView3D(false);
    chart->SetMarginLeft(6);
    chart->GetTitle()->GetText()->Add("NRDQ");
    chart->GetTitle()->GetFont()->SetStyle(TFontStyles() << fsBold);
    chart->GetFoot()->GetText()->Add("daily closes");
    chart->GetLegend()->SetAlignment(laBottom);
    chart->GetLegend()->GetFrame()->SetColor(clNavy);
    chart->GetBackWall()->SetColor(RGB(240, 240, 232));
    chart->GetBackWall()->GetPen()->SetWidth(2);
    chart->GetGradient()->SetVisible(true);
    chart->GetGradient()->SetStartColor(RGB(250, 250, 255));

    TChartAxis* left = chart->GetLeftAxis();
    left->SetEndPosition(68);
    left->GetTitle()->SetCaption("Price");
    left->GetAxis()->SetColor(clNavy);
    left->GetGrid()->SetStyle(psDash);
    TChartAxis* right = chart->GetRightAxis();
    right->SetStartPosition(72);
    right->GetTitle()->SetCaption("Volume");
    right->GetAxis()->SetWidth(1);
    right->SetAutomaticMinimum(false);
    right->SetMinimum(0);
    right->SetValuesFormat("#,##0");
    TChartAxis* bottom = chart->GetBottomAxis();
    bottom->GetLabelsFont()->SetColor(clMaroon);
    bottom->SetDateTimeFormat("dd.mm.");
    chart->GetDepthAxis()->GetTitle()->SetCaption("Series");

    auto* candles = new TCandleSeries(form.get());
    candles->SetName("Candles");
    candles->SetParentChart(chart);
    candles->SetTitle("NRDQ");
    candles->SetUpCloseColor(clLime);
    candles->SetCandleWidth(7);
    candles->GetHighValues()->SetName("Top");
    auto* volume = new TVolumeSeries(form.get());
    volume->SetName("Volume");
    volume->SetParentChart(chart);
    volume->SetVertAxis(aRightAxis);
    volume->GetLinePen()->SetWidth(3);
    volume->SetSeriesColor(clTeal);
    auto* average = new TLineSeries(form.get());
    average->SetName("Average");
    average->SetParentChart(chart);
    average->SetSeriesColor(clPurple);
    average->GetLinePen()->SetWidth(2);
    average->GetMarks()->SetStyle(smsValue);
    TTeeFunction* function = CreateNewTeeFunction(average, TeeFunctionClassOf<TAverageTeeFunction>());
    function->SetPeriod(5);
    function->SetPeriodAlign(paLast);
    average->SetDataSource(candles);
    return form;
}

// The same quotes into the candles and volumes of Form's chart.
TChart* Fill(TForm* Form) {
    auto* candles = dynamic_cast<TCandleSeries*>(Form->FindComponent("Candles"));
    auto* volume = dynamic_cast<TVolumeSeries*>(Form->FindComponent("Volume"));
    const double first = EncodeDate(2024, 3, 4);
    for (int day = 0; day < 30; ++day) {
        const double open = 40 + (day * 7 % 11), close = 40 + (day * 5 % 13);
        candles->AddCandle(first + day, open, std::max(open, close) + 2, std::min(open, close) - 1.5, close);
        volume->AddXY(first + day, 1000 + day * 37 % 400);
    }
    // The calculated series follows a refresh of its source.
    candles->RefreshSeries();
    return dynamic_cast<TChart*>(Form->FindComponent("Diagram"));
}

TEST(ChartStreaming, TwoPanesWithCandlesVolumeAndAnAverageComeBackByteForByteAndPixelForPixel) {
    auto form = TwoPaneChart();
    const Bytes written = WriteForm(form.get());
    auto copy = ReadForm(written);
    const Bytes again = WriteForm(copy.get());
    EXPECT_EQ(again, written) << Parting(again, written);

    TChart* original = Fill(form.get());
    TChart* read = Fill(copy.get());
    ASSERT_NE(read, nullptr);
    auto* average = dynamic_cast<TLineSeries*>(copy->FindComponent("Average"));
    ASSERT_NE(average, nullptr);
    ASSERT_NE(average->GetFunction(), nullptr);
    EXPECT_EQ(average->GetDataSource(), copy->FindComponent("Candles"));
    EXPECT_EQ(average->Count(), 6);
    const auto before = PaintOnWhite(original), after = PaintOnWhite(read);
    int differing = 0;
    for (int y = 0; y < 420; ++y)
        for (int x = 0; x < 640; ++x)
            differing += before->GetCanvas()->GetPixels(x, y) != after->GetCanvas()->GetPixels(x, y);
    EXPECT_EQ(differing, 0);
    // Painted, the automatic ends hold the range shown; still not stored.
    EXPECT_EQ(WriteForm(form.get()), written);
}

TEST(ChartStreaming, OnlyWhatDiffersFromANewChartIsStored) {
    auto form = TwoPaneChart();
    const Bytes written = WriteForm(form.get());
    struct Case {
        const char* name;
        bool stored;
    };
    const Case cases[] = {
        {"LeftAxis.EndPosition", true},   {"LeftAxis.StartPosition", false},  {"RightAxis.StartPosition", true},
        {"RightAxis.Minimum", true},      {"RightAxis.Maximum", false},       {"LeftAxis.Maximum", false},
        {"RightAxis.AxisValuesFormat", true}, {"LeftAxis.AxisValuesFormat", false},
        {"BottomAxis.LabelsFont", true},  {"LeftAxis.LabelsFont", false},     {"LeftAxis.Title.Angle", false},
        {"DepthAxis.Title.Caption", true}, {"Title.Font", true},              {"Foot.Font", false},
        {"Title.Text.Strings", true},     {"BackWall.Color", true},           {"LeftWall.Color", false},
        {"Gradient.StartColor", true},    {"Legend.Frame.Color", true},       {"TAverageTeeFunction", true},
        {"PeriodAlign", true},            {"HighValues.Name", true},
    };
    for (const Case& c : cases) EXPECT_EQ(Holds(written, c.name), c.stored) << c.name;
}

}  // namespace
