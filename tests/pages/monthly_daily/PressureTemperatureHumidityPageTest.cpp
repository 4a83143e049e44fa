#include "pages/monthly_daily/PressureTemperatureHumidityPage.h"

#include "support/PageTestSupport.h"

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

TEST_F(PressureTemperatureHumidityPage, LowerBlocksPentadsFillersAndExtremes)
{
    CanvasCallRecorder rec(c.canvas);
    PrintPressureTemperatureHumidity(c);
    auto only = [&](double x, double y) {
        const auto cells = CellsAt(rec, x, y);
        EXPECT_EQ(cells.size(), 1u) << x << "," << y;
        return cells.empty() ? CanvasCall{} : cells[0];
    };

    // Pentads 1-3 down the first column pair, 4-6 down the second, each value right of its label.
    const struct {
        const char* label;
        double x, y;
    } pentads[] = {{"1", 8854, 11990}, {"2", 8854, 12310}, {"3", 8854, 12630},
                   {"4", 9976, 11990}, {"5", 9976, 12310}, {"6", 9976, 12630}};
    for (int n = 0; n < 6; ++n) {
        EXPECT_EQ(only(pentads[n].x, pentads[n].y).text, QLatin1String(pentads[n].label));
        const CanvasCall value = only(pentads[n].x + 561, pentads[n].y);
        EXPECT_EQ(value.text, QString::number(309 + n));   // AMonthStat(9..14)
        EXPECT_EQ(value.textAlign, 2);
    }

    // The wet-bulb block has fillers only in the first two ten-day rows; the third is the caption.
    EXPECT_EQ(only(8854, 4310).text, QStringLiteral("---"));
    EXPECT_EQ(only(10537, 7830).text, QStringLiteral("---"));
    EXPECT_EQ(only(8854, 11670).text, QStringLiteral("候平均气温"));

    // Vapour-pressure dates in their own boxes.
    EXPECT_TRUE(rec.contains(R"(PrintCell(-1, "日期", 701, 320, 11098, 12630))"));
    EXPECT_TRUE(rec.contains(R"(PrintCell(-1, "316", 701, 320, 11799, 12630))"));
    EXPECT_TRUE(rec.contains(R"(PrintCell(-1, "318", 701, 320, 13201, 12630))"));

    // Humidity: centred fillers beside right-aligned extremes and means.
    EXPECT_EQ(only(13903, 12310).text, QStringLiteral("---"));
    EXPECT_EQ(only(13903, 12310).textAlign, 0);
    EXPECT_EQ(only(16708, 12310).text, QStringLiteral("319"));
    EXPECT_EQ(only(16708, 12310).textAlign, 2);
    EXPECT_EQ(only(16708, 12630).text, QStringLiteral("320"));
    EXPECT_EQ(only(16708, 4310).text, QStringLiteral("---"));
    EXPECT_EQ(only(16708, 4310).textAlign, 0);
    EXPECT_EQ(only(16147, 4310).textAlign, 2);

    // Dew point: right-aligned fillers in every statistic row.
    for (double y : {4310.0, 7830.0, 11670.0, 11990.0, 12310.0, 12630.0}) {
        const CanvasCall filler = only(18952, y);
        EXPECT_EQ(filler.text, QStringLiteral("---")) << y;
        EXPECT_EQ(filler.textAlign, 2) << y;
    }
}

namespace {

// Six element blocks of 561-twip columns from x 1000; day rows in three blocks of 320.
double ColumnX(int column) { return 1000 + 561 * (column - 1); }
double DayY(int day)
{
    const int block = std::min((day - 1) / 10, 2);
    return std::array<double, 3>{1110, 4630, 8150}[block] + 320 * (day - 1 - 10 * block);
}
const std::array<double, 4> StatisticsY{4310, 7830, 11670, 11990};
constexpr double ExtremesY = 12310;
constexpr double DatesY = 12630;

QStringList Repeated(const char* text, int n) { return QStringList(n, QString::fromUtf8(text)); }

}  // namespace

TEST_F(PressureTemperatureHumidityPage, WholePageOverPositionCodedTables)
{
    ReportTables& t = c.tables;
    const test::PositionCodedTables codes = positionCoded();
    const auto month = [&](int item) { return codes(t.AMonthStat, item); };
    CanvasCallRecorder rec(c.canvas);
    PrintPressureTemperatureHumidity(c);

    test::PageExpectation page(codes);
    for (int d = 1; d <= 31; ++d) {
        const auto four = [&](const TextTable& table) {
            return QStringList{codes(table, d, 1), codes(table, d, 2), codes(table, d, 3), codes(table, d, 4)};
        };
        const auto daily = [&](int item) { return codes(t.ADailyStat, d, item); };
        page.row(DayY(d), ColumnX(1), 561,
                 four(t.AStationPressure) << daily(1) << codes(t.AStationPressure, d, 5)
                                          << codes(t.AStationPressure, d, 6)
                                          << four(t.AAirTemperature) << daily(3) << codes(t.AAirTemperature, d, 5)
                                          << codes(t.AAirTemperature, d, 6)
                                          << four(t.AWetBulb) << four(t.AVapourPressure) << daily(5)
                                          << four(t.ARelativeHumidity) << daily(7) << codes(t.ARelativeHumidity, d, 5)
                                          << four(t.ADewPoint));
    }
    for (int p = 1; p <= 4; ++p) {
        const auto dekad = [&](int first, int n) {
            QStringList items;
            for (int k = first; k < first + n; ++k)
                items << codes(t.ADekadStat, p, k);
            return items;
        };
        const double y = StatisticsY[p - 1];
        page.row(y, ColumnX(1), 561, dekad(1, 7) << dekad(29, 7));
        if (p <= 2)
            page.row(y, ColumnX(15), 561, Repeated("---", 4));
        page.row(y, ColumnX(19), 561, dekad(57, 5) << dekad(83, 5) << Repeated("---", 5));
    }
    // The pentad mean temperatures under their caption in the wet-bulb block.
    page.cell(ColumnX(15), 11670, QStringLiteral("候平均气温"));
    for (int n = 1; n <= 6; ++n)
        page.row(11990 + 320 * ((n - 1) % 3), ColumnX(15) + 1122 * ((n - 1) / 3), 561,
                 {QString::number(n), month(8 + n)});
    // Month extremes and their dates.
    page.row(ExtremesY, ColumnX(1), 561, Repeated("---", 5) << month(1) << month(3) << Repeated("---", 5)
                                                            << month(5) << month(7));
    page.row(DatesY, ColumnX(1), 561, Repeated("---", 5) << month(2) << month(4) << Repeated("---", 5)
                                                         << month(6) << month(8));
    page.row(ExtremesY, ColumnX(19), 701, {"最大", month(15), "最小", month(17)});
    page.row(DatesY, ColumnX(19), 701, {"日期", month(16), "日期", month(18)});
    page.row(ExtremesY, ColumnX(24), 561, Repeated("---", 5) << month(19) << Repeated("---", 4));
    page.row(DatesY, ColumnX(24), 561, Repeated("---", 5) << month(20) << Repeated("---", 4));
    page.only(1000, 1110, 19500, 12950);
    EXPECT_TRUE(page.matches(rec));
    EXPECT_TRUE(messages().shown.empty());
}
