#include "skin/controls/SePages.h"

#include <algorithm>

#include "platform/controls/Forms.h"
#include "skin/controls/SeShared.h"

namespace {

constexpr int kTabPadding = 8;       // each side of a caption
constexpr int kRowInset = 2;         // tabs start this far from the left edge
constexpr int kFirstRepeatMs = 300;  // a held scroll button repeats after this
constexpr int kRepeatMs = 100;       // and then this often

bool ContainsFocus(TWinControl* Control) {
    TCustomForm* form = GetParentForm(Control);
    for (TWinControl* c = form ? form->GetActiveControl() : nullptr; c; c = c->GetParent())
        if (c == Control) return true;
    return false;
}

}  // namespace

// ---- TSeCustomTabSheet -------------------------------------------------------

TSeCustomTabSheet::TSeCustomTabSheet(TComponent* AOwner) : TSeCustomControl(AOwner) {
    SetAlign(alClient);
    SetColor(clBtnFace);
    SetParentColor(false);
}

TSeCustomTabSheet::~TSeCustomTabSheet() {
    if (pageControl_) pageControl_->RemovePage(this);
}

void TSeCustomTabSheet::SetParent(TWinControl* AParent) {
    TSeCustomTabControl* old = pageControl_;
    auto* control = dynamic_cast<TSeCustomTabControl*>(AParent);
    if (old && old != control) old->RemovePage(this);
    TSeCustomControl::SetParent(AParent);
    if (control && control != old) control->InsertPage(this);
}

void TSeCustomTabSheet::SetPageControl(TSeCustomTabControl* Value) { SetParent(Value); }

int TSeCustomTabSheet::GetPageIndex() const {
    if (!pageControl_) return -1;
    const auto& pages = pageControl_->pages_;
    return static_cast<int>(std::find(pages.begin(), pages.end(), this) - pages.begin());
}

void TSeCustomTabSheet::SetPageIndex(int Value) {
    if (pageControl_) pageControl_->MovePage(this, Value);
}

void TSeCustomTabSheet::SetCaption(const AnsiString& Value) {
    if (Value == GetCaption()) return;
    SetText(Value);
    if (pageControl_) pageControl_->TabsChanged();
}

void TSeCustomTabSheet::SetTabVisible(bool Value) {
    if (Value == tabVisible_) return;
    tabVisible_ = Value;
    if (!pageControl_) return;
    // The shown page keeps a tab to stand for it when it can.
    if (!Value && pageControl_->active_ == this) pageControl_->SetActivePage(pageControl_->FindNextPage(this, true));
    pageControl_->TabsChanged();
}

void TSeCustomTabSheet::PaintControl(TCanvas* Canvas, const TRect& Rect) {
    if (pageControl_) pageControl_->PaintPage(this, Canvas, Rect);
}

// ---- TSeCustomTabControl -----------------------------------------------------

TSeCustomTabControl::TSeCustomTabControl(TComponent* AOwner)
    : TSeCustomControl(AOwner), scrollTimer_(new TTimer(this)) {
    SetColor(clBtnFace);
    SetParentColor(false);
    SetTabStop(true);
    SetBounds(GetLeft(), GetTop(), 289, 193);
    scrollTimer_->SetEnabled(false);
    scrollTimer_->OnTimer = TNotifyEvent(this, &TSeCustomTabControl::ScrollTimer);
}

TSeCustomTabControl::~TSeCustomTabControl() {
    // The pages are freed with the control's children after this body.
    for (TSeCustomTabSheet* page : pages_) page->pageControl_ = nullptr;
    pages_.clear();
    active_ = nullptr;
}

TSeCustomTabSheet* TSeCustomTabControl::GetPages(int Index) const {
    if (Index < 0 || Index >= GetPageCount()) throw EListError("List index out of bounds (" + AnsiString(Index) + ")");
    return pages_[static_cast<std::size_t>(Index)];
}

void TSeCustomTabControl::SetActivePage(TSeCustomTabSheet* Page) {
    if (Page && Page->pageControl_ != this) return;
    if (Page == active_) {
        if (Page) Page->Show();
        return;
    }
    TSeCustomTabSheet* old = active_;
    active_ = Page;
    if (old) old->Hide();
    if (Page) Page->Show();
    // The selected tab comes into view.
    if (Page) {
        int visibleIndex = 0;
        for (TSeCustomTabSheet* p : pages_) {
            if (p == Page) break;
            visibleIndex += p->tabVisible_;
        }
        if (visibleIndex < firstTab_) firstTab_ = visibleIndex;
        while (Page->tabVisible_ && TabRect(Page->GetPageIndex()).IsEmpty() && CanScroll(true)) ++firstTab_;
    }
    Invalidate();
}

void TSeCustomTabControl::SetActivePageIndex(int Value) {
    SetActivePage(Value >= 0 && Value < GetPageCount() ? pages_[static_cast<std::size_t>(Value)] : nullptr);
}

TSeCustomTabSheet* TSeCustomTabControl::FindNextPage(TSeCustomTabSheet* Current, bool GoForward) const {
    const int count = GetPageCount();
    if (count == 0) return nullptr;
    auto it = std::find(pages_.begin(), pages_.end(), Current);
    int start = it == pages_.end() ? (GoForward ? count - 1 : 0) : static_cast<int>(it - pages_.begin());
    int i = start;
    for (int step = 0; step < count; ++step) {
        i = (i + (GoForward ? 1 : count - 1)) % count;
        TSeCustomTabSheet* page = pages_[static_cast<std::size_t>(i)];
        if (page->tabVisible_ && page != Current) return page;
    }
    return nullptr;
}

void TSeCustomTabControl::InsertPage(TSeCustomTabSheet* Page) {
    pages_.push_back(Page);
    Page->pageControl_ = this;
    if (!active_) SetActivePage(Page);
    else Page->Hide();
    TabsChanged();
}

void TSeCustomTabControl::RemovePage(TSeCustomTabSheet* Page) {
    auto it = std::find(pages_.begin(), pages_.end(), Page);
    if (it == pages_.end()) return;
    TSeCustomTabSheet* next = active_ == Page ? FindNextPage(Page, true) : active_;
    pages_.erase(it);
    Page->pageControl_ = nullptr;
    if (active_ == Page) {
        active_ = nullptr;
        SetActivePage(next);
    }
    firstTab_ = 0;
    TabsChanged();
}

void TSeCustomTabControl::MovePage(TSeCustomTabSheet* Page, int Index) {
    auto it = std::find(pages_.begin(), pages_.end(), Page);
    if (it == pages_.end()) return;
    pages_.erase(it);
    Index = std::clamp(Index, 0, GetPageCount());
    pages_.insert(pages_.begin() + Index, Page);
    TabsChanged();
}

void TSeCustomTabControl::TabsChanged() {
    int visible = 0;
    for (TSeCustomTabSheet* p : pages_) visible += p->tabVisible_;
    firstTab_ = std::clamp(firstTab_, 0, std::max(0, visible - 1));
    while (firstTab_ > 0 && !ScrollButtonsShown()) --firstTab_;
    Realign();
    Invalidate();
}

void TSeCustomTabControl::ChangeByUser(TSeCustomTabSheet* Page) {
    if (!Page || Page == active_) return;
    bool allow = true;
    std::weak_ptr<char> alive = AliveToken();
    if (OnChanging) OnChanging(this, allow);
    if (!allow || alive.expired()) return;
    SetActivePage(Page);
    if (OnChange) OnChange(this);
}

// ---- geometry ----------------------------------------------------------------

int TSeCustomTabControl::GetTabHeight() {
    TBitmap scratch;
    scratch.GetCanvas()->SetFont(GetFont());
    return scratch.GetCanvas()->TextHeight("Wg") + 8;
}

int TSeCustomTabControl::TabWidth(TSeCustomTabSheet* Page) {
    TBitmap scratch;
    scratch.GetCanvas()->SetFont(GetFont());
    return scratch.GetCanvas()->TextWidth(Page->GetCaption()) + 2 * kTabPadding;
}

int TSeCustomTabControl::TabsWidth() {
    int width = 0;
    for (TSeCustomTabSheet* p : pages_)
        if (p->tabVisible_) width += TabWidth(p);
    return width;
}

bool TSeCustomTabControl::ScrollButtonsShown() { return TabsWidth() + 2 * kRowInset > GetWidth(); }

TRect TSeCustomTabControl::ScrollButtonRect(bool Right) {
    const int size = GetTabHeight() - 4;
    const int right = GetWidth() - kRowInset - (Right ? 0 : size);
    return Rect(right - size, 2, right, 2 + size);
}

TRect TSeCustomTabControl::TabRect(int PageIndex) {
    if (PageIndex < 0 || PageIndex >= GetPageCount()) return TRect();
    const int limit = ScrollButtonsShown() ? ScrollButtonRect(false).Left - 2 : GetWidth() - kRowInset;
    const int height = GetTabHeight();
    int x = kRowInset, shown = 0;
    for (int i = 0; i < GetPageCount(); ++i) {
        TSeCustomTabSheet* page = pages_[static_cast<std::size_t>(i)];
        if (!page->tabVisible_) continue;
        if (shown++ < firstTab_) {
            if (i == PageIndex) return TRect();
            continue;
        }
        const int width = TabWidth(page);
        if (i == PageIndex) {
            if (x >= limit) return TRect();
            TRect r = page == active_ ? Rect(x - 2, 0, x + width + 2, height + 1) : Rect(x, 2, x + width, height);
            r.Right = std::min(r.Right, limit);
            return r;
        }
        x += width;
    }
    return TRect();
}

int TSeCustomTabControl::TabAt(int X, int Y) {
    // The selected tab overlaps its neighbours: it is found first.
    if (active_ && TabRect(active_->GetPageIndex()).Contains({X, Y})) return active_->GetPageIndex();
    for (int i = 0; i < GetPageCount(); ++i)
        if (TabRect(i).Contains({X, Y})) return i;
    return -1;
}

bool TSeCustomTabControl::CanScroll(bool Right) {
    if (!ScrollButtonsShown()) return false;
    if (!Right) return firstTab_ > 0;
    const int limit = ScrollButtonRect(false).Left - 2;
    int x = kRowInset, shown = 0;
    for (TSeCustomTabSheet* page : pages_) {
        if (!page->tabVisible_ || shown++ < firstTab_) continue;
        x += TabWidth(page);
    }
    return x > limit;
}

void TSeCustomTabControl::Scroll(bool Right) {
    if (!CanScroll(Right)) return StopScrolling();
    firstTab_ += Right ? 1 : -1;
    Invalidate();
}

void TSeCustomTabControl::ScrollTimer(TObject*) {
    scrollTimer_->SetInterval(kRepeatMs);
    if (scrolling_) Scroll(scrolling_ > 0);
}

void TSeCustomTabControl::StopScrolling() {
    scrolling_ = 0;
    scrollTimer_->SetEnabled(false);
    Invalidate();
}

void TSeCustomTabControl::AdjustClientRect(TRect& Rect) {
    Rect.Top += GetTabHeight() + 2;
    InflateRect(Rect, -2, 0);
    Rect.Bottom -= 2;
}

void TSeCustomTabControl::BoundsChanged() {
    TSeCustomControl::BoundsChanged();
    TabsChanged();
}

// ---- input -------------------------------------------------------------------

void TSeCustomTabControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TSeCustomControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft) return;
    for (bool right : {false, true}) {
        if (!ScrollButtonsShown() || !ScrollButtonRect(right).Contains({X, Y})) continue;
        if (!CanScroll(right)) return;
        scrolling_ = right ? 1 : -1;
        Scroll(right);
        scrollTimer_->SetInterval(kFirstRepeatMs);
        scrollTimer_->SetEnabled(true);
        return;
    }
    int tab = TabAt(X, Y);
    if (tab < 0) return;
    std::weak_ptr<char> alive = AliveToken();
    if (CanFocus() && !ContainsFocus(this)) SetFocus();
    if (!alive.expired()) ChangeByUser(pages_[static_cast<std::size_t>(tab)]);
}

void TSeCustomTabControl::MouseMove(TShiftState Shift, int X, int Y) {
    TSeCustomControl::MouseMove(Shift, X, Y);
    int tab = TabAt(X, Y);
    if (tab == hotTab_) return;
    hotTab_ = tab;
    Invalidate();
}

void TSeCustomTabControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button == mbLeft && scrolling_) StopScrolling();
    TSeCustomControl::MouseUp(Button, Shift, X, Y);
}

void TSeCustomTabControl::MouseLeave() {
    hotTab_ = -1;
    TSeCustomControl::MouseLeave();
}

void TSeCustomTabControl::KeyDown(Word& Key, TShiftState Shift) {
    TSeCustomControl::KeyDown(Key, Shift);
    if ((Key == VK_LEFT || Key == VK_RIGHT) && Shift.Empty()) {
        ChangeByUser(FindNextPage(active_, Key == VK_RIGHT));
        Key = 0;
    }
}

void TSeCustomTabControl::WndProc(TMessage& Message) {
    switch (Message.Msg) {
    case WM_GETDLGCODE: Message.Result = DLGC_WANTARROWS; return;
    case CM_DIALOGKEY: {
        // Ctrl+Tab pages through while the focus is here or nowhere.
        TCustomForm* form = GetParentForm(this);
        const bool ours = form && (!form->GetActiveControl() || ContainsFocus(this));
        if (Message.WParam == VK_TAB && GetKeyState(VK_CONTROL) < 0 && ours && GetShowing()) {
            ChangeByUser(FindNextPage(active_, GetKeyState(VK_SHIFT) >= 0));
            Message.Result = 1;
            return;
        }
        break;
    }
    case CM_FONTCHANGED: TabsChanged(); break;
    default: break;
    }
    TSeCustomControl::WndProc(Message);
}

// ---- painting ----------------------------------------------------------------

void TSeCustomTabControl::PaintBorder(TCanvas* Canvas, TRect& Rect) {
    TRect body = Rect;
    body.Top += GetTabHeight();
    PaintBody(Canvas, body);
}

void TSeCustomTabControl::PaintBody(TCanvas* Canvas, const TRect& Rect) {
    TRect r = Rect;
    Frame3D(Canvas, r, clBtnHighlight, cl3DDkShadow, 1);
    Frame3D(Canvas, r, cl3DLight, clBtnShadow, 1);
}

void TSeCustomTabControl::PaintControl(TCanvas* Canvas, const TRect&) {
    Canvas->SetFont(GetFont());
    // Unselected tabs first: the selected one overlaps them and the body's edge.
    for (int i = 0; i < GetPageCount(); ++i) {
        TRect r = TabRect(i);
        if (r.IsEmpty() || pages_[static_cast<std::size_t>(i)] == active_) continue;
        PaintTab(Canvas, r, pages_[static_cast<std::size_t>(i)]->GetCaption(), false, i == hotTab_);
    }
    if (active_) {
        TRect r = TabRect(active_->GetPageIndex());
        if (!r.IsEmpty()) PaintTab(Canvas, r, active_->GetCaption(), true, false);
    }
    if (!ScrollButtonsShown()) return;
    for (bool right : {false, true})
        PaintScrollButton(Canvas, ScrollButtonRect(right), right, CanScroll(right),
                          scrolling_ == (right ? 1 : -1));
}

void TSeCustomTabControl::PaintTab(TCanvas* Canvas, const TRect& Rect, const AnsiString& Caption, bool Selected,
                                   bool) {
    Canvas->GetBrush()->SetStyle(bsSolid);
    Canvas->GetBrush()->SetColor(clBtnFace);
    Canvas->FillRect(Rect);
    Canvas->GetPen()->SetStyle(psSolid);
    Canvas->GetPen()->SetWidth(1);
    Canvas->GetPen()->SetColor(clBtnHighlight);
    Canvas->MoveTo(Rect.Left, Rect.Bottom - 1);
    Canvas->LineTo(Rect.Left, Rect.Top + 2);
    Canvas->LineTo(Rect.Left + 2, Rect.Top);
    Canvas->LineTo(Rect.Right - 2, Rect.Top);
    Canvas->GetPen()->SetColor(cl3DDkShadow);
    Canvas->MoveTo(Rect.Right - 2, Rect.Top + 1);
    Canvas->LineTo(Rect.Right - 1, Rect.Top + 2);
    Canvas->LineTo(Rect.Right - 1, Rect.Bottom);
    Canvas->GetPen()->SetColor(clBtnShadow);
    Canvas->MoveTo(Rect.Right - 2, Rect.Top + 2);
    Canvas->LineTo(Rect.Right - 2, Rect.Bottom);
    Canvas->GetBrush()->SetStyle(bsClear);
    Canvas->GetFont()->SetColor(clBtnText);
    const int x = Rect.Left + (Rect.Width() - Canvas->TextWidth(Caption)) / 2;
    const int y = Rect.Top + (Rect.Height() - Canvas->TextHeight(Caption)) / 2 + (Selected ? 0 : 1);
    Canvas->TextRect(Rect, x, y, Caption);
}

void TSeCustomTabControl::PaintScrollButton(TCanvas* Canvas, const TRect& Rect, bool Right, bool Enabled,
                                            bool Pressed) {
    TRect face = Rect;
    DrawButtonFace(Canvas, face, Pressed ? kssPressed : kssNormal, false, false);
    DrawArrow(Canvas, face, Right ? kakRight : kakLeft, Enabled ? clBtnText : clGrayText);
}

void TSeCustomTabControl::PaintPage(TSeCustomTabSheet* Page, TCanvas* Canvas, const TRect& Rect) {
    Canvas->GetBrush()->SetStyle(bsSolid);
    Canvas->GetBrush()->SetColor(Page->GetColor());
    Canvas->FillRect(Rect);
}
