// The main window's command bands: the menu bar and the four tool bars.
// Commands whose modules come later stay in place without a handler.
#include "app/mainwindow/zrlayout.h"
#include "app/mainwindow/zrmain.h"
#include "skin/engine/KsSkinLabel.h"
#include "skin/engine/KsSkinMenus.h"
#include "skin/engine/KsSkinSpeedButton.h"
#include "skin/engine/KsSkinToolBars.h"

namespace {

TSeSkinToolBar* MakeToolBar(TComponent* Owner, const char* Name, TWinControl* Band, const char* Caption) {
    auto* bar = new TSeSkinToolBar(Owner);
    NameControl(bar, Name);
    bar->SetParent(Band);
    if (Caption) {
        TSeSkinLabel* label = MakeLabel(Owner, bar, Caption, 0, 0);
        label->GetFont()->SetStyle(TFontStyles{fsBold});
    }
    return bar;
}

TSeSkinSpeedButton* MakeToolButton(TComponent* Owner, const char* Name, TWinControl* Bar, TButtonPicture Picture,
                                   const char* Hint) {
    return MakePictureButton(Owner, Name, Bar, Picture, clWhite, Hint);
}

TSeSkinItem* AddItem(TComponent* Owner, TSeCustomItem* Menu, const char* Caption, TNotifyEvent Handler = {}) {
    auto* item = new TSeSkinItem(Owner);
    item->SetCaption(Caption);
    item->OnClick = Handler;
    Menu->Add(item);
    return item;
}

}  // namespace

void TOriginalForm1::CreateToolBars() {
    SeSkinControlBar1 = new TSeSkinControlBar(this);
    NameControl(SeSkinControlBar1, "SeSkinControlBar1");
    SeSkinControlBar1->SetParent(this);
    SeSkinControlBar1->SetAutoSize(true);

    SeSkinMenuBar1 = new TSeSkinMenuBar(this);
    NameControl(SeSkinMenuBar1, "SeSkinMenuBar1");
    SeSkinMenuBar1->SetParent(SeSkinControlBar1);
    SeSkinMenuBar1->SetAlign(alTop);

    SeSkinToolBar1 = MakeToolBar(this, "SeSkinToolBar1", SeSkinControlBar1, "Vazod Erurid:");
    ToolbWizardNewBt = MakeToolButton(this, "ToolbWizardNewBt", SeSkinToolBar1, bpNewDocument,
                                      "New Vazod Erurid Document");
    ToolbWizardOpenBt = MakeToolButton(this, "ToolbWizardOpenBt", SeSkinToolBar1, bpOpenFolder,
                                       "Open Vazod Erurid Document");
    ToolbWizardSaveBt = MakeToolButton(this, "ToolbWizardSaveBt", SeSkinToolBar1, bpSave, "Save Vazod Erurid Document");
    ToolbWizardPrintBt = MakeToolButton(this, "ToolbWizardPrintBt", SeSkinToolBar1, bpPrint,
                                        "Print Vazod Erurid Document");

    SeSkinToolBar2 = MakeToolBar(this, "SeSkinToolBar2", SeSkinControlBar1, "Analysis:");
    ToolbAnalysisOpenBt = MakeToolButton(this, "ToolbAnalysisOpenBt", SeSkinToolBar2, bpOpenFolder,
                                         "Open Stock Quote File");
    ToolbAnalysisPrintQuotesBt = MakeToolButton(this, "ToolbAnalysisPrintQuotesBt", SeSkinToolBar2, bpPrint,
                                                "Print Stock Quotes");

    SeSkinToolBar3 = MakeToolBar(this, "SeSkinToolBar3", SeSkinControlBar1, "Diagram:");
    ToolbDiagrPrintBt = MakeToolButton(this, "ToolbDiagrPrintBt", SeSkinToolBar3, bpPrint, "Print Diagram");
    ToolbDiagrExpBt = MakeToolButton(this, "ToolbDiagrExpBt", SeSkinToolBar3, bpExport, "Export Diagram to Bitmap");

    SeSkinToolBar4 = MakeToolBar(this, "SeSkinToolBar4", SeSkinControlBar1, nullptr);
    ToolbSymbLookupBt = MakeToolButton(this, "ToolbSymbLookupBt", SeSkinToolBar4, bpLookup, "Symbol Lookup");
    ToolbHelpBt = MakeToolButton(this, "ToolbHelpBt", SeSkinToolBar4, bpHelp, "Help");

    const TNotifyEvent open(this, &TOriginalForm1::ToolbAnalysisOpenBtClick);
    ToolbAnalysisOpenBt->OnClick = open;
    ToolbWizardNewBt->OnClick = TNotifyEvent(this, &TOriginalForm1::ToolbWizardNewBtClick);
    ToolbWizardOpenBt->OnClick = TNotifyEvent(this, &TOriginalForm1::ToolbWizardOpenBtClick);
    ToolbWizardSaveBt->OnClick = TNotifyEvent(this, &TOriginalForm1::ToolbWizardSaveBtClick);
    ToolbWizardPrintBt->OnClick = TNotifyEvent(this, &TOriginalForm1::ToolbWizardPrintBtClick);
    ToolbAnalysisPrintQuotesBt->OnClick = TNotifyEvent(this, &TOriginalForm1::ToolbAnalysisPrintQuotesBtClick);
    ToolbHelpBt->OnClick = TNotifyEvent(this, &TOriginalForm1::ToolbHelpBtClick);
    ToolbSymbLookupBt->OnClick = TNotifyEvent(this, &TOriginalForm1::ToolbSymbLookupBtClick);
    ToolbDiagrExpBt->OnClick = TNotifyEvent(this, &TOriginalForm1::ToolbDiagrExpBtClick);
    ToolbDiagrPrintBt->OnClick = TNotifyEvent(this, &TOriginalForm1::ToolbDiagrPrintBtClick);
}

void TOriginalForm1::CreateMenus() {
    using Handler = void (TOriginalForm1::*)(TObject*);
    struct Command {
        const char* Caption;
        Handler OnClick = nullptr;
    };
    struct Menu {
        const char* Caption;
        std::initializer_list<Command> Commands;
    };
    const Menu menus[] = {
        {"&File",
         {{"New Vazod Erurid Document", &TOriginalForm1::ToolbWizardNewBtClick},
          {"Open Vazod Erurid Document", &TOriginalForm1::ToolbWizardOpenBtClick},
          {"Open Stock Quote File", &TOriginalForm1::ToolbAnalysisOpenBtClick},
          {"Save Vazod Erurid Document", &TOriginalForm1::ToolbWizardSaveBtClick},
          {"Print Vazod Erurid Document", &TOriginalForm1::ToolbWizardPrintBtClick},
          {"Print Stock Quotes", &TOriginalForm1::ToolbAnalysisPrintQuotesBtClick},
          {"Print Diagram", &TOriginalForm1::ToolbDiagrPrintBtClick},
          {"-"},
          {"Exit", &TOriginalForm1::MenuFileExitClick}}},
        {"&Vazod Erurid",
         {{"Add Stocks", &TOriginalForm1::BtWizardAddClick},
          {"Remove Stocks", &TOriginalForm1::BtWizardRemClick},
          {"Show Diagram", &TOriginalForm1::BtWizardShowDiagrClick},
          {"Recalculate Predicitons", &TOriginalForm1::BtWizardRecalcClick}}},
        {"&Analysis", {{"Create Analysis", &TOriginalForm1::BtCreateAnalysisClick}}},
        {"&Diagram",
         {{"Export to Bitmap", &TOriginalForm1::ToolbDiagrExpBtClick},
          {"Draw Trendlines", &TOriginalForm1::BtDiagrTrendlClick},
          {"Draw Fibonacci Arcs", &TOriginalForm1::BtDiagrFibonacciClick},
          {"Erase Trendlines and Arcs", &TOriginalForm1::BtDiagrTrendlEraseClick}}},
        {"&Quotes", {{"Download Quotes", &TOriginalForm1::MenuDlQuotesClick},
          {"Update Quotes", &TOriginalForm1::MenuUpdQuotesClick}, {"Symbol Lookup", &TOriginalForm1::ToolbSymbLookupBtClick},
          {"Exchanges", &TOriginalForm1::MenuQuotesExchangesClick}}},
        {"&Help",
         {{"Velmora Help", &TOriginalForm1::ToolbHelpBtClick},
          {"-"},
          {"Velmora Home Page", &TOriginalForm1::MenuZRHomePageClick},
          {"-"},
          {"About...", &TOriginalForm1::MenuAboutClick}}},
    };
    for (const Menu& menu : menus) {
        TSeSkinItem* top = AddItem(this, SeSkinMenuBar1->GetItems(), menu.Caption);
        for (const Command& command : menu.Commands)
            AddItem(this, top, command.Caption,
                    command.OnClick ? TNotifyEvent(this, command.OnClick) : TNotifyEvent());
    }
}

TSeSkinItem* TOriginalForm1::FindMenuItem(const AnsiString& Menu, const AnsiString& Caption) const {
    TSeCustomItem* root = SeSkinMenuBar1->GetItems();
    for (int i = 0; i < root->GetCount(); ++i) {
        TSeCustomItem* menu = root->GetItems(i);
        if (menu->GetDisplayCaption() != Menu) continue;
        for (int j = 0; j < menu->GetCount(); ++j)
            if (menu->GetItems(j)->GetCaption() == Caption) return dynamic_cast<TSeSkinItem*>(menu->GetItems(j));
    }
    return nullptr;
}
