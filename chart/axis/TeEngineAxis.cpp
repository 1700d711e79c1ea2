// The axis' settings, their checks, its title and its value range.
#include "chart/axis/TeEngineAxis.h"

#include <utility>

#include "chart/messages/TeeConst.h"
#include "chart/messages/TeeExceptions.h"
#include "chart/panel/TeEngineAxisPanel.h"
#include "chart/series/TeEngineSeries.h"
#include "chart/utils/TeeProcs.h"
#include "platform/runtime/SysUtils.h"

int TeeAxisClickGap = 3;

// ---- Title ------------------------------------------------------------------------------

TChartAxisTitle::TChartAxisTitle(TCustomChartAxis* AAxis)
    : TChartFontObject(AAxis->GetParentChart()), axis_(AAxis) {}

void TChartAxisTitle::Assign(TPersistent* Source) {
    if (auto* title = dynamic_cast<TChartAxisTitle*>(Source)) {
        angle_ = title->angle_;
        caption_ = title->caption_;
    }
    TChartFontObject::Assign(Source);
}

void TChartAxisTitle::SetAngle(int Value) {
    if (Value == angle_) return;
    TeeCheckAngle(Value, TeeMsgText(TeeMsg_AxisTitle));
    angle_ = Value;
    Repaint();
}

void TChartAxisTitle::SetCaption(const AnsiString& Value) {
    axis_->GetParentChart()->SetStringProperty(caption_, Value);
}

bool TChartAxisTitle::IsAngleStored() const { return angle_ != axis_->GetDefaultTitleAngle(); }

// ---- Axis -------------------------------------------------------------------------------

TCustomChartAxis::TCustomChartAxis(TCustomAxisPanel* AOwner)
    : parentChart_(AOwner),
      axisPen_(new TChartAxisPen(TNotifyEvent(this, &TCustomChartAxis::Changed))),
      title_(new TChartAxisTitle(this)),
      grid_(new TDottedGrayPen(TNotifyEvent(this, &TCustomChartAxis::Changed))),
      minorGrid_(new TChartHiddenPen(TNotifyEvent(this, &TCustomChartAxis::Changed))),
      minorTicks_(new TDarkGrayPen(TNotifyEvent(this, &TCustomChartAxis::Changed))),
      ticks_(new TDarkGrayPen(TNotifyEvent(this, &TCustomChartAxis::Changed))),
      ticksInner_(new TDarkGrayPen(TNotifyEvent(this, &TCustomChartAxis::Changed))),
      labelsFont_(CreateDefaultFont(TNotifyEvent(this, &TCustomChartAxis::Changed))),
      axisValuesFormat_(TeeMsgText(TeeMsg_DefValueFormat)) {
    parentChart_->axesList_.push_back(this);
}

TCustomChartAxis::~TCustomChartAxis() {
    delete labelsFont_;
    delete ticksInner_;
    delete ticks_;
    delete minorTicks_;
    delete minorGrid_;
    delete grid_;
    delete title_;
    delete axisPen_;
    // An axis the application frees must not stay behind in the chart's list
    // to be drawn or freed again.
    parentChart_->ForgetAxis(this);
}

void TCustomChartAxis::Changed(TObject*) { parentChart_->Invalidate(); }

void TCustomChartAxis::Assign(TPersistent* Source) {
    auto* axis = dynamic_cast<TCustomChartAxis*>(Source);
    if (!axis) {
        TPersistent::Assign(Source);
        return;
    }
    automatic_ = axis->automatic_;
    automaticMaximum_ = axis->automaticMaximum_;
    automaticMinimum_ = axis->automaticMinimum_;
    increment_ = axis->increment_;
    maximum_ = axis->maximum_;
    minimum_ = axis->minimum_;
    logarithmic_ = axis->logarithmic_;
    logarithmicBase_ = axis->logarithmicBase_;
    axisPen_->Assign(axis->axisPen_);
    title_->Assign(axis->title_);
    titleSize_ = axis->titleSize_;
    grid_->Assign(axis->grid_);
    gridCentered_ = axis->gridCentered_;
    labels_ = axis->labels_;
    labelsAngle_ = axis->labelsAngle_;
    labelsFont_->Assign(axis->labelsFont_);
    labelsOnAxis_ = axis->labelsOnAxis_;
    labelsSeparation_ = axis->labelsSeparation_;
    labelsSize_ = axis->labelsSize_;
    labelStyle_ = axis->labelStyle_;
    axisValuesFormat_ = axis->axisValuesFormat_;
    dateTimeFormat_ = axis->dateTimeFormat_;
    exactDateTime_ = axis->exactDateTime_;
    roundFirstLabel_ = axis->roundFirstLabel_;
    labelsMultiLine_ = axis->labelsMultiLine_;
    minorGrid_->Assign(axis->minorGrid_);
    minorTickCount_ = axis->minorTickCount_;
    minorTickLength_ = axis->minorTickLength_;
    minorTicks_->Assign(axis->minorTicks_);
    ticks_->Assign(axis->ticks_);
    ticksInner_->Assign(axis->ticksInner_);
    tickInnerLength_ = axis->tickInnerLength_;
    tickLength_ = axis->tickLength_;
    tickOnLabelsOnly_ = axis->tickOnLabelsOnly_;
    inverted_ = axis->inverted_;
    isHorizontal_ = axis->isHorizontal_;
    isOtherSide_ = axis->isOtherSide_;
    visible_ = axis->visible_;
    startPosition_ = axis->startPosition_;
    endPosition_ = axis->endPosition_;
    positionPercent_ = axis->positionPercent_;
    isDepth_ = axis->isDepth_;
    parentChart_->Invalidate();
}

// ---- Range ------------------------------------------------------------------------------

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

void TCustomChartAxis::Scroll(double Offset, bool CheckLimits) {
    if (CheckLimits) {
        if (Offset == 0) return;
        if (Offset > 0 && parentChart_->InternalMinMax(this, false, isHorizontal_) <= maximum_) return;
        if (Offset < 0 && parentChart_->InternalMinMax(this, true, isHorizontal_) >= minimum_) return;
    }
    automatic_ = automaticMinimum_ = automaticMaximum_ = false;
    maximum_ += Offset;
    minimum_ += Offset;
    parentChart_->Invalidate();
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

void TCustomChartAxis::SetDesiredIncrement(double Value) {
    if (Value < 0) throw AxisException(TeeMsgText(TeeMsg_AxisIncrementNeg));
    parentChart_->SetDoubleProperty(increment_, Value);
}

void TCustomChartAxis::SetLogarithmic(bool Value) {
    if (Value && IsDateTime()) throw AxisException(TeeMsgText(TeeMsg_AxisLogDateTime));
    if (Value) {
        AdjustMaxMin();
        if (curMinimum_ < 0 || curMaximum_ < 0) throw AxisException(TeeMsgText(TeeMsg_AxisLogNotPositive));
    }
    parentChart_->SetBooleanProperty(logarithmic_, Value);
}

void TCustomChartAxis::SetLogarithmicBase(int Value) {
    if (Value < 2) throw AxisException(TeeMsgText(TeeMsg_AxisLogBase));
    parentChart_->SetIntegerProperty(logarithmicBase_, Value);
}

bool TCustomChartAxis::IsDateTime() const {
    for (TChartSeries* s : *parentChart_->GetSeriesList())
        if (s->GetActive() && s->AssociatedToAxis(this))
            return (isHorizontal_ ? s->GetXValues() : s->GetYValues())->GetDateTime();
    return false;
}

// ---- Plain settings -----------------------------------------------------------------------

void TCustomChartAxis::SetVisible(bool Value) { parentChart_->SetBooleanProperty(visible_, Value); }
void TCustomChartAxis::SetInverted(bool Value) { parentChart_->SetBooleanProperty(inverted_, Value); }
void TCustomChartAxis::SetLabels(bool Value) { parentChart_->SetBooleanProperty(labels_, Value); }
void TCustomChartAxis::SetLabelsOnAxis(bool Value) { parentChart_->SetBooleanProperty(labelsOnAxis_, Value); }
void TCustomChartAxis::SetExactDateTime(bool Value) { parentChart_->SetBooleanProperty(exactDateTime_, Value); }
void TCustomChartAxis::SetRoundFirstLabel(bool Value) { parentChart_->SetBooleanProperty(roundFirstLabel_, Value); }
void TCustomChartAxis::SetLabelsMultiLine(bool Value) { parentChart_->SetBooleanProperty(labelsMultiLine_, Value); }
void TCustomChartAxis::SetTickOnLabelsOnly(bool Value) { parentChart_->SetBooleanProperty(tickOnLabelsOnly_, Value); }
void TCustomChartAxis::SetGridCentered(bool Value) { parentChart_->SetBooleanProperty(gridCentered_, Value); }
void TCustomChartAxis::SetLabelsSize(int Value) { parentChart_->SetIntegerProperty(labelsSize_, Value); }
void TCustomChartAxis::SetTitleSize(int Value) { parentChart_->SetIntegerProperty(titleSize_, Value); }
void TCustomChartAxis::SetTickLength(int Value) { parentChart_->SetIntegerProperty(tickLength_, Value); }
void TCustomChartAxis::SetTickInnerLength(int Value) { parentChart_->SetIntegerProperty(tickInnerLength_, Value); }
void TCustomChartAxis::SetMinorTickLength(int Value) { parentChart_->SetIntegerProperty(minorTickLength_, Value); }
void TCustomChartAxis::SetMinorTickCount(int Value) { parentChart_->SetIntegerProperty(minorTickCount_, Value); }
void TCustomChartAxis::SetStartPosition(double Value) { parentChart_->SetDoubleProperty(startPosition_, Value); }
void TCustomChartAxis::SetEndPosition(double Value) { parentChart_->SetDoubleProperty(endPosition_, Value); }
void TCustomChartAxis::SetPositionPercent(double Value) { parentChart_->SetDoubleProperty(positionPercent_, Value); }
void TCustomChartAxis::SetValuesFormat(const AnsiString& Value) {
    parentChart_->SetStringProperty(axisValuesFormat_, Value);
}
void TCustomChartAxis::SetDateTimeFormat(const AnsiString& Value) {
    parentChart_->SetStringProperty(dateTimeFormat_, Value);
}

void TCustomChartAxis::SetLabelsAngle(int Value) {
    TeeCheckAngle(Value, TeeMsgText(TeeMsg_AxisLabels));
    parentChart_->SetIntegerProperty(labelsAngle_, Value);
}

void TCustomChartAxis::SetLabelsSeparation(int Value) {
    if (Value < 0) throw AxisException(TeeMsgText(TeeMsg_AxisLabelSep));
    parentChart_->SetIntegerProperty(labelsSeparation_, Value);
}

void TCustomChartAxis::SetLabelStyle(TAxisLabelStyle Value) {
    if (TeeStoreChanged(labelStyle_, Value)) parentChart_->Invalidate();
}
