#pragma once
// The platform tests' fixture (no form or answer left behind), with shown
// forms of a chosen colour.

#include "platform/ControlProbes.h"

class SkinTest : public PlatformTest {
protected:
    TForm* ShownForm(int Width = 200, int Height = 120, TColor Color = clWhite) {
        TForm* form = PlatformTest::ShownForm(Width, Height);
        form->SetColor(Color);
        Application->ProcessMessages();
        return form;
    }
};
