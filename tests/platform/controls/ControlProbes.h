#pragma once
// Controls for the platform tests that record what happens to them, and a
// fixture that leaves no form, answer or recorder behind.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/controls/Automation.h"
#include "platform/controls/Forms.h"
#include "platform/host/TrayIcon.h"
#include "platform/testing/TestInput.h"

// A windowed control that fills itself with one colour and counts its paints.
class TPaintProbe : public TCustomControl {
public:
    explicit TPaintProbe(TComponent* Owner, TColor Fill = clWhite) : TCustomControl(Owner), fill(Fill) {}
    int paints = 0;
    TColor fill;

protected:
    void Paint() override {
        ++paints;
        GetCanvas()->GetBrush()->SetColor(fill);
        GetCanvas()->FillRect(GetClientRect());
    }
};

// A windowless control that fills a rectangle (by default far beyond its own
// bounds, to show the clipping) and counts its paints.
class TSwatch : public TGraphicControl {
public:
    explicit TSwatch(TComponent* Owner, TColor Fill = clRed) : TGraphicControl(Owner), fill(Fill) {}
    int paints = 0;
    TColor fill;
    TRect area = Rect(-50, -50, 500, 500);

protected:
    void Paint() override {
        ++paints;
        GetCanvas()->GetBrush()->SetColor(fill);
        GetCanvas()->FillRect(area);
    }
};

// A focusable windowed control.
class TFocusProbe : public TPaintProbe {
public:
    explicit TFocusProbe(TComponent* Owner) : TPaintProbe(Owner) { SetTabStop(true); }
};

// Sets the bounds and the parent in one go.
template <class T>
T* Place(T* Control, TWinControl* Parent, int Left, int Top, int Width, int Height) {
    Control->SetBounds(Left, Top, Width, Height);
    Control->SetParent(Parent);
    return Control;
}

class PlatformTest : public ::testing::Test {
protected:
    void SetUp() override { ClearAutomation(); }
    void TearDown() override {
        while (Screen->GetFormCount() > 0) delete Screen->GetForms(Screen->GetFormCount() - 1);
        Application->ProcessMessages();
        EXPECT_EQ(PendingAutomationAnswers("ModalForm"), 0);
        EXPECT_EQ(PendingAutomationAnswers("MessageBox"), 0);
        EXPECT_EQ(PendingAutomationAnswers("FileDialog"), 0);
        ClearAutomation();
        RecordShellExecute(false);
        EndFakeSystemTray();
        Screen->SetCursor(crDefault);
        ResetApplicationState();
    }

    // A shown form of the given client size at (100, 100).
    TForm* ShownForm(int Width = 200, int Height = 100) {
        auto* form = new TForm(Application);
        form->SetBounds(100, 100, Width, Height);
        form->Show();
        Application->ProcessMessages();
        return form;
    }
};
