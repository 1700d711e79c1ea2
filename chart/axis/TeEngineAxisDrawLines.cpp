// Drawing an axis, continued: label and title texts turned and split in
// lines beside the axis, the axis line, ticks inside and out, the grid and
// the minor ticks between labels.
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "chart/axis/TeEngineAxisPainter.h"
#include "chart/panel/TeEngineAxisPanel.h"
#include "platform/runtime/SysUtils.h"

namespace {

constexpr int LeftTop = TA_LEFT | TA_TOP;
constexpr int RightTop = TA_RIGHT | TA_TOP;
constexpr int CentreTop = TA_CENTER | TA_TOP;
constexpr int CentreBottom = TA_CENTER | TA_BOTTOM;

// The alignment of a text beside an upright or across axis on its near or
// other side: labels face away from the chart.
int SideAlign(bool Vertical, bool OtherSide) {
    if (Vertical) return OtherSide ? LeftTop : RightTop;
    return OtherSide ? CentreBottom : CentreTop;
}

// The lines of a text split by the line separator; a separator at the end
// starts no further line.
std::vector<AnsiString> SplitLines(const AnsiString& St) {
    std::vector<AnsiString> lines;
    const std::string& text = St.str();
    std::string::size_type start = 0;
    for (;;) {
        const auto end = text.find(TeeLineSeparator, start);
        if (end == std::string::npos) {
            if (start < text.size() || lines.empty()) lines.emplace_back(text.substr(start));
            return lines;
        }
        lines.emplace_back(text.substr(start, end - start));
        start = end + 1;
    }
}

}  // namespace

void TCustomChartAxis::DrawAxisLabel(int X, int Y, int Angle, const AnsiString& St) {
    TCanvas3D* canvas = parentChart_->GetCanvas();
    const int half = canvas->FontHeight() / 2;
    const bool vertical = !isHorizontal_;
    int align = LeftTop;
    switch (Angle) {
    case 0:
        align = SideAlign(vertical, isOtherSide_);
        if (vertical) Y -= half;
        break;
    case 90:
        if (vertical) {
            align = isOtherSide_ ? CentreTop : CentreBottom;
        } else {
            align = SideAlign(true, isOtherSide_);
            X -= half;
        }
        break;
    case 180:
        align = SideAlign(vertical, !isOtherSide_);
        if (vertical) Y += half;
        break;
    case 270:
        if (vertical) {
            align = isOtherSide_ ? CentreBottom : CentreTop;
        } else {
            align = SideAlign(true, !isOtherSide_);
            X += half;
        }
        break;
    default: break;
    }
    const int z = isOtherSide_ ? parentChart_->GetWidth3D() : 0;
    canvas->SetTextAlign(align);
    const std::vector<AnsiString> lines = SplitLines(St);
    const int count = static_cast<int>(lines.size());
    int lh = canvas->FontHeight();
    if (Angle == 180 || Angle == 270) lh = -lh;
    const int total = lh * count;
    const bool level = Angle == 0 || Angle == 180, upright = Angle == 90 || Angle == 270;
    if (isHorizontal_) {
        if (upright) X -= Round(lh * 0.5 * (count + 1));
        if (level) Y -= (Angle == 0 && !isOtherSide_) || (Angle == 180 && isOtherSide_) ? lh : total;
    } else {
        if (level) Y -= Round(lh * 0.5 * (count + 1));
        if (upright) X -= (Angle == 90 && !isOtherSide_) || (Angle == 270 && isOtherSide_) ? total : lh;
    }
    for (const AnsiString& line : lines) {
        if (Angle == 0) {
            Y += lh;
            canvas->TextOut3D(X, Y, z, line);
            continue;
        }
        if (Angle == 180) Y += lh;
        if (upright) X += lh;
        canvas->RotateLabel3D(X, Y, z, line, Angle);
    }
    canvas->SetTextAlign(LeftTop);
}

void TCustomChartAxis::DrawTitle(int X, int Y) {
    TCanvas3D* canvas = parentChart_->GetCanvas();
    if (parentChart_->GetPrinting() && canvas->GetFont()->GetColor() == clWhite) canvas->GetFont()->SetColor(clBlack);
    if (isDepth_) {
        canvas->SetTextAlign(LeftTop);
        canvas->TextOut3D(X, Y, parentChart_->GetWidth3D() / 2, title_->GetCaption());
    } else {
        DrawAxisLabel(X, Y, title_->GetAngle(), title_->GetCaption());
    }
}

// ---- Lines ----------------------------------------------------------------------------------

void TAxisPainter::DrawLinesAndTicks() {
    if (axis_->axisPen_->GetVisible()) DrawAxisLine();
    if (axis_->ticks_->GetVisible()) {
        canvas_->AssignVisiblePen(axis_->ticks_);
        DrawTicks(1, axis_->tickLength_);
    }
    if (axis_->grid_->GetVisible()) DrawGrid();
    if (axis_->ticksInner_->GetVisible()) {
        canvas_->AssignVisiblePen(axis_->ticksInner_);
        DrawTicks(-1, -axis_->tickInnerLength_);
    }
    if (ticks_.empty()) return;
    if (axis_->minorTicks_->GetVisible()) {
        canvas_->AssignVisiblePen(axis_->minorTicks_);
        DrawMinorMarks(false);
    }
    if (axis_->minorGrid_->GetVisible()) {
        canvas_->AssignVisiblePen(axis_->minorGrid_);
        DrawMinorMarks(true);
    }
}

void TAxisPainter::DrawAxisLine() {
    canvas_->AssignVisiblePen(axis_->axisPen_);
    const TRect& r = chart_->GetChartRect();
    const int width3D = chart_->GetWidth3D();
    const int wall = chart_->CalcWallSize(axis_);
    const int start = axis_->startPixel_, end = axis_->endPixel_, pos = axis_->axisPos_;
    if (axis_->isDepth_) {
        const int y = r.Bottom + chart_->CalcWallSize(chart_->GetBottomAxis());
        canvas_->MoveTo3D(r.Right, y, 0);
        canvas_->LineTo3D(r.Right, y, width3D);
    } else if (axis_->isHorizontal_) {
        if (axis_->isOtherSide_)
            canvas_->HorizLine3D(start, end, pos, width3D);
        else
            canvas_->HorizLine3D(start - chart_->CalcWallSize(chart_->GetLeftAxis()), end, pos + wall, 0);
    } else if (axis_->isOtherSide_) {
        canvas_->VertLine3D(pos, start, end, width3D);
    } else {
        canvas_->VertLine3D(pos - wall, start, end + chart_->CalcWallSize(chart_->GetBottomAxis()), 0);
    }
}

void TAxisPainter::DrawTicks(int Offset, int Length) {
    for (int p : ticks_) DrawTick(p, Offset, Length);
}

void TAxisPainter::DrawTick(int P, int Offset, int Length) {
    const int pos = axis_->axisPos_;
    if (axis_->isDepth_) {
        canvas_->HorizLine3D(pos + Offset, pos + Offset + Length, chart_->GetChartRect().Bottom, P);
    } else if (!axis_->isOtherSide_) {
        const int o = Offset + chart_->CalcWallSize(axis_);
        if (axis_->isHorizontal_)
            canvas_->VertLine3D(P, pos + o, pos + o + Length, 0);
        else
            canvas_->HorizLine3D(pos - o, pos - o - Length, P, 0);
    } else if (axis_->isHorizontal_) {
        canvas_->VertLine3D(P, pos - Offset, pos - Offset - Length, chart_->GetWidth3D());
    } else {
        canvas_->HorizLine3D(pos + Offset, pos + Offset + Length, P, chart_->GetWidth3D());
    }
}

// ---- Grid -----------------------------------------------------------------------------------

void TAxisPainter::DrawGrid() {
    canvas_->GetBrush()->SetStyle(bsClear);
    canvas_->SetBackMode(cbmTransparent);
    canvas_->AssignVisiblePen(axis_->grid_);
    chart_->CheckPenWidth(canvas_->GetPen());
    // The library's mark of a colour never set.
    if (canvas_->GetPen()->GetColor() == static_cast<TColor>(0x80000000)) canvas_->GetPen()->SetColor(0x808080);
    for (std::size_t t = 0; t < ticks_.size(); ++t) {
        if (!axis_->gridCentered_)
            DrawGridLine(ticks_[t]);
        else if (t > 0)
            DrawGridLine(Round(0.5 * (ticks_[t] + ticks_[t - 1])));
    }
    canvas_->SetBackMode(cbmOpaque);
}

void TAxisPainter::DrawGridLine(int P) {
    const TRect& r = chart_->GetChartRect();
    const int width3D = chart_->GetWidth3D();
    if (axis_->isDepth_) {
        canvas_->VertLine3D(r.Left, r.Top, r.Bottom, P);
        canvas_->HorizLine3D(r.Left, r.Right, r.Bottom, P);
        return;
    }
    const bool horizontal = axis_->isHorizontal_;
    auto across = [&](int Z) {
        if (horizontal)
            canvas_->VertLine3D(P, r.Top, r.Bottom, Z);
        else
            canvas_->HorizLine3D(r.Left, r.Right, P, Z);
    };
    if (!chart_->GetView3D()) {
        if (horizontal)
            canvas_->DoVertLine(P, r.Top, r.Bottom);
        else
            canvas_->DoHorizLine(r.Left, r.Right, P);
    } else if (axis_->isOtherSide_) {
        across(width3D);
    } else if (TeeDrawAxisBeforeSeries) {
        // Along the floor or the left wall, then up the back wall.
        if (horizontal)
            canvas_->ZLine3D(P, axis_->axisPos_, 0, width3D);
        else
            canvas_->ZLine3D(axis_->axisPos_, P, 0, width3D);
        across(width3D);
    } else {
        across(0);
    }
}

// ---- Minor ticks ----------------------------------------------------------------------------

void TAxisPainter::DrawMinorMark(int P, bool Grid) {
    if (P <= axis_->startPixel_ || P >= axis_->endPixel_) return;
    if (Grid)
        DrawGridLine(P);
    else
        DrawTick(P, 1, axis_->minorTickLength_);
}

void TAxisPainter::DrawMinorMarks(bool Grid) {
    const int m = axis_->minorTickCount_;
    if (m < 1) return;
    const int count = static_cast<int>(ticks_.size());
    if (!axis_->logarithmic_ && count >= 2) {
        // Beyond the first and the last label too.
        const double d = (ticks_[1] - ticks_[0]) / (m + 1.0);
        for (int i = 1; i <= m; ++i) {
            DrawMinorMark(ticks_[0] - Round(i * d), Grid);
            DrawMinorMark(ticks_[count - 1] + Round(i * d), Grid);
        }
    }
    for (int t = 1; t < count; ++t) {
        if (!axis_->logarithmic_) {
            const double d = (ticks_[t] - ticks_[t - 1]) / (m + 1.0);
            for (int i = 1; i <= m; ++i) DrawMinorMark(ticks_[t] - Round(i * d), Grid);
            continue;
        }
        double v = axis_->CalcPosPoint(ticks_[t - 1]);
        const double d = (axis_->logarithmicBase_ * v - v) / (m + 1);
        for (int i = 1; i <= m; ++i) {
            v += d;
            if (v > axis_->curMaximum_) break;
            DrawMinorMark(axis_->CalcPosValue(v), Grid);
        }
    }
}
