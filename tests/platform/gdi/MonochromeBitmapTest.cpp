// Monochrome bitmaps: turning a picture monochrome and back, drawing on a
// monochrome canvas, and copies between monochrome and colour pictures
// that take their colours from the contexts as BitBlt does.
#include <gtest/gtest.h>

#include <functional>

#include "CanvasTestSupport.h"
#include "platform/gdi/BitmapPixels.h"

namespace {

bool BlackOrWhite(TColor c) { return c == clBlack || c == clWhite; }

int NotBlackOrWhite(TBitmap* bitmap) {
    int count = 0;
    for (TColor c : Snapshot(bitmap)) count += !BlackOrWhite(c);
    return count;
}

std::unique_ptr<TBitmap> MonochromeBitmap(int width, int height) {
    auto bitmap = WhiteBitmap(width, height);
    bitmap->SetMonochrome(true);
    return bitmap;
}

// A 4 x 1 monochrome picture: black, white, white, black.
std::unique_ptr<TBitmap> MonochromeStrip() {
    auto strip = MonochromeBitmap(4, 1);
    strip->GetCanvas()->SetPixels(0, 0, clBlack);
    strip->GetCanvas()->SetPixels(3, 0, clBlack);
    return strip;
}

TEST(MonochromeBitmap, TurningMonochromeWhitensThePixelsOfTheContextsBackgroundColour) {
    struct Case {
        const char* name;
        TColor background;  // of the bitmap's own context
        TColor pixel;
        TColor expected;
    };
    const Case cases[] = {
        {"white on white", clWhite, clWhite, clWhite},
        {"red on white", clWhite, clRed, clBlack},
        {"light grey is not the background", clWhite, clSilver, clBlack},
        {"nearly white is not the background", clWhite, 0xFEFFFF, clBlack},
        {"red on red", clRed, clRed, clWhite},
        {"white on red", clRed, clWhite, clBlack},
        {"black on black", clBlack, clBlack, clWhite},
    };
    for (const Case& k : cases) {
        auto b = WhiteBitmap(2, 1);
        b->GetCanvas()->SetPixels(0, 0, k.pixel);
        SetBkColor(b->GetDC(), k.background);
        int changes = 0;
        b->OnChange = [&](TObject*) { ++changes; };
        b->SetMonochrome(true);
        EXPECT_TRUE(b->GetMonochrome()) << k.name;
        EXPECT_EQ(b->GetPixelFormat(), pf1bit) << k.name;
        EXPECT_EQ(DevicePixel(b.get(), 0, 0), k.expected) << k.name;
        EXPECT_EQ(DevicePixel(b.get(), 1, 0), k.background == clWhite ? clWhite : clBlack) << k.name;
        b->SetMonochrome(true);
        EXPECT_EQ(changes, 1) << k.name;

        // Back to colour: the same black and white, and colours draw again.
        b->SetMonochrome(false);
        EXPECT_EQ(changes, 2) << k.name;
        EXPECT_FALSE(b->GetMonochrome()) << k.name;
        EXPECT_EQ(b->GetPixelFormat(), pfDevice) << k.name;
        EXPECT_EQ(DevicePixel(b.get(), 0, 0), k.expected) << k.name;
        b->GetCanvas()->SetPixels(1, 0, clRed);
        EXPECT_EQ(DevicePixel(b.get(), 1, 0), clRed) << k.name;
    }
}

TEST(MonochromeBitmap, PixelFormatAndTheContextReportOneBit) {
    auto b = WhiteBitmap(20, 3);
    b->SetPixelFormat(pf1bit);
    EXPECT_TRUE(b->GetMonochrome());
    BITMAP bm;
    ASSERT_EQ(GetObject(b->GetHandle(), sizeof bm, &bm), static_cast<int>(sizeof bm));
    EXPECT_EQ(bm.bmBitsPixel, 1);
    EXPECT_EQ(bm.bmWidthBytes, 4);  // 20 bits in whole 16-bit words
    EXPECT_EQ(GetDeviceCaps(b->GetDC(), BITSPIXEL), 1);
    EXPECT_EQ(GetDeviceCaps(b->GetDC(), NUMCOLORS), 2);

    // A copy and a new size stay monochrome; another depth is colour.
    TBitmap copy;
    copy.Assign(b.get());
    EXPECT_TRUE(copy.GetMonochrome());
    copy.SetSize(30, 30);
    copy.GetCanvas()->GetBrush()->SetColor(clRed);
    copy.GetCanvas()->FillRect(TRect(0, 0, 30, 30));
    EXPECT_EQ(DevicePixel(&copy, 29, 29), clBlack);
    b->SetPixelFormat(pf24bit);
    EXPECT_FALSE(b->GetMonochrome());
    EXPECT_EQ(b->GetPixelFormat(), pf24bit);
    ASSERT_EQ(GetObject(b->GetHandle(), sizeof bm, &bm), static_cast<int>(sizeof bm));
    EXPECT_EQ(bm.bmBitsPixel, 32);
    EXPECT_EQ(GetDeviceCaps(b->GetDC(), BITSPIXEL), 32);
}

TEST(MonochromeBitmap, PensBrushesAndPixelsTakeTheNearerOfBlackAndWhite) {
    struct Case {
        TColor color, expected;
    };
    const Case cases[] = {
        {clRed, clBlack}, {clNavy, clBlack},   {clGreen, clBlack},  {0x7F7F7F, clBlack}, {clBlue, clBlack},
        {clGray, clWhite}, {clSilver, clWhite}, {clYellow, clWhite}, {clLime, clWhite},   {clWhite, clWhite},
    };
    for (const Case& k : cases) {
        // Drawn on black where the colour gives white, so that both show.
        auto b = MonochromeBitmap(12, 4);
        TCanvas* c = b->GetCanvas();
        c->GetBrush()->SetColor(clBlack);
        c->FillRect(TRect(0, 0, 12, 4));
        c->GetPen()->SetColor(k.color);
        c->MoveTo(0, 0);
        c->LineTo(4, 0);
        c->GetBrush()->SetColor(k.color);
        c->FillRect(TRect(0, 2, 4, 4));
        c->GetPen()->SetColor(k.color);
        c->Rectangle(5, 0, 9, 4);
        c->SetPixels(11, 3, k.color);
        EXPECT_EQ(DevicePixel(b.get(), 1, 0), k.expected) << std::hex << k.color;
        EXPECT_EQ(DevicePixel(b.get(), 3, 3), k.expected) << std::hex << k.color;
        EXPECT_EQ(DevicePixel(b.get(), 5, 0), k.expected) << std::hex << k.color;
        EXPECT_EQ(DevicePixel(b.get(), 7, 2), k.expected) << std::hex << k.color;
        EXPECT_EQ(c->GetPixels(11, 3), k.expected) << std::hex << k.color;
        EXPECT_EQ(SetPixel(b->GetDC(), 10, 3, k.color), k.expected) << std::hex << k.color;
        EXPECT_EQ(NotBlackOrWhite(b.get()), 0) << std::hex << k.color;
    }
}

// Every road that puts colour down: the result is black and white only,
// while the same drawing on a colour bitmap is not.
TEST(MonochromeBitmap, EveryDrawingRoadLeavesOnlyBlackAndWhite) {
    auto colourSource = WhiteBitmap(8, 8);
    colourSource->GetCanvas()->GetBrush()->SetColor(clTeal);
    colourSource->GetCanvas()->FillRect(TRect(0, 0, 4, 8));
    const std::function<void(TBitmap*)> roads[] = {
        [](TBitmap* b) {
            TCanvas* c = b->GetCanvas();
            c->GetPen()->SetColor(clMaroon);
            c->GetPen()->SetWidth(5);
            c->GetBrush()->SetColor(clAqua);
            c->Ellipse(5, 5, 60, 40);
        },
        [](TBitmap* b) {
            TCanvas* c = b->GetCanvas();
            c->GetPen()->SetStyle(psDot);
            c->GetPen()->SetColor(clPurple);
            c->GetBrush()->SetColor(clYellow);  // the gaps
            c->MoveTo(0, 10);
            c->LineTo(70, 12);
        },
        [](TBitmap* b) {
            TCanvas* c = b->GetCanvas();
            c->GetBrush()->SetStyle(bsDiagCross);
            c->GetBrush()->SetColor(clRed);
            c->Rectangle(0, 0, 70, 50);
        },
        [](TBitmap* b) {
            TCanvas* c = b->GetCanvas();
            c->GetFont()->SetName("Arial");
            c->GetFont()->SetHeight(-18);
            c->GetFont()->SetColor(clOlive);
            c->GetBrush()->SetColor(clFuchsia);
            c->TextOut(2, 2, "Wq");
            c->TextRect(TRect(30, 20, 70, 45), 32, 22, "ab");
        },
        [](TBitmap* b) {
            TCanvas* c = b->GetCanvas();
            c->GetFont()->SetName("Arial");
            c->GetFont()->SetHeight(-24);
            c->GetFont()->SetColor(clBlue);
            c->GetBrush()->SetStyle(bsClear);
            HDC dc = c->GetHandle();
            LOGFONT lf;
            GetObject(GetCurrentObject(dc, OBJ_FONT), sizeof lf, &lf);
            // Turned, the underline's edges are blended with what lies under them.
            lf.lfEscapement = lf.lfOrientation = 330;
            lf.lfUnderline = 1;
            HFONT turned = CreateFontIndirect(&lf);
            HGDIOBJ old = SelectObject(dc, turned);
            TextOut(dc, 10, 40, "Turn", 4);
            SelectObject(dc, old);
            DeleteObject(turned);
        },
        [&](TBitmap* b) {
            TCanvas* c = b->GetCanvas();
            c->GetBrush()->SetBitmap(colourSource.get());
            c->FillRect(TRect(0, 0, 70, 50));
            c->GetBrush()->SetBitmap(nullptr);
        },
        [&](TBitmap* b) {
            TCanvas* c = b->GetCanvas();
            c->GetBrush()->SetColor(clGray);
            StretchBlt(c->GetHandle(), 0, 0, 70, 50, colourSource->GetDC(), 0, 0, 8, 8, MERGECOPY);
        },
    };
    int road = 0;
    for (const auto& draw : roads) {
        auto colour = WhiteBitmap(70, 50);
        auto mono = MonochromeBitmap(70, 50);
        draw(colour.get());
        draw(mono.get());
        EXPECT_GT(NotBlackOrWhite(colour.get()), 0) << "road " << road;
        EXPECT_EQ(NotBlackOrWhite(mono.get()), 0) << "road " << road;
        EXPECT_GT(InkOf(mono.get()).count, 0) << "road " << road;
        ++road;
    }
}

TEST(MonochromeBitmap, CopiesOntoColourShowTheDestinationsTextAndBackgroundColours) {
    auto strip = MonochromeStrip();
    struct Case {
        const char* name;
        std::function<void(TCanvas*, TBitmap*)> copy;
        TColor zero, one;  // what black and white bits become
    };
    const Case cases[] = {
        {"Draw takes the font and the brush", [](TCanvas* c, TBitmap* s) { c->Draw(0, 0, s); }, clBlue, clYellow},
        {"StretchDraw", [](TCanvas* c, TBitmap* s) { c->StretchDraw(TRect(0, 0, 4, 1), s); }, clBlue, clYellow},
        {"CopyRect", [](TCanvas* c, TBitmap* s) { c->CopyRect(TRect(0, 0, 4, 1), s->GetCanvas(), TRect(0, 0, 4, 1)); },
         clBlue, clYellow},
        {"BitBlt takes the context's colours",
         [](TCanvas* c, TBitmap* s) {
             HDC dc = c->GetHandle();
             SetTextColor(dc, clMaroon);
             SetBkColor(dc, clAqua);
             BitBlt(dc, 0, 0, 4, 1, s->GetDC(), 0, 0, SRCCOPY);
         },
         clMaroon, clAqua},
        {"a monochrome pattern brush", [](TCanvas* c, TBitmap* s) {
             c->GetBrush()->SetBitmap(s);
             c->FillRect(TRect(0, 0, 4, 1));
         },
         clBlue, clYellow},
    };
    for (const Case& k : cases) {
        auto b = WhiteBitmap(6, 2);
        TCanvas* c = b->GetCanvas();
        c->GetFont()->SetColor(clBlue);
        c->GetBrush()->SetColor(clYellow);
        k.copy(c, strip.get());
        EXPECT_EQ(DevicePixel(b.get(), 0, 0), k.zero) << k.name;
        EXPECT_EQ(DevicePixel(b.get(), 1, 0), k.one) << k.name;
        EXPECT_EQ(DevicePixel(b.get(), 2, 0), k.one) << k.name;
        EXPECT_EQ(DevicePixel(b.get(), 3, 0), k.zero) << k.name;
        EXPECT_EQ(DevicePixel(b.get(), 4, 0), clWhite) << k.name;
    }
}

TEST(MonochromeBitmap, RasterOperationsWorkOnTheColouredBits) {
    auto strip = MonochromeStrip();
    auto b = WhiteBitmap(4, 1);
    TCanvas* c = b->GetCanvas();
    c->GetBrush()->SetColor(clRed);
    c->FillRect(TRect(0, 0, 4, 1));
    HDC dc = c->GetHandle();
    // The usual mask step: black bits keep the destination, white bits clear it.
    SetTextColor(dc, clWhite);
    SetBkColor(dc, clBlack);
    BitBlt(dc, 0, 0, 4, 1, strip->GetDC(), 0, 0, SRCAND);
    EXPECT_EQ(Art(b.get(), TRect(0, 0, 4, 1), clRed), std::vector<std::string>{".##."});
    EXPECT_EQ(DevicePixel(b.get(), 1, 0), clBlack);
}

TEST(MonochromeBitmap, CopiesOntoMonochromeWhitenTheSourcesBackgroundColour) {
    // A colour strip: red, white, blue.
    auto source = WhiteBitmap(3, 1);
    source->GetCanvas()->SetPixels(0, 0, clRed);
    source->GetCanvas()->SetPixels(2, 0, clBlue);
    struct Case {
        const char* name;
        std::function<void(TBitmap* dest)> copy;
        std::string art;  // '#' black, '.' white
    };
    const Case cases[] = {
        {"BitBlt, white background", [&](TBitmap* d) {
             SetBkColor(source->GetDC(), clWhite);
             BitBlt(d->GetDC(), 0, 0, 3, 1, source->GetDC(), 0, 0, SRCCOPY);
         }, "#.#"},
        {"BitBlt, red background", [&](TBitmap* d) {
             SetBkColor(source->GetDC(), clRed);
             BitBlt(d->GetDC(), 0, 0, 3, 1, source->GetDC(), 0, 0, SRCCOPY);
         }, ".##"},
        {"CopyRect takes the source canvas's brush", [&](TBitmap* d) {
             source->GetCanvas()->GetBrush()->SetColor(clBlue);
             d->GetCanvas()->CopyRect(TRect(0, 0, 3, 1), source->GetCanvas(), TRect(0, 0, 3, 1));
             source->GetCanvas()->GetBrush()->SetColor(clWhite);
         }, "##."},
        {"Draw, red background", [&](TBitmap* d) {
             SetBkColor(source->GetDC(), clRed);
             d->GetCanvas()->Draw(0, 0, source.get());
         }, ".##"},
        {"text and background colours of the destination do not count", [&](TBitmap* d) {
             SetBkColor(source->GetDC(), clWhite);
             SetTextColor(d->GetDC(), clWhite);
             SetBkColor(d->GetDC(), clBlack);
             BitBlt(d->GetDC(), 0, 0, 3, 1, source->GetDC(), 0, 0, SRCCOPY);
         }, "#.#"},
    };
    for (const Case& k : cases) {
        auto d = MonochromeBitmap(3, 1);
        k.copy(d.get());
        EXPECT_EQ(Art(d.get(), TRect(0, 0, 3, 1)), std::vector<std::string>{k.art}) << k.name;
        EXPECT_EQ(NotBlackOrWhite(d.get()), 0) << k.name;
    }

    // Monochrome onto monochrome is a plain copy, whatever the colours.
    auto strip = MonochromeStrip();
    auto d = MonochromeBitmap(4, 1);
    SetTextColor(d->GetDC(), clRed);
    SetBkColor(d->GetDC(), clBlue);
    BitBlt(d->GetDC(), 0, 0, 4, 1, strip->GetDC(), 0, 0, SRCCOPY);
    EXPECT_EQ(Art(d.get(), TRect(0, 0, 4, 1)), std::vector<std::string>{"#..#"});
}

TEST(MonochromeBitmap, PlainPixelCopiesAndFillsStayBlackAndWhite) {
    auto colour = WhiteBitmap(3, 1);
    colour->GetCanvas()->SetPixels(0, 0, clYellow);
    colour->GetCanvas()->SetPixels(1, 0, clPurple);
    auto mono = MonochromeBitmap(3, 1);
    CopyBitmapPixels(colour.get(), 0, 0, mono.get(), 0, 0, 3, 1);
    EXPECT_EQ(Art(mono.get(), TRect(0, 0, 3, 1)), std::vector<std::string>{".#."});
    FillBitmapPixels(mono.get(), clSilver);
    EXPECT_EQ(CountColor(mono.get(), clWhite, TRect(0, 0, 3, 1)), 3);
    FillBitmapPixels(mono.get(), clMaroon);
    EXPECT_EQ(CountColor(mono.get(), clBlack, TRect(0, 0, 3, 1)), 3);
    // Monochrome onto colour copies the black and white as they are.
    CopyBitmapPixels(mono.get(), 0, 0, colour.get(), 1, 0, 1, 1);
    EXPECT_EQ(DevicePixel(colour.get(), 0, 0), clYellow);
    EXPECT_EQ(DevicePixel(colour.get(), 1, 0), clBlack);
}

}  // namespace
