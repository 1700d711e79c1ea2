#include "ControlProbes.h"
#include "platform/testing/TestInput.h"

namespace {

class Mouse : public PlatformTest {};

std::string ShiftText(TShiftState s) {
    std::string t;
    if (s.Contains(ssShift)) t += "S";
    if (s.Contains(ssCtrl)) t += "C";
    if (s.Contains(ssAlt)) t += "A";
    if (s.Contains(ssLeft)) t += "l";
    if (s.Contains(ssRight)) t += "r";
    if (s.Contains(ssMiddle)) t += "m";
    if (s.Contains(ssDouble)) t += "2";
    return t;
}

const char* ButtonText(TMouseButton b) { return b == mbLeft ? "L" : b == mbRight ? "R" : "M"; }

// Binds every mouse event of a control to a log line "name:event...".
void Record(TControl* c, const std::string& name, std::vector<std::string>& log) {
    // Built with append: GCC 12's -O3 inlining warns (-Wrestrict) inside the
    // standard library on a chain of operator+ that starts from a literal.
    auto at = [](int x, int y) {
        std::string text("@");
        text.append(std::to_string(x)).append(",").append(std::to_string(y));
        return text;
    };
    c->OnMouseDown = [&log, name, at](TObject*, TMouseButton b, TShiftState s, int x, int y) {
        log.push_back(name + ":down" + ButtonText(b) + "[" + ShiftText(s) + "]" + at(x, y));
    };
    c->OnMouseUp = [&log, name, at](TObject*, TMouseButton b, TShiftState s, int x, int y) {
        log.push_back(name + ":up" + ButtonText(b) + "[" + ShiftText(s) + "]" + at(x, y));
    };
    c->OnMouseMove = [&log, name, at](TObject*, TShiftState s, int x, int y) {
        log.push_back(name + ":move[" + ShiftText(s) + "]" + at(x, y));
    };
    c->OnClick = [&log, name](TObject*) { log.push_back(name + ":click"); };
    c->OnDblClick = [&log, name](TObject*) { log.push_back(name + ":dblclick"); };
    c->OnMouseEnter = [&log, name](TObject*) { log.push_back(name + ":enter"); };
    c->OnMouseLeave = [&log, name](TObject*) { log.push_back(name + ":leave"); };
}

using Log = std::vector<std::string>;

// The log without the enter and leave lines.
Log Presses(const Log& log) {
    Log out;
    for (const std::string& s : log)
        if (s.find(":enter") == std::string::npos && s.find(":leave") == std::string::npos) out.push_back(s);
    return out;
}

TEST_F(Mouse, PressGoesToTheTopmostEnabledGraphicControlElseToTheParent) {
    TForm* form = ShownForm();
    auto* panel = Place(new TPaintProbe(form), form, 0, 0, 200, 100);
    auto* under = Place(new TSwatch(form), panel, 10, 10, 50, 50);
    auto* over = Place(new TSwatch(form), panel, 30, 30, 50, 50);
    Log log;
    Record(panel, "panel", log);
    Record(under, "under", log);
    Record(over, "over", log);

    MouseClick(panel, 40, 40);
    MouseClick(panel, 15, 15);
    MouseClick(panel, 150, 80);
    EXPECT_EQ(Presses(log), (Log{"over:downL[l]@10,10", "over:click", "over:upL[]@10,10", "under:downL[l]@5,5", "under:click",
                        "under:upL[]@5,5", "panel:downL[l]@150,80", "panel:click", "panel:upL[]@150,80"}));

    log.clear();
    over->SetEnabled(false);
    MouseClick(panel, 40, 40);
    over->SetEnabled(true);
    over->Hide();
    MouseClick(panel, 70, 70);
    EXPECT_EQ(Presses(log), (Log{"under:downL[l]@30,30", "under:click", "under:upL[]@30,30", "panel:downL[l]@70,70",
                        "panel:click", "panel:upL[]@70,70"}));

    log.clear();
    panel->SetEnabled(false);
    MouseClick(panel, 15, 15);
    EXPECT_TRUE(Presses(log).empty()) << "a disabled window takes no input, nor do its children";
}

TEST_F(Mouse, CaptureKeepsMovesAndTheReleaseWithThePressedControl) {
    TForm* form = ShownForm();
    auto* panel = Place(new TPaintProbe(form), form, 0, 0, 200, 100);
    auto* a = Place(new TSwatch(form), panel, 10, 10, 20, 20);
    auto* b = Place(new TSwatch(form), panel, 100, 10, 20, 20);
    Log log;
    Record(a, "a", log);
    Record(b, "b", log);

    MouseDown(panel, mbLeft, 15, 15);
    EXPECT_TRUE(a->GetMouseCapture());
    MouseMove(panel, 105, 15);  // over b
    TPoint cursor;
    ASSERT_TRUE(GetCursorPos(&cursor));
    EXPECT_EQ(panel->ScreenToClient(cursor), TPoint(105, 15));
    MouseMove(panel, 250, 150);  // outside the window
    MouseUp(panel, mbLeft, 250, 150);
    EXPECT_EQ(GetCaptureControl(), nullptr);
    const Log expected{"a:enter",          "a:downL[l]@5,5",     "a:leave", "b:enter",
                       "a:move[l]@95,5",   "b:leave",            "a:move[l]@240,140",
                       "a:upL[]@240,140"};
    EXPECT_EQ(log, expected) << "no click for a release outside";

    // Back inside before the release: a click.
    log.clear();
    MouseDown(a, mbLeft, 5, 5);
    MouseMove(a, 50, 5);
    MouseMove(a, 6, 6);
    MouseUp(a, mbLeft, 6, 6);
    EXPECT_EQ(log.back(), "a:upL[]@6,6");
    EXPECT_EQ(log[log.size() - 2], "a:click");
}

TEST_F(Mouse, DoubleClickMarksTheSecondPressAndFiresDblClick) {
    TForm* form = ShownForm();
    auto* probe = Place(new TPaintProbe(form), form, 0, 0, 100, 100);
    Log log;
    Record(probe, "p", log);
    MouseDoubleClick(probe, 10, 20);
    EXPECT_EQ(log, (Log{"p:enter", "p:downL[l]@10,20", "p:click", "p:upL[]@10,20", "p:dblclick", "p:downL[l2]@10,20",
                        "p:upL[]@10,20"}));

    log.clear();
    probe->SetControlStyle(probe->GetControlStyle() - TControlStyle{csDoubleClicks});
    MouseDoubleClick(probe, 10, 20);
    EXPECT_EQ(log, (Log{"p:downL[l]@10,20", "p:click", "p:upL[]@10,20", "p:downL[l]@10,20", "p:click",
                        "p:upL[]@10,20"}));
}

TEST_F(Mouse, ShiftTellsTheHeldButtonsAndKeys) {
    TForm* form = ShownForm();
    auto* probe = Place(new TPaintProbe(form), form, 0, 0, 100, 100);
    Log log;
    Record(probe, "p", log);
    MouseDown(probe, mbRight, 1, 1, TShiftState{ssCtrl});
    MouseDown(probe, mbLeft, 2, 2, TShiftState{ssCtrl});
    MouseMove(probe, 3, 3, TShiftState{ssShift, ssAlt});
    MouseUp(probe, mbRight, 4, 4);
    MouseUp(probe, mbLeft, 5, 5);
    EXPECT_EQ(log, (Log{"p:enter", "p:downR[Cr]@1,1", "p:downL[Clr]@2,2", "p:move[SAlr]@3,3", "p:upR[l]@4,4",
                        "p:click", "p:upL[]@5,5"}));
}

TEST_F(Mouse, EnterAndLeaveFollowTheControlUnderTheMouse) {
    TForm* form = ShownForm();
    auto* panel = Place(new TPaintProbe(form), form, 0, 0, 200, 100);
    auto* a = Place(new TSwatch(form), panel, 10, 10, 20, 20);
    auto* inner = Place(new TPaintProbe(form), panel, 100, 10, 50, 50);
    Log log;
    Record(panel, "panel", log);
    Record(a, "a", log);
    Record(inner, "inner", log);
    MouseMove(panel, 1, 1);
    MouseMove(panel, 15, 15);
    MouseMove(panel, 16, 16);
    MouseMove(panel, 110, 20);
    MouseMove(panel, 5, 5);
    Log transitions;
    for (const std::string& s : log)
        if (s.find("enter") != std::string::npos || s.find("leave") != std::string::npos) transitions.push_back(s);
    EXPECT_EQ(transitions, (Log{"panel:enter", "panel:leave", "a:enter", "a:leave", "inner:enter", "inner:leave",
                                "panel:enter"}));
}

TEST_F(Mouse, CursorIsTheOneOfTheControlUnderTheMouseOrItsParent) {
    TForm* form = ShownForm();
    auto* panel = Place(new TPaintProbe(form), form, 0, 0, 200, 100);
    auto* hand = Place(new TSwatch(form), panel, 10, 10, 20, 20);
    auto* plain = Place(new TSwatch(form), panel, 50, 10, 20, 20);
    hand->SetCursor(crHandPoint);
    MouseMove(panel, 15, 15);
    EXPECT_EQ(ShownCursor(panel), crHandPoint);
    MouseMove(panel, 55, 15);
    EXPECT_EQ(ShownCursor(panel), crDefault);
    panel->SetCursor(crCross);
    EXPECT_EQ(ShownCursor(panel), crCross) << "a default cursor shows the parent's, at once";
    plain->SetCursor(crSizeAll);
    EXPECT_EQ(ShownCursor(panel), crSizeAll);

    // A number of the program's own, registered at run time.
    Screen->SetCursors(2020, Screen->GetCursors(crHandPoint));
    EXPECT_EQ(Screen->GetCursors(2020), Screen->GetCursors(crHandPoint));
    plain->SetCursor(2020);
    EXPECT_EQ(ShownCursor(panel), 2020);
    EXPECT_EQ(Screen->GetCursors(4711), Screen->GetCursors(crDefault)) << "unknown numbers show the default";
    Screen->SetCursors(2020, nullptr);
    EXPECT_EQ(Screen->GetCursors(2020), Screen->GetCursors(crDefault));
    EXPECT_NE(Screen->GetCursors(crHandPoint), Screen->GetCursors(crDefault)) << "the shared handle stays";

    Screen->SetCursor(crHourGlass);
    EXPECT_EQ(Screen->GetCursor(), crHourGlass);
    Screen->SetCursor(crDefault);
}

TEST_F(Mouse, WheelTurnsStepDownOrUpAndBubblesToTheParent) {
    TForm* form = ShownForm();
    auto* outer = Place(new TPaintProbe(form), form, 0, 0, 200, 100);
    auto* inner = Place(new TPaintProbe(form), outer, 10, 10, 50, 50);
    Log log;
    inner->OnMouseWheelUp = [&](TObject*, TShiftState, TPoint, bool& handled) {
        log.push_back("inner:up");
        handled = true;
    };
    outer->OnMouseWheelDown = [&](TObject*, TShiftState, TPoint pos, bool& handled) {
        log.push_back("outer:down@" + std::to_string(outer->ScreenToClient(pos).x));
        handled = true;
    };
    MouseWheel(inner, 5, 5, WHEEL_DELTA);
    MouseWheel(inner, 5, 5, -WHEEL_DELTA);
    MouseWheel(inner, 5, 5, WHEEL_DELTA / 2);
    EXPECT_EQ(log, (Log{"inner:up", "outer:down@15"})) << "half a notch is not a step yet";
    MouseWheel(inner, 5, 5, WHEEL_DELTA / 2);
    EXPECT_EQ(log.back(), "inner:up");

    bool taken = false;
    inner->OnMouseWheel = [&](TObject*, TShiftState, int delta, TPoint, bool& handled) {
        taken = delta == 2 * WHEEL_DELTA;
        handled = true;
    };
    MouseWheel(inner, 5, 5, 2 * WHEEL_DELTA);
    EXPECT_TRUE(taken);
    EXPECT_EQ(log.size(), 3u);
}

TEST_F(Mouse, ModalFormKeepsInputFromOtherForms) {
    TForm* main = ShownForm();
    Log log;
    Record(main, "main", log);
    auto* dialog = new TForm(Application);
    AnswerNextModalForm([&](TCustomForm* f) {
        MouseClick(main, 10, 10);
        Record(f, "dialog", log);
        MouseClick(f, 10, 10);
        f->SetModalResult(mrOk);
    });
    EXPECT_EQ(dialog->ShowModal(), mrOk);
    EXPECT_EQ(log, (Log{"dialog:enter", "dialog:downL[l]@10,10", "dialog:click", "dialog:upL[]@10,10"}));
    log.clear();
    MouseClick(main, 10, 10);
    EXPECT_EQ(Presses(log).size(), 3u) << "after the modal form, the main form takes input again";
}

}  // namespace
