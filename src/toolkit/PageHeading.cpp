#include "toolkit/PageHeading.h"

#include "report/Component.h"

namespace tabulon {

namespace {

bool IsBlankAfterTrimmingSpaces(const QString& text)
{
    for (const QChar ch : text)
        if (ch != u' ')
            return false;
    return true;
}

// The station's name, or its number when the name is blank; a name is shown as stored.
QString StationText(const QString& name, const QVariant& number)
{
    return IsBlankAfterTrimmingSpaces(name) ? number.toString() : name;
}

}  // namespace

void PrintPageHeading(Component& c)
{
    const ReportTables& t = c.tables;
    QString period;
    QString station;
    bool hasPeriod = true;
    switch (c.state.ReportKind) {
    case MonthlySurfaceReport:
        period = t.AfilePara(2).toString() + u'年' + t.AfilePara(3).toString() + u'月';
        station = StationText(t.AStationInfo(2), t.AfilePara(7));
        break;
    case MonthlyRadiationReport:
        period = t.RfilePara(2).toString() + u'年' + t.RfilePara(3).toString() + u'月';
        station = StationText(t.RStationInfo(3), t.RfilePara(7));
        break;
    case YearlySurfaceReport:
        period = t.YfilePara(2).toString() + u'年';
        station = StationText(t.YStationInfo(2), t.YfilePara(5));
        break;
    default:
        hasPeriod = false;
        break;
    }
    Canvas& cv = c.canvas;
    if (hasPeriod)
        cv.PrintCell(0, period, 2500, 310, 1030, 0);
    // Its right edge is the page's right edge.
    cv.PrintCell(0, station, 5000, 310, LogicalPageWidth - 5000, 0);
}

}  // namespace tabulon
