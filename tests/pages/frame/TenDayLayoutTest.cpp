// Geometry of the ten-day layout: where rows, separators and labels fall.
#include "pages/frame/TenDayLayout.h"

#include <gtest/gtest.h>

namespace tabulon {
namespace {

TEST(TenDayLayoutGeometry, DayRowsSkipTheStatisticsRows)
{
    const TenDayLayout l;
    EXPECT_EQ(l.dayRowY(1), 1110);
    EXPECT_EQ(l.dayRowY(10), 4080);
    EXPECT_EQ(l.dayRowY(11), 4740);
    EXPECT_EQ(l.dayRowY(20), 7710);
    EXPECT_EQ(l.dayRowY(21), 8370);
    // Day 31 belongs to the third block, whose statistics row follows it.
    EXPECT_EQ(l.dayRowY(29), 11010);
    EXPECT_EQ(l.dayRowY(31), 11670);
    EXPECT_EQ(l.statisticsRowY(1), 4410);
    EXPECT_EQ(l.statisticsRowY(2), 8040);
    EXPECT_EQ(l.statisticsRowY(3), 12000);
    EXPECT_EQ(l.statisticsRowY(4), 12330);
    EXPECT_EQ(l.extremesRowY(), 12660);
    EXPECT_EQ(l.extremesRowBottom(), 12990);
}

TEST(TenDayLayoutGeometry, SeparatorsAreLightOnlyAfterDays5_15_25)
{
    const TenDayLayout l;
    const double expected[TenDayLayout::SeparatorCount] = {2760, 4410, 4740, 6390, 8040,
                                                          8370, 10020, 12000, 12330, 12660};
    for (int n = 0; n < TenDayLayout::SeparatorCount; ++n) {
        EXPECT_EQ(l.separator(n).y, expected[n]) << n;
        const bool pentad = expected[n] == 2760 || expected[n] == 6390 || expected[n] == 10020;
        EXPECT_EQ(l.separator(n).pentad, pentad) << n;
    }
}

TEST(TenDayLayoutGeometry, DeeperHeadingBandMovesEveryRow)
{
    TenDayLayout l;
    l.rowOrigin = 1510;   // a three-tier heading band
    EXPECT_EQ(l.dayRowY(21), 8770);
    EXPECT_EQ(l.statisticsRowY(4), 12730);
    EXPECT_EQ(l.separator(0).y, 3160);
    EXPECT_EQ(l.separator(6).y, 10420);
}

TEST(TenDayLayoutGeometry, FixedHourRulesFollowTheirOwnOrigins)
{
    TenDayLayout l;
    EXPECT_EQ(l.fixedHourLeftX(1), 4320);
    EXPECT_EQ(l.fixedHourRightX(1), 4980);
    EXPECT_EQ(l.fixedHourLeftX(4), 16200);
    EXPECT_EQ(l.fixedHourRightX(4), 16860);
    EXPECT_EQ(l.columnX(27), 18840);
    l.fixedHourStep = 4104;
    l.fixedHourLeftOrigin = 336;
    EXPECT_EQ(l.fixedHourLeftX(2), 8544);
    EXPECT_EQ(l.fixedHourRightX(2), 9228);
}

TEST(TenDayLayoutLabels, RowAndColumnLiteralsCutIntoTrimmedPieces)
{
    const QStringList rows = TenDayLayout::RowLabels();
    ASSERT_EQ(rows.size(), 36);
    EXPECT_EQ(rows[0], "1");
    EXPECT_EQ(rows[10], QStringLiteral("上旬平均"));
    EXPECT_EQ(rows[21], QStringLiteral("中旬平均"));
    EXPECT_EQ(rows[32], "31");
    EXPECT_EQ(rows[33], QStringLiteral("下旬平均"));
    EXPECT_EQ(rows[34], QStringLiteral("月平均"));
    EXPECT_EQ(rows[35], QStringLiteral("月极值"));

    const QStringList columns = CutPieces(QStringLiteral(" 21 22  1 4次24次 最高"), 3);
    EXPECT_EQ(columns, (QStringList{"21", "22", "1", QStringLiteral("4次"), QStringLiteral("24次"), QStringLiteral("最高")}));
}

}  // namespace
}  // namespace tabulon
