#pragma once
// TCircledSeries, the base of round series: it draws in the chart rectangle
// rather than against axes, keeps the circle (or ellipse) it fits there,
// turns angles into pixels and back, and switches the chart's axes, walls,
// zoom and panning off while it is on the chart.

#include "chart/series/TeEngineSeries.h"

class TCircledSeries : public TChartSeries {
public:
    explicit TCircledSeries(TComponent* AOwner);
    ~TCircledSeries() override;
    void Assign(TPersistent* Source) override;
    bool IsSameOrDescendant(const TChartSeries* S) const override {
        return dynamic_cast<const TCircledSeries*>(S) != nullptr;
    }

    bool GetCircled() const { return circled_; }
    // Every series of this kind on the chart takes the same value.
    void SetCircled(bool Value);
    int GetRotationAngle() const { return rotationAngle_; }
    // Degrees; a negative angle raises PieException, others wrap below 360.
    void SetRotationAngle(int Value);
    // Turns the circle further by 0..360 degrees.
    void Rotate(int Angle);
    int GetCustomXRadius() const { return customXRadius_; }
    void SetCustomXRadius(int Value);
    int GetCustomYRadius() const { return customYRadius_; }
    void SetCustomYRadius(int Value);
    TColor GetCircleBackColor() const { return circleBackColor_; }
    void SetCircleBackColor(TColor Value) { SetColorProperty(circleBackColor_, Value); }
    // The colour behind patterned slices: our own, else the chart's back
    // colour, else the chart's colour.
    TColor CalcCircleBackColor() const;

    // ---- The circle of the last paint --------------------------------------------
    int GetXRadius() const { return xRadius_; }
    int GetYRadius() const { return yRadius_; }
    int GetCircleWidth() const { return circleWidth_; }
    int GetCircleHeight() const { return circleHeight_; }
    int GetCircleXCenter() const { return circleXCenter_; }
    int GetCircleYCenter() const { return circleYCenter_; }
    const TRect& GetCircleRect() const { return circleRect_; }
    double GetRotationRadians() const { return rotationRadians_; }

    // Angles in radians, counter-clockwise from three o'clock, before the
    // rotation is added.
    void AngleToPos(double Angle, int AXRadius, int AYRadius, int& X, int& Y) const;
    double PointToAngle(int X, int Y) const;

    bool UseAxis() const override { return false; }
    bool AssociatedToAxis(const TCustomChartAxis*) const override { return true; }
    void SetActive(bool Value) override;
    void SetParentChart(TCustomAxisPanel* Value) override;
    // Fits the circle into the chart rectangle, leaving room for the marks.
    void DoBeforeDrawValues() override;
    void PrepareLegendCanvas(int ValueIndex, TColor& BackColor, TBrushStyle& BrushStyle) override;

    // The chart's axes, walls, frame, zoom and panning on (true) or off.
    virtual void SetParentProperties(bool EnableParentProps);

protected:
    // Even sizes of at least 4 pixels, and the centre.
    void AdjustCircleRect();
    // The radii (the custom ones when set) and the rectangle they span.
    void CalcRadius();
    void SetCircleRect(const TRect& R) { circleRect_ = R; }

private:
    bool circled_ = false;
    int rotationAngle_ = 0;
    int customXRadius_ = 0;
    int customYRadius_ = 0;
    int xRadius_ = 0;
    int yRadius_ = 0;
    TColor circleBackColor_ = DefaultPointColor;
    double rotationRadians_ = 0;
    int circleWidth_ = 0;
    int circleHeight_ = 0;
    int circleXCenter_ = 0;
    int circleYCenter_ = 0;
    TRect circleRect_;
    // The chart's back wall brush from before the series switched it off.
    TBrushStyle savedWallStyle_ = bsSolid;
    bool wallSaved_ = false;
};
