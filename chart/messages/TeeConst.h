#pragma once
// General messages of the chart library: value list and axis names, default
// formats and fonts, and the errors of axes, series and legend.

#include <span>

#include "chart/messages/TeeMessages.h"

// Every record of the unit: name and string number. The Reserved records hold
// their numbers and carry no text. TeeMsg_FunctionPeriodStep (65316) is our
// own: a function period that cannot advance over the points is refused.
#define VELMORA_TEECONST_RECORDS(M) \
    M(TeeMsg_AsJPEG, 65312) \
    M(TeeMsg_TeeExtension, 65313) \
    M(TeeMsg_DefaultPalette, 65314) \
    M(TeeMsg_SmallDotsPen, 65315) \
    M(TeeMsg_FunctionPeriodStep, 65316) \
    M(TeeMsg_ValuesY, 65328) \
    M(TeeMsg_ValuesPie, 65329) \
    M(TeeMsg_ValuesBar, 65330) \
    M(TeeMsg_ValuesAngle, 65331) \
    M(TeeMsg_ValuesGanttStart, 65332) \
    M(TeeMsg_ValuesGanttEnd, 65333) \
    M(TeeMsg_ValuesGanttNextTask, 65334) \
    M(TeeMsg_ValuesBubbleRadius, 65335) \
    M(TeeMsg_ValuesArrowEndX, 65336) \
    M(TeeMsg_ValuesArrowEndY, 65337) \
    M(TeeMsg_Legend, 65338) \
    M(TeeMsg_Title, 65339) \
    M(TeeMsg_Foot, 65340) \
    M(TeeMsg_Period, 65341) \
    M(TeeMsg_PeriodRange, 65342) \
    M(TeeMsg_CalcPeriod, 65343) \
    M(TeeMsg_ChartWizard, 65344) \
    M(TeeMsg_Reserved65345, 65345) \
    M(TeeMsg_Reserved65346, 65346) \
    M(TeeMsg_WizardTab, 65347) \
    M(TeeMsg_ClearImage, 65348) \
    M(TeeMsg_BrowseImage, 65349) \
    M(TeeMsg_WizardSureToClose, 65350) \
    M(TeeMsg_FieldNotFound, 65351) \
    M(TeeMsg_OrderClipboard, 65352) \
    M(TeeMsg_CancelOrder, 65353) \
    M(TeeMsg_DepthAxis, 65354) \
    M(TeeMsg_PieOther, 65355) \
    M(TeeMsg_HelpButton, 65356) \
    M(TeeMsg_ShapeGallery1, 65357) \
    M(TeeMsg_ShapeGallery2, 65358) \
    M(TeeMsg_ValuesX, 65359) \
    M(TeeMsg_GalleryBubble, 65360) \
    M(TeeMsg_FunctionNone, 65361) \
    M(TeeMsg_AxisDlgValue, 65362) \
    M(TeeMsg_PrivateDeclarations, 65363) \
    M(TeeMsg_PublicDeclarations, 65364) \
    M(TeeMsg_DefaultFontName, 65365) \
    M(TeeMsg_CheckPointerSize, 65366) \
    M(TeeMsg_About, 65367) \
    M(tcAdditional, 65368) \
    M(tcDControls, 65369) \
    M(tcQReport, 65370) \
    M(TeeMsg_DataSet, 65371) \
    M(TeeMsg_AskDataSet, 65372) \
    M(TeeMsg_SingleRecord, 65373) \
    M(TeeMsg_AskDataSource, 65374) \
    M(TeeMsg_FunctionPeriod, 65375) \
    M(TeeMsg_DesiredIncrement, 65376) \
    M(TeeMsg_IncorrectMaxMinValue, 65377) \
    M(TeeMsg_EnterDateTime, 65378) \
    M(TeeMsg_SureToApply, 65379) \
    M(TeeMsg_SelectedSeries, 65380) \
    M(TeeMsg_RefreshData, 65381) \
    M(TeeMsg_DefaultFontSize, 65382) \
    M(TeeMsg_DefaultGalleryFontSize, 65383) \
    M(TeeMsg_FunctionAdd, 65384) \
    M(TeeMsg_FunctionSubtract, 65385) \
    M(TeeMsg_FunctionMultiply, 65386) \
    M(TeeMsg_FunctionDivide, 65387) \
    M(TeeMsg_FunctionHigh, 65388) \
    M(TeeMsg_FunctionLow, 65389) \
    M(TeeMsg_FunctionAverage, 65390) \
    M(TeeMsg_GalleryShape, 65391) \
    M(TeeMsg_GanttSample8, 65392) \
    M(TeeMsg_GanttSample9, 65393) \
    M(TeeMsg_GanttSample10, 65394) \
    M(TeeMsg_ChangeSeriesTitle, 65395) \
    M(TeeMsg_NewSeriesTitle, 65396) \
    M(TeeMsg_DateTime, 65397) \
    M(TeeMsg_TopAxis, 65398) \
    M(TeeMsg_BottomAxis, 65399) \
    M(TeeMsg_LeftAxis, 65400) \
    M(TeeMsg_RightAxis, 65401) \
    M(TeeMsg_SureToDeleteSeries, 65402) \
    M(TeeMsg_DateTimeFormat, 65403) \
    M(TeeMsg_Default, 65404) \
    M(TeeMsg_ValuesFormat, 65405) \
    M(TeeMsg_Maximum, 65406) \
    M(TeeMsg_Minimum, 65407) \
    M(TeeMsg_EditChart, 65408) \
    M(TeeMsg_PrintPreview, 65409) \
    M(TeeMsg_ExportChart, 65410) \
    M(TeeMsg_InvalidEditorClass, 65411) \
    M(TeeMsg_MissingEditorClass, 65412) \
    M(TeeMsg_GalleryArrow, 65413) \
    M(TeeMsg_ExpFinish, 65414) \
    M(TeeMsg_ExpNext, 65415) \
    M(TeeMsg_GalleryGantt, 65416) \
    M(TeeMsg_GanttSample1, 65417) \
    M(TeeMsg_GanttSample2, 65418) \
    M(TeeMsg_GanttSample3, 65419) \
    M(TeeMsg_GanttSample4, 65420) \
    M(TeeMsg_GanttSample5, 65421) \
    M(TeeMsg_GanttSample6, 65422) \
    M(TeeMsg_GanttSample7, 65423) \
    M(TeeMsg_Rotation, 65424) \
    M(TeeMsg_PieSample1, 65425) \
    M(TeeMsg_PieSample2, 65426) \
    M(TeeMsg_PieSample3, 65427) \
    M(TeeMsg_PieSample4, 65428) \
    M(TeeMsg_PieSample5, 65429) \
    M(TeeMsg_PieSample6, 65430) \
    M(TeeMsg_PieSample7, 65431) \
    M(TeeMsg_PieSample8, 65432) \
    M(TeeMsg_GalleryChartName, 65433) \
    M(TeeMsg_GalleryLogoFont, 65434) \
    M(TeeMsg_Editing, 65435) \
    M(TeeMsg_GalleryStandard, 65436) \
    M(TeeMsg_GalleryFunctions, 65437) \
    M(TeeMsg_GalleryExtended, 65438) \
    M(TeeMsg_Reserved65439, 65439) \
    M(TeeMsg_BarOffsetPercent, 65440) \
    M(TeeMsg_DefaultPercentOf, 65441) \
    M(TeeMsg_DefPercentFormat, 65442) \
    M(TeeMsg_DefValueFormat, 65443) \
    M(TeeMsg_Version, 65444) \
    M(TeeMsg_AxisTitle, 65445) \
    M(TeeMsg_AxisLabels, 65446) \
    M(TeeMsg_RefreshInterval, 65447) \
    M(TeeMsg_SeriesParentNoSelf, 65448) \
    M(TeeMsg_GalleryLine, 65449) \
    M(TeeMsg_GalleryPoint, 65450) \
    M(TeeMsg_GalleryArea, 65451) \
    M(TeeMsg_GalleryBar, 65452) \
    M(TeeMsg_GalleryHorizBar, 65453) \
    M(TeeMsg_GalleryPie, 65454) \
    M(TeeMsg_GalleryFastLine, 65455) \
    M(TeeMsg_SeriesSetDataSource, 65456) \
    M(TeeMsg_SeriesInvDataSource, 65457) \
    M(TeeMsg_FillSample, 65458) \
    M(TeeMsg_Angle, 65459) \
    M(TeeMsg_AxisLogDateTime, 65460) \
    M(TeeMsg_AxisLogNotPositive, 65461) \
    M(TeeMsg_AxisLabelSep, 65462) \
    M(TeeMsg_AxisIncrementNeg, 65463) \
    M(TeeMsg_AxisMinMax, 65464) \
    M(TeeMsg_AxisMaxMin, 65465) \
    M(TeeMsg_AxisLogBase, 65466) \
    M(TeeMsg_MaxPointsPerPage, 65467) \
    M(TeeMsg_3dPercent, 65468) \
    M(TeeMsg_CircularSeries, 65469) \
    M(TeeMsg_WarningHiColor, 65470) \
    M(TeeMsg_BarWidthPercent, 65471) \
    M(TeeMsg_LegendTopPos, 65485) \
    M(TeeMsg_LegendFirstValue, 65486) \
    M(TeeMsg_LegendColorWidth, 65487)

namespace Teeconst {
VELMORA_TEECONST_RECORDS(VELMORA_TEE_DECLARE)
}  // namespace Teeconst
// Both units name a record TeeMsg_PeriodRange; that name must be written
// with its unit (Teeconst::TeeMsg_PeriodRange).
using namespace Teeconst;

inline constexpr TTeeMessageRecord TeeconstRecords[] = {VELMORA_TEECONST_RECORDS(VELMORA_TEE_LIST)};
// The texts this unit starts with; the records missing here have none.
std::span<const TTeeMessageText> TeeconstTexts();
