// The chart control's mouse: which part lies under a point, the click
// events, the start of a zoom or a pan, the rubber band, panning steps and
// the end of a drag.
#include <cstdlib>

#include "chart/axis/TeEngineAxis.h"
#include "chart/control/Chart.h"
#include "chart/messages/TeeConst.h"

AnsiString TCustomChart::AxisTitleOrName(const TCustomChartAxis* Axis) const {
    const AnsiString& caption = Axis->GetTitle()->GetCaption();
    if (!caption.IsEmpty()) return caption;
    if (Axis == GetDepthAxis()) return TeeMsgText(TeeMsg_DepthAxis);
    if (Axis->GetHorizontal()) return TeeMsgText(Axis->GetOtherSide() ? TeeMsg_TopAxis : TeeMsg_BottomAxis);
    return TeeMsgText(Axis->GetOtherSide() ? TeeMsg_RightAxis : TeeMsg_LeftAxis);
}

// The series drawn last (on top) wins, then axes, title, foot, the plot
// itself (only with a series on it) and last the legend.
TChartClickedPart TCustomChart::CalcClickedPart(TPoint Pos) {
    TChartClickedPart part;
    for (int i = SeriesCount() - 1; i >= 0; --i) {
        TChartSeries* s = GetSeries(i);
        if (!s->GetActive()) continue;
        const int index = s->Clicked(Pos.x, Pos.y);
        if (index != -1) {
            part.Part = cpSeries;
            part.Series = s;
            part.PointIndex = index;
            return part;
        }
    }
    for (TCustomChartAxis* axis : GetAxesList()) {
        if (axis->Clicked(Pos.x, Pos.y)) {
            part.Part = cpAxis;
            part.Axis = axis;
            return part;
        }
    }
    if (title_->Clicked(Pos.x, Pos.y)) {
        part.Part = cpTitle;
    } else if (foot_->Clicked(Pos.x, Pos.y)) {
        part.Part = cpFoot;
    } else if (PtInRect(GetChartRect(), Pos) && GetSeriesList()->CountActive() > 0) {
        part.Part = cpChartRect;
    } else if (legend_->GetVisible()) {
        const int item = legend_->Clicked(Pos.x, Pos.y);
        if (item != -1) {
            part.Part = cpLegend;
            part.PointIndex = item;
        }
    }
    return part;
}

bool TCustomChart::ClickBackground(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (!OnClickBackground) return false;
    cancelMouse_ = true;
    OnClickBackground(this, Button, Shift, X, Y);
    return cancelMouse_;
}

bool TCustomChart::StartZoomOrScroll(TMouseButton Button, TShiftState Shift, int X, int Y) {
    bool started = false;
    if (GetAllowZoom() && Button == TeeZoomMouseButton && (Shift * TeeZoomKeyShift) == TeeZoomKeyShift) {
        SetCursor(crDefault);
        GetZoom()->Activate(X, Y);
        DrawZoomRectangle();
        started = true;
    }
    if (GetAllowPanning() != pmNone && Button == TeeScrollMouseButton &&
        (Shift * TeeScrollKeyShift) == TeeScrollKeyShift) {
        SetCursor(crDefault);
        GetPanning()->Activate(X, Y);
        started = true;
    }
    return started;
}

// A click event handler keeps the chart from going on by leaving the
// cancel flag set; clearing it lets a zoom or pan start. The background
// event fires once per press whichever part was hit.
void TCustomChart::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomAxisPanel::MouseDown(Button, Shift, X, Y);
    if (GetZoom()->Active || GetPanning()->Active) return;
    if (cancelMouse_) {
        cancelMouse_ = false;
        return;
    }
    const TChartClickedPart part = CalcClickedPart(TPoint(X, Y));
    bool handled = false;
    bool backgroundAsked = false;
    switch (part.Part) {
    case cpLegend:
        if (OnClickLegend) {
            cancelMouse_ = true;
            OnClickLegend(this, Button, Shift, X, Y);
            handled = cancelMouse_;
        }
        break;
    case cpAxis:
        if (OnClickAxis) {
            cancelMouse_ = true;
            OnClickAxis(this, part.Axis, Button, Shift, X, Y);
            handled = cancelMouse_;
        }
        if (!handled) handled = StartZoomOrScroll(Button, Shift, X, Y);
        break;
    case cpSeries:
        // The series' own click handler stops the chart too, unless it
        // clears the flag through the chart.
        cancelMouse_ = true;
        handled = part.Series->DoSeriesClick(part.Series, part.PointIndex, Button, Shift, X, Y) && cancelMouse_;
        cancelMouse_ = handled;
        if (OnClickSeries) {
            cancelMouse_ = true;
            OnClickSeries(this, part.Series, part.PointIndex, Button, Shift, X, Y);
            handled = cancelMouse_;
        }
        if (!handled) handled = StartZoomOrScroll(Button, Shift, X, Y);
        break;
    case cpChartRect:
        handled = ClickBackground(Button, Shift, X, Y);
        backgroundAsked = true;
        if (!handled) handled = StartZoomOrScroll(Button, Shift, X, Y);
        break;
    default: break;
    }
    if (!handled && !backgroundAsked) ClickBackground(Button, Shift, X, Y);
    cancelMouse_ = false;
}

void TCustomChart::ZoomDragTo(int X, int Y) {
    TZoomPanningRecord* zoom = GetZoom();
    if (X == zoom->X1 && Y == zoom->Y1) return;
    DrawZoomRectangle();
    zoom->X1 = X;
    zoom->Y1 = Y;
    DrawZoomRectangle();
}

// Every axis across the direction moves by the values between the two
// pixels, as far as OnAllowScroll lets it.
bool TCustomChart::PanStep(bool Horizontal, int From, int To) {
    const TPanningMode mode = GetAllowPanning();
    if (From == To || (mode != pmBoth && mode != (Horizontal ? pmHorizontal : pmVertical))) return false;
    for (TCustomChartAxis* axis : GetAxesList()) {
        if (axis->GetIsDepthAxis() || axis->GetHorizontal() != Horizontal) continue;
        const double delta = axis->CalcPosPoint(From) - axis->CalcPosPoint(To);
        double aMin = axis->GetMinimum() + delta;
        double aMax = axis->GetMaximum() + delta;
        bool allow = true;
        if (OnAllowScroll) OnAllowScroll(axis, aMin, aMax, allow);
        if (allow) axis->SetMinMax(aMin, aMax);
    }
    return true;
}

void TCustomChart::PanTo(int X, int Y) {
    TZoomPanningRecord* panning = GetPanning();
    if (!PtInRect(GetChartRect(), TPoint(X, Y))) {
        panning->Active = false;
        return;
    }
    if (X == panning->X1 && Y == panning->Y1) return;
    // The corners stay unordered: X1, Y1 is where the last step ended, and
    // ordering them would count a step back as a step forward again.
    KeepHomeScales();
    bool moved = PanStep(true, panning->X1, X);
    moved = PanStep(false, panning->Y1, Y) || moved;
    panning->X1 = X;
    panning->Y1 = Y;
    if (!moved) return;
    if (OnScroll) OnScroll(this);
    Invalidate();
}

void TCustomChart::SeriesCursor(TShiftState Shift, int X, int Y) {
    bool cursorSet = false;
    for (TChartSeries* s : *GetSeriesList()) {
        if (s->GetActive() && s->GetCursor() != crDefault && s->Clicked(X, Y) != -1) {
            SetCursor(s->GetCursor());
            cursorSet = true;
            break;
        }
    }
    for (TChartSeries* s : *GetSeriesList()) s->DoSeriesMouseMove(Shift, X, Y);
    if (!cursorSet) SetCursor(GetSavedCursor());
}

void TCustomChart::MouseMove(TShiftState Shift, int X, int Y) {
    TCustomAxisPanel::MouseMove(Shift, X, Y);
    if (GetComponentState().Contains(csDesigning)) return;
    if (GetZoom()->Active)
        ZoomDragTo(X, Y);
    else if (GetPanning()->Active)
        PanTo(X, Y);
    else
        SeriesCursor(Shift, X, Y);
}

// A drag of more than 16 pixels each way zooms when it goes to the lower
// right and undoes the zoom in any other direction.
void TCustomChart::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TCustomAxisPanel::MouseUp(Button, Shift, X, Y);
    for (TChartSeries* s : *GetSeriesList()) s->DoSeriesMouseUp(Button, Shift, X, Y);
    TZoomPanningRecord* zoom = GetZoom();
    if (zoom->Active && Button == TeeZoomMouseButton) {
        zoom->Active = false;
        DrawZoomRectangle();
        GetCanvas()->GetPen()->SetMode(pmCopy);
        zoom->X1 = X;
        zoom->Y1 = Y;
        if (std::abs(zoom->X1 - zoom->X0) > 16 && std::abs(zoom->Y1 - zoom->Y0) > 16) {
            if (zoom->X1 > zoom->X0 && zoom->Y1 > zoom->Y0)
                CalcZoomPoints();
            else
                UndoZoom();
            Invalidate();
        }
    }
    GetPanning()->Active = false;
}
