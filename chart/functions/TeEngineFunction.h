#pragma once
// TTeeFunction, the engine of calculated series: it splits a source series
// into periods (a number of points or an x range, calendar-aware for dates),
// asks Calculate for one value per period and adds the results to the series
// it belongs to, which shows them instead of points of its own.

#include <vector>

#include "platform/runtime/Components.h"

class TChartSeries;
class TChartValueList;

enum TFunctionPeriodStyle { psNumPoints, psRange };
// Where a period's result is placed along the x axis.
enum TFunctionPeriodAlign { paFirst, paCenter, paLast };

class TTeeFunction : public TComponent {
public:
    explicit TTeeFunction(TComponent* AOwner);
    // Leaves its parent series, which keeps the points it shows.
    ~TTeeFunction() override;
    // Another function's period, style and alignment, then one recalculation.
    void Assign(TPersistent* Source) override;

    double GetPeriod() const { return period_; }
    // ChartException below 0 (or not a finite number), for a number of
    // points that rounds to none and for a range the parent's source cannot
    // advance by; the old period stays.
    void SetPeriod(double Value);
    TFunctionPeriodStyle GetPeriodStyle() const { return periodStyle_; }
    // ChartException, and the old style stays, when the period cannot
    // advance in the new style.
    void SetPeriodStyle(TFunctionPeriodStyle Value);
    TFunctionPeriodAlign GetPeriodAlign() const { return periodAlign_; }
    void SetPeriodAlign(TFunctionPeriodAlign Value);

    // A function is stored inside the series it fills.
    bool HasParent() const override { return true; }
    TComponent* GetParentComponent() const override;
    void SetParentComponent(TComponent* Value) override;

    TChartSeries* GetParentSeries() const { return parentSeries_; }
    // Leaves the old parent (which keeps its points) and becomes Value's
    // function, replacing and freeing the one it had. ChartException, and
    // nothing changes, when the period cannot advance over Value's source.
    void SetParentSeries(TChartSeries* Value);

    // Settings changed between the two recalculate once, at EndUpdate.
    void BeginUpdate() { updating_ = true; }
    void EndUpdate();
    // Refills the parent series from its data sources.
    void ReCalculate();

protected:
    // Fills the parent series from Source: one result per period, or, when
    // the parent has several sources, one per point of Source over them all.
    virtual void AddPoints(TChartSeries* Source);
    // The value of points FirstIndex..LastIndex of Source; FirstIndex -1
    // means every point.
    virtual double Calculate(TChartSeries* Source, int FirstIndex, int LastIndex);
    // The value at ValueIndex over several sources; a source counts only
    // when it has a point there.
    virtual double CalculateMany(const std::vector<TComponent*>& Sources, int ValueIndex);

    virtual void CalculatePeriod(TChartSeries* Source, double tmpX, int FirstIndex, int LastIndex);
    virtual void CalculateAllPoints(TChartSeries* Source, TChartValueList* XList);
    // False when the walk cannot advance over the source's positions.
    virtual bool CalculateByPeriod(TChartSeries* Source, TChartValueList* XList);
    // Adds (tmpX, tmpY) to the parent, crosswise for a horizontal source.
    void AddFunctionXY(bool YMandatorySource, double tmpX, double tmpY);
    // The list of Source the function reads: the one the parent's mandatory
    // list names as its value source, else Source's mandatory list.
    TChartValueList* ValueList(TChartSeries* Source) const;
    // The source's point ValueIndex in ValueList, when it has one.
    bool SourceValue(TComponent* Source, int ValueIndex, double& Value) const;

private:
    friend class TChartSeries;
    // Whether a period in a style walks Source's positions to the end
    // (without a source: whether it can walk at all).
    bool CanAdvance(double Period, TFunctionPeriodStyle Style, TChartSeries* Source) const;
    // ChartException when these settings are no period or cannot advance
    // over the source Series has as it stands (nullptr: over any).
    void CheckSettings(double Period, TFunctionPeriodStyle Style, const TChartSeries* Series) const;
    // The parent is left without points; the first refusal in a row is
    // shown by the application.
    void ReportRefusal();
    void CalculateByCount(TChartSeries* Source, TChartValueList* XList);
    bool CalculateByRange(TChartSeries* Source, TChartValueList* XList);
    double AlignedX(double PosFirst, double PosLast) const;

    double period_ = 0;
    TFunctionPeriodStyle periodStyle_ = psNumPoints;
    TFunctionPeriodAlign periodAlign_ = paCenter;
    TChartSeries* parentSeries_ = nullptr;
    bool updating_ = false;
    bool refusalReported_ = false;
};
