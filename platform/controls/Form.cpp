// TCustomForm: a top-level window; creation and destruction events, showing,
// hiding, closing and placement.
#include "platform/controls/Forms.h"
#include "platform/host/HostCall.h"
#include "platform/host/WindowSurface.h"

namespace {

// Runs an event handler; what it raises goes to the default handler.
void FireGuarded(TCustomForm* form, const TNotifyEvent& event) {
    if (!event) return;
    try {
        event(form);
    } catch (...) {
        Application->HandleException(form);
    }
}

}  // namespace

TCustomForm* GetParentForm(TControl* Control) {
    while (Control && Control->GetParent()) Control = Control->GetParent();
    return dynamic_cast<TCustomForm*>(Control);
}

TCustomForm::TCustomForm(TComponent* AOwner) : TCustomControl(AOwner) {
    StoreVisible(false);
    SetColor(clBtnFace);
    Screen->AddForm(this);
    ApplyWindowFlags();
    SetBounds(0, 0, 320, 240);
}

TCustomForm::~TCustomForm() {
    TComponent::Destroying();
    activeControl_ = nullptr;
    if (Application->mainForm_ == this) Application->mainForm_ = nullptr;
    Screen->RemoveForm(this);
}

void TCustomForm::AfterConstruction() {
    if (created_) return;
    created_ = true;
    FireGuarded(this, OnCreate);
}

void TCustomForm::BeforeDestruction() {
    if (destroyed_) return;
    destroyed_ = true;
    if (GetVisible()) Hide();
    FireGuarded(this, OnDestroy);
}

void TCustomForm::Free() {
    BeforeDestruction();
    delete this;
}

void TCustomForm::Release() {
    std::weak_ptr<char> alive = AliveToken();
    PostHostCall([this, alive] {
        if (!alive.expired()) HostCall(nullptr, [this] { Free(); });
    });
}

bool TCustomForm::GetActive() const { return Screen->GetActiveForm() == this; }

void TCustomForm::SetBorderStyle(TFormBorderStyle Value) {
    if (borderStyle_ == Value) return;
    borderStyle_ = Value;
    ApplyWindowFlags();
}

void TCustomForm::SetBorderIcons(TBorderIcons Value) {
    if (borderIcons_ == Value) return;
    borderIcons_ = Value;
    ApplyWindowFlags();
}

void TCustomForm::SetHostFrame(bool Value) {
    if (hostFrame_ == Value) return;
    hostFrame_ = Value;
    ApplyWindowFlags();
}

void TCustomForm::SetActivateOnShow(bool Value) {
    if (activateOnShow_ == Value) return;
    activateOnShow_ = Value;
    ApplyWindowFlags();
}

void TCustomForm::SetFrameInsets(const TRect& Value) {
    if (frameInsets_ == Value) return;
    frameInsets_ = Value;
    Realign();
    Invalidate();
}

void TCustomForm::AdjustClientRect(TRect& Rect) {
    Rect.Left += frameInsets_.Left;
    Rect.Top += frameInsets_.Top;
    Rect.Right -= frameInsets_.Right;
    Rect.Bottom -= frameInsets_.Bottom;
}

// Laid out into no room, the bottom-aligned children would climb over the
// drawn frame's caption and take its clicks.
void TCustomForm::AlignControls(TControl* AControl, TRect& Rect) {
    if (Rect.IsEmpty()) return;
    TCustomControl::AlignControls(AControl, Rect);
}

void TCustomForm::Minimize() { MinimizeSurface(Surface()); }

void TCustomForm::ApplyWindowFlags() {
    const bool shown = SurfaceVisible(Surface());
    SetSurfaceFrame(Surface(), borderStyle_, borderIcons_, hostFrame_, activateOnShow_);
    BoundsChanged();
    if (shown) ShowSurface(Surface(), OwnerSurface());
}

WindowSurface* TCustomForm::OwnerSurface() const {
    TCustomForm* owner = Screen->OwnerFormFor(this);
    return owner ? owner->Surface() : nullptr;
}

void TCustomForm::BoundsChanged() {
    TWinControl::BoundsChanged();
    const bool fixed = borderStyle_ == bsSingle || borderStyle_ == bsDialog || borderStyle_ == bsToolWindow;
    if (fixed) {
        FixSurfaceSize(Surface(), GetWidth(), GetHeight());
    } else {
        UnfixSurfaceSize(Surface());
    }
}

void TCustomForm::Dispatch(TMessage& Message) {
    switch (Message.Msg) {
    case CM_TEXTCHANGED: SetSurfaceTitle(Surface(), GetText()); break;
    case CM_DIALOGKEY:
        // Tab and Shift+Tab move through the tab order; other keys go to the controls.
        if (Message.WParam == VK_TAB && GetKeyState(VK_CONTROL) >= 0 && GetKeyState(VK_MENU) >= 0) {
            SelectNext(activeControl_, GetKeyState(VK_SHIFT) >= 0, true);
            Message.Result = 1;
            break;
        }
        TCustomControl::Dispatch(Message);
        break;
    case WM_CLOSE: Close(); break;
    default: TCustomControl::Dispatch(Message); break;
    }
}

void TCustomForm::Paint() {
    if (OnPaint) OnPaint(this);
}

// Centred forms are placed again on each show; poDefault leaves it to the host.
void TCustomForm::PlaceOnScreen() {
    TCustomForm* over = nullptr;
    switch (position_) {
    case poOwnerFormCenter:
        over = dynamic_cast<TCustomForm*>(GetOwner());
        [[fallthrough]];
    case poMainFormCenter:
        if (!over || !over->GetVisible()) over = Application->GetMainForm();
        if (over == this || (over && !over->GetVisible())) over = nullptr;
        [[fallthrough]];
    case poScreenCenter:
    case poDesktopCenter: {
        TRect area = over ? over->GetBoundsRect() : Rect(0, 0, Screen->GetWidth(), Screen->GetHeight());
        int left = std::max(0, area.Left + (area.Width() - GetWidth()) / 2);
        int top = std::max(0, area.Top + (area.Height() - GetHeight()) / 2);
        SetBounds(left, top, GetWidth(), GetHeight());
        break;
    }
    default: break;
    }
    placed_ = true;
}

void TCustomForm::VisibleChanged() {
    if (GetVisible()) {
        AfterConstruction();  // a form made by a plain new
        FireGuarded(this, OnShow);
        if (!GetVisible()) return;
        PlaceOnScreen();
        ShowSurface(Surface(), OwnerSurface());
        if (activateOnShow_) Screen->SetActiveForm(this);
    } else {
        FireGuarded(this, OnHide);
        SetSurfaceVisible(Surface(), false);
        if (Screen->GetActiveForm() == this) Screen->ActivateNextForm(this);
    }
}

void TCustomForm::Activated() {
    // The remembered control, or the first one in tab order, gets the focus.
    TWinControl* focus = activeControl_;
    activeControl_ = nullptr;
    if (!focus || !focus->CanFocus()) focus = FindNextControl(nullptr, true, true, false);
    if (focus) SetFocusedControl(focus);
    FireGuarded(this, OnActivate);
}

void TCustomForm::Deactivated() { FireGuarded(this, OnDeactivate); }

bool TCustomForm::CloseQuery() {
    bool canClose = true;
    if (OnCloseQuery) OnCloseQuery(this, canClose);
    return canClose;
}

void TCustomForm::DoClose(TCloseAction& Action) {
    if (OnClose) OnClose(this, Action);
}

void TCustomForm::Close() {
    if (modal_) {
        modalResult_ = mrCancel;  // the modal loop asks OnCloseQuery and OnClose
        return;
    }
    if (!CloseQuery()) return;
    TCloseAction action = caHide;
    DoClose(action);
    if (action == caNone) return;
    if (Application->GetMainForm() == this) {
        Application->Terminate();
        return;
    }
    switch (action) {
    case caHide: Hide(); break;
    case caMinimize: MinimizeSurface(Surface()); break;
    case caFree: Release(); break;
    default: break;
    }
}
