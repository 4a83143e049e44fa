// The total- and low-cloud pages: 26 columns of 710 from 1040 and a class block below the month row.
#include "support/PageTestSupport.h"
#include "pages/monthly_hourly/TenDayRenderers.h"
#include "pages/frame/TenDayLayout.h"
#include "toolkit/Dispatcher.h"

namespace tabulon::test {
namespace {

class CloudAmountPagesTest : public TenDayPageTest {
protected:
    // Every cell the page reads names its table, day (or period) and item.
    void codeTables()
    {
        ATables& t = c.tables;
        for (int d = 1; d <= 31; ++d) {
            for (int i = 1; i <= 24; ++i) {
                t.ATotalCloud(d, i) = QStringLiteral("T%1.%2").arg(d).arg(i);
                t.ALowCloud(d, i) = QStringLiteral("L%1.%2").arg(d).arg(i);
            }
            for (int i = 9; i <= 12; ++i)
                t.ADailyStat(d, i) = QStringLiteral("D%1.%2").arg(d).arg(i);
        }
        for (int p = 1; p <= 4; ++p)
            for (int k = 110; k <= 161; ++k)
                t.ADekadStat(p, k) = QStringLiteral("P%1.%2").arg(p).arg(k);
        for (int e = 1; e <= 2; ++e)
            for (int h = 1; h <= 5; ++h)
                for (int m = 1; m <= 3; ++m)
                    t.ACloudClassStat(e, h, m) = QStringLiteral("C%1%2%3").arg(e).arg(h).arg(m);
    }

    // Day rows and statistics rows, each cell at its column.
    void expectBody(const CanvasCallRecorder& rec, QChar table, int means, int dekadBase)
    {
        TenDayLayout l;
        l.cellOrigin = 1040;
        l.columnWidth = 710;
        for (int d = 1; d <= 31; ++d) {
            const double y = l.dayRowY(d);
            for (int k = 1; k <= 24; ++k)
                ASSERT_EQ(cellText(rec, l.columnX(k - 1), y), QStringLiteral("%1%2.%3").arg(table).arg(d).arg(k))
                    << d << "," << k;
            EXPECT_EQ(cellText(rec, 18080, y), QStringLiteral("D%1.%2").arg(d).arg(means));
            EXPECT_EQ(cellText(rec, 18790, y), QStringLiteral("D%1.%2").arg(d).arg(means + 1));
            EXPECT_EQ(rowTexts(rec, y).size(), 26) << d;
        }
        for (int p = 1; p <= 4; ++p) {
            const double y = l.statisticsRowY(p);
            for (int k = 1; k <= 26; ++k)
                ASSERT_EQ(cellText(rec, l.columnX(k - 1), y), QStringLiteral("P%1.%2").arg(p).arg(dekadBase + k));
            EXPECT_EQ(rowTexts(rec, y).size(), 26) << p;
        }
    }
};

TEST_F(CloudAmountPagesTest, TotalCloudPage)
{
    codeTables();
    CanvasCallRecorder rec(c.canvas);
    PrintCloudAmount(c, -1);
    expectBody(rec, u'T', 9, 109);

    // Headings.
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "总     云    量      (成)", 17040, 400, 1040, 310))c"));
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "平  均", 1420, 400, 18080, 310))c"));
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "21", 710, 400, 1040, 710))c"));
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "24次", 710, 400, 18790, 710))c"));
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "月平均", 1040, 330, 0, 12330))c"));
    EXPECT_TRUE(rec.withText(QStringLiteral("月极值")).empty());

    // Day 12 at 02 h, right-aligned.
    const auto day12 = cellsAt(rec, 4590, 5070);
    ASSERT_EQ(day12.size(), 1u);
    EXPECT_EQ(day12[0].toString(), R"c(PrintCell(-1, "T12.6", 710, 330, 4590, 5070))c");
    EXPECT_EQ(day12[0].textAlign, 2);

    // The class block, centred.
    EXPECT_TRUE(rec.contains(R"c(PrintWrappedText(-1, 1730, 660, 0, 12660, "日平均总云量日数(4次)", 330, 6))c"));
    EXPECT_TRUE(rec.contains(R"c(PrintWrappedText(-1, 1420, 660, 6700, 12660, "总云量 出现回数", 330, 4))c"));
    EXPECT_EQ(rowTexts(rec, 12660).mid(0, 4), (QStringList{"量别", "0.0-1.9", "2.0-8.0", "8.1-10.0"}));
    EXPECT_EQ(rowTexts(rec, 12990).mid(0, 4), (QStringList{"日数", "C151", "C152", "C153"}));
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "C153", 1420, 330, 5280, 12990))c"));
    EXPECT_EQ(rowTexts(rec, 12660).mid(4), (QStringList{"量别", "0-2", "3-7", "8-10", "量别", "0-2", "3-7", "8-10",
                                                         "量别", "0-2", "3-7", "8-10", "量别", "0-2", "3-7", "8-10"}));
    EXPECT_EQ(rowTexts(rec, 12990).mid(4),
              (QStringList{"2时", "C111", "C112", "C113", "8时", "C121", "C122", "C123", "14时", "C131", "C132",
                           "C133", "20时", "C141", "C142", "C143"}));
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "C143", 710, 330, 18770, 12990))c"));
    EXPECT_EQ(cellsAt(rec, 18770, 12990).at(0).textAlign, 0);

    // Frame.
    EXPECT_TRUE(rec.contains("DrawVerticalLine(4590, 710, 1110, 4)"));
    EXPECT_TRUE(rec.contains("DrawVerticalLine(5300, 710, 12660, 4)"));
    EXPECT_TRUE(rec.contains("DrawVerticalLine(18080, 310, 1110, 4)"));
    EXPECT_TRUE(rec.contains("DrawVerticalLine(0, 310, 13320, 4)"));
    EXPECT_TRUE(rec.contains("DrawVerticalLine(1020, 310, 12660, 4)"));
    EXPECT_TRUE(rec.contains("DrawHorizontalLine(0, 2760, 1040, 3)"));
    EXPECT_TRUE(rec.contains("DrawVerticalLine(19500, 310, 13320, 4)"));
    EXPECT_TRUE(rec.contains("DrawHorizontalLine(0, 13320, 19500, 4)"));
    EXPECT_FALSE(rec.contains("DrawHorizontalLine(0, 12990, 1040, 4)"));
    EXPECT_EQ(rec.strings().last(), R"c(PrintCell(0, "-7-", 19500, 300, 0, 13500))c");
    EXPECT_TRUE(boxes().shown.empty());
}

TEST_F(CloudAmountPagesTest, LowCloudPage)
{
    codeTables();
    c.tables.AfilePara(4) = 30;
    CanvasCallRecorder rec(c.canvas);
    PrintCloudAmount(c, 0);
    // Day 31 of a 30-day month is a blank row; check the 30 days drawn and the statistics.
    TenDayLayout l;
    EXPECT_EQ(rowTexts(rec, l.dayRowY(31)), QStringList(26, QStringLiteral("  ")));
    EXPECT_EQ(cellText(rec, 1040, 4410), "P1.136");
    EXPECT_EQ(cellText(rec, 18790, 12330), "P4.161");
    EXPECT_EQ(cellText(rec, 17370, l.dayRowY(30)), "L30.24");
    EXPECT_EQ(cellText(rec, 18080, l.dayRowY(30)), "D30.11");
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "低     云    量      (成)", 17040, 400, 1040, 310))c"));
    EXPECT_TRUE(rec.contains(R"c(PrintWrappedText(-1, 1730, 660, 0, 12660, "日平均低云量日数(4次)", 330, 6))c"));
    EXPECT_TRUE(rec.contains(R"c(PrintWrappedText(-1, 1420, 660, 6700, 12660, "低云量 出现回数", 330, 4))c"));
    EXPECT_EQ(cellText(rec, 2440, 12990), "C251");
    EXPECT_EQ(cellText(rec, 18770, 12990), "C243");
    EXPECT_EQ(rec.strings().last(), R"c(PrintCell(0, "-8-", 19500, 300, 0, 13500))c");
    EXPECT_TRUE(boxes().shown.empty());
}

TEST_F(CloudAmountPagesTest, ClassBlockDrawnForAnEmptyMonth)
{
    CanvasCallRecorder rec(c.canvas);
    PrintCloudAmount(c, -1);
    EXPECT_EQ(rowTexts(rec, 12990).size(), 20);
    EXPECT_EQ(cellText(rec, 2440, 12990), "");
}

TEST_F(CloudAmountPagesTest, UnallocatedTableIsReportedByTheDispatcher)
{
    c.tables.ATotalCloud = TextTable();
    c.state.StationKind = 3;
    c.state.PageCount = 37;
    c.state.CurrentPage = 8;   // the total-cloud page of a reference station
    EXPECT_FALSE(DrawCurrentPage(c));
    EXPECT_EQ(boxes().titles(), QStringList{QStringLiteral("地面月报表")});
}

}  // namespace
}  // namespace tabulon::test
