// Drawing an axis, read from the lines and texts a recording canvas sees
// and from the picture: value labels from the top down, the guards of
// label loops, logarithmic, date, asked and point labels, ticks, grid and
// minor ticks, texts split in lines and turned.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

#include "chart/axis/AxisTestSupport.h"
#include "platform/runtime/DateUtils.h"
#include "platform/runtime/SysUtils.h"

namespace {

struct AxisDraw : ::testing::Test, TAxisChart {
    TChartAxis* bottom = chart->GetBottomAxis();
    TChartAxis* left = chart->GetLeftAxis();
    TChartSeries* series = NewSeries();

    AxisDraw() {
        series->AddXY(0, 0);
        series->AddXY(1, 1);
    }
    // The left axis fixed to AMin..AMax with labels every AStep.
    void LeftRange(double AMin, double AMax, double AStep) {
        left->SetMinMax(AMin, AMax);
        left->SetDesiredIncrement(AStep);
        left->SetLabelsSeparation(0);
    }
    // The texts drawn with an alignment (2 right-top: the left axis' labels,
    // 6 centre-top: the bottom axis').
    static std::vector<std::string> Texts(const TDrawLog& Log, int Align) {
        std::vector<std::string> texts;
        const std::string mark = " a" + std::to_string(Align) + " ";
        for (const std::string& line : Only(Log, "Text ")) {
            const auto at = line.find(mark);
            if (at != std::string::npos) texts.push_back(line.substr(at + mark.size()));
        }
        return texts;
    }
    // The outer ticks of the left axis (and its minor ticks with Length 2).
    TDrawLog LeftTicks(const TDrawLog& Log, int Length = 4) const {
        const int from = left->GetAxisPos() - 1;
        return Only(Log, "H " + std::to_string(from) + ".." + std::to_string(from - Length) + " ");
    }
};

using Labels = std::vector<std::string>;

TEST_F(AxisDraw, ValueLabelsRunFromTheTopDown) {
    LeftRange(0, 100, 20);
    TDrawLog log = Paint();
    EXPECT_EQ(Texts(log, 2), (Labels{"100", "80", "60", "40", "20", "0"}));
    EXPECT_EQ(LeftTicks(log).size(), 6u);
    left->SetLabelsOnAxis(false);
    log = Paint();
    EXPECT_EQ(Texts(log, 2), (Labels{"80", "60", "40", "20"}));
    EXPECT_EQ(LeftTicks(log).size(), 4u);
}

TEST_F(AxisDraw, FirstLabelOnAWholeStepUnlessTold) {
    LeftRange(3, 97, 10);
    EXPECT_EQ(Texts(Paint(), 2), (Labels{"90", "80", "70", "60", "50", "40", "30", "20", "10"}));
    left->SetRoundFirstLabel(false);
    EXPECT_EQ(Texts(Paint(), 2), (Labels{"97", "87", "77", "67", "57", "47", "37", "27", "17", "7"}));
}

// A label exactly on the minimum is drawn whatever its sign.
TEST_F(AxisDraw, LabelOnTheMinimumOfEitherSign) {
    const struct {
        double min, max, step;
        Labels labels;
    } cases[] = {
        {100, 200, 50, {"200", "150", "100"}},
        {-100, 0, 50, {"0", "-50", "-100"}},
        {-0.3, -0.1, 0.1, {"-0.1", "-0.2", "-0.3"}},
        {-1e6, 1e6, 1e6, {"1,000,000", "0", "-1,000,000"}},
    };
    for (const auto& c : cases) {
        LeftRange(c.min, c.max, c.step);
        EXPECT_EQ(Texts(Paint(), 2), c.labels) << c.min;
    }
}

TEST_F(AxisDraw, TooManyLabelsDrawOnlyTheLine) {
    LeftRange(0, 100000, 1);
    const TDrawLog log = Paint();
    EXPECT_TRUE(Texts(log, 2).empty());
    EXPECT_TRUE(LeftTicks(log).empty());
    EXPECT_TRUE(Only(log, "GridH").empty());
    const std::string line = "V x" + std::to_string(left->GetAxisPos()) + " " + std::to_string(left->GetStartPixel()) +
                             ".." + std::to_string(left->GetEndPixel()) + " z0";
    EXPECT_EQ(Only(log, line).size(), 1u);
}

// Each case must simply end: a range of one value, values too large for
// their step to move them, and values that are no numbers.
TEST_F(AxisDraw, DegenerateRangesEnd) {
    const struct {
        double value;
        size_t labels;
    } cases[] = {
        {5, 1},
        {1e20, 1},
        {-7e15, 1},
        {std::numeric_limits<double>::quiet_NaN(), 0},
        {std::numeric_limits<double>::infinity(), 0},
    };
    for (const auto& c : cases) {
        series->Clear();
        series->AddXY(0, c.value);
        series->AddXY(1, c.value);
        EXPECT_EQ(Texts(Paint(), 2).size(), c.labels) << c.value;
    }
    series->Clear();
    series->AddXY(0, 5);
    left->SetLogarithmic(true);
    EXPECT_TRUE(Texts(Paint(), 2).empty());
}

TEST_F(AxisDraw, TicksAreNotLimitedInNumber) {
    LeftRange(0, 5000, 1);
    left->SetLabels(false);
    left->SetTickOnLabelsOnly(false);
    EXPECT_EQ(LeftTicks(Paint()).size(), 5001u);
}

TEST_F(AxisDraw, MinorTicksBetweenLabels) {
    LeftRange(0, 100, 20);
    // Three between each of the 5 pairs; beyond the ends they fall outside.
    EXPECT_EQ(LeftTicks(Paint(), 2).size(), 15u);
    left->SetMinorTickCount(1);
    EXPECT_EQ(LeftTicks(Paint(), 2).size(), 5u);
    for (int count : {0, -1, -5}) {
        left->SetMinorTickCount(count);
        EXPECT_TRUE(LeftTicks(Paint(), 2).empty()) << count;
    }
}

TEST_F(AxisDraw, GridAtTheLabelsOrBetweenThem) {
    LeftRange(0, 100, 20);
    const std::vector<std::string> ticks = LeftTicks(Paint());
    std::vector<int> at;
    for (const std::string& t : ticks) at.push_back(std::stoi(t.substr(t.find(" y") + 2)));
    TDrawLog grid = Only(Paint(), "GridH");
    ASSERT_EQ(grid.size(), at.size());
    for (size_t i = 0; i < at.size(); ++i) EXPECT_EQ(grid[i], "GridH y" + std::to_string(at[i]));
    left->SetGridCentered(true);
    grid = Only(Paint(), "GridH");
    ASSERT_EQ(grid.size(), at.size() - 1);
    for (size_t i = 1; i < at.size(); ++i)
        EXPECT_EQ(grid[i - 1], "GridH y" + std::to_string((int)std::nearbyint(0.5 * (at[i] + at[i - 1]))));
}

TEST_F(AxisDraw, GridInThreeDimensionsRunsAlongTheFloorAndUpTheBack) {
    LeftRange(0, 100, 50);
    chart->SetView3D(true);
    const TDrawLog log = Paint();
    EXPECT_TRUE(Only(log, "GridH").empty());
    const int width3D = chart->GetWidth3D();
    ASSERT_GT(width3D, 0);
    for (const std::string& tick : LeftTicks(log)) {
        const std::string y = tick.substr(tick.find(" y") + 2, tick.find(" z") - tick.find(" y") - 2);
        // (The bottom axis' first grid line meets the corner too.)
        EXPECT_GE(Only(log, "Z " + std::to_string(left->GetAxisPos()) + "," + y + " z0..").size(), 1u) << y;
    }
    const std::string back = " z" + std::to_string(width3D);
    int across = 0;
    for (const std::string& line : Only(log, "H " + std::to_string(chart->GetChartRect().Left) + ".."))
        across += line.size() > back.size() && line.compare(line.size() - back.size(), back.size(), back) == 0;
    EXPECT_EQ(across, 3);
}

TEST_F(AxisDraw, LogarithmicLabelsArePowersOfTheBase) {
    series->Clear();
    series->AddXY(0, 1);
    series->AddXY(1, 1000);
    left->SetLogarithmic(true);
    EXPECT_EQ(Texts(Paint(), 2), (Labels{"1", "10", "100", "1,000"}));
    series->Clear();
    series->AddXY(0, 0);
    series->AddXY(1, 100);
    EXPECT_EQ(Texts(Paint(), 2), (Labels{"0.1", "1", "10", "100"}));
    left->SetLogarithmicBase(2);
    series->Clear();
    series->AddXY(0, 1);
    series->AddXY(1, 8);
    EXPECT_EQ(Texts(Paint(), 2), (Labels{"1", "2", "4", "8"}));
}

TEST_F(AxisDraw, LabelsAskedFromTheApplication) {
    LeftRange(0, 100, 50);
    chart->OnGetNextAxisLabel = [this](TCustomChartAxis* Axis, int, double&, bool& Stop) {
        if (Axis == left) Stop = true;
    };
    EXPECT_EQ(Texts(Paint(), 2), (Labels{"100", "50", "0"}));
    const double values[] = {10, 35, 500, 60};
    chart->OnGetNextAxisLabel = [&](TCustomChartAxis* Axis, int Index, double& Value, bool& Stop) {
        if (Axis != left) return;
        Stop = false;
        Value = values[Index];
    };
    EXPECT_EQ(Texts(Paint(), 2), (Labels{"10", "35"}));
}

TEST_F(AxisDraw, DateLabelsFallOnTheCalendar) {
    series->Clear();
    series->GetXValues()->SetDateTime(true);
    for (int year = 2010; year <= 2020; ++year) series->AddXY(EncodeDate(static_cast<Word>(year), 6, 15), year);
    bottom->SetDateTimeFormat("yyyy-mm-dd");
    bottom->SetDesiredIncrement(365);
    const Labels labels = Texts(Paint(), 6);
    ASSERT_GE(labels.size(), 3u);
    int lastYear = 0;
    for (const std::string& text : labels) {
        EXPECT_EQ(text.substr(4), "-01-01") << text;
        const int year = std::stoi(text.substr(0, 4));
        if (lastYear) {
            EXPECT_LT(year, lastYear);
        }
        lastYear = year;
    }
}

TEST_F(AxisDraw, PointLabelsSkipThoseThatWouldOverlap) {
    series->Clear();
    for (int i = 0; i <= 10; ++i) series->AddXY(i, i, "P" + IntToStr(i));
    Labels drawn;
    chart->OnAfterDraw = [&](TObject*) {
        // An extra axis an event handler draws: 30 pixels per point and
        // every text 40 pixels wide, 48 with 10% separation.
        canvas->FixedTextWidth = 40;
        log.clear();
        const int start = chart->GetChartRect().Left;
        bottom->CustomDrawMinMaxStartEnd(200, 230, 190, false, 0, 10, 1, start, start + 300);
        drawn = Texts(log, 6);
        canvas->FixedTextWidth = 0;
    };
    Paint();
    EXPECT_EQ(drawn, (Labels{"P0", "P2", "P4", "P6", "P8", "P10"}));
    // The axis' own range and grid are back.
    EXPECT_TRUE(bottom->GetGrid()->GetVisible());
    EXPECT_EQ(bottom->GetCurMaximum(), 10);
}

TEST_F(AxisDraw, MultiLineLabelsStartAtTheLabelsBand) {
    bottom->SetMinMax(0, 1);
    bottom->SetDesiredIncrement(1);
    bottom->SetLabelsMultiLine(true);
    chart->OnGetAxisLabel = [this](TCustomChartAxis* Axis, TChartSeries*, int, AnsiString& Text) {
        if (Axis == bottom) Text = "two words";
    };
    const TDrawLog log = Paint();
    TDrawLog lines;
    for (const std::string& line : Only(log, "Text "))
        if (line.find(" a6 ") != std::string::npos) lines.push_back(line);
    ASSERT_GE(lines.size(), 2u);
    const auto y = [](const std::string& line) { return std::stoi(line.substr(line.find(',') + 1)); };
    EXPECT_EQ(lines[0].substr(lines[0].size() - 3), "two");
    EXPECT_EQ(lines[1].substr(lines[1].size() - 5), "words");
    EXPECT_EQ(y(lines[0]), bottom->GetLabelsPos());
    EXPECT_GT(y(lines[1]), y(lines[0]));
}

TEST_F(AxisDraw, TurnedLabelsAndTitles) {
    bottom->SetLabelsAngle(90);
    left->GetTitle()->SetCaption("Price");
    left->GetTitle()->SetAngle(90);
    const TDrawLog turned = Only(Paint(), "Turn ");
    EXPECT_NE(std::find_if(turned.begin(), turned.end(),
                           [](const std::string& l) { return l.find("@90 a2 ") != std::string::npos; }),
              turned.end());
    // The left title stands upright, bottom-centred on its band.
    const std::string title = "Turn " + std::to_string(left->GetTitlePos()) + "," +
                              std::to_string(left->GetCenterPixel()) + " @90 a14 Price";
    EXPECT_NE(std::find(turned.begin(), turned.end(), title), turned.end());
}

TEST_F(AxisDraw, PictureShowsLineTicksAndLabels) {
    LeftRange(0, 100, 50);
    chart->GetLeftAxis()->GetGrid()->SetVisible(false);
    Paint();
    TCanvas* picture = this->picture->GetCanvas();
    // A line 2 pixels wide from the axis position, ticks of 4 grey pixels
    // outside it, black label text beyond them.
    const int x = left->GetAxisPos(), middle = left->GetCenterPixel() + 7;
    EXPECT_EQ(ColorToRGB(picture->GetPixels(x, middle)), clBlack);
    EXPECT_EQ(ColorToRGB(picture->GetPixels(x + 1, middle)), clBlack);
    EXPECT_EQ(ColorToRGB(picture->GetPixels(x - 1, middle)), ColorToRGB(chart->GetColor()));
    const int tickY = left->CalcYPosValue(50);
    for (int dx = 1; dx <= 4; ++dx) EXPECT_EQ(ColorToRGB(picture->GetPixels(x - dx, tickY)), ColorToRGB(clGray));
    int ink = 0;
    for (int px = 0; px < left->GetLabelsPos(); ++px)
        for (int py = tickY - 8; py <= tickY + 8; ++py) ink += ColorToRGB(picture->GetPixels(px, py)) == clBlack;
    EXPECT_GT(ink, 10);
}

}  // namespace
