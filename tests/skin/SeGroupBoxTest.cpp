#include <memory>

#include "ShownPixels.h"
#include "SkinTest.h"
#include "skin/engine/KsSkinGroupBox.h"

namespace {

class SeGroupBox : public SkinTest {};

TEST_F(SeGroupBox, CaptionSitsInTheFrameAndChildrenStayInside) {
    TForm* form = ShownForm(250, 150);
    auto* group = Place(new TSeCustomGroupBox(form), form, 10, 10, 200, 120);
    const int blank = CountShown(group, clWindowText);
    group->SetCaption("Quote type");
    Application->ProcessMessages();
    const int captioned = CountShown(group, clWindowText);
    EXPECT_GT(captioned, blank + 10) << "the caption is drawn";
    // The caption stands in the top band, left of the middle.
    int inTop = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 100; ++x) inTop += SurfacePixel(group, x, y) == ColorToRGB(clWindowText);
    EXPECT_EQ(inTop, captioned - blank);

    auto* child = Place(new TSeCustomControl(group), group, 0, 0, 10, 10);
    child->SetAlign(alClient);
    EXPECT_GE(child->GetTop(), 12) << "below the caption";
    EXPECT_GT(child->GetLeft(), 0);
    EXPECT_LT(child->GetLeft() + child->GetWidth(), 200);
    EXPECT_LT(child->GetTop() + child->GetHeight(), 120);
}

TEST_F(SeGroupBox, SkinnedFrameFromItsObject) {
    TForm* form = ShownForm(250, 150);
    auto* group = Place(new TSeSkinGroupBox(form), form, 10, 10, 200, 100);
    group->SetCaption("Analysis");
    const std::vector<TColor> classic = ShownPixels(group);
    auto engine = std::make_unique<TSeSkinEngine>(nullptr);
    EXPECT_NE(ShownPixels(group), classic);
    TColor border = engine->FindObject("GroupBox")->GetLook(kssNormal).Border;
    EXPECT_GT(CountShown(group, border), 200) << "the frame in the skin's colour";
    EXPECT_EQ(SurfacePixel(group, 100, 99), border);
    engine.reset();
    EXPECT_EQ(ShownPixels(group), classic);
}

}  // namespace
