#include "model/CalendarDate.h"

namespace {

// The value of `count` digits at `at`, or -1 when any of them is no digit.
int digitsAt(std::string_view text, std::size_t at, std::size_t count) {
    int value = 0;
    for (std::size_t i = at; i < at + count; ++i) {
        if (text[i] < '0' || text[i] > '9')
            return -1;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

int daysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[month - 1];
}

int sign(int value) { return (value > 0) - (value < 0); }

} // namespace

std::optional<CalendarDate> CalendarDate::parse(std::string_view text) {
    if (text.size() == 7)
        return parseMonth(text);
    if (text.size() != 10 || text[7] != '-')
        return std::nullopt;
    const std::optional<CalendarDate> month = parseMonth(text.substr(0, 7));
    const int day = digitsAt(text, 8, 2);
    if (!month || day < 1 || day > daysInMonth(month->m_year, month->m_month))
        return std::nullopt;
    return CalendarDate(month->m_year, month->m_month, day);
}

std::optional<CalendarDate> CalendarDate::parseMonth(std::string_view text) {
    if (text.size() != 7 || text[4] != '-')
        return std::nullopt;
    const int year = digitsAt(text, 0, 4);
    const int month = digitsAt(text, 5, 2);
    if (year < kFirstYear || year > kLastYear || month < 1 || month > 12)
        return std::nullopt;
    return CalendarDate(year, month, 0);
}

CalendarDate CalendarDate::ofDay(int year, int month, int day) { return CalendarDate(year, month, day); }

int CalendarDate::compare(const CalendarDate& other) const {
    if (monthIndex() != other.monthIndex())
        return sign(monthIndex() - other.monthIndex());
    if (!hasDay() || !other.hasDay())
        return 0;
    return sign(m_day - other.m_day);
}
