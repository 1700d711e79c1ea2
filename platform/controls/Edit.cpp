// The single-line edit: caret, typing, deleting and selecting by keys and
// mouse. The text is the control's Text; every change fires OnChange.
#include <algorithm>

#include "platform/controls/ClassicLook.h"
#include "platform/controls/StdCtrls.h"

TEdit::TEdit(TComponent* AOwner) : TCustomControl(AOwner) {
    SetTabStop(true);
    SetColor(clWindow);
    SetParentColor(false);
    SetCursor(crIBeam);
    SetControlStyle(GetControlStyle() >> csSetCaption);
    SetBounds(0, 0, 121, 21);
}

int TEdit::GetSelStart() const { return std::min(caret_, anchor_); }

int TEdit::GetSelLength() const { return std::abs(caret_ - anchor_); }

void TEdit::SelectAll() {
    anchor_ = 0;
    caret_ = GetText().Length();
    Invalidate();
}

TRect TEdit::TextArea() const {
    TRect r = GetClientRect();
    InflateRect(r, -4, -3);
    return r;
}

int TEdit::PosAt(int X) {
    TBitmap measure;
    TCanvas* canvas = measure.GetCanvas();
    canvas->SetFont(GetFont());
    const AnsiString& text = GetText();
    const int x = X - TextArea().Left;
    // The boundary nearest to X.
    int best = 0, bestDistance = std::abs(x);
    for (int pos = Utf8Next(text.str(), 0); pos > best; pos = Utf8Next(text.str(), pos)) {
        const int distance = std::abs(canvas->TextWidth(text.SubString(1, pos)) - x);
        if (distance < bestDistance) bestDistance = distance, best = pos;
        if (pos == text.Length()) break;
    }
    return best;
}

void TEdit::MoveCaret(int Pos, bool Extend) {
    caret_ = std::clamp(Pos, 0, GetText().Length());
    if (!Extend) anchor_ = caret_;
    Invalidate();
}

void TEdit::ReplaceSelection(const std::string& Inserted) {
    const std::string& text = GetText().str();
    const int start = GetSelStart();
    std::string changed = text.substr(0, static_cast<std::size_t>(start)) + Inserted +
                          text.substr(static_cast<std::size_t>(start + GetSelLength()));
    caretAfterChange_ = start + static_cast<int>(Inserted.size());
    SetText(AnsiString(changed));
    caretAfterChange_ = -1;
}

void TEdit::Paint() {
    TCanvas* canvas = GetCanvas();
    TRect frame = GetClientRect();
    ClassicSunkenEdge(canvas, frame);
    ClassicFill(canvas, frame, GetEnabled() ? GetColor() : clBtnFace);
    const TRect area = TextArea();
    canvas->SetFont(GetFont());
    if (!GetEnabled()) canvas->GetFont()->SetColor(clGrayText);
    const AnsiString& text = GetText();
    const int y = area.Top + (area.Height() - canvas->TextHeight("Wg")) / 2;
    canvas->GetBrush()->SetStyle(bsClear);
    canvas->TextRect(area, area.Left, y, text);
    if (!Focused()) return;
    auto xAt = [&](int pos) { return area.Left + canvas->TextWidth(text.SubString(1, pos)); };
    if (GetSelLength() > 0) {
        const TRect selection(xAt(GetSelStart()), area.Top, std::min(area.Right, xAt(GetSelStart() + GetSelLength())),
                              area.Bottom);
        ClassicFill(canvas, selection, clHighlight);
        canvas->GetFont()->SetColor(clHighlightText);
        canvas->GetBrush()->SetStyle(bsClear);
        canvas->TextRect(selection, area.Left, y, text);
    }
    const int x = std::min(area.Right - 1, xAt(caret_));
    canvas->GetPen()->SetMode(pmCopy);
    canvas->GetPen()->SetStyle(psSolid);
    canvas->GetPen()->SetColor(clWindowText);
    canvas->MoveTo(x, area.Top);
    canvas->LineTo(x, area.Bottom);
}

void TEdit::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button == mbLeft) {
        if (CanFocus() && !Focused()) SetFocus();
        MoveCaret(PosAt(X), Shift.Contains(ssShift));
    }
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TEdit::MouseMove(TShiftState Shift, int X, int Y) {
    if (Shift.Contains(ssLeft) && GetMouseCapture()) MoveCaret(PosAt(X), true);
    TCustomControl::MouseMove(Shift, X, Y);
}

void TEdit::KeyDown(Word& Key, TShiftState Shift) {
    TCustomControl::KeyDown(Key, Shift);
    const bool extend = Shift.Contains(ssShift);
    const std::string& text = GetText().str();
    const int length = static_cast<int>(text.size());
    switch (Key) {
    case VK_LEFT: MoveCaret(GetSelLength() && !extend ? GetSelStart() : Utf8Prev(text, caret_), extend); break;
    case VK_RIGHT:
        MoveCaret(GetSelLength() && !extend ? GetSelStart() + GetSelLength() : Utf8Next(text, caret_), extend);
        break;
    case VK_HOME: MoveCaret(0, extend); break;
    case VK_END: MoveCaret(length, extend); break;
    case VK_DELETE:
        if (!GetSelLength()) anchor_ = Utf8Next(text, caret_);
        ReplaceSelection("");
        break;
    case VK_BACK:
        if (!GetSelLength()) anchor_ = Utf8Prev(text, caret_);
        ReplaceSelection("");
        break;
    case 'A':
        if (Shift.Contains(ssCtrl)) SelectAll();
        break;
    default: break;
    }
}

void TEdit::KeyPress(char& Key) {
    TCustomControl::KeyPress(Key);
    // Control characters are keys (Backspace, Enter...), not text.
    if (static_cast<unsigned char>(Key) < 0x20 || Key == 0x7F) return;
    if (numbersOnly_ && (Key < '0' || Key > '9')) return;
    // A character of several bytes goes in whole, so OnChange never sees half of one.
    std::string character;
    if (typing_.Take(Key, character)) ReplaceSelection(character);
}

void TEdit::DoEnter() {
    // Entered from the keyboard, the text is there to be typed over.
    if (!(GetKeyState(VK_LBUTTON) < 0)) SelectAll();
    Invalidate();
    TCustomControl::DoEnter();
}

void TEdit::DoExit() {
    anchor_ = caret_;
    Invalidate();
    TCustomControl::DoExit();
}

void TEdit::Dispatch(TMessage& Message) {
    switch (Message.Msg) {
    case WM_GETDLGCODE: Message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS; return;
    case CM_TEXTCHANGED: {
        // The user's edit leaves the caret after it; the program's new text starts with it at the end.
        const int length = GetText().Length();
        caret_ = anchor_ = caretAfterChange_ >= 0 ? std::min(caretAfterChange_, length) : length;
        TCustomControl::Dispatch(Message);
        if (OnChange) OnChange(this);
        return;
    }
    default: break;
    }
    TCustomControl::Dispatch(Message);
}
