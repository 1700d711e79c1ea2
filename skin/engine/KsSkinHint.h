#pragma once
// Skinned hint window: the "Hint" skin object draws the face and the text;
// without a skin it is the classic hint window. Install it with
//     TSeHintManager::Current()->SetHintWindowClass<TSeSkinHintWindow>();

#include "skin/controls/SeHint.h"
#include "skin/engine/KsSkinControl.h"

class TSeSkinHintWindow : public TSeHintWindow {
public:
    explicit TSeSkinHintWindow(TComponent* AOwner) : TSeHintWindow(AOwner) {}
    const AnsiString& GetSkinObject() const { return skinObject_; }
    void SetSkinObject(const AnsiString& Value);
    TRect CalcHintRect(int MaxWidth, const AnsiString& Hint) override;

protected:
    void Paint() override;

private:
    TSeSkinObject* FindSkinObject() const;
    AnsiString skinObject_ = "Hint";
};
