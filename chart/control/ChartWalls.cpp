// The walls of the plot: the back wall behind the series and, in 3-D, the
// left and bottom walls beside the axes.
#include "chart/axis/TeEngineAxis.h"
#include "chart/control/Chart.h"

TChartWall::TChartWall(TCustomChart* AOwner, TColor ADefaultColor)
    : chart_(AOwner), color_(ADefaultColor), defaultColor_(ADefaultColor) {
    const TNotifyEvent changed(static_cast<TCustomTeePanel*>(chart_), &TCustomTeePanel::CanvasChanged);
    brush_ = new TChartBrush(changed);
    pen_ = new TChartPen(changed);
}

TChartWall::~TChartWall() {
    delete brush_;
    delete pen_;
}

void TChartWall::Assign(TPersistent* Source) {
    if (auto* wall = dynamic_cast<TChartWall*>(Source)) {
        brush_->Assign(wall->brush_);
        color_ = wall->color_;
        dark3D_ = wall->dark3D_;
        pen_->Assign(wall->pen_);
        size_ = wall->size_;
        chart_->Invalidate();
        return;
    }
    TPersistent::Assign(Source);
}

void TChartWall::SetColor(TColor Value) { chart_->SetColorProperty(color_, Value); }
void TChartWall::SetDark3D(bool Value) { chart_->SetBooleanProperty(dark3D_, Value); }
void TChartWall::SetSize(int Value) { chart_->SetIntegerProperty(size_, Value); }

bool TChartWall::ApplyDark3D() const {
    return brush_->GetStyle() != bsClear && brush_->GetBitmap() == nullptr && dark3D_;
}

// A wall without a colour of its own and a plain brush fills nothing.
void TChartWall::Prepare() {
    TCanvas3D* canvas = chart_->GetCanvas();
    canvas->AssignVisiblePen(pen_);
    TBrush* brush = canvas->GetBrush();
    if (brush_->GetBitmap()) {
        brush->SetBitmap(brush_->GetBitmap());
    } else if (color_ == DefaultPointColor && brush_->GetStyle() == bsSolid) {
        brush->SetStyle(bsClear);
    } else {
        chart_->SetBrushCanvas(color_, brush_->GetStyle(), brush_->GetColor());
    }
}

void TCustomChart::DrawBackWall() {
    TCanvas3D* canvas = GetCanvas();
    const TRect r = GetChartRect();
    if (!GetView3D()) {
        backWall_->Prepare();
        canvas->Rectangle(r.Left, r.Top, r.Right + 1, r.Bottom + 1);
        return;
    }
    if (!GetView3DWalls()) return;
    backWall_->Prepare();
    const int size = backWall_->GetSize();
    if (size < 1) {
        canvas->RectangleWithZ(TRect(r.Left + 1, r.Top - 1, r.Right, r.Bottom), GetWidth3D());
    } else {
        const int depth = GetWidth3D() < 0 ? -size : size;
        canvas->Cube(r.Left - CalcWallSize(GetLeftAxis()), r.Right, r.Top, r.Bottom + CalcWallSize(GetBottomAxis()),
                     GetWidth3D(), GetWidth3D() + depth, backWall_->ApplyDark3D());
    }
}

void TCustomChart::DrawSideWalls() {
    TCanvas3D* canvas = GetCanvas();
    const TRect r = GetChartRect();
    const int bottomSize = bottomWall_->GetSize();
    leftWall_->Prepare();
    if (leftWall_->GetSize() < 1)
        canvas->RectangleZ(r.Left, r.Top, r.Bottom + bottomSize, 0, GetWidth3D() + 1);
    else
        canvas->Cube(r.Left - leftWall_->GetSize(), r.Left, r.Top, r.Bottom + bottomSize, 0, GetWidth3D(),
                     leftWall_->ApplyDark3D());
    bottomWall_->Prepare();
    const int y = canvas->GetSupportsFullRotation() ? r.Bottom + 1 : r.Bottom;
    if (bottomSize < 1)
        canvas->RectangleY(r.Left, y, r.Right, 0, GetWidth3D());
    else
        canvas->Cube(r.Left, r.Right, r.Bottom, r.Bottom + bottomSize, 0, GetWidth3D(), bottomWall_->ApplyDark3D());
}

void TCustomChart::DrawWalls() {
    DrawBackWall();
    if (backImageInside_ && GetBackImage()->GetGraphic()) {
        TRect r = GetChartRect();
        if (backWall_->GetPen()->GetVisible()) {
            ++r.Top;
            --r.Bottom;
        }
        DrawBitmap(r, GetWidth3D());
    }
    if (GetView3D() && GetView3DWalls()) DrawSideWalls();
}
