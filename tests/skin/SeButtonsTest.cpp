#include "SkinTest.h"
#include "skin/controls/SeButtons.h"

namespace {

class SeButtons : public SkinTest {};

// A 4 x 4 glyph: red with a fuchsia bottom-left corner, the transparent colour.
void MakeGlyph(TBitmap* Glyph) {
    Glyph->SetSize(4, 4);
    Glyph->GetCanvas()->GetBrush()->SetColor(clRed);
    Glyph->GetCanvas()->FillRect(Rect(0, 0, 4, 4));
    Glyph->GetCanvas()->SetPixels(0, 3, clFuchsia);
}

TEST_F(SeButtons, SpeedButtonClicksUnlessDisabledAndDrawsGreyedWhenDisabled) {
    TForm* form = ShownForm();
    auto* button = Place(new TSeCustomSpeedButton(form), form, 10, 10, 24, 24);
    TBitmap glyph;
    MakeGlyph(&glyph);
    button->SetGlyph(&glyph);
    int clicks = 0;
    button->OnClick = TNotifyEvent([&](TObject*) { ++clicks; });
    Application->ProcessMessages();
    // The glyph is centred: its top left at (10, 10) inside the button.
    EXPECT_EQ(ScreenPixel(button, 11, 11), clRed);
    EXPECT_EQ(ScreenPixel(button, 10, 13), ColorToRGB(clBtnFace)) << "the bottom-left colour is transparent";

    MouseClick(button, 5, 5);
    EXPECT_EQ(clicks, 1);
    MouseDown(button, mbLeft, 5, 5);
    MouseUp(button, mbLeft, 40, 5);
    EXPECT_EQ(clicks, 1) << "released outside: no click";

    button->SetEnabled(false);
    Application->ProcessMessages();
    EXPECT_EQ(ScreenPixel(button, 11, 11), ColorToRGB(clBtnShadow)) << "greyed glyph";
    EXPECT_EQ(ScreenPixel(button, 14, 14), ColorToRGB(clBtnHighlight)) << "with its light shadow";
    MouseClick(button, 5, 5);
    EXPECT_EQ(clicks, 1);
    button->Click();
    EXPECT_EQ(clicks, 2) << "Click runs OnClick";
}

TEST_F(SeButtons, SpeedButtonGroupsKeepOneDown) {
    TForm* form = ShownForm();
    TSeCustomSpeedButton* b[3];
    for (int i = 0; i < 3; ++i) {
        b[i] = Place(new TSeCustomSpeedButton(form), form, 10 + 30 * i, 10, 24, 24);
        b[i]->SetGroupIndex(1);
    }
    auto* loner = Place(new TSeCustomSpeedButton(form), form, 100, 10, 24, 24);
    loner->SetDown(true);
    EXPECT_FALSE(loner->GetDown()) << "without a group a button never stays down";

    MouseClick(b[0], 5, 5);
    EXPECT_TRUE(b[0]->GetDown());
    MouseClick(b[1], 5, 5);
    EXPECT_FALSE(b[0]->GetDown());
    EXPECT_TRUE(b[1]->GetDown());
    MouseClick(b[1], 5, 5);
    EXPECT_TRUE(b[1]->GetDown()) << "the last one down stays down";
    b[1]->SetDown(false);
    EXPECT_TRUE(b[1]->GetDown());

    b[2]->SetAllowAllUp(true);
    EXPECT_TRUE(b[1]->GetAllowAllUp()) << "the whole group follows";
    MouseClick(b[1], 5, 5);
    EXPECT_FALSE(b[1]->GetDown());
    b[2]->SetDown(true);
    EXPECT_TRUE(b[2]->GetDown());
    EXPECT_FALSE(b[0]->GetDown() || b[1]->GetDown());
    Application->ProcessMessages();
    EXPECT_EQ(ScreenPixel(b[2], 0, 0), ColorToRGB(clBtnShadow)) << "a down button is drawn sunken";
}

TEST_F(SeButtons, ButtonClicksOnSpaceEnterAndEscape) {
    TForm* form = ShownForm(300, 100);
    auto* ok = Place(new TSeCustomButton(form), form, 10, 10, 75, 25);
    auto* cancel = Place(new TSeCustomButton(form), form, 100, 10, 75, 25);
    auto* other = Place(new TSeCustomButton(form), form, 190, 10, 75, 25);
    ok->SetDefault(true);
    cancel->SetCancel(true);
    std::vector<TObject*> clicked;
    for (auto* b : {ok, cancel, other}) b->OnClick = TNotifyEvent([&](TObject* s) { clicked.push_back(s); });

    cancel->SetFocus();
    PressKey(form, VK_RETURN);
    PressKey(form, VK_ESCAPE);
    PressKey(form, VK_SPACE);
    EXPECT_EQ(clicked, (std::vector<TObject*>{cancel, cancel, cancel})) << "a focused button takes Enter";

    clicked.clear();
    other->SetEnabled(false);
    form->SetActiveControl(nullptr);
    PressKey(form, VK_RETURN);
    PressKey(form, VK_ESCAPE);
    EXPECT_EQ(clicked, (std::vector<TObject*>{ok, cancel}));

    // The focus rectangle inverts dots just inside the face of the focused button.
    ok->SetFocus();
    Application->ProcessMessages();
    EXPECT_EQ(SurfacePixel(ok, 0, 0), ColorToRGB(cl3DDkShadow));
    // Outer frame, two bevel pixels, two pixels of face, then the dots.
    EXPECT_EQ(SurfacePixel(ok, 5, 5), ColorToRGB(clBtnFace) ^ 0xFFFFFF);
    EXPECT_EQ(SurfacePixel(ok, 6, 5), ColorToRGB(clBtnFace));
    EXPECT_EQ(SurfacePixel(ok, 7, 5), ColorToRGB(clBtnFace) ^ 0xFFFFFF);
    other->SetEnabled(true);
    MouseClick(other, 5, 5);
    EXPECT_TRUE(other->Focused()) << "a click gives the focus";
    Application->ProcessMessages();
    EXPECT_EQ(SurfacePixel(ok, 5, 5), ColorToRGB(clBtnFace)) << "no dots without the focus";
}

TEST_F(SeButtons, ModalResultClosesTheModalForm) {
    auto* dialog = new TForm(Application);
    dialog->SetBounds(50, 50, 200, 100);
    auto* yes = Place(new TSeCustomButton(dialog), dialog, 10, 10, 75, 25);
    auto* no = Place(new TSeCustomButton(dialog), dialog, 100, 10, 75, 25);
    yes->SetModalResult(mrYes);
    no->SetModalResult(mrNo);
    no->SetCancel(true);
    AnswerNextModalForm([&](TCustomForm*) { MouseClick(yes, 10, 10); });
    EXPECT_EQ(dialog->ShowModal(), mrYes);
    AnswerNextModalForm([&](TCustomForm* f) { PressKey(f, VK_ESCAPE); });
    EXPECT_EQ(dialog->ShowModal(), mrNo);
}

}  // namespace
