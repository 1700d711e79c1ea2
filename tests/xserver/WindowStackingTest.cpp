// Forms shown while the main window is up come in front of it on a real X
// server and take the clicks there, also once the Browser page's web view
// has made the main window's native window anew. Runs in a program of its
// own (tests/CMakeLists.txt): once without a window manager, once under one.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "XServer.h"
#include "app/dialogs/about.h"
#include "app/mainwindow/websettings.h"
#include "platform/host/Registry.h"
#include "platform/host/WebBrowser.h"
#include "platform/testing/NativeWindow.h"
#include "platform/testing/TestInput.h"
#include "skin/engine/KsSkinMenus.h"
#include "skin/engine/KsSkinSpeedButton.h"
#include "support/LocalPageServer.h"
#include "support/WebEngineTesting.h"
#include "tests/app/mainwindow/MainWindowFixture.h"

// The web engine frees some of its objects with a sized delete of the wrong
// size; only the browser's programs turn that check off.
extern "C" const char* __asan_default_options() { return "new_delete_type_mismatch=0"; }

namespace {

std::string Hex(unsigned long Window) {
    char text[32];
    std::snprintf(text, sizeof text, "0x%lx", Window);
    return text;
}

class WindowStacking : public MainWindowTest {
protected:
    static void SetUpTestSuite() { KeepWebEngineDataApart(); }
    void SetUp() override {
        if (!XServerAbsence().empty()) GTEST_SKIP() << "No X server for this test: " << XServerAbsence();
        MainWindowTest::SetUp();
        server.AddPage("/l", "<html><head><title>Symbol Lookup</title></head>"
                             "<body style='background:#ff0000'>lookup</body></html>");
        TRegistry registry;
        registry.SetRootKey(HKEY_LOCAL_MACHINE);
        ASSERT_TRUE(registry.OpenKey(kWebSettingsKey, true));
        registry.WriteString("quoteSiteUrl", server.Url("/").c_str());
    }
    void TearDown() override {
        MainWindowTest::TearDown();
        if (fAbout) fAbout->Free();
        fAbout = nullptr;
        TRegistry registry;
        registry.SetRootKey(HKEY_LOCAL_MACHINE);
        registry.DeleteKey(AnsiString("\\") + kWebSettingsKey);
    }

    // Waits (up to 30 s) until Form's window is the viewable one at the top
    // of the X server's stacking order.
    static ::testing::AssertionResult OnTop(TCustomForm* Form) {
        unsigned long mine = 0, top = 0;
        auto checked = std::chrono::steady_clock::time_point();
        const bool onTop = ProcessMessagesUntil(
            [&] {
                // Each look asks the server through other programs: not on every turn.
                const auto now = std::chrono::steady_clock::now();
                if (now - checked < std::chrono::milliseconds(50)) return false;
                checked = now;
                mine = TopLevelOf(NativeWindowId(Form));
                top = TopViewableWindow();
                return mine != 0 && top == mine;
            },
            30000);
        if (onTop) return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << "the window of \"" << Form->GetCaption().str() << "\" ("
                                             << Hex(mine) << ") is not the top one: " << Hex(top) << " is";
    }

    // Shows the form that Open shows modally and, from inside its modal
    // loop, checks that it is on top and belongs to the main window's
    // current native window, then clicks Button (found in the shown form)
    // through the X server. Open's result when the click ended the form;
    // else the form is ended with Fallback and the test fails.
    template <class Open>
    void ShowAndClick(const AnsiString& Kind, Open open, TControl* (*Button)(TCustomForm*), int Fallback) {
        QueueAutomationAnswer(Kind, [&, Button, Fallback](TAutomationRequest& Request) {
            auto* shown = dynamic_cast<TCustomForm*>(Request.Subject);
            ASSERT_NE(shown, nullptr);
            EXPECT_TRUE(OnTop(shown));
            EXPECT_EQ(Hex(TransientFor(NativeWindowId(shown))), Hex(NativeWindowId(form_)))
                << "\"" << shown->GetCaption().str() << "\" does not belong to the main window";
            TControl* button = Button(shown);
            const TPoint middle = button->ClientToScreen({button->GetWidth() / 2, button->GetHeight() / 2});
            EXPECT_TRUE(ClickOnScreen(middle.x, middle.y));
            const bool ended =
                ProcessMessagesUntil([shown] { return shown->GetModalResult() != mrNone; }, 30000);
            EXPECT_TRUE(ended) << "the click on \"" << button->GetCaption().str() << "\" did not reach \""
                               << shown->GetCaption().str() << "\"";
            if (!ended) Request.Result = Fallback;
        });
        open();
        EXPECT_EQ(PendingAutomationAnswers(Kind), 0);
    }

    static TControl* AboutClose(TCustomForm*) { return fAbout->BtClose; }
    static TControl* BoxOk(TCustomForm* Box) {
        for (int i = 0; i < Box->GetControlCount(); ++i)
            if (Box->GetControls(i)->GetCaption() == "OK") return Box->GetControls(i);
        throw Exception("the message box has no OK button");
    }

    // Help > About, closed with its Close button.
    void OpenAbout() {
        ShowAndClick(
            "ModalForm", [&] { form_->FindMenuItem("Help", "About...")->Click(); }, AboutClose, mrCancel);
        EXPECT_FALSE(fAbout->GetVisible());
        EXPECT_EQ(fAbout->GetModalResult(), mrOk) << "the About box was not closed by its button";
    }

    LocalPageServer server;
};

TEST_F(WindowStacking, FormsShownOverTheMainWindowComeOnTopAndTakeClicksAlsoAfterABrowserPage) {
    fAbout = TForm::Create<TfAbout>(Application);
    TOriginalForm1* form = Start();
    ASSERT_TRUE(OnTop(form));
    // Neither the web engine nor OpenGL (a GLX vendor library) before the first page.
    EXPECT_FALSE(WebEngineMapped());
    EXPECT_FALSE(LibraryMapped("libGLX_"));

    // The About box once before any page: its native window is made now,
    // before the main window's next one.
    OpenAbout();

    // A page in the Browser tab: its web view makes the main window's
    // native window anew, above every window made before.
    MouseClick(form->ToolbSymbLookupBt, 5, 5);
    ASSERT_TRUE(ProcessMessagesUntil([form] { return form->VisibleBrowser->GetVisible(); }, 30000))
        << "the lookup page did not load";
    ASSERT_TRUE(OnTop(form));
    // The engine, loaded with that page, draws it on the screen.
    TCppWebBrowser* browser = form->VisibleBrowser;
    EXPECT_TRUE(WebEngineMapped());
    EXPECT_TRUE(ProcessMessagesUntil(
        [browser] { return ScreenPixel(browser, browser->GetWidth() / 2, browser->GetHeight() / 2) == clRed; },
        30000))
        << "the page is not on the screen";

    OpenAbout();
    int pressed = 0;
    ShowAndClick(
        "MessageBox", [&] { pressed = Application->MessageBox("The page is in.", "Velmora", MB_OK); }, BoxOk, IDOK);
    EXPECT_EQ(pressed, IDOK);
    // Back to the main window, which takes the clicks again.
    EXPECT_TRUE(OnTop(form));
}

}  // namespace
