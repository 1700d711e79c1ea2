// Drawing the point marker of a series, flat, in depth and in the legend.
#include "chart/series/TeEngineSeriesPointer.h"

#include <algorithm>

#include "chart/messages/TeeConst.h"
#include "chart/messages/TeeExceptions.h"
#include "chart/panel/TeEngineAxisPanel.h"
#include "chart/series/TeEngineSeries.h"
#include "chart/utils/TeeProcs.h"

namespace {

void CheckPointerSize(int Value) {
    if (Value < 1) throw ChartException(TeeMsgText(TeeMsg_CheckPointerSize));
}

}  // namespace

TSeriesPointer::TSeriesPointer(TChartSeries* AOwner)
    // Each marker is filled in its point's colour unless told otherwise.
    : series_(AOwner),
      brush_(new TChartBrush(TNotifyEvent(this, &TSeriesPointer::Changed))),
      pen_(new TChartPen(TNotifyEvent(this, &TSeriesPointer::Changed))) {}

TSeriesPointer::~TSeriesPointer() {
    delete pen_;
    delete brush_;
}

void TSeriesPointer::Changed(TObject*) { series_->Repaint(); }

void TSeriesPointer::Assign(TPersistent* Source) {
    auto* source = dynamic_cast<TSeriesPointer*>(Source);
    if (!source) {
        TPersistent::Assign(Source);
        return;
    }
    brush_->Assign(source->brush_);
    dark3D_ = source->dark3D_;
    draw3D_ = source->draw3D_;
    horizSize_ = source->horizSize_;
    inflateMargins_ = source->inflateMargins_;
    pen_->Assign(source->pen_);
    style_ = source->style_;
    vertSize_ = source->vertSize_;
    visible_ = source->visible_;
    series_->Repaint();
}

void TSeriesPointer::SetDark3D(bool Value) { series_->SetBooleanProperty(dark3D_, Value); }
void TSeriesPointer::SetDraw3D(bool Value) { series_->SetBooleanProperty(draw3D_, Value); }
void TSeriesPointer::SetInflateMargins(bool Value) { series_->SetBooleanProperty(inflateMargins_, Value); }
void TSeriesPointer::SetVisible(bool Value) { series_->SetBooleanProperty(visible_, Value); }

void TSeriesPointer::SetHorizSize(int Value) {
    CheckPointerSize(Value);
    series_->SetIntegerProperty(horizSize_, Value);
}

void TSeriesPointer::SetVertSize(int Value) {
    CheckPointerSize(Value);
    series_->SetIntegerProperty(vertSize_, Value);
}

void TSeriesPointer::SetStyle(TSeriesPointerStyle Value) {
    if (TeeStoreChanged(style_, Value)) series_->Repaint();
}

void TSeriesPointer::CalcHorizMargins(int& Left, int& Right) const {
    if (!visible_ || !inflateMargins_) return;
    Left = std::max(Left, horizSize_ + 1);
    Right = std::max(Right, horizSize_ + 1);
}

void TSeriesPointer::CalcVerticalMargins(int& Top, int& Bottom) const {
    if (!visible_ || !inflateMargins_) return;
    Top = std::max(Top, vertSize_ + 1);
    Bottom = std::max(Bottom, vertSize_ + 1);
}

void TSeriesPointer::PrepareCanvas(TColor ColorValue) {
    TCanvas3D* canvas = series_->GetParentChart()->GetCanvas();
    canvas->AssignVisiblePen(pen_);
    if (pen_->GetVisible() && pen_->GetColor() == DefaultPointColor) canvas->GetPen()->SetColor(ColorValue);
    canvas->GetBrush()->Assign(brush_);
    if (canvas->GetBrush()->GetColor() == DefaultPointColor) canvas->GetBrush()->SetColor(ColorValue);
}

void TSeriesPointer::Draw(int px, int py, TColor ColorValue, TSeriesPointerStyle AStyle) {
    DrawPointer(series_->GetParentChart()->GetView3D(), px, py, horizSize_, vertSize_, ColorValue, AStyle);
}

void TSeriesPointer::DrawPointer(bool Is3D, int px, int py, int HalfWidth, int HalfHeight, TColor ColorValue,
                                 TSeriesPointerStyle AStyle) {
    TCanvas3D* canvas = series_->GetParentChart()->GetCanvas();
    if (AStyle == psCross || AStyle == psDiagCross || AStyle == psStar) canvas->GetPen()->SetColor(ColorValue);
    if (Is3D)
        DrawDeep(canvas, px, py, HalfWidth, HalfHeight, ColorValue, AStyle);
    else
        DrawFlat(canvas, px, py, HalfWidth, HalfHeight, ColorValue, AStyle);
}

void TSeriesPointer::DrawFlat(TCanvas3D* Canvas, int px, int py, int H, int V, TColor ColorValue,
                              TSeriesPointerStyle AStyle) {
    const int L = px - H, R = px + H, T = py - V, B = py + V;
    auto cross = [&] {
        Canvas->DoVertLine(px, T, B + 1);
        Canvas->DoHorizLine(L, R + 1, py);
    };
    // The end pixel of a line is not drawn, so each diagonal runs one further.
    auto diagonals = [&] {
        Canvas->Line(L, T, R + 1, B + 1);
        Canvas->Line(R, T, L - 1, B + 1);
    };
    switch (AStyle) {
        case psRectangle: Canvas->Rectangle(L, T, R + 1, B + 1); break;
        case psCircle: Canvas->Ellipse(L, T, R, B); break;
        case psTriangle: {
            const TPoint p[3] = {{L, B}, {R, B}, {px, T}};
            Canvas->Polygon(p, 2);
            break;
        }
        case psDownTriangle: {
            const TPoint p[3] = {{L, T}, {R, T}, {px, B}};
            Canvas->Polygon(p, 2);
            break;
        }
        case psCross: cross(); break;
        case psDiagCross: diagonals(); break;
        case psStar:
            cross();
            diagonals();
            break;
        case psDiamond: {
            const TPoint p[4] = {{L, py}, {px, T}, {R, py}, {px, B}};
            Canvas->Polygon(p, 3);
            break;
        }
        case psSmallDot: Canvas->SetPixel(px, py, ColorValue); break;
    }
}

void TSeriesPointer::DrawDeep(TCanvas3D* Canvas, int px, int py, int H, int V, TColor ColorValue,
                              TSeriesPointerStyle AStyle) {
    const int L = px - H, R = px + H, T = py - V, B = py + V;
    const int z0 = series_->StartZ, z1 = series_->EndZ, zm = series_->MiddleZ;
    auto triangle = [&](int d) {
        if (draw3D_)
            Canvas->Pyramid(true, L, py - d, R, py + d, z0, z1, dark3D_);
        else
            Canvas->TriangleWithZ(TPoint(L, py + d), TPoint(R, py + d), TPoint(px, py - d), z0);
    };
    auto cross = [&] {
        Canvas->VertLine3D(px, T, B + 1, z0);
        Canvas->HorizLine3D(L, R + 1, py, z0);
    };
    auto diagonals = [&] {
        Canvas->LineWithZ(L, T, R + 1, B + 1, z0);
        Canvas->LineWithZ(R, T, L - 1, B + 1, z0);
    };
    switch (AStyle) {
        case psRectangle:
            if (draw3D_)
                Canvas->Cube(L, R, T, B, z0, z1, dark3D_);
            else
                Canvas->RectangleWithZ(TRect(L, T, R + 1, B + 1), z0);
            break;
        case psCircle:
            if (draw3D_ && Canvas->GetSupportsFullRotation())
                Canvas->Sphere(px, py, zm, H);
            else
                Canvas->EllipseWithZ(L, T, R, B, z0);
            break;
        case psTriangle: triangle(V); break;
        case psDownTriangle: triangle(-V); break;
        case psCross: cross(); break;
        case psDiagCross: diagonals(); break;
        case psStar:
            cross();
            diagonals();
            break;
        case psDiamond:
            Canvas->PlaneWithZ(TPoint(L, py), TPoint(px, T), TPoint(R, py), TPoint(px, B), z0);
            break;
        case psSmallDot: Canvas->SetPixel3D(px, py, zm, ColorValue); break;
    }
}

void TSeriesPointer::DrawLegendShape(TColor ColorValue, const TRect& Rect, bool DrawPen) {
    PrepareCanvas(ColorValue);
    const int w = Rect.Right - Rect.Left, h = Rect.Bottom - Rect.Top;
    const int halfW = DrawPen ? w / 3 : w / 2 + 1;
    const int halfH = DrawPen ? h / 3 : h / 2 + 1;
    DrawPointer(false, (Rect.Left + Rect.Right) / 2, (Rect.Top + Rect.Bottom) / 2, std::min(horizSize_, halfW),
                std::min(vertSize_, halfH), ColorValue, style_);
}
