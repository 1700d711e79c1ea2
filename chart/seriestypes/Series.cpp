// The settings of the line, point and area series, their clicks and legend
// symbols, and the standard series types' places in the gallery.
#include "chart/seriestypes/Series.h"

#include <algorithm>
#include <cstdlib>

#include "chart/axis/TeEngineAxis.h"
#include "chart/messages/TeeConst.h"
#include "chart/panel/TeEngineAxisPanel.h"
#include "chart/seriestypes/ChartSeriesTypes.h"
#include "chart/seriestypes/SeriesBar.h"
#include "chart/seriestypes/SeriesFastLine.h"
#include "chart/seriestypes/SeriesPie.h"
#include "chart/utils/TeeProcs.h"

void RegisterStandardSeries() {
    const AnsiString page = TeeMsgText(TeeMsg_GalleryStandard);
    RegisterTeeSeries(TeeSeriesClassOf<TLineSeries>(), TeeMsgText(TeeMsg_GalleryLine), page, 2);
    RegisterTeeSeries(TeeSeriesClassOf<TBarSeries>(), TeeMsgText(TeeMsg_GalleryBar), page, 2);
    RegisterTeeSeries(TeeSeriesClassOf<THorizBarSeries>(), TeeMsgText(TeeMsg_GalleryHorizBar), page, 2);
    RegisterTeeSeries(TeeSeriesClassOf<TAreaSeries>(), TeeMsgText(TeeMsg_GalleryArea), page, 2);
    RegisterTeeSeries(TeeSeriesClassOf<TPointSeries>(), TeeMsgText(TeeMsg_GalleryPoint), page, 2);
    RegisterTeeSeries(TeeSeriesClassOf<TPieSeries>(), TeeMsgText(TeeMsg_GalleryPie), page, 1);
    RegisterTeeSeries(TeeSeriesClassOf<TFastLineSeries>(), TeeMsgText(TeeMsg_GalleryFastLine), page, 2);
}

TCustomSeries::TCustomSeries(TComponent* AOwner)
    : TChartSeries(AOwner),
      areaLinesPen_(new TChartPen(TNotifyEvent(this, &TCustomSeries::PenChanged))),
      linePen_(new TChartPen(TNotifyEvent(this, &TCustomSeries::PenChanged))),
      pointer_(new TSeriesPointer(this)) {
    // The last segment runs out of the chart area and is clipped there.
    drawBetweenPoints_ = true;
}

TCustomSeries::~TCustomSeries() {
    delete pointer_;
    delete linePen_;
    delete areaLinesPen_;
}

void TCustomSeries::PenChanged(TObject*) { Repaint(); }

void TCustomSeries::Assign(TPersistent* Source) {
    if (auto* source = dynamic_cast<TCustomSeries*>(Source)) {
        clickableLine_ = source->clickableLine_;
        areaBrush_ = source->areaBrush_;
        areaColor_ = source->areaColor_;
        areaLinesPen_->Assign(source->areaLinesPen_);
        dark3D_ = source->dark3D_;
        drawArea_ = source->drawArea_;
        drawLine_ = source->drawLine_;
        invertedStairs_ = source->invertedStairs_;
        linePen_->Assign(source->linePen_);
        lineBrush_ = source->lineBrush_;
        lineHeight_ = source->lineHeight_;
        pointer_->Assign(source->pointer_);
        stairs_ = source->stairs_;
    }
    TChartSeries::Assign(Source);
}

void TCustomSeries::SetAreaBrush(TBrushStyle Value) {
    if (TeeStoreChanged(areaBrush_, Value)) Repaint();
}

void TCustomSeries::SetLineBrush(TBrushStyle Value) {
    if (TeeStoreChanged(lineBrush_, Value)) Repaint();
}

TColor TCustomSeries::GetAreaBrushColor(TColor AColor) const {
    if (GetColorEachPoint() || areaColor_ == DefaultPointColor) return AColor;
    return areaColor_;
}

bool TCustomSeries::ClickedPointer(int, int tmpX, int tmpY, int X, int Y) const {
    return std::abs(tmpX - X) < pointer_->GetHorizSize() && std::abs(tmpY - Y) < pointer_->GetVertSize();
}

int TCustomSeries::GetOriginPos(int) const { return GetVerticalAxis()->GetEndPixel(); }

void TCustomSeries::CalcHorizMargins(int& Left, int& Right) const {
    TChartSeries::CalcHorizMargins(Left, Right);
    pointer_->CalcHorizMargins(Left, Right);
    if (stairs_ && drawLine_) {
        Left = std::max(Left, linePen_->GetWidth());
        Right = std::max(Right, linePen_->GetWidth());
    }
}

void TCustomSeries::CalcVerticalMargins(int& Top, int& Bottom) const {
    TChartSeries::CalcVerticalMargins(Top, Bottom);
    pointer_->CalcVerticalMargins(Top, Bottom);
    if (stairs_ && drawLine_) {
        Top = std::max(Top, linePen_->GetWidth());
        Bottom = std::max(Bottom, linePen_->GetWidth() + 1);
    }
    if (lineHeight_ > 0 && !drawArea_) Bottom = std::max(Bottom, lineHeight_);
}

// ---- Clicks ------------------------------------------------------------------

int TCustomSeries::Clicked(int X, int Y) {
    TCustomAxisPanel* chart = GetParentChart();
    if (chart) chart->GetCanvas()->Calculate2DPosition(X, Y, StartZ);
    const int inherited = TChartSeries::Clicked(X, Y);
    if (inherited != -1) return inherited;
    const int first = GetFirstValueIndex(), last = GetLastValueIndex();
    if (!chart || first < 0 || last < 0) return -1;
    int oldX = 0, oldY = 0;
    for (int t = first; t <= last; ++t) {
        const int tmpX = CalcXPos(t), tmpY = CalcYPos(t);
        if (pointer_->GetVisible() && ClickedPointer(t, tmpX, tmpY, X, Y)) {
            if (OnClickPointer) OnClickPointer(this, t, X, Y);
            return t;
        }
        if (tmpX == X && tmpY == Y) return t;
        if (t > first && clickableLine_) {
            if (ClickedSegment(X, Y, tmpX, tmpY, oldX, oldY)) return t - 1;
            if (drawArea_) {
                const TPoint area[4] = {{oldX, oldY}, {tmpX, tmpY}, {tmpX, GetOriginPos(t)},
                                        {oldX, GetOriginPos(t - 1)}};
                if (PointInPolygon(TPoint(X, Y), area, 3)) return t - 1;
            }
        }
        oldX = tmpX;
        oldY = tmpY;
    }
    return -1;
}

bool TCustomSeries::ClickedSegment(int X, int Y, int tmpX, int tmpY, int OldX, int OldY) const {
    const TPoint p(X, Y);
    TCustomAxisPanel* chart = GetParentChart();
    if (chart->GetView3D()) {
        const int dx = chart->GetSeriesWidth3D(), dy = chart->GetSeriesHeight3D();
        const TPoint band[4] = {{tmpX, tmpY}, {tmpX + dx, tmpY - dy}, {OldX + dx, OldY - dy}, {OldX, OldY}};
        return PointInPolygon(p, band, 3);
    }
    if (!stairs_) return PointInLine(p, tmpX, tmpY, OldX, OldY);
    if (invertedStairs_) return PointInLine(p, OldX, OldY, OldX, tmpY) || PointInLine(p, OldX, tmpY, tmpX, tmpY);
    return PointInLine(p, OldX, OldY, tmpX, OldY) || PointInLine(p, tmpX, OldY, tmpX, tmpY);
}

// ---- Legend ------------------------------------------------------------------

void TCustomSeries::DrawLegendLine(const TRect& Rect, TColor Color) {
    TCanvas3D* canvas = GetParentChart()->GetCanvas();
    LinePrepareCanvas(canvas, Color);
    if (GetParentChart()->GetView3D())
        canvas->DoRectangle(Rect);
    else
        canvas->DoHorizLine(Rect.Left, Rect.Right, (Rect.Top + Rect.Bottom) / 2);
}

void TCustomSeries::DrawLegendShape(int ValueIndex, const TRect& Rect) {
    const TColor color = ValueIndex != -1 ? GetValueColor(ValueIndex) : GetSeriesColor();
    if (pointer_->GetVisible()) {
        if (drawLine_) {
            // The line beside a marker is always flat.
            TCanvas3D* canvas = GetParentChart()->GetCanvas();
            LinePrepareCanvas(canvas, color);
            canvas->DoHorizLine(Rect.Left, Rect.Right, (Rect.Top + Rect.Bottom) / 2);
        }
        pointer_->DrawLegendShape(color, Rect, linePen_->GetVisible());
    } else if (drawLine_ && !drawArea_) {
        DrawLegendLine(Rect, color);
    } else {
        TChartSeries::DrawLegendShape(ValueIndex, Rect);
    }
}

// ---- The three configurations ----------------------------------------------------

TLineSeries::TLineSeries(TComponent* AOwner) : TCustomSeries(AOwner) {
    drawLine_ = true;
    GetPointer()->SetVisible(false);
    singleFunctionPoint_ = false;
}

void TLineSeries::Assign(TPersistent* Source) {
    TCustomSeries::Assign(Source);
    SetDrawArea(false);
    drawLine_ = true;
    if (!dynamic_cast<TLineSeries*>(Source)) GetPointer()->SetVisible(false);
}

void TLineSeries::PrepareLegendCanvas(int, TColor&, TBrushStyle& BrushStyle) {
    GetParentChart()->GetCanvas()->AssignVisiblePen(GetLinePen());
    BrushStyle = GetLineBrush();
}

TPointSeries::TPointSeries(TComponent* AOwner) : TCustomSeries(AOwner) {
    SetClickableLine(false);
    GetMarks()->SetArrowLength(0);
    GetPointer()->SetVisible(true);
}

void TPointSeries::Assign(TPersistent* Source) {
    TCustomSeries::Assign(Source);
    GetPointer()->SetVisible(true);
    SetDrawArea(false);
    drawLine_ = false;
    SetClickableLine(false);
}

void TPointSeries::SetColorEachPoint(bool Value) {
    TCustomSeries::SetColorEachPoint(Value);
    if (Value) GetPointer()->GetBrush()->SetColor(DefaultPointColor);
}
