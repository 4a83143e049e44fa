#include "pages/monthly_hourly/AccumulationMarkers.h"

namespace tabulon {

namespace {
const QString RunStart = QStringLiteral("A");
const QString RunHour = QStringLiteral("-");
}  // namespace

QStringList MarkAccumulatedHours(QStringList hours)
{
    const qsizetype n = hours.size();
    qsizetype m = 0;
    while (m < n) {
        if (hours[m] != RunStart) {
            ++m;
            continue;
        }
        hours[m] = ArrowHead;
        qsizetype k = m + 1;
        while (k < n && hours[k] == RunHour)
            hours[k++] = ArrowShaft;
        if (k < n && hours[k] == RunStart)
            hours[k] = ArrowHead;
        m = k + 1;
    }
    return hours;
}

}  // namespace tabulon
