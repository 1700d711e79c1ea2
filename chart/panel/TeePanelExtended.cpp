// The extended panel's settings: background picture and gradient, zoom and
// panning switches.
#include "chart/panel/TeePanel.h"
#include "chart/utils/TeeProcs.h"

TCustomTeePanelExtended::TCustomTeePanelExtended(TComponent* AOwner)
    : TCustomTeePanel(AOwner), backImage_(new TPicture), gradient_(new TChartGradient(this)) {
    backImage_->OnChange = TNotifyEvent(static_cast<TCustomTeePanel*>(this), &TCustomTeePanel::CanvasChanged);
}

TCustomTeePanelExtended::~TCustomTeePanelExtended() {
    SetAutoRepaint(false);
    delete gradient_;
    delete backImage_;
}

void TCustomTeePanelExtended::Assign(TPersistent* Source) {
    TCustomTeePanel::Assign(Source);
    auto* panel = dynamic_cast<TCustomTeePanelExtended*>(Source);
    if (!panel) return;
    backImage_->Assign(panel->backImage_);
    SetBackImageMode(panel->backImageMode_);
    gradient_->Assign(panel->gradient_);
    SetAllowPanning(panel->allowPanning_);
    SetAllowZoom(panel->allowZoom_);
    SetAnimatedZoom(panel->animatedZoom_);
    SetAnimatedZoomSteps(panel->animatedZoomSteps_);
}

void TCustomTeePanelExtended::SetAllowPanning(TPanningMode Value) {
    if (TeeStoreChanged(allowPanning_, Value)) Invalidate();
}

void TCustomTeePanelExtended::SetBackImageMode(TTeeBackImageMode Value) {
    if (TeeStoreChanged(backImageMode_, Value)) Invalidate();
}

void TCustomTeePanelExtended::UndoZoom() {
    if (OnUndoZoom) OnUndoZoom(this);
    Invalidate();
    zoomed_ = false;
}
