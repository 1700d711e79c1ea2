#include <memory>

#include "ControlProbes.h"

namespace {

class Controls : public PlatformTest {};

// Sets a flag when freed.
template <class Base>
class TMortal : public Base {
public:
    TMortal(TComponent* Owner, bool* Freed) : Base(Owner), freed_(Freed) {}
    ~TMortal() override { *freed_ = true; }

private:
    bool* freed_;
};

TEST_F(Controls, ParentFreesWhatItParentsAndOwnersForgetIt) {
    auto* form = new TForm(nullptr);
    auto* otherOwner = new TComponent(nullptr);
    bool panelFreed = false, labelFreed = false, strangerFreed = false;
    auto* panel = Place(new TMortal<TPaintProbe>(form, &panelFreed), form, 0, 0, 100, 50);
    Place(new TMortal<TSwatch>(form, &labelFreed), panel, 1, 1, 10, 10);
    Place(new TMortal<TPaintProbe>(otherOwner, &strangerFreed), panel, 20, 1, 10, 10);
    ASSERT_EQ(form->GetComponentCount(), 2);
    ASSERT_EQ(otherOwner->GetComponentCount(), 1);

    delete panel;
    EXPECT_TRUE(panelFreed);
    EXPECT_TRUE(labelFreed);
    EXPECT_TRUE(strangerFreed) << "a parent frees its children whoever owns them";
    EXPECT_EQ(form->GetComponentCount(), 0);
    EXPECT_EQ(otherOwner->GetComponentCount(), 0);
    EXPECT_EQ(form->GetControlCount(), 0);

    bool ownedFreed = false;
    new TMortal<TSwatch>(form, &ownedFreed);  // owned, never parented
    delete form;
    EXPECT_TRUE(ownedFreed);
    delete otherOwner;
}

TEST_F(Controls, ReparentingMovesTheControlAndRefusesCycles) {
    auto* form = new TForm(Application);
    auto* a = Place(new TPaintProbe(form), form, 0, 0, 50, 50);
    auto* b = Place(new TPaintProbe(form), form, 60, 0, 50, 50);
    auto* inner = Place(new TPaintProbe(form), a, 5, 5, 10, 10);
    EXPECT_THROW(a->SetParent(inner), EInvalidOperation);
    EXPECT_THROW(a->SetParent(a), EInvalidOperation);
    EXPECT_EQ(a->GetParent(), form);

    inner->SetParent(b);
    EXPECT_EQ(a->GetControlCount(), 0);
    ASSERT_EQ(b->GetControlCount(), 1);
    EXPECT_EQ(b->GetControls(0), inner);
    EXPECT_THROW(b->GetControls(1), EListError);
    form->Show();
    EXPECT_EQ(inner->ClientToScreen({0, 0}), b->ClientToScreen({5, 5}));
    EXPECT_EQ(inner->ScreenToClient(b->ClientToScreen({7, 8})), TPoint(2, 3));
}

TEST_F(Controls, AlignPlacesTopBottomLeftRightThenClient) {
    auto* form = new TForm(Application);
    form->SetClientWidth(200);
    form->SetClientHeight(100);
    auto make = [&](TAlign align, int w, int h) {
        auto* c = Place(new TPaintProbe(form), form, 0, 50, w, h);
        c->SetAlign(align);
        return c;
    };
    auto* client = make(alClient, 1, 1);
    auto* right = make(alRight, 40, 1);
    auto* left = make(alLeft, 30, 1);
    auto* bottom = make(alBottom, 1, 10);
    auto* top = make(alTop, 1, 20);
    auto* swatch = Place(new TSwatch(form), form, 0, 0, 5, 5);
    swatch->SetAlign(alTop);  // graphic controls align too, by their Top

    EXPECT_EQ(swatch->GetBoundsRect(), Rect(0, 0, 200, 5));
    EXPECT_EQ(top->GetBoundsRect(), Rect(0, 5, 200, 25));
    EXPECT_EQ(bottom->GetBoundsRect(), Rect(0, 90, 200, 100));
    EXPECT_EQ(left->GetBoundsRect(), Rect(0, 25, 30, 90));
    EXPECT_EQ(right->GetBoundsRect(), Rect(160, 25, 200, 90));
    EXPECT_EQ(client->GetBoundsRect(), Rect(30, 25, 160, 90));

    top->Hide();
    EXPECT_EQ(left->GetBoundsRect(), Rect(0, 5, 30, 90));
    EXPECT_EQ(client->GetBoundsRect(), Rect(30, 5, 160, 90));
    top->Show();
    bottom->SetHeight(30);
    EXPECT_EQ(bottom->GetBoundsRect(), Rect(0, 70, 200, 100));
    EXPECT_EQ(client->GetBoundsRect(), Rect(30, 25, 160, 70));

    form->SetClientWidth(300);
    EXPECT_EQ(right->GetBoundsRect(), Rect(260, 25, 300, 70));
    EXPECT_EQ(client->GetBoundsRect(), Rect(30, 25, 260, 70));
}

TEST_F(Controls, AlignedControlsKeepTheirOrderAndWaitWhileAlignIsDisabled) {
    auto* form = new TForm(Application);
    form->SetClientWidth(100);
    form->SetClientHeight(100);
    auto* first = Place(new TPaintProbe(form), form, 0, 0, 10, 10);
    auto* second = Place(new TPaintProbe(form), form, 0, 50, 10, 10);
    second->SetAlign(alTop);
    first->SetAlign(alTop);
    EXPECT_EQ(first->GetTop(), 0);
    EXPECT_EQ(second->GetTop(), 10);
    // Moved above the other, a control takes the first place.
    second->SetTop(-1);
    EXPECT_EQ(second->GetTop(), 0);
    EXPECT_EQ(first->GetTop(), 10);

    form->DisableAlign();
    auto* late = Place(new TPaintProbe(form), form, 0, 90, 10, 5);
    late->SetAlign(alBottom);
    EXPECT_EQ(late->GetBoundsRect(), Rect(0, 90, 10, 95));
    form->EnableAlign();
    EXPECT_EQ(late->GetBoundsRect(), Rect(0, 95, 100, 100));
}

TEST_F(Controls, ChildrenFollowTheParentsFontAndColorUntilGivenTheirOwn) {
    auto* form = new TForm(Application);
    auto* child = Place(new TPaintProbe(form), form, 0, 0, 10, 10);
    EXPECT_EQ(child->GetColor(), clBtnFace);
    form->GetFont()->SetHeight(-14);
    form->SetColor(clTeal);
    EXPECT_EQ(child->GetFont()->GetHeight(), -14);
    EXPECT_EQ(child->GetColor(), clTeal);
    EXPECT_TRUE(child->GetParentFont());

    child->GetFont()->SetName("Tahoma");
    child->SetColor(clYellow);
    EXPECT_FALSE(child->GetParentFont());
    EXPECT_FALSE(child->GetParentColor());
    form->GetFont()->SetHeight(-20);
    form->SetColor(clNavy);
    EXPECT_EQ(child->GetFont()->GetHeight(), -14);
    EXPECT_EQ(child->GetColor(), clYellow);

    child->SetParentFont(true);
    child->SetParentColor(true);
    EXPECT_EQ(child->GetFont()->GetHeight(), -20);
    EXPECT_EQ(child->GetFont()->GetName(), form->GetFont()->GetName());
    EXPECT_EQ(child->GetColor(), clNavy);
}

TEST_F(Controls, CaptionFollowsTheNameUntilSetOtherwise) {
    auto* form = new TForm(Application);
    auto* button = new TPaintProbe(form);
    button->SetName("Button1");
    EXPECT_EQ(button->GetCaption(), "Button1");
    button->SetName("OkButton");
    EXPECT_EQ(button->GetCaption(), "OkButton");
    button->SetCaption("OK");
    button->SetName("Confirm");
    EXPECT_EQ(button->GetCaption(), "OK");
    EXPECT_EQ(button->GetText(), "OK");

    auto* quiet = new TPaintProbe(form);
    quiet->SetControlStyle(quiet->GetControlStyle() - TControlStyle{csSetCaption});
    quiet->SetName("Chart1");
    EXPECT_EQ(quiet->GetCaption(), "");
}

// Answers the skin messages the way a skinned control would.
class TSkinned : public TSwatch {
public:
    using TSwatch::TSwatch;
    std::vector<Cardinal> heard;
    LRESULT answer = 0;
    void WndProc(TMessage& Message) override {
        if (Message.Msg >= 1700 && Message.Msg < 2200) {
            heard.push_back(Message.Msg);
            Message.Result = answer;
            return;
        }
        TSwatch::WndProc(Message);
    }
};

TEST_F(Controls, NumberedMessagesGoThroughWindowProcAndHooks) {
    auto* form = new TForm(Application);
    auto* skinned = Place(new TSkinned(form), form, 0, 0, 10, 10);
    skinned->answer = 7;
    EXPECT_EQ(skinned->Perform(2122, 0, 0), 7);

    // A hook sees every message first and passes on what it does not take.
    std::vector<Cardinal> hooked;
    TWndMethod original = skinned->WindowProc;
    skinned->WindowProc = [&](TMessage& m) {
        hooked.push_back(m.Msg);
        if (m.Msg == 2121) return;
        original(m);
    };
    skinned->Perform(2121, 0, 0);
    skinned->Perform(1702, 1, 2);
    EXPECT_EQ(hooked, (std::vector<Cardinal>{2121, 1702}));
    EXPECT_EQ(skinned->heard, (std::vector<Cardinal>{2122, 1702}));

    // Unknown numbers reach the default handler, which answers 0.
    auto* plain = Place(new TPaintProbe(form), form, 0, 0, 10, 10);
    EXPECT_EQ(plain->Perform(WM_USER + 5, 0, 0), 0);
}

TEST_F(Controls, BroadcastReachesEveryChildUntilOneAnswers) {
    auto* form = new TForm(Application);
    std::vector<TSkinned*> children;
    for (int i = 0; i < 3; ++i) children.push_back(Place(new TSkinned(form), form, i * 10, 0, 10, 10));
    auto* panel = Place(new TPaintProbe(form), form, 50, 0, 10, 10);
    auto* nested = Place(new TSkinned(form), panel, 0, 0, 5, 5);

    TMessage message{1703, 11, 12, 0};
    form->Broadcast(message);
    for (TSkinned* c : children) EXPECT_EQ(c->heard, std::vector<Cardinal>{1703});
    EXPECT_TRUE(nested->heard.empty()) << "Broadcast speaks to the direct children";
    panel->Broadcast(message);
    EXPECT_EQ(nested->heard, std::vector<Cardinal>{1703});

    children[1]->answer = 1;
    TMessage change{1702, 0, 0, 0};
    form->Broadcast(change);
    EXPECT_EQ(change.Result, 1);
    EXPECT_EQ(children[0]->heard.size(), 2u);
    EXPECT_EQ(children[1]->heard.size(), 2u);
    EXPECT_EQ(children[2]->heard.size(), 1u) << "stopped at the first answer";
}

TEST_F(Controls, ScreenListsTheFormsAndTellsItsSize) {
    auto* a = new TForm(Application);
    auto* b = new TForm(Application);
    ASSERT_EQ(Screen->GetFormCount(), 2);
    EXPECT_EQ(Screen->GetForms(0), a);
    EXPECT_EQ(Screen->GetForms(1), b);
    EXPECT_THROW(Screen->GetForms(2), EListError);
    delete a;
    EXPECT_EQ(Screen->GetFormCount(), 1);
    EXPECT_EQ(Screen->GetPixelsPerInch(), 96);
    EXPECT_GT(Screen->GetWidth(), 0);
    EXPECT_GT(Screen->GetHeight(), 0);
}

}  // namespace
