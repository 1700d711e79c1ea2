#pragma once
// A fixture for the custom-drawn control tests: shown forms, and nothing
// (forms, automation answers) left behind.

#include <gtest/gtest.h>

#include "platform/Automation.h"
#include "platform/Forms.h"
#include "platform/TestInput.h"

template <class T>
T* PlaceOn(T* Control, TWinControl* Parent, int Left, int Top, int Width, int Height) {
    Control->SetBounds(Left, Top, Width, Height);
    Control->SetParent(Parent);
    return Control;
}

class SkinTest : public ::testing::Test {
protected:
    void SetUp() override { ClearAutomation(); }
    void TearDown() override {
        while (Screen->GetFormCount() > 0) delete Screen->GetForms(Screen->GetFormCount() - 1);
        Application->ProcessMessages();
        EXPECT_EQ(PendingAutomationAnswers("ModalForm"), 0);
        ClearAutomation();
        ResetApplicationState();
    }

    TForm* ShownForm(int Width = 200, int Height = 120, TColor Color = clWhite) {
        auto* form = new TForm(Application);
        form->SetBounds(100, 100, Width, Height);
        form->SetColor(Color);
        form->Show();
        Application->ProcessMessages();
        return form;
    }
};
