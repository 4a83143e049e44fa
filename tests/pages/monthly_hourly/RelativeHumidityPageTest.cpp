// The relative-humidity page: 27 columns of 684, means and minimum set off the label grid.
#include "support/PageTestSupport.h"
#include "pages/monthly_hourly/TenDayRenderers.h"

namespace tabulon::test {
namespace {

using RelativeHumidityPageTest = TenDayPageTest;

TEST_F(RelativeHumidityPageTest, HeadingsDayRowsAndStatistics)
{
    ATables& t = c.tables;
    t.ARelativeHumidity(1, 24) = QStringLiteral("5");
    t.ARelativeHumidity(1, 25) = QStringLiteral("31");
    t.ADailyStat(1, 7) = QStringLiteral("77");
    t.ADailyStat(1, 8) = QStringLiteral("78");
    t.ADekadStat(1, 108) = QStringLiteral("80");
    CanvasCallRecorder rec(c.canvas);
    PrintRelativeHumidity(c);

    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "相   对   湿   度        (%)", 16416, 400, 1020, 310))c"));
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "平  均", 1378, 400, 17426, 310))c"));
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "24次", 684, 400, 18120, 710))c"));
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "最小", 674, 800, 18804, 310))c"));

    // Values are printed as stored; the day row's last cell ends on the page edge.
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "5", 684, 330, 16752, 1110))c"));
    EXPECT_EQ(t.ARelativeHumidity(1, 24), "5");
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "77", 684, 330, 17448, 1110))c"));
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "78", 684, 330, 18132, 1110))c"));
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "31", 684, 330, 18816, 1110))c"));
    EXPECT_EQ(rowTexts(rec, 1110).size(), 27);

    // Statistics rows keep the label grid and never show a minimum.
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "80", 684, 330, 18120, 4410))c"));
    for (double y : {4410, 8040, 12000, 12330}) {
        const auto last = cellsAt(rec, 18804, y);
        ASSERT_EQ(last.size(), 1u) << y;
        EXPECT_EQ(last[0].text, "---");
        EXPECT_EQ(last[0].textAlign, 0);
        EXPECT_EQ(cellsAt(rec, 17436, y).at(0).textAlign, 2);
    }
    EXPECT_TRUE(boxes().shown.empty());
}

TEST_F(RelativeHumidityPageTest, FrameRulesAndBlankDays)
{
    c.tables.AfilePara(4) = 30;
    c.tables.AMonthStat(19) = QStringLiteral("12");
    CanvasCallRecorder rec(c.canvas);
    PrintRelativeHumidity(c);
    EXPECT_TRUE(rec.contains("DrawVerticalLine(1020, 310, 1200, 4)"));
    EXPECT_TRUE(rec.contains("DrawVerticalLine(4440, 710, 1110, 4)"));
    EXPECT_TRUE(rec.contains("DrawVerticalLine(5124, 710, 1110, 4)"));
    EXPECT_TRUE(rec.contains("DrawVerticalLine(17448, 310, 1110, 4)"));
    EXPECT_TRUE(rec.contains("DrawVerticalLine(5124, 710, 12660, 4)"));
    EXPECT_TRUE(rec.contains("DrawVerticalLine(4440, 700, 12660, 4)"));
    EXPECT_TRUE(rec.contains("DrawVerticalLine(19488, 1110, 12660, 4)"));
    EXPECT_TRUE(rec.contains("DrawHorizontalLine(1020, 12990, 6492, 4)"));
    EXPECT_TRUE(rec.contains("DrawVerticalLine(6492, 12660, 13000, 4)"));
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "12", 1368, 330, 2388, 12660))c"));
    // Day 31 of a 30-day month: one row of 27 blank cells.
    const QStringList row31 = rowTexts(rec, 11670);
    EXPECT_EQ(row31, QStringList(27, QStringLiteral("  ")));
    EXPECT_EQ(rec.strings().last(), R"c(PrintCell(0, "-5-", 19500, 300, 0, 13300))c");
    // Nothing spills past the page's right edge (the label literal ends in a blank).
    for (const CanvasCall& call : rec.ofKind(CanvasCall::Kind::PrintCell))
        EXPECT_LE(call.numbers[3] + call.numbers[1], 19500) << call.toString().toStdString();
    for (const RecordedLine& line : surface.lines())
        EXPECT_LE(std::max(line.x1, line.x2), 19500 + 20);
}

}  // namespace
}  // namespace tabulon::test

namespace tabulon::test {
namespace {

TEST_F(RelativeHumidityPageTest, WholePageOverPositionCodedTables)
{
    ATables& t = c.tables;
    const PositionCodedTables codes = positionCoded();
    CanvasCallRecorder rec(c.canvas);
    PrintRelativeHumidity(c);

    PageExpectation page(codes);
    for (int d = 1; d <= 31; ++d) {
        QStringList hours;
        for (int hour = 1; hour <= 24; ++hour)
            hours << codes(t.ARelativeHumidity, d, hour);
        page.row(TenDayRowY(d), 1020, 684, hours);
        page.row(TenDayRowY(d), {17448, 18132, 18816},
                 {codes(t.ADailyStat, d, 7), codes(t.ADailyStat, d, 8), codes(t.ARelativeHumidity, d, 25)});
    }
    for (int p = 1; p <= 4; ++p) {
        QStringList row;
        for (int k = 1; k <= 26; ++k)
            row << codes(t.ADekadStat, p, 82 + k);
        page.row(TenDayStatisticsY(p), 1020, 684, row << QStringLiteral("---"));
    }
    page.row(TenDayExtremesY, 1020, 1368, {"最小", codes(t.AMonthStat, 19), "日期", codes(t.AMonthStat, 20)});
    page.only(1020, 1110, 19500, 12990);
    EXPECT_TRUE(page.matches(rec));
    EXPECT_TRUE(boxes().shown.empty());
}

}  // namespace
}  // namespace tabulon::test
