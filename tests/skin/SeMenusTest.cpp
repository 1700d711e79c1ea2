#include <memory>
#include <vector>

#include "SkinTest.h"
#include "platform/testing/TestClock.h"
#include "skin/controls/SePanel.h"
#include "skin/engine/KsSkinMenus.h"

namespace {

class Menus : public SkinTest {
protected:
    TForm* form = nullptr;
    TSeSkinMenuBar* bar = nullptr;
    TSeSkinItem *file = nullptr, *view = nullptr, *help = nullptr;
    TSeSkinItem *fileNew = nullptr, *fileOpen = nullptr, *fileExit = nullptr;
    TSeSkinItem *recent = nullptr, *recentOne = nullptr, *about = nullptr;
    std::vector<AnsiString> ran;

    TSeSkinItem* Item(TSeCustomItem* Parent, const char* Caption) {
        auto* item = new TSeSkinItem(form);
        item->SetCaption(Caption);
        item->OnClick = [this](TObject* Sender) { ran.push_back(static_cast<TSeCustomItem*>(Sender)->GetCaption()); };
        Parent->Add(item);
        return item;
    }
    void SetUp() override {
        SkinTest::SetUp();
        form = ShownForm(400, 200);
        bar = new TSeSkinMenuBar(form);
        bar->SetParent(form);
        file = Item(bar->GetItems(), "&File");
        fileNew = Item(file, "&New");
        fileOpen = Item(file, "&Open");
        fileOpen->SetEnabled(false);
        Item(file, "-");
        recent = Item(file, "&Recent");
        recentOne = Item(recent, "&1 quotes.zrq");
        Item(recent, "&2 tech.zrw");
        Item(file, "-");
        fileExit = Item(file, "E&xit");
        view = Item(bar->GetItems(), "&View");
        Item(view, "&Grid")->SetChecked(true);
        Item(view, "&Chart");
        help = Item(bar->GetItems(), "&Help");
        Item(help, "Velmora &Help");
        Item(help, "-");
        about = Item(help, "&About...");
        Application->ProcessMessages();
    }
    void ClickBar(int Index) {
        TRect r = bar->ItemRect(Index);
        MouseClick(bar, r.Left + r.Width() / 2, r.Top + r.Height() / 2);
    }
    void ClickPopupItem(int Level, int Index) {
        TSePopupWindow* popup = bar->GetPopup(Level);
        ASSERT_NE(popup, nullptr);
        TRect r = popup->ItemRect(Index);
        MouseClick(popup, r.Left + r.Width() / 2, r.Top + r.Height() / 2);
    }
    void Key(Word K, TShiftState Shift = TShiftState()) { PressKey(form, K, Shift); }
    int Selected(int Level) { return bar->GetPopup(Level) ? bar->GetPopup(Level)->GetSelected() : -2; }
};

TEST(MenuItems, TreeCaptionAndAccessKey) {
    auto root = std::make_unique<TSeCustomItem>(nullptr);
    auto* a = new TSeCustomItem(nullptr);
    auto* b = new TSeCustomItem(nullptr);
    auto* c = new TSeCustomItem(nullptr);
    root->Add(a);
    root->Add(c);
    root->Insert(1, b);
    ASSERT_EQ(root->GetCount(), 3);
    EXPECT_EQ(root->GetItems(1), b);
    EXPECT_EQ(b->GetParent(), root.get());
    EXPECT_THROW(b->Add(root.get()), EInvalidOperation);  // no item holds its own ancestor
    delete a;  // a freed item leaves its parent
    EXPECT_EQ(root->GetCount(), 2);
    root->Delete(0);
    EXPECT_EQ(root->GetCount(), 1);
    EXPECT_EQ(root->GetItems(0), c);
    EXPECT_THROW(root->GetItems(1), EListError);

    c->SetCaption("Save &As...");
    EXPECT_EQ(c->GetAccessKey(), 'A');
    EXPECT_EQ(c->GetDisplayCaption(), "Save As...");
    c->SetCaption("Fish && &chips");
    EXPECT_EQ(c->GetAccessKey(), 'C');
    EXPECT_EQ(c->GetDisplayCaption(), "Fish & chips");
    c->SetCaption("-");
    EXPECT_TRUE(c->IsLine());
    EXPECT_FALSE(c->IsSelectable());
    int clicks = 0;
    c->OnClick = [&](TObject*) { ++clicks; };
    c->SetCaption("Go");
    c->SetEnabled(false);
    c->Click();
    EXPECT_EQ(clicks, 0);
    c->SetEnabled(true);
    c->Click();
    EXPECT_EQ(clicks, 1);
}

TEST_F(Menus, AClickOpensThePopupUnderTheItemAndAnItemRunsAfterItCloses) {
    ClickBar(0);
    ASSERT_EQ(bar->GetPopupCount(), 1);
    TSePopupWindow* popup = bar->GetPopup(0);
    EXPECT_EQ(popup->GetItem(), file);
    EXPECT_TRUE(popup->GetVisible());
    const TPoint under = bar->ClientToScreen({bar->ItemRect(0).Left, bar->ItemRect(0).Bottom});
    EXPECT_EQ(popup->GetLeft(), under.x);
    EXPECT_EQ(popup->GetTop(), under.y);

    bool openWhileRunning = true;
    fileNew->OnClick = [&](TObject*) { openWhileRunning = bar->GetPopupCount() > 0 || bar->GetTracking(); };
    ClickPopupItem(0, 0);
    EXPECT_FALSE(openWhileRunning);
    EXPECT_EQ(bar->GetPopupCount(), 0);
    EXPECT_EQ(Screen->GetFormCount(), 1);  // the popup window is gone
    EXPECT_FALSE(bar->GetTracking());

    // A second click on the open item closes it.
    ClickBar(2);
    EXPECT_EQ(bar->GetPopupCount(), 1);
    ClickBar(2);
    EXPECT_EQ(bar->GetPopupCount(), 0);
}

TEST_F(Menus, OpenMenusLeaveTheFormActiveAndTheFocusWhereItWas) {
    auto* panel = new TSeCustomPanel(form);
    panel->SetBounds(10, 60, 100, 40);
    panel->SetParent(form);
    panel->SetFocus();
    std::vector<AnsiString> log;
    panel->OnEnter = [&](TObject*) { log.push_back("enter"); };
    panel->OnExit = [&](TObject*) { log.push_back("exit"); };
    form->OnDeactivate = [&](TObject*) { log.push_back("deactivate"); };
    ClickBar(0);
    ClickPopupItem(0, 3);
    ASSERT_EQ(bar->GetPopupCount(), 2);
    EXPECT_EQ(Screen->GetActiveForm(), form);
    Key(VK_ESCAPE);
    ClickPopupItem(0, 0);
    EXPECT_EQ(ran, std::vector<AnsiString>{"&New"});
    EXPECT_TRUE(panel->Focused());
    EXPECT_TRUE(log.empty());
}

TEST_F(Menus, DisabledItemsAndSeparatorsDoNothing) {
    ClickBar(0);
    ClickPopupItem(0, 1);  // "Open", disabled
    ClickPopupItem(0, 2);  // the separator
    EXPECT_TRUE(ran.empty());
    EXPECT_EQ(bar->GetPopupCount(), 1);
    ClickPopupItem(0, 5);
    EXPECT_EQ(ran, std::vector<AnsiString>{"E&xit"});
}

TEST_F(Menus, MovingAlongTheBarSwitchesPopupsAndOverAnItemOpensItsSubmenu) {
    ClickBar(0);
    TRect helpRect = bar->ItemRect(2);
    MouseMove(bar, helpRect.Left + 3, helpRect.Top + 3);
    ASSERT_EQ(bar->GetPopupCount(), 1);
    EXPECT_EQ(bar->GetPopup(0)->GetItem(), help);
    EXPECT_EQ(bar->GetSelectedIndex(), 2);
    EXPECT_EQ(Screen->GetFormCount(), 2);

    TRect fileRect = bar->ItemRect(0);
    MouseMove(bar, fileRect.Left + 3, fileRect.Top + 3);
    TSePopupWindow* popup = bar->GetPopup(0);
    TRect r = popup->ItemRect(3);
    MouseMove(popup, r.Left + 5, r.Top + 3);
    ASSERT_EQ(bar->GetPopupCount(), 2);
    EXPECT_EQ(bar->GetPopup(1)->GetItem(), recent);
    // The submenu opens beside its item.
    EXPECT_GE(bar->GetPopup(1)->GetLeft(), popup->GetLeft() + popup->GetWidth() - kPopupInset);
    ClickPopupItem(1, 0);
    EXPECT_EQ(ran, std::vector<AnsiString>{"&1 quotes.zrq"});
    EXPECT_EQ(Screen->GetFormCount(), 1);
}

TEST_F(Menus, AClickOutsideClosesEverything) {
    int formClicks = 0;
    form->OnClick = [&](TObject*) { ++formClicks; };
    ClickBar(0);
    ClickPopupItem(0, 3);  // opens "Recent"
    ASSERT_EQ(bar->GetPopupCount(), 2);
    MouseClick(form, 300, 150);
    EXPECT_EQ(bar->GetPopupCount(), 0);
    EXPECT_FALSE(bar->GetTracking());
    EXPECT_EQ(formClicks, 0);  // the closing click goes no further
    EXPECT_TRUE(ran.empty());
    MouseClick(form, 300, 150);
    EXPECT_EQ(formClicks, 1);
}

TEST_F(Menus, AltAndF10HighlightTheBarAndArrowsWalkIt) {
    Key(VK_MENU);
    EXPECT_TRUE(bar->GetTracking());
    EXPECT_EQ(bar->GetSelectedIndex(), 0);
    EXPECT_EQ(bar->GetPopupCount(), 0);
    Key(VK_RIGHT);
    EXPECT_EQ(bar->GetSelectedIndex(), 1);
    Key(VK_LEFT);
    Key(VK_LEFT);  // wraps to the last item
    EXPECT_EQ(bar->GetSelectedIndex(), 2);
    Key(VK_DOWN);
    ASSERT_EQ(bar->GetPopupCount(), 1);
    EXPECT_EQ(bar->GetPopup(0)->GetItem(), help);
    EXPECT_EQ(Selected(0), 0);
    Key(VK_ESCAPE);  // one level: back to the highlighted bar
    EXPECT_EQ(bar->GetPopupCount(), 0);
    EXPECT_TRUE(bar->GetTracking());
    Key(VK_ESCAPE);
    EXPECT_FALSE(bar->GetTracking());

    Key(VK_F10);
    EXPECT_TRUE(bar->GetTracking());
    Key('V');  // an access key on the bar opens that item
    ASSERT_EQ(bar->GetPopupCount(), 1);
    EXPECT_EQ(bar->GetPopup(0)->GetItem(), view);
    Key(VK_F10);
    EXPECT_FALSE(bar->GetTracking());
    EXPECT_EQ(Screen->GetFormCount(), 1);
}

TEST_F(Menus, AltAccessKeysOpenAndArrowsSkipSeparatorsAndDisabledItems) {
    Key('F', TShiftState() << ssAlt);
    ASSERT_EQ(bar->GetPopupCount(), 1);
    EXPECT_EQ(Selected(0), 0);
    Key(VK_DOWN);  // over the disabled "Open" and the separator
    EXPECT_EQ(Selected(0), 3);
    Key(VK_DOWN);
    EXPECT_EQ(Selected(0), 5);
    Key(VK_DOWN);  // wraps
    EXPECT_EQ(Selected(0), 0);
    Key(VK_UP);
    EXPECT_EQ(Selected(0), 5);
    Key('O');  // a disabled item's access key does nothing
    EXPECT_TRUE(ran.empty());
    EXPECT_EQ(bar->GetPopupCount(), 1);

    // Right opens a submenu, Left closes it, Escape closes level by level.
    Key(VK_UP);
    Key(VK_RIGHT);
    ASSERT_EQ(bar->GetPopupCount(), 2);
    EXPECT_EQ(Selected(1), 0);
    Key(VK_LEFT);
    EXPECT_EQ(bar->GetPopupCount(), 1);
    Key(VK_RIGHT);
    Key(VK_ESCAPE);
    EXPECT_EQ(bar->GetPopupCount(), 1);
    Key(VK_ESCAPE);
    EXPECT_EQ(bar->GetPopupCount(), 0);
    EXPECT_TRUE(bar->GetTracking());
    Key(VK_ESCAPE);
    EXPECT_FALSE(bar->GetTracking());

    // Right on a plain item moves to the next bar item's popup; keys run items.
    Key('F', TShiftState() << ssAlt);
    Key(VK_RIGHT);
    EXPECT_EQ(bar->GetPopup(0)->GetItem(), view);
    Key(VK_DOWN);
    Key(VK_RETURN);
    EXPECT_EQ(ran, std::vector<AnsiString>{"&Chart"});
    EXPECT_FALSE(bar->GetTracking());
    Key('H', TShiftState() << ssAlt);
    Key('A');
    EXPECT_EQ(ran.back(), "&About...");
    EXPECT_EQ(Screen->GetFormCount(), 1);
    // Keys for no menu reach the form as before.
    Key('Q', TShiftState() << ssAlt);
    EXPECT_FALSE(bar->GetTracking());
}

TEST_F(Menus, TheProgramsMenusFitTheWindowAndTheKeysStepOverTheirSeparators) {
    bar->GetItems()->Clear();
    const std::vector<std::vector<const char*>> menus = {
        {"File", "New Vazod Erurid Document", "Open Vazod Erurid Document", "Open Stock Quote File",
         "Save Vazod Erurid Document", "Print Vazod Erurid Document", "Print Stock Quotes", "Print Diagram", "-",
         "Exit"},
        {"Vazod Erurid", "Add Stocks", "Remove Stocks", "Show Diagram", "Recalculate Predicitons"},
        {"Analysis", "Create Analysis"},
        {"Diagram", "Export to Bitmap", "Draw Trendlines", "Draw Fibonacci Arcs", "Erase Trendlines and Arcs"},
        {"Quotes", "Download Quotes", "Update Quotes", "Symbol Lookup", "Exchanges"},
        {"Help", "Velmora Help", "-", "Velmora Home Page", "-", "About..."}};
    for (const auto& captions : menus) {
        TSeSkinItem* top = Item(bar->GetItems(), captions[0]);
        for (std::size_t i = 1; i < captions.size(); ++i) Item(top, captions[i]);
    }
    form->SetWidth(787);
    Application->ProcessMessages();
    EXPECT_LE(bar->ItemRect(5).Right, 787);
    EXPECT_EQ(bar->ItemAt(bar->ItemRect(3).Left + 2, 5), 3);

    Key(VK_F10);
    Key(VK_LEFT);  // to "Help"
    Key(VK_DOWN);
    ASSERT_EQ(bar->GetPopupCount(), 1);
    std::vector<int> stops;
    for (int i = 0; i < 4; ++i) {
        stops.push_back(Selected(0));
        Key(VK_DOWN);
    }
    EXPECT_EQ(stops, (std::vector<int>{0, 2, 4, 0}));
    Key(VK_LEFT);
    Key(VK_LEFT);  // to "Diagram", past "Quotes"
    EXPECT_EQ(bar->GetPopup(0)->GetItem()->GetCaption(), "Diagram");
    Key(VK_UP);
    Key(VK_RETURN);
    EXPECT_EQ(ran, std::vector<AnsiString>{"Erase Trendlines and Arcs"});
}

TEST_F(Menus, AHandlerMayShowAModalForm) {
    TModalResult result = mrNone;
    about->OnClick = [&](TObject*) {
        auto* dialog = new TForm(form);
        dialog->SetCaption("About");
        result = dialog->ShowModal();
        delete dialog;
    };
    AnswerNextModalForm([](TCustomForm* Dialog) { Dialog->SetModalResult(mrOk); });
    ClickBar(2);
    ClickPopupItem(0, 2);
    EXPECT_EQ(result, mrOk);
    EXPECT_FALSE(bar->GetTracking());

    result = mrNone;
    AnswerNextModalForm([](TCustomForm* Dialog) { Dialog->SetModalResult(mrCancel); });
    Key('H', TShiftState() << ssAlt);
    Key(VK_UP);
    Key(VK_RETURN);
    EXPECT_EQ(result, mrCancel);
    EXPECT_EQ(Screen->GetFormCount(), 1);
}

TEST_F(Menus, PopupsStayOnScreenAndScrollWhenTallerThanIt) {
    const int screenWidth = Screen->GetWidth(), screenHeight = Screen->GetHeight();
    form->SetBounds(screenWidth - 120, 100, 120, 100);
    auto* longMenu = Item(bar->GetItems(), "&Long");
    for (int i = 0; i < 120; ++i) Item(longMenu, ("Entry " + AnsiString(i)).c_str());
    Application->ProcessMessages();
    const int last = bar->GetItems()->GetCount() - 1;
    bar->OpenItem(last, true);
    TSePopupWindow* popup = bar->GetPopup(0);
    ASSERT_NE(popup, nullptr);
    EXPECT_LE(popup->GetLeft() + popup->GetWidth(), screenWidth);
    EXPECT_GE(popup->GetTop(), 0);
    EXPECT_EQ(popup->GetHeight(), screenHeight);
    ASSERT_TRUE(popup->GetScrolling());
    EXPECT_EQ(popup->GetTopIndex(), 0);

    // The keys bring the selection into view; the arrows scroll on a timer.
    Key(VK_UP);
    EXPECT_EQ(popup->GetSelected(), 119);
    EXPECT_FALSE(popup->ItemRect(119).IsEmpty());
    EXPECT_GT(popup->GetTopIndex(), 0);
    Key(VK_DOWN);
    EXPECT_EQ(popup->GetTopIndex(), 0);
    // Resting on the bottom arrow: a step every 100 ms.
    MouseMove(popup, 10, popup->GetHeight() - kPopupInset - 2);
    AdvanceClock(99);
    EXPECT_EQ(popup->GetTopIndex(), 0);
    AdvanceClock(1);
    EXPECT_EQ(popup->GetTopIndex(), 1);
    AdvanceClock(100);
    EXPECT_EQ(popup->GetTopIndex(), 2);
    MouseMove(popup, 10, popup->GetHeight() / 2);
    AdvanceClock(1000);
    EXPECT_EQ(popup->GetTopIndex(), 2) << "off the arrow, the scrolling stops";
    bar->CloseMenus();
}

TEST_F(Menus, SkinnedMenusDrawThroughTheSkinAndFallBackToClassic) {
    auto pixels = [](TWinControl* Control) {
        Control->Repaint();
        std::vector<TColor> all;
        for (int y = 0; y < Control->GetHeight(); ++y)
            for (int x = 0; x < Control->GetWidth(); ++x) all.push_back(SurfacePixel(Control, x, y));
        return all;
    };
    ClickBar(1);
    TSePopupWindow* popup = bar->GetPopup(0);
    const auto classicBar = pixels(bar), classicPopup = pixels(popup);
    // A checked item shows its mark in the check column, an unchecked one nothing.
    TRect grid = popup->ItemRect(0), chart = popup->ItemRect(1);
    TCanvas* canvas = popup->GetCanvas();
    EXPECT_GT(PixelsOtherThan(canvas, Rect(grid.Left, grid.Top, grid.Left + kMenuCheckWidth - 4, grid.Bottom),
                              ColorToRGB(clMenu)), 0);
    EXPECT_EQ(PixelsOtherThan(canvas, Rect(chart.Left, chart.Top, chart.Left + kMenuCheckWidth - 4, chart.Bottom),
                              ColorToRGB(clMenu)), 0);

    auto engine = std::make_unique<TSeSkinEngine>(nullptr);
    EXPECT_NE(pixels(bar), classicBar);
    EXPECT_NE(pixels(popup), classicPopup);
    // The popup's face and the selected item's hot face come from the skin.
    EXPECT_EQ(SurfacePixel(popup, popup->GetWidth() / 2, chart.Top + 1), engine->FindObject("PopupMenu")->GetLook(kssNormal).Face);
    Key(VK_DOWN);
    EXPECT_EQ(popup->GetSelected(), 0);
    popup->Repaint();
    EXPECT_EQ(SurfacePixel(popup, grid.Right - 4, grid.Top + grid.Height() / 2),
              engine->FindObject("MenuItem")->GetLook(kssHot).Face);
    engine.reset();
    popup->SetSelected(-1);
    EXPECT_EQ(pixels(popup), classicPopup);
    bar->CloseMenus();
}

}  // namespace
