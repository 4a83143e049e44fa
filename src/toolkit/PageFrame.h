#pragma once
// What every page renderer shares: the four drawing passes (corner, column headings,
// row headings, body), the page number, the end of a printed page, and the error patterns.

#include "toolkit/ReportError.h"

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
};

struct PaneLayout {
    std::array<PaneExtent, 4> panes{};

    // The usual layout: a row-heading column `cornerWidth` wide, a heading band
    // `bandHeight` high, a table `tableHeight` high; 35 twips added to each pane's
    // extent but the body's height (16200 times the scale).
    static PaneLayout standard(double cornerWidth, double bandHeight, double tableHeight,
                               double margin = 35);
    // Pages without fixed headings: panes 0..2 zero, the body 19500 x 16200.
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

// Runs the four passes. In preview (PrintMode 0) each pass points OutputTarget at its pane
// and sizes it; otherwise every pass draws on the surface the caller chose.
void DrawInPasses(Component& c, const PaneLayout& layout, const std::function<void(Pass)>& drawPass);

// "-N-" centred in a borderless cell 19500 x 300 at (0, y), "宋体" 11.
void PrintPageNumber(Component& c, int number, double y = 13300);
// The same with the number's text as the page holds it (an item of "-8-,-25-,..." say).
void PrintPageNumber(Component& c, const QString& text, double y = 13300, double width = 19500);

// The last call of every renderer: ends the print job when printing; errors are ignored.
void EndPrintedPage(Component& c);

// Trap and report: runs the page; an error is reported with the context and ends it.
// Returns false when the page failed.
bool TrapAndReport(Component& c, const QString& context, const std::function<void()>& page);

// Resume and report once: runs one step; an error is reported once per number through
// LastErrorNumbers[slot] and drawing goes on. Returns false when the step failed.
bool ResumeReportingOnce(Component& c, int slot, const QString& context, const std::function<void()>& step);

// Silent: an error ends the page with no message and goes no further.
bool TrapSilently(const std::function<void()>& page);

}  // namespace tabulon
