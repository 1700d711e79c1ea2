// How a line, point or area series draws: point by point, each segment
// from the previous point, markers on top of the segments that reach them.
#include <cmath>

#include "chart/axis/TeEngineAxis.h"
#include "chart/canvas/TeCanvas.h"
#include "chart/panel/TeEngineAxisPanel.h"
#include "chart/seriestypes/Series.h"

namespace {

// GDI coordinates are 16-bit on the way to the screen: a point farther out
// cannot be drawn, nor joined.
bool Drawable(int X, int Y) { return X > -32767 && X < 32767 && Y > -32767 && Y < 32767; }

}  // namespace

void TCustomSeries::DoBeforeDrawValues() {
    // Series sharing a depth slot are drawn from the latest first index of
    // them all, so a series may never see its own first index.
    oldColor_ = clNone;
    TChartSeries::DoBeforeDrawValues();
}

TChartSeries::TColumnRoad TCustomSeries::ColumnRoad() const {
    const bool flat = !GetParentChart()->GetView3D() && !pointer_->GetVisible() && !stairs_;
    return flat && ThinSolidPen(linePen_) && (!drawArea_ || ThinSolidPen(areaLinesPen_)) ? crPath : crNone;
}

void TCustomSeries::DrawValue(int ValueIndex) {
    TCustomAxisPanel* chart = GetParentChart();
    TCanvas3D* canvas = chart->GetCanvas();
    if (ValueIndex == GetFirstValueIndex()) oldColor_ = clNone;
    color_ = GetValueColor(ValueIndex);
    x_ = CalcXPos(ValueIndex);
    y_ = CalcYPos(ValueIndex);
    if (!Drawable(x_, y_)) {
        // A break: the next point starts a new line rather than joining
        // the point before this one.
        oldColor_ = clNone;
        return;
    }
    // A flat line sets its own pen before it draws: black would only flip
    // the pen's colour back and forth at every point.
    if (drawArea_ || !drawLine_ || chart->GetView3D()) canvas->GetPen()->SetColor(clBlack);
    canvas->GetBrush()->SetColor(color_);
    if (oldColor_ == clNone) {
        oldX_ = x_;
        oldY_ = y_;
    }
    isLast_ = ValueIndex == GetLastValueIndex();
    bottomPos_ = GetOriginPos(ValueIndex);
    if (ValueIndex == GetFirstValueIndex()) {
        if (dark3D_) {
            const int w = chart->GetSeriesWidth3D();
            slope3D_ = w != 0 ? std::fabs(static_cast<double>(chart->GetSeriesHeight3D()) / w) : 1.0;
        }
        if (ValueIndex > 0) StartFromEdge(ValueIndex);
        // A lone visible point shows its marker; a null one shows nothing.
        if (isLast_ && pointer_->GetVisible() && color_ != clNone) DrawPointer(x_, y_, color_, ValueIndex);
        if (canvas->GetSupportsFullRotation() && drawArea_ && chart->GetView3D() && color_ != clNone)
            canvas->RectangleZ(x_, y_, bottomPos_, StartZ, EndZ);
    } else {
        DrawSegment(true, ValueIndex);
    }
    oldX_ = x_;
    oldY_ = y_;
    oldBottomPos_ = bottomPos_;
    oldColor_ = color_;
}

void TCustomSeries::StartFromEdge(int ValueIndex) {
    const int prev = ValueIndex - 1;
    if (IsNull(prev)) return;
    if (drawArea_) {
        oldX_ = CalcXPos(prev);
        oldY_ = CalcYPos(prev);
        oldBottomPos_ = GetOriginPos(prev);
        if (!Drawable(oldX_, oldY_)) return;
    } else {
        const TRect& r = GetParentChart()->GetChartRect();
        oldX_ = GetHorizontalAxis()->GetInverted() ? r.Right : r.Left;
        const double x0 = GetxValue(prev), x1 = GetxValue(ValueIndex);
        if (stairs_ || x1 == x0) {
            oldY_ = CalcYPos(prev);
        } else {
            const double y0 = GetyValue(prev), y1 = GetyValue(ValueIndex);
            const double x = XScreenToValue(oldX_);
            oldY_ = CalcYPosValue(y0 + (x - x0) * (y1 - y0) / (x1 - x0));
        }
        if (!Drawable(oldX_, oldY_)) return;
    }
    DrawSegment(false, ValueIndex);
}

void TCustomSeries::DrawSegment(bool WithMarkers, int ValueIndex) {
    TCustomAxisPanel* chart = GetParentChart();
    TCanvas3D* canvas = chart->GetCanvas();
    if ((x_ != oldX_ || y_ != oldY_) && color_ != clNone) {
        if (chart->GetView3D() && (drawArea_ || (drawLine_ && lineBrush_ != bsClear))) DrawBand3D(canvas, color_);
        if (drawArea_) {
            DrawAreaFace(canvas, color_);
        } else if (!chart->GetView3D() && drawLine_) {
            LinePrepareCanvas(canvas, color_);
            if (stairs_) {
                if (invertedStairs_)
                    canvas->DoVertLine(oldX_, oldY_, y_);
                else
                    canvas->DoHorizLine(oldX_, x_, oldY_);
                canvas->LineTo(x_, y_);
            } else {
                canvas->Line(oldX_, oldY_, x_, y_);
            }
        }
    }
    if (!WithMarkers || !pointer_->GetVisible()) return;
    if (oldColor_ != clNone) DrawPointer(oldX_, oldY_, oldColor_, ValueIndex - 1);
    if (isLast_ && color_ != clNone) DrawPointer(x_, y_, color_, ValueIndex);
}

void TCustomSeries::DrawBand3D(TCanvas3D* Canvas, TColor Color) {
    TCustomAxisPanel* chart = GetParentChart();
    const TColor face = GetAreaBrushColor(Color);
    Canvas->GetBrush()->SetColor(face);
    Canvas->AssignVisiblePen(linePen_);
    if (linePen_->GetVisible()) chart->CheckPenWidth(Canvas->GetPen());
    Canvas->GetBrush()->SetStyle(lineBrush_);
    auto darken = [&] { Canvas->GetBrush()->SetColor(ApplyDark(face, DarkColorQuantity)); };
    if (stairs_) {
        if (invertedStairs_) {
            if (dark3D_) darken();
            Canvas->RectangleZ(oldX_, oldY_, y_, StartZ, EndZ);
            Canvas->GetBrush()->SetColor(face);
            Canvas->RectangleY(x_, y_, oldX_, StartZ, EndZ);
        } else {
            Canvas->RectangleY(oldX_, oldY_, x_, StartZ, EndZ);
            if (dark3D_) darken();
            Canvas->RectangleZ(x_, y_, oldY_, StartZ, EndZ);
        }
        return;
    }
    int y = y_, oldY = oldY_;
    if (lineHeight_ > 0 && !drawArea_) {
        TFourPoints front = {TPoint(x_, y_), TPoint(oldX_, oldY_), TPoint(oldX_, oldY_ + lineHeight_),
                             TPoint(x_, y_ + lineHeight_)};
        Canvas->PlaneFour3D(front, StartZ, StartZ);
        if (isLast_) Canvas->RectangleZ(x_, y_, y_ + lineHeight_, StartZ, EndZ);
    }
    if (dark3D_ && !Canvas->GetSupportsFullRotation() && x_ != oldX_ && slope3D_ != 0 &&
        static_cast<double>(oldY_ - y_) / (x_ - oldX_) > slope3D_) {
        darken();
        if (lineHeight_ > 0 && !drawArea_) {
            y += lineHeight_;
            oldY += lineHeight_;
        }
    }
    Canvas->Plane3D(TPoint(x_, y), TPoint(oldX_, oldY), StartZ, EndZ);
}

void TCustomSeries::DrawAreaFace(TCanvas3D* Canvas, TColor Color) {
    TCustomAxisPanel* chart = GetParentChart();
    const TColor fill = GetAreaBrushColor(Color);
    Canvas->AssignVisiblePen(areaLinesPen_);
    if (areaLinesPen_->GetColor() == DefaultPointColor || !areaLinesPen_->GetVisible())
        Canvas->GetPen()->SetColor(Color);
    chart->SetBrushCanvas(fill, areaBrush_, GetSeriesColor());
    if (chart->GetView3D() && isLast_) Canvas->RectangleZ(x_, y_, bottomPos_, StartZ, EndZ);
    auto face = [&](int Z) {
        if (stairs_)
            Canvas->RectangleWithZ(TRect(oldX_, bottomPos_, x_ + 1, invertedStairs_ ? y_ : oldY_), Z);
        else
            Canvas->PlaneWithZ(TPoint(oldX_, oldBottomPos_), TPoint(oldX_, oldY_), TPoint(x_, y_),
                               TPoint(x_, bottomPos_), Z);
    };
    face(StartZ);
    if (Canvas->GetSupportsFullRotation()) face(EndZ);
}

void TCustomSeries::DrawPointer(int AX, int AY, TColor AColor, int ValueIndex) {
    pointer_->PrepareCanvas(AColor);
    const TSeriesPointerStyle style = OnGetPointerStyle ? OnGetPointerStyle(this, ValueIndex) : pointer_->GetStyle();
    pointer_->Draw(AX, AY, AColor, style);
}

void TCustomSeries::LinePrepareCanvas(TCanvas3D* Canvas, TColor AColor) {
    TCustomAxisPanel* chart = GetParentChart();
    if (chart->GetView3D()) {
        Canvas->AssignVisiblePen(linePen_);
        chart->CheckPenWidth(Canvas->GetPen());
        Canvas->GetBrush()->SetStyle(lineBrush_);
        Canvas->GetBrush()->SetColor(AColor);
    } else {
        Canvas->AssignVisiblePen(linePen_, AColor);
        chart->CheckPenWidth(Canvas->GetPen());
        Canvas->GetBrush()->SetStyle(bsClear);
    }
}

bool TCustomSeries::PlaceMark(int, TSeriesMarkPosition& APosition) {
    GetMarks()->ZPosition = StartZ;
    APosition.LeftTop.y -= GetMarks()->GetArrowLength();
    APosition.ArrowTo.y -= GetMarks()->GetArrowLength();
    return true;
}
