#pragma once
// Fixture and helpers of the skin tests: no form, engine or answer outlives a test.

#include <gtest/gtest.h>

#include "platform/Automation.h"
#include "platform/Forms.h"
#include "platform/TestInput.h"

class SkinTest : public ::testing::Test {
protected:
    void SetUp() override { ClearAutomation(); }
    void TearDown() override {
        while (Screen->GetFormCount() > 0) delete Screen->GetForms(Screen->GetFormCount() - 1);
        Application->ProcessMessages();
        ClearAutomation();
        ResetApplicationState();
    }
    TForm* ShownForm(int Left, int Top, int Width, int Height) {
        auto* form = new TForm(Application);
        form->SetBounds(Left, Top, Width, Height);
        form->Show();
        Application->ProcessMessages();
        return form;
    }
};

// A white bitmap of the given size.
inline TBitmap* WhiteBitmap(TBitmap& Bitmap, int Width, int Height) {
    Bitmap.SetSize(Width, Height);
    Bitmap.GetCanvas()->GetBrush()->SetColor(clWhite);
    Bitmap.GetCanvas()->FillRect(Rect(0, 0, Width, Height));
    return &Bitmap;
}

// How many pixels of R differ from Color.
inline int PixelsOtherThan(TCanvas* Canvas, const TRect& R, TColor Color) {
    int n = 0;
    for (int y = R.Top; y < R.Bottom; ++y)
        for (int x = R.Left; x < R.Right; ++x) n += Canvas->GetPixels(x, y) != Color;
    return n;
}
