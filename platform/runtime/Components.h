#pragma once
// TObject, TPersistent and TComponent: the roots of the component model.
// A component is created with its owner and freed by it: deleting a component
// frees every component it owns, newest first, after telling whoever asked
// for a free notification.

#include <functional>
#include <vector>

#include "platform/runtime/AnsiString.h"
#include "platform/runtime/Exceptions.h"
#include "platform/runtime/Types.h"

class TObject {
public:
    TObject() = default;
    TObject(const TObject&) = delete;
    TObject& operator=(const TObject&) = delete;
    virtual ~TObject() = default;
    // The class name without namespaces, e.g. "TStringList".
    AnsiString ClassName() const;
};

class TFiler;
class TReader;
class TWriter;

class TPersistent : public TObject {
public:
    // Copies Source into this object; raises EAssignError when neither side
    // knows how.
    virtual void Assign(TPersistent* Source);
    // Data streamed beside the published properties: each one is named to
    // the filer with DefineProperty or DefineBinaryProperty.
    virtual void DefineProperties(TFiler*) {}

protected:
    virtual void AssignTo(TPersistent* Dest);

private:
    [[noreturn]] void AssignError(TPersistent* Source);
};

enum TComponentStateMember { csLoading, csReading, csWriting, csDestroying, csDesigning, csFreeNotification };
using TComponentState = Set<TComponentStateMember>;
enum TOperation { opInsert, opRemove };
class TComponent;
using TGetChildProc = std::function<void(TComponent* Child)>;

class TComponent : public TPersistent {
public:
    explicit TComponent(TComponent* AOwner);
    ~TComponent() override;

    TComponent* GetOwner() const { return owner_; }
    const AnsiString& GetName() const { return name_; }
    // Raises EComponentError for a name that is not an identifier or that
    // another component of the same owner already has.
    virtual void SetName(const AnsiString& NewName);
    int GetTag() const { return tag_; }
    void SetTag(int Value) { tag_ = Value; }
    TComponentState GetComponentState() const { return state_; }

    int GetComponentCount() const { return static_cast<int>(components_.size()); }
    TComponent* GetComponent(int Index) const;  // raises EListError out of range
    // Position in the owner's list, -1 without an owner.
    int GetComponentIndex() const;
    // Owned component of that name (ignoring case), nullptr when none.
    TComponent* FindComponent(const AnsiString& AName) const;

    void InsertComponent(TComponent* AComponent);
    void RemoveComponent(TComponent* AComponent);
    void DestroyComponents();
    // AComponent's Notification(this, opRemove) runs when this one is freed.
    void FreeNotification(TComponent* AComponent);
    void RemoveFreeNotification(TComponent* AComponent);

    // Streaming brackets: a form sets csLoading on its components while it
    // builds them and calls Loaded on each at the end.
    void BeginLoading() { state_ << csLoading; }
    virtual void Loaded();
    // The components stored inside this one in a form stream, in order. The
    // root of a stream stores the components it owns that have no parent.
    virtual void GetChildren(const TGetChildProc& Proc, TComponent* Root);
    // The component a stream stores this one inside (a control's parent, a
    // series' chart); HasParent says whether there is such a place at all.
    virtual bool HasParent() const { return false; }
    virtual TComponent* GetParentComponent() const { return nullptr; }
    virtual void SetParentComponent(TComponent*) {}
    // Runs before the destructors when an owner (or a parent control) frees
    // the component, while the whole object still exists.
    virtual void BeforeDestruction() {}

protected:
    // Told of every component inserted into or removed from the owner's tree,
    // and of freed components this one asked to hear about.
    virtual void Notification(TComponent* AComponent, TOperation Operation);
    void Destroying();
    void SetDesigning(bool Value);

private:
    friend class TReader;
    friend class TWriter;
    void ValidateRename(TComponent* AComponent, const AnsiString& CurName, const AnsiString& NewName) const;

    TComponent* owner_ = nullptr;
    std::vector<TComponent*> components_;
    std::vector<TComponent*> freeNotifies_;
    AnsiString name_;
    int tag_ = 0;
    TComponentState state_;
};
