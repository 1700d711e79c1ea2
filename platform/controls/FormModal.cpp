// Modal forms: ShowModal's own message loop, ended by ModalResult, and the
// automation answers that stand in for the user when nobody is there.
#include "platform/controls/Forms.h"
#include "platform/host/HostCall.h"

void TCustomForm::DescribeForAutomation(TAutomationRequest& Request) {
    Request.Kind = "ModalForm";
    Request.Caption = GetCaption();
    Request.Text = ClassName();
    Request.Subject = this;
}

void TCustomForm::TakeAutomationResult(int Result) {
    if (Result != mrNone) modalResult_ = Result;
}

TModalResult TCustomForm::ShowModal() {
    if (GetVisible() || !GetEnabled() || modal_) throw EInvalidOperation("Cannot make a visible window modal");
    SetCaptureControl(nullptr);
    AfterConstruction();
    TAutomationRequest request;
    DescribeForAutomation(request);
    // Headless with no answer waiting: fail now, naming the form, rather than hang.
    const bool answered = PendingAutomationAnswers(request.Kind) > 0;
    if (!answered && HeadlessHost()) RunAutomationAnswer(request);  // logs it and raises

    std::weak_ptr<char> alive = AliveToken();
    modal_ = true;
    modalResult_ = mrNone;
    Screen->PushModal(this);
    auto endModal = [&] {
        if (alive.expired()) return;
        modal_ = false;
        Screen->PopModal(this);
        if (GetVisible()) Hide();
    };
    try {
        Show();
        RunModalLoop(answered ? &request : nullptr);
    } catch (...) {
        endModal();
        throw;
    }
    endModal();
    return alive.expired() ? mrCancel : modalResult_;
}

void TCustomForm::RunModalLoop(TAutomationRequest* Request) {
    std::weak_ptr<char> alive = AliveToken();
    auto answer = [&] {
        RunAutomationAnswer(*Request);
        if (!alive.expired() && Request->Result != 0) TakeAutomationResult(Request->Result);
    };
    if (Request) answer();
    while (!alive.expired()) {
        if (modalResult_ == mrNone) {
            if (HeadlessHost()) {
                Application->ProcessMessages();
                if (alive.expired() || modalResult_ != mrNone) continue;
                // Nobody else can end this loop: another answer must, or the test is wrong.
                if (!Request || PendingAutomationAnswers(Request->Kind) == 0)
                    throw EAutomationError("The form \"" + GetCaption() + "\" (" + ClassName() +
                                           ") is still open after its answer, and no other answer is queued");
                answer();
            } else {
                Application->HandleMessage();
            }
            if (Application->GetTerminated()) modalResult_ = mrCancel;
        }
        if (!alive.expired() && modalResult_ != mrNone) {
            CloseModal();
            if (!alive.expired() && modalResult_ != mrNone) return;
        }
    }
}

// OnCloseQuery may refuse (the form stays, ModalResult back to mrNone);
// OnClose may ask to free the form afterwards.
void TCustomForm::CloseModal() {
    TCloseAction action = caNone;
    if (CloseQuery()) {
        action = caHide;
        DoClose(action);
    }
    if (action == caNone) modalResult_ = mrNone;
    else if (action == caFree) Release();
}
