#include <gtest/gtest.h>

#include <vector>

#include "platform/runtime/Components.h"

namespace {

// Records what its Notification hears and logs its own destruction.
class Probe : public TComponent {
public:
    Probe(TComponent* owner, std::vector<std::string>* log, const char* name) : TComponent(owner), log_(log) {
        SetName(name);
    }
    ~Probe() override { log_->push_back("free " + GetName().str()); }
    void Notification(TComponent* c, TOperation op) override {
        if (c != this) log_->push_back(GetName().str() + (op == opInsert ? " +" : " -") + c->GetName().str());
        TComponent::Notification(c, op);
    }

private:
    std::vector<std::string>* log_;
};

TEST(Components, OwnerFreesOwnedComponentsNewestFirst) {
    std::vector<std::string> log;
    auto* owner = new Probe(nullptr, &log, "Owner");
    new Probe(owner, &log, "A");
    new Probe(owner, &log, "B");
    log.clear();
    delete owner;
    ASSERT_EQ(log.size(), 3u);
    EXPECT_EQ(log[0], "free Owner");
    EXPECT_EQ(log[1], "free B");
    EXPECT_EQ(log[2], "free A");
}

TEST(Components, FindIndexAndDuplicateNames) {
    std::vector<std::string> log;
    Probe owner(nullptr, &log, "Owner");
    auto* a = new Probe(&owner, &log, "Alpha");
    auto* b = new Probe(&owner, &log, "Beta");
    EXPECT_EQ(owner.FindComponent("beta"), b);
    EXPECT_EQ(owner.FindComponent("gamma"), nullptr);
    EXPECT_EQ(a->GetComponentIndex(), 0);
    EXPECT_EQ(b->GetComponentIndex(), 1);
    EXPECT_THROW(b->SetName("ALPHA"), EComponentError);
    EXPECT_EQ(b->GetName(), "Beta");
    EXPECT_THROW(owner.GetComponent(2), EListError);
    delete a;  // a freed component leaves its owner's list
    EXPECT_EQ(owner.GetComponentCount(), 1);
    EXPECT_EQ(b->GetComponentIndex(), 0);
}

TEST(Components, OwnedAndFreeNotifiedComponentsHearOfInsertAndRemove) {
    std::vector<std::string> log;
    Probe owner(nullptr, &log, "Owner");
    new Probe(&owner, &log, "A");
    log.clear();
    auto* b = new Probe(&owner, &log, "");
    b->SetName("B");
    EXPECT_EQ(log, (std::vector<std::string>{"Owner +", "A +"}));

    Probe watcher(nullptr, &log, "Watcher");
    auto* watched = new Probe(nullptr, &log, "Watched");
    watcher.FreeNotification(watched);
    log.clear();
    delete watched;
    EXPECT_EQ(log, (std::vector<std::string>{"free Watched", "Watcher -Watched"}));
}

TEST(Components, AssignWithoutSupportRaisesCannotAssign) {
    TComponent a(nullptr), b(nullptr);
    try {
        a.Assign(&b);
        FAIL();
    } catch (const EAssignError& e) {
        EXPECT_EQ(e.GetMessage(), "Cannot assign a TComponent to a TComponent");
    }
}

}  // namespace
