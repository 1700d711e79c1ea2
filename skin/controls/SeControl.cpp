#include "skin/controls/SeControl.h"

#include <algorithm>

#include "platform/controls/Forms.h"

namespace {

TSeBitmap* sharedBuffer = nullptr;
int sharedHolders = 0;

}  // namespace

void AcquireSharedBuffer() {
    if (sharedHolders++ == 0) sharedBuffer = new TSeBitmap;
}

TSeBitmap* SharedBuffer(int AWidth, int AHeight) {
    if (!sharedBuffer) return nullptr;
    int w = std::max(AWidth, Screen->GetWidth() + 500), h = std::max(AHeight, Screen->GetHeight() + 500);
    if (sharedBuffer->GetWidth() < w || sharedBuffer->GetHeight() < h)
        sharedBuffer->SetSize(std::max(w, sharedBuffer->GetWidth()), std::max(h, sharedBuffer->GetHeight()));
    return sharedBuffer;
}

void ReleaseSharedBuffer() {
    if (sharedHolders > 0 && --sharedHolders == 0) {
        delete sharedBuffer;
        sharedBuffer = nullptr;
    }
}


TSeCustomControl::TSeCustomControl(TComponent* AOwner) : TSeControlBase<TCustomControl>(AOwner) {}

void TSeCustomControl::DrawParentImage(TCanvas* Canvas, const TRect& Rect) {
    TWinControl* parent = GetParent();
    if (!parent) return;
    TControlCanvas under;
    under.SetControl(parent);
    Canvas->CopyRect(Rect, &under, Bounds(GetLeft() + Rect.Left, GetTop() + Rect.Top, Rect.Width(), Rect.Height()));
    under.SetControl(nullptr);
}

void TSeCustomControl::ParentPainted() {
    if (GetTransparent()) Invalidate();
}

TSeGraphicControl::TSeGraphicControl(TComponent* AOwner) : TSeControlBase<TGraphicControl>(AOwner) {}

void TSeGraphicControl::DrawParentImage(TCanvas* Canvas, const TRect& Rect) {
    // The control's canvas already holds what was painted beneath it.
    TCanvas* own = GetCanvas();
    if (Canvas != own) Canvas->CopyRect(Rect, own, Rect);
}
