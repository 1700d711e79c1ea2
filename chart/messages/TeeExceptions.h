#pragma once
// Errors of the chart library. Their texts come from the chart's message
// table (chart/TeeMessages.h), formatted before the exception is made.

#include "platform/runtime/Exceptions.h"

VELMORA_EXCEPTION(ChartException, Exception)
VELMORA_EXCEPTION(AxisException, Exception)
VELMORA_EXCEPTION(LegendException, Exception)
VELMORA_EXCEPTION(BarException, ChartException)
VELMORA_EXCEPTION(PieException, ChartException)
