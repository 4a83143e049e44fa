#pragma once
// The fixture of the three summary-table tests: a month of 31 days whose element tables hold
// both the four-time items and the hourly ones (items 1..27), with mode letters chosen per test.

#include "support/PageTestSupport.h"

#include <initializer_list>
#include <optional>
#include <utility>

namespace tabulon::test {

class BriefTableTest : public PageTest {
protected:
    void SetUp() override
    {
        PageTest::SetUp();
        c.state.StationKind = ManualStation;
        ReportTables& t = c.tables;
        t.AfilePara(2) = QStringLiteral("2003");
        t.AfilePara(3) = QStringLiteral("3");
        t.AfilePara(4) = 31;
        t.AfilePara(7) = QStringLiteral("54511");
        for (TextTable* table : {&t.AStationPressure, &t.AAirTemperature, &t.ARelativeHumidity,
                                 &t.AGroundTemperature, &t.AEvaporationE601B, &t.ASunshine})
            table->dim({Bounds{1, 31}, Bounds{1, 27}});
        t.AWind.dim({Bounds{1, 31}, Bounds{1, 24}});
        letters({{1, "0"}, {2, "0"}, {4, "0"}, {5, "0"}, {6, "0"}, {12, "0"}, {15, "0"}, {16, "0"}});
        codes_.emplace(positionCoded());
    }

    void letters(std::initializer_list<std::pair<int, const char*>> modes)
    {
        for (const auto& [element, letter] : modes)
            c.tables.AfileMode(element) = QString::fromUtf8(letter);
    }
    const PositionCodedTables& codes() const { return *codes_; }
    // The code of a table cell, as the page should print it.
    QString code(const TextTable& table, int row, int item) const { return (*codes_)(table, row, item); }
    QString code(const TextList& list, int item) const { return (*codes_)(list, item); }
    QString code(const TextCube& cube, int i, int j, int k) const { return (*codes_)(cube, i, j, k); }

    std::optional<PositionCodedTables> codes_;
};

}  // namespace tabulon::test
