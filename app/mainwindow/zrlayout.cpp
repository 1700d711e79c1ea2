// The main window's components: the frame, the pages and their controls,
// the dialogs, the message box and the HTTP client.
#include "app/mainwindow/zrlayout.h"

#include "app/mainwindow/browserpanel.h"
#include "app/mainwindow/zrmain.h"
#include "net/NmHttp.h"
#include "platform/host/Dialogs.h"
#include "platform/controls/ExtCtrls.h"
#include "platform/host/WebBrowser.h"
#include "skin/controls/SeHint.h"
#include "skin/engine/KsSkinButtons.h"
#include "skin/engine/KsSkinComboBox.h"
#include "skin/engine/KsSkinEdits.h"
#include "skin/engine/KsSkinEngine.h"
#include "skin/engine/KsSkinForms.h"
#include "skin/engine/KsSkinGrids.h"
#include "skin/engine/KsSkinHint.h"
#include "skin/engine/KsSkinLabel.h"
#include "skin/engine/KsSkinListBox.h"
#include "skin/engine/KsSkinMessage.h"
#include "skin/engine/KsSkinPages.h"
#include "skin/engine/KsSkinPanel.h"
#include "skin/engine/KsSkinSpeedButton.h"
#include "skin/engine/KsSkinStatusBar.h"

TSeSkinSpeedButton* MakePictureButton(TComponent* Owner, const char* Name, TWinControl* Parent, TButtonPicture Picture,
                                      TColor Accent, const char* Hint) {
    auto* button = PlaceControl(new TSeSkinSpeedButton(Owner), Name, Parent, 0, 0, 25, 24);
    button->SetFlat(true);
    TBitmap glyph;
    DrawButtonPicture(&glyph, Picture, clBlack, Accent);
    button->SetGlyph(&glyph);
    button->SetHint(Hint);
    button->SetShowHint(true);
    return button;
}

TSeSkinLabel* MakeLabel(TComponent* Owner, TWinControl* Parent, const char* Caption, int Left, int Top) {
    auto* label = new TSeSkinLabel(Owner);
    label->SetParent(Parent);
    label->SetLeft(Left);
    label->SetTop(Top);
    label->SetCaption(Caption);
    return label;
}

namespace {

// A borderless area that aligns a group of controls on a page.
TSeSkinPanel* MakeArea(TComponent* Owner, TWinControl* Parent, TAlign Align, int Size) {
    auto* area = new TSeSkinPanel(Owner);
    area->SetParent(Parent);
    area->SetBevelOuter(bvNone);
    area->SetAlign(Align);
    if (Align == alTop || Align == alBottom) area->SetHeight(Size);
    else area->SetWidth(Size);
    return area;
}

TSeSkinComboBox* MakeChoice(TComponent* Owner, const char* Name, TWinControl* Parent, const char* Caption, int Top,
                            std::initializer_list<const char*> Items) {
    MakeLabel(Owner, Parent, Caption, 12, Top);
    auto* combo = PlaceControl(new TSeSkinComboBox(Owner), Name, Parent, 12, Top + 16, 196, 22);
    combo->SetDropDownCount(12);
    for (const char* item : Items) combo->GetItems()->Add(item);
    return combo;
}

void SetColumnWidths(TSeSkinStringGrid* Grid, std::initializer_list<int> Widths) {
    Grid->SetColCount(static_cast<int>(Widths.size()));
    int column = 0;
    for (int width : Widths) Grid->SetColWidths(column++, width);
}

}  // namespace

void TOriginalForm1::CreateComponents() {
    GetFont()->SetName("MS Sans Serif");
    GetFont()->SetSize(8);
    SetBorderIcons(TBorderIcons{});  // the drawn frame carries them
    SeSkinEngine1 = new TSeSkinEngine(this);
    SeSkinEngine1->SetName("SeSkinEngine1");
    Form1 = new TSeSkinForm(this);
    Form1->SetName("Form1");
    Form1->SetSkinEngine(SeSkinEngine1);
    Form1->SetBorderIcons(TSeBorderIcons{kbiClose, kbiSystemMenu, kbiMinimize, kbiMaximize, kbiRollUp, kbiTray});
    // One hint manager for the program; tool button hints need it.
    if (!TSeHintManager::Current()) new TSeHintManager(this);
    TSeHintManager::Current()->SetHintWindowClass<TSeSkinHintWindow>();

    CreateToolBars();
    CreateMenus();

    StatusBar1 = new TSeSkinStatusBar(this);
    NameControl(StatusBar1, "StatusBar1");
    StatusBar1->SetParent(this);

    PageControl1 = new TSeSkinPageControl(this);
    NameControl(PageControl1, "PageControl1");
    PageControl1->SetParent(this);
    PageControl1->SetAlign(alClient);
    PageControl1->GetFont()->SetName("Tahoma");
    struct Page { TSeCustomTabSheet** Sheet; const char* Name; const char* Caption; };
    for (const Page& page : {Page{&TabSheet4, "TabSheet4", "Vazod Erurid"}, Page{&TabSheet5, "TabSheet5", "Analysis"},
                             Page{&TabSheet7, "TabSheet7", "Diagram"}, Page{&TabSheet8, "TabSheet8", "Browser"}}) {
        *page.Sheet = new TSeCustomTabSheet(this);
        NameControl(*page.Sheet, page.Name);
        (*page.Sheet)->SetPageControl(PageControl1);
        (*page.Sheet)->SetCaption(page.Caption);
    }
    CreateWizardPage();
    CreateAnalysisPage();
    CreateDiagramPage();
    CreateBrowserPage();
    PageControl1->SetActivePage(TabSheet8);  // FormCreate picks the first page shown

    OpenDialog1 = new TOpenDialog(this);
    OpenDialog1->SetName("OpenDialog1");
    SaveDialog1 = new TSaveDialog(this);
    SaveDialog1->SetName("SaveDialog1");
    SeSkinMessage1 = new TSeSkinMessage(this);
    SeSkinMessage1->SetName("SeSkinMessage1");
    SeSkinMessage1->SetPosition(poOwnerFormCenter);
    SeSkinMessage1->GetFont()->SetName("Tahoma");
    // Every message of the program in one look: the application's own
    // boxes (errors no handler caught, the help's messages, the parameter
    // dialogs' warnings) are shown by this box too.
    SeSkinMessage1->SetApplicationMessages(true);
    HTTPSocket = new TNMHTTP(this);
    HTTPSocket->SetName("HTTPSocket");
    HTTPSocket->SetTimeOut(20000);
    HTTPSocket->SetReportLevel(0);
    HTTPSocket->SetInputFileMode(false);
    HTTPSocket->SetOutputFileMode(false);
    HTTPSocket->OnPacketRecvd = TNotifyEvent(this, &TOriginalForm1::HTTPSocketPacketRecvd);
    HTTPSocket->OnSuccess = TResultEvent(this, &TOriginalForm1::HTTPSocketSuccess);
}

void TOriginalForm1::CreateWizardPage() {
    TSeSkinPanel* side = MakeArea(this, TabSheet4, alRight, 220);
    StringGrid1 = PlaceControl(new TSeSkinStringGrid(this), "StringGrid1", TabSheet4, 0, 0, 540, 400);
    StringGrid1->SetAlign(alClient);
    SetColumnWidths(StringGrid1, {118, 89, 63, 88, 75, 87});
    StringGrid1->SetFixedCols(0);
    StringGrid1->SetRowCount(2);
    StringGrid1->SetDefaultRowHeight(19);
    StringGrid1->SetColor(clWhite);
    StringGrid1->GetFont()->SetName("Tahoma");
    StringGrid1->GetFont()->SetColor(clRed);

    MakeLabel(this, side, "Files included in Wizard:", 12, 8);
    WizardListBox = PlaceControl(new TSeSkinListBox(this), "WizardListBox", side, 12, 26, 196, 220);
    BtWizardAdd = MakePictureButton(this, "BtWizardAdd", side, bpAdd, clGreen, "Add Stocks");
    BtWizardRem = MakePictureButton(this, "BtWizardRem", side, bpRemove, clRed, "Remove Stocks");
    BtWizardRecalc = MakePictureButton(this, "BtWizardRecalc", side, bpRecalculate, clBlue, "Recalculate Predictions");
    int left = 12;
    for (TSeSkinSpeedButton* button : {BtWizardAdd, BtWizardRem, BtWizardRecalc}) {
        button->SetBounds(left, 254, 28, 26);
        left += 32;
    }
    BtWizardRecalc->SetEnabled(false);
    BtWizardShowDiagr = PlaceControl(new TSeSkinButton(this), "BtWizardShowDiagr", side, 12, 290, 196, 25);
    BtWizardShowDiagr->SetCaption("Show Diagram");
    BtWizardShowDiagr->SetEnabled(false);
    // Storage only: the document's file names, in a list nobody sees.
    WizardHiddenList = PlaceControl(new TSeSkinListBox(this), "WizardHiddenList", side, 0, 330, 1, 4);

    BtWizardAdd->OnClick = TNotifyEvent(this, &TOriginalForm1::BtWizardAddClick);
    BtWizardRem->OnClick = TNotifyEvent(this, &TOriginalForm1::BtWizardRemClick);
    BtWizardRecalc->OnClick = TNotifyEvent(this, &TOriginalForm1::BtWizardRecalcClick);
    BtWizardShowDiagr->OnClick = TNotifyEvent(this, &TOriginalForm1::BtWizardShowDiagrClick);
    StringGrid1->OnDrawCell = TDrawCellEvent(this, &TOriginalForm1::StringGrid1DrawCell);
}

void TOriginalForm1::CreateAnalysisPage() {
    TSeSkinPanel* side = MakeArea(this, TabSheet5, alRight, 220);
    StringGrid2 = PlaceControl(new TSeSkinStringGrid(this), "StringGrid2", TabSheet5, 0, 0, 540, 400);
    StringGrid2->SetAlign(alClient);
    SetColumnWidths(StringGrid2, {64, 88, 73, 74, 73, 74, 80});
    StringGrid2->SetRowCount(20);
    StringGrid2->SetDefaultRowHeight(19);
    StringGrid2->SetFixedRows(1);
    StringGrid2->SetFixedCols(1);
    StringGrid2->GetFont()->SetName("Tahoma");
    StringGrid2->GetFont()->SetColor(clBlack);

    AnalysisTypeCombo = MakeChoice(this, "AnalysisTypeCombo", side, "Choose Analysis:", 8,
                                   {"N-day Moving Average", "N-day Exponential Moving Average", "MACD", "Momentum",
                                    "Stochastic Oscillator", "Parabolic SAR", "RSI", "Bollinger Bands",
                                    "Price Oscillator", "Historical Volatility", "No Analysis"});
    QuoteTypeCombo = MakeChoice(this, "QuoteTypeCombo", side, "Choose Quote Type:", 56,
                                {"Open", "High", "Low", "Close", "Candlestick"});
    StartDateCombo = MakeChoice(this, "StartDateCombo", side, "Start Date:", 104, {});
    EndDateCombo = MakeChoice(this, "EndDateCombo", side, "End Date:", 152, {});
    BtCreateAnalysis = PlaceControl(new TSeSkinButton(this), "BtCreateAnalysis", side, 12, 204, 196, 27);
    BtCreateAnalysis->SetCaption("Create Analysis");
    BtCreateAnalysis->SetEnabled(false);
    BtAnalysisOpen = MakePictureButton(this, "BtAnalysisOpen", side, bpOpenFolder, clYellow, "Open Stock Quote File");
    BtAnalysisOpen->SetBounds(12, 244, 28, 26);
    BtAnalysisPrintQuotes = MakePictureButton(this, "BtAnalysisPrintQuotes", side, bpPrint, clSilver,
                                              "Print Stock Quotes");
    BtAnalysisPrintQuotes->SetBounds(44, 244, 28, 26);
    BtAnalysisPrintQuotes->OnClick = TNotifyEvent(this, &TOriginalForm1::ToolbAnalysisPrintQuotesBtClick);
}

void TOriginalForm1::CreateDiagramPage() {
    TSeSkinPanel* tools = MakeArea(this, TabSheet7, alTop, 34);
    BtDiagrPrint = MakePictureButton(this, "BtDiagrPrint", tools, bpPrint, clSilver, "Print Diagram");
    BtDiagrExp = MakePictureButton(this, "BtDiagrExp", tools, bpExport, clGreen, "Export Diagram to Bitmap");
    BtDiagrTrendl = MakePictureButton(this, "BtDiagrTrendl", tools, bpTrendline, clBlue, "Draw Trendlines");
    BtDiagrFibonacci = MakePictureButton(this, "BtDiagrFibonacci", tools, bpFibonacci, clPurple, "Draw Fibonacci Arcs");
    BtDiagrTrendlErase = MakePictureButton(this, "BtDiagrTrendlErase", tools, bpErase, clRed,
                                           "Erase Trendlines and Arcs");
    int left = 6;
    for (TSeSkinSpeedButton* button : {BtDiagrPrint, BtDiagrExp, BtDiagrTrendl, BtDiagrFibonacci, BtDiagrTrendlErase}) {
        button->SetBounds(left, 4, 28, 26);
        left += button == BtDiagrExp ? 44 : 32;  // a gap between the file and the drawing commands
    }
    // Both modes start off: a mode button is off while it is transparent.
    BtDiagrTrendl->SetTransparent(true);
    BtDiagrFibonacci->SetTransparent(true);
    BtDiagrPrint->OnClick = TNotifyEvent(this, &TOriginalForm1::ToolbDiagrPrintBtClick);
    BtDiagrExp->OnClick = TNotifyEvent(this, &TOriginalForm1::ToolbDiagrExpBtClick);
    BtDiagrTrendl->OnClick = TNotifyEvent(this, &TOriginalForm1::BtDiagrTrendlClick);
    BtDiagrFibonacci->OnClick = TNotifyEvent(this, &TOriginalForm1::BtDiagrFibonacciClick);
    BtDiagrTrendlErase->OnClick = TNotifyEvent(this, &TOriginalForm1::BtDiagrTrendlEraseClick);
    CreateDiagramChart();
}

void TOriginalForm1::CreateBrowserPage() {
    TSeSkinPanel* address = MakeArea(this, TabSheet8, alTop, 34);
    MakeLabel(this, address, "URL:", 8, 10);
    URLEdit = PlaceControl(new TSeSkinEdit(this), "URLEdit", address, 40, 6, 420, 22);
    BtURLGo = MakePictureButton(this, "BtURLGo", address, bpGo, clGreen, "Go");
    BtURLBack = MakePictureButton(this, "BtURLBack", address, bpBack, clBlue, "Back");
    BtURLForward = MakePictureButton(this, "BtURLForward", address, bpForward, clBlue, "Forward");
    BtURLStop = MakePictureButton(this, "BtURLStop", address, bpStop, clRed, "Stop");
    int left = 466;
    for (TSeSkinSpeedButton* button : {BtURLGo, BtURLBack, BtURLForward, BtURLStop}) {
        button->SetBounds(left, 5, 28, 26);
        left += 32;
    }
    // Under the browser panel: shown only where the panel leaves room.
    Image1 = PlaceControl(new TImage(this), "Image1", TabSheet8, 8, 42, 400, 250);
    SeSkinPanel1 = new TBrowserPanel(this);
    NameControl(SeSkinPanel1, "SeSkinPanel1");
    SeSkinPanel1->SetParent(TabSheet8);
    SeSkinPanel1->SetAlign(alClient);
    SeSkinPanel1->SetCaption("Velmora Web Browser");
    SeSkinPanel1->SetBevelOuter(bvLowered);
    VisibleBrowser = new TCppWebBrowser(this);
    NameControl(VisibleBrowser, "VisibleBrowser");
    VisibleBrowser->SetParent(SeSkinPanel1);

    URLEdit->OnEnter = TNotifyEvent(this, &TOriginalForm1::URLEditEnter);
    URLEdit->OnKeyPress = TKeyPressEvent(this, &TOriginalForm1::URLEditKeyPress);
    BtURLGo->OnClick = TNotifyEvent(this, &TOriginalForm1::BtURLGoClick);
    BtURLBack->OnClick = TNotifyEvent(this, &TOriginalForm1::BtURLBackClick);
    BtURLForward->OnClick = TNotifyEvent(this, &TOriginalForm1::BtURLForwardClick);
    BtURLStop->OnClick = TNotifyEvent(this, &TOriginalForm1::BtURLStopClick);
    VisibleBrowser->OnDownloadBegin = TNotifyEvent(this, &TOriginalForm1::VisibleBrowserDownloadBegin);
    VisibleBrowser->OnNavigateComplete2 =
        TNavigateComplete2Event(this, &TOriginalForm1::VisibleBrowserNavigateComplete2);
}
