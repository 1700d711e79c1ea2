#pragma once
// The part every skinned wrapper shares: the name of its skin object and the
// engine it draws with (the process's current engine unless one is set).
// A wrapper derives from TSeSkinControl<TSeCustomX>, overrides the paint
// steps and draws through FindSkinObject(); when that gives nullptr (no
// engine, or the skin lacks the object) it calls the base step, which draws
// the classic look:
//
//     void PaintControl(TCanvas* Canvas, const TRect& Rect) override {
//         TSeSkinObject* object = FindSkinObject();
//         if (!object) return TSeSkinControl::PaintControl(Canvas, Rect);
//         object->Draw(Canvas, Rect, GetDrawState());
//         object->DrawText(Canvas, Rect, GetCaption(), GetDrawState());
//     }

#include "skin/engine/KsSkinEngine.h"
#include "skin/engine/KsSkinObjects.h"

template <class Base>
class TSeSkinControl : public Base {
public:
    TSeSkinControl(TComponent* AOwner, const char* DefaultSkinObject)
        : Base(AOwner), skinObject_(DefaultSkinObject) {}

    // "Button", "Label"...; a changed name repaints.
    const AnsiString& GetSkinObject() const { return skinObject_; }
    void SetSkinObject(const AnsiString& Value) {
        if (skinObject_ == Value) return;
        skinObject_ = Value;
        this->Invalidate();
    }
    TSeSkinEngine* GetSkinEngine() const { return engine_ ? engine_ : TSeSkinEngine::Current(); }
    void SetSkinEngine(TSeSkinEngine* Value) {
        if (engine_ == Value) return;
        if (engine_) engine_->RemoveFreeNotification(this);
        engine_ = Value;
        if (engine_) engine_->FreeNotification(this);
        this->Invalidate();
    }

    // The object drawn with: the skin's object named SkinObject, or its part
    // "SkinObject.Part" when Part is given; nullptr means the classic look.
    TSeSkinObject* FindSkinObject(const char* Part = nullptr) const {
        TSeSkinEngine* engine = GetSkinEngine();
        if (!engine) return nullptr;
        return engine->FindObject(Part ? skinObject_ + "." + Part : skinObject_);
    }

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override {
        if (Operation == opRemove && AComponent == engine_) engine_ = nullptr;
        Base::Notification(AComponent, Operation);
    }

private:
    AnsiString skinObject_;
    TSeSkinEngine* engine_ = nullptr;
};
