#include "pages/monthly_daily/MonthlyBriefPages.h"

#include "pages/monthly_daily/BriefTableTest.h"

using namespace tabulon;
using namespace tabulon::testing;

namespace {

double DayY(int day) { return 1510 + 330 * (day - 1 + (day > 10) + (day > 20)); }
constexpr std::array<double, 4> PeriodY{4810, 8440, 12400, 12730};

}  // namespace

using MonthlyBrief3Page = test::BriefTableTest;

TEST_F(MonthlyBrief3Page, WholePageOfAFourTimesStation)
{
    ReportTables& t = c.tables;
    CanvasCallRecorder rec(c.canvas);
    PrintMonthlyBrief3(c);

    test::PageExpectation page(codes());
    for (int d = 1; d <= 31; ++d)
        page.row(DayY(d), 900, 900,
                 {code(t.ADailyStat, d, 1), code(t.ADailyStat, d, 3), code(t.AAirTemperature, d, 5),
                  code(t.AAirTemperature, d, 6), code(t.ADailyStat, d, 5), code(t.ARelativeHumidity, d, 5),
                  code(t.APrecipitation, d, 3), code(t.ASunshine, d, 27)});
    for (int p = 1; p <= 4; ++p)
        page.row(PeriodY[p - 1], 900, 900,
                 {code(t.ADekadStat, p, 5), code(t.ADekadStat, p, 33), code(t.ADekadStat, p, 34),
                  code(t.ADekadStat, p, 35), code(t.ADekadStat, p, 61), "----", code(t.ADekadStat, p, 164),
                  code(t.ADekadStat, p, 458), "----------"});
    page.only(900, 1510, 8100, 13300);
    EXPECT_TRUE(page.matches(rec));
    EXPECT_EQ(cellText(rec, 0, 12400), QStringLiteral("下旬平均"));
    EXPECT_EQ(cellText(rec, 0, 12730), QStringLiteral("月计/平均"));
    EXPECT_TRUE(rec.contains(R"(PrintCell(0, "-3-", 9600, 300, 0, 13300))"));
    EXPECT_TRUE(boxes().shown.empty());
    // Nothing right of the table but the station's name.
    for (const RecordedText& text : surface.texts())
        if (text.x >= 9600)
            EXPECT_EQ(text.text, code(t.AStationInfo, 2));
}

TEST_F(MonthlyBrief3Page, TemperatureLettersPickTheExtremesOrNothing)
{
    ReportTables& t = c.tables;
    for (const auto& [letter, lowest] : std::vector<std::pair<const char*, int>>{{"A", 26}, {"B", 27}}) {
        letters({{2, letter}});
        CanvasCallRecorder rec(c.canvas);
        PrintMonthlyBrief3(c);
        EXPECT_EQ(cellText(rec, 2700, DayY(4)), code(t.AAirTemperature, 4, 25)) << letter;
        EXPECT_EQ(cellText(rec, 3600, DayY(4)), code(t.AAirTemperature, 4, lowest)) << letter;
        EXPECT_EQ(rowTexts(rec, PeriodY[1], 1800).mid(0, 3),
                  (QStringList{code(t.ADekadStat, 2, 53), code(t.ADekadStat, 2, 55), code(t.ADekadStat, 2, 56)}));
    }
    letters({{2, "X"}});
    CanvasCallRecorder rec(c.canvas);
    PrintMonthlyBrief3(c);
    EXPECT_EQ(cellText(rec, 1800, DayY(4)), code(t.ADailyStat, 4, 3));
    for (int d = 1; d <= 31; ++d) {
        EXPECT_TRUE(cellsAt(rec, 2700, DayY(d)).empty());
        EXPECT_TRUE(cellsAt(rec, 3600, DayY(d)).empty());
    }
    for (double y : PeriodY)
        for (double x : {1800.0, 2700.0, 3600.0})
            EXPECT_TRUE(cellsAt(rec, x, y).empty()) << x << "," << y;
}

TEST_F(MonthlyBrief3Page, PressureVapourAndHumidityLetters)
{
    ReportTables& t = c.tables;
    letters({{1, "C"}, {4, "A"}, {5, "B"}});
    CanvasCallRecorder hourly(c.canvas);
    PrintMonthlyBrief3(c);
    EXPECT_EQ(cellText(hourly, 900, PeriodY[3]), code(t.ADekadStat, 4, 25));
    EXPECT_EQ(cellText(hourly, 4500, PeriodY[3]), code(t.ADekadStat, 4, 81));
    EXPECT_EQ(cellText(hourly, 5400, DayY(9)), code(t.ARelativeHumidity, 9, 25));

    letters({{1, "8"}, {4, "B"}, {5, "2"}});
    CanvasCallRecorder mixed(c.canvas);
    PrintMonthlyBrief3(c);
    EXPECT_EQ(cellText(mixed, 900, PeriodY[3]), code(t.ADekadStat, 4, 5));
    EXPECT_EQ(cellText(mixed, 5400, DayY(9)), code(t.ARelativeHumidity, 9, 5));
    for (double y : PeriodY)
        EXPECT_TRUE(cellsAt(mixed, 4500, y).empty());
    EXPECT_EQ(cellText(mixed, 4500, DayY(9)), code(t.ADailyStat, 9, 5));

    letters({{1, "X"}, {5, "C"}});
    CanvasCallRecorder none(c.canvas);
    PrintMonthlyBrief3(c);
    for (double y : PeriodY) {
        EXPECT_TRUE(cellsAt(none, 900, y).empty());
        EXPECT_EQ(cellText(none, 5400, y), QStringLiteral("----"));
    }
    EXPECT_EQ(cellText(none, 900, DayY(9)), code(t.ADailyStat, 9, 1));
    EXPECT_TRUE(cellsAt(none, 5400, DayY(9)).empty());
}

TEST_F(MonthlyBrief3Page, SunshineTotalsPrintInTwoDigitsWithoutRewriting)
{
    ReportTables& t = c.tables;
    t.ASunshine(1, 27) = QStringLiteral("0");
    t.ASunshine(2, 27) = QStringLiteral("7");
    t.ASunshine(3, 27) = QStringLiteral("-");
    t.ADekadStat(2, 458) = QStringLiteral("8");
    CanvasCallRecorder rec(c.canvas);
    PrintMonthlyBrief3(c);
    EXPECT_EQ(cellText(rec, 7200, DayY(1)), QStringLiteral("00"));
    EXPECT_EQ(cellText(rec, 7200, DayY(2)), QStringLiteral("07"));
    EXPECT_EQ(cellText(rec, 7200, DayY(3)), QStringLiteral("-"));
    EXPECT_EQ(cellText(rec, 7200, PeriodY[1]), QStringLiteral("08"));
    EXPECT_EQ(t.ASunshine(2, 27), QStringLiteral("7"));
}

TEST_F(MonthlyBrief3Page, PeriodRowsAfterTheLastDaysWeatherAreInSimSun)
{
    ReportTables& t = c.tables;
    t.ADailyStat(31, 13) = QStringLiteral("01 10");
    CanvasCallRecorder rec(c.canvas);
    PrintMonthlyBrief3(c);
    const CanvasCall value = cellsAt(rec, 900, PeriodY[0]).at(0);
    const CanvasCall filler = cellsAt(rec, 5400, PeriodY[0]).at(0);
    EXPECT_EQ(value.textAlign, 2);
    EXPECT_EQ(filler.textAlign, 0);
    EXPECT_EQ(cellsAt(rec, 8100, PeriodY[3]).at(0).textAlign, 0);
    const auto printed = surface.textsEqualTo(code(t.ADekadStat, 1, 5));
    ASSERT_EQ(printed.size(), 1u);
    EXPECT_EQ(printed[0].fontName, QStringLiteral("宋体"));
}

TEST_F(MonthlyBrief3Page, TheCornerDiagonalIsOneLineOnTheSurface)
{
    c.canvas.LeftMargin = 750;
    c.canvas.TopMargin = 750;
    PrintMonthlyBrief3(c);
    int diagonals = 0;
    for (const RecordedLine& l : surface.lines())
        if (!l.isHorizontal() && !l.isVertical()) {
            ++diagonals;
            EXPECT_EQ((std::array<double, 4>{l.x1, l.y1, l.x2, l.y2}), (std::array<double, 4>{750, 1060, 1650, 2260}));
        }
    EXPECT_EQ(diagonals, 1);
}

TEST_F(MonthlyBrief3Page, ShortMonthAndNoGridLines)
{
    c.tables.AfilePara(4) = 30;
    c.canvas.ShowGridLines = 0;
    CanvasCallRecorder rec(c.canvas);
    PrintMonthlyBrief3(c);
    EXPECT_EQ(rowTexts(rec, DayY(31), 900), QStringList(9, QStringLiteral("  ")));
    EXPECT_EQ(cellText(rec, 0, DayY(31)), QStringLiteral("31"));
    for (const CanvasCall& call : rec.ofKind(CanvasCall::Kind::PrintCell)) {
        const double x = call.numbers[3], y = call.numbers[4];
        const bool dataCell = x >= 900 && y >= 1510 && y < 13060;
        const bool cornerText = call.text == QStringLiteral("项目") || call.text == QStringLiteral("日期");
        if (dataCell || cornerText)
            EXPECT_EQ(call.numbers[0], 0) << call.toString().toStdString();
        else if (x == 0 && y >= 1510 && y < 13060)
            EXPECT_EQ(call.numbers[0], -1) << call.toString().toStdString();
    }
}

