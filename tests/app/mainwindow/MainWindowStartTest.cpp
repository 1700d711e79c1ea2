// The main window after start-up, with and without a file on the command line.
#include "app/mainwindow/MainWindowFixture.h"

#include "app/dialogs/about.h"
#include "chart/control/Chart.h"
#include "net/NmHttp.h"
#include "platform/host/Dialogs.h"
#include "platform/controls/ExtCtrls.h"
#include "platform/host/Registry.h"
#include "platform/testing/TestClock.h"
#include "platform/testing/TestInput.h"
#include "skin/controls/SeHint.h"
#include "skin/engine/KsSkinButtons.h"
#include "skin/engine/KsSkinComboBox.h"
#include "skin/engine/KsSkinEdits.h"
#include "skin/engine/KsSkinForms.h"
#include "skin/engine/KsSkinGrids.h"
#include "skin/engine/KsSkinHint.h"
#include "skin/engine/KsSkinListBox.h"
#include "skin/engine/KsSkinMenus.h"
#include "skin/engine/KsSkinMessage.h"
#include "skin/engine/KsSkinPages.h"
#include "skin/engine/KsSkinPanel.h"
#include "skin/engine/KsSkinSpeedButton.h"
#include "skin/engine/KsSkinToolBars.h"

namespace {

std::vector<std::string> RowTexts(TSeCustomStringGrid* Grid, int Row, int From, int To) {
    std::vector<std::string> texts;
    for (int column = From; column <= To; ++column) texts.push_back(Grid->GetCells(column, Row).str());
    return texts;
}

// Whether the first "MessageBox"/"FileDialog" request of the log was made.
bool AnyRequest() { return !AutomationLog().empty(); }

TEST_F(MainWindowTest, StartsOnTheWizardPageWithAnEmptyUntitledDocument) {
    TOriginalForm1* form = Start();
    EXPECT_EQ(form->PageControl1->GetActivePage(), form->TabSheet4);
    EXPECT_EQ(form->TabSheet4->GetCaption(), "Vazod Erurid");
    EXPECT_EQ(form->DocumentName, "Untitled");
    EXPECT_EQ(form->WizardCount, 0);
    EXPECT_FALSE(form->Modified);
    EXPECT_TRUE(form->WizardPath.IsEmpty());
    EXPECT_TRUE(form->QuoteFilePath.IsEmpty());
    EXPECT_TRUE(form->Quotes.Records().empty());
    EXPECT_EQ(form->PageOffset, -1);
    EXPECT_FALSE(form->Downloading);
    EXPECT_FALSE(form->Updating);

    EXPECT_FALSE(form->BtCreateAnalysis->GetEnabled());
    EXPECT_FALSE(form->BtWizardRecalc->GetEnabled());
    EXPECT_FALSE(form->BtWizardShowDiagr->GetEnabled());
    EXPECT_TRUE(form->BtWizardAdd->GetEnabled());
    for (TControl* button : {form->BtURLGo, form->BtURLBack, form->BtURLForward, form->BtURLStop})
        EXPECT_FALSE(button->GetEnabled()) << button->GetName().str();

    EXPECT_EQ(form->AnalysisTypeCombo->GetItemIndex(), 0);
    EXPECT_EQ(form->AnalysisTypeCombo->GetText(), "N-day Moving Average");
    EXPECT_EQ(form->QuoteTypeCombo->GetItemIndex(), 0);
    EXPECT_EQ(form->QuoteTypeCombo->GetText(), "Open");
    EXPECT_EQ(form->StartDateCombo->GetItems()->GetCount(), 0);
    EXPECT_EQ(form->EndDateCombo->GetItems()->GetCount(), 0);

    EXPECT_EQ(RowTexts(form->StringGrid2, 0, 0, 6),
              (std::vector<std::string>{"", "Date", "Open", "High", "Low", "Close", "Volume"}));
    EXPECT_EQ(RowTexts(form->StringGrid1, 0, 0, 5),
              (std::vector<std::string>{"Symbol Name", "Date", "Close", "Volume", "Short", "Long"}));
    // Both grids are empty: no cell is drawn selected.
    for (auto [grid, page] :
         {std::pair{form->StringGrid1, form->TabSheet4}, std::pair{form->StringGrid2, form->TabSheet5}}) {
        form->PageControl1->SetActivePage(page);
        int selected = 0, drawn = 0;
        grid->OnDrawCell = TDrawCellEvent([&](TObject*, int, int, const TRect&, TGridDrawState State) {
            ++drawn;
            selected += State.Contains(gdSelected);
        });
        grid->Repaint();
        grid->OnDrawCell = nullptr;
        EXPECT_GT(drawn, 0) << grid->GetName().str();
        EXPECT_EQ(selected, 0) << grid->GetName().str();
    }
    form->PageControl1->SetActivePage(form->TabSheet4);
    EXPECT_FALSE(AnyRequest());
}

TEST_F(MainWindowTest, LaysOutTheComponentsAsTheProgramUsesThem) {
    TOriginalForm1* form = Start();
    EXPECT_EQ(form->GetCaption(), "Velmora");
    EXPECT_EQ(form->GetClientWidth(), 787);
    EXPECT_EQ(form->GetClientHeight(), 536);
    EXPECT_EQ(form->Form1->GetBorderIcons(),
              (TSeBorderIcons{kbiClose, kbiSystemMenu, kbiMinimize, kbiMaximize, kbiRollUp, kbiTray}));
    EXPECT_EQ(form->PageControl1->GetPageCount(), 4);
    const char* pages[] = {"Vazod Erurid", "Analysis", "Diagram", "Browser"};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(form->PageControl1->GetPages(i)->GetCaption(), pages[i]);

    const int quoteWidths[] = {64, 88, 73, 74, 73, 74, 80};
    ASSERT_EQ(form->StringGrid2->GetColCount(), 7);
    for (int i = 0; i < 7; ++i) EXPECT_EQ(form->StringGrid2->GetColWidths(i), quoteWidths[i]) << i;
    EXPECT_EQ(form->StringGrid2->GetFixedRows(), 1);
    EXPECT_EQ(form->StringGrid2->GetFixedCols(), 1);
    EXPECT_EQ(form->StringGrid2->GetRowCount(), 20);
    const int wizardWidths[] = {118, 89, 63, 88, 75, 87};
    ASSERT_EQ(form->StringGrid1->GetColCount(), 6);
    for (int i = 0; i < 6; ++i) EXPECT_EQ(form->StringGrid1->GetColWidths(i), wizardWidths[i]) << i;
    EXPECT_EQ(form->StringGrid1->GetFixedCols(), 0);
    EXPECT_EQ(form->StringGrid1->GetFont()->GetColor(), clRed);

    EXPECT_EQ(ComboItems(form->AnalysisTypeCombo),
              (std::vector<std::string>{"N-day Moving Average", "N-day Exponential Moving Average", "MACD", "Momentum",
                                        "Stochastic Oscillator", "Parabolic SAR", "RSI", "Bollinger Bands",
                                        "Price Oscillator", "Historical Volatility", "No Analysis"}));
    EXPECT_EQ(ComboItems(form->QuoteTypeCombo),
              (std::vector<std::string>{"Open", "High", "Low", "Close", "Candlestick"}));
    EXPECT_EQ(form->BtCreateAnalysis->GetCaption(), "Create Analysis");
    EXPECT_EQ(form->SeSkinPanel1->GetCaption(), "Velmora Web Browser");
    EXPECT_EQ(form->Image1->GetWidth(), 400);
    EXPECT_EQ(form->Image1->GetHeight(), 250);
    EXPECT_EQ(form->HTTPSocket->GetTimeOut(), 20000);
    EXPECT_EQ(form->SeSkinMessage1->GetFont()->GetName(), "Tahoma");
    EXPECT_EQ(form->SeSkinEngine1->GetName(), "SeSkinEngine1");
    // Names stay names: no button shows its name as a caption.
    EXPECT_TRUE(form->ToolbAnalysisOpenBt->GetCaption().IsEmpty());
    EXPECT_EQ(form->FindComponent("BigChart"), static_cast<TComponent*>(form->BigChart));
    EXPECT_EQ(form->FindComponent("StringGrid2"), form->StringGrid2);
    EXPECT_EQ(form->FindComponent("WizardHiddenList"), form->WizardHiddenList);
}

TEST_F(MainWindowTest, EveryToolButtonHasItsHintAndPicture) {
    TOriginalForm1* form = Start();
    const std::pair<TSeSkinSpeedButton*, const char*> buttons[] = {
        {form->ToolbWizardNewBt, "New Vazod Erurid Document"},
        {form->ToolbWizardOpenBt, "Open Vazod Erurid Document"},
        {form->ToolbWizardSaveBt, "Save Vazod Erurid Document"},
        {form->ToolbWizardPrintBt, "Print Vazod Erurid Document"},
        {form->ToolbAnalysisOpenBt, "Open Stock Quote File"},
        {form->ToolbAnalysisPrintQuotesBt, "Print Stock Quotes"},
        {form->ToolbDiagrPrintBt, "Print Diagram"},
        {form->ToolbDiagrExpBt, "Export Diagram to Bitmap"},
        {form->ToolbSymbLookupBt, "Symbol Lookup"},
        {form->ToolbHelpBt, "Help"},
        {form->BtWizardAdd, "Add Stocks"},
        {form->BtWizardRem, "Remove Stocks"},
        {form->BtWizardRecalc, "Recalculate Predictions"},
        {form->BtDiagrTrendl, "Draw Trendlines"},
        {form->BtDiagrFibonacci, "Draw Fibonacci Arcs"},
        {form->BtDiagrTrendlErase, "Erase Trendlines and Arcs"},
        {form->BtURLGo, "Go"},
        {form->BtURLBack, "Back"},
        {form->BtURLForward, "Forward"},
        {form->BtURLStop, "Stop"},
    };
    for (const auto& [button, hint] : buttons) {
        ASSERT_NE(button, nullptr) << hint;
        EXPECT_EQ(button->GetHint(), hint);
        EXPECT_TRUE(button->GetShowHint()) << hint;
        EXPECT_TRUE(button->GetFlat()) << hint;
        EXPECT_EQ(button->GetGlyph()->GetWidth(), 16) << hint;
    }
    // The tool bars hold their buttons in the order of the commands.
    EXPECT_EQ(form->ToolbWizardNewBt->GetParent(), form->SeSkinToolBar1);
    EXPECT_EQ(form->ToolbAnalysisOpenBt->GetParent(), form->SeSkinToolBar2);
    EXPECT_EQ(form->ToolbDiagrExpBt->GetParent(), form->SeSkinToolBar3);
    EXPECT_EQ(form->ToolbHelpBt->GetParent(), form->SeSkinToolBar4);
    EXPECT_LT(form->ToolbWizardNewBt->GetLeft(), form->ToolbWizardPrintBt->GetLeft());
    // Hints show in the skinned hint window.
    ASSERT_NE(TSeHintManager::Current(), nullptr);
    MouseMove(form->ToolbAnalysisOpenBt, 5, 5);
    AdvanceClock(TSeHintManager::Current()->GetHintPause());
    ASSERT_TRUE(TSeHintManager::Current()->GetHintShowing());
    ASSERT_NE(dynamic_cast<TSeSkinHintWindow*>(TSeHintManager::Current()->GetHintWindow()), nullptr);
    EXPECT_EQ(TSeHintManager::Current()->GetHintWindow()->GetCaption(), "Open Stock Quote File");
}

TEST_F(MainWindowTest, TheMenuBarCarriesEveryCommand) {
    TOriginalForm1* form = Start();
    const std::vector<std::pair<const char*, std::vector<const char*>>> menus = {
        {"File",
         {"New Vazod Erurid Document", "Open Vazod Erurid Document", "Open Stock Quote File",
          "Save Vazod Erurid Document", "Print Vazod Erurid Document", "Print Stock Quotes", "Print Diagram", "-",
          "Exit"}},
        {"Vazod Erurid", {"Add Stocks", "Remove Stocks", "Show Diagram", "Recalculate Predicitons"}},
        {"Analysis", {"Create Analysis"}},
        {"Diagram", {"Export to Bitmap", "Draw Trendlines", "Draw Fibonacci Arcs", "Erase Trendlines and Arcs"}},
        {"Quotes", {"Download Quotes", "Update Quotes", "Symbol Lookup", "Exchanges"}},
        {"Help", {"Velmora Help", "-", "Velmora Home Page", "-", "About..."}},
    };
    TSeCustomItem* root = form->SeSkinMenuBar1->GetItems();
    ASSERT_EQ(root->GetCount(), static_cast<int>(menus.size()));
    for (int i = 0; i < root->GetCount(); ++i) {
        TSeCustomItem* menu = root->GetItems(i);
        EXPECT_EQ(menu->GetDisplayCaption(), menus[i].first);
        ASSERT_EQ(menu->GetCount(), static_cast<int>(menus[i].second.size())) << menus[i].first;
        for (int j = 0; j < menu->GetCount(); ++j) {
            EXPECT_EQ(menu->GetItems(j)->GetCaption(), menus[i].second[j]);
            EXPECT_TRUE(menu->GetItems(j)->GetVisible());
            EXPECT_TRUE(menu->GetItems(j)->GetEnabled());
        }
    }
    // The open command is one handler for the menu and both buttons.
    EXPECT_TRUE(form->FindMenuItem("File", "Open Stock Quote File")->OnClick);
    EXPECT_TRUE(form->BtAnalysisOpen->OnClick);
    EXPECT_TRUE(form->ToolbAnalysisOpenBt->OnClick);
    // Commands of modules still to come do nothing yet, and say nothing.
    form->FindMenuItem("Analysis", "Create Analysis")->Click();
    EXPECT_FALSE(AnyRequest());
    EXPECT_TRUE(form->FindMenuItem("Quotes", "Download Quotes")->OnClick);
    EXPECT_TRUE(form->FindMenuItem("Quotes", "Update Quotes")->OnClick);
}

TEST_F(MainWindowTest, AboutShowsTheAboutBoxAndExitCloses) {
    TOriginalForm1* form = Start();
    fAbout = TForm::Create<TfAbout>(Application);
    TCustomForm* shown = nullptr;
    AnswerNextModalForm([&](TCustomForm* Form) {
        shown = Form;
        Form->SetModalResult(mrOk);
    });
    form->FindMenuItem("Help", "About...")->Click();
    EXPECT_EQ(shown, fAbout);
    fAbout->Free();
    fAbout = nullptr;

    form->FindMenuItem("File", "Exit")->Click();
    Application->ProcessMessages();
    EXPECT_FALSE(form->GetVisible());
}

TEST_F(MainWindowTest, HelpOpensTheHelpFileFromTheSettings) {
    const std::string help = WriteFile("velmora.hlp", "help");
    {
        TRegistry settings;
        settings.SetRootKey(HKEY_LOCAL_MACHINE);
        ASSERT_TRUE(settings.OpenKey("Software\\Halvorsk\\Velmora\\init", true));
        settings.WriteString("helpFileDir", help.c_str());
    }
    TOriginalForm1* form = Start();
    EXPECT_EQ(form->HelpFilePath, help.c_str());
    RecordShellExecute(true);
    MouseClick(form->ToolbHelpBt, 5, 5);
    const std::vector<TShellExecuteCall> opened = ShellExecuteLog();
    RecordShellExecute(false);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0].File, help.c_str());
    EXPECT_EQ(Application->GetHelpFile(), help.c_str());
}

TEST_F(MainWindowTest, HelpMessagesComeInTheSkinnedBoxWithACaption) {
    TOriginalForm1* form = Start();  // no help file in the settings
    ASSERT_TRUE(form->HelpFilePath.IsEmpty());
    bool skinnedFrame = false;
    TObject* shownBy = nullptr;
    QueueAutomationAnswer("MessageBox", [&](TAutomationRequest& Request) {
        auto* box = dynamic_cast<TCustomForm*>(Request.Subject);
        shownBy = box->GetOwner();
        for (int i = 0; i < box->GetComponentCount(); ++i)
            skinnedFrame |= dynamic_cast<TSeSkinForm*>(box->GetComponent(i)) != nullptr;
        Request.Result = IDOK;
    });
    form->FindMenuItem("Help", "Velmora Help")->Click();
    ASSERT_EQ(MessagesShown(), 1);
    EXPECT_EQ(AutomationLog().back().Text, "No help file has been set.");
    EXPECT_EQ(AutomationLog().back().Caption, Application->GetTitle());
    EXPECT_FALSE(AutomationLog().back().Caption.IsEmpty());
    EXPECT_EQ(shownBy, form->SeSkinMessage1);
    EXPECT_TRUE(skinnedFrame) << "the drawn frame carries the caption";
}

TEST_F(MainWindowTest, AHomePageThatCannotBeOpenedIsReportedWithItsAddress) {
    TOriginalForm1* form = Start();
    RecordShellExecute(true, false);  // no browser can be started
    AnswerMessage(IDOK);
    form->FindMenuItem("Help", "Velmora Home Page")->Click();
    const size_t attempts = ShellExecuteLog().size();
    RecordShellExecute(false);
    EXPECT_EQ(attempts, 1u);
    EXPECT_EQ(MessageText(), "The address could not be opened: https://velmora.example/");
    EXPECT_EQ(MessageCaption(), "Error");
}

TEST_F(MainWindowTest, AQuoteFileOnTheCommandLineOpensInAnyCaseOfItsExtension) {
    for (const char* name : {"x.zrq", "X.ZRQ"}) {
        const std::string path = WriteFile(name, XyzFile("\r\n"));
        TOriginalForm1* form = Start({path});
        EXPECT_EQ(form->PageControl1->GetActivePage(), form->TabSheet5) << name;
        EXPECT_EQ(form->QuoteFilePath, path.c_str());
        EXPECT_EQ(form->StringGrid2->GetCells(0, 0), "XYZ");
        EXPECT_EQ(form->StringGrid2->GetRowCount(), 4);
        EXPECT_TRUE(form->BtCreateAnalysis->GetEnabled());
        EXPECT_EQ(form->StartDateCombo->GetText(), "28-May-03");
        Finish();
    }
}

TEST_F(MainWindowTest, AWizardDocumentOnTheCommandLineNamesTheDocument) {
    // Not there: said, and the document keeps the name it was asked by.
    AnswerMessage(mrOk);
    TOriginalForm1* form = Start({"C:\\w\\tech.ZRW"});
    EXPECT_EQ(MessageText(), "Cannot open the Vazod Erurid document \"C:\\w\\tech.ZRW\": it does not exist.");
    EXPECT_EQ(form->WizardPath, "C:\\w\\tech.ZRW");
    EXPECT_EQ(form->DocumentName, "tech.ZRW");
    EXPECT_FALSE(form->Modified);
    Finish();
    form = Start({WriteFile("tech.zrw", "")});
    EXPECT_EQ(form->DocumentName, "tech.zrw");
    EXPECT_EQ(form->PageControl1->GetActivePage(), form->TabSheet4);
    EXPECT_EQ(MessagesShown(), 1);
}

TEST_F(MainWindowTest, OtherArgumentsLeaveTheStartState) {
    for (std::vector<std::string> arguments : {std::vector<std::string>{"notes.txt"}, std::vector<std::string>{"q"},
                                               std::vector<std::string>{}}) {
        TOriginalForm1* form = Start(arguments);
        EXPECT_EQ(form->PageControl1->GetActivePage(), form->TabSheet4);
        EXPECT_EQ(form->DocumentName, "Untitled");
        EXPECT_TRUE(form->QuoteFilePath.IsEmpty());
        EXPECT_TRUE(form->WizardPath.IsEmpty());
        EXPECT_FALSE(form->BtCreateAnalysis->GetEnabled());
        Finish();
    }
    EXPECT_FALSE(AnyRequest());
}

TEST_F(MainWindowTest, AnUnreadableFileOnTheCommandLineIsReportedAndTheWindowStillOpens) {
    AnswerMessage(mrOk);
    TOriginalForm1* form = Start({dir_.File("missing.zrq")});
    EXPECT_NE(MessageText().Pos(": it does not exist."), 0) << MessageText().str();
    EXPECT_EQ(form->PageControl1->GetActivePage(), form->TabSheet4);
    EXPECT_FALSE(form->BtCreateAnalysis->GetEnabled());
    EXPECT_TRUE(form->QuoteFilePath.IsEmpty());
}

}  // namespace
