#pragma once
// One page on the decade layout (the daily pages of a manual station): a row-heading column
// of day and statistic labels left of value columns whose rows follow the decade layout.
// It is drawn in the four passes:
//   corner          "日  期" over the row-heading column (or the page's own corner)
//   column headings the page's heading band
//   row headings    the column's rules, the decade rules across it, then the labels
//   body            the page's cells and rules, then the page number.
// The panes follow from the layout: the corner and the column headings down to the body
// top, the row headings down to the table bottom. A page whose statements each run through
// a trap sets `statement`, and the frame runs its own statements through it too.

#include "pages/frame/DecadeCells.h"
#include "pages/frame/RowLayouts.h"
#include "toolkit/PageFrame.h"

#include <QString>
#include <functional>

namespace tabulon {

class Canvas;
struct ReportTables;

// What stays the same from month to month: the page's layout constants.
struct DecadeFrame {
    double cornerWidth = 1000;
    double bodyTop = 1110;
    double tableBottom = 0;       // the bottom of the row-heading column
    double rowHeight = 320;
    QString blockTops;            // comma list, e.g. "1110,4630,8150"
    QString statisticRows;        // comma list, e.g. "4310,7830,11670,11990"
    QString ruleRows;             // the decade rules in fields of five characters
    QString rowLabels;            // one fixed-width piece per row
    int rowLabelWidth = 4;
    int rowLabelCount = 0;
    int rowLabelFont = 11;
    double outerRuleBottom = 0;   // the rule at x 0 ends here when the blocks below reach further (0: tableBottom)
};

// Runs one statement of a page, e.g. through a trap that reports and goes on.
using StatementRunner = std::function<void(const std::function<void()>&)>;

struct DecadePage {
    explicit DecadePage(const DecadeFrame& frame);

    DecadeFrame frame;
    DecadeLayout layout;
    RowRules rules;
    PaneLayout panes;               // derived from the frame; a page may widen or clear one

    double cornerRuleBottom = 1160;   // the corner's right rule
    std::function<void()> corner;     // when set, drawn in place of the usual corner
    std::function<void()> columnHeadings;
    std::function<void()> body;
    StatementRunner statement;        // when set, every statement of the frame runs through it
    QString pageNumber;
    double pageNumberY = 13300;

    // y of the statistic row of `period` (1..4: first, second, third ten days, month).
    double statRow(int period) const { return layout.statRows.at(static_cast<std::size_t>(period - 1)); }
};

// Draws the page in the four passes and ends it (EndPrintedPage). Errors go to the caller.
void DrawDecadePage(Component& c, const DecadePage& page);

// What the renderer of one decade page draws with: the report, its canvas and tables, the
// page's description, value cells one row high and the month's length. A page derives from
// it, fills in page_'s callbacks and calls draw().
class DecadePageRenderer {
protected:
    DecadePageRenderer(Component& c, const DecadeFrame& frame);

    void draw() { DrawDecadePage(c_, page_); }
    int lw() const;
    double statRow(int period) const { return page_.statRow(period); }

    Component& c_;
    Canvas& cv_;
    ReportTables& t_;
    DecadePage page_;
    const DecadeLayout& layout_;
    RowCells cells_;
    int days_;
};

}  // namespace tabulon
