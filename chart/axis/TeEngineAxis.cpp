// The axis' place in its chart and its value range.
#include "chart/axis/TeEngineAxis.h"

#include <utility>

#include "chart/messages/TeeConst.h"
#include "chart/messages/TeeExceptions.h"
#include "chart/panel/TeEngineAxisPanel.h"

TCustomChartAxis::TCustomChartAxis(TCustomAxisPanel* AOwner) : parentChart_(AOwner) {
    parentChart_->axesList_.push_back(this);
}

TCustomChartAxis::~TCustomChartAxis() {
    // An axis the application frees must not stay behind in the chart's list
    // to be drawn or freed again.
    parentChart_->ForgetAxis(this);
}

void TCustomChartAxis::Assign(TPersistent* Source) {
    auto* axis = dynamic_cast<TCustomChartAxis*>(Source);
    if (!axis) {
        TPersistent::Assign(Source);
        return;
    }
    automatic_ = axis->automatic_;
    automaticMaximum_ = axis->automaticMaximum_;
    automaticMinimum_ = axis->automaticMinimum_;
    maximum_ = axis->maximum_;
    minimum_ = axis->minimum_;
    visible_ = axis->visible_;
    isHorizontal_ = axis->isHorizontal_;
    isOtherSide_ = axis->isOtherSide_;
    isDepth_ = axis->isDepth_;
    parentChart_->Invalidate();
}

void TCustomChartAxis::SetAutomatic(bool Value) {
    parentChart_->SetBooleanProperty(automatic_, Value);
    if (!parentChart_->GetComponentState().Contains(csLoading)) {
        automaticMinimum_ = Value;
        automaticMaximum_ = Value;
    }
}

void TCustomChartAxis::SetAutomaticMinimum(bool Value) {
    parentChart_->SetBooleanProperty(automaticMinimum_, Value);
    if (!Value)
        automatic_ = false;
    else if (automaticMaximum_)
        automatic_ = true;
}

void TCustomChartAxis::SetAutomaticMaximum(bool Value) {
    parentChart_->SetBooleanProperty(automaticMaximum_, Value);
    if (!Value)
        automatic_ = false;
    else if (automaticMinimum_)
        automatic_ = true;
}

void TCustomChartAxis::SetMinimum(double Value) {
    if (!parentChart_->GetComponentState().Contains(csReading) && Value > maximum_)
        throw AxisException(TeeMsgText(TeeMsg_AxisMinMax));
    parentChart_->SetDoubleProperty(minimum_, Value);
}

void TCustomChartAxis::SetMaximum(double Value) {
    if (!parentChart_->GetComponentState().Contains(csReading) && Value < minimum_)
        throw AxisException(TeeMsgText(TeeMsg_AxisMaxMin));
    parentChart_->SetDoubleProperty(maximum_, Value);
}

void TCustomChartAxis::SetMinMax(double AMin, double AMax) {
    automatic_ = automaticMinimum_ = automaticMaximum_ = false;
    if (AMin > AMax) std::swap(AMin, AMax);
    // Stored as fields: the new minimum may lie above the old maximum.
    parentChart_->SetDoubleProperty(minimum_, AMin);
    parentChart_->SetDoubleProperty(maximum_, AMax);
    if (maximum_ - minimum_ < 1e-10) parentChart_->SetDoubleProperty(maximum_, minimum_ + 1e-10);
}

void TCustomChartAxis::CalcMinMax(double& AMin, double& AMax) const {
    if (automatic_ || automaticMaximum_) AMax = parentChart_->InternalMinMax(this, false, isHorizontal_);
    if (automatic_ || automaticMinimum_) AMin = parentChart_->InternalMinMax(this, true, isHorizontal_);
}

void TCustomChartAxis::AdjustMaxMin() {
    CalcMinMax(minimum_, maximum_);
    curMaximum_ = maximum_;
    curMinimum_ = minimum_;
    curRange_ = curMaximum_ - curMinimum_;
}

void TCustomChartAxis::SetVisible(bool Value) { parentChart_->SetBooleanProperty(visible_, Value); }
