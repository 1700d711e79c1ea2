#include "platform/runtime/Components.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cxxabi.h>
#include <memory>
#include <typeinfo>

AnsiString TObject::ClassName() const {
    const char* mangled = typeid(*this).name();
    int status = 0;
    std::unique_ptr<char, void (*)(void*)> demangled(abi::__cxa_demangle(mangled, nullptr, nullptr, &status),
                                                     std::free);
    std::string name = status == 0 && demangled ? demangled.get() : mangled;
    auto colon = name.rfind("::");
    if (colon != std::string::npos) name = name.substr(colon + 2);
    return AnsiString(name);
}

void TPersistent::Assign(TPersistent* Source) {
    if (Source) {
        Source->AssignTo(this);
        return;
    }
    AssignError(nullptr);
}

void TPersistent::AssignTo(TPersistent* Dest) { Dest->AssignError(this); }

void TPersistent::AssignError(TPersistent* Source) {
    AnsiString sourceName = Source ? Source->ClassName() : AnsiString("nil");
    throw EAssignError("Cannot assign a " + sourceName + " to a " + ClassName());
}

TComponent::TComponent(TComponent* AOwner) {
    if (AOwner) AOwner->InsertComponent(this);
}

TComponent::~TComponent() {
    Destroying();
    // Copy: a notified component may ask to be removed from the list.
    auto notifies = freeNotifies_;
    freeNotifies_.clear();
    for (auto it = notifies.rbegin(); it != notifies.rend(); ++it) {
        (*it)->RemoveFreeNotification(this);
        (*it)->Notification(this, opRemove);
    }
    DestroyComponents();
    if (owner_) owner_->RemoveComponent(this);
}

void TComponent::Destroying() { state_ << csDestroying; }

void TComponent::SetDesigning(bool Value) {
    if (Value) state_ << csDesigning;
    else state_ >> csDesigning;
}

TComponent* TComponent::GetComponent(int Index) const {
    if (Index < 0 || Index >= GetComponentCount())
        throw EListError("List index out of bounds (" + AnsiString(Index) + ")");
    return components_[static_cast<std::size_t>(Index)];
}

int TComponent::GetComponentIndex() const {
    if (!owner_) return -1;
    auto& list = owner_->components_;
    auto it = std::find(list.begin(), list.end(), this);
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

TComponent* TComponent::FindComponent(const AnsiString& AName) const {
    if (AName.IsEmpty()) return nullptr;
    for (TComponent* c : components_)
        if (c->name_.AnsiCompareIC(AName) == 0) return c;
    return nullptr;
}

static bool IsValidIdent(const AnsiString& name) {
    const std::string& s = name.str();
    if (s.empty() || !(std::isalpha(static_cast<unsigned char>(s[0])) || s[0] == '_')) return false;
    return std::all_of(s.begin(), s.end(), [](char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; });
}

void TComponent::ValidateRename(TComponent* AComponent, const AnsiString& CurName, const AnsiString& NewName) const {
    if (CurName.AnsiCompareIC(NewName) == 0) return;
    TComponent* other = FindComponent(NewName);
    if (other && other != AComponent)
        throw EComponentError("A component named " + NewName + " already exists");
}

void TComponent::SetName(const AnsiString& NewName) {
    if (name_ == NewName) return;
    if (!NewName.IsEmpty() && !IsValidIdent(NewName))
        throw EComponentError("''" + NewName + "'' is not a valid component name");
    if (owner_) owner_->ValidateRename(this, name_, NewName);
    name_ = NewName;
}

void TComponent::InsertComponent(TComponent* AComponent) {
    if (!AComponent->name_.IsEmpty()) ValidateRename(AComponent, AnsiString(), AComponent->name_);
    if (AComponent->owner_) AComponent->owner_->RemoveComponent(AComponent);
    components_.push_back(AComponent);
    AComponent->owner_ = this;
    Notification(AComponent, opInsert);
}

void TComponent::RemoveComponent(TComponent* AComponent) {
    Notification(AComponent, opRemove);
    auto it = std::find(components_.begin(), components_.end(), AComponent);
    if (it != components_.end()) components_.erase(it);
    AComponent->owner_ = nullptr;
}

void TComponent::DestroyComponents() {
    while (!components_.empty()) {
        TComponent* instance = components_.back();
        components_.pop_back();
        instance->owner_ = nullptr;
        instance->BeforeDestruction();
        delete instance;
    }
}

void TComponent::FreeNotification(TComponent* AComponent) {
    if (!AComponent || AComponent == this) return;
    if (owner_ && AComponent->owner_ == owner_) return;  // siblings hear of each other anyway
    if (std::find(freeNotifies_.begin(), freeNotifies_.end(), AComponent) == freeNotifies_.end()) {
        freeNotifies_.push_back(AComponent);
        AComponent->FreeNotification(this);
    }
    state_ << csFreeNotification;
}

void TComponent::RemoveFreeNotification(TComponent* AComponent) {
    auto it = std::find(freeNotifies_.begin(), freeNotifies_.end(), AComponent);
    if (it != freeNotifies_.end()) freeNotifies_.erase(it);
}

void TComponent::Loaded() { state_ >> csLoading; }

void TComponent::GetChildren(const TGetChildProc& Proc, TComponent* Root) {
    if (Root != this) return;
    for (TComponent* c : components_)
        if (!c->HasParent()) Proc(c);
}

void TComponent::Notification(TComponent* AComponent, TOperation Operation) {
    if (Operation == opRemove && AComponent) RemoveFreeNotification(AComponent);
    // Copy: a component told of the change may change this list.
    auto children = components_;
    for (TComponent* c : children)
        if (c != AComponent || Operation == opInsert) c->Notification(AComponent, Operation);
}
