// The plain day grids: wet bulb, dew point and cloud height, 24 hours by 31 days.
#include "pages/frame/DayGridPage.h"
#include "pages/frame/ObservationModes.h"
#include "pages/monthly_hourly/DayGridRenderers.h"
#include "toolkit/Renderers.h"
#include "toolkit/TextHelpers.h"
#include "report/Component.h"

namespace tabulon {

namespace {

struct HourlyGridElement {
    TextTable ATables::*table;
    const char16_t* title;
    const char16_t* pageNumber;
    const char16_t* errorContext;
    bool twoDigits;   // zero-filled in place before printing
    int modeIndex;    // AfileMode element that must read hourly ("B") for values to print (0: none)
};

const HourlyGridElement Elements[] = {
    {&ATables::AWetBulb, u"湿   球   温   度    (0.1℃)", u"-3-", u"湿球温度", true, 0},
    {&ATables::ADewPoint, u"露   点   温   度    (0.1℃)", u"-6-", u"露点温度", true, 0},
    {&ATables::ACloudHeight, u"云         高    (m)", u"-13-", u"云高", false, 7},
};

const HourlyGridElement& ElementOf(int element)
{
    if (element < 1 || element > 3)
        throw ReportError::subscriptOutOfRange();
    return Elements[element - 1];
}


DayGridPage HourlyGridPage(Component& c, const HourlyGridElement& e)
{
    DayGridPage page;
    page.title = QString::fromUtf16(e.title);
    page.columnLabels = HourLabels();
    page.heavyColumnRules = DayGridPage::FixedHourRules();
    page.pageNumber = QString::fromUtf16(e.pageNumber);
    const bool printed = e.modeIndex == 0 || IsHourlyLetter(c.tables.AfileMode(e.modeIndex));
    page.cells = [&c, &e, printed](const DayGridPage& grid) {
        if (!printed) {
            grid.fillAllRows(c, QString());
        } else {
            TextTable& table = c.tables.*e.table;
            grid.forEachDay(c, [&](int day, double y) {
                for (int item = 1; item <= 24; ++item) {
                    QString& cell = table(day, item);
                    if (e.twoDigits)
                        FormatTwoDigits(cell);
                    grid.printCell(c, cell, item - 1, y);
                }
            });
        }
        c.canvas.TextAlign = Align::Centre;
        grid.printBlankDays(c);
    };
    return page;
}

const bool registered = RegisterRenderer(RendererId::PrintHourlyGrid, [](Component& c, const RendererArgs& a) {
    PrintHourlyGrid(c, a[0]);
});

}  // namespace

void PrintHourlyGrid(Component& c, std::int16_t element)
{
    const HourlyGridElement& e = ElementOf(element);
    TrapAndReport(c, QString::fromUtf16(e.errorContext), [&] { DrawDayGridPage(c, HourlyGridPage(c, e)); });
}

}  // namespace tabulon
