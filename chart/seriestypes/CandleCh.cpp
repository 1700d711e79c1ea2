// How candles, open/high/low/close bars and volume lines draw, and the
// financial series' places in the gallery.
#include "chart/seriestypes/CandleCh.h"

#include <algorithm>

#include "chart/axis/TeEngineAxis.h"
#include "chart/canvas/TeCanvas.h"
#include "chart/messages/TeeConst.h"
#include "chart/messages/TeeProCo.h"
#include "chart/panel/TeEngineAxisPanel.h"
#include "chart/seriestypes/ChartSeriesTypes.h"
#include "chart/utils/TeeProcs.h"
#include "platform/runtime/SysUtils.h"

void RegisterFinancialSeries() {
    const AnsiString page = TeeMsgText(TeeMsg_GalleryExtended);
    RegisterTeeSeries(TeeSeriesClassOf<TCandleSeries>(), TeeMsgText(TeeMsg_GalleryCandle), page, 1);
    RegisterTeeSeries(TeeSeriesClassOf<TVolumeSeries>(), TeeMsgText(TeeMsg_GalleryVolume), page, 1);
}

namespace {
// Screen coordinates are 16-bit on the way to the device: a candle whose
// X lies farther out is not drawn at all, and a Y farther out is cut back
// to the edge of that range (the chart's clipping hides the rest).
constexpr int kScreenLimit = 32767;
bool OnScreen(int X) { return X > -kScreenLimit && X < kScreenLimit; }
int ToScreen(int Y) { return std::clamp(Y, -kScreenLimit, kScreenLimit); }

// The rows a one-pixel line from row From to row To paints: its last pixel
// is left out.
TChartSeries::TRowSpan LineRows(int From, int To) {
    if (From < To) return {From, To - 1};
    if (From > To) return {To + 1, From};
    return {};
}

}  // namespace

// ---- Candles --------------------------------------------------------------------

TCandleSeries::TCandleSeries(TComponent* AOwner) : TOHLCSeries(AOwner) { GetPointer()->Change3D(false); }

void TCandleSeries::Assign(TPersistent* Source) {
    if (auto* source = dynamic_cast<TCandleSeries*>(Source)) {
        candleWidth_ = source->candleWidth_;
        candleStyle_ = source->candleStyle_;
        upCloseColor_ = source->upCloseColor_;
        downCloseColor_ = source->downCloseColor_;
        showOpenTick_ = source->showOpenTick_;
        showCloseTick_ = source->showCloseTick_;
    }
    TOHLCSeries::Assign(Source);
}

void TCandleSeries::SetCandleStyle(TCandleStyle Value) {
    if (TeeStoreChanged(candleStyle_, Value)) Repaint();
}

void TCandleSeries::DoBeforeDrawValues() {
    // Values may have changed since the last pass.
    lastColored_ = -1;
    lastColor_ = clNone;
    TOHLCSeries::DoBeforeDrawValues();
}

TColor TCandleSeries::CandleColor(int ValueIndex, int yOpen, int yClose) {
    if (yOpen > yClose) return upCloseColor_;
    if (yOpen < yClose) return downCloseColor_;
    // A flat body: its close against the quote before it; equal closes
    // take that quote's colour, which may be flat in turn. Null points
    // hold no quote and are passed over.
    const TChartValueList* close = GetCloseValues();
    for (int t = ValueIndex;;) {
        int prev = t - 1;
        while (prev >= 0 && IsNull(prev)) --prev;
        if (prev < 0) return upCloseColor_;
        const double c = close->GetValue(t), before = close->GetValue(prev);
        if (c < before) return downCloseColor_;
        if (c > before) return upCloseColor_;
        if (prev == lastColored_) return lastColor_;
        const int open = CalcYPosValue(GetOpenValues()->GetValue(prev));
        const int shut = CalcYPosValue(close->GetValue(prev));
        if (open > shut) return upCloseColor_;
        if (open < shut) return downCloseColor_;
        t = prev;
    }
}

void TCandleSeries::DrawValue(int ValueIndex) {
    // A null point holds no quote.
    if (IsNull(ValueIndex)) return;
    const int x = CalcXPosValue(GetDateValues()->GetValue(ValueIndex));
    if (!OnScreen(x)) return;
    const int yOpenValue = CalcYPosValue(GetOpenValues()->GetValue(ValueIndex));
    const int yCloseValue = CalcYPosValue(GetCloseValues()->GetValue(ValueIndex));
    const TColor color = CandleColor(ValueIndex, yOpenValue, yCloseValue);
    lastColored_ = ValueIndex;
    lastColor_ = color;

    const int yOpen = ToScreen(yOpenValue), yClose = ToScreen(yCloseValue);
    const int yHigh = ToScreen(CalcYPosValue(GetHighValues()->GetValue(ValueIndex)));
    const int yLow = ToScreen(CalcYPosValue(GetLowValues()->GetValue(ValueIndex)));
    const int half = candleWidth_ / 2, right = candleWidth_ - half;

    TCustomAxisPanel* chart = GetParentChart();
    TCanvas3D* canvas = chart->GetCanvas();
    GetPointer()->PrepareCanvas(DefaultPointColor);
    if (candleStyle_ == csCandleBar) {
        canvas->GetPen()->SetColor(color);
        canvas->VertLine3D(x, yLow, yHigh, MiddleZ);
        if (showOpenTick_) canvas->HorizLine3D(x, x - half, yOpen, MiddleZ);
        if (showCloseTick_) canvas->HorizLine3D(x, x + right, yClose, MiddleZ);
    } else if (chart->GetView3D() && GetDraw3D()) {
        const int top = std::min(yOpen, yClose), bottom = std::max(yOpen, yClose);
        canvas->VertLine3D(x, bottom, yLow, MiddleZ);
        canvas->GetBrush()->SetColor(color);
        if (yOpen == yClose) canvas->GetPen()->SetColor(color);
        canvas->Cube(x - half, x + right, top, bottom, StartZ, EndZ, GetDark3D());
        canvas->VertLine3D(x, top, yHigh, MiddleZ);
    } else {
        canvas->VertLine3D(x, yLow, yHigh, MiddleZ);
        if (yOpen == yClose) {
            canvas->GetPen()->SetColor(color);
            canvas->HorizLine3D(x - half, x + right, yOpen, MiddleZ);
        } else {
            canvas->GetBrush()->SetColor(color);
            canvas->RectangleWithZ(TRect(x - half, yOpen, x + right, yClose), MiddleZ);
        }
    }
}

TChartSeries::TColumnRoad TCandleSeries::ColumnRoad() const {
    const bool flat = candleStyle_ == csCandleStick && !GetParentChart()->GetView3D();
    return flat && GetPen()->GetVisible() && ThinSolidPen(GetPen()) ? crCover : crNone;
}

bool TCandleSeries::ColumnPaint(int ValueIndex, TColumnPaint& Paint) const {
    if (IsNull(ValueIndex) || !OnScreen(CalcXPosValue(GetDateValues()->GetValue(ValueIndex)))) return true;
    const int yOpen = ToScreen(CalcYPosValue(GetOpenValues()->GetValue(ValueIndex)));
    const int yClose = ToScreen(CalcYPosValue(GetCloseValues()->GetValue(ValueIndex)));
    const int yHigh = ToScreen(CalcYPosValue(GetHighValues()->GetValue(ValueIndex)));
    const int yLow = ToScreen(CalcYPosValue(GetLowValues()->GetValue(ValueIndex)));
    Paint.Stem = LineRows(yLow, yHigh);
    // A flat body is a line that leaves out its right end.
    (yOpen == yClose ? Paint.Part : Paint.Body) = {std::min(yOpen, yClose), std::max(yOpen, yClose)};
    return true;
}

// ---- Volume -------------------------------------------------------------------------

TVolumeSeries::TVolumeSeries(TComponent* AOwner) : TCustomSeries(AOwner) {
    SetDrawArea(false);
    GetPointer()->SetVisible(false);
}

void TVolumeSeries::FillSampleValues(int NumValues) {
    FillSamplesWith(NumValues, [this](double X, TSampleBounds& Bounds) { AddXY(X, Random(Round(Bounds.DifY) / 15)); });
}

void TVolumeSeries::DrawValue(int ValueIndex) {
    if (IsNull(ValueIndex)) return;
    const int x = CalcXPos(ValueIndex);
    if (!OnScreen(x)) return;
    TCanvas3D* canvas = GetParentChart()->GetCanvas();
    canvas->AssignVisiblePen(GetLinePen(), GetValueColor(ValueIndex));
    canvas->SetBackMode(cbmTransparent);
    canvas->VertLine3D(x, ToScreen(CalcYPos(ValueIndex)), Foot(), MiddleZ);
}

int TVolumeSeries::Foot() const {
    const TCustomChartAxis* axis = GetVerticalAxis();
    return axis->GetInverted() ? axis->GetStartPixel() : axis->GetEndPixel();
}

TChartSeries::TColumnRoad TVolumeSeries::ColumnRoad() const {
    return !GetParentChart()->GetView3D() && ThinSolidPen(GetLinePen()) ? crCover : crNone;
}

bool TVolumeSeries::ColumnPaint(int ValueIndex, TColumnPaint& Paint) const {
    if (IsNull(ValueIndex) || !OnScreen(CalcXPos(ValueIndex)) || !GetLinePen()->GetVisible()) return true;
    Paint.Stem = LineRows(ToScreen(CalcYPos(ValueIndex)), Foot());
    return true;
}
