#include "window/ReportWindowTexts.h"

#include "report/ReportState.h"

namespace tabulon {

ReportWindowTitle ReportWindowTitleFor(int reportKind)
{
    switch (reportKind) {
    case MonthlySurfaceReport: return {QStringLiteral("地面气象记录月报表"), 45};
    case MonthlyRadiationReport: return {QStringLiteral("气象辐射记录月报表"), 46};
    case YearlySurfaceReport: return {QStringLiteral("地面气象记录年报表"), 47};
    default: return {DesignCaption, DesignHelpContext};
    }
}

}  // namespace tabulon
