// The skinned edit, list box and combo box against their classic looks.
#include <memory>

#include "SkinTest.h"
#include "skin/engine/KsSkinComboBox.h"
#include "skin/engine/KsSkinEdits.h"
#include "skin/engine/KsSkinListBox.h"

namespace {

class SkinEditListCombo : public SkinTest {
protected:
    // The control's face as shown, pixel by pixel.
    static std::vector<TColor> Face(TWinControl* Control) {
        Control->Repaint();
        std::vector<TColor> pixels;
        for (int y = 0; y < Control->GetHeight(); ++y)
            for (int x = 0; x < Control->GetWidth(); ++x) pixels.push_back(SurfacePixel(Control, x, y));
        return pixels;
    }
    static bool Shows(TWinControl* Control, TColor Color) {
        std::vector<TColor> pixels = Face(Control);
        return std::find(pixels.begin(), pixels.end(), Color) != pixels.end();
    }
    // Classic without an engine, the skin's look with one, classic again
    // for an unknown object and once the engine is gone.
    template <class Control>
    void ChecksSkinAndFallback(Control* C, TColor SkinColor) {
        const std::vector<TColor> classic = Face(C);
        EXPECT_FALSE(Shows(C, SkinColor));
        auto engine = std::make_unique<TSeSkinEngine>(nullptr);
        const std::vector<TColor> skinned = Face(C);
        EXPECT_NE(skinned, classic);
        EXPECT_TRUE(Shows(C, SkinColor));
        AnsiString name = C->GetSkinObject();
        C->SetSkinObject("NoSuchObject");
        EXPECT_EQ(Face(C), classic);
        C->SetSkinObject(name);
        EXPECT_EQ(Face(C), skinned);
        engine.reset();
        EXPECT_EQ(Face(C), classic);
    }
};

TEST_F(SkinEditListCombo, EditDrawsTheEditObjectAndItsFocusedLook) {
    TForm* form = ShownForm(200, 100);
    auto* edit = Place(new TSeSkinEdit(form), form, 10, 10, 120, 22);
    edit->SetText("12,50");
    EXPECT_EQ(edit->GetSkinObject(), "Edit");
    ChecksSkinAndFallback(edit, RGB(0xB9, 0xC0, 0xC9));  // the skin's normal border

    TSeSkinEngine engine(nullptr);
    edit->SetFocus();
    PressKey(form, 'A', TShiftState() << ssCtrl);
    EXPECT_TRUE(Shows(edit, RGB(0x2F, 0x6F, 0xB3))) << "focused border and selection in the skin's blue";
    EXPECT_TRUE(Shows(edit, RGB(0xFF, 0xFF, 0xFF)));
    PressKey(form, VK_END);
    edit->SetEnabled(false);
    EXPECT_TRUE(Shows(edit, RGB(0xF5, 0xF6, 0xF7))) << "disabled face";
}

TEST_F(SkinEditListCombo, ListBoxDrawsItsObjectAndTheSelectedItemPart) {
    TForm* form = ShownForm(200, 140);
    auto* list = Place(new TSeSkinListBox(form), form, 10, 10, 120, 90);
    for (const char* s : {"Open", "High", "Low"}) list->GetItems()->Add(s);
    list->SetItemIndex(1);
    EXPECT_EQ(list->GetSkinObject(), "ListBox");
    ChecksSkinAndFallback(list, RGB(0x2F, 0x6F, 0xB3));  // the selected item's checked face

    TSeSkinEngine engine(nullptr);
    list->Repaint();
    TRect item = list->ItemRect(1);
    EXPECT_EQ(SurfacePixel(list, item.Right - 2, item.Top + 1), RGB(0x2F, 0x6F, 0xB3));
    EXPECT_EQ(SurfacePixel(list, 0, 0), RGB(0xB9, 0xC0, 0xC9)) << "the skin's border";
    list->SetItemIndex(-1);
    EXPECT_FALSE(Shows(list, RGB(0x2F, 0x6F, 0xB3)));

    // A list of 1 x 4 pixels, kept only for its strings, draws what fits.
    auto* tiny = Place(new TSeSkinListBox(form), form, 150, 10, 1, 4);
    tiny->GetItems()->Add("C:\\q\\xyz.zrq");
    tiny->SetItemIndex(0);
    EXPECT_EQ(Face(tiny).size(), 4u);
    EXPECT_EQ(tiny->GetItems()->GetStrings(0), "C:\\q\\xyz.zrq");
}

TEST_F(SkinEditListCombo, ComboBoxDrawsItsObjectButtonAndSkinnedDropDown) {
    TForm* form = ShownForm(200, 160);
    auto* combo = Place(new TSeSkinComboBox(form), form, 10, 10, 140, 22);
    for (const char* s : {"Open", "High", "Low"}) combo->GetItems()->Add(s);
    combo->SetItemIndex(2);
    EXPECT_EQ(combo->GetSkinObject(), "ComboBox");
    ChecksSkinAndFallback(combo, RGB(0xB9, 0xC0, 0xC9));  // the skin's border

    TSeSkinEngine engine(nullptr);
    combo->SetFocus();
    EXPECT_TRUE(Shows(combo, RGB(0x2F, 0x6F, 0xB3))) << "focused: the text in the checked look";
    combo->SetDroppedDown(true);
    ASSERT_TRUE(combo->GetDroppedDown());
    auto* list = dynamic_cast<TSeSkinListBox*>(combo->GetDropDownList());
    ASSERT_NE(list, nullptr) << "the drop-down is skinned too";
    EXPECT_EQ(list->GetSkinObject(), "ListBox");
    EXPECT_TRUE(Shows(list, RGB(0x2F, 0x6F, 0xB3))) << "the selected item";
    combo->SetDroppedDown(false);
    combo->SetEnabled(false);
    EXPECT_TRUE(Shows(combo, RGB(0x9A, 0xA1, 0xAA))) << "disabled text and arrow";
}

}  // namespace
