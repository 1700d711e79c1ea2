#include "ControlProbes.h"
#include "platform/controls/ExtCtrls.h"
#include "platform/testing/TestClock.h"
#include "platform/testing/TestInput.h"

namespace {

class Forms : public PlatformTest {};
using Log = std::vector<std::string>;

// A form that builds a control in its constructor and binds its own handlers,
// as the program's forms do.
class TRecordingForm : public TForm {
public:
    explicit TRecordingForm(TComponent* Owner) : TForm(Owner) {
        Probe = Place(new TPaintProbe(this), this, 0, 0, 10, 10);
        OnCreate = TNotifyEvent(this, &TRecordingForm::FormCreate);
        OnDestroy = TNotifyEvent(this, &TRecordingForm::FormDestroy);
    }
    void FormCreate(TObject*) {
        Events().push_back("create, probe " + std::string(Probe ? "made" : "missing") + ", global " +
                           (Global() == this ? "set" : "unset"));
    }
    void FormDestroy(TObject*) { Events().push_back("destroy " + std::to_string(Probe->GetWidth())); }
    static Log& Events() {
        static Log log;
        return log;
    }
    static TRecordingForm*& Global() {
        static TRecordingForm* global = nullptr;
        return global;
    }
    TPaintProbe* Probe = nullptr;
};

void RecordShowing(TCustomForm* f, const std::string& name, Log& log) {
    f->OnShow = [&log, name](TObject*) { log.push_back("show " + name); };
    f->OnHide = [&log, name](TObject*) { log.push_back("hide " + name); };
    f->OnActivate = [&log, name](TObject*) { log.push_back("activate " + name); };
    f->OnDeactivate = [&log, name](TObject*) { log.push_back("deactivate " + name); };
}

TEST_F(Forms, CreateFormSetsThePointerBeforeOnCreateAndTheFirstIsTheMainForm) {
    TRecordingForm::Events().clear();
    Application->CreateForm<TRecordingForm>(&TRecordingForm::Global());
    TRecordingForm* second = nullptr;
    Application->CreateForm<TRecordingForm>(&second);
    EXPECT_EQ(Application->GetMainForm(), TRecordingForm::Global());
    EXPECT_EQ(second->GetOwner(), Application);
    EXPECT_EQ(TRecordingForm::Events(),
              (Log{"create, probe made, global set", "create, probe made, global unset"}));

    // Freed by its owner, a form still fires OnDestroy with its controls alive.
    TRecordingForm::Events().clear();
    delete Application->GetMainForm();
    EXPECT_EQ(Application->GetMainForm(), nullptr);
    EXPECT_EQ(TRecordingForm::Events(), Log{}) << "a plain delete cannot reach OnDestroy";
    auto* owner = new TComponent(nullptr);
    TRecordingForm::Create<TRecordingForm>(owner);
    TRecordingForm::Create<TRecordingForm>(owner);
    TRecordingForm::Events().clear();
    delete owner;
    EXPECT_EQ(TRecordingForm::Events(), (Log{"destroy 10", "destroy 10"}));
    TRecordingForm::Events().clear();
    second->Free();
    EXPECT_EQ(TRecordingForm::Events(), Log{"destroy 10"});
    TRecordingForm::Global() = nullptr;
}

TEST_F(Forms, FormMadeByPlainNewRunsOnCreateWhenFirstShown) {
    TRecordingForm::Events().clear();
    auto* form = new TRecordingForm(Application);
    EXPECT_TRUE(TRecordingForm::Events().empty());
    form->Show();
    form->Hide();
    form->Show();
    EXPECT_EQ(TRecordingForm::Events(), Log{"create, probe made, global unset"});
}

TEST_F(Forms, ShowingAndHidingMoveTheActivation) {
    Log log;
    auto* main = new TForm(Application);
    auto* tool = new TForm(Application);
    RecordShowing(main, "main", log);
    RecordShowing(tool, "tool", log);
    main->Show();
    EXPECT_TRUE(main->GetActive());
    tool->Show();
    EXPECT_EQ(Screen->GetActiveForm(), tool);
    tool->Hide();
    EXPECT_EQ(Screen->GetActiveForm(), main);
    main->Hide();
    EXPECT_EQ(Screen->GetActiveForm(), nullptr);
    EXPECT_EQ(log, (Log{"show main", "activate main", "show tool", "deactivate main", "activate tool", "hide tool",
                        "deactivate tool", "activate main", "hide main", "deactivate main"}));
}

TEST_F(Forms, CloseAsksOnCloseQueryThenDoesWhatOnCloseSays) {
    Log log;
    auto* form = new TForm(Application);
    bool allow = false;
    TCloseAction action = caHide;
    form->OnCloseQuery = [&](TObject*, bool& canClose) {
        log.push_back("query");
        canClose = allow;
    };
    form->OnClose = [&](TObject*, TCloseAction& a) {
        log.push_back("close");
        EXPECT_EQ(a, caHide);
        a = action;
    };
    form->Show();
    form->Close();
    EXPECT_TRUE(form->GetVisible()) << "refused";
    allow = true;
    action = caNone;
    CloseWindow(form);  // the window's close button
    EXPECT_TRUE(form->GetVisible());
    action = caHide;
    form->Close();
    EXPECT_FALSE(form->GetVisible());
    EXPECT_EQ(log, (Log{"query", "query", "close", "query", "close"}));

    bool freed = false;
    struct Watch : TComponent {
        bool* freed;
        Watch(bool* f) : TComponent(nullptr), freed(f) {}
        void Notification(TComponent*, TOperation op) override {
            if (op == opRemove) *freed = true;
        }
    } watch(&freed);
    form->FreeNotification(&watch);
    form->Show();
    action = caFree;
    form->Close();
    EXPECT_FALSE(freed) << "freed only after the current event";
    Application->ProcessMessages();
    EXPECT_TRUE(freed);
}

// In real time: the host wakes the waiting loop for the timer.
TEST_F(Forms, ClosingTheMainFormEndsTheMessageLoop) {
    RunClock();
    TForm* main = nullptr;
    Application->CreateForm<TForm>(&main);
    auto* timer = new TTimer(main);
    timer->SetInterval(5);
    timer->OnTimer = [&](TObject*) { main->Close(); };
    Application->Run();
    EXPECT_TRUE(Application->GetTerminated());
    EXPECT_TRUE(main->GetVisible()) << "Run showed the main form";
}

TEST_F(Forms, CentredFormsArePlacedOnEachShow) {
    TForm* main = nullptr;
    Application->CreateForm<TForm>(&main);
    main->SetBounds(100, 50, 400, 300);
    main->Show();
    auto* dialog = new TForm(main);
    dialog->SetBounds(0, 0, 200, 100);
    dialog->SetPosition(poOwnerFormCenter);
    dialog->Show();
    EXPECT_EQ(dialog->GetBoundsRect(), Bounds(200, 150, 200, 100));
    dialog->Hide();
    main->SetLeft(300);
    dialog->Show();
    EXPECT_EQ(dialog->GetLeft(), 400);
    dialog->Hide();

    dialog->SetPosition(poScreenCenter);
    dialog->Show();
    EXPECT_EQ(dialog->GetLeft(), (Screen->GetWidth() - 200) / 2);
    EXPECT_EQ(dialog->GetTop(), (Screen->GetHeight() - 100) / 2);
    dialog->Hide();

    dialog->SetPosition(poDesigned);
    dialog->SetBounds(7, 8, 200, 100);
    dialog->Show();
    EXPECT_EQ(dialog->GetBoundsRect(), Bounds(7, 8, 200, 100));
}

TEST_F(Forms, CaptionAndBorderReachTheWindow) {
    auto* form = new TForm(Application);
    form->SetCaption("Velmora");
    form->SetBorderStyle(bsDialog);
    form->SetClientWidth(787);
    form->SetClientHeight(536);
    form->Show();
    EXPECT_EQ(form->GetClientWidth(), 787);
    EXPECT_EQ(form->GetClientRect(), Rect(0, 0, 787, 536));
    EXPECT_EQ(form->GetCaption(), "Velmora");
}

TEST_F(Forms, AlignedControlsKeepClearOfADrawnFrameAndWaitWhenThereIsNoRoom) {
    auto* form = new TForm(Application);
    form->SetBounds(100, 100, 300, 200);
    form->SetHostFrame(false);
    form->SetFrameInsets(Rect(4, 26, 4, 4));
    auto* bottom = new TPaintProbe(form);
    bottom->SetHeight(20);
    bottom->SetAlign(alBottom);
    bottom->SetParent(form);
    auto* client = new TPaintProbe(form);
    client->SetAlign(alClient);
    client->SetParent(form);
    form->Show();
    EXPECT_EQ(bottom->GetBoundsRect(), Rect(4, 176, 296, 196));
    EXPECT_EQ(client->GetBoundsRect(), Rect(4, 26, 296, 176));

    // Shrunk to the top of its frame, the form has no client area: the
    // controls stay below, where the window no longer reaches, rather than
    // climbing over the frame.
    form->SetHeight(26);
    EXPECT_EQ(bottom->GetBoundsRect(), Rect(4, 176, 296, 196));
    EXPECT_EQ(client->GetBoundsRect(), Rect(4, 26, 296, 176));
    form->SetWidth(340);
    form->SetHeight(30);  // the frame exactly, still no room
    EXPECT_GE(bottom->GetTop(), form->GetClientHeight());
    // Grown again, they are laid out for the size it has now.
    form->SetHeight(200);
    EXPECT_EQ(bottom->GetBoundsRect(), Rect(4, 176, 336, 196));
    EXPECT_EQ(client->GetBoundsRect(), Rect(4, 26, 336, 176));
}

}  // namespace
