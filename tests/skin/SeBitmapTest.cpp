#include <gtest/gtest.h>

#include "skin/controls/SeBitmap.h"

namespace {

constexpr TKColor Red = 0xFFFF0000, Blue = 0xFF0000FF, White = 0xFFFFFFFF;

TEST(SeBitmap, PixelsAreTopDownAndCanvasDrawingIsOpaque) {
    TSeBitmap b(4, 3);
    EXPECT_EQ(b.GetPixel(0, 0), White);
    b.SetPixel(1, 0, 0x12345678);
    EXPECT_EQ(b.ScanLine(0)[1], 0x12345678u) << "the alpha byte is kept as written";
    EXPECT_EQ(b.GetPixel(9, 0), ckTransparent);
    EXPECT_EQ(b.ScanLine(3), nullptr);

    b.Clear(0x00000000);
    b.GetCanvas()->GetBrush()->SetColor(clRed);
    b.GetCanvas()->FillRect(Rect(0, 2, 4, 3));
    EXPECT_EQ(b.GetPixel(0, 2), Red) << "the last row is the bottom one, drawn opaque";
    EXPECT_EQ(b.GetPixel(0, 0), 0u);
}

TEST(SeBitmap, DrawSkipsTransparentPixelsAndClips) {
    TSeBitmap src(2, 2), dst(3, 3);
    src.Clear(Red);
    src.SetPixel(1, 1, ckTransparent);
    src.SetPixel(0, 1, 0xFF7F007F);  // same RGB, other alpha: still transparent
    dst.Clear(Blue);
    src.Draw(&dst, 1, 1);
    EXPECT_EQ(dst.GetPixel(0, 0), Blue);
    EXPECT_EQ(dst.GetPixel(1, 1), Red);
    EXPECT_EQ(dst.GetPixel(2, 2), Blue);
    EXPECT_EQ(dst.GetPixel(1, 2), Blue);

    src.Draw(&dst, -1, -1);
    EXPECT_EQ(dst.GetPixel(0, 0), Blue) << "the transparent corner lands at (0, 0)";
    src.Draw(&dst, -1, 2, Rect(0, 0, 2, 1));
    EXPECT_EQ(dst.GetPixel(0, 2), Red);
}

TEST(SeBitmap, AlphaDrawWeighsByPixelAndMasterAlpha) {
    TSeBitmap src(1, 1), dst(1, 1);
    src.Clear(0xFFFF0000);
    dst.Clear(0xFF0000FF);
    src.AlphaDraw(&dst, 0, 0, 0);
    EXPECT_EQ(dst.GetPixel(0, 0), 0xFF0000FFu);
    src.AlphaDraw(&dst, 0, 0, 255);
    EXPECT_EQ(dst.GetPixel(0, 0), 0xFFFF0000u);

    dst.Clear(0xFF000000);
    src.Clear(0x80FFFFFF);  // half-transparent white at full master alpha
    src.AlphaDraw(&dst, 0, 0, 255);
    EXPECT_EQ(dst.GetPixel(0, 0), 0xFF808080u);
    dst.Clear(0xFF000000);
    src.Clear(0xFFFFFFFF);
    src.AlphaDraw(&dst, 0, 0, 64);
    EXPECT_EQ(dst.GetPixel(0, 0), 0xFF404040u);
}

TEST(SeBitmap, StretchTileAndGradient) {
    TSeBitmap src(2, 1), dst(6, 2);
    src.SetPixel(0, 0, Red);
    src.SetPixel(1, 0, ckTransparent);
    dst.Clear(Blue);
    src.StretchDraw(&dst, Rect(0, 0, 4, 2));
    EXPECT_EQ(dst.GetPixel(0, 1), Red);
    EXPECT_EQ(dst.GetPixel(1, 0), Red);
    EXPECT_EQ(dst.GetPixel(2, 0), Blue);
    EXPECT_EQ(dst.GetPixel(4, 0), Blue);

    dst.Clear(White);
    src.Tile(&dst, Rect(1, 0, 6, 2));
    EXPECT_EQ(dst.GetPixel(0, 0), White);
    EXPECT_EQ(dst.GetPixel(1, 1), Red);
    EXPECT_EQ(dst.GetPixel(2, 1), White);
    EXPECT_EQ(dst.GetPixel(3, 0), Red);
    EXPECT_EQ(dst.GetPixel(5, 0), Red);

    TSeBitmap g(3, 5);
    g.GradientFill(Rect(0, 0, 3, 5), 0xFF000000, 0xFFFFFF00, true);
    EXPECT_EQ(g.GetPixel(2, 0), 0xFF000000u);
    EXPECT_EQ(g.GetPixel(0, 2), 0xFF7F7F00u);
    EXPECT_EQ(g.GetPixel(1, 4), 0xFFFFFF00u);
    g.GradientFill(Rect(0, 0, 3, 5), 0xFF0000FF, 0xFF000000, false);
    EXPECT_EQ(g.GetPixel(0, 3), 0xFF0000FFu);
    EXPECT_EQ(g.GetPixel(2, 3), 0xFF000000u);
}

TEST(SeBitmap, DrawOntoACanvasKeepsWhatIsUnderTransparentPixels) {
    TBitmap target;
    target.SetSize(4, 4);
    target.GetCanvas()->GetBrush()->SetColor(clBlue);
    target.GetCanvas()->FillRect(Rect(0, 0, 4, 4));
    TSeBitmap src(2, 2);
    src.Clear(0x00FF0000);  // alpha 0 in the source still lands opaque
    src.SetPixel(0, 0, ckTransparent);
    src.Draw(target.GetCanvas(), 1, 1);
    EXPECT_EQ(target.GetCanvas()->GetPixels(1, 1), clBlue);
    EXPECT_EQ(target.GetCanvas()->GetPixels(2, 2), clRed);
    EXPECT_EQ(target.ScanLine(2)[2], 0xFFFF0000u);

    TSeBitmap white(1, 1);
    white.Clear(0xFFFFFFFF);
    white.AlphaDraw(target.GetCanvas(), 0, 0, 128);
    EXPECT_EQ(target.GetCanvas()->GetPixels(0, 0), RGB(128, 128, 255));
}

}  // namespace
