#pragma once
// A dialog drawn with the skin: the frame component SeSkinForm1 without
// border icons, the layout's client area kept inside the drawn frame (also
// when a new skin changes the frame's width), and Escape closing it as the
// keyboard's close command (ShowModal then gives mrCancel).

#include "app/dialogs/dialogs.h"
#include "skin/engine/KsSkinButtons.h"
#include "skin/engine/KsSkinCheckBoxes.h"
#include "skin/engine/KsSkinEdits.h"
#include "skin/engine/KsSkinForms.h"
#include "skin/engine/KsSkinLabel.h"

class TFramedDialog : public TAppDialog {
public:
    TFramedDialog(TComponent* AOwner, const char* Name, const char* Caption, int ClientWidth, int ClientHeight,
                  TPosition Position);

    TSeSkinForm* SeSkinForm1;

protected:
    // Puts Control on the dialog at layout coordinates, inside the frame.
    template <class T>
    T* Put(T* Control, const char* Name, int Left, int Top, int Width, int Height) {
        const TRect& insets = GetFrameInsets();
        Control->SetName(Name);
        Control->SetBounds(insets.Left + Left, insets.Top + Top, Width, Height);
        Control->SetParent(this);
        return Control;
    }
    // The dialogs' usual controls; the label sizes itself to its caption.
    TSeSkinLabel* PutLabel(const char* Name, const AnsiString& Caption, int Left, int Top);
    TSeSkinEdit* PutEdit(const char* Name, int Left, int Top, int Width);
    TSeSkinRadioButton* PutRadio(const char* Name, int Left, int Top, int Width, TNotifyEvent OnClick);
    // Row Row (from 0) of the dialogs that ask for several day counts: the
    // label SeSkinLabel<Row+1> with Caption and, beside it, the edit
    // SeSkinEdit<Row+1>.
    void PutDaysRow(int Row, const char* Caption, TSeSkinLabel*& Label, TSeSkinEdit*& Edit);
    // The default button (Enter clicks it).
    TSeSkinButton* PutButton(const char* Name, const char* Caption, int Left, int Top, TNotifyEvent OnClick);
    // Ends ShowModal with Result; a dialog shown without ShowModal hides.
    void CloseWith(TModalResult Result);
    void Dispatch(TMessage& Message) override;

private:
    void FitFrame();

    int layoutWidth_;
    int layoutHeight_;
    TRect placedInsets_;
};
