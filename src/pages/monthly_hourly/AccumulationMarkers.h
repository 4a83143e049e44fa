#pragma once
// The hourly precipitation table marks an amount that covers several hours: "A" on its
// first hour and "-" on each further hour; the hour that holds the amount ends the run.
// The page draws such a run as an arrow leading to the amount.

#include <QString>
#include <QStringList>

namespace tabulon {

inline const QString ArrowHead = QStringLiteral("←---");
inline const QString ArrowShaft = QStringLiteral("----");

// Rewrites the markers of one day's hours, in order: an "A" becomes ArrowHead and each "-"
// after it ArrowShaft, until the first hour that is not "-". That hour ends the run: an "A"
// there becomes ArrowHead too but starts no run of its own (its "-" stay), and the scan goes
// on after it. Any other text, and a "-" outside a run, is kept. Rewritten hours hold no
// marker any more, so a second pass changes nothing.
QStringList MarkAccumulatedHours(QStringList hours);

}  // namespace tabulon
