#pragma once

#include <array>
#include <string>
#include <string_view>

// Dates kept in the record as year-month texts ("2010-03"), or with a day
// ("2010-03-15"), and edited as a month box, a year box and, where a day is
// allowed, a day box. Texts these rules cannot read give no month and an
// empty year, so the next store writes the empty date.
class MonthYearDate {
public:
    static constexpr int kNoEntry = -1;
    static constexpr int kMonthCount = 12;

    // The entries of every month box, January first.
    static const std::array<std::string_view, kMonthCount>& monthNames();

    // The month box entry (0 for January) of a date text: the number after
    // the first hyphen, read as C reads a leading integer, minus one.
    // kNoEntry without a hyphen or when the number is no month.
    static int monthEntry(std::string_view dateText);
    // The text before the first hyphen; empty without one.
    static std::string year(std::string_view dateText);
    // The text after the second hyphen; empty without one.
    static std::string day(std::string_view dateText);

    // 1 to 12 for a month name in any case; 0 for anything else.
    static int monthNumber(std::string_view monthName);
    // The year as typed (even empty), "-" and the two-digit month number;
    // the empty text when `monthName` names no month.
    static std::string dateText(std::string_view year, std::string_view monthName);
    // The same with "-" and the day after it, a single digit given a leading
    // zero; without a day, the year-month text.
    static std::string dateText(std::string_view year, std::string_view monthName,
                                std::string_view day);

    // The leading integer of `text` as the C library reads it: blanks, an
    // optional sign, then digits; 0 without digits. Saturates instead of
    // overflowing.
    static long long leadingInteger(std::string_view text);
};
