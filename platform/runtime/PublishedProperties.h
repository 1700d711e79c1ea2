#pragma once
// The published properties of streamable classes. C++ has no property
// information at run time, so each class declares its published properties
// once, as getter/setter pairs, in a TPublishedClassRegistrar; the form
// reader and writer both work from that one list. A registered component
// class can also be made by name, as a form stream names its components.

#include <algorithm>
#include <cstdint>
#include <functional>
#include <limits>
#include <memory>
#include <optional>
#include <typeindex>
#include <type_traits>
#include <vector>

#include "platform/runtime/Components.h"

enum TPropKind {
    pkInteger,      // whole numbers
    pkBoolean,      // False, True
    pkEnumeration,  // stored by member name
    pkSet,          // stored as the names of the members it holds
    pkFloat,        // stored as an extended
    pkString,
    pkComponent,    // a reference to another component, stored by its name
    pkPersistent,   // an owned sub-object; its properties are stored as Name.Property
    pkCollection    // owned items, each with the properties of its class
};

struct TPropInfo {
    AnsiString Name;
    TPropKind Kind = pkInteger;
    // Integers, booleans, enumerations and sets (a set as one bit per member).
    std::function<std::int64_t(TPersistent*)> GetOrd;
    std::function<void(TPersistent*, std::int64_t)> SetOrd;
    std::int64_t MinValue = 0, MaxValue = 0;
    // Enumeration and set members by ordinal.
    std::vector<AnsiString> MemberNames;
    std::function<double(TPersistent*)> GetFloat;
    std::function<void(TPersistent*, double)> SetFloat;
    std::function<AnsiString(TPersistent*)> GetString;
    std::function<void(TPersistent*, const AnsiString&)> SetString;
    // A sub-object or the component referred to.
    std::function<TPersistent*(TPersistent*)> GetObject;
    // False when the component is not of the class the property takes.
    std::function<bool(TPersistent*, TComponent*)> SetComponent;
    std::function<int(TPersistent*)> GetCount;
    std::function<TPersistent*(TPersistent*, int)> GetItem;
    std::function<TPersistent*(TPersistent*)> AddItem;
    std::function<void(TPersistent*)> ClearItems;
    // An ordinal equal to its default is not written: a new object has it.
    std::optional<std::int64_t> Default;
    // Whether the value is written at all; empty: always.
    std::function<bool(TPersistent*)> Stored;

    // The rule the writer follows: stored, and not the value a new object has.
    bool IsStored(TPersistent* Instance) const;
};

class TPublishedClass {
public:
    const AnsiString& GetName() const { return name_; }
    // The nearest registered ancestor, nullptr for a root of the registry.
    const TPublishedClass* GetParent() const;
    // Made with its owner by a reader; nullptr for an abstract class.
    TComponent* Create(TComponent* Owner) const { return create_ ? create_(Owner) : nullptr; }
    bool IsInstance(const TPersistent* Instance) const { return isInstance_(Instance); }
    // The property of that name (ignoring case) here or in an ancestor.
    const TPropInfo* FindProperty(const AnsiString& Name) const;
    // Every property, those of the ancestors first, in declaration order; a
    // property a descendant declares again stands in its ancestor's place.
    std::vector<const TPropInfo*> AllProperties() const;

private:
    template <class T>
    friend class TPublishedProperties;
    template <class T, class Parent>
    friend class TPublishedClassRegistrar;
    friend void RegisterPublishedClass(std::unique_ptr<TPublishedClass>);
    friend const TPublishedClass* PublishedClassOf(const TPersistent*);
    int Depth() const;

    AnsiString name_;
    std::type_index type_ = typeid(void);
    std::optional<std::type_index> parentType_;
    std::function<bool(const TPersistent*)> isInstance_;
    std::function<TComponent*(TComponent*)> create_;
    std::vector<TPropInfo> properties_;
};

// The class registered under that name (ignoring case), nullptr when none.
const TPublishedClass* FindPublishedClass(const AnsiString& ClassName);
// The most derived registered class Instance belongs to, nullptr when none.
const TPublishedClass* PublishedClassOf(const TPersistent* Instance);
void RegisterPublishedClass(std::unique_ptr<TPublishedClass> Class);

// Builds the property list of T; getters take a T* (member functions do),
// setters a T* and the getter's value type.
template <class T>
class TPublishedProperties {
    // The type a getter returns.
    template <class G>
    using Value = std::decay_t<std::invoke_result_t<G, T*>>;

public:
    explicit TPublishedProperties(TPublishedClass& Class) : class_(Class) {}

    template <class G, class S>
    TPublishedProperties& Integer(const char* Name, G Get, S Set, std::optional<std::int64_t> Default = {}) {
        using V = Value<G>;
        static_assert(std::is_integral_v<V>);
        TPropInfo& p = Add(Name, pkInteger);
        p.GetOrd = [Get](TPersistent* o) { return static_cast<std::int64_t>(std::invoke(Get, Self(o))); };
        p.SetOrd = [Set](TPersistent* o, std::int64_t v) { std::invoke(Set, Self(o), static_cast<V>(v)); };
        p.MinValue = std::numeric_limits<V>::min();
        p.MaxValue = static_cast<std::int64_t>(std::min<std::uint64_t>(std::numeric_limits<V>::max(),
                                                                      std::numeric_limits<std::int64_t>::max()));
        p.Default = Default;
        return *this;
    }
    template <class G, class S>
    TPublishedProperties& Boolean(const char* Name, G Get, S Set, std::optional<bool> Default = {}) {
        TPropInfo& p = Add(Name, pkBoolean);
        p.GetOrd = [Get](TPersistent* o) { return std::int64_t(std::invoke(Get, Self(o)) ? 1 : 0); };
        p.SetOrd = [Set](TPersistent* o, std::int64_t v) { std::invoke(Set, Self(o), v != 0); };
        p.MinValue = 0;
        p.MaxValue = 1;
        if (Default) p.Default = *Default ? 1 : 0;
        return *this;
    }
    template <class G, class S>
    TPublishedProperties& Enumeration(const char* Name, G Get, S Set, std::vector<AnsiString> Members,
                                      std::optional<Value<G>> Default = {}) {
        using V = Value<G>;
        static_assert(std::is_enum_v<V>);
        TPropInfo& p = Add(Name, pkEnumeration);
        p.GetOrd = [Get](TPersistent* o) { return static_cast<std::int64_t>(std::invoke(Get, Self(o))); };
        p.SetOrd = [Set](TPersistent* o, std::int64_t v) { std::invoke(Set, Self(o), static_cast<V>(v)); };
        p.MaxValue = static_cast<std::int64_t>(Members.size()) - 1;
        p.MemberNames = std::move(Members);
        if (Default) p.Default = static_cast<std::int64_t>(*Default);
        return *this;
    }
    // A Set<E> of E's first Members.size() members; the empty set is its default.
    template <class G, class S>
    TPublishedProperties& SetOf(const char* Name, G Get, S Set, std::vector<AnsiString> Members) {
        using V = Value<G>;
        TPropInfo& p = Add(Name, pkSet);
        const int count = static_cast<int>(Members.size());
        p.GetOrd = [Get, count](TPersistent* o) {
            const V set = std::invoke(Get, Self(o));
            std::int64_t bits = 0;
            for (int i = 0; i < count; ++i)
                if (set.Contains(Member<V>(i))) bits |= std::int64_t(1) << i;
            return bits;
        };
        p.SetOrd = [Set, count](TPersistent* o, std::int64_t bits) {
            V set;
            for (int i = 0; i < count; ++i)
                if (bits & (std::int64_t(1) << i)) set << Member<V>(i);
            std::invoke(Set, Self(o), set);
        };
        p.MaxValue = (std::int64_t(1) << count) - 1;
        p.MemberNames = std::move(Members);
        p.Default = 0;
        return *this;
    }
    // Written when not 0.
    template <class G, class S>
    TPublishedProperties& Float(const char* Name, G Get, S Set) {
        TPropInfo& p = Add(Name, pkFloat);
        p.GetFloat = [Get](TPersistent* o) { return static_cast<double>(std::invoke(Get, Self(o))); };
        p.SetFloat = [Set](TPersistent* o, double v) { std::invoke(Set, Self(o), static_cast<Value<G>>(v)); };
        p.Stored = [Get](TPersistent* o) { return std::invoke(Get, Self(o)) != 0; };
        return *this;
    }
    // Written when not empty.
    template <class G, class S>
    TPublishedProperties& String(const char* Name, G Get, S Set) {
        TPropInfo& p = Add(Name, pkString);
        p.GetString = [Get](TPersistent* o) { return AnsiString(std::invoke(Get, Self(o))); };
        p.SetString = [Set](TPersistent* o, const AnsiString& v) { std::invoke(Set, Self(o), v); };
        p.Stored = [Get](TPersistent* o) { return !AnsiString(std::invoke(Get, Self(o))).IsEmpty(); };
        return *this;
    }
    // A reference to a component of the getter's class; written when set.
    template <class G, class S>
    TPublishedProperties& Component(const char* Name, G Get, S Set) {
        using C = std::remove_pointer_t<Value<G>>;
        TPropInfo& p = Add(Name, pkComponent);
        p.GetObject = [Get](TPersistent* o) -> TPersistent* { return std::invoke(Get, Self(o)); };
        p.SetComponent = [Set](TPersistent* o, TComponent* c) {
            C* typed = dynamic_cast<C*>(c);
            if (c && !typed) return false;
            std::invoke(Set, Self(o), typed);
            return true;
        };
        p.Stored = [Get](TPersistent* o) { return std::invoke(Get, Self(o)) != nullptr; };
        return *this;
    }
    // An owned sub-object, changed in place.
    template <class G>
    TPublishedProperties& Object(const char* Name, G Get) {
        TPropInfo& p = Add(Name, pkPersistent);
        p.GetObject = [Get](TPersistent* o) -> TPersistent* { return std::invoke(Get, Self(o)); };
        return *this;
    }
    // Owned items: how many, the one at an index, a new one at the end, none.
    template <class Count, class Item, class AddItem, class Clear>
    TPublishedProperties& Collection(const char* Name, Count GetCount, Item GetItem, AddItem Add_, Clear ClearAll) {
        TPropInfo& p = Add(Name, pkCollection);
        p.GetCount = [GetCount](TPersistent* o) { return static_cast<int>(std::invoke(GetCount, Self(o))); };
        p.GetItem = [GetItem](TPersistent* o, int i) -> TPersistent* { return std::invoke(GetItem, Self(o), i); };
        p.AddItem = [Add_](TPersistent* o) -> TPersistent* { return std::invoke(Add_, Self(o)); };
        p.ClearItems = [ClearAll](TPersistent* o) { std::invoke(ClearAll, Self(o)); };
        p.Stored = [GetCount](TPersistent* o) { return std::invoke(GetCount, Self(o)) > 0; };
        return *this;
    }
    // Replaces the written-when rule of the property declared last.
    template <class F>
    TPublishedProperties& StoredWhen(F Stored) {
        class_.properties_.back().Stored = [Stored](TPersistent* o) { return static_cast<bool>(std::invoke(Stored, Self(o))); };
        return *this;
    }

private:
    template <class V>
    static typename V::Member Member(int i) {
        return static_cast<typename V::Member>(i);
    }
    static T* Self(TPersistent* o) { return static_cast<T*>(o); }
    TPropInfo& Add(const char* Name, TPropKind Kind) {
        TPropInfo& p = class_.properties_.emplace_back();
        p.Name = Name;
        p.Kind = Kind;
        return p;
    }
    TPublishedClass& class_;
};

// Registers T under ClassName, after its nearest streamable ancestor Parent
// (void for a root), with the properties Declare adds. A component class
// that can be made from its owner can then be read from a stream.
template <class T, class Parent>
class TPublishedClassRegistrar {
public:
    template <class F>
    TPublishedClassRegistrar(const char* ClassName, F Declare) {
        auto c = std::make_unique<TPublishedClass>();
        c->name_ = ClassName;
        c->type_ = typeid(T);
        if constexpr (!std::is_void_v<Parent>) {
            static_assert(std::is_base_of_v<Parent, T>);
            c->parentType_ = std::type_index(typeid(Parent));
        }
        c->isInstance_ = [](const TPersistent* o) { return dynamic_cast<const T*>(o) != nullptr; };
        if constexpr (std::is_base_of_v<TComponent, T> && !std::is_abstract_v<T> &&
                      std::is_constructible_v<T, TComponent*>)
            c->create_ = [](TComponent* Owner) -> TComponent* { return new T(Owner); };
        TPublishedProperties<T> properties(*c);
        Declare(properties);
        RegisterPublishedClass(std::move(c));
    }
};
