#include "ControlProbes.h"
#include "platform/testing/TestInput.h"

namespace {

class KeyHooks : public PlatformTest {};

TEST_F(KeyHooks, AHookSeesKeysFirstAndMayTakeThem) {
    auto* form = new TForm(Application);
    auto* focus = Place(new TFocusProbe(form), form, 0, 0, 10, 10);
    form->Show();
    std::vector<std::string> log;
    focus->OnKeyDown = [&](TObject*, Word& Key, TShiftState) { log.push_back("down " + std::to_string(Key)); };
    focus->OnKeyPress = [&](TObject*, char& Key) { log.push_back(std::string("press ") + Key); };
    int token = 0;
    AddKeyHook(&token, [&](TCustomForm* Form, Word Key, TShiftState Shift, bool Down) {
        log.push_back(std::string(Form == form ? "hook " : "hook elsewhere ") + (Down ? "down " : "up ") +
                      std::to_string(Key) + (Shift.Contains(ssAlt) ? "+A" : ""));
        return Key == 'X';
    });
    PressKey(form, 'A');
    PressKey(form, 'X', TShiftState() << ssAlt);  // taken: neither the key nor its up reach the control
    EXPECT_EQ(log, (std::vector<std::string>{"hook down 65", "down 65", "press a", "hook up 65", "hook down 88+A",
                                             "hook up 88+A"}));
    RemoveKeyHook(&token);
    log.clear();
    PressKey(form, 'X');
    EXPECT_EQ(log, (std::vector<std::string>{"down 88", "press x"}));
}

}  // namespace
