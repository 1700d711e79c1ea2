// The group box and the radio group, a group box that makes one radio
// button per item and keeps one of them checked.
#include <algorithm>

#include "platform/controls/ClassicLook.h"
#include "platform/controls/StdCtrls.h"

namespace {
constexpr int kButtonHeight = 17;
}  // namespace

TGroupBox::TGroupBox(TComponent* AOwner) : TCustomControl(AOwner) { SetBounds(0, 0, 185, 105); }

void TGroupBox::Paint() {
    TCanvas* canvas = GetCanvas();
    canvas->SetFont(GetFont());
    ClassicGroupFrame(canvas, GetClientRect(), GetCaption(), GetColor(), GetEnabled());
}

void TGroupBox::AdjustClientRect(TRect& Rect) {
    TBitmap measure;
    measure.GetCanvas()->SetFont(GetFont());
    Rect.Top += measure.GetCanvas()->TextHeight("Wg");
    InflateRect(Rect, -2, -2);
}

TRadioGroup::TRadioGroup(TComponent* AOwner) : TGroupBox(AOwner), items_(new TStringList) {
    items_->OnChange = TNotifyEvent(this, &TRadioGroup::ItemsChanged);
}

TRadioGroup::~TRadioGroup() {
    items_->OnChange = nullptr;
    delete items_;
}

void TRadioGroup::ItemsChanged(TObject*) {
    const int count = items_->GetCount();
    while (static_cast<int>(buttons_.size()) > count) {
        delete buttons_.back();
        buttons_.pop_back();
    }
    while (static_cast<int>(buttons_.size()) < count) {
        auto* button = new TRadioButton(this);
        button->OnClick = TNotifyEvent(this, &TRadioGroup::ButtonClicked);
        button->SetParent(this);
        buttons_.push_back(button);
    }
    for (int i = 0; i < count; ++i) buttons_[static_cast<std::size_t>(i)]->SetCaption(items_->GetStrings(i));
    if (itemIndex_ >= count) itemIndex_ = -1;
    ArrangeButtons();
}

void TRadioGroup::ArrangeButtons() {
    if (buttons_.empty()) return;
    TRect area = GetClientRect();
    AdjustClientRect(area);
    const int rows = static_cast<int>(buttons_.size());
    const int rowHeight = std::max(1, area.Height() / rows);
    for (int i = 0; i < rows; ++i) {
        const int top = area.Top + i * rowHeight + (rowHeight - kButtonHeight) / 2;
        buttons_[static_cast<std::size_t>(i)]->SetBounds(area.Left + 6, top, std::max(0, area.Width() - 8),
                                                         kButtonHeight);
    }
}

void TRadioGroup::BoundsChanged() {
    TGroupBox::BoundsChanged();
    ArrangeButtons();
}

void TRadioGroup::SetItemIndex(int Value) {
    Value = std::clamp(Value, -1, static_cast<int>(buttons_.size()) - 1);
    if (Value == itemIndex_) return;
    updating_ = true;
    if (itemIndex_ >= 0) buttons_[static_cast<std::size_t>(itemIndex_)]->SetChecked(false);
    if (Value >= 0) buttons_[static_cast<std::size_t>(Value)]->SetChecked(true);
    updating_ = false;
    itemIndex_ = Value;
    if (Value >= 0) Click();
}

void TRadioGroup::ButtonClicked(TObject* Sender) {
    if (updating_) return;
    auto it = std::find(buttons_.begin(), buttons_.end(), Sender);
    if (it == buttons_.end()) return;
    itemIndex_ = static_cast<int>(it - buttons_.begin());
    Click();
}
