// Where host input meets the controls: the control under the mouse, mouse
// capture, the cursor shown, and the focused control that gets the keys.
#include <algorithm>
#include <utility>
#include <vector>

#include "platform/controls/Forms.h"
#include "platform/host/Cursors.h"
#include "platform/host/HostCall.h"
#include "platform/host/WindowSurface.h"

namespace {

TControl* mouseControl = nullptr;
TPoint lastMousePos;
THostInputState inputState;
std::vector<std::pair<int, TMouseWatcher>> mouseWatchers;
int lastWatcherId = 0;

void TellMouseWatchers(TControl* Over, Cardinal Msg, const TPoint& ScreenPos) {
    auto watchers = mouseWatchers;  // a watcher may remove itself
    for (auto& [id, watcher] : watchers) watcher(Over, Msg, ScreenPos);
}

// A control showing the default cursor shows its parent's.
TCursor EffectiveCursor(TControl* c) {
    for (; c; c = c->GetParent())
        if (c->GetCursor() != crDefault) return c->GetCursor();
    return crDefault;
}

LRESULT DialogKeyMask(Word key) {
    switch (key) {
    case VK_TAB: return DLGC_WANTTAB;
    case VK_LEFT: case VK_RIGHT: case VK_UP: case VK_DOWN: return DLGC_WANTARROWS;
    case VK_RETURN: case VK_ESCAPE: case VK_CANCEL: return DLGC_WANTALLKEYS;
    default: return 0;
    }
}

}  // namespace

int AddMouseWatcher(TMouseWatcher Watcher) {
    mouseWatchers.emplace_back(++lastWatcherId, std::move(Watcher));
    return lastWatcherId;
}

void RemoveMouseWatcher(int Id) {
    std::erase_if(mouseWatchers, [Id](const auto& entry) { return entry.first == Id; });
}

void SetInputState(const THostInputState& State) { inputState = State; }

WPARAM MouseKeys() {
    WPARAM keys = 0;
    if (inputState.Left) keys |= MK_LBUTTON;
    if (inputState.Right) keys |= MK_RBUTTON;
    if (inputState.Middle) keys |= MK_MBUTTON;
    if (inputState.Shift) keys |= MK_SHIFT;
    if (inputState.Control) keys |= MK_CONTROL;
    return keys;
}

bool GetCursorPos(TPoint* Point) {
    *Point = HeadlessHost() ? lastMousePos : HostCursorPos();
    return true;
}

short GetKeyState(int VirtKey) {
    bool down = false;
    switch (VirtKey) {
    case VK_SHIFT: down = inputState.Shift; break;
    case VK_CONTROL: down = inputState.Control; break;
    case VK_MENU: down = inputState.Alt; break;
    case VK_LBUTTON: down = inputState.Left; break;
    case VK_RBUTTON: down = inputState.Right; break;
    case VK_MBUTTON: down = inputState.Middle; break;
    default: break;
    }
    return down ? static_cast<short>(-128) : 0;
}

TControl* ControlRouting::TargetAt(TWinControl* Root, TPoint Pos, bool AllowDisabled) {
    if (!AllowDisabled)
        for (TControl* c = Root; c; c = c->GetParent())
            if (!c->GetEnabled()) return nullptr;
    TControl* child = Root->ControlAtPos(Pos, AllowDisabled);
    return child ? child : Root;
}

void ControlRouting::MouseInput(TWinControl* Root, Cardinal Msg, TPoint ScreenPos, WPARAM Keys) {
    lastMousePos = ScreenPos;
    // The window system has the pointer somewhere before any press or move.
    TPoint local = Root->ScreenToClient(ScreenPos);
    MouseOver(Root->GetClientRect().Contains(local) ? TargetAt(Root, local, true) : nullptr);
    TControl* target = GetCaptureControl();
    if (!target) target = TargetAt(Root, local, false);
    if (!target) return;
    const bool twice = Msg == WM_LBUTTONDBLCLK || Msg == WM_RBUTTONDBLCLK || Msg == WM_MBUTTONDBLCLK;
    if (twice && !target->controlStyle_.Contains(csDoubleClicks)) Msg -= 2;  // a plain press
    TPoint p = target->ScreenToClient(ScreenPos);
    target->Perform(Msg, Keys, MakeMousePos(p.x, p.y));
    if (Msg != WM_MOUSEMOVE) RefreshCursor();
    TellMouseWatchers(mouseControl, Msg, ScreenPos);
}

void ControlRouting::WheelInput(TWinControl* Root, int Delta, TPoint ScreenPos, WPARAM Keys) {
    lastMousePos = ScreenPos;
    // The wheel turns windowed controls only; unhandled turns go up to the parents.
    for (TControl* c = Root; c; c = c->GetParent())
        if (!c->GetEnabled()) return;
    WPARAM wparam = (static_cast<WPARAM>(static_cast<std::uint16_t>(Delta)) << 16) | (Keys & 0xFFFF);
    Root->Perform(WM_MOUSEWHEEL, wparam, MakeMousePos(ScreenPos.x, ScreenPos.y));
}

void ControlRouting::MouseOver(TControl* Control) {
    if (Control == mouseControl) {
        RefreshCursor();
        return;
    }
    TControl* old = mouseControl;
    mouseControl = Control;
    if (old) old->Perform(CM_MOUSELEAVE, 0, 0);
    if (Control && mouseControl == Control) Control->Perform(CM_MOUSEENTER, 0, 0);
    RefreshCursor();
    if (!mouseControl) TellMouseWatchers(nullptr, WM_MOUSEMOVE, lastMousePos);
}

void ControlRouting::RefreshCursor() {
    TControl* c = GetCaptureControl() ? GetCaptureControl() : mouseControl;
    if (!c) return;
    auto* w = dynamic_cast<TWinControl*>(c);
    if (!w) w = c->GetParent();
    if (w) ShowSurfaceCursor(w->surface_, EffectiveCursor(c));
}

TControl* ControlRouting::MouseControl() { return mouseControl; }

namespace {

std::vector<std::pair<const void*, TKeyHook>> keyHooks;

bool RunKeyHooks(TCustomForm* Form, Word Key, bool Down) {
    // A hook may add or remove hooks: each still registered gets its turn.
    auto hooks = keyHooks;
    for (auto& [owner, hook] : hooks) {
        auto registered = [o = owner](const auto& h) { return h.first == o; };
        if (std::find_if(keyHooks.begin(), keyHooks.end(), registered) == keyHooks.end()) continue;
        if (hook(Form, Key, KeyboardShiftState(), Down)) return true;
    }
    return false;
}

}  // namespace

void AddKeyHook(const void* Owner, TKeyHook Hook) {
    RemoveKeyHook(Owner);
    keyHooks.emplace_back(Owner, std::move(Hook));
}

void RemoveKeyHook(const void* Owner) {
    keyHooks.erase(std::remove_if(keyHooks.begin(), keyHooks.end(), [Owner](const auto& h) { return h.first == Owner; }),
                   keyHooks.end());
}

void ControlRouting::KeyInput(TWinControl* Root, Word Key, const std::string& Text, bool Down) {
    TCustomForm* form = GetParentForm(Root);
    if (Key && RunKeyHooks(form, Key, Down)) return;
    TWinControl* target = Root;
    if (form) {
        TWinControl* active = form->activeControl_;
        target = active && active->CanFocus() ? active : form;
    }
    std::weak_ptr<char> alive = target->AliveToken();
    if (!Down) {
        if (Key) target->Perform(WM_KEYUP, Key, 0);
        return;
    }
    if (Key) {
        // Tab, Enter, Escape and the arrows are the form's unless the control wants them.
        LRESULT mask = DialogKeyMask(Key);
        if (mask && form && !(target->Perform(WM_GETDLGCODE, 0, 0) & mask) &&
            form->Perform(CM_DIALOGKEY, Key, 0) != 0)
            return;
        if (alive.expired()) return;
        // Alt with a letter or digit works the control whose caption has it as its access key.
        const bool accessKey = (Key >= 'A' && Key <= 'Z') || (Key >= '0' && Key <= '9');
        if (accessKey && form && GetKeyState(VK_MENU) < 0 && form->Perform(CM_DIALOGCHAR, Key, 0) != 0) return;
        if (alive.expired()) return;
        target->Perform(WM_KEYDOWN, Key, 0);
    }
    for (char ch : Text) {
        if (alive.expired()) return;
        target->Perform(WM_CHAR, static_cast<unsigned char>(ch), 0);
    }
}

void ControlRouting::HostMoved(TWinControl* Control, int Left, int Top) {
    Control->left_ = Left;
    Control->top_ = Top;
}

void ControlRouting::HostResized(TWinControl* Control, int Width, int Height) {
    if (Control->width_ == Width && Control->height_ == Height) return;
    Control->width_ = Width;
    Control->height_ = Height;
    Control->Invalidate();
    Control->Realign();
}

void ControlRouting::HostActivated(TCustomForm* Form) { Screen->SetActiveForm(Form); }

void ControlRouting::Forget(TControl* Control) {
    if (mouseControl == Control) mouseControl = nullptr;
    if (GetCaptureControl() == Control) SetCaptureControl(nullptr);
}
