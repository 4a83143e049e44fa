#include "toolkit/ClimateSummary.h"

#include "support/TextLists.h"

#include <gtest/gtest.h>

using namespace tabulon;

TEST(ClimateSummaryText, TakesTheSecondFieldOfEachLineFromElementOne)
{
    const TextList lines = test::TextListFromZero({"0/不读", "1/气温偏高。", "2/", "3/降水偏少。/备用", "4/末行"});
    EXPECT_EQ(ClimateSummaryText(lines), QStringLiteral("气温偏高。\n降水偏少。\n末行\n"));
}

TEST(ClimateSummaryText, LinesWithoutAFieldAddNothingAndTheRestFollows)
{
    // A line without "/" and an empty line have no second field: they are passed over.
    const TextList lines = test::TextListFromZero({"", "abc", "", "1/晴", "/前导空域"});
    EXPECT_EQ(ClimateSummaryText(lines), QStringLiteral("晴\n前导空域\n"));
}

TEST(ClimateSummaryText, EmptyListsGiveEmptyText)
{
    EXPECT_EQ(ClimateSummaryText(TextList{}), QString());           // never filled
    EXPECT_EQ(ClimateSummaryText(test::TextListFromZero({"0/只有零号"})), QString());  // element 0 alone
    TextList fromOne;
    fromOne.dim({Bounds{1, 1}});
    fromOne(1) = QStringLiteral("1/一");
    EXPECT_EQ(ClimateSummaryText(fromOne), QStringLiteral("一\n"));
}
