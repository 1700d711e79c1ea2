#pragma once
// The text blocks a chart control draws around its plot: TChartTitle (the
// title above and the foot below) and TCustomChartLegend, the box listing
// series or values with a colour sample each. Each takes its room from the
// chart rectangle as it draws, so the order of drawing decides the layout.

#include "chart/panel/TeePanel.h"
#include "chart/series/TeEngineSeries.h"
#include "platform/runtime/Strings.h"

class TCustomChart;

class TChartTitle : public TChartFontObject {
public:
    explicit TChartTitle(TCustomChart* AOwner);
    ~TChartTitle() override;
    void Assign(TPersistent* Source) override;

    // Draws the block at the top (OnTop) or bottom of the chart rectangle
    // and takes its room from it.
    void Draw(bool OnTop);
    // Visible and (X, Y) inside the block as last drawn.
    bool Clicked(int X, int Y) const;

    bool GetAdjustFrame() const { return adjustFrame_; }
    void SetAdjustFrame(bool Value);
    TAlignment GetAlignment() const { return alignment_; }
    void SetAlignment(TAlignment Value);
    TChartBrush* GetBrush() const { return brush_; }
    void SetBrush(TChartBrush* Value) { brush_->Assign(Value); }
    TColor GetColor() const { return color_; }
    void SetColor(TColor Value);
    TChartHiddenPen* GetFrame() const { return frame_; }
    void SetFrame(TChartPen* Value) { frame_->Assign(Value); }
    TStringList* GetText() const { return text_; }
    void SetText(TStrings* Value) { text_->Assign(Value); }
    bool GetVisible() const { return visible_; }
    void SetVisible(bool Value);
    const TRect& GetTitleRect() const { return titleRect_; }
    // Stored only when it differs from the default font in blue.
    bool IsFontStored() const override;

private:
    void PrepareBackground(TCanvas3D* Canvas);
    void TextChanged(TObject*);

    TCustomChart* chart_;
    bool adjustFrame_ = true;
    TAlignment alignment_ = taCenter;
    TChartBrush* brush_;
    TColor color_ = DefaultPointColor;
    TChartHiddenPen* frame_;
    TStringList* text_;
    TRect titleRect_;
    bool visible_ = true;
};

enum TLegendAlignment { laLeft, laRight, laTop, laBottom };
enum TLegendStyle { lsAuto, lsSeries, lsValues, lsLastValues };

class TCustomChartLegend : public TChartFontObject {
public:
    explicit TCustomChartLegend(TCustomChart* AOwner);
    ~TCustomChartLegend() override;
    void Assign(TPersistent* Source) override;

    // Lays the box out against the chart rectangle, draws it and its items
    // and takes its room from the rectangle.
    void Draw();
    // The item position under (X, Y) (not counting FirstValue), or -1.
    int Clicked(int X, int Y);

    // The items: series, the values of the first active series, or the
    // last value of each series.
    void CalcLegendStyle();
    TLegendStyle GetResolvedStyle() const { return resolvedStyle_; }
    int TotalLegendItems() const;
    AnsiString FormattedLegend(int Index) const;
    // The legend text of one point: its label and value; -1 gives "".
    AnsiString FormattedValue(TChartSeries* ASeries, int ValueIndex) const;
    // The widest item text of Count items from FirstValue (-1: all).
    int MaxLegendWidth(int Count);
    // How many items of Size pixels fit from Start.
    virtual int MaxLegendValues(int Start, int Size) const;
    bool GetVertical() const { return alignment_ == laLeft || alignment_ == laRight; }
    TRect GetColorRect(int X, int Top, int Bottom) const;

    TLegendAlignment GetAlignment() const { return alignment_; }
    void SetAlignment(TLegendAlignment Value);
    TChartBrush* GetBrush() const { return brush_; }
    TColor GetColor() const { return color_; }
    void SetColor(TColor Value);
    // Percent of the item width; LegendException outside 0..100.
    int GetColorWidth() const { return colorWidth_; }
    void SetColorWidth(int Value);
    TChartHiddenPen* GetDividingLines() const { return dividingLines_; }
    // LegendException below 0.
    int GetFirstValue() const { return firstValue_; }
    void SetFirstValue(int Value);
    TChartPen* GetFrame() const { return frame_; }
    int GetHorizMargin() const { return horizMargin_; }
    void SetHorizMargin(int Value);
    bool GetInverted() const { return inverted_; }
    void SetInverted(bool Value);
    TLegendStyle GetLegendStyle() const { return legendStyle_; }
    void SetLegendStyle(TLegendStyle Value);
    int GetMaxNumRows() const { return maxNumRows_; }
    void SetMaxNumRows(int Value);
    bool GetResizeChart() const { return resizeChart_; }
    void SetResizeChart(bool Value);
    TColor GetShadowColor() const { return shadowColor_; }
    void SetShadowColor(TColor Value);
    int GetShadowSize() const { return shadowSize_; }
    void SetShadowSize(int Value);
    TLegendTextStyle GetTextStyle() const { return textStyle_; }
    void SetTextStyle(TLegendTextStyle Value);
    // Percent; LegendException outside 0..100.
    int GetTopPos() const { return topPos_; }
    void SetTopPos(int Value);
    int GetVertMargin() const { return vertMargin_; }
    void SetVertMargin(int Value);
    bool GetVisible() const { return visible_; }
    void SetVisible(bool Value);

    // The layout of the last paint.
    const TRect& GetRectLegend() const { return rectLegend_; }
    int GetColorWidthPixels() const { return colorWidthPixels_; }
    int GetColumns() const { return columns_; }
    int GetRows() const { return rows_; }

private:
    void Changed(TObject*);
    void CalcVerticalExtent(int FrameWidth, int ItemWidth, int Total);
    void CalcColumnsRows(int ItemWidth, int Total);
    int CalcHorizontalExtent(int FrameWidth, int ItemWidth);
    void DrawBox();
    void DrawItem(int Index, int Position, int Total, int ItemWidth);
    void GiveWay();
    // The legend's series of value items (the first active one), if shown.
    TChartSeries* ValuesSeries() const;
    int RowAt(int Y, int ItemHeight) const;

    TCustomChart* chart_;
    TLegendAlignment alignment_ = laRight;
    TChartBrush* brush_;
    TColor color_ = clWhite;
    int colorWidth_ = 12;
    TChartHiddenPen* dividingLines_;
    int firstValue_ = 0;
    TChartPen* frame_;
    int horizMargin_ = 0;
    bool inverted_ = false;
    TLegendStyle legendStyle_ = lsAuto;
    int maxNumRows_ = 10;
    bool resizeChart_ = true;
    TColor shadowColor_ = clBlack;
    int shadowSize_ = 3;
    TLegendTextStyle textStyle_ = ltsLeftValue;
    int topPos_ = 10;
    int vertMargin_ = 0;
    bool visible_ = true;

    TRect rectLegend_;
    TLegendStyle resolvedStyle_ = lsSeries;
    int colorWidthPixels_ = 0;
    int columns_ = 0, rows_ = 0;
    int xColor_ = 0, xText_ = 0, itemHeight_ = 0;
};

class TChartLegend : public TCustomChartLegend {
public:
    using TCustomChartLegend::TCustomChartLegend;
};

// Gap between the title (or foot) and the chart rectangle, in pixels.
extern int TeeTitleFootDistance;
