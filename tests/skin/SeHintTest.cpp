#include <chrono>

#include "SkinTest.h"
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
    bool WaitShown(int Ms) {
        return ProcessMessagesUntil([this] { return Showing(); }, Ms);
    }

    TSeHintManager* hints = nullptr;
    TForm* form = nullptr;
    TSeCustomPanel* withHint = nullptr;
    TSeCustomPanel* plain = nullptr;
};

TEST_F(SeHint, ShownAfterTheMouseRestsOverAControlThatShowsHints) {
    EXPECT_EQ(TSeHintManager::Current(), hints);
    EXPECT_THROW(new TSeHintManager(nullptr), EComponentError);
    const auto start = std::chrono::steady_clock::now();
    MouseMove(withHint, 20, 20);
    EXPECT_FALSE(Showing());
    ASSERT_TRUE(WaitShown(3000));
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(400));
    THintWindow* window = hints->GetHintWindow();
    EXPECT_EQ(window->GetCaption(), "Open Stock Quote File");
    // Just under the pointer.
    const TPoint pointer = withHint->ClientToScreen(TPoint(20, 20));
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
    EXPECT_FALSE(WaitShown(900));
    plain->SetShowHint(true);  // no text to show
    MouseMove(plain, 20, 20);
    EXPECT_FALSE(WaitShown(900));
}

TEST_F(SeHint, HiddenOnLeavingOnAClickAndAfterAWhile) {
    MouseMove(withHint, 20, 20);
    ASSERT_TRUE(WaitShown(3000));
    MouseMove(plain, 20, 20);
    EXPECT_FALSE(Showing());

    MouseMove(withHint, 30, 30);
    ASSERT_TRUE(WaitShown(3000));
    MouseClick(withHint, 30, 30);
    EXPECT_FALSE(Showing());
    // Not again over the same control until the pointer has been elsewhere.
    MouseMove(withHint, 31, 31);
    EXPECT_FALSE(WaitShown(900));

    hints->SetHintHidePause(300);
    MouseMove(plain, 20, 20);
    MouseMove(withHint, 20, 20);
    ASSERT_TRUE(WaitShown(3000));
    EXPECT_TRUE(ProcessMessagesUntil([this] { return !Showing(); }, 3000));
}

TEST_F(SeHint, AFreedControlLeavesNoHintBehind) {
    MouseMove(withHint, 20, 20);
    delete withHint;
    EXPECT_EQ(hints->GetHintControl(), nullptr);
    EXPECT_FALSE(WaitShown(900));
}

TEST_F(SeHint, SkinnedWindowDrawsTheHintObject) {
    auto face = [this] {
        MouseMove(plain, 20, 20);
        MouseMove(withHint, 20, 20);
        EXPECT_TRUE(WaitShown(3000));
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
