// Create Analysis driven through the Analysis tab and the parameter
// dialogs: the two panes of the Diagram chart, the price line or candles,
// every indicator's series with one point per window quote labelled with
// its date, the volume bars, and the messages for bad entries and too few
// quotes.
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <functional>

#include "app/mainwindow/MainWindowFixture.h"
#include "app/indicators/bollingerbands.h"
#include "app/dialogs/enterdays.h"
#include "app/dialogs/enterdays2.h"
#include "app/dialogs/enterdays3.h"
#include "app/dialogs/enterdays4.h"
#include "app/indicators/expmovingaverage.h"
#include "app/indicators/historicalvolatility.h"
#include "app/indicators/macd.h"
#include "app/indicators/momentum.h"
#include "app/indicators/movingaverage.h"
#include "app/indicators/parabolicsar.h"
#include "app/indicators/priceoscillator.h"
#include "app/indicators/rsi.h"
#include "app/indicators/stochastic.h"
#include "chart/axis/TeEngineAxis.h"
#include "chart/control/Chart.h"
#include "chart/seriestypes/CandleCh.h"
#include "chart/seriestypes/Series.h"
#include "chart/seriestypes/SeriesBar.h"
#include "platform/testing/TestInput.h"
#include "skin/engine/KsSkinButtons.h"
#include "skin/engine/KsSkinComboBox.h"
#include "skin/engine/KsSkinMenus.h"
#include "skin/engine/KsSkinPages.h"

namespace {

enum { qtOpen, qtHigh, qtLow, qtClose, qtCandlestick };
enum {
    atMovingAverage, atExpMovingAverage, atMacd, atMomentum, atStochastic, atParabolicSar, atRsi, atBollingerBands,
    atPriceOscillator, atHistoricalVolatility, atNoAnalysis
};

// Rows newest first, one calendar day apart, ending 5 December 2003: closes
// on a slow wave, so that no indicator meets flat prices.
std::string QuoteFileText(int Count) {
    using namespace std::chrono;
    static const char* months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    sys_days day{year{2003} / December / 5};
    std::string text = "0,2,1980,11,5,2003,WAVE\n";
    for (int i = 0; i < Count; ++i, day -= days{1}) {
        const year_month_day date{day};
        const double close = 100 + 10 * std::sin(i / 7.0) + 0.01 * (Count - i);
        char row[128];
        std::snprintf(row, sizeof row, "%u-%s-%02d,%.2f,%.2f,%.2f,%.2f,%d\n", static_cast<unsigned>(date.day()),
                      months[static_cast<unsigned>(date.month()) - 1], static_cast<int>(date.year()) % 100,
                      close - 0.3, close + 1, close - 1, close, 1000 + i);
        text += row;
    }
    return text;
}

struct Point {
    std::string Label;
    bool Null;
    double Y;
};

std::vector<Point> PointsOf(const TChartSeries* Series) {
    std::vector<Point> points;
    for (int i = 0; i < Series->Count(); ++i)
        points.push_back({Series->GetXLabel(i).str(), Series->IsNull(i), Series->GetYValues()->GetValue(i)});
    return points;
}

class CreateAnalysisTest : public MainWindowTest {
protected:
    void TearDown() override {
        MainWindowTest::TearDown();
        FinishAll();
    }

    // The window and the dialogs freed, for a test that starts again.
    void FinishAll() {
        Finish();
        FreeDialog(fEnterDays);
        FreeDialog(fEnterDays2);
        FreeDialog(fEnterDays3);
        FreeDialog(fEnterDays4);
    }
    template <class T>
    static void FreeDialog(T*& Dialog) {
        if (Dialog) Dialog->Free();
        Dialog = nullptr;
    }

    // The window on the file Path, as the program starts with it, and the
    // parameter dialogs.
    TOriginalForm1* StartOn(const std::string& Path) {
        Start({Path});
        fEnterDays = TForm::Create<TfEnterDays>(Application);
        fEnterDays2 = TForm::Create<TfEnterDays2>(Application);
        fEnterDays3 = TForm::Create<TfEnterDays3>(Application);
        fEnterDays4 = TForm::Create<TfEnterDays4>(Application);
        return form_;
    }

    // Create Analysis over the dates at StartIndex to EndIndex of the date
    // choices (-1: the newest), the parameter dialog answered with Entries.
    void Analyse(int QuoteType, int AnalysisType, std::vector<std::string> Entries = {}, int StartIndex = 0,
                 int EndIndex = -1) {
        form_->QuoteTypeCombo->SetItemIndex(QuoteType);
        form_->AnalysisTypeCombo->SetItemIndex(AnalysisType);
        form_->StartDateCombo->SetItemIndex(StartIndex);
        form_->EndDateCombo->SetItemIndex(EndIndex < 0 ? form_->EndDateCombo->GetItems()->GetCount() - 1 : EndIndex);
        if (!Entries.empty())
            AnswerNextModalForm([Entries](TCustomForm* Form) {
                std::vector<TSeSkinEdit*> edits;
                TSeSkinButton* ok = nullptr;
                if (Form == fEnterDays) edits = {fEnterDays->Edit1}, ok = fEnterDays->Button1;
                if (Form == fEnterDays2)
                    edits = {fEnterDays2->SeSkinEdit1, fEnterDays2->SeSkinEdit2, fEnterDays2->SeSkinEdit3},
                    ok = fEnterDays2->SeSkinButton1;
                if (Form == fEnterDays3) edits = {fEnterDays3->SeSkinEdit1, fEnterDays3->SeSkinEdit2}, ok = fEnterDays3->SeSkinButton1;
                if (Form == fEnterDays4) edits = {fEnterDays4->SeSkinEdit1}, ok = fEnterDays4->SeSkinButton1;
                ASSERT_NE(ok, nullptr) << "an unexpected dialog";
                ASSERT_EQ(edits.size(), Entries.size());
                for (std::size_t i = 0; i < edits.size(); ++i) {
                    EXPECT_EQ(edits[i]->GetText(), "") << "the dialog starts empty";
                    edits[i]->SetText(Entries[i].c_str());
                }
                MouseClick(ok, 5, 5);
            });
        // From the menu: the button's page is hidden once the chart shows.
        form_->FindMenuItem("Analysis", "Create Analysis")->Click();
    }

    // The window's dates, oldest first.
    std::vector<std::string> WindowDates(int StartIndex, int EndIndex) const {
        std::vector<std::string> dates;
        for (int i = StartIndex; i <= EndIndex; ++i) dates.push_back(form_->StartDateCombo->GetItems()->GetStrings(i).str());
        return dates;
    }

    std::vector<TChartSeries*> SeriesInLegend() const {
        std::vector<TChartSeries*> shown;
        for (int i = 0; i < form_->BigChart->SeriesCount(); ++i)
            if (form_->BigChart->GetSeries(i)->GetShowInLegend()) shown.push_back(form_->BigChart->GetSeries(i));
        return shown;
    }
};

TEST_F(CreateAnalysisTest, TheChartHasTwoPanesAndTwelveSeries) {
    TOriginalForm1* form = Start();
    TChart* chart = form->BigChart;
    ASSERT_NE(form->PriceAxis, nullptr);
    EXPECT_EQ(form->PriceAxis->GetStartPosition(), 0);
    EXPECT_EQ(form->PriceAxis->GetEndPosition(), 49);
    EXPECT_EQ(form->PriceAxis->GetPositionPercent(), 0);
    EXPECT_EQ(form->PriceAxis->GetTitle()->GetAngle(), 90);
    EXPECT_EQ(chart->GetLeftAxis()->GetStartPosition(), 50);
    EXPECT_EQ(chart->GetLeftAxis()->GetEndPosition(), 100);
    EXPECT_FALSE(chart->GetView3D());
    ASSERT_EQ(chart->SeriesCount(), 12);
    const struct {
        TChartSeries* Series;
        TColor Color;
        bool UpperPane;
    } series[] = {{form->Series1, clRed, true},      {form->Series2, clGreen, true},  {form->Series3, clYellow, true},
                  {form->Series4, clBlack, false},   {form->Series5, clBlue, false},  {form->Series6, clGray, false},
                  {form->Series7, clFuchsia, false}, {form->Series8, clTeal, false},  {form->Series9, clNavy, true},
                  {form->Series10, clMaroon, true},  {form->Series11, clLime, true}, {form->Series12, clOlive, true}};
    for (int i = 0; i < 12; ++i) {
        SCOPED_TRACE(i + 1);
        EXPECT_EQ(chart->GetSeries(i), series[i].Series);
        EXPECT_EQ(series[i].Series->GetName(), ("Series" + std::to_string(i + 1)).c_str());
        EXPECT_EQ(series[i].Series->GetSeriesColor(), series[i].Color);
        EXPECT_EQ(series[i].Series->GetCustomVertAxis(), series[i].UpperPane ? form->PriceAxis : nullptr);
        EXPECT_FALSE(series[i].Series->GetMarks()->GetVisible());
        EXPECT_FALSE(series[i].Series->GetShowInLegend());
    }
    EXPECT_EQ(form->Series2->GetCandleWidth(), 4);
    EXPECT_EQ(form->Series2->GetUpCloseColor(), TColor(10354599));
    EXPECT_EQ(form->Series2->GetDownCloseColor(), TColor(7961087));
    EXPECT_EQ(form->Series4->GetYValues()->GetName(), "Bar");
    EXPECT_EQ(form->Series9->GetPointer()->GetStyle(), psDiagCross);

    // The two panes scale apart: a price on one, a volume on the other.
    form->Series1->Add(12.5);
    form->Series4->Add(1500000);
    form->PageControl1->SetActivePage(form->TabSheet7);
    chart->Repaint();
    EXPECT_GE(form->PriceAxis->GetMaximum(), 12.5);
    EXPECT_LT(form->PriceAxis->GetMaximum(), 100);
    EXPECT_GE(chart->GetLeftAxis()->GetMaximum(), 1500000);
}

// Each analysis on a window in the middle of the sample: every series it
// fills holds one point per window quote, labelled with the window's dates;
// the indicators take their first values from the quotes before the window.
TEST_F(CreateAnalysisTest, EveryAnalysisFillsOnePointPerWindowQuote) {
    const char* source = std::getenv("VELMORA_SOURCE_DIR");
    ASSERT_NE(source, nullptr);
    TOriginalForm1* form = StartOn(std::string(source) + "/data/samples/NRDQ.zrq");
    const int first = 1000, last = 1199;  // 200 quotes, with 1000 older ones before them
    const std::vector<std::string> dates = WindowDates(first, last);
    using Lines = std::vector<IndicatorLine>;
    const auto windowQuotes = [form](std::size_t warmUp) { return indicatorQuotes(form->Quotes, warmUp); };
    const struct Case {
        int Type;
        std::vector<std::string> Entries;
        std::vector<TChartSeries*> Series;
        std::vector<const char*> Titles;
        const char* LowerTitle;  // the left axis title; "Volume" when the bars follow
        std::function<Lines()> Expected;
    } cases[] = {
        {atMovingAverage, {"20"}, {form->Series3}, {"20-Day Moving Average"}, "Volume",
         [&] { return Lines{computeMovingAverage(windowQuotes(20), 200, 20)}; }},
        {atExpMovingAverage, {"12"}, {form->Series3}, {"12-Day Exponential Moving Average"}, "Volume",
         [&] { return Lines{computeExpMovingAverage(windowQuotes(12), 200, 12)}; }},
        {atMacd, {}, {form->Series5, form->Series6}, {"MACD", "Signal Line"}, "MACD", [&] {
             const MacdLines lines = computeMacd(windowQuotes(35), 200);
             return Lines{lines.Macd, lines.Signal};
         }},
        {atMomentum, {"10"}, {form->Series5}, {"Momentum"}, "Momentum",
         [&] { return Lines{computeMomentum(windowQuotes(10), 200, 10)}; }},
        {atStochastic, {"14", "3", "3"}, {form->Series5, form->Series6}, {"%K", "%D"}, "Stochastic Oscillator", [&] {
             const StochasticLines lines = computeStochastic(windowQuotes(20), 200, 14, 3, 3);
             return Lines{lines.K, lines.D};
         }},
        {atParabolicSar, {}, {form->Series9}, {"Parabolic SAR"}, "Volume",
         [&] { return Lines{computeParabolicSar(windowQuotes(0), 200)}; }},
        {atRsi, {"14"}, {form->Series5}, {"RSI"}, "RSI", [&] { return Lines{computeRsi(windowQuotes(13), 200, 14)}; }},
        {atBollingerBands, {"20"}, {form->Series10, form->Series11, form->Series12},
         {"Upper Band", "Middle Band", "Lower Band"}, "Volume", [&] {
             const BollingerLines lines = computeBollingerBands(windowQuotes(20), 200, 20);
             return Lines{lines.Upper, lines.Middle, lines.Lower};
         }},
        {atPriceOscillator, {"5", "20"}, {form->Series5}, {"Price Oscillator"}, "Price Oscillator",
         [&] { return Lines{computePriceOscillator(windowQuotes(20), 200, 5, 20, false)}; }},
        {atHistoricalVolatility, {"20"}, {form->Series5}, {"Historical Volatility"}, "Historical Volatility (%)",
         [&] { return Lines{computeHistoricalVolatility(windowQuotes(21), 200, 20, 262)}; }},
        {atNoAnalysis, {}, {}, {}, "Volume", [] { return Lines{}; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Type);
        Analyse(qtClose, c.Type, c.Entries, first, last);
        EXPECT_EQ(form->PageControl1->GetActivePage(), form->TabSheet7);
        ASSERT_EQ(form->BigChart->GetTitle()->GetText()->GetCount(), 1);
        EXPECT_EQ(form->BigChart->GetTitle()->GetText()->GetStrings(0), "NRDQ");
        EXPECT_EQ(form->BigChart->GetLeftAxis()->GetTitle()->GetCaption(), c.LowerTitle);
        const Lines expected = c.Expected();
        std::vector<TChartSeries*> legend = {form->Series1};
        for (std::size_t s = 0; s < c.Series.size(); ++s) {
            const std::vector<Point> points = PointsOf(c.Series[s]);
            EXPECT_EQ(c.Series[s]->GetTitle(), c.Titles[s]);
            ASSERT_EQ(points.size(), 200u);
            int values = 0;
            for (std::size_t i = 0; i < 200; ++i) {
                EXPECT_EQ(points[i].Label, dates[i]);
                EXPECT_EQ(points[i].Null, expected[s].IsNull(i)) << i;
                if (!points[i].Null) {
                    EXPECT_DOUBLE_EQ(points[i].Y, expected[s].Values[i]) << i;
                }
                values += !points[i].Null;
            }
            // The quotes before the window give every point a value, but for
            // the price oscillator, which reads only B of the A + B it needs.
            EXPECT_EQ(values, c.Type == atPriceOscillator ? 200 - (5 - 1) : 200) << c.Titles[s];
            legend.push_back(c.Series[s]);
        }
        const bool volume = std::string(c.LowerTitle) == "Volume";
        if (volume) legend.push_back(form->Series4);
        TChartSeriesList* list = form->BigChart->GetSeriesList();
        std::sort(legend.begin(), legend.end(),
                  [list](TChartSeries* a, TChartSeries* b) { return list->IndexOf(a) < list->IndexOf(b); });
        EXPECT_EQ(SeriesInLegend(), legend);
        EXPECT_EQ(form->Series4->Count(), volume ? 200 : 0);
        if (volume) {
            const std::vector<Point> bars = PointsOf(form->Series4);
            EXPECT_EQ(bars.front().Label, dates.front());
            const std::size_t oldest = form->Quotes.Records().size() - 1 - first;  // the records run newest first
            EXPECT_DOUBLE_EQ(bars.front().Y, static_cast<double>(form->Quotes.Records()[oldest].Volume));
        }
    }
    EXPECT_EQ(MessagesShown(), 0);
}

// A file of Q - 1 quotes is too short for an indicator that needs Q: it says
// so and adds no point, its series titled in the legend; Q quotes draw.
TEST_F(CreateAnalysisTest, TooFewQuotesAreSaidAndQuotesEnoughDraw) {
    const struct {
        int Type;
        std::vector<std::string> Entries;
        int Needs;
        const char* Message;
        int Series;  // 1 for Series1, ...
    } cases[] = {
        {atMovingAverage, {"10"}, 11, "Moving Average", 3},
        {atExpMovingAverage, {"10"}, 12, "Exponential Moving Average", 3},
        {atMacd, {}, 37, "MACD", 5},
        {atMomentum, {"10"}, 12, "Momentum", 5},
        {atStochastic, {"5", "3", "2"}, 11, "Stochastic Oscillator", 5},
        {atRsi, {"10"}, 11, "RSI", 5},
        {atBollingerBands, {"10"}, 11, "Bollinger Bands", 10},
        {atPriceOscillator, {"4", "10"}, 15, "Price Oscillator", 5},
        {atHistoricalVolatility, {"10"}, 12, "Historical Volatility", 5},
    };
    for (const auto& c : cases) {
        for (int count : {c.Needs - 1, c.Needs}) {
            SCOPED_TRACE(std::string(c.Message) + " on " + std::to_string(count) + " quotes");
            TOriginalForm1* form = StartOn(WriteFile("wave.zrq", QuoteFileText(count)));
            const bool tooFew = count < c.Needs;
            if (tooFew) AnswerMessage(mrOk);
            Analyse(qtClose, c.Type, c.Entries);
            TChartSeries* series = form->BigChart->GetSeries(c.Series - 1);
            EXPECT_TRUE(series->GetShowInLegend());
            EXPECT_FALSE(series->GetTitle().IsEmpty());
            if (tooFew) {
                EXPECT_EQ(MessageText(), ("There are not enough quotes to calculate the " + std::string(c.Message) + ".").c_str());
                EXPECT_EQ(MessageCaption(), "Information");
                EXPECT_EQ(series->Count(), 0);
            } else {
                ASSERT_EQ(series->Count(), count);
                EXPECT_FALSE(series->IsNull(count - 1)) << "the newest quote has a value";
            }
            EXPECT_EQ(form->Series1->Count(), count);
            FinishAll();
        }
    }
}

TEST_F(CreateAnalysisTest, TheCommandsEdgeCases) {
    TOriginalForm1* form = Start();
    // Nothing open yet: the menu item does nothing.
    form->FindMenuItem("Analysis", "Create Analysis")->Click();
    EXPECT_EQ(form->PageControl1->GetActivePage(), form->TabSheet4);
    EXPECT_EQ(form->Series1->Count(), 0);
    Finish();

    form = StartOn(WriteFile("wave.zrq", QuoteFileText(5100)));
    // One date, the close and no analysis: one point, one bar.
    Analyse(qtClose, atNoAnalysis, {}, 7, 7);
    const std::string date = form->StartDateCombo->GetItems()->GetStrings(7).str();
    EXPECT_EQ(PointsOf(form->Series1).size(), 1u);
    EXPECT_EQ(form->Series1->GetXLabel(0), date.c_str());
    EXPECT_EQ(form->Series1->GetTitle(), "Close");
    EXPECT_EQ(form->Series4->Count(), 1);
    EXPECT_EQ(form->PriceAxis->GetTitle()->GetCaption(), "Price");
    form->BigChart->Repaint();  // a range of one value draws

    // Candles over five quotes, with labelled null points under them.
    Analyse(qtCandlestick, atNoAnalysis, {}, 10, 14);
    ASSERT_EQ(form->Series2->Count(), 5);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(form->Series2->GetXValues()->GetValue(i), i);
        EXPECT_TRUE(form->Series1->IsNull(i));
        EXPECT_EQ(form->Series1->GetXLabel(i), form->StartDateCombo->GetItems()->GetStrings(10 + i));
    }
    EXPECT_FALSE(form->Series1->GetShowInLegend());
    EXPECT_TRUE(form->Series2->GetShowInLegend());
    EXPECT_EQ(form->Series2->GetTitle(), "Open,High,Low,Close");

    // Days out of range: said; the price line and the volume bars still come.
    for (const char* days : {"0", "4001"}) {
        AnswerMessage(mrOk);
        Analyse(qtOpen, atMovingAverage, {days});
        EXPECT_EQ(MessageText(), "The number of days have to be between 1 and 4000.");
        EXPECT_EQ(MessageCaption(), "Error");
        EXPECT_EQ(form->Series3->Count(), 0);
        EXPECT_EQ(form->Series1->Count(), 5100);
        EXPECT_EQ(form->Series1->GetTitle(), "Open");
        EXPECT_EQ(form->Series4->Count(), 5100);
    }
    // The exponential average and the RSI refuse 0 as the others do; the
    // average takes 5000, being no table of days.
    for (int type : {atExpMovingAverage, atRsi}) {
        AnswerMessage(mrOk);
        Analyse(qtHigh, type, {"0"});
        EXPECT_EQ(MessageText(), "The number of days have to be between 1 and 4000.");
        EXPECT_EQ(form->Series3->Count() + form->Series5->Count(), 0);
    }
    Analyse(qtLow, atExpMovingAverage, {"5000"});
    EXPECT_EQ(form->Series3->Count(), 5100);
    EXPECT_EQ(form->Series1->GetTitle(), "Low");

    // The end before the start: said, and the chart as it was.
    const int shown = form->Series1->Count();
    AnswerMessage(mrOk);
    Analyse(qtClose, atNoAnalysis, {}, 20, 10);
    EXPECT_EQ(MessageText(), "You must choose succesive dates.\nPlease try again.");
    EXPECT_EQ(form->Series1->Count(), shown);
    EXPECT_EQ(form->Series3->Count(), 5100);
    FinishAll();

    // Prices that never move: the RSI has no value anywhere, the bands meet,
    // and the chart draws.
    std::string flat = "0,2,2001,4,30,2003,FLAT\n";
    for (int day = 30; day >= 1; --day) flat += std::to_string(day) + "-May-03,5,5,5,5,100\n";
    form = StartOn(WriteFile("flat.zrq", flat));
    Analyse(qtClose, atRsi, {"14"});
    ASSERT_EQ(form->Series5->Count(), 30);
    for (int i = 0; i < 30; ++i) EXPECT_TRUE(form->Series5->IsNull(i));
    form->BigChart->Repaint();
    Analyse(qtCandlestick, atBollingerBands, {"10"});
    EXPECT_DOUBLE_EQ(form->Series10->GetYValues()->Last(), 5);
    EXPECT_DOUBLE_EQ(form->Series12->GetYValues()->Last(), 5);
    form->BigChart->Repaint();
}

}  // namespace
