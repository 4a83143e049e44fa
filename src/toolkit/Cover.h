#pragma once
// The cover, the first page of every report: form number, title, the station's
// identification, position and heights, the staff lines to be signed, the issuing authority.

#include <QString>
#include <array>

namespace tabulon {

class Component;
struct ReportTables;

// coverKind: 1 manual, 2 automatic, 3 reference station (monthly surface report),
// 4 yearly report, 5 radiation report. Registered as the renderer PrintCover.
// Errors end the page and are reported with "打印" and the form number.
void PrintCover(Component& c, int coverKind);

// The twenty cover lines (index 0 is line 1) for a cover kind; all empty for a kind
// outside 1..5. Reads the header and station tables of the kind's report.
std::array<QString, 20> CoverLines(const ReportTables& t, int coverKind);

// The form number printed at the top left; the radiation entry names the station's class
// from RfilePara(11). Raises error 9 for a kind outside 1..5.
QString CoverFormNumber(const ReportTables& t, int coverKind);

// "39.57N" -> "39 °57 ′N": degrees, two-digit minutes, hemisphere letter.
QString CoverPositionText(const QString& text);

}  // namespace tabulon
