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
    // ChartException below 0 (or not a finite number), and for a number of
    // points that rounds to none; the old period stays. A range the parent's
    // data cannot advance by is refused when it is recalculated.
    void SetPeriod(double Value);
    TFunctionPeriodStyle GetPeriodStyle() const { return periodStyle_; }
    void SetPeriodStyle(TFunctionPeriodStyle Value);
    TFunctionPeriodAlign GetPeriodAlign() const { return periodAlign_; }
    void SetPeriodAlign(TFunctionPeriodAlign Value);

    TChartSeries* GetParentSeries() const { return parentSeries_; }
    // Leaves the old parent (which keeps its points) and becomes Value's
    // function, replacing and freeing the one it had.
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
    virtual void CalculateByPeriod(TChartSeries* Source, TChartValueList* XList);
    // Adds (tmpX, tmpY) to the parent, crosswise for a horizontal source.
    void AddFunctionXY(bool YMandatorySource, double tmpX, double tmpY);
    // The list of Source the function reads: the one the parent's mandatory
    // list names as its value source, else Source's mandatory list.
    TChartValueList* ValueList(TChartSeries* Source) const;
    // The source's point ValueIndex in ValueList, when it has one.
    bool SourceValue(TComponent* Source, int ValueIndex, double& Value) const;

private:
    friend class TChartSeries;
    // Stores a new setting, recalculates, and puts the old one back when the
    // recalculation refuses it.
    template <class T>
    void ChangeSetting(T& Setting, T Value);
    void CalculateByCount(TChartSeries* Source, TChartValueList* XList);
    void CalculateByRange(TChartSeries* Source, TChartValueList* XList);
    double AlignedX(double PosFirst, double PosLast) const;

    double period_ = 0;
    TFunctionPeriodStyle periodStyle_ = psNumPoints;
    TFunctionPeriodAlign periodAlign_ = paCenter;
    TChartSeries* parentSeries_ = nullptr;
    bool updating_ = false;
};
