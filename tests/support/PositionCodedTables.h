#pragma once
// Fills every table of one report kind with position-coded values, so a page test can tell
// which table cell a drawn text came from: a swapped item or column shows as a wrong code.
//
//   PositionCodedTables codes(c.tables, MonthlySurfaceReport);
//   codes(c.tables.AStationPressure, 3, 12)   // "A3.12": table tag, row (day), ".", item
//   codes(c.tables.AMonthStat, 5)             // "k05": one-dimensional tables, item >= 2 digits
//   codes(c.tables.AWindDirectionStat, 1, 2, 3)   // "r1.2.3"
//   codes.describe("A3.12")                   // "AStationPressure(3, 12)"
//
// Each table has a one-letter tag (A-Z then a-z, in declaration order). Every code holds
// either two runs of digits or a run of at least two, so FormatTwoDigits leaves it alone.
// The parameter block and the mode letters (AfilePara, AfileMode, RfilePara, YfilePara)
// are left to the test: pages branch on them. Tables never dimensioned are dimensioned
// first (rows 1..31, items 1..40; lists 1..40), dimensioned ones keep their bounds.

#include "report/ReportState.h"
#include "report/ReportTables.h"

#include <QString>
#include <vector>

namespace tabulon::test {

class PositionCodedTables {
public:
    PositionCodedTables(ReportTables& tables, int reportKind);

    QString operator()(const TextList& table, int item) const;
    QString operator()(const TextTable& table, int row, int item) const;
    QString operator()(const TextCube& table, int i, int j, int k) const;

    // "AStationPressure(3, 12)" for a code of a filled table; the text quoted otherwise.
    QString describe(const QString& text) const;

private:
    struct Entry {
        const void* table;
        QString name;
        QChar tag;
    };
    QChar tagOf(const void* table) const;
    void add(const void* table, const QString& name);

    std::vector<Entry> entries_;
};

}  // namespace tabulon::test
