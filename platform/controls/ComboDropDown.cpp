// The combo box's open list: its rows, its scroll bar and the mouse it holds.
#include "platform/controls/ComboDropDown.h"

#include <algorithm>

#include "platform/controls/ClassicLook.h"

namespace {

constexpr int kBorder = 1;
constexpr int kWheelRows = 3;

}  // namespace

TComboDropDown::TComboDropDown(TComboBox* Combo) : TCustomForm(Combo), combo_(Combo), scrollBar_(new TScrollBar(this)) {
    SetBorderStyle(bsNone);
    // The combo box keeps the focus and its window the activation.
    SetActivateOnShow(false);
    SetColor(clWindow);
    scrollBar_->SetKind(sbVertical);
    scrollBar_->SetTabStop(false);
    scrollBar_->SetParent(this);
    scrollBar_->OnChange = TNotifyEvent([this](TObject*) { ScrollTo(scrollBar_->GetPosition()); });
}

void TComboDropDown::Open() {
    const int count = combo_->GetItems()->GetCount();
    rows_ = std::clamp(count, 1, combo_->GetDropDownCount());
    // Measured once per opening: every mouse move over the list needs it.
    TBitmap measure;
    measure.GetCanvas()->SetFont(combo_->GetFont());
    itemHeight_ = measure.GetCanvas()->TextHeight("Wg") + 2;
    const int height = rows_ * itemHeight_ + 2 * kBorder;
    const TPoint below = combo_->ClientToScreen({0, combo_->GetHeight()});
    int top = below.y;
    if (top + height > Screen->GetHeight()) top = std::max(0, combo_->ClientToScreen({0, 0}).y - height);
    SetFont(combo_->GetFont());
    SetBounds(below.x, top, combo_->GetWidth(), height);
    const bool scrolls = count > rows_;
    scrollBar_->SetVisible(scrolls);
    if (scrolls) {
        const int width = 16;
        scrollBar_->SetBounds(GetWidth() - kBorder - width, kBorder, width, height - 2 * kBorder);
        scrollBar_->SetParams(0, 0, count - rows_);
        scrollBar_->SetLargeChange(rows_);
    }
    top_ = 0;
    marked_ = -1;
    Mark(combo_->GetItemIndex());
    Show();
    SetCaptureControl(this);
}

void TComboDropDown::Shut() {
    scrollBarHeld_ = false;
    if (GetCaptureControl() == this) SetCaptureControl(nullptr);
    Hide();
}

void TComboDropDown::ScrollTo(int Top) {
    Top = std::clamp(Top, 0, std::max(0, combo_->GetItems()->GetCount() - rows_));
    if (Top == top_) return;
    top_ = Top;
    scrollBar_->SetPosition(Top);
    Invalidate();
}

void TComboDropDown::Mark(int Index) {
    const int count = combo_->GetItems()->GetCount();
    if (Index < -1 || Index >= count) Index = -1;
    if (Index >= 0 && Index < top_) ScrollTo(Index);
    if (Index >= top_ + rows_) ScrollTo(Index - rows_ + 1);
    if (Index == marked_) return;
    marked_ = Index;
    Invalidate();
}

int TComboDropDown::ItemAt(int X, int Y) const {
    const int right = scrollBar_->GetVisible() ? scrollBar_->GetLeft() : GetWidth() - kBorder;
    if (X < kBorder || X >= right || Y < kBorder || Y >= GetHeight() - kBorder) return -1;
    const int index = top_ + (Y - kBorder) / itemHeight_;
    return index < combo_->GetItems()->GetCount() ? index : -1;
}

void TComboDropDown::Paint() {
    TCanvas* canvas = GetCanvas();
    canvas->GetBrush()->SetColor(clWindowFrame);
    canvas->FrameRect(GetClientRect());
    canvas->SetFont(GetFont());
    const int right = scrollBar_->GetVisible() ? scrollBar_->GetLeft() : GetWidth() - kBorder;
    for (int row = 0; row < rows_ && top_ + row < combo_->GetItems()->GetCount(); ++row) {
        const int index = top_ + row;
        const TRect r(kBorder, kBorder + row * itemHeight_, right, kBorder + (row + 1) * itemHeight_);
        ClassicItemText(canvas, r, combo_->GetItems()->GetStrings(index), index == marked_, true);
    }
}

void TComboDropDown::HoldMouse() {
    if (GetVisible()) SetCaptureControl(this);
}

void TComboDropDown::PassToScrollBar(Cardinal Msg, WPARAM Keys, int X, int Y) {
    std::weak_ptr<char> alive = AliveToken();
    scrollBar_->Perform(Msg, Keys, MakeMousePos(X - scrollBar_->GetLeft(), Y - scrollBar_->GetTop()));
    if (!alive.expired()) HoldMouse();
}

void TComboDropDown::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomForm::MouseDown(Button, Shift, X, Y);
    // A press anywhere but on the list closes it; so does the combo box's window going away.
    if (!combo_->GetShowing() || !GetClientRect().Contains({X, Y})) {
        combo_->CloseUp(false);
        return;
    }
    if (Button == mbLeft && scrollBar_->GetVisible() && scrollBar_->GetBoundsRect().Contains({X, Y})) {
        scrollBarHeld_ = true;
        PassToScrollBar(WM_LBUTTONDOWN, MK_LBUTTON, X, Y);
        return;
    }
    Mark(ItemAt(X, Y));
}

void TComboDropDown::MouseMove(TShiftState Shift, int X, int Y) {
    TCustomForm::MouseMove(Shift, X, Y);
    if (scrollBarHeld_) PassToScrollBar(WM_MOUSEMOVE, MK_LBUTTON, X, Y);
    else if (const int item = ItemAt(X, Y); item >= 0) Mark(item);
}

void TComboDropDown::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomForm::MouseUp(Button, Shift, X, Y);
    if (scrollBarHeld_ && Button == mbLeft) {
        scrollBarHeld_ = false;
        PassToScrollBar(WM_LBUTTONUP, 0, X, Y);
        return;
    }
    // The release over a row chooses it; the release of the press that opened the list lands elsewhere.
    if (Button == mbLeft && ItemAt(X, Y) >= 0) {
        combo_->CloseUp(true);
        return;
    }
    HoldMouse();
}

bool TComboDropDown::DoMouseWheelDown(TShiftState, TPoint) {
    ScrollTo(top_ + kWheelRows);
    return true;
}

bool TComboDropDown::DoMouseWheelUp(TShiftState, TPoint) {
    ScrollTo(top_ - kWheelRows);
    return true;
}
