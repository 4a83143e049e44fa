#include "pages/frame/LayoutLiterals.h"

#include "platform/ReportError.h"

#include <gtest/gtest.h>

using namespace tabulon;

TEST(LayoutLiterals, PiecesCountCharactersNotBytes)
{
    const QString captions = QStringLiteral("2 8 1420平均最高最低2 8 14202 8 1420平均最小");
    EXPECT_EQ(FixedWidthPiece(captions, 0, 2), "2");
    EXPECT_EQ(FixedWidthPiece(captions, 2, 2), "14");
    EXPECT_EQ(FixedWidthPiece(captions, 4, 2), "平均");
    EXPECT_EQ(FixedWidthPiece(captions, 6, 2), "最低");
    EXPECT_EQ(FixedWidthPiece(captions, 7, 2), "2");
    EXPECT_EQ(CutPieces(captions, 2).size(), 17);
    EXPECT_EQ(CutPieces(captions, 2).last(), "最小");
}

TEST(LayoutLiterals, PiecesAreTrimmedOnlyAtTheirEndsAndEmptyPastTheLiteral)
{
    const QString labels = QStringLiteral("  10上旬平均 月平均 月极值日  期");
    EXPECT_EQ(FixedWidthPiece(labels, 0, 4), "10");
    EXPECT_EQ(FixedWidthPiece(labels, 1, 4), "上旬平均");
    EXPECT_EQ(FixedWidthPiece(labels, 2, 4), "月平均");
    EXPECT_EQ(FixedWidthPiece(labels, 4, 4), "日  期");
    EXPECT_EQ(FixedWidthPiece(labels, 5, 4), "");
    EXPECT_EQ(FixedWidthPiece(labels, -1, 4), "");
    EXPECT_EQ(FixedWidthPiece(labels, 0, 0), "");
    EXPECT_TRUE(CutPieces(labels, 0).isEmpty());
    EXPECT_EQ(CutPieces(labels, 4, 2), (QStringList{"10", "上旬平均"}));
}

TEST(LayoutLiterals, NumberFieldsReadRunTogetherFields)
{
    const std::vector<int> ys =
        NumberFields(QStringLiteral("2710 4310 4630 6230 7830 8150 9750 1167011990123101263012950"), 5);
    const std::vector<int> expected{2710, 4310, 4630, 6230, 7830, 8150, 9750, 11670, 11990, 12310, 12630, 12950};
    EXPECT_EQ(ys, expected);
}

TEST(LayoutLiterals, CommaListsAndItems)
{
    EXPECT_EQ(CommaNumbers(QStringLiteral("1110,4630,8150")), (std::vector<int>{1110, 4630, 8150}));
    const QString numbers = QStringLiteral("-8-,-25-,-32-,-24-,-17-");
    EXPECT_EQ(CommaItem(numbers, 1), "-8-");
    EXPECT_EQ(CommaItem(numbers, 5), "-17-");
    // A page asked for an item its list does not have fails like any page error.
    for (int k : {0, 6, -1}) {
        try {
            CommaItem(numbers, k);
            ADD_FAILURE() << "item " << k;
        } catch (const ReportError& e) {
            EXPECT_EQ(e.number(), ErrorNumber::SubscriptOutOfRange);
        }
    }
}

TEST(LayoutLiterals, RunningXEndsAtTheRightEdgeOfTheLastColumn)
{
    EXPECT_EQ(RunningX(1000, {561, 561, 700}), (std::vector<int>{1000, 1561, 2122, 2822}));
    EXPECT_EQ(RunningX(0, {}), (std::vector<int>{0}));
}
