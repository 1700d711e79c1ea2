#include "skin/controls/SeMessage.h"

#include <algorithm>
#include <cctype>

#include "platform/controls/AccessKeys.h"
#include "skin/controls/SeButtons.h"
#include "skin/controls/SeLabel.h"
#include "skin/controls/SeShared.h"

namespace {

constexpr int Margin = 12, ButtonGap = 8, ButtonHeight = 25, MinButtonWidth = 75, MinBoxWidth = 150;
constexpr TMsgDlgBtn AllButtons[] = {mbYes, mbNo, mbOK, mbCancel, mbAbort, mbRetry,
                                     mbIgnore, mbAll, mbNoToAll, mbYesToAll, mbHelp};

// The button Escape and the window's close press; false when the box must be answered.
bool EscapeButton(TMsgDlgButtons Buttons, TMsgDlgBtn& Escape) {
    int count = 0;
    for (TMsgDlgBtn b : AllButtons) count += Buttons.Contains(b);
    if (Buttons.Contains(mbCancel)) Escape = mbCancel;
    else if (Buttons.Contains(mbNo) && !(count == 2 && Buttons.Contains(mbYes))) Escape = mbNo;
    else if (count == 1) Escape = *std::find_if(std::begin(AllButtons), std::end(AllButtons),
                                                 [&](TMsgDlgBtn b) { return Buttons.Contains(b); });
    else return false;
    return MessageDlgButtonResult(Escape) != mrNone;
}

}  // namespace

// The box itself: paints through its component, answers automation as a
// message box, and lets access keys and the window's close press buttons.
class TSeMessageForm : public TForm {
public:
    TSeMessageForm(TSeCustomMessage* Message, const AnsiString& Text) : TForm(Message), message_(Message), text_(Text) {
        SetBorderStyle(bsDialog);
        SetBorderIcons(TBorderIcons{biSystemMenu});
        SetKeyPreview(true);
    }

    std::vector<TSeCustomButton*> Buttons;
    TModalResult EscapeResult = mrNone;

protected:
    void Paint() override {
        message_->PaintBox(GetCanvas(), GetClientRect());
        TForm::Paint();
    }

    // A button's access key presses it, typed alone or with Alt.
    void KeyPress(char& Key) override {
        TForm::KeyPress(Key);
        if (PressAccessKey(Key)) Key = 0;
    }

    void KeyDown(Word& Key, TShiftState Shift) override {
        TForm::KeyDown(Key, Shift);
        if (Shift.Contains(ssAlt) && Key >= 'A' && Key <= 'Z' && PressAccessKey(static_cast<char>(Key))) Key = 0;
    }

    // The window's close button and Alt+F4 act as Escape.
    bool CloseQuery() override {
        const bool closeRequest = GetModalResult() == mrCancel &&
                                  std::none_of(Buttons.begin(), Buttons.end(), [](TSeCustomButton* b) {
                                      return b->GetModalResult() == mrCancel;
                                  });
        if (closeRequest) {
            if (EscapeResult == mrNone) return false;
            SetModalResult(EscapeResult);
        }
        return TForm::CloseQuery();
    }

    void DescribeForAutomation(TAutomationRequest& Request) override {
        DescribeMessageBox(Request, GetCaption(), text_, this);
    }

    void TakeAutomationResult(int Result) override {
        const bool known = std::any_of(Buttons.begin(), Buttons.end(),
                                       [Result](TSeCustomButton* b) { return b->GetModalResult() == Result; });
        if (!known) RaiseNotAButton(Result, GetCaption(), text_);
        SetModalResult(Result);
    }

private:
    bool PressAccessKey(char Key) {
        const auto pressed = static_cast<Word>(std::toupper(static_cast<unsigned char>(Key)));
        for (TSeCustomButton* b : Buttons)
            if (IsAccessKey(pressed, b->GetCaption())) {
                b->Click();
                return true;
            }
        return false;
    }

    TSeCustomMessage* message_;
    AnsiString text_;
};

AnsiString MessageDlgCaption(TMsgDlgType DlgType) {
    switch (DlgType) {
    case mtWarning: return "Warning";
    case mtError: return "Error";
    case mtInformation: return "Information";
    case mtConfirmation: return "Confirm";
    default: return Application->GetTitle();
    }
}

AnsiString MessageDlgButtonCaption(TMsgDlgBtn Button) {
    switch (Button) {
    case mbYes: return "&Yes";
    case mbNo: return "&No";
    case mbOK: return "OK";
    case mbCancel: return "Cancel";
    case mbAbort: return "&Abort";
    case mbRetry: return "&Retry";
    case mbIgnore: return "&Ignore";
    case mbAll: return "&All";
    case mbNoToAll: return "N&o to All";
    case mbYesToAll: return "Yes to &All";
    default: return "&Help";
    }
}

TModalResult MessageDlgButtonResult(TMsgDlgBtn Button) {
    switch (Button) {
    case mbYes: return mrYes;
    case mbNo: return mrNo;
    case mbOK: return mrOk;
    case mbCancel: return mrCancel;
    case mbAbort: return mrAbort;
    case mbRetry: return mrRetry;
    case mbIgnore: return mrIgnore;
    case mbAll: return mrAll;
    case mbNoToAll: return mrNoToAll;
    case mbYesToAll: return mrYesToAll;
    default: return mrNone;
    }
}

// ---- access keys ---------------------------------------------------------------

void DrawAccessKeyText(TCanvas* Canvas, const TRect& R, const AnsiString& Caption, bool Enabled) {
    const AnsiString text = CaptionText(Caption);
    const TSize size = Canvas->TextExtent(text);
    const int x = R.Left + (R.Width() - size.cx) / 2;
    const int y = R.Top + (R.Height() - size.cy) / 2;
    if (Enabled) {
        Canvas->GetBrush()->SetStyle(bsClear);
        Canvas->TextOut(x, y, text);
    } else {
        DrawGrayText(Canvas, x, y, text);
    }
    UnderlineAccessKey(Canvas, x, y, Caption, Enabled ? Canvas->GetFont()->GetColor() : clBtnShadow);
}

void DrawAccessKeyButton(TSeCustomButton* Button, TCanvas* Canvas, const TRect& Rect) {
    TRect face = Rect;
    DrawButtonFace(Canvas, face, Button->GetDrawState(), Button->GetDefault() && Button->GetEnabled(),
                   Button->Focused());
    DrawAccessKeyText(Canvas, face, Button->GetCaption(), Button->GetEnabled());
}

namespace {

class TSeMessageButton : public TSeCustomButton {
public:
    using TSeCustomButton::TSeCustomButton;

protected:
    void PaintControl(TCanvas* Canvas, const TRect& Rect) override { DrawAccessKeyButton(this, Canvas, Rect); }
};

}  // namespace

// ---- TSeCustomMessage -------------------------------------------------------------

TSeCustomMessage::TSeCustomMessage(TComponent* AOwner) : TComponent(AOwner), font_(new TFont) {
    font_->SetName("Tahoma");
    font_->SetSize(8);
}

TSeCustomMessage::~TSeCustomMessage() {
    SetApplicationMessages(false);
    TComponent::Destroying();
    DestroyComponents();  // the box goes before the font it paints with
    delete font_;
}

void TSeCustomMessage::Notification(TComponent* AComponent, TOperation Operation) {
    if (Operation == opRemove && AComponent == box_) box_ = nullptr;
    TComponent::Notification(AComponent, Operation);
}

TSeCustomButton* TSeCustomMessage::CreateButton(TCustomForm* Box) { return new TSeMessageButton(Box); }

void TSeCustomMessage::DecorateBox(TCustomForm*) {}

void TSeCustomMessage::PaintBox(TCanvas* Canvas, const TRect& Rect) {
    Canvas->GetBrush()->SetStyle(bsSolid);
    Canvas->GetBrush()->SetColor(clBtnFace);
    Canvas->FillRect(Rect);
}

TColor TSeCustomMessage::TextColor() const { return font_->GetColor(); }

int TSeCustomMessage::MessageDlg(const AnsiString& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, int HelpCtx) {
    if (Buttons.Empty()) Buttons << mbOK;
    std::vector<TMsgDlgBtn> order;
    for (TMsgDlgBtn b : AllButtons)
        if (Buttons.Contains(b)) order.push_back(b);
    return ShowBox(Msg, MessageDlgCaption(DlgType), order, HelpCtx, 0);
}

bool TSeCustomMessage::GetApplicationMessages() const { return Application->OnMessageBox.Object() == this; }

void TSeCustomMessage::SetApplicationMessages(bool Value) {
    if (Value) Application->OnMessageBox = TMessageBoxEvent(this, &TSeCustomMessage::ApplicationMessageBox);
    else if (GetApplicationMessages()) Application->OnMessageBox = nullptr;
}

int TSeCustomMessage::ApplicationMessageBox(const AnsiString& Text, const AnsiString& Caption, unsigned Flags) {
    std::vector<TMsgDlgBtn> buttons;
    switch (Flags & 0x0F) {
    case MB_OKCANCEL: buttons = {mbOK, mbCancel}; break;
    case MB_ABORTRETRYIGNORE: buttons = {mbAbort, mbRetry, mbIgnore}; break;
    case MB_YESNOCANCEL: buttons = {mbYes, mbNo, mbCancel}; break;
    case MB_YESNO: buttons = {mbYes, mbNo}; break;
    case MB_RETRYCANCEL: buttons = {mbRetry, mbCancel}; break;
    default: buttons = {mbOK}; break;
    }
    const std::size_t defaultIndex = std::min<std::size_t>((Flags & 0xF00) >> 8, buttons.size() - 1);
    // The modal results are the buttons' IDOK, IDCANCEL... numbers.
    return ShowBox(Text, Caption, buttons, 0, defaultIndex);
}

int TSeCustomMessage::ShowBox(const AnsiString& Msg, const AnsiString& Caption, const std::vector<TMsgDlgBtn>& Buttons,
                              int HelpCtx, std::size_t DefaultIndex) {
    TMsgDlgButtons set;
    for (TMsgDlgBtn b : Buttons) set << b;
    auto* box = new TSeMessageForm(this, Msg);
    // A box may be shown over another (the help's message over the box
    // whose Help was pressed); the one under it is current again after.
    TCustomForm* under = box_;
    box_ = box;
    std::weak_ptr<char> alive = box->AliveToken();
    auto freeBox = [&] {
        if (alive.expired()) return;
        box_ = under;
        box->Free();
    };
    int result = mrCancel;
    try {
        box->SetCaption(Caption);
        box->GetFont()->Assign(font_);
        DecorateBox(box);
        auto* label = new TSeCustomLabel(box);
        label->SetParent(box);
        for (TMsgDlgBtn b : Buttons) {
            TSeCustomButton* button = CreateButton(box);
            button->SetParent(box);
            button->SetCaption(MessageDlgButtonCaption(b));
            button->SetModalResult(MessageDlgButtonResult(b));
            if (b == mbHelp)
                button->OnClick = TNotifyEvent([HelpCtx](TObject*) { Application->HelpCommand(HELP_CONTEXT, HelpCtx); });
            box->Buttons.push_back(button);
        }
        TMsgDlgBtn escape;
        if (EscapeButton(set, escape)) {
            box->EscapeResult = MessageDlgButtonResult(escape);
            for (TSeCustomButton* b : box->Buttons) b->SetCancel(b->GetModalResult() == box->EscapeResult);
        }
        box->Buttons[DefaultIndex]->SetDefault(true);
        box->SetActiveControl(box->Buttons[DefaultIndex]);
        label->SetCaption(Msg);
        Layout(box, label, box->Buttons);
        Place(box);
        result = box->ShowModal();
    } catch (...) {
        freeBox();
        throw;
    }
    // Freed with its owner while shown: the component may be gone too.
    if (alive.expired()) return mrCancel;
    freeBox();
    return result;
}

void TSeCustomMessage::Layout(TCustomForm* Box, TSeCustomLabel* Label, const std::vector<TSeCustomButton*>& Buttons) {
    TBitmap measure;
    measure.SetSize(1, 1);
    TCanvas* canvas = measure.GetCanvas();
    canvas->SetFont(font_);
    // The text wraps only where it would grow wider than MaxTextWidth.
    int textWidth = 0;
    for (const AnsiString& line : WrapLines(canvas, Label->GetCaption(), 0, false))
        textWidth = std::max(textWidth, canvas->TextWidth(line));
    textWidth = std::max(1, std::min(textWidth, maxTextWidth_));
    int wrapped = 0;
    for (const AnsiString& line : WrapLines(canvas, Label->GetCaption(), textWidth, true))
        wrapped = std::max(wrapped, canvas->TextWidth(line));

    int rowWidth = 0;
    std::vector<int> widths;
    for (TSeCustomButton* b : Buttons) {
        widths.push_back(std::max(MinButtonWidth, canvas->TextWidth(CaptionText(b->GetCaption())) + 16));
        rowWidth += widths.back();
    }
    rowWidth += ButtonGap * (static_cast<int>(Buttons.size()) - 1);

    const TRect insets = Box->GetFrameInsets();
    const int inner = std::max({std::max(textWidth, wrapped), rowWidth, MinBoxWidth});
    Label->GetFont()->Assign(font_);
    Label->GetFont()->SetColor(TextColor());
    Label->SetBounds(insets.Left + Margin, insets.Top + Margin, textWidth, 1);
    Label->SetWordWrap(true);  // fits the height to the wrapped lines
    const int buttonTop = Label->GetTop() + Label->GetHeight() + Margin + 4;
    int left = insets.Left + Margin + (inner - rowWidth) / 2;
    for (std::size_t i = 0; i < Buttons.size(); ++i) {
        Buttons[i]->GetFont()->Assign(font_);
        Buttons[i]->SetBounds(left, buttonTop, widths[i], ButtonHeight);
        left += widths[i] + ButtonGap;
    }
    Box->SetClientWidth(insets.Left + inner + 2 * Margin + insets.Right);
    Box->SetClientHeight(buttonTop + ButtonHeight + Margin + insets.Bottom);
}

void TSeCustomMessage::Place(TCustomForm* Box) const {
    TCustomForm* over = nullptr;
    if (position_ == poOwnerFormCenter) {
        over = dynamic_cast<TCustomForm*>(GetOwner());
        if (!over)
            if (auto* control = dynamic_cast<TControl*>(GetOwner())) over = GetParentForm(control);
    }
    if ((position_ == poOwnerFormCenter && (!over || !over->GetVisible())) || position_ == poMainFormCenter)
        over = Application->GetMainForm();
    if (over && !over->GetVisible()) over = nullptr;
    const TRect area = over ? over->GetBoundsRect() : Rect(0, 0, Screen->GetWidth(), Screen->GetHeight());
    Box->SetPosition(poDesigned);
    Box->SetBounds(std::max(0, area.Left + (area.Width() - Box->GetWidth()) / 2),
                   std::max(0, area.Top + (area.Height() - Box->GetHeight()) / 2), Box->GetWidth(),
                   Box->GetHeight());
}
