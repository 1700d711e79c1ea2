#pragma once
// One axis of a chart: where it stands (horizontal, other side, depth),
// whether it is shown, the value range it covers, fixed or taken from the
// series drawn against it at each paint, its pixel span along the chart
// rectangle, and its line.

#include "chart/canvas/TeCanvas.h"
#include "platform/runtime/Components.h"

class TCustomAxisPanel;

class TCustomChartAxis : public TPersistent {
public:
    // Joins AOwner's list of axes, which then owns it.
    explicit TCustomChartAxis(TCustomAxisPanel* AOwner);
    // Leaves the owner's list of axes.
    ~TCustomChartAxis() override;
    void Assign(TPersistent* Source) override;

    TCustomAxisPanel* GetParentChart() const { return parentChart_; }

    bool GetAutomatic() const { return automatic_; }
    // Also sets both ends' flags, except while the chart is loading.
    void SetAutomatic(bool Value);
    bool GetAutomaticMinimum() const { return automaticMinimum_; }
    void SetAutomaticMinimum(bool Value);
    bool GetAutomaticMaximum() const { return automaticMaximum_; }
    void SetAutomaticMaximum(bool Value);
    double GetMinimum() const { return minimum_; }
    // AxisException when above Maximum.
    void SetMinimum(double Value);
    double GetMaximum() const { return maximum_; }
    // AxisException when below Minimum.
    void SetMaximum(double Value);
    // Fixes both ends (in either order); a range below 1e-10 is widened to it.
    void SetMinMax(double AMin, double AMax);
    // The automatic ends from the chart's series; fixed ones stay.
    void CalcMinMax(double& AMin, double& AMax) const;
    // The range of this paint: CalcMinMax into Minimum and Maximum.
    void AdjustMaxMin();
    double GetCurMinimum() const { return curMinimum_; }
    double GetCurMaximum() const { return curMaximum_; }
    double GetCurRange() const { return curRange_; }

    bool GetVisible() const { return visible_; }
    void SetVisible(bool Value);
    bool GetHorizontal() const { return isHorizontal_; }
    void SetHorizontal(bool Value) { isHorizontal_ = Value; }
    bool GetOtherSide() const { return isOtherSide_; }
    void SetOtherSide(bool Value) { isOtherSide_ = Value; }
    bool GetIsDepthAxis() const { return isDepth_; }
    void SetIsDepthAxis(bool Value) { isDepth_ = Value; }
    // The title angle a form does not store (90 left, 270 right, else 0).
    int GetDefaultTitleAngle() const { return defaultTitleAngle_; }
    void SetDefaultTitleAngle(int Value) { defaultTitleAngle_ = Value; }
    bool GetInverted() const { return inverted_; }
    void SetInverted(bool Value);

    // ---- Pixels ---------------------------------------------------------------
    // Where the axis runs along the chart rectangle, in percent of it.
    double GetStartPosition() const { return startPosition_; }
    void SetStartPosition(double Value);
    double GetEndPosition() const { return endPosition_; }
    void SetEndPosition(double Value);
    // How far the axis stands inside the chart rectangle, in percent of it.
    double GetPositionPercent() const { return positionPercent_; }
    void SetPositionPercent(double Value);
    // The ends from the chart rectangle and the percent positions.
    void InternalCalcPositions();
    int GetStartPixel() const { return startPixel_; }
    int GetEndPixel() const { return endPixel_; }
    int GetPixelSize() const { return pixelSize_; }
    int GetCenterPixel() const { return centerPixel_; }
    // The line's coordinate across the axis, set by Draw.
    int GetAxisPos() const { return axisPos_; }
    // The side of R the axis stands on, and P moved inward by PositionPercent.
    int GetRectangleEdge(const TRect& R) const;
    int ApplyPosition(int P, const TRect& R) const;
    // The value shown at pixel P of the range of this paint.
    double CalcPosPoint(int P) const;

    TChartAxisPen* GetAxis() const { return axisPen_; }
    void SetAxis(TChartAxisPen* Value) { axisPen_->Assign(Value); }
    // Draws the axis line, at the edge of the chart rectangle when
    // CalcPosAxis is set, else where it was last placed.
    void Draw(bool CalcPosAxis);

private:
    void RecalcSizeCenter();
    void DrawAxisLine();

    TCustomAxisPanel* parentChart_;
    TChartAxisPen* axisPen_;
    bool inverted_ = false;
    double startPosition_ = 0;
    double endPosition_ = 100;
    double positionPercent_ = 0;
    int startPixel_ = 0, endPixel_ = 0, pixelSize_ = 0, centerPixel_ = 0;
    int axisPos_ = 0;
    bool automatic_ = true;
    bool automaticMaximum_ = true;
    bool automaticMinimum_ = true;
    double maximum_ = 0;
    double minimum_ = 0;
    double curMaximum_ = 0, curMinimum_ = 0, curRange_ = 0;
    bool visible_ = true;
    bool isHorizontal_ = false;
    bool isOtherSide_ = false;
    bool isDepth_ = false;
    int defaultTitleAngle_ = 0;
};

// The four standard axes and the application's own.
class TChartAxis : public TCustomChartAxis {
public:
    using TCustomChartAxis::TCustomChartAxis;
};

// The Z axis of a 3-D chart.
class TChartDepthAxis : public TCustomChartAxis {
public:
    using TCustomChartAxis::TCustomChartAxis;
};
