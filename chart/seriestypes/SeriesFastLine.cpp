// The fast line series: one polyline per paint through the canvas' current
// position, segments drawn as points arrive when the chart does not
// repaint, clicks on points and segments.
#include "chart/seriestypes/SeriesFastLine.h"

#include "chart/canvas/TeCanvas.h"
#include "chart/messages/TeeConst.h"
#include "chart/panel/TeEngineAxisPanel.h"
#include "chart/utils/TeeProcs.h"

TFastLineSeries::TFastLineSeries(TComponent* AOwner)
    : TChartSeries(AOwner), linePen_(new TChartPen(TNotifyEvent(this, &TFastLineSeries::PenChanged))) {
    // The last segment runs out to the edge and is clipped there.
    drawBetweenPoints_ = true;
    singleFunctionPoint_ = false;
}

TFastLineSeries::~TFastLineSeries() { delete linePen_; }

void TFastLineSeries::Assign(TPersistent* Source) {
    if (auto* source = dynamic_cast<TFastLineSeries*>(Source)) {
        autoRepaint_ = source->autoRepaint_;
        linePen_->Assign(source->linePen_);
    }
    TChartSeries::Assign(Source);
}

void TFastLineSeries::SetLinePen(TChartPen* Value) {
    linePen_->Assign(Value);
    SetSeriesColor(linePen_->GetColor());
}

void TFastLineSeries::SetSeriesColor(TColor Value) {
    TChartSeries::SetSeriesColor(Value);
    linePen_->SetColor(Value);
}

void TFastLineSeries::PrepareCanvas() {
    TCustomAxisPanel* chart = GetParentChart();
    TCanvas3D* canvas = chart->GetCanvas();
    canvas->AssignVisiblePen(linePen_);
    chart->CheckPenWidth(canvas->GetPen());
    canvas->GetBrush()->SetStyle(bsClear);
}

void TFastLineSeries::DrawAllValues() {
    PrepareCanvas();
    TChartSeries::DrawAllValues();
}

TChartSeries::TColumnRoad TFastLineSeries::ColumnRoad() const {
    return !GetParentChart()->GetView3D() && ThinSolidPen(linePen_) ? crPath : crNone;
}

void TFastLineSeries::DrawValue(int ValueIndex) {
    TCustomAxisPanel* chart = GetParentChart();
    TCanvas3D* canvas = chart->GetCanvas();
    const bool is3D = chart->GetView3D();
    const int x = CalcXPos(ValueIndex), y = CalcYPos(ValueIndex);
    if (ValueIndex != GetFirstValueIndex()) {
        // Points on the same pixel add nothing.
        if (x == oldX_ && y == oldY_) return;
        if (is3D)
            canvas->LineTo3D(x, y, MiddleZ);
        else
            canvas->LineTo(x, y);
    } else if (ValueIndex > 0) {
        // The segment coming in from the point before the view.
        const int x0 = CalcXPos(ValueIndex - 1), y0 = CalcYPos(ValueIndex - 1);
        if (is3D)
            canvas->LineWithZ(x0, y0, x, y, MiddleZ);
        else
            canvas->Line(x0, y0, x, y);
    } else if (is3D) {
        canvas->MoveTo3D(x, y, MiddleZ);
    } else {
        canvas->MoveTo(x, y);
    }
    oldX_ = x;
    oldY_ = y;
}

void TFastLineSeries::NotifyNewValue(TChartSeries* Sender, int ValueIndex) {
    if (autoRepaint_) {
        TChartSeries::NotifyNewValue(Sender, ValueIndex);
        return;
    }
    if (OnAfterAdd) OnAfterAdd(Sender, ValueIndex);
    NotifyValue(veAdd, ValueIndex);
    if (GetActive() && GetParentChart()) DrawAddedSegment(ValueIndex);
}

void TFastLineSeries::DrawAddedSegment(int ValueIndex) {
    TCustomAxisPanel* chart = GetParentChart();
    TCanvas3D* canvas = chart->GetCanvas();
    // Drawn into the chart's stored picture, which is then shown: the next
    // expose shows that picture, and the segment stays on it.
    auto* buffered = dynamic_cast<TTeeCanvas3D*>(canvas);
    TCanvas* shown = canvas->GetCanvas();
    const bool intoPicture = buffered && buffered->GetUseBuffer() && buffered->GetBitmap();
    if (intoPicture) canvas->SetCanvas(buffered->GetBitmap()->GetCanvas());
    if (!canvas->GetCanvas()) return;
    canvas->AssignVisiblePen(linePen_);
    const int from = ValueIndex > 0 ? ValueIndex - 1 : 0;
    oldX_ = CalcXPos(from);
    oldY_ = CalcYPos(from);
    if (chart->GetView3D())
        canvas->MoveTo3D(oldX_, oldY_, MiddleZ);
    else
        canvas->MoveTo(oldX_, oldY_);
    DrawValue(ValueIndex);
    if (!intoPicture) return;
    canvas->SetCanvas(shown);
    if (shown) canvas->ReDrawBitmap();
}

void TFastLineSeries::DrawLegendShape(int, const TRect& Rect) {
    PrepareCanvas();
    GetParentChart()->GetCanvas()->DoHorizLine(Rect.Left, Rect.Right, (Rect.Top + Rect.Bottom) / 2);
}

bool TFastLineSeries::PlaceMark(int, TSeriesMarkPosition& APosition) {
    APosition.LeftTop.y -= GetMarks()->GetArrowLength();
    APosition.ArrowTo.y -= GetMarks()->GetArrowLength();
    return true;
}

int TFastLineSeries::Clicked(int X, int Y) {
    const int first = GetFirstValueIndex(), last = GetLastValueIndex();
    if (first < 0 || last < 0) return -1;
    if (TCustomAxisPanel* chart = GetParentChart()) chart->GetCanvas()->Calculate2DPosition(X, Y, MiddleZ);
    const TPoint p(X, Y);
    int oldX = 0, oldY = 0;
    for (int t = first; t <= last; ++t) {
        const int tmpX = CalcXPos(t), tmpY = CalcYPos(t);
        if (tmpX == X && tmpY == Y) return t;
        if (t > first && PointInLine(p, tmpX, tmpY, oldX, oldY)) return t - 1;
        oldX = tmpX;
        oldY = tmpY;
    }
    return -1;
}
