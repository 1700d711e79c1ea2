// The Browser page: the quote service's pages and any address the user
// types, shown in the embedded browser; and the product's home page, opened
// in the system's own web browser.
#include "app/mainwindow/weblinks.h"
#include "app/mainwindow/websettings.h"
#include "app/mainwindow/zrmain.h"
#include "platform/host/ShellApi.h"
#include "platform/host/WebBrowser.h"
#include "skin/engine/KsSkinEdits.h"
#include "skin/engine/KsSkinPages.h"
#include "skin/engine/KsSkinPanel.h"
#include "skin/engine/KsSkinSpeedButton.h"

void TOriginalForm1::HideBrowser() {
    VisibleBrowser->SetVisible(false);
    VisibleBrowser->SetAlign(alNone);
    VisibleBrowser->SetWidth(0);
    VisibleBrowser->SetHeight(0);
}

void TOriginalForm1::SetBrowserButtons(bool Loading) {
    BtURLGo->SetEnabled(!Loading);
    BtURLBack->SetEnabled(!Loading);
    BtURLForward->SetEnabled(!Loading);
    BtURLStop->SetEnabled(Loading);
}

// The page switches at once; the browser shows itself when the page is in.
void TOriginalForm1::ToolbSymbLookupBtClick(TObject*) {
    VisibleBrowser->Navigate(SymbolLookupUrl());
    PageControl1->SetActivePage(TabSheet8);
}

void TOriginalForm1::MenuQuotesExchangesClick(TObject*) {
    VisibleBrowser->Navigate(ExchangesUrl());
    PageControl1->SetActivePage(TabSheet8);
}

void TOriginalForm1::BtURLGoClick(TObject*) {
    // A blank field is no address: nothing to load, and no error for it.
    const AnsiString address = URLEdit->GetText();
    if (address.Trim().IsEmpty()) return;
    VisibleBrowser->Navigate(address);
}

void TOriginalForm1::BtURLBackClick(TObject*) { VisibleBrowser->GoBack(); }

void TOriginalForm1::BtURLForwardClick(TObject*) { VisibleBrowser->GoForward(); }

void TOriginalForm1::BtURLStopClick(TObject*) { VisibleBrowser->Stop(); }

void TOriginalForm1::URLEditEnter(TObject*) { BtURLGo->SetEnabled(true); }

void TOriginalForm1::URLEditKeyPress(TObject*, char& Key) {
    if (Key != '\r') return;
    Key = 0;  // the edit has no use for it
    if (!URLEdit->GetText().IsEmpty()) BtURLGo->Click();
}

void TOriginalForm1::VisibleBrowserDownloadBegin(TObject*) { SetBrowserButtons(true); }

void TOriginalForm1::VisibleBrowserNavigateComplete2(TObject*, const AnsiString&) {
    VisibleBrowser->SetAlign(alClient);
    VisibleBrowser->SetVisible(true);
    SeSkinPanel1->SetCaption(VisibleBrowser->GetLocationName());
    URLEdit->SetText(VisibleBrowser->GetLocationURL());
    SetBrowserButtons(false);
}

void TOriginalForm1::MenuZRHomePageClick(TObject*) { openWebAddress(GetHandle(), HomePageUrl(), SW_SHOW); }
