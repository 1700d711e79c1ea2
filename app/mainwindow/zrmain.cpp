#include "app/mainwindow/zrmain.h"

#include "app/dialogs/about.h"
#include "app/mainwindow/quotes.h"
#include "platform/host/Dialogs.h"
#include "platform/runtime/FileUtils.h"
#include "skin/engine/KsSkinButtons.h"
#include "skin/engine/KsSkinComboBox.h"
#include "skin/engine/KsSkinGrids.h"
#include "skin/engine/KsSkinMessage.h"
#include "skin/engine/KsSkinPages.h"
#include "skin/engine/KsSkinSpeedButton.h"

TOriginalForm1* OriginalForm1 = nullptr;

TOriginalForm1::TOriginalForm1(TComponent* AOwner) : TForm(AOwner) {
    SetName("OriginalForm1");
    SetCaption("Velmora");
    SetPosition(poScreenCenter);
    CreateComponents();
    SetClientWidth(787);
    SetClientHeight(536);
    BtAnalysisOpen->OnClick = TNotifyEvent(this, &TOriginalForm1::ToolbAnalysisOpenBtClick);
    BtCreateAnalysis->OnClick = TNotifyEvent(this, &TOriginalForm1::BtCreateAnalysisClick);
    OnCreate = TNotifyEvent(this, &TOriginalForm1::FormCreate);
    OnCloseQuery = TCloseQueryEvent(this, &TOriginalForm1::FormCloseQuery);
    OnClose = TCloseEvent(this, &TOriginalForm1::FormClose);
}

void TOriginalForm1::FormCreate(TObject*) {
    ReadSettings();
    AnalysisTypeCombo->SetItemIndex(0);
    QuoteTypeCombo->SetItemIndex(0);
    Downloading = false;
    Updating = false;
    PageOffset = -1;
    SetUpBigChart();
    const char* quoteHeadings[] = {"Date", "Open", "High", "Low", "Close", "Volume"};
    for (int column = 1; column <= 6; ++column) StringGrid2->SetCells(column, 0, quoteHeadings[column - 1]);
    const char* wizardHeadings[] = {"Symbol Name", "Date", "Close", "Volume", "Short", "Long"};
    for (int column = 0; column < 6; ++column) StringGrid1->SetCells(column, 0, wizardHeadings[column]);
    WizardCount = 0;
    Modified = false;
    DocumentName = "Untitled";
    for (TSeSkinSpeedButton* button : {BtURLGo, BtURLBack, BtURLForward, BtURLStop}) button->SetEnabled(false);
    PageControl1->SetActivePage(TabSheet4);
    HideBrowser();
    LineCount = 0;
    ChartZoomed = false;
    Dragging = false;
    OpenFromCommandLine();
}

void TOriginalForm1::OpenFromCommandLine() {
    const AnsiString argument = ParamStr(1);
    const AnsiString extension = argument.Length() >= 4 ? argument.SubString(argument.Length() - 3, 4).UpperCase()
                                                        : AnsiString();
    if (extension == ".ZRQ") {
        openQuoteFile(*this, argument);
    } else if (extension == ".ZRW") {
        WizardPath = argument;
        DocumentPath = argument;
        DocumentName = ExtractFileName(argument);
        openWizardFile(*this);
        Modified = false;
    }
}

void TOriginalForm1::FormCloseQuery(TObject*, bool& CanClose) { CanClose = QuerySaveDocument(); }

void TOriginalForm1::FormClose(TObject*, TCloseAction&) { WriteSettings(); }

void TOriginalForm1::ToolbHelpBtClick(TObject*) {
    Application->SetHelpFile(HelpFilePath);
    Application->HelpCommand(HELP_FINDER, 0);
}

void TOriginalForm1::MenuFileExitClick(TObject*) { Close(); }

void TOriginalForm1::MenuAboutClick(TObject*) { fAbout->ShowModal(); }

void TOriginalForm1::ToolbAnalysisOpenBtClick(TObject*) {
    OpenDialog1->SetTitle("Open Stock Quote File");
    // Both cases of the extension: file names here are case-sensitive.
    OpenDialog1->SetFilter("Stock Quote Files (*.zrq)|*.ZRQ;*.zrq");
    OpenDialog1->SetFileName("");
    if (!OpenDialog1->Execute()) return;
    openQuoteFile(*this, OpenDialog1->GetFileName());
}
