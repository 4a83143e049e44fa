#include "pages/monthly_daily/MonthlyBriefPages.h"

#include "pages/monthly_daily/BriefTableTest.h"

using namespace tabulon;
using namespace tabulon::testing;

namespace {

double DayY(int day) { return 1510 + 310 * (day - 1 + (day > 10) + (day > 20)); }
constexpr std::array<double, 4> PeriodY{4610, 8020, 11740, 12050};
double ColumnX(int column) { return 921 + 563 * (column - 1); }

}  // namespace

using MonthlyBrief1Page = test::BriefTableTest;

TEST_F(MonthlyBrief1Page, WholePageOfAFourTimesStation)
{
    ReportTables& t = c.tables;
    CanvasCallRecorder rec(c.canvas);
    PrintMonthlyBrief1(c);

    test::PageExpectation page(codes());
    for (int d = 1; d <= 31; ++d) {
        QStringList row{code(t.ADailyStat, d, 1), code(t.AStationPressure, d, 5), code(t.AStationPressure, d, 6),
                        code(t.ADailyStat, d, 40)};
        for (int k = 1; k <= 4; ++k)
            row << code(t.AAirTemperature, d, k);
        row << code(t.ADailyStat, d, 3) << code(t.AAirTemperature, d, 5) << code(t.AAirTemperature, d, 6)
            << code(t.ADailyStat, d, 5);
        for (int k = 1; k <= 4; ++k)
            row << code(t.ARelativeHumidity, d, k);
        row << code(t.ADailyStat, d, 7) << code(t.ADailyStat, d, 9) << code(t.ADailyStat, d, 11)
            << code(t.AEvaporation, d, 1) << code(t.AEvaporationE601B, d, 1) << code(t.ADailyStat, d, 22)
            << code(t.AGroundTemperature, d, 5) << code(t.AGroundTemperature, d, 6);
        for (int item = 24; item <= 32; item += 2)
            row << code(t.ADailyStat, d, item);
        row << code(t.ASoilTemp80cm, d, 1) << code(t.ASoilTemp160cm, d, 1) << code(t.ASoilTemp320cm, d, 1)
            << code(t.ASunshine, d, 27);
        page.row(DayY(d), 921, 563, row);
    }
    const std::vector<int> periodItems{5,   6,   7,   463, 29,  30,  31,  32,  33,  34,  35,
                                       61,  83,  84,  85,  86,  87,  114, 140, 166, 167, 226,
                                       227, 228, 254, 280, 306, 332, 358, 380, 406, 432, 458};
    for (int p = 1; p <= 4; ++p) {
        QStringList row;
        for (int item : periodItems)
            row << code(t.ADekadStat, p, item);
        page.row(PeriodY[p - 1], 921, 563, row);
    }
    const std::vector<std::pair<QString, int>> extremes{
        {"气压最高", 1}, {"气压最低", 3},  {"气温最高", 5},     {"气温最低", 7}, {"水汽压最大", 15},
        {"水汽压最小", 17}, {"最小相对湿度", 19}, {"地温最高", 80}, {"地温最低", 82}};
    for (std::size_t i = 0; i < extremes.size(); ++i) {
        const double x = 921 + 1328 * double(i);
        page.row(12360, x, 664, {extremes[i].first, code(t.AMonthStat, extremes[i].second)});
        page.row(12670, x, 664, {"日期", code(t.AMonthStat, extremes[i].second + 1)});
    }
    page.cell(13537, 12360, code(t.AMonthStat, 84));
    page.row(12360, 14865, 664, {"候序", "1", "2", "3", "4", "5", "6"});
    QStringList pentads{"气温"};
    for (int n = 1; n <= 6; ++n)
        pentads << code(t.AMonthStat, 8 + n);
    page.row(12670, 14865, 664, pentads);
    page.only(921, 1510, 19500, 13300);
    EXPECT_TRUE(page.matches(rec));

    EXPECT_TRUE(rec.contains(R"(PrintCell(-1, "月计/平均", 921, 310, 0, 12050))"));
    EXPECT_TRUE(rec.contains(R"(PrintCell(-1, "月极值", 921, 620, 0, 12360))"));
    EXPECT_TRUE(rec.contains(R"x(PrintCell(-1, "地温(0.1℃)", 6193, 400, 12744, 310))x"));
    EXPECT_TRUE(rec.contains(R"(PrintCell(0, "-1-", 19500, 300, 0, 13300))"));
    EXPECT_TRUE(boxes().shown.empty());
}

TEST_F(MonthlyBrief1Page, HourlyLettersReadTheHourlyItems)
{
    c.state.StationKind = AutomaticStation;
    letters({{1, "C"}, {2, "B"}, {4, "A"}, {5, "B"}, {6, "A"}, {12, "B"}, {16, "B"}});
    ReportTables& t = c.tables;
    CanvasCallRecorder rec(c.canvas);
    PrintMonthlyBrief1(c);

    test::PageExpectation page(codes());
    QStringList day{code(t.ADailyStat, 1, 1), code(t.AStationPressure, 1, 25), code(t.AStationPressure, 1, 27),
                    code(t.ADailyStat, 1, 40)};
    for (int k = 1; k <= 4; ++k)
        day << code(t.AAirTemperature, 1, 6 * k);
    day << code(t.ADailyStat, 1, 3) << code(t.AAirTemperature, 1, 25) << code(t.AAirTemperature, 1, 27)
        << code(t.ADailyStat, 1, 5);
    for (int k = 1; k <= 4; ++k)
        day << code(t.ARelativeHumidity, 1, 6 * k);
    day << code(t.ADailyStat, 1, 7) << code(t.ADailyStat, 1, 9) << code(t.ADailyStat, 1, 11)
        << code(t.AEvaporation, 1, 1) << code(t.AEvaporationE601B, 1, 25) << code(t.ADailyStat, 1, 22)
        << code(t.AGroundTemperature, 1, 25) << code(t.AGroundTemperature, 1, 27);
    for (int item = 24; item <= 38; item += 2)
        day << code(t.ADailyStat, 1, item);
    day << code(t.ASunshine, 1, 27);
    page.row(1510, 921, 563, day);
    QStringList month;
    for (int item : {25,  27,  28,  463, 34,  40,  46,  52,  53,  55,  56,  81,  88,  94,  100, 106, 107,
                     134, 160, 166, 167, 246, 248, 249, 274, 300, 326, 352, 378, 404, 430, 456, 458})
        month << code(t.ADekadStat, 4, item);
    page.row(12050, 921, 563, month);
    EXPECT_TRUE(page.matches(rec));
    // Kinds 2 and 3 leave the deep-soil readings as they are.
    EXPECT_EQ(t.ASoilTemp80cm(1, 1), code(t.ASoilTemp80cm, 1, 1));
}

TEST_F(MonthlyBrief1Page, PressureMinimumFollowsTheLetter)
{
    ReportTables& t = c.tables;
    for (const auto& [letter, item] : std::vector<std::pair<const char*, int>>{{"C", 27}, {"D", 27}, {"A", 26}, {"B", 26}, {"8", 6}}) {
        letters({{1, letter}});
        CanvasCallRecorder rec(c.canvas);
        PrintMonthlyBrief1(c);
        EXPECT_EQ(cellText(rec, 2047, DayY(12)), code(t.AStationPressure, 12, item)) << letter;
    }
    letters({{1, "X"}});
    CanvasCallRecorder rec(c.canvas);
    PrintMonthlyBrief1(c);
    // An unmatched pressure letter still shows the daily mean.
    EXPECT_EQ(cellText(rec, 921, DayY(12)), code(t.ADailyStat, 12, 1));
    EXPECT_TRUE(cellsAt(rec, 1484, DayY(12)).empty());
    EXPECT_TRUE(cellsAt(rec, 921, PeriodY[0]).empty());
    EXPECT_EQ(cellText(rec, 2610, PeriodY[0]), code(t.ADekadStat, 1, 463));
}

TEST_F(MonthlyBrief1Page, UnmatchedLettersLeaveTheirCellsUndrawn)
{
    letters({{2, "X"}, {16, "A"}});
    ReportTables& t = c.tables;
    CanvasCallRecorder rec(c.canvas);
    PrintMonthlyBrief1(c);
    // The whole temperature block, day and period rows, has no cell at all.
    for (const CanvasCall& call : rec.ofKind(CanvasCall::Kind::PrintCell)) {
        const double x = call.numbers[3], y = call.numbers[4];
        if (y >= 1510 && y < 12360)
            EXPECT_FALSE(x >= 3173 && x <= 6551) << call.toString().toStdString();
    }
    // Ground "A": day means and deep-soil readings stay, extremes and every period cell go.
    EXPECT_EQ(cellText(rec, ColumnX(22), DayY(3)), code(t.ADailyStat, 3, 22));
    EXPECT_EQ(cellText(rec, ColumnX(30), DayY(3)), code(t.ASoilTemp80cm, 3, 1));
    EXPECT_TRUE(cellsAt(rec, ColumnX(23), DayY(3)).empty());
    EXPECT_TRUE(cellsAt(rec, ColumnX(24), DayY(3)).empty());
    for (int col = 22; col <= 32; ++col)
        EXPECT_TRUE(cellsAt(rec, ColumnX(col), PeriodY[3]).empty()) << col;
    EXPECT_TRUE(boxes().shown.empty());
}

TEST_F(MonthlyBrief1Page, DeepSoilIsPaddedInItsTableOnlyForManualGround)
{
    ReportTables& t = c.tables;
    t.ASoilTemp80cm(1, 1) = QStringLiteral("5");
    CanvasCallRecorder rec(c.canvas);
    PrintMonthlyBrief1(c);
    EXPECT_TRUE(rec.contains(R"(PrintCell(-1, "05", 563, 310, 17248, 1510))"));
    EXPECT_EQ(t.ASoilTemp80cm(1, 1), QStringLiteral("05"));

    t.ASoilTemp80cm(1, 1) = QStringLiteral("5");
    c.state.StationKind = AutomaticStation;
    CanvasCallRecorder two(c.canvas);
    PrintMonthlyBrief1(c);
    EXPECT_EQ(cellText(two, 17248, 1510), code(t.ADailyStat, 1, 34));
    EXPECT_EQ(t.ASoilTemp80cm(1, 1), QStringLiteral("5"));
}

TEST_F(MonthlyBrief1Page, SunshineTotalsPrintInTwoDigitsWithoutRewriting)
{
    ReportTables& t = c.tables;
    t.ASunshine(1, 27) = QStringLiteral("0");
    t.ASunshine(2, 27) = QStringLiteral("5");
    t.ASunshine(3, 27) = QStringLiteral("-");
    t.ADekadStat(1, 458) = QStringLiteral("123");
    CanvasCallRecorder rec(c.canvas);
    PrintMonthlyBrief1(c);
    EXPECT_EQ(cellText(rec, 18937, DayY(1)), QStringLiteral("00"));
    EXPECT_EQ(cellText(rec, 18937, DayY(2)), QStringLiteral("05"));
    EXPECT_EQ(cellText(rec, 18937, DayY(3)), QStringLiteral("-"));
    EXPECT_EQ(cellText(rec, 18937, PeriodY[0]), QStringLiteral("123"));
    EXPECT_EQ(t.ASunshine(1, 27), QStringLiteral("0"));
    EXPECT_EQ(t.ASunshine(2, 27), QStringLiteral("5"));
}

TEST_F(MonthlyBrief1Page, AShortMonthBlanksItsLastDayRows)
{
    c.tables.AfilePara(4) = 28;
    CanvasCallRecorder rec(c.canvas);
    PrintMonthlyBrief1(c);
    for (double y : {10810.0, 11120.0, 11430.0}) {
        EXPECT_EQ(rowTexts(rec, y, 921), QStringList(33, QStringLiteral("  "))) << y;
        EXPECT_EQ(cellsAt(rec, 0, y).size(), 1u);   // the day label stands
    }
    EXPECT_EQ(rowTexts(rec, 11740, 921).size(), 33);

    c.canvas.ShowGridLines = 0;
    CanvasCallRecorder noGrid(c.canvas);
    PrintMonthlyBrief1(c);
    EXPECT_EQ(cellsAt(noGrid, 921, 10810).at(0).numbers[0], 0);
    // The extremes row keeps its boxes whatever the grid lines.
    EXPECT_TRUE(noGrid.contains(QStringLiteral("PrintCell(-1, \"%1\", 664, 310, 1585, 12360)")
                                    .arg(code(c.tables.AMonthStat, 1))));
}

