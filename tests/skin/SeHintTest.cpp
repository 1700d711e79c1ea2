#include "SkinTest.h"
#include "platform/testing/TestClock.h"
#include "skin/controls/SePanel.h"
#include "skin/engine/KsSkinHint.h"

namespace {

class SeHint : public SkinTest {
protected:
    void SetUp() override {
        SkinTest::SetUp();
        hints = new TSeHintManager(nullptr);
        form = ShownFormAt(100, 100, 300, 200);
        withHint = Place(new TSeCustomPanel(form), form, 10, 10, 100, 60);
        withHint->SetHint("Open Stock Quote File|Opens a file of daily quotes");
        withHint->SetShowHint(true);
        plain = Place(new TSeCustomPanel(form), form, 150, 10, 100, 60);
        Application->ProcessMessages();
    }
    void TearDown() override {
        delete hints;
        SkinTest::TearDown();
    }
    bool Showing() const { return hints->GetHintShowing(); }
    // Whether the hint shows once the pointer has rested for the pause.
    bool ShownAfterThePause() {
        AdvanceClock(hints->GetHintPause());
        return Showing();
    }

    TSeHintManager* hints = nullptr;
    TForm* form = nullptr;
    TSeCustomPanel* withHint = nullptr;
    TSeCustomPanel* plain = nullptr;
};

TEST_F(SeHint, ShownAfterTheMouseRestsOverAControlThatShowsHints) {
    EXPECT_EQ(TSeHintManager::Current(), hints);
    EXPECT_THROW(new TSeHintManager(nullptr), EComponentError);
    EXPECT_EQ(hints->GetHintPause(), 500);
    MouseMove(withHint, 20, 20);
    EXPECT_FALSE(Showing());
    AdvanceClock(499);
    EXPECT_FALSE(Showing()) << "not before the pause";
    // A move over the same control starts the pause again.
    MouseMove(withHint, 21, 21);
    AdvanceClock(499);
    EXPECT_FALSE(Showing());
    AdvanceClock(1);
    ASSERT_TRUE(Showing());
    THintWindow* window = hints->GetHintWindow();
    EXPECT_EQ(window->GetCaption(), "Open Stock Quote File");
    // Just under the pointer.
    const TPoint pointer = withHint->ClientToScreen(TPoint(21, 21));
    EXPECT_EQ(window->GetLeft(), pointer.x);
    EXPECT_GT(window->GetTop(), pointer.y);
    EXPECT_LT(window->GetTop(), pointer.y + 40);
    EXPECT_GT(window->GetWidth(), 40);
    // The hint window takes nothing from the form under it.
    EXPECT_TRUE(form->GetActive());
}

TEST_F(SeHint, NotShownWithoutShowHintOrWithoutAHint) {
    withHint->SetShowHint(false);
    MouseMove(withHint, 20, 20);
    AdvanceClock(10000);
    EXPECT_FALSE(Showing());
    plain->SetShowHint(true);  // no text to show
    MouseMove(plain, 20, 20);
    AdvanceClock(10000);
    EXPECT_FALSE(Showing());
    // The same rest over the control that shows its hint does show it.
    withHint->SetShowHint(true);
    MouseMove(withHint, 20, 20);
    EXPECT_TRUE(ShownAfterThePause());
}

TEST_F(SeHint, HiddenOnLeavingOnAClickAndAfterAWhile) {
    MouseMove(withHint, 20, 20);
    ASSERT_TRUE(ShownAfterThePause());
    MouseMove(plain, 20, 20);
    EXPECT_FALSE(Showing());

    MouseMove(withHint, 30, 30);
    ASSERT_TRUE(ShownAfterThePause());
    MouseClick(withHint, 30, 30);
    EXPECT_FALSE(Showing());
    // Not again over the same control until the pointer has been elsewhere.
    MouseMove(withHint, 31, 31);
    AdvanceClock(10000);
    EXPECT_FALSE(Showing());

    hints->SetHintHidePause(300);
    MouseMove(plain, 20, 20);
    MouseMove(withHint, 20, 20);
    ASSERT_TRUE(ShownAfterThePause());
    AdvanceClock(299);
    EXPECT_TRUE(Showing()) << "shown for the whole hide pause";
    AdvanceClock(1);
    EXPECT_FALSE(Showing());
    AdvanceClock(10000);
    EXPECT_FALSE(Showing()) << "and not again while the pointer rests";
}

TEST_F(SeHint, AFreedControlLeavesNoHintBehind) {
    MouseMove(withHint, 20, 20);
    delete withHint;
    EXPECT_EQ(hints->GetHintControl(), nullptr);
    AdvanceClock(10000);
    EXPECT_FALSE(Showing());
}

TEST_F(SeHint, SkinnedWindowDrawsTheHintObject) {
    auto face = [this] {
        MouseMove(plain, 20, 20);
        MouseMove(withHint, 20, 20);
        EXPECT_TRUE(ShownAfterThePause());
        auto* window = hints->GetHintWindow();
        window->Repaint();
        return SurfacePixel(window, window->GetWidth() / 2, 1);
    };
    const TColor classic = face();
    EXPECT_EQ(classic, ColorToRGB(clInfoBk));
    hints->SetHintWindowClass<TSeSkinHintWindow>();
    EXPECT_EQ(face(), classic);  // no skin: the classic look
    TSeSkinEngine engine(nullptr);
    const TColor skinned = face();
    EXPECT_EQ(skinned, ColorToRGB(engine.FindObject("Hint")->GetLook(kssNormal).Face));
    EXPECT_NE(skinned, classic);
}

}  // namespace
