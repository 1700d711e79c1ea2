#pragma once
// The chart with series and axes: TCustomAxisPanel owns its series list, its
// five standard axes and every axis made for it, shows its points a page
// at a time, gives each axis its automatic range from the series, lays the
// series out in depth and paints in one fixed order. Titles, legend, walls
// and the rectangles are left to the chart control built on it.

#include <vector>

#include "chart/panel/TeePanel.h"

class TChartSeries;
class TCustomChartAxis;
class TChartAxis;
class TChartDepthAxis;
class TCustomAxisPanel;

// Asked for the text of an axis label: Series and ValueIndex name the point
// of a point label (nullptr and -1 for a value label).
using TAxisOnGetLabel =
    TClosure<void(TCustomChartAxis* Sender, TChartSeries* Series, int ValueIndex, AnsiString& LabelText)>;
// Asked for the value of the next label of an axis; Stop ends the labels.
using TAxisOnGetNextLabel =
    TClosure<void(TCustomChartAxis* Sender, int LabelIndex, double& LabelValue, bool& Stop)>;

// Drawn before the series (true) or over them (false).
extern bool TeeDrawAxisBeforeSeries;

// The series of a chart in drawing order.
class TChartSeriesList {
public:
    explicit TChartSeriesList(TCustomAxisPanel* AOwner) : owner_(AOwner) {}
    TCustomAxisPanel* GetOwner() const { return owner_; }
    int GetCount() const { return static_cast<int>(items_.size()); }
    // EListError outside 0..Count-1.
    TChartSeries* GetSeries(int Index) const;
    int IndexOf(const TChartSeries* ASeries) const;
    // How many series are active.
    int CountActive() const;
    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

private:
    friend class TCustomAxisPanel;
    TCustomAxisPanel* owner_;
    std::vector<TChartSeries*> items_;
};

class TCustomAxisPanel : public TCustomTeePanelExtended {
public:
    explicit TCustomAxisPanel(TComponent* AOwner);
    // Frees every series, then every axis.
    ~TCustomAxisPanel() override;
    void Assign(TPersistent* Source) override;
    // A form stream stores every series inside the chart.
    void GetChildren(const TGetChildProc& Proc, TComponent* Root) override;

    // ---- Series -------------------------------------------------------------
    TChartSeriesList* GetSeriesList() const { return seriesList_; }
    int SeriesCount() const { return seriesList_->GetCount(); }
    TChartSeries* GetSeries(int Index) const { return seriesList_->GetSeries(Index); }
    // Makes this panel ASeries' parent chart.
    void AddSeries(TChartSeries* ASeries);
    // Takes a series leaving the chart out of the list; repaints.
    void RemoveSeries(TChartSeries* ASeries);
    // Detaches and frees every series.
    void FreeAllSeries();
    // Exchanges two series' places, and so their drawing order; repaints.
    void ExchangeSeries(int A, int B);
    // The largest point count of the active series.
    int GetMaxValuesCount() const;
    // The Index-th (from 0) active series shown in the legend, or nullptr.
    TChartSeries* ActiveSeriesLegend(int Index) const;
    // Its title, else its name, else "Series " and Index; empty when none.
    AnsiString SeriesTitleLegend(int Index) const;
    // The widest point label of any series, in the canvas font.
    int MaxTextWidth();
    // The widest mark text of any active series, in the canvas font.
    int MaxMarkWidth();
    // The text the legend shows for a point; the chart control gives its
    // legend's style.
    virtual AnsiString FormattedValueLegend(TChartSeries* ASeries, int ValueIndex);
    // The legend's background while it draws, so that series symbols in
    // its colour get an outline.
    TColor LegendBackColor = clWhite;
    // The first palette colour the chart takes as free; the palette's first
    // colour when none is.
    TColor GetFreeSeriesColor(bool CheckBackground);
    virtual bool IsFreeSeriesColor(TColor AColor, bool CheckBackground) = 0;

    // ---- Axes ---------------------------------------------------------------------
    TChartAxis* GetBottomAxis() const { return bottomAxis_; }
    TChartAxis* GetTopAxis() const { return topAxis_; }
    TChartAxis* GetLeftAxis() const { return leftAxis_; }
    TChartAxis* GetRightAxis() const { return rightAxis_; }
    TChartDepthAxis* GetDepthAxis() const { return depthAxis_; }
    // Every axis in creation order: bottom, top, left, right, depth, then
    // those made later.
    const std::vector<TCustomChartAxis*>& GetAxesList() const { return axesList_; }
    bool GetAxisVisible() const { return axisVisible_; }
    void SetAxisVisible(bool Value) { SetBooleanProperty(axisVisible_, Value); }
    // The first active series drawn against the axis, else the first
    // drawn against it at all; nullptr when none.
    TChartSeries* GetAxisSeries(const TCustomChartAxis* Axis) const;
    bool NoActiveSeries(const TCustomChartAxis* Axis) const;
    bool IsAxisVisible(const TCustomChartAxis* Axis) const;
    // The automatic end of an axis from the series on it (and the page).
    double InternalMinMax(const TCustomChartAxis* AAxis, bool IsMin, bool IsX) const;
    double MinXValue(const TCustomChartAxis* Axis) const { return InternalMinMax(Axis, true, true); }
    double MaxXValue(const TCustomChartAxis* Axis) const { return InternalMinMax(Axis, false, true); }
    double MinYValue(const TCustomChartAxis* Axis) const { return InternalMinMax(Axis, true, false); }
    double MaxYValue(const TCustomChartAxis* Axis) const { return InternalMinMax(Axis, false, false); }

    // ---- Paging -----------------------------------------------------------------
    int GetPage() const { return page_; }
    // Clamped to 1..NumPages; a change repaints and fires OnPageChange.
    virtual void SetPage(int Value);
    int GetMaxPointsPerPage() const { return maxPointsPerPage_; }
    // 0 shows every point; ChartException below 0.
    void SetMaxPointsPerPage(int Value);
    bool GetScaleLastPage() const { return scaleLastPage_; }
    void SetScaleLastPage(bool Value) { SetBooleanProperty(scaleLastPage_, Value); }
    int NumPages() const;

    // ---- Depth ------------------------------------------------------------------
    int GetMaxZOrder() const { return maxZOrder_; }
    void SetMaxZOrder(int Value) { maxZOrder_ = Value; }
    // The depth of one series slot and of the whole 3-D box, from the
    // chart's width and 3-D percent; all 0 in 2-D.
    void CalcSize3DWalls();
    int GetSeriesWidth3D() const { return seriesWidth3D_; }
    int GetSeriesHeight3D() const { return seriesHeight3D_; }
    // The thickness of the 3-D wall beside an axis.
    virtual int CalcWallSize(const TCustomChartAxis* Axis) = 0;

    // ---- Data sources ---------------------------------------------------------------
    // Fills ASeries from its data source when that is a series.
    virtual void CheckDatasource(TChartSeries* ASeries);
    // Another series that ASeries accepts as its source.
    virtual bool IsValidDataSource(TChartSeries* ASeries, TComponent* AComponent);
    // ChartException when Dest is among the sources Source depends on, at
    // any depth: the series would feed themselves.
    void CheckOtherSeries(TChartSeries* Dest, TChartSeries* Source);

    bool GetView3DWalls() const { return view3DWalls_; }
    void SetView3DWalls(bool Value) { SetBooleanProperty(view3DWalls_, Value); }
    bool GetClipPoints() const { return clipPoints_; }
    void SetClipPoints(bool Value) { SetBooleanProperty(clipPoints_, Value); }

    TNotifyEvent OnPageChange;
    // Just before the axes are drawn, even when none is visible.
    TNotifyEvent OnBeforeDrawAxes;
    TNotifyEvent OnBeforeDrawSeries;
    TAxisOnGetLabel OnGetAxisLabel;
    TAxisOnGetNextLabel OnGetNextAxisLabel;

protected:
    // The paint in its fixed order: background, the series' before-chart
    // step, title and legend, depth slots, rectangles, projection, walls,
    // axes (or after the series), the series, the zoom band, OnAfterDraw.
    void InternalDraw(const TRect& Rect) override;
    // The steps the chart control fills in.
    virtual void CalcAxisRect() = 0;
    virtual void CalcSeriesRect() = 0;
    virtual void DrawTitlesAndLegend() = 0;
    virtual void DrawWalls() = 0;

private:
    friend class TCustomChartAxis;
    friend class TChartSeries;
    // Appends a series joining the chart (its SetParentChart): a free colour
    // when it has none, its points from its data source; repaints.
    void InternalAddSeries(TChartSeries* ASeries);
    // A freed axis is no series' custom axis any more.
    void ForgetAxis(TCustomChartAxis* Axis);
    int PageCountAlong(const TCustomChartAxis* Axis) const;
    void CalcDepthPositions(const std::vector<TChartSeries*>& Active);
    void DrawAxes();
    void DrawSeries(TChartSeries* S);
    void DrawSeriesGroup(TChartSeries* S);
    // The series' marks when they are shown, clipped when they ask for it.
    void DrawMarksOf(TChartSeries* S);
    // Clips to the chart's box when the target allows it; whether it did.
    bool ClipToChart();
    double PagedMinMax(const TChartSeries* ASeries, bool IsMin, bool IsX) const;

    TChartSeriesList* seriesList_;
    std::vector<TCustomChartAxis*> axesList_;
    TChartDepthAxis* depthAxis_ = nullptr;
    TChartAxis* topAxis_ = nullptr;
    TChartAxis* bottomAxis_ = nullptr;
    TChartAxis* leftAxis_ = nullptr;
    TChartAxis* rightAxis_ = nullptr;
    bool view3DWalls_ = true;
    bool clipPoints_ = true;
    bool axisVisible_ = true;
    int page_ = 1;
    int maxPointsPerPage_ = 0;
    bool scaleLastPage_ = true;
    int maxZOrder_ = 0;
    int seriesWidth3D_ = 0;
    int seriesHeight3D_ = 0;
};
