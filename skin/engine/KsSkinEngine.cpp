#include "skin/engine/KsSkinEngine.h"

#include <memory>
#include <vector>

#include "platform/controls/Forms.h"

namespace {

TSeSkinEngine* currentEngine = nullptr;

}  // namespace

TSeSkinEngine::TSeSkinEngine(TComponent* AOwner) : TComponent(AOwner), skin_(new TSeSkin) {
    try {
        skin_->LoadFromText(EmbeddedSkinText());
    } catch (...) {
        delete skin_;
        throw;
    }
    if (!currentEngine) currentEngine = this;
}

TSeSkinEngine::~TSeSkinEngine() {
    if (currentEngine == this) currentEngine = nullptr;
    Broadcast(WMBeforeChange, this);
    delete skin_;
    skin_ = nullptr;
    Broadcast(WMSkinChange, nullptr);
}

TSeSkinEngine* TSeSkinEngine::Current() { return currentEngine; }

TSeSkinObject* TSeSkinEngine::FindObject(const AnsiString& Name) const {
    return skin_ ? skin_->FindObject(Name) : nullptr;
}

void TSeSkinEngine::LoadFromText(const AnsiString& Text) {
    auto next = std::make_unique<TSeSkin>();
    next->LoadFromText(Text);
    Replace(next.release());
}

void TSeSkinEngine::SetSkin(TSeSkin* Skin) {
    auto next = std::make_unique<TSeSkin>();
    next->Exchange(*Skin);
    Replace(next.release());
}

void TSeSkinEngine::Replace(TSeSkin* Next) {
    Broadcast(WMBeforeChange, this);
    delete skin_;
    skin_ = Next;
    Broadcast(WMSkinChange, this);
}

void SendToControlTree(TControl* Control, Cardinal Msg, WPARAM WParam, LPARAM LParam) {
    std::weak_ptr<char> alive = Control->AliveToken();
    Control->Perform(Msg, WParam, LParam);
    auto* win = dynamic_cast<TWinControl*>(Control);
    if (!win || alive.expired()) return;
    std::vector<TControl*> children;
    for (int i = 0; i < win->GetControlCount(); ++i) children.push_back(win->GetControls(i));
    for (TControl* child : children) SendToControlTree(child, Msg, WParam, LParam);
}

// Forms first, then their controls depth first; each windowed control is
// repainted after the change.
void TSeSkinEngine::Broadcast(Cardinal Msg, TSeSkinEngine* Engine) {
    if (!Screen) return;
    auto value = reinterpret_cast<std::uintptr_t>(Engine);
    std::vector<TCustomForm*> forms;
    for (int i = 0; i < Screen->GetFormCount(); ++i) forms.push_back(Screen->GetForms(i));
    for (TCustomForm* form : forms) {
        SendToControlTree(form, Msg, value, static_cast<LPARAM>(value));
        if (Msg == WMSkinChange) form->Invalidate();
    }
}
