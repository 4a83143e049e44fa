#pragma once
// Printing the pages chosen in the print dialog, and what closing the dialog restores.
// Also prints chosen pages of a loaded report to PDF files, for automation.

#include "toolkit/Dispatcher.h"
#include "toolkit/ScopedOutput.h"

#include <QString>
#include <QStringList>
#include <array>
#include <vector>

namespace tabulon {

class Component;

// A page list held in memory: row i is page i + 1.
class SelectedRows : public PageList {
public:
    explicit SelectedRows(int rows) : selected_(static_cast<size_t>(rows > 0 ? rows : 0), false) {}
    int rowCount() const override { return static_cast<int>(selected_.size()); }
    bool isSelected(int row) const override { return inRange(row) && selected_[static_cast<size_t>(row)]; }
    void deselect(int row) override { if (inRange(row)) selected_[static_cast<size_t>(row)] = false; }
    void select(int row) { if (inRange(row)) selected_[static_cast<size_t>(row)] = true; }

private:
    bool inRange(int row) const { return row >= 0 && row < rowCount(); }
    std::vector<bool> selected_;
};

// The brief-table boxes of the monthly surface report, first to third.
using BriefTableBoxes = std::array<bool, 3>;

// Sets the printer's orientation for the paper kind (the dialog's default) and copies the
// printer's orientation to the report state's Orientation. Nothing without a printer.
void ApplyDefaultOrientation(Component& c);

// What a print run did not deliver whole; each loss has been told in an error box already.
struct PrintLosses {
    QStringList lostJobs;             // jobs lost on the way out
    std::vector<int> stoppedPages;    // pages an error stopped while they were drawn, in order
    int printed = 0;                  // pages drawn and ended as jobs
    int interruptedBy = 0;            // the signal that stopped the run after a page
    bool any() const { return !lostJobs.isEmpty() || !stoppedPages.empty() || interruptedBy != 0; }
};

// The dialog's OK: output to the current printer, every selected row printed and deselected,
// then every ticked brief table printed and unticked, each page a job of its own; the
// custom paper form is removed afterwards. Output stays on the printer. Nothing is printed
// without a printer. Jobs lost on the way out are told in an error box; they and the pages
// an error stopped are returned. SIGINT, SIGTERM or SIGHUP stop the run once the page in
// hand has ended its job (see InterruptibleRun); the caller then says so and ends the process.
PrintLosses PrintChosenPages(Component& c, PageList& list, BriefTableBoxes& briefTables);

// What closing the dialog leaves, whatever was printed: preview output at scale 1 with no
// margins and no target.
inline const OutputSettings AfterPrinting = OutputSettings::preview();

struct PdfPrintRun : PrintLosses {
    QStringList files;   // the job files written whole (a lost job is not among them)
    QString refused;     // why nothing was printed: a page the report has not got
};

// Prints the given pages (1-based, in ascending order) of the loaded report as the print
// dialog would, on a printer that writes each job to its own PDF file ("out.pdf" ->
// "out-1.pdf", ...). On a page the report has not got, nothing is printed.
PdfPrintRun PrintPagesToPdf(Component& c, const QString& pdfPath, const std::vector<int>& pages);

}  // namespace tabulon
