#include "toolkit/ClimateSummary.h"

#include <gtest/gtest.h>

using namespace tabulon;

namespace {

TextList Lines(std::initializer_list<const char*> lines)
{
    TextList t;
    t.dim({Bounds{0, static_cast<int>(lines.size()) - 1}});
    int k = 0;
    for (const char* line : lines)
        t(k++) = QString::fromUtf8(line);
    return t;
}

}  // namespace

TEST(ClimateSummaryText, TakesTheSecondFieldOfEachLineFromElementOne)
{
    const TextList lines = Lines({"0/不读", "1/气温偏高。", "2/", "3/降水偏少。/备用", "4/末行"});
    EXPECT_EQ(ClimateSummaryText(lines), QStringLiteral("气温偏高。\n降水偏少。\n末行\n"));
}

TEST(ClimateSummaryText, LinesWithoutAFieldAddNothingAndTheRestFollows)
{
    // A line without "/" and an empty line have no second field: they are passed over.
    const TextList lines = Lines({"", "abc", "", "1/晴", "/前导空域"});
    EXPECT_EQ(ClimateSummaryText(lines), QStringLiteral("晴\n前导空域\n"));
}

TEST(ClimateSummaryText, EmptyListsGiveEmptyText)
{
    EXPECT_EQ(ClimateSummaryText(TextList{}), QString());           // never filled
    EXPECT_EQ(ClimateSummaryText(Lines({"0/只有零号"})), QString());  // element 0 alone
    TextList fromOne;
    fromOne.dim({Bounds{1, 1}});
    fromOne(1) = QStringLiteral("1/一");
    EXPECT_EQ(ClimateSummaryText(fromOne), QStringLiteral("一\n"));
}
