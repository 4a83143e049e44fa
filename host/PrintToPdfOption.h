#pragma once
// tabulon-host automation: "--print-pdf FILE --pages LIST" prints the listed pages of the
// loaded report, as the print dialog would, each page a job written to a PDF file of its own
// (FILE "out.pdf" -> "out-1.pdf", "out-2.pdf", ... in page order).
// LIST is page numbers and ranges: "1,3,5-7"; without --pages every page is printed.

#include <QString>
#include <QStringList>
#include <vector>

namespace tabulon {

class Component;

struct PrintToPdfRequest {
    bool requested = false;
    QString pdfPath;
    std::vector<int> pages;   // empty: every page
    QString error;            // set when the options cannot be understood
};

PrintToPdfRequest ParsePrintToPdfOptions(const QStringList& arguments);

// Prints and reports the files written on standard output; 0 on success, 2 on an error
// (told on standard error).
int RunPrintToPdf(Component& c, const PrintToPdfRequest& request);

}  // namespace tabulon
