// The axis' place in its chart and its value range.
#include "chart/axis/TeEngineAxis.h"

#include <utility>

#include "chart/messages/TeeConst.h"
#include "chart/messages/TeeExceptions.h"
#include "platform/runtime/SysUtils.h"
#include "chart/panel/TeEngineAxisPanel.h"

TCustomChartAxis::TCustomChartAxis(TCustomAxisPanel* AOwner)
    : parentChart_(AOwner), axisPen_(new TChartAxisPen([this](TObject*) { parentChart_->Invalidate(); })) {
    parentChart_->axesList_.push_back(this);
}

TCustomChartAxis::~TCustomChartAxis() {
    delete axisPen_;
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
    inverted_ = axis->inverted_;
    startPosition_ = axis->startPosition_;
    endPosition_ = axis->endPosition_;
    positionPercent_ = axis->positionPercent_;
    axisPen_->Assign(axis->axisPen_);
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

void TCustomChartAxis::SetInverted(bool Value) { parentChart_->SetBooleanProperty(inverted_, Value); }

// ---- Pixels -------------------------------------------------------------------------------

void TCustomChartAxis::SetStartPosition(double Value) { parentChart_->SetDoubleProperty(startPosition_, Value); }

void TCustomChartAxis::SetEndPosition(double Value) { parentChart_->SetDoubleProperty(endPosition_, Value); }

void TCustomChartAxis::SetPositionPercent(double Value) { parentChart_->SetDoubleProperty(positionPercent_, Value); }

void TCustomChartAxis::InternalCalcPositions() {
    const TRect& r = parentChart_->GetChartRect();
    const int size = isHorizontal_ ? parentChart_->GetChartWidth() : parentChart_->GetChartHeight();
    const int origin = isHorizontal_ ? r.Left : r.Top;
    startPixel_ = origin + Round(size * 0.01 * startPosition_);
    endPixel_ = origin + Round(size * 0.01 * endPosition_);
    RecalcSizeCenter();
}

void TCustomChartAxis::RecalcSizeCenter() {
    pixelSize_ = endPixel_ - startPixel_;
    centerPixel_ = (startPixel_ + endPixel_) / 2;
}

int TCustomChartAxis::GetRectangleEdge(const TRect& R) const {
    if (isOtherSide_) return isHorizontal_ ? R.Top : R.Right;
    return isHorizontal_ ? R.Bottom : R.Left;
}

// A positive percent moves every axis into the chart: the bottom one up,
// the top one down, the left one right, the right one left.
int TCustomChartAxis::ApplyPosition(int P, const TRect& R) const {
    if (positionPercent_ == 0) return P;
    int d = Round(0.01 * positionPercent_ * (isHorizontal_ ? R.Bottom - R.Top : R.Right - R.Left));
    if (isOtherSide_) d = -d;
    if (isHorizontal_) d = -d;
    return P + d;
}

double TCustomChartAxis::CalcPosPoint(int P) const {
    if (pixelSize_ < 1) return 0;
    const double t = inverted_ ? endPixel_ - P : P - startPixel_;
    const double r = t * curRange_ / pixelSize_;
    return isHorizontal_ ? curMinimum_ + r : curMaximum_ - r;
}

// ---- Drawing --------------------------------------------------------------------------------

void TCustomChartAxis::Draw(bool CalcPosAxis) {
    const TRect& r = parentChart_->GetChartRect();
    if (CalcPosAxis) axisPos_ = ApplyPosition(GetRectangleEdge(r), r);
    DrawAxisLine();
}

void TCustomChartAxis::DrawAxisLine() {
    if (!axisPen_->GetVisible()) return;
    TCanvas3D* canvas = parentChart_->GetCanvas();
    canvas->AssignVisiblePen(axisPen_);
    const TRect& r = parentChart_->GetChartRect();
    const int width3D = parentChart_->GetWidth3D();
    const int wall = parentChart_->CalcWallSize(this);
    if (isDepth_) {
        const int y = r.Bottom + parentChart_->CalcWallSize(parentChart_->GetBottomAxis());
        canvas->MoveTo3D(r.Right, y, 0);
        canvas->LineTo3D(r.Right, y, width3D);
    } else if (isHorizontal_) {
        if (isOtherSide_)
            canvas->HorizLine3D(startPixel_, endPixel_, axisPos_, width3D);
        else
            canvas->HorizLine3D(startPixel_ - parentChart_->CalcWallSize(parentChart_->GetLeftAxis()), endPixel_,
                                axisPos_ + wall, 0);
    } else if (isOtherSide_) {
        canvas->VertLine3D(axisPos_, startPixel_, endPixel_, width3D);
    } else {
        canvas->VertLine3D(axisPos_ - wall, startPixel_, endPixel_ + parentChart_->CalcWallSize(parentChart_->GetBottomAxis()), 0);
    }
}
