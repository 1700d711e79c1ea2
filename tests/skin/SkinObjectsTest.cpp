#include "SkinTest.h"
#include "skin/engine/KsSkinSource.h"

namespace {

class SkinObjects : public SkinTest {
protected:
    void SetUp() override {
        SkinTest::SetUp();
        skin.LoadFromText(
            "object Box button\n"
            "  normal.face = #FFFFFF\n  normal.border = #000000\n  normal.text = #000000\n"
            "  hot.face = #00FF00\n  pressed.face = #0000FF\n  pressed.border = #FF0000\n"
            "  disabled.text = #808080\nend\n"
            "object Fade box\n  normal.face = #000000 #FFFFFF\nend\n"
            "object Round box\n  radius = 6\n  normal.face = #0000FF\n  normal.border = #FF0000\nend\n"
            "object Glyph sysbutton\n  glyph = close\n  glyphsize = 8\n  normal.face = none\n"
            "  normal.border = none\n  normal.text = #000000\n  hot.face = #FF0000\n  hot.text = #FFFFFF\nend\n"
            "object Caption text\n  normal.text = #000000\nend\n"
            "object Frame form\n  captionheight = 20\n  borderwidth = 4\n  normal.face = #0000FF\n"
            "  disabled.face = #808080\nend\n");
    }
    TSeSkin skin;
    TBitmap bitmap;
};

TEST_F(SkinObjects, EachStateDrawsItsOwnFaceAndBorder) {
    TCanvas* c = WhiteBitmap(bitmap, 40, 20)->GetCanvas();
    TSeSkinObject* box = skin.FindObject("Box");
    box->Draw(c, Rect(0, 0, 40, 20), kssNormal);
    EXPECT_EQ(c->GetPixels(20, 10), clWhite);
    EXPECT_EQ(c->GetPixels(0, 0), clBlack);
    EXPECT_EQ(c->GetPixels(39, 19), clBlack);
    box->Draw(c, Rect(0, 0, 40, 20), kssHot);
    EXPECT_EQ(c->GetPixels(20, 10), clLime);
    EXPECT_EQ(c->GetPixels(0, 10), clBlack);
    box->Draw(c, Rect(0, 0, 40, 20), kssPressed);
    EXPECT_EQ(c->GetPixels(20, 10), clBlue);
    EXPECT_EQ(c->GetPixels(0, 10), clRed);
    // A state the skin leaves out looks as the normal one.
    box->Draw(c, Rect(0, 0, 40, 20), kssChecked);
    EXPECT_EQ(c->GetPixels(20, 10), clWhite);
    // Only the rectangle is drawn.
    box->Draw(c, Rect(10, 5, 20, 15), kssPressed);
    box->Draw(c, Rect(10, 5, 20, 15), kssHot);
    EXPECT_EQ(c->GetPixels(15, 10), clLime);
    EXPECT_EQ(c->GetPixels(25, 10), clWhite);
}

TEST_F(SkinObjects, GradientsRunTopToBottomAndRoundedCornersStayClear) {
    TCanvas* c = WhiteBitmap(bitmap, 20, 51)->GetCanvas();
    skin.FindObject("Fade")->Draw(c, Rect(0, 0, 20, 51), kssNormal);
    EXPECT_EQ(c->GetPixels(10, 0), clBlack);
    EXPECT_EQ(c->GetPixels(10, 50), clWhite);
    TColor middle = c->GetPixels(10, 25);
    EXPECT_NEAR(GetRValue(middle), 127, 3);

    c = WhiteBitmap(bitmap, 40, 40)->GetCanvas();
    skin.FindObject("Round")->Draw(c, Rect(0, 0, 40, 40), kssNormal);
    EXPECT_EQ(c->GetPixels(0, 0), clWhite);
    EXPECT_EQ(c->GetPixels(39, 39), clWhite);
    EXPECT_EQ(c->GetPixels(20, 0), clRed);
    EXPECT_EQ(c->GetPixels(20, 20), clBlue);
}

TEST_F(SkinObjects, TextTakesTheStateColourAndTheAlignment) {
    TCanvas* c = WhiteBitmap(bitmap, 120, 20)->GetCanvas();
    TSeSkinObject* caption = skin.FindObject("Caption");
    caption->Draw(c, Rect(0, 0, 120, 20), kssNormal);
    EXPECT_EQ(PixelsOtherThan(c, Rect(0, 0, 120, 20), clWhite), 0);
    caption->DrawText(c, Rect(0, 0, 120, 20), "MMM", kssNormal, ksaLeft | ksaVCenter);
    EXPECT_GT(PixelsOtherThan(c, Rect(0, 0, 40, 20), clWhite), 0);
    EXPECT_EQ(PixelsOtherThan(c, Rect(80, 0, 120, 20), clWhite), 0);

    c = WhiteBitmap(bitmap, 120, 20)->GetCanvas();
    caption->DrawText(c, Rect(0, 0, 120, 20), "MMM", kssNormal, ksaRight | ksaVCenter);
    EXPECT_EQ(PixelsOtherThan(c, Rect(0, 0, 40, 20), clWhite), 0);
    EXPECT_GT(PixelsOtherThan(c, Rect(80, 0, 120, 20), clWhite), 0);

    // The disabled text falls back to normal for the text object, grey for the button.
    c = WhiteBitmap(bitmap, 120, 20)->GetCanvas();
    skin.FindObject("Box")->DrawText(c, Rect(0, 0, 120, 20), "MMM", kssDisabled);
    int grey = 0, black = 0;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 120; ++x) {
            grey += c->GetPixels(x, y) == clGray;
            black += c->GetPixels(x, y) == clBlack;
        }
    EXPECT_GT(grey, 0);
    EXPECT_EQ(black, 0);
}

TEST_F(SkinObjects, ButtonsCentreTheirTextAndLinksUnderlineWhenHot) {
    TSeSkin kinds;
    kinds.LoadFromText("object B button\n  normal.face = none\n  normal.border = none\nend\n"
                       "object L link\n  normal.text = #000000\nend\n");
    TCanvas* c = WhiteBitmap(bitmap, 120, 20)->GetCanvas();
    kinds.FindObject("B")->DrawText(c, Rect(0, 0, 120, 20), "MM", kssNormal);
    EXPECT_EQ(PixelsOtherThan(c, Rect(0, 0, 40, 20), clWhite), 0);
    EXPECT_GT(PixelsOtherThan(c, Rect(40, 0, 80, 20), clWhite), 0);
    EXPECT_EQ(PixelsOtherThan(c, Rect(80, 0, 120, 20), clWhite), 0);

    TSeSkinObject* link = kinds.FindObject("L");
    c = WhiteBitmap(bitmap, 120, 20)->GetCanvas();
    link->DrawText(c, Rect(0, 0, 120, 20), "mmmm", kssNormal);
    int plain = PixelsOtherThan(c, Rect(0, 0, 120, 20), clWhite);
    c = WhiteBitmap(bitmap, 120, 20)->GetCanvas();
    link->DrawText(c, Rect(0, 0, 120, 20), "mmmm", kssHot);
    EXPECT_GT(PixelsOtherThan(c, Rect(0, 0, 120, 20), clWhite), plain);
    EXPECT_FALSE(link->GetFont()->GetStyle().Contains(fsUnderline));
}

TEST_F(SkinObjects, CaptionButtonsDrawTheirGlyphPerState) {
    auto* glyph = dynamic_cast<TSeSystemButtonObject*>(skin.FindObject("Glyph"));
    ASSERT_NE(glyph, nullptr);
    TCanvas* c = WhiteBitmap(bitmap, 18, 18)->GetCanvas();
    glyph->Draw(c, Rect(0, 0, 18, 18), kssNormal);
    EXPECT_EQ(c->GetPixels(0, 0), clWhite);
    EXPECT_EQ(c->GetPixels(9, 9), clBlack);  // the middle of the cross
    glyph->Draw(c, Rect(0, 0, 18, 18), kssHot);
    EXPECT_EQ(c->GetPixels(0, 0), clRed);
    EXPECT_EQ(c->GetPixels(9, 9), clWhite);

    // Each glyph has its own shape.
    std::vector<std::vector<TColor>> shapes;
    for (TSeSystemGlyph g : {ksgClose, ksgMinimize, ksgMaximize, ksgRestore, ksgRollUp, ksgTray, ksgSysMenu}) {
        c = WhiteBitmap(bitmap, 18, 18)->GetCanvas();
        glyph->DrawGlyphed(c, Rect(0, 0, 18, 18), kssNormal, g);
        std::vector<TColor> pixels;
        for (int y = 0; y < 18; ++y)
            for (int x = 0; x < 18; ++x) pixels.push_back(c->GetPixels(x, y));
        for (auto& other : shapes) EXPECT_NE(other, pixels) << "glyph " << g;
        shapes.push_back(pixels);
    }
}

TEST_F(SkinObjects, FormObjectDrawsBordersAndCaptionAndLeavesTheClient) {
    auto* frame = dynamic_cast<TSeFormObject*>(skin.FindObject("Frame"));
    ASSERT_NE(frame, nullptr);
    TRect all = Rect(0, 0, 100, 80);
    EXPECT_EQ(frame->CaptionRect(all), Rect(4, 4, 96, 24));
    EXPECT_EQ(frame->ClientRect(all), Rect(4, 24, 96, 76));
    TCanvas* c = WhiteBitmap(bitmap, 100, 80)->GetCanvas();
    frame->Draw(c, all, kssNormal);
    EXPECT_EQ(c->GetPixels(1, 40), clBlue);
    EXPECT_EQ(c->GetPixels(50, 10), clBlue);
    EXPECT_EQ(c->GetPixels(98, 78), clBlue);
    EXPECT_EQ(PixelsOtherThan(c, frame->ClientRect(all), clWhite), 0);
    frame->Draw(c, all, kssDisabled);
    EXPECT_EQ(c->GetPixels(50, 10), clGray);
}

}  // namespace
