#include <set>

#include "SkinTest.h"
#include "skin/controls/SeComboBox.h"

namespace {

class SeComboBox : public SkinTest {
protected:
    TForm* form = nullptr;
    TSeCustomComboBox* combo = nullptr;
    std::vector<std::string> events;

    TSeCustomComboBox* MakeCombo(std::initializer_list<const char*> Items, TForm* On = nullptr) {
        form = On ? On : ShownForm(300, 200);
        combo = Place(new TSeCustomComboBox(form), form, 10, 10, 150, 21);
        for (const char* item : Items) combo->GetItems()->Add(item);
        combo->OnChange = TNotifyEvent([this](TObject*) { events.push_back("change " + combo->GetText().str()); });
        combo->OnClick = TNotifyEvent([this](TObject*) { events.push_back("click"); });
        Application->ProcessMessages();
        return combo;
    }
    void Key(Word K, TShiftState Shift = TShiftState()) { PressKey(form, K, Shift); }
    TSeCustomListBox* List() { return combo->GetDropDownList(); }
    // The middle of the list's row Index.
    TPoint Row(int Index) {
        TRect r = List()->ItemRect(Index);
        return {r.Left + 20, (r.Top + r.Bottom) / 2};
    }
    static std::vector<const char*> Quotes() { return {"Open", "High", "Low", "Close", "Candlestick"}; }
};

TEST_F(SeComboBox, ItemIndexIsClampedAndShowsTheItemsText) {
    MakeCombo({"Open", "High", "Low", "Close", "Candlestick"});
    EXPECT_EQ(combo->GetItemIndex(), -1);
    EXPECT_EQ(combo->GetText(), "");
    struct Case {
        int set, index;
        const char* text;
    };
    for (Case c : {Case{2, 2, "Low"}, Case{-5, 0, "Open"}, Case{5 + 3, 4, "Candlestick"}, Case{-1, -1, ""},
                   Case{5, 4, "Candlestick"}, Case{0, 0, "Open"}}) {
        combo->SetItemIndex(c.set);
        EXPECT_EQ(combo->GetItemIndex(), c.index) << "set " << c.set;
        EXPECT_EQ(combo->GetText(), c.text) << "set " << c.set;
    }
    EXPECT_TRUE(events.empty()) << "the program's choices fire no events";

    combo->SetItemIndex(3);
    combo->Clear();
    EXPECT_EQ(combo->GetItemIndex(), -1);
    EXPECT_EQ(combo->GetText(), "");
    EXPECT_EQ(combo->GetItems()->GetCount(), 0);
    combo->SetItemIndex(-5);
    EXPECT_EQ(combo->GetItemIndex(), -1) << "no items: nothing to select";
    combo->SetItemIndex(7);
    EXPECT_EQ(combo->GetItemIndex(), -1);

    combo->GetItems()->Add("1970");
    combo->GetItems()->Add("1971");
    combo->SetItemIndex(1);
    combo->GetItems()->Delete(0);
    EXPECT_EQ(combo->GetItemIndex(), 0);
    EXPECT_EQ(combo->GetText(), "1971");
    combo->GetItems()->Clear();
    EXPECT_EQ(combo->GetText(), "") << "no selected item, no text";
}

TEST_F(SeComboBox, TheDropDownOpensBelowTracksTheMouseAndChoosesOnClick) {
    MakeCombo({"Open", "High", "Low", "Close", "Candlestick"});
    combo->SetItemIndex(0);
    MouseClick(combo, 140, 10);  // the button
    ASSERT_TRUE(combo->GetDroppedDown());
    auto* popup = GetParentForm(List());
    ASSERT_NE(popup, nullptr);
    EXPECT_NE(popup, form) << "a window of its own";
    EXPECT_TRUE(popup->GetVisible());
    EXPECT_EQ(popup->ClientToScreen({0, 0}), combo->ClientToScreen({0, combo->GetHeight()})) << "right below";
    EXPECT_EQ(popup->GetWidth(), combo->GetWidth());
    EXPECT_EQ(Screen->GetActiveForm(), form) << "the combo's window stays active";
    EXPECT_TRUE(combo->Focused());
    EXPECT_FALSE(List()->GetScrollBar()->GetVisible()) << "five items fit";
    EXPECT_EQ(List()->GetItemIndex(), 0);

    MouseMove(List(), Row(2).x, Row(2).y);
    EXPECT_EQ(List()->GetItemIndex(), 2) << "hot tracking";
    EXPECT_EQ(combo->GetItemIndex(), 0) << "not chosen yet";
    MouseClick(List(), Row(3).x, Row(3).y);
    EXPECT_FALSE(combo->GetDroppedDown());
    EXPECT_FALSE(popup->GetVisible());
    EXPECT_EQ(combo->GetItemIndex(), 3);
    EXPECT_EQ(events, (std::vector<std::string>{"change Close", "click"}));

    // A click elsewhere closes it without a choice, and so does a second click on the combo box.
    auto* other = Place(new TSeCustomComboBox(form), form, 10, 150, 100, 21);
    MouseClick(combo, 20, 10);
    ASSERT_TRUE(combo->GetDroppedDown());
    MouseMove(List(), Row(1).x, Row(1).y);
    MouseClick(other, 5, 5);
    EXPECT_FALSE(combo->GetDroppedDown());
    EXPECT_FALSE(other->GetDroppedDown()) << "the closing click goes no further";
    MouseClick(combo, 20, 10);
    MouseClick(combo, 20, 10);
    EXPECT_FALSE(combo->GetDroppedDown());
    EXPECT_EQ(combo->GetItemIndex(), 3);
    EXPECT_EQ(events, (std::vector<std::string>{"change Close", "click"}));
}

TEST_F(SeComboBox, KeysOpenChooseAndEscape) {
    MakeCombo({"Open", "High", "Low", "Close", "Candlestick"});
    combo->SetItemIndex(1);
    combo->SetFocus();
    Key(VK_F4);
    ASSERT_TRUE(combo->GetDroppedDown());
    Key(VK_DOWN);
    Key(VK_DOWN);
    EXPECT_EQ(List()->GetItemIndex(), 3);
    Key(VK_ESCAPE);
    EXPECT_FALSE(combo->GetDroppedDown());
    EXPECT_EQ(combo->GetItemIndex(), 1) << "Escape chooses nothing";
    EXPECT_TRUE(events.empty());

    Key(VK_DOWN, TShiftState() << ssAlt);
    ASSERT_TRUE(combo->GetDroppedDown());
    Key(VK_END);
    Key(VK_UP);
    Key(VK_RETURN);
    EXPECT_FALSE(combo->GetDroppedDown());
    EXPECT_EQ(combo->GetItemIndex(), 3);
    EXPECT_EQ(events, (std::vector<std::string>{"change Close", "click"}));

    // Closed, the keys step through the items; each step is a change.
    events.clear();
    Key(VK_DOWN);
    Key(VK_DOWN);
    Key(VK_HOME);
    Key(VK_UP);  // already at the first: nothing
    Key(VK_NEXT);
    EXPECT_EQ(events, (std::vector<std::string>{"change Candlestick", "click", "change Open", "click",
                                                "change Candlestick", "click"}));
    EXPECT_EQ(combo->GetItemIndex(), 4);
}

TEST_F(SeComboBox, TypingALetterSelectsTheNextItemStartingWithIt) {
    MakeCombo({"N-day Moving Average", "N-day Exponential Moving Average", "MACD", "Momentum", "Stochastic Oscillator",
               "Parabolic SAR", "RSI", "Bollinger Bands", "Price Oscillator", "Historical Volatility", "No Analysis"});
    combo->SetItemIndex(0);
    combo->SetFocus();
    TypeText(form, "m");
    EXPECT_EQ(combo->GetItemIndex(), 2);
    TypeText(form, "M");
    EXPECT_EQ(combo->GetItemIndex(), 3);
    TypeText(form, "m");
    EXPECT_EQ(combo->GetItemIndex(), 2) << "round again";
    TypeText(form, "n");
    EXPECT_EQ(combo->GetItemIndex(), 10);
    TypeText(form, "z");
    EXPECT_EQ(combo->GetItemIndex(), 10) << "no item starts with z";
    EXPECT_EQ(combo->GetText(), "No Analysis");
}

TEST_F(SeComboBox, LongListsScrollInTheDropDown) {
    MakeCombo({});
    for (int year = 1970; year <= 2010; ++year) combo->GetItems()->Add(AnsiString(year));
    combo->SetItemIndex(40);
    MouseClick(combo, 20, 10);
    ASSERT_TRUE(combo->GetDroppedDown());
    TSeCustomScrollBar* bar = List()->GetScrollBar();
    EXPECT_TRUE(bar->GetVisible());
    EXPECT_EQ(List()->VisibleCount(), combo->GetDropDownCount());
    EXPECT_EQ(List()->GetTopIndex(), 33) << "the selected year in view";
    MouseClick(bar, 8, 4);  // the up arrow
    EXPECT_TRUE(combo->GetDroppedDown()) << "scrolling keeps it open";
    EXPECT_EQ(List()->GetTopIndex(), 32);
    MouseWheel(List(), 20, 20, WHEEL_DELTA);
    EXPECT_EQ(List()->GetTopIndex(), 29);
    MouseClick(List(), Row(29).x, Row(29).y);
    EXPECT_EQ(combo->GetText(), "1999");
}

TEST_F(SeComboBox, ItemsFromASourceAreAskedForWhenShownAndStoredOnTheFirstChange) {
    MakeCombo({"old"});
    std::set<int> asked;
    combo->SetItemSource(100000, [&](int index) {
        asked.insert(index);
        return AnsiString(1970 + index);
    });
    EXPECT_EQ(combo->GetItemIndex(), -1);
    EXPECT_EQ(combo->GetItems()->GetCount(), 100000);
    EXPECT_TRUE(asked.empty());
    combo->SetItemIndex(40);
    EXPECT_EQ(combo->GetText(), "2010");
    EXPECT_EQ(combo->GetItems()->GetStrings(99999), "101969");
    EXPECT_EQ(combo->GetItems()->GetObjects(5), nullptr);
    EXPECT_THROW(combo->GetItems()->GetStrings(100000), EStringListError);

    // The drop-down takes the source over and draws only the rows it shows.
    asked.clear();
    MouseClick(combo, 20, 10);
    ASSERT_TRUE(combo->GetDroppedDown());
    EXPECT_EQ(List()->GetItems()->GetCount(), 100000);
    EXPECT_LE(asked.size(), 20u);
    EXPECT_EQ(List()->GetTopIndex(), 33) << "the selected item in view";
    MouseClick(List(), Row(35).x, Row(35).y);
    EXPECT_EQ(combo->GetText(), "2005");
    EXPECT_EQ(combo->GetItemIndex(), 35);
    EXPECT_EQ(events, (std::vector<std::string>{"change 2005", "click"}));

    // A change stores the items; the selection stays on its item.
    combo->GetItems()->Insert(0, "first");
    EXPECT_EQ(combo->GetItemIndex(), 36);
    EXPECT_EQ(combo->GetText(), "2005");
    asked.clear();
    EXPECT_EQ(combo->GetItems()->GetStrings(100000), "101969");
    EXPECT_EQ(combo->GetItems()->IndexOf("1999"), 30);
    EXPECT_TRUE(asked.empty()) << "stored: the source is asked no more";

    combo->SetItemSource(3, [](int index) { return AnsiString(index); });
    EXPECT_EQ(combo->GetItems()->GetCommaText(), "0,1,2");
    EXPECT_EQ(combo->GetItems()->IndexOf("2"), 2);
    combo->SetItemIndex(1);
    combo->Clear();
    EXPECT_EQ(combo->GetItems()->GetCount(), 0);
    EXPECT_EQ(combo->GetText(), "");
}

TEST_F(SeComboBox, OpensAboveWhenTheScreenEndsBelow) {
    TForm* low = ShownFormAt(100, Screen->GetHeight() - 60, 200, 50);
    MakeCombo({"Open", "High", "Low", "Close", "Candlestick"}, low);
    MouseClick(combo, 20, 10);
    ASSERT_TRUE(combo->GetDroppedDown());
    TCustomForm* popup = GetParentForm(List());
    EXPECT_EQ(popup->ClientToScreen({0, popup->GetHeight()}), combo->ClientToScreen({0, 0}));
    Key(VK_ESCAPE);
    EXPECT_FALSE(popup->GetVisible());
}

TEST_F(SeComboBox, WorksInAModalDialog) {
    TForm* main = ShownForm(300, 200);
    auto* dialog = new TForm(main);
    dialog->SetBounds(150, 150, 250, 150);
    MakeCombo({"January", "February", "March"}, dialog);
    form = dialog;
    combo->SetItemIndex(0);
    AnswerNextModalForm([&](TCustomForm* shown) {
        MouseClick(combo, 20, 10);
        ASSERT_TRUE(combo->GetDroppedDown());
        MouseClick(List(), Row(2).x, Row(2).y);
        shown->SetModalResult(combo->GetItemIndex() == 2 ? mrOk : mrCancel);
    });
    EXPECT_EQ(dialog->ShowModal(), mrOk);
    EXPECT_EQ(combo->GetText(), "March");
}

}  // namespace
