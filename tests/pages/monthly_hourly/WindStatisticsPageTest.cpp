// The wind statistics page: direction bands of three rows over 24 hours, the month
// blocks of the four and 24 observations, the calm row and the most-frequent-direction row.
#include "support/PageTestSupport.h"
#include "pages/monthly_hourly/WindEvaporationRenderers.h"

namespace tabulon::test {
namespace {

class WindStatisticsPageTest : public TenDayPageTest {
protected:
    void SetUp() override
    {
        TenDayPageTest::SetUp();
        ATables& t = c.tables;
        for (int i = 1; i <= 28; ++i)
            for (int d = 1; d <= 17; ++d)
                for (int k = 1; k <= 3; ++k)
                    t.AWindDirectionStat(i, d, k) = QStringLiteral("%1.%2.%3").arg(i).arg(d).arg(k);
        for (int k = 61; k <= 64; ++k)
            t.AMonthStat(k) = QStringLiteral("k%1").arg(k);
    }
    static double HourX(int i) { return 1140 + 612 * (i - 1); }
    static double BandY(int d) { return 810 + 750 * (d - 1); }
};

TEST_F(WindStatisticsPageTest, WholePage)
{
    const PositionCodedTables codes = positionCoded();
    const ATables& t = c.tables;
    CanvasCallRecorder rec(c.canvas);
    PrintWindStatistics(c, 2);

    PageExpectation page(codes);
    const auto s = [&](int i, int d, int k) { return codes(t.AWindDirectionStat, i, d, k); };
    for (int d = 1; d <= 16; ++d) {
        const double y0 = BandY(d);
        for (int k = 1; k <= 3; ++k) {
            QStringList hours;
            for (int i = 1; i <= 24; ++i)
                hours << s(i, d, k);
            page.row(y0 + 250 * (k - 1), 1140, 612, hours);
        }
        // Four observations from x 15828, all 24 from 17664: sums and occurrences, the
        // maximum right of "月最大" under the mean speed, the frequency over the band.
        for (auto [first, x] : {std::pair{25, 15828.0}, {27, 17664.0}}) {
            page.cell(x, y0, s(first, d, 1)).cell(x, y0 + 250, s(first, d, 2)).cell(x, y0 + 500, "月最大");
            page.cell(x + 612, y0, s(first + 1, d, 1)).cell(x + 612, y0 + 500, s(first, d, 3));
            page.cell(x + 1224, y0, s(first + 1, d, 2));
        }
    }
    QStringList calm;
    for (int i = 1; i <= 24; ++i)
        calm << s(i, 17, 2);
    calm << s(25, 17, 2) << "---" << s(26, 17, 2) << s(27, 17, 2) << "---" << s(28, 17, 2);
    page.row(12810, 1140, 612, calm);
    page.row(13060, 0, 2437,
             {"月最多风向(4次)", codes(t.AMonthStat, 61), "频率", codes(t.AMonthStat, 62), "月最多风向(24次)",
              codes(t.AMonthStat, 63), "频率", codes(t.AMonthStat, 64)});
    page.only(1140, 810, 19500, 13060).only(0, 13060, 19500, 13310);
    EXPECT_TRUE(page.matches(rec));
    // Calm has no speed sums or maxima.
    for (int i = 1; i <= 28; ++i)
        for (int k : {1, 3})
            EXPECT_TRUE(rec.withText(s(i, 17, k)).empty()) << i << "," << k;
    EXPECT_TRUE(rec.contains(QStringLiteral(R"c(PrintCell(-1, "%1", 612, 250, 4200, 2560))c").arg(s(6, 3, 2))));
    EXPECT_TRUE(rec.contains(QStringLiteral(R"c(PrintCell(-1, "%1", 612, 500, 16440, 810))c").arg(s(26, 1, 1))));
    EXPECT_TRUE(rec.contains(QStringLiteral(R"c(PrintCell(-1, "%1", 612, 750, 18888, 810))c").arg(s(28, 1, 2))));

    // Captions and labels.
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "风向", 500, 250, 0, 560))c"));
    EXPECT_TRUE(rec.contains(R"c(PrintCell(0, "风  的  统  计  (二 分 钟 平 均)", 14688, 250, 1140, 310))c"));
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "24   次", 1836, 250, 17664, 310))c"));
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "20", 612, 250, 15216, 560))c"));
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "风向频率", 612, 250, 18888, 560))c"));
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "NE", 500, 750, 0, 2310))c"));
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "C", 500, 250, 0, 12810))c"));
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "最大风速", 640, 250, 500, 12560))c"));
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "出现回数", 640, 250, 500, 12810))c"));
    // Rules beside the fixed hours and between the bands.
    EXPECT_TRUE(rec.contains(R"c(DrawVerticalLine(4200, 560, 13060, 4))c"));
    EXPECT_TRUE(rec.contains(R"c(DrawVerticalLine(4812, 560, 13060, 4))c"));
    EXPECT_TRUE(rec.contains(R"c(DrawHorizontalLine(0, 1560, 19500, 3))c"));
    EXPECT_TRUE(rec.contains(R"c(DrawVerticalLine(19500, 310, 13310, 4))c"));
    EXPECT_TRUE(rec.contains(R"c(PrintCell(0, "-14-", 19500, 330, 0, 13400))c"));
    EXPECT_EQ(surface.endDocCount(), 1);
}

TEST_F(WindStatisticsPageTest, PageNumberOfTheReferenceStations)
{
    for (std::int16_t variant : {3, 0, 5}) {
        CanvasCallRecorder rec(c.canvas);
        PrintWindStatistics(c, variant);
        EXPECT_TRUE(rec.contains(R"c(PrintCell(0, "-21-", 19500, 330, 0, 13400))c"));
    }
}

TEST_F(WindStatisticsPageTest, WithoutGridLinesOnlyCaptionsKeepTheirFrames)
{
    c.canvas.ShowGridLines = 0;
    c.tables.AWindDirectionStat(1, 1, 1) = QString();
    CanvasCallRecorder rec(c.canvas);
    PrintWindStatistics(c, 2);

    EXPECT_TRUE(rec.contains(R"c(PrintCell(0, "", 612, 250, 1140, 810))c"));
    EXPECT_TRUE(rec.contains(R"c(PrintCell(0, "28.16.2", 612, 750, 18888, 12060))c"));
    EXPECT_TRUE(rec.contains(R"c(PrintCell(0, "N", 500, 750, 0, 810))c"));
    EXPECT_TRUE(rec.contains(R"c(PrintCell(0, "风速合计", 640, 250, 500, 810))c"));
    EXPECT_TRUE(rec.contains(R"c(PrintCell(0, "---", 612, 250, 16440, 12810))c"));
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "风向", 500, 250, 0, 560))c"));
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "21", 612, 250, 1140, 560))c"));
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "月最大", 612, 250, 17664, 1310))c"));
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "k64", 2437, 250, 17059, 13060))c"));
    EXPECT_TRUE(rec.contains(R"c(DrawHorizontalLine(0, 1560, 19500, 3))c"));
}

}  // namespace
}  // namespace tabulon::test
