// The station-pressure page: the ten-day frame drawn at full grain.
#include "support/PageTestSupport.h"
#include "pages/monthly_hourly/TenDayRenderers.h"

namespace tabulon::test {
namespace {

class StationPressurePageTest : public TenDayPageTest {
protected:
    void SetUp() override
    {
        TenDayPageTest::SetUp();
        ATables& t = c.tables;
        t.AfileMode(1) = QStringLiteral("C");
        t.AStationPressure(12, 6) = QStringLiteral("9876");
        t.AStationPressure(12, 26) = QStringLiteral("9999");
        t.AStationPressure(12, 27) = QStringLiteral("9801");
    }
};

TEST_F(StationPressurePageTest, HeadingsAndCorner)
{
    CanvasCallRecorder rec(c.canvas);
    PrintStationPressure(c);
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "本   站   气   压    (0.1hpa)", 15840, 400, 1020, 310))c"));
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "平  均", 1320, 400, 16860, 310))c"));
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "最高", 660, 800, 18180, 310))c"));
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "最低", 660, 800, 18840, 310))c"));
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "4次", 660, 400, 16860, 710))c"));
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "21", 660, 400, 1020, 710))c"));
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "20", 660, 400, 16200, 710))c"));
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "日  期", 1020, 800, 0, 310))c"));
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "下旬平均", 1020, 330, 0, 12000))c"));
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "月极值", 1020, 330, 0, 12660))c"));
    EXPECT_TRUE(surface.hasText(QStringLiteral("2026年2月")));   // the page heading
    EXPECT_TRUE(boxes().shown.empty());
}

TEST_F(StationPressurePageTest, MinimumItemFollowsTheModeLetter)
{
    {
        CanvasCallRecorder rec(c.canvas);
        PrintStationPressure(c);
        const auto pressure = cellsAt(rec, 4320, 5070);
        ASSERT_EQ(pressure.size(), 1u);
        EXPECT_EQ(pressure[0].toString(), R"c(PrintCell(-1, "9876", 660, 330, 4320, 5070))c");
        EXPECT_EQ(pressure[0].textAlign, 2);
        ASSERT_EQ(cellsAt(rec, 18840, 5070).size(), 1u);
        EXPECT_EQ(cellsAt(rec, 18840, 5070)[0].text, "9801");
        EXPECT_TRUE(rec.withText("9999").empty());
    }
    for (const char* mode : {"A", "B", "", "Z"}) {
        c.tables.AfileMode(1) = QString::fromLatin1(mode);
        CanvasCallRecorder rec(c.canvas);
        PrintStationPressure(c);
        ASSERT_EQ(cellsAt(rec, 18840, 5070).size(), 1u) << mode;
        EXPECT_EQ(cellsAt(rec, 18840, 5070)[0].text, "9999") << mode;
    }
    c.tables.AfileMode(1) = QStringLiteral("D");
    CanvasCallRecorder rec(c.canvas);
    PrintStationPressure(c);
    EXPECT_EQ(cellsAt(rec, 18840, 5070).at(0).text, "9801");
}

TEST_F(StationPressurePageTest, RulesAndTheirWeights)
{
    CanvasCallRecorder rec(c.canvas);
    PrintStationPressure(c);
    EXPECT_TRUE(rec.contains("DrawHorizontalLine(0, 2760, 19500, 3)"));
    EXPECT_TRUE(rec.contains("DrawHorizontalLine(0, 6390, 19500, 3)"));
    EXPECT_TRUE(rec.contains("DrawHorizontalLine(0, 10020, 19500, 3)"));
    EXPECT_TRUE(rec.contains("DrawHorizontalLine(0, 4410, 19500, 4)"));
    EXPECT_TRUE(rec.contains("DrawHorizontalLine(0, 12660, 19500, 4)"));
    EXPECT_TRUE(rec.contains("DrawHorizontalLine(0, 12990, 1020, 4)"));
    EXPECT_TRUE(rec.contains("DrawVerticalLine(4320, 710, 12660, 4)"));
    EXPECT_TRUE(rec.contains("DrawVerticalLine(4980, 710, 12660, 4)"));
    EXPECT_TRUE(rec.contains("DrawVerticalLine(18180, 1110, 12660, 4)"));
    EXPECT_TRUE(rec.contains("DrawHorizontalLine(1020, 12990, 11580, 4)"));
    EXPECT_TRUE(rec.contains("DrawVerticalLine(11580, 12660, 13000, 4)"));
    EXPECT_EQ(fullWidthStrokesBelow(2760), 15);
    EXPECT_EQ(fullWidthStrokesBelow(4410), 20);

    // With the lightest weight the pentad rules vanish and the heavy ones keep one stroke.
    c.canvas.LineWeight = 1;
    surface.clear();
    PrintStationPressure(c);
    EXPECT_EQ(fullWidthStrokesBelow(2760), 0);
    EXPECT_EQ(fullWidthStrokesBelow(6390), 0);
    EXPECT_EQ(fullWidthStrokesBelow(10020), 0);
    EXPECT_EQ(fullWidthStrokesBelow(4410), 1);
}

TEST_F(StationPressurePageTest, ShortMonthBlanksTheMissingDays)
{
    ATables& t = c.tables;
    t.AfilePara(4) = 28;
    const QString sentinel = QStringLiteral("SENTINEL");
    for (int day = 29; day <= 31; ++day) {
        for (int item = 1; item <= 27; ++item)
            t.AStationPressure(day, item) = sentinel;
        for (int item = 1; item <= 2; ++item)
            t.ADailyStat(day, item) = sentinel;
    }
    CanvasCallRecorder rec(c.canvas);
    PrintStationPressure(c);
    EXPECT_TRUE(rec.withText(sentinel).empty());
    EXPECT_TRUE(surface.textsContaining(sentinel).empty());
    for (double y : {11010, 11340, 11670}) {
        const QStringList row = rowTexts(rec, y);
        EXPECT_EQ(row.size(), 28) << y;
        EXPECT_EQ(row.count(QStringLiteral("  ")), 28) << y;
    }
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "29", 1020, 330, 0, 11010))c"));
    // The third block's own rows stay data rows.
    EXPECT_EQ(rowTexts(rec, 10680).count(QStringLiteral("  ")), 0);
}

TEST_F(StationPressurePageTest, LongMonthHasNoBlankRows)
{
    CanvasCallRecorder rec(c.canvas);
    PrintStationPressure(c);
    EXPECT_TRUE(rec.withText(QStringLiteral("  ")).empty());
    EXPECT_EQ(rowTexts(rec, 11670).size(), 28);
}

TEST_F(StationPressurePageTest, DayCountPastAnyWholeNumberDrawsTheLongestMonth)
{
    c.tables.AfilePara(4) = QStringLiteral("1e12");
    CanvasCallRecorder rec(c.canvas);
    PrintStationPressure(c);
    EXPECT_TRUE(boxes().shown.empty());
    EXPECT_EQ(rowTexts(rec, 11670).size(), 28);
    EXPECT_TRUE(rec.withText(QStringLiteral("  ")).empty());
    EXPECT_TRUE(rec.contains(R"c(PrintCell(0, "-1-", 19500, 300, 0, 13300))c"));
}

TEST_F(StationPressurePageTest, GridSwitchKeepsHeadingAndExtremeBorders)
{
    c.canvas.ShowGridLines = 0;
    c.tables.AMonthStat(1) = QStringLiteral("10123");
    CanvasCallRecorder rec(c.canvas);
    PrintStationPressure(c);
    EXPECT_TRUE(rec.contains(R"c(PrintCell(0, "9876", 660, 330, 4320, 5070))c"));
    EXPECT_TRUE(rec.contains(R"c(PrintCell(0, "1", 1020, 330, 0, 1110))c"));
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "4次", 660, 400, 16860, 710))c"));
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "最高", 1320, 330, 1020, 12660))c"));
    EXPECT_TRUE(rec.contains(R"c(PrintCell(-1, "10123", 1320, 330, 2340, 12660))c"));
}

TEST_F(StationPressurePageTest, PrintedPageEndsWithTheNumberAndOneJob)
{
    CanvasCallRecorder rec(c.canvas);
    PrintStationPressure(c);
    const QStringList calls = rec.strings();
    ASSERT_GE(calls.size(), 2);
    EXPECT_EQ(calls.last(), R"c(PrintCell(0, "-1-", 19500, 300, 0, 13300))c");
    EXPECT_EQ(calls[calls.size() - 2], "SetFont(11, 1)");
    EXPECT_EQ(surface.texts().back().text, "-1-");
    EXPECT_EQ(surface.texts().back().fontName, QStringLiteral("宋体"));
    EXPECT_EQ(surface.endDocCount(), 1);
}

TEST_F(StationPressurePageTest, PreviewSizesTheFourPanes)
{
    FakePanes panes;
    c.setPanes(&panes);
    c.canvas.PrintMode = 0;
    PrintStationPressure(c);
    EXPECT_EQ(panes.sizes[0].width, 1055);
    EXPECT_EQ(panes.sizes[0].height, 1145);
    EXPECT_EQ(panes.sizes[1].width, 19550);
    EXPECT_EQ(panes.sizes[1].height, 1145);
    EXPECT_EQ(panes.sizes[2].width, 1055);
    EXPECT_EQ(panes.sizes[2].height, 13025);
    EXPECT_EQ(panes.sizes[3].width, 19550);
    EXPECT_EQ(panes.sizes[3].height, 16200);
    EXPECT_EQ(c.canvas.OutputTarget, &panes.Picqb(3));
    for (const JobSurface& s : panes.surfaces)
        EXPECT_EQ(s.endedJobs, 0);
    EXPECT_TRUE(boxes().shown.empty());
}

TEST_F(StationPressurePageTest, ShortTableIsReportedAndEndsThePage)
{
    c.tables.AStationPressure.dim({Bounds{1, 31}, Bounds{1, 26}});
    FakePanes panes;
    c.setPanes(&panes);
    c.canvas.PrintMode = 0;
    CanvasCallRecorder rec(c.canvas);
    PrintStationPressure(c);
    ASSERT_EQ(boxes().shown.size(), 1u);
    EXPECT_EQ(boxes().shown[0].title, QStringLiteral("打印本站气压"));
    EXPECT_FALSE(rec.withText("-1-").size());
    for (const JobSurface& s : panes.surfaces)
        EXPECT_EQ(s.endedJobs, 0);
}

}  // namespace
}  // namespace tabulon::test

namespace tabulon::test {
namespace {

TEST_F(StationPressurePageTest, WholePageOverPositionCodedTables)
{
    ATables& t = c.tables;
    const PositionCodedTables codes = positionCoded();
    CanvasCallRecorder rec(c.canvas);
    PrintStationPressure(c);

    PageExpectation page(codes);
    for (int d = 1; d <= 31; ++d) {
        QStringList row;
        for (int hour = 1; hour <= 24; ++hour)
            row << codes(t.AStationPressure, d, hour);
        // 4-times mean, 24-times mean, maximum, minimum (mode "C": item 27).
        row << codes(t.ADailyStat, d, 1) << codes(t.ADailyStat, d, 2) << codes(t.AStationPressure, d, 25)
            << codes(t.AStationPressure, d, 27);
        page.row(TenDayRowY(d), 1020, 660, row);
    }
    for (int p = 1; p <= 4; ++p) {
        QStringList row;
        for (int k = 1; k <= 28; ++k)
            row << codes(t.ADekadStat, p, k);
        page.row(TenDayStatisticsY(p), 1020, 660, row);
    }
    page.row(TenDayExtremesY, 1020, 1320,
             {"最高", codes(t.AMonthStat, 1), "日期", codes(t.AMonthStat, 2), "最低", codes(t.AMonthStat, 3),
              "日期", codes(t.AMonthStat, 4)});
    page.only(1020, 1110, 19500, 12990);
    EXPECT_TRUE(page.matches(rec));
    EXPECT_TRUE(boxes().shown.empty());
}

}  // namespace
}  // namespace tabulon::test
