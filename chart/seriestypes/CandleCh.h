#pragma once
// TCandleSeries draws each quote as a candle (body from open to close with
// a wick from low to high, flat or as a cube in 3-D) or as an
// open/high/low/close bar; TVolumeSeries draws a vertical line per point
// from its value down to the axis.

#include "chart/seriestypes/OhlChart.h"

enum TCandleStyle { csCandleStick, csCandleBar };

class TCandleSeries : public TOHLCSeries {
public:
    explicit TCandleSeries(TComponent* AOwner);
    void Assign(TPersistent* Source) override;
    bool IsSameOrDescendant(const TChartSeries* S) const override {
        return dynamic_cast<const TCandleSeries*>(S) != nullptr;
    }
    AnsiString GetEditorClass() const override { return "TCandleEditor"; }

    int AddCandle(double ADate, double AOpen, double AHigh, double ALow, double AClose) {
        return AddOHLC(ADate, AOpen, AHigh, ALow, AClose);
    }

    int GetCandleWidth() const { return candleWidth_; }
    void SetCandleWidth(int Value) { SetIntegerProperty(candleWidth_, Value); }
    TCandleStyle GetCandleStyle() const { return candleStyle_; }
    void SetCandleStyle(TCandleStyle Value);
    TColor GetUpCloseColor() const { return upCloseColor_; }
    void SetUpCloseColor(TColor Value) { SetColorProperty(upCloseColor_, Value); }
    TColor GetDownCloseColor() const { return downCloseColor_; }
    void SetDownCloseColor(TColor Value) { SetColorProperty(downCloseColor_, Value); }
    bool GetShowOpenTick() const { return showOpenTick_; }
    void SetShowOpenTick(bool Value) { SetBooleanProperty(showOpenTick_, Value); }
    bool GetShowCloseTick() const { return showCloseTick_; }
    void SetShowCloseTick(bool Value) { SetBooleanProperty(showCloseTick_, Value); }
    // The look of the candles is the series pointer's.
    bool GetDraw3D() const { return GetPointer()->GetDraw3D(); }
    void SetDraw3D(bool Value) { GetPointer()->SetDraw3D(Value); }
    bool GetDark3D() const { return GetPointer()->GetDark3D(); }
    void SetDark3D(bool Value) { GetPointer()->SetDark3D(Value); }
    TChartPen* GetPen() const { return GetPointer()->GetPen(); }
    void SetPen(TChartPen* Value) { GetPointer()->SetPen(Value); }

    void DoBeforeDrawValues() override;
    void DrawValue(int ValueIndex) override;
    // Candle sticks on a flat chart outlined by a thin solid pen: a candle
    // is its wick and a body over the candle's width.
    TColumnRoad ColumnRoad() const override;
    bool ColumnPaint(int ValueIndex, TColumnPaint& Paint) const override;

private:
    // Rising (close above open on screen) or falling; a flat body takes the
    // direction of its close against the quote before it.
    TColor CandleColor(int ValueIndex, int yOpen, int yClose);

    int candleWidth_ = 5;
    TCandleStyle candleStyle_ = csCandleStick;
    TColor upCloseColor_ = clWhite;
    TColor downCloseColor_ = clRed;
    bool showOpenTick_ = true;
    bool showCloseTick_ = true;
    // The last candle coloured in this pass, so that a run of flat candles
    // costs one comparison each.
    int lastColored_ = -1;
    TColor lastColor_ = clNone;
};

class TVolumeSeries : public TCustomSeries {
public:
    explicit TVolumeSeries(TComponent* AOwner);
    bool IsSameOrDescendant(const TChartSeries* S) const override {
        return dynamic_cast<const TVolumeSeries*>(S) != nullptr;
    }
    AnsiString GetEditorClass() const override { return "TVolumeSeriesEditor"; }
    TChartValueList* GetVolumeValues() const { return GetYValues(); }
    void SetVolumeValues(TChartValueList* Value) { SetYValues(Value); }

    int NumSampleValues() const override { return 40; }
    void FillSampleValues(int NumValues) override;
    void DrawValue(int ValueIndex) override;
    // Flat volume lines of a thin solid pen: each is a stem down to the foot.
    TColumnRoad ColumnRoad() const override;
    bool ColumnPaint(int ValueIndex, TColumnPaint& Paint) const override;

private:
    // Where the lines end: the axis' bottom, its top when inverted.
    int Foot() const;
};

// Puts the candle and volume series into the gallery registry.
void RegisterFinancialSeries();
