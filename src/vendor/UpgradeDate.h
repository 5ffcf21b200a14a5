#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <optional>

// The stored date of the last upgrade check: month, day and year as decimal
// numbers joined by single spaces, without leading zeros ("7 4 2010").
class UpgradeDate {
public:
    static constexpr int kDaysBetweenChecks = 11;

    // None when fewer than three numbers are found, when month, day or year is
    // zero or not a number, or when they name no calendar day.
    static std::optional<QDate> parse(const QString& value);
    static QString format(QDate date);

    // Whole days from the stored day (at 01:01:01) to `now`, truncated.
    static qint64 daysSince(QDate stored, const QDateTime& now);
    static bool isDue(QDate stored, const QDateTime& now);
};
