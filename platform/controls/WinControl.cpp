// TWinControl: the window surface, the children and their alignment.
#include <algorithm>

#include "platform/controls/Forms.h"
#include "platform/host/Host.h"
#include "platform/host/WindowSurface.h"

TWinControl::TWinControl(TComponent* AOwner) : TControl(AOwner) {
    EnsureHost();
    buffer_ = new TBitmap;
    surface_ = CreateSurface(this);
}

TWinControl::~TWinControl() {
    TComponent::Destroying();
    // The controls this one parents go with it, newest first.
    while (!controls_.empty()) {
        TControl* child = controls_.back();
        RemoveControl(child);
        child->BeforeDestruction();
        delete child;
    }
    if (GetParent()) GetParent()->RemoveControl(this);
    ControlRouting::Forget(this);
    DetachSurface(surface_);
    delete buffer_;
}

void TWinControl::SetParent(TWinControl* AParent) {
    for (TWinControl* p = AParent; p; p = p->GetParent())
        if (p == this) throw EInvalidOperation("A control cannot have itself as its parent");
    TControl::SetParent(AParent);
    SetSurfaceParent(surface_, AParent ? AParent->surface_ : nullptr);
    SetSurfaceBounds(surface_, GetLeft(), GetTop(), GetWidth(), GetHeight());
    UpdateSurfaceVisibility();
}

TControl* TWinControl::GetControls(int Index) const {
    if (Index < 0 || Index >= GetControlCount())
        throw EListError("List index out of bounds (" + AnsiString(Index) + ")");
    return controls_[static_cast<std::size_t>(Index)];
}

void TWinControl::InsertControl(TControl* AControl) {
    controls_.push_back(AControl);
    AControl->parent_ = this;
    if (auto* w = dynamic_cast<TWinControl*>(AControl)) tabList_.push_back(w);
    AControl->ParentFontChanged();
    AControl->ParentColorChanged();
    AControl->Invalidate();
    AlignControl(AControl);
}

void TWinControl::RemoveControl(TControl* AControl) {
    auto it = std::find(controls_.begin(), controls_.end(), AControl);
    if (it == controls_.end()) return;
    AControl->Invalidate();
    // A focused control that leaves its form takes the focus with it.
    if (TCustomForm* form = GetParentForm(this)) {
        for (TControl* c = form->activeControl_; c; c = c->GetParent())
            if (c == AControl) {
                form->activeControl_ = nullptr;
                break;
            }
    }
    controls_.erase(it);
    tabList_.erase(std::remove_if(tabList_.begin(), tabList_.end(),
                                  [&](TWinControl* w) { return static_cast<TControl*>(w) == AControl; }),
                   tabList_.end());
    AControl->parent_ = nullptr;
    if (!IsDestroying()) Realign();
}

TControl* TWinControl::ControlAtPos(const TPoint& Pos, bool AllowDisabled, bool AllowWinControls) const {
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        TControl* c = *it;
        if (!AllowWinControls && dynamic_cast<TWinControl*>(c)) continue;
        if (c->GetVisible() && (AllowDisabled || c->GetEnabled()) && c->GetBoundsRect().Contains(Pos)) return c;
    }
    return nullptr;
}

void TWinControl::Broadcast(TMessage& Message) {
    auto children = controls_;  // a handler may add or free controls
    for (TControl* c : children) {
        if (std::find(controls_.begin(), controls_.end(), c) == controls_.end()) continue;
        c->WindowProc(Message);
        if (Message.Result != 0) return;
    }
}

TPoint TWinControl::GetClientOrigin() const { return SurfaceScreenOrigin(surface_); }

bool TWinControl::GetShowing() const { return SurfaceVisible(surface_); }

HWND TWinControl::GetHandle() const { return surface_; }

void TWinControl::BoundsChanged() {
    SetSurfaceBounds(surface_, GetLeft(), GetTop(), GetWidth(), GetHeight());
    Invalidate();
    Realign();
}

void TWinControl::VisibleChanged() { UpdateSurfaceVisibility(); }

void TWinControl::UpdateSurfaceVisibility() { SetSurfaceVisible(surface_, GetVisible() && GetParent()); }

void TWinControl::EnableAlign() {
    if (alignDisabled_ > 0 && --alignDisabled_ == 0 && alignPending_) Realign();
}

void TWinControl::Realign() { AlignControl(nullptr); }

void TWinControl::AlignControl(TControl* AControl) {
    if (IsDestroying()) return;
    if (alignDisabled_ > 0) {
        alignPending_ = true;
        return;
    }
    if (aligning_) return;  // the children moving while they are being aligned
    aligning_ = true;
    try {
        TRect rect = GetClientRect();
        AdjustClientRect(rect);
        AlignControls(AControl, rect);
    } catch (...) {
        aligning_ = false;
        throw;
    }
    aligning_ = false;
    alignPending_ = false;
}

namespace {

// Whether Candidate goes before Placed among controls of the same alignment:
// the topmost of the alTop ones first, the lowest of the alBottom ones first...
bool AlignsBefore(TControl* Candidate, TControl* Placed, TAlign Align) {
    switch (Align) {
    case alTop: return Candidate->GetTop() < Placed->GetTop();
    case alBottom:
        return Candidate->GetTop() + Candidate->GetHeight() > Placed->GetTop() + Placed->GetHeight();
    case alLeft: return Candidate->GetLeft() < Placed->GetLeft();
    case alRight:
        return Candidate->GetLeft() + Candidate->GetWidth() > Placed->GetLeft() + Placed->GetWidth();
    default: return false;
    }
}

void Position(TControl* c, TAlign Align, TRect& R) {
    const int w = std::max(0, R.Width());
    const int h = std::max(0, R.Height());
    switch (Align) {
    case alTop:
        c->SetBounds(R.Left, R.Top, w, c->GetHeight());
        R.Top += c->GetHeight();
        break;
    case alBottom:
        c->SetBounds(R.Left, R.Bottom - c->GetHeight(), w, c->GetHeight());
        R.Bottom -= c->GetHeight();
        break;
    case alLeft:
        c->SetBounds(R.Left, R.Top, c->GetWidth(), h);
        R.Left += c->GetWidth();
        break;
    case alRight:
        c->SetBounds(R.Right - c->GetWidth(), R.Top, c->GetWidth(), h);
        R.Right -= c->GetWidth();
        break;
    case alClient: c->SetBounds(R.Left, R.Top, w, h); break;
    case alNone: break;
    }
}

}  // namespace

void TWinControl::AlignControls(TControl* AControl, TRect& Rect) {
    for (TAlign align : {alTop, alBottom, alLeft, alRight, alClient}) {
        // The control that asked goes first among equals.
        std::vector<TControl*> order;
        if (AControl && AControl->GetAlign() == align && AControl->GetVisible() &&
            std::find(controls_.begin(), controls_.end(), AControl) != controls_.end())
            order.push_back(AControl);
        for (TControl* c : controls_) {
            if (c == AControl || c->GetAlign() != align || !c->GetVisible()) continue;
            auto at = std::find_if(order.begin(), order.end(), [&](TControl* p) { return AlignsBefore(c, p, align); });
            order.insert(at, c);
        }
        for (TControl* c : order) Position(c, align, Rect);
    }
}

void TWinControl::Dispatch(TMessage& Message) {
    switch (Message.Msg) {
    case WM_PAINT: PaintHandler(); break;
    case WM_ERASEBKGND:
        EraseBackground(reinterpret_cast<HDC>(Message.WParam));
        Message.Result = 1;
        break;
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_CHAR: KeyMessage(Message); break;
    case WM_GETDLGCODE: Message.Result = 0; break;
    case CM_ENTER: DoEnter(); break;
    case CM_EXIT: DoExit(); break;
    case CM_DIALOGKEY: Broadcast(Message); break;  // a default or cancel button may take it
    case CM_DIALOGCHAR: Broadcast(Message); break;  // the control whose caption has the access key takes it
    case CM_FONTCHANGED:
    case CM_COLORCHANGED: {
        TControl::Dispatch(Message);
        const Cardinal notice = Message.Msg == CM_FONTCHANGED ? CM_PARENTFONTCHANGED : CM_PARENTCOLORCHANGED;
        auto children = controls_;
        for (TControl* c : children) c->Perform(notice, 0, 0);
        break;
    }
    default: TControl::Dispatch(Message); break;
    }
}
