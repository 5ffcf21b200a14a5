#pragma once

#include <optional>
#include <string_view>

// A date as the registry's records write it: "YYYY-MM" (a month) or
// "YYYY-MM-DD" (a day), with a real month, a day the month has and a year
// between 1900 and 2100.
class CalendarDate {
public:
    static constexpr int kFirstYear = 1900;
    static constexpr int kLastYear = 2100;

    // Nothing when the text is not exactly one of the two forms or names no real date.
    static std::optional<CalendarDate> parse(std::string_view text);
    // Only the month form.
    static std::optional<CalendarDate> parseMonth(std::string_view text);
    static CalendarDate ofDay(int year, int month, int day);

    int year() const { return m_year; }
    int month() const { return m_month; }
    // 0 for a month date.
    int day() const { return m_day; }
    bool hasDay() const { return m_day != 0; }

    // Months since the start of year 0, for comparing and counting months.
    int monthIndex() const { return m_year * 12 + m_month - 1; }
    // Negative, zero or positive as this date lies before, within or after
    // `other`, compared at the coarser precision of the two: a month holds its days.
    int compare(const CalendarDate& other) const;

private:
    CalendarDate(int year, int month, int day) : m_year(year), m_month(month), m_day(day) {}

    int m_year = 0;
    int m_month = 0;
    int m_day = 0;
};
