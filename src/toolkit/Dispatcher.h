#pragma once
// The one entry point that draws a page (CurrentPage of the loaded report, on the output
// the drawing state points at) and the print loop over the pages chosen for printing.

#include <functional>
#include <vector>

namespace tabulon {

class Component;

// Draws CurrentPage through its renderer. A page outside the table draws nothing. An
// error the renderer does not handle itself is reported with "地面月报表"; in preview the
// window then moves on to the next page (wrapping to 1), and on through failing pages, but
// at most PageCount pages in all. While printing or saving, the failed page's job is ended
// and CurrentPage stays: the caller's own loop goes on with its next page.
void PrintReportPage(Component& c);

// Draws CurrentPage once, on the output the drawing state points at: false when its
// renderer failed (the error is reported with "地面月报表"). Nothing moves on to another
// page; saving pages as images uses this to skip a failed page under its own name.
bool DrawCurrentPage(Component& c);

// PrintReportPage, telling whether the page drew whole: false when an error was caught on
// the way (the page went up to the dispatcher, or its own trap stopped it or drew on past it).
bool PrintReportPageWhole(Component& c);

// The print dialog's page list: row i (from 0) is page i + 1.
class PageList {
public:
    virtual ~PageList() = default;
    virtual int rowCount() const = 0;
    virtual bool isSelected(int row) const = 0;
    virtual void deselect(int row) = 0;
};

using PageSetupStep = std::function<void(Component&)>;

struct PrintedPages {
    int printed = 0;              // pages drawn and ended as jobs
    std::vector<int> notWhole;    // of those, the pages that did not draw whole, in order
};

// Prints every selected row in order, one print job per page: CurrentPage := row + 1, the
// printer set up for the page (ReportPageSetup unless a test passes its own step), the
// page drawn, the row deselected. The caller has already set PrintMode -1 and OutputTarget.
// A stop signal (see InterruptibleRun) ends the loop before the next page; the rows not
// reached stay selected.
PrintedPages PrintSelectedPages(Component& c, PageList& list, const PageSetupStep& setup = {});

}  // namespace tabulon
