#pragma once
// One axis of a chart: where it stands (horizontal, other side, depth),
// whether it is shown, and the value range it covers, fixed or taken from
// the series drawn against it at each paint.

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

private:
    TCustomAxisPanel* parentChart_;
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
