// The visibility page: the day grid, blanked by its mode letter, and the class-count block.
#include "support/PageTestSupport.h"
#include "pages/monthly_hourly/DayGridRenderers.h"

namespace tabulon::test {
namespace {

class VisibilityPageTest : public DayGridPageTest {
protected:
    // The two rows of the class block: per fixed hour the class heading over the hour, then
    // the five classes over their counts.
    static void expectClassBlock(PageExpectation& page, const PositionCodedTables& codes, const ATables& t)
    {
        const QStringList classes = {"0.0-0.9", "1.0-1.9", "2.0-3.9", "4.0-9.9", "≥10.0"};
        for (int h = 0; h < 4; ++h) {
            const double x = 1020 + 770 * 6 * h;
            page.cell(x, 11960, QStringLiteral("级别"));
            page.cell(x, 12310, QString::number(6 * h + 2) + QStringLiteral("时"));
            for (int k = 1; k <= 5; ++k) {
                page.cell(x + 770 * k, 11960, classes.at(k - 1));
                page.cell(x + 770 * k, 12310, codes(t.AVisibilityClassStat, h + 1, k));
            }
        }
        page.only(1020, 11960, 19500, 12660);
    }
};

TEST_F(VisibilityPageTest, WholePageWithValues)
{
    const PositionCodedTables codes = positionCoded();
    ATables& t = c.tables;
    t.AVisibility(2, 12) = QStringLiteral("5");
    CanvasCallRecorder rec(c.canvas);
    PrintVisibility(c);

    PageExpectation page(codes);
    for (int d = 1; d <= 31; ++d)
        page.row(DayGridRowY(d), 1020, 770, DayCodes(codes, t.AVisibility, d, 1, 24));
    page.cell(9490, 1460, QStringLiteral("05")).only(1020, 1110, 19500, 11960);
    expectClassBlock(page, codes, t);
    EXPECT_TRUE(page.matches(rec));
    EXPECT_EQ(t.AVisibility(2, 12), "05");
    EXPECT_EQ(lastCellAt(rec, 9490, 1460).textAlign, 2);
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "2时", 770, 350, 1020, 12310))c"));
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "20时", 770, 350, 14880, 12310))c"));
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "≥10.0", 770, 350, 4870, 11960))c"));
    EXPECT_TRUE(rec.contains(R"c(PrintWrappedText(-1, 1020, 700, 0, 11960, "出现回数", 350, 2))c"));
    EXPECT_EQ(lastCellAt(rec, 4870, 11960).textAlign, 0);

    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "能    见    度    (0.1km) ", 18480, 400, 1020, 310))c"));
    // Rules below days 10 and 20 at full weight, below 5, 15 and 25 one lighter.
    for (double y : {4610, 8110}) {
        EXPECT_TRUE(rec.contains(QStringLiteral("DrawHorizontalLine(0, %1, 1020, 4)").arg(y)));
        EXPECT_TRUE(rec.contains(QStringLiteral("DrawHorizontalLine(1020, %1, 19500, 4)").arg(y)));
    }
    for (double y : {2860, 6360, 9860})
        EXPECT_TRUE(rec.contains(QStringLiteral("DrawHorizontalLine(1020, %1, 19500, 3)").arg(y)));
    // The frame reaches the bottom of the class block.
    EXPECT_TRUE(rec.contains("DrawVerticalLine(0, 310, 12660, 4)"));
    EXPECT_TRUE(rec.contains("DrawVerticalLine(19500, 310, 12660, 4)"));
    EXPECT_TRUE(rec.contains("DrawVerticalLine(1020, 310, 11960, 4)"));
    EXPECT_TRUE(rec.contains("DrawHorizontalLine(0, 12660, 19500, 4)"));
    EXPECT_TRUE(rec.contains("DrawVerticalLine(14110, 710, 11960, 4)"));
    EXPECT_EQ(rec.strings().last(), R"c(PrintCell(0, "-14-", 19500, 300, 0, 13300))c");
    EXPECT_TRUE(boxes().shown.empty());
}

TEST_F(VisibilityPageTest, OtherModeLetterBlanksEveryRowButKeepsTheBlock)
{
    const PositionCodedTables codes = positionCoded();
    const ATables& t = c.tables;
    c.tables.AfileMode(9) = QStringLiteral("=");
    c.tables.AfilePara(4) = 30;
    c.canvas.ShowGridLines = 0;
    CanvasCallRecorder rec(c.canvas);
    PrintVisibility(c);
    // 744 one-blank cells, the 31st row too; nothing read.
    PageExpectation page(codes);
    for (int d = 1; d <= 31; ++d)
        page.row(DayGridRowY(d), 1020, 770, QStringList(24, QStringLiteral(" ")));
    page.only(1020, 1110, 19500, 11960);
    expectClassBlock(page, codes, t);
    EXPECT_TRUE(page.matches(rec));
    EXPECT_EQ(rec.count(R"c(PrintCell(0, " ", 770, 350, 1020, 11610))c"), 1);
    EXPECT_EQ(t.AVisibility(1, 1), codes(t.AVisibility, 1, 1));
    // The block keeps its borders whatever the grid setting.
    EXPECT_EQ(lastCellAt(rec, 18730, 12310).numbers.at(0), -1);
    EXPECT_TRUE(boxes().shown.empty());
}

TEST_F(VisibilityPageTest, ThirtyDayMonthAndErrorContext)
{
    const PositionCodedTables codes = positionCoded();
    c.tables.AfilePara(4) = 30;
    {
        CanvasCallRecorder rec(c.canvas);
        PrintVisibility(c);
        EXPECT_EQ(countCells(rec, QStringLiteral("  "), 11610), 24);
        EXPECT_EQ(lastCellAt(rec, 1020, 11260).text, codes(c.tables.AVisibility, 30, 1));
    }
    c.tables.AVisibilityClassStat.dim({Bounds{1, 4}, Bounds{1, 4}});
    CanvasCallRecorder rec(c.canvas);
    PrintVisibility(c);
    ASSERT_EQ(boxes().shown.size(), 1u);
    EXPECT_EQ(boxes().shown[0].title, QStringLiteral("打印能见度"));
    EXPECT_TRUE(rec.withText(QStringLiteral("-14-")).empty());
}

}  // namespace
}  // namespace tabulon::test
