// Pens, brushes and fonts of equal values share one object, and a font
// keeps its object while only its colour changes: a chart switching colours
// per point makes no new objects.
#include <gtest/gtest.h>

#include "platform/gdi/Graphics.h"

TEST(SharedObjects, EqualValuesGiveTheSameObject) {
    TPen a, b;
    a.SetColor(clRed);
    b.SetColor(clRed);
    EXPECT_EQ(a.GetHandle(), b.GetHandle());
    b.SetColor(clBlue);
    EXPECT_NE(a.GetHandle(), b.GetHandle());
    b.SetColor(clRed);
    EXPECT_EQ(a.GetHandle(), b.GetHandle());

    TBrush solid, other;
    solid.SetColor(clGreen);
    other.SetColor(clGreen);
    EXPECT_EQ(solid.GetHandle(), other.GetHandle());
    other.SetStyle(bsCross);
    EXPECT_NE(solid.GetHandle(), other.GetHandle());
}

TEST(SharedObjects, AFontIsMadeAgainOnlyWhenItsShapeChanges) {
    TFont font, copy;
    copy.SetColor(clRed);
    const HFONT made = font.GetHandle();
    font.Assign(&copy);  // only the colour differs
    EXPECT_EQ(font.GetHandle(), made);
    font.SetColor(clBlue);
    EXPECT_EQ(font.GetHandle(), made);
    copy.SetSize(font.GetSize() + 4);
    font.Assign(&copy);
    EXPECT_NE(font.GetHandle(), made);
    int changes = 0;
    font.OnChange = [&](TObject*) { ++changes; };
    font.Assign(&font);
    EXPECT_EQ(changes, 1) << "a canvas still hears of the assignment";
}
