#include <cstdlib>
#include <fstream>
#include <sstream>
#include <utility>

#include "SkinTest.h"
#include "skin/engine/KsSkinSource.h"

namespace {

class SkinSource : public SkinTest {};

AnsiString FaultOf(const AnsiString& Text) {
    TSeSkin skin;
    try {
        skin.LoadFromText(Text);
    } catch (const ESkinError& e) {
        return e.GetMessage();
    }
    return "";
}

TEST_F(SkinSource, EmbeddedSkinIsTheFileAndHasEveryObjectTheControlsUse) {
    std::ifstream file(std::string(std::getenv("VELMORA_SOURCE_DIR")) + "/skin/engine/skins/velmora.skin");
    std::stringstream text;
    text << file.rdbuf();
    EXPECT_EQ(text.str(), EmbeddedSkinText());

    TSeSkin skin;
    skin.LoadFromText(EmbeddedSkinText());
    EXPECT_EQ(skin.GetName(), "Velmora");
    for (const char* name : {"Form", "Form.Button", "Form.Close", "Button", "SpeedButton", "Label", "Link", "Edit",
                             "ComboBox", "ListBox", "ListBox.Item", "CheckBox", "RadioButton", "GroupBox", "Panel",
                             "ProgressBar", "ScrollBar", "ScrollBar.Thumb", "StringGrid", "StringGrid.Cell",
                             "StringGrid.FixedCell", "StringGrid.SelectedCell", "PageControl", "TabSheet",
                             "PageControl.Tab", "StatusBar", "ToolBar", "ControlBar", "MenuBar", "MenuItem",
                             "PopupMenu", "Hint", "Message"})
        EXPECT_NE(skin.FindObject(name), nullptr) << name;
    EXPECT_EQ(skin.FindObject("Form")->GetKind(), "form");
    EXPECT_EQ(skin.FindObject("Form.Close")->GetKind(), "sysbutton");
    EXPECT_EQ(skin.FindObject("Link")->GetKind(), "link");
    EXPECT_EQ(skin.FindObject("Label")->GetKind(), "text");
    EXPECT_EQ(skin.FindObject("Button")->GetKind(), "button");
}

TEST_F(SkinSource, ObjectsAreFoundWithoutRegardToCase) {
    TSeSkin skin;
    skin.LoadFromText("object Button button\nend\nobject StringGrid.Cell box\nend\n");
    EXPECT_EQ(skin.FindObject("BUTTON"), skin.FindObject("button"));
    EXPECT_NE(skin.FindObject("button"), nullptr);
    EXPECT_EQ(skin.FindObject("stringgrid.CELL")->GetName(), "StringGrid.Cell");
    EXPECT_EQ(skin.FindObject("Butto"), nullptr);
    EXPECT_EQ(skin.GetObjectCount(), 2);
    EXPECT_THROW(skin.GetObjects(2), EListError);
}

TEST_F(SkinSource, ParametersReachTheObject) {
    TSeSkin skin;
    skin.LoadFromText("# a comment\n\nskin Test\nobject Frame form\n  captionheight = 30\n  borderwidth = 6\n"
                      "  radius = 3\n  margins = 1 2 3 4\n  font = Arial\n  fontsize = 10\n  bold = yes\n"
                      "  normal.face = #102030 #405060\n  hot.text = #ABCDEF\nend\n");
    auto* frame = dynamic_cast<TSeFormObject*>(skin.FindObject("frame"));
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->GetCaptionHeight(), 30);
    EXPECT_EQ(frame->GetBorderWidth(), 6);
    EXPECT_EQ(frame->GetRadius(), 3);
    EXPECT_EQ(frame->GetMargins(), Rect(1, 2, 3, 4));
    EXPECT_EQ(frame->ContentRect(Rect(0, 0, 100, 50)), Rect(1, 2, 97, 46));
    EXPECT_EQ(frame->GetFont()->GetName(), "Arial");
    EXPECT_EQ(frame->GetFont()->GetSize(), 10);
    EXPECT_TRUE(frame->GetFont()->GetStyle().Contains(fsBold));
    EXPECT_EQ(frame->GetLook(kssNormal).Face, RGB(0x10, 0x20, 0x30));
    EXPECT_EQ(frame->GetLook(kssNormal).FaceEnd, RGB(0x40, 0x50, 0x60));
    // A state given only in part starts from the normal look.
    EXPECT_EQ(frame->GetLook(kssHot).Face, RGB(0x10, 0x20, 0x30));
    EXPECT_EQ(frame->GetLook(kssHot).Text, RGB(0xAB, 0xCD, 0xEF));
    EXPECT_EQ(frame->GetLook(kssPressed).Text, clNone);
}

TEST_F(SkinSource, MalformedDescriptionsNameTheLineAndChangeNothing) {
    const std::pair<const char*, const char*> cases[] = {
        {"object A box\nend\nobject B gizmo\nend\n", "line 3: unknown kind \"gizmo\""},
        {"object A box\n  normal.face = #12345\nend\n", "line 2: bad parameter \"normal.face\" or value \"#12345\""},
        {"object A box\n  shine = 3\nend\n", "line 2: bad parameter \"shine\" or value \"3\""},
        {"object A box\n  radius 3\nend\n", "line 2: expected \"<parameter> = <value>\""},
        {"\n\nobject A box\n  radius = 2\n", "line 4: the object begun on line 3 has no \"end\""},
        {"radius = 2\n", "line 1: a parameter outside an object"},
        {"end\n", "line 1: \"end\" without \"object\""},
        {"object A box\nobject B box\nend\n", "line 2: \"object\" inside the object begun on line 1"},
        {"object A box\nend\nobject a button\nend\n", "line 3: \"a\" is described twice"},
        {"object A\nend\n", "line 1: expected \"object <name> <kind>\""},
        {"object A box\n  margins = 1 2 3\nend\n", "line 2: bad parameter \"margins\" or value \"1 2 3\""},
        {"object A sysbutton\n  glyph = star\nend\n", "line 2: bad parameter \"glyph\" or value \"star\""},
    };
    for (auto& [text, fault] : cases) EXPECT_EQ(FaultOf(text), AnsiString("Skin description, ") + fault) << text;

    TSeSkin skin;
    skin.LoadFromText("object Keep box\nend\n");
    EXPECT_THROW(skin.LoadFromText("object Other box\n  radius = -1\nend\n"), ESkinError);
    EXPECT_NE(skin.FindObject("Keep"), nullptr);
    EXPECT_EQ(skin.FindObject("Other"), nullptr);
}

TEST_F(SkinSource, RegistryMakesEveryKindAndNothingElse) {
    for (const char* kind : {"box", "button", "text", "link", "sysbutton", "form"}) {
        auto made = TSeSkinObjectRegistry::Create(kind);
        ASSERT_NE(made, nullptr) << kind;
        EXPECT_EQ(made->GetKind(), kind);
    }
    EXPECT_NE(dynamic_cast<TSeFormObject*>(TSeSkinObjectRegistry::Create("FORM").get()), nullptr);
    EXPECT_EQ(TSeSkinObjectRegistry::Create("window"), nullptr);
    TSeSkinObjectRegistry::Register("panel2", [] { return std::make_unique<TSeTextObject>(); });
    TSeSkin skin;
    skin.LoadFromText("object P panel2\nend\n");
    EXPECT_NE(dynamic_cast<TSeTextObject*>(skin.FindObject("P")), nullptr);
}

}  // namespace
