#pragma once
// A component with a loaded-looking hourly station's month and a recording surface, for the
// day-grid pages; tables filled with position codes so that a swapped day or item shows.

#include "pages/monthly_hourly/TenDayPageTestSupport.h"

#include <map>
#include <utility>

namespace tabulon::test {

// The code of a cell: day and item as one number, 3 or 4 digits ("306" for day 3, item 6),
// which the two-digit fill leaves as it is.
inline QString PositionCode(int day, int item) { return QString::number(100 * day + item); }

inline void FillWithPositionCodes(TextTable& table, int items)
{
    table.dim({Bounds{1, 31}, Bounds{1, items}});
    for (int d = 1; d <= 31; ++d)
        for (int m = 1; m <= items; ++m)
            table(d, m) = PositionCode(d, m);
}

// PrintCell texts keyed by their logical (x, y).
using CellMap = std::map<std::pair<double, double>, QString>;

// The positions where two cell maps differ, "x,y: actual | expected", empty when they agree.
inline QStringList CellDifferences(const CellMap& actual, const CellMap& expected)
{
    QStringList out;
    auto describe = [&](const std::pair<double, double>& at) {
        const auto a = actual.find(at);
        const auto e = expected.find(at);
        out << QStringLiteral("%1,%2: %3 | %4")
                   .arg(at.first)
                   .arg(at.second)
                   .arg(a == actual.end() ? QStringLiteral("(none)") : u'"' + a->second + u'"')
                   .arg(e == expected.end() ? QStringLiteral("(none)") : u'"' + e->second + u'"');
    };
    for (const auto& [at, text] : actual)
        if (!expected.contains(at) || expected.at(at) != text)
            describe(at);
    for (const auto& [at, text] : expected)
        if (!actual.contains(at))
            describe(at);
    return out;
}

#define EXPECT_CELLS(actual, expected) \
    EXPECT_TRUE(CellDifferences(actual, expected).isEmpty()) << CellDifferences(actual, expected).join(u'\n').toStdString()

class DayGridPageTest : public TenDayPageTest {
protected:
    void SetUp() override
    {
        TenDayPageTest::SetUp();
        ATables& t = c.tables;
        t.AfilePara(3) = 3;
        t.AfileMode(7) = QStringLiteral("B");
        t.AfileMode(8) = QStringLiteral("A");
        t.AfileMode(9) = QStringLiteral("A");
        for (TextTable* table : {&t.AWetBulb, &t.ADewPoint, &t.ACloudHeight, &t.AVisibility,
                                 &t.AHourlyPrecipitation, &t.ACloudForm})
            table->dim({Bounds{1, 31}, Bounds{1, 24}});
    }

    // The cells printed in the rows from y1 to y2 (inclusive) right of the date column,
    // each with the alignment it was printed with; a position printed twice keeps the last.
    static CellMap cellsIn(const CanvasCallRecorder& rec, double y1, double y2, double xMin = 1020)
    {
        CellMap cells;
        for (const CanvasCall& call : rec.ofKind(CanvasCall::Kind::PrintCell))
            if (call.numbers[4] >= y1 && call.numbers[4] <= y2 && call.numbers[3] >= xMin)
                cells[{call.numbers[3], call.numbers[4]}] = call.text;
        return cells;
    }
    static int countCells(const CanvasCallRecorder& rec, const QString& text, double y)
    {
        int n = 0;
        for (const CanvasCall& call : rec.withText(text))
            n += call.kind == CanvasCall::Kind::PrintCell && call.numbers[4] == y;
        return n;
    }
    static const CanvasCall* cellAt(const CanvasCallRecorder& rec, double x, double y)
    {
        const CanvasCall* found = nullptr;
        for (const CanvasCall& call : rec.calls())
            if (call.kind == CanvasCall::Kind::PrintCell && call.numbers[3] == x && call.numbers[4] == y)
                found = &call;
        return found;
    }
};

}  // namespace tabulon::test
