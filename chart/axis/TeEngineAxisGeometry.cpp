// The pixel side of an axis: its ends along the chart rectangle, the room
// its title, labels and ticks take, values to pixels (linear, logarithmic,
// depth) and back, margins kept empty at its ends, clicks, and drawing at
// places the caller gives.
#include <algorithm>
#include <climits>
#include <cmath>

#include "chart/axis/TeEngineAxis.h"
#include "chart/panel/TeEngineAxisPanel.h"
#include "platform/runtime/SysUtils.h"

namespace {

// A pixel offset, false when it is no number or beyond an int: a value far
// out of range must not wrap round to a pixel inside it.
bool ToPixelOffset(double T, long long& Offset) {
    if (!(std::fabs(T) < 2147483647.0)) return false;
    Offset = Round64(T);
    return true;
}

int PixelOr(long long P, int Fallback) { return P < INT_MIN || P > INT_MAX ? Fallback : static_cast<int>(P); }

}  // namespace

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

// ---- Room ---------------------------------------------------------------------------------

int TCustomChartAxis::SizeTickAxis() const {
    int result = axisPen_->GetVisible() ? axisPen_->GetWidth() : 0;
    if (ticks_->GetVisible()) result += tickLength_;
    if (minorTicks_->GetVisible()) result = std::max(result, minorTickLength_);
    return result;
}

int TCustomChartAxis::SizeTitle() {
    return InternalCalcSize(title_->GetFont(), title_->GetAngle(), titleSize_, title_->GetCaption());
}

int TCustomChartAxis::SizeLabels() { return InternalCalcSize(labelsFont_, labelsAngle_, labelsSize_, ""); }

int TCustomChartAxis::InternalCalcSize(TFont* AFont, int AAngle, int ASize, const AnsiString& AText) {
    if (ASize != 0) return ASize;
    parentChart_->FontCanvas(AFont);
    const bool alongBand = isHorizontal_ ? AAngle == 0 || AAngle == 180 : AAngle == 90 || AAngle == 270;
    if (alongBand) return parentChart_->GetCanvas()->FontHeight();
    return AText.IsEmpty() ? MaxLabelsWidth() : parentChart_->GetCanvas()->TextWidth(AText);
}

void TCustomChartAxis::CalcRect(TRect& R, bool InflateChartRectangle) {
    isDateTimeAxis_ = IsDateTime();
    if (!InflateChartRectangle) {
        axisPos_ = ApplyPosition(GetRectangleEdge(R), R);
        const int outward = (isHorizontal_ == isOtherSide_) ? -1 : 1;
        labelsPos_ = axisPos_ + outward * SizeTickAxis();
        titlePos_ = labelsPos_ + outward * SizeLabels();
        return;
    }
    auto take = [&](int n) {
        if (isHorizontal_)
            (isOtherSide_ ? R.Top : R.Bottom) += isOtherSide_ ? n : -n;
        else
            (isOtherSide_ ? R.Right : R.Left) += isOtherSide_ ? -n : n;
    };
    if (isDepth_) {
        titlePos_ = R.Right;
    } else if (!title_->GetCaption().IsEmpty()) {
        take(SizeTitle());
        titlePos_ = GetRectangleEdge(R);
    }
    if (labels_) {
        take(SizeLabels());
        labelsPos_ = GetRectangleEdge(R);
    }
    const int ticks = SizeTickAxis() + parentChart_->CalcWallSize(this);
    if (ticks > 0) take(ticks);
    titlePos_ = ApplyPosition(titlePos_, R);
    labelsPos_ = ApplyPosition(labelsPos_, R);
}

// ---- Values to pixels -----------------------------------------------------------------------

int TCustomChartAxis::InternalCalcPosValue(double Value, bool FromEnd) const {
    if (curRange_ == 0) return centerPixel_;
    long long t;
    if (!ToPixelOffset((Value - curMinimum_) * pixelSize_ / curRange_, t)) return centerPixel_;
    return PixelOr(FromEnd ? endPixel_ - t : startPixel_ + t, centerPixel_);
}

double TCustomChartAxis::InternalCalcLog(double& LogMax, double& LogMin) const {
    LogMin = curMinimum_ > 0 ? std::log(curMinimum_) : 0;
    LogMax = curMaximum_ > 0 ? std::log(curMaximum_) : 0;
    return LogMax - LogMin;
}

int TCustomChartAxis::InternalCalcLogPosValue(bool IsX, double Value) const {
    double logMax, logMin;
    const double logRange = InternalCalcLog(logMax, logMin);
    if (logRange == 0) return centerPixel_;
    if (Value <= 0) return (IsX && inverted_) || (!IsX && !inverted_) ? endPixel_ : startPixel_;
    const double t = inverted_ ? logMax - std::log(Value) : std::log(Value) - logMin;
    long long p;
    if (!ToPixelOffset(pixelSize_ * t / logRange, p)) return centerPixel_;
    return PixelOr(IsX ? startPixel_ + p : endPixel_ - p, centerPixel_);
}

int TCustomChartAxis::InternalCalcDepthPosValue(double Value) const {
    const int width3D = parentChart_->GetWidth3D();
    if (curRange_ == 0) return width3D / 2;
    const double t = inverted_ ? curMaximum_ - Value : Value - curMinimum_;
    long long z;
    if (!ToPixelOffset(width3D * 1.0 * t / curRange_, z)) return width3D / 2;
    return PixelOr(z, width3D / 2);
}

int TCustomChartAxis::CalcXPosValue(double Value) const {
    if (isDepth_) return InternalCalcDepthPosValue(Value);
    if (logarithmic_) return InternalCalcLogPosValue(true, Value);
    return InternalCalcPosValue(Value, inverted_);
}

int TCustomChartAxis::CalcYPosValue(double Value) const {
    if (isDepth_) return InternalCalcDepthPosValue(Value);
    if (logarithmic_) return InternalCalcLogPosValue(false, Value);
    return InternalCalcPosValue(Value, !inverted_);
}

int TCustomChartAxis::CalcSizeValue(double Value) const {
    if (!(Value > 0)) return 0;
    double size;
    if (logarithmic_) {
        double logMax, logMin;
        const double logRange = InternalCalcLog(logMax, logMin);
        if (logRange == 0) return 0;
        size = std::log(Value) * pixelSize_ / logRange;
    } else {
        if (curRange_ == 0) return 0;
        size = pixelSize_ * Value / curRange_;
    }
    long long n;
    if (!ToPixelOffset(size, n)) return size > 0 ? INT_MAX : 0;
    return static_cast<int>(n);
}

double TCustomChartAxis::CalcPosPoint(int P) const {
    if (logarithmic_) {
        const bool fromTop = isHorizontal_ == inverted_;
        if (P == startPixel_) return fromTop ? curMaximum_ : curMinimum_;
        if (P == endPixel_) return fromTop ? curMinimum_ : curMaximum_;
    }
    if (pixelSize_ < 1) return logarithmic_ ? curMinimum_ : 0;
    const double t = inverted_ ? endPixel_ - P : P - startPixel_;
    if (!logarithmic_) {
        const double r = t * curRange_ / pixelSize_;
        return isHorizontal_ ? curMinimum_ + r : curMaximum_ - r;
    }
    double logMax, logMin;
    const double logRange = InternalCalcLog(logMax, logMin);
    if (logRange == 0) return curMinimum_;
    const double r = t * logRange / pixelSize_;
    return isHorizontal_ ? std::exp(logMin + r) : std::exp(logMax - r);
}

// The range grows so that the old ends of the axis show the values that
// the narrowed axis would put there.
void TCustomChartAxis::AdjustMaxMinRect(const TRect& Margins) {
    const int first = isHorizontal_ ? Margins.Left : Margins.Top;
    const int second = isHorizontal_ ? Margins.Right : Margins.Bottom;
    // Margins that leave no pixel between them would turn the range inside
    // out or divide by nothing; the range stays as it is.
    if (first + second >= pixelSize_) return;
    const int oldStart = startPixel_, oldEnd = endPixel_;
    startPixel_ += first;
    endPixel_ -= second;
    pixelSize_ = endPixel_ - startPixel_;
    double newMin = CalcPosPoint(oldStart);
    double newMax = CalcPosPoint(oldEnd);
    startPixel_ = oldStart;
    endPixel_ = oldEnd;
    RecalcSizeCenter();
    if (newMin > newMax) std::swap(newMin, newMax);
    curMinimum_ = newMin;
    curMaximum_ = newMax;
    curRange_ = curMaximum_ - curMinimum_;
}

bool TCustomChartAxis::Clicked(int X, int Y) const {
    if (!parentChart_->IsAxisVisible(this)) return false;
    const int alongLow = std::min(startPixel_, endPixel_), alongHigh = std::max(startPixel_, endPixel_);
    int acrossLow, acrossHigh;
    if (axisPos_ <= labelsPos_) {
        acrossLow = axisPos_ - TeeAxisClickGap;
        acrossHigh = labelsPos_;
    } else {
        acrossLow = labelsPos_;
        acrossHigh = axisPos_ + TeeAxisClickGap;
    }
    const TRect area = isHorizontal_ ? TRect(alongLow, acrossLow, alongHigh, acrossHigh)
                                     : TRect(acrossLow, alongLow, acrossHigh, alongHigh);
    return PtInRect(area, TPoint(X, Y));
}

// ---- Drawing at given places ---------------------------------------------------------------

void TCustomChartAxis::CustomDraw(int APosLabels, int APosTitle, int APosAxis, bool GridVisible) {
    InternalCalcPositions();
    CustomDrawStartEnd(APosLabels, APosTitle, APosAxis, GridVisible, startPixel_, endPixel_);
}

void TCustomChartAxis::CustomDrawStartEnd(int APosLabels, int APosTitle, int APosAxis, bool GridVisible,
                                          int AStartPos, int AEndPos) {
    labelsPos_ = APosLabels;
    titlePos_ = APosTitle;
    axisPos_ = APosAxis;
    startPixel_ = AStartPos;
    endPixel_ = AEndPos;
    RecalcSizeCenter();
    // Showing the grid for this one drawing must not ask for another paint.
    const bool oldVisible = grid_->GetVisible();
    const TNotifyEvent oldChange = grid_->OnChange;
    grid_->OnChange = nullptr;
    grid_->SetVisible(GridVisible);
    Draw(false);
    grid_->SetVisible(oldVisible);
    grid_->OnChange = oldChange;
}

void TCustomChartAxis::CustomDrawMinMax(int APosLabels, int APosTitle, int APosAxis, bool GridVisible,
                                        double AMinimum, double AMaximum, double AIncrement) {
    InternalCalcPositions();
    CustomDrawMinMaxStartEnd(APosLabels, APosTitle, APosAxis, GridVisible, AMinimum, AMaximum, AIncrement,
                             startPixel_, endPixel_);
}

void TCustomChartAxis::CustomDrawMinMaxStartEnd(int APosLabels, int APosTitle, int APosAxis, bool GridVisible,
                                                double AMinimum, double AMaximum, double AIncrement, int AStartPos,
                                                int AEndPos) {
    const double oldMin = minimum_, oldMax = maximum_, oldIncrement = increment_;
    const bool oldAutomatic = automatic_;
    automatic_ = false;
    minimum_ = AMinimum;
    maximum_ = AMaximum;
    increment_ = AIncrement;
    curMinimum_ = minimum_;
    curMaximum_ = maximum_;
    curRange_ = curMaximum_ - curMinimum_;
    CustomDrawStartEnd(APosLabels, APosTitle, APosAxis, GridVisible, AStartPos, AEndPos);
    minimum_ = oldMin;
    maximum_ = oldMax;
    increment_ = oldIncrement;
    automatic_ = oldAutomatic;
    curMinimum_ = minimum_;
    curMaximum_ = maximum_;
    curRange_ = curMaximum_ - curMinimum_;
}
