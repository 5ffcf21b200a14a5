#include "editor/MonthYearDate.h"

#include <algorithm>
#include <limits>

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

char lowered(char c) {
    return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
}

bool equalIgnoringCase(std::string_view name, std::string_view text) {
    return name.size() == text.size() &&
           std::equal(name.begin(), name.end(), text.begin(),
                      [](char a, char b) { return lowered(a) == lowered(b); });
}

} // namespace

const std::array<std::string_view, MonthYearDate::kMonthCount>& MonthYearDate::monthNames() {
    static constexpr std::array<std::string_view, kMonthCount> names = {
        "January", "February", "March",     "April",   "May",      "June",
        "July",    "August",   "September", "October", "November", "December"};
    return names;
}

long long MonthYearDate::leadingInteger(std::string_view text) {
    std::size_t at = 0;
    while (at < text.size() && isBlank(text[at])) {
        ++at;
    }
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) {
        negative = text[at] == '-';
        ++at;
    }
    // Far beyond any month, far below the type's limit.
    constexpr long long kCap = std::numeric_limits<int>::max();
    long long value = 0;
    for (; at < text.size() && isDigit(text[at]); ++at) {
        value = std::min(kCap, value * 10 + (text[at] - '0'));
    }
    return negative ? -value : value;
}

int MonthYearDate::monthEntry(std::string_view dateText) {
    const std::size_t hyphen = dateText.find('-');
    if (hyphen == std::string_view::npos) {
        return kNoEntry;
    }
    const long long entry = leadingInteger(dateText.substr(hyphen + 1)) - 1;
    return (entry >= 0 && entry < kMonthCount) ? int(entry) : kNoEntry;
}

std::string MonthYearDate::year(std::string_view dateText) {
    const std::size_t hyphen = dateText.find('-');
    if (hyphen == std::string_view::npos) {
        return {};
    }
    return std::string(dateText.substr(0, hyphen));
}

std::string MonthYearDate::day(std::string_view dateText) {
    const std::size_t hyphen = dateText.find('-');
    const std::size_t second =
        hyphen == std::string_view::npos ? hyphen : dateText.find('-', hyphen + 1);
    if (second == std::string_view::npos) {
        return {};
    }
    return std::string(dateText.substr(second + 1));
}

int MonthYearDate::monthNumber(std::string_view monthName) {
    const auto& names = monthNames();
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (equalIgnoringCase(names[i], monthName)) {
            return int(i) + 1;
        }
    }
    return 0;
}

std::string MonthYearDate::dateText(std::string_view year, std::string_view monthName) {
    const int month = monthNumber(monthName);
    if (month < 1) {
        return {};
    }
    std::string text(year);
    text += '-';
    if (month < 10) {
        text += '0';
    }
    text += std::to_string(month);
    return text;
}

std::string MonthYearDate::dateText(std::string_view year, std::string_view monthName,
                                    std::string_view day) {
    std::string text = dateText(year, monthName);
    if (text.empty() || day.empty()) {
        return text;
    }
    text += '-';
    if (day.size() == 1) {
        text += '0';
    }
    text += day;
    return text;
}
