#pragma once
// Saving every page of the loaded report as an image: each page is drawn off screen,
// written as a bitmap in SystemPath & "ReportFile\Rpic\", handed to the image encoder
// and deleted again. The preview is as before afterwards, whatever happened.

#include <QString>
#include <functional>
#include <vector>

namespace tabulon {

class Component;

// The off-screen page: 21000 x 15000 twips, the page drawn 750 twips in from the corner.
constexpr double ExportWidth = 21000;
constexpr double ExportHeight = 15000;
constexpr int ExportMargin = 750;

// The question asked before saving.
QString SaveConfirmationText(const QString& systemPath);

// The pages saved: the monthly surface report by station kind, 6 for the yearly report,
// and the pages the preview offers for the radiation report; 0 for anything else.
int ExportPageCount(const Component& c);

// "A5451120030" & "3_01.bmp" style bitmap name of a page; empty with `problem` set when
// the header fields do not make a plain file name.
QString PageImageName(const Component& c, int page, QString* problem = nullptr);

struct ExportResult {
    bool confirmed = false;
    int saved = 0;                // pages written and encoded
    std::vector<int> skipped;     // pages whose drawing failed, not saved (reported by the page dispatch)
    std::vector<int> stopped;     // pages saved as far as they drew: an error stopped them (reported by the page)
    bool aborted = false;         // stopped by a failure that was reported here
    int interruptedBy = 0;        // the signal that stopped the run (nothing half-made is left)
    // Every page asked for was saved whole.
    bool complete() const
    {
        return confirmed && !aborted && interruptedBy == 0 && skipped.empty() && stopped.empty();
    }
};

// Draws the current page on the output the drawing state points at; false when the page
// failed (and was reported). In preview it is the window's ordinary redraw.
using PageDrawer = std::function<bool(Component&)>;

// The "Save" command. `draw` is the page dispatch; tests put their own pages there.
// SIGINT, SIGTERM or SIGHUP stop the run after the page being written (see
// InterruptibleRun); the caller then says so and ends the process.
ExportResult SaveReportPages(Component& c, const PageDrawer& draw);
ExportResult SaveReportPages(Component& c);

}  // namespace tabulon
