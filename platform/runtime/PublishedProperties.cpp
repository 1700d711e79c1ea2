#include "platform/runtime/PublishedProperties.h"

#include <algorithm>
#include <unordered_map>

namespace {

struct Registry {
    std::vector<std::unique_ptr<TPublishedClass>> classes;
    std::unordered_map<std::type_index, const TPublishedClass*> byType;
    // The most derived registered class of each dynamic type met so far.
    std::unordered_map<std::type_index, const TPublishedClass*> classOfType;
};

Registry& TheRegistry() {
    static Registry registry;
    return registry;
}

const TPublishedClassRegistrar<TComponent, void> componentClass("TComponent", [](auto& p) {
    p.Integer("Tag", &TComponent::GetTag, &TComponent::SetTag, 0);
});

}  // namespace

bool TPropInfo::IsStored(TPersistent* Instance) const {
    if (Stored && !Stored(Instance)) return false;
    if (Default && GetOrd && GetOrd(Instance) == *Default) return false;
    return true;
}

const TPublishedClass* TPublishedClass::GetParent() const {
    if (!parentType_) return nullptr;
    auto& byType = TheRegistry().byType;
    auto it = byType.find(*parentType_);
    return it == byType.end() ? nullptr : it->second;
}

int TPublishedClass::Depth() const {
    int depth = 0;
    for (const TPublishedClass* c = GetParent(); c; c = c->GetParent()) ++depth;
    return depth;
}

const TPropInfo* TPublishedClass::FindProperty(const AnsiString& Name) const {
    for (const TPublishedClass* c = this; c; c = c->GetParent())
        for (const TPropInfo& p : c->properties_)
            if (p.Name.AnsiCompareIC(Name) == 0) return &p;
    return nullptr;
}

std::vector<const TPropInfo*> TPublishedClass::AllProperties() const {
    std::vector<const TPublishedClass*> classes;
    for (const TPublishedClass* c = this; c; c = c->GetParent()) classes.push_back(c);
    std::vector<const TPropInfo*> result;
    for (auto it = classes.rbegin(); it != classes.rend(); ++it)
        for (const TPropInfo& p : (*it)->properties_) {
            // A descendant declaring a property again (with its own default)
            // takes the ancestor's place.
            auto same = std::find_if(result.begin(), result.end(),
                                     [&](const TPropInfo* q) { return q->Name.AnsiCompareIC(p.Name) == 0; });
            if (same != result.end())
                *same = &p;
            else
                result.push_back(&p);
        }
    return result;
}

void RegisterPublishedClass(std::unique_ptr<TPublishedClass> Class) {
    Registry& r = TheRegistry();
    r.byType[Class->type_] = Class.get();
    r.classOfType.clear();
    r.classes.push_back(std::move(Class));
}

const TPublishedClass* FindPublishedClass(const AnsiString& ClassName) {
    for (const auto& c : TheRegistry().classes)
        if (c->GetName().AnsiCompareIC(ClassName) == 0) return c.get();
    return nullptr;
}

const TPublishedClass* PublishedClassOf(const TPersistent* Instance) {
    if (!Instance) return nullptr;
    Registry& r = TheRegistry();
    const std::type_index type(typeid(*Instance));
    if (auto it = r.classOfType.find(type); it != r.classOfType.end()) return it->second;
    const TPublishedClass* best = nullptr;
    int bestDepth = -1;
    for (const auto& c : r.classes) {
        if (!c->IsInstance(Instance)) continue;
        const int depth = c->Depth();
        if (depth > bestDepth) best = c.get(), bestDepth = depth;
    }
    r.classOfType[type] = best;
    return best;
}
