// Text: the reference point and the alignment flags at 0, 90, 180 and 270
// degrees, the opaque cell, clipping, fonts and extents.
#include <gtest/gtest.h>

#include <cstring>

#include "CanvasTestSupport.h"

namespace {

constexpr int kX = 150, kY = 150;

// Draws "HHHH" (no descenders, little side bearing) at the reference point
// with the given alignment and escapement, and returns the ink.
struct TTextProbe {
    std::unique_ptr<TBitmap> bitmap = WhiteBitmap(300, 300);
    int width = 0, height = 0;

    TInk Draw(unsigned align, int escapement) {
        bitmap = WhiteBitmap(300, 300);
        TCanvas* c = bitmap->GetCanvas();
        c->GetFont()->SetName("Arial");
        c->GetFont()->SetHeight(-24);
        c->GetBrush()->SetStyle(bsClear);
        width = c->TextWidth("HHHH");
        height = c->TextHeight("HHHH");
        HDC dc = c->GetHandle();
        LOGFONT lf;
        GetObject(GetCurrentObject(dc, OBJ_FONT), sizeof lf, &lf);
        lf.lfEscapement = lf.lfOrientation = escapement;
        HFONT turned = CreateFontIndirect(&lf);
        HGDIOBJ old = SelectObject(dc, turned);
        SetTextAlign(dc, align);
        TextOut(dc, kX, kY, "HHHH", 4);
        SelectObject(dc, old);
        DeleteObject(turned);
        return InkOf(bitmap.get());
    }
};

TEST(CanvasText, AlignmentPlacesTheTextAroundTheReferencePoint) {
    TTextProbe p;
    TInk baseline = p.Draw(TA_LEFT | TA_BASELINE, 0);
    EXPECT_EQ(baseline.box.Bottom, kY);  // capitals sit on the baseline
    EXPECT_GE(baseline.box.Left, kX);
    EXPECT_LE(baseline.box.Left, kX + 3);
    EXPECT_LE(baseline.box.Right, kX + p.width);
    int cap = baseline.box.Height();

    TInk top = p.Draw(TA_LEFT | TA_TOP, 0);
    int ascent = top.box.Bottom - kY;
    EXPECT_GE(top.box.Top, kY);
    EXPECT_GT(ascent, cap);
    TInk bottom = p.Draw(TA_LEFT | TA_BOTTOM, 0);
    int descent = kY - bottom.box.Bottom;
    EXPECT_GT(descent, 0);
    EXPECT_EQ(ascent + descent, p.height);

    TInk right = p.Draw(TA_RIGHT | TA_BASELINE, 0);
    EXPECT_LE(right.box.Right, kX);
    EXPECT_GE(right.box.Right, kX - 3);
    EXPECT_EQ(right.box.Left - baseline.box.Left, -p.width);
    TInk centre = p.Draw(TA_CENTER | TA_BASELINE, 0);
    EXPECT_NEAR((centre.box.Left + centre.box.Right) / 2.0, kX, 1.5);
}

TEST(CanvasText, TurnedTextKeepsItsAlignmentInItsOwnFrame) {
    TTextProbe p;
    int cap = p.Draw(TA_LEFT | TA_BASELINE, 0).box.Height();

    // 90 degrees: the text runs upwards, its capitals to the left of the baseline.
    TInk up = p.Draw(TA_LEFT | TA_BASELINE, 900);
    EXPECT_NEAR(up.box.Right, kX, 1);
    EXPECT_NEAR(up.box.Width(), cap, 1);
    EXPECT_LE(up.box.Bottom, kY + 1);
    EXPECT_GE(up.box.Top, kY - p.width - 1);
    EXPECT_GT(up.box.Height(), p.width - 6);
    TInk upTop = p.Draw(TA_LEFT | TA_TOP, 900);
    EXPECT_GE(upTop.box.Left, kX);
    EXPECT_LE(upTop.box.Right, kX + p.height);
    TInk upRight = p.Draw(TA_RIGHT | TA_BOTTOM, 900);
    EXPECT_LE(upRight.box.Right, kX);
    EXPECT_GE(upRight.box.Left, kX - p.height);
    EXPECT_GE(upRight.box.Top, kY - 1);
    EXPECT_LE(upRight.box.Bottom, kY + p.width + 1);

    // 180 degrees: upside down, running to the left, capitals below the baseline.
    TInk down = p.Draw(TA_LEFT | TA_BASELINE, 1800);
    EXPECT_NEAR(down.box.Top, kY, 1);
    EXPECT_NEAR(down.box.Height(), cap, 1);
    EXPECT_LE(down.box.Right, kX + 1);
    EXPECT_GE(down.box.Left, kX - p.width - 1);
    TInk downTop = p.Draw(TA_LEFT | TA_TOP, 1800);
    EXPECT_LE(downTop.box.Bottom, kY);
    EXPECT_GE(downTop.box.Top, kY - p.height);

    // 270 degrees: running downwards, capitals to the right of the baseline.
    TInk side = p.Draw(TA_LEFT | TA_BASELINE, 2700);
    EXPECT_NEAR(side.box.Left, kX, 1);
    EXPECT_NEAR(side.box.Width(), cap, 1);
    EXPECT_GE(side.box.Top, kY - 1);
    EXPECT_LE(side.box.Bottom, kY + p.width + 1);
    TInk sideCentre = p.Draw(TA_CENTER | TA_TOP, 2700);
    EXPECT_NEAR((sideCentre.box.Top + sideCentre.box.Bottom) / 2.0, kY, 1.5);
    EXPECT_LE(sideCentre.box.Right, kX);
    EXPECT_GE(sideCentre.box.Left, kX - p.height);
}

TEST(CanvasText, SolidBrushGivesTheTextAnOpaqueCell) {
    auto b = WhiteBitmap(120, 40);
    TCanvas* c = b->GetCanvas();
    c->GetBrush()->SetColor(clYellow);
    c->GetFont()->SetColor(clNavy);
    c->TextOut(10, 5, "Ab");
    TSize cell = c->TextExtent("Ab");
    int yellow = CountColor(b.get(), clYellow, TRect(0, 0, 120, 40));
    int navy = CountColor(b.get(), clNavy, TRect(0, 0, 120, 40));
    EXPECT_GT(navy, 0);
    EXPECT_EQ(yellow + navy, cell.cx * cell.cy);
    EXPECT_EQ(InkOf(b.get()).box, TRect(10, 5, 10 + cell.cx, 5 + cell.cy));
    EXPECT_EQ(c->GetPenPos(), TPoint(10 + cell.cx, 5));

    auto t = WhiteBitmap(120, 40);
    t->GetCanvas()->GetBrush()->SetStyle(bsClear);
    t->GetCanvas()->TextOut(10, 5, "Ab");
    EXPECT_EQ(CountColor(t.get(), clYellow, TRect(0, 0, 120, 40)), 0);
    EXPECT_GT(InkOf(t.get()).count, 0);
}

TEST(CanvasText, TextRectClipsToItsRectangle) {
    auto b = WhiteBitmap(100, 40);
    TCanvas* c = b->GetCanvas();
    c->GetBrush()->SetColor(clAqua);
    c->GetFont()->SetHeight(-20);
    c->TextRect(TRect(10, 10, 30, 20), 5, 5, "WWWWWW");
    EXPECT_EQ(InkOf(b.get()).box, TRect(10, 10, 30, 20));
    EXPECT_GT(CountColor(b.get(), clAqua, TRect(10, 10, 30, 20)), 0);
    EXPECT_GT(CountColor(b.get(), clBlack, TRect(10, 10, 30, 20)), 0);

    // Text clipped by the context's clip region as well.
    auto r = WhiteBitmap(100, 40);
    HDC dc = r->GetDC();
    IntersectClipRect(dc, 0, 0, 20, 40);
    r->GetCanvas()->GetBrush()->SetStyle(bsClear);
    r->GetCanvas()->TextOut(2, 2, "WWWWWWWW");
    EXPECT_LE(InkOf(r.get()).box.Right, 20);
    EXPECT_GT(InkOf(r.get()).count, 0);
}

TEST(CanvasText, FontStylesHeightsAndNames) {
    auto ink = [](std::function<void(TFont*)> set) {
        auto b = WhiteBitmap(200, 60);
        TCanvas* c = b->GetCanvas();
        c->GetBrush()->SetStyle(bsClear);
        c->GetFont()->SetName("Tahoma");
        c->GetFont()->SetSize(14);
        set(c->GetFont());
        c->TextOut(5, 5, "Velmora");
        return InkOf(b.get());
    };
    TInk regular = ink([](TFont*) {});
    EXPECT_GT(regular.count, 0);
    EXPECT_GT(ink([](TFont* f) { f->SetStyle(TFontStyles{fsBold}); }).count, regular.count);
    TInk underlined = ink([](TFont* f) { f->SetStyle(TFontStyles{fsUnderline}); });
    EXPECT_GT(underlined.box.Bottom, regular.box.Bottom);
    EXPECT_GT(ink([](TFont* f) { f->SetStyle(TFontStyles{fsStrikeOut}); }).count, regular.count);
    EXPECT_NE(ink([](TFont* f) { f->SetStyle(TFontStyles{fsItalic}); }).box, regular.box);
    for (const char* name : {"MS Sans Serif", "Times New Roman", "Courier New", "NoSuchFontAtAll"})
        EXPECT_GT(ink([&](TFont* f) { f->SetName(name); }).count, 0) << name;

    TFont font;
    font.SetSize(10);
    EXPECT_EQ(font.GetHeight(), -13);
    EXPECT_EQ(font.GetSize(), 10);
    auto b = WhiteBitmap(10, 10);
    TCanvas* c = b->GetCanvas();
    c->GetFont()->SetHeight(20);  // a cell height
    EXPECT_NEAR(c->TextHeight("W"), 20, 1);
    c->GetFont()->SetHeight(-20);  // a character height: the cell is taller
    EXPECT_GT(c->TextHeight("W"), 21);
}

TEST(CanvasText, FontAssignKeepsThePointSizeAcrossResolutions) {
    TFont screen;
    screen.SetName("Tahoma");
    screen.SetSize(10);
    TFont printer;
    printer.SetPixelsPerInch(300);
    printer.Assign(&screen);
    EXPECT_EQ(printer.GetSize(), 10);
    EXPECT_EQ(printer.GetHeight(), -42);
    EXPECT_EQ(printer.GetName(), "Tahoma");

    LOGFONT lf;
    lf.lfHeight = -15;
    lf.lfEscapement = 450;
    lf.lfWeight = FW_BOLD;
    std::strcpy(lf.lfFaceName, "Arial");
    TFont turned;
    turned.SetHandle(CreateFontIndirect(&lf));
    EXPECT_EQ(turned.GetOrientation(), 450);
    EXPECT_TRUE(turned.GetStyle().Contains(fsBold));
    EXPECT_EQ(turned.GetName(), "Arial");
    TFont copy;
    copy.Assign(&turned);
    LOGFONT back;
    GetObject(copy.GetHandle(), sizeof back, &back);
    EXPECT_EQ(back.lfEscapement, 450);
    EXPECT_EQ(back.lfHeight, -15);
}

TEST(CanvasText, UpdateCurrentPositionChainsOutputs) {
    auto b = WhiteBitmap(200, 40);
    TCanvas* c = b->GetCanvas();
    c->GetBrush()->SetStyle(bsClear);
    int ab = c->TextWidth("ab"), cd = c->TextWidth("cd");
    HDC dc = c->GetHandle();
    SetTextAlign(dc, TA_UPDATECP);
    MoveToEx(dc, 10, 10, nullptr);
    TextOut(dc, 0, 0, "ab", 2);
    TextOut(dc, 0, 0, "cd", 2);
    TPoint p;
    GetCurrentPositionEx(dc, &p);
    EXPECT_EQ(p, TPoint(10 + ab + cd, 10));
    EXPECT_GE(InkOf(b.get()).box.Left, 10);
    EXPECT_EQ(CountColor(b.get(), clBlack, TRect(0, 0, 10, 40)), 0);
}

TEST(CanvasText, ExtentsAreInLogicalUnits) {
    auto b = WhiteBitmap(200, 100);
    TCanvas* c = b->GetCanvas();
    c->GetFont()->SetHeight(-10);
    TSize plain = c->TextExtent("Extent");
    HDC dc = c->GetHandle();
    SetMapMode(dc, MM_ANISOTROPIC);
    SetWindowExtEx(dc, 1, 1, nullptr);
    SetViewportExtEx(dc, 2, 2, nullptr);
    // The font's height is logical too: twice the pixels, the same logical extent.
    TSize mapped;
    GetTextExtentPoint32(dc, "Extent", 6, &mapped);
    EXPECT_NEAR(mapped.cx, plain.cx, 2);
    EXPECT_NEAR(mapped.cy, plain.cy, 1);
    c->GetBrush()->SetStyle(bsClear);
    c->TextOut(5, 5, "Extent");
    TInk ink = InkOf(b.get());
    EXPECT_GE(ink.box.Left, 10);
    EXPECT_GT(ink.box.Width(), plain.cx);
}

TEST(CanvasText, GivenAdvancesPlaceEachCharacter) {
    auto b = WhiteBitmap(200, 40);
    TCanvas* c = b->GetCanvas();
    c->GetBrush()->SetStyle(bsClear);
    HDC dc = c->GetHandle();
    const int dx[] = {30, 30, 30};
    ExtTextOut(dc, 10, 5, 0, nullptr, "III", 3, dx);
    // Three narrow strokes 30 pixels apart.
    std::string row = Art(b.get(), TRect(0, 12, 200, 13))[0];
    std::vector<int> starts;
    for (std::size_t x = 1; x < row.size(); ++x)
        if (row[x] == '#' && row[x - 1] == '.') starts.push_back(static_cast<int>(x));
    ASSERT_EQ(starts.size(), 3u);
    EXPECT_EQ(starts[1] - starts[0], 30);
    EXPECT_EQ(starts[2] - starts[1], 30);
}

}  // namespace
