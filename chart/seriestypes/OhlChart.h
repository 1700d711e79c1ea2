#pragma once
// TOHLCSeries holds one quote per date: the date in the X list, the open in
// the Y list, and high, low and close in three lists of their own, all kept
// at the same index.

#include "chart/seriestypes/Series.h"

class TOHLCSeries : public TCustomSeries {
public:
    explicit TOHLCSeries(TComponent* AOwner);
    bool IsSameOrDescendant(const TChartSeries* S) const override {
        return dynamic_cast<const TOHLCSeries*>(S) != nullptr;
    }

    TChartValueList* GetDateValues() const { return GetXValues(); }
    void SetDateValues(TChartValueList* Value) { SetXValues(Value); }
    TChartValueList* GetOpenValues() const { return GetYValues(); }
    void SetOpenValues(TChartValueList* Value) { SetYValues(Value); }
    TChartValueList* GetHighValues() const { return highValues_; }
    void SetHighValues(TChartValueList* Value) { SetValueList(highValues_, Value); }
    TChartValueList* GetLowValues() const { return lowValues_; }
    void SetLowValues(TChartValueList* Value) { SetValueList(lowValues_, Value); }
    TChartValueList* GetCloseValues() const { return closeValues_; }
    void SetCloseValues(TChartValueList* Value) { SetValueList(closeValues_, Value); }

    // The index the quote takes in date order, or -1 when refused.
    int AddOHLC(double ADate, double AOpen, double AHigh, double ALow, double AClose);

    // Highs and lows reach beyond the opens the Y list holds.
    double MaxYValue() const override;
    double MinYValue() const override;
    int NumSampleValues() const override { return 40; }
    // A random walk of quotes, each opening near the last close.
    void FillSampleValues(int NumValues) override;
    // Only quotes feed quotes.
    bool IsValidSourceOf(TChartSeries* Value) const override;

protected:
    void NotifyNewValue(TChartSeries* Sender, int ValueIndex) override;

private:
    // The lowest (IsMin) or highest of the open, high, low and close of the
    // quotes drawn.
    double QuoteLimit(bool IsMin) const;
    void SetValueList(TChartValueList* List, TChartValueList* Value);
    // Close, high and low around AOpen within the range's noise.
    static void GetRandomOHLC(double AOpen, double& AClose, double& AHigh, double& ALow, double Range);

    TChartValueList* highValues_;
    TChartValueList* lowValues_;
    TChartValueList* closeValues_;
};
