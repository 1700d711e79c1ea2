#include <climits>
#include <memory>

#include "ShownPixels.h"
#include "SkinTest.h"
#include "platform/controls/ExtCtrls.h"
#include "platform/runtime/TickClock.h"
#include "platform/testing/TestClock.h"
#include "skin/engine/KsSkinProgressBar.h"

namespace {

class SeProgressBar : public SkinTest {};

class TCountingBar : public TSeCustomProgressBar {
public:
    using TSeCustomProgressBar::TSeCustomProgressBar;
    int paints = 0;

protected:
    void PaintControl(TCanvas* Canvas, const TRect& Rect) override {
        ++paints;
        TSeCustomProgressBar::PaintControl(Canvas, Rect);
    }
};

TEST_F(SeProgressBar, RepaintsOnlyWhenTheShownPercentageChanges) {
    TForm* form = ShownForm();
    auto* bar = Place(new TCountingBar(form), form, 10, 10, 150, 16);
    bar->SetMax(1000);
    Application->ProcessMessages();
    bar->paints = 0;
    for (int i = 1; i <= 1000; ++i) bar->SetPosition(i);
    EXPECT_EQ(bar->paints, 100) << "one paint per percent, not per step";
    EXPECT_EQ(bar->GetPosition(), 1000);
    EXPECT_EQ(bar->GetPercent(), 100);
    bar->SetPosition(0);
    EXPECT_EQ(bar->paints, 101);
}

TEST_F(SeProgressBar, PendingMessagesRunInsideAPositionThatMovesTheBar) {
    TForm* form = ShownForm();
    auto* bar = Place(new TSeCustomProgressBar(form), form, 10, 10, 150, 16);
    int ticks = 0;
    TTimer timer(nullptr);
    timer.SetInterval(1);
    timer.OnTimer = TNotifyEvent([&](TObject*) { ++ticks; });
    AdvanceTickClockForTests(1);  // due, and no message handled yet
    bar->SetPosition(0);
    EXPECT_EQ(ticks, 0) << "no change: nothing handled";
    bar->SetMax(1000);
    bar->SetPosition(5);
    EXPECT_EQ(ticks, 0) << "the shown percentage is still 0";
    bar->SetPosition(50);
    EXPECT_GT(ticks, 0) << "the due timer ran inside SetPosition";
}

TEST_F(SeProgressBar, FillsFromTheStartAndSurvivesOddRanges) {
    TForm* form = ShownForm();
    auto* bar = Place(new TSeCustomProgressBar(form), form, 10, 10, 150, 16);
    const TColor fill = ColorToRGB(clHighlight);
    bar->SetSmooth(true);
    bar->SetPosition(50);
    EXPECT_EQ(SurfacePixel(bar, 10, 8), fill);
    EXPECT_NE(SurfacePixel(bar, 140, 8), fill);
    const int smoothFilled = CountShown(bar, clHighlight);
    bar->SetSmooth(false);
    EXPECT_LT(CountShown(bar, clHighlight), smoothFilled) << "blocks leave gaps";
    EXPECT_GT(CountShown(bar, clHighlight), smoothFilled * 2 / 3);

    bar->SetBounds(10, 10, 16, 150);
    bar->SetOrientation(pbVertical);
    bar->SetSmooth(true);
    Application->ProcessMessages();
    EXPECT_EQ(SurfacePixel(bar, 8, 140), fill) << "a vertical bar grows upwards";
    EXPECT_NE(SurfacePixel(bar, 8, 10), fill);

    bar->SetPosition(500);  // beyond Max: full
    EXPECT_EQ(bar->GetPercent(), 100);
    bar->SetPosition(-5);
    EXPECT_EQ(bar->GetPercent(), 0);
    bar->SetMin(100);
    bar->SetPosition(150);  // Min = Max: empty, no division by zero
    EXPECT_EQ(bar->GetPercent(), 0);
    EXPECT_EQ(CountShown(bar, clHighlight), 0);
    bar->SetMin(INT_MIN);
    bar->SetMax(INT_MAX);
    bar->SetPosition(0);
    EXPECT_EQ(bar->GetPercent(), 50) << "the widest range does not overflow";
}

TEST_F(SeProgressBar, SkinnedBarDrawsTheTroughAndPartsFromItsObject) {
    TForm* form = ShownForm();
    auto* bar = Place(new TSeSkinProgressBar(form), form, 10, 10, 150, 16);
    bar->SetPosition(60);
    const std::vector<TColor> classic = ShownPixels(bar);
    auto engine = std::make_unique<TSeSkinEngine>(nullptr);
    EXPECT_NE(ShownPixels(bar), classic);
    TColor trough = engine->FindObject("ProgressBar")->GetLook(kssNormal).Face;
    const int troughBefore = CountShown(bar, trough);
    EXPECT_GT(troughBefore, 0);
    bar->SetPosition(20);
    EXPECT_GT(CountShown(bar, trough), troughBefore) << "less filled, more trough";
    bar->SetPosition(60);
    engine.reset();
    EXPECT_EQ(ShownPixels(bar), classic);
}

}  // namespace
