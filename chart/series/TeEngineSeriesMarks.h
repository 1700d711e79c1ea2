#pragma once
// The marks of a series: framed text boxes beside its points with an arrow
// from each point, where each was drawn last (or pinned by code), and which
// mark lies under a point.

#include <map>

#include "chart/canvas/TeCanvas.h"
#include "platform/gdi/Graphics.h"

class TChartSeries;

// Arrows in the point's or the chart's colour are drawn in black (white
// on a black chart) so that they stay visible.
extern bool TeeCheckMarkArrowColor;

enum TSeriesMarksStyle {
    smsValue, smsPercent, smsLabel, smsLabelPercent, smsLabelValue, smsLegend, smsPercentTotal,
    smsLabelPercentTotal, smsXValue
};

class TSeriesMarkPosition : public TObject {
public:
    // The geometry only; whether it is pinned stays.
    void Assign(const TSeriesMarkPosition* Source);
    TRect Bounds() const { return TRect(LeftTop.x, LeftTop.y, LeftTop.x + Width, LeftTop.y + Height); }

    TPoint ArrowFrom;
    TPoint ArrowTo;
    // Set by code: the mark stays there across paints.
    bool Custom = false;
    int Height = 0;
    TPoint LeftTop;
    int Width = 0;
};

// One optional position per point index, kept only for the marks placed,
// so that a long series whose marks mostly hide costs what shows.
class TSeriesMarksPositions {
public:
    TSeriesMarksPositions() = default;
    ~TSeriesMarksPositions() { Clear(); }
    TSeriesMarksPositions(const TSeriesMarksPositions&) = delete;
    TSeriesMarksPositions& operator=(const TSeriesMarksPositions&) = delete;

    // nullptr past the end or where no mark was placed.
    TSeriesMarkPosition* GetPosition(int Index) const;
    // Pins the mark of Index at APosition's geometry.
    void SetPosition(int Index, const TSeriesMarkPosition* APosition);
    // Lets a pinned mark follow its point again.
    void Automatic(int Index);
    // One past the highest index placed.
    int GetCount() const { return items_.empty() ? 0 : items_.rbegin()->first + 1; }
    void Clear();
    // Whether code pinned any mark.
    bool AnyPinned() const;

private:
    friend class TSeriesMarks;
    // The record of Index, made when missing.
    TSeriesMarkPosition* Ensure(int Index);
    std::map<int, TSeriesMarkPosition*> items_;
};

class TSeriesMarks : public TPersistent {
public:
    explicit TSeriesMarks(TChartSeries* AOwner);
    ~TSeriesMarks() override;
    // The settings; positions are not copied.
    void Assign(TPersistent* Source) override;

    TChartArrowPen* GetArrow() const { return arrow_; }
    void SetArrow(TChartPen* Value) { arrow_->Assign(Value); }
    int GetArrowLength() const { return arrowLength_; }
    void SetArrowLength(int Value);
    TColor GetBackColor() const { return backColor_; }
    void SetBackColor(TColor Value);
    bool GetTransparent() const { return transparent_; }
    void SetTransparent(bool Value);
    bool GetClip() const { return clip_; }
    void SetClip(bool Value);
    TChartPen* GetFrame() const { return frame_; }
    void SetFrame(TChartPen* Value) { frame_->Assign(Value); }
    TFont* GetFont() const { return font_; }
    void SetFont(TFont* Value) { font_->Assign(Value); }
    TSeriesMarksStyle GetStyle() const { return style_; }
    void SetStyle(TSeriesMarksStyle Value);
    bool GetVisible() const { return visible_; }
    void SetVisible(bool Value);
    TSeriesMarksPositions* GetPositions() { return &positions_; }
    void ClearPositions() { positions_.Clear(); }

    // Pinned marks give APosition their geometry; the others remember it.
    void UsePosition(int Index, TSeriesMarkPosition& APosition);
    // One mark: arrow, box and the text's lines, on the series' chart.
    void Draw(int Index, TColor AColor, const AnsiString& St, TSeriesMarkPosition& APosition);
    // The box of a mark at APosition where Draw puts it on Canvas: in 3-D
    // on a canvas of flat text it moves with its anchor's projection.
    TRect SeenBounds(TCanvas3D* Canvas, bool Is3D, const TSeriesMarkPosition& APosition) const;
    // The index of the first mark whose box holds (X, Y); -1 for none.
    int Clicked(int X, int Y);

    // The depth marks are drawn at in 3-D.
    int ZPosition = 0;

private:
    void Changed(TObject*);
    void SetProperty(bool& Variable, bool Value);
    void DrawText(TCanvas3D* Canvas, const TSeriesMarkPosition& APosition, const AnsiString& St);

    TChartSeries* series_;
    TChartArrowPen* arrow_;
    int arrowLength_ = 8;
    TColor backColor_ = 0x80FFFF;
    bool transparent_ = false;
    bool clip_ = false;
    TChartPen* frame_;
    TFont* font_;
    TSeriesMarksStyle style_ = smsLabel;
    TSeriesMarksPositions positions_;
    bool visible_ = false;
};
