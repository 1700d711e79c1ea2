// Quote, candle and volume series on a chart of fixed pixels (X 0..10 over
// 100..300, Y 0..100 over 250..50): the five lists kept aligned, candle
// bodies, wicks and bars with their colours and widths, flat candles,
// 3-D candles, null points, pixels beyond the 16-bit range, volume lines,
// sample quotes and the gallery entries.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>

#include "chart/axis/TeEngineAxis.h"
#include "chart/messages/TeeExceptions.h"
#include "chart/seriestypes/CandleCh.h"
#include "chart/seriestypes/ChartSeriesTypes.h"
#include "chart/series/SeriesDrawSupport.h"
#include "platform/runtime/SysUtils.h"

namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

std::string Hex(TColor C) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%06X", static_cast<unsigned>(C));
    return buf;
}

// Logs the depth-aware shapes a financial series draws with, and the pen
// or brush colour each takes; the shapes still reach the picture.
class TQuoteCanvas : public TTeeCanvas3D {
public:
    explicit TQuoteCanvas(TSeriesLog* ALog) : log_(ALog) {}
    void VertLine3D(int X, int Top, int Bottom, int Z) override {
        log_->push_back("V x" + std::to_string(X) + " " + std::to_string(Top) + ".." + std::to_string(Bottom) +
                        " pen" + Hex(GetPen()->GetColor()));
        TTeeCanvas3D::VertLine3D(X, Top, Bottom, Z);
    }
    void HorizLine3D(int Left, int Right, int Y, int Z) override {
        log_->push_back("H " + std::to_string(Left) + ".." + std::to_string(Right) + " y" + std::to_string(Y) +
                        " pen" + Hex(GetPen()->GetColor()));
        TTeeCanvas3D::HorizLine3D(Left, Right, Y, Z);
    }
    void RectangleWithZ(const TRect& R, int Z) override {
        log_->push_back("Body " + Pt(R.Left, R.Top) + " " + Pt(R.Right, R.Bottom) + " brush" +
                        Hex(GetBrush()->GetColor()));
        TTeeCanvas3D::RectangleWithZ(R, Z);
    }
    void Cube(int Left, int Right, int Top, int Bottom, int Z0, int Z1, bool DarkSides) override {
        log_->push_back("Cube " + Pt(Left, Top) + " " + Pt(Right, Bottom) + " brush" +
                        Hex(GetBrush()->GetColor()) + " pen" + Hex(GetPen()->GetColor()));
        TTeeCanvas3D::Cube(Left, Right, Top, Bottom, Z0, Z1, DarkSides);
    }

private:
    TSeriesLog* log_;
};

struct FinancialSeries : ::testing::Test, TSeriesChart {
    FinancialSeries() {
        chart->SetInternalCanvas(new TQuoteCanvas(&log));
        canvas = nullptr;  // the recording canvas is gone
    }
    TCandleSeries* Candles() {
        auto* s = New<TCandleSeries>();
        s->SetUpCloseColor(clLime);
        s->SetDownCloseColor(clRed);
        return s;
    }
};

// ---- The five lists ---------------------------------------------------------------

TEST_F(FinancialSeries, ListsAreNamedAndKeptAlignedInDateOrder) {
    auto* s = New<TCandleSeries>();
    EXPECT_EQ(s->GetDateValues()->GetName(), "Date");
    EXPECT_TRUE(s->GetDateValues()->GetDateTime());
    EXPECT_EQ(s->GetOpenValues()->GetName(), "Open");
    EXPECT_EQ(s->GetHighValues()->GetName(), "High");
    EXPECT_EQ(s->GetLowValues()->GetName(), "Low");
    EXPECT_EQ(s->GetCloseValues()->GetName(), "Close");
    EXPECT_EQ(s->GetYValueList("close"), s->GetCloseValues());

    EXPECT_EQ(s->AddCandle(5, 40, 60, 20, 50), 0);
    EXPECT_EQ(s->AddCandle(7, 41, 61, 21, 51), 1);
    // Earlier than every other date: index 0 of all five lists.
    EXPECT_EQ(s->AddCandle(2, 10, 30, 5, 25), 0);
    for (TChartValueList* list : {s->GetDateValues(), s->GetOpenValues(), s->GetHighValues(), s->GetLowValues(),
                                  s->GetCloseValues()})
        EXPECT_EQ(list->Count(), 3) << list->GetName().str();
    EXPECT_EQ(s->GetDateValues()->GetValue(0), 2);
    EXPECT_EQ(s->GetOpenValues()->GetValue(0), 10);
    EXPECT_EQ(s->GetHighValues()->GetValue(0), 30);
    EXPECT_EQ(s->GetLowValues()->GetValue(0), 5);
    EXPECT_EQ(s->GetCloseValues()->GetValue(0), 25);
    EXPECT_EQ(s->GetCloseValues()->GetValue(1), 50);
    EXPECT_EQ(s->GetCloseValues()->GetValue(2), 51);

    s->Delete(1);
    EXPECT_EQ(s->GetHighValues()->Count(), 2);
    EXPECT_EQ(s->GetHighValues()->GetValue(1), 61);
}

TEST_F(FinancialSeries, WhoeverHearsOfANewQuoteSeesAllOfIt) {
    auto* s = New<TCandleSeries>();
    auto* copy = New<TCandleSeries>();
    copy->SetDataSource(s);
    struct TWatcher {
        double high = 0, close = 0;
        void AfterAdd(TChartSeries* Sender, int ValueIndex) {
            auto* ohlc = static_cast<TOHLCSeries*>(Sender);
            high = ohlc->GetHighValues()->GetValue(ValueIndex);
            close = ohlc->GetCloseValues()->GetValue(ValueIndex);
        }
    } watcher;
    s->OnAfterAdd = TSeriesOnAfterAdd(&watcher, &TWatcher::AfterAdd);
    s->AddCandle(3, 40, 60, 20, 50);
    s->AddCandle(1, 10, 30, 5, 25);
    EXPECT_EQ(watcher.high, 30);
    EXPECT_EQ(watcher.close, 25);
    // The linked series copied the further lists of the quote, not zeros.
    ASSERT_EQ(copy->Count(), 2);
    EXPECT_EQ(copy->GetHighValues()->GetValue(0), 30);
    EXPECT_EQ(copy->GetLowValues()->GetValue(1), 20);
    EXPECT_EQ(copy->GetCloseValues()->GetValue(1), 50);
}

TEST_F(FinancialSeries, ValueLimitsReachTheHighsAndLows) {
    auto* s = New<TOHLCSeries>();
    s->AddOHLC(1, 40, 90, 30, 50);
    s->AddOHLC(2, 45, 70, 10, 60);
    EXPECT_EQ(s->MaxYValue(), 90);
    EXPECT_EQ(s->MinYValue(), 10);
    // A close above its high still counts.
    s->AddOHLC(3, 45, 70, 10, 95);
    EXPECT_EQ(s->MaxYValue(), 95);
}

TEST_F(FinancialSeries, OnlyQuotesFeedQuotes) {
    auto* s = New<TCandleSeries>();
    auto* other = New<TOHLCSeries>();
    auto* line = New<TLineSeries>();
    EXPECT_TRUE(s->IsValidSourceOf(other));
    EXPECT_TRUE(other->IsValidSourceOf(s));
    EXPECT_FALSE(s->IsValidSourceOf(line));
    EXPECT_FALSE(s->IsValidSourceOf(s));
    auto* volume = New<TVolumeSeries>();
    EXPECT_TRUE(volume->IsValidSourceOf(line));
}

// ---- Candles ------------------------------------------------------------------------

TEST_F(FinancialSeries, RisingCandleIsAWickAndABodyInTheUpColour) {
    auto* s = Candles();
    s->AddCandle(5, 40, 60, 20, 50);  // x 200, open y170, high y130, low y210, close y150
    EXPECT_THAT(Paint(), ElementsAre("V x200 210..130 pen000000", "Body 198,170 203,150 brush00FF00"));
    EXPECT_EQ(PixelAt(200, 160), clLime);   // inside the body
    EXPECT_EQ(PixelAt(200, 140), clBlack);  // the wick above it
    EXPECT_EQ(PixelAt(200, 120), clWhite);  // above the high
}

TEST_F(FinancialSeries, FallingCandleTakesTheDownColour) {
    auto* s = Candles();
    s->AddCandle(5, 50, 60, 20, 40);
    EXPECT_THAT(Only(Paint(), "Body"), ElementsAre("Body 198,150 203,170 brush0000FF"));
    EXPECT_EQ(PixelAt(200, 160), clRed);
}

TEST_F(FinancialSeries, BodyWidthSplitsAroundTheDate) {
    struct TCase {
        int width;
        const char* body;
    };
    for (const TCase& c : {TCase{5, "Body 198,170 203,150 brush00FF00"}, TCase{4, "Body 198,170 202,150 brush00FF00"},
                           TCase{1, "Body 200,170 201,150 brush00FF00"}, TCase{12, "Body 194,170 206,150 brush00FF00"}}) {
        auto* s = Candles();
        s->SetCandleWidth(c.width);
        s->AddCandle(5, 40, 60, 20, 50);
        EXPECT_THAT(Only(Paint(), "Body"), ElementsAre(c.body)) << c.width;
        delete s;
    }
}

TEST_F(FinancialSeries, FlatCandleIsALineInTheCandleColour) {
    auto* s = Candles();
    s->AddCandle(5, 40, 60, 20, 40);
    EXPECT_THAT(Paint(), ElementsAre("V x200 210..130 pen000000", "H 198..203 y170 pen00FF00"));
    EXPECT_EQ(PixelAt(199, 170), clLime);
}

TEST_F(FinancialSeries, FlatCandlesFollowTheCloseBeforeThem) {
    struct TCase {
        const char* name;
        double closes[4];
        bool flat[4];
        const char* colours[4];
    };
    // Closes 40 on a flat body; a non-flat body opens 10 below its close
    // (rising) unless told otherwise by the close going down.
    const TCase cases[] = {
        {"first flat is up", {40, 40, 40, 40}, {true, true, true, true}, {"00FF00", "00FF00", "00FF00", "00FF00"}},
        {"equal closes take the earlier colour", {60, 50, 50, 50}, {false, true, true, true},
         {"00FF00", "0000FF", "0000FF", "0000FF"}},
        {"higher close is up", {50, 40, 45, 45}, {true, true, true, true}, {"00FF00", "0000FF", "00FF00", "00FF00"}},
    };
    for (const TCase& c : cases) {
        auto* s = Candles();
        for (int i = 0; i < 4; ++i) {
            const double close = c.closes[i];
            s->AddCandle(i + 1, c.flat[i] ? close : close - 10, 90, 5, close);
        }
        TSeriesLog colours;
        for (const std::string& line : Paint()) {
            if (line.rfind("H ", 0) == 0 || line.rfind("Body", 0) == 0) colours.push_back(line.substr(line.size() - 6));
        }
        EXPECT_THAT(colours, ElementsAre(c.colours[0], c.colours[1], c.colours[2], c.colours[3])) << c.name;
        delete s;
    }
}

TEST_F(FinancialSeries, FlatCandleAfterAFallingOneWithTheSameCloseIsDownEvenWhenScrolledAway) {
    auto* s = Candles();
    s->AddCandle(-1, 60, 90, 5, 50);  // falling, left of the chart
    s->AddCandle(1, 50, 90, 5, 50);   // flat, same close
    s->AddCandle(2, 50, 90, 5, 50);   // flat, same close
    EXPECT_THAT(Only(Paint(), "H "), ElementsAre("H 118..123 y150 pen0000FF", "H 138..143 y150 pen0000FF"));
}

TEST_F(FinancialSeries, BarStyleDrawsTicksToBothSides) {
    struct TCase {
        bool open, close;
        std::vector<std::string> log;
    };
    const TCase cases[] = {
        {true, true, {"V x200 210..130 pen00FF00", "H 200..198 y170 pen00FF00", "H 200..203 y150 pen00FF00"}},
        {false, true, {"V x200 210..130 pen00FF00", "H 200..203 y150 pen00FF00"}},
        {true, false, {"V x200 210..130 pen00FF00", "H 200..198 y170 pen00FF00"}},
        {false, false, {"V x200 210..130 pen00FF00"}},
    };
    for (const TCase& c : cases) {
        auto* s = Candles();
        s->SetCandleStyle(csCandleBar);
        s->SetShowOpenTick(c.open);
        s->SetShowCloseTick(c.close);
        s->AddCandle(5, 40, 60, 20, 50);
        EXPECT_EQ(Paint(), c.log) << c.open << c.close;
        EXPECT_EQ(PixelAt(200, 180), clLime);
        delete s;
    }
}

TEST_F(FinancialSeries, ThreeDCandleIsACubeBetweenItsWicks) {
    chart->SetView3D(true);
    auto* s = Candles();
    s->SetDraw3D(true);
    EXPECT_TRUE(s->GetPointer()->GetDraw3D());
    s->AddCandle(5, 40, 60, 20, 50);
    s->AddCandle(7, 40, 60, 20, 40);  // flat: a cube of no height, outlined in its colour
    const TSeriesLog log = Paint();
    const int x0 = s->CalcXPos(0), x1 = s->CalcXPos(1), yHigh = s->CalcYPosValue(60),
              yLow = s->CalcYPosValue(20), yOpen = s->CalcYPosValue(40), yClose = s->CalcYPosValue(50);
    auto v = [](int X, int A, int B, const char* Pen) {
        return "V x" + std::to_string(X) + " " + std::to_string(A) + ".." + std::to_string(B) + " pen" + Pen;
    };
    EXPECT_THAT(log, ElementsAre(v(x0, yOpen, yLow, "000000"),
                                 "Cube " + Pt(x0 - 2, yClose) + " " + Pt(x0 + 3, yOpen) + " brush00FF00 pen000000",
                                 v(x0, yClose, yHigh, "000000"), v(x1, yOpen, yLow, "000000"),
                                 "Cube " + Pt(x1 - 2, yOpen) + " " + Pt(x1 + 3, yOpen) + " brush0000FF pen0000FF",
                                 v(x1, yOpen, yHigh, "0000FF")));
}

TEST_F(FinancialSeries, WithoutDraw3DA3DChartGetsFlatCandles) {
    chart->SetView3D(true);
    auto* s = Candles();
    s->AddCandle(5, 40, 60, 20, 50);
    EXPECT_FALSE(s->GetDraw3D());
    EXPECT_THAT(Only(Paint(), "Cube"), IsEmpty());
    EXPECT_THAT(Only(log, "Body"), ::testing::SizeIs(1));
}

TEST_F(FinancialSeries, InvertedAxisSwapsUpAndDown) {
    chart->GetLeftAxis()->SetInverted(true);
    auto* s = Candles();
    s->AddCandle(5, 40, 60, 20, 50);  // rising in value, falling on screen
    EXPECT_THAT(Only(Paint(), "Body"), ElementsAre("Body 198,130 203,150 brush0000FF"));
}

TEST_F(FinancialSeries, NullPointDrawsNothingAndIsPassedOverForFlatColours) {
    auto* s = Candles();
    s->AddCandle(1, 60, 90, 5, 50);  // falling
    const int null = s->AddCandle(2, 40, 60, 20, 50);
    s->SetValueColor(null, clNone);
    s->AddCandle(3, 50, 90, 5, 50);  // flat, same close as the falling one
    EXPECT_THAT(Paint(), ElementsAre("V x120 240..70 pen000000", "Body 118,130 123,150 brush0000FF",
                                     "V x160 240..70 pen000000", "H 158..163 y150 pen0000FF"));
    EXPECT_EQ(PixelAt(140, 160), clWhite);
    EXPECT_EQ(PixelAt(140, 140), clWhite);
}

TEST_F(FinancialSeries, CandlesBeyondTheScreenRangeAreLeftOutOrCutBack) {
    auto* s = Candles();
    s->AddCandle(4, 40, 1e6, 20, 50);   // high far above the screen
    s->AddCandle(5, 40, 60, 20, 50);
    s->AddCandle(2000, 40, 60, 20, 50);  // x = 40100: not drawable
    s->AddCandle(-2000, 40, 60, 20, 50);  // x = -39900
    chart->GetBottomAxis()->SetMinMax(0, 10);
    const TSeriesLog log = Paint();
    EXPECT_THAT(Only(log, "V "), ElementsAre("V x180 210..-32767 pen000000", "V x200 210..130 pen000000"));
    EXPECT_EQ(PixelAt(180, 60), clBlack);  // the cut wick still reaches the top
}

TEST_F(FinancialSeries, SettersRepaintOnlyOnChangeAndAssignCopiesTheLook) {
    auto* s = Candles();
    s->SetCandleWidth(9);
    s->SetCandleStyle(csCandleBar);
    s->SetShowOpenTick(false);
    s->SetShowCloseTick(false);
    s->SetDark3D(false);
    auto* pen = new TChartPen(TNotifyEvent());
    pen->SetColor(clBlue);
    s->SetPen(pen);
    delete pen;
    EXPECT_EQ(s->GetPointer()->GetPen()->GetColor(), clBlue);
    EXPECT_FALSE(s->GetPointer()->GetDark3D());

    auto* copy = New<TCandleSeries>();
    copy->Assign(s);
    EXPECT_EQ(copy->GetCandleWidth(), 9);
    EXPECT_EQ(copy->GetCandleStyle(), csCandleBar);
    EXPECT_EQ(copy->GetUpCloseColor(), clLime);
    EXPECT_EQ(copy->GetDownCloseColor(), clRed);
    EXPECT_FALSE(copy->GetShowOpenTick());
    EXPECT_FALSE(copy->GetShowCloseTick());
    EXPECT_EQ(copy->GetPen()->GetColor(), clBlue);
}

// ---- Volume -------------------------------------------------------------------------

TEST_F(FinancialSeries, VolumeLinesRunFromTheValueToTheAxis) {
    auto* v = New<TVolumeSeries>();
    v->SetSeriesColor(clBlue);
    v->AddXY(2, 30);
    v->AddNullXY(3, 40);
    v->AddXY(4, 80, "", clGreen);
    EXPECT_FALSE(v->GetPointer()->GetVisible());
    EXPECT_FALSE(v->GetDrawArea());
    EXPECT_THAT(Paint(), ElementsAre("V x140 190..250 penFF0000", "V x180 90..250 pen008000"));
    EXPECT_EQ(PixelAt(140, 220), clBlue);
    EXPECT_EQ(PixelAt(160, 240), clWhite);  // the null point

    chart->GetLeftAxis()->SetInverted(true);
    EXPECT_THAT(Paint(), ElementsAre("V x140 110..50 penFF0000", "V x180 210..50 pen008000"));
}

TEST_F(FinancialSeries, VolumeBeyondTheScreenRange) {
    auto* v = New<TVolumeSeries>();
    v->SetSeriesColor(clBlue);
    v->AddXY(-5000, 30);
    v->AddXY(5, 1e7);
    EXPECT_THAT(Paint(), ElementsAre("V x200 -32767..250 penFF0000"));
}

// ---- Samples and the gallery -----------------------------------------------------

TEST_F(FinancialSeries, SampleQuotesAreWholeCandles) {
    RandSeed = 7;
    auto* s = New<TCandleSeries>();
    EXPECT_EQ(s->NumSampleValues(), 40);
    s->FillSampleValues(s->NumSampleValues());
    ASSERT_EQ(s->Count(), 40);
    for (int i = 0; i < s->Count(); ++i) {
        const double open = s->GetOpenValues()->GetValue(i), close = s->GetCloseValues()->GetValue(i);
        EXPECT_GE(s->GetHighValues()->GetValue(i), std::max(open, close)) << i;
        EXPECT_LE(s->GetLowValues()->GetValue(i), std::min(open, close)) << i;
        if (i > 0) {
            // Each opens within 5 of the close before it.
            EXPECT_LE(std::abs(open - s->GetCloseValues()->GetValue(i - 1)), 5) << i;
            EXPECT_GT(s->GetDateValues()->GetValue(i), s->GetDateValues()->GetValue(i - 1));
        }
    }
    s->FillSampleValues(3);
    EXPECT_EQ(s->GetHighValues()->Count(), 3);

    auto* v = New<TVolumeSeries>();
    EXPECT_EQ(v->NumSampleValues(), 40);
    v->FillSampleValues(40);
    ASSERT_EQ(v->Count(), 40);
    EXPECT_THROW(v->FillSampleValues(0), ChartException);
    EXPECT_THROW(s->FillSampleValues(-1), ChartException);
}

TEST_F(FinancialSeries, CandleAndVolumeAreInTheExtendedGallery) {
    const TTeeSeriesTypes& types = TeeSeriesTypes();
    const TTeeSeriesType* candle = types.FindSeriesClass(TeeSeriesClassOf<TCandleSeries>());
    const TTeeSeriesType* volume = types.FindSeriesClass(TeeSeriesClassOf<TVolumeSeries>());
    ASSERT_NE(candle, nullptr);
    ASSERT_NE(volume, nullptr);
    EXPECT_EQ(candle->Description, "Candle");
    EXPECT_EQ(volume->Description, "Volume");
    EXPECT_EQ(candle->GalleryPage, "Extended");
    EXPECT_EQ(volume->GalleryPage, "Extended");
    EXPECT_EQ(candle->NumGallerySeries, 1);
    EXPECT_EQ(types.FindSeriesClass(TeeSeriesClassOf<TOHLCSeries>()), nullptr);
    // A series of the type made through the registry draws as a candle.
    TChartSeries* made = candle->SeriesClass->Create(form);
    EXPECT_NE(dynamic_cast<TCandleSeries*>(made), nullptr);
    EXPECT_TRUE(made->SameClass(New<TCandleSeries>()));
    EXPECT_FALSE(made->SameClass(New<TVolumeSeries>()));
}

}  // namespace
