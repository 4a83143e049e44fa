#include "pages/frame/RowLayouts.h"

#include <gtest/gtest.h>

#include <utility>

using namespace tabulon;

namespace {
std::vector<std::pair<int, double>> DaysDrawn(const DecadeLayout& layout, int daysInMonth)
{
    std::vector<std::pair<int, double>> drawn;
    layout.forEachDay(daysInMonth, [&](int day, double y) { drawn.emplace_back(day, y); });
    return drawn;
}
}  // namespace

TEST(DecadeLayout, DaysFallIntoTheirTenDayBlocksAndStopAtTheMonthsEnd)
{
    const DecadeLayout layout = DecadeLayout::fromLiterals("1110,4630,8150", "4310,7830,11670,11990", 320);

    const auto february = DaysDrawn(layout, 28);
    ASSERT_EQ(february.size(), 28u);
    EXPECT_EQ(february[0], std::make_pair(1, 1110.0));
    EXPECT_EQ(february[9], std::make_pair(10, 1110.0 + 9 * 320));
    EXPECT_EQ(february[10], std::make_pair(11, 4630.0));
    EXPECT_EQ(february[20], std::make_pair(21, 8150.0));
    EXPECT_EQ(february.back(), std::make_pair(28, 8150.0 + 7 * 320));

    const auto march = DaysDrawn(layout, 31);
    ASSERT_EQ(march.size(), 31u);
    EXPECT_EQ(march.back(), std::make_pair(31, 8150.0 + 10 * 320));
    EXPECT_DOUBLE_EQ(layout.dayY(31), 8150.0 + 10 * 320);
    EXPECT_DOUBLE_EQ(layout.dayY(15), 4630.0 + 4 * 320);

    // A header claiming more days than a page has rows stops at day 31; one claiming fewer
    // than 20 draws no third block.
    EXPECT_EQ(DaysDrawn(layout, 40).size(), 31u);
    EXPECT_EQ(DaysDrawn(layout, 15).size(), 20u);
    EXPECT_EQ(DecadeLayout::daysInBlock(2, 15), 0);
}

TEST(DecadeLayout, StatisticRowsArePeriodsOneToFour)
{
    const DecadeLayout layout = DecadeLayout::fromLiterals("1110,4740,8370", "4410,8040,12000,12330", 330);
    std::vector<std::pair<int, double>> rows;
    layout.forEachStatRow([&](int period, double y) { rows.emplace_back(period, y); });
    const std::vector<std::pair<int, double>> expected{{1, 4410}, {2, 8040}, {3, 12000}, {4, 12330}};
    EXPECT_EQ(rows, expected);
}

TEST(RowRules, PentadRulesAreOneWeightLighter)
{
    const RowRules fixed = RowRules::decadeRules("2710 4310 4630 6230 7830 8150 9750 1167011990123101263012950");
    ASSERT_EQ(fixed.rules().size(), 12u);
    std::vector<int> lighter;
    for (const RowRules::Rule& r : fixed.rules())
        if (fixed.weightOf(r, 4) == 3)
            lighter.push_back(r.y);
    EXPECT_EQ(lighter, (std::vector<int>{2710, 6230, 9750}));
    EXPECT_EQ(fixed.weightOf(fixed.rules()[1], 4), 4);
    // With the lightest heavy rule the pentad rules get code 0, which draws nothing.
    EXPECT_EQ(fixed.weightOf(fixed.rules()[0], 1), 0);

    const RowRules comma = RowRules::decadeRules("2760,4410,4740,6390", 0);
    EXPECT_EQ(comma.ys(), (std::vector<int>{2760, 4410, 4740, 6390}));
    EXPECT_EQ(comma.rules()[3].weightOffset, -1);
}

TEST(DayGrid, RulesAfterEveryFiveDays)
{
    DayGrid grid{1110, 350};
    EXPECT_DOUBLE_EQ(grid.bottom(), 11960);
    const RowRules rules = grid.dayRules();
    EXPECT_EQ(rules.ys(), (std::vector<int>{2860, 4610, 6360, 8110, 9860}));
    std::vector<int> offsets;
    for (const RowRules::Rule& r : rules.rules())
        offsets.push_back(r.weightOffset);
    EXPECT_EQ(offsets, (std::vector<int>{-1, 0, -1, 0, -1}));

    grid.heavyTenDayRules = false;
    const RowRules hourly = grid.dayRules();
    for (const RowRules::Rule& r : hourly.rules())
        EXPECT_EQ(r.weightOffset, -1);

    int days = 0;
    grid.forEachDay(30, [&](int day, double y) {
        ++days;
        EXPECT_DOUBLE_EQ(y, 1110 + 350.0 * (day - 1));
    });
    EXPECT_EQ(days, 30);
}
