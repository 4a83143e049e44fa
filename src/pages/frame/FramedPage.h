#pragma once
// A table page drawn in the usual order: TextAlign centred, the corner, the column headings,
// the row headings and the body each in its pass (into its preview pane in preview), then
// the end of a printed page.

#include "toolkit/PageFrame.h"

#include <functional>

namespace tabulon {

struct PassDrawers {
    std::function<void()> corner;
    std::function<void()> columnHeadings;
    std::function<void()> rowHeadings;
    std::function<void()> body;
};

// Errors go to the caller.
void DrawFramedPage(Component& c, const PaneLayout& panes, const PassDrawers& passes);

}  // namespace tabulon
