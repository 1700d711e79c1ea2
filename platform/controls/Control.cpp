// TControl: bounds, appearance properties and the inherited parts of font
// and colour.
#include <algorithm>

#include "platform/controls/Controls.h"
#include "platform/host/WindowSurface.h"

TControl::TControl(TComponent* AOwner) : TComponent(AOwner), font_(new TFont) {
    WindowProc = TWndMethod(this, &TControl::WndProc);
    font_->OnChange = [this](TObject*) { FontChanged(); };
}

TControl::~TControl() {
    TComponent::Destroying();
    ControlRouting::Forget(this);
    if (parent_) parent_->RemoveControl(this);
    delete font_;
}

void TControl::SetParent(TWinControl* AParent) {
    if (parent_ == AParent) return;
    if (static_cast<TControl*>(AParent) == this) throw EInvalidOperation("A control cannot have itself as its parent");
    if (parent_) parent_->RemoveControl(this);
    if (AParent) AParent->InsertControl(this);
}

void TControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    AWidth = std::max(0, AWidth);
    AHeight = std::max(0, AHeight);
    if (ALeft == left_ && ATop == top_ && AWidth == width_ && AHeight == height_) return;
    Invalidate();  // the old place
    left_ = ALeft;
    top_ = ATop;
    width_ = AWidth;
    height_ = AHeight;
    BoundsChanged();
    RequestAlign();
}

void TControl::BoundsChanged() { Invalidate(); }

void TControl::SetAlign(TAlign Value) {
    if (align_ == Value) return;
    align_ = Value;
    RequestAlign();
}

void TControl::RequestAlign() {
    if (parent_) parent_->AlignControl(this);
}

TPoint TControl::GetClientOrigin() const {
    if (!parent_) return {left_, top_};
    TPoint origin = parent_->GetClientOrigin();
    return {origin.x + left_, origin.y + top_};
}

TPoint TControl::ClientToScreen(const TPoint& Point) const {
    TPoint origin = GetClientOrigin();
    return {origin.x + Point.x, origin.y + Point.y};
}

TPoint TControl::ScreenToClient(const TPoint& Point) const {
    TPoint origin = GetClientOrigin();
    return {Point.x - origin.x, Point.y - origin.y};
}

void TControl::SetVisible(bool Value) {
    if (visible_ == Value) return;
    if (!Value) Invalidate();  // the parent shows what was under a graphic control
    visible_ = Value;
    Perform(CM_VISIBLECHANGED, Value, 0);
    RequestAlign();
}

void TControl::VisibleChanged() { Invalidate(); }

void TControl::SetEnabled(bool Value) {
    if (enabled_ == Value) return;
    enabled_ = Value;
    Perform(CM_ENABLEDCHANGED, 0, 0);
}

void TControl::SetColor(TColor Value) {
    if (color_ == Value) return;
    color_ = Value;
    parentColor_ = false;
    Perform(CM_COLORCHANGED, 0, 0);
}

void TControl::SetParentColor(bool Value) {
    if (parentColor_ == Value) return;
    parentColor_ = Value;
    if (Value) ParentColorChanged();
}

void TControl::ParentColorChanged() {
    if (!parentColor_ || !parent_ || color_ == parent_->color_) return;
    color_ = parent_->color_;
    Perform(CM_COLORCHANGED, 0, 0);
}

void TControl::SetParentFont(bool Value) {
    if (parentFont_ == Value) return;
    parentFont_ = Value;
    if (Value) ParentFontChanged();
}

void TControl::ParentFontChanged() {
    if (!parentFont_ || !parent_) return;
    takingParentFont_ = true;
    try {
        font_->Assign(parent_->font_);
    } catch (...) {
        takingParentFont_ = false;
        throw;
    }
    takingParentFont_ = false;
}

void TControl::FontChanged() {
    if (!takingParentFont_) parentFont_ = false;
    Perform(CM_FONTCHANGED, 0, 0);
}

void TControl::SetCursor(TCursor Value) {
    if (cursor_ == Value) return;
    cursor_ = Value;
    Perform(CM_CURSORCHANGED, 0, 0);
}

void TControl::SetText(const AnsiString& Value) {
    if (text_ == Value) return;
    text_ = Value;
    Perform(CM_TEXTCHANGED, 0, 0);
}

void TControl::SetName(const AnsiString& NewName) {
    AnsiString oldName = GetName();
    bool follow = controlStyle_.Contains(csSetCaption) && text_ == oldName &&
                  !GetComponentState().Contains(csLoading);
    TComponent::SetName(NewName);
    if (follow) SetText(NewName);
}

void TControl::Invalidate() {
    if (parent_ && visible_) parent_->Invalidate();
}

void TControl::Repaint() {
    if (parent_ && visible_) parent_->Repaint();
}

void TControl::Update() {
    if (parent_) parent_->Update();
}

bool TControl::GetMouseCapture() const { return GetCaptureControl() == this; }

void TControl::SetMouseCapture(bool Value) {
    if (Value) SetCaptureControl(this);
    else if (GetMouseCapture()) SetCaptureControl(nullptr);
}

LRESULT TControl::Perform(Cardinal Msg, WPARAM WParam, LPARAM LParam) {
    TMessage message{Msg, WParam, LParam, 0};
    if (WindowProc) WindowProc(message);
    else WndProc(message);
    return message.Result;
}

void TControl::WndProc(TMessage& Message) { Dispatch(Message); }

void TControl::DefaultHandler(TMessage& Message) { Message.Result = 0; }

void TControl::Dispatch(TMessage& Message) {
    switch (Message.Msg) {
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN: case WM_LBUTTONUP: case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN: case WM_RBUTTONUP: case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN: case WM_MBUTTONUP: case WM_MBUTTONDBLCLK:
        MouseMessage(Message);
        break;
    case WM_MOUSEWHEEL: WheelMessage(Message); break;
    case CM_MOUSEENTER: MouseEnter(); break;
    case CM_MOUSELEAVE: MouseLeave(); break;
    case CM_ENABLEDCHANGED:
    case CM_TEXTCHANGED:
    case CM_COLORCHANGED:
    case CM_FONTCHANGED:
        Invalidate();
        break;
    case CM_PARENTFONTCHANGED: ParentFontChanged(); break;
    case CM_PARENTCOLORCHANGED: ParentColorChanged(); break;
    case CM_VISIBLECHANGED: VisibleChanged(); break;
    case CM_CURSORCHANGED: ControlRouting::RefreshCursor(); break;
    default: DefaultHandler(Message); break;
    }
}
