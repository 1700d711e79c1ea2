#pragma once
// Bar series: one bar per point from an origin to its value, in eight
// shapes, alone or arranged with the other bar series of its class on the
// chart (side by side, stacked, stacked to 100 %). TBarSeries stands its
// bars on the X positions; THorizBarSeries lays them along the Y positions.

#include "chart/series/TeEngineSeries.h"

enum TBarStyle { bsRectangle, bsPyramid, bsInvPyramid, bsCilinder, bsEllipse, bsArrow, bsRectGradient, bsCone };
enum TMultiBar { mbNone, mbSide, mbStacked, mbStacked100, mbSeries };

class TCustomBarSeries;
using TGetBarStyleEvent = TClosure<void(TCustomBarSeries* Sender, int ValueIndex, TBarStyle& TheBarStyle)>;

class TCustomBarSeries : public TChartSeries {
public:
    explicit TCustomBarSeries(TComponent* AOwner);
    ~TCustomBarSeries() override;
    void Assign(TPersistent* Source) override;
    bool IsSameOrDescendant(const TChartSeries* S) const override {
        return dynamic_cast<const TCustomBarSeries*>(S) != nullptr;
    }
    AnsiString GetEditorClass() const override { return "TBarSeriesEditor"; }

    bool GetAutoBarSize() const { return autoBarSize_; }
    void SetAutoBarSize(bool Value) { SetBooleanProperty(autoBarSize_, Value); }
    bool GetAutoMarkPosition() const { return autoMarkPosition_; }
    void SetAutoMarkPosition(bool Value) { SetBooleanProperty(autoMarkPosition_, Value); }
    TChartBrush* GetBarBrush() const { return barBrush_; }
    void SetBarBrush(TBrush* Value) { barBrush_->Assign(Value); }
    TChartPen* GetBarPen() const { return barPen_; }
    void SetBarPen(TChartPen* Value) { barPen_->Assign(Value); }
    TBarStyle GetBarStyle() const { return barStyle_; }
    void SetBarStyle(TBarStyle Value);
    // The shape of one bar, as OnGetBarStyle leaves it.
    TBarStyle GetBarStyle(int ValueIndex);
    int GetBarWidthPercent() const { return barWidthPercent_; }
    // 1..100, else BarException.
    void SetBarWidthPercent(int Value);
    int GetCustomBarSize() const { return customBarSize_; }
    void SetCustomBarSize(int Value) { SetIntegerProperty(customBarSize_, Value); }
    bool GetDark3D() const { return dark3D_; }
    void SetDark3D(bool Value) { SetBooleanProperty(dark3D_, Value); }
    TMultiBar GetMultiBar() const { return multiBar_; }
    // Every bar series of this class on the chart is arranged the same way.
    void SetMultiBar(TMultiBar Value);
    int GetOffsetPercent() const { return offsetPercent_; }
    // -100..100, else BarException.
    void SetOffsetPercent(int Value);
    bool GetSideMargins() const { return sideMargins_; }
    // Copied into the other bar series of this class on the chart.
    void SetSideMargins(bool Value);
    bool GetUseYOrigin() const { return useYOrigin_; }
    void SetUseYOrigin(bool Value) { SetBooleanProperty(useYOrigin_, Value); }
    double GetYOrigin() const { return yOrigin_; }
    void SetYOrigin(double Value) { SetDoubleProperty(yOrigin_, Value); }

    int AddBar(double Value, const AnsiString& ALabel, TColor AColor) { return Add(Value, ALabel, AColor); }
    int NumSampleValues() const override { return 6; }

    // Pixels of one bar, as the last paint (or margin calculation) found.
    int GetBarWidth() const { return barWidth_; }
    // The bar width from the slot each point has on the position axis.
    void CalcBarWidth() const;
    // The pixel a bar of ValueIndex starts from on the value axis.
    virtual int GetOriginPos(int ValueIndex) const = 0;

    // A fresh width for every paint; no bar of an earlier pass carries over.
    void DoBeforeDrawValues() override;
    // The bar of one point, upright or lying, in its slot.
    void DrawValue(int ValueIndex) override;
    // Stacked and side-by-side bars share one depth slot.
    void CalcZOrder() override;
    bool DrawSeriesForward(int ValueIndex) const override;
    int Clicked(int X, int Y) override;
    void PrepareLegendCanvas(int ValueIndex, TColor& BackColor, TBrushStyle& BrushStyle) override;
    void DrawLegendShape(int ValueIndex, const TRect& Rect) override;

    TGetBarStyleEvent OnGetBarStyle;

protected:
    // Text room a mark needs beside its bar end.
    virtual int InternalCalcMarkLength(int ValueIndex) const = 0;
    virtual bool InternalClicked(int, const TPoint&) { return false; }
    // The bar in barBounds_, in its shape, for upright and lying bars alike.
    void DrawBar(int BarIndex, int StartPos, int EndPos);

    // 1 + the active series of this class before this one on the chart.
    int BarOrderPos() const;
    // How many bars share one slot.
    int BarSeriesCount() const;
    int BarMargin() const;
    int ApplyBarOffset(int Position) const;
    double BarPointOrigin(int ValueIndex, bool SumAll) const;
    // The pixel of the bar's end along the value axis.
    int BarEndPos(int ValueIndex, double Value) const;
    int InternalGetOriginPos(int ValueIndex, int DefaultOrigin) const;
    double MaxMandatoryValue(double Value, const TChartValueList* List) const;
    double MinMandatoryValue(double Value) const;
    int CalcMarkLength(int ValueIndex) const;
    // The axis the values run along and the one the slots run along.
    virtual TCustomChartAxis* ValueAxis() const = 0;
    virtual TCustomChartAxis* SlotAxis() const = 0;
    int ValuePixel(double Value) const;

    void SetPenBrushBar(TColor AColor);
    void BarRectangle(TColor AColor, int ALeft, int ATop, int ARight, int ABottom);
    void AdjustGradientRectPen(TRect& R) const;
    // Whether the current bar's gradient face is drawn projected.
    bool GradientFace3D() const;

    // Worked out again by every paint and margin calculation.
    mutable int barWidth_ = 0;
    TRect barBounds_;
    TColor normalBarColor_ = clNone;

private:
    void CanvasChanged(TObject*) { Repaint(); }

    bool autoBarSize_ = false;
    bool autoMarkPosition_ = true;
    TChartBrush* barBrush_;
    TChartPen* barPen_;
    TBarStyle barStyle_ = bsRectangle;
    int barWidthPercent_ = 70;
    int customBarSize_ = 0;
    bool dark3D_ = true;
    TMultiBar multiBar_ = mbSide;
    int offsetPercent_ = 0;
    bool sideMargins_ = true;
    bool useYOrigin_ = true;
    double yOrigin_ = 0;
};

class TBarSeries : public TCustomBarSeries {
public:
    using TCustomBarSeries::TCustomBarSeries;
    bool IsSameOrDescendant(const TChartSeries* S) const override {
        return dynamic_cast<const TBarSeries*>(S) != nullptr;
    }
    int GetCustomBarWidth() const { return GetCustomBarSize(); }
    void SetCustomBarWidth(int Value) { SetCustomBarSize(Value); }

    // The bar's left edge in its slot.
    int CalcXPos(int ValueIndex) const override;
    // The bar's end.
    int CalcYPos(int ValueIndex) const override;
    int GetOriginPos(int ValueIndex) const override;
    double MaxYValue() const override;
    double MinYValue() const override;
    bool DrawValuesForward() const override;
    // Flat rectangles of a solid brush inside a thin solid pen: each bar
    // paints its slot's width from its end to its origin.
    TColumnRoad ColumnRoad() const override;
    bool ColumnPaint(int ValueIndex, TColumnPaint& Paint) const override;
    bool PlaceMark(int ValueIndex, TSeriesMarkPosition& APosition) override;
    void CalcHorizMargins(int& Left, int& Right) const override;
    void CalcVerticalMargins(int& Top, int& Bottom) const override;

protected:
    int InternalCalcMarkLength(int ValueIndex) const override;
    bool InternalClicked(int ValueIndex, const TPoint& P) override;
    TCustomChartAxis* ValueAxis() const override { return GetVerticalAxis(); }
    TCustomChartAxis* SlotAxis() const override { return GetHorizontalAxis(); }
};

class THorizBarSeries : public TCustomBarSeries {
public:
    explicit THorizBarSeries(TComponent* AOwner);
    bool IsSameOrDescendant(const TChartSeries* S) const override {
        return dynamic_cast<const THorizBarSeries*>(S) != nullptr;
    }
    int GetCustomBarHeight() const { return GetCustomBarSize(); }
    void SetCustomBarHeight(int Value) { SetCustomBarSize(Value); }
    TChartValueList* MandatoryValueList() const override { return GetXValues(); }

    // The bar's end.
    int CalcXPos(int ValueIndex) const override;
    // The bar's top edge in its slot.
    int CalcYPos(int ValueIndex) const override;
    int GetOriginPos(int ValueIndex) const override;
    double MaxXValue() const override;
    double MinXValue() const override;
    bool DrawValuesForward() const override;
    bool PlaceMark(int ValueIndex, TSeriesMarkPosition& APosition) override;
    void CalcHorizMargins(int& Left, int& Right) const override;
    void CalcVerticalMargins(int& Top, int& Bottom) const override;
    // Y counts up from the vertical axis' minimum, X walks at random.
    void FillSampleValues(int NumValues) override;

protected:
    int InternalCalcMarkLength(int ValueIndex) const override;
    bool InternalClicked(int ValueIndex, const TPoint& P) override;
    TCustomChartAxis* ValueAxis() const override { return GetHorizontalAxis(); }
    TCustomChartAxis* SlotAxis() const override { return GetVerticalAxis(); }
};
