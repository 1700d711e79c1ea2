#include "skin/controls/SeScrollBar.h"

#include <algorithm>

#include "skin/controls/SeShared.h"

namespace {
constexpr Cardinal FirstRepeatDelay = 300, RepeatInterval = 100;
constexpr int MinThumbLength = 8;
}  // namespace

TSeCustomScrollBar::TSeCustomScrollBar(TComponent* AOwner) : TSeCustomControl(AOwner), repeat_(new TTimer(this)) {
    SetColor(clBtnFace);
    SetBounds(GetLeft(), GetTop(), 121, 16);
    repeat_->SetEnabled(false);
    repeat_->OnTimer = TNotifyEvent(this, &TSeCustomScrollBar::RepeatTimer);
}

void TSeCustomScrollBar::SetKind(TScrollBarKind Value) {
    if (Value == kind_) return;
    kind_ = Value;
    SetBounds(GetLeft(), GetTop(), GetHeight(), GetWidth());
    Invalidate();
}

void TSeCustomScrollBar::SetParams(int APosition, int AMin, int AMax) {
    if (AMax < AMin) throw EInvalidOperation("Scroll bar property out of range");
    bool rangeChanged = AMin != min_ || AMax != max_;
    min_ = AMin;
    max_ = AMax;
    int position = std::clamp(APosition, min_, MaxPosition());
    if (rangeChanged) Invalidate();
    if (position == position_) return;
    position_ = position;
    Invalidate();
    if (OnChange) OnChange(this);
}

void TSeCustomScrollBar::SetPageSize(int Value) {
    Value = std::clamp(Value, 0, max_ - min_ + 1);
    if (Value == pageSize_) return;
    pageSize_ = Value;
    Invalidate();
    SetPosition(position_);
}

int TSeCustomScrollBar::ArrowSize() const {
    int thickness = kind_ == sbHorizontal ? GetHeight() : GetWidth();
    return std::min(thickness, Length() / 2);
}

int TSeCustomScrollBar::ThumbLength() const {
    int track = Length() - 2 * ArrowSize();
    int thickness = kind_ == sbHorizontal ? GetHeight() : GetWidth();
    int length = pageSize_ > 0 ? static_cast<int>(static_cast<long long>(track) * pageSize_ / (max_ - min_ + 1))
                               : thickness;
    return std::min(track, std::max(length, MinThumbLength));
}

int TSeCustomScrollBar::ThumbStart() const {
    int free = Length() - 2 * ArrowSize() - ThumbLength();
    int span = MaxPosition() - min_;
    if (span <= 0 || free <= 0) return ArrowSize();
    return ArrowSize() + static_cast<int>(static_cast<long long>(free) * (position_ - min_) / span);
}

TRect TSeCustomScrollBar::PartRect(TPart Part) const {
    int a = ArrowSize(), l = Length(), t0 = ThumbStart(), t1 = t0 + ThumbLength();
    int from = 0, to = 0;
    switch (Part) {
    case spNone: return TRect();
    case spLineUp: from = 0, to = a; break;
    case spPageUp: from = a, to = t0; break;
    case spThumb: from = t0, to = t1; break;
    case spPageDown: from = t1, to = l - a; break;
    case spLineDown: from = l - a, to = l; break;
    }
    return kind_ == sbHorizontal ? Rect(from, 0, to, GetHeight()) : Rect(0, from, GetWidth(), to);
}

TSeCustomScrollBar::TPart TSeCustomScrollBar::PartAt(int X, int Y) const {
    for (TPart part : {spLineUp, spThumb, spLineDown, spPageUp, spPageDown})
        if (PartRect(part).Contains({X, Y})) return part;
    return spNone;
}

void TSeCustomScrollBar::PaintControl(TCanvas* Canvas, const TRect&) {
    bool enabled = GetEnabled() && MaxPosition() > min_;
    TColor arrow = enabled ? clBtnText : clGrayText;
    for (TPart part : {spPageUp, spPageDown}) {
        Canvas->GetBrush()->SetColor(pressedPart_ == part ? cl3DDkShadow : cl3DLight);
        Canvas->FillRect(PartRect(part));
    }
    for (TPart part : {spLineUp, spLineDown}) {
        TRect r = PartRect(part);
        DrawButtonFace(Canvas, r, pressedPart_ == part ? kssPressed : kssNormal, false, false);
        bool up = part == spLineUp;
        DrawArrow(Canvas, r, kind_ == sbHorizontal ? (up ? kakLeft : kakRight) : (up ? kakUp : kakDown), arrow);
    }
    if (enabled) {
        TRect thumb = PartRect(spThumb);
        DrawButtonFace(Canvas, thumb, kssNormal, false, false);
    }
}

void TSeCustomScrollBar::Scroll(TScrollCode ScrollCode, int ScrollPos) {
    ScrollPos = std::clamp(ScrollPos, min_, MaxPosition());
    std::weak_ptr<char> alive = AliveToken();
    if (OnScroll) OnScroll(this, ScrollCode, ScrollPos);
    if (!alive.expired()) SetPosition(ScrollPos);
}

bool TSeCustomScrollBar::Step() {
    switch (pressedPart_) {
    case spLineUp: Scroll(scLineUp, position_ - smallChange_); return true;
    case spLineDown: Scroll(scLineDown, position_ + smallChange_); return true;
    case spPageUp:
    case spPageDown: {
        // Paging stops once the thumb has reached the mouse.
        if (PartAt(mouse_.x, mouse_.y) != pressedPart_) return false;
        bool up = pressedPart_ == spPageUp;
        Scroll(up ? scPageUp : scPageDown, position_ + (up ? -largeChange_ : largeChange_));
        return true;
    }
    default: return false;
    }
}

void TSeCustomScrollBar::RepeatTimer(TObject*) {
    repeat_->SetInterval(RepeatInterval);
    // Arrows repeat only while the mouse is still over the arrow pressed.
    TPart under = PartAt(mouse_.x, mouse_.y);
    if ((pressedPart_ == spLineUp || pressedPart_ == spLineDown) && under != pressedPart_) return;
    Step();
}

void TSeCustomScrollBar::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TSeCustomControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft || !GetEnabled()) return;
    mouse_ = {X, Y};
    pressedPart_ = PartAt(X, Y);
    if (pressedPart_ == spThumb) {
        dragOffset_ = Along(X, Y) - ThumbStart();
        return;
    }
    Invalidate();
    if (!Step()) return;
    repeat_->SetInterval(FirstRepeatDelay);
    repeat_->SetEnabled(true);
}

void TSeCustomScrollBar::MouseMove(TShiftState Shift, int X, int Y) {
    TSeCustomControl::MouseMove(Shift, X, Y);
    mouse_ = {X, Y};
    if (pressedPart_ != spThumb) return;
    int free = Length() - 2 * ArrowSize() - ThumbLength();
    int span = MaxPosition() - min_;
    if (free <= 0 || span <= 0) return;
    int offset = std::clamp(Along(X, Y) - dragOffset_ - ArrowSize(), 0, free);
    // Rounded to the nearest position, so the thumb lands where it is dropped.
    int position = min_ + static_cast<int>((static_cast<long long>(offset) * span + free / 2) / free);
    if (position != position_) Scroll(scTrack, position);
}

void TSeCustomScrollBar::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button == mbLeft && pressedPart_ != spNone) {
        repeat_->SetEnabled(false);
        bool dragged = pressedPart_ == spThumb;
        pressedPart_ = spNone;
        Invalidate();
        std::weak_ptr<char> alive = AliveToken();
        if (dragged) Scroll(scPosition, position_);
        if (!alive.expired()) Scroll(scEndScroll, position_);
        if (alive.expired()) return;
    }
    TSeCustomControl::MouseUp(Button, Shift, X, Y);
}

bool TSeCustomScrollBar::DoMouseWheelDown(TShiftState Shift, TPoint MousePos) {
    if (TSeCustomControl::DoMouseWheelDown(Shift, MousePos)) return true;
    Scroll(scLineDown, position_ + smallChange_);
    return true;
}

bool TSeCustomScrollBar::DoMouseWheelUp(TShiftState Shift, TPoint MousePos) {
    if (TSeCustomControl::DoMouseWheelUp(Shift, MousePos)) return true;
    Scroll(scLineUp, position_ - smallChange_);
    return true;
}
