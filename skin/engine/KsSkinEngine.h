#pragma once
// The skin engine: the component that owns the program's current skin and
// tells every control of every form when it changes. Controls find their
// skin objects through it by name.

#include "platform/runtime/Components.h"
#include "skin/engine/KsSkinSource.h"

class TControl;

class TSeSkinEngine : public TComponent {
public:
    // Loads the embedded skin; the first engine made becomes the current one.
    explicit TSeSkinEngine(TComponent* AOwner);
    // Tells every control, with 0 in both parameters of WMSkinChange, that
    // there is no skin any more.
    ~TSeSkinEngine() override;

    TSeSkin* GetSkin() const { return skin_; }
    // The object of that name, ignoring case; nullptr when absent.
    TSeSkinObject* FindObject(const AnsiString& Name) const;
    // Changes the skin: WMBeforeChange to every control, the new objects,
    // then WMSkinChange and a repaint. A faulty description raises
    // ESkinError and changes nothing.
    void LoadFromText(const AnsiString& Text);
    // Takes over the objects of Skin (which is left empty).
    void SetSkin(TSeSkin* Skin);

    // The engine of controls that name none; nullptr when there is none.
    static TSeSkinEngine* Current();

private:
    void Broadcast(Cardinal Msg, TSeSkinEngine* Engine);
    void Replace(TSeSkin* Next);
    TSeSkin* skin_;
};

// Sends Msg to Control and, for a windowed control, to all its nested controls.
void SendToControlTree(TControl* Control, Cardinal Msg, WPARAM WParam, LPARAM LParam);
