#include "vendor/UpgradeDate.h"

#include <QStringList>
#include <QTime>

std::optional<QDate> UpgradeDate::parse(const QString& value) {
    const QStringList parts = value.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (parts.size() < 3) {
        return std::nullopt;
    }
    // A part that is not a number counts as 0.
    const int month = parts[0].toInt();
    const int day = parts[1].toInt();
    const int year = parts[2].toInt();
    if (month == 0 || day == 0 || year == 0) {
        return std::nullopt;
    }
    const QDate date(year, month, day);
    if (!date.isValid()) {
        return std::nullopt;
    }
    return date;
}

QString UpgradeDate::format(QDate date) {
    return QStringLiteral("%1 %2 %3").arg(date.month()).arg(date.day()).arg(date.year());
}

qint64 UpgradeDate::daysSince(QDate stored, const QDateTime& now) {
    // Wall-clock time, so a change to or from summer time moves nothing.
    constexpr qint64 kSecondsPerDay = 24 * 60 * 60;
    const qint64 seconds =
        stored.daysTo(now.date()) * kSecondsPerDay + QTime(1, 1, 1).secsTo(now.time());
    // Division truncates toward zero, like taking the whole days of a span.
    return seconds / kSecondsPerDay;
}

bool UpgradeDate::isDue(QDate stored, const QDateTime& now) {
    return daysSince(stored, now) >= kDaysBetweenChecks;
}
