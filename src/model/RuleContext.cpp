#include "model/RuleContext.h"

#include <ctime>

RuleContext RuleContext::now() {
    const std::time_t seconds = std::time(nullptr);
    std::tm local{};
    localtime_r(&seconds, &local);
    return {CalendarDate::ofDay(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday)};
}
