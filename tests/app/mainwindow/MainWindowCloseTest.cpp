// Closing the main window: the question about unsaved changes, and the
// settings kept for the next start.
#include "app/mainwindow/MainWindowFixture.h"

#include "platform/host/Dialogs.h"
#include "platform/host/Registry.h"
#include "platform/testing/TestInput.h"
#include "skin/engine/KsSkinPages.h"
#include "skin/engine/KsSkinSpeedButton.h"

namespace {

const char* const SettingsKey = "Software\\Halvorsk\\Velmora\\init";

AnsiString ReadSetting(const char* Name) {
    TRegistry settings;
    settings.SetRootKey(HKEY_LOCAL_MACHINE);
    EXPECT_TRUE(settings.OpenKey(SettingsKey, false));
    return settings.ReadString(Name);
}

void WriteSetting(const char* Name, const AnsiString& Value) {
    TRegistry settings;
    settings.SetRootKey(HKEY_LOCAL_MACHINE);
    ASSERT_TRUE(settings.OpenKey(SettingsKey, true));
    settings.WriteString(Name, Value);
}

TEST_F(MainWindowTest, TheOpenFoldersAreKeptForTheNextStart) {
    const std::string file = WriteFile("xyz.zrq", XyzFile("\n"));
    TOriginalForm1* form = Start();
    AnswerNextFileDialog(file.c_str());
    MouseClick(form->ToolbAnalysisOpenBt, 5, 5);
    ASSERT_EQ(form->QuoteFilePath, file.c_str());
    form->SaveDialog1->SetFileName("C:\\data\\saved\\tech.zrw");
    form->Close();
    EXPECT_FALSE(form->GetVisible());
    EXPECT_EQ(ReadSetting("initOpenDir"), dir_.Path().string().c_str());
    EXPECT_EQ(ReadSetting("initSaveDir"), "C:\\data\\saved");
    Finish();

    form = Start();
    EXPECT_EQ(form->OpenDialog1->GetInitialDir(), dir_.Path().string().c_str());
    EXPECT_EQ(form->SaveDialog1->GetInitialDir(), "C:\\data\\saved");
}

TEST_F(MainWindowTest, AnUnusedOrCancelledDialogLeavesItsFolderAsItWas) {
    WriteSetting("initOpenDir", "/kept/quotes");
    TOriginalForm1* form = Start();
    EXPECT_EQ(form->OpenDialog1->GetInitialDir(), "/kept/quotes");
    EXPECT_TRUE(form->SaveDialog1->GetInitialDir().IsEmpty());
    form->PageControl1->SetActivePage(form->TabSheet5);
    CancelNextFileDialog();
    MouseClick(form->BtAnalysisOpen, 5, 5);
    EXPECT_TRUE(form->QuoteFilePath.IsEmpty());
    form->Close();
    EXPECT_EQ(ReadSetting("initOpenDir"), "/kept/quotes");
    EXPECT_TRUE(ReadSetting("initSaveDir").IsEmpty());
}

TEST_F(MainWindowTest, ClosingWithoutUnsavedChangesAsksNothing) {
    TOriginalForm1* form = Start();
    CloseWindow(form);
    EXPECT_FALSE(form->GetVisible());
    EXPECT_EQ(MessagesShown(), 0);
}

TEST_F(MainWindowTest, CancelToTheSaveQuestionKeepsTheProgramRunning) {
    TOriginalForm1* form = Start();
    form->Modified = true;
    AnswerMessage(mrCancel);
    CloseWindow(form);
    EXPECT_EQ(MessageText(), "Do you want to save the changes in your Vazod Erurid document?");
    EXPECT_EQ(MessageCaption(), "Confirm");
    EXPECT_TRUE(form->GetVisible());
    EXPECT_TRUE(form->Modified);
}

}  // namespace
