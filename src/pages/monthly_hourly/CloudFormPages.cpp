// Cloud forms need wide cells, so their 24 hours are spread over four day-grid pages whose
// hour columns share the width of the 24-hour block.
#include "pages/frame/DayGridPage.h"
#include "pages/monthly_hourly/DayGridRenderers.h"
#include "toolkit/CloudIcingSymbols.h"
#include "toolkit/Numeric.h"
#include "toolkit/Renderers.h"
#include "report/Component.h"


namespace tabulon {

namespace {

// The first item (hour) of each of the four pages.
constexpr int FirstItems[4] = {1, 9, 14, 19};
// The items of the fixed hours 02, 08, 14 and 20 h; each page holds one of them.
constexpr int FixedHourItems[4] = {6, 12, 18, 24};
constexpr int FirstPageNumber = 9;

int FirstItemOf(int part)
{
    if (part < 1 || part > 4)
        throw ReportError::subscriptOutOfRange();
    return FirstItems[part - 1];
}

DayGridPage CloudFormPage(Component& c, int hourCount, int part)
{
    const int first = FirstItemOf(part);
    if (hourCount < 1 || first + hourCount - 1 > 24)
        throw ReportError::subscriptOutOfRange();
    DayGridPage page;
    page.panes.panes[3].height = 16000;
    page.columnWidth = DayGridPage::HourBlockWidth / hourCount;
    page.columnCount = hourCount;
    page.rows.heavyTenDayRules = true;
    page.title = QStringLiteral("云             状");
    page.columnLabels = HourLabels().mid(first - 1, hourCount);
    for (int item : FixedHourItems) {
        if (item >= first && item < first + hourCount) {
            page.heavyColumnRules = {page.columnX(item - first), page.columnX(item - first + 1)};
            break;
        }
    }
    page.bodyRules = {{DayGridPage::PageRight, DayGridPage::BandTop, DayGridPage::GridBottom}};
    page.pageNumber = u'-' + QString::number(FirstPageNumber + part - 1) + u'-';
    page.cellAlign = Align::Left;
    page.cells = [&c, first](const DayGridPage& grid) {
        if (c.tables.AfileMode(8) != u"A") {
            grid.fillAllRows(c, QStringLiteral(" "));
            return;
        }
        // The cloud-form printer takes whole twips.
        const double width = RoundHalfEven(grid.columnWidth);
        grid.forEachDay(c, [&](int day, double y) {
            for (int j = 0; j < grid.columnCount; ++j) {
                grid.printCell(c, QString(), j, y);
                PrintCloudFormString(c, c.tables.ACloudForm(day, first + j), width, DayGridPage::RowHeight,
                                     RoundHalfEven(grid.columnX(j)), y);
            }
        });
        grid.printBlankDays(c);
    };
    return page;
}

const bool registered = RegisterRenderer(RendererId::PrintCloudForm, [](Component& c, const RendererArgs& a) {
    PrintCloudForm(c, a[0], a[1]);
});

}  // namespace

void PrintCloudForm(Component& c, std::int16_t hourCount, std::int16_t part)
{
    TrapAndReport(c, QStringLiteral("打印云状"), [&] { DrawDayGridPage(c, CloudFormPage(c, hourCount, part)); });
}

}  // namespace tabulon
