#include <gtest/gtest.h>

#include "app/dialogs/about.h"
#include "app/download/dlquotes.h"
#include "app/download/httpprogress.h"
#include "app/dialogs/enterdays.h"
#include "app/dialogs/enterdays2.h"
#include "app/dialogs/enterdays3.h"
#include "app/dialogs/enterdays4.h"
#include "app/mainwindow/velmora.h"
#include "app/mainwindow/zrmain.h"
#include "platform/controls/ExtCtrls.h"
#include "platform/testing/TestClock.h"
#include "platform/testing/TestInput.h"

namespace {

// The main routine makes the program's forms into the global pointers; each
// test leaves the process as it found it: the forms freed, the pointers
// cleared, the application without a main form.
class MainRoutine : public ::testing::Test {
protected:
    void TearDown() override {
        FreeForm(fAbout);
        FreeForm(fEnterDays4);
        FreeForm(fEnterDays3);
        FreeForm(fEnterDays2);
        FreeForm(fHttpProgress);
        FreeForm(fEnterDays);
        FreeForm(fDlQuotes);
        FreeForm(OriginalForm1);
        ResetApplicationState();
        ClearAutomation();
    }
    template <class T>
    static void FreeForm(T*& Form) {
        if (Form) Form->Free();
        Form = nullptr;
    }
};

TEST_F(MainRoutine, CreatesTheMainWindowFirstThenTheDialogsInOrder) {
    CreateApplicationForms();
    EXPECT_EQ(Application->GetTitle(), "Velmora");
    ASSERT_NE(OriginalForm1, nullptr);
    EXPECT_EQ(Application->GetMainForm(), OriginalForm1);
    EXPECT_EQ(OriginalForm1->GetCaption(), "Velmora");
    EXPECT_EQ(OriginalForm1->GetClientWidth(), 787);
    EXPECT_EQ(OriginalForm1->GetClientHeight(), 536);

    std::vector<TCustomForm*> expected = {OriginalForm1, fDlQuotes,   fEnterDays,  fHttpProgress,
                                          fEnterDays2,   fEnterDays3, fEnterDays4, fAbout};
    ASSERT_EQ(Screen->GetFormCount(), static_cast<int>(expected.size()));
    for (int i = 0; i < Screen->GetFormCount(); ++i) EXPECT_EQ(Screen->GetForms(i), expected[i]) << i;
    for (TCustomForm* dialog : expected) {
        if (dialog == OriginalForm1) continue;
        EXPECT_FALSE(dialog->GetVisible()) << dialog->GetName().str();
    }
    EXPECT_EQ(fEnterDays2->GetCaption(), "Period");
    // The laid-out client area lies inside the drawn frame.
    const TRect frame = fEnterDays4->GetFrameInsets();
    EXPECT_EQ(fEnterDays4->GetClientWidth() - frame.Left - frame.Right, 279);
}

TEST_F(MainRoutine, RunsUntilTheMainWindowIsClosed) {
    // In real time, as the program runs: the host wakes its loop for the timer.
    RunClock();
    // Closes the window as a person would, once the loop shows it.
    TTimer closer(nullptr);
    closer.SetInterval(10);
    bool sawWindow = false;
    closer.OnTimer = [&](TObject*) {
        if (!OriginalForm1 || !OriginalForm1->GetVisible()) return;
        sawWindow = true;
        closer.SetEnabled(false);
        CloseWindow(OriginalForm1);
    };
    char name[] = "velmora";
    char* argv[] = {name, nullptr};
    EXPECT_EQ(VelmoraMain(1, argv), 0);
    EXPECT_TRUE(sawWindow);
    EXPECT_TRUE(Application->GetTerminated());
}

}  // namespace
