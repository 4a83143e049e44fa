#pragma once
// The day-grid pages' fixture: a reference station's March with the hourly tables of these
// pages dimensioned 31 x 24 and their mode letters set so that every page prints values.

#include "support/PageTestSupport.h"

namespace tabulon::test {

class DayGridPageTest : public PageTest {
protected:
    void SetUp() override
    {
        PageTest::SetUp();
        ATables& t = c.tables;
        t.AfilePara(2) = 2003;
        t.AfilePara(3) = 3;
        t.AfilePara(4) = 31;
        t.AfilePara(7) = QStringLiteral("50953");
        t.AfileMode(7) = QStringLiteral("B");
        t.AfileMode(8) = QStringLiteral("A");
        t.AfileMode(9) = QStringLiteral("A");
        for (TextTable* table : {&t.AWetBulb, &t.ADewPoint, &t.ACloudHeight, &t.AVisibility,
                                 &t.AHourlyPrecipitation, &t.ACloudForm})
            table->dim({Bounds{1, 31}, Bounds{1, 24}});
    }

    static int countCells(const CanvasCallRecorder& rec, const QString& text, double y)
    {
        int n = 0;
        for (const CanvasCall& call : rec.withText(text))
            n += call.kind == CanvasCall::Kind::PrintCell && call.numbers[4] == y;
        return n;
    }
    // The last cell drawn at (x, y): the one that shows.
    static CanvasCall lastCellAt(const CanvasCallRecorder& rec, double x, double y)
    {
        const std::vector<CanvasCall> cells = CellsAt(rec, x, y);
        return cells.empty() ? CanvasCall{CanvasCall::Kind::PrintCell, {}, QStringLiteral("(none)")} : cells.back();
    }
};

// The codes of a table's items first..first + count - 1 of one day.
inline QStringList DayCodes(const PositionCodedTables& codes, const TextTable& table, int day, int first, int count)
{
    QStringList texts;
    for (int item = first; item < first + count; ++item)
        texts << codes(table, day, item);
    return texts;
}

// Rows of the day grid.
inline double DayGridRowY(int day) { return 1110 + 350 * (day - 1); }

}  // namespace tabulon::test
