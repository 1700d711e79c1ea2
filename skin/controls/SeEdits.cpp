#include "skin/controls/SeEdits.h"

#include <cctype>

#include "platform/host/Clipbrd.h"
#include "platform/controls/Forms.h"
#include "skin/controls/SeShared.h"

namespace {
constexpr Cardinal BlinkInterval = 500;
constexpr int TextMargin = 2;

bool IsWordByte(char C) {
    auto b = static_cast<unsigned char>(C);
    return b >= 0x80 || std::isalnum(b) || C == '_';
}

// One line of plain characters: line breaks end it, control characters go.
std::string SingleLine(const std::string& S) {
    std::string line;
    for (char c : S) {
        if (c == '\r' || c == '\n') break;
        if (static_cast<unsigned char>(c) >= 0x20 && c != 0x7F) line += c;
    }
    return line;
}

// The longest head of S with at most Chars characters.
std::string FirstChars(const std::string& S, int Chars) {
    int pos = 0;
    for (int i = 0; i < Chars && pos < static_cast<int>(S.size()); ++i) pos = Utf8Next(S, pos);
    return S.substr(0, static_cast<std::size_t>(pos));
}
}  // namespace

TSeCustomEdit::TSeCustomEdit(TComponent* AOwner)
    : TSeCustomControl(AOwner), blink_(new TTimer(this)), measure_(new TBitmap) {
    SetTabStop(true);
    SetColor(clWindow);
    SetParentColor(false);
    SetCursor(crIBeam);
    SetBounds(GetLeft(), GetTop(), 121, 21);
    SetControlStyle(GetControlStyle() >> csSetCaption);
    blink_->SetEnabled(false);
    blink_->SetInterval(BlinkInterval);
    blink_->OnTimer = TNotifyEvent(this, &TSeCustomEdit::Blink);
    measure_->SetSize(1, 1);
}

TSeCustomEdit::~TSeCustomEdit() { delete measure_; }

void TSeCustomEdit::SetMaxLength(int Value) { maxLength_ = std::max(0, Value); }

void TSeCustomEdit::SetPasswordChar(char Value) {
    if (Value == passwordChar_) return;
    passwordChar_ = Value;
    ScrollToCaret();
    Invalidate();
}

void TSeCustomEdit::SetSelStart(int Value) {
    int pos = std::clamp(Value, 0, static_cast<int>(Bytes().size()));
    while (pos > 0 && pos < static_cast<int>(Bytes().size()) && IsUtf8Continuation(Bytes()[pos])) --pos;
    caret_ = anchor_ = pos;
    ScrollToCaret();
    Invalidate();
}

void TSeCustomEdit::SetSelLength(int Value) {
    int start = GetSelStart(), end = std::clamp(start + std::max(0, Value), start, static_cast<int>(Bytes().size()));
    while (end < static_cast<int>(Bytes().size()) && IsUtf8Continuation(Bytes()[end])) ++end;
    anchor_ = start;
    caret_ = end;
    ScrollToCaret();
    Invalidate();
}

AnsiString TSeCustomEdit::GetSelText() const {
    return AnsiString(Bytes().substr(static_cast<std::size_t>(GetSelStart()), static_cast<std::size_t>(GetSelLength())));
}

void TSeCustomEdit::SetSelText(const AnsiString& Value) { Replace(Value.str()); }

void TSeCustomEdit::SelectAll() {
    anchor_ = 0;
    caret_ = static_cast<int>(Bytes().size());
    ScrollToCaret();
    Invalidate();
}

void TSeCustomEdit::CopyToClipboard() {
    if (passwordChar_ || GetSelLength() == 0) return;
    Clipboard()->SetAsText(GetSelText());
}

void TSeCustomEdit::CutToClipboard() {
    if (readOnly_ || passwordChar_ || GetSelLength() == 0) return;
    CopyToClipboard();
    Replace("");
}

void TSeCustomEdit::PasteFromClipboard() {
    if (readOnly_) return;
    Replace(SingleLine(Clipboard()->GetAsText().str()));
}

// Inserts in place of the selection, cut to what MaxLength leaves room for.
void TSeCustomEdit::Replace(const std::string& Inserted) {
    const std::string& text = Bytes();
    int start = GetSelStart(), length = GetSelLength();
    std::string kept = text.substr(0, static_cast<std::size_t>(start)) + text.substr(static_cast<std::size_t>(start + length));
    std::string piece = Inserted;
    if (maxLength_ > 0) piece = FirstChars(piece, std::max(0, maxLength_ - Utf8Length(kept)));
    if (piece.empty() && length == 0) return;
    caretAfterChange_ = start + static_cast<int>(piece.size());
    SetText(AnsiString(kept.insert(static_cast<std::size_t>(start), piece)));
}

std::string TSeCustomEdit::Shown(int Count) const {
    std::string head = Bytes().substr(0, static_cast<std::size_t>(std::max(0, Count)));
    return passwordChar_ ? std::string(static_cast<std::size_t>(Utf8Length(head)), passwordChar_) : head;
}

TRect TSeCustomEdit::TextArea() const {
    TRect r = GetClientRect();
    InflateRect(r, -2 - TextMargin, -2);
    return r;
}

void TSeCustomEdit::PrepareTextFont(TCanvas* Canvas) {
    Canvas->SetFont(GetFont());
    if (!GetEnabled()) Canvas->GetFont()->SetColor(clGrayText);
}

int TSeCustomEdit::TextX(int Pos) {
    PrepareTextFont(measure_->GetCanvas());
    return TextArea().Left - scroll_ + measure_->GetCanvas()->TextWidth(AnsiString(Shown(Pos)));
}

int TSeCustomEdit::PosAt(int X) {
    const std::string& text = Bytes();
    int best = 0, bestDistance = std::abs(TextX(0) - X);
    for (int pos = 0; pos < static_cast<int>(text.size());) {
        pos = Utf8Next(text, pos);
        int distance = std::abs(TextX(pos) - X);
        if (distance < bestDistance) bestDistance = distance, best = pos;
    }
    return best;
}

void TSeCustomEdit::ScrollToCaret() {
    TRect area = TextArea();
    int x = TextX(caret_) + scroll_ - area.Left;  // the caret's offset in the whole text
    int width = std::max(1, area.Width());
    if (x - scroll_ < 0) scroll_ = x;
    else if (x - scroll_ > width - 1) scroll_ = x - width + 1;
    // No blank room at the right while the text could fill it.
    int whole = TextX(static_cast<int>(Bytes().size())) + scroll_ - area.Left;
    scroll_ = std::max(0, std::min(scroll_, whole - width + 1));
}

void TSeCustomEdit::MoveCaret(int Pos, bool Extend) {
    caret_ = Pos;
    if (!Extend) anchor_ = Pos;
    ScrollToCaret();
    RestartBlink();
}

void TSeCustomEdit::SelectWordAt(int Pos) {
    const std::string& text = Bytes();
    int n = static_cast<int>(text.size());
    if (n == 0) return;
    if (passwordChar_) return SelectAll();  // a password shows no words
    int at = std::min(Pos, n - 1);
    bool word = IsWordByte(text[static_cast<std::size_t>(at)]);
    int start = at, end = at;
    while (start > 0 && IsWordByte(text[static_cast<std::size_t>(start - 1)]) == word) --start;
    while (end < n && IsWordByte(text[static_cast<std::size_t>(end)]) == word) ++end;
    anchor_ = start;
    MoveCaret(end, true);
}

void TSeCustomEdit::RestartBlink() {
    caretShown_ = Focused();
    blink_->SetEnabled(false);
    blink_->SetEnabled(caretShown_);
    Invalidate();
}

void TSeCustomEdit::Blink(TObject*) {
    caretShown_ = !caretShown_ && Focused();
    Invalidate();
}

void TSeCustomEdit::Change() {
    if (OnChange) OnChange(this);
}

void TSeCustomEdit::PaintBorder(TCanvas* Canvas, TRect& Rect) { DrawSunkenFrame(Canvas, Rect); }

void TSeCustomEdit::PaintControl(TCanvas* Canvas, const TRect& Face) {
    TRect area = TextArea();
    IntersectRect(area, area, Face);
    PrepareTextFont(Canvas);
    TColor textColor = Canvas->GetFont()->GetColor();
    int height = Canvas->TextHeight("Wg");
    int y = area.Top + (area.Height() - height) / 2;
    std::string all = Shown(static_cast<int>(Bytes().size()));
    Canvas->GetBrush()->SetStyle(bsClear);
    Canvas->TextRect(area, TextX(0), y, AnsiString(all));
    bool focused = Focused();
    if (focused && GetSelLength() > 0) {
        int from = TextX(GetSelStart()), to = TextX(GetSelStart() + GetSelLength());
        TRect band = Rect(from, y, to, y + height);
        IntersectRect(band, band, area);
        Canvas->GetBrush()->SetStyle(bsSolid);
        Canvas->GetBrush()->SetColor(SelectionColor());
        Canvas->FillRect(band);
        Canvas->GetFont()->SetColor(SelectionTextColor());
        Canvas->GetBrush()->SetStyle(bsClear);
        Canvas->TextRect(band, TextX(0), y, AnsiString(all));
    }
    if (focused && caretShown_ && GetEnabled()) {
        int x = TextX(caret_);
        if (x >= area.Left && x < area.Right) {
            Canvas->GetBrush()->SetStyle(bsSolid);
            Canvas->GetBrush()->SetColor(textColor);
            Canvas->FillRect(Rect(x, y, x + 1, y + height));
        }
    }
}

void TSeCustomEdit::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TSeCustomControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft || !GetEnabled()) return;
    if (CanFocus() && !Focused()) SetFocus();
    if (Shift.Contains(ssDouble)) {
        SelectWordAt(PosAt(X));
        return;
    }
    MoveCaret(PosAt(X), Shift.Contains(ssShift));
    selecting_ = true;
}

void TSeCustomEdit::MouseMove(TShiftState Shift, int X, int Y) {
    TSeCustomControl::MouseMove(Shift, X, Y);
    if (selecting_) MoveCaret(PosAt(X), true);
}

void TSeCustomEdit::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button == mbLeft) selecting_ = false;
    TSeCustomControl::MouseUp(Button, Shift, X, Y);
}

void TSeCustomEdit::KeyDown(Word& Key, TShiftState Shift) {
    TSeCustomControl::KeyDown(Key, Shift);
    const std::string& text = Bytes();
    const int end = static_cast<int>(text.size());
    const bool extend = Shift.Contains(ssShift);
    const bool ctrl = Shift.Contains(ssCtrl);
    switch (Key) {
    case VK_LEFT:
        // Without Shift a selection collapses to its start.
        if (!extend && GetSelLength() > 0) MoveCaret(GetSelStart(), false);
        else MoveCaret(Utf8Prev(text, caret_), extend);
        break;
    case VK_RIGHT:
        if (!extend && GetSelLength() > 0) MoveCaret(GetSelStart() + GetSelLength(), false);
        else MoveCaret(Utf8Next(text, caret_), extend);
        break;
    case VK_HOME: MoveCaret(0, extend); break;
    case VK_END: MoveCaret(end, extend); break;
    case VK_DELETE:
        if (readOnly_) break;
        if (GetSelLength() == 0) {
            if (caret_ == end) break;
            anchor_ = Utf8Next(text, caret_);
        }
        Replace("");
        break;
    case 'A':
        if (ctrl) SelectAll();
        break;
    case 'C':
        if (ctrl) CopyToClipboard();
        break;
    case 'X':
        if (ctrl) CutToClipboard();
        break;
    case 'V':
        if (ctrl) PasteFromClipboard();
        break;
    default: break;
    }
}

void TSeCustomEdit::KeyPress(char& Key) {
    TSeCustomControl::KeyPress(Key);
    if (Key == 0 || readOnly_) return;
    if (Key == '\b') {
        if (GetSelLength() == 0) {
            if (caret_ == 0) return;
            anchor_ = Utf8Prev(Bytes(), caret_);
        }
        Replace("");
        return;
    }
    auto byte = static_cast<unsigned char>(Key);
    if (byte < 0x20 || byte == 0x7F) return;  // Enter, Escape, Ctrl+letters: not text
    std::string character;
    if (typing_.Take(Key, character)) Replace(character);
}

void TSeCustomEdit::DoEnter() {
    RestartBlink();
    TSeCustomControl::DoEnter();
}

void TSeCustomEdit::DoExit() {
    selecting_ = false;
    caretShown_ = false;
    blink_->SetEnabled(false);
    Invalidate();
    TSeCustomControl::DoExit();
}

void TSeCustomEdit::WndProc(TMessage& Message) {
    switch (Message.Msg) {
    case WM_GETDLGCODE: Message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS; return;
    case CM_TEXTCHANGED: {
        // Our own edits leave the caret after what they put in; SetText at the start.
        caret_ = anchor_ = std::min(caretAfterChange_, static_cast<int>(Bytes().size()));
        caretAfterChange_ = 0;
        scroll_ = 0;
        ScrollToCaret();
        std::weak_ptr<char> alive = AliveToken();
        TSeCustomControl::WndProc(Message);
        if (!alive.expired()) Change();
        return;
    }
    default: TSeCustomControl::WndProc(Message); return;
    }
}
