#include <gtest/gtest.h>

#include "skin/controls/SeShared.h"

namespace {

// A 40 x 40 white picture to draw on.
struct Picture {
    Picture() {
        bitmap.SetSize(40, 40);
        canvas()->GetBrush()->SetColor(clWhite);
        canvas()->FillRect(Rect(0, 0, 40, 40));
    }
    TCanvas* canvas() { return bitmap.GetCanvas(); }
    TColor at(int x, int y) { return canvas()->GetPixels(x, y); }
    int count(TColor c, const TRect& r = Rect(0, 0, 40, 40)) {
        int n = 0;
        for (int y = r.Top; y < r.Bottom; ++y)
            for (int x = r.Left; x < r.Right; ++x) n += at(x, y) == ColorToRGB(c);
        return n;
    }
    TBitmap bitmap;
};

TEST(SeShared, FocusRectangleIsDottedAndUndoesItself) {
    Picture p;
    p.canvas()->GetBrush()->SetColor(clRed);
    p.canvas()->FillRect(Rect(0, 0, 20, 40));
    DrawFocusRect(p.canvas(), Rect(5, 5, 30, 15));
    EXPECT_EQ(p.at(5, 5), clAqua) << "red inverted";
    EXPECT_EQ(p.at(6, 5), clRed);
    EXPECT_EQ(p.at(25, 5), clBlack) << "white inverted";
    EXPECT_EQ(p.at(10, 10), clRed) << "the inside is left alone";
    DrawFocusRect(p.canvas(), Rect(5, 5, 30, 15));
    EXPECT_EQ(p.count(clRed), 20 * 40);
    EXPECT_EQ(p.count(clWhite), 20 * 40);
}

TEST(SeShared, ArrowsPointTheirWay) {
    // The widths of the arrow's rows (or columns), in drawing order.
    auto spans = [](TSeArrowKind kind) {
        Picture p;
        DrawArrow(p.canvas(), Rect(0, 0, 40, 40), kind, clBlack);
        std::vector<int> out;
        bool rows = kind == kakUp || kind == kakDown;
        for (int i = 0; i < 40; ++i) {
            int n = p.count(clBlack, rows ? Rect(0, i, 40, i + 1) : Rect(i, 0, i + 1, 40));
            if (n) out.push_back(n);
        }
        return out;
    };
    for (TSeArrowKind kind : {kakUp, kakDown, kakLeft, kakRight}) {
        SCOPED_TRACE(kind);
        std::vector<int> s = spans(kind);
        ASSERT_EQ(s.size(), 10u);
        bool pointsFirst = kind == kakUp || kind == kakLeft;
        EXPECT_EQ(pointsFirst ? s.front() : s.back(), 1) << "the tip";
        EXPECT_EQ(pointsFirst ? s.back() : s.front(), 19) << "the base";
    }
}

TEST(SeShared, FramesAndGlyphs) {
    Picture p;
    TRect r = Rect(0, 0, 20, 20);
    DrawSunkenFrame(p.canvas(), r);
    EXPECT_EQ(r, Rect(2, 2, 18, 18));
    EXPECT_EQ(p.at(0, 0), ColorToRGB(clBtnShadow));
    EXPECT_EQ(p.at(1, 1), ColorToRGB(cl3DDkShadow));
    EXPECT_EQ(p.at(19, 19), ColorToRGB(clBtnHighlight));

    Picture unchecked, checked, greyed;
    DrawCheckGlyph(unchecked.canvas(), Rect(0, 0, 40, 40), false, true);
    DrawCheckGlyph(checked.canvas(), Rect(0, 0, 40, 40), true, true);
    DrawCheckGlyph(greyed.canvas(), Rect(0, 0, 40, 40), true, false);
    TRect inside = Rect(15, 15, 25, 25);
    EXPECT_EQ(unchecked.count(clWindowText, inside), 0);
    EXPECT_GT(checked.count(clWindowText, inside), 10);
    EXPECT_EQ(greyed.count(clWindowText, inside), 0);
    EXPECT_GT(greyed.count(clGrayText, inside), 10);

    Picture radio;
    DrawRadioGlyph(radio.canvas(), Rect(0, 0, 40, 40), true, true);
    EXPECT_EQ(radio.at(20, 20), ColorToRGB(clWindowText)) << "the dot";
    EXPECT_EQ(radio.at(14, 14), clWhite) << "round: the corner stays";
}

TEST(SeShared, GroupFrameLeavesRoomForItsCaption) {
    Picture p;
    int half = p.canvas()->TextHeight("0") / 2;
    DrawGroupFrame(p.canvas(), Rect(0, 0, 40, 40), "G");
    EXPECT_EQ(p.at(0, half + 5), ColorToRGB(clBtnShadow));
    EXPECT_EQ(p.at(1, half + 5), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(p.at(4, half), ColorToRGB(clBtnShadow));
    EXPECT_NE(p.at(9, half), ColorToRGB(clBtnShadow)) << "the caption cuts the top edge";
}

TEST(SeShared, GreyedTextAndGlyphs) {
    Picture p;
    DrawGrayText(p.canvas(), 2, 2, "Wide");
    EXPECT_GT(p.count(clGrayText), 10);
    EXPECT_GT(p.count(clBtnHighlight), 0);
    EXPECT_EQ(p.count(clBlack), 0);

    TBitmap glyph;
    glyph.SetSize(3, 3);
    glyph.GetCanvas()->GetBrush()->SetColor(clBlue);
    glyph.GetCanvas()->FillRect(Rect(0, 0, 3, 3));
    glyph.GetCanvas()->SetPixels(0, 2, clLime);  // the transparent colour
    glyph.GetCanvas()->SetPixels(2, 0, clLime);
    Picture on, off;
    DrawGlyph(on.canvas(), 10, 10, &glyph, true);
    EXPECT_EQ(on.count(clBlue), 7);
    EXPECT_EQ(on.at(12, 10), clWhite);
    DrawGlyph(off.canvas(), 10, 10, &glyph, false);
    EXPECT_EQ(off.count(clBlue), 0);
    EXPECT_EQ(off.count(clBtnShadow), 7);
    EXPECT_EQ(off.at(13, 13), ColorToRGB(clBtnHighlight)) << "the light shadow, one pixel down and right";
}

}  // namespace
