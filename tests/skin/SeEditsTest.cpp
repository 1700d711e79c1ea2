#include "SkinTest.h"
#include "platform/host/Clipbrd.h"
#include "platform/testing/TestClock.h"
#include "skin/controls/SeEdits.h"

namespace {

class SeEdits : public SkinTest {
protected:
    TForm* form = nullptr;
    TSeCustomEdit* edit = nullptr;
    int changes = 0;

    TSeCustomEdit* MakeEdit(int Width = 120) {
        form = ShownForm(200, 120);
        edit = Place(new TSeCustomEdit(form), form, 10, 10, Width, 21);
        edit->OnChange = TNotifyEvent([this](TObject*) { ++changes; });
        edit->SetFocus();
        Application->ProcessMessages();
        return edit;
    }
    void Key(Word K, TShiftState Shift = TShiftState()) { PressKey(form, K, Shift); }
    static TShiftState Shifted() { return TShiftState() << ssShift; }
    static TShiftState Ctrl() { return TShiftState() << ssCtrl; }
    // Pixels of the text area (inside the frame and margin) in Color, from column From on.
    int CountInText(TColor Color, int From = 0) {
        edit->Repaint();
        int n = 0;
        for (int y = 3; y < edit->GetHeight() - 3; ++y)
            for (int x = 4 + From; x < edit->GetWidth() - 4; ++x) n += SurfacePixel(edit, x, y) == ColorToRGB(Color);
        return n;
    }
};

TEST_F(SeEdits, TypingEditsWholeUtf8CharactersAndReportsEachChange) {
    MakeEdit();
    TypeText(form, "a\xC3\xA9\xE2\x82\xAC" "b");  // a, e-acute, euro sign, b
    EXPECT_EQ(edit->GetText(), "a\xC3\xA9\xE2\x82\xAC" "b");
    EXPECT_EQ(changes, 4);
    Key(VK_LEFT);
    Key(VK_LEFT);
    EXPECT_EQ(edit->GetSelStart(), 3) << "two characters back is before the euro sign";
    Key(VK_BACK);
    EXPECT_EQ(edit->GetText(), "a\xE2\x82\xAC" "b");
    Key(VK_DELETE);
    EXPECT_EQ(edit->GetText(), "ab");
    Key(VK_HOME);
    Key(VK_DELETE);
    Key(VK_END);
    Key(VK_BACK);
    EXPECT_EQ(edit->GetText(), "");
    Key(VK_BACK);  // nothing left: no change
    EXPECT_EQ(changes, 8);

    edit->SetText("set by the program");
    EXPECT_EQ(changes, 9);
    EXPECT_EQ(edit->GetSelStart(), 0);
    edit->SetText("set by the program");
    EXPECT_EQ(changes, 9) << "the same text is no change";
}

TEST_F(SeEdits, ShiftArrowsHomeEndAndTheMouseSelect) {
    MakeEdit();
    edit->SetText("alpha beta_2 gamma");
    Key(VK_END);
    Key(VK_LEFT, Shifted());
    Key(VK_LEFT, Shifted());
    EXPECT_EQ(edit->GetSelText(), "ma");
    Key(VK_HOME, Shifted());
    EXPECT_EQ(edit->GetSelText(), "alpha beta_2 gamma");
    Key(VK_RIGHT);
    EXPECT_EQ(edit->GetSelLength(), 0) << "an arrow without Shift drops the selection";
    EXPECT_EQ(edit->GetSelStart(), 18);
    Key(VK_HOME);
    Key(VK_END, Shifted());
    TypeText(form, "x");
    EXPECT_EQ(edit->GetText(), "x") << "typing replaces the selection";

    edit->SetText("alpha beta_2 gamma");
    Application->ProcessMessages();
    EXPECT_EQ(CountInText(clHighlight), 0);
    MouseDoubleClick(edit, 50, 10);  // inside "beta_2"
    EXPECT_EQ(edit->GetSelText(), "beta_2");
    EXPECT_GT(CountInText(clHighlight), 20) << "the selection shows in the highlight colour";

    MouseDown(edit, mbLeft, 3, 10);
    MouseMove(edit, 300, 10);  // dragged past the right edge: to the end
    MouseUp(edit, mbLeft, 300, 10);
    EXPECT_EQ(edit->GetSelText(), "alpha beta_2 gamma");
    MouseClick(edit, 3, 10);
    EXPECT_EQ(edit->GetSelLength(), 0);
    EXPECT_EQ(edit->GetSelStart(), 0);
}

TEST_F(SeEdits, ClipboardRoundTripWithLimits) {
    MakeEdit();
    TypeText(form, "Kurs 12,50");
    Key('A', Ctrl());
    Key('C', Ctrl());
    EXPECT_EQ(Clipboard()->GetAsText(), "Kurs 12,50");
    Key('X', Ctrl());
    EXPECT_EQ(edit->GetText(), "");
    Key('V', Ctrl());
    Key('V', Ctrl());
    EXPECT_EQ(edit->GetText(), "Kurs 12,50Kurs 12,50");

    Clipboard()->SetAsText("first\tline\r\nsecond line");
    edit->SetText("");
    edit->SetMaxLength(7);
    Key('V', Ctrl());
    EXPECT_EQ(edit->GetText(), "firstli") << "one line, no control characters, at most MaxLength";
    TypeText(form, "z");
    EXPECT_EQ(edit->GetText(), "firstli");
    Key(VK_BACK);
    TypeText(form, "\xE2\x82\xAC\xE2\x82\xAC");
    EXPECT_EQ(edit->GetText(), "firstl\xE2\x82\xAC") << "MaxLength counts characters, not bytes";

    edit->SetReadOnly(true);
    Key('A', Ctrl());
    Key('X', Ctrl());
    Key(VK_DELETE);
    TypeText(form, "q");
    EXPECT_EQ(edit->GetText(), "firstl\xE2\x82\xAC") << "read-only text stays";
    EXPECT_EQ(Clipboard()->GetAsText(), "first\tline\r\nsecond line") << "cut does nothing read-only";
    Key('C', Ctrl());
    EXPECT_EQ(Clipboard()->GetAsText(), "firstl\xE2\x82\xAC") << "but copying works";

    edit->SetReadOnly(false);
    edit->SetPasswordChar('*');
    Clipboard()->SetAsText("untouched");
    Key('A', Ctrl());
    Key('C', Ctrl());
    Key('X', Ctrl());
    EXPECT_EQ(Clipboard()->GetAsText(), "untouched") << "a password never leaves the edit";
    EXPECT_EQ(edit->GetText(), "firstl\xE2\x82\xAC");
    edit->SetText("pass word");
    MouseDoubleClick(edit, 8, 10);
    EXPECT_EQ(edit->GetSelLength(), 9) << "a double click shows no word of a password";
}

TEST_F(SeEdits, KeyPressMayChangeOrSwallowTheTypedCharacter) {
    MakeEdit();
    std::vector<int> seen;
    edit->OnKeyPress = TKeyPressEvent([&](TObject*, char& Key) {
        seen.push_back(static_cast<unsigned char>(Key));
        if (Key == 'a') Key = 'b';
        if (Key == '-') Key = 0;
    });
    TypeText(form, "a-c");
    PressKey(form, VK_RETURN);
    EXPECT_EQ(edit->GetText(), "bc");
    EXPECT_EQ(seen, (std::vector<int>{'a', '-', 'c', 13})) << "Enter reaches OnKeyPress and types nothing";
}

TEST_F(SeEdits, FocusEventsAndABlinkingCaret) {
    MakeEdit();
    auto* other = Place(new TSeCustomEdit(form), form, 10, 50, 120, 21);
    std::vector<std::string> events;
    edit->OnEnter = TNotifyEvent([&](TObject*) { events.push_back("enter"); });
    edit->OnExit = TNotifyEvent([&](TObject*) { events.push_back("exit"); });
    other->SetFocus();
    edit->SetFocus();
    EXPECT_EQ(events, (std::vector<std::string>{"exit", "enter"}));

    // The caret is a text-coloured column at the start of the empty text that comes and goes.
    EXPECT_GT(CountInText(clWindowText), 0);
    AdvanceClock(499);
    EXPECT_GT(CountInText(clWindowText), 0) << "shown for half a second";
    AdvanceClock(1);
    EXPECT_EQ(CountInText(clWindowText), 0);
    AdvanceClock(500);
    EXPECT_GT(CountInText(clWindowText), 0);
    other->SetFocus();
    EXPECT_EQ(CountInText(clWindowText), 0) << "no caret without the focus";
    // The sunken frame: dark outside edge at the top left, light at the bottom right.
    EXPECT_EQ(SurfacePixel(edit, 0, 0), ColorToRGB(clBtnShadow));
    EXPECT_EQ(SurfacePixel(edit, edit->GetWidth() - 1, edit->GetHeight() - 1), ColorToRGB(clBtnHighlight));
}

TEST_F(SeEdits, TheTextScrollsToKeepTheCaretInView) {
    MakeEdit(60);
    edit->SetText(AnsiString(std::string(40, ' ') + "WW"));
    Key(VK_END);
    EXPECT_GT(CountInText(clWindowText, 3), 0) << "the end of the text is in view";
    Key(VK_HOME);
    EXPECT_EQ(CountInText(clWindowText, 3), 0) << "back at the start only blanks show";
}

}  // namespace
