#include "pages/monthly_daily/FrozenSoilSunshinePage.h"

#include "support/PageTestSupport.h"

using namespace tabulon;
using namespace tabulon::testing;

namespace {

double DayY(int day) { return 1110 + 330 * (day - 1 + (day > 10) + (day > 20)); }
constexpr std::array<double, 4> StatisticsY{4410, 8040, 12000, 12330};

}  // namespace

using FrozenSoilSunshinePage = DailyPageTest;

TEST_F(FrozenSoilSunshinePage, WholePageOverPositionCodedTables)
{
    ReportTables& t = c.tables;
    const test::PositionCodedTables codes = positionCoded();
    CanvasCallRecorder rec(c.canvas);
    PrintFrozenSoilSunshine(c, 1);

    test::PageExpectation page(codes);
    for (int d = 1; d <= 31; ++d) {
        QStringList row;
        for (int i = 1; i <= 4; ++i)
            row << codes(t.AFrozenSoil, d, i);
        for (int h = 1; h <= 24; ++h)
            row << codes(t.ASunshine, d, h);
        row << codes(t.ASunshine, d, 27);
        for (int i = 1; i <= 4; ++i)
            row << codes(t.ASeaLevelPressure, d, i);
        row << codes(t.ADailyStat, d, 40) << codes(t.AGroundState, d, 1);
        page.row(DayY(d), 1125, 525, row);
    }
    for (int p = 1; p <= 4; ++p) {
        const double y = StatisticsY[p - 1];
        QStringList seaLevel;
        for (int k = 459; k <= 463; ++k)
            seaLevel << codes(t.ADekadStat, p, k);
        page.row(y, 15825, 525, QStringList{codes(t.ADekadStat, p, 458)} << seaLevel);
        if (p <= 2)
            page.row(y, 1125, 525, QStringList(4, QStringLiteral("--")));
        if (p <= 3)
            page.row(y, 3225, 525, QStringList(24, QStringLiteral("--")));
    }
    page.row(12000, 1125, 1050, {"月最大", codes(t.AMonthStat, 85)});
    page.row(12330, 1125, 1050, {"日  期", codes(t.AMonthStat, 86)});
    page.row(12330, {3225, 6900, 7950, 9525, 10575, 12150, 14250},
             {"日照量别日数", "≥60%", codes(t.ASunshineStat, 1), "≤20%", codes(t.ASunshineStat, 2), "月日照百分率",
              codes(t.ASunshineStat, 3)});
    page.only(1125, 1110, 19500, 12660);
    EXPECT_TRUE(page.matches(rec));
    EXPECT_TRUE(rec.contains(R"(PrintCell(0, "-8-", 19500, 300, 0, 13300))"));
    EXPECT_TRUE(messages().shown.empty());
}

TEST_F(FrozenSoilSunshinePage, SunshineIsPaddedInItsTableAndFillersStay)
{
    positionCoded();
    ReportTables& t = c.tables;
    t.ASunshine(1, 1) = QStringLiteral("7");
    t.ASunshine(1, 2) = QStringLiteral("-");
    t.ASunshine(1, 3) = QStringLiteral("----");
    t.ASunshine(1, 27) = QStringLiteral("9");
    CanvasCallRecorder rec(c.canvas);
    PrintFrozenSoilSunshine(c, 4);
    EXPECT_TRUE(rec.contains(R"(PrintCell(-1, "07", 525, 330, 3225, 1110))"));
    EXPECT_TRUE(rec.contains(R"(PrintCell(-1, "09", 525, 330, 15825, 1110))"));
    EXPECT_EQ(t.ASunshine(1, 1), QStringLiteral("07"));
    EXPECT_EQ(t.ASunshine(1, 27), QStringLiteral("09"));
    EXPECT_EQ(t.ASunshine(1, 2), QStringLiteral("-"));
    EXPECT_EQ(t.ASunshine(1, 3), QStringLiteral("----"));
    EXPECT_TRUE(rec.contains(R"(PrintCell(-1, "月最大", 1050, 330, 1125, 12000))"));
    EXPECT_TRUE(rec.contains(R"(PrintCell(0, "-24-", 19500, 300, 0, 13300))"));

    CanvasCallRecorder five(c.canvas);
    PrintFrozenSoilSunshine(c, 5);
    EXPECT_TRUE(five.contains(R"(PrintCell(0, "-17-", 19500, 300, 0, 13300))"));
}

TEST_F(FrozenSoilSunshinePage, ThirtyDayMonthBlanksDay31AcrossAllValueColumns)
{
    positionCoded();
    loadManualStationMonth(30, 4);
    CanvasCallRecorder rec(c.canvas);
    PrintFrozenSoilSunshine(c, 2);
    QStringList day31;
    for (const CanvasCall& call : rec.ofKind(CanvasCall::Kind::PrintCell))
        if (call.numbers[4] == 11670 && call.numbers[3] >= 1125)
            day31 << call.text;
    EXPECT_EQ(day31, QStringList(35, QStringLiteral("  ")));
    EXPECT_TRUE(rec.contains(R"(PrintCell(0, "-25-", 19500, 300, 0, 13300))"));
}

TEST_F(FrozenSoilSunshinePage, OnlyThePreviewClearsTheRowHeadingPane)
{
    positionCoded();
    PrintFrozenSoilSunshine(c, 1);
    // While printing every pass draws on one surface: the corner is still there.
    EXPECT_TRUE(printer.hasText(QStringLiteral("日  期")));
    EXPECT_EQ(panes.paneClears, (std::array<int, 4>{0, 0, 0, 0}));

    usePreview("1");
    PrintFrozenSoilSunshine(c, 1);
    EXPECT_EQ(panes.paneClears, (std::array<int, 4>{0, 0, 1, 0}));
    EXPECT_EQ(panes.sizes[2], (test::PaneSize{1125 + 35, 12660}));
}

TEST_F(FrozenSoilSunshinePage, AStationKindOutsideTheListIsReported)
{
    positionCoded();
    PrintFrozenSoilSunshine(c, 6);
    ASSERT_EQ(messages().shown.size(), 1u);
    EXPECT_EQ(messages().shown[0].title, QStringLiteral("打印冻土、日照、海平面气压,草雪面温度"));
}
