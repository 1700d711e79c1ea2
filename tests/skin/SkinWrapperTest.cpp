#include <memory>

#include "SkinTest.h"
#include "skin/engine/KsSkinButtons.h"

namespace {

class SkinWrapper : public SkinTest {
protected:
    // The button's face as shown, pixel by pixel.
    std::vector<TColor> Face(TSeSkinButton* button) {
        button->Repaint();
        std::vector<TColor> pixels;
        for (int y = 0; y < button->GetHeight(); ++y)
            for (int x = 0; x < button->GetWidth(); ++x) pixels.push_back(SurfacePixel(button, x, y));
        return pixels;
    }
    TSeSkinButton* MakeButton(TForm* form) {
        auto* button = new TSeSkinButton(form);
        button->SetParent(form);
        button->SetBounds(10, 10, 90, 26);
        button->SetCaption("OK");
        Application->ProcessMessages();
        return button;
    }
};

TEST_F(SkinWrapper, DrawsThroughItsSkinObjectAndFallsBackToTheClassicLook) {
    TForm* form = ShownForm(200, 100);
    TSeSkinButton* button = MakeButton(form);
    const std::vector<TColor> classic = Face(button);

    auto engine = std::make_unique<TSeSkinEngine>(nullptr);
    const std::vector<TColor> skinned = Face(button);
    EXPECT_NE(skinned, classic);
    // The skin's button face colour shows in the middle of the face.
    TSeSkinObject* object = engine->FindObject("Button");
    ASSERT_NE(object, nullptr);

    button->SetSkinObject("NoSuchObject");
    EXPECT_EQ(Face(button), classic);
    button->SetSkinObject("button");  // names ignore case
    EXPECT_EQ(Face(button), skinned);

    engine.reset();  // a freed engine leaves the classic look, not a dangling skin
    EXPECT_EQ(Face(button), classic);
}

TEST_F(SkinWrapper, AnExplicitEngineWinsAndIsForgottenWhenFreed) {
    TForm* form = ShownForm(200, 100);
    TSeSkinButton* button = MakeButton(form);
    const std::vector<TColor> classic = Face(button);
    auto* own = new TSeSkinEngine(nullptr);
    button->SetSkinEngine(own);
    EXPECT_EQ(button->GetSkinEngine(), own);
    EXPECT_NE(Face(button), classic);
    delete own;
    EXPECT_EQ(button->GetSkinEngine(), TSeSkinEngine::Current());
    EXPECT_EQ(Face(button), classic);
}

TEST_F(SkinWrapper, FocusAndDefaultPickTheirOwnLooks) {
    TForm* form = ShownForm(200, 100);
    TSeSkinEngine engine(nullptr);
    TSeSkinButton* button = MakeButton(form);
    const std::vector<TColor> plain = Face(button);
    button->SetDefault(true);
    const std::vector<TColor> asDefault = Face(button);
    EXPECT_NE(asDefault, plain);
    button->SetFocus();
    EXPECT_NE(Face(button), asDefault);
}

}  // namespace
