// The area series: a filled line, alone or stacked over the areas before
// it on the chart, in values or in percent of the stack.
#include <algorithm>

#include "chart/axis/TeEngineAxis.h"
#include "chart/panel/TeEngineAxisPanel.h"
#include "chart/seriestypes/Series.h"

TAreaSeries::TAreaSeries(TComponent* AOwner) : TCustomSeries(AOwner) {
    SetDrawArea(true);
    GetPointer()->SetVisible(false);
    singleFunctionPoint_ = false;
}

void TAreaSeries::Assign(TPersistent* Source) {
    if (auto* source = dynamic_cast<TAreaSeries*>(Source)) multiArea_ = source->multiArea_;
    TCustomSeries::Assign(Source);
    SetDrawArea(true);
    drawLine_ = true;
    if (!dynamic_cast<TAreaSeries*>(Source)) GetPointer()->SetVisible(false);
}

void TAreaSeries::SetMultiArea(TMultiArea Value) {
    if (multiArea_ == Value) return;
    multiArea_ = Value;
    if (TCustomAxisPanel* chart = GetParentChart())
        for (TChartSeries* s : *chart->GetSeriesList())
            if (auto* area = dynamic_cast<TAreaSeries*>(s); area && s->IsSameOrDescendant(this))
                area->multiArea_ = Value;
    Repaint();
}

int TAreaSeries::StackedYPos(int ValueIndex, double Value) const {
    const double stacked = Value + PointOrigin(ValueIndex, false);
    if (multiArea_ == maStacked) return std::min(CalcYPosValue(stacked), GetVerticalAxis()->GetEndPixel());
    const double total = PointOrigin(ValueIndex, true);
    // An empty stack has no shares: its points rest on the origin.
    return CalcYPosValue(total != 0 ? stacked * 100 / total : 0);
}

int TAreaSeries::CalcYPos(int ValueIndex) const {
    if (multiArea_ == maNone) return TCustomSeries::CalcYPos(ValueIndex);
    return StackedYPos(ValueIndex, GetyValue(ValueIndex));
}

int TAreaSeries::GetOriginPos(int ValueIndex) const {
    if (multiArea_ == maNone) return TCustomSeries::GetOriginPos(ValueIndex);
    return StackedYPos(ValueIndex, 0);
}

double TAreaSeries::MaxYValue() const {
    if (multiArea_ == maStacked100) return 100;
    double result = TCustomSeries::MaxYValue();
    if (multiArea_ == maStacked)
        for (int i = 0; i < Count(); ++i) result = std::max(result, PointOrigin(i, false) + GetyValue(i));
    return result;
}

double TAreaSeries::MinYValue() const {
    return multiArea_ == maStacked100 ? 0 : TCustomSeries::MinYValue();
}

void TAreaSeries::CalcZOrder() {
    TCustomAxisPanel* chart = GetParentChart();
    if (multiArea_ == maNone || HasFixedZOrder() || !chart->GetView3D() || chart->GetMaxZOrder() < 0) {
        // The first series of the chart opens a slot the stack then shares.
        TCustomSeries::CalcZOrder();
        return;
    }
    ShareZOrder(chart->GetMaxZOrder());
}

void TAreaSeries::PrepareLegendCanvas(int, TColor& BackColor, TBrushStyle& BrushStyle) {
    TCanvas3D* canvas = GetParentChart()->GetCanvas();
    BackColor = GetAreaBrushColor(canvas->GetBrush()->GetColor());
    canvas->AssignVisiblePen(GetAreaLinesPen());
    BrushStyle = GetAreaBrush();
}
