// The web browser against pages served on this machine. Runs as a program
// of its own (tests/CMakeLists.txt).
#include <string>
#include <vector>

#include "platform/controls/ControlProbes.h"
#include "platform/host/WebBrowser.h"
#include "support/LocalPageServer.h"
#include "support/WebEngineTesting.h"

// The web engine, a library of its own, frees some of its objects with a
// sized delete of the wrong size when a page closes; AddressSanitizer would
// stop there. Only this program turns that check off.
extern "C" const char* __asan_default_options() { return "new_delete_type_mismatch=0"; }

namespace {

class WebBrowser : public PlatformTest {
protected:
    static void SetUpTestSuite() { KeepWebEngineDataApart(); }
    void SetUp() override {
        PlatformTest::SetUp();
        server.AddPage("/a.html", HtmlPage("Page A", "first"));
        server.AddPage("/b.html", HtmlPage("Page B", "second"));
        server.AddPage("/red.html", "<html><head><title>Red</title></head><body style='background:#ff0000'></body></html>");
        form = ShownForm(320, 240);
        browser = Place(new TCppWebBrowser(form), form, 10, 10, 300, 200);
        browser->OnDownloadBegin = [this](TObject* Sender) {
            EXPECT_EQ(Sender, browser);
            events.push_back(std::string("begin") + (browser->GetBusy() ? " busy" : ""));
        };
        browser->OnNavigateComplete2 = [this](TObject* Sender, const AnsiString& URL) {
            EXPECT_EQ(Sender, browser);
            events.push_back("complete " + URL.str() + (browser->GetBusy() ? " busy" : ""));
        };
    }

    // Waits for the next completed navigation and returns the events since the last call.
    std::vector<std::string> Loaded() {
        return EventsUntilComplete(events, seen);
    }

    LocalPageServer server;
    TForm* form = nullptr;
    TCppWebBrowser* browser = nullptr;
    std::vector<std::string> events;
    std::size_t seen = 0;
};

using Events = std::vector<std::string>;

TEST_F(WebBrowser, NavigatesAndReportsTitleAddressAndItsEvents) {
    EXPECT_EQ(browser->GetLocationName(), "");
    EXPECT_EQ(browser->GetLocationURL(), "");
    EXPECT_FALSE(browser->GetBusy());

    const std::string a = server.Url("/a.html");
    browser->Navigate(a.c_str());
    EXPECT_EQ(Loaded(), (Events{"begin busy", "complete " + a}));
    EXPECT_EQ(browser->GetLocationName(), "Page A");
    EXPECT_EQ(browser->GetLocationURL(), a);
    EXPECT_FALSE(browser->GetBusy());

    // An address typed without its scheme is a web address.
    const std::string b = server.Url("/b.html");
    browser->Navigate(b.substr(std::string("http://").size()).c_str());
    EXPECT_EQ(Loaded(), (Events{"begin busy", "complete " + b}));
    EXPECT_EQ(browser->GetLocationName(), "Page B");

    // Refresh fetches the page again.
    browser->Refresh();
    EXPECT_EQ(Loaded(), (Events{"begin busy", "complete " + b}));

    // Nothing was fetched but what was asked for (and the page icon).
    std::vector<std::string> asked;
    for (const std::string& path : server.Requests())
        if (path != "/favicon.ico") asked.push_back(path);
    EXPECT_EQ(asked, (Events{"/a.html", "/b.html", "/b.html"}));
}

TEST_F(WebBrowser, GoesBackAndForwardThroughThePagesVisited) {
    // With no page either way nothing happens.
    browser->GoBack();
    browser->GoForward();
    browser->Stop();
    browser->Refresh();
    Application->ProcessMessages();
    EXPECT_TRUE(events.empty());

    const std::string a = server.Url("/a.html"), b = server.Url("/b.html");
    browser->Navigate(a.c_str());
    Loaded();
    browser->GoBack();  // the first page has none before it
    browser->Navigate(b.c_str());
    EXPECT_EQ(Loaded(), (Events{"begin busy", "complete " + b}));

    browser->GoBack();
    EXPECT_EQ(Loaded(), (Events{"begin busy", "complete " + a}));
    EXPECT_EQ(browser->GetLocationName(), "Page A");
    EXPECT_EQ(browser->GetLocationURL(), a);

    browser->GoForward();
    EXPECT_EQ(Loaded(), (Events{"begin busy", "complete " + b}));
    EXPECT_EQ(browser->GetLocationName(), "Page B");
}

TEST_F(WebBrowser, FailedLoadsCompleteTooAndBadAddressesRaise) {
    EXPECT_THROW(browser->Navigate(""), EWebBrowserError);
    EXPECT_TRUE(events.empty());

    // A missing page and a server that is not there both end the load.
    const std::string missing = server.Url("/missing.html");
    browser->Navigate(missing.c_str());
    EXPECT_EQ(Loaded(), (Events{"begin busy", "complete " + missing}));
    EXPECT_EQ(browser->GetLocationName(), "Not Found");

    std::string nowhere;
    {
        LocalPageServer gone;  // its port is free again once it has stopped
        nowhere = gone.Url("/x.html");
    }
    browser->Navigate(nowhere.c_str());
    Events fresh = Loaded();
    ASSERT_FALSE(fresh.empty());
    EXPECT_EQ(fresh.front(), "begin busy");
    EXPECT_EQ(fresh.back(), "complete " + nowhere);
    EXPECT_FALSE(browser->GetBusy());
}

TEST_F(WebBrowser, ShowsThePageInItsBoundsAndCanBeFreedFromItsOwnEvent) {
    const std::string red = server.Url("/red.html");
    browser->Navigate(red.c_str());
    Loaded();
    EXPECT_TRUE(ProcessMessagesUntil([&] { return ScreenPixel(browser, 150, 100) == clRed; }, 60000))
        << "the page is not shown";
    EXPECT_NE(ScreenPixel(form, 5, 5), clRed);  // the form around the browser
    EXPECT_NE(ScreenPixel(form, 250, 225), clRed);

    // The page follows the control's bounds.
    browser->SetBounds(0, 0, 320, 240);
    EXPECT_TRUE(ProcessMessagesUntil([&] { return ScreenPixel(form, 250, 225) == clRed; }, 60000));

    // A handler that frees the browser: the engine's view goes after the event.
    browser->OnNavigateComplete2 = [this](TObject*, const AnsiString&) {
        TCppWebBrowser* doomed = browser;
        browser = nullptr;  // the closure goes with the browser: nothing of it is used after
        delete doomed;
    };
    browser->Refresh();
    EXPECT_TRUE(ProcessMessagesUntil([&] { return browser == nullptr; }, 60000));
    Application->ProcessMessages();
    EXPECT_EQ(form->GetControlCount(), 0);
}

}  // namespace
