// The chart control in a form stream: its title and foot, legend and walls
// with what they hold; a wall's colour only when it is not the one it
// started with.
#include "chart/control/Chart.h"
#include "chart/control/ChartClasses.h"
#include "platform/runtime/PublishedProperties.h"

void RegisterChartControlClasses() {
    TPublishedClassRegistrar<TChartWall, void>("TChartWall", [](auto& p) {
        p.Object("Brush", &TChartWall::GetBrush)
            .Integer("Color", &TChartWall::GetColor, &TChartWall::SetColor)
            .StoredWhen(&TChartWall::IsColorStored)
            .Boolean("Dark3D", &TChartWall::GetDark3D, &TChartWall::SetDark3D, true)
            .Object("Pen", &TChartWall::GetPen)
            .Integer("Size", &TChartWall::GetSize, &TChartWall::SetSize, 0);
    });
    TPublishedClassRegistrar<TChartTitle, TChartFontObject>("TChartTitle", [](auto& p) {
        using T = TChartTitle;
        p.Boolean("AdjustFrame", &T::GetAdjustFrame, &T::SetAdjustFrame, true)
            .Enumeration("Alignment", &T::GetAlignment, &T::SetAlignment,
                         {"taLeftJustify", "taRightJustify", "taCenter"}, taCenter)
            .Object("Brush", &T::GetBrush)
            .Integer("Color", &T::GetColor, &T::SetColor, DefaultPointColor)
            .Object("Frame", &T::GetFrame)
            .Object("Text", &T::GetText)
            .Boolean("Visible", &T::GetVisible, &T::SetVisible, true);
    });
    TPublishedClassRegistrar<TCustomChartLegend, TChartFontObject>("TCustomChartLegend", [](auto& p) {
        using L = TCustomChartLegend;
        p.Enumeration("Alignment", &L::GetAlignment, &L::SetAlignment, {"laLeft", "laRight", "laTop", "laBottom"},
                      laRight)
            .Object("Brush", &L::GetBrush)
            .Integer("Color", &L::GetColor, &L::SetColor, clWhite)
            .Integer("ColorWidth", &L::GetColorWidth, &L::SetColorWidth, 12)
            .Object("DividingLines", &L::GetDividingLines)
            .Integer("FirstValue", &L::GetFirstValue, &L::SetFirstValue, 0)
            .Object("Frame", &L::GetFrame)
            .Integer("HorizMargin", &L::GetHorizMargin, &L::SetHorizMargin, 0)
            .Boolean("Inverted", &L::GetInverted, &L::SetInverted, false)
            .Enumeration("LegendStyle", &L::GetLegendStyle, &L::SetLegendStyle,
                         {"lsAuto", "lsSeries", "lsValues", "lsLastValues"}, lsAuto)
            .Integer("MaxNumRows", &L::GetMaxNumRows, &L::SetMaxNumRows, 10)
            .Boolean("ResizeChart", &L::GetResizeChart, &L::SetResizeChart, true)
            .Integer("ShadowColor", &L::GetShadowColor, &L::SetShadowColor, clBlack)
            .Integer("ShadowSize", &L::GetShadowSize, &L::SetShadowSize, 3)
            .Enumeration("TextStyle", &L::GetTextStyle, &L::SetTextStyle,
                         {"ltsPlain", "ltsLeftValue", "ltsRightValue", "ltsLeftPercent", "ltsRightPercent",
                          "ltsXValue"},
                         ltsLeftValue)
            .Integer("TopPos", &L::GetTopPos, &L::SetTopPos, 10)
            .Integer("VertMargin", &L::GetVertMargin, &L::SetVertMargin, 0)
            .Boolean("Visible", &L::GetVisible, &L::SetVisible, true);
    });
    TPublishedClassRegistrar<TChartLegend, TCustomChartLegend>("TChartLegend", [](auto&) {});
    TPublishedClassRegistrar<TCustomChart, TCustomAxisPanel>("TCustomChart", [](auto& p) {
        using C = TCustomChart;
        p.Boolean("BackImageInside", &C::GetBackImageInside, &C::SetBackImageInside, false)
            .Object("BackWall", &C::GetBackWall)
            .Object("BottomWall", &C::GetBottomWall)
            .Object("Foot", &C::GetFoot)
            .Object("LeftWall", &C::GetLeftWall)
            .Object("Legend", &C::GetLegend)
            .Object("Title", &C::GetTitle);
    });
    TPublishedClassRegistrar<TChart, TCustomChart>("TChart", [](auto&) {});
}
