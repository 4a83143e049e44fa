#include "window/PrintPageChoice.h"

#include "platform/Printer.h"
#include "toolkit/DrawingState.h"
#include "report/Component.h"
#include "window/PageTitles.h"

namespace tabulon {

namespace {

QString HeaderField(const ParameterBlock& block, int index)
{
    try {
        return block(index).toString();   // a number reads as "3", not "3.0"
    } catch (const ReportError&) {
        return {};
    }
}

bool IsBackCover(const QString& title)
{
    return title.endsWith(QStringLiteral("封底"));
}

}  // namespace

QString PrintDialogCaption(const Component& c)
{
    const QString prefix = QStringLiteral("打印：");
    switch (c.state.ReportKind) {
    case MonthlySurfaceReport: {
        const ParameterBlock& p = c.tables.AfilePara;
        return prefix + HeaderField(p, 7) + QStringLiteral("站") + HeaderField(p, 2) + QStringLiteral("年") + HeaderField(p, 3) + QStringLiteral("月月报表");
    }
    case MonthlyRadiationReport: {
        const ParameterBlock& p = c.tables.RfilePara;
        return prefix + HeaderField(p, 7) + QStringLiteral("站") + HeaderField(p, 2) + QStringLiteral("年") + HeaderField(p, 3) + QStringLiteral("月月报表");
    }
    case YearlySurfaceReport: {
        const ParameterBlock& p = c.tables.YfilePara;
        return prefix + HeaderField(p, 5) + QStringLiteral("站") + HeaderField(p, 2) + QStringLiteral("年年报表");
    }
    default:
        return {};
    }
}

QStringList PrintPageTitles(const Component& c)
{
    const QString* list = nullptr;
    switch (c.state.ReportKind) {
    case MonthlySurfaceReport: {
        static const QString* const byKind[] = {&PageTitlesKind1, &PageTitlesKind2, &PageTitlesKind3,
                                                &PageTitlesKind4, &PageTitlesKind5};
        if (c.state.StationKind >= 1 && c.state.StationKind <= 5)
            list = byKind[c.state.StationKind - 1];
        break;
    }
    case MonthlyRadiationReport:
        return PageMenuTitles(c.state.ReportKind, c.state.StationKind);
    case YearlySurfaceReport:
        list = &PageTitlesYear;
        break;
    default:
        break;
    }
    return list ? list->split(u',') : QStringList();
}

PageChoiceRows ChoosePages(int choice, const QStringList& titles)
{
    PageChoiceRows result;
    const int n = static_cast<int>(titles.size());
    int first = 0;
    switch (choice) {
    case OddPages:
        first = 1;
        break;
    case EvenPages:
        first = 2;
        break;
    case AllPages:
        for (int row = 0; row < n; ++row)
            result.rows.push_back(row);
        result.currentRow = n > 0 ? 0 : -1;
        return result;
    default:
        return result;
    }
    const int last = n > 0 && IsBackCover(titles.last()) ? n - 2 : n - 1;
    for (int row = first; row <= last; row += 2)
        result.rows.push_back(row);
    result.currentRow = first < n ? first : -1;
    return result;
}

std::optional<std::int16_t> DefaultOrientation(std::int16_t paperKind)
{
    switch (paperKind) {
    case PaperA4:
    case PaperB4:
    case PaperA3:
        return PrinterOrientation::Landscape;
    case PaperWide:
        return PrinterOrientation::Portrait;
    default:
        return std::nullopt;
    }
}

QString PrinterNote(const QString& paperText, std::int16_t orientation)
{
    return paperText + u':' + (orientation == PrinterOrientation::Portrait ? QStringLiteral("竖打") : QStringLiteral("横打"));
}

QString PaperKindText(std::int16_t paperKind)
{
    static const QStringList names{QStringLiteral("A4纸"), QStringLiteral("B4纸"), QStringLiteral("A3纸"),
                                   QStringLiteral("宽行纸")};
    return paperKind >= 0 && paperKind < names.size() ? names[paperKind] : QString();
}

bool HasBriefTables(std::int16_t reportKind)
{
    return reportKind == MonthlySurfaceReport;
}

std::int16_t BriefTablePage(std::int16_t pageCount, int box)
{
    return static_cast<std::int16_t>(pageCount - 2 + box);
}

}  // namespace tabulon
