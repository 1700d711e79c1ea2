// Pens, brushes and 3-D view settings in form streams: each pen class
// declares again the values its constructor gives, so that only what
// differs from them is written.
#include "chart/canvas/TeCanvas.h"
#include "chart/control/ChartClasses.h"
#include "platform/runtime/PublishedProperties.h"

namespace {

// Made when asked: the classes are registered while static objects are made.
std::vector<AnsiString> PenStyles() {
    return {"psSolid", "psDash", "psDot", "psDashDot", "psDashDotDot", "psClear", "psInsideFrame"};
}

template <class TPenClass>
void Pen(const char* Name, TColor Color, TPenStyle Style, int Width, bool Visible) {
    TPublishedClassRegistrar<TPenClass, TChartPen>(Name, [&](auto& p) {
        p.Integer("Color", &TPen::GetColor, &TPen::SetColor, Color)
            .Enumeration("Style", &TPen::GetStyle, &TPen::SetStyle, PenStyles(), Style)
            .Integer("Width", &TPen::GetWidth, &TPen::SetWidth, Width)
            .Boolean("Visible", &TChartPen::GetVisible, &TChartPen::SetVisible, Visible);
    });
}

}  // namespace

void RegisterCanvasClasses() {
    TPublishedClassRegistrar<TChartPen, TPen>("TChartPen", [](auto& p) {
        p.Boolean("SmallDots", &TChartPen::GetSmallDots, &TChartPen::SetSmallDots, false)
            .Boolean("Visible", &TChartPen::GetVisible, &TChartPen::SetVisible, true);
    });
    Pen<TChartHiddenPen>("TChartHiddenPen", clBlack, psSolid, 1, false);
    Pen<TDottedGrayPen>("TDottedGrayPen", clGray, psDot, 1, true);
    Pen<TDarkGrayPen>("TDarkGrayPen", clGray, psSolid, 1, true);
    Pen<TChartAxisPen>("TChartAxisPen", clBlack, psSolid, 2, true);
    Pen<TChartArrowPen>("TChartArrowPen", clWhite, psSolid, 1, true);
    TPublishedClassRegistrar<TChartBrush, TBrush>("TChartBrush", [](auto& p) {
        p.Integer("Color", &TBrush::GetColor, &TBrush::SetColor, DefaultPointColor);
    });
    TPublishedClassRegistrar<TView3DOptions, void>("TView3DOptions", [](auto& p) {
        using V = TView3DOptions;
        p.Integer("Elevation", &V::GetElevation, &V::SetElevation, 345)
            .Integer("HorizOffset", &V::GetHorizOffset, &V::SetHorizOffset, 0)
            .Boolean("Orthogonal", &V::GetOrthogonal, &V::SetOrthogonal, true)
            .Integer("Perspective", &V::GetPerspective, &V::SetPerspective, 15)
            .Integer("Rotation", &V::GetRotation, &V::SetRotation, 345)
            .Integer("Tilt", &V::GetTilt, &V::SetTilt, 0)
            .Integer("VertOffset", &V::GetVertOffset, &V::SetVertOffset, 0)
            .Integer("Zoom", &V::GetZoom, &V::SetZoom, 100)
            .Boolean("ZoomText", &V::GetZoomText, &V::SetZoomText, true);
    });
}
