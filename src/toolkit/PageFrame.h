#pragma once
// What every page renderer shares: the four drawing passes (corner, column headings,
// row headings, body), the page number and the end of a printed page; the error patterns
// come with it (ErrorPatterns.h).

#include "toolkit/ErrorPatterns.h"   // the error patterns every renderer uses

#include <QString>
#include <array>
#include <functional>

namespace tabulon {

class Component;

// The preview size of one pane: the logical extent times PageScale, plus fixed device
// twips (the margins differ from page to page, so each page states them).
struct PaneExtent {
    double width = 0;
    double height = 0;
    double extraWidth = 0;
    double extraHeight = 0;
    // Only the width is set; the pane keeps its height (the unused panes of a page
    // without fixed headings).
    bool widthOnly = false;
    // Cleared right after sizing (preview only: printing draws every pass on one surface).
    bool clearedAfterSizing = false;
};

struct PaneLayout {
    std::array<PaneExtent, 4> panes{};

    // The usual layout: a row-heading column `cornerWidth` wide, a heading band
    // `bandHeight` high, a table `tableHeight` high; `margin` twips added to each pane's
    // extent but the body's height (16200 times the scale).
    static PaneLayout standard(double cornerWidth, double bandHeight, double tableHeight,
                               double margin = 35);
    // A table under fixed headings: the corner and the column headings down to `bodyTop`,
    // the row headings down to `tableBottom`, the usual margins around the corner and the
    // row headings, the column headings 19550 wide with a margin below, the body
    // 19550 x 16200 with nothing added.
    static PaneLayout fixedHeadings(double cornerWidth, double bodyTop, double tableBottom);
    // Pages without fixed headings (covers, text pages): panes 0..2 zero width, the body
    // 19500 x 16200 with nothing added.
    static PaneLayout bodyOnly();

    // Each pane as the page states it (corner, column headings, row headings, body).
    static PaneLayout of(PaneExtent corner, PaneExtent columnHeadings, PaneExtent rowHeadings,
                         PaneExtent body);
    // Panes 0..2 collapsed and the body at the page's own extent (text pages).
    static PaneLayout bodyOnly(PaneExtent body);
    // Panes 0 and 1 collapsed: a row-heading column, and the headings drawn in the body pane.
    static PaneLayout rowHeadingsAndBody(PaneExtent rowHeadings, PaneExtent body);
};

// The device twips most pages add to a pane's scaled extent.
constexpr double PaneMargin = 35;

enum class Pass { Corner = 1, ColumnHeadings = 2, RowHeadings = 3, Body = 4 };

// Runs the four passes in order, starting the page centred (TextAlign 0) whatever the page
// drawn before left behind: a page that failed half-way may have left it right-aligned.
// In preview (PrintMode 0) each pass first points
// OutputTarget at its pane Picqb(0..3) and sizes it; otherwise every pass draws on the
// surface the caller chose and the panes are left alone. The column-heading pass is where
// the renderer calls PrintPageHeading.
void DrawInPasses(Component& c, const PaneLayout& layout, const std::function<void(Pass)>& drawPass);

// The corner of a table page, in its corner pass: its text ("日  期" on most pages) boxed
// over the heading band from y 310 to the body top, in "宋体" 11; the band's top and bottom rules across the corner;
// the left rule down to the body top and the right one down to `rightRuleBottom`.
void DrawCornerPane(Component& c, double cornerWidth, double bodyTop, double rightRuleBottom,
                    const QString& text = QStringLiteral("日  期"));

// "-N-", the page number's usual text.
QString PageNumberText(int number);
// "-N-" centred in a borderless cell 19500 x 300 at (0, y), "宋体" 11.
void PrintPageNumber(Component& c, int number, double y = 13300);
// The same with the number's text as the page holds it (an item of "-8-,-25-,..." say), in
// a cell `width` x `height`.
void PrintPageNumber(Component& c, const QString& text, double y = 13300, double width = 19500,
                     double height = 300);

// The last call of every renderer: when printing or saving (PrintMode -1) it ends the
// document on OutputTarget, so each page is a print job of its own. Errors are ignored.
void EndPrintedPage(Component& c);

}  // namespace tabulon
