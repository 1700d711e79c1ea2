#pragma once
// The skin tests' fixture: the platform tests' one (no form or answer left
// behind), with shown forms of a chosen colour or place; and pixel helpers.

#include "platform/controls/ControlProbes.h"

class SkinTest : public PlatformTest {
protected:
    TForm* ShownForm(int Width = 200, int Height = 120, TColor Color = clWhite) {
        TForm* form = PlatformTest::ShownForm(Width, Height);
        form->SetColor(Color);
        Application->ProcessMessages();
        return form;
    }
    TForm* ShownFormAt(int Left, int Top, int Width, int Height) {
        TForm* form = PlatformTest::ShownForm(Width, Height);
        form->SetBounds(Left, Top, Width, Height);
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

