// The series types in form streams: each type's published settings with the
// values its constructor gives as defaults; the settings of the base, its
// lists, marks and marker are the base's (TeEngineSeriesStreaming.cpp).
#include "chart/control/ChartClasses.h"
#include "chart/messages/TeeConst.h"
#include "chart/seriestypes/CandleCh.h"
#include "chart/seriestypes/Series.h"
#include "chart/seriestypes/SeriesBar.h"
#include "chart/seriestypes/SeriesFastLine.h"
#include "chart/seriestypes/SeriesPie.h"
#include "platform/runtime/PublishedProperties.h"

namespace {

// Made when asked: the classes are registered while static objects are made.
std::vector<AnsiString> BrushStyles() {
    return {"bsSolid", "bsClear", "bsHorizontal", "bsVertical", "bsFDiagonal", "bsBDiagonal", "bsCross", "bsDiagCross"};
}

void RegisterLineTypes() {
    TPublishedClassRegistrar<TCustomSeries, TChartSeries>("TCustomSeries", [](auto& p) {
        using S = TCustomSeries;
        p.Enumeration("AreaBrush", &S::GetAreaBrush, &S::SetAreaBrush, BrushStyles(), bsSolid)
            .Integer("AreaColor", &S::GetAreaColor, &S::SetAreaColor, DefaultPointColor)
            .Object("AreaLinesPen", &S::GetAreaLinesPen)
            .Boolean("Dark3D", &S::GetDark3D, &S::SetDark3D, true)
            .Boolean("InvertedStairs", &S::GetInvertedStairs, &S::SetInvertedStairs, false)
            .Enumeration("LineBrush", &S::GetLineBrush, &S::SetLineBrush, BrushStyles(), bsSolid)
            .Integer("LineHeight", &S::GetLineHeight, &S::SetLineHeight, 0)
            .Object("LinePen", &S::GetLinePen)
            .Object("Pointer", &S::GetPointer)
            .Boolean("Stairs", &S::GetStairs, &S::SetStairs, false);
    });
    TPublishedClassRegistrar<TLineSeries, TCustomSeries>("TLineSeries", [](auto&) {});
    TPublishedClassRegistrar<TPointSeries, TCustomSeries>("TPointSeries", [](auto&) {});
    TPublishedClassRegistrar<TAreaSeries, TCustomSeries>("TAreaSeries", [](auto& p) {
        p.Boolean("DrawArea", &TAreaSeries::GetDrawArea, &TAreaSeries::SetDrawArea, true)
            .Enumeration("MultiArea", &TAreaSeries::GetMultiArea, &TAreaSeries::SetMultiArea,
                         {"maNone", "maStacked", "maStacked100"}, maNone);
    });
    TPublishedClassRegistrar<TFastLineSeries, TChartSeries>("TFastLineSeries", [](auto& p) {
        p.Boolean("AutoRepaint", &TFastLineSeries::GetAutoRepaint, &TFastLineSeries::SetAutoRepaint, true)
            .Object("LinePen", &TFastLineSeries::GetLinePen);
    });
}

void RegisterBarTypes() {
    TPublishedClassRegistrar<TCustomBarSeries, TChartSeries>("TCustomBarSeries", [](auto& p) {
        using S = TCustomBarSeries;
        p.Boolean("AutoBarSize", &S::GetAutoBarSize, &S::SetAutoBarSize, false)
            .Boolean("AutoMarkPosition", &S::GetAutoMarkPosition, &S::SetAutoMarkPosition, true)
            .Object("BarBrush", &S::GetBarBrush)
            .Object("BarPen", &S::GetBarPen)
            .Enumeration("BarStyle", static_cast<TBarStyle (S::*)() const>(&S::GetBarStyle), &S::SetBarStyle,
                         {"bsRectangle", "bsPyramid", "bsInvPyramid", "bsCilinder", "bsEllipse", "bsArrow",
                          "bsRectGradient", "bsCone"},
                         bsRectangle)
            .Integer("BarWidthPercent", &S::GetBarWidthPercent, &S::SetBarWidthPercent, 70)
            .Boolean("Dark3D", &S::GetDark3D, &S::SetDark3D, true)
            .Enumeration("MultiBar", &S::GetMultiBar, &S::SetMultiBar,
                         {"mbNone", "mbSide", "mbStacked", "mbStacked100", "mbSeries"}, mbSide)
            .Integer("OffsetPercent", &S::GetOffsetPercent, &S::SetOffsetPercent, 0)
            .Boolean("SideMargins", &S::GetSideMargins, &S::SetSideMargins, true)
            .Boolean("UseYOrigin", &S::GetUseYOrigin, &S::SetUseYOrigin, true)
            .Float("YOrigin", &S::GetYOrigin, &S::SetYOrigin);
    });
    TPublishedClassRegistrar<TBarSeries, TCustomBarSeries>("TBarSeries", [](auto& p) {
        p.Integer("CustomBarWidth", &TBarSeries::GetCustomBarWidth, &TBarSeries::SetCustomBarWidth, 0);
    });
    TPublishedClassRegistrar<THorizBarSeries, TCustomBarSeries>("THorizBarSeries", [](auto& p) {
        p.Integer("CustomBarHeight", &THorizBarSeries::GetCustomBarHeight, &THorizBarSeries::SetCustomBarHeight, 0);
    });
}

void RegisterPieTypes() {
    TPublishedClassRegistrar<TCircledSeries, TChartSeries>("TCircledSeries", [](auto& p) {
        using S = TCircledSeries;
        p.Integer("CircleBackColor", &S::GetCircleBackColor, &S::SetCircleBackColor, DefaultPointColor)
            .Boolean("Circled", &S::GetCircled, &S::SetCircled, false)
            .Integer("CustomXRadius", &S::GetCustomXRadius, &S::SetCustomXRadius, 0)
            .Integer("CustomYRadius", &S::GetCustomYRadius, &S::SetCustomYRadius, 0)
            .Integer("RotationAngle", &S::GetRotationAngle, &S::SetRotationAngle, 0);
    });
    TPublishedClassRegistrar<TPieOtherSlice, void>("TPieOtherSlice", [](auto& p) {
        p.Enumeration("Style", &TPieOtherSlice::GetStyle, &TPieOtherSlice::SetStyle,
                      {"poNone", "poBelowPercent", "poBelowValue"}, poNone)
            .String("Text", &TPieOtherSlice::GetText, &TPieOtherSlice::SetText)
            .StoredWhen([](TPieOtherSlice* o) { return o->GetText() != TeeMsgText(TeeMsg_PieOther); })
            .Float("Value", &TPieOtherSlice::GetValue, &TPieOtherSlice::SetValue);
    });
    TPublishedClassRegistrar<TPieSeries, TCircledSeries>("TPieSeries", [](auto& p) {
        using S = TPieSeries;
        // A pie colours each slice from the start.
        p.Boolean("ColorEachPoint", &S::GetColorEachPoint, &S::SetColorEachPoint, true)
            .Boolean("Dark3D", &S::GetDark3D, &S::SetDark3D, true)
            .Integer("ExplodeBiggest", &S::GetExplodeBiggest, &S::SetExplodeBiggest, 0)
            .Object("OtherSlice", &S::GetOtherSlice)
            .Object("PiePen", &S::GetPiePen)
            .Boolean("UsePatterns", &S::GetUsePatterns, &S::SetUsePatterns, false);
    });
}

void RegisterFinancialTypes() {
    TPublishedClassRegistrar<TOHLCSeries, TCustomSeries>("TOHLCSeries", [](auto& p) {
        p.Object("CloseValues", &TOHLCSeries::GetCloseValues)
            .Object("HighValues", &TOHLCSeries::GetHighValues)
            .Object("LowValues", &TOHLCSeries::GetLowValues);
    });
    TPublishedClassRegistrar<TCandleSeries, TOHLCSeries>("TCandleSeries", [](auto& p) {
        using S = TCandleSeries;
        p.Enumeration("CandleStyle", &S::GetCandleStyle, &S::SetCandleStyle, {"csCandleStick", "csCandleBar"},
                      csCandleStick)
            .Integer("CandleWidth", &S::GetCandleWidth, &S::SetCandleWidth, 5)
            .Integer("DownCloseColor", &S::GetDownCloseColor, &S::SetDownCloseColor, clRed)
            .Boolean("ShowCloseTick", &S::GetShowCloseTick, &S::SetShowCloseTick, true)
            .Boolean("ShowOpenTick", &S::GetShowOpenTick, &S::SetShowOpenTick, true)
            .Integer("UpCloseColor", &S::GetUpCloseColor, &S::SetUpCloseColor, clWhite);
    });
    TPublishedClassRegistrar<TVolumeSeries, TCustomSeries>("TVolumeSeries", [](auto&) {});
}

}  // namespace

void RegisterSeriesClasses() {
    RegisterLineTypes();
    RegisterBarTypes();
    RegisterPieTypes();
    RegisterFinancialTypes();
}
