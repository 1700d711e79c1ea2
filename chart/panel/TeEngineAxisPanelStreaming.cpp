// A chart in a form stream: its published settings, and its series stored
// inside it.
#include "chart/panel/TeEngineAxisPanel.h"
#include "chart/series/TeEngineSeries.h"
#include "platform/runtime/PublishedProperties.h"

namespace {

const TPublishedClassRegistrar<TCustomTeePanel, TControl> teePanelClass("TCustomTeePanel", [](auto& p) {
    p.Integer("Chart3DPercent", &TCustomTeePanel::GetChart3DPercent, &TCustomTeePanel::SetChart3DPercent, 15)
        .Integer("MarginLeft", &TCustomTeePanel::GetMarginLeft, &TCustomTeePanel::SetMarginLeft, 3)
        .Integer("MarginTop", &TCustomTeePanel::GetMarginTop, &TCustomTeePanel::SetMarginTop, 4)
        .Integer("MarginRight", &TCustomTeePanel::GetMarginRight, &TCustomTeePanel::SetMarginRight, 3)
        .Integer("MarginBottom", &TCustomTeePanel::GetMarginBottom, &TCustomTeePanel::SetMarginBottom, 4)
        .Boolean("ApplyZOrder", &TCustomTeePanel::GetApplyZOrder, &TCustomTeePanel::SetApplyZOrder, true)
        .Boolean("View3D", &TCustomTeePanel::GetView3D, &TCustomTeePanel::SetView3D, true);
});

const TPublishedClassRegistrar<TCustomAxisPanel, TCustomTeePanel> axisPanelClass("TCustomAxisPanel", [](auto& p) {
    p.Boolean("AxisVisible", &TCustomAxisPanel::GetAxisVisible, &TCustomAxisPanel::SetAxisVisible, true)
        .Boolean("ClipPoints", &TCustomAxisPanel::GetClipPoints, &TCustomAxisPanel::SetClipPoints, true)
        .Integer("MaxPointsPerPage", &TCustomAxisPanel::GetMaxPointsPerPage, &TCustomAxisPanel::SetMaxPointsPerPage, 0)
        .Boolean("ScaleLastPage", &TCustomAxisPanel::GetScaleLastPage, &TCustomAxisPanel::SetScaleLastPage, true)
        .Boolean("View3DWalls", &TCustomAxisPanel::GetView3DWalls, &TCustomAxisPanel::SetView3DWalls, true);
});

}  // namespace

void TCustomAxisPanel::GetChildren(const TGetChildProc& Proc, TComponent* Root) {
    TCustomTeePanelExtended::GetChildren(Proc, Root);
    for (TChartSeries* s : *seriesList_) Proc(s);
}
