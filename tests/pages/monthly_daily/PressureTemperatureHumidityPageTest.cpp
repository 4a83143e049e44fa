#include "pages/monthly_daily/PressureTemperatureHumidityPage.h"

#include "pages/monthly_daily/DailyPageTestSupport.h"

using namespace tabulon;
using namespace tabulon::testing;

namespace {
const QString Context = QStringLiteral("本站气压、气温、湿球、水汽压、相对湿度、露点");
}

using PressureTemperatureHumidityPage = DailyPageTest;

TEST_F(PressureTemperatureHumidityPage, ShortMonthLeavesTheLastDayRowsBlankButLabelled)
{
    loadManualStationMonth(28, 4);
    const QString sentinel = QStringLiteral("9999");
    for (TextTable* table : {&c.tables.AStationPressure, &c.tables.AAirTemperature, &c.tables.AWetBulb,
                             &c.tables.AVapourPressure, &c.tables.ARelativeHumidity, &c.tables.ADewPoint})
        for (int d = 29; d <= 31; ++d)
            for (int k = 1; k <= 6; ++k)
                (*table)(d, k) = sentinel;
    for (int d = 29; d <= 31; ++d)
        for (int k = 1; k <= 40; ++k)
            c.tables.ADailyStat(d, k) = sentinel;

    CanvasCallRecorder rec(c.canvas);
    PrintPressureTemperatureHumidity(c);

    EXPECT_TRUE(rec.contains(R"(PrintCell(-1, "  ", 561, 320, 1000, 10710))"));
    EXPECT_EQ(rec.withText(QStringLiteral("  ")).size(), 3u * 33u);
    EXPECT_TRUE(rec.withText(sentinel).empty());
    // Day 29's row holds only the blank cells; its label and the rows below are drawn.
    for (const CanvasCall& call : rec.ofKind(CanvasCall::Kind::PrintCell))
        if (call.numbers[4] == 10710 && call.numbers[3] >= 1000)
            EXPECT_EQ(call.text, QStringLiteral("  "));
    EXPECT_TRUE(rec.contains(R"(PrintCell(-1, "29", 1000, 320, 0, 10710))"));
    EXPECT_TRUE(rec.contains(R"(PrintCell(-1, "2001", 561, 320, 1000, 11670))"));
    EXPECT_TRUE(messages().shown.empty());
}

TEST_F(PressureTemperatureHumidityPage, ThreeObservationStationBlanksOnlyTheDewPointAt02)
{
    c.tables.AfilePara(16) = QStringLiteral("3");
    c.tables.ADewPoint(5, 1) = QStringLiteral("-");
    c.tables.ADewPoint(5, 2) = QStringLiteral("-");
    {
        CanvasCallRecorder rec(c.canvas);
        PrintPressureTemperatureHumidity(c);
        EXPECT_EQ(c.tables.ADewPoint(5, 1), QString());
        const auto at02 = CellsAt(rec, 17269, 2390);
        ASSERT_EQ(at02.size(), 1u);
        EXPECT_TRUE(at02[0].text.isEmpty());
        EXPECT_TRUE(rec.contains(R"(PrintCell(-1, "-", 561, 320, 17830, 2390))"));
        EXPECT_EQ(c.tables.ADewPoint(5, 2), QStringLiteral("-"));
    }
    // A redraw reads the blanked cell as it was left.
    CanvasCallRecorder again(c.canvas);
    PrintPressureTemperatureHumidity(c);
    ASSERT_EQ(CellsAt(again, 17269, 2390).size(), 1u);
    EXPECT_TRUE(CellsAt(again, 17269, 2390)[0].text.isEmpty());
}

TEST_F(PressureTemperatureHumidityPage, FourObservationStationPrintsTheDewPointMark)
{
    c.tables.ADewPoint(5, 1) = QStringLiteral("-");
    CanvasCallRecorder rec(c.canvas);
    PrintPressureTemperatureHumidity(c);
    EXPECT_TRUE(rec.contains(R"(PrintCell(-1, "-", 561, 320, 17269, 2390))"));
    EXPECT_EQ(c.tables.ADewPoint(5, 1), QStringLiteral("-"));
}

TEST_F(PressureTemperatureHumidityPage, TemperaturesArePaddedInTheirTablesAndRightAligned)
{
    c.tables.AAirTemperature(1, 1) = QStringLiteral("5");
    c.tables.AStationPressure(1, 1) = QStringLiteral("5");
    c.tables.ARelativeHumidity(1, 1) = QStringLiteral("5");
    c.tables.AMonthStat(9) = QStringLiteral("-3");
    c.tables.AMonthStat(15) = QStringLiteral("7");
    c.tables.ADekadStat(4, 61) = QStringLiteral("4");
    CanvasCallRecorder rec(c.canvas);
    PrintPressureTemperatureHumidity(c);

    const auto temperature = CellsAt(rec, 4927, 1110);
    ASSERT_EQ(temperature.size(), 1u);
    EXPECT_EQ(temperature[0].toString(), R"(PrintCell(-1, "05", 561, 320, 4927, 1110))");
    EXPECT_EQ(temperature[0].textAlign, 2);
    EXPECT_EQ(c.tables.AAirTemperature(1, 1), QStringLiteral("05"));

    // Pressure and humidity print as stored; pressure is centred.
    const auto pressure = CellsAt(rec, 1000, 1110);
    ASSERT_EQ(pressure.size(), 1u);
    EXPECT_EQ(pressure[0].text, QStringLiteral("5"));
    EXPECT_EQ(pressure[0].textAlign, 0);
    EXPECT_EQ(c.tables.AStationPressure(1, 1), QStringLiteral("5"));
    EXPECT_EQ(c.tables.ARelativeHumidity(1, 1), QStringLiteral("5"));

    // The pentad mean of pentad 1, the vapour-pressure maximum and a month mean are padded too.
    EXPECT_TRUE(rec.contains(R"(PrintCell(-1, "-03", 561, 320, 9415, 11990))"));
    EXPECT_TRUE(rec.contains(R"(PrintCell(-1, "07", 701, 320, 11799, 12310))"));
    EXPECT_TRUE(rec.contains(R"(PrintCell(-1, "04", 561, 320, 13342, 11990))"));
    EXPECT_EQ(c.tables.AMonthStat(9), QStringLiteral("-03"));
    EXPECT_EQ(c.tables.AMonthStat(15), QStringLiteral("07"));
    EXPECT_EQ(c.canvas.TextAlign, 0);
}

TEST_F(PressureTemperatureHumidityPage, EndsWithThePageNumberAndOneJob)
{
    CanvasCallRecorder rec(c.canvas);
    PrintPressureTemperatureHumidity(c);
    ASSERT_FALSE(rec.calls().empty());
    EXPECT_EQ(rec.strings().last(), R"(PrintCell(0, "-1-", 19500, 300, 0, 13300))");
    EXPECT_EQ(printer.endDocCount(), 1);
    EXPECT_TRUE(messages().shown.empty());

    // Headings, labels and the page's own rules.
    EXPECT_TRUE(printer.hasText(QStringLiteral("2003年3月")));
    EXPECT_TRUE(printer.hasText(QStringLiteral("北京")));
    EXPECT_TRUE(rec.contains(R"(PrintCell(-1, "日  期", 1000, 800, 0, 310))"));
    EXPECT_TRUE(rec.contains(R"(PrintCell(-1, "气温(0.1℃) ", 3927, 400, 4927, 310))"));
    EXPECT_TRUE(rec.contains(R"(PrintCell(-1, "最小", 561, 400, 16708, 710))"));
    EXPECT_TRUE(rec.contains(R"(PrintCell(-1, "20", 561, 400, 18952, 710))"));
    EXPECT_TRUE(rec.contains(R"(PrintCell(-1, "日  期", 1000, 320, 0, 12630))"));
    EXPECT_TRUE(rec.contains(R"(PrintCell(-1, "候平均气温", 2244, 320, 8854, 11670))"));
    EXPECT_TRUE(rec.contains(R"(DrawHorizontalLine(0, 2710, 19500, 3))"));
    EXPECT_TRUE(rec.contains(R"(DrawHorizontalLine(0, 11990, 8854, 4))"));
    EXPECT_TRUE(rec.contains(R"(DrawHorizontalLine(13903, 12630, 19500, 4))"));
    EXPECT_TRUE(rec.contains(R"(DrawVerticalLine(17269, 310, 12950, 4))"));
}

TEST_F(PressureTemperatureHumidityPage, PreviewSizesEachPaneBeforeDrawingIntoIt)
{
    usePreview("0.5");
    PrintPressureTemperatureHumidity(c);
    EXPECT_EQ(panes.sizes[0], (test::PaneSize{535.0, 590.0}));
    EXPECT_EQ(panes.sizes[1], (test::PaneSize{9775.0, 590.0}));
    EXPECT_EQ(panes.sizes[2], (test::PaneSize{535.0, 6510.0}));
    EXPECT_EQ(panes.sizes[3], (test::PaneSize{9775.0, 8100.0}));
    EXPECT_TRUE(panes.surfaces[0].hasText(QStringLiteral("日  期")));
    EXPECT_TRUE(panes.surfaces[1].hasText(QStringLiteral("本站气压(0.1hPa)")));
    EXPECT_TRUE(panes.surfaces[2].hasText(QStringLiteral("月极值")));
    EXPECT_TRUE(panes.surfaces[3].hasText(QStringLiteral("-1-")));
    EXPECT_FALSE(panes.surfaces[3].hasText(QStringLiteral("月极值")));
    EXPECT_EQ(c.canvas.OutputTarget, &panes.surfaces[3]);
    for (const RecordingSurface& s : panes.surfaces)
        EXPECT_EQ(s.endDocCount(), 0);
}

TEST_F(PressureTemperatureHumidityPage, GridLinesOffKeepsOnlyHeadingAndBlockBorders)
{
    c.canvas.ShowGridLines = 0;
    CanvasCallRecorder rec(c.canvas);
    PrintPressureTemperatureHumidity(c);
    EXPECT_TRUE(rec.contains(R"(PrintCell(0, "101", 561, 320, 1000, 1110))"));
    EXPECT_TRUE(rec.contains(R"(PrintCell(0, "1", 1000, 320, 0, 1110))"));
    EXPECT_TRUE(rec.contains(R"(PrintCell(-1, "2", 561, 400, 1000, 710))"));
    EXPECT_TRUE(rec.contains(R"(PrintCell(-1, "4", 561, 320, 9976, 11990))"));
    EXPECT_TRUE(rec.contains(R"(PrintCell(-1, "最大", 701, 320, 11098, 12310))"));
}

TEST_F(PressureTemperatureHumidityPage, AnErrorIsReportedOnceAndStillEndsThePrintedPage)
{
    c.tables.ADewPoint.clear();   // never dimensioned: the first dew-point cell fails
    PrintPressureTemperatureHumidity(c);
    ASSERT_EQ(messages().shown.size(), 1u);
    EXPECT_EQ(messages().shown[0].title, Context);
    EXPECT_EQ(messages().shown[0].style, MsgStyle::Critical);
    EXPECT_TRUE(messages().shown[0].text.startsWith(QStringLiteral("错误号：9")));
    EXPECT_EQ(printer.endDocCount(), 1);
    EXPECT_FALSE(printer.hasText(QStringLiteral("-1-")));
}
