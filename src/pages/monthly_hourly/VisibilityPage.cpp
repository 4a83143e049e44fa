// Hourly visibility on the day grid, with the occurrence counts by visibility class at the
// four fixed hours in a two-row block below the grid.
#include "pages/frame/DayGridPage.h"
#include "pages/frame/LayoutLiterals.h"
#include "pages/monthly_hourly/DayGridRenderers.h"
#include "toolkit/Renderers.h"
#include "toolkit/TextHelpers.h"
#include "report/Component.h"

namespace tabulon {

namespace {

// One group of six columns per fixed hour: the class heading, then the five classes.
const QString ClassGroupLabels = QStringLiteral("级别     0.0-0.91.0-1.92.0-3.94.0-9.9≥10.0  ");
constexpr int ClassCount = 5;
constexpr int GroupColumns = ClassCount + 1;
constexpr double BlockBottom = DayGridPage::GridBottom + 2 * DayGridPage::RowHeight;   // 12660

// The fixed hours 02, 08, 14 and 20 h, each 6 hours after the one before.
int FixedHourOfGroup(int group) { return 6 * group + 2; }


void PrintClassBlock(Component& c, const DayGridPage& grid)
{
    Canvas& cv = c.canvas;
    const ATables& t = c.tables;
    const QString upperLiteral = ClassGroupLabels.repeated(4);
    const double upperY = DayGridPage::GridBottom;
    const double lowerY = upperY + DayGridPage::RowHeight;
    cv.TextAlign = Align::Centre;
    cv.SetFont(10, 1);
    cv.PrintWrappedText(Border::Framed, grid.dateWidth, 2 * DayGridPage::RowHeight, 0, upperY, QStringLiteral("出现回数"),
                        DayGridPage::RowHeight, 2);
    for (int b = 0; b < grid.columnCount; ++b) {
        const int group = b / GroupColumns;
        const int inGroup = b % GroupColumns;
        const QString lower = inGroup == 0 ? QString::number(FixedHourOfGroup(group)) + QStringLiteral("时")
                                           : t.AVisibilityClassStat(group + 1, inGroup);
        cv.PrintCell(Border::Framed, FixedWidthPiece(upperLiteral, b, 7), grid.columnWidth, DayGridPage::RowHeight,
                     grid.columnX(b), upperY, 0);
        cv.PrintCell(Border::Framed, lower, grid.columnWidth, DayGridPage::RowHeight, grid.columnX(b), lowerY, 0);
    }
}

DayGridPage VisibilityPage(Component& c)
{
    DayGridPage page;
    page.panes = PaneLayout::of({1020, 1110, PaneMargin, PaneMargin}, {19550, 1110, 0, PaneMargin},
                                {1020, DayGridPage::GridBottom, PaneMargin, PaneMargin}, {19550, 16200, PaneMargin, 0});
    page.rows.heavyTenDayRules = true;
    page.title = QStringLiteral("能    见    度    (0.1km) ");
    page.columnLabels = HourLabels();
    page.heavyColumnRules = DayGridPage::FixedHourRules();
    page.outerRuleBottom = BlockBottom;
    page.closingRules = {{0, DayGridPage::GridBottom, DayGridPage::PageRight}, {0, BlockBottom, DayGridPage::PageRight}};
    page.bodyRules = {{0, DayGridPage::BandTop, BlockBottom}, {DayGridPage::PageRight, DayGridPage::BandTop, BlockBottom}};
    page.pageNumber = QStringLiteral("-14-");
    page.cells = [&c](const DayGridPage& grid) {
        if (c.tables.AfileMode(9) != u"A") {
            grid.fillAllRows(c, QStringLiteral(" "));
            return;
        }
        grid.forEachDay(c, [&](int day, double y) {
            for (int item = 1; item <= 24; ++item) {
                QString& cell = c.tables.AVisibility(day, item);
                FormatTwoDigits(cell);
                grid.printCell(c, cell, item - 1, y);
            }
        });
        grid.printBlankDays(c);
    };
    page.belowGrid = [&c](const DayGridPage& grid) { PrintClassBlock(c, grid); };
    return page;
}

const bool registered = RegisterRenderer(RendererId::PrintVisibility,
                                         [](Component& c, const RendererArgs&) { PrintVisibility(c); });

}  // namespace

void PrintVisibility(Component& c)
{
    TrapAndReport(c, QStringLiteral("打印能见度"), [&] { DrawDayGridPage(c, VisibilityPage(c)); });
}

}  // namespace tabulon
