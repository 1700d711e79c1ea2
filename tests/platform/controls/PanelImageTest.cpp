#include <gtest/gtest.h>

#include "platform/controls/ExtCtrls.h"
#include "platform/controls/Forms.h"
#include "platform/testing/TestInput.h"

namespace {

struct PanelOnForm : ::testing::Test {
    PanelOnForm() {
        form = new TForm(nullptr);
        form->SetBounds(0, 0, 200, 150);
        panel = new TPanel(form);
        panel->SetParent(form);
        panel->SetBounds(10, 10, 100, 60);
        form->Show();
    }
    ~PanelOnForm() override { delete form; }
    TColor At(int x, int y) {
        panel->Repaint();
        return SurfacePixel(panel, x, y);
    }
    TForm* form;
    TPanel* panel;
};

TEST_F(PanelOnForm, RaisedAndLoweredBevelsLightTheirOwnEdges) {
    const TColor light = ColorToRGB(clBtnHighlight), dark = ColorToRGB(clBtnShadow), face = ColorToRGB(clBtnFace);
    EXPECT_EQ(At(0, 0), light);
    EXPECT_EQ(At(50, 0), light);
    EXPECT_EQ(At(0, 30), light);
    EXPECT_EQ(At(99, 30), dark);
    EXPECT_EQ(At(50, 59), dark);
    EXPECT_EQ(At(99, 59), dark);
    EXPECT_EQ(At(1, 1), face);

    panel->SetBevelOuter(bvLowered);
    panel->SetBevelInner(bvRaised);
    EXPECT_EQ(At(0, 0), dark);
    EXPECT_EQ(At(99, 59), light);
    EXPECT_EQ(At(1, 1), light);   // the inner, raised bevel
    EXPECT_EQ(At(98, 58), dark);
    EXPECT_EQ(At(2, 2), face);
}

TEST_F(PanelOnForm, AlignedChildrenStayInsideBevelsAndBorder) {
    panel->SetBevelInner(bvLowered);
    panel->SetBevelWidth(2);
    panel->SetBorderWidth(3);
    auto* child = new TPanel(form);
    child->SetParent(panel);
    child->SetAlign(alClient);
    EXPECT_EQ(child->GetBoundsRect(), Rect(7, 7, 93, 53));
    panel->SetBorderWidth(0);
    EXPECT_EQ(child->GetBoundsRect(), Rect(4, 4, 96, 56));
}

TEST_F(PanelOnForm, CaptionIsDrawnInTheMiddle) {
    panel->GetFont()->SetColor(clBlack);
    panel->SetCaption("Velmora Web Browser");
    panel->Repaint();
    int ink = 0, left = 100, right = 0;
    for (int y = 0; y < 60; ++y)
        for (int x = 2; x < 98; ++x)
            if (SurfacePixel(panel, x, y) == clBlack) {
                ++ink;
                left = std::min(left, x);
                right = std::max(right, x);
            }
    ASSERT_GT(ink, 20);
    EXPECT_NEAR((left + right) / 2.0, 50, 3);
}

TEST(Image, DrawsItsPictureAtTheCornerCentredOrStretched) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 200, 200);
    form.SetColor(clWhite);
    auto* image = new TImage(&form);
    image->SetParent(&form);
    image->SetBounds(20, 20, 100, 80);
    TBitmap red;
    red.SetSize(10, 10);
    red.GetCanvas()->GetBrush()->SetColor(clRed);
    red.GetCanvas()->FillRect(Rect(0, 0, 10, 10));
    image->GetPicture()->SetGraphic(&red);
    form.Show();
    auto pixel = [&](int x, int y) {
        form.Repaint();
        return SurfacePixel(&form, x, y);
    };
    EXPECT_EQ(pixel(20, 20), clRed);
    EXPECT_EQ(pixel(29, 29), clRed);
    EXPECT_EQ(pixel(30, 30), clWhite);
    image->SetCenter(true);
    EXPECT_EQ(pixel(20, 20), clWhite);
    EXPECT_EQ(pixel(20 + 45, 20 + 35), clRed);
    image->SetStretch(true);
    EXPECT_EQ(pixel(20, 20), clRed);
    EXPECT_EQ(pixel(119, 99), clRed);
    EXPECT_EQ(pixel(120, 100), clWhite);
}

}  // namespace
