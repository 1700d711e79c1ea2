#pragma once
// The single-line edit: GetText/SetText, a blinking caret while focused,
// selection by mouse (drag, double click for a word) and Shift with the
// arrows, Home and End; Backspace/Delete; Ctrl+A selects all, Ctrl+C/X/V
// go through the clipboard. The text scrolls sideways to keep the caret in
// view. MaxLength counts characters (0: no limit); a ReadOnly edit can be
// selected and copied but not changed; with a PasswordChar every character
// shows as it and nothing can be copied or cut out.
//
// OnKeyPress sees each typed byte first and may change it or swallow it
// (set it to 0). OnChange follows every change of the text, by the user or
// by SetText. Positions (SelStart, SelLength) count bytes of the UTF-8
// text; the caret only ever stands between whole characters.
//
//     auto* edit = new TSeCustomEdit(Form);
//     edit->SetParent(Form);
//     edit->OnChange = TNotifyEvent(this, &TMyForm::EditChange);

#include <algorithm>
#include <cstdlib>
#include <string>

#include "platform/controls/ExtCtrls.h"
#include "platform/runtime/Utf8.h"
#include "skin/controls/SeControl.h"

class TSeCustomEdit : public TSeCustomControl {
public:
    explicit TSeCustomEdit(TComponent* AOwner);
    ~TSeCustomEdit() override;

    int GetMaxLength() const { return maxLength_; }
    void SetMaxLength(int Value);
    bool GetReadOnly() const { return readOnly_; }
    void SetReadOnly(bool Value) { readOnly_ = Value; }
    char GetPasswordChar() const { return passwordChar_; }
    void SetPasswordChar(char Value);

    int GetSelStart() const { return std::min(caret_, anchor_); }
    void SetSelStart(int Value);
    int GetSelLength() const { return std::abs(caret_ - anchor_); }
    void SetSelLength(int Value);
    AnsiString GetSelText() const;
    // Replaces the selection (inserts at the caret without one).
    void SetSelText(const AnsiString& Value);
    void SelectAll();
    void CopyToClipboard();
    void CutToClipboard();
    void PasteFromClipboard();

    TNotifyEvent OnChange;

protected:
    void PaintBorder(TCanvas* Canvas, TRect& Rect) override;
    void PaintControl(TCanvas* Canvas, const TRect& Rect) override;
    // The font and colours the text is drawn and measured with; a skinned
    // edit takes them from its skin object.
    virtual void PrepareTextFont(TCanvas* Canvas);
    virtual TColor SelectionColor() const { return clHighlight; }
    virtual TColor SelectionTextColor() const { return clHighlightText; }
    // Where the text goes inside the control.
    virtual TRect TextArea() const;
    virtual void Change();

    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void KeyDown(Word& Key, TShiftState Shift) override;
    void KeyPress(char& Key) override;
    void DoEnter() override;
    void DoExit() override;
    void WndProc(TMessage& Message) override;

private:
    const std::string& Bytes() const { return GetText().str(); }
    // What is shown: the text, or one PasswordChar per character.
    std::string Shown(int Bytes) const;
    int TextX(int Pos);
    // The character boundary nearest to a client X.
    int PosAt(int X);
    void MoveCaret(int Pos, bool Extend);
    void SelectWordAt(int Pos);
    void Replace(const std::string& Inserted);
    void ScrollToCaret();
    void Blink(TObject* Sender);
    void RestartBlink();

    int maxLength_ = 0;
    bool readOnly_ = false;
    char passwordChar_ = 0;
    int caret_ = 0, anchor_ = 0;  // byte indexes; the selection lies between them
    int scroll_ = 0;              // pixels of text hidden at the left
    int caretAfterChange_ = 0;    // where an edit of our own leaves the caret
    bool selecting_ = false;
    bool caretShown_ = false;
    TTimer* blink_;
    TBitmap* measure_;  // measures text outside a paint
    TUtf8Typing typing_;
};
