// The chart panel's background, bevels and zoom band, read back by pixels.
#include <gtest/gtest.h>

#include "PanelTestSupport.h"
#include "platform/testing/TestInput.h"

namespace {

struct PanelPicture : ::testing::Test, TPanelOnForm {
    PanelPicture() {
        panel->SetBevelOuter(bvNone);
        panel->SetColor(clGreen);
    }
    // A 30 x 20 red picture with a blue top left pixel.
    void UseBackImage(TTeeBackImageMode Mode) {
        TBitmap* bitmap = panel->GetBackImage()->GetBitmap();
        bitmap->SetSize(30, 20);
        bitmap->GetCanvas()->GetBrush()->SetColor(clRed);
        bitmap->GetCanvas()->FillRect(TRect(0, 0, 30, 20));
        bitmap->GetCanvas()->SetPixels(0, 0, clBlue);
        panel->SetBackImageMode(Mode);
    }
};

TEST_F(PanelPicture, GradientBackgroundsTakeTheirColoursInTheCanvasOrder) {
    TChartGradient* gradient = panel->GetGradient();
    gradient->SetVisible(true);
    gradient->SetStartColor(RGB(0, 0, 200));
    gradient->SetEndColor(RGB(250, 250, 0));
    struct Case {
        TGradientDirection direction;
        bool startFirst;
    };
    for (Case c : {Case{gdTopBottom, true}, Case{gdLeftRight, true}, Case{gdBottomTop, false},
                   Case{gdRightLeft, false}, Case{gdFromCenter, false}, Case{gdFromTopLeft, false}}) {
        gradient->SetDirection(c.direction);
        TCanvasOnBitmap expected(400, 250);
        expected.Begin(false);
        const TColor start = gradient->GetStartColor(), end = gradient->GetEndColor();
        expected.canvas.GradientFill(TRect(0, 0, 400, 250), c.startFirst ? start : end, c.startFirst ? end : start,
                                     c.direction);
        EXPECT_EQ(Snapshot(Picture().get()), Snapshot(expected.bitmap.get())) << c.direction;
    }
}

TEST_F(PanelPicture, PlainBackgroundsTakeThePanelColour) {
    auto picture = Picture();
    EXPECT_EQ(CountColor(picture.get(), clGreen, TRect(0, 0, 400, 250)), 400 * 250);
}

TEST_F(PanelPicture, StretchedPicturesFillThePanel) {
    UseBackImage(pbmStretch);
    auto picture = Picture();
    // The blue pixel grows to 400/30 by 250/20 pixels.
    EXPECT_EQ(InkOf(picture.get(), clRed).box, TRect(0, 0, 13, 12));
    EXPECT_EQ(CountColor(picture.get(), clGreen, TRect(0, 0, 400, 250)), 0);
}

TEST_F(PanelPicture, TiledPicturesRepeatFromTheTopLeftCorner) {
    UseBackImage(pbmTile);
    auto picture = Picture();
    EXPECT_EQ(CountColor(picture.get(), clBlue, TRect(0, 0, 400, 250)), 14 * 13);
    EXPECT_EQ(DevicePixel(picture.get(), 30, 20), clBlue);
    EXPECT_EQ(DevicePixel(picture.get(), 390, 240), clBlue);
    EXPECT_EQ(DevicePixel(picture.get(), 399, 249), clRed);
    EXPECT_EQ(CountColor(picture.get(), clGreen, TRect(0, 0, 400, 250)), 0);
}

TEST_F(PanelPicture, CentredPicturesSitOnTheBackground) {
    UseBackImage(pbmCenter);
    auto picture = Picture();
    EXPECT_EQ(InkOf(picture.get(), clGreen).box, TRect(185, 115, 215, 135));
    EXPECT_EQ(DevicePixel(picture.get(), 185, 115), clBlue);
    EXPECT_EQ(CountColor(picture.get(), clRed, TRect(0, 0, 400, 250)), 30 * 20 - 1);
}

TEST_F(PanelPicture, BevelsAndBorderFrameTheBackground) {
    const TColor light = ColorToRGB(clBtnHighlight), dark = ColorToRGB(clBtnShadow);
    panel->SetBevelOuter(bvRaised);
    panel->SetBevelInner(bvLowered);
    panel->SetBevelWidth(2);
    panel->SetBorderWidth(3);
    auto picture = Picture();
    auto at = [&](int x, int y) { return DevicePixel(picture.get(), x, y); };
    // Outer raised bevel: light top left, dark bottom right.
    EXPECT_EQ(at(0, 0), light);
    EXPECT_EQ(at(1, 100), light);
    EXPECT_EQ(at(399, 249), dark);
    EXPECT_EQ(at(200, 248), dark);
    // The border in the panel colour, then the lowered inner bevel.
    EXPECT_EQ(at(2, 2), clGreen);
    EXPECT_EQ(at(4, 100), clGreen);
    EXPECT_EQ(at(5, 5), dark);
    EXPECT_EQ(at(6, 100), dark);
    EXPECT_EQ(at(394, 244), light);
    EXPECT_EQ(at(200, 243), light);
    EXPECT_EQ(at(7, 7), clGreen);

    // Printed panels leave out background and bevels unless asked; printing
    // draws straight onto the printer.
    panel->SetBufferedDisplay(false);
    panel->SetPrinting(true);
    EXPECT_EQ(InkOf(Picture().get()).count, 0);
    PrintTeePanel = true;
    auto printed = Picture();
    PrintTeePanel = false;
    EXPECT_EQ(DevicePixel(printed.get(), 0, 0), light);
    EXPECT_EQ(DevicePixel(printed.get(), 200, 125), clGreen);
}

// A monochrome panel shows black and white only, whatever colours its
// background, picture and bevels have and whatever the canvas it is shown
// on holds; the same panel in colour does not.
TEST_F(PanelPicture, MonochromePanelsShowOnlyBlackAndWhite) {
    panel->SetBevelOuter(bvRaised);
    panel->SetBevelInner(bvLowered);
    TChartGradient* gradient = panel->GetGradient();
    gradient->SetVisible(true);
    gradient->SetStartColor(RGB(0, 0, 200));
    gradient->SetEndColor(RGB(250, 250, 0));
    UseBackImage(pbmCenter);
    auto drawn = [&] {
        auto bitmap = WhiteBitmap(400, 250);
        bitmap->GetCanvas()->GetFont()->SetColor(clRed);
        bitmap->GetCanvas()->GetBrush()->SetColor(clBlue);
        panel->Draw(bitmap->GetCanvas(), TRect(0, 0, 400, 250));
        return bitmap;
    };
    struct TCount {
        int black = 0, white = 0, other = 0;
    };
    auto count = [](const std::vector<TColor>& pixels) {
        TCount n;
        for (TColor c : pixels) (c == clBlack ? n.black : c == clWhite ? n.white : n.other)++;
        return n;
    };
    EXPECT_GT(count(Snapshot(drawn().get())).other, 1000);

    panel->SetMonochrome(true);
    auto mono = drawn();
    TCount n = count(Snapshot(mono.get()));
    EXPECT_EQ(n.other, 0);
    EXPECT_GT(n.black, 1000);
    EXPECT_GT(n.white, 1000);
    // The gradient starts dark blue at the bottom and ends yellow at the top.
    EXPECT_EQ(DevicePixel(mono.get(), 200, 230), clBlack);
    EXPECT_EQ(DevicePixel(mono.get(), 200, 20), clWhite);
    // The picture's red is the background colour its canvas last filled
    // with, so it turns white, and its blue pixel black.
    EXPECT_EQ(DevicePixel(mono.get(), 200, 125), clWhite);
    EXPECT_EQ(DevicePixel(mono.get(), 185, 115), clBlack);

    // On the window too, drawn and shown again without drawing.
    panel->GetControlCanvas()->GetFont()->SetColor(clRed);
    panel->GetControlCanvas()->GetBrush()->SetColor(clBlue);
    for (int pass = 0; pass < 2; ++pass) {
        panel->Repaint();
        std::vector<TColor> shown;
        for (int y = 0; y < 250; y += 3)
            for (int x = 0; x < 400; x += 3) shown.push_back(SurfacePixel(panel, x, y));
        n = count(shown);
        EXPECT_EQ(n.other, 0) << pass;
        EXPECT_GT(n.black, 100) << pass;
        EXPECT_GT(n.white, 100) << pass;
    }
}

TEST_F(PanelPicture, TheZoomBandDrawnTwiceIsGone) {
    panel->GetGradient()->SetVisible(true);
    panel->Repaint();
    const TRect area(40, 30, 160, 110);
    auto surface = [&] {
        std::vector<TColor> pixels;
        for (int y = area.Top; y < area.Bottom; ++y)
            for (int x = area.Left; x < area.Right; ++x) pixels.push_back(SurfacePixel(panel, x, y));
        return pixels;
    };
    const auto before = surface();
    TZoomPanningRecord* zoom = panel->GetZoom();
    zoom->Activate(50, 40);
    zoom->X1 = 150;
    zoom->Y1 = 100;
    panel->DrawZoomRectangle();
    Application->ProcessMessages();
    const auto banded = surface();
    EXPECT_NE(banded, before);
    EXPECT_NE(SurfacePixel(panel, 100, 40), before[(40 - 30) * 120 + (100 - 40)]);
    EXPECT_EQ(SurfacePixel(panel, 100, 70), before[(70 - 30) * 120 + (100 - 40)]);
    panel->DrawZoomRectangle();
    Application->ProcessMessages();
    EXPECT_EQ(surface(), before);

    // An active band is part of every paint.
    zoom->Active = false;
    const auto plain = Snapshot(Picture().get());
    zoom->Active = true;
    auto withBand = Picture();
    EXPECT_NE(Snapshot(withBand.get()), plain);
    EXPECT_NE(DevicePixel(withBand.get(), 50, 70), plain[70 * 400 + 50]);
}

}  // namespace
