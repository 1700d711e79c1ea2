#include "SkinTest.h"
#include "platform/testing/TestClock.h"
#include "skin/controls/SeScrollBar.h"

namespace {

class SeScrollBar : public SkinTest {
protected:
    // 200 x 20: arrows of 20, a track of 160 with a thumb of 15 (page 10 of 101).
    TSeCustomScrollBar* PagedBar(TForm* Form) {
        auto* bar = Place(new TSeCustomScrollBar(Form), Form, 0, 0, 200, 20);
        bar->SetPageSize(10);
        bar->SetLargeChange(10);
        bar->OnScroll = TScrollEvent([this](TObject*, TScrollCode code, int&) { codes.push_back(code); });
        return bar;
    }
    std::vector<TScrollCode> codes;
};

TEST_F(SeScrollBar, PositionStaysInsideTheRange) {
    TForm* form = ShownForm();
    auto* bar = PagedBar(form);
    int changes = 0;
    bar->OnChange = TNotifyEvent([&](TObject*) { ++changes; });
    bar->SetPosition(500);
    EXPECT_EQ(bar->GetPosition(), 91) << "Max - PageSize + 1";
    bar->SetPosition(-5);
    EXPECT_EQ(bar->GetPosition(), 0);
    bar->SetPosition(0);
    EXPECT_EQ(changes, 2);
    EXPECT_THROW(bar->SetParams(0, 10, 5), EInvalidOperation);
    bar->SetParams(50, 10, 20);
    EXPECT_EQ(bar->GetPageSize(), 10);
    EXPECT_EQ(bar->GetPosition(), 11);
    bar->SetMax(200);
    bar->SetPosition(150);
    bar->SetPageSize(0);
    EXPECT_EQ(bar->GetPosition(), 150);
    EXPECT_EQ(bar->PartRect(TSeCustomScrollBar::spThumb).Width(), 20) << "square thumb without a page";
}

// Held down, a part repeats its step after 300 ms, then every 100 ms.
TEST_F(SeScrollBar, ArrowsRepeatAfterADelayWhileHeld) {
    TForm* form = ShownForm();
    auto* bar = Place(new TSeCustomScrollBar(form), form, 0, 0, 16, 100);
    bar->SetKind(sbVertical);
    bar->SetBounds(0, 0, 16, 100);
    MouseDown(bar, mbLeft, 8, 95);
    EXPECT_EQ(bar->GetPosition(), 1) << "one step at once";
    AdvanceClock(299);
    EXPECT_EQ(bar->GetPosition(), 1) << "the first repeat waits longer than the others";
    AdvanceClock(1);
    EXPECT_EQ(bar->GetPosition(), 2);
    AdvanceClock(99);
    EXPECT_EQ(bar->GetPosition(), 2);
    AdvanceClock(1);
    EXPECT_EQ(bar->GetPosition(), 3);
    AdvanceClock(200);
    EXPECT_EQ(bar->GetPosition(), 5);
    MouseMove(bar, 8, 50);
    AdvanceClock(1000);
    EXPECT_EQ(bar->GetPosition(), 5) << "no repeats with the mouse off the arrow";
    MouseMove(bar, 8, 95);
    AdvanceClock(100);
    EXPECT_EQ(bar->GetPosition(), 6) << "the beat goes on back over the arrow";
    MouseUp(bar, mbLeft, 8, 95);
    AdvanceClock(1000);
    EXPECT_EQ(bar->GetPosition(), 6);

    MouseClick(bar, 8, 5);
    EXPECT_EQ(bar->GetPosition(), 5);
}

TEST_F(SeScrollBar, TrackPagesUntilTheThumbReachesTheMouse) {
    TForm* form = ShownForm();
    auto* bar = PagedBar(form);
    MouseClick(bar, 170, 10);
    EXPECT_EQ(bar->GetPosition(), 10);
    MouseDown(bar, mbLeft, 170, 10);
    EXPECT_EQ(bar->GetPosition(), 20);
    AdvanceClock(300);
    EXPECT_EQ(bar->GetPosition(), 30);
    AdvanceClock(1000);
    EXPECT_EQ(bar->GetPosition(), 90) << "the thumb is under the mouse";
    EXPECT_TRUE(bar->PartRect(TSeCustomScrollBar::spThumb).Contains({170, 10}));
    MouseUp(bar, mbLeft, 170, 10);
    EXPECT_EQ(codes.front(), scPageDown);
    EXPECT_EQ(codes.back(), scEndScroll);
    MouseClick(bar, 25, 10);
    EXPECT_EQ(bar->GetPosition(), 80);
}

TEST_F(SeScrollBar, DraggingTheThumbTracksThePosition) {
    TForm* form = ShownForm();
    auto* bar = PagedBar(form);
    ASSERT_EQ(bar->PartRect(TSeCustomScrollBar::spThumb), Rect(20, 0, 35, 20));
    MouseDown(bar, mbLeft, 25, 10);
    EXPECT_EQ(bar->GetPosition(), 0) << "grabbing does not move";
    MouseMove(bar, 25 + 145 / 2, 10);
    EXPECT_NEAR(bar->GetPosition(), 46, 1) << "half way";
    EXPECT_NEAR(bar->PartRect(TSeCustomScrollBar::spThumb).Left, 20 + 145 / 2, 1);
    MouseMove(bar, 400, 10);
    EXPECT_EQ(bar->GetPosition(), 91);
    MouseMove(bar, -100, 10);
    EXPECT_EQ(bar->GetPosition(), 0);
    MouseMove(bar, 55, 10);
    MouseUp(bar, mbLeft, 55, 10);
    EXPECT_EQ(bar->GetPosition(), 19);
    ASSERT_GE(codes.size(), 3u);
    EXPECT_EQ(codes[0], scTrack);
    EXPECT_EQ(codes[codes.size() - 2], scPosition);
    EXPECT_EQ(codes.back(), scEndScroll);
}

TEST_F(SeScrollBar, WheelAndOnScrollDecideThePosition) {
    TForm* form = ShownForm();
    auto* bar = PagedBar(form);
    bar->SetSmallChange(3);
    MouseWheel(bar, 100, 10, -WHEEL_DELTA);
    EXPECT_EQ(bar->GetPosition(), 3) << "towards the user scrolls down";
    MouseWheel(bar, 100, 10, WHEEL_DELTA);
    EXPECT_EQ(bar->GetPosition(), 0);
    bar->OnScroll = TScrollEvent([](TObject*, TScrollCode, int& pos) { pos = 42; });
    MouseClick(bar, 190, 10);
    EXPECT_EQ(bar->GetPosition(), 42);
}

}  // namespace
