// A chart in a form stream: the panel's published settings, its background
// gradient, its five axes (the ones the application makes at run time are
// not stored), and its series stored inside it. Every chart and series
// links this unit, so it is the one that registers the chart library's
// classes at start-up.
#include "chart/axis/TeEngineAxis.h"
#include "chart/control/ChartClasses.h"
#include "chart/panel/TeEngineAxisPanel.h"
#include "chart/series/TeEngineSeries.h"
#include "platform/runtime/PublishedProperties.h"

namespace {

const bool chartClassesRegistered = (RegisterChartClasses(), true);

}  // namespace

void RegisterPanelClasses() {
    TPublishedClassRegistrar<TCustomTeeGradient, void>("TCustomTeeGradient", [](auto& p) {
        using G = TCustomTeeGradient;
        p.Enumeration("Direction", &G::GetDirection, &G::SetDirection,
                      {"gdTopBottom", "gdBottomTop", "gdLeftRight", "gdRightLeft", "gdFromCenter", "gdFromTopLeft",
                       "gdFromBottomLeft"},
                      gdTopBottom)
            .Integer("EndColor", &G::GetEndColor, &G::SetEndColor, clYellow)
            .Integer("StartColor", &G::GetStartColor, &G::SetStartColor, clWhite)
            .Boolean("Visible", &G::GetVisible, &G::SetVisible, false);
    });
    TPublishedClassRegistrar<TChartGradient, TCustomTeeGradient>("TChartGradient", [](auto&) {});
    TPublishedClassRegistrar<TChartFontObject, void>("TChartFontObject", [](auto& p) {
        p.Object("Font", &TChartFontObject::GetFont).StoredWhen(&TChartFontObject::IsFontStored);
    });
    TPublishedClassRegistrar<TCustomTeePanel, TControl>("TCustomTeePanel", [](auto& p) {
        using P = TCustomTeePanel;
        p.Integer("Chart3DPercent", &P::GetChart3DPercent, &P::SetChart3DPercent, 15)
            .Integer("MarginLeft", &P::GetMarginLeft, &P::SetMarginLeft, 3)
            .Integer("MarginTop", &P::GetMarginTop, &P::SetMarginTop, 4)
            .Integer("MarginRight", &P::GetMarginRight, &P::SetMarginRight, 3)
            .Integer("MarginBottom", &P::GetMarginBottom, &P::SetMarginBottom, 4)
            .Boolean("ApplyZOrder", &P::GetApplyZOrder, &P::SetApplyZOrder, true)
            .Boolean("PrintProportional", &P::GetPrintProportional, &P::SetPrintProportional, true)
            .Integer("PrintResolution", &P::GetPrintResolution, &P::SetPrintResolution, 0)
            .Boolean("View3D", &P::GetView3D, &P::SetView3D, true)
            .Object("View3DOptions", &P::GetView3DOptions);
    });
    TPublishedClassRegistrar<TCustomTeePanelExtended, TCustomTeePanel>("TCustomTeePanelExtended", [](auto& p) {
        using P = TCustomTeePanelExtended;
        p.Enumeration("AllowPanning", &P::GetAllowPanning, &P::SetAllowPanning,
                      {"pmNone", "pmHorizontal", "pmVertical", "pmBoth"}, pmBoth)
            .Boolean("AllowZoom", &P::GetAllowZoom, &P::SetAllowZoom, true)
            .Boolean("AnimatedZoom", &P::GetAnimatedZoom, &P::SetAnimatedZoom, false)
            .Integer("AnimatedZoomSteps", &P::GetAnimatedZoomSteps, &P::SetAnimatedZoomSteps, 8)
            .Enumeration("BackImageMode", &P::GetBackImageMode, &P::SetBackImageMode,
                         {"pbmStretch", "pbmTile", "pbmCenter"}, pbmStretch)
            .Object("Gradient", &P::GetGradient);
    });
    TPublishedClassRegistrar<TCustomAxisPanel, TCustomTeePanelExtended>("TCustomAxisPanel", [](auto& p) {
        using P = TCustomAxisPanel;
        p.Boolean("AxisVisible", &P::GetAxisVisible, &P::SetAxisVisible, true)
            .Object("BottomAxis", &P::GetBottomAxis)
            .Boolean("ClipPoints", &P::GetClipPoints, &P::SetClipPoints, true)
            .Object("DepthAxis", &P::GetDepthAxis)
            .Object("LeftAxis", &P::GetLeftAxis)
            .Integer("MaxPointsPerPage", &P::GetMaxPointsPerPage, &P::SetMaxPointsPerPage, 0)
            .Object("RightAxis", &P::GetRightAxis)
            .Boolean("ScaleLastPage", &P::GetScaleLastPage, &P::SetScaleLastPage, true)
            .Object("TopAxis", &P::GetTopAxis)
            .Boolean("View3DWalls", &P::GetView3DWalls, &P::SetView3DWalls, true);
    });
}

void TCustomAxisPanel::GetChildren(const TGetChildProc& Proc, TComponent* Root) {
    TCustomTeePanelExtended::GetChildren(Proc, Root);
    for (TChartSeries* s : *seriesList_) Proc(s);
}
