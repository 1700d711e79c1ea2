#pragma once
// A dialog drawn with the skin: the frame component SeSkinForm1 without
// border icons, the layout's client area kept inside the drawn frame (also
// when a new skin changes the frame's width), and Escape closing it as the
// keyboard's close command (ShowModal then gives mrCancel).

#include "app/dialogs.h"
#include "skin/engine/KsSkinForms.h"

class TFramedDialog : public TAppDialog {
public:
    TFramedDialog(TComponent* AOwner, const char* Name, const char* Caption, int ClientWidth, int ClientHeight,
                  TPosition Position);

    TSeSkinForm* SeSkinForm1;

protected:
    // Puts Control on the dialog at layout coordinates, inside the frame.
    template <class T>
    T* Put(T* Control, int Left, int Top, int Width, int Height) {
        const TRect& insets = GetFrameInsets();
        Control->SetBounds(insets.Left + Left, insets.Top + Top, Width, Height);
        Control->SetParent(this);
        return Control;
    }
    // Ends ShowModal with Result; a dialog shown without ShowModal hides.
    void CloseWith(TModalResult Result);
    void Dispatch(TMessage& Message) override;

private:
    void FitFrame();

    int layoutWidth_;
    int layoutHeight_;
    TRect placedInsets_;
};
