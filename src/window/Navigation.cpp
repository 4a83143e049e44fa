#include "window/Navigation.h"

#include "platform/PreviewPanes.h"
#include "toolkit/Dispatcher.h"
#include "toolkit/Numeric.h"
#include "window/Component.h"
#include "window/frmReportOutPut.h"

namespace tabulon {

std::int16_t NextPageNumber(std::int16_t currentPage, std::int16_t pageCount)
{
    return currentPage < pageCount ? static_cast<std::int16_t>(currentPage + 1) : std::int16_t{1};
}

void StepToNextPage(ReportState& state)
{
    state.CurrentPage = NextPageNumber(state.CurrentPage, state.PageCount);
}

std::int16_t PrevPageNumber(std::int16_t currentPage, std::int16_t pageCount)
{
    return currentPage < 2 ? pageCount : static_cast<std::int16_t>(currentPage - 1);
}

std::int16_t MenuKeyPage(const QString& key)
{
    return RoundToInt16(Val(key.mid(2)));
}

namespace {
void rebuildPageMenus(Component& c)
{
    if (frmReportOutPut* w = c.existingWindow())
        w->intbuttonmanu();
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
