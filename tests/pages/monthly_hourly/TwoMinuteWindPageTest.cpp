// The two-minute wind page: a three-tier heading band, split direction/speed cells and the
// month's fixed-time maximum row.
#include "support/PageTestSupport.h"
#include "pages/monthly_hourly/TenDayRenderers.h"
#include "pages/frame/TenDayLayout.h"

namespace tabulon::test {
namespace {

using TwoMinuteWindPageTest = TenDayPageTest;

TEST_F(TwoMinuteWindPageTest, WholePage)
{
    ATables& t = c.tables;
    // Direction 0 (north) and a speed that names the day and hour item.
    for (int d = 1; d <= 31; ++d) {
        for (int i = 1; i <= 24; ++i)
            t.AWind(d, i) = QStringLiteral("0/%1").arg(100 * d + i);
        t.ADailyStat(d, 16) = QStringLiteral("D%1.16").arg(d);
        t.ADailyStat(d, 17) = QStringLiteral("D%1.17").arg(d);
    }
    for (int p = 1; p <= 4; ++p)
        for (int k = 168; k <= 193; ++k)
            t.ADekadStat(p, k) = QStringLiteral("P%1.%2").arg(p).arg(k);
    t.AMonthStat(58) = QStringLiteral("125");
    t.AMonthStat(59) = QStringLiteral("315");
    t.AMonthStat(60) = QStringLiteral("17");
    CanvasCallRecorder rec(c.canvas);
    PrintTwoMinuteWind(c, 2);

    TenDayLayout l;
    l.rowOrigin = 1510;
    for (int d = 1; d <= 31; ++d) {
        const double y = l.dayRowY(d);
        for (int k = 1; k <= 24; ++k) {
            const auto cell = cellsAt(rec, 1040 + 710 * (k - 1), y);
            ASSERT_EQ(cell.size(), 1u) << d << "," << k;
            EXPECT_EQ(cell[0].text, QStringLiteral("N/%1").arg(100 * d + k));
            EXPECT_EQ(cell[0].numbers.back(), 1);   // split
            EXPECT_EQ(cell[0].textAlign, 1);
        }
        EXPECT_EQ(cellText(rec, 18080, y), QStringLiteral("D%1.16").arg(d));
        EXPECT_EQ(cellText(rec, 18790, y), QStringLiteral("D%1.17").arg(d));
        EXPECT_EQ(cellsAt(rec, 18790, y).at(0).textAlign, 2);
    }
    for (int p = 1; p <= 4; ++p) {
        const double y = l.statisticsRowY(p);
        for (int k = 1; k <= 26; ++k) {
            const auto cell = cellsAt(rec, 1040 + 710 * (k - 1), y);
            ASSERT_EQ(cell.size(), 1u);
            EXPECT_EQ(cell[0].toString(),
                      QStringLiteral(R"c(PrintCell(-1, "P%1.%2", 710, 330, %3, %4))c")
                          .arg(p).arg(167 + k).arg(1040 + 710 * (k - 1)).arg(y));
            EXPECT_EQ(cell[0].textAlign, 2);
        }
    }

    // Heading band: title, hours, "向 速", the means' headings; no fixed-hour rules.
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "日  期", 1040, 1200, 0, 310))c"));
    EXPECT_TRUE(rec.contains(
        R"c(PrintCell(-1, "自  动  观  测  二  分  钟  平  均  风  向  风  速   (0.1m/s)", 18460, 400, 1040, 310))c"));
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "21", 710, 400, 1040, 710))c"));
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "1", 710, 400, 3880, 710))c"));
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "20", 710, 400, 17370, 710))c"));
    EXPECT_EQ(rec.count(R"c(PrintCell(-1, "向 速", 710, 400, 17370, 1110))c"), 1);
    EXPECT_EQ(rec.withText(QStringLiteral("向 速")).size(), 24u);
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "风速平均", 1420, 400, 18080, 710))c"));
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "4次", 710, 400, 18080, 1110))c"));
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "24次", 710, 400, 18790, 1110))c"));
    EXPECT_TRUE(rec.withText(QStringLiteral("平  均")).empty());
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "月平均", 1040, 330, 0, 12730))c"));
    EXPECT_FALSE(rec.contains("DrawVerticalLine(4590, 710, 1510, 4)"));
    EXPECT_FALSE(rec.contains("DrawVerticalLine(4980, 710, 1110, 4)"));
    EXPECT_TRUE(rec.contains("DrawVerticalLine(1040, 310, 1510, 4)"));
    EXPECT_TRUE(rec.contains("DrawVerticalLine(9560, 710, 1510, 4)"));
    EXPECT_TRUE(rec.contains("DrawVerticalLine(19500, 310, 1560, 4)"));
    EXPECT_TRUE(rec.contains("DrawHorizontalLine(0, 1510, 19500, 4)"));

    // Row headings and body rules.
    EXPECT_TRUE(rec.contains("DrawVerticalLine(1040, 310, 13060, 4)"));
    EXPECT_TRUE(rec.contains("DrawHorizontalLine(0, 3160, 1080, 3)"));
    EXPECT_TRUE(rec.contains("DrawHorizontalLine(0, 13060, 1080, 4)"));
    EXPECT_TRUE(rec.contains("DrawHorizontalLine(0, 10420, 19500, 3)"));
    EXPECT_TRUE(rec.contains("DrawVerticalLine(18080, 710, 13060, 4)"));

    // The fixed-time maximum row from x 0, and its frame.
    EXPECT_EQ(rowTexts(rec, 13060), (QStringList{"125", "风向", "315", "日期", "17"}));
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "定时最大风速", 2460, 330, 0, 13060))c"));
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "17", 1420, 330, 8140, 13060))c"));
    EXPECT_TRUE(rec.contains("DrawHorizontalLine(0, 13390, 9560, 4)"));
    EXPECT_TRUE(rec.contains("DrawVerticalLine(9560, 13060, 13390, 4)"));
    EXPECT_TRUE(rec.contains("DrawVerticalLine(0, 13060, 13390, 4)"));
    EXPECT_EQ(rec.strings().last(), R"c(PrintCell(0, "-13-", 19500, 300, 0, 13550))c");
    EXPECT_TRUE(boxes().shown.empty());
}

TEST_F(TwoMinuteWindPageTest, WindCellsAreZeroFilledInPlaceThenNamed)
{
    ATables& t = c.tables;
    t.AfilePara(4) = 30;
    t.AWind(1, 1) = QStringLiteral("45/5");
    t.AWind(1, 2) = QStringLiteral("90/2");
    t.AWind(1, 3) = QStringLiteral("C/0");
    t.AWind(1, 4) = QStringLiteral("-/-");
    t.AWind(1, 5) = QStringLiteral("180/1");
    CanvasCallRecorder rec(c.canvas);
    PrintTwoMinuteWind(c, 3);
    const auto first = cellsAt(rec, 1040, 1510);
    ASSERT_EQ(first.size(), 1u);
    EXPECT_EQ(first[0].toString(), R"c(PrintCell(-1, "NE/05", 710, 330, 1040, 1510, 1))c");
    EXPECT_EQ(first[0].textAlign, 1);
    EXPECT_EQ(t.AWind(1, 1), "45/05");
    // Speeds below 3 are calm, whatever the direction.
    EXPECT_EQ(cellText(rec, 1750, 1510), "C/02");
    EXPECT_EQ(t.AWind(1, 2), "90/02");
    EXPECT_EQ(cellText(rec, 2460, 1510), "C/00");
    EXPECT_EQ(cellText(rec, 3170, 1510), "-/-");
    EXPECT_EQ(t.AWind(1, 4), "-/-");
    EXPECT_EQ(cellText(rec, 3880, 1510), "C/01");

    // A 30-day month: day 31 is a row of blank cells above the third statistics row.
    EXPECT_EQ(rowTexts(rec, 12070), QStringList(26, QStringLiteral("  ")));
    EXPECT_TRUE(rec.contains(
        R"c(PrintCell(-1, "二  分  钟  平  均  风  向  风  速   (0.1m/s)", 18460, 400, 1040, 310))c"));
    EXPECT_EQ(rec.strings().last(), R"c(PrintCell(0, "-20-", 19500, 300, 0, 13550))c");

    // Drawing again sees the rewritten cells and changes nothing more.
    PrintTwoMinuteWind(c, 3);
    EXPECT_EQ(t.AWind(1, 1), "45/05");
    EXPECT_TRUE(boxes().shown.empty());
}

TEST_F(TwoMinuteWindPageTest, PreviewPanesAndErrorContext)
{
    FakePanes panes;
    c.setPanes(&panes);
    c.canvas.PrintMode = 0;
    PrintTwoMinuteWind(c, 2);
    EXPECT_EQ(panes.sizes[0], (PaneSize{1075, 1545}));
    EXPECT_EQ(panes.sizes[1], (PaneSize{19550, 1545}));
    EXPECT_EQ(panes.sizes[2], (PaneSize{1075, 13060}));
    EXPECT_EQ(panes.sizes[3], (PaneSize{19550, 16200}));
    EXPECT_TRUE(boxes().shown.empty());

    c.tables.AWind.dim({Bounds{1, 31}, Bounds{1, 12}});
    PrintTwoMinuteWind(c, 2);
    EXPECT_EQ(boxes().titles(), QStringList{QStringLiteral("打印二分钟风向风速")});
}

}  // namespace
}  // namespace tabulon::test
