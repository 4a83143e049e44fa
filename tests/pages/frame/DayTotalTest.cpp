// The day's total read by the width of its table: the last of 25 hourly items, or the one
// item of a daily table, and nothing from a table of any other width.
#include "pages/frame/DayTotal.h"

#include <gtest/gtest.h>

namespace tabulon {
namespace {

TextTable Table(int items)
{
    TextTable t;
    t.dim({Bounds{1, 31}, Bounds{1, items}});
    for (int d = 1; d <= 31; ++d)
        for (int i = 1; i <= items; ++i)
            t(d, i) = QString::number(i);
    return t;
}

TEST(DayTotal, ReadsTheItemThatTheTableWidthNames)
{
    for (auto [items, expected] : {std::pair{1, "01"}, {25, "25"}, {27, "25"}, {24, ""}, {2, ""}}) {
        TextTable t = Table(items);
        EXPECT_EQ(FormattedDayTotal(t, 3), QString::fromLatin1(expected)) << items;
    }
    TextTable t = Table(1);
    FormattedDayTotal(t, 3);
    EXPECT_EQ(t(3, 1), QStringLiteral("01"));   // zero-filled in place
    EXPECT_EQ(t(4, 1), QStringLiteral("1"));
}

TEST(DayTotal, MissingDaysAndTablesGiveNoCell)
{
    TextTable t = Table(25);
    EXPECT_EQ(DayTotalCell(t, 32), nullptr);
    EXPECT_EQ(FormattedDayTotal(t, 0), QString());
    TextTable never;
    EXPECT_EQ(DayTotalCell(never, 1), nullptr);
    EXPECT_EQ(FormattedItem(never, 1, 1), QString());
    EXPECT_EQ(FormattedItem(t, 1, 26), QString());
    EXPECT_EQ(FormattedItem(t, 1, 7), QStringLiteral("07"));
}

}  // namespace
}  // namespace tabulon
