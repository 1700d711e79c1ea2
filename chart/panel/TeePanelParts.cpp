// The panel's companions: the drag record, the background gradient and the
// font of a chart element.
#include <utility>

#include "chart/panel/TeePanel.h"
#include "chart/utils/TeeProcs.h"

void TZoomPanningRecord::Activate(int X, int Y) {
    X0 = X1 = X;
    Y0 = Y1 = Y;
    Active = true;
}

void TZoomPanningRecord::Check() {
    if (X0 > X1) std::swap(X0, X1);
    if (Y0 > Y1) std::swap(Y0, Y1);
}

// ---- Gradient ------------------------------------------------------------------

TCustomTeeGradient::TCustomTeeGradient(TCustomTeePanel* AOwner) : owner_(AOwner) {}

void TCustomTeeGradient::Changed() {
    if (owner_) owner_->Invalidate();
}

void TCustomTeeGradient::SetDirection(TGradientDirection Value) {
    if (TeeStoreChanged(direction_, Value)) Changed();
}

void TCustomTeeGradient::SetEndColor(TColor Value) {
    if (TeeStoreChanged(endColor_, Value)) Changed();
}

void TCustomTeeGradient::SetStartColor(TColor Value) {
    if (TeeStoreChanged(startColor_, Value)) Changed();
}

void TCustomTeeGradient::SetVisible(bool Value) {
    if (TeeStoreChanged(visible_, Value)) Changed();
}

void TCustomTeeGradient::Assign(TPersistent* Source) {
    auto* gradient = dynamic_cast<TCustomTeeGradient*>(Source);
    if (!gradient) {
        TPersistent::Assign(Source);
        return;
    }
    SetDirection(gradient->direction_);
    SetEndColor(gradient->endColor_);
    SetStartColor(gradient->startColor_);
    SetVisible(gradient->visible_);
}

// ---- Font object ------------------------------------------------------------------

TChartFontObject::TChartFontObject(TCustomTeePanel* AOwner)
    : owner_(AOwner),
      font_(CreateDefaultFont(AOwner ? TNotifyEvent(AOwner, &TCustomTeePanel::CanvasChanged) : TNotifyEvent())) {}

TChartFontObject::~TChartFontObject() { delete font_; }

void TChartFontObject::Assign(TPersistent* Source) {
    auto* object = dynamic_cast<TChartFontObject*>(Source);
    if (!object) {
        TPersistent::Assign(Source);
        return;
    }
    font_->Assign(object->font_);
}

void TChartFontObject::Repaint() {
    if (owner_) owner_->Invalidate();
}
