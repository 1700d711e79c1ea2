#pragma once
// Internal to the run-time: a TDateTime taken apart once for decoding and
// formatting.

#include "platform/runtime/DateUtils.h"

struct TDateParts {
    bool valid = false;
    long serialDay = 0;
    Word year = 0, month = 0, day = 0;
    Word hour = 0, min = 0, sec = 0, msec = 0;
    int dayOfWeek = 0;  // 1 = Sunday
};

TDateParts SplitDateTime(TDateTime Value);
