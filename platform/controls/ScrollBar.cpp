// The scroll bar: its parts along the bar, stepping and paging that repeat
// while held, the thumb drag and the keys.
#include <algorithm>

#include "platform/controls/ClassicLook.h"
#include "platform/controls/StdCtrls.h"
#include "platform/runtime/SysUtils.h"

namespace {
constexpr Cardinal kFirstRepeatMs = 400, kRepeatMs = 100;
constexpr int kMinThumb = 8;
}  // namespace

TScrollBar::TScrollBar(TComponent* AOwner) : TCustomControl(AOwner), repeat_(new TTimer(this)) {
    SetControlStyle(GetControlStyle() >> csClickEvents >> csDoubleClicks);
    SetTabStop(true);
    repeat_->SetEnabled(false);
    repeat_->OnTimer = TNotifyEvent(this, &TScrollBar::Repeat);
    SetBounds(0, 0, 121, 17);
}

void TScrollBar::SetKind(TScrollBarKind Value) {
    if (kind_ == Value) return;
    kind_ = Value;
    SetBounds(GetLeft(), GetTop(), GetHeight(), GetWidth());
}

void TScrollBar::SetParams(int APosition, int AMin, int AMax) {
    if (AMax < AMin) throw EInvalidOperation("Scroll bar property out of range");
    APosition = std::clamp(APosition, AMin, AMax);
    const bool moved = APosition != position_;
    if (!moved && AMin == min_ && AMax == max_) return;
    min_ = AMin;
    max_ = AMax;
    position_ = APosition;
    Invalidate();
    if (moved && OnChange) OnChange(this);
}

int TScrollBar::ArrowLength() const { return std::min(Thickness(), Length() / 2); }

int TScrollBar::ThumbLength() const {
    const int track = Length() - 2 * ArrowLength();
    const int thumb = std::max(kMinThumb, Thickness());
    return track >= thumb ? thumb : 0;
}

int TScrollBar::ThumbStart() const {
    const int room = Length() - 2 * ArrowLength() - ThumbLength();
    const int range = max_ - min_;
    return ArrowLength() + (range > 0 ? MulDiv(room, position_ - min_, range) : 0);
}

TRect TScrollBar::Span(int From, int To) const {
    return kind_ == sbHorizontal ? Rect(From, 0, To, GetHeight()) : Rect(0, From, GetWidth(), To);
}

TScrollBar::TPart TScrollBar::PartAt(int X, int Y) const {
    if (!GetClientRect().Contains({X, Y})) return spNone;
    const int at = Along(X, Y), arrow = ArrowLength(), start = ThumbStart(), thumb = ThumbLength();
    if (at < arrow) return spLineUp;
    if (at >= Length() - arrow) return spLineDown;
    if (thumb == 0) return at < Length() / 2 ? spPageUp : spPageDown;
    if (at < start) return spPageUp;
    if (at < start + thumb) return spThumb;
    return spPageDown;
}

void TScrollBar::Paint() {
    TCanvas* canvas = GetCanvas();
    const int arrow = ArrowLength(), length = Length(), start = ThumbStart(), thumb = ThumbLength();
    const bool horizontal = kind_ == sbHorizontal;
    TRect track = Span(arrow, length - arrow);
    ClassicFill(canvas, track, cl3DLight);
    if (pressed_ == spPageUp || pressed_ == spPageDown) {
        // The part being paged through shows dark while held.
        const TRect paged = pressed_ == spPageUp ? Span(arrow, start) : Span(start + thumb, length - arrow);
        if (PartAt(mouse_.x, mouse_.y) == pressed_) ClassicFill(canvas, paged, cl3DDkShadow);
    }
    const struct {
        TPart part;
        TRect rect;
        TClassicArrow glyph;
    } arrows[] = {{spLineUp, Span(0, arrow), horizontal ? arLeft : arUp},
                  {spLineDown, Span(length - arrow, length), horizontal ? arRight : arDown}};
    for (const auto& a : arrows) {
        TRect face = a.rect;
        ClassicButtonFace(canvas, face, pressed_ == a.part && PartAt(mouse_.x, mouse_.y) == a.part);
        ClassicArrow(canvas, face, a.glyph, GetEnabled() && max_ > min_);
    }
    if (thumb == 0 || !GetEnabled() || max_ == min_) return;
    TRect face = Span(start, start + thumb);
    ClassicButtonFace(canvas, face, false);
    if (Focused()) {
        InflateRect(face, -1, -1);
        ClassicFocusRect(canvas, face);
    }
}

void TScrollBar::StepPressedPart() {
    switch (pressed_) {
    case spLineUp: SetPosition(position_ - smallChange_); break;
    case spLineDown: SetPosition(position_ + smallChange_); break;
    case spPageUp:
        // Paging stops once the thumb has reached the mouse.
        if (PartAt(mouse_.x, mouse_.y) == spPageUp) SetPosition(position_ - largeChange_);
        break;
    case spPageDown:
        if (PartAt(mouse_.x, mouse_.y) == spPageDown) SetPosition(position_ + largeChange_);
        break;
    default: break;
    }
}

void TScrollBar::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft || !GetEnabled()) return;
    // A bar that is a tab stop takes the focus; one serving a list leaves it where it is.
    if (GetTabStop() && CanFocus() && !Focused()) SetFocus();
    mouse_ = {X, Y};
    pressed_ = PartAt(X, Y);
    if (pressed_ == spThumb) {
        grab_ = Along(X, Y) - ThumbStart();
    } else if (pressed_ != spNone) {
        StepPressedPart();
        repeat_->SetInterval(kFirstRepeatMs);
        repeat_->SetEnabled(true);
    }
    Invalidate();
}

void TScrollBar::MouseMove(TShiftState Shift, int X, int Y) {
    mouse_ = {X, Y};
    if (pressed_ == spThumb) {
        const int room = Length() - 2 * ArrowLength() - ThumbLength();
        const int offset = Along(X, Y) - grab_ - ArrowLength();
        if (room > 0) SetPosition(min_ + MulDiv(std::clamp(offset, 0, room), max_ - min_, room));
    } else if (pressed_ != spNone) {
        Invalidate();
    }
    TCustomControl::MouseMove(Shift, X, Y);
}

void TScrollBar::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button == mbLeft) {
        pressed_ = spNone;
        repeat_->SetEnabled(false);
        Invalidate();
    }
    TCustomControl::MouseUp(Button, Shift, X, Y);
}

void TScrollBar::Repeat(TObject*) {
    repeat_->SetInterval(kRepeatMs);
    StepPressedPart();
}

void TScrollBar::KeyDown(Word& Key, TShiftState Shift) {
    TCustomControl::KeyDown(Key, Shift);
    switch (Key) {
    case VK_LEFT: case VK_UP: SetPosition(position_ - smallChange_); break;
    case VK_RIGHT: case VK_DOWN: SetPosition(position_ + smallChange_); break;
    case VK_PRIOR: SetPosition(position_ - largeChange_); break;
    case VK_NEXT: SetPosition(position_ + largeChange_); break;
    case VK_HOME: SetPosition(min_); break;
    case VK_END: SetPosition(max_); break;
    default: break;
    }
}

void TScrollBar::DoEnter() {
    Invalidate();
    TCustomControl::DoEnter();
}

void TScrollBar::DoExit() {
    Invalidate();
    TCustomControl::DoExit();
}

void TScrollBar::Dispatch(TMessage& Message) {
    if (Message.Msg == WM_GETDLGCODE) {
        Message.Result = DLGC_WANTARROWS;
        return;
    }
    TCustomControl::Dispatch(Message);
}
