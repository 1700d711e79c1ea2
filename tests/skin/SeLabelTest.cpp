#include "SkinTest.h"
#include "skin/controls/SeLabel.h"
#include "skin/controls/SePanel.h"

namespace {

class SeLabelPanel : public SkinTest {};

int Measure(TControl* Control, const AnsiString& Text, bool Height = false) {
    TBitmap scratch;
    scratch.GetCanvas()->SetFont(Control->GetFont());
    return Height ? scratch.GetCanvas()->TextHeight("Wg") : scratch.GetCanvas()->TextWidth(Text);
}

TEST_F(SeLabelPanel, LabelSizesItselfToItsCaption) {
    TForm* form = ShownForm();
    auto* label = Place(new TSeCustomLabel(form), form, 10, 10, 5, 5);
    label->SetCaption("Short");
    EXPECT_EQ(label->GetWidth(), Measure(label, "Short"));
    EXPECT_EQ(label->GetHeight(), Measure(label, "", true));
    label->SetCaption("A much longer caption");
    EXPECT_EQ(label->GetWidth(), Measure(label, "A much longer caption"));
    EXPECT_EQ(label->GetCaption(), "A much longer caption");

    label->SetAlignment(taRightJustify);
    int right = label->GetLeft() + label->GetWidth();
    label->SetCaption("Tiny");
    EXPECT_EQ(label->GetLeft() + label->GetWidth(), right) << "a right-aligned label keeps its right edge";

    label->SetAutoSize(false);
    label->SetCaption("Something else entirely");
    EXPECT_EQ(label->GetWidth(), Measure(label, "Tiny"));

    label->SetAutoSize(true);
    label->SetWidth(Measure(label, "word word") + 2);
    label->SetWordWrap(true);
    label->SetCaption("word word word word word");
    EXPECT_EQ(label->GetWidth(), Measure(label, "word word") + 2) << "wrapping keeps the width";
    EXPECT_EQ(label->GetHeight(), 3 * Measure(label, "", true));
}

TEST_F(SeLabelPanel, LabelIsTransparentAndShowsTheHandWhenClickable) {
    TForm* form = ShownForm(200, 120, clAqua);
    auto* label = Place(new TSeCustomLabel(form), form, 10, 10, 5, 5);
    label->SetCaption("i");
    EXPECT_TRUE(label->GetTransparent());
    Application->ProcessMessages();
    EXPECT_EQ(ScreenPixel(label, label->GetWidth() - 1, 0), clAqua);

    int clicks = 0;
    label->OnClick = TNotifyEvent([&](TObject*) { ++clicks; });
    MouseMove(label, 1, 1);
    EXPECT_EQ(ShownCursor(form), crHandPoint);
    MouseClick(label, 1, 1);
    EXPECT_EQ(clicks, 1);
    MouseMove(form, 150, 100);
    EXPECT_EQ(ShownCursor(form), crDefault);
    EXPECT_EQ(label->GetCursor(), crDefault);
}

TEST_F(SeLabelPanel, PanelDrawsBevelsAndCaption) {
    TForm* form = ShownForm(300, 120);
    auto* panel = Place(new TSeCustomPanel(form), form, 10, 10, 200, 60);
    auto* child = new TSeCustomPanel(form);
    child->SetParent(panel);
    child->SetAlign(alClient);
    child->SetBevelOuter(bvNone);
    EXPECT_EQ(child->GetBoundsRect(), Rect(1, 1, 199, 59)) << "children stay inside the bevel";
    panel->SetBorderWidth(2);
    panel->SetBevelInner(bvLowered);
    EXPECT_EQ(child->GetBoundsRect(), Rect(4, 4, 196, 56));
    child->SetVisible(false);
    Application->ProcessMessages();
    EXPECT_EQ(SurfacePixel(panel, 0, 0), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(SurfacePixel(panel, 199, 59), ColorToRGB(clBtnShadow));
    EXPECT_EQ(SurfacePixel(panel, 3, 3), ColorToRGB(clBtnShadow)) << "the lowered inner bevel";

    auto darkPixels = [&] {
        int dark = 0;
        for (int y = 4; y < 56; ++y)
            for (int x = 4; x < 196; ++x) dark += SurfacePixel(panel, x, y) == clBlack;
        return dark;
    };
    EXPECT_EQ(darkPixels(), 0);
    panel->GetFont()->SetColor(clBlack);
    panel->SetCaption("Caption");
    EXPECT_EQ(panel->GetCaption(), "Caption");
    Application->ProcessMessages();
    EXPECT_GT(darkPixels(), 10) << "the caption is drawn";
}

}  // namespace
