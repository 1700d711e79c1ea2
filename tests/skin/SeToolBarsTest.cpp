#include <memory>

#include "ShownPixels.h"
#include "SkinTest.h"
#include "skin/controls/SeButtons.h"
#include "skin/controls/SeLabel.h"
#include "skin/engine/KsSkinToolBars.h"

namespace {

class SeToolBars : public SkinTest {
protected:
    // A tool bar holding a label and Buttons 23 x 22 speed buttons.
    TSeCustomToolBar* Tools(TWinControl* parent, int buttons, const char* caption = nullptr) {
        auto* bar = new TSeCustomToolBar(parent);
        bar->SetParent(parent);
        if (caption) {
            auto* label = new TSeCustomLabel(bar);
            label->SetParent(bar);
            label->SetCaption(caption);
        }
        for (int i = 0; i < buttons; ++i) (new TSeCustomSpeedButton(bar))->SetParent(bar);
        return bar;
    }
};

TEST_F(SeToolBars, ToolBarPutsItsChildrenInARowAndFitsThem) {
    TForm* form = ShownForm(400, 200);
    TSeCustomToolBar* bar = Tools(form, 3, "Diagram:");
    ASSERT_EQ(bar->GetControlCount(), 4);
    TControl* label = bar->GetControls(0);
    EXPECT_EQ(label->GetLeft(), TSeCustomToolBar::kGap);
    for (int i = 1; i < 4; ++i) {
        TControl* prev = bar->GetControls(i - 1);
        TControl* button = bar->GetControls(i);
        EXPECT_EQ(button->GetLeft(), prev->GetLeft() + prev->GetWidth() + TSeCustomToolBar::kGap);
        EXPECT_EQ(button->GetTop(), TSeCustomToolBar::kGap);
    }
    EXPECT_EQ(bar->GetHeight(), 22 + 2 * TSeCustomToolBar::kGap) << "as high as the tallest child";
    TControl* last = bar->GetControls(3);
    EXPECT_EQ(bar->GetWidth(), last->GetLeft() + last->GetWidth() + TSeCustomToolBar::kGap);
    EXPECT_EQ(label->GetTop(), (bar->GetHeight() - label->GetHeight()) / 2) << "the label is centred";

    bar->GetControls(1)->SetVisible(false);
    EXPECT_EQ(bar->GetControls(2)->GetLeft(), label->GetLeft() + label->GetWidth() + TSeCustomToolBar::kGap)
        << "a hidden child leaves no hole";
    bar->SetAlign(alTop);
    EXPECT_EQ(bar->GetWidth(), form->GetClientWidth()) << "stretched by its parent";
    EXPECT_EQ(bar->GetHeight(), 26);
    bar->SetAutoSize(false);
    bar->SetHeight(40);
    EXPECT_EQ(bar->GetControls(2)->GetTop(), (36 - 22) / 2 + TSeCustomToolBar::kGap) << "centred in a fixed height";
}

TEST_F(SeToolBars, ControlBarWrapsItsBandsIntoRowsAndFollowsTheirHeight) {
    TForm* form = ShownForm(400, 300);
    auto* bands = new TSeCustomControlBar(form);
    bands->SetParent(form);
    EXPECT_EQ(bands->GetTop(), 0);
    EXPECT_EQ(bands->GetWidth(), 400) << "aligned to the top";
    TSeCustomToolBar* a = Tools(bands, 5);  // 5 buttons: 5 * 25 + 2 = 127 wide
    TSeCustomToolBar* b = Tools(bands, 4);
    TSeCustomToolBar* c = Tools(bands, 2);
    const int gap = TSeCustomControlBar::kGap, inset = 1 + gap;
    EXPECT_EQ(a->GetLeft(), inset);
    EXPECT_EQ(b->GetLeft(), a->GetLeft() + a->GetWidth() + gap);
    EXPECT_EQ(c->GetTop(), a->GetTop()) << "three fit in one row";
    EXPECT_EQ(bands->GetHeight(), a->GetHeight() + 2 * inset);

    form->SetBounds(form->GetLeft(), form->GetTop(), 280, 300);
    EXPECT_EQ(bands->GetWidth(), 280);
    EXPECT_EQ(b->GetTop(), a->GetTop());
    EXPECT_EQ(c->GetLeft(), inset) << "the third starts a new row";
    EXPECT_EQ(c->GetTop(), a->GetTop() + a->GetHeight() + gap);
    EXPECT_EQ(bands->GetHeight(), 2 * a->GetHeight() + gap + 2 * inset);

    form->SetBounds(form->GetLeft(), form->GetTop(), 100, 300);
    EXPECT_EQ(a->GetLeft(), inset) << "a band wider than the bar still takes a row of its own";
    EXPECT_EQ(c->GetTop(), a->GetTop() + 2 * (a->GetHeight() + gap));

    form->SetBounds(form->GetLeft(), form->GetTop(), 400, 300);
    EXPECT_EQ(c->GetTop(), a->GetTop()) << "back in one row";
    auto* client = Place(new TSeCustomControl(form), form, 0, 0, 10, 10);
    client->SetAlign(alClient);
    EXPECT_EQ(client->GetTop(), bands->GetHeight()) << "the rest of the form starts below the bands";
    c->SetVisible(false);
    b->SetVisible(false);
    a->SetVisible(false);
    EXPECT_EQ(bands->GetHeight(), 2 * inset) << "no bands, no rows";
}

TEST_F(SeToolBars, SkinnedBarsDrawTheirObjects) {
    TForm* form = ShownForm(400, 200);
    auto* bands = new TSeSkinControlBar(form);
    bands->SetParent(form);
    auto* tools = new TSeSkinToolBar(form);
    tools->SetParent(bands);
    tools->SetAutoSize(false);
    tools->SetBounds(0, 0, 100, 26);
    const std::vector<TColor> classicBands = ShownPixels(bands), classicTools = ShownPixels(tools);
    auto engine = std::make_unique<TSeSkinEngine>(nullptr);
    EXPECT_NE(ShownPixels(bands), classicBands);
    EXPECT_NE(ShownPixels(tools), classicTools);
    EXPECT_EQ(SurfacePixel(bands, 0, 0), engine->FindObject("ControlBar")->GetLook(kssNormal).Border);
    EXPECT_EQ(SurfacePixel(tools, 50, 0), engine->FindObject("ToolBar")->GetLook(kssNormal).Face)
        << "the top of the gradient";
    engine.reset();
    EXPECT_EQ(ShownPixels(bands), classicBands);
    EXPECT_EQ(ShownPixels(tools), classicTools);
}

}  // namespace
