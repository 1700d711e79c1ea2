#include "platform/controls/ComboDropDown.h"

#include <algorithm>

#include "platform/controls/ClassicLook.h"

namespace {

constexpr int kBorder = 1;
constexpr int kWheelRows = 3;

bool IsPress(Cardinal Msg) {
    return Msg == WM_LBUTTONDOWN || Msg == WM_LBUTTONDBLCLK || Msg == WM_RBUTTONDOWN || Msg == WM_RBUTTONDBLCLK ||
           Msg == WM_MBUTTONDOWN || Msg == WM_MBUTTONDBLCLK;
}

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

int TComboDropDown::ItemHeight() const {
    TBitmap measure;
    measure.GetCanvas()->SetFont(combo_->GetFont());
    return measure.GetCanvas()->TextHeight("Wg") + 2;
}

void TComboDropDown::Open() {
    const int count = combo_->GetItems()->GetCount();
    rows_ = std::clamp(count, 1, combo_->GetDropDownCount());
    const int height = rows_ * ItemHeight() + 2 * kBorder;
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
    scrollBarPressed_ = false;
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

int TComboDropDown::ItemAt(const TPoint& Pos) const {
    const int right = scrollBar_->GetVisible() ? scrollBar_->GetLeft() : GetWidth() - kBorder;
    if (Pos.x < kBorder || Pos.x >= right || Pos.y < kBorder || Pos.y >= GetHeight() - kBorder) return -1;
    const int index = top_ + (Pos.y - kBorder) / ItemHeight();
    return index < combo_->GetItems()->GetCount() ? index : -1;
}

void TComboDropDown::Paint() {
    TCanvas* canvas = GetCanvas();
    canvas->GetBrush()->SetColor(clWindowFrame);
    canvas->FrameRect(GetClientRect());
    canvas->SetFont(GetFont());
    const int itemHeight = ItemHeight();
    const int right = scrollBar_->GetVisible() ? scrollBar_->GetLeft() : GetWidth() - kBorder;
    for (int row = 0; row < rows_ && top_ + row < combo_->GetItems()->GetCount(); ++row) {
        const int index = top_ + row;
        const TRect r(kBorder, kBorder + row * itemHeight, right, kBorder + (row + 1) * itemHeight);
        const bool marked = index == marked_;
        ClassicFill(canvas, r, marked ? clHighlight : clWindow);
        canvas->GetFont()->SetColor(marked ? clHighlightText : clWindowText);
        canvas->GetBrush()->SetStyle(bsClear);
        canvas->TextRect(r, r.Left + 2, r.Top + 1, combo_->GetItems()->GetStrings(index));
    }
}

void TComboDropDown::Mouse(TMessage& Message) {
    const TPoint pos(MousePosX(Message.LParam), MousePosY(Message.LParam));
    std::weak_ptr<char> alive = AliveToken();
    if (!combo_->GetShowing()) {
        // The combo box's window went away under the open list.
        combo_->CloseUp(false);
        return;
    }
    const bool press = IsPress(Message.Msg);
    const bool onScrollBar = scrollBar_->GetVisible() && scrollBar_->GetBoundsRect().Contains(pos);
    if (scrollBarPressed_ || (press && onScrollBar)) {
        // The bar gets the press, the moves and the release as if it had the mouse itself.
        const bool release = Message.Msg == WM_LBUTTONUP || Message.Msg == WM_RBUTTONUP || Message.Msg == WM_MBUTTONUP;
        scrollBarPressed_ = !release;
        scrollBar_->Perform(Message.Msg, Message.WParam, MakeMousePos(pos.x - scrollBar_->GetLeft(), pos.y - scrollBar_->GetTop()));
    } else if (press && !GetClientRect().Contains(pos)) {
        combo_->CloseUp(false);
        return;
    } else {
        const int index = ItemAt(pos);
        if (index >= 0 && (Message.Msg == WM_MOUSEMOVE || press)) Mark(index);
        if (Message.Msg == WM_LBUTTONUP && index >= 0) {
            combo_->CloseUp(true);
            return;
        }
    }
    if (!alive.expired() && GetVisible()) SetCaptureControl(this);
}

void TComboDropDown::WndProc(TMessage& Message) {
    if (Message.Msg >= WM_MOUSEMOVE && Message.Msg <= WM_MBUTTONDBLCLK) {
        Mouse(Message);
        return;
    }
    TCustomForm::WndProc(Message);
}

bool TComboDropDown::DoMouseWheelDown(TShiftState, TPoint) {
    ScrollTo(top_ + kWheelRows);
    return true;
}

bool TComboDropDown::DoMouseWheelUp(TShiftState, TPoint) {
    ScrollTo(top_ - kWheelRows);
    return true;
}
