#pragma once

#include "model/CalendarDate.h"

// What a check needs besides the record: the day it is made on, which the
// rules about past and future dates compare with.
struct RuleContext {
    CalendarDate today;

    // Today in the local time zone.
    static RuleContext now();
};
