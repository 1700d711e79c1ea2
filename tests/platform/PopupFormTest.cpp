// Popup windows of a form: shown without taking its activation, and taking
// the mouse while it is modal.
#include "ControlProbes.h"

namespace {

class PopupForm : public PlatformTest {
protected:
    // A borderless form at (x, y) holding a probe that counts its clicks.
    TForm* Popup(TForm* Parent, int X, int Y, int& Clicks) {
        auto* popup = new TForm(Application);
        popup->SetBorderStyle(bsNone);
        popup->SetBounds(X, Y, 80, 40);
        popup->SetPopupParent(Parent);
        auto* probe = Place(new TPaintProbe(popup), popup, 0, 0, 80, 40);
        probe->OnClick = TNotifyEvent([&Clicks](TObject*) { ++Clicks; });
        return popup;
    }
};

TEST_F(PopupForm, ShowsWithoutTakingTheActivation) {
    TForm* main = ShownForm();
    int deactivations = 0;
    main->OnDeactivate = TNotifyEvent([&](TObject*) { ++deactivations; });
    int clicks = 0;
    TForm* popup = Popup(main, 120, 220, clicks);
    popup->Show();
    Application->ProcessMessages();
    EXPECT_TRUE(popup->GetVisible());
    EXPECT_EQ(Screen->GetActiveForm(), main);
    EXPECT_EQ(deactivations, 0);
    MouseClick(popup->GetControls(0), 5, 5);
    EXPECT_EQ(clicks, 1);
    popup->Hide();
    EXPECT_EQ(Screen->GetActiveForm(), main);

    popup->SetPopupParent(nullptr);
    popup->Show();
    EXPECT_EQ(Screen->GetActiveForm(), popup) << "an ordinary window takes the activation";
}

TEST_F(PopupForm, TakesTheMouseWhileItsParentIsModal) {
    TForm* main = ShownForm();
    auto* dialog = new TForm(main);
    dialog->SetBounds(150, 150, 200, 100);
    int ownClicks = 0, otherClicks = 0;
    TForm* own = Popup(dialog, 160, 260, ownClicks);
    TForm* other = Popup(main, 260, 260, otherClicks);
    AnswerNextModalForm([&](TCustomForm* shown) {
        own->Show();
        other->Show();
        MouseClick(own->GetControls(0), 5, 5);
        MouseClick(other->GetControls(0), 5, 5);
        shown->SetModalResult(mrOk);
    });
    dialog->ShowModal();
    EXPECT_EQ(ownClicks, 1) << "the modal form's popup takes input";
    EXPECT_EQ(otherClicks, 0) << "another form's popup is blocked like its form";
}

TEST_F(PopupForm, ForgetsAParentThatIsFreed) {
    auto* parent = new TForm(Application);
    int clicks = 0;
    TForm* popup = Popup(parent, 100, 100, clicks);
    delete parent;
    EXPECT_EQ(popup->GetPopupParent(), nullptr);
}

}  // namespace
