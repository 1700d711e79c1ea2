// The edit, the up-down beside it, the scroll bar and the drop-down list,
// driven through the synthetic mouse and keys.
#include "ControlProbes.h"
#include "platform/controls/ComCtrls.h"
#include "platform/controls/StdCtrls.h"
#include "platform/runtime/SysUtils.h"
#include "platform/testing/TestClock.h"

namespace {

class StdEdits : public PlatformTest {
protected:
    std::vector<std::string> changes;
};

TEST_F(StdEdits, AnEditTakesTypingDeletingAndSelecting) {
    TForm* form = ShownForm(200, 80);
    auto* before = Place(new TButton(form), form, 10, 40, 50, 25);
    auto* edit = Place(new TEdit(form), form, 10, 10, 120, 21);
    edit->OnChange = TNotifyEvent([&](TObject*) { changes.push_back(edit->GetText().str()); });
    edit->SetText("15");
    before->SetFocus();
    PressKey(form, VK_TAB);
    EXPECT_TRUE(edit->Focused());
    EXPECT_EQ(edit->GetSelLength(), 2) << "entered by Tab, the text is selected";
    TypeText(form, "6");
    TypeText(form, "0");
    PressKey(form, VK_LEFT);
    PressKey(form, VK_BACK);
    PressKey(form, VK_END);
    PressKey(form, VK_LEFT, TShiftState() << ssShift);
    TypeText(form, "x");
    PressKey(form, VK_HOME);
    PressKey(form, VK_DELETE);
    EXPECT_EQ(changes, (std::vector<std::string>{"15", "6", "60", "0", "x", ""}));
    changes.clear();
    TypeText(form, "\xC3\xA9");
    PressKey(form, VK_BACK);
    EXPECT_EQ(changes, (std::vector<std::string>{"\xC3\xA9", ""})) << "a character of two bytes goes in and out whole";

    edit->SetNumbersOnly(true);
    TypeText(form, "a4-2");
    EXPECT_EQ(edit->GetText(), "42");
    PressKey(form, 'A', TShiftState() << ssCtrl);
    EXPECT_EQ(edit->GetSelLength(), 2);
    MouseClick(edit, 100, 10);
    EXPECT_EQ(edit->GetSelStart(), 2) << "a click puts the caret at the nearest place";
    EXPECT_EQ(edit->GetSelLength(), 0);
}

TEST_F(StdEdits, AnUpDownStepsItsEditWithinItsRangeByMouseAndKeys) {
    TForm* form = ShownForm(200, 80);
    auto* edit = Place(new TEdit(form), form, 10, 10, 30, 21);
    auto* updown = Place(new TUpDown(form), form, 40, 10, 15, 21);
    updown->SetMax(20);
    updown->SetAssociate(edit);
    edit->OnChange = TNotifyEvent([&](TObject*) { changes.push_back(edit->GetText().str()); });
    updown->SetPosition(18);
    MouseClick(updown, 7, 3);
    MouseClick(updown, 7, 3);
    MouseClick(updown, 7, 3);  // at Max already
    EXPECT_EQ(updown->GetPosition(), 20);
    MouseDown(updown, mbLeft, 7, 17);
    AdvanceClock(400 + 3 * 100 + 50);  // held: repeats after 400 ms, then every 100 ms
    MouseUp(updown, mbLeft, 7, 17);
    EXPECT_EQ(updown->GetPosition(), 15);
    AdvanceClock(1000);
    EXPECT_EQ(updown->GetPosition(), 15) << "released: no more steps";
    edit->SetFocus();
    PressKey(form, VK_UP);
    EXPECT_EQ(edit->GetText(), "16");
    EXPECT_EQ(changes, (std::vector<std::string>{"18", "19", "20", "19", "18", "17", "16", "15", "16"}));

    edit->SetText("7");
    EXPECT_EQ(updown->GetPosition(), 7) << "typed numbers are the position";
    edit->SetText("350");
    EXPECT_EQ(updown->GetPosition(), 20);
    edit->SetText("");
    EXPECT_EQ(updown->GetPosition(), 20) << "no number: the last position stays";
    delete edit;
    updown->SetPosition(3);  // the associate went first
    EXPECT_EQ(updown->GetPosition(), 3);
}

TEST_F(StdEdits, AScrollBarStepsPagesDragsAndTakesKeys) {
    TForm* form = ShownForm(300, 80);
    auto* bar = Place(new TScrollBar(form), form, 10, 10, 136, 16);
    bar->SetParams(0, -100, 0);
    bar->SetLargeChange(10);
    std::vector<int> positions;
    bar->OnChange = TNotifyEvent([&](TObject*) { positions.push_back(bar->GetPosition()); });
    MouseClick(bar, 130, 8);  // right arrow, at Max already: nothing
    MouseClick(bar, 5, 8);    // left arrow
    MouseClick(bar, 30, 8);   // the track left of the thumb
    EXPECT_EQ(positions, (std::vector<int>{-1, -11}));
    positions.clear();
    // The thumb (16 wide) runs over 136 - 2 * 16 - 16 = 88 pixels for 100 steps.
    const int thumb = 16 + MulDiv(88, 89, 100) + 8;
    MouseDown(bar, mbLeft, thumb, 8);
    MouseMove(bar, thumb - 44, 8);
    MouseMove(bar, -200, 8);
    MouseUp(bar, mbLeft, -200, 8);
    EXPECT_EQ(positions, (std::vector<int>{-61, -100}));
    PressKey(form, VK_RIGHT);
    PressKey(form, VK_NEXT);
    PressKey(form, VK_END);
    EXPECT_EQ(bar->GetPosition(), 0);
    EXPECT_THROW(bar->SetParams(0, 5, 4), EInvalidOperation);
}

class StdComboBox : public StdEdits {
protected:
    TForm* form = nullptr;
    TComboBox* combo = nullptr;
    void SetUp() override {
        StdEdits::SetUp();
        form = ShownForm(300, 200);
        combo = Place(new TComboBox(form), form, 10, 10, 150, 21);
        for (const char* name : {"Print to PDF file", "Laser", "Ink jet"}) combo->GetItems()->Add(name);
        combo->OnChange = TNotifyEvent([this](TObject*) { changes.push_back(combo->GetText().str()); });
        combo->SetItemIndex(0);
    }
    // The open list's window.
    TCustomForm* List() {
        for (int i = 0; i < Screen->GetFormCount(); ++i)
            if (Screen->GetForms(i) != form && Screen->GetForms(i)->GetVisible()) return Screen->GetForms(i);
        return nullptr;
    }
};

TEST_F(StdComboBox, TheListOpensBelowMarksTheRowUnderTheMouseAndChoosesOnRelease) {
    EXPECT_EQ(combo->GetText(), "Print to PDF file");
    MouseClick(combo, 140, 10);
    ASSERT_TRUE(combo->GetDroppedDown());
    TCustomForm* list = List();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->ClientToScreen({0, 0}), combo->ClientToScreen({0, combo->GetHeight()}));
    EXPECT_EQ(Screen->GetActiveForm(), form) << "the combo box's window stays active";
    const int row = (list->GetHeight() - 2) / 3;
    MouseMove(list, 20, 1 + row * 2 + row / 2);
    EXPECT_EQ(ScreenPixel(list, 5, 1 + row * 2 + 1), ColorToRGB(clHighlight)) << "the row under the mouse";
    EXPECT_TRUE(changes.empty()) << "marked, not chosen";
    MouseClick(list, 20, 1 + row * 2 + row / 2);
    EXPECT_FALSE(combo->GetDroppedDown());
    EXPECT_EQ(combo->GetItemIndex(), 2);

    MouseClick(combo, 140, 10);
    MouseClick(form, 250, 150);  // elsewhere
    EXPECT_FALSE(combo->GetDroppedDown());
    EXPECT_EQ(changes, (std::vector<std::string>{"Ink jet"}));
}

TEST_F(StdComboBox, KeysStepTheSelectionOrTheOpenListsMark) {
    combo->SetFocus();
    PressKey(form, VK_DOWN);
    PressKey(form, VK_END);
    PressKey(form, VK_DOWN);  // at the end already
    PressKey(form, VK_DOWN, TShiftState() << ssAlt);
    EXPECT_TRUE(combo->GetDroppedDown());
    PressKey(form, VK_UP);
    PressKey(form, VK_ESCAPE);
    EXPECT_FALSE(combo->GetDroppedDown());
    EXPECT_EQ(combo->GetItemIndex(), 2) << "Escape chooses nothing";
    PressKey(form, VK_F4);
    PressKey(form, VK_HOME);
    PressKey(form, VK_RETURN);
    EXPECT_EQ(changes, (std::vector<std::string>{"Laser", "Ink jet", "Print to PDF file"}));
}

TEST_F(StdComboBox, ManyItemsScrollInTheOpenList) {
    for (int i = 0; i < 20; ++i) combo->GetItems()->Add(AnsiString("Printer ") + IntToStr(i));
    combo->SetFocus();
    combo->SetDroppedDown(true);
    TCustomForm* list = List();
    ASSERT_NE(list, nullptr);
    const int row = (list->GetHeight() - 2) / combo->GetDropDownCount();
    EXPECT_EQ(list->GetHeight(), 8 * row + 2);
    PressKey(form, VK_END);
    PressKey(form, VK_RETURN);
    EXPECT_EQ(combo->GetText(), "Printer 19") << "the mark scrolled into view and was chosen";
    combo->SetDroppedDown(true);
    MouseWheel(list, 20, 20, WHEEL_DELTA);  // up, from the end
    MouseClick(list, 20, 1 + row / 2);
    EXPECT_EQ(combo->GetText(), "Printer 9") << "23 items, 8 rows shown from the 16th, 3 rows up";
    combo->SetDroppedDown(true);  // items 5 to 12 shown, Printer 9 the last
    MouseClick(list, list->GetWidth() - 9, list->GetHeight() - 9);  // its scroll bar's down arrow
    EXPECT_TRUE(combo->GetDroppedDown()) << "the scroll bar's press leaves the list open";
    MouseClick(list, 20, 1 + row / 2);
    EXPECT_EQ(combo->GetText(), "Printer 3") << "one row further down";
}

}  // namespace
