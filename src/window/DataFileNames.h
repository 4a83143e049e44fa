#pragma once
// Which files of a folder are data files of a report kind: the A, R and Y naming rules,
// and the folder scan the file chooser lists.

#include <QString>
#include <QStringList>

namespace tabulon {

// "A", "R" or "Y" for report kinds 1, 2 and 3; empty for any other kind.
QString FileLetterFor(int reportKind);

// True when name (any case, no folder) is a data file name of the kind with this letter:
//   A: L?nnnn-yyyymm.TXT or L?nnnn-yyyymm-k.TXT with k 0, 1 or 9, month below 13;
//   R: L?nnnn-yyyymm.TXT only;
//   Y: L?nnnn-yyyy.TXT or L?nnnn-yyyy-k.TXT with k 0 or 1.
bool IsDataFileName(const QString& name, const QString& letter);

// The data files of the kind in folder (a system-style path), upper-cased and in name order,
// so the list is the same on every machine. A missing or unreadable folder gives none.
QStringList ListDataFiles(const QString& folder, const QString& letter);

}  // namespace tabulon
