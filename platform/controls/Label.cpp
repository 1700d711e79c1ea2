// The label: a caption drawn on the parent, sized to it, that hands its
// access key to the control it labels.
#include "platform/controls/ClassicLook.h"
#include "platform/controls/StdCtrls.h"

TLabel::TLabel(TComponent* AOwner) : TGraphicControl(AOwner) {
    SetControlStyle(GetControlStyle() >> csCaptureMouse);
    SetBounds(0, 0, 65, 17);
}

void TLabel::SetAutoSize(bool Value) {
    if (autoSize_ == Value) return;
    autoSize_ = Value;
    FitCaption();
}

void TLabel::SetFocusControl(TWinControl* Value) {
    if (focusControl_ == Value) return;
    if (focusControl_) focusControl_->RemoveFreeNotification(this);
    focusControl_ = Value;
    if (focusControl_) focusControl_->FreeNotification(this);
}

void TLabel::Notification(TComponent* AComponent, TOperation Operation) {
    if (Operation == opRemove && AComponent == focusControl_) focusControl_ = nullptr;
    TGraphicControl::Notification(AComponent, Operation);
}

void TLabel::FitCaption() {
    if (!autoSize_) return;
    TBitmap measure;
    measure.GetCanvas()->SetFont(GetFont());
    const TSize size = CaptionExtent(measure.GetCanvas(), GetCaption());
    SetBounds(GetLeft(), GetTop(), size.cx, size.cy);
}

void TLabel::Paint() {
    TCanvas* canvas = GetCanvas();
    canvas->SetFont(GetFont());
    ClassicCaption(canvas, 0, 0, GetCaption(), GetEnabled());
}

void TLabel::Dispatch(TMessage& Message) {
    switch (Message.Msg) {
    case CM_TEXTCHANGED:
    case CM_FONTCHANGED:
        TGraphicControl::Dispatch(Message);
        FitCaption();
        return;
    case CM_DIALOGCHAR:
        if (focusControl_ && GetVisible() && IsAccessKey(static_cast<Word>(Message.WParam), GetCaption()) &&
            focusControl_->CanFocus()) {
            focusControl_->SetFocus();
            Message.Result = 1;
            return;
        }
        break;
    default: break;
    }
    TGraphicControl::Dispatch(Message);
}
