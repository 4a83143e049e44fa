#pragma once
// The station's history as the printed form words it. A record is "code/date/fields..."
// (heights in tenths of a metre, coordinates as DDMM or DDDMM and a hemisphere letter,
// code 00 as DDMMSS and DDDMMSS). Most codes become one dated sentence; the two
// observation-schedule codes print nothing and build the line at the head of the remarks
// column instead. Pure: the records are read, never changed, and nothing is drawn.

#include "report/Table.h"

#include <QString>
#include <optional>
#include <vector>

namespace tabulon {

// The two codes that feed the remarks line: the observations a day ("10/4" adds
// "4次观测站    ") and the night watch ("11/守班" adds "夜间守班").
inline const QString ObservationsPerDayCode = QStringLiteral("10");
inline const QString NightWatchCode = QStringLiteral("11");
bool IsRemarkOnlyCode(const QString& code);

// One dated entry: the text of the date cell and the sentence printed beside it.
struct DatedEntry {
    QString date;
    QString text;
    bool operator==(const DatedEntry&) const = default;
};

// What one record gives: a dated entry, or a piece of the remarks line, or nothing
// (a code without a wording, the record "10/24/24小时连续观测").
struct StationChange {
    std::optional<DatedEntry> entry;
    QString remarks;
};

// A record's sentence. A field the code needs but the record lacks is taken as empty.
StationChange StationChangeSentence(const QString& record);

// Every record from element 1 to the last (element 0 is never read; a list never filled
// has none): the entries in record order, and the remarks line the schedule codes built.
struct StationChangeNotes {
    std::vector<DatedEntry> entries;
    QString remarks;
};
StationChangeNotes StationChangeSentences(const TextList& records);

// The date of a change as printed: "0315" -> "15/3", "0315-0320" -> "15/3-20/3",
// "05" -> "5", "" stays empty.
QString StationChangeDate(const QString& date);

}  // namespace tabulon
