// Block transfers and their raster operations, drawing bitmaps on canvases,
// single pixels, pattern brushes and the system colours.
#include <gtest/gtest.h>

#include "CanvasTestSupport.h"

namespace {

TEST(CanvasBlit, RasterOperationsCombinePatternSourceAndDestination) {
    const TColor src = 0x00F0F0, dst = 0x0F0FF0, pat = 0x3C3C3C;
    struct Case { unsigned rop; TColor expected; };
    const Case cases[] = {
        {SRCCOPY, src},
        {SRCPAINT, src | dst},
        {SRCAND, src & dst},
        {SRCINVERT, src ^ dst},
        {SRCERASE, src & (~dst & 0xFFFFFF)},
        {NOTSRCCOPY, ~src & 0xFFFFFF},
        {NOTSRCERASE, ~(src | dst) & 0xFFFFFF},
        {MERGECOPY, pat & src},
        {MERGEPAINT, (~src & 0xFFFFFF) | dst},
        {PATCOPY, pat},
        {PATPAINT, (pat | (~src & 0xFFFFFF) | dst) & 0xFFFFFF},
        {PATINVERT, pat ^ dst},
        {DSTINVERT, ~dst & 0xFFFFFF},
        {BLACKNESS, 0},
        {WHITENESS, 0xFFFFFF},
        {0x00E20746, (pat & src) | (dst & ~src & 0xFFFFFF)},  // pattern where the source is set
    };
    auto source = WhiteBitmap(3, 3);
    source->GetCanvas()->SetPixels(1, 1, src);
    for (const Case& k : cases) {
        auto b = WhiteBitmap(3, 3);
        TCanvas* c = b->GetCanvas();
        c->SetPixels(1, 1, dst);
        c->GetBrush()->SetColor(pat);
        BitBlt(c->GetHandle(), 1, 1, 1, 1, source->GetDC(), 1, 1, k.rop);
        EXPECT_EQ(DevicePixel(b.get(), 1, 1), k.expected) << std::hex << k.rop;
        EXPECT_EQ(DevicePixel(b.get(), 2, 1), clWhite);
    }
}

TEST(CanvasBlit, CopiesAreClippedToBothPictures) {
    auto source = WhiteBitmap(4, 4);
    source->GetCanvas()->GetBrush()->SetColor(clRed);
    source->GetCanvas()->FillRect(TRect(0, 0, 4, 4));
    auto b = WhiteBitmap(10, 10);
    HDC dc = b->GetDC();
    IntersectClipRect(dc, 0, 0, 7, 10);
    // Source pixels beyond the source picture leave the destination alone.
    BitBlt(dc, 4, 2, 6, 6, source->GetDC(), 0, 0, SRCCOPY);
    EXPECT_EQ(InkOf(b.get()).box, TRect(4, 2, 7, 6));
    BitBlt(dc, -2, -2, 4, 4, source->GetDC(), 0, 0, SRCCOPY);
    EXPECT_EQ(CountColor(b.get(), clRed, TRect(0, 0, 2, 2)), 4);
}

TEST(CanvasBlit, InvertingCopiesTwiceRestoreThePicture) {
    auto source = WhiteBitmap(20, 20);
    source->GetCanvas()->GetBrush()->SetColor(clPurple);
    source->GetCanvas()->Ellipse(0, 0, 20, 20);
    auto b = WhiteBitmap(30, 30);
    TCanvas* c = b->GetCanvas();
    c->GetBrush()->SetColor(clOlive);
    c->Rectangle(3, 3, 25, 25);
    std::vector<TColor> before = Snapshot(b.get());
    for (unsigned rop : {SRCINVERT, DSTINVERT, PATINVERT}) {
        BitBlt(c->GetHandle(), 5, 5, 20, 20, source->GetDC(), 0, 0, rop);
        EXPECT_NE(Snapshot(b.get()), before);
        BitBlt(c->GetHandle(), 5, 5, 20, 20, source->GetDC(), 0, 0, rop);
        EXPECT_EQ(Snapshot(b.get()), before) << std::hex << rop;
    }
}

TEST(CanvasBlit, StretchPicksPixelsAndMirrors) {
    auto source = WhiteBitmap(2, 2);
    source->GetCanvas()->SetPixels(0, 0, clBlack);
    source->GetCanvas()->SetPixels(1, 1, clRed);
    auto b = WhiteBitmap(8, 4);
    StretchBlt(b->GetDC(), 0, 0, 4, 4, source->GetDC(), 0, 0, 2, 2, SRCCOPY);
    EXPECT_EQ(Art(b.get(), TRect(0, 0, 4, 4)), (std::vector<std::string>{"##..", "##..", "..##", "..##"}));
    EXPECT_EQ(DevicePixel(b.get(), 3, 3), clRed);
    // A negative width draws the picture mirrored left to right.
    StretchBlt(b->GetDC(), 8, 0, -4, 4, source->GetDC(), 0, 0, 2, 2, SRCCOPY);
    EXPECT_EQ(DevicePixel(b.get(), 7, 0), clBlack);
    EXPECT_EQ(DevicePixel(b.get(), 4, 3), clRed);
    EXPECT_EQ(DevicePixel(b.get(), 4, 0), clWhite);
}

TEST(CanvasBlit, OverlappingCopyWithinOnePictureReadsTheOldPixels) {
    auto b = WhiteBitmap(10, 1);
    TCanvas* c = b->GetCanvas();
    for (int x = 0; x < 5; ++x) c->SetPixels(x, 0, RGB(x * 10, 0, 0));
    BitBlt(b->GetDC(), 2, 0, 5, 1, b->GetDC(), 0, 0, SRCCOPY);
    for (int x = 0; x < 5; ++x) EXPECT_EQ(DevicePixel(b.get(), x + 2, 0), RGB(x * 10, 0, 0));
}

TEST(CanvasBlit, CanvasCopyRectDrawAndTransparency) {
    auto source = WhiteBitmap(6, 6);
    source->GetCanvas()->GetBrush()->SetColor(clLime);
    source->GetCanvas()->FillRect(TRect(0, 0, 6, 6));
    source->GetCanvas()->SetPixels(3, 3, clBlue);

    auto b = WhiteBitmap(20, 20);
    TCanvas* c = b->GetCanvas();
    c->CopyRect(TRect(0, 0, 6, 6), source->GetCanvas(), TRect(0, 0, 6, 6));
    EXPECT_EQ(DevicePixel(b.get(), 3, 3), clBlue);
    c->SetCopyMode(cmSrcInvert);  // the same picture again: all black
    c->CopyRect(TRect(0, 0, 6, 6), source->GetCanvas(), TRect(0, 0, 6, 6));
    EXPECT_EQ(CountColor(b.get(), clBlack, TRect(0, 0, 20, 20)), 36);

    auto d = WhiteBitmap(20, 20);
    d->GetCanvas()->Draw(10, 10, source.get());
    EXPECT_EQ(InkOf(d.get()).box, TRect(10, 10, 16, 16));
    d->GetCanvas()->StretchDraw(TRect(0, 0, 3, 3), source.get());
    EXPECT_EQ(DevicePixel(d.get(), 1, 1), clBlue);
    EXPECT_EQ(DevicePixel(d.get(), 2, 2), clLime);

    // A transparent bitmap leaves out the colour of its bottom-left pixel.
    auto t = WhiteBitmap(20, 20);
    t->GetCanvas()->GetBrush()->SetColor(clRed);
    t->GetCanvas()->FillRect(TRect(0, 0, 20, 20));
    source->SetTransparent(true);
    t->GetCanvas()->Draw(4, 4, source.get());
    EXPECT_EQ(DevicePixel(t.get(), 4, 4), clRed);
    EXPECT_EQ(DevicePixel(t.get(), 7, 7), clBlue);
    t->GetCanvas()->Draw(0, 0, nullptr);
}

TEST(CanvasBlit, PixelsOutsideThePictureOrClipAreInvalid) {
    auto b = WhiteBitmap(5, 5);
    HDC dc = b->GetDC();
    EXPECT_EQ(SetPixel(dc, 2, 2, clRed), clRed);
    EXPECT_EQ(GetPixel(dc, 2, 2), clRed);
    EXPECT_EQ(GetPixel(dc, 5, 0), CLR_INVALID);
    EXPECT_EQ(SetPixel(dc, -1, 0, clRed), CLR_INVALID);
    ExcludeClipRect(dc, 0, 0, 1, 1);
    EXPECT_EQ(GetPixel(dc, 0, 0), CLR_INVALID);
    EXPECT_EQ(SetPixel(dc, 0, 0, clRed), CLR_INVALID);
    EXPECT_EQ(DevicePixel(b.get(), 0, 0), clWhite);
}

TEST(CanvasBlit, PatternBrushTilesFromTheBrushOrigin) {
    TBitmap pattern;
    pattern.SetSize(2, 2);
    pattern.GetCanvas()->SetPixels(0, 0, clBlack);
    pattern.GetCanvas()->SetPixels(1, 1, clBlack);
    auto b = WhiteBitmap(6, 2);
    TCanvas* c = b->GetCanvas();
    c->GetBrush()->SetBitmap(&pattern);
    c->FillRect(TRect(1, 0, 6, 2));
    EXPECT_EQ(Art(b.get(), TRect(0, 0, 6, 2)), (std::vector<std::string>{"..#.#.", ".#.#.#"}));
    PatBlt(c->GetHandle(), 0, 0, 6, 2, DSTINVERT);
    EXPECT_EQ(Art(b.get(), TRect(0, 0, 6, 2), clBlack), (std::vector<std::string>{"..#.#.", ".#.#.#"}));
}

TEST(CanvasBlit, SystemColoursResolveToTheClassicScheme) {
    EXPECT_EQ(ColorToRGB(clBtnFace), 0xC0C0C0);
    EXPECT_EQ(ColorToRGB(clWindow), 0xFFFFFF);
    EXPECT_EQ(ColorToRGB(clWindowText), 0x000000);
    EXPECT_EQ(ColorToRGB(clHighlight), 0x800000);
    EXPECT_EQ(ColorToRGB(clBtnShadow), 0x808080);
    EXPECT_EQ(ColorToRGB(clInfoBk), 0xE1FFFF);
    EXPECT_EQ(ColorToRGB(clRed), clRed);
    EXPECT_EQ(ColorToRGB(clNone), clNone);
    auto b = WhiteBitmap(2, 2);
    b->GetCanvas()->GetBrush()->SetColor(clBtnFace);
    b->GetCanvas()->FillRect(TRect(0, 0, 2, 2));
    EXPECT_EQ(DevicePixel(b.get(), 1, 1), clSilver);
}

}  // namespace
