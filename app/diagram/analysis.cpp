#include "app/diagram/analysis.h"

#include <cmath>
#include <span>
#include <string_view>

#include "app/indicators/bollingerbands.h"
#include "app/indicators/expmovingaverage.h"
#include "app/indicators/historicalvolatility.h"
#include "app/indicators/macd.h"
#include "app/indicators/momentum.h"
#include "app/indicators/movingaverage.h"
#include "app/indicators/parabolicsar.h"
#include "app/indicators/priceoscillator.h"
#include "app/indicators/rsi.h"
#include "app/indicators/stochastic.h"
#include "app/mainwindow/zrmain.h"
#include "chart/axis/TeEngineAxis.h"
#include "chart/canvas/TeCanvas.h"
#include "chart/control/Chart.h"
#include "chart/seriestypes/CandleCh.h"
#include "chart/seriestypes/Series.h"
#include "chart/seriestypes/SeriesBar.h"
#include "platform/runtime/SysUtils.h"
#include "skin/engine/KsSkinMessage.h"

namespace {

constexpr TColor kPriceColor = TColor(16744448);  // the price line and the volume bars
constexpr TColor kCandleColor = TColor(10354599);
constexpr TColor kSarColor = TColor(0xB300B3);

linkedList& Quotes() { return OriginalForm1->Quotes; }

// The window's quotes, newest first, as the series keeps them.
std::span<const QuoteRecord> Window() { return indicatorQuotes(Quotes(), 0); }

std::size_t WindowCount() { return static_cast<std::size_t>(Quotes().WindowCount); }

// Quote i of the window counted from its oldest.
const QuoteRecord& OldestFirst(std::span<const QuoteRecord> window, std::size_t i) {
    return window[window.size() - 1 - i];
}

void ShowInLegend(TChartSeries* Series, const AnsiString& Title, TColor Color) {
    Series->SetTitle(Title);
    Series->SetSeriesColor(Color);
    Series->SetShowInLegend(true);
}

void TitleLowerPane(const AnsiString& Title) { OriginalForm1->BigChart->GetLeftAxis()->GetTitle()->SetCaption(Title); }

void TitlePricePane() { OriginalForm1->PriceAxis->GetTitle()->SetCaption("Price"); }

// The quotes an indicator reads, or none (after its message) when they are
// too few for it.
std::span<const QuoteRecord> QuotesFor(const IndicatorNeeds& Needs, std::string_view TooFew) {
    const std::span<const QuoteRecord> quotes = indicatorQuotes(Quotes(), Needs.WarmUp);
    if (Needs.MetBy(quotes)) return quotes;
    OriginalForm1->SeSkinMessage1->MessageDlg(AnsiString(TooFew), mtInformation, TMsgDlgButtons{mbOK}, 0);
    return {};
}

// One point per window quote, oldest first.
void Fill(TChartSeries* Series, const IndicatorLine& Line) {
    const std::span<const QuoteRecord> window = Window();
    const TColor color = Series->GetSeriesColor();
    for (std::size_t i = 0; i < Line.Size(); ++i) {
        const AnsiString date = OldestFirst(window, i).Date.Text();
        if (Line.IsNull(i))
            Series->AddNull(date);
        else
            Series->Add(Line.Values[i], date, color);
    }
}

double PriceOf(const QuoteRecord& Quote, const AnsiString& Kind) {
    if (Kind == "open") return Quote.Open;
    if (Kind == "high") return Quote.High;
    if (Kind == "low") return Quote.Low;
    return Quote.Close;
}

AnsiString PriceTitle(const AnsiString& Kind) {
    if (Kind == "open") return "Open";
    if (Kind == "high") return "High";
    if (Kind == "low") return "Low";
    return "Close";
}

}  // namespace

void drawPriceLine() {
    TitlePricePane();
    TLineSeries* line = OriginalForm1->Series1;
    line->SetSeriesColor(kPriceColor);
    line->SetShowInLegend(true);
    const AnsiString& kind = OriginalForm1->PriceKind;
    const std::span<const QuoteRecord> window = Window();
    for (std::size_t i = 0; i < window.size(); ++i) {
        const QuoteRecord& quote = OldestFirst(window, i);
        line->Add(PriceOf(quote, kind), quote.Date.Text(), kPriceColor);
    }
    line->SetTitle(PriceTitle(kind));
}

void drawCandlesticks() {
    TitlePricePane();
    TCandleSeries* candles = OriginalForm1->Series2;
    ShowInLegend(candles, "Open,High,Low,Close", kCandleColor);
    const std::span<const QuoteRecord> window = Window();
    for (std::size_t i = 0; i < window.size(); ++i) {
        const QuoteRecord& quote = OldestFirst(window, i);
        OriginalForm1->Series1->AddNull(quote.Date.Text());
        candles->AddCandle(static_cast<double>(i), quote.Open, quote.High, quote.Low, quote.Close);
    }
}

void drawVolume() {
    TitleLowerPane("Volume");
    TBarSeries* bars = OriginalForm1->Series4;
    ShowInLegend(bars, "Volume", kPriceColor);
    const std::span<const QuoteRecord> window = Window();
    for (std::size_t i = 0; i < window.size(); ++i) {
        const QuoteRecord& quote = OldestFirst(window, i);
        bars->Add(static_cast<double>(quote.Volume), quote.Date.Text(), kPriceColor);
    }
}

void calcMovingAverage(int N) {
    ShowInLegend(OriginalForm1->Series3, IntToStr(N) + "-Day Moving Average", clRed);
    const auto quotes = QuotesFor(movingAverageNeeds(N), MovingAverageTooFewQuotes);
    if (!quotes.empty()) Fill(OriginalForm1->Series3, computeMovingAverage(quotes, WindowCount(), N));
}

void calcExpMovingAverage(int N) {
    ShowInLegend(OriginalForm1->Series3, IntToStr(N) + "-Day Exponential Moving Average", clRed);
    const auto quotes = QuotesFor(expMovingAverageNeeds(N), ExpMovingAverageTooFewQuotes);
    if (!quotes.empty()) Fill(OriginalForm1->Series3, computeExpMovingAverage(quotes, WindowCount(), N));
}

void calcMACD() {
    TitleLowerPane("MACD");
    ShowInLegend(OriginalForm1->Series5, "MACD", clLime);
    ShowInLegend(OriginalForm1->Series6, "Signal Line", clRed);
    const auto quotes = QuotesFor(MacdNeeds, MacdTooFewQuotes);
    if (quotes.empty()) return;
    const MacdLines lines = computeMacd(quotes, WindowCount());
    Fill(OriginalForm1->Series5, lines.Macd);
    Fill(OriginalForm1->Series6, lines.Signal);
}

void calcMomentum(int N) {
    TitleLowerPane("Momentum");
    ShowInLegend(OriginalForm1->Series5, "Momentum", clRed);
    const auto quotes = QuotesFor(momentumNeeds(N), MomentumTooFewQuotes);
    if (!quotes.empty()) Fill(OriginalForm1->Series5, computeMomentum(quotes, WindowCount(), N));
}

void calcParabolicSAR() {
    ShowInLegend(OriginalForm1->Series9, "Parabolic SAR", kSarColor);
    Fill(OriginalForm1->Series9, computeParabolicSar(Window(), WindowCount()));
}

void calcRSI(int N) {
    TitleLowerPane("RSI");
    ShowInLegend(OriginalForm1->Series5, "RSI", clRed);
    const auto quotes = QuotesFor(rsiNeeds(N), RsiTooFewQuotes);
    if (!quotes.empty()) Fill(OriginalForm1->Series5, computeRsi(quotes, WindowCount(), N));
}

void calcStochastic(int P, int K, int D) {
    TitleLowerPane("Stochastic Oscillator");
    ShowInLegend(OriginalForm1->Series5, "%K", clLime);
    ShowInLegend(OriginalForm1->Series6, "%D", clRed);
    const auto quotes = QuotesFor(stochasticNeeds(P, K, D), StochasticTooFewQuotes);
    if (quotes.empty()) return;
    const StochasticLines lines = computeStochastic(quotes, WindowCount(), P, K, D);
    Fill(OriginalForm1->Series5, lines.K);
    Fill(OriginalForm1->Series6, lines.D);
}

void calcPriceOscillator(int A, int B, bool Percent) {
    TitleLowerPane("Price Oscillator");
    ShowInLegend(OriginalForm1->Series5, "Price Oscillator", clRed);
    const auto quotes = QuotesFor(priceOscillatorNeeds(A, B), PriceOscillatorTooFewQuotes);
    if (!quotes.empty()) Fill(OriginalForm1->Series5, computePriceOscillator(quotes, WindowCount(), A, B, Percent));
}

void calcBollingerBands(int N) {
    ShowInLegend(OriginalForm1->Series10, "Upper Band", clLime);
    ShowInLegend(OriginalForm1->Series11, "Middle Band", clBlack);
    ShowInLegend(OriginalForm1->Series12, "Lower Band", clRed);
    const auto quotes = QuotesFor(bollingerBandsNeeds(N), BollingerBandsTooFewQuotes);
    if (quotes.empty()) return;
    const BollingerLines lines = computeBollingerBands(quotes, WindowCount(), N);
    Fill(OriginalForm1->Series10, lines.Upper);
    Fill(OriginalForm1->Series11, lines.Middle);
    Fill(OriginalForm1->Series12, lines.Lower);
}

void calcHistoricalVolatility(int N, const AnsiString& PeriodName) {
    TitleLowerPane("Historical Volatility (%)");
    ShowInLegend(OriginalForm1->Series5, "Historical Volatility", clRed);
    const auto quotes = QuotesFor(historicalVolatilityNeeds(N), HistoricalVolatilityTooFewQuotes);
    if (!quotes.empty())
        Fill(OriginalForm1->Series5,
             computeHistoricalVolatility(quotes, WindowCount(), N, volatilityPeriodsPerYear(PeriodName.str())));
}

void drawFibonacciArcs(int i) {
    const TrendLine line = OriginalForm1->LineOnChart(i);
    TCanvas3D* canvas = OriginalForm1->BigChart->GetCanvas();
    const double length = std::hypot(static_cast<double>(line.X2 - line.X1), static_cast<double>(line.Y2 - line.Y1));
    // Screen y grows downward: a line falling to its end gets the upper half.
    const bool upper = line.Y2 > line.Y1;
    for (double factor : {0.382, 0.5, 0.618}) {
        const int r = static_cast<int>(length * factor);
        // The midpoint circle, one octant and its mirrors in the chosen half.
        int x = 0, y = r, d = 3 - 2 * r;
        while (x <= y) {
            const int cx = line.X2, cy = line.Y2;
            if (upper) {
                canvas->SetPixel(cx + y, cy - x, clBlack);
                canvas->SetPixel(cx + x, cy - y, clBlack);
                canvas->SetPixel(cx - x, cy - y, clBlack);
                canvas->SetPixel(cx - y, cy - x, clBlack);
            } else {
                canvas->SetPixel(cx + x, cy + y, clBlack);
                canvas->SetPixel(cx + y, cy + x, clBlack);
                canvas->SetPixel(cx - y, cy + x, clBlack);
                canvas->SetPixel(cx - x, cy + y, clBlack);
            }
            ++x;
            if (d < 0) {
                d += 4 * x + 6;
            } else {
                --y;
                d += 4 * (x - y) + 10;
            }
        }
    }
}
