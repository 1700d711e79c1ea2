// Axes in a form stream: the ends only when they are fixed, the positions,
// the values format and the labels' font only when they differ from what a
// new axis has, the title's angle only when it is not the axis' own one.
#include "chart/axis/TeEngineAxis.h"
#include "chart/control/ChartClasses.h"
#include "chart/messages/TeeConst.h"
#include "platform/runtime/PublishedProperties.h"

void RegisterAxisClasses() {
    TPublishedClassRegistrar<TChartAxisTitle, TChartFontObject>("TChartAxisTitle", [](auto& p) {
        p.Integer("Angle", &TChartAxisTitle::GetAngle, &TChartAxisTitle::SetAngle)
            .StoredWhen(&TChartAxisTitle::IsAngleStored)
            .String("Caption", &TChartAxisTitle::GetCaption, &TChartAxisTitle::SetCaption);
    });
    TPublishedClassRegistrar<TCustomChartAxis, void>("TCustomChartAxis", [](auto& p) {
        using A = TCustomChartAxis;
        p.Boolean("Automatic", &A::GetAutomatic, &A::SetAutomatic, true)
            .Boolean("AutomaticMaximum", &A::GetAutomaticMaximum, &A::SetAutomaticMaximum, true)
            .Boolean("AutomaticMinimum", &A::GetAutomaticMinimum, &A::SetAutomaticMinimum, true)
            .Object("Axis", &A::GetAxis)
            .String("AxisValuesFormat", &A::GetAxisValuesFormat, &A::SetValuesFormat)
            .StoredWhen([](A* a) { return a->GetAxisValuesFormat() != TeeMsgText(TeeMsg_DefValueFormat); })
            .String("DateTimeFormat", &A::GetDateTimeFormat, &A::SetDateTimeFormat)
            .Boolean("ExactDateTime", &A::GetExactDateTime, &A::SetExactDateTime, true)
            .Object("Grid", &A::GetGrid)
            .Boolean("GridCentered", &A::GetGridCentered, &A::SetGridCentered, false)
            .Float("Increment", &A::GetIncrement, &A::SetDesiredIncrement)
            .Boolean("Inverted", &A::GetInverted, &A::SetInverted, false)
            .Boolean("Labels", &A::GetLabels, &A::SetLabels, true)
            .Integer("LabelsAngle", &A::GetLabelsAngle, &A::SetLabelsAngle, 0)
            .Object("LabelsFont", &A::GetLabelsFont)
            .StoredWhen([](A* a) { return !IsDefaultFont(a->GetLabelsFont()); })
            .Boolean("LabelsMultiLine", &A::GetLabelsMultiLine, &A::SetLabelsMultiLine, false)
            .Boolean("LabelsOnAxis", &A::GetLabelsOnAxis, &A::SetLabelsOnAxis, true)
            .Integer("LabelsSeparation", &A::GetLabelsSeparation, &A::SetLabelsSeparation, 10)
            .Integer("LabelsSize", &A::GetLabelsSize, &A::SetLabelsSize, 0)
            .Enumeration("LabelStyle", &A::GetLabelStyle, &A::SetLabelStyle,
                         {"talAuto", "talNone", "talValue", "talMark", "talText"}, talAuto)
            .Boolean("Logarithmic", &A::GetLogarithmic, &A::SetLogarithmic, false)
            .Integer("LogarithmicBase", &A::GetLogarithmicBase, &A::SetLogarithmicBase, 10)
            // A fixed end is written even when it is 0; an automatic one never.
            .Float("Maximum", &A::GetMaximum, &A::SetMaximum)
            .StoredWhen([](A* a) { return !a->GetAutomatic() && !a->GetAutomaticMaximum(); })
            .Float("Minimum", &A::GetMinimum, &A::SetMinimum)
            .StoredWhen([](A* a) { return !a->GetAutomatic() && !a->GetAutomaticMinimum(); })
            .Object("MinorGrid", &A::GetMinorGrid)
            .Integer("MinorTickCount", &A::GetMinorTickCount, &A::SetMinorTickCount, 3)
            .Integer("MinorTickLength", &A::GetMinorTickLength, &A::SetMinorTickLength, 2)
            .Object("MinorTicks", &A::GetMinorTicks)
            .Float("StartPosition", &A::GetStartPosition, &A::SetStartPosition)
            .Float("EndPosition", &A::GetEndPosition, &A::SetEndPosition)
            .StoredWhen([](A* a) { return a->GetEndPosition() != 100; })
            .Float("PositionPercent", &A::GetPositionPercent, &A::SetPositionPercent)
            .Boolean("RoundFirstLabel", &A::GetRoundFirstLabel, &A::SetRoundFirstLabel, true)
            .Integer("TickInnerLength", &A::GetTickInnerLength, &A::SetTickInnerLength, 0)
            .Integer("TickLength", &A::GetTickLength, &A::SetTickLength, 4)
            .Boolean("TickOnLabelsOnly", &A::GetTickOnLabelsOnly, &A::SetTickOnLabelsOnly, true)
            .Object("Ticks", &A::GetTicks)
            .Object("TicksInner", &A::GetTicksInner)
            .Object("Title", &A::GetTitle)
            .Integer("TitleSize", &A::GetTitleSize, &A::SetTitleSize, 0)
            .Boolean("Visible", &A::GetVisible, &A::SetVisible, true);
    });
    TPublishedClassRegistrar<TChartAxis, TCustomChartAxis>("TChartAxis", [](auto&) {});
    // The depth axis starts hidden.
    TPublishedClassRegistrar<TChartDepthAxis, TCustomChartAxis>("TChartDepthAxis", [](auto& p) {
        p.Boolean("Visible", &TChartDepthAxis::GetVisible, &TChartDepthAxis::SetVisible, false);
    });
}
