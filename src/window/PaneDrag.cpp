#include "window/PaneDrag.h"

namespace tabulon {

bool DragPanes(std::array<PanePlace, 4>& panes, int index, int oldx, int oldy, int newx, int newy,
               const DragLimits& limits)
{
    if (index < 1 || index > 3)
        return false;
    PanePlace& body = panes[3];
    int left = panes[index].left + newx - oldx;
    int top = panes[index].top + newy - oldy;

    if (!(body.width > limits.screenWidth && body.height > limits.screenHeight + 900))
        return false;

    // The left edge snaps to 20 (not PaneLeft) and the right edge stays near the screen's.
    if (left >= 1)
        left = 20;
    else if (body.width + left < limits.screenWidth - 100)
        left = static_cast<int>(limits.screenWidth - body.width - 100);
    if (top > limits.toolbarHeight)
        top = limits.toolbarHeight;
    else if (body.height + top < limits.screenHeight - 1000)
        top = static_cast<int>(limits.screenHeight - body.height - 1000);

    switch (index) {
    case 1:   // column headings: horizontally only
        panes[1].top = limits.toolbarHeight;
        panes[1].left = left;
        body.left = left;
        break;
    case 2:   // row headings: vertically only
        panes[2].left = limits.paneLeft;
        panes[2].top = top;
        body.top = top;
        break;
    default:  // the body: both ways, each heading pane following along its own axis
        panes[1].top = limits.toolbarHeight;
        panes[1].left = left;
        panes[2].left = limits.paneLeft;
        panes[2].top = top;
        body.left = left;
        body.top = top;
        break;
    }
    panes[0].top = limits.toolbarHeight;
    panes[0].left = limits.paneLeft;
    return true;
}

}  // namespace tabulon
