#include "window/PrintRun.h"

#include "platform/Printer.h"
#include "platform/RunInterruption.h"
#include "platform/QtPrinters.h"
#include "toolkit/ErrorReporter.h"
#include "toolkit/PageSetup.h"
#include "report/Component.h"
#include "window/PrintPageChoice.h"
#include "window/frmReportOutPut.h"
#include "toolkit/mduCustomPrint.h"

#include <QDir>
#include <QFileInfo>

namespace tabulon {

namespace {
// The title of the box that tells of print jobs lost.
const QString PrintContext = QStringLiteral("打印报表");
}  // namespace

void ApplyDefaultOrientation(Component& c)
{
    Printer* printer = c.printers().CurrentPrinter();
    if (!printer)
        return;
    if (const std::optional<std::int16_t> orientation = DefaultOrientation(c.canvas.PaperKind))
        printer->SetOrientation(*orientation);
    c.state.Orientation = printer->Orientation();
}

PrintLosses PrintChosenPages(Component& c, PageList& list, BriefTableBoxes& briefTables)
{
    PrintLosses losses;
    Printer* printer = c.printers().CurrentPrinter();
    if (!printer)
        return losses;
    printer->TakeOutputFailures();   // only this run's losses are told
    // The page set-up of each page picks the scale and margins for its paper.
    const Canvas& cv = c.canvas;
    OutputSettings::drawingOn(printer->surface(), cv.PageScale, cv.LeftMargin, cv.TopMargin).applyTo(c.canvas);
    {
        InterruptibleRun run;
        PrintedPages pages = PrintSelectedPages(c, list);
        losses.stoppedPages = std::move(pages.notWhole);
        losses.printed = pages.printed;
        for (int box = 0; box < static_cast<int>(briefTables.size()) && InterruptingSignal() == 0; ++box) {
            if (!briefTables[static_cast<size_t>(box)])
                continue;
            c.state.CurrentPage = BriefTablePage(c.state.PageCount, box);
            ReportPageSetup(c);
            if (!PrintReportPageWhole(c))
                losses.stoppedPages.push_back(c.state.CurrentPage);
            ++losses.printed;
            briefTables[static_cast<size_t>(box)] = false;
        }
        losses.interruptedBy = run.stopSignal();
    }
    DeleteReportCustomForm(c);
    // A job lost on the way out is never passed over as printed.
    losses.lostJobs = printer->TakeOutputFailures();
    if (!losses.lostJobs.isEmpty())
        ShowError(c, PrintContext, ReportError(75, losses.lostJobs.join(QStringLiteral("\r\n"))));
    return losses;
}

PdfPrintRun PrintPagesToPdf(Component& c, const QString& pdfPath, const std::vector<int>& pages)
{
    PdfPrintRun run;
    const QStringList titles = PrintPageTitles(c);
    SelectedRows rows(static_cast<int>(titles.size()));
    BriefTableBoxes briefTables{};
    const int pageCount = c.state.PageCount;
    for (int page : pages) {
        if (page >= 1 && page <= titles.size()) {
            rows.select(page - 1);
        } else if (HasBriefTables(c.state.ReportKind) && page > pageCount - 3 && page <= pageCount) {
            briefTables[static_cast<size_t>(page - (pageCount - 2))] = true;
        } else {
            run.refused = QStringLiteral("page %1 is not a page of the loaded report (1 to %2)").arg(page).arg(pageCount);
            return run;
        }
    }

    // A folder that cannot be made shows as the first job that cannot be written.
    QDir().mkpath(QFileInfo(pdfPath).absolutePath());
    auto printers = QtPrinterCollection::pdfFile(pdfPath);
    QtPrinterCollection* pdf = printers.get();
    c.setPrinters(std::move(printers));
    ApplyDefaultOrientation(c);
    {
        ScopedOutput output(c.canvas);
        output.restoreTo(AfterPrinting);
        static_cast<PrintLosses&>(run) = PrintChosenPages(c, rows, briefTables);
    }
    run.files = pdf->current()->jobFiles();
    return run;
}

}  // namespace tabulon
