#include "app/download/httpprogress.h"

#include <algorithm>

#include "platform/controls/ExtCtrls.h"
#include "skin/engine/KsSkinProgressBar.h"

TfHttpProgress* fHttpProgress = nullptr;

namespace {
const char* const kWaitText = "Download in progress, please wait...";
// Where "Done." stands at the least, and the room kept clear around it.
constexpr int kDoneLeft = 200, kDoneGap = 6, kRightMargin = 8;
}

TfHttpProgress::TfHttpProgress(TComponent* AOwner)
    : TFramedDialog(AOwner, "fHttpProgress", "Transfer...", 257, 115, poMainFormCenter) {
    SeSkinForm1->SetCaption("Transfer...");
    SeSkinProgressBar1 = Put(new TSeSkinProgressBar(this), "SeSkinProgressBar1", 16, 56, 225, 16);
    SeSkinProgressBar1->SetSmooth(false);
    SeSkinLabel1 = PutLabel("SeSkinLabel1", kWaitText, 24, 16);
    SeSkinButton1 = PutButton("SeSkinButton1", "OK", 91, 82, TNotifyEvent(this, &TfHttpProgress::SeSkinButton1Click));
    SeSkinButton1->SetEnabled(false);
    SeSkinLabel2 = PutLabel("SeSkinLabel2", "Done.", kDoneLeft, 16);
    SeSkinLabel2->SetVisible(false);
    SeSkinLabel3 = PutLabel("SeSkinLabel3", ConnectionHint, 16, 32);
    SeSkinLabel3->SetVisible(false);
    TransferTimer = new TTimer(this);
    TransferTimer->SetName("TransferTimer");
    TransferTimer->SetEnabled(false);
    SeSkinForm1Create(SeSkinForm1);
    OnActivate = TNotifyEvent(this, &TfHttpProgress::FormActivate);
    OnCloseQuery = TCloseQueryEvent(this, &TfHttpProgress::FormCloseQuery);
}

void TfHttpProgress::SeSkinForm1Create(TObject*) {
    SeSkinProgressBar1->SetMin(0);
    SeSkinProgressBar1->SetMax(99);
}

// Only the activation that follows a command sends the request; a later
// one (the dialog refocused) must not send it again.
void TfHttpProgress::FormActivate(TObject*) {
    if (!Start) return;
    Start = false;
    if (OnTransfer) OnTransfer(this);
}

void TfHttpProgress::ShowStatus(const AnsiString& Text, int Left) {
    SeSkinLabel1->SetCaption(Text);
    SeSkinLabel1->SetLeft(GetFrameInsets().Left + Left);
    SeSkinLabel1->SetVisible(true);
    PlaceDone();
}

// The status text's width depends on its font, so "Done." is placed after
// it rather than at a fixed spot: on its line when there is room, else on
// the next line after what arrived (which stands where the connection hint
// does, never shown with it).
void TfHttpProgress::PlaceDone() {
    const TRect insets = GetFrameInsets();
    const int right = GetClientWidth() - insets.Right - kRightMargin;
    const int statusRight = SeSkinLabel1->GetLeft() + SeSkinLabel1->GetWidth();
    int left = std::max(insets.Left + kDoneLeft, statusRight + kDoneGap);
    int top = SeSkinLabel1->GetTop();
    if (left + SeSkinLabel2->GetWidth() > right) {
        left = SeSkinLabel3->GetLeft() + (SeSkinLabel3->GetVisible() ? SeSkinLabel3->GetWidth() + kDoneGap : 0);
        top = SeSkinLabel3->GetTop();
    }
    SeSkinLabel2->SetBounds(left, top, SeSkinLabel2->GetWidth(), SeSkinLabel2->GetHeight());
}

void TfHttpProgress::ShowDone(const AnsiString& Arrived) {
    SeSkinProgressBar1->SetPosition(SeSkinProgressBar1->GetMax());
    SeSkinButton1->SetEnabled(true);
    SeSkinLabel3->SetCaption(Arrived);
    SeSkinLabel3->SetVisible(true);
    PlaceDone();
    SeSkinLabel2->SetVisible(true);
}

void TfHttpProgress::ShowFailure(const AnsiString& Caption, const AnsiString& Text, const AnsiString& Hint) {
    SetCaption(Caption);
    ShowStatus(Text, 16);
    SeSkinLabel2->SetVisible(false);
    SeSkinLabel3->SetCaption(Hint);
    SeSkinLabel3->SetVisible(!Hint.IsEmpty());
    SeSkinButton1->SetEnabled(true);
}

// While the transfer runs, its waits handle the messages: a close there
// cannot wait for the modal loop, which only looks once the transfer ends.
void TfHttpProgress::Dispatch(TMessage& Message) {
    const bool running = !SeSkinButton1->GetEnabled();
    if (Message.Msg == CM_DIALOGKEY && Message.WParam == VK_ESCAPE) {
        Message.Result = 1;
        if (running) {
            if (OnCancelTransfer) OnCancelTransfer(this);
        } else {
            SeSkinButton1Click(this);
        }
        return;
    }
    if (Message.Msg == WM_CLOSE && running) {
        if (OnCancelTransfer) OnCancelTransfer(this);
        return;
    }
    TFramedDialog::Dispatch(Message);
}

void TfHttpProgress::ResetLook() {
    SetCaption("Transfer...");
    ShowStatus(kWaitText, 24);
    SeSkinLabel2->SetVisible(false);
    SeSkinLabel3->SetVisible(false);
    SeSkinProgressBar1->SetPosition(SeSkinProgressBar1->GetMin());
}

void TfHttpProgress::SeSkinButton1Click(TObject*) {
    ResetLook();
    CloseWith(mrOk);
}

// Only an ended transfer's dialog closes, ready for the next one.
void TfHttpProgress::FormCloseQuery(TObject*, bool& CanClose) {
    CanClose = SeSkinButton1->GetEnabled();
    if (CanClose) ResetLook();
}
