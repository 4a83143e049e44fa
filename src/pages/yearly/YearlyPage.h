#pragma once
// The frame of the yearly table pages. They have no corner and no column-heading pane: in
// preview the row-heading pane holds the month-label column and the body pane everything
// else, headings included; when printing both land on the one page. The month-label
// column holds, for each block, "月 份" over the block's heading band, the month numbers
// "1" to "12" and the labels of the block's year rows, between horizontal rules.

#include "pages/yearly/YearTable.h"
#include "toolkit/PageFrame.h"

#include <QString>
#include <functional>
#include <vector>

namespace tabulon {

class Component;

struct YearRowLabel {
    QString text;
    double y;
    double height;
    int perLine = 0;          // > 0: wrapped, so many characters a line ...
    double lineHeight = 0;    // ... in bands of this height
};

struct MonthLabelBlock {
    double headingY;
    double headingHeight;
    double firstMonthY;
    double rowHeight;
    std::vector<YearRowLabel> yearRows;
};

struct MonthLabelColumn {
    static constexpr double Top = 310;

    double width = 0;
    double bottom = 0;               // of the column's two vertical rules
    std::vector<int> leadingRules;   // drawn before the labels (the heading band's top and bottom)
    std::vector<MonthLabelBlock> blocks;
    std::vector<int> trailingRules;  // drawn after the labels

    // The rules and labels, "宋体" 11 centred; month labels boxed with ShowGridLines, the
    // headings and year-row labels always. Leaves TextAlign at 0. Each label and rule is
    // one statement run through `run`.
    void Draw(Component& c, const YearStatement& run = {}) const;
};

// A heading cell of a table's heading band, boxed unless `border` says otherwise; wrapped
// (PrintWrappedText) when perLine > 0.
struct HeadingCell {
    QString text;
    double x, y, width, height;
    int perLine = 0;
    double lineHeight = 0;
    int border = -1;
};
void PrintHeadingCells(Component& c, const std::vector<HeadingCell>& cells, const YearStatement& run = {});

// Pieces k = 0 .. count - 1 of a fixed-width literal, trimmed, each in a boxed cell at
// (x0 + dx k, y0 + dy k), width x height; empty pieces are left out.
struct PieceCells {
    double x0, y0, dx, dy, width, height;
};
void PrintHeadingPieces(Component& c, const QString& literal, int pieceLength, int count, const PieceCells& at,
                        const YearStatement& run = {});

struct YearlyPage {
    MonthLabelColumn labels;
    double rowHeadingPaneHeight = 0;   // 0: the column's bottom
    std::function<void(Component&)> body;   // everything on the body pane
    int pageNumber = 0;
    double pageNumberY = 13300;
    YearStatement run;                 // the page's own trap, for the labels and the page number

    PaneLayout panes() const;
};

// Draws the page in its passes, prints its number and ends it (EndPrintedPage). Errors go
// to the caller.
void DrawYearlyPage(Component& c, const YearlyPage& page);

}  // namespace tabulon
