#include "app/mainwindow/MainWindowFixture.h"

#include "app/mainwindow/websettings.h"
#include "platform/host/Registry.h"
#include "platform/host/TrayIcon.h"
#include "platform/runtime/FileUtils.h"
#include "skin/controls/SeComboBox.h"

namespace {

// Every test starts from no settings: what one test's window wrote when it
// closed is not the next one's start.
void ForgetSettings() {
    TRegistry registry;
    registry.SetRootKey(HKEY_LOCAL_MACHINE);
    registry.DeleteKey(AnsiString("\\") + kWebSettingsKey);
}

}  // namespace

void MainWindowTest::SetUp() {
    ClearAutomation();
    ForgetSettings();
}

void MainWindowTest::TearDown() {
    Finish();
    EXPECT_EQ(PendingAutomationAnswers("MessageBox"), 0) << "a message that was expected was not shown";
    EXPECT_EQ(PendingAutomationAnswers("FileDialog"), 0) << "a file dialog that was expected was not shown";
    ClearAutomation();
    SetCommandLine(0, nullptr);
    EndFakeSystemTray();
}

TOriginalForm1* MainWindowTest::Start(const std::vector<std::string>& Arguments) {
    std::vector<const char*> argv = {"velmora"};
    for (const std::string& argument : Arguments) argv.push_back(argument.c_str());
    SetCommandLine(static_cast<int>(argv.size()), argv.data());
    form_ = TForm::Create<TOriginalForm1>(Application);
    OriginalForm1 = form_;
    form_->Show();
    Application->ProcessMessages();
    return form_;
}

void MainWindowTest::Finish() {
    if (!form_) return;
    form_->Free();
    form_ = nullptr;
    OriginalForm1 = nullptr;
}

void MainWindowTest::AnswerMessage(int Button) {
    QueueAutomationAnswer("MessageBox", [this, Button](TAutomationRequest& Request) {
        messageText_ = Request.Text;
        messageCaption_ = Request.Caption;
        Request.Result = Button;
    });
}

int MainWindowTest::MessagesShown() const {
    int count = 0;
    for (const TAutomationRequest& request : AutomationLog()) count += request.Kind == "MessageBox";
    return count;
}

std::string MainWindowTest::WriteFile(const std::string& Name, const std::string& Text) const {
    dir_.Write(Name, Text);
    return dir_.File(Name);
}

std::string MainWindowTest::XyzFile(const std::string& LineEnd, bool LastLineEnd) {
    const char* lines[] = {"0,2,2001,4,30,2003,XYZ", "30-May-03,12.50,12.80,12.40,12.75,1520000",
                           "29-May-03,12.10,12.60,12.00,12.50,980000", "28-May-03,1234.5,1300,1200.25,1250,3000000"};
    std::string text;
    for (const char* line : lines) text += line + LineEnd;
    if (!LastLineEnd) text.resize(text.size() - LineEnd.size());
    return text;
}

std::vector<std::string> ComboItems(TSeCustomComboBox* Combo) {
    std::vector<std::string> items;
    for (int i = 0; i < Combo->GetItems()->GetCount(); ++i) items.push_back(Combo->GetItems()->GetStrings(i).str());
    return items;
}
