#pragma once
// tabulon-host automation: print chosen pages of the loaded report, as the print dialog
// would, each page a job written to a PDF file of its own ("out.pdf" -> "out-1.pdf",
// "out-2.pdf", ... in page order). Options: --print-pdf FILE [--pages LIST].

#include <QString>
#include <vector>

namespace tabulon {
class Component;
}

// "1,3,5-7" -> 1, 3, 5, 6, 7 (sorted, once each); false on anything else.
bool ParsePageList(const QString& text, std::vector<int>& pages);

// 3 -> "page 3"; 3, 5 -> "pages 3, 5"; for the run's summary.
QString PageListText(const std::vector<int>& pages);

// What a save's or print's summary line adds for the pages an error stopped and for the
// signal that stopped the run: "; pages 3, 5 stopped on an error; interrupted by SIGTERM",
// empty when there was neither.
QString RunLossesText(const std::vector<int>& stopped, int interruptedBy);

// Prints the pages (every page when none are given), says how many were printed and which
// an error stopped, and lists the files written whole on standard output; returns 0, or 1
// when any page was not printed whole: a page the report has not got (told on standard
// error, nothing printed), a page an error stopped while it was drawn, a job file that
// could not be written (told on standard error).
int PrintLoadedReportToPdf(tabulon::Component& c, const QString& pdfPath, const std::vector<int>& pages);
