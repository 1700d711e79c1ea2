// The push button, the check box, the radio group and the label, driven
// through the synthetic mouse and keys.
#include "ControlProbes.h"
#include "platform/controls/StdCtrls.h"

namespace {

class StdButtons : public PlatformTest {
protected:
    std::vector<std::string> log;
    TNotifyEvent Logger(const std::string& What) {
        return TNotifyEvent([this, What](TObject*) { log.push_back(What); });
    }
};

TEST_F(StdButtons, AButtonClicksOnAReleaseOverItOnSpaceAndForItsDialogKeys) {
    TForm* form = ShownForm(300, 100);
    auto* ok = Place(new TButton(form), form, 10, 10, 75, 25);
    auto* cancel = Place(new TButton(form), form, 100, 10, 75, 25);
    auto* edit = Place(new TEdit(form), form, 10, 50, 80, 21);
    ok->SetCaption("OK");
    ok->SetDefault(true);
    cancel->SetCancel(true);
    ok->OnClick = Logger("ok");
    cancel->OnClick = Logger("cancel");

    MouseDown(ok, mbLeft, 20, 10);
    EXPECT_EQ(ScreenPixel(ok, 1, 1), ColorToRGB(cl3DDkShadow)) << "drawn pressed while held";
    MouseMove(ok, 200, 10);
    MouseUp(ok, mbLeft, 200, 10);
    EXPECT_TRUE(log.empty()) << "released away from it: no click";
    MouseClick(ok, 20, 10);
    EXPECT_EQ(ScreenPixel(ok, 1, 1), ColorToRGB(clBtnHighlight)) << "raised again";
    EXPECT_TRUE(ok->Focused());

    cancel->SetFocus();
    PressKey(form, VK_SPACE);
    PressKey(form, VK_RETURN);  // the focused button, not the default one
    edit->SetFocus();
    PressKey(form, VK_RETURN);
    PressKey(form, VK_ESCAPE);
    EXPECT_EQ(log, (std::vector<std::string>{"ok", "cancel", "cancel", "ok", "cancel"}));

    ok->SetEnabled(false);
    log.clear();
    PressKey(form, VK_RETURN);
    MouseClick(ok, 20, 10);
    EXPECT_TRUE(log.empty()) << "a disabled button neither clicks nor takes Enter";
}

TEST_F(StdButtons, AButtonWithAModalResultEndsShowModal) {
    auto* dialog = new TForm(Application);
    dialog->SetBounds(0, 0, 200, 80);
    auto* button = Place(new TButton(dialog), dialog, 10, 10, 75, 25);
    button->SetModalResult(mrOk);
    AnswerNextModalForm([button](TCustomForm*) { MouseClick(button, 5, 5); });
    EXPECT_EQ(dialog->ShowModal(), mrOk);
}

TEST_F(StdButtons, ACheckBoxTogglesByMouseSpaceAndAccessKeyAndTellsEveryChange) {
    TForm* form = ShownForm(200, 80);
    auto* box = Place(new TCheckBox(form), form, 10, 10, 150, 17);
    box->SetCaption("&View Margins");
    box->OnClick = TNotifyEvent([&](TObject*) { log.push_back(box->GetChecked() ? "on" : "off"); });
    box->SetChecked(true);  // the program's change is told too
    box->SetChecked(true);
    MouseClick(box, 5, 8);
    PressKey(form, VK_SPACE);
    PressKey(form, 'V', TShiftState() << ssAlt);
    MouseDown(box, mbLeft, 5, 8);
    MouseUp(box, mbLeft, 5, 60);
    EXPECT_EQ(log, (std::vector<std::string>{"on", "off", "on", "off"}));
    EXPECT_FALSE(box->GetChecked());
}

TEST_F(StdButtons, ARadioGroupChecksOneItemByClickArrowsAndProgram) {
    TForm* form = ShownForm(200, 120);
    auto* group = Place(new TRadioGroup(form), form, 10, 10, 150, 80);
    group->SetCaption("Paper Orientation:");
    group->GetItems()->Add("P&ortrait");
    group->GetItems()->Add("&Landscape");
    group->GetItems()->Add("Square");
    group->OnClick = TNotifyEvent([&](TObject*) { log.push_back(std::to_string(group->GetItemIndex())); });
    EXPECT_EQ(group->GetItemIndex(), -1);
    ASSERT_EQ(group->GetControlCount(), 3);
    auto* first = group->GetControls(0);
    auto* second = group->GetControls(1);
    EXPECT_LT(first->GetTop(), second->GetTop()) << "one column";
    EXPECT_GT(first->GetTop(), 10) << "below the caption";

    group->SetItemIndex(1);
    group->SetItemIndex(1);
    MouseClick(first, 5, 8);
    PressKey(form, VK_DOWN);
    PressKey(form, VK_DOWN);
    PressKey(form, VK_DOWN);  // round to the first
    PressKey(form, 'L', TShiftState() << ssAlt);
    group->SetItemIndex(9);  // past the end: the last
    EXPECT_EQ(log, (std::vector<std::string>{"1", "0", "1", "2", "0", "1", "2"}));
    group->SetItemIndex(-1);
    for (int i = 0; i < 3; ++i)
        EXPECT_FALSE(static_cast<TRadioButton*>(group->GetControls(i))->GetChecked()) << i;
    group->GetItems()->Delete(2);
    EXPECT_EQ(group->GetControlCount(), 2);
}

TEST_F(StdButtons, ALabelFitsItsCaptionAndItsAccessKeyFocusesItsControl) {
    TForm* form = ShownForm(200, 80);
    auto* label = Place(new TLabel(form), form, 10, 10, 5, 5);
    auto* edit = Place(new TEdit(form), form, 60, 10, 80, 21);
    auto* other = Place(new TEdit(form), form, 60, 40, 80, 21);
    label->SetCaption("P&rinter:");
    EXPECT_GT(label->GetWidth(), 30);
    EXPECT_GT(label->GetHeight(), 8);
    TBitmap measure;
    EXPECT_EQ(label->GetWidth(), measure.GetCanvas()->TextWidth("Printer:")) << "the ampersand takes no room";
    label->SetFocusControl(edit);
    other->SetFocus();
    PressKey(form, 'R', TShiftState() << ssAlt);
    EXPECT_TRUE(edit->Focused());
    delete edit;
    other->SetFocus();
    PressKey(form, 'R', TShiftState() << ssAlt);
    EXPECT_TRUE(other->Focused()) << "its control gone, the label does nothing";
}

}  // namespace
