#include "ControlProbes.h"

namespace {

class Modal : public PlatformTest {};
using Log = std::vector<std::string>;

// A button of a dialog: sets the form's ModalResult when clicked.
class TResultButton : public TSwatch {
public:
    TResultButton(TCustomForm* Form, TModalResult Result) : TSwatch(Form), form_(Form), result_(Result) {}

protected:
    void Click() override {
        TSwatch::Click();
        form_->SetModalResult(result_);
    }

private:
    TCustomForm* form_;
    TModalResult result_;
};

TEST_F(Modal, ScriptClicksTheDialogsButtonAndShowModalReturnsItsResult) {
    Log log;
    auto* dialog = new TForm(Application);
    dialog->SetCaption("Indicator parameters");
    auto* ok = Place(new TResultButton(dialog, mrOk), dialog, 10, 10, 75, 23);
    dialog->OnShow = [&](TObject*) { log.push_back("show"); };
    dialog->OnHide = [&](TObject*) { log.push_back("hide"); };
    AnswerNextModalForm([&](TCustomForm* f) {
        log.push_back(std::string("script, visible ") + (f->GetVisible() ? "yes" : "no") + ", modal " +
                      (f->GetModal() ? "yes" : "no"));
        MouseClick(ok, 5, 5);
    });
    EXPECT_EQ(dialog->ShowModal(), mrOk);
    EXPECT_EQ(log, (Log{"show", "script, visible yes, modal yes", "hide"}));
    EXPECT_FALSE(dialog->GetModal());
    ASSERT_EQ(AutomationLog().size(), 1u);
    EXPECT_EQ(AutomationLog()[0].Kind, "ModalForm");
    EXPECT_EQ(AutomationLog()[0].Caption, "Indicator parameters");

    // Shown again later, the same form starts with no result.
    AnswerNextModalForm([](TCustomForm* f) { f->SetModalResult(mrRetry); });
    EXPECT_EQ(dialog->ShowModal(), mrRetry);
    QueueAutomationAnswer("ModalForm", [](TAutomationRequest& r) { r.Result = mrIgnore; });
    EXPECT_EQ(dialog->ShowModal(), mrIgnore);
}

TEST_F(Modal, ClosingTheModalWindowGivesCancel) {
    auto* dialog = new TForm(Application);
    AnswerNextModalForm([](TCustomForm* f) { CloseWindow(f); });
    EXPECT_EQ(dialog->ShowModal(), mrCancel);
    AnswerNextModalForm([](TCustomForm* f) { f->Close(); });
    EXPECT_EQ(dialog->ShowModal(), mrCancel);
}

TEST_F(Modal, OnCloseQueryKeepsTheModalFormOpenUntilItAgrees) {
    auto* dialog = new TForm(Application);
    int queries = 0;
    dialog->OnCloseQuery = [&](TObject*, bool& canClose) { canClose = ++queries >= 2; };
    AnswerNextModalForm([](TCustomForm* f) { f->SetModalResult(mrOk); });
    AnswerNextModalForm([](TCustomForm* f) {
        EXPECT_TRUE(f->GetVisible());
        EXPECT_EQ(f->GetModalResult(), mrNone) << "a refused close clears the result";
        f->SetModalResult(mrYes);
    });
    EXPECT_EQ(dialog->ShowModal(), mrYes);
    EXPECT_EQ(queries, 2);

    // With nothing left to answer, a form that stays open is an error, not a hang.
    queries = 0;
    AnswerNextModalForm([](TCustomForm* f) { f->SetModalResult(mrOk); });
    try {
        dialog->ShowModal();
        FAIL() << "expected EAutomationError";
    } catch (EAutomationError& e) {
        EXPECT_NE(e.GetMessage().Pos("still open"), 0) << e.GetMessage().c_str();
    }
    EXPECT_FALSE(dialog->GetVisible());
    EXPECT_EQ(Screen->ModalForm(), nullptr);
}

TEST_F(Modal, ShowModalRefusesVisibleForms) {
    TForm* form = ShownForm();
    EXPECT_THROW(form->ShowModal(), EInvalidOperation);
}

TEST_F(Modal, MessageBoxAnswerIsItsResultAndItsTextIsLogged) {
    Application->SetTitle("Velmora");
    AnswerNextMessageBox(IDNO);
    EXPECT_EQ(Application->MessageBox("Do you want to save the changes?", "", MB_YESNOCANCEL | MB_ICONQUESTION),
              IDNO);
    ASSERT_EQ(AutomationLog().size(), 1u);
    EXPECT_EQ(AutomationLog()[0].Kind, "MessageBox");
    EXPECT_EQ(AutomationLog()[0].Caption, "Velmora");
    EXPECT_EQ(AutomationLog()[0].Text, "Do you want to save the changes?");

    AnswerNextMessageBox(IDYES);
    EXPECT_THROW(Application->MessageBox("Done.", "Download", MB_OK), EAutomationError)
        << "an answer that is not one of the box's buttons";
}

TEST_F(Modal, OnMessageBoxShowsTheApplicationsBoxesInsteadOfThePlainOne) {
    Application->SetTitle("Velmora");
    std::vector<std::string> shown;
    Application->OnMessageBox = [&](const AnsiString& Text, const AnsiString& Caption, unsigned Flags) {
        shown.push_back(Caption.str() + ": " + Text.str() + " " + std::to_string(Flags));
        return IDNO;
    };
    EXPECT_EQ(Application->MessageBox("Save the changes?", "", MB_YESNO | MB_ICONQUESTION), IDNO);
    Exception failure("Cannot open file");
    Application->ShowException(&failure);
    Application->SetHelpFile("");
    EXPECT_FALSE(Application->HelpCommand(HELP_FINDER, 0));
    EXPECT_EQ(shown, (std::vector<std::string>{"Velmora: Save the changes? 36", "Velmora: Cannot open file. 16",
                                               "Velmora: No help file has been set. 16"}));
    EXPECT_TRUE(AutomationLog().empty()) << "no plain box was shown";

    Application->OnMessageBox = nullptr;
    AnswerNextMessageBox(IDOK);
    EXPECT_EQ(Application->MessageBox("Done.", "Download", MB_OK), IDOK);
    EXPECT_EQ(AutomationLog().size(), 1u);
}

// Answers the next message box by keys or clicks on the box itself.
int AnswerByInput(unsigned flags, const std::function<void(TCustomForm*)>& input) {
    QueueAutomationAnswer("MessageBox", [input](TAutomationRequest& r) {
        input(dynamic_cast<TCustomForm*>(r.Subject));
    });
    return Application->MessageBox("Replace the file?", "Save", flags);
}

TEST_F(Modal, MessageBoxKeysAndButtons) {
    EXPECT_EQ(AnswerByInput(MB_YESNO, [](TCustomForm* box) { PressKey(box, VK_RETURN); }), IDYES);
    EXPECT_EQ(AnswerByInput(MB_YESNO | MB_DEFBUTTON2, [](TCustomForm* box) { PressKey(box, VK_RETURN); }), IDNO);
    EXPECT_EQ(AnswerByInput(MB_YESNOCANCEL, [](TCustomForm* box) {
                  PressKey(box, VK_TAB);
                  PressKey(box, VK_TAB);
                  PressKey(box, VK_SPACE);
              }),
              IDCANCEL);
    EXPECT_EQ(AnswerByInput(MB_OKCANCEL, [](TCustomForm* box) { PressKey(box, VK_ESCAPE); }), IDCANCEL);
    EXPECT_EQ(AnswerByInput(MB_OK, [](TCustomForm* box) { PressKey(box, VK_ESCAPE); }), IDOK);
    EXPECT_EQ(AnswerByInput(MB_OK, [](TCustomForm* box) { CloseWindow(box); }), IDOK);

    // Yes and No must be answered: Escape and the close button do nothing.
    EXPECT_EQ(AnswerByInput(MB_YESNO, [](TCustomForm* box) {
                  PressKey(box, VK_ESCAPE);
                  CloseWindow(box);
                  EXPECT_TRUE(box->GetVisible());
                  // A click on the second button (right of the first).
                  TControl* no = box->GetControls(1);
                  MouseClick(no, no->GetWidth() / 2, no->GetHeight() / 2);
              }),
              IDNO);
}

TEST_F(Modal, MessageBoxIsLaidOutForItsTextAndButtons) {
    QueueAutomationAnswer("MessageBox", [](TAutomationRequest& r) {
        auto* box = dynamic_cast<TCustomForm*>(r.Subject);
        ASSERT_EQ(box->GetControlCount(), 3);
        int right = 0;
        for (int i = 0; i < 3; ++i) {
            TControl* b = box->GetControls(i);
            EXPECT_GT(b->GetLeft(), right);
            right = b->GetBoundsRect().Right;
            EXPECT_LE(b->GetBoundsRect().Bottom, box->GetClientHeight());
        }
        EXPECT_LT(right, box->GetClientWidth());
        EXPECT_EQ(box->GetControls(2)->GetCaption(), "Cancel");
        box->Repaint();
        r.Result = IDCANCEL;
    });
    Application->MessageBox("First line\nA second, much longer line of the message", "Velmora",
                            MB_YESNOCANCEL | MB_ICONWARNING);
}

TEST_F(Modal, ForgottenAnswersFailFastNamingWhatWasShown) {
    auto* dialog = new TForm(Application);
    dialog->SetCaption("About Velmora");
    try {
        dialog->ShowModal();
        FAIL() << "expected EAutomationError";
    } catch (EAutomationError& e) {
        EXPECT_NE(e.GetMessage().Pos("About Velmora"), 0) << e.GetMessage().c_str();
    }
    EXPECT_FALSE(dialog->GetVisible());

    try {
        Application->MessageBox("There are not enough quotes to calculate the RSI.", "Information", MB_OK);
        FAIL() << "expected EAutomationError";
    } catch (EAutomationError& e) {
        EXPECT_NE(e.GetMessage().Pos("not enough quotes"), 0) << e.GetMessage().c_str();
    }

    // From inside an event handler the failure still reaches the test.
    TForm* main = ShownForm();
    main->OnClick = [](TObject*) { Application->MessageBox("Unsaved changes", "Velmora", MB_YESNO); };
    EXPECT_THROW(MouseClick(main, 5, 5), EAutomationError);
}

TEST_F(Modal, ExceptionFromAHandlerIsShownByTheDefaultHandlerAndTheProgramGoesOn) {
    Application->SetTitle("Velmora");
    TForm* main = ShownForm();
    int clicks = 0;
    main->OnClick = [&](TObject*) {
        if (++clicks == 1) throw EInOutError("Cannot open file \"C:\\q\\xyz.zrq\"");
        if (clicks == 3) throw EConvertError("'abc' is not a valid integer value");
    };
    AnswerNextMessageBox(IDOK);
    MouseClick(main, 5, 5);
    ASSERT_EQ(AutomationLog().size(), 1u);
    // A period is added only after a letter or digit, as the class library does.
    EXPECT_EQ(AutomationLog()[0].Text.str(), "Cannot open file \"C:\\q\\xyz.zrq\"");
    EXPECT_EQ(AutomationLog()[0].Caption, "Velmora");
    MouseClick(main, 5, 5);
    EXPECT_EQ(clicks, 2);
    AnswerNextMessageBox(IDOK);
    MouseClick(main, 5, 5);
    EXPECT_EQ(AutomationLog().back().Text.str(), "'abc' is not a valid integer value.");

    // EAbort is silent; OnException replaces the box.
    main->OnClick = [](TObject*) { throw EAbort("Operation aborted"); };
    MouseClick(main, 5, 5);
    std::vector<std::string> seen;
    Application->OnException = [&](TObject* sender, Exception* e) {
        seen.push_back(e->GetMessage().str() + (sender == main ? " from main" : ""));
    };
    main->OnClick = [](TObject*) { throw std::runtime_error("plain failure"); };
    MouseClick(main, 5, 5);
    Application->OnException = nullptr;
    EXPECT_EQ(seen, std::vector<std::string>{"plain failure from main"});
    EXPECT_EQ(AutomationLog().size(), 2u);
}

TEST_F(Modal, ModalFormCanShowAMessageBoxOfItsOwn) {
    auto* dialog = new TForm(Application);
    AnswerNextModalForm([](TCustomForm* f) {
        EXPECT_EQ(Screen->ModalForm(), f);
        if (Application->MessageBox("Dates are in the wrong order.", "Error", MB_OKCANCEL) == IDOK)
            f->SetModalResult(mrAbort);
        EXPECT_EQ(Screen->GetActiveForm(), f);
    });
    AnswerNextMessageBox(IDOK);
    EXPECT_EQ(dialog->ShowModal(), mrAbort);
    EXPECT_EQ(AutomationLog().size(), 2u);
}

}  // namespace
