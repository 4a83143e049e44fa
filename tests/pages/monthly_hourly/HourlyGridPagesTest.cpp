// The plain day grids: wet bulb, dew point and cloud height.
#include "support/PageTestSupport.h"
#include "pages/monthly_hourly/DayGridRenderers.h"

namespace tabulon::test {
namespace {

using HourlyGridPageTest = DayGridPageTest;

// Every day row of the month with its 24 coded items, and nothing else in the grid.
PageExpectation CodedGrid(const PositionCodedTables& codes, const TextTable& table, int days)
{
    PageExpectation page(codes);
    for (int d = 1; d <= days; ++d)
        page.row(DayGridRowY(d), 1020, 770, DayCodes(codes, table, d, 1, 24));
    page.only(1020, 1110, 19500, DayGridRowY(days + 1));
    return page;
}

TEST_F(HourlyGridPageTest, WetBulbPageWholeGrid)
{
    const PositionCodedTables codes = positionCoded();
    c.tables.AWetBulb(3, 6) = QStringLiteral("5");
    CanvasCallRecorder rec(c.canvas);
    PrintHourlyGrid(c, 1);

    PageExpectation page = CodedGrid(codes, c.tables.AWetBulb, 31);
    page.cell(4870, 1810, QStringLiteral("05"));
    EXPECT_TRUE(page.matches(rec));
    EXPECT_EQ(c.tables.AWetBulb(3, 6), "05");   // the fill stays in the table
    EXPECT_EQ(lastCellAt(rec, 4870, 1810).textAlign, 2);

    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "日  期", 1020, 800, 0, 310))c"));
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "湿   球   温   度    (0.1℃)", 18480, 400, 1020, 310))c"));
    EXPECT_TRUE(PageExpectation()
                    .row(710, 1020, 770, QStringLiteral("21,22,23,24,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20").split(u','))
                    .only(1020, 710, 19500, 1110)
                    .matches(rec));
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
    EXPECT_TRUE(boxes().shown.empty());
}

TEST_F(HourlyGridPageTest, DewPointAndCloudHeightFollowTheirElement)
{
    const PositionCodedTables codes = positionCoded();
    c.tables.ACloudHeight(2, 1) = QStringLiteral("5");
    c.tables.AfilePara(4) = 30;
    {
        CanvasCallRecorder rec(c.canvas);
        PrintHourlyGrid(c, 2);
        PageExpectation page = CodedGrid(codes, c.tables.ADewPoint, 30);
        page.row(DayGridRowY(31), 1020, 770, QStringList(24, QStringLiteral("  ")));
        EXPECT_TRUE(page.matches(rec));
        EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "露   点   温   度    (0.1℃)", 18480, 400, 1020, 310))c"));
        EXPECT_TRUE(rec.contains(R"c(PrintCell(0, "-6-", 19500, 300, 0, 13300))c"));
    }
    {
        // Mode "B": heights as stored, not zero-filled.
        CanvasCallRecorder rec(c.canvas);
        PrintHourlyGrid(c, 3);
        EXPECT_EQ(lastCellAt(rec, 1020, 1460).text, "5");
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
        PageExpectation page;
        for (int d = 1; d <= 30; ++d)
            page.row(DayGridRowY(d), 1020, 770, QStringList(24, QString()));
        EXPECT_TRUE(page.only(1020, 1110, 19500, 11610).matches(rec));
        EXPECT_TRUE(rec.contains(R"c(PrintCell(0, "-13-", 19500, 300, 0, 13300))c"));
    }
    EXPECT_TRUE(boxes().shown.empty());
}

TEST_F(HourlyGridPageTest, ShortMonthAndGridLinesOff)
{
    positionCoded();
    c.tables.AfilePara(4) = 28;
    c.canvas.ShowGridLines = 0;
    CanvasCallRecorder rec(c.canvas);
    PrintHourlyGrid(c, 1);
    // Rows 29 to 31: 72 blank cells; the day numbers still run to 31.
    PageExpectation blanks;
    for (double y : {10910, 11260, 11610})
        blanks.row(y, 1020, 770, QStringList(24, QStringLiteral("  ")));
    EXPECT_TRUE(blanks.only(1020, 10910, 19500, 11960).matches(rec));
    EXPECT_TRUE(rec.contains(R"c(PrintCell(0, "31", 1020, 350, 0, 11610))c"));
    // Headings keep their borders; day numbers and values have none.
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "21", 770, 400, 1020, 710))c"));
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "日  期", 1020, 800, 0, 310))c"));
    EXPECT_EQ(lastCellAt(rec, 1020, 1110).numbers.at(0), 0);
    EXPECT_TRUE(rec.contains(R"c(PrintCell(0, "  ", 770, 350, 1020, 10910))c"));
}

}  // namespace
}  // namespace tabulon::test
