// The vapour-pressure and soil-temperature pages: cells from 1040 on a rule grid from 1020,
// and the rows filled by the observation-mode letters.
#include "support/PageTestSupport.h"
#include "pages/monthly_hourly/TenDayRenderers.h"
#include "pages/frame/TenDayLayout.h"

namespace tabulon::test {
namespace {

constexpr double FixedHourX[4] = {4590, 8850, 13110, 17370};
constexpr double X14h = 13110;

class HourlyWithMeansPagesTest : public TenDayPageTest {
protected:
    // Day-row cells name day and item (100 d + i, which zero-filling leaves as it is),
    // statistics "Pp.k", daily means "Dd.i".
    void codeTable(TextTable& table)
    {
        for (int d = 1; d <= 31; ++d)
            for (int i = 1; i <= 24; ++i)
                table(d, i) = QString::number(100 * d + i);
    }
    void codeStatistics()
    {
        ATables& t = c.tables;
        for (int d = 1; d <= 31; ++d)
            for (int i = 5; i <= 39; ++i)
                t.ADailyStat(d, i) = QStringLiteral("D%1.%2").arg(d).arg(i);
        for (int p = 1; p <= 4; ++p)
            for (int k = 57; k <= 457; ++k)
                t.ADekadStat(p, k) = QStringLiteral("P%1.%2").arg(p).arg(k);
    }
    static double columnX(int column) { return 1040 + 710 * column; }
};

TEST_F(HourlyWithMeansPagesTest, VapourPressurePage)
{
    ATables& t = c.tables;
    codeTable(t.AVapourPressure);
    codeStatistics();
    t.AVapourPressure(2, 3) = QStringLiteral("7");
    for (int i = 15; i <= 18; ++i)
        t.AMonthStat(i) = QStringLiteral("M%1").arg(i);
    CanvasCallRecorder rec(c.canvas);
    PrintHourlyWithMeans(c, 1, 2);

    const TenDayLayout l;
    for (int d = 1; d <= 31; ++d) {
        const double y = l.dayRowY(d);
        for (int k = 1; k <= 24; ++k) {
            if (d == 2 && k == 3)
                continue;
            ASSERT_EQ(cellText(rec, columnX(k - 1), y), QString::number(100 * d + k)) << d << "," << k;
        }
        EXPECT_EQ(cellText(rec, 18080, y), QStringLiteral("D%1.5").arg(d));
        EXPECT_EQ(cellText(rec, 18790, y), QStringLiteral("D%1.6").arg(d));
        EXPECT_EQ(rowTexts(rec, y).size(), 26);
    }
    for (int p = 1; p <= 4; ++p)
        for (int k = 1; k <= 26; ++k)
            ASSERT_EQ(cellText(rec, columnX(k - 1), l.statisticsRowY(p)), QStringLiteral("P%1.%2").arg(p).arg(56 + k));
    // Hourly cells are zero-filled in the shared table.
    EXPECT_EQ(cellText(rec, columnX(2), l.dayRowY(2)), "07");
    EXPECT_EQ(t.AVapourPressure(2, 3), "07");

    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "水   汽   压       (0.1hpa)", 17040, 400, 1020, 310))c"));
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "平  均", 1420, 400, 18060, 310))c"));
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "21", 710, 400, 1040, 710))c"));
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "24次", 710, 400, 18790, 710))c"));
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "月极值", 1020, 330, 0, 12660))c"));
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "最大", 1420, 330, 1020, 12660))c"));
    EXPECT_EQ(rowTexts(rec, 12660), (QStringList{"最大", "M15", "日期", "M16", "最小", "M17", "日期", "M18"}));
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "M18", 1420, 330, 10960, 12660))c"));

    EXPECT_TRUE(rec.contains("DrawVerticalLine(4570, 710, 1110, 4)"));
    EXPECT_TRUE(rec.contains("DrawVerticalLine(5280, 710, 12660, 4)"));
    EXPECT_TRUE(rec.contains("DrawVerticalLine(18060, 310, 1110, 4)"));
    EXPECT_TRUE(rec.contains("DrawVerticalLine(19480, 310, 1160, 4)"));
    EXPECT_TRUE(rec.contains("DrawVerticalLine(19480, 310, 12660, 4)"));
    EXPECT_TRUE(rec.contains("DrawVerticalLine(0, 310, 12990, 4)"));
    EXPECT_TRUE(rec.contains("DrawHorizontalLine(0, 12990, 1020, 4)"));
    EXPECT_TRUE(rec.contains("DrawHorizontalLine(1020, 12990, 12380, 4)"));
    EXPECT_TRUE(rec.contains("DrawVerticalLine(12380, 12660, 13000, 4)"));
    EXPECT_EQ(rec.strings().last(), R"c(PrintCell(0, "-4-", 19500, 300, 0, 13300))c");
    EXPECT_TRUE(boxes().shown.empty());
}

TEST_F(HourlyWithMeansPagesTest, ShallowSoilByItsLetter)
{
    ATables& t = c.tables;
    codeStatistics();
    t.AfilePara(4) = 30;
    t.ASoilTemp5cm(1, 1) = QStringLiteral("5");
    t.ASoilTemp5cm(1, 2) = QStringLiteral("-6");
    t.ASoilTemp5cm(1, 3) = QStringLiteral("7");
    t.ASoilTemp5cm(1, 4) = QStringLiteral("8");
    {
        t.AfileMode(16) = QStringLiteral("B");
        CanvasCallRecorder rec(c.canvas);
        PrintHourlyWithMeans(c, 2, 2);
        EXPECT_EQ(cellText(rec, 1040, 1110), "05");
        EXPECT_EQ(cellText(rec, 1040, 4410), "P1.250");
        EXPECT_EQ(cellText(rec, 18790, 12330), "P4.275");
        EXPECT_EQ(cellText(rec, 18790, 1110), "D1.25");
        EXPECT_EQ(t.ASoilTemp5cm(1, 1), "05");
        t.ASoilTemp5cm(1, 1) = QStringLiteral("5");
        t.ASoilTemp5cm(1, 2) = QStringLiteral("-6");
        t.ASoilTemp5cm(1, 3) = QStringLiteral("7");
        t.ASoilTemp5cm(1, 4) = QStringLiteral("8");
    }
    {
        // Four readings: framed blanks, the readings as stored, both means; the
        // statistics show four values and the 4-observation mean.
        t.AfileMode(16) = QStringLiteral("2");
        CanvasCallRecorder rec(c.canvas);
        PrintHourlyWithMeans(c, 2, 2);
        const QStringList day = rowTexts(rec, 1110);
        EXPECT_EQ(day.mid(0, 26), QStringList(26, QStringLiteral(" ")));
        EXPECT_EQ(day.mid(26), (QStringList{"5", "-6", "7", "8", "D1.24", "D1.25"}));
        for (int h = 0; h < 4; ++h)
            EXPECT_EQ(cellsAt(rec, FixedHourX[h], 1110).size(), 2u);
        EXPECT_EQ(cellText(rec, 4590, 1110), "5");
        EXPECT_EQ(t.ASoilTemp5cm(1, 1), "5");
        const QStringList stats = rowTexts(rec, 8040);
        EXPECT_EQ(stats.mid(0, 26), QStringList(26, QStringLiteral(" ")));
        EXPECT_EQ(stats.mid(26), (QStringList{"P2.250", "P2.251", "P2.252", "P2.253", "P2.254"}));
        EXPECT_EQ(cellText(rec, 18080, 8040), "P2.254");
        EXPECT_EQ(cellText(rec, 18790, 8040), " ");
        // Day 31 of the 30-day month stays blank; the statistics rows keep their places.
        EXPECT_EQ(rowTexts(rec, 11670), QStringList(26, QStringLiteral("  ")));
        EXPECT_EQ(cellText(rec, 18080, 12000), "P3.254");
    }
    {
        // Not observed: empty hour cells and the means; no statistics, not even frames.
        t.AfileMode(16) = QStringLiteral("=");
        CanvasCallRecorder rec(c.canvas);
        PrintHourlyWithMeans(c, 6, 3);
        EXPECT_EQ(rowTexts(rec, 1110), QStringList(24, QString()) + QStringList({"D1.32", "D1.33"}));
        for (double y : {4410, 8040, 12000, 12330})
            EXPECT_TRUE(rowTexts(rec, y).isEmpty()) << y;
        EXPECT_EQ(rec.strings().last(), R"c(PrintCell(0, "-27-", 19500, 300, 0, 13300))c");
    }
    {
        t.AfileMode(16) = QStringLiteral("A");
        CanvasCallRecorder rec(c.canvas);
        PrintHourlyWithMeans(c, 3, 2);
        EXPECT_EQ(rowTexts(rec, 1110), (QStringList{"D1.26", "D1.27"}));
        EXPECT_TRUE(rowTexts(rec, 4410).isEmpty());
    }
    EXPECT_TRUE(boxes().shown.empty());
}

TEST_F(HourlyWithMeansPagesTest, DeepSoilDayRowsByItsLetterStatisticsByTheShallowOne)
{
    ATables& t = c.tables;
    codeStatistics();
    codeTable(t.ASoilTemp160cm);
    t.ASoilTemp80cm(1, 1) = QStringLiteral("5");
    {
        // One reading a day at 14 h, formatted on a copy; hourly statistics.
        t.AfileMode(17) = QStringLiteral("0");
        t.AfileMode(16) = QStringLiteral("B");
        CanvasCallRecorder rec(c.canvas);
        PrintHourlyWithMeans(c, 7, 2);
        QStringList expected(24, QString());
        expected[17] = QStringLiteral("05");
        EXPECT_EQ(rowTexts(rec, 1110), expected + QStringList({"D1.34", "D1.35"}));
        EXPECT_EQ(cellText(rec, X14h, 1110), "05");
        EXPECT_EQ(t.ASoilTemp80cm(1, 1), "5");
        const QStringList stats = rowTexts(rec, 4410);
        ASSERT_EQ(stats.size(), 26);
        EXPECT_EQ(stats.first(), "P1.380");
        EXPECT_EQ(stats.last(), "P1.405");
        // The soil pages end at the month row.
        EXPECT_TRUE(rec.withText(QStringLiteral("月极值")).empty());
        EXPECT_TRUE(rec.contains("DrawVerticalLine(0, 310, 12660, 4)"));
        EXPECT_FALSE(rec.contains("DrawHorizontalLine(0, 12990, 1020, 4)"));
        EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "80cm    地      温  (0.1℃)", 17040, 400, 1020, 310))c"));
        EXPECT_EQ(rec.strings().last(), R"c(PrintCell(0, "-21-", 19500, 300, 0, 13300))c");
    }
    {
        // A shallow four-times letter: 26 blanks and the 14 h mean only.
        t.AfileMode(16) = QStringLiteral("9");
        t.AfileMode(17) = QStringLiteral("B");
        CanvasCallRecorder rec(c.canvas);
        PrintHourlyWithMeans(c, 8, 3);
        EXPECT_EQ(cellText(rec, 1040, 1110), "101");
        EXPECT_EQ(cellText(rec, 17370, 11670), "3124");
        const QStringList stats = rowTexts(rec, 12330);
        EXPECT_EQ(stats, QStringList(26, QStringLiteral(" ")) + QStringList({"P4.406"}));
        EXPECT_EQ(cellText(rec, X14h, 12330), "P4.406");
    }
    {
        // Digits other than "0" draw only the means; "=" draws empty hour cells.
        t.AfileMode(17) = QStringLiteral("9");
        CanvasCallRecorder rec(c.canvas);
        PrintHourlyWithMeans(c, 8, 2);
        EXPECT_EQ(rowTexts(rec, 1110), (QStringList{"D1.36", "D1.37"}));
        t.AfileMode(17) = QStringLiteral("B=");
        t.AfileMode(16) = QStringLiteral("=");
        CanvasCallRecorder rec2(c.canvas);
        PrintHourlyWithMeans(c, 9, 3);
        EXPECT_EQ(rowTexts(rec2, 1110), QStringList(24, QString()) + QStringList({"D1.38", "D1.39"}));
        EXPECT_TRUE(rowTexts(rec2, 4410).isEmpty());
        EXPECT_EQ(rec2.strings().last(), R"c(PrintCell(0, "-30-", 19500, 300, 0, 13300))c");
    }
    EXPECT_TRUE(boxes().shown.empty());
}

TEST_F(HourlyWithMeansPagesTest, PageNumbersPanesAndErrors)
{
    const int kind2[9] = {4, 16, 17, 18, 19, 20, 21, 22, 23};
    const int kind3[9] = {4, 23, 24, 25, 26, 27, 28, 29, 30};
    for (std::int16_t element = 1; element <= 9; ++element)
        for (std::int16_t variant : {2, 3}) {
            CanvasCallRecorder rec(c.canvas);
            PrintHourlyWithMeans(c, element, variant);
            const int number = (variant == 2 ? kind2 : kind3)[element - 1];
            EXPECT_EQ(rec.strings().last(), QStringLiteral(R"c(PrintCell(0, "-%1-", 19500, 300, 0, 13300))c").arg(number));
        }
    EXPECT_TRUE(boxes().shown.empty());

    FakePanes panes;
    c.setPanes(&panes);
    c.canvas.PrintMode = 0;
    PrintHourlyWithMeans(c, 1, 3);
    EXPECT_EQ(panes.sizes[2], (PaneSize{1055, 13025}));
    PrintHourlyWithMeans(c, 4, 3);
    EXPECT_EQ(panes.sizes[1], (PaneSize{19535, 1145}));
    EXPECT_EQ(panes.sizes[2], (PaneSize{1055, 12695}));
    EXPECT_EQ(panes.sizes[3], (PaneSize{19535, 16200}));
    // Only the row-heading pane is wiped after sizing, once a page.
    EXPECT_EQ(panes.paneClears, (std::array<int, 4>{0, 0, 2, 0}));

    c.tables.AfileMode(17) = QStringLiteral("0");
    c.tables.ASoilTemp80cm = TextTable();
    PrintHourlyWithMeans(c, 7, 2);
    EXPECT_EQ(boxes().titles(), QStringList{QStringLiteral("80cm地温")});
}

}  // namespace
}  // namespace tabulon::test
