#include <memory>

#include "ShownPixels.h"
#include "SkinTest.h"
#include "skin/engine/KsSkinStatusBar.h"

namespace {

class SeStatusBar : public SkinTest {};

TEST_F(SeStatusBar, SitsAtTheBottomAndShowsItsText) {
    TForm* form = ShownForm(300, 150);
    auto* bar = new TSeCustomStatusBar(form);
    bar->SetParent(form);
    Application->ProcessMessages();
    EXPECT_EQ(bar->GetTop() + bar->GetHeight(), form->GetClientHeight());
    EXPECT_EQ(bar->GetWidth(), form->GetClientWidth());
    const int empty = CountShown(bar, clWindowText);
    bar->SetSimpleText("Ready");
    Application->ProcessMessages();
    EXPECT_EQ(bar->GetCaption(), "Ready");
    EXPECT_GT(CountShown(bar, clWindowText), empty + 10);
}

TEST_F(SeStatusBar, TheGripShowsOnSizeableFormsAndResizesThem) {
    TForm* form = ShownForm(300, 150);
    auto* bar = new TSeCustomStatusBar(form);
    bar->SetParent(form);
    Application->ProcessMessages();
    ASSERT_TRUE(bar->GripShown());
    const TRect grip = bar->GripRect();
    EXPECT_EQ(grip.Right, bar->GetWidth());
    const std::vector<TColor> withGrip = ShownPixels(bar);

    MouseMove(bar, grip.Right - 3, grip.Bottom - 3);
    EXPECT_EQ(ShownCursor(bar), crSizeNWSE);
    MouseDown(bar, mbLeft, grip.Right - 3, grip.Bottom - 3);
    MouseMove(bar, grip.Right + 37, grip.Bottom + 17);
    MouseUp(bar, mbLeft, grip.Right + 37, grip.Bottom + 17);
    EXPECT_EQ(form->GetWidth(), 340);
    EXPECT_EQ(form->GetHeight(), 170);
    EXPECT_EQ(bar->GetTop() + bar->GetHeight(), form->GetClientHeight()) << "the bar follows the bottom";

    form->SetBorderStyle(bsSingle);
    EXPECT_FALSE(bar->GripShown());
    EXPECT_TRUE(bar->GripRect().IsEmpty());
    bar->SetBounds(0, bar->GetTop(), 300, bar->GetHeight());
    form->SetBorderStyle(bsSizeable);
    bar->SetSizeGrip(false);
    EXPECT_FALSE(bar->GripShown());
    EXPECT_NE(ShownPixels(bar), withGrip);
    MouseDown(bar, mbLeft, grip.Right - 3, grip.Bottom - 3);
    MouseMove(bar, grip.Right + 37, grip.Bottom + 17);
    MouseUp(bar, mbLeft, grip.Right + 37, grip.Bottom + 17);
    EXPECT_EQ(form->GetWidth(), 340) << "no grip, no resizing";
}

TEST_F(SeStatusBar, SkinnedFaceFromItsObject) {
    TForm* form = ShownForm(300, 150);
    auto* bar = new TSeSkinStatusBar(form);
    bar->SetParent(form);
    bar->SetSimpleText("Done.");
    const std::vector<TColor> classic = ShownPixels(bar);
    auto engine = std::make_unique<TSeSkinEngine>(nullptr);
    EXPECT_NE(ShownPixels(bar), classic);
    TSeSkinObject* object = engine->FindObject("StatusBar");
    EXPECT_EQ(SurfacePixel(bar, 150, 10), object->GetLook(kssNormal).Face);
    EXPECT_GT(CountShown(bar, object->GetLook(kssNormal).Text), 10);
    engine.reset();
    EXPECT_EQ(ShownPixels(bar), classic);
}

}  // namespace
