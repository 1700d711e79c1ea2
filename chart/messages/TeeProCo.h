#pragma once
// Messages of the chart's mouse commands, the financial value lists and the
// calculated series.

#include <span>

#include "chart/messages/TeeMessages.h"

// Every record of the unit: name and string number.
#define VELMORA_TEEPROCO_RECORDS(M) \
    M(TeeCommanMsg_Zooming, 65472) \
    M(TeeCommanMsg_Zoom, 65473) \
    M(TeeCommanMsg_Depthing, 65474) \
    M(TeeCommanMsg_Depth, 65475) \
    M(TeeCommanMsg_Chart, 65476) \
    M(TeeCommanMsg_Panel, 65477) \
    M(TeeCommanMsg_RotateLabel, 65478) \
    M(TeeCommanMsg_MoveLabel, 65479) \
    M(TeeCommanMsg_ZoomLabel, 65480) \
    M(TeeCommanMsg_DepthLabel, 65481) \
    M(TeeCommanMsg_NormalLabel, 65482) \
    M(TeeCommanMsg_NormalPieLabel, 65483) \
    M(TeeCommanMsg_PieExploding, 65484) \
    M(TeeMsg_ValuesOpen, 65488) \
    M(TeeMsg_ValuesHigh, 65489) \
    M(TeeMsg_ValuesLow, 65490) \
    M(TeeMsg_ValuesClose, 65491) \
    M(TeeMsg_ValuesOffset, 65492) \
    M(TeeMsg_ValuesStdError, 65493) \
    M(TeeMsg_Grid3D, 65494) \
    M(TeeMsg_LowBezierPoints, 65495) \
    M(TeeCommanMsg_Normal, 65496) \
    M(TeeCommanMsg_Edit, 65497) \
    M(TeeCommanMsg_Print, 65498) \
    M(TeeCommanMsg_Copy, 65499) \
    M(TeeCommanMsg_Rotating, 65500) \
    M(TeeCommanMsg_Rotate, 65501) \
    M(TeeCommanMsg_Moving, 65502) \
    M(TeeCommanMsg_Move, 65503) \
    M(TeeMsg_FunctionExpAverage, 65504) \
    M(TeeMsg_FunctionMovingAverage, 65505) \
    M(TeeMsg_FunctionRSI, 65506) \
    M(TeeMsg_FunctionCurveFitting, 65507) \
    M(TeeMsg_FunctionTrend, 65508) \
    M(TeeMsg_FunctionCumulative, 65509) \
    M(TeeMsg_FunctionStdDeviation, 65510) \
    M(TeeMsg_FunctionCount, 65511) \
    M(TeeMsg_LoadChart, 65512) \
    M(TeeMsg_SaveChart, 65513) \
    M(TeeMsg_TeeFiles, 65514) \
    M(TeeMsg_GallerySamples, 65515) \
    M(TeeMsg_CannotFindEditor, 65516) \
    M(TeeMsg_CannotLoadChartFromURL, 65517) \
    M(TeeMsg_Test, 65518) \
    M(TeeMsg_ValuesDate, 65519) \
    M(TeeMsg_GalleryPolar, 65520) \
    M(TeeMsg_GalleryCandle, 65521) \
    M(TeeMsg_GalleryVolume, 65522) \
    M(TeeMsg_GallerySurface, 65523) \
    M(TeeMsg_GalleryContour, 65524) \
    M(TeeMsg_GalleryBezier, 65525) \
    M(TeeMsg_GalleryPoint3D, 65526) \
    M(TeeMsg_GalleryRadar, 65527) \
    M(TeeMsg_PolyDegreeRange, 65528) \
    M(TeeMsg_AnswerVectorIndex, 65529) \
    M(TeeMsg_FittingError, 65530) \
    M(TeeMsg_PeriodRange, 65531) \
    M(TeeMsg_ExpAverageWeight, 65532) \
    M(TeeMsg_GalleryErrorBar, 65533) \
    M(TeeMsg_GalleryError, 65534) \
    M(TeeMsg_FunctionMomentum, 65535)

namespace Teeproco {
VELMORA_TEEPROCO_RECORDS(VELMORA_TEE_DECLARE)
}  // namespace Teeproco
// Both units name a record TeeMsg_PeriodRange; that name must be written
// with its unit (Teeconst::TeeMsg_PeriodRange).
using namespace Teeproco;

inline constexpr TTeeMessageRecord TeeprocoRecords[] = {VELMORA_TEEPROCO_RECORDS(VELMORA_TEE_LIST)};
// The texts this unit starts with; the records missing here have none.
std::span<const TTeeMessageText> TeeprocoTexts();
