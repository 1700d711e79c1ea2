#include <memory>

#include "ShownPixels.h"
#include "SkinTest.h"
#include "skin/engine/KsSkinLabel.h"
#include "skin/engine/KsSkinPanel.h"
#include "skin/engine/KsSkinSpeedButton.h"
#include "skin/engine/KsSkinToolBars.h"

namespace {

class SkinSimpleWrappers : public SkinTest {};

// A 6 x 6 red glyph whose bottom-left corner (fuchsia) is transparent.
void RedGlyph(TBitmap& Glyph) {
    Glyph.SetSize(6, 6);
    Glyph.GetCanvas()->GetBrush()->SetColor(clRed);
    Glyph.GetCanvas()->FillRect(Rect(0, 0, 6, 6));
    Glyph.GetCanvas()->SetPixels(0, 5, clFuchsia);
}

TEST_F(SkinSimpleWrappers, SpeedButtonIsFlatOnItsBarUntilHotAndShowsDownAndDisabled) {
    TForm* form = ShownForm(300, 100);
    auto* tools = Place(new TSeSkinToolBar(form), form, 0, 0, 200, 30);
    auto* button = new TSeSkinSpeedButton(form);
    button->SetParent(tools);
    TBitmap glyph;
    RedGlyph(glyph);
    button->SetGlyph(&glyph);
    int clicks = 0;
    button->OnClick = TNotifyEvent([&](TObject*) { ++clicks; });
    const std::vector<TColor> classic = ShownPixels(button);

    auto engine = std::make_unique<TSeSkinEngine>(nullptr);
    TSeSkinObject* object = engine->FindObject("SpeedButton");
    const std::vector<TColor> rest = ShownPixels(button);
    EXPECT_NE(rest, classic);
    // At rest the bar's gradient shows through: the same colour as the bar beside it.
    const int x = button->GetLeft() + 1, y = button->GetTop() + 3;
    EXPECT_EQ(SurfacePixel(tools, x, y), SurfacePixel(tools, button->GetLeft() + button->GetWidth() + 1, y));
    EXPECT_EQ(SurfacePixel(tools, x + 9, y + 6), clRed) << "the glyph in the middle";

    MouseMove(button, 5, 5);
    Application->ProcessMessages();
    EXPECT_EQ(SurfacePixel(tools, button->GetLeft(), button->GetTop() + 11), object->GetLook(kssHot).Border);
    MouseMove(tools, 150, 5);
    Application->ProcessMessages();
    EXPECT_EQ(ShownPixels(button), rest) << "the hot look goes with the mouse";

    button->SetGroupIndex(1);
    button->SetAllowAllUp(true);
    MouseClick(button, 5, 5);
    EXPECT_EQ(clicks, 1);
    ASSERT_TRUE(button->GetDown());
    MouseMove(tools, 150, 5);
    EXPECT_GT(CountShown(button, object->GetLook(kssChecked).Border), 20) << "down: the checked look";

    button->SetEnabled(false);
    Application->ProcessMessages();
    EXPECT_EQ(CountShown(button, clRed), 0) << "a disabled glyph is greyed";
    EXPECT_GT(CountShown(button, clBtnShadow), 0);
    MouseClick(button, 5, 5);
    EXPECT_EQ(clicks, 1) << "and the button ignores clicks";

    button->SetEnabled(true);
    button->SetDown(false);
    MouseMove(tools, 150, 5);
    engine.reset();
    EXPECT_EQ(ShownPixels(button), classic);
}

TEST_F(SkinSimpleWrappers, LabelIsTransparentAndWritesInTheSkinsColours) {
    TForm* form = ShownForm(200, 100, clYellow);
    auto* label = Place(new TSeSkinLabel(form), form, 10, 10, 50, 20);
    label->SetCaption("Symbol:");
    const std::vector<TColor> classic = ShownPixels(label);
    auto engine = std::make_unique<TSeSkinEngine>(nullptr);
    TSeSkinObject* object = engine->FindObject("Label");
    EXPECT_NE(ShownPixels(label), classic);
    EXPECT_EQ(SurfacePixel(form, label->GetLeft() + label->GetWidth() - 1, label->GetTop()), ColorToRGB(clYellow))
        << "the form shows through";
    EXPECT_GT(CountShown(label, object->GetLook(kssNormal).Text), 5);
    label->SetEnabled(false);
    EXPECT_EQ(CountShown(label, object->GetLook(kssNormal).Text), 0);
    EXPECT_GT(CountShown(label, object->GetLook(kssDisabled).Text), 5);
    label->SetEnabled(true);
    engine.reset();
    EXPECT_EQ(ShownPixels(label), classic);
}

TEST_F(SkinSimpleWrappers, PanelTakesItsFaceFrameAndCaptionFromTheSkin) {
    TForm* form = ShownForm(300, 100);
    auto* panel = Place(new TSeSkinPanel(form), form, 10, 10, 200, 60);
    panel->SetCaption("Velmora Web Browser");
    const std::vector<TColor> classic = ShownPixels(panel);
    auto engine = std::make_unique<TSeSkinEngine>(nullptr);
    const TSeStateLook& look = engine->FindObject("Panel")->GetLook(kssNormal);
    EXPECT_NE(ShownPixels(panel), classic);
    EXPECT_EQ(SurfacePixel(panel, 0, 0), look.Border);
    EXPECT_EQ(SurfacePixel(panel, 5, 5), look.Face);
    const int captioned = CountShown(panel, look.Text);
    EXPECT_GT(captioned, 20);
    // Left-aligned, the caption starts within the margin.
    panel->SetAlignment(taLeftJustify);
    panel->Repaint();
    int nearLeft = 0;
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 30; ++x) nearLeft += SurfacePixel(panel, x, y) == look.Text;
    EXPECT_GT(nearLeft, 0);
    panel->SetAlignment(taCenter);
    engine.reset();
    EXPECT_EQ(ShownPixels(panel), classic);
}

}  // namespace
