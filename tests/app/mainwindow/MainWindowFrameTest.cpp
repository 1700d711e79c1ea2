// The main window's drawn frame: rolled up to its caption and back, and
// hidden in the system tray.
#include "app/mainwindow/MainWindowFixture.h"

#include "platform/host/TrayIcon.h"
#include "platform/testing/TestInput.h"
#include "skin/engine/KsSkinForms.h"
#include "skin/engine/KsSkinStatusBar.h"

namespace {

TPoint Centre(const TRect& R) { return Point((R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2); }

TEST_F(MainWindowTest, RollsUpToItsCaptionWithNothingOverItAndBackDown) {
    TOriginalForm1* form = Start();
    const TRect before = form->GetBoundsRect(), status = form->StatusBar1->GetBoundsRect();
    TPoint roll = Centre(form->Form1->GetButtonRect(kbiRollUp));
    MouseClick(form, roll.x, roll.y);
    ASSERT_TRUE(form->Form1->GetRolledUp());
    EXPECT_EQ(form->GetClientHeight(), form->Form1->GetCaptionRect().Bottom);
    for (int i = 0; i < form->GetControlCount(); ++i) {
        TControl* child = form->GetControls(i);
        if (!child->GetVisible()) continue;
        EXPECT_GE(child->GetTop(), form->GetClientHeight()) << child->GetName().str();
    }

    MouseClick(form, roll.x, roll.y);
    EXPECT_FALSE(form->Form1->GetRolledUp());
    EXPECT_EQ(form->GetBoundsRect(), before);
    EXPECT_EQ(form->StatusBar1->GetBoundsRect(), status);
}

TEST_F(MainWindowTest, ExitFromTheTrayAsksTheSaveQuestionAsTheCloseButtonDoes) {
    FakeSystemTray(true);
    TOriginalForm1* form = Start();
    form->Modified = true;
    TPoint tray = Centre(form->Form1->GetButtonRect(kbiTray));
    MouseClick(form, tray.x, tray.y);
    ASSERT_TRUE(TrayIconShown());
    EXPECT_FALSE(form->GetVisible());

    // Cancel keeps the program running, with the window back.
    AnswerMessage(mrCancel);
    ChooseFromTrayMenu("Exit");
    EXPECT_EQ(MessageText(), "Do you want to save the changes in your Vazod Erurid document?");
    EXPECT_TRUE(form->GetVisible());
    EXPECT_FALSE(TrayIconShown());
    EXPECT_TRUE(form->Modified);

    MouseClick(form, tray.x, tray.y);
    AnswerMessage(mrNo);
    ChooseFromTrayMenu("Exit");
    EXPECT_FALSE(form->GetVisible());
    EXPECT_FALSE(TrayIconShown());
}

}  // namespace
