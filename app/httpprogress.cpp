#include "app/httpprogress.h"

#include "app/quotesdownload.h"
#include "skin/engine/KsSkinProgressBar.h"

TfHttpProgress* fHttpProgress = nullptr;

namespace {
const char* const kWaitText = "Download in progress, please wait...";
}

TfHttpProgress::TfHttpProgress(TComponent* AOwner)
    : TFramedDialog(AOwner, "fHttpProgress", "Transfer...", 257, 115, poMainFormCenter) {
    SeSkinForm1->SetCaption("Transfer...");
    SeSkinProgressBar1 = Put(new TSeSkinProgressBar(this), "SeSkinProgressBar1", 16, 56, 225, 16);
    SeSkinProgressBar1->SetSmooth(false);
    SeSkinLabel1 = PutLabel("SeSkinLabel1", kWaitText, 24, 16);
    SeSkinButton1 = PutButton("SeSkinButton1", "OK", 91, 82, TNotifyEvent(this, &TfHttpProgress::SeSkinButton1Click));
    SeSkinButton1->SetEnabled(false);
    SeSkinLabel2 = PutLabel("SeSkinLabel2", "Done.", 200, 16);
    SeSkinLabel2->SetVisible(false);
    SeSkinLabel3 = PutLabel("SeSkinLabel3", "Make sure you are connected to the Internet.", 16, 32);
    SeSkinLabel3->SetVisible(false);
    SeSkinForm1Create(SeSkinForm1);
    OnActivate = TNotifyEvent(this, &TfHttpProgress::FormActivate);
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
    requestPages(URL);
}

void TfHttpProgress::ShowStatus(const AnsiString& Text, int Left) {
    SeSkinLabel1->SetCaption(Text);
    SeSkinLabel1->SetLeft(GetFrameInsets().Left + Left);
    SeSkinLabel1->SetVisible(true);
}

void TfHttpProgress::ShowDone() {
    SeSkinProgressBar1->SetPosition(SeSkinProgressBar1->GetMax());
    SeSkinButton1->SetEnabled(true);
    SeSkinLabel2->SetVisible(true);
}

void TfHttpProgress::ShowFailure(const AnsiString& Caption, const AnsiString& Text, bool ConnectionHint) {
    SetCaption(Caption);
    ShowStatus(Text, 16);
    SeSkinLabel2->SetVisible(false);
    SeSkinLabel3->SetVisible(ConnectionHint);
    SeSkinButton1->SetEnabled(true);
}

void TfHttpProgress::Dispatch(TMessage& Message) {
    if (Message.Msg == CM_DIALOGKEY && Message.WParam == VK_ESCAPE) {
        Message.Result = 1;
        if (SeSkinButton1->GetEnabled()) SeSkinButton1Click(this);
        return;
    }
    TFramedDialog::Dispatch(Message);
}

void TfHttpProgress::SeSkinButton1Click(TObject*) {
    SetCaption("Transfer...");
    ShowStatus(kWaitText, 24);
    SeSkinLabel2->SetVisible(false);
    SeSkinLabel3->SetVisible(false);
    SeSkinProgressBar1->SetPosition(SeSkinProgressBar1->GetMin());
    CloseWith(mrOk);
}
