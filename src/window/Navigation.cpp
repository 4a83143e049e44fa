#include "window/Navigation.h"

#include "platform/PreviewPanes.h"
#include "toolkit/Dispatcher.h"
#include "toolkit/Numeric.h"
#include "report/Component.h"

namespace tabulon {

std::int16_t MenuKeyPage(const QString& key)
{
    return RoundToInt16(Val(key.mid(2)));
}

namespace {
void rebuildPageMenus(Component& c)
{
    if (c.pageMenusChanged)
        c.pageMenusChanged();
}
}  // namespace

void RedrawCurrentPage(Component& c)
{
    if (PreviewPanes* panes = c.panes())
        panes->clearpicture();
    PrintReportPage(c);
}

void GoToNextPage(Component& c)
{
    StepToNextPage(c.state);
    RedrawCurrentPage(c);
    rebuildPageMenus(c);
}

void GoToPrevPage(Component& c)
{
    c.state.CurrentPage = PrevPageNumber(c.state.CurrentPage, c.state.PageCount);
    RedrawCurrentPage(c);
    rebuildPageMenus(c);
}

void GoToMenuPage(Component& c, const QString& key)
{
    c.state.CurrentPage = MenuKeyPage(key);
    RedrawCurrentPage(c);
    rebuildPageMenus(c);
}

}  // namespace tabulon
