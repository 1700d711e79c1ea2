#include "app/dialogs/framedialog.h"

#include <string>

#include "skin/controls/SeConst.h"

TFramedDialog::TFramedDialog(TComponent* AOwner, const char* Name, const char* Caption, int ClientWidth,
                             int ClientHeight, TPosition Position)
    : TAppDialog(AOwner, Name, Caption, ClientWidth, ClientHeight, Position),
      SeSkinForm1(new TSeSkinForm(this)),
      layoutWidth_(ClientWidth),
      layoutHeight_(ClientHeight) {
    SeSkinForm1->SetName("SeSkinForm1");
    SeSkinForm1->SetBorderIcons(TSeBorderIcons{});
    FitFrame();
}

TSeSkinLabel* TFramedDialog::PutLabel(const char* Name, const AnsiString& Caption, int Left, int Top) {
    TSeSkinLabel* label = Put(new TSeSkinLabel(this), Name, Left, Top, 0, 0);
    label->SetCaption(Caption);
    return label;
}

TSeSkinEdit* TFramedDialog::PutEdit(const char* Name, int Left, int Top, int Width) {
    return Put(new TSeSkinEdit(this), Name, Left, Top, Width, 21);
}

void TFramedDialog::PutDaysRow(int Row, const char* Caption, TSeSkinLabel*& Label, TSeSkinEdit*& Edit) {
    const std::string number = std::to_string(Row + 1);
    Label = PutLabel(("SeSkinLabel" + number).c_str(), Caption, 8, 12 + 30 * Row);
    Edit = PutEdit(("SeSkinEdit" + number).c_str(), 56, 8 + 30 * Row, 65);
}

TSeSkinRadioButton* TFramedDialog::PutRadio(const char* Name, int Left, int Top, int Width, TNotifyEvent OnClick) {
    TSeSkinRadioButton* radio = Put(new TSeSkinRadioButton(this), Name, Left, Top, Width, 17);
    radio->SetCaption(Name);
    radio->OnClick = std::move(OnClick);
    return radio;
}

TSeSkinButton* TFramedDialog::PutButton(const char* Name, const char* Caption, int Left, int Top,
                                        TNotifyEvent OnClick) {
    TSeSkinButton* button = Put(new TSeSkinButton(this), Name, Left, Top, 75, 25);
    button->SetCaption(Caption);
    button->SetDefault(true);
    button->OnClick = std::move(OnClick);
    return button;
}

void TFramedDialog::CloseWith(TModalResult Result) {
    if (GetModal())
        SetModalResult(Result);
    else
        Close();
}

// The frame's width comes from the skin: the form grows by it, and the
// controls move with the client area when it changes.
void TFramedDialog::FitFrame() {
    const TRect insets = GetFrameInsets();
    const int dx = insets.Left - placedInsets_.Left, dy = insets.Top - placedInsets_.Top;
    if (dx || dy)
        for (int i = 0; i < GetControlCount(); ++i) {
            TControl* c = GetControls(i);
            c->SetBounds(c->GetLeft() + dx, c->GetTop() + dy, c->GetWidth(), c->GetHeight());
        }
    placedInsets_ = insets;
    SetClientWidth(insets.Left + layoutWidth_ + insets.Right);
    SetClientHeight(insets.Top + layoutHeight_ + insets.Bottom);
}

void TFramedDialog::Dispatch(TMessage& Message) {
    TAppDialog::Dispatch(Message);
    if (Message.Msg == WMSkinChange) FitFrame();
    // No cancel button takes Escape here: it closes the dialog unanswered.
    if (Message.Msg == CM_DIALOGKEY && Message.WParam == VK_ESCAPE && Message.Result == 0) {
        Message.Result = 1;
        CloseWith(mrCancel);
    }
}
