#pragma once
// The fast line series: every point joined to the next with one pen set up
// once per pass, no markers, stairs, area or depth band. With AutoRepaint
// off, an added point draws its one segment instead of repainting the chart.

#include "chart/series/TeEngineSeries.h"

class TFastLineSeries : public TChartSeries {
public:
    explicit TFastLineSeries(TComponent* AOwner);
    ~TFastLineSeries() override;
    void Assign(TPersistent* Source) override;
    bool IsSameOrDescendant(const TChartSeries* S) const override {
        return dynamic_cast<const TFastLineSeries*>(S) != nullptr;
    }
    AnsiString GetEditorClass() const override { return "TFastLineSeriesEditor"; }

    bool GetAutoRepaint() const { return autoRepaint_; }
    void SetAutoRepaint(bool Value) { autoRepaint_ = Value; }
    TChartPen* GetLinePen() const { return linePen_; }
    // The series takes the pen's colour.
    void SetLinePen(TChartPen* Value);
    // The pen takes the series' colour.
    void SetSeriesColor(TColor Value) override;

    // The line pen on the canvas, nothing filled.
    void PrepareCanvas();
    void DrawAllValues() override;
    void DrawValue(int ValueIndex) override;
    // Flat lines of a thin solid pen.
    TColumnRoad ColumnRoad() const override;
    void DrawLegendShape(int ValueIndex, const TRect& Rect) override;
    bool PlaceMark(int ValueIndex, TSeriesMarkPosition& APosition) override;
    // A point exactly, or the segment running from it to the next.
    int Clicked(int X, int Y) override;

protected:
    // With AutoRepaint off: the events and linked series as ever, then the
    // new segment instead of a repaint.
    void NotifyNewValue(TChartSeries* Sender, int ValueIndex) override;

private:
    void PenChanged(TObject*) { Repaint(); }
    // The segment from the point before ValueIndex, into the chart's
    // picture and onto the window.
    void DrawAddedSegment(int ValueIndex);

    bool autoRepaint_ = true;
    TChartPen* linePen_;
    // The pixel of the last point drawn.
    int oldX_ = 0, oldY_ = 0;
};
