#pragma once
// Skinned message box: the box's face is the "Message" skin object, its
// buttons are skinned push buttons and, while there is a skin, a drawn frame
// carries the caption. Without a skin it looks as the classic box.

#include "skin/controls/SeMessage.h"
#include "skin/engine/KsSkinEngine.h"

class TSeSkinObject;

class TSeSkinMessage : public TSeCustomMessage {
public:
    explicit TSeSkinMessage(TComponent* AOwner) : TSeCustomMessage(AOwner) {}
    // The skin object of the box's face; "Message".
    const AnsiString& GetSkinObject() const { return skinObject_; }
    void SetSkinObject(const AnsiString& Value) { skinObject_ = Value; }

protected:
    TSeCustomButton* CreateButton(TCustomForm* Box) override;
    void DecorateBox(TCustomForm* Box) override;
    void PaintBox(TCanvas* Canvas, const TRect& Rect) override;
    TColor TextColor() const override;

private:
    TSeSkinObject* FindSkinObject() const;
    AnsiString skinObject_ = "Message";
};
