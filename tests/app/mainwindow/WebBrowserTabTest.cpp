// The main window's Browser page and its web links, against pages served on
// this machine. Runs as a program of its own (tests/CMakeLists.txt).
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "app/mainwindow/MainWindowFixture.h"
#include "app/mainwindow/websettings.h"
#include "platform/controls/Messages.h"
#include "platform/host/Registry.h"
#include "platform/host/ShellApi.h"
#include "platform/testing/TestInput.h"
#include "platform/host/WebBrowser.h"
#include "skin/engine/KsSkinEdits.h"
#include "skin/engine/KsSkinMenus.h"
#include "skin/engine/KsSkinPages.h"
#include "skin/engine/KsSkinPanel.h"
#include "skin/engine/KsSkinSpeedButton.h"
#include "support/LocalPageServer.h"
#include "support/WebEngineTesting.h"

// The web engine frees some of its objects with a sized delete of the wrong
// size; only the browser's programs turn that check off.
extern "C" const char* __asan_default_options() { return "new_delete_type_mismatch=0"; }

namespace {

using Strings = std::vector<std::string>;

class WebBrowserTab : public MainWindowTest {
protected:
    static void SetUpTestSuite() { KeepWebEngineDataApart(); }
    void SetUp() override {
        MainWindowTest::SetUp();
        server.AddPage("/l", HtmlPage("Symbol Lookup", "lookup"));
        server.AddPage("/sd", HtmlPage("Exchanges", "exchanges"));
        server.AddPage("/a.html", HtmlPage("Page A", "first"));
        server.AddPage("/b.html", HtmlPage("Page B", "second"));
        TRegistry registry;
        registry.SetRootKey(HKEY_LOCAL_MACHINE);
        ASSERT_TRUE(registry.OpenKey(kWebSettingsKey, true));
        registry.WriteString("quoteSiteUrl", server.Url("/").c_str());
        registry.WriteString("homePageUrl", "http://127.0.0.1:9/velmora/");
    }
    void TearDown() override {
        MainWindowTest::TearDown();
        RecordShellExecute(false);
        TRegistry registry;
        registry.SetRootKey(HKEY_LOCAL_MACHINE);
        registry.DeleteKey(AnsiString("\\") + kWebSettingsKey);
    }

    // Starts the window and notes, after the window's own handlers, the
    // buttons' states whenever a load begins and each completed address.
    TOriginalForm1* StartBrowsing() {
        TOriginalForm1* form = Start();
        TCppWebBrowser* browser = form->VisibleBrowser;
        const TNotifyEvent begin = browser->OnDownloadBegin;
        browser->OnDownloadBegin = [this, begin](TObject* Sender) {
            begin(Sender);
            events.push_back("begin " + Buttons());
        };
        const TNavigateComplete2Event complete = browser->OnNavigateComplete2;
        browser->OnNavigateComplete2 = [this, complete](TObject* Sender, const AnsiString& URL) {
            complete(Sender, URL);
            events.push_back("complete " + URL.str() + " " + Buttons());
        };
        return form;
    }

    // The enabled buttons among Go, Back, Forward and Stop.
    std::string Buttons() const {
        std::string enabled;
        for (auto [button, name] : {std::pair{form_->BtURLGo, "Go"}, std::pair{form_->BtURLBack, "Back"},
                                    std::pair{form_->BtURLForward, "Forward"}, std::pair{form_->BtURLStop, "Stop"}})
            if (button->GetEnabled()) enabled += enabled.empty() ? name : std::string("+") + name;
        return enabled.empty() ? "none" : enabled;
    }

    // Waits for the next completed navigation; the events since the last call.
    Strings Loaded() {
        return EventsUntilComplete(events, seen);
    }

    void PressEnterInAddress(const std::string& Text) {
        form_->URLEdit->SetText(Text.c_str());
        PressKey(form_, VK_RETURN);
        Application->ProcessMessages();
    }

    LocalPageServer server;
    Strings events;
    std::size_t seen = 0;
};

TEST_F(WebBrowserTab, StartsWithTheBrowserHiddenAndTheButtonsDisabled) {
    TOriginalForm1* form = StartBrowsing();
    TCppWebBrowser* browser = form->VisibleBrowser;
    ASSERT_NE(browser, nullptr);
    EXPECT_EQ(browser->GetParent(), form->SeSkinPanel1);
    EXPECT_FALSE(browser->GetVisible());
    EXPECT_EQ(browser->GetAlign(), alNone);
    EXPECT_EQ(browser->GetWidth(), 0);
    EXPECT_EQ(browser->GetHeight(), 0);
    EXPECT_EQ(Buttons(), "none");
    EXPECT_EQ(form->SeSkinPanel1->GetCaption(), "Velmora Web Browser");

    // Entering the address field offers Go; confirming a blank one loads nothing.
    form->PageControl1->SetActivePage(form->TabSheet8);
    form->URLEdit->SetFocus();
    EXPECT_EQ(Buttons(), "Go");
    PressEnterInAddress("");
    PressEnterInAddress("   ");
    form->BtURLGo->Click();
    EXPECT_EQ(MessagesShown(), 0);
    EXPECT_TRUE(events.empty());
    EXPECT_FALSE(browser->GetVisible());
    EXPECT_TRUE(server.Requests().empty());
}

TEST_F(WebBrowserTab, SymbolLookupShowsTheBrowserPageAtOnceAndTheBrowserOnceLoaded) {
    TOriginalForm1* form = StartBrowsing();
    MouseClick(form->ToolbSymbLookupBt, 5, 5);
    // The page has switched before the lookup page is in.
    EXPECT_EQ(form->PageControl1->GetActivePage(), form->TabSheet8);
    EXPECT_FALSE(form->VisibleBrowser->GetVisible());

    const std::string lookup = server.Url("/l");
    EXPECT_EQ(Loaded(), (Strings{"begin Stop", "complete " + lookup + " Go+Back+Forward"}));
    TCppWebBrowser* browser = form->VisibleBrowser;
    EXPECT_TRUE(browser->GetVisible());
    EXPECT_EQ(browser->GetAlign(), alClient);
    EXPECT_GT(browser->GetWidth(), 100);
    EXPECT_GT(browser->GetHeight(), 100);
    // It fills the panel below the caption's strip, which stays in view.
    EXPECT_GE(browser->GetTop(), 16);
    EXPECT_GE(form->SeSkinPanel1->GetHeight() - (browser->GetTop() + browser->GetHeight()), 0);
    EXPECT_LE(form->SeSkinPanel1->GetHeight() - (browser->GetTop() + browser->GetHeight()), 4);
    EXPECT_EQ(form->SeSkinPanel1->GetCaption(), "Symbol Lookup");
    EXPECT_EQ(form->URLEdit->GetText(), lookup);

    // The menu's Exchanges from another page comes back here too.
    form->PageControl1->SetActivePage(form->TabSheet4);
    form->FindMenuItem("Quotes", "Exchanges")->Click();
    EXPECT_EQ(form->PageControl1->GetActivePage(), form->TabSheet8);
    const std::string exchanges = server.Url("/sd");
    EXPECT_EQ(Loaded(), (Strings{"begin Stop", "complete " + exchanges + " Go+Back+Forward"}));
    EXPECT_EQ(form->SeSkinPanel1->GetCaption(), "Exchanges");
    EXPECT_EQ(form->URLEdit->GetText(), exchanges);

    // And the menu's Symbol Lookup is the tool button's command.
    form->FindMenuItem("Quotes", "Symbol Lookup")->Click();
    EXPECT_EQ(Loaded().back(), "complete " + lookup + " Go+Back+Forward");
}

// The engine is heavy: the program loads it with the first page, not at
// start-up nor with the Browser page, and the page works from there on.
TEST_F(WebBrowserTab, LoadsTheWebEngineWithTheFirstPageOnly) {
    if (WebEngineMapped()) GTEST_SKIP() << "an earlier test of this process has loaded the web engine";
    TOriginalForm1* form = StartBrowsing();
    form->PageControl1->SetActivePage(form->TabSheet8);
    form->URLEdit->SetFocus();
    PressEnterInAddress("");
    EXPECT_FALSE(WebEngineMapped()) << "the web engine was loaded before any page was asked for";

    MouseClick(form->ToolbSymbLookupBt, 5, 5);
    const std::string lookup = server.Url("/l");
    EXPECT_EQ(Loaded(), (Strings{"begin Stop", "complete " + lookup + " Go+Back+Forward"}));
    EXPECT_TRUE(WebEngineMapped());
    EXPECT_TRUE(form->VisibleBrowser->GetVisible());
    EXPECT_EQ(form->SeSkinPanel1->GetCaption(), "Symbol Lookup");

    const std::string a = server.Url("/a.html");
    PressEnterInAddress(a);
    EXPECT_EQ(Loaded().back(), "complete " + a + " Go+Back+Forward");
    EXPECT_EQ(form->SeSkinPanel1->GetCaption(), "Page A");
}

TEST_F(WebBrowserTab, EnterInTheAddressFieldGoesThereAndBackAndForwardReturn) {
    TOriginalForm1* form = StartBrowsing();
    form->PageControl1->SetActivePage(form->TabSheet8);
    form->URLEdit->SetFocus();

    const std::string a = server.Url("/a.html"), b = server.Url("/b.html");
    PressEnterInAddress(a);
    EXPECT_EQ(Loaded(), (Strings{"begin Stop", "complete " + a + " Go+Back+Forward"}));
    EXPECT_EQ(form->SeSkinPanel1->GetCaption(), "Page A");
    EXPECT_TRUE(form->VisibleBrowser->GetVisible());
    EXPECT_EQ(form->URLEdit->GetText(), a);

    // Typed without its scheme, through the Go button.
    form->URLEdit->SetText(b.substr(std::string("http://").size()).c_str());
    MouseClick(form->BtURLGo, 5, 5);
    EXPECT_EQ(Loaded(), (Strings{"begin Stop", "complete " + b + " Go+Back+Forward"}));
    EXPECT_EQ(form->URLEdit->GetText(), b);

    MouseClick(form->BtURLBack, 5, 5);
    EXPECT_EQ(Loaded(), (Strings{"begin Stop", "complete " + a + " Go+Back+Forward"}));
    EXPECT_EQ(form->SeSkinPanel1->GetCaption(), "Page A");
    EXPECT_EQ(form->URLEdit->GetText(), a);

    MouseClick(form->BtURLForward, 5, 5);
    EXPECT_EQ(Loaded(), (Strings{"begin Stop", "complete " + b + " Go+Back+Forward"}));
    EXPECT_EQ(form->SeSkinPanel1->GetCaption(), "Page B");
    EXPECT_EQ(form->URLEdit->GetText(), b);
}

// A server on this machine that takes connections and never answers.
class SilentServer {
public:
    SilentServer() {
        fd_ = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t size = sizeof address;
        if (bind(fd_, reinterpret_cast<sockaddr*>(&address), size) != 0 || listen(fd_, 8) != 0 ||
            getsockname(fd_, reinterpret_cast<sockaddr*>(&address), &size) != 0)
            ADD_FAILURE() << "no silent server";
        port_ = ntohs(address.sin_port);
    }
    ~SilentServer() { close(fd_); }
    std::string Url(const std::string& Path) const { return "http://127.0.0.1:" + std::to_string(port_) + Path; }

private:
    int fd_ = -1;
    int port_ = 0;
};

TEST_F(WebBrowserTab, StopEndsALoadThatWouldNotFinish) {
    TOriginalForm1* form = StartBrowsing();
    SilentServer silent;
    form->PageControl1->SetActivePage(form->TabSheet8);
    form->URLEdit->SetText(silent.Url("/slow.html").c_str());
    form->BtURLGo->Click();
    ASSERT_TRUE(ProcessMessagesUntil([&] { return !events.empty(); }, 60000));
    EXPECT_EQ(events, (Strings{"begin Stop"}));
    seen = events.size();
    MouseClick(form->BtURLStop, 5, 5);
    const Strings stopped = Loaded();
    ASSERT_FALSE(stopped.empty());
    EXPECT_EQ(stopped.back().substr(stopped.back().rfind(' ') + 1), "Go+Back+Forward");
}

TEST_F(WebBrowserTab, TheHomePageOpensInTheSystemsBrowser) {
    TOriginalForm1* form = StartBrowsing();
    RecordShellExecute(true);
    form->FindMenuItem("Help", "Velmora Home Page")->Click();
    ASSERT_EQ(ShellExecuteLog().size(), 1u);
    const TShellExecuteCall& call = ShellExecuteLog()[0];
    EXPECT_EQ(call.Operation, "open");
    EXPECT_EQ(call.File, "http://127.0.0.1:9/velmora/");
    EXPECT_EQ(call.Parameters, "");
    EXPECT_EQ(call.Directory, "");
    EXPECT_EQ(call.ShowCmd, SW_SHOW);
    // Not in the embedded browser, and the page stays.
    Application->ProcessMessages();
    EXPECT_TRUE(events.empty());
    EXPECT_EQ(form->PageControl1->GetActivePage(), form->TabSheet4);
}

}  // namespace
