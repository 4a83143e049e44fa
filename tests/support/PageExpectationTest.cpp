// The page-test helper: codes that survive the pages' own formatting, and a diff that names
// the table cell behind each wrong text.
#include "support/PageExpectation.h"
#include "support/PositionCodedTables.h"
#include "toolkit/Canvas.h"
#include "toolkit/TextHelpers.h"
#include "platform/RecordingSurface.h"

#include <gtest/gtest.h>

#include <set>

namespace tabulon::test {
namespace {

TEST(PositionCodedTablesTest, CodesAreDistinctKeepTheirBoundsAndSurviveTwoDigitFormatting)
{
    ReportTables t;
    t.AWetBulb.dim({Bounds{1, 31}, Bounds{1, 6}});
    t.AfilePara(4) = 30;
    const PositionCodedTables codes(t, MonthlySurfaceReport);
    EXPECT_EQ(t.AfilePara(4).toInt(), 30);   // parameters are the test's own
    EXPECT_EQ(t.AWetBulb.ubound(2), 6);
    EXPECT_EQ(t.AStationPressure.ubound(1), 31);   // never dimensioned: the default bounds

    std::set<QString> seen;
    for (const QString& code : {codes(t.AStationPressure, 3, 12), codes(t.AStationPressure, 31, 2),
                                codes(t.AAirTemperature, 3, 12), codes(t.ADailyStat, 3, 12),
                                codes(t.AMonthStat, 5), codes(t.AStationInfo, 5), codes(t.ACloudClassStat, 1, 2, 3)}) {
        EXPECT_TRUE(seen.insert(code).second) << code.toStdString();
        QString formatted = code;
        FormatTwoDigits(formatted);
        EXPECT_EQ(formatted, code);
    }
    EXPECT_EQ(t.AStationPressure(3, 12), codes(t.AStationPressure, 3, 12));
    EXPECT_EQ(codes.describe(codes(t.AMonthStat, 5)), QStringLiteral("AMonthStat(5)"));
    EXPECT_EQ(codes.describe(codes(t.ACloudClassStat, 1, 2, 3)), QStringLiteral("ACloudClassStat(1, 2, 3)"));
    EXPECT_EQ(codes.describe(QStringLiteral("最高")), QStringLiteral("\"最高\""));

    const PositionCodedTables yearly(t, YearlySurfaceReport);
    EXPECT_EQ(t.YMonthStat(13, 150), yearly(t.YMonthStat, 13, 150));
}

TEST(PageExpectationTest, ReportsWrongMissingAndUnexpectedCellsAndTheLastDrawnWins)
{
    ReportTables t;
    const PositionCodedTables codes(t, MonthlySurfaceReport);
    RecordingSurface surface;
    Canvas cv;
    cv.OutputTarget = &surface;
    cv.PageScale = Decimal4::fromInt(1);
    CanvasCallRecorder rec(cv);
    cv.PrintCell(-1, QStringLiteral(" "), 100, 100, 0, 0);
    cv.PrintCell(-1, codes(t.ADailyStat, 1, 1), 100, 100, 0, 0);   // drawn over the blank
    cv.PrintCell(-1, codes(t.ADailyStat, 1, 2), 100, 100, 100, 0);
    cv.PrintCell(-1, QStringLiteral("x"), 100, 100, 200, 0);

    PageExpectation ok(codes);
    ok.row(0, 0, 100, {codes(t.ADailyStat, 1, 1), codes(t.ADailyStat, 1, 2)});
    EXPECT_TRUE(ok.matches(rec));
    EXPECT_FALSE(PageExpectation(ok).only(0, 0, 300, 100).matches(rec));

    PageExpectation swapped(codes);
    swapped.row(0, {100, 0, 300}, {codes(t.ADailyStat, 1, 1), codes(t.ADailyStat, 1, 2), "y"});
    const ::testing::AssertionResult result = swapped.matches(rec);
    ASSERT_FALSE(result);
    const std::string message = result.message();
    EXPECT_NE(message.find("3 cell(s) differ"), std::string::npos) << message;
    EXPECT_NE(message.find("(100, 0): expected ADailyStat(1, 1), drawn ADailyStat(1, 2)"), std::string::npos)
        << message;
    EXPECT_NE(message.find("(300, 0): expected \"y\", nothing drawn"), std::string::npos) << message;
}

}  // namespace
}  // namespace tabulon::test
