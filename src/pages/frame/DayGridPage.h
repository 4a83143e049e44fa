#pragma once
// One page on the day grid: a date column and 31 day rows of 350 twips from y 1110 under a
// heading band (title tier 310..710, label tier 710..1110), with value columns of one width
// from the date column's right edge. It is drawn in the four passes:
//   corner          "日  期" over the date column
//   column headings the band's rules, the page heading, the title, the column labels
//   row headings    the date column's rules, day numbers 1..31 (whatever the month's
//                   length) and any row labels below day 31
//   body            the page's cells ("宋体" 9, cellAlign), the rules through the body and
//                   whatever the page draws below the grid, then the page number.
// Rules below days 5, 10, 15, 20 and 25 run across both the date column and the body; the
// heavy rules beside chosen columns (the fixed hours) run from the label tier down the body.
// Every rule has weight LineWeight except the pentad rules (one lighter, see DayGrid).
// A page fills in what is its own; the defaults are those of the plain 24-hour grid. A page
// with a deeper band sets the grid's top (rows.top) lower and draws the band's further
// tiers and the labels below the days through its own hooks.

#include "pages/frame/RowLayouts.h"
#include "pages/frame/TenDayLayout.h"   // VerticalRule, HorizontalRule
#include "toolkit/DrawingState.h"   // Align
#include "toolkit/PageFrame.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

namespace tabulon {

struct DayGridPage {
    static constexpr double BandTop = 310;
    static constexpr double LabelTop = 710;
    static constexpr double GridTop = 1110;
    static constexpr double RowHeight = 350;
    static constexpr double GridBottom = GridTop + 31 * RowHeight;   // 11960
    static constexpr double PageRight = 19500;
    static constexpr double HourBlockWidth = 18480;

    PaneLayout panes = PaneLayout::standard(1020, GridTop, GridBottom);

    // Date column; the value columns start at its right edge.
    double dateWidth = 1020;
    double columnWidth = 770;
    int columnCount = 24;
    DayGrid rows{GridTop, RowHeight, false};   // rows.top: the first day's row, the band's bottom

    // Corner.
    QString cornerText = QStringLiteral("日  期");
    double cornerRuleBottom = 1160;        // the corner's right rule reaches into the first row

    // Heading band.
    QString title;                         // boxed over the hour block
    double titleWidth = HourBlockWidth;
    QStringList columnLabels;              // one per column, in the label tier
    double labelHeight = GridTop - LabelTop;
    bool labelsFollowGrid = false;         // label borders follow ShowGridLines (else always boxed)
    std::vector<double> heavyColumnRules;  // x of the rules beside the fixed-hour columns
    double heavyColumnRuleBottom = GridBottom;
    double bandRightRuleBottom = 1200;     // the band's right rule reaches into the first row
    std::function<void(const DayGridPage&)> moreHeadings;   // further tiers below the labels

    // Row-heading column.
    QStringList labelsBelowDays;           // rows after day 31 ("月合计")
    std::function<void(const DayGridPage&)> belowDayLabels;   // or what the page draws there
    double outerRuleBottom = GridBottom;   // the rule at x 0
    double dateRuleBottom = GridBottom;    // the rule at dateWidth
    std::vector<double> dateColumnClosingRules{GridBottom};   // from x 0 to 1030
    std::optional<double> dateDayRuleEnd;  // the day rules in the date column end here (dateWidth)

    // Body.
    std::int16_t cellAlign = Align::Right;
    std::function<void(const DayGridPage&)> cells;       // the values; TextAlign is cellAlign
    std::vector<VerticalRule> bodyRules;   // beyond the heavy column rules
    std::optional<double> bodyDayRuleStart;   // the day rules in the body start here (dateWidth)
    std::vector<HorizontalRule> closingRules{{1020, GridBottom, PageRight}};
    std::function<void(const DayGridPage&)> belowGrid;   // blocks and rows under the 31 day rows
    QString pageNumber;

    // x of the rules on both sides of the 02, 08, 14 and 20 h columns of the default
    // 24 columns of 770 (items 6, 12, 18 and 24).
    static std::vector<double> FixedHourRules();

    double columnX(int column) const { return dateWidth + columnWidth * column; }
    double dayY(int day) const { return rows.dayY(day); }
    double rowY(int row) const { return rows.top + RowHeight * row; }   // row 0 = day 1

    // Calls row(day, y) for days 1 to the month's last day.
    void forEachDay(Component& c, const std::function<void(int day, double y)>& row) const;
    // A value cell of `column` in the row at y, bordered as ShowGridLines says.
    void printCell(Component& c, const QString& text, int column, double y) const;
    // The same text in every column of every one of the 31 rows (the blank grid of a page
    // whose element is not observed hourly).
    void fillAllRows(Component& c, const QString& text) const;
    // Empty framed cells over the columns of the rows past the month's end.
    void printBlankDays(Component& c) const;
};

// The 24 hour labels of the hourly tables, item 1 to 24: "21", "22", "23", "24", "1" .. "20".
QStringList HourLabels();

// Draws the page in the four passes and ends it (EndPrintedPage). Errors go to the caller.
void DrawDayGridPage(Component& c, const DayGridPage& page);

}  // namespace tabulon
