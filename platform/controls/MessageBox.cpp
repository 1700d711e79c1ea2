// The application's plain message box: a small modal form of our own that
// paints its icon, text and buttons. Enter presses the focused button (the
// default one at first), Escape cancels, Tab and the arrows move the focus.
#include <algorithm>

#include "platform/controls/Forms.h"

namespace {

struct ButtonSpec {
    int id;
    const char* caption;
};

std::vector<ButtonSpec> ButtonsFor(unsigned flags) {
    switch (flags & 0x0F) {
    case MB_OKCANCEL: return {{IDOK, "OK"}, {IDCANCEL, "Cancel"}};
    case MB_ABORTRETRYIGNORE: return {{IDABORT, "Abort"}, {IDRETRY, "Retry"}, {IDIGNORE, "Ignore"}};
    case MB_YESNOCANCEL: return {{IDYES, "Yes"}, {IDNO, "No"}, {IDCANCEL, "Cancel"}};
    case MB_YESNO: return {{IDYES, "Yes"}, {IDNO, "No"}};
    case MB_RETRYCANCEL: return {{IDRETRY, "Retry"}, {IDCANCEL, "Cancel"}};
    default: return {{IDOK, "OK"}};
    }
}

std::vector<AnsiString> SplitLines(const AnsiString& text) {
    std::vector<AnsiString> lines;
    std::string line;
    for (char c : text.str()) {
        if (c == '\r') continue;
        if (c == '\n') {
            lines.emplace_back(line);
            line.clear();
        } else {
            line += c;
        }
    }
    lines.emplace_back(line);
    return lines;
}

constexpr int Margin = 12, IconSize = 32, ButtonWidth = 75, ButtonHeight = 23, ButtonGap = 6;

class TMessageBoxForm;

class TBoxButton : public TGraphicControl {
public:
    TBoxButton(TMessageBoxForm* Box, const ButtonSpec& Spec);
    int Id() const { return spec_.id; }
    void SetFocused(bool Value) {
        focused_ = Value;
        Invalidate();
    }

protected:
    void Paint() override;
    void Click() override;

private:
    TMessageBoxForm* box_;
    ButtonSpec spec_;
    bool focused_ = false;
};

class TMessageBoxForm : public TForm {
public:
    TMessageBoxForm(const AnsiString& Text, const AnsiString& Caption, unsigned Flags)
        : TForm(nullptr), text_(Text), lines_(SplitLines(Text)), icon_(Flags & 0xF0) {
        SetCaption(Caption);
        SetBorderStyle(bsDialog);
        SetBorderIcons(TBorderIcons{biSystemMenu});
        SetPosition(poMainFormCenter);
        for (const ButtonSpec& spec : ButtonsFor(Flags)) buttons_.push_back(new TBoxButton(this, spec));
        unsigned defaultButton = (Flags & 0xF00) >> 8;
        focus_ = std::min<std::size_t>(defaultButton, buttons_.size() - 1);
        buttons_[focus_]->SetFocused(true);
        Layout();
    }

    void Press(int Id) { SetModalResult(Id); }

protected:
    void Dispatch(TMessage& Message) override {
        if (Message.Msg == WM_GETDLGCODE) {
            Message.Result = DLGC_WANTALLKEYS | DLGC_WANTTAB | DLGC_WANTARROWS;
            return;
        }
        TForm::Dispatch(Message);
    }

    void KeyDown(Word& Key, TShiftState Shift) override {
        TForm::KeyDown(Key, Shift);
        switch (Key) {
        case VK_RETURN:
        case VK_SPACE: Press(buttons_[focus_]->Id()); break;
        case VK_ESCAPE:
            if (HasButton(IDCANCEL)) Press(IDCANCEL);
            else if (buttons_.size() == 1) Press(buttons_.front()->Id());
            break;
        case VK_TAB: MoveFocus(Shift.Contains(ssShift) ? -1 : 1); break;
        case VK_LEFT: case VK_UP: MoveFocus(-1); break;
        case VK_RIGHT: case VK_DOWN: MoveFocus(1); break;
        default: break;
        }
    }

    // Closing the window cancels; a box without Cancel closes only when
    // OK is its one button (Yes and No must be answered).
    bool CloseQuery() override {
        if (GetModalResult() == mrCancel && !HasButton(IDCANCEL)) {
            if (buttons_.size() != 1) return false;
            SetModalResult(buttons_.front()->Id());
        }
        return TForm::CloseQuery();
    }

    void DescribeForAutomation(TAutomationRequest& Request) override {
        DescribeMessageBox(Request, GetCaption(), text_, this);
    }

    void TakeAutomationResult(int Result) override {
        if (!HasButton(Result)) RaiseNotAButton(Result, GetCaption(), text_);
        Press(Result);
    }

    void Paint() override {
        TCanvas* canvas = GetCanvas();
        canvas->SetFont(GetFont());
        int x = Margin;
        if (icon_) {
            PaintIcon(canvas);
            x += IconSize + Margin;
        }
        canvas->GetBrush()->SetStyle(bsClear);
        int y = Margin;
        for (const AnsiString& line : lines_) {
            canvas->TextOut(x, y, line);
            y += lineHeight_;
        }
        TForm::Paint();
    }

private:
    bool HasButton(int Id) const {
        return std::any_of(buttons_.begin(), buttons_.end(), [Id](TBoxButton* b) { return b->Id() == Id; });
    }

    void MoveFocus(int Step) {
        buttons_[focus_]->SetFocused(false);
        const int count = static_cast<int>(buttons_.size());
        focus_ = static_cast<std::size_t>((static_cast<int>(focus_) + Step + count) % count);
        buttons_[focus_]->SetFocused(true);
    }

    void Layout() {
        TBitmap measure;
        measure.SetSize(1, 1);
        TCanvas* canvas = measure.GetCanvas();
        canvas->SetFont(GetFont());
        lineHeight_ = canvas->TextHeight("Ag");
        int textWidth = 0;
        for (const AnsiString& line : lines_) textWidth = std::max(textWidth, canvas->TextWidth(line));
        const int count = static_cast<int>(buttons_.size());
        const int rowWidth = count * ButtonWidth + (count - 1) * ButtonGap;
        const int textLeft = icon_ ? IconSize + Margin : 0;
        const int width = std::max({textLeft + textWidth, rowWidth, 140}) + 2 * Margin;
        const int textHeight = std::max(static_cast<int>(lines_.size()) * lineHeight_, icon_ ? IconSize : 0);
        const int buttonTop = Margin + textHeight + Margin;
        SetClientWidth(width);
        SetClientHeight(buttonTop + ButtonHeight + Margin);
        int left = (width - rowWidth) / 2;
        for (TBoxButton* b : buttons_) {
            b->SetBounds(left, buttonTop, ButtonWidth, ButtonHeight);
            left += ButtonWidth + ButtonGap;
        }
    }

    void PaintIcon(TCanvas* canvas) {
        TColor face = clBlue;
        const char* mark = "i";
        if (icon_ == MB_ICONSTOP) face = clRed, mark = "X";
        else if (icon_ == MB_ICONQUESTION) mark = "?";
        else if (icon_ == MB_ICONWARNING) face = clYellow, mark = "!";
        canvas->GetPen()->SetColor(clBlack);
        canvas->GetBrush()->SetColor(face);
        canvas->Ellipse(Margin, Margin, Margin + IconSize, Margin + IconSize);
        canvas->GetBrush()->SetStyle(bsClear);
        canvas->GetFont()->SetStyle(TFontStyles{fsBold});
        canvas->GetFont()->SetColor(face == clYellow ? clBlack : clWhite);
        TSize size = canvas->TextExtent(mark);
        canvas->TextOut(Margin + (IconSize - size.cx) / 2, Margin + (IconSize - size.cy) / 2, mark);
        canvas->SetFont(GetFont());
    }

    AnsiString text_;
    std::vector<AnsiString> lines_;
    unsigned icon_;
    std::vector<TBoxButton*> buttons_;
    std::size_t focus_ = 0;
    int lineHeight_ = 0;
};

TBoxButton::TBoxButton(TMessageBoxForm* Box, const ButtonSpec& Spec)
    : TGraphicControl(Box), box_(Box), spec_(Spec) {
    SetParent(Box);
    SetCaption(Spec.caption);
}

void TBoxButton::Paint() {
    TCanvas* canvas = GetCanvas();
    TRect r = GetClientRect();
    canvas->GetBrush()->SetColor(clBtnFace);
    canvas->FillRect(r);
    canvas->GetBrush()->SetColor(focused_ ? clBlack : clBtnShadow);
    canvas->FrameRect(r);
    if (focused_) {
        InflateRect(r, -1, -1);
        canvas->FrameRect(r);
    }
    canvas->SetFont(GetFont());
    canvas->GetBrush()->SetStyle(bsClear);
    TSize size = canvas->TextExtent(GetCaption());
    canvas->TextOut((GetWidth() - size.cx) / 2, (GetHeight() - size.cy) / 2, GetCaption());
}

void TBoxButton::Click() {
    TGraphicControl::Click();
    box_->Press(spec_.id);
}

}  // namespace

int ShowMessageBox(const AnsiString& Text, const AnsiString& Caption, unsigned Flags) {
    auto* box = new TMessageBoxForm(Text, Caption, Flags);
    int result;
    try {
        result = box->ShowModal();
    } catch (...) {
        box->Free();
        throw;
    }
    box->Free();
    return result;
}
