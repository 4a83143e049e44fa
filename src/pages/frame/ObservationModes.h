#pragma once
// The observation-mode letters (AfileMode) that decide how an element's day rows are filled:
// "B" hourly readings, a digit four fixed-time readings (02, 08, 14, 20 h), "=" and its
// variants an element not observed this month (an empty grid). Each page decides what any
// other letter gives.

#include <QString>

namespace tabulon {

inline bool IsHourlyLetter(const QString& letter)
{
    return letter == QStringLiteral("B");
}

inline bool IsFourTimesLetter(const QString& letter)
{
    return letter == QStringLiteral("9") || letter == QStringLiteral("8") || letter == QStringLiteral("7") ||
           letter == QStringLiteral("2") || letter == QStringLiteral("1") || letter == QStringLiteral("0");
}

inline bool IsEmptyGridLetter(const QString& letter)
{
    return letter == QStringLiteral("=") || letter == QStringLiteral("0=") || letter == QStringLiteral("B=");
}

}  // namespace tabulon
