#pragma once
// TChartSeries, the data side of every series type: its points (one index
// across the value lists, the point colours and the labels), adding,
// deleting, clearing and sorting them, the axes it is drawn against, its
// depth slot, and the series that take their points from it.

#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "chart/series/TeEnginePointValues.h"
#include "chart/series/TeEngineSeriesMarks.h"
#include "chart/series/TeEngineValueList.h"
#include "platform/controls/Controls.h"
#include "platform/gdi/Graphics.h"
#include "platform/runtime/Events.h"

class TCustomAxisPanel;
class TCustomChartAxis;
class TChartAxis;
class TTeeFunction;

enum THorizAxis { aTopAxis, aBottomAxis, aBothHorizAxis, aCustomHorizAxis };
enum TVertAxis { aLeftAxis, aRightAxis, aBothVertAxis, aCustomVertAxis };

// Which changes of a source a linked series follows.
enum TSeriesRecalcOption { rOnDelete, rOnModify, rOnInsert, rOnClear };
using TSeriesRecalcOptions = Set<TSeriesRecalcOption>;

// How a point's legend text joins its label and its value or percent.
enum TLegendTextStyle { ltsPlain, ltsLeftValue, ltsRightValue, ltsLeftPercent, ltsRightPercent, ltsXValue };

enum TChartSeriesStyleMember {
    tssIsTemplate, tssDenyChangeType, tssDenyDelete, tssDenyClone, tssIsPersistent, tssHideDataSource
};
using TChartSeriesStyle = Set<TChartSeriesStyleMember>;

class TChartSeries;
using TSeriesOnAfterAdd = TClosure<void(TChartSeries* Sender, int ValueIndex)>;
// False refuses the point about to be added.
using TSeriesOnBeforeAdd = TClosure<bool(TChartSeries* Sender)>;
using TSeriesOnClear = TClosure<void(TChartSeries* Sender)>;
using TSeriesClick =
    TClosure<void(TChartSeries* Sender, int ValueIndex, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TSeriesOnGetMarkText = TClosure<void(TChartSeries* Sender, int ValueIndex, AnsiString& MarkText)>;

class TChartSeries : public TComponent {
public:
    explicit TChartSeries(TComponent* AOwner);
    ~TChartSeries() override;
    // Another series' settings, lists' properties and then either its data
    // sources or, when it has none, its points.
    void Assign(TPersistent* Source) override;

    // ---- Form streams ---------------------------------------------------------
    // Beside the published properties: "DataSources" (the names of more than
    // one source), "Identifier" and "Style".
    void DefineProperties(TFiler* Filer) override;
    // Takes the sources named in the stream, then its points from them.
    void Loaded() override;
    // A series is stored inside its chart, and its function inside it.
    bool HasParent() const override { return true; }
    void GetChildren(const TGetChildProc& Proc, TComponent* Root) override;
    TComponent* GetParentComponent() const override;
    void SetParentComponent(TComponent* Value) override;

    // ---- Points -----------------------------------------------------------
    TChartValueLists* GetValuesLists() { return &valuesLists_; }
    TChartValueList* GetXValues() const { return xValues_; }
    TChartValueList* GetYValues() const { return yValues_; }
    // Take Value's properties (order, multiplier...), not its points.
    void SetXValues(TChartValueList* Value);
    void SetYValues(TChartValueList* Value);
    int Count() const { return xValues_->Count(); }
    double GetxValue(int Index) const { return xValues_->GetValue(Index); }
    double GetyValue(int Index) const { return yValues_->GetValue(Index); }
    void SetXValue(int Index, double Value);
    void SetYValue(int Index, double Value);
    double GetValue(bool IsX, int Index) const { return IsX ? GetxValue(Index) : GetyValue(Index); }
    // The list a point cannot do without: Y here, X for horizontal types.
    virtual TChartValueList* MandatoryValueList() const { return yValues_; }
    bool YMandatory() const { return MandatoryValueList() == yValues_; }
    // A further list by name (ignoring case), else YValues.
    TChartValueList* GetYValueList(const AnsiString& AName) const;
    // Puts NewList in OldList's place (name, role, position) and frees OldList.
    void ReplaceList(TChartValueList* OldList, TChartValueList* NewList);

    // Empty past the label list.
    AnsiString GetXLabel(int Index) const;
    void SetXLabel(int Index, const AnsiString& Value);
    // The text of the point's mark in the marks' style, as OnGetMarkText
    // leaves it.
    virtual AnsiString GetMarkText(int ValueIndex) const;
    // The value a mark shows and the value stacking adds up.
    virtual double GetMarkValue(int ValueIndex) const { return MandatoryValueList()->GetValue(ValueIndex); }
    virtual double GetOriginValue(int ValueIndex) const { return GetMarkValue(ValueIndex); }
    // The point's share of the absolute total, in PercentFormat; 100 when
    // the total is 0. AddTotal appends " of " and the total.
    AnsiString MarkPercent(int ValueIndex, bool AddTotal) const;
    // The positive values at ValueIndex of the active series of this kind
    // before this one on the chart (all of them with SumAll).
    double PointOrigin(int ValueIndex, bool SumAll) const;
    // Whether any point has a label of its own.
    bool HasLabels() const { return !labels_.Empty(); }
    // The point's own colour, its palette colour under ColorEachPoint, else
    // the series' colour.
    TColor GetValueColor(int Index) const;
    void SetValueColor(int Index, TColor Value);
    bool IsNull(int Index) const { return GetValueColor(Index) == clNone; }
    // Colours every point whose value in AValueList lies in [FromValue, ToValue].
    void ColorRange(TChartValueList* AValueList, double FromValue, double ToValue, TColor AColor);

    // ---- Adding and removing ---------------------------------------------
    // Each returns the index the point now has, or -1 when OnBeforeAdd refused it.
    int Add(double Value, const AnsiString& ALabel = AnsiString(), TColor AColor = DefaultPointColor);
    int AddX(double Value, const AnsiString& ALabel = AnsiString(), TColor AColor = DefaultPointColor);
    int AddY(double Value, const AnsiString& ALabel = AnsiString(), TColor AColor = DefaultPointColor);
    int AddXY(double AXValue, double AYValue, const AnsiString& ALabel = AnsiString(),
              TColor AColor = DefaultPointColor);
    int AddNull(const AnsiString& ALabel = AnsiString());
    int AddNullXY(double X, double Y, const AnsiString& ALabel = AnsiString());
    // Adds every value, then refreshes the linked series once; the count added.
    int AddArray(std::span<const double> Values);
    // Inserts the TempValue of every list from the third one at ValueIndex.
    void AddValue(int ValueIndex);
    void ClearTempValue(TChartValueList* ValueList) { ValueList->TempValue = 0; }
    virtual void Delete(int ValueIndex);
    virtual void Clear();
    // Empties every list without telling anyone.
    virtual void ClearLists();
    // Exchanges two points in every list, colour and label; tells nobody.
    virtual void SwapValueIndex(int A, int B);

    virtual int NumSampleValues() const { return 26; }
    // The class name of the form editor that edits this type (the editors
    // belong to the program, not to the library); empty for none.
    virtual AnsiString GetEditorClass() const { return AnsiString(); }
    // Clear, then NumValues random points within the range the chart shows
    // (or 0..1000 over 0..NumValues-1 on an empty chart).
    virtual void FillSampleValues(int NumValues);

    // ---- Value limits ---------------------------------------------------------
    virtual double MaxXValue() const { return xValues_->GetMaxValue(); }
    virtual double MinXValue() const { return xValues_->GetMinValue(); }
    // A null point's value is a placeholder, no value: the Y limits are
    // those of the points drawn, NaN when every point is null (the axes then
    // take nothing from the series).
    virtual double MaxYValue() const { return DrawnLimit(yValues_, false); }
    virtual double MinYValue() const { return DrawnLimit(yValues_, true); }
    // True when the series has points and every one of them is null.
    bool AllPointsNull() const;
    // The depths the series spans: its slot, unless a type keeps depths of its own.
    virtual double MaxZValue() const { return GetZOrder(); }
    virtual double MinZValue() const { return GetZOrder(); }

    // ---- Properties -------------------------------------------------------------
    bool GetActive() const { return active_; }
    virtual void SetActive(bool Value) { SetBooleanProperty(active_, Value); }
    TColor GetSeriesColor() const { return seriesColor_; }
    virtual void SetSeriesColor(TColor Value) { SetColorProperty(seriesColor_, Value); }
    bool GetColorEachPoint() const { return colorEachPoint_; }
    // Switching it off gives every point the series' colour again; null
    // points stay null.
    virtual void SetColorEachPoint(bool Value);
    bool GetShowInLegend() const { return showInLegend_; }
    void SetShowInLegend(bool Value) { SetBooleanProperty(showInLegend_, Value); }
    const AnsiString& GetTitle() const { return title_; }
    void SetTitle(const AnsiString& Value) { SetStringProperty(title_, Value); }
    const AnsiString& GetValueFormat() const { return valueFormat_; }
    void SetValueFormat(const AnsiString& Value) { SetStringProperty(valueFormat_, Value); }
    const AnsiString& GetPercentFormat() const { return percentFormat_; }
    void SetPercentFormat(const AnsiString& Value) { SetStringProperty(percentFormat_, Value); }
    TCursor GetCursor() const { return cursor_; }
    void SetCursor(TCursor Value) { cursor_ = Value; }
    const AnsiString& GetColorSource() const { return colorSource_; }
    void SetColorSource(const AnsiString& Value);
    const AnsiString& GetXLabelsSource() const { return labelsSource_; }
    void SetLabelsSource(const AnsiString& Value);
    const AnsiString& GetIdentifier() const { return identifier_; }
    void SetIdentifier(const AnsiString& Value) { identifier_ = Value; }
    TChartSeriesStyle GetStyle() const { return style_; }
    void SetStyle(TChartSeriesStyle Value) { style_ = Value; }
    TSeriesRecalcOptions GetRecalcOptions() const { return recalcOptions_; }
    void SetRecalcOptions(TSeriesRecalcOptions Value) { recalcOptions_ = Value; }

    // ---- Chart, axes and depth ----------------------------------------------
    TCustomAxisPanel* GetParentChart() const { return parentChart_; }
    // Leaves the old chart and joins Value (nullptr: none).
    virtual void SetParentChart(TCustomAxisPanel* Value);
    THorizAxis GetHorizAxis() const { return horizAxis_; }
    void SetHorizAxis(THorizAxis Value);
    TVertAxis GetVertAxis() const { return vertAxis_; }
    void SetVertAxis(TVertAxis Value);
    TChartAxis* GetCustomHorizAxis() const { return customHorizAxis_; }
    // A custom axis makes the choice aCustomHorizAxis, nullptr aBottomAxis.
    void SetCustomHorizAxis(TChartAxis* Value);
    TChartAxis* GetCustomVertAxis() const { return customVertAxis_; }
    void SetCustomVertAxis(TChartAxis* Value);
    // The axis objects the choices resolve to on the parent chart.
    TCustomChartAxis* GetHorizontalAxis() const { return horizontalAxis_; }
    TCustomChartAxis* GetVerticalAxis() const { return verticalAxis_; }
    void RecalcGetAxis();
    // Whether the series is drawn against axes at all (pies are not).
    virtual bool UseAxis() const { return true; }
    virtual bool AssociatedToAxis(const TCustomChartAxis* Axis) const;

    // The fixed depth slot, or the one the paint gave the series.
    int GetZOrder() const { return zOrder_ != -1 ? zOrder_ : autoZOrder_; }
    void SetZOrder(int Value);
    // Takes a depth slot from the chart's MaxZOrder before a paint.
    virtual void CalcZOrder();
    // Another active series shares this one's depth slot.
    virtual bool MoreSameZOrder() const;
    // No active series before this one has its depth slot.
    bool FirstInZOrder() const;
    // The depth band of the series in 3-D, set by each paint.
    int StartZ = 0, MiddleZ = 0, EndZ = 0;

    // ---- Drawing ------------------------------------------------------------------
    // The points inside the range the axes show (the whole series when its
    // positions are unordered); -1 for both when none is.
    void CalcFirstLastVisibleIndex();
    // Gives back what the lists grew for points that never came, once the
    // points stopped coming: each paint asks, since a series is usually
    // filled before it is shown.
    void ReleaseSlack();
    int GetFirstValueIndex() const { return firstValueIndex_; }
    int GetLastValueIndex() const { return lastValueIndex_; }
    int VisibleCount() const { return lastValueIndex_ - firstValueIndex_ + 1; }
    // Before anything of the chart is drawn.
    virtual void DoBeforeDrawChart() {}
    virtual void DoBeforeDrawValues();
    virtual void DoAfterDrawValues();
    // Every visible point, in the direction DrawValuesForward gives.
    virtual void DrawAllValues();
    // One point; each series type draws its own.
    virtual void DrawValue(int) {}
    virtual bool DrawValuesForward() const { return true; }

    // Where more points than pixels share a column of the position axis,
    // the base draws per column only the points whose pixels can still be
    // seen, giving the picture every point would give: a line its column's
    // entry, lowest, highest and exit point (crPath); candles, volume and
    // bars the points that later points of the column do not wholly paint
    // over (crCover, through ColumnPaint). crNone draws every point.
    enum TColumnRoad { crNone, crPath, crCover };
    virtual TColumnRoad ColumnRoad() const { return crNone; }
    // Rows of pixels, top to bottom inclusive; empty when Top > Bottom.
    struct TRowSpan {
        int Top = 1, Bottom = 0;
        bool Empty() const { return Top > Bottom; }
    };
    // What point ValueIndex paints of its column, for crCover: Body rows
    // over the whole width the column's points share, Part rows over some
    // of it, Stem rows in the middle pixel column only. False when the
    // point paints something else: it is drawn.
    struct TColumnPaint {
        TRowSpan Body, Part, Stem;
    };
    virtual bool ColumnPaint(int, TColumnPaint&) const { return false; }
    // Whether series sharing a depth slot draw point ValueIndex in list order.
    virtual bool DrawSeriesForward(int) const { return true; }

    // The marks of the visible points that are not null and have a text.
    virtual void DrawMarks();
    // Places the mark (PlaceMark) and draws it.
    virtual void DrawMark(int ValueIndex, const AnsiString& St, TSeriesMarkPosition& APosition);
    // Moves a mark from where it stands centred over its point to where
    // the series shows it; false when it is not drawn.
    virtual bool PlaceMark(int, TSeriesMarkPosition&) { return true; }
    // The widest mark text in the canvas font.
    int MaxMarkWidth() const;
    TSeriesMarks* GetMarks() const { return marks_; }
    void SetMarks(TSeriesMarks* Value) { marks_->Assign(Value); }

    // Whether S is of this series' class or descends from it; each series
    // type answers for its own class.
    virtual bool IsSameOrDescendant(const TChartSeries* S) const { return S != nullptr; }
    // Either class descends from the other.
    bool SameClass(const TChartSeries* S) const { return IsSameOrDescendant(S) || S->IsSameOrDescendant(this); }

    // ---- Pixels -------------------------------------------------------------
    // A point's (or a value's) pixel through the series' own axes.
    virtual int CalcXPos(int ValueIndex) const;
    virtual int CalcYPos(int ValueIndex) const;
    int CalcXPosValue(double Value) const;
    int CalcYPosValue(double Value) const;
    // Along the axis the positions run on.
    int CalcPosValue(double Value) const { return YMandatory() ? CalcYPosValue(Value) : CalcXPosValue(Value); }
    int CalcXSizeValue(double Value) const;
    int CalcYSizeValue(double Value) const;
    double XScreenToValue(int Pixel) const;
    double YScreenToValue(int Pixel) const;
    // The point under the mouse, or -1.
    int GetCursorValueIndex() const;
    // The pixels the series needs beside the chart rectangle.
    virtual void CalcHorizMargins(int& Left, int& Right) const { Left = Right = 0; }
    virtual void CalcVerticalMargins(int& Top, int& Bottom) const { Top = Bottom = 0; }

    // ---- Mouse ------------------------------------------------------------------
    // The point at the pixel, or -1.
    virtual int Clicked(int, int) { return -1; }
    virtual void DoSeriesMouseMove(TShiftState, int, int) {}
    virtual void DoSeriesMouseUp(TMouseButton, TShiftState, int, int) {}
    // OnDblClick for a double click, else OnClick; whether a handler ran
    // (the chart then leaves the mouse alone).
    bool DoSeriesClick(TChartSeries* Sender, int ValueIndex, TMouseButton Button, TShiftState Shift, int X, int Y);

    // ---- Legend -----------------------------------------------------------------
    virtual int CountLegendItems() const { return Count(); }
    virtual int LegendToValueIndex(int LegendIndex) const { return LegendIndex; }
    virtual TColor LegendItemColor(int LegendIndex) const { return GetValueColor(LegendIndex); }
    AnsiString LegendString(int LegendIndex, TLegendTextStyle LegendTextStyle) const;
    // The symbol of a point (-1: of the whole series) in Rect.
    void DrawLegend(int ValueIndex, const TRect& Rect);
    virtual void DrawLegendShape(int ValueIndex, const TRect& Rect);
    virtual void PrepareLegendCanvas(int, TColor&, TBrushStyle&) {}

    // ---- Data sources and linked series ---------------------------------------
    // The first data source, or nullptr.
    TComponent* GetDataSource() const { return dataSources_.empty() ? nullptr : dataSources_.front(); }
    // Replaces every data source by Value; nullptr leaves the series without.
    void SetDataSource(TComponent* Value);
    // Adds Value after the sources the series has (a function reads them
    // all), with SetDataSource's checks, and refills the series.
    void AddDataSource(TComponent* Value);
    const std::vector<TComponent*>& GetDataSources() const { return dataSources_; }
    const std::vector<TChartSeries*>& GetLinkedSeries() const { return linkedSeries_; }
    void AddLinkedSeries(TChartSeries* Value);
    void RemoveLinkedSeries(TChartSeries* Value);
    void RemoveDataSource(TComponent* Value);
    // Asks the chart to fill the series again from its data source.
    void CheckDataSource();
    virtual bool IsValidSourceOf(TChartSeries* Value) const { return Value != this; }
    virtual bool IsValidSeriesSource(TChartSeries*) const { return true; }
    // Passes a change of the points on to the linked series.
    void NotifyValue(TValueEvent ValueEvent, int ValueIndex);
    void RefreshSeries() { NotifyValue(veRefresh, 0); }
    // Clears this series and copies every point of Source, or, with a
    // Function, fills it with what the function makes of Source.
    void AddValues(TChartSeries* Source);
    // Puts New in Old's place among the data sources (Old only goes when
    // New is there already) and leaves Old's linked series; nothing is
    // recalculated.
    void ReplaceDataSource(TChartSeries* Old, TChartSeries* New);
    // The calculation that fills the series from its sources, or nullptr.
    TTeeFunction* GetFunction() const { return function_; }
    // Frees the function the series had, takes Value (from the series it
    // belonged to) and refills the series. ChartException, and nothing
    // changes, when Value's period cannot advance over the series' source.
    virtual void SetFunction(TTeeFunction* Value);

    // ---- Repaint requests -------------------------------------------------------
    // Asks the parent chart to paint again; nothing without one.
    void Repaint();
    void SetBooleanProperty(bool& Variable, bool Value);
    void SetIntegerProperty(int& Variable, int Value);
    void SetColorProperty(TColor& Variable, TColor Value);
    void SetDoubleProperty(double& Variable, double Value);
    void SetStringProperty(AnsiString& Variable, const AnsiString& Value);

    TSeriesOnAfterAdd OnAfterAdd;
    TSeriesOnBeforeAdd OnBeforeAdd;
    TSeriesOnClear OnClearValues;
    TNotifyEvent BeforeDrawValues;
    TNotifyEvent AfterDrawValues;
    TSeriesClick OnClick;
    TSeriesClick OnDblClick;
    TSeriesOnGetMarkText OnGetMarkText;

protected:
    // The smallest (IsMin) or largest value of List over the points that
    // are not null; NaN when there is none.
    double DrawnLimit(const TChartValueList* List, bool IsMin) const;

    // What a point's percent is a share of: the absolute values of the
    // mandatory list.
    virtual double PercentTotal() const { return MandatoryValueList()->GetTotalABS(); }
    void Notification(TComponent* AComponent, TOperation Operation) override;
    // After a point reached ValueIndex: OnAfterAdd, the linked series, a
    // repaint request.
    virtual void NotifyNewValue(TChartSeries* Sender, int ValueIndex);
    // The source's point ValueIndex added here with its colour and label.
    virtual void AddedValue(TChartSeries* Source, int ValueIndex);
    virtual void DeletedValue(TChartSeries* Source, int ValueIndex);
    // The source's point ValueIndex inserted into every list; its index here.
    virtual int AddChartValue(TChartSeries* Source, int ValueIndex);

    // Takes the depth slot Value without advancing the chart's counter.
    void ShareZOrder(int Value) { autoZOrder_ = Value; }
    bool HasFixedZOrder() const { return zOrder_ != -1; }
    // Where sample values start and how far they may range.
    void CalcRandomBounds(int NumValues, double& tmpX, double& StepX, double& tmpY, double& MinY,
                          double& DifY);
    // Where a sample fill stands: Y is the walk's last value, which AddPoint
    // may move on.
    struct TSampleBounds {
        double X = 0, StepX = 0, Y = 0, MinY = 0, DifY = 0;
    };
    // The frame of every sample fill: a count below 1 refused, the points
    // cleared, AddPoint called at each X with the chart's repaints held back,
    // then one repaint.
    void FillSamplesWith(int NumValues, const std::function<void(double X, TSampleBounds& Bounds)>& AddPoint);
    // A pen the column road can draw with: hidden, or one pixel wide,
    // solid and copying.
    static bool ThinSolidPen(const TChartPen* Pen);
    // Cleared by series whose every point is always drawn.
    bool calcVisiblePoints_ = true;
    // Set by series that draw the first point past the far edge too, so that
    // a line reaches the edge.
    bool drawBetweenPoints_ = false;
    // A function over all points gives one point in the middle; series that
    // clear it (lines, areas) get a level line across the source's range.
    bool singleFunctionPoint_ = true;

private:
    friend class TCustomAxisPanel;
    friend class TTeeFunction;
    void InsertPoint(int Index, const AnsiString& ALabel, TColor AColor);
    // The colour the point was given, DefaultPointColor when none.
    TColor OwnColor(int Index) const {
        const TColor* color = colors_.Find(Index);
        return color ? *color : DefaultPointColor;
    }
    void SetOwnColor(int Index, TColor Value);
    // The column road (TeEngineSeriesColumns.cpp).
    bool ColumnsShared() const;
    int ColumnOf(int ValueIndex) const;
    int ColumnEnd(int From, int Column) const;
    void DrawColumns();
    void DrawPathColumn(int First, int Last);
    void DrawCoverColumn(int First, int Last);
    bool SameColorRun(int First, int Last) const;
    // The points of one column the cover road draws, reused from paint to paint.
    std::vector<int> columnKept_;

    // ---- Marks (TeEngineSeriesMarksCover.cpp) ----
    // The canvas takes the marks' font, zoomed with a 3-D chart's text.
    void UseMarksFont();
    // A point's mark text; false when it shows none.
    bool MarkText(int ValueIndex, AnsiString& Text) const;
    // The box of a mark text in the canvas font, centred over its point.
    void CentreMark(int ValueIndex, const AnsiString& Text, TSeriesMarkPosition& APosition);
    // Whether a mark that later marks wholly paint over may be left out.
    bool MarksMayHide() const;
    // From the last mark back, leaves out those the later ones hide.
    void DrawUncoveredMarks();
    // While alive, the marks' texts read the percent total (which may add
    // up every point) once; not with a text handler, which may change the
    // values between marks.
    class TSharedPercentTotal {
    public:
        explicit TSharedPercentTotal(const TChartSeries* Series);
        ~TSharedPercentTotal();
        TSharedPercentTotal(const TSharedPercentTotal&) = delete;
        TSharedPercentTotal& operator=(const TSharedPercentTotal&) = delete;

    private:
        const TChartSeries* series_ = nullptr;
    };
    mutable std::optional<double> sharedPercentTotal_;
    void InternalAddDataSource(TComponent* Value);
    // The checks of a new data source (ChartException); false when Value is
    // one already.
    bool IsNewDataSource(TComponent* Value);
    void DropDataSources();

    TChartValueLists valuesLists_;
    TChartValueList* xValues_ = nullptr;
    TChartValueList* yValues_ = nullptr;
    // Colours and labels of the points that were given one; how many of
    // those colours mark null points.
    TPointValues<TColor> colors_;
    TPointValues<AnsiString> labels_;
    int nullCount_ = 0;
    int slackCount_ = -1;

    bool active_ = true;
    TColor seriesColor_ = DefaultPointColor;
    bool colorEachPoint_ = false;
    bool showInLegend_ = true;
    AnsiString title_;
    AnsiString valueFormat_;
    AnsiString percentFormat_;
    TCursor cursor_ = 0;
    AnsiString colorSource_;
    AnsiString labelsSource_;
    AnsiString identifier_;
    TChartSeriesStyle style_;
    TSeriesRecalcOptions recalcOptions_{rOnDelete, rOnModify, rOnInsert, rOnClear};

    TCustomAxisPanel* parentChart_ = nullptr;
    THorizAxis horizAxis_ = aBottomAxis;
    TVertAxis vertAxis_ = aLeftAxis;
    TChartAxis* customHorizAxis_ = nullptr;
    TChartAxis* customVertAxis_ = nullptr;
    TCustomChartAxis* horizontalAxis_ = nullptr;
    TCustomChartAxis* verticalAxis_ = nullptr;
    int zOrder_ = -1;
    int autoZOrder_ = 0;
    int firstValueIndex_ = -1;
    int lastValueIndex_ = -1;

    std::vector<TComponent*> dataSources_;
    std::vector<TChartSeries*> linkedSeries_;
    TTeeFunction* function_ = nullptr;
    // Source names read from a stream, looked up when loading ends.
    std::vector<AnsiString> pendingSources_;
    TSeriesMarks* marks_;
};
