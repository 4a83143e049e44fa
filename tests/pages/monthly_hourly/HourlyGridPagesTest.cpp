// The plain day grids: wet bulb, dew point and cloud height.
#include "pages/monthly_hourly/DayGridPageTestSupport.h"
#include "pages/monthly_hourly/DayGridRenderers.h"

namespace tabulon::test {
namespace {

using HourlyGridPageTest = DayGridPageTest;

CellMap CodedGrid(int days, int items, double x0, double w)
{
    CellMap expected;
    for (int d = 1; d <= days; ++d)
        for (int m = 1; m <= items; ++m)
            expected[{x0 + w * (m - 1), 1110 + 350 * (d - 1)}] = PositionCode(d, m);
    return expected;
}

TEST_F(HourlyGridPageTest, WetBulbPageWholeGrid)
{
    FillWithPositionCodes(c.tables.AWetBulb, 24);
    c.tables.AWetBulb(3, 6) = QStringLiteral("5");
    CanvasCallRecorder rec(c.canvas);
    PrintHourlyGrid(c, 1);

    CellMap expected = CodedGrid(31, 24, 1020, 770);
    expected[{4870, 1810}] = QStringLiteral("05");
    EXPECT_CELLS(cellsIn(rec, 1110, 11610), expected);
    EXPECT_EQ(c.tables.AWetBulb(3, 6), "05");   // the fill stays in the table
    EXPECT_EQ(cellAt(rec, 4870, 1810)->textAlign, 2);

    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "日  期", 1020, 800, 0, 310))c"));
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "湿   球   温   度    (0.1℃)", 18480, 400, 1020, 310))c"));
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "21", 770, 400, 1020, 710))c"));
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "1", 770, 400, 4100, 710))c"));
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "20", 770, 400, 18730, 710))c"));
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "31", 1020, 350, 0, 11610))c"));
    // Fixed-hour rules on both sides of 02, 08, 14 and 20 h, in the band and down the grid.
    for (double x : {4870, 5640, 9490, 10260, 14110, 14880, 18730, 19500}) {
        EXPECT_TRUE(rec.contains(QStringLiteral("DrawVerticalLine(%1, 710, 1110, 4)").arg(x))) << x;
        EXPECT_TRUE(rec.contains(QStringLiteral("DrawVerticalLine(%1, 710, 11960, 4)").arg(x))) << x;
    }
    // Pentad rules all one lighter, in the date column and across the grid.
    for (double y : {2860, 4610, 6360, 8110, 9860}) {
        EXPECT_TRUE(rec.contains(QStringLiteral("DrawHorizontalLine(0, %1, 1020, 3)").arg(y))) << y;
        EXPECT_TRUE(rec.contains(QStringLiteral("DrawHorizontalLine(1020, %1, 19500, 3)").arg(y))) << y;
    }
    EXPECT_TRUE(rec.contains("DrawHorizontalLine(0, 11960, 1030, 4)"));
    EXPECT_TRUE(rec.contains("DrawHorizontalLine(1020, 11960, 19500, 4)"));
    EXPECT_TRUE(rec.contains("DrawVerticalLine(19500, 310, 1200, 4)"));
    EXPECT_EQ(rec.strings().last(), R"c(PrintCell(0, "-3-", 19500, 300, 0, 13300))c");
    EXPECT_EQ(surface.endDocCount(), 1);
    EXPECT_TRUE(boxes().shown.empty());
}

TEST_F(HourlyGridPageTest, DewPointAndCloudHeightFollowTheirElement)
{
    FillWithPositionCodes(c.tables.ADewPoint, 24);
    FillWithPositionCodes(c.tables.ACloudHeight, 24);
    c.tables.ACloudHeight(2, 1) = QStringLiteral("5");
    c.tables.AfilePara(4) = 30;
    {
        CanvasCallRecorder rec(c.canvas);
        PrintHourlyGrid(c, 2);
        EXPECT_CELLS(cellsIn(rec, 1110, 11260), CodedGrid(30, 24, 1020, 770));
        EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "露   点   温   度    (0.1℃)", 18480, 400, 1020, 310))c"));
        EXPECT_TRUE(rec.contains(R"c(PrintCell(0, "-6-", 19500, 300, 0, 13300))c"));
    }
    {
        // Mode "B": heights as stored, not zero-filled.
        CanvasCallRecorder rec(c.canvas);
        PrintHourlyGrid(c, 3);
        EXPECT_EQ(cellAt(rec, 1020, 1460)->text, "5");
        EXPECT_EQ(c.tables.ACloudHeight(2, 1), "5");
        EXPECT_TRUE(rec.contains(R"c(PrintCell(0, "-13-", 19500, 300, 0, 13300))c"));
    }
    {
        // Any other letter: an empty grid, day 31 included, under the same frame.
        c.tables.AfileMode(7) = QString();
        CanvasCallRecorder rec(c.canvas);
        PrintHourlyGrid(c, 3);
        EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "云         高    (m)", 18480, 400, 1020, 310))c"));
        EXPECT_EQ(countCells(rec, QString(), 11610), 24);
        EXPECT_EQ(countCells(rec, QString(), 1110), 24);
        for (const auto& [at, text] : cellsIn(rec, 1110, 11260))
            EXPECT_EQ(text, QString());
        EXPECT_TRUE(rec.contains(R"c(PrintCell(0, "-13-", 19500, 300, 0, 13300))c"));
    }
    EXPECT_TRUE(boxes().shown.empty());
}

TEST_F(HourlyGridPageTest, ShortMonthAndGridLinesOff)
{
    FillWithPositionCodes(c.tables.AWetBulb, 24);
    c.tables.AfilePara(4) = 28;
    c.canvas.ShowGridLines = 0;
    CanvasCallRecorder rec(c.canvas);
    PrintHourlyGrid(c, 1);
    // Rows 29 to 31: 72 blank cells; the day numbers still run to 31.
    for (double y : {10910, 11260, 11610})
        EXPECT_EQ(countCells(rec, QStringLiteral("  "), y), 24) << y;
    EXPECT_EQ(cellsIn(rec, 10910, 11610).size(), 72u);
    EXPECT_TRUE(rec.contains(R"c(PrintCell(0, "31", 1020, 350, 0, 11610))c"));
    // Headings keep their borders; day numbers and values have none.
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "21", 770, 400, 1020, 710))c"));
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "日  期", 1020, 800, 0, 310))c"));
    EXPECT_TRUE(rec.contains(R"c(PrintCell(0, "101", 770, 350, 1020, 1110))c"));
    EXPECT_TRUE(rec.contains(R"c(PrintCell(0, "  ", 770, 350, 1020, 10910))c"));
}

TEST_F(HourlyGridPageTest, ErrorIsReportedWithTheElementName)
{
    c.tables.AWetBulb.dim({Bounds{1, 31}, Bounds{1, 20}});
    CanvasCallRecorder rec(c.canvas);
    PrintHourlyGrid(c, 1);
    ASSERT_EQ(boxes().shown.size(), 1u);
    EXPECT_EQ(boxes().shown[0].title, QStringLiteral("湿球温度"));
    EXPECT_TRUE(rec.withText(QStringLiteral("-3-")).empty());
}

}  // namespace
}  // namespace tabulon::test
