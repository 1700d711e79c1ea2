#pragma once
// The page control: a row of tabs over a stack of pages. Pages are
// TSeCustomTabSheet controls parented on the control; each fills the area
// under the tabs and only the active one is shown.
//
//     auto* pages = new TSeCustomTabControl(form);
//     pages->SetParent(form);
//     auto* sheet = new TSeCustomTabSheet(form);
//     sheet->SetPageControl(pages);     // or SetParent(pages)
//     sheet->SetCaption("Analysis");
//     pages->SetActivePage(sheet);      // no events: OnChanging/OnChange are the user's
//
// The user changes pages by clicking a tab, with Ctrl+Tab / Ctrl+Shift+Tab,
// or with Left/Right while the control has the focus. When the tabs do not
// fit, two scroll buttons at the right of the row shift them; a held button
// repeats after 300 ms and then every 100 ms.

#include <vector>

#include "platform/controls/ExtCtrls.h"
#include "skin/controls/SeControl.h"

class TSeCustomTabControl;

using TTabChangingEvent = TClosure<void(TObject* Sender, bool& AllowChange)>;

class TSeCustomTabSheet : public TSeCustomControl {
public:
    explicit TSeCustomTabSheet(TComponent* AOwner);
    ~TSeCustomTabSheet() override;

    void SetParent(TWinControl* AParent) override;
    TSeCustomTabControl* GetPageControl() const { return pageControl_; }
    void SetPageControl(TSeCustomTabControl* Value);
    // Position among the control's pages; -1 when on none.
    int GetPageIndex() const;
    void SetPageIndex(int Value);
    const AnsiString& GetCaption() const { return TSeCustomControl::GetCaption(); }
    void SetCaption(const AnsiString& Value);
    // False hides the tab; a page whose tab is hidden is skipped by the user's keys.
    bool GetTabVisible() const { return tabVisible_; }
    void SetTabVisible(bool Value);

protected:
    void PaintControl(TCanvas* Canvas, const TRect& Rect) override;

private:
    friend class TSeCustomTabControl;
    TSeCustomTabControl* pageControl_ = nullptr;
    bool tabVisible_ = true;
};

class TSeCustomTabControl : public TSeCustomControl {
public:
    explicit TSeCustomTabControl(TComponent* AOwner);
    ~TSeCustomTabControl() override;

    int GetPageCount() const { return static_cast<int>(pages_.size()); }
    TSeCustomTabSheet* GetPages(int Index) const;  // EListError out of range
    TSeCustomTabSheet* GetActivePage() const { return active_; }
    // Hides the page shown before, shows this one; the selected tab follows.
    // The page already shown is only shown again. A page of another control
    // is ignored; nullptr leaves no page shown.
    void SetActivePage(TSeCustomTabSheet* Page);
    int GetActivePageIndex() const { return active_ ? active_->GetPageIndex() : -1; }
    void SetActivePageIndex(int Value);
    // The next (or previous) page with a visible tab after Current, wrapping.
    TSeCustomTabSheet* FindNextPage(TSeCustomTabSheet* Current, bool GoForward) const;

    // Tab geometry, in client coordinates; empty when the tab is hidden or
    // scrolled away.
    TRect TabRect(int PageIndex);
    int GetTabHeight();
    // The first tab shown; above 0 when the row is scrolled.
    int GetFirstTab() const { return firstTab_; }
    bool ScrollButtonsShown();
    TRect ScrollButtonRect(bool Right);

    // Asked before a change by the user; AllowChange false keeps the page.
    TTabChangingEvent OnChanging;
    // After a change by the user.
    TNotifyEvent OnChange;

protected:
    // How the page and the tabs look; the skinned control overrides these.
    virtual void PaintPage(TSeCustomTabSheet* Page, TCanvas* Canvas, const TRect& Rect);
    virtual void PaintTab(TCanvas* Canvas, const TRect& Rect, const AnsiString& Caption, bool Selected, bool Hot);
    virtual void PaintScrollButton(TCanvas* Canvas, const TRect& Rect, bool Right, bool Enabled, bool Pressed);
    void PaintBorder(TCanvas* Canvas, TRect& Rect) override;
    void PaintControl(TCanvas* Canvas, const TRect& Rect) override;
    // The frame of the page area under the tabs.
    virtual void PaintBody(TCanvas* Canvas, const TRect& Rect);
    void AdjustClientRect(TRect& Rect) override;
    void BoundsChanged() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseLeave() override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    void WndProc(TMessage& Message) override;

private:
    friend class TSeCustomTabSheet;
    void InsertPage(TSeCustomTabSheet* Page);
    void RemovePage(TSeCustomTabSheet* Page);
    void MovePage(TSeCustomTabSheet* Page, int Index);
    void TabsChanged();
    // A change asked for by the user: OnChanging may refuse, OnChange follows.
    void ChangeByUser(TSeCustomTabSheet* Page);
    int TabAt(int X, int Y);
    int TabWidth(TSeCustomTabSheet* Page);
    int TabsWidth();
    bool CanScroll(bool Right);
    void Scroll(bool Right);
    void ScrollTimer(TObject* Sender);
    void StopScrolling();

    std::vector<TSeCustomTabSheet*> pages_;
    TSeCustomTabSheet* active_ = nullptr;
    TTimer* scrollTimer_;
    int firstTab_ = 0;
    int hotTab_ = -1;
    int scrolling_ = 0;  // -1 left, 1 right while a scroll button is held
};
