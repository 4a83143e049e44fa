#include "pages/frame/DayGridPage.h"

#include "pages/frame/FramedPage.h"
#include "pages/frame/LayoutLiterals.h"
#include "toolkit/PageHeading.h"
#include "toolkit/TextHelpers.h"
#include "report/Component.h"

namespace tabulon {

namespace {

// The hours of items 1 to 24, two characters each.
const QString HourLabelLiteral = QStringLiteral("21222324 1 2 3 4 5 6 7 8 91011121314151617181920");

// The date column's closing rules reach 10 twips into the body, under the frame's left rule.
constexpr double DateColumnRuleEnd = 1030;

void DrawColumnHeadings(Component& c, const DayGridPage& page)
{
    Canvas& cv = c.canvas;
    const int lw = cv.LineWeight;
    cv.DrawHorizontalLine(0, DayGridPage::BandTop, DayGridPage::PageRight, lw);
    cv.DrawHorizontalLine(0, page.rows.top, DayGridPage::PageRight, lw);
    for (double x : page.heavyColumnRules)
        cv.DrawVerticalLine(x, DayGridPage::LabelTop, page.rows.top, lw);
    cv.DrawVerticalLine(DayGridPage::PageRight, DayGridPage::BandTop, page.bandRightRuleBottom, lw);
    cv.SetFont(11, 1);
    PrintPageHeading(c);
    cv.PrintCell(Border::Framed, page.title, page.titleWidth, DayGridPage::LabelTop - DayGridPage::BandTop,
                 page.dateWidth, DayGridPage::BandTop, 0);
    const int border = page.labelsFollowGrid ? cv.ShowGridLines : Border::Framed;
    for (int j = 0; j < page.columnLabels.size() && j < page.columnCount; ++j)
        cv.PrintCell(border, page.columnLabels.at(j), page.columnWidth, page.labelHeight, page.columnX(j),
                     DayGridPage::LabelTop, 0);
    if (page.moreHeadings)
        page.moreHeadings(page);
}

void DrawRowHeadings(Component& c, const DayGridPage& page)
{
    Canvas& cv = c.canvas;
    const int lw = cv.LineWeight;
    cv.DrawVerticalLine(0, DayGridPage::BandTop, page.outerRuleBottom, lw);
    cv.DrawVerticalLine(page.dateWidth, DayGridPage::BandTop, page.dateRuleBottom, lw);
    page.rows.dayRules().draw(cv, 0, page.dateDayRuleEnd.value_or(page.dateWidth));
    for (double y : page.dateColumnClosingRules)
        cv.DrawHorizontalLine(0, y, DateColumnRuleEnd, lw);
    cv.SetFont(11, 1);
    page.rows.printDayLabels(cv, 0, page.dateWidth, cv.ShowGridLines);
    for (int k = 0; k < page.labelsBelowDays.size(); ++k)
        cv.PrintCell(cv.ShowGridLines, page.labelsBelowDays.at(k), page.dateWidth, DayGridPage::RowHeight, 0,
                     page.rowY(31 + k), 0);
    if (page.belowDayLabels)
        page.belowDayLabels(page);
}

void DrawBody(Component& c, const DayGridPage& page)
{
    Canvas& cv = c.canvas;
    const int lw = cv.LineWeight;
    cv.SetFont(9, 1);
    cv.TextAlign = page.cellAlign;
    if (page.cells)
        page.cells(page);
    cv.TextAlign = Align::Centre;

    for (double x : page.heavyColumnRules)
        cv.DrawVerticalLine(x, DayGridPage::LabelTop, page.heavyColumnRuleBottom, lw);
    for (const VerticalRule& r : page.bodyRules)
        cv.DrawVerticalLine(r.x, r.y1, r.y2, lw);
    page.rows.dayRules().draw(cv, page.bodyDayRuleStart.value_or(page.dateWidth), DayGridPage::PageRight);
    for (const HorizontalRule& r : page.closingRules)
        cv.DrawHorizontalLine(r.x1, r.y, r.x2, lw);
    if (page.belowGrid) {
        page.belowGrid(page);
        cv.TextAlign = Align::Centre;
    }
    PrintPageNumber(c, page.pageNumber);
}

}  // namespace

QStringList HourLabels()
{
    return CutPieces(HourLabelLiteral, 2, 24);
}

std::vector<double> DayGridPage::FixedHourRules()
{
    std::vector<double> xs;
    for (int i = 1; i <= 4; ++i) {
        xs.push_back(1020 + 4620 * i);   // right side
        xs.push_back(250 + 4620 * i);    // left side
    }
    return xs;
}

void DayGridPage::forEachDay(Component& c, const std::function<void(int day, double y)>& row) const
{
    rows.forEachDay(DaysInMonth(c), row);
}

void DayGridPage::printCell(Component& c, const QString& text, int column, double y) const
{
    Canvas& cv = c.canvas;
    cv.PrintCell(cv.ShowGridLines, text, columnWidth, RowHeight, columnX(column), y, 0);
}

void DayGridPage::fillAllRows(Component& c, const QString& text) const
{
    for (int day = 1; day <= 31; ++day)
        for (int column = 0; column < columnCount; ++column)
            printCell(c, text, column, dayY(day));
}

void DayGridPage::printBlankDays(Component& c) const
{
    PrintBlankDayRows(c, static_cast<std::int16_t>(rows.bottom()), static_cast<std::int16_t>(dateWidth),
                      static_cast<std::int16_t>(columnWidth), static_cast<std::int16_t>(RowHeight),
                      static_cast<std::int16_t>(columnCount));
}

void DrawDayGridPage(Component& c, const DayGridPage& page)
{
    DrawFramedPage(c, page.panes,
                   {[&] { DrawCornerPane(c, page.dateWidth, page.rows.top, page.cornerRuleBottom, page.cornerText); },
                    [&] { DrawColumnHeadings(c, page); }, [&] { DrawRowHeadings(c, page); },
                    [&] { DrawBody(c, page); }});
}

}  // namespace tabulon
