// The clipboard: text and bitmaps in and out, formats, refused kinds.
#include <gtest/gtest.h>

#include "platform/gdi/CanvasTestSupport.h"
#include "platform/host/Clipbrd.h"

namespace {

TEST(Clipboard, TextRoundTrip) {
    Clipboard()->SetAsText("Kurs 12,50 \xE2\x82\xAC");
    EXPECT_TRUE(Clipboard()->HasFormat(CF_TEXT));
    EXPECT_EQ(Clipboard()->GetAsText(), "Kurs 12,50 \xE2\x82\xAC");
    Clipboard()->Clear();
    EXPECT_FALSE(Clipboard()->HasFormat(CF_TEXT));
    EXPECT_EQ(Clipboard()->GetAsText(), "");
}

TEST(Clipboard, BitmapRoundTrip) {
    auto b = WhiteBitmap(7, 5);
    b->GetCanvas()->GetBrush()->SetColor(clTeal);
    b->GetCanvas()->Ellipse(0, 0, 7, 5);
    Clipboard()->Assign(b.get());
    EXPECT_TRUE(Clipboard()->HasFormat(CF_BITMAP));
    TBitmap back;
    back.Assign(Clipboard());
    EXPECT_EQ(back.GetWidth(), 7);
    EXPECT_EQ(back.GetHeight(), 5);
    EXPECT_EQ(Snapshot(&back), Snapshot(b.get()));
    // The clipboard keeps its own copy.
    b->GetCanvas()->SetPixels(0, 0, clRed);
    TBitmap again;
    again.Assign(Clipboard());
    EXPECT_EQ(DevicePixel(&again, 0, 0), clWhite);
}

TEST(Clipboard, OnlyBitmapsGoInAndOut) {
    TFont font;
    EXPECT_THROW(Clipboard()->Assign(&font), EAssignError);
    EXPECT_THROW(font.Assign(Clipboard()), EAssignError);
    Clipboard()->SetAsText("no picture");
    TBitmap bitmap;
    EXPECT_THROW(bitmap.Assign(Clipboard()), EInvalidGraphic);
    EXPECT_FALSE(Clipboard()->HasFormat(CF_BITMAP));
}

}  // namespace
