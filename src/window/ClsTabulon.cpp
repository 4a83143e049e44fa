#include "window/ClsTabulon.h"

#include "report/Component.h"
#include "window/frmReportOutPut.h"

namespace tabulon {

ClsTabulon::ClsTabulon() : c_(Component::instance()) {}

ClsTabulon::ClsTabulon(Component& component) : c_(component) {}

void ClsTabulon::MonthTabulon(const QString& SysPath, const QString& strPath)
{
    open(SysPath, strPath, MonthlySurfaceReport);
}

void ClsTabulon::MonthFSTabulon(const QString& SysPath, const QString& strPath)
{
    open(SysPath, strPath, MonthlyRadiationReport);
}

void ClsTabulon::YearTabluon(const QString& SysPath, const QString& strPath)
{
    open(SysPath, strPath, YearlySurfaceReport);
}

void ClsTabulon::open(const QString& SysPath, const QString& strPath, std::int16_t reportKind)
{
    ReportState& s = c_.state;
    s.SystemPath = SysPath;
    // Plain concatenation, as every path built from the system folder.
    s.HelpFile = s.SystemPath + QStringLiteral("Help.chm");
    s.DataPath = strPath;
    s.ReportKind = reportKind;
    // The window is created (and runs its start-up) when none is open; an open one is
    // only brought up. Either way the call returns while the window stays open.
    frmReportOutPut& w = c_.window();
    w.show();
    w.raise();
    w.activateWindow();
}

}  // namespace tabulon
