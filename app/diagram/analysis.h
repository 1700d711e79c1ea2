#pragma once
// The series Create Analysis fills on BigChart from the window of the open
// quote series (OriginalForm1->Quotes, its window set): the price line or
// the candles, the volume bars, and the ten indicators. Every series gets one
// point per window quote, oldest first, labelled with its date; an indicator
// without a value yet gives a null point. An indicator that has too few
// quotes says so in an information box and adds no point; its series keep
// their titles and stay in the legend.

#include "platform/runtime/AnsiString.h"

// Series1: the price that OriginalForm1->PriceKind names ("open", "high",
// "low", anything else the close).
void drawPriceLine();
// Series2: the candles; Series1: a labelled null point under each.
void drawCandlesticks();
// Series4: each quote's volume; the lower pane's title "Volume".
void drawVolume();

// The upper pane's indicators.
void calcMovingAverage(int N);
void calcExpMovingAverage(int N);
void calcParabolicSAR();
void calcBollingerBands(int N);
// The lower pane's indicators, each giving the left axis its title.
void calcMACD();
void calcMomentum(int N);
void calcRSI(int N);
void calcStochastic(int P, int K, int D);
void calcPriceOscillator(int A, int B, bool Percent);
void calcHistoricalVolatility(int N, const AnsiString& PeriodName);

// The three arcs of OriginalForm1->Lines[i] (over the chart's plot as it is
// now) around its end, of 0.382, 0.5 and 0.618 times its length, on the side
// its end was reached from.
void drawFibonacciArcs(int i);
