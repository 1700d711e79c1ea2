#include "skin/engine/KsSkinMessage.h"

#include "skin/controls/SeButtons.h"
#include "skin/controls/SeShared.h"
#include "skin/engine/KsSkinButtons.h"
#include "skin/engine/KsSkinForms.h"

namespace {

// A skinned push button whose caption shows its access key underlined.
class TSeSkinMessageButton : public TSeSkinButton {
public:
    using TSeSkinButton::TSeSkinButton;

protected:
    void PaintControl(TCanvas* Canvas, const TRect& Rect) override {
        TSeSkinObject* object = FindSkinObject();
        if (!object) return DrawAccessKeyButton(this, Canvas, Rect);
        TSeState state = GetDrawState();
        if (state == kssNormal && Focused()) state = kssFocused;
        else if (state == kssNormal && GetDefault()) state = kssDefault;
        object->Draw(Canvas, Rect, state);
        Canvas->SetFont(object->GetFont());
        if (object->GetLook(state).Text != clNone) Canvas->GetFont()->SetColor(object->GetLook(state).Text);
        DrawAccessKeyText(Canvas, object->ContentRect(Rect), GetCaption(), GetEnabled());
        if (Focused()) {
            TRect focus = Rect;
            InflateRect(focus, -3, -3);
            DrawFocusRect(Canvas, focus);
        }
    }
};

}  // namespace

TSeSkinObject* TSeSkinMessage::FindSkinObject() const {
    TSeSkinEngine* engine = TSeSkinEngine::Current();
    return engine ? engine->FindObject(skinObject_) : nullptr;
}

TSeCustomButton* TSeSkinMessage::CreateButton(TCustomForm* Box) { return new TSeSkinMessageButton(Box); }

void TSeSkinMessage::DecorateBox(TCustomForm* Box) {
    if (!TSeSkinEngine::Current()) return;
    auto* frame = new TSeSkinForm(Box);
    frame->SetBorderIcons(TSeBorderIcons{kbiClose});
}

void TSeSkinMessage::PaintBox(TCanvas* Canvas, const TRect& Rect) {
    TSeSkinObject* object = FindSkinObject();
    if (!object) return TSeCustomMessage::PaintBox(Canvas, Rect);
    object->Draw(Canvas, Rect, kssNormal);
}

TColor TSeSkinMessage::TextColor() const {
    TSeSkinObject* object = FindSkinObject();
    if (!object || object->GetLook(kssNormal).Text == clNone) return TSeCustomMessage::TextColor();
    return object->GetLook(kssNormal).Text;
}
