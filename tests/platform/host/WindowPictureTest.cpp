#include "platform/controls/ControlProbes.h"
#include "platform/host/WindowPicture.h"

namespace {

using WindowPicture = PlatformTest;

TEST_F(WindowPicture, HoldsTheFormAndItsChildWindowsAsShown) {
    TForm* form = ShownForm(120, 80);
    form->SetColor(clWhite);
    auto* child = Place(new TPaintProbe(form, clRed), form, 40, 20, 30, 30);
    auto* swatch = Place(new TSwatch(form, clBlue), form, 5, 5, 10, 10);
    swatch->area = Rect(0, 0, 10, 10);
    (void)child;
    TBitmap picture;
    GrabWindowPicture(form, &picture);
    ASSERT_EQ(picture.GetWidth(), 120);
    ASSERT_EQ(picture.GetHeight(), 80);
    TCanvas* c = picture.GetCanvas();
    EXPECT_EQ(c->GetPixels(100, 70), clWhite);
    EXPECT_EQ(c->GetPixels(55, 35), clRed);   // a child window
    EXPECT_EQ(c->GetPixels(8, 8), clBlue);    // a windowless control
    EXPECT_EQ(c->GetPixels(39, 35), clWhite);
}

}  // namespace
