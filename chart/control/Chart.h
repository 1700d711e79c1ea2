#pragma once
// The chart control a form holds. TCustomChart fills in the steps the axis
// panel's paint leaves open (title, foot and legend, the axis and series
// rectangles, the walls) and handles the mouse: which part lies under a
// point, the click events, zoom by a dragged rectangle with undo, panning,
// the wheel. TChart is the control itself.

#include <vector>

#include "chart/control/ChartLegend.h"
#include "chart/panel/TeEngineAxisPanel.h"

class TCustomChart;

// A wall of the plot: the back one, and in 3-D the left and bottom ones.
class TChartWall : public TPersistent {
public:
    TChartWall(TCustomChart* AOwner, TColor ADefaultColor);
    ~TChartWall() override;
    void Assign(TPersistent* Source) override;

    TChartBrush* GetBrush() const { return brush_; }
    void SetBrush(TChartBrush* Value) { brush_->Assign(Value); }
    // DefaultPointColor: no colour of its own.
    TColor GetColor() const { return color_; }
    void SetColor(TColor Value);
    bool GetDark3D() const { return dark3D_; }
    void SetDark3D(bool Value);
    TChartPen* GetPen() const { return pen_; }
    void SetPen(TChartPen* Value) { pen_->Assign(Value); }
    // Thickness in pixels; 0 draws a flat plane.
    int GetSize() const { return size_; }
    void SetSize(int Value);
    // Forms store the colour only when it differs from the one at construction.
    bool IsColorStored() const { return color_ != defaultColor_; }
    // A filled, plain brush shades its sides darker when Dark3D is on.
    bool ApplyDark3D() const;
    // Pen and brush of the wall on the chart's canvas.
    void Prepare();

private:
    TCustomChart* chart_;
    TChartBrush* brush_;
    TColor color_;
    TColor defaultColor_;
    bool dark3D_ = true;
    TChartPen* pen_;
    int size_ = 0;
};

enum TChartClickedPartStyle { cpNone, cpLegend, cpAxis, cpSeries, cpTitle, cpFoot, cpChartRect };

struct TChartClickedPart {
    TChartClickedPartStyle Part = cpNone;
    // The series' point or the legend item; -1 when none.
    int PointIndex = -1;
    TChartSeries* Series = nullptr;
    TCustomChartAxis* Axis = nullptr;
};

// One axis' range and automatic flags, to come back to after a zoom.
struct TAxisSavedScales {
    TCustomChartAxis* Axis = nullptr;
    bool Auto = true, AutoMin = true, AutoMax = true;
    double Min = 0, Max = 0;
};
using TAllAxisSavedScales = std::vector<TAxisSavedScales>;

// The range an axis is zoomed to.
struct TAxisZoomRange {
    TCustomChartAxis* Axis;
    double Min, Max;
};

using TChartClick = TClosure<void(TCustomChart* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TChartClickAxis = TClosure<void(TCustomChart* Sender, TCustomChartAxis* Axis, TMouseButton Button,
                                      TShiftState Shift, int X, int Y)>;
using TChartClickSeries = TClosure<void(TCustomChart* Sender, TChartSeries* Series, int ValueIndex,
                                        TMouseButton Button, TShiftState Shift, int X, int Y)>;
// Asked for every axis before a panning step moves it to [AMin, AMax].
using TChartAllowScrollEvent = TClosure<void(TCustomChartAxis* Sender, double& AMin, double& AMax, bool& AllowScroll)>;
using TOnGetLegendRect = TClosure<void(TCustomChart* Sender, TRect& Rect)>;
using TOnGetLegendPos = TClosure<void(TCustomChart* Sender, int Index, int& X, int& Y, int& XColor)>;
using TOnGetLegendText = TClosure<void(TCustomChart* Sender, TLegendStyle LegendStyle, int Index, AnsiString& Text)>;

// The mouse buttons and keys that zoom and pan.
extern TMouseButton TeeZoomMouseButton;
extern TMouseButton TeeScrollMouseButton;
extern TShiftState TeeZoomKeyShift;
extern TShiftState TeeScrollKeyShift;
// Each animated step closes this part of the distance left (1/3).
extern double AnimatedZoomFactor;

class TCustomChart : public TCustomAxisPanel {
public:
    explicit TCustomChart(TComponent* AOwner);
    ~TCustomChart() override;
    void Assign(TPersistent* Source) override;

    // ---- Parts -------------------------------------------------------------------
    TChartTitle* GetTitle() const { return title_; }
    void SetTitle(TChartTitle* Value) { title_->Assign(Value); }
    TChartTitle* GetFoot() const { return foot_; }
    void SetFoot(TChartTitle* Value) { foot_->Assign(Value); }
    TChartLegend* GetLegend() const { return legend_; }
    void SetLegend(TChartLegend* Value) { legend_->Assign(Value); }
    TChartWall* GetBackWall() const { return backWall_; }
    void SetBackWall(TChartWall* Value) { backWall_->Assign(Value); }
    TChartWall* GetLeftWall() const { return leftWall_; }
    void SetLeftWall(TChartWall* Value) { leftWall_->Assign(Value); }
    TChartWall* GetBottomWall() const { return bottomWall_; }
    void SetBottomWall(TChartWall* Value) { bottomWall_->Assign(Value); }
    bool GetBackImageInside() const { return backImageInside_; }
    void SetBackImageInside(bool Value) { SetBooleanProperty(backImageInside_, Value); }
    TChartPen* GetFrame() const { return backWall_->GetPen(); }
    void SetFrame(TChartPen* Value) { backWall_->SetPen(Value); }
    TColor GetBackColor() const { return backWall_->GetColor(); }
    // On a shown chart also fills the back wall.
    void SetBackColor(TColor Value);

    // ---- Series list ----------------------------------------------------------------
    // Exchange S with its neighbour; nothing at the ends.
    void SeriesUp(TChartSeries* S);
    void SeriesDown(TChartSeries* S);
    // Takes every series off the chart without freeing it.
    void RemoveAllSeries();
    // The first active series, or nullptr.
    TChartSeries* GetASeries() const;
    void NextPage();
    void PreviousPage();

    // ---- Legend texts and colours -----------------------------------------------
    // The legend's text of the point, in the legend's text style.
    AnsiString FormattedValueLegend(TChartSeries* Series, int ValueIndex) override;
    // The legend item's text, passed through OnGetLegendText.
    AnsiString FormattedLegend(int Index);
    bool IsFreeSeriesColor(TColor AColor, bool CheckBackground) override;
    int CalcWallSize(const TCustomChartAxis* Axis) override;
    void DrawImage(const TRect& Rect) override;

    // ---- Mouse ----------------------------------------------------------------------
    TChartClickedPart CalcClickedPart(TPoint Pos);
    // Range and flags of every axis but the depth one.
    TAllAxisSavedScales SaveScales() const;
    // Axes freed since are skipped.
    void RestoreScales(const TAllAxisSavedScales& Saved);
    // Zooms each axis to its range (animated when asked); keeps the home
    // scales of the first zoom.
    void DoZoom(const std::vector<TAxisZoomRange>& Targets);
    // The zoom record's rectangle as every axis' range.
    virtual void CalcZoomPoints();
    void ZoomRect(const TRect& Rect);
    // 110 narrows every range by 10 % at each end, 90 widens it.
    void ZoomPercent(double PercentZoom);
    void UndoZoom() override;
    // Every upright axis by 3 % of its range.
    void ScrollVerticalAxes(bool Up);
    // The axis' title, or the name of its place ("Left Axis"...) when it has none.
    AnsiString AxisTitleOrName(const TCustomChartAxis* Axis) const;
    bool GetScalesSaved() const { return scalesSaved_; }
    // Set just before a click event; a handler clears it to let the
    // chart go on with its own handling of the press.
    bool GetCancelMouse() const { return cancelMouse_; }
    void SetCancelMouse(bool Value) { cancelMouse_ = Value; }

    TChartAllowScrollEvent OnAllowScroll;
    TChartClickAxis OnClickAxis;
    TChartClick OnClickBackground;
    TChartClick OnClickLegend;
    TChartClickSeries OnClickSeries;
    TOnGetLegendPos OnGetLegendPos;
    TOnGetLegendRect OnGetLegendRect;
    TOnGetLegendText OnGetLegendText;

protected:
    void CalcAxisRect() override;
    void CalcSeriesRect() override;
    void DrawTitlesAndLegend() override;
    void DrawWalls() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
    bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;

private:
    void DrawTitles();
    void DrawBackWall();
    void DrawSideWalls();
    bool ClickBackground(TMouseButton Button, TShiftState Shift, int X, int Y);
    bool StartZoomOrScroll(TMouseButton Button, TShiftState Shift, int X, int Y);
    void ZoomDragTo(int X, int Y);
    void PanTo(int X, int Y);
    bool PanStep(bool Horizontal, int From, int To);
    void SeriesCursor(TShiftState Shift, int X, int Y);
    void KeepHomeScales();

    TChartTitle* title_;
    TChartTitle* foot_;
    TChartWall* backWall_;
    TChartWall* leftWall_;
    TChartWall* bottomWall_;
    TChartLegend* legend_;
    bool backImageInside_ = false;
    bool cancelMouse_ = false;
    TAllAxisSavedScales homeScales_;
    bool scalesSaved_ = false;
};

class TChart : public TCustomChart {
public:
    using TCustomChart::TCustomChart;
};
