#pragma once
// The marker a line, point or area series draws at its points: shape, half
// sizes, pen, brush and 3-D look, drawn flat, in depth or in a legend box.

#include "chart/canvas/TeCanvas.h"

class TChartSeries;

enum TSeriesPointerStyle : unsigned char {
    psRectangle, psCircle, psTriangle, psDownTriangle, psCross, psDiagCross, psStar, psDiamond, psSmallDot
};

class TSeriesPointer : public TPersistent {
public:
    explicit TSeriesPointer(TChartSeries* AOwner);
    ~TSeriesPointer() override;
    void Assign(TPersistent* Source) override;

    TChartBrush* GetBrush() const { return brush_; }
    void SetBrush(TBrush* Value) { brush_->Assign(Value); }
    TChartPen* GetPen() const { return pen_; }
    void SetPen(TChartPen* Value) { pen_->Assign(Value); }
    bool GetDark3D() const { return dark3D_; }
    void SetDark3D(bool Value);
    bool GetDraw3D() const { return draw3D_; }
    void SetDraw3D(bool Value);
    // Half sizes: the marker spans 2 x size + 1 pixels. ChartException
    // below 1, the old size stays.
    int GetHorizSize() const { return horizSize_; }
    void SetHorizSize(int Value);
    int GetVertSize() const { return vertSize_; }
    void SetVertSize(int Value);
    bool GetInflateMargins() const { return inflateMargins_; }
    void SetInflateMargins(bool Value);
    TSeriesPointerStyle GetStyle() const { return style_; }
    void SetStyle(TSeriesPointerStyle Value);
    bool GetVisible() const { return visible_; }
    void SetVisible(bool Value);
    // Store only, unchecked and without a repaint: for series that set their
    // marker up while they draw.
    void ChangeStyle(TSeriesPointerStyle Value) { style_ = Value; }
    void ChangeHorizSize(int Value) { horizSize_ = Value; }
    void ChangeVertSize(int Value) { vertSize_ = Value; }
    void Change3D(bool Value) { draw3D_ = Value; }

    // Room for markers at the chart's edges.
    void CalcHorizMargins(int& Left, int& Right) const;
    void CalcVerticalMargins(int& Top, int& Bottom) const;
    // Pen and brush of the chart's canvas for one marker of ColorValue.
    void PrepareCanvas(TColor ColorValue);
    void Draw(int px, int py, TColor ColorValue, TSeriesPointerStyle AStyle);
    // One marker on a prepared canvas.
    void DrawPointer(bool Is3D, int px, int py, int HalfWidth, int HalfHeight, TColor ColorValue,
                     TSeriesPointerStyle AStyle);
    // A marker centred in a legend box, never larger than on the chart;
    // smaller beside a line (DrawPen).
    void DrawLegendShape(TColor ColorValue, const TRect& Rect, bool DrawPen);

private:
    void Changed(TObject*);
    void DrawFlat(TCanvas3D* Canvas, int px, int py, int H, int V, TColor ColorValue, TSeriesPointerStyle AStyle);
    void DrawDeep(TCanvas3D* Canvas, int px, int py, int H, int V, TColor ColorValue, TSeriesPointerStyle AStyle);

    TChartSeries* series_;
    bool dark3D_ = true;
    bool draw3D_ = true;
    TChartBrush* brush_;
    int horizSize_ = 4;
    bool inflateMargins_ = true;
    TChartPen* pen_;
    TSeriesPointerStyle style_ = psRectangle;
    int vertSize_ = 4;
    bool visible_ = true;
};
