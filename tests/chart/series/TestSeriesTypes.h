#pragma once
// Series types that only tests use: a horizontal one (X is the list a point
// cannot do without; points stay in the order they come) and one that, as a
// line does, shows a function over all points as a level line.

#include "chart/series/TeEngineSeries.h"

class THorizTestSeries : public TChartSeries {
public:
    explicit THorizTestSeries(TComponent* AOwner) : TChartSeries(AOwner) {
        GetXValues()->SetOrder(loNone);
    }
    TChartValueList* MandatoryValueList() const override { return GetXValues(); }
};

class TLevelTestSeries : public TChartSeries {
public:
    explicit TLevelTestSeries(TComponent* AOwner) : TChartSeries(AOwner) { singleFunctionPoint_ = false; }
};

// A series spread over a range of depths of its own, as a surface would be.
class TDepthTestSeries : public TChartSeries {
public:
    using TChartSeries::TChartSeries;
    double MinZValue() const override { return 2; }
    double MaxZValue() const override { return 5; }
};
