#include "toolkit/Dispatcher.h"

#include "platform/PreviewPanes.h"
#include "platform/RunInterruption.h"
#include "toolkit/DispatchTable.h"
#include "toolkit/ErrorReporter.h"
#include "toolkit/PageFrame.h"
#include "toolkit/PageSetup.h"
#include "report/Component.h"

#include <algorithm>
#include <limits>

namespace tabulon {

bool DrawCurrentPage(Component& c)
{
    const std::optional<PageEntry> entry =
        LookupPage(c.state.ReportKind, c.state.StationKind, c.state.CurrentPage);
    if (!entry)
        return true;
    try {
        CallRenderer(entry->renderer, c, entry->args);
        return true;
    } catch (...) {
        ++c.DrawingErrors;
        ShowError(c, DispatcherErrorContext, CaughtError());
        return false;
    }
}

void PrintReportPage(Component& c)
{
    if (DrawCurrentPage(c))
        return;
    if (c.canvas.PrintMode != 0) {
        // Printing or saving: the failed page still ends its own job, and the caller's
        // loop decides which page comes next.
        EndPrintedPage(c);
        return;
    }
    // Preview: move on to the next page, as the window's next-page command does, through
    // any further failing pages; every page is tried at most once per chain.
    const int limit = std::max<int>(1, c.state.PageCount);
    int tried = 1;
    int moved = 0;
    bool failed = true;
    while (failed && tried < limit) {
        StepToNextPage(c.state);
        if (PreviewPanes* panes = c.panes())
            panes->clearpicture();
        ++moved;
        ++tried;
        failed = !DrawCurrentPage(c);
    }
    if (c.pageMenusChanged) {
        for (int i = 0; i < moved; ++i)
            c.pageMenusChanged();
    }
}

bool PrintReportPageWhole(Component& c)
{
    const int errorsBefore = c.DrawingErrors;
    PrintReportPage(c);
    return c.DrawingErrors == errorsBefore;
}

PrintedPages PrintSelectedPages(Component& c, PageList& list, const PageSetupStep& setup)
{
    PrintedPages done;
    const int rows = std::min(list.rowCount(), static_cast<int>(std::numeric_limits<std::int16_t>::max()));
    for (int row = 0; row < rows && InterruptingSignal() == 0; ++row) {
        if (!list.isSelected(row))
            continue;
        c.state.CurrentPage = static_cast<std::int16_t>(row + 1);
        if (setup)
            setup(c);
        else
            ReportPageSetup(c);
        if (!PrintReportPageWhole(c))
            done.notWhole.push_back(row + 1);
        ++done.printed;
        list.deselect(row);
    }
    return done;
}

}  // namespace tabulon
