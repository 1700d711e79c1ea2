#pragma once
// The download dialog: the symbol and the date range of a quote download.
// The download command shows it modally; Download Quotes checks the entries,
// sets the request on the main window and runs the transfer in the progress
// dialog, then closes this one. The lists keep their choices between uses.

#include "app/dialogs/framedialog.h"

class TSeSkinComboBox;
class TSeSkinMessage;

class TfDlQuotes : public TFramedDialog {
public:
    explicit TfDlQuotes(TComponent* AOwner);

    TSeSkinLabel* Label1;
    TSeSkinLabel* Label2;
    TSeSkinLabel* Label3;
    TSeSkinComboBox* FromMonth;
    TSeSkinComboBox* ToMonth;
    TSeSkinComboBox* FromDay;
    TSeSkinComboBox* FromYear;
    TSeSkinComboBox* ToDay;
    TSeSkinComboBox* ToYear;
    TSeSkinButton* DlBtn;
    TSeSkinEdit* SymbEdit;
    TSeSkinButton* SeSkinButton1;
    TSeSkinMessage* SeSkinMessage1;

    void FormCreate(TObject* Sender);
    void DlBtnClick(TObject* Sender);
    void SeSkinButton1Click(TObject* Sender);

private:
    TSeSkinComboBox* PutList(const char* Name, int Left, int Top, int Width);
    void ShowError(const AnsiString& Text);
};

extern TfDlQuotes* fDlQuotes;
