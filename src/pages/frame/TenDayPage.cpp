#include "pages/frame/TenDayPage.h"

#include "pages/frame/FramedPage.h"

#include "toolkit/PageHeading.h"
#include "report/Component.h"

namespace tabulon {

namespace {

void DrawColumnHeadings(Component& c, const TenDayPage& page)
{
    Canvas& cv = c.canvas;
    const TenDayLayout& l = page.layout;
    l.DrawHeadingBandRules(c, page.headingRules);
    cv.SetFont(11, 1);
    PrintPageHeading(c);
    cv.PrintCell(Border::Framed, page.title, page.titleWidth.value_or(24 * l.columnWidth), 400,
                 page.titleX.value_or(l.cellOrigin), TenDayLayout::BandTop, 0);
    if (page.headingCells) {
        page.headingCells();
        return;
    }
    cv.PrintCell(Border::Framed, QStringLiteral("平  均"), page.meanHeadingWidth, 400, page.meanHeadingX,
                 TenDayLayout::BandTop, 0);
    l.PrintColumnLabels(c, page.columnLabels, page.firstTwoTierColumn, page.twoTierWidth);
}

void DrawBody(Component& c, const TenDayPage& page)
{
    Canvas& cv = c.canvas;
    const TenDayLayout& l = page.layout;
    cv.SetFont(9, 1);
    cv.TextAlign = Align::Right;
    l.ForEachDayRow(c, page.dayRow);
    l.PrintBlankDays(c);
    l.ForEachStatisticsRow([&](int period, double y) {
        cv.TextAlign = Align::Right;
        page.statisticsRow(period, y);
    });

    cv.TextAlign = Align::Centre;
    cv.SetFont(11, 1);
    if (page.bottomRow)
        page.bottomRow();
    if (page.fixedHourRules)
        l.DrawFixedHourRules(c, page.fixedHourRules->top, page.fixedHourRules->leftTop, page.fixedHourRules->bottom);
    for (const VerticalRule& r : page.bodyRules)
        cv.DrawVerticalLine(r.x, r.y1, r.y2, cv.LineWeight);
    if (page.columnRules)
        page.columnRules();
    l.DrawSeparators(c, 0, 19500);
    for (const HorizontalRule& r : page.bottomLines)
        cv.DrawHorizontalLine(r.x1, r.y, r.x2, cv.LineWeight);
    for (const VerticalRule& r : page.bottomEdges)
        cv.DrawVerticalLine(r.x, r.y1, r.y2, cv.LineWeight);
    if (page.bottomRules)
        page.bottomRules();
    PrintPageNumber(c, page.pageNumber, page.pageNumberY);
}

}  // namespace

void DrawTenDayPage(Component& c, const TenDayPage& page)
{
    DrawFramedPage(c, page.panes,
                   {[&] { page.layout.DrawCorner(c); }, [&] { DrawColumnHeadings(c, page); },
                    [&] { page.layout.DrawRowHeadings(c); }, [&] { DrawBody(c, page); }});
}

}  // namespace tabulon
