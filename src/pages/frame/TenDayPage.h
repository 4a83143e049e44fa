#pragma once
// One page on the ten-day layout drawn in the usual order: the corner; the heading band
// with the page heading, the title over the hour columns, the "平  均" cell over the two
// mean columns and the column labels; the row headings; then the body: day rows, blank rows
// past the month's end, statistics rows, the bottom row, the column rules, the separators,
// the bottom row's edges and the page number. A page fills in what is its own.

#include "pages/frame/TenDayLayout.h"
#include "toolkit/PageFrame.h"

#include <QString>
#include <functional>
#include <optional>
#include <vector>

namespace tabulon {

// The fixed-hour rules through the body (TenDayLayout::DrawFixedHourRules).
struct FixedHourRuleSpan {
    double top = 710;
    double leftTop = 710;
    double bottom = 12660;
};

struct TenDayPage {
    TenDayLayout layout;
    PaneLayout panes;

    // Heading band.
    std::vector<VerticalRule> headingRules;   // after the fixed-hour rules of the lower tier
    QString title;                            // in the top tier, 400 high
    std::optional<double> titleX;             // default: the value columns' left edge
    std::optional<double> titleWidth;         // default: over the 24 hour columns
    double meanHeadingX = 16860;              // the "平  均" cell over the two mean columns
    double meanHeadingWidth = 1320;
    QStringList columnLabels;
    int firstTwoTierColumn = -1;              // columns from here on take both tiers
    double twoTierWidth = 0;
    // A band of the page's own: when set, it draws every heading cell below the title in
    // place of the "平  均" cell and the column labels.
    std::function<void()> headingCells;

    // Body, drawn in this order. Day and statistics rows are drawn right-aligned in
    // "宋体" 9; the bottom row and everything after it centred in "宋体" 11.
    std::function<void(int day, double y)> dayRow;
    std::function<void(int period, double y)> statisticsRow;
    std::function<void()> bottomRow;          // the month-extreme row and any block beside it
    std::optional<FixedHourRuleSpan> fixedHourRules;   // the body's rules: these first,
    std::vector<VerticalRule> bodyRules;                // then these,
    std::function<void()> columnRules;                  // then any the page draws itself
    std::vector<HorizontalRule> bottomLines;  // the bottom row's closing rules: these,
    std::vector<VerticalRule> bottomEdges;    // then these,
    std::function<void()> bottomRules;        // then any the page draws itself
    int pageNumber = 0;
    double pageNumberY = 13300;
};

// Draws the page in the four passes and ends it (EndPrintedPage). Errors go to the caller.
void DrawTenDayPage(Component& c, const TenDayPage& page);

}  // namespace tabulon
