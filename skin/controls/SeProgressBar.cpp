#include "skin/controls/SeProgressBar.h"

#include <algorithm>

#include "platform/controls/Forms.h"
#include "skin/controls/SeShared.h"

namespace {
constexpr int kBlock = 8;
constexpr int kBlockGap = 2;
}  // namespace

TSeCustomProgressBar::TSeCustomProgressBar(TComponent* AOwner) : TSeCustomControl(AOwner) {
    SetColor(clBtnFace);
    SetParentColor(false);
    SetBounds(GetLeft(), GetTop(), 150, 16);
}

void TSeCustomProgressBar::SetMin(int Value) {
    if (Value == min_) return;
    min_ = Value;
    Invalidate();
}

void TSeCustomProgressBar::SetMax(int Value) {
    if (Value == max_) return;
    max_ = Value;
    Invalidate();
}

void TSeCustomProgressBar::SetPosition(int Value) {
    if (Value == position_) return;
    int shown = GetPercent();
    position_ = Value;
    if (GetPercent() == shown) return;
    Repaint();
    // Pending messages may free the bar: nothing of it is touched after this.
    Application->ProcessMessages();
}

void TSeCustomProgressBar::SetOrientation(TProgressBarOrientation Value) {
    if (Value == orientation_) return;
    orientation_ = Value;
    Invalidate();
}

void TSeCustomProgressBar::SetSmooth(bool Value) {
    if (Value == smooth_) return;
    smooth_ = Value;
    Invalidate();
}

int TSeCustomProgressBar::GetPercent() const {
    if (max_ <= min_) return 0;
    // In 64 bits: the span of two ints does not fit in one.
    long long span = static_cast<long long>(max_) - min_;
    long long done = std::clamp(static_cast<long long>(position_) - min_, 0LL, span);
    return static_cast<int>(done * 100 / span);
}

std::vector<TRect> TSeCustomProgressBar::FilledParts(const TRect& Face) const {
    std::vector<TRect> parts;
    bool vertical = orientation_ == pbVertical;
    int length = vertical ? Face.Height() : Face.Width();
    int filled = length * GetPercent() / 100;
    if (filled <= 0) return parts;
    auto part = [&](int from, int to) {
        // from and to count from the start of the bar: the left, or the bottom.
        parts.push_back(vertical ? TRect(Face.Left, Face.Bottom - to, Face.Right, Face.Bottom - from)
                                 : TRect(Face.Left + from, Face.Top, Face.Left + to, Face.Bottom));
    };
    if (smooth_) {
        part(0, filled);
        return parts;
    }
    for (int from = 0; from < filled; from += kBlock + kBlockGap) part(from, std::min(from + kBlock, filled));
    return parts;
}

void TSeCustomProgressBar::PaintBorder(TCanvas* Canvas, TRect& Rect) {
    DrawSunkenFrame(Canvas, Rect);
    InflateRect(Rect, -1, -1);
}

void TSeCustomProgressBar::PaintControl(TCanvas* Canvas, const TRect& Rect) {
    Canvas->GetBrush()->SetStyle(bsSolid);
    Canvas->GetBrush()->SetColor(GetEnabled() ? clHighlight : clBtnShadow);
    for (const TRect& part : FilledParts(Rect)) Canvas->FillRect(part);
}
