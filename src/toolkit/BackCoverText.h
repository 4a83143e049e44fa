#pragma once
// Dated entries of the back pages (the month's notes, the station's history): a date cell
// and its text broken character by character into rows of 330 twips, each continuation
// row with an empty date cell. Shared by the monthly back cover and the yearly back page.

#include "report/Table.h"

#include <QString>
#include <QStringList>

namespace tabulon {

class Component;

// Rows stop here, below the frame of the back pages: an entry at or past it prints nothing.
constexpr double LastEntryRow = 13650;

// items[1] is the date, items[2] the text (items[0] and any further items are not printed;
// a missing text prints as empty). The entry starts at row y, its date cell labelW wide at
// x and its text column textW wide beside it; y is advanced past the entry's last row.
// Errors are reported with "打印封底文字部分" and end the entry, y as it stood then
// (an entry without a date field prints nothing). Leaves TextAlign at 1.
void PrintBackCoverText(Component& c, const QStringList& items, double labelW, double textW, double x,
                        double& y);

// The station-history records as dated entries from row y on (y advanced past them), and
// the schedule codes' text appended to remarksLine (never cleared) for the caller to print.
void PrintStationChangeNotes(Component& c, const TextList& records, double labelW, double textW, double x,
                             double& y, QString& remarksLine);

}  // namespace tabulon
