#pragma once
// The back cover of the monthly surface report: the month's notes with their dates, the
// weather and climate summary as running text, and the remarks column with the station's
// history. When the history needs 35 rows or more the summary moves below the notes and
// the remarks take the right two thirds of the page.

#include <QString>

namespace tabulon {

class Component;
struct ReportTables;

// coverKind (1..3 by station kind) does not change the page. Registered as the renderer
// PrintBackCover. Errors end the page and are reported with "打印封底".
void PrintBackCover(Component& c, int coverKind);

// The rows the station-history records are estimated to need, from their raw texts in the
// font in force on OutputTarget (widths taken in logical twips, so every output agrees).
int StationHistoryRows(Component& c);

// The first row of the remarks column: for a reference station whether an automatic
// station is fitted, then the schedule text the history records built.
QString BackCoverRemarksLine(const ReportTables& t, const QString& schedule);

// Whether an automatic station is fitted, as the back pages word it: "是否配有自动气象站：否"
// for a station observing by hand, "…：是" otherwise.
QString AutomaticStationRemark(bool manual);

}  // namespace tabulon
