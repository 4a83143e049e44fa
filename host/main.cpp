// tabulon-host: stands in for the station software that loads the component.
#include "PrintToPdfOption.h"

#include "window/Component.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // Automation: --print-pdf FILE [--pages LIST] prints pages of the loaded report.
    const QStringList args = app.arguments();
    const qsizetype at = args.indexOf(QStringLiteral("--print-pdf"));
    if (at > 0 && at + 1 < args.size()) {
        std::vector<int> pages;
        const qsizetype p = args.indexOf(QStringLiteral("--pages"));
        if (p > 0 && (p + 1 >= args.size() || !ParsePageList(args[p + 1], pages)))
            return 2;
        return PrintLoadedReportToPdf(tabulon::Component::instance(), args[at + 1], pages);
    }
    return 0;
}
