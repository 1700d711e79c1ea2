#include <memory>

#include "ShownPixels.h"
#include "SkinTest.h"
#include "skin/engine/KsSkinCheckBoxes.h"

namespace {

class SeCheckBoxes : public SkinTest {};

TEST_F(SeCheckBoxes, ClickOnBoxOrCaptionAndSpaceToggleAndEachChangeClicks) {
    TForm* form = ShownForm();
    auto* box = Place(new TSeCustomCheckBox(form), form, 10, 10, 120, 17);
    box->SetCaption("Volume");
    int clicks = 0;
    box->OnClick = TNotifyEvent([&](TObject*) { ++clicks; });

    MouseClick(box, 6, 8);  // on the box
    EXPECT_TRUE(box->GetChecked());
    EXPECT_TRUE(box->Focused()) << "a click takes the focus";
    MouseClick(box, 60, 8);  // on the caption
    EXPECT_FALSE(box->GetChecked());
    MouseDown(box, mbLeft, 6, 8);
    MouseUp(box, mbLeft, 200, 8);
    EXPECT_FALSE(box->GetChecked()) << "released outside: no change";
    EXPECT_EQ(clicks, 2);

    PressKey(form, VK_SPACE);
    EXPECT_EQ(box->GetState(), cbChecked);
    box->SetChecked(true);
    EXPECT_EQ(clicks, 3) << "setting the same state runs no click";

    const std::vector<TColor> enabled = ShownPixels(box);
    box->SetEnabled(false);
    EXPECT_NE(ShownPixels(box), enabled) << "a disabled box draws greyed";
    MouseClick(box, 6, 8);
    EXPECT_TRUE(box->GetChecked()) << "a disabled box ignores the mouse";
}

TEST_F(SeCheckBoxes, AllowGrayedCyclesThroughTheGrayedStateWhichDrawsItsOwnWay) {
    TForm* form = ShownForm();
    auto* box = Place(new TSeCustomCheckBox(form), form, 10, 10, 120, 17);
    box->SetAllowGrayed(true);
    const std::vector<TColor> unchecked = ShownPixels(box);
    MouseClick(box, 6, 8);
    EXPECT_EQ(box->GetState(), cbGrayed);
    EXPECT_FALSE(box->GetChecked());
    const std::vector<TColor> grayed = ShownPixels(box);
    MouseClick(box, 6, 8);
    EXPECT_EQ(box->GetState(), cbChecked);
    const std::vector<TColor> checked = ShownPixels(box);
    MouseClick(box, 6, 8);
    EXPECT_EQ(box->GetState(), cbUnchecked);
    EXPECT_NE(grayed, unchecked);
    EXPECT_NE(grayed, checked);
    EXPECT_NE(checked, unchecked);
}

TEST_F(SeCheckBoxes, TheBoxFollowsAlignmentAndTheFocusShowsOnTheCaption) {
    TForm* form = ShownForm();
    auto* box = Place(new TSeCustomCheckBox(form), form, 10, 10, 120, 17);
    box->SetCaption("Volume");
    auto* other = Place(new TSeCustomCheckBox(form), form, 10, 40, 120, 17);
    other->SetFocus();
    const std::vector<TColor> unfocused = ShownPixels(box);
    // The white inside of the box sits at the left...
    EXPECT_EQ(SurfacePixel(box, 6, 8), ColorToRGB(clWindow));
    box->SetFocus();
    Application->ProcessMessages();
    EXPECT_NE(ShownPixels(box), unfocused);
    // ... and at the right when the caption goes left of it.
    box->SetAlignment(taLeftJustify);
    Application->ProcessMessages();
    EXPECT_EQ(SurfacePixel(box, 113, 8), ColorToRGB(clWindow));
    EXPECT_NE(SurfacePixel(box, 6, 8), ColorToRGB(clWindow));
    MouseClick(box, 30, 8);
    EXPECT_TRUE(box->GetChecked()) << "the caption answers on either side";
}

class SeRadioButtons : public SkinTest {
protected:
    TSeCustomRadioButton* Radio(TWinControl* parent, int top, int group = 0) {
        auto* radio = Place(new TSeCustomRadioButton(parent), parent, 5, top, 100, 17);
        radio->SetGroupIndex(group);
        return radio;
    }
};

TEST_F(SeRadioButtons, CheckingOneTurnsOffOnlyItsGroupOnTheSameParent) {
    TForm* form = ShownForm(300, 200);
    auto* panel = Place(new TSeCustomControl(form), form, 150, 0, 150, 200);
    TSeCustomRadioButton* a = Radio(form, 10);
    TSeCustomRadioButton* b = Radio(form, 30);
    TSeCustomRadioButton* otherGroup = Radio(form, 50, 1);
    TSeCustomRadioButton* otherParent = Radio(panel, 10);
    a->SetChecked(true);
    otherGroup->SetChecked(true);
    otherParent->SetChecked(true);
    EXPECT_TRUE(a->GetChecked());

    b->SetChecked(true);
    EXPECT_FALSE(a->GetChecked());
    EXPECT_TRUE(b->GetChecked());
    EXPECT_TRUE(otherGroup->GetChecked()) << "another group index";
    EXPECT_TRUE(otherParent->GetChecked()) << "another parent";
    b->SetChecked(false);
    EXPECT_FALSE(b->GetChecked()) << "turning off touches nobody else";
    EXPECT_FALSE(a->GetChecked());
}

TEST_F(SeRadioButtons, CheckingClicksExceptWhileStreamingAndTurningOffNever) {
    TForm* form = ShownForm();
    TSeCustomRadioButton* a = Radio(form, 10);
    TSeCustomRadioButton* b = Radio(form, 30);
    std::vector<TObject*> clicked;
    a->OnClick = b->OnClick = TNotifyEvent([&](TObject* sender) { clicked.push_back(sender); });
    a->SetChecked(true);
    b->SetChecked(true);
    ASSERT_EQ(clicked.size(), 2u) << "a's turning off runs no click";
    EXPECT_EQ(clicked[0], a);
    EXPECT_EQ(clicked[1], b);
    b->SetChecked(true);
    EXPECT_EQ(clicked.size(), 2u) << "no change, no click";

    a->BeginLoading();
    a->SetChecked(true);
    EXPECT_TRUE(a->GetChecked());
    EXPECT_FALSE(b->GetChecked()) << "the group still follows while streaming";
    EXPECT_EQ(clicked.size(), 2u) << "no click while streaming";
    a->Loaded();
    b->SetChecked(true);
    EXPECT_EQ(clicked.size(), 3u);
}

TEST_F(SeRadioButtons, ClickChecksAndArrowsMoveThroughTheGroup) {
    TForm* form = ShownForm(200, 150);
    TSeCustomRadioButton* r[3] = {Radio(form, 10), Radio(form, 30), Radio(form, 50)};
    TSeCustomRadioButton* stranger = Radio(form, 70, 2);
    int clicks = 0;
    r[0]->OnClick = TNotifyEvent([&](TObject*) { ++clicks; });
    MouseClick(r[0], 6, 8);
    EXPECT_TRUE(r[0]->GetChecked());
    MouseClick(r[0], 6, 8);
    EXPECT_TRUE(r[0]->GetChecked()) << "clicking a checked one leaves it checked";
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(r[0]->Focused());

    PressKey(form, VK_DOWN);
    EXPECT_TRUE(r[1]->Focused());
    EXPECT_TRUE(r[1]->GetChecked());
    EXPECT_FALSE(r[0]->GetChecked());
    r[2]->SetEnabled(false);
    PressKey(form, VK_RIGHT);
    EXPECT_TRUE(r[0]->GetChecked()) << "past the disabled one, round to the first";
    PressKey(form, VK_UP);
    EXPECT_TRUE(r[1]->GetChecked());
    EXPECT_FALSE(stranger->GetChecked()) << "another group is never reached";
    PressKey(form, VK_SPACE);
    EXPECT_TRUE(r[1]->GetChecked());
}

TEST_F(SeRadioButtons, SkinnedLooksDifferFromClassicAndFallBack) {
    TForm* form = ShownForm();
    auto* radio = Place(new TSeSkinRadioButton(form), form, 10, 10, 100, 17);
    auto* box = Place(new TSeSkinCheckBox(form), form, 10, 40, 100, 17);
    radio->SetCaption("Daily");
    box->SetCaption("Volume");
    radio->SetChecked(true);
    box->SetChecked(true);
    const std::vector<TColor> classicRadio = ShownPixels(radio), classicBox = ShownPixels(box);
    auto engine = std::make_unique<TSeSkinEngine>(nullptr);
    const std::vector<TColor> skinnedBox = ShownPixels(box);
    EXPECT_NE(ShownPixels(radio), classicRadio);
    EXPECT_NE(skinnedBox, classicBox);
    // The checked face of the skin's box shows.
    TColor checkedFace = engine->FindObject("CheckBox")->GetLook(kssChecked).Face;
    EXPECT_GT(CountShown(box, checkedFace), 20);
    box->SetChecked(false);
    EXPECT_EQ(CountShown(box, checkedFace), 0);
    box->SetChecked(true);
    box->SetSkinObject("NoSuchObject");
    EXPECT_EQ(ShownPixels(box), classicBox);
    box->SetSkinObject("CheckBox");
    engine.reset();
    EXPECT_EQ(ShownPixels(radio), classicRadio);
    EXPECT_EQ(ShownPixels(box), classicBox);
}

}  // namespace
