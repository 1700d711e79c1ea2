#include <memory>
#include <vector>

#include "SkinTest.h"
#include "platform/testing/TestClock.h"
#include "skin/controls/SePanel.h"
#include "skin/engine/KsSkinPages.h"

namespace {

class PageControl : public SkinTest {
protected:
    TSeSkinPageControl* pages = nullptr;
    std::vector<TSeCustomTabSheet*> sheets;
    int changes = 0;
    int changings = 0;
    bool allow = true;

    TForm* MakePages(int Width, std::initializer_list<const char*> Captions) {
        TForm* form = ShownForm(Width + 20, 200);
        pages = new TSeSkinPageControl(form);
        pages->SetBounds(10, 10, Width, 180);
        pages->SetParent(form);
        pages->GetFont()->SetName("Tahoma");
        for (const char* caption : Captions) {
            auto* sheet = new TSeCustomTabSheet(form);
            sheet->SetPageControl(pages);
            sheet->SetCaption(caption);
            sheets.push_back(sheet);
        }
        pages->OnChange = [this](TObject*) { ++changes; };
        pages->OnChanging = [this](TObject*, bool& Allow) {
            ++changings;
            Allow = allow;
        };
        Application->ProcessMessages();
        return form;
    }
    TForm* MakeProgramPages() { return MakePages(400, {"Vazod Erurid", "Analysis", "Diagram", "Browser"}); }
    void ClickTab(int Index) {
        TRect r = pages->TabRect(Index);
        ASSERT_FALSE(r.IsEmpty());
        MouseClick(pages, r.Left + r.Width() / 2, r.Top + r.Height() / 2);
    }
    std::vector<TColor> Shown() {
        pages->Repaint();
        std::vector<TColor> pixels;
        for (int y = 0; y < pages->GetTabHeight() + 4; ++y)
            for (int x = 0; x < pages->GetWidth(); ++x) pixels.push_back(SurfacePixel(pages, x, y));
        return pixels;
    }
};

TEST_F(PageControl, SetActivePageHidesTheOldPageShowsTheNewAndMovesTheTab) {
    MakeProgramPages();
    ASSERT_EQ(pages->GetPageCount(), 4);
    // The first page added is the one shown; the rest wait hidden under the tabs.
    EXPECT_EQ(pages->GetActivePage(), sheets[0]);
    EXPECT_TRUE(sheets[0]->GetVisible());
    EXPECT_FALSE(sheets[3]->GetVisible());
    EXPECT_EQ(sheets[2]->GetTop(), pages->GetTabHeight() + 2);
    EXPECT_EQ(sheets[2]->GetWidth(), pages->GetWidth() - 4);

    const TRect browserTab = pages->TabRect(3);
    pages->SetActivePage(sheets[3]);
    EXPECT_FALSE(sheets[0]->GetVisible());
    EXPECT_TRUE(sheets[3]->GetVisible());
    EXPECT_EQ(pages->GetActivePageIndex(), 3);
    // The selected tab stands out: it grows over its neighbours and the body's edge.
    EXPECT_LT(pages->TabRect(3).Top, browserTab.Top);
    EXPECT_GT(pages->TabRect(3).Width(), browserTab.Width());
    EXPECT_EQ(changes, 0);  // the program's own changes raise no events
    EXPECT_EQ(changings, 0);

    // The page already shown is only shown again, even when hidden meanwhile.
    sheets[3]->Hide();
    pages->SetActivePage(sheets[3]);
    EXPECT_TRUE(sheets[3]->GetVisible());
    EXPECT_FALSE(sheets[0]->GetVisible());

    pages->SetActivePageIndex(1);
    EXPECT_EQ(pages->GetActivePage(), sheets[1]);
    EXPECT_FALSE(sheets[3]->GetVisible());
    // A page of no control here is refused; nullptr leaves none shown.
    TSeCustomTabSheet stray(nullptr);
    pages->SetActivePage(&stray);
    EXPECT_EQ(pages->GetActivePage(), sheets[1]);
    pages->SetActivePage(nullptr);
    EXPECT_FALSE(sheets[1]->GetVisible());
    EXPECT_EQ(pages->GetActivePageIndex(), -1);
}

TEST_F(PageControl, PagesLeaveAndMoveAndHideTheirTabs) {
    MakeProgramPages();
    sheets[2]->SetPageIndex(0);
    EXPECT_EQ(pages->GetPages(0), sheets[2]);
    EXPECT_EQ(sheets[0]->GetPageIndex(), 1);
    EXPECT_LT(pages->TabRect(0).Left, pages->TabRect(1).Left);

    delete sheets[0];  // the shown page goes: its neighbour takes over
    EXPECT_EQ(pages->GetPageCount(), 3);
    EXPECT_EQ(pages->GetActivePage(), sheets[1]);
    EXPECT_TRUE(sheets[1]->GetVisible());

    sheets[1]->SetTabVisible(false);
    EXPECT_TRUE(pages->TabRect(sheets[1]->GetPageIndex()).IsEmpty());
    EXPECT_NE(pages->GetActivePage(), sheets[1]);
    EXPECT_THROW(pages->GetPages(7), EListError);
}

TEST_F(PageControl, TabClicksAndCtrlTabChangeThePageWithTheEvents) {
    TForm* form = MakeProgramPages();
    ClickTab(2);
    EXPECT_EQ(pages->GetActivePage(), sheets[2]);
    EXPECT_EQ(changings, 1);
    EXPECT_EQ(changes, 1);
    ClickTab(2);  // the page shown: nothing to change
    EXPECT_EQ(changes, 1);

    PressKey(form, VK_TAB, TShiftState() << ssCtrl);
    EXPECT_EQ(pages->GetActivePage(), sheets[3]);
    PressKey(form, VK_TAB, TShiftState() << ssCtrl);
    EXPECT_EQ(pages->GetActivePage(), sheets[0]);  // wraps round
    PressKey(form, VK_TAB, TShiftState() << ssCtrl << ssShift);
    EXPECT_EQ(pages->GetActivePage(), sheets[3]);
    PressKey(form, VK_LEFT);
    EXPECT_EQ(pages->GetActivePage(), sheets[2]);
    EXPECT_EQ(changes, 5);

    // OnChanging may refuse: the page stays and OnChange stays silent.
    allow = false;
    ClickTab(0);
    PressKey(form, VK_TAB, TShiftState() << ssCtrl);
    EXPECT_EQ(pages->GetActivePage(), sheets[2]);
    EXPECT_TRUE(sheets[2]->GetVisible());
    EXPECT_FALSE(sheets[0]->GetVisible());
    EXPECT_EQ(changes, 5);
    EXPECT_EQ(changings, 7);

    // With the focus in a control of its own elsewhere, Ctrl+Tab is not the pages'.
    allow = true;
    auto* outside = new TSeCustomPanel(form);
    outside->SetBounds(0, 0, 5, 5);
    outside->SetParent(form);
    outside->SetFocus();
    PressKey(form, VK_TAB, TShiftState() << ssCtrl);
    EXPECT_EQ(pages->GetActivePage(), sheets[2]);
    // A control on a page counts as inside.
    auto* inside = new TSeCustomPanel(form);
    inside->SetParent(sheets[2]);
    inside->SetFocus();
    PressKey(form, VK_TAB, TShiftState() << ssCtrl);
    EXPECT_EQ(pages->GetActivePage(), sheets[3]);
}

TEST_F(PageControl, ScrollButtonsShiftTabsThatDoNotFitAndRepeatWhileHeld) {
    MakePages(150, {"First page", "Second page", "Third page", "Fourth page", "Fifth page", "Sixth page"});
    ASSERT_TRUE(pages->ScrollButtonsShown());
    EXPECT_TRUE(pages->TabRect(5).IsEmpty());
    const TRect right = pages->ScrollButtonRect(true);
    const TRect left = pages->ScrollButtonRect(false);
    EXPECT_LE(right.Right, pages->GetWidth());
    EXPECT_LT(left.Right, right.Right);

    MouseClick(pages, right.Left + 3, right.Top + 3);
    EXPECT_EQ(pages->GetFirstTab(), 1);
    EXPECT_TRUE(pages->TabRect(0).IsEmpty());
    MouseClick(pages, left.Left + 3, left.Top + 3);
    EXPECT_EQ(pages->GetFirstTab(), 0);
    MouseClick(pages, left.Left + 3, left.Top + 3);  // nothing further left
    EXPECT_EQ(pages->GetFirstTab(), 0);

    // Held: one step at once, the next after 300 ms, then every 100 ms, to the end.
    MouseDown(pages, mbLeft, right.Left + 3, right.Top + 3);
    EXPECT_EQ(pages->GetFirstTab(), 1);
    AdvanceClock(299);
    EXPECT_EQ(pages->GetFirstTab(), 1);
    AdvanceClock(1);
    EXPECT_EQ(pages->GetFirstTab(), 2);
    AdvanceClock(99);
    EXPECT_EQ(pages->GetFirstTab(), 2);
    AdvanceClock(1);
    EXPECT_EQ(pages->GetFirstTab(), 3);
    MouseUp(pages, mbLeft, right.Left + 3, right.Top + 3);
    AdvanceClock(1000);
    EXPECT_EQ(pages->GetFirstTab(), 3) << "released, the scrolling stops";

    // Activating a page brings its tab into view.
    pages->SetActivePage(sheets[1]);
    EXPECT_EQ(pages->GetFirstTab(), 1);
    pages->SetActivePage(sheets[5]);
    EXPECT_FALSE(pages->TabRect(5).IsEmpty());
    // Room enough again: the row starts at the first tab and the buttons go.
    pages->SetWidth(900);
    EXPECT_FALSE(pages->ScrollButtonsShown());
    EXPECT_EQ(pages->GetFirstTab(), 0);
}

TEST_F(PageControl, SkinnedTabsDifferFromTheClassicLookAndFollowTheSelection) {
    MakeProgramPages();
    const std::vector<TColor> classic = Shown();
    auto engine = std::make_unique<TSeSkinEngine>(nullptr);
    const std::vector<TColor> skinned = Shown();
    EXPECT_NE(skinned, classic);
    // The selected tab is drawn in the checked look, the page with the sheet's face.
    TSeSkinObject* tab = engine->FindObject("PageControl.Tab");
    ASSERT_NE(tab, nullptr);
    TRect selected = pages->TabRect(0);
    EXPECT_EQ(SurfacePixel(pages, selected.Left + 3, selected.Bottom - 3), tab->GetLook(kssChecked).Face);
    TRect other = pages->TabRect(1);
    EXPECT_NE(SurfacePixel(pages, other.Left + 3, other.Bottom - 3), tab->GetLook(kssChecked).Face);
    sheets[0]->Repaint();
    EXPECT_EQ(SurfacePixel(sheets[0], 20, 20), engine->FindObject("TabSheet")->GetLook(kssNormal).Face);

    pages->SetActivePage(sheets[1]);
    EXPECT_NE(Shown(), skinned);
    pages->SetActivePage(sheets[0]);
    EXPECT_EQ(Shown(), skinned);
    engine.reset();
    EXPECT_EQ(Shown(), classic);
}

}  // namespace
