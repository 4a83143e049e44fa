#pragma once
// Dragging a page larger than the screen: the body pane moves and the heading panes
// follow it, within clamps that keep the page's edges near the screen's.

#include <array>

namespace tabulon {

struct PanePlace {
    int left = 0;     // twips, window coordinates
    int top = 0;
    double width = 0;
    double height = 0;
};

struct DragLimits {
    int screenWidth = 0;     // twips
    int screenHeight = 0;    // twips
    int toolbarHeight = 0;   // twips: the highest a pane may sit
    int paneLeft = 15;       // where the row-heading column stays
};

// Moves the panes for a left-button drag of pane `index` (1, 2 or 3) from (oldx, oldy) to
// (newx, newy), both in that pane's own twips. Returns false, moving nothing, when the page
// is not both wider than the screen and taller than the screen plus 900 twips, or when
// the index is not a draggable pane.
bool DragPanes(std::array<PanePlace, 4>& panes, int index, int oldx, int oldy, int newx, int newy,
               const DragLimits& limits);

}  // namespace tabulon
