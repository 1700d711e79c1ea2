// Pens, brushes and fonts of equal values share one object, and a font
// keeps its object while only its colour changes: a chart switching colours
// per point makes no new objects.
#include <gtest/gtest.h>

#include "platform/gdi/Graphics.h"

// Two objects given the same colour share their GDI object, and part when
// one is changed by Change.
template <class T, class F>
void ExpectSharedByValue(F&& Change) {
    T a, b;
    a.SetColor(clRed);
    b.SetColor(clRed);
    EXPECT_EQ(a.GetHandle(), b.GetHandle());
    Change(b);
    EXPECT_NE(a.GetHandle(), b.GetHandle());
}

TEST(SharedObjects, EqualValuesGiveTheSameObject) {
    ExpectSharedByValue<TPen>([](TPen& p) { p.SetColor(clBlue); });
    ExpectSharedByValue<TPen>([](TPen& p) { p.SetWidth(3); });
    ExpectSharedByValue<TBrush>([](TBrush& b) { b.SetStyle(bsCross); });
    // Back to the same values, back to the same object.
    TPen red, other;
    red.SetColor(clRed);
    other.SetColor(clBlue);
    other.SetColor(clRed);
    EXPECT_EQ(red.GetHandle(), other.GetHandle());
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

// A pen or brush given one that draws the same changes nothing and tells no
// one; one that differs is taken over and told.
TEST(SharedObjects, AssigningEqualValuesChangesNothing) {
    TPen pen, same, other;
    same.SetColor(clRed);
    pen.SetColor(clRed);
    other.SetColor(clRed);
    other.SetWidth(2);
    int penChanges = 0;
    pen.OnChange = [&](TObject*) { ++penChanges; };
    pen.Assign(&same);
    EXPECT_EQ(penChanges, 0);
    pen.Assign(&other);
    EXPECT_EQ(penChanges, 1);
    EXPECT_EQ(pen.GetWidth(), 2);

    TBrush brush, plain, hatched;
    hatched.SetStyle(bsCross);
    int brushChanges = 0;
    brush.OnChange = [&](TObject*) { ++brushChanges; };
    brush.Assign(&plain);
    EXPECT_EQ(brushChanges, 0);
    brush.Assign(&hatched);
    EXPECT_EQ(brushChanges, 1);
    EXPECT_EQ(brush.GetStyle(), bsCross);
}
