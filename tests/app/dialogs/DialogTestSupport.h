#pragma once
// The fixture of the dialog tests: a main window to store into (the global
// OriginalForm1), no form or automation answer left behind, and helpers
// that show a dialog modally with a script.

#include <functional>
#include <string>

#include "app/mainwindow/zrmain.h"
#include "platform/controls/ControlProbes.h"

class DialogTest : public PlatformTest {
protected:
    void SetUp() override {
        PlatformTest::SetUp();
        OriginalForm1 = new TOriginalForm1(Application);
    }
    void TearDown() override {
        PlatformTest::TearDown();
        OriginalForm1 = nullptr;
    }

    // Shows Dialog modally, runs Script in it and returns ShowModal's result.
    static TModalResult ShowWith(TCustomForm* Dialog, std::function<void(TCustomForm*)> Script) {
        AnswerNextModalForm(std::move(Script));
        return Dialog->ShowModal();
    }

    // How many "Invalid Entry" boxes were shown so far, checking their text.
    static int InvalidEntryBoxes() {
        int boxes = 0;
        for (const TAutomationRequest& r : AutomationLog()) {
            if (r.Kind != "MessageBox") continue;
            EXPECT_EQ(r.Caption, "Invalid Entry");
            EXPECT_EQ(r.Text, "You must enter a valid number using the numeric keys (0-9).");
            ++boxes;
        }
        return boxes;
    }
};
