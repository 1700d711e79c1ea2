#pragma once
// The basic functions of calculated series: sum, difference, product,
// quotient, highest, lowest and average, each over a period of one source
// or, point by point, over several sources.

#include "chart/functions/TeEngineFunction.h"

class TAddTeeFunction : public TTeeFunction {
public:
    using TTeeFunction::TTeeFunction;

protected:
    double Calculate(TChartSeries* Source, int FirstIndex, int LastIndex) override;
    double CalculateMany(const std::vector<TComponent*>& Sources, int ValueIndex) override;
};

class THighTeeFunction : public TTeeFunction {
public:
    using TTeeFunction::TTeeFunction;

protected:
    double Calculate(TChartSeries* Source, int FirstIndex, int LastIndex) override;
    double CalculateMany(const std::vector<TComponent*>& Sources, int ValueIndex) override;
};

class TLowTeeFunction : public TTeeFunction {
public:
    using TTeeFunction::TTeeFunction;

protected:
    double Calculate(TChartSeries* Source, int FirstIndex, int LastIndex) override;
    double CalculateMany(const std::vector<TComponent*>& Sources, int ValueIndex) override;
};

class TAverageTeeFunction : public TTeeFunction {
public:
    using TTeeFunction::TTeeFunction;

protected:
    double Calculate(TChartSeries* Source, int FirstIndex, int LastIndex) override;
    double CalculateMany(const std::vector<TComponent*>& Sources, int ValueIndex) override;
};

// Folds the sources' values at one index from the first one on; over a
// period of a single source it gives 0.
class TManySeriesTeeFunction : public TTeeFunction {
public:
    using TTeeFunction::TTeeFunction;

protected:
    double CalculateMany(const std::vector<TComponent*>& Sources, int ValueIndex) override;
    virtual double CalculateValue(double AResult, double AValue) = 0;
};

class TSubtractTeeFunction : public TManySeriesTeeFunction {
public:
    using TManySeriesTeeFunction::TManySeriesTeeFunction;

protected:
    double CalculateValue(double AResult, double AValue) override { return AResult - AValue; }
};

class TMultiplyTeeFunction : public TManySeriesTeeFunction {
public:
    using TManySeriesTeeFunction::TManySeriesTeeFunction;

protected:
    double CalculateValue(double AResult, double AValue) override { return AResult * AValue; }
};

class TDivideTeeFunction : public TManySeriesTeeFunction {
public:
    using TManySeriesTeeFunction::TManySeriesTeeFunction;

protected:
    // A zero divisor is skipped.
    double CalculateValue(double AResult, double AValue) override { return AValue == 0 ? AResult : AResult / AValue; }
};
