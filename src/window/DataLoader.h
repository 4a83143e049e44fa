#pragma once
// The data loader: reads the chosen data file through the outside reader into the report
// tables and shows the report.

#include <QString>

namespace tabulon {

class Component;

// Loads folder & fileName for the current ReportKind. Returns true when the chooser
// should close (the report was taken over), false when it stays open.
bool LoadReportFile(Component& c, const QString& folder, const QString& fileName);

}  // namespace tabulon
