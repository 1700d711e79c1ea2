#pragma once
// The progress dialog of a quote transfer. The command sets URL and the
// start flag, binds the transfer's handlers and shows it modally; activation
// runs OnTransfer (which sends the requests), the requests' packets move the
// bar, and the end of the transfer shows "Done." with what arrived, or a
// failure text, and enables OK, which resets the dialog and closes it. While
// the transfer runs, Escape and the window's close button run
// OnCancelTransfer. The dialog only shows the transfer: the download module
// owns it (app/quotesdownload.h).

#include "app/dialogs/framedialog.h"

class TSeSkinProgressBar;
class TTimer;

class TfHttpProgress : public TFramedDialog {
public:
    explicit TfHttpProgress(TComponent* AOwner);

    TSeSkinProgressBar* SeSkinProgressBar1;
    TSeSkinLabel* SeSkinLabel1;
    TSeSkinButton* SeSkinButton1;
    TSeSkinLabel* SeSkinLabel2;
    TSeSkinLabel* SeSkinLabel3;
    // Armed by the transfer with the time it may take; its handler is the
    // transfer's.
    TTimer* TransferTimer;

    AnsiString URL;      // the first page's request
    bool Start = false;  // the next activation sends it
    // Sends URL and whatever follows it; runs inside the activation.
    TNotifyEvent OnTransfer;
    // Stops the running transfer at the user's word.
    TNotifyEvent OnCancelTransfer;

    void SeSkinForm1Create(TObject* Sender);
    void FormActivate(TObject* Sender);
    void SeSkinButton1Click(TObject* Sender);
    void FormCloseQuery(TObject* Sender, bool& CanClose);

    // The first label's text, at Left in layout coordinates.
    void ShowStatus(const AnsiString& Text, int Left);
    // The end of a transfer: OK enabled, "Done." and under it Arrived, what
    // the transfer brought.
    void ShowDone(const AnsiString& Arrived);
    // A failed transfer: its caption, what happened and, under it, Hint
    // (nothing when empty).
    void ShowFailure(const AnsiString& Caption, const AnsiString& Text, const AnsiString& Hint);
    static constexpr const char* ConnectionHint = "Make sure you are connected to the Internet.";

protected:
    // Escape answers as OK does, and only once OK is enabled.
    void Dispatch(TMessage& Message) override;

private:
    // "Done." beside the status text, never over it.
    void PlaceDone();
    // The look of a dialog about to start a transfer.
    void ResetLook();
};

extern TfHttpProgress* fHttpProgress;
