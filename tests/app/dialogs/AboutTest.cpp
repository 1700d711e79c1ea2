#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/dialogs/DialogTestSupport.h"
#include "app/dialogs/about.h"
#include "app/mainwindow/websettings.h"
#include "platform/host/Registry.h"
#include "platform/host/ShellApi.h"
#include "skin/engine/KsSkinMessage.h"

namespace {

class About : public DialogTest {
protected:
    void TearDown() override {
        TRegistry registry;
        registry.SetRootKey(HKEY_LOCAL_MACHINE);
        registry.DeleteKey(AnsiString("\\") + kWebSettingsKey);
        DialogTest::TearDown();
    }
    static void WriteSetting(const char* Name, const char* Value) {
        TRegistry registry;
        registry.SetRootKey(HKEY_LOCAL_MACHINE);
        ASSERT_TRUE(registry.OpenKey(kWebSettingsKey, true));
        registry.WriteString(Name, Value);
    }
};

void ClickMiddle(TControl* Control) { MouseClick(Control, Control->GetWidth() / 2, Control->GetHeight() / 2); }

TEST_F(About, WebAddressesComeFromTheSettingsWithLocalDefaults) {
    EXPECT_EQ(QuoteSiteUrl(), "http://127.0.0.1:8080");
    EXPECT_EQ(SymbolLookupUrl(), "http://127.0.0.1:8080/l");
    EXPECT_EQ(ExchangesUrl(), "http://127.0.0.1:8080/sd");
    EXPECT_EQ(HomePageUrl(), "https://velmora.example/");
    EXPECT_EQ(ContactMail(), "info@velmora.example");

    WriteSetting("quoteSiteUrl", "http://127.0.0.1:9000/quotes/");
    WriteSetting("homePageUrl", "http://127.0.0.1:9001/home");
    WriteSetting("contactMail", "desk@velmora.example");
    EXPECT_EQ(SymbolLookupUrl(), "http://127.0.0.1:9000/quotes/l");
    EXPECT_EQ(ExchangesUrl(), "http://127.0.0.1:9000/quotes/sd");
    EXPECT_EQ(HomePageUrl(), "http://127.0.0.1:9001/home");
    EXPECT_EQ(ContactMail(), "desk@velmora.example");

    // An empty value counts as missing.
    WriteSetting("homePageUrl", "  ");
    EXPECT_EQ(HomePageUrl(), "https://velmora.example/");
}

TEST_F(About, ShowsTheNamePictureCreditsAndLinks) {
    WriteSetting("homePageUrl", "http://127.0.0.1:9001/");
    auto* about = TForm::Create<TfAbout>(Application);
    EXPECT_EQ(about->GetCaption(), "About Velmora");
    EXPECT_TRUE(about->SeSkinForm1->GetBorderIcons().Empty());
    EXPECT_EQ(about->NameLabel->GetCaption(), "Velmora");
    EXPECT_FALSE(about->CreditLabel1->GetCaption().IsEmpty());
    EXPECT_FALSE(about->CreditLabel2->GetCaption().IsEmpty());
    EXPECT_EQ(about->WebsiteLabel->GetCaption(), "http://127.0.0.1:9001/");
    EXPECT_EQ(about->EmailLabel->GetCaption(), "info@velmora.example");
    EXPECT_EQ(about->WebsiteLabel->GetCursor(), crHandPoint);
    EXPECT_EQ(about->EmailLabel->GetCursor(), crHandPoint);
    EXPECT_EQ(about->BtClose->GetCaption(), "Close");

    // The picture is drawn: more than one colour in it.
    TBitmap* picture = about->Image1->GetPicture()->GetBitmap();
    ASSERT_EQ(picture->GetWidth(), 64);
    TCanvas* c = picture->GetCanvas();
    EXPECT_NE(c->GetPixels(1, 1), c->GetPixels(27, 58));
    EXPECT_NE(c->GetPixels(1, 1), c->GetPixels(0, 0));
}

TEST_F(About, LinksOpenTheWebSiteAndTheMailProgram) {
    RecordShellExecute(true);
    auto* about = TForm::Create<TfAbout>(Application);
    EXPECT_EQ(ShowWith(about,
                       [&](TCustomForm*) {
                           ClickMiddle(about->WebsiteLabel);
                           ClickMiddle(about->EmailLabel);
                           ClickMiddle(about->BtClose);
                       }),
              mrOk);
    ASSERT_EQ(ShellExecuteLog().size(), 2u);
    const TShellExecuteCall& web = ShellExecuteLog()[0];
    EXPECT_EQ(web.Operation, "open");
    EXPECT_EQ(web.File, "https://velmora.example/");
    EXPECT_EQ(web.Parameters, "");
    EXPECT_EQ(web.Directory, "");
    EXPECT_EQ(web.ShowCmd, SW_SHOW);
    const TShellExecuteCall& mail = ShellExecuteLog()[1];
    EXPECT_EQ(mail.Operation, "open");
    EXPECT_EQ(mail.File, "mailto:info@velmora.example");
    EXPECT_EQ(mail.ShowCmd, SW_SHOWNORMAL);
}

TEST_F(About, ALinkThatCannotBeOpenedIsReportedWithItsAddress) {
    RecordShellExecute(true, false);  // no browser, no mail program
    auto* about = TForm::Create<TfAbout>(Application);
    std::vector<std::string> messages;
    auto answer = [&] {
        QueueAutomationAnswer("MessageBox", [&](TAutomationRequest& Request) {
            auto* box = dynamic_cast<TComponent*>(Request.Subject);
            EXPECT_EQ(box->GetOwner(), OriginalForm1->SeSkinMessage1);
            messages.push_back(Request.Caption.str() + ": " + Request.Text.str());
            Request.Result = IDOK;
        });
    };
    EXPECT_EQ(ShowWith(about,
                       [&](TCustomForm* f) {
                           answer();
                           ClickMiddle(about->WebsiteLabel);
                           answer();
                           ClickMiddle(about->EmailLabel);
                           EXPECT_TRUE(f->GetVisible()) << "the about box stays";
                           ClickMiddle(about->BtClose);
                       }),
              mrOk);
    EXPECT_EQ(messages, (std::vector<std::string>{"Error: The address could not be opened: https://velmora.example/",
                                                  "Error: The address could not be opened: mailto:info@velmora.example"}));
    EXPECT_EQ(ShellExecuteLog().size(), 2u);
}

TEST_F(About, EnterAndEscapeClose) {
    auto* about = TForm::Create<TfAbout>(Application);
    EXPECT_EQ(ShowWith(about, [](TCustomForm* f) { PressKey(f, VK_RETURN); }), mrOk);
    EXPECT_EQ(ShowWith(about, [](TCustomForm* f) { PressKey(f, VK_ESCAPE); }), mrOk);
    EXPECT_FALSE(about->GetVisible());
}

}  // namespace
