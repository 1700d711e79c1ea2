#pragma once
// TCustomSeries draws its points as connected segments, stairs, a band in
// depth or a filled area, with an optional marker at each point; the line,
// point and area series are its three configurations.

#include "chart/series/TeEngineSeries.h"
#include "chart/series/TeEngineSeriesPointer.h"

class TCustomSeries;
using TSeriesClickPointerEvent = TClosure<void(TCustomSeries* Sender, int ValueIndex, int X, int Y)>;
using TOnGetPointerStyle = TClosure<TSeriesPointerStyle(TChartSeries* Sender, int ValueIndex)>;

class TCustomSeries : public TChartSeries {
public:
    explicit TCustomSeries(TComponent* AOwner);
    ~TCustomSeries() override;
    void Assign(TPersistent* Source) override;
    bool IsSameOrDescendant(const TChartSeries* S) const override {
        return dynamic_cast<const TCustomSeries*>(S) != nullptr;
    }
    AnsiString GetEditorClass() const override { return "TCustomSeriesEditor"; }

    TBrushStyle GetAreaBrush() const { return areaBrush_; }
    void SetAreaBrush(TBrushStyle Value);
    TColor GetAreaColor() const { return areaColor_; }
    void SetAreaColor(TColor Value) { SetColorProperty(areaColor_, Value); }
    TChartPen* GetAreaLinesPen() const { return areaLinesPen_; }
    void SetAreaLinesPen(TChartPen* Value) { areaLinesPen_->Assign(Value); }
    bool GetClickableLine() const { return clickableLine_; }
    void SetClickableLine(bool Value) { clickableLine_ = Value; }
    bool GetDark3D() const { return dark3D_; }
    void SetDark3D(bool Value) { SetBooleanProperty(dark3D_, Value); }
    bool GetDrawArea() const { return drawArea_; }
    void SetDrawArea(bool Value) { SetBooleanProperty(drawArea_, Value); }
    bool GetDrawLine() const { return drawLine_; }
    bool GetInvertedStairs() const { return invertedStairs_; }
    void SetInvertedStairs(bool Value) { SetBooleanProperty(invertedStairs_, Value); }
    TBrushStyle GetLineBrush() const { return lineBrush_; }
    void SetLineBrush(TBrushStyle Value);
    int GetLineHeight() const { return lineHeight_; }
    void SetLineHeight(int Value) { SetIntegerProperty(lineHeight_, Value); }
    TChartPen* GetLinePen() const { return linePen_; }
    void SetLinePen(TChartPen* Value) { linePen_->Assign(Value); }
    TSeriesPointer* GetPointer() const { return pointer_; }
    void SetPointer(TSeriesPointer* Value) { pointer_->Assign(Value); }
    bool GetStairs() const { return stairs_; }
    void SetStairs(bool Value) { SetBooleanProperty(stairs_, Value); }

    // The area's fill: the point's colour under ColorEachPoint or while
    // AreaColor is the default.
    TColor GetAreaBrushColor(TColor AColor) const;
    void LinePrepareCanvas(TCanvas3D* Canvas, TColor AColor);
    virtual void DrawPointer(int AX, int AY, TColor AColor, int ValueIndex);
    // A click strictly inside the marker's half sizes.
    virtual bool ClickedPointer(int ValueIndex, int tmpX, int tmpY, int X, int Y) const;
    // The pixel the area of point ValueIndex reaches down to.
    virtual int GetOriginPos(int ValueIndex) const;

    // Every pass starts without a previous point.
    void DoBeforeDrawValues() override;
    void DrawValue(int ValueIndex) override;
    // Flat lines and areas without markers or stairs, drawn with thin solid pens.
    TColumnRoad ColumnRoad() const override;
    bool PlaceMark(int ValueIndex, TSeriesMarkPosition& APosition) override;
    void CalcHorizMargins(int& Left, int& Right) const override;
    void CalcVerticalMargins(int& Top, int& Bottom) const override;
    int Clicked(int X, int Y) override;
    void DrawLegendShape(int ValueIndex, const TRect& Rect) override;

    TSeriesClickPointerEvent OnClickPointer;
    TOnGetPointerStyle OnGetPointerStyle;

protected:
    bool drawLine_ = false;

private:
    void PenChanged(TObject*);
    // One step of the line from the previous point to (x, y).
    void DrawSegment(bool WithMarkers, int ValueIndex);
    void DrawBand3D(TCanvas3D* Canvas, TColor Color);
    void DrawAreaFace(TCanvas3D* Canvas, TColor Color);
    // Where the first visible point's line comes from: the previous point
    // for an area, else the chart's edge at the line's height there.
    void StartFromEdge(int ValueIndex);
    void DrawLegendLine(const TRect& Rect, TColor Color);
    bool ClickedSegment(int X, int Y, int tmpX, int tmpY, int OldX, int OldY) const;

    TBrushStyle areaBrush_ = bsSolid;
    TColor areaColor_ = DefaultPointColor;
    TChartPen* areaLinesPen_;
    bool clickableLine_ = true;
    bool dark3D_ = true;
    bool drawArea_ = false;
    bool invertedStairs_ = false;
    TBrushStyle lineBrush_ = bsSolid;
    int lineHeight_ = 0;
    TChartPen* linePen_;
    TSeriesPointer* pointer_;
    bool stairs_ = false;

    // The drawing pass: this and the previous point.
    int x_ = 0, y_ = 0, oldX_ = 0, oldY_ = 0;
    TColor color_ = clNone, oldColor_ = clNone;
    int bottomPos_ = 0, oldBottomPos_ = 0;
    bool isLast_ = false;
    double slope3D_ = 1.0;
};

class TLineSeries : public TCustomSeries {
public:
    explicit TLineSeries(TComponent* AOwner);
    void Assign(TPersistent* Source) override;
    bool IsSameOrDescendant(const TChartSeries* S) const override {
        return dynamic_cast<const TLineSeries*>(S) != nullptr;
    }
    void PrepareLegendCanvas(int ValueIndex, TColor& BackColor, TBrushStyle& BrushStyle) override;
};

class TPointSeries : public TCustomSeries {
public:
    explicit TPointSeries(TComponent* AOwner);
    void Assign(TPersistent* Source) override;
    bool IsSameOrDescendant(const TChartSeries* S) const override {
        return dynamic_cast<const TPointSeries*>(S) != nullptr;
    }
    AnsiString GetEditorClass() const override { return "TSeriesPointerEditor"; }
    // Each marker takes its point's colour when switched on.
    void SetColorEachPoint(bool Value) override;
};

enum TMultiArea { maNone, maStacked, maStacked100 };

class TAreaSeries : public TCustomSeries {
public:
    explicit TAreaSeries(TComponent* AOwner);
    void Assign(TPersistent* Source) override;
    bool IsSameOrDescendant(const TChartSeries* S) const override {
        return dynamic_cast<const TAreaSeries*>(S) != nullptr;
    }
    AnsiString GetEditorClass() const override { return "TAreaSeriesEditor"; }
    TMultiArea GetMultiArea() const { return multiArea_; }
    // Every area series of this kind on the chart stacks the same way.
    void SetMultiArea(TMultiArea Value);

    int CalcYPos(int ValueIndex) const override;
    int GetOriginPos(int ValueIndex) const override;
    // A stacked area's pixels depend on the areas below: every point is drawn.
    TColumnRoad ColumnRoad() const override { return multiArea_ == maNone ? TCustomSeries::ColumnRoad() : crNone; }
    double MaxYValue() const override;
    double MinYValue() const override;
    // Stacked areas share one depth slot.
    void CalcZOrder() override;
    void PrepareLegendCanvas(int ValueIndex, TColor& BackColor, TBrushStyle& BrushStyle) override;

private:
    // The pixel of v stacked over the series before this one at Index.
    int StackedYPos(int ValueIndex, double Value) const;
    TMultiArea multiArea_ = maNone;
};

// Puts the standard series types into the gallery registry in their order:
// line, bar, horizontal bar, area, point, pie, fast line.
void RegisterStandardSeries();
