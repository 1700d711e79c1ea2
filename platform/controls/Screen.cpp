// TScreen: the forms, which one is active, the modal stack and the cursors.
#include <algorithm>
#include <map>
#include <set>

#include "platform/controls/Forms.h"
#include "platform/host/Cursors.h"
#include "platform/host/Host.h"
#include "platform/host/HostCall.h"
#include "platform/host/WindowSurface.h"

TScreen* Screen = new TScreen(nullptr);

// Every registered handle belongs to the registry; one handle may stand
// under several numbers and is freed when the last of them goes.
struct TScreen::Registry {
    std::map<int, HCURSOR> cursors;
    HCURSOR fallback = nullptr;

    void Fill() {
        if (fallback) return;
        fallback = CreateArrowCursor();
        cursors = CreateStandardCursors();
    }

    void Drop(HCURSOR handle) {
        if (!handle || handle == fallback) return;
        for (auto& [number, h] : cursors)
            if (h == handle) return;
        FreeCursor(handle);
    }
};

TScreen::TScreen(TComponent* AOwner) : TComponent(AOwner), cursors_(new Registry) {}

TScreen::~TScreen() {
    std::set<HCURSOR> handles{cursors_->fallback};
    for (auto& [number, handle] : cursors_->cursors) handles.insert(handle);
    for (HCURSOR handle : handles) FreeCursor(handle);
    delete cursors_;
}

int TScreen::GetWidth() const {
    EnsureHost();
    return HostScreenSize().cx;
}

int TScreen::GetHeight() const {
    EnsureHost();
    return HostScreenSize().cy;
}

int TScreen::GetPixelsPerInch() const {
    EnsureHost();
    if (HeadlessHost()) return 96;
    return HostScreenPixelsPerInch();
}

void TScreen::SetCursor(TCursor Value) {
    if (cursor_ == Value) return;
    const bool overriding = cursor_ != crDefault;
    cursor_ = Value;
    if (Value == crDefault) {
        if (overriding) RestoreOverrideCursor();
        return;
    }
    HCURSOR shape = GetCursors(Value);
    if (overriding) ChangeOverrideCursor(shape);
    else SetOverrideCursor(shape);
}

HCURSOR TScreen::GetCursors(int Index) const {
    cursors_->Fill();
    auto it = cursors_->cursors.find(Index);
    if (it != cursors_->cursors.end()) return it->second;
    auto fallback = cursors_->cursors.find(crDefault);
    return fallback != cursors_->cursors.end() ? fallback->second : cursors_->fallback;
}

void TScreen::SetCursors(int Index, HCURSOR Handle) {
    cursors_->Fill();
    HCURSOR old = nullptr;
    auto it = cursors_->cursors.find(Index);
    if (it != cursors_->cursors.end()) {
        old = it->second;
        cursors_->cursors.erase(it);
    }
    if (Handle) cursors_->cursors[Index] = Handle;
    cursors_->Drop(old);
    ControlRouting::RefreshCursor();
}

TCustomForm* TScreen::GetForms(int Index) const {
    if (Index < 0 || Index >= GetFormCount()) throw EListError("List index out of bounds (" + AnsiString(Index) + ")");
    return forms_[static_cast<std::size_t>(Index)];
}

void TScreen::AddForm(TCustomForm* Form) { forms_.push_back(Form); }

void TScreen::RemoveForm(TCustomForm* Form) {
    auto drop = [Form](std::vector<TCustomForm*>& list) { list.erase(std::remove(list.begin(), list.end(), Form), list.end()); };
    drop(forms_);
    drop(recentlyActive_);
    drop(modal_);
    if (activeForm_ == Form) {
        activeForm_ = nullptr;
        ActivateNextForm(Form);
    }
}

void TScreen::SetActiveForm(TCustomForm* Form) {
    if (Form == activeForm_) return;
    TCustomForm* old = activeForm_;
    activeForm_ = Form;
    if (Form) {
        recentlyActive_.erase(std::remove(recentlyActive_.begin(), recentlyActive_.end(), Form), recentlyActive_.end());
        recentlyActive_.push_back(Form);
    }
    std::weak_ptr<char> formAlive = Form ? Form->AliveToken() : std::weak_ptr<char>();
    if (old) old->Deactivated();
    if (Form && !formAlive.expired() && activeForm_ == Form) Form->Activated();
}

// The top modal form, else the visible form that was active most recently.
void TScreen::ActivateNextForm(TCustomForm* Leaving) {
    TCustomForm* next = nullptr;
    if (!modal_.empty() && modal_.back() != Leaving && modal_.back()->GetVisible()) next = modal_.back();
    for (auto it = recentlyActive_.rbegin(); !next && it != recentlyActive_.rend(); ++it)
        if (*it != Leaving && (*it)->GetVisible()) next = *it;
    SetActiveForm(next);
}

TCustomForm* TScreen::OwnerFormFor(const TCustomForm* Shown) const {
    TCustomForm* main = Application->GetMainForm();
    if (Shown && Shown == main) return nullptr;
    auto up = [Shown](TCustomForm* Form) { return Form && Form != Shown && Form->GetVisible(); };
    for (auto it = modal_.rbegin(); it != modal_.rend(); ++it)
        if (up(*it)) return *it;
    if (up(activeForm_)) return activeForm_;
    return up(main) ? main : nullptr;
}

void TScreen::PushModal(TCustomForm* Form) { modal_.push_back(Form); }

void TScreen::PopModal(TCustomForm* Form) {
    modal_.erase(std::remove(modal_.begin(), modal_.end(), Form), modal_.end());
}
