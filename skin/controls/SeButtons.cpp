#include "skin/controls/SeButtons.h"

#include "skin/controls/SeShared.h"

void DrawButtonContent(TCanvas* Canvas, const TRect& R, const AnsiString& Caption, TBitmap* Glyph, bool Enabled) {
    int glyphWidth = Glyph && !Glyph->GetEmpty() ? Glyph->GetWidth() : 0;
    TSize text = Caption.IsEmpty() ? TSize{0, 0} : Canvas->TextExtent(Caption);
    int gap = glyphWidth && text.cx ? 4 : 0;
    int x = R.Left + (R.Width() - glyphWidth - gap - text.cx) / 2;
    if (glyphWidth) DrawGlyph(Canvas, x, R.Top + (R.Height() - Glyph->GetHeight()) / 2, Glyph, Enabled);
    if (!text.cx) return;
    x += glyphWidth + gap;
    int y = R.Top + (R.Height() - text.cy) / 2;
    if (!Enabled) {
        DrawGrayText(Canvas, x, y, Caption);
        return;
    }
    Canvas->GetBrush()->SetStyle(bsClear);
    Canvas->TextOut(x, y, Caption);
}

// ---- TSeCustomButton -----------------------------------------------------

TSeCustomButton::TSeCustomButton(TComponent* AOwner) : TSeCustomControl(AOwner) {
    SetTabStop(true);
    SetColor(clBtnFace);
    SetBounds(GetLeft(), GetTop(), 75, 25);
}

void TSeCustomButton::SetDefault(bool Value) {
    if (Value == default_) return;
    default_ = Value;
    Invalidate();
}

void TSeCustomButton::Click() {
    // The form learns the result first, so OnClick may still change it.
    if (modalResult_ != mrNone)
        if (TCustomForm* form = GetParentForm(this)) form->SetModalResult(modalResult_);
    TSeCustomControl::Click();
}

TSeState TSeCustomButton::GetDrawState() const {
    if (GetEnabled() && spaceDown_) return kssPressed;
    return TSeCustomControl::GetDrawState();
}

void TSeCustomButton::PaintControl(TCanvas* Canvas, const TRect& Rect) {
    TRect face = Rect;
    DrawButtonFace(Canvas, face, GetDrawState(), default_ && GetEnabled(), Focused());
    DrawButtonContent(Canvas, face, GetCaption(), nullptr, GetEnabled());
}

void TSeCustomButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    // A pressed button takes the focus, as a person expects.
    if (Button == mbLeft && CanFocus() && !Focused()) SetFocus();
    TSeCustomControl::MouseDown(Button, Shift, X, Y);
}

void TSeCustomButton::KeyDown(Word& Key, TShiftState Shift) {
    if (Key == VK_SPACE && !spaceDown_) {
        spaceDown_ = true;
        Invalidate();
    }
    TSeCustomControl::KeyDown(Key, Shift);
}

void TSeCustomButton::KeyUp(Word& Key, TShiftState Shift) {
    bool click = Key == VK_SPACE && spaceDown_;
    if (click) {
        spaceDown_ = false;
        Invalidate();
    }
    std::weak_ptr<char> alive = AliveToken();
    TSeCustomControl::KeyUp(Key, Shift);
    if (click && !alive.expired()) Click();
}

void TSeCustomButton::DoEnter() {
    Invalidate();
    TSeCustomControl::DoEnter();
}

void TSeCustomButton::DoExit() {
    spaceDown_ = false;
    Invalidate();
    TSeCustomControl::DoExit();
}

void TSeCustomButton::Dispatch(TMessage& Message) {
    if (Message.Msg == CM_DIALOGKEY && GetEnabled() && GetVisible()) {
        TCustomForm* form = GetParentForm(this);
        // Enter belongs to a focused button first, then to the default one.
        bool otherFocused = form && form->GetActiveControl() != this &&
                            dynamic_cast<TSeCustomButton*>(form->GetActiveControl());
        bool take = (Message.WParam == VK_RETURN && (Focused() || (default_ && !otherFocused))) ||
                    (Message.WParam == VK_ESCAPE && cancel_);
        if (take) {
            Message.Result = 1;
            Click();
            return;
        }
    }
    TSeCustomControl::Dispatch(Message);
}

// ---- TSeCustomSpeedButton ------------------------------------------------

TSeCustomSpeedButton::TSeCustomSpeedButton(TComponent* AOwner)
    : TSeGraphicControl(AOwner), glyph_(new TBitmap) {
    // Clicks come from MouseUp, after the group has been updated.
    SetControlStyle(GetControlStyle() >> csClickEvents >> csDoubleClicks);
    SetColor(clBtnFace);
    SetBounds(GetLeft(), GetTop(), 23, 22);
    glyph_->OnChange = TNotifyEvent([this](TObject*) { Invalidate(); });
}

TSeCustomSpeedButton::~TSeCustomSpeedButton() { delete glyph_; }

void TSeCustomSpeedButton::Click() {
    if (OnClick) OnClick(this);
}

void TSeCustomSpeedButton::SetFlat(bool Value) {
    if (Value == flat_) return;
    flat_ = Value;
    Invalidate();
}

void TSeCustomSpeedButton::SetGlyph(TBitmap* Value) {
    glyph_->Assign(Value);
    Invalidate();
}

void TSeCustomSpeedButton::SetGroupIndex(int Value) {
    if (Value == groupIndex_) return;
    groupIndex_ = Value;
    if (groupIndex_ == 0) SetDown(false);
}

template <class Visit>
void TSeCustomSpeedButton::ForGroup(Visit visit) {
    TWinControl* parent = GetParent();
    if (!parent || groupIndex_ == 0) return;
    for (int i = 0; i < parent->GetControlCount(); ++i) {
        auto* other = dynamic_cast<TSeCustomSpeedButton*>(parent->GetControls(i));
        if (other && other != this && other->groupIndex_ == groupIndex_) visit(other);
    }
}

void TSeCustomSpeedButton::SetDown(bool Value) {
    if (groupIndex_ == 0) Value = false;
    if (Value == down_) return;
    // The last button down in a group stays down unless all may be up.
    if (!Value && !allowAllUp_) return;
    down_ = Value;
    Invalidate();
    if (down_)
        ForGroup([](TSeCustomSpeedButton* other) {
            if (other->down_) {
                other->down_ = false;
                other->Invalidate();
            }
        });
}

void TSeCustomSpeedButton::SetAllowAllUp(bool Value) {
    allowAllUp_ = Value;
    ForGroup([Value](TSeCustomSpeedButton* other) { other->allowAllUp_ = Value; });
}

void TSeCustomSpeedButton::PaintControl(TCanvas* Canvas, const TRect& Rect) {
    TRect face = Rect;
    TSeState state = GetDrawState();
    if (flat_) DrawFlatButtonFace(Canvas, face, state, down_);
    else DrawButtonFace(Canvas, face, down_ ? kssPressed : state, false, false);
    Canvas->SetFont(GetFont());
    DrawButtonContent(Canvas, face, GetCaption(), glyph_, GetEnabled());
}

void TSeCustomSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    bool click = Button == mbLeft && GetPressed() && GetEnabled() && GetClientRect().Contains({X, Y});
    std::weak_ptr<char> alive = AliveToken();
    TSeGraphicControl::MouseUp(Button, Shift, X, Y);
    if (!click || alive.expired()) return;
    if (groupIndex_ != 0) SetDown(!down_);
    Click();
}
