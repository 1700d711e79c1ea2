// The main window's Vazod Erurid commands (the document, its stocks, their
// advice and diagram) and the printing of the two grids.
#include "app/mainwindow/gridprint.h"
#include "app/mainwindow/savetarget.h"
#include "app/wizard/wizard.h"
#include "app/wizard/wizarddiagram.h"
#include "chart/control/Chart.h"
#include "app/mainwindow/zrmain.h"
#include "platform/host/Dialogs.h"
#include "platform/runtime/FileReplace.h"
#include "platform/runtime/FileUtils.h"
#include "skin/engine/KsSkinButtons.h"
#include "skin/engine/KsSkinGrids.h"
#include "skin/engine/KsSkinListBox.h"
#include "skin/engine/KsSkinMessage.h"
#include "skin/engine/KsSkinPages.h"
#include "skin/engine/KsSkinSpeedButton.h"

namespace {

// Both cases of the extensions: file names here are case-sensitive.
const char* const DocumentFilter = "Vazod Erurid Files (*.zrw)|*.ZRW;*.zrw";
const char* const QuoteFileFilter = "Stock Quote Files (*.zrq)|*.ZRQ;*.zrq";

void prepareDialog(TOpenDialog* Dialog, const char* Title, const char* Filter) {
    Dialog->SetTitle(Title);
    Dialog->SetFilter(Filter);
    Dialog->SetDefaultExt("");
}

}  // namespace

bool TOriginalForm1::QuerySaveDocument() {
    if (!Modified) return true;
    switch (SeSkinMessage1->MessageDlg("Do you want to save the changes in your Vazod Erurid document?",
                                       mtConfirmation, TMsgDlgButtons{mbYes, mbNo, mbCancel}, 0)) {
    case mrYes:
        ToolbWizardSaveBt->Click();
        return !Modified;  // a cancelled or failed save keeps the document
    case mrNo:
        return true;
    default:
        return false;
    }
}

void TOriginalForm1::ToolbWizardNewBtClick(TObject*) {
    PageControl1->SetActivePage(TabSheet4);
    if (!QuerySaveDocument()) return;
    resetWizard(*this);
}

void TOriginalForm1::ToolbWizardOpenBtClick(TObject*) {
    if (!QuerySaveDocument()) return;
    prepareDialog(OpenDialog1, "Open Vazod Erurid File", DocumentFilter);
    if (!OpenDialog1->Execute()) return;
    const AnsiString path = OpenDialog1->GetFileName();
    std::string text;
    // A document that cannot be read leaves the one open as it was.
    if (!readWizardDocument(*this, path, text)) return;
    resetWizard(*this);
    WizardPath = path;
    DocumentPath = path;
    DocumentName = ExtractFileName(WizardPath);
    fillWizardDocument(*this, text);
    Modified = false;
    PageControl1->SetActivePage(TabSheet4);
}

void TOriginalForm1::ToolbWizardSaveBtClick(TObject*) {
    PageControl1->SetActivePage(TabSheet4);
    prepareDialog(SaveDialog1, "Save Vazod Erurid File", DocumentFilter);
    // The dialog is shared: it starts from this document's own file, never
    // from a name another command left in it.
    SaveDialog1->SetFileName(DocumentPath);
    if (!SaveDialog1->Execute()) return;
    const AnsiString chosen = SaveDialog1->GetFileName();
    // Only the file's own name decides: a folder may have a "." in its name.
    const AnsiString path = ExtractFileName(chosen).Pos(".") == 0 ? chosen + ".zrw" : chosen;
    if (ExtractFileExt(path).UpperCase() == ".ZRQ") {
        SeSkinMessage1->MessageDlg("\"" + path + "\" is the name of a stock quote file.\n"
                                   "Please choose another name for the Vazod Erurid document.",
                                   mtError, TMsgDlgButtons{mbOK}, 0);
        return;
    }
    if (!mayWriteChosenFile(SeSkinMessage1, path)) return;
    if (const AnsiString fault = TryReplaceFile(path, wizardDocumentText(*this).str()); !fault.IsEmpty()) {
        SeSkinMessage1->MessageDlg("Cannot write the Vazod Erurid document \"" + path + "\": " + fault + ".",
                                   mtError, TMsgDlgButtons{mbOK}, 0);
        return;
    }
    DocumentName = ExtractFileName(chosen);
    DocumentPath = path;
    Modified = false;
}

void TOriginalForm1::BtWizardAddClick(TObject*) {
    PageControl1->SetActivePage(TabSheet4);
    if (WizardCount >= MaxWizardStocks) {
        SeSkinMessage1->MessageDlg("You can not have more than 249 stocks in the Wizard at once.", mtError,
                                   TMsgDlgButtons{mbOK}, 0);
        return;
    }
    prepareDialog(OpenDialog1, "Add Quotes File", QuoteFileFilter);
    if (!OpenDialog1->Execute()) return;
    if (addWizardStock(*this, OpenDialog1->GetFileName())) Modified = true;
}

void TOriginalForm1::BtWizardRemClick(TObject*) {
    PageControl1->SetActivePage(TabSheet4);
    removeWizardStock(*this, WizardListBox->GetItemIndex());
}

void TOriginalForm1::BtWizardRecalcClick(TObject*) {
    PageControl1->SetActivePage(TabSheet4);
    if (BtWizardRecalc->GetEnabled()) recalculateWizard(*this);
}

void TOriginalForm1::BtWizardShowDiagrClick(TObject*) {
    if (!BtWizardShowDiagr->GetEnabled()) return;
    const int index = WizardListBox->GetItemIndex();
    if (index < 0 || index >= WizardCount) {
        SeSkinMessage1->MessageDlg("Choose a stock in the list of files first.", mtInformation,
                                   TMsgDlgButtons{mbOK}, 0);
        return;
    }
    BigChart->UndoZoom();
    showWizardDiagram(*this, WizardHiddenList->GetItems()->GetStrings(index));
}

void TOriginalForm1::StringGrid1DrawCell(TObject*, int ACol, int ARow, const TRect& Rect, TGridDrawState) {
    if ((ACol != 4 && ACol != 5) || ARow == 0 || ARow > WizardCount) return;
    const AnsiString text = StringGrid1->GetCells(ACol, ARow);
    if (text.IsEmpty()) return;
    TCanvas* canvas = StringGrid1->GetCanvas();
    canvas->GetBrush()->SetColor(ACol == 4 ? ShortAdviceColors[ARow] : LongAdviceColors[ARow]);
    // The grid's red text would vanish on a red cell.
    canvas->GetFont()->SetColor(clWhite);
    canvas->TextRect(Rect, Rect.Left, Rect.Top + 5, text);
}

void TOriginalForm1::ToolbWizardPrintBtClick(TObject*) {
    PageControl1->SetActivePage(TabSheet4);
    printWizardGrid(*this);
}

void TOriginalForm1::ToolbAnalysisPrintQuotesBtClick(TObject*) {
    PageControl1->SetActivePage(TabSheet5);
    printQuoteGrid(*this);
}
