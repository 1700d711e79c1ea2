// Controls in a form stream: each is stored inside its parent, with its
// position, size, alignment and visibility.
#include "platform/controls/Controls.h"
#include "platform/runtime/PublishedProperties.h"

TComponent* TControl::GetParentComponent() const { return parent_; }

void TControl::SetParentComponent(TComponent* Value) {
    if (auto* parent = dynamic_cast<TWinControl*>(Value)) SetParent(parent);
}

void TWinControl::GetChildren(const TGetChildProc& Proc, TComponent* Root) {
    TComponent::GetChildren(Proc, Root);
    for (int i = 0; i < GetControlCount(); ++i)
        if (TControl* c = GetControls(i); c->GetOwner() == Root) Proc(c);
}

namespace {

const TPublishedClassRegistrar<TControl, TComponent> controlClass("TControl", [](auto& p) {
    p.Integer("Left", &TControl::GetLeft, &TControl::SetLeft)
        .Integer("Top", &TControl::GetTop, &TControl::SetTop)
        .Integer("Width", &TControl::GetWidth, &TControl::SetWidth)
        .Integer("Height", &TControl::GetHeight, &TControl::SetHeight)
        .Enumeration("Align", &TControl::GetAlign, &TControl::SetAlign,
                     {"alNone", "alTop", "alBottom", "alLeft", "alRight", "alClient"}, alNone)
        .Boolean("Visible", &TControl::GetVisible, &TControl::SetVisible, true);
});

}  // namespace
