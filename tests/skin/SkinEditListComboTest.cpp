// The skinned edit, list box and combo box against their classic looks.
#include <memory>

#include "ShownPixels.h"
#include "SkinTest.h"
#include "skin/engine/KsSkinComboBox.h"
#include "skin/engine/KsSkinEdits.h"
#include "skin/engine/KsSkinListBox.h"

namespace {

class SkinEditListCombo : public SkinTest {
protected:
    // Classic without an engine, the skin's look with one, classic again
    // for an unknown object and once the engine is gone.
    template <class Control>
    void ChecksSkinAndFallback(Control* C, TColor SkinColor) {
        const std::vector<TColor> classic = ShownPixels(C);
        EXPECT_EQ(CountShown(C, SkinColor), 0);
        auto engine = std::make_unique<TSeSkinEngine>(nullptr);
        const std::vector<TColor> skinned = ShownPixels(C);
        EXPECT_NE(skinned, classic);
        EXPECT_GT(CountShown(C, SkinColor), 0);
        AnsiString name = C->GetSkinObject();
        C->SetSkinObject("NoSuchObject");
        EXPECT_EQ(ShownPixels(C), classic);
        C->SetSkinObject(name);
        EXPECT_EQ(ShownPixels(C), skinned);
        engine.reset();
        EXPECT_EQ(ShownPixels(C), classic);
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
    EXPECT_GT(CountShown(edit, RGB(0x2F, 0x6F, 0xB3)), 0) << "focused border and selection in the skin's blue";
    EXPECT_GT(CountShown(edit, RGB(0xFF, 0xFF, 0xFF)), 0);
    PressKey(form, VK_END);
    edit->SetEnabled(false);
    EXPECT_GT(CountShown(edit, RGB(0xF5, 0xF6, 0xF7)), 0) << "disabled face";
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
    EXPECT_EQ(CountShown(list, RGB(0x2F, 0x6F, 0xB3)), 0);

    // A list of 1 x 4 pixels, kept only for its strings, draws what fits.
    auto* tiny = Place(new TSeSkinListBox(form), form, 150, 10, 1, 4);
    tiny->GetItems()->Add("C:\\q\\xyz.zrq");
    tiny->SetItemIndex(0);
    EXPECT_EQ(ShownPixels(tiny).size(), 4u);
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
    EXPECT_GT(CountShown(combo, RGB(0x2F, 0x6F, 0xB3)), 0) << "focused: the text in the checked look";
    combo->SetDroppedDown(true);
    ASSERT_TRUE(combo->GetDroppedDown());
    auto* list = dynamic_cast<TSeSkinListBox*>(combo->GetDropDownList());
    ASSERT_NE(list, nullptr) << "the drop-down is skinned too";
    EXPECT_EQ(list->GetSkinObject(), "ListBox");
    EXPECT_GT(CountShown(list, RGB(0x2F, 0x6F, 0xB3)), 0) << "the selected item";
    combo->SetDroppedDown(false);
    combo->SetEnabled(false);
    EXPECT_GT(CountShown(combo, RGB(0x9A, 0xA1, 0xAA)), 0) << "disabled text and arrow";
}

}  // namespace
