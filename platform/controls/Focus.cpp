// Keyboard focus, the tab order and key messages of windowed controls.
#include <algorithm>

#include "platform/controls/Forms.h"
#include "platform/host/WindowSurface.h"

int TWinControl::GetTabOrder() const {
    if (!GetParent()) return -1;
    auto& list = GetParent()->tabList_;
    auto it = std::find(list.begin(), list.end(), this);
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void TWinControl::SetTabOrder(int Value) {
    if (!GetParent()) return;
    auto& list = GetParent()->tabList_;
    auto it = std::find(list.begin(), list.end(), this);
    if (it == list.end()) return;
    list.erase(it);
    int index = std::clamp(Value, 0, static_cast<int>(list.size()));
    list.insert(list.begin() + index, this);
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& List) const {
    for (TWinControl* c : tabList_) {
        List.push_back(c);
        c->GetTabOrderList(List);
    }
}

TWinControl* TWinControl::FindNextControl(TWinControl* CurControl, bool GoForward, bool CheckTabStop,
                                          bool CheckParent) const {
    std::vector<TWinControl*> list;
    GetTabOrderList(list);
    if (list.empty()) return nullptr;
    const int count = static_cast<int>(list.size());
    auto found = std::find(list.begin(), list.end(), CurControl);
    int start = found != list.end() ? static_cast<int>(found - list.begin()) : (GoForward ? count - 1 : 0);
    int i = start;
    do {
        i = GoForward ? (i + 1) % count : (i + count - 1) % count;
        TWinControl* c = list[static_cast<std::size_t>(i)];
        if (c->CanFocus() && (!CheckTabStop || c->GetTabStop()) && (!CheckParent || c->GetParent() == this))
            return c;
    } while (i != start);
    return nullptr;
}

void TWinControl::SelectNext(TWinControl* CurControl, bool GoForward, bool CheckTabStop) {
    if (TWinControl* next = FindNextControl(CurControl, GoForward, CheckTabStop, !CheckTabStop)) next->SetFocus();
}

bool TWinControl::CanFocus() const {
    TCustomForm* form = GetParentForm(const_cast<TWinControl*>(this));
    if (!form) return false;
    for (const TControl* c = this; c != form; c = c->GetParent())
        if (!c->GetVisible() || !c->GetEnabled()) return false;
    return form->GetEnabled();
}

bool TWinControl::Focused() const {
    TCustomForm* form = GetParentForm(const_cast<TWinControl*>(this));
    if (!form || !form->GetActive()) return false;
    return form == this ? form->activeControl_ == nullptr : form->activeControl_ == this;
}

void TWinControl::SetFocus() {
    TCustomForm* form = GetParentForm(this);
    if (form == this) {
        form->SetActiveControl(nullptr);
        return;
    }
    if (!CanFocus()) throw EInvalidOperation("Cannot focus a disabled or invisible window");
    form->SetFocusedControl(this);
}

TShiftState KeyboardShiftState() {
    TShiftState shift;
    if (GetKeyState(VK_SHIFT) < 0) shift << ssShift;
    if (GetKeyState(VK_CONTROL) < 0) shift << ssCtrl;
    if (GetKeyState(VK_MENU) < 0) shift << ssAlt;
    return shift;
}

// The form sees keys first when it asks for them (KeyPreview); a key it
// clears goes no further.
void TWinControl::KeyMessage(TMessage& Message) {
    TCustomForm* form = GetParentForm(this);
    TWinControl* preview = form && form != this && form->GetKeyPreview() ? form : nullptr;
    std::weak_ptr<char> alive = AliveToken();
    TShiftState shift = KeyboardShiftState();
    if (Message.Msg == WM_CHAR) {
        char key = static_cast<char>(Message.WParam);
        if (preview) preview->KeyPress(key);
        if (key == 0 || alive.expired()) return;
        KeyPress(key);
        return;
    }
    Word key = static_cast<Word>(Message.WParam);
    const bool down = Message.Msg == WM_KEYDOWN;
    if (preview) down ? preview->KeyDown(key, shift) : preview->KeyUp(key, shift);
    if (key == 0 || alive.expired()) return;
    down ? KeyDown(key, shift) : KeyUp(key, shift);
}

void TWinControl::KeyDown(Word& Key, TShiftState Shift) {
    if (OnKeyDown) OnKeyDown(this, Key, Shift);
}

void TWinControl::KeyUp(Word& Key, TShiftState Shift) {
    if (OnKeyUp) OnKeyUp(this, Key, Shift);
}

void TWinControl::KeyPress(char& Key) {
    if (OnKeyPress) OnKeyPress(this, Key);
}

void TWinControl::DoEnter() {
    if (OnEnter) OnEnter(this);
}

void TWinControl::DoExit() {
    if (OnExit) OnExit(this);
}

// Focus moves out of the old control and its containers up to the one both
// share (OnExit, innermost first), then into the new one's containers down to
// it (OnEnter, outermost first).
void TCustomForm::SetFocusedControl(TWinControl* Control) {
    if (Control == this) Control = nullptr;
    TWinControl* old = activeControl_;
    if (old == Control) return;
    if (!GetVisible()) {
        activeControl_ = Control;  // entered when the form is shown
        return;
    }
    auto chain = [this](TWinControl* c) {
        std::vector<TWinControl*> list;
        for (; c && c != this; c = c->GetParent()) list.push_back(c);
        return list;
    };
    std::vector<TWinControl*> leaving = chain(old), entering = chain(Control);
    while (!leaving.empty() && !entering.empty() && leaving.back() == entering.back()) {
        leaving.pop_back();
        entering.pop_back();
    }
    if (old) old->Perform(WM_KILLFOCUS, reinterpret_cast<WPARAM>(Control), 0);
    for (TWinControl* c : leaving) {
        c->Perform(CM_EXIT, 0, 0);
        if (activeControl_ != old) return;  // an OnExit moved the focus itself
    }
    activeControl_ = Control;
    for (auto it = entering.rbegin(); it != entering.rend(); ++it) {
        (*it)->Perform(CM_ENTER, 0, 0);
        if (activeControl_ != Control) return;
    }
    if (Control) Control->Perform(WM_SETFOCUS, reinterpret_cast<WPARAM>(old), 0);
}

void TCustomForm::SetActiveControl(TWinControl* Control) {
    if (Control == this) Control = nullptr;
    if (Control && !Control->CanFocus()) throw EInvalidOperation("Cannot focus a disabled or invisible window");
    SetFocusedControl(Control);
}
