#pragma once
// The main window: the hub that holds the application's shared state and
// every component the other modules work on. The modules reach it through
// the global OriginalForm1 and read and write its public members directly.

#include "app/quotes/llist.h"
#include "app/wizard/wizard.h"
#include "app/wizard/wizarddiagram.h"
#include "net/NmHttp.h"
#include "platform/controls/Forms.h"

class TChartAxis;
class TChart;
class TChartSeries;
class TLineSeries;
class TCandleSeries;
class TBarSeries;
class TPointSeries;
class TSeSkinEngine;
class TSeSkinForm;
class TSeSkinControlBar;
class TSeSkinMenuBar;
class TSeSkinItem;
class TSeSkinToolBar;
class TSeSkinSpeedButton;
class TSeSkinLabel;
class TSeSkinPageControl;
class TSeCustomTabSheet;
class TSeSkinStringGrid;
class TSeSkinListBox;
class TSeSkinComboBox;
class TSeSkinButton;
class TSeSkinPanel;
class TSeSkinEdit;
class TSeSkinStatusBar;
class TSeSkinMessage;
class TOpenDialog;
class TSaveDialog;
class TNMHTTP;
class TImage;
class TCppWebBrowser;

// One trend line drawn on the chart, in chart pixels.
struct TrendLine {
    int X1 = 0;
    int X2 = 0;
    int Y1 = 0;
    int Y2 = 0;
    bool Fibonacci = false;  // draw Fibonacci arcs for this line
};

class TOriginalForm1 : public TForm {
public:
    explicit TOriginalForm1(TComponent* AOwner);

    // ---- Components --------------------------------------------------------
    TSeSkinEngine* SeSkinEngine1 = nullptr;
    TSeSkinForm* Form1 = nullptr;
    TSeSkinControlBar* SeSkinControlBar1 = nullptr;
    TSeSkinMenuBar* SeSkinMenuBar1 = nullptr;
    TSeSkinToolBar* SeSkinToolBar1 = nullptr;
    TSeSkinToolBar* SeSkinToolBar2 = nullptr;
    TSeSkinToolBar* SeSkinToolBar3 = nullptr;
    TSeSkinToolBar* SeSkinToolBar4 = nullptr;
    TSeSkinSpeedButton* ToolbWizardNewBt = nullptr;
    TSeSkinSpeedButton* ToolbWizardOpenBt = nullptr;
    TSeSkinSpeedButton* ToolbWizardSaveBt = nullptr;
    TSeSkinSpeedButton* ToolbWizardPrintBt = nullptr;
    TSeSkinSpeedButton* ToolbAnalysisOpenBt = nullptr;
    TSeSkinSpeedButton* ToolbAnalysisPrintQuotesBt = nullptr;
    TSeSkinSpeedButton* ToolbDiagrPrintBt = nullptr;
    TSeSkinSpeedButton* ToolbDiagrExpBt = nullptr;
    TSeSkinSpeedButton* ToolbSymbLookupBt = nullptr;
    TSeSkinSpeedButton* ToolbHelpBt = nullptr;
    TSeSkinPageControl* PageControl1 = nullptr;
    TSeCustomTabSheet* TabSheet4 = nullptr;  // "Vazod Erurid"
    TSeCustomTabSheet* TabSheet5 = nullptr;  // "Analysis"
    TSeCustomTabSheet* TabSheet7 = nullptr;  // "Diagram"
    TSeCustomTabSheet* TabSheet8 = nullptr;  // "Browser"
    TSeSkinStringGrid* StringGrid1 = nullptr;
    TSeSkinListBox* WizardListBox = nullptr;
    TSeSkinListBox* WizardHiddenList = nullptr;
    TSeSkinSpeedButton* BtWizardAdd = nullptr;
    TSeSkinSpeedButton* BtWizardRem = nullptr;
    TSeSkinSpeedButton* BtWizardRecalc = nullptr;
    TSeSkinButton* BtWizardShowDiagr = nullptr;
    TSeSkinStringGrid* StringGrid2 = nullptr;
    TSeSkinComboBox* AnalysisTypeCombo = nullptr;
    TSeSkinComboBox* QuoteTypeCombo = nullptr;
    TSeSkinComboBox* StartDateCombo = nullptr;
    TSeSkinComboBox* EndDateCombo = nullptr;
    TSeSkinButton* BtCreateAnalysis = nullptr;
    TSeSkinSpeedButton* BtAnalysisOpen = nullptr;
    TSeSkinSpeedButton* BtAnalysisPrintQuotes = nullptr;
    TChart* BigChart = nullptr;
    TLineSeries* Series1 = nullptr;    // the price line, or labelled null points under candles
    TCandleSeries* Series2 = nullptr;  // candles
    TLineSeries* Series3 = nullptr;    // moving averages
    TBarSeries* Series4 = nullptr;     // volume bars (lower pane)
    TLineSeries* Series5 = nullptr;    // oscillators (lower pane)
    TLineSeries* Series6 = nullptr;    // a second oscillator line (lower pane)
    TLineSeries* Series7 = nullptr;    // further indicator lines (lower pane)
    TLineSeries* Series8 = nullptr;
    TPointSeries* Series9 = nullptr;   // parabolic SAR
    TLineSeries* Series10 = nullptr;   // Bollinger bands
    TLineSeries* Series11 = nullptr;
    TLineSeries* Series12 = nullptr;
    TSeSkinSpeedButton* BtDiagrPrint = nullptr;
    TSeSkinSpeedButton* BtDiagrExp = nullptr;
    TSeSkinSpeedButton* BtDiagrTrendl = nullptr;
    TSeSkinSpeedButton* BtDiagrFibonacci = nullptr;
    TSeSkinSpeedButton* BtDiagrTrendlErase = nullptr;
    TSeSkinPanel* SeSkinPanel1 = nullptr;
    TCppWebBrowser* VisibleBrowser = nullptr;
    TImage* Image1 = nullptr;
    TSeSkinEdit* URLEdit = nullptr;
    TSeSkinSpeedButton* BtURLGo = nullptr;
    TSeSkinSpeedButton* BtURLBack = nullptr;
    TSeSkinSpeedButton* BtURLForward = nullptr;
    TSeSkinSpeedButton* BtURLStop = nullptr;
    TSeSkinStatusBar* StatusBar1 = nullptr;
    TOpenDialog* OpenDialog1 = nullptr;
    TSaveDialog* SaveDialog1 = nullptr;
    TSeSkinMessage* SeSkinMessage1 = nullptr;
    TNMHTTP* HTTPSocket = nullptr;

    // ---- Handlers ----------------------------------------------------------
    void FormCreate(TObject* Sender);
    void FormCloseQuery(TObject* Sender, bool& CanClose);
    void FormClose(TObject* Sender, TCloseAction& Action);
    void ToolbHelpBtClick(TObject* Sender);
    void MenuFileExitClick(TObject* Sender);
    void MenuAboutClick(TObject* Sender);
    void ToolbAnalysisOpenBtClick(TObject* Sender);
    // Create Analysis: the price series, the indicator and the volume bars.
    void BtCreateAnalysisClick(TObject* Sender);
    // The Diagram page's tools and the chart's events they work through.
    void ToolbDiagrPrintBtClick(TObject* Sender);
    void ToolbDiagrExpBtClick(TObject* Sender);
    void BtDiagrTrendlClick(TObject* Sender);
    void BtDiagrFibonacciClick(TObject* Sender);
    void BtDiagrTrendlEraseClick(TObject* Sender);
    void BigChartMouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void BigChartMouseMove(TObject* Sender, TShiftState Shift, int X, int Y);
    void BigChartMouseUp(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void BigChartAfterDraw(TObject* Sender);
    void BigChartBeforeDrawAxes(TObject* Sender);
    void BigChartZoom(TObject* Sender);
    void BigChartUndoZoom(TObject* Sender);
    // The Vazod Erurid document and the printing of the grids.
    void ToolbWizardNewBtClick(TObject* Sender);
    void ToolbWizardOpenBtClick(TObject* Sender);
    void ToolbWizardSaveBtClick(TObject* Sender);
    void ToolbWizardPrintBtClick(TObject* Sender);
    void ToolbAnalysisPrintQuotesBtClick(TObject* Sender);
    void BtWizardAddClick(TObject* Sender);
    void BtWizardRemClick(TObject* Sender);
    void BtWizardRecalcClick(TObject* Sender);
    void BtWizardShowDiagrClick(TObject* Sender);
    void StringGrid1DrawCell(TObject* Sender, int ACol, int ARow, const TRect& Rect, TGridDrawState State);
    // The Browser page and the web links.
    void ToolbSymbLookupBtClick(TObject* Sender);
    void MenuQuotesExchangesClick(TObject* Sender);
    void BtURLGoClick(TObject* Sender);
    void BtURLBackClick(TObject* Sender);
    void BtURLForwardClick(TObject* Sender);
    void BtURLStopClick(TObject* Sender);
    void URLEditEnter(TObject* Sender);
    void URLEditKeyPress(TObject* Sender, char& Key);
    void VisibleBrowserDownloadBegin(TObject* Sender);
    void VisibleBrowserNavigateComplete2(TObject* Sender, const AnsiString& URL);
    void MenuZRHomePageClick(TObject* Sender);
    // The quote download and update.
    void MenuDlQuotesClick(TObject* Sender);
    void MenuUpdQuotesClick(TObject* Sender);
    void HTTPSocketPacketRecvd(TObject* Sender);
    void HTTPSocketSuccess(TObject* Sender, TCmdType Cmd);

    // ---- Shared state, in the order the other modules expect ----------------
    AnsiString QuoteFilePath;     // the stock quote file open in the Analysis tab
    AnsiString PriceKind;         // "open", "high", "low" or "close": the price line's price
    linkedList Quotes;            // the quote series of the open stock quote file
    int Days1 = 0;                // first indicator parameter (period, first moving average)
    int Days2 = 0;                // second (%K, second moving average)
    int Days3 = 0;                // third (%D)
    bool AsPercentages = false;   // price oscillator in percent, else in points
    TChartAxis* PriceAxis = nullptr;  // the upper pane's axis, owned by the chart
    AnsiString DownloadPath;      // the stock quote file being downloaded or updated
    AnsiString HeaderPrefix;      // the first three header fields with their commas
    AnsiString UrlHead;           // quote request up to the page offset
    AnsiString UrlTail;           // quote request after the page offset
    AnsiString Symbol;            // ticker symbol of the download or update
    int PageOffset = -1;          // row offset of the page being fetched; -1 when none
    bool Downloading = false;     // the next success completes a new download
    bool Updating = false;        // the next success completes an update or a later page
    Word ToYear = 0;              // the request's end date: four-digit year,
    Word ToMonth0 = 0;            // month counted from 0,
    Word ToDay = 0;               // day of the month
    TColor ShortAdviceColors[250] = {};  // each Vazod Erurid row's short-term advice colour
    TColor LongAdviceColors[250] = {};   // and long-term advice colour
    int WizardCount = 0;          // stocks in the Vazod Erurid document, at most 249
    bool Modified = false;        // the Vazod Erurid document has unsaved changes
    AnsiString WizardPath;        // path of the Vazod Erurid document
    // The file the document was last opened from or saved to, where Save
    // starts; empty for a new one.
    AnsiString DocumentPath;
    AnsiString DocumentName = "Untitled";  // its file name
    AnsiString VolatilityPeriod;  // "Daily", "Weekly" or "Monthly"
    TrendLine Lines[20];          // the trend lines drawn on the chart
    // The chart's plotting rectangle the stored lines were drawn over. They
    // are drawn over the plot as it is at each paint, moved and stretched
    // with it, so a printed chart (its plot elsewhere on the page) and a
    // resized window keep them over the same quotes.
    TRect LinesPlot;
    int LineCount = 0;            // entries of Lines in use, at most 20
    int RubberBand[4] = {};       // the line being dragged: x1, y1, x2, y2
    bool ChartZoomed = false;     // the chart is zoomed
    bool Dragging = false;        // a trend line is being dragged
    AnsiString HelpFilePath;      // full path of the help file, from the settings
    TWizardDiagram WizardDiagram; // what Show Diagram puts on the chart

    // The chart's title Title alone, every series empty and out of the legend.
    void ResetBigChart(const AnsiString& Title);
    // Lines[i] over the chart's plot as it is now.
    TrendLine LineOnChart(int i) const;

    // The menu items, by their captions, for the commands that are bound
    // to them; every item is owned by the form.
    TSeSkinItem* FindMenuItem(const AnsiString& Menu, const AnsiString& Caption) const;

private:
    // Layout: the components of the table and the menus.
    void CreateComponents();
    void CreateToolBars();
    void CreateMenus();
    void CreateWizardPage();
    void CreateAnalysisPage();
    void CreateDiagramPage();
    void CreateDiagramChart();
    // The price axis and the two panes, once the chart and its series exist.
    void SetUpBigChart();
    void CreateBrowserPage();
    // The browser out of sight until its first page has loaded.
    void HideBrowser();
    // Go, Back and Forward while no page loads, Stop while one does.
    void SetBrowserButtons(bool Loading);
    void ReadSettings();
    void WriteSettings();
    void OpenFromCommandLine();
    // Offers to save a modified Vazod Erurid document; false when the user
    // cancels or the document is still unsaved, so the caller stops.
    bool QuerySaveDocument();
};

extern TOriginalForm1* OriginalForm1;
