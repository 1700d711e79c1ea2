#include "SkinTest.h"
#include "skin/controls/SeListBox.h"

namespace {

class SeListBox : public SkinTest {
protected:
    TForm* form = nullptr;
    TSeCustomListBox* list = nullptr;
    int clicks = 0;

    // 121 x 86: five items of 16 pixels fit inside the frame.
    TSeCustomListBox* MakeList(int Items) {
        form = ShownForm(220, 160);
        list = Place(new TSeCustomListBox(form), form, 10, 10, 121, 86);
        for (int i = 0; i < Items; ++i) list->GetItems()->Add("Item " + AnsiString(i));
        list->OnClick = TNotifyEvent([this](TObject*) { ++clicks; });
        Application->ProcessMessages();
        return list;
    }
    int Painted(TColor Color, const TRect& R) {
        list->Repaint();
        int n = 0;
        for (int y = R.Top; y < R.Bottom; ++y)
            for (int x = R.Left; x < R.Right; ++x) n += SurfacePixel(list, x, y) == ColorToRGB(Color);
        return n;
    }
    int Inked(int Index) { return Painted(clWindowText, list->ItemRect(Index)); }
    void Key(Word K) { PressKey(form, K); }
};

TEST_F(SeListBox, ItemsRepaintAndDeletionsKeepTheSelectedItem) {
    MakeList(3);
    EXPECT_EQ(list->GetItemIndex(), -1);
    EXPECT_EQ(list->GetItems()->GetStrings(2), "Item 2");
    EXPECT_GT(Inked(2), 0);
    EXPECT_EQ(Inked(3), 0);
    list->GetItems()->Add("Item 3");
    EXPECT_GT(Inked(3), 0) << "an added item shows at once";

    list->SetItemIndex(2);
    list->GetItems()->Delete(0);
    EXPECT_EQ(list->GetItemIndex(), 1);
    EXPECT_EQ(list->GetItems()->GetStrings(list->GetItemIndex()), "Item 2");
    list->GetItems()->Insert(0, "first");
    EXPECT_EQ(list->GetItemIndex(), 2);
    list->GetItems()->Delete(2);
    EXPECT_EQ(list->GetItemIndex(), -1) << "the selected item is gone";
    EXPECT_EQ(Inked(3), 0) << "the last row is empty again";
    list->SetItemIndex(0);
    list->GetItems()->Clear();
    EXPECT_EQ(list->GetItemIndex(), -1);
    EXPECT_EQ(list->GetItems()->GetCount(), 0);
    EXPECT_EQ(Inked(0), 0);
    EXPECT_EQ(clicks, 0) << "the program's changes are no clicks";
}

TEST_F(SeListBox, ItemIndexScrollsIntoViewAndTheScrollBarComesWhenNeeded) {
    MakeList(5);
    EXPECT_FALSE(list->GetScrollBar()->GetVisible());
    list->GetItems()->Add("Item 5");
    EXPECT_TRUE(list->GetScrollBar()->GetVisible());
    for (int i = 6; i < 20; ++i) list->GetItems()->Add("Item " + AnsiString(i));

    list->SetItemIndex(12);
    EXPECT_EQ(list->GetTopIndex(), 8) << "the item is the last one in view";
    EXPECT_EQ(list->GetScrollBar()->GetPosition(), 8);
    list->SetItemIndex(3);
    EXPECT_EQ(list->GetTopIndex(), 3);
    list->SetItemIndex(25);
    EXPECT_EQ(list->GetItemIndex(), -1) << "no such item: nothing selected";
    list->SetTopIndex(99);
    EXPECT_EQ(list->GetTopIndex(), 15) << "the last page";
    list->SetTopIndex(-4);
    EXPECT_EQ(list->GetTopIndex(), 0);

    TSeCustomScrollBar* bar = list->GetScrollBar();
    MouseClick(bar, 8, bar->GetHeight() - 4);  // its down arrow
    EXPECT_EQ(list->GetTopIndex(), 1);
    MouseWheel(list, 40, 40, -WHEEL_DELTA);
    EXPECT_EQ(list->GetTopIndex(), 4) << "three items a notch";
    MouseWheel(list, 40, 40, 2 * WHEEL_DELTA);
    EXPECT_EQ(list->GetTopIndex(), 0);

    list->SetHeight(400);
    EXPECT_FALSE(list->GetScrollBar()->GetVisible()) << "all items fit again";
}

TEST_F(SeListBox, MouseSelectsClicksAndDoubleClicks) {
    MakeList(5);
    int doubles = 0;
    list->OnDblClick = TNotifyEvent([&](TObject*) { ++doubles; });
    MouseClick(list, 30, 2 + 16 + 8);
    EXPECT_EQ(list->GetItemIndex(), 1);
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(list->Focused()) << "a click takes the focus";
    MouseDoubleClick(list, 30, 2 + 3 * 16 + 8);
    EXPECT_EQ(list->GetItemIndex(), 3);
    EXPECT_EQ(doubles, 1);

    MouseDown(list, mbLeft, 30, 10);
    MouseMove(list, 30, 2 + 4 * 16 + 8);
    MouseUp(list, mbLeft, 30, 2 + 4 * 16 + 8);
    EXPECT_EQ(list->GetItemIndex(), 4) << "dragging moves the selection";

    // The selected item is drawn in the highlight colour, the rest on the window colour.
    EXPECT_GT(Painted(clHighlight, list->ItemRect(4)), list->ItemRect(4).Width() * 8);
    EXPECT_EQ(Painted(clHighlight, list->ItemRect(3)), 0);
    // The sunken frame.
    EXPECT_EQ(SurfacePixel(list, 0, 0), ColorToRGB(clBtnShadow));
    EXPECT_EQ(SurfacePixel(list, list->GetWidth() - 1, list->GetHeight() - 1), ColorToRGB(clBtnHighlight));
}

TEST_F(SeListBox, KeysMoveTheSelectionAndTellOnlyChanges) {
    MakeList(20);
    list->SetFocus();
    Key(VK_DOWN);
    EXPECT_EQ(list->GetItemIndex(), 0) << "the first item when none was selected";
    Key(VK_UP);
    EXPECT_EQ(list->GetItemIndex(), 0);
    EXPECT_EQ(clicks, 1) << "no change, no click";
    Key(VK_NEXT);
    EXPECT_EQ(list->GetItemIndex(), 4);
    Key(VK_NEXT);
    EXPECT_EQ(list->GetItemIndex(), 8);
    EXPECT_EQ(list->GetTopIndex(), 4);
    Key(VK_PRIOR);
    EXPECT_EQ(list->GetItemIndex(), 4);
    Key(VK_END);
    EXPECT_EQ(list->GetItemIndex(), 19);
    EXPECT_EQ(list->GetTopIndex(), 15);
    Key(VK_DOWN);
    EXPECT_EQ(list->GetItemIndex(), 19);
    Key(VK_HOME);
    EXPECT_EQ(list->GetItemIndex(), 0);
    EXPECT_EQ(list->GetTopIndex(), 0);
    EXPECT_EQ(clicks, 6);
}

TEST_F(SeListBox, ATinyListKeepsItsItems) {
    form = ShownForm(100, 60);
    list = Place(new TSeCustomListBox(form), form, 5, 5, 1, 4);
    for (int i = 0; i < 30; ++i) list->GetItems()->Add("C:\\q\\stock" + AnsiString(i) + ".zrq");
    list->SetItemIndex(29);
    list->SetFocus();
    PressKey(form, VK_UP);
    MouseClick(list, 0, 2);
    MouseWheel(list, 0, 2, -WHEEL_DELTA);
    list->Repaint();
    list->GetItems()->Delete(3);
    EXPECT_EQ(list->GetItems()->GetCount(), 29);
    EXPECT_EQ(list->GetItems()->GetStrings(28), "C:\\q\\stock29.zrq");
    EXPECT_FALSE(list->GetScrollBar()->GetVisible()) << "no room for a scroll bar";
    EXPECT_EQ(list->VisibleCount(), 1);
}

}  // namespace
