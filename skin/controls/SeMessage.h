#pragma once
// The message box component: MessageDlg builds a modal box of our own
// controls (a word-wrapped label and one push button per answer), shows it
// where Position says and returns the modal result of the button pressed.
//
//     auto* message = new TSeCustomMessage(MainForm);   // centred on MainForm
//     if (message->MessageDlg("Save the changes?", mtConfirmation,
//                             TMsgDlgButtons{mbYes, mbNo, mbCancel}, 0) == mrYes) ...
//
// Keys: Enter presses the focused button (the first one at first), Tab moves
// between the buttons, a button's access key presses it, Escape (and the
// window's close) presses Cancel, or No when there is no Cancel, or the one
// button of a single-button box; a plain Yes/No question must be answered.
// Tests answer the box as any "MessageBox" automation request: Caption and
// Text tell what was shown, Result picks the button, Subject is the box form.

#include <vector>

#include "platform/controls/Forms.h"

class TSeCustomButton;
class TSeCustomLabel;

enum TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };
enum TMsgDlgBtn { mbYes, mbNo, mbOK, mbCancel, mbAbort, mbRetry, mbIgnore, mbAll, mbNoToAll, mbYesToAll, mbHelp };
using TMsgDlgButtons = Set<TMsgDlgBtn>;

constexpr TModalResult mrAll = 8, mrNoToAll = 9, mrYesToAll = 10;

// The caption of a box of that type ("Warning"...; the application title for mtCustom).
AnsiString MessageDlgCaption(TMsgDlgType DlgType);
// A button's caption with its access key marked by '&' ("&Yes", "OK").
AnsiString MessageDlgButtonCaption(TMsgDlgBtn Button);
// The modal result a button gives; mrNone for Help, which does not close the box.
TModalResult MessageDlgButtonResult(TMsgDlgBtn Button);

class TSeCustomMessage : public TComponent {
public:
    explicit TSeCustomMessage(TComponent* AOwner);
    ~TSeCustomMessage() override;

    // poOwnerFormCenter (the default): centred on the form that owns the
    // component, or on the main form when that is hidden; poMainFormCenter:
    // on the main form; anything else: on the screen.
    TPosition GetPosition() const { return position_; }
    void SetPosition(TPosition Value) { position_ = Value; }
    // The font of the text and the buttons.
    TFont* GetFont() const { return font_; }
    void SetFont(TFont* Value) { font_->Assign(Value); }
    // Widest a line of the text grows before it wraps.
    int GetMaxTextWidth() const { return maxTextWidth_; }
    void SetMaxTextWidth(int Value) { maxTextWidth_ = Value; }

    // Shows the box and waits; the result of the button pressed (mrCancel
    // when the box went away with its owner). Help asks the application's
    // help for HelpCtx and leaves the box open. No buttons at all means OK.
    virtual int MessageDlg(const AnsiString& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, int HelpCtx);

    // The box being shown (the newest, when one was shown over another),
    // nullptr when none; the component owns it.
    TCustomForm* GetMessageForm() const { return box_; }

    // While on, this component shows the application's message boxes
    // (Application->MessageBox, the default exception box, the help's
    // messages) with their own caption and buttons, so the program has no
    // box of another look. Turning it on takes them from any other
    // component; freeing the component gives them back to the plain box.
    bool GetApplicationMessages() const;
    void SetApplicationMessages(bool Value);

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

    // Steps a skinned descendant replaces: the button made for an answer,
    // the box's frame (nothing here) and its face.
    virtual TSeCustomButton* CreateButton(TCustomForm* Box);
    virtual void DecorateBox(TCustomForm* Box);
    virtual void PaintBox(TCanvas* Canvas, const TRect& Rect);
    // The text's font colour on the box.
    virtual TColor TextColor() const;

private:
    friend class TSeMessageForm;
    // Shows Buttons in that order with Caption; the button at DefaultIndex
    // is the default and has the focus.
    int ShowBox(const AnsiString& Msg, const AnsiString& Caption, const std::vector<TMsgDlgBtn>& Buttons,
                int HelpCtx, std::size_t DefaultIndex);
    // Application->MessageBox's box: the flags' buttons, the button's IDOK... as result.
    int ApplicationMessageBox(const AnsiString& Text, const AnsiString& Caption, unsigned Flags);
    void Layout(TCustomForm* Box, TSeCustomLabel* Label, const std::vector<TSeCustomButton*>& Buttons);
    void Place(TCustomForm* Box) const;

    TPosition position_ = poOwnerFormCenter;
    TFont* font_;
    int maxTextWidth_ = 360;
    TCustomForm* box_ = nullptr;
};

// The classic push button face with Caption's access key underlined.
void DrawAccessKeyButton(TSeCustomButton* Button, TCanvas* Canvas, const TRect& Rect);
// Draws Caption centred in R, its '&'-marked access key underlined ("&&" is
// a plain '&'), in the canvas's font; greyed when not Enabled.
void DrawAccessKeyText(TCanvas* Canvas, const TRect& R, const AnsiString& Caption, bool Enabled);
