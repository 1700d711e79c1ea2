#pragma once
// The pie series: one slice per point, its angle in proportion to the
// point's absolute value, flat or in depth, with exploded slices, an
// "Other" slice that gathers the small values, marks around the pie and
// a click test by slice.

#include <vector>

#include "chart/seriestypes/TeEngineCircledSeries.h"

class TPieSeries;

// The explode percent of each point, grown as points are given one.
class TExplodedSlices {
public:
    explicit TExplodedSlices(TPieSeries* AOwner) : owner_(AOwner) {}
    // 0 past the list.
    int GetValue(int Index) const;
    // Repaints the pie when the percent changes.
    void SetValue(int Index, int Value);
    int Count() const { return static_cast<int>(values_.size()); }
    void Clear() { values_.clear(); }
    // Grows the list with zeros up to Count entries.
    void Grow(int Count);
    void Exchange(int A, int B);

private:
    // The pie sets the biggest slice's percent during a paint, quietly.
    friend class TPieSeries;
    TPieSeries* owner_;
    std::vector<int> values_;
};

enum TPieOtherStyle { poNone, poBelowPercent, poBelowValue };

// Which small values the pie gathers into one slice, and its label.
class TPieOtherSlice : public TPersistent {
public:
    explicit TPieOtherSlice(TPieSeries* AOwner);
    void Assign(TPersistent* Source) override;
    TPieOtherStyle GetStyle() const { return style_; }
    void SetStyle(TPieOtherStyle Value);
    const AnsiString& GetText() const { return text_; }
    void SetText(const AnsiString& Value);
    double GetValue() const { return value_; }
    void SetValue(double Value);

private:
    TPieSeries* owner_;
    TPieOtherStyle style_ = poNone;
    AnsiString text_;
    double value_ = 0;
};

// The X value of the point that stands for the gathered values.
inline constexpr double PieOtherSliceX = 2147483647.0;

class TPieSeries : public TCircledSeries {
public:
    explicit TPieSeries(TComponent* AOwner);
    ~TPieSeries() override;
    void Assign(TPersistent* Source) override;
    bool IsSameOrDescendant(const TChartSeries* S) const override {
        return dynamic_cast<const TPieSeries*>(S) != nullptr;
    }
    AnsiString GetEditorClass() const override { return "TPieSeriesEditor"; }

    bool GetDark3D() const { return dark3D_; }
    void SetDark3D(bool Value) { SetBooleanProperty(dark3D_, Value); }
    TExplodedSlices* GetExplodedSlice() { return &explodedSlice_; }
    int GetExplodeBiggest() const { return explodeBiggest_; }
    void SetExplodeBiggest(int Value);
    TChartPen* GetPiePen() const { return piePen_; }
    void SetPiePen(TChartPen* Value) { piePen_->Assign(Value); }
    TPieOtherSlice* GetOtherSlice() const { return otherSlice_; }
    void SetOtherSlice(TPieOtherSlice* Value) { otherSlice_->Assign(Value); }
    bool GetUsePatterns() const { return usePatterns_; }
    void SetUsePatterns(bool Value) { SetBooleanProperty(usePatterns_, Value); }
    TChartValueList* GetPieValues() const { return GetYValues(); }
    void SetPieValues(TChartValueList* Value) { SetYValues(Value); }

    int AddPie(double Value, const AnsiString& ALabel = AnsiString(), TColor AColor = DefaultPointColor) {
        return Add(Value, ALabel, AColor);
    }
    // The point is one of the values the "Other" slice gathered.
    bool BelongsToOtherSlice(int ValueIndex) const { return GetxValue(ValueIndex) == -1; }

    // Angles of the last paint, in radians before the rotation.
    struct TPieAngle {
        double StartAngle = 0, MidAngle = 0, EndAngle = 0;
    };
    const TPieAngle& GetAngle(int ValueIndex) const { return angles_[static_cast<std::size_t>(ValueIndex)]; }
    // The slices' angles from the values as they are now.
    void CalcAngles();

    int NumSampleValues() const override { return 8; }
    void FillSampleValues(int NumValues) override;
    int CalcXPos(int ValueIndex) const override;
    double MaxXValue() const override;
    double MinXValue() const override;
    double MaxYValue() const override;
    double MinYValue() const override;
    void ClearLists() override;
    void SwapValueIndex(int A, int B) override;
    int CountLegendItems() const override;
    int LegendToValueIndex(int LegendIndex) const override;
    TColor LegendItemColor(int LegendIndex) const override { return GetValueColor(LegendToValueIndex(LegendIndex)); }
    void PrepareLegendCanvas(int ValueIndex, TColor& BackColor, TBrushStyle& BrushStyle) override;

    // Gathers the small values into the "Other" slice before anything is drawn.
    void DoBeforeDrawChart() override;
    void DrawAllValues() override;
    void DrawValue(int ValueIndex) override;
    virtual void DrawPie(int ValueIndex);
    bool PlaceMark(int ValueIndex, TSeriesMarkPosition& APosition) override;
    int Clicked(int X, int Y) override;

    // How far slice ValueIndex moves out, and its radii when moved.
    void CalcExplodedOffset(int ValueIndex, int& OffX, int& OffY) const;
    void CalcExplodedRadius(int ValueIndex, int& XR, int& YR) const;

private:
    void PenChanged(TObject*) { Repaint(); }
    // Gives ExplodeBiggest to the largest slice, taking it back from the
    // slice that had it before.
    void CalcExplodeBiggest();
    void RebuildOtherSlice();
    // The absolute values the slices share: a gathered value counts once,
    // in the "Other" slice, and a null slice not at all.
    double PercentTotal() const override;
    // A value that is no number, infinite or too small to divide by takes
    // no share of the circle: its slice is null.
    bool IsNullSlice(int ValueIndex) const;
    int CalcClickedPie(int X, int Y);
    // Finds the flat slice's end on the rim (EndX, EndY) and whether the
    // slice shows nothing: its end is where the last slice drawn ended.
    bool EndsWhereLastEnded(int ValueIndex);
    // The order in which 3-D exploded slices are drawn: farthest first.
    std::vector<int> DepthOrder() const;

    bool dark3D_ = true;
    TExplodedSlices explodedSlice_;
    int explodeBiggest_ = 0;
    // The slice ExplodeBiggest was given to, or -1.
    int biggestSlice_ = -1;
    TChartPen* piePen_;
    TPieOtherSlice* otherSlice_;
    bool usePatterns_ = false;
    std::vector<TPieAngle> angles_;
    int iniX_ = 0, iniY_ = 0, endX_ = 0, endY_ = 0;
    bool isExploded_ = false;
};
