// Windows that show without taking the activation (popups) take the mouse
// while a modal form blocks the others.
#include "ControlProbes.h"

namespace {

class PopupForm : public PlatformTest {
protected:
    // A borderless form at (x, y) holding a probe that counts its clicks.
    TForm* Window(int X, int Y, bool Activates, int& Clicks) {
        auto* window = new TForm(Application);
        window->SetBorderStyle(bsNone);
        window->SetActivateOnShow(Activates);
        window->SetBounds(X, Y, 80, 40);
        auto* probe = Place(new TPaintProbe(window), window, 0, 0, 80, 40);
        probe->OnClick = TNotifyEvent([&Clicks](TObject*) { ++Clicks; });
        return window;
    }
};

TEST_F(PopupForm, TakesTheMouseWhileAModalFormBlocksTheOthers) {
    TForm* main = ShownForm();
    auto* dialog = new TForm(main);
    dialog->SetBounds(150, 150, 200, 100);
    int popupClicks = 0, windowClicks = 0;
    TForm* popup = Window(160, 260, false, popupClicks);
    TForm* window = Window(260, 260, true, windowClicks);
    window->Show();
    AnswerNextModalForm([&](TCustomForm* shown) {
        popup->Show();
        EXPECT_EQ(Screen->GetActiveForm(), shown);
        MouseClick(popup->GetControls(0), 5, 5);
        MouseClick(window->GetControls(0), 5, 5);
        shown->SetModalResult(mrOk);
    });
    dialog->ShowModal();
    EXPECT_EQ(popupClicks, 1) << "the popup opened over the modal form takes input";
    EXPECT_EQ(windowClicks, 0) << "an ordinary window stays blocked";
}

}  // namespace
