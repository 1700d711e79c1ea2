#include <string>
#include <vector>

#include "SkinTest.h"
#include "platform/controls/ExtCtrls.h"
#include "skin/engine/KsSkinEngine.h"

namespace {

class SkinEngine : public SkinTest {};

struct Heard {
    TControl* Control;
    Cardinal Msg;
    WPARAM WParam;
    LPARAM LParam;
};

// Hooks the WindowProc of Control to write down the skin messages.
void Listen(TControl* Control, std::vector<Heard>& Log) {
    TWndMethod old = Control->WindowProc;
    Control->WindowProc = [Control, old, &Log](TMessage& m) {
        if (m.Msg == WMSkinChange || m.Msg == WMBeforeChange) Log.push_back({Control, m.Msg, m.WParam, m.LParam});
        old(m);
    };
}

class TDot : public TGraphicControl {
public:
    using TGraphicControl::TGraphicControl;
};

TEST_F(SkinEngine, LoadsTheEmbeddedSkinAndIsTheCurrentEngineWhileItLives) {
    EXPECT_EQ(TSeSkinEngine::Current(), nullptr);
    auto* engine = new TSeSkinEngine(Application);
    EXPECT_EQ(TSeSkinEngine::Current(), engine);
    EXPECT_EQ(engine->GetSkin()->GetName(), "Velmora");
    EXPECT_NE(engine->FindObject("form"), nullptr);
    EXPECT_EQ(engine->FindObject("FORM"), engine->FindObject("Form"));
    EXPECT_EQ(engine->FindObject("Nothing"), nullptr);
    auto* second = new TSeSkinEngine(Application);
    EXPECT_EQ(TSeSkinEngine::Current(), engine);
    delete second;
    delete engine;
    EXPECT_EQ(TSeSkinEngine::Current(), nullptr);
}

TEST_F(SkinEngine, SkinChangeReachesEveryControlOfEveryFormBeforeAndAfter) {
    auto* engine = new TSeSkinEngine(Application);
    std::vector<Heard> log;
    std::vector<TControl*> all;
    for (int f = 0; f < 2; ++f) {
        auto* form = ShownFormAt(50 + f * 300, 50, 200, 150);
        auto* panel = new TPanel(form);
        panel->SetParent(form);
        auto* inner = new TPanel(form);
        inner->SetParent(panel);
        auto* dot = new TDot(form);
        dot->SetParent(inner);
        auto* side = new TDot(form);
        side->SetParent(form);
        for (TControl* c : std::initializer_list<TControl*>{form, panel, inner, dot, side}) {
            Listen(c, log);
            all.push_back(c);
        }
    }
    TSeSkinObject* oldButton = engine->FindObject("Button");
    TSeSkinObject* seenBefore = nullptr;
    TSeSkinObject* seenAfter = nullptr;
    // A control still sees the old objects before the change and the new ones after.
    TControl* watcher = all[3];
    TWndMethod old = watcher->WindowProc;
    watcher->WindowProc = [&, old](TMessage& m) {
        if (m.Msg == WMBeforeChange) seenBefore = engine->FindObject("Button");
        if (m.Msg == WMSkinChange) seenAfter = engine->FindObject("Button");
        old(m);
    };

    engine->LoadFromText("object Button button\n  normal.face = #FF0000\nend\n");

    ASSERT_EQ(log.size(), 2 * all.size());
    auto value = reinterpret_cast<WPARAM>(engine);
    for (std::size_t i = 0; i < log.size(); ++i) {
        EXPECT_EQ(log[i].Msg, i < all.size() ? WMBeforeChange : WMSkinChange) << i;
        EXPECT_EQ(log[i].WParam, value);
        EXPECT_EQ(log[i].LParam, static_cast<LPARAM>(value));
    }
    for (TControl* c : all) {
        int before = 0, after = 0;
        for (auto& h : log) (h.Msg == WMBeforeChange ? before : after) += h.Control == c;
        EXPECT_EQ(before, 1);
        EXPECT_EQ(after, 1);
    }
    EXPECT_EQ(seenBefore, oldButton);
    EXPECT_NE(seenAfter, nullptr);
    EXPECT_EQ(seenAfter->GetLook(kssNormal).Face, clRed);
    EXPECT_EQ(engine->FindObject("Form"), nullptr);

    // A faulty skin changes nothing and tells nobody.
    log.clear();
    EXPECT_THROW(engine->LoadFromText("object Button button\n  normal.face = red\nend\n"), ESkinError);
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(engine->FindObject("Button"), seenAfter);

    // SetSkin takes the objects of another skin.
    TSeSkin other;
    other.LoadFromText("object Label text\nend\n");
    engine->SetSkin(&other);
    EXPECT_EQ(log.size(), 2 * all.size());
    EXPECT_NE(engine->FindObject("Label"), nullptr);
    EXPECT_EQ(other.GetObjectCount(), 0);

    // A freed engine tells every control that there is no skin any more.
    log.clear();
    delete engine;
    ASSERT_EQ(log.size(), 2 * all.size());
    EXPECT_EQ(log.front().Msg, WMBeforeChange);
    EXPECT_EQ(log.back().Msg, WMSkinChange);
    EXPECT_EQ(log.back().WParam, 0u);
    EXPECT_EQ(log.back().LParam, 0);
}

}  // namespace
