#pragma once
// One axis of a chart: where it stands (horizontal, other side, depth), the
// value range it covers, fixed or taken from the series drawn against it at
// each paint, the step between its labels and their texts, the pixels it
// spans and the room its title, labels and ticks take, the mapping between
// values and pixels, and its drawing.

#include <vector>

#include "chart/canvas/TeCanvas.h"
#include "chart/panel/TeePanel.h"
#include "chart/utils/TeeProcs.h"
#include "platform/runtime/Components.h"

class TCustomAxisPanel;
class TCustomChartAxis;
class TChartSeries;

enum TAxisLabelStyle { talAuto, talNone, talValue, talMark, talText };

// Extra pixels around an axis that a click still hits.
extern int TeeAxisClickGap;

// The caption of an axis, its angle and font.
class TChartAxisTitle : public TChartFontObject {
public:
    explicit TChartAxisTitle(TCustomChartAxis* AAxis);
    void Assign(TPersistent* Source) override;
    TCustomChartAxis* GetAxis() const { return axis_; }
    int GetAngle() const { return angle_; }
    // ChartException outside 0..359.
    void SetAngle(int Value);
    const AnsiString& GetCaption() const { return caption_; }
    void SetCaption(const AnsiString& Value);
    // Forms keep the angle only when it is not the axis' default one.
    bool IsAngleStored() const;

private:
    TCustomChartAxis* axis_;
    int angle_ = 0;
    AnsiString caption_;
};

class TCustomChartAxis : public TPersistent {
public:
    // Joins AOwner's list of axes, which then owns it.
    explicit TCustomChartAxis(TCustomAxisPanel* AOwner);
    // Leaves the owner's list of axes.
    ~TCustomChartAxis() override;
    void Assign(TPersistent* Source) override;

    TCustomAxisPanel* GetParentChart() const { return parentChart_; }

    // ---- Range ------------------------------------------------------------------
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
    // Moves a fixed range by Offset; with CheckLimits only while series
    // values lie beyond the end it moves towards.
    void Scroll(double Offset, bool CheckLimits);
    // The automatic ends from the chart's series; fixed ones stay.
    void CalcMinMax(double& AMin, double& AMax) const;
    // The range of this paint: CalcMinMax into Minimum and Maximum.
    void AdjustMaxMin();
    double GetCurMinimum() const { return curMinimum_; }
    double GetCurMaximum() const { return curMaximum_; }
    double GetCurRange() const { return curRange_; }
    // The desired step between labels; 0 lets the axis choose.
    double GetIncrement() const { return increment_; }
    // AxisException below 0.
    void SetDesiredIncrement(double Value);
    bool GetLogarithmic() const { return logarithmic_; }
    // AxisException on a date-time axis or with an end below 0.
    void SetLogarithmic(bool Value);
    int GetLogarithmicBase() const { return logarithmicBase_; }
    // AxisException below 2.
    void SetLogarithmicBase(int Value);
    // The first active series on the axis keeps dates in the list shown.
    bool IsDateTime() const;
    bool GetIsDateTimeAxis() const { return isDateTimeAxis_; }

    // ---- Place ---------------------------------------------------------------------
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
    // Without a repaint: the chart swapping its axes.
    void InternalSetInverted(bool Value) { inverted_ = Value; }

    // ---- Labels ----------------------------------------------------------------------
    bool GetLabels() const { return labels_; }
    void SetLabels(bool Value);
    int GetLabelsAngle() const { return labelsAngle_; }
    // ChartException outside 0..359.
    void SetLabelsAngle(int Value);
    TFont* GetLabelsFont() const { return labelsFont_; }
    void SetLabelsFont(TFont* Value) { labelsFont_->Assign(Value); }
    bool GetLabelsOnAxis() const { return labelsOnAxis_; }
    void SetLabelsOnAxis(bool Value);
    // The least gap between labels in percent of a label; 0 lets them touch.
    int GetLabelsSeparation() const { return labelsSeparation_; }
    // AxisException below 0.
    void SetLabelsSeparation(int Value);
    int GetLabelsSize() const { return labelsSize_; }
    void SetLabelsSize(int Value);
    TAxisLabelStyle GetLabelStyle() const { return labelStyle_; }
    void SetLabelStyle(TAxisLabelStyle Value);
    const AnsiString& GetAxisValuesFormat() const { return axisValuesFormat_; }
    void SetValuesFormat(const AnsiString& Value);
    const AnsiString& GetDateTimeFormat() const { return dateTimeFormat_; }
    void SetDateTimeFormat(const AnsiString& Value);
    bool GetExactDateTime() const { return exactDateTime_; }
    void SetExactDateTime(bool Value);
    bool GetRoundFirstLabel() const { return roundFirstLabel_; }
    void SetRoundFirstLabel(bool Value);
    bool GetLabelsMultiLine() const { return labelsMultiLine_; }
    void SetLabelsMultiLine(bool Value);
    TChartAxisTitle* GetTitle() const { return title_; }
    void SetAxisTitle(TChartAxisTitle* Value) { title_->Assign(Value); }
    int GetTitleSize() const { return titleSize_; }
    void SetTitleSize(int Value);

    // The kind of labels this paint draws.
    TAxisLabelStyle CalcLabelStyle() const;
    // The text of a value label.
    AnsiString LabelValue(double Value);
    // The pixel size of a value label along a horizontal or vertical axis,
    // in the canvas font.
    int LabelWidth(double Value);
    int LabelHeight(double Value);
    // The widest label the axis draws, in the canvas font.
    int MaxLabelsWidth();
    // The step between value labels for this paint.
    double CalcIncrement();
    double CalcXYIncrement(int MaxLabelSize) const;
    double CalcLabelsIncrement(int MaxNumLabels) const;
    double CalcDateTimeIncrement(int MaxNumLabels) const;
    // Moves Value one step up or down, by the calendar for long date steps.
    void IncDecDateTime(bool Increment, double& Value, double AnIncrement, TDateTimeStep Step) const;

    // ---- Lines and ticks -----------------------------------------------------------
    TChartAxisPen* GetAxis() const { return axisPen_; }
    void SetAxis(TChartAxisPen* Value) { axisPen_->Assign(Value); }
    TDottedGrayPen* GetGrid() const { return grid_; }
    void SetGrid(TDottedGrayPen* Value) { grid_->Assign(Value); }
    bool GetGridCentered() const { return gridCentered_; }
    void SetGridCentered(bool Value);
    TChartHiddenPen* GetMinorGrid() const { return minorGrid_; }
    void SetMinorGrid(TChartHiddenPen* Value) { minorGrid_->Assign(Value); }
    TDarkGrayPen* GetTicks() const { return ticks_; }
    void SetTicks(TDarkGrayPen* Value) { ticks_->Assign(Value); }
    TDarkGrayPen* GetTicksInner() const { return ticksInner_; }
    void SetTicksInner(TDarkGrayPen* Value) { ticksInner_->Assign(Value); }
    TDarkGrayPen* GetMinorTicks() const { return minorTicks_; }
    void SetMinorTicks(TDarkGrayPen* Value) { minorTicks_->Assign(Value); }
    int GetTickLength() const { return tickLength_; }
    void SetTickLength(int Value);
    int GetTickInnerLength() const { return tickInnerLength_; }
    void SetTickInnerLength(int Value);
    int GetMinorTickLength() const { return minorTickLength_; }
    void SetMinorTickLength(int Value);
    int GetMinorTickCount() const { return minorTickCount_; }
    void SetMinorTickCount(int Value);
    bool GetTickOnLabelsOnly() const { return tickOnLabelsOnly_; }
    void SetTickOnLabelsOnly(bool Value);

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
    // The line's, the labels' and the title's coordinates across the axis.
    int GetAxisPos() const { return axisPos_; }
    int GetLabelsPos() const { return labelsPos_; }
    int GetTitlePos() const { return titlePos_; }
    // The side of R the axis stands on, and P moved inward by PositionPercent.
    int GetRectangleEdge(const TRect& R) const;
    int ApplyPosition(int P, const TRect& R) const;
    // Inflating, takes the room of the title, labels and ticks from R and
    // places them; else places line, labels and title along R's edge.
    void CalcRect(TRect& R, bool InflateChartRectangle);
    int SizeTickAxis() const;
    int SizeTitle();
    int SizeLabels();

    // Value to pixel, and back, for the range of this paint.
    int CalcPosValue(double Value) const { return isHorizontal_ ? CalcXPosValue(Value) : CalcYPosValue(Value); }
    int CalcXPosValue(double Value) const;
    int CalcYPosValue(double Value) const;
    // The depth (z) of a value on the depth axis.
    int InternalCalcDepthPosValue(double Value) const;
    // The pixel length of a span of values.
    int CalcSizeValue(double Value) const;
    double CalcPosPoint(int P) const;
    // Widens the range of this paint so that Margins (pixels at the two
    // ends: Left/Right across, Top/Bottom upright) stay empty.
    void AdjustMaxMinRect(const TRect& Margins);
    // Whether (X, Y) lies on the axis line or its labels.
    bool Clicked(int X, int Y) const;

    // Draws title, labels, line, ticks and grid; the line at the edge of
    // the chart rectangle when CalcPosAxis is set, else where it was placed.
    void Draw(bool CalcPosAxis);
    // Draws the axis at given places, for extra axes an event handler draws;
    // the variants also give the ends in pixels and a range of their own.
    void CustomDraw(int APosLabels, int APosTitle, int APosAxis, bool GridVisible);
    void CustomDrawStartEnd(int APosLabels, int APosTitle, int APosAxis, bool GridVisible, int AStartPos,
                            int AEndPos);
    void CustomDrawMinMax(int APosLabels, int APosTitle, int APosAxis, bool GridVisible, double AMinimum,
                          double AMaximum, double AIncrement);
    void CustomDrawMinMaxStartEnd(int APosLabels, int APosTitle, int APosAxis, bool GridVisible, double AMinimum,
                                  double AMaximum, double AIncrement, int AStartPos, int AEndPos);
    // One label or title text at (X, Y): rotated, split in lines, aligned
    // to the axis' side.
    void DrawAxisLabel(int X, int Y, int Angle, const AnsiString& St);
    void DrawTitle(int X, int Y);

private:
    // The widest series title, what the depth axis labels with.
    int WidestSeriesTitle();
    friend class TAxisPainter;
    void RecalcSizeCenter();
    int InternalCalcPosValue(double Value, bool FromEnd) const;
    int InternalCalcLogPosValue(bool IsX, double Value) const;
    // The natural logarithms of the range's ends (0 for ends not above 0).
    double InternalCalcLog(double& LogMax, double& LogMin) const;
    int InternalCalcSize(TFont* AFont, int AAngle, int ASize, const AnsiString& AText);
    void Changed(TObject*);

    TCustomAxisPanel* parentChart_;
    TChartAxisPen* axisPen_;
    TChartAxisTitle* title_;
    TDottedGrayPen* grid_;
    TChartHiddenPen* minorGrid_;
    TDarkGrayPen* minorTicks_;
    TDarkGrayPen* ticks_;
    TDarkGrayPen* ticksInner_;
    TFont* labelsFont_;

    bool automatic_ = true;
    bool automaticMaximum_ = true;
    bool automaticMinimum_ = true;
    double increment_ = 0;
    double maximum_ = 0;
    double minimum_ = 0;
    bool logarithmic_ = false;
    int logarithmicBase_ = 10;
    int titleSize_ = 0;
    bool gridCentered_ = false;
    bool labels_ = true;
    int labelsAngle_ = 0;
    bool labelsOnAxis_ = true;
    int labelsSeparation_ = 10;
    int labelsSize_ = 0;
    TAxisLabelStyle labelStyle_ = talAuto;
    AnsiString axisValuesFormat_;
    AnsiString dateTimeFormat_;
    bool exactDateTime_ = true;
    bool roundFirstLabel_ = true;
    bool labelsMultiLine_ = false;
    int minorTickCount_ = 3;
    int minorTickLength_ = 2;
    int tickInnerLength_ = 0;
    int tickLength_ = 4;
    bool tickOnLabelsOnly_ = true;
    bool inverted_ = false;
    bool isHorizontal_ = false;
    bool isOtherSide_ = false;
    bool visible_ = true;
    double startPosition_ = 0;
    double endPosition_ = 100;
    double positionPercent_ = 0;
    bool isDepth_ = false;
    int defaultTitleAngle_ = 0;

    // Worked out at each paint.
    double curMaximum_ = 0, curMinimum_ = 0, curRange_ = 0;
    bool isDateTimeAxis_ = false;
    int startPixel_ = 0, endPixel_ = 0, pixelSize_ = 0, centerPixel_ = 0;
    int axisPos_ = 0, labelsPos_ = 0, titlePos_ = 0;
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
