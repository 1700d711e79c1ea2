#include "ControlProbes.h"
#include "platform/testing/TestInput.h"

namespace {

class Keyboard : public PlatformTest {};
using Log = std::vector<std::string>;

void RecordFocus(TWinControl* c, const std::string& name, Log& log) {
    c->OnEnter = [&log, name](TObject*) { log.push_back("enter " + name); };
    c->OnExit = [&log, name](TObject*) { log.push_back("exit " + name); };
}

void RecordKeys(TWinControl* c, const std::string& name, Log& log) {
    c->OnKeyDown = [&log, name](TObject*, Word& key, TShiftState shift) {
        log.push_back(name + " down " + std::to_string(key) + (shift.Contains(ssShift) ? "+S" : "") +
                      (shift.Contains(ssCtrl) ? "+C" : ""));
    };
    c->OnKeyPress = [&log, name](TObject*, char& key) { log.push_back(name + " press " + std::string(1, key)); };
    c->OnKeyUp = [&log, name](TObject*, Word& key, TShiftState) { log.push_back(name + " up " + std::to_string(key)); };
}

TEST_F(Keyboard, ShowingAFormFocusesItsFirstTabStop) {
    auto* form = new TForm(Application);
    auto* plain = Place(new TPaintProbe(form), form, 0, 0, 10, 10);
    auto* first = Place(new TFocusProbe(form), form, 0, 20, 10, 10);
    Place(new TFocusProbe(form), form, 0, 40, 10, 10);
    Log log;
    RecordFocus(first, "first", log);
    EXPECT_FALSE(first->Focused());
    form->Show();
    EXPECT_EQ(form->GetActiveControl(), first);
    EXPECT_TRUE(first->Focused());
    EXPECT_EQ(log, Log{"enter first"});
    plain->SetFocus();
    EXPECT_TRUE(plain->Focused()) << "any visible control can take the focus; TabStop is for Tab";
    plain->Hide();
    EXPECT_THROW(plain->SetFocus(), EInvalidOperation);
    auto* loose = new TFocusProbe(form);
    EXPECT_THROW(loose->SetFocus(), EInvalidOperation) << "not on a form";
}

TEST_F(Keyboard, TabAndShiftTabFollowTheTabOrderAcrossContainers) {
    auto* form = new TForm(Application);
    auto* a = Place(new TFocusProbe(form), form, 0, 0, 10, 10);
    auto* panel = Place(new TPaintProbe(form), form, 0, 20, 100, 50);
    auto* b = Place(new TFocusProbe(form), panel, 0, 0, 10, 10);
    auto* c = Place(new TFocusProbe(form), panel, 20, 0, 10, 10);
    auto* d = Place(new TFocusProbe(form), form, 0, 80, 10, 10);
    c->SetTabOrder(0);  // c before b inside the panel
    EXPECT_EQ(c->GetTabOrder(), 0);
    EXPECT_EQ(b->GetTabOrder(), 1);
    d->SetTabOrder(0);  // d first on the form
    form->Show();
    EXPECT_EQ(form->GetActiveControl(), d);

    std::vector<TWinControl*> seen;
    for (int i = 0; i < 5; ++i) {
        PressKey(form, VK_TAB);
        seen.push_back(form->GetActiveControl());
    }
    EXPECT_EQ(seen, (std::vector<TWinControl*>{a, c, b, d, a}));
    PressKey(form, VK_TAB, TShiftState{ssShift});
    EXPECT_EQ(form->GetActiveControl(), d);

    c->SetEnabled(false);
    b->Hide();
    PressKey(form, VK_TAB);  // a
    PressKey(form, VK_TAB);  // c and b are out: back to d
    EXPECT_EQ(form->GetActiveControl(), d);
}

TEST_F(Keyboard, EnterAndExitRunThroughTheContainersLeftAndEntered) {
    auto* form = new TForm(Application);
    auto* left = Place(new TPaintProbe(form), form, 0, 0, 100, 50);
    auto* right = Place(new TPaintProbe(form), form, 100, 0, 100, 50);
    auto* a = Place(new TFocusProbe(form), left, 0, 0, 10, 10);
    auto* b = Place(new TFocusProbe(form), right, 0, 0, 10, 10);
    auto* b2 = Place(new TFocusProbe(form), right, 20, 0, 10, 10);
    Log log;
    for (auto [c, n] : {std::pair<TWinControl*, const char*>{left, "left"}, {right, "right"}, {a, "a"}, {b, "b"},
                        {b2, "b2"}})
        RecordFocus(c, n, log);
    form->Show();
    EXPECT_EQ(log, (Log{"enter left", "enter a"}));
    log.clear();
    b->SetFocus();
    EXPECT_EQ(log, (Log{"exit a", "exit left", "enter right", "enter b"}));
    log.clear();
    b2->SetFocus();
    EXPECT_EQ(log, (Log{"exit b", "enter b2"}));
    EXPECT_TRUE(b2->Focused());
    EXPECT_FALSE(b->Focused());
}

TEST_F(Keyboard, KeysReachTheFocusedControlWithTheirCharacters) {
    auto* form = new TForm(Application);
    auto* a = Place(new TFocusProbe(form), form, 0, 0, 10, 10);
    auto* b = Place(new TFocusProbe(form), form, 0, 20, 10, 10);
    Log log;
    RecordKeys(a, "a", log);
    RecordKeys(b, "b", log);
    form->Show();
    PressKey(form, 'Q');
    PressKey(form, 'Q', TShiftState{ssShift});
    b->SetFocus();
    PressKey(form, VK_F5);
    PressKey(form, VK_RETURN);
    EXPECT_EQ(log, (Log{"a down 81", "a press q", "a up 81", "a down 81+S", "a press Q", "a up 81", "b down 116",
                        "b up 116", "b down 13", "b press \r", "b up 13"}));

    log.clear();
    TypeText(form, "x1;");
    EXPECT_EQ(log, (Log{"b down 88", "b press x", "b up 88", "b down 49", "b press 1", "b up 49", "b down 186",
                        "b press ;", "b up 186"}));
}

TEST_F(Keyboard, KeyPreviewLetsTheFormSeeAndSwallowKeysFirst) {
    auto* form = new TForm(Application);
    auto* a = Place(new TFocusProbe(form), form, 0, 0, 10, 10);
    Log log;
    RecordKeys(a, "a", log);
    form->OnKeyDown = [&](TObject*, Word& key, TShiftState) {
        log.push_back("form down " + std::to_string(key));
        if (key == VK_F2) key = 0;
    };
    form->OnKeyPress = [&](TObject*, char& key) {
        log.push_back("form press " + std::string(1, key));
        if (key == 'z') key = 0;
    };
    form->Show();
    PressKey(form, 'A');
    EXPECT_EQ(log, (Log{"a down 65", "a press a", "a up 65"})) << "without KeyPreview the form hears nothing";

    log.clear();
    form->SetKeyPreview(true);
    PressKey(form, 'A');
    PressKey(form, VK_F2);
    PressKey(form, 'Z');
    EXPECT_EQ(log, (Log{"form down 65", "a down 65", "form press a", "a press a", "a up 65", "form down 113",
                        "a up 113", "form down 90", "a down 90", "form press z", "a up 90"}));
}

TEST_F(Keyboard, ControlsThatAskForTabGetItInsteadOfTheForm) {
    class TTabTaker : public TFocusProbe {
    public:
        using TFocusProbe::TFocusProbe;
        void WndProc(TMessage& Message) override {
            if (Message.Msg == WM_GETDLGCODE) {
                Message.Result = DLGC_WANTTAB;
                return;
            }
            TFocusProbe::WndProc(Message);
        }
    };
    auto* form = new TForm(Application);
    auto* taker = Place(new TTabTaker(form), form, 0, 0, 10, 10);
    Place(new TFocusProbe(form), form, 0, 20, 10, 10);
    Log log;
    RecordKeys(taker, "taker", log);
    form->Show();
    PressKey(form, VK_TAB);
    EXPECT_EQ(form->GetActiveControl(), taker);
    EXPECT_EQ(log, (Log{"taker down 9", "taker press \t", "taker up 9"}));
}

TEST_F(Keyboard, FormWithoutFocusableControlsTakesTheKeysItself) {
    auto* form = new TForm(Application);
    Log log;
    RecordKeys(form, "form", log);
    form->Show();
    EXPECT_TRUE(form->Focused());
    PressKey(form, VK_ESCAPE);
    EXPECT_EQ(log, (Log{"form down 27", "form press \x1b", "form up 27"}));
}

}  // namespace
