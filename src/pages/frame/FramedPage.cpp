#include "pages/frame/FramedPage.h"

#include "report/Component.h"

namespace tabulon {

void DrawFramedPage(Component& c, const PaneLayout& panes, const PassDrawers& passes)
{
    c.canvas.TextAlign = Align::Centre;
    DrawInPasses(c, panes, [&](Pass pass) {
        switch (pass) {
        case Pass::Corner:
            passes.corner();
            break;
        case Pass::ColumnHeadings:
            passes.columnHeadings();
            break;
        case Pass::RowHeadings:
            passes.rowHeadings();
            break;
        case Pass::Body:
            passes.body();
            break;
        }
    });
    EndPrintedPage(c);
}

}  // namespace tabulon
