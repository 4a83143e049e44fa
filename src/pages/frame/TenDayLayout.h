#pragma once
// The ten-day layout: the frame of the hourly element pages that list one row per day.
//
//   heading band   y 310 .. rowOrigin: a title tier (310..710) over the hour labels (710..rowOrigin)
//   day rows       days 1-10, 11-20 and 21 to the month's end, 330 high each
//   statistics     a row after each block of days ("上旬平均", "中旬平均", "下旬平均"),
//                  the month row ("月平均") and, on most pages, a month-extreme row ("月极值")
//
// Rows are counted in a fixed order of 36 row labels, so every row position is
// rowOrigin + 330 x label index. Columns, their width and count, the row-heading column and
// the heavy rules around the 02, 08, 14 and 20 h columns differ from page to page: they are
// plain parameters here, set by each page to the positions it prints (they do not all follow
// one formula: some pages set their rules off their cells by a few twips on purpose).
//
// The layout draws only through the Canvas primitives; every method draws on the current
// OutputTarget, so a page calls the corner, column-heading, row-heading and body methods from
// the matching pass of DrawInPasses. A page that follows the usual drawing order can hand
// its own parts to DrawTenDayPage (TenDayPage.h) instead of calling these one by one.
// A default-constructed layout is the station-pressure page's: 28 columns of 660 from 1020.

#include "pages/frame/LayoutLiterals.h"   // CutPieces
#include "pages/frame/RowLayouts.h"       // DaysInMonth

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

namespace tabulon {

class Component;

struct VerticalRule {
    double x = 0;
    double y1 = 0;
    double y2 = 0;
};

struct HorizontalRule {
    double x1 = 0;
    double y = 0;
    double x2 = 0;
};

struct TenDayLayout {
    static constexpr double RowHeight = 330;
    static constexpr double BandTop = 310;      // top of the heading band, below the page heading line
    static constexpr int PeriodCount = 4;       // first, second, third ten days, then the month

    // Value columns: column c (0-based) spans cellOrigin + c x columnWidth, columnWidth wide.
    double cellOrigin = 1020;
    double columnWidth = 660;
    int columnCount = 28;

    // y of the first day row, which is also the bottom of the heading band.
    double rowOrigin = 1110;

    // Heavy rules on both sides of the 02, 08, 14 and 20 h columns: for i = 1..4 at
    // fixedHourRightOrigin + i x fixedHourStep (right side) and fixedHourLeftOrigin + i x fixedHourStep (left side).
    double fixedHourStep = 3960;
    double fixedHourRightOrigin = 1020;
    double fixedHourLeftOrigin = 360;
    // Whether the heading band's lower tier has those rules (a page whose band is its own
    // draws its rules itself).
    bool fixedHourHeadingRules = true;
    // The columns of the 02, 08, 14 and 20 h values among the 24 hour columns.
    static constexpr int FixedHourColumns[4] = {5, 11, 17, 23};

    // Corner and row-heading column.
    double cornerWidth = 1020;             // the "日  期" cell and the corner rules
    double cornerRightRuleBottom = 1160;   // the corner's right rule runs from 310 down to here
    double rowLabelWidth = 1020;           // the row-label cells
    double rowSeparatorEnd = 1020;         // the column's separators run from x 0 to here
    double rowHeadingOuterBottom = 12990;  // the left rule (x 0) runs from 310 down to here
    double rowHeadingInnerBottom = 12990;  // the rule at cornerWidth runs from 310 down to here
    bool withExtremesRow = true;           // a "月极值" row (and its closing rule) under the month row
    // Row labels of a page's own, one per row from rowOrigin down (empty: RowLabels(), 36 or
    // 35 of them as withExtremesRow says).
    QStringList rowLabels;
    // Left edge of the first cell of the bottom row (the month extremes); the value columns'
    // left edge unless the page sets the row off them.
    std::optional<double> extremesOrigin;

    // --- Positions ---------------------------------------------------------------------
    double columnX(int column) const { return cellOrigin + columnWidth * column; }
    // Right and left heavy rule of fixed hour i = 1..4 (02, 08, 14, 20 h).
    double fixedHourRightX(int i) const { return fixedHourRightOrigin + fixedHourStep * i; }
    double fixedHourLeftX(int i) const { return fixedHourLeftOrigin + fixedHourStep * i; }
    // The y of row label `index` (0 = day 1, 10 = "上旬平均", ..., 35 = "月极值").
    double rowY(int index) const { return rowOrigin + RowHeight * index; }
    // Day 1..31.
    double dayRowY(int day) const;
    // The day blocks and statistics rows as the shared decade layout.
    DecadeLayout decades() const;
    // Period 1..4: the statistics rows of the three blocks of days and of the month.
    double statisticsRowY(int period) const;
    double extremesRowY() const { return rowY(35); }
    double extremesRowBottom() const { return rowY(36); }
    // The ten separators between blocks (y and whether it is a light pentad rule after
    // days 5, 15 and 25), top to bottom, ending at the top of the month-extreme row.
    struct Separator {
        double y;
        bool pentad;
    };
    static constexpr int SeparatorCount = 10;
    Separator separator(int n) const;   // n = 0..9
    // All ten as rules, the pentad ones a weight lighter.
    RowRules separators() const;

    // The 36 row labels ("1".."10", "上旬平均", ..., "月平均", "月极值"), trimmed.
    static QStringList RowLabels();

    // --- Drawing -----------------------------------------------------------------------
    // Corner pass: "日  期" over the row-heading column and its frame ("宋体" 11).
    void DrawCorner(Component& c) const;

    // Column-heading pass, rules: the band's top and bottom across the page, the fixed-hour
    // rules of the lower tier (the 400 twips above rowOrigin) unless fixedHourHeadingRules is
    // off, then `more` (page-specific), all with LineWeight.
    void DrawHeadingBandRules(Component& c, const std::vector<VerticalRule>& more = {}) const;
    // Column-heading pass, labels: labels[c] in the lower tier of column c (at most
    // columnCount labels); from `firstTwoTierColumn` on (when >= 0) the label takes both
    // tiers and is `twoTierWidth` wide (0: the column width). Bordered, current font and TextAlign.
    void PrintColumnLabels(Component& c, const QStringList& labels, int firstTwoTierColumn = -1,
                           double twoTierWidth = 0) const;

    // Row-heading pass: the column's rules and row labels ("宋体" 11, border ShowGridLines).
    void DrawRowHeadings(Component& c) const;

    // Body pass: calls `row` for every day of the month (the third block ends at the
    // month's last day, AfilePara(4)) and for every statistics period.
    void ForEachDayRow(Component& c, const std::function<void(int day, double y)>& row) const;
    void ForEachStatisticsRow(const std::function<void(int period, double y)>& row) const;
    // Empty cells over the rows of the days past the month's end.
    void PrintBlankDays(Component& c) const;
    // A value cell of column `column` (columnWidth x 330, border ShowGridLines).
    void PrintValue(Component& c, const QString& text, int column, double y) const;
    // The same at an explicit x, for cells set off the column grid.
    void PrintValueAt(Component& c, const QString& text, double x, double y) const;
    // Bordered cells side by side along the month-extreme row, from extremesOrigin (by default
    // the value columns' left edge): cells[k] is widths[k] wide (current font and TextAlign).
    // Returns the x after them.
    double PrintExtremeCells(Component& c, const QStringList& cells, const std::vector<double>& widths) const;
    // The fixed-hour rules through the body: right side from `top`, left side from `leftTop`,
    // both down to `bottom`, LineWeight.
    void DrawFixedHourRules(Component& c, double top, double leftTop, double bottom) const;
    // The ten separators from x1 to x2: LineWeight - 1 for the pentads, LineWeight otherwise.
    void DrawSeparators(Component& c, double x1, double x2) const;
};

}  // namespace tabulon
