#pragma once
// Helpers the main window's layout files share.

#include "app/mainwindow/zrglyphs.h"
#include "platform/controls/Controls.h"

class TSeSkinSpeedButton;
class TSeSkinLabel;
class TComponent;

// Names a control without the name becoming its caption.
inline void NameControl(TControl* Control, const char* Name) {
    const AnsiString text = Control->GetText();
    Control->SetName(Name);
    Control->SetText(text);
}

// A control made on Parent at the given bounds, named as the code refers to it.
template <class T>
T* PlaceControl(T* Control, const char* Name, TWinControl* Parent, int Left, int Top, int Width, int Height) {
    if (Name) NameControl(Control, Name);
    Control->SetParent(Parent);
    Control->SetBounds(Left, Top, Width, Height);
    return Control;
}

// A flat speed button with its picture and hint, shown on hover.
TSeSkinSpeedButton* MakePictureButton(TComponent* Owner, const char* Name, TWinControl* Parent, TButtonPicture Picture,
                                      TColor Accent, const char* Hint);

// A label with its caption, sized to it.
TSeSkinLabel* MakeLabel(TComponent* Owner, TWinControl* Parent, const char* Caption, int Left, int Top);
